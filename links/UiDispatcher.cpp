// The dispatcher that tests and programs without an event loop pump by hand; jobs run
// outside the lock, so that a job may post more.
#include "links/UiDispatcher.h"

#include <chrono>

void ManualDispatcher::Post(std::function<void()> fn) {
  {
    std::lock_guard<std::mutex> lk(mutex_);
    queue_.push_back(std::move(fn));
  }
  cv_.notify_all();
}

int ManualDispatcher::RunPending() {
  std::deque<std::function<void()>> batch;
  {
    std::lock_guard<std::mutex> lk(mutex_);
    batch.swap(queue_);
  }
  // Run outside the lock: a job may post more.
  for (auto& fn : batch) fn();
  return int(batch.size());
}

int ManualDispatcher::WaitAndRun(int timeoutMs) {
  {
    std::unique_lock<std::mutex> lk(mutex_);
    cv_.wait_for(lk, std::chrono::milliseconds(timeoutMs), [&] { return !queue_.empty(); });
  }
  return RunPending();
}

bool ManualDispatcher::PumpUntil(const std::function<bool()>& pred, int timeoutMs) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  RunPending();
  while (!pred()) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return pred();
    WaitAndRun(int(std::min<long long>(left.count(), 20)));
  }
  return true;
}

size_t ManualDispatcher::Pending() const {
  std::lock_guard<std::mutex> lk(mutex_);
  return queue_.size();
}
