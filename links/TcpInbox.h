#pragma once
// Bytes a TCP link's worker received and the window has not yet taken. The
// worker never waits for the window: what does not fit is dropped, and the
// window learns where bytes went missing, so it never joins the two ends of
// a gap into one line.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

class TcpInbox {
 public:
  explicit TcpInbox(std::size_t capacity);

  // Worker: keeps what fits and drops the rest (the first drop is noted on
  // standard error). After a drop nothing is kept until the window has taken
  // half, so what it gets comes in long runs. True when the window must be
  // asked to drain: no drain was pending.
  bool Append(const char* data, std::size_t count);

  struct Slice {
    std::string bytes;
    bool gapBefore = false;  // bytes went missing right before these
  };
  // Window: at most max bytes, never across a gap.
  Slice Take(std::size_t max);
  // Window, after handling a slice: true when more waits (the drain stays
  // pending and goes on); false ends it, and the next Append asks anew.
  bool FinishDrain();

  std::size_t Size() const;
  // Bytes the window has taken since the link opened.
  std::uint64_t Taken() const;
  std::size_t MostHeld() const;
  std::uint64_t Dropped() const;

 private:
  mutable std::mutex mutex_;
  std::vector<char> ring_;
  std::size_t head_ = 0;  // index of the oldest byte
  std::size_t size_ = 0;
  std::uint64_t taken_ = 0;         // bytes taken so far, as a stream position
  std::deque<std::uint64_t> gaps_;  // stream positions a gap precedes
  bool dropping_ = false;
  bool drainPending_ = false;
  std::size_t mostHeld_ = 0;
  std::uint64_t dropped_ = 0;
};
