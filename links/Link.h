#pragma once
// One connection to the transponder, whichever medium carries it: opened,
// closed, written to, and heard from. Both notices arrive on the
// user-interface thread; nothing arrives after Close.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

class Link {
 public:
  virtual ~Link() = default;

  // Opens with the settings the adapter was given; false when it could not.
  virtual bool Open() = 0;
  virtual void Close() = 0;
  // Everything or nothing: false when not all of it went out.
  virtual bool Send(const char* data, std::size_t size) = 0;
  virtual bool IsOpen() const = 0;

  // Bytes received, in order. gapBefore: bytes went missing right before
  // these. Returning false stops this turn's delivery (the handler closed the
  // link); the rest waits for the next turn, or goes with the link.
  std::function<bool(std::string_view bytes, bool gapBefore)> onReceived;
  // The link has ended by itself (the device went away or the peer closed).
  std::function<void()> onEnded;

  // Counts the link's closes: a receive handler compares it before and after
  // a line to know whether the session it was reading still stands.
  std::uint64_t Closes() const { return closes_; }

  // Received bytes that one turn of the event loop handles at most, in bytes
  // and in time, so that input and timers get their turn in between; taken
  // in pieces of one TCP receive.
  static constexpr std::size_t kReceiveSlice = 4 * 1024;
  static constexpr std::chrono::milliseconds kReceiveTurnTime{5};
  static constexpr std::size_t kReceivePiece = 512;

 protected:
  void CountClose() { ++closes_; }

 private:
  std::uint64_t closes_ = 0;
};
