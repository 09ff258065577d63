#pragma once
// Waiting for another thread, or the kernel, without running any event loop:
// for what a test must see happen while the window handles nothing.
#include <chrono>
#include <functional>
#include <thread>

// True once done() holds; false when ms passed first.
inline bool PollUntil(const std::function<bool()>& done, int ms) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (!done()) {
    if (std::chrono::steady_clock::now() > until) return false;
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  return true;
}
