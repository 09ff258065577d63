#pragma once
// Bytes the TCP worker has handed to the window but the window has not yet
// taken. A peer that floods faster than the window can handle would otherwise
// fill the event queue without bound; past the limit the worker waits, so the
// socket's own window pushes back on the peer.
#include <condition_variable>
#include <cstddef>
#include <mutex>

class TcpBacklog {
 public:
  explicit TcpBacklog(std::size_t limit) : limit_(limit) {}

  // Worker: waits until n more bytes fit (a single hand-over always fits an
  // empty backlog); false once the link is ending.
  bool Reserve(std::size_t n);
  // Window: n bytes handed over were taken (or dropped).
  void Release(std::size_t n);
  // Window: the link is ending; a waiting worker returns at once.
  void End();

  std::size_t Pending() const;

 private:
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  const std::size_t limit_;
  std::size_t pending_ = 0;
  bool ending_ = false;
};
