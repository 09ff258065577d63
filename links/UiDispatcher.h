#pragma once
// Hand-over of work from a link's worker thread to the user-interface thread.
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

class UiDispatcher {
 public:
  virtual ~UiDispatcher() = default;
  // Queue fn to run later on the user-interface thread. Must never run it
  // inline: the caller may hold locks, and the worker waits for it.
  virtual void Post(std::function<void()> fn) = 0;
};

// A queue its owner pumps: tests, and programs without an event loop.
class ManualDispatcher : public UiDispatcher {
 public:
  void Post(std::function<void()> fn) override;
  // Runs what is queued now; returns how many ran.
  int RunPending();
  // Waits up to timeoutMs for work, then runs what is queued.
  int WaitAndRun(int timeoutMs);
  // Pumps until pred() is true or timeoutMs passed; returns pred().
  bool PumpUntil(const std::function<bool()>& pred, int timeoutMs = 5000);
  size_t Pending() const;

 private:
  mutable std::mutex mutex_;
  std::condition_variable cv_;
  std::deque<std::function<void()>> queue_;
};
