#pragma once
// Hands work from the links' worker threads to the user-interface thread.
// The work waits in a queue of its own under a std::mutex; the worker only
// writes to an eventfd, which a socket notifier on the user-interface thread
// watches. So no Qt object is touched off its thread, and the hand-over is
// plainly ordered for the thread sanitizer too. Work still queued when the
// dispatcher goes is dropped, so nothing reaches a window after it is gone.

#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>

#include "links/UiDispatcher.h"

class QSocketNotifier;

class QtUiDispatcher : public UiDispatcher {
 public:
  // Made on the user-interface thread, whose event loop runs the work.
  QtUiDispatcher();
  ~QtUiDispatcher() override;
  QtUiDispatcher(const QtUiDispatcher&) = delete;
  QtUiDispatcher& operator=(const QtUiDispatcher&) = delete;

  void Post(std::function<void()> fn) override;

 private:
  void Wake();
  // One turn of the event loop: the work queued when it began, in order.
  void RunQueued();

  std::mutex mutex_;
  std::deque<std::function<void()>> queue_;
  int wakeFd_ = -1;
  QSocketNotifier* notifier_ = nullptr;
};
