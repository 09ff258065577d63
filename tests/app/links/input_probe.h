#pragma once
// Stands for input from the window system, which reaches the window's event
// loop through a socket: another thread makes a descriptor readable at a
// moment of its own choosing, and the time until the loop handles it is how
// long an input event waits. Plain Qt, for tests and benchmarks alike.
#include <QCoreApplication>
#include <QSocketNotifier>

#include <sys/eventfd.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <random>
#include <thread>

class InputProbe {
 public:
  InputProbe()
      : fd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)), notifier_(fd_, QSocketNotifier::Read) {
    QObject::connect(&notifier_, &QSocketNotifier::activated, &notifier_, [this] {
      uint64_t v;
      [[maybe_unused]] ssize_t n = ::read(fd_, &v, sizeof v);
      handledAt_ = Now();
      handled_ = true;
    });
  }
  ~InputProbe() { ::close(fd_); }
  InputProbe(const InputProbe&) = delete;
  InputProbe& operator=(const InputProbe&) = delete;

  // One event, sent within the next maxDelayMs by another thread while this
  // one runs the event loop; milliseconds it waited.
  double WaitMs(int maxDelayMs = 8) {
    handled_ = false;
    const int delayUs = std::uniform_int_distribution<int>(0, maxDelayMs * 1000)(random_);
    std::thread sender([this, delayUs] {
      std::this_thread::sleep_for(std::chrono::microseconds(delayUs));
      sentAt_ = Now();
      const uint64_t one = 1;
      [[maybe_unused]] ssize_t n = ::write(fd_, &one, sizeof one);
    });
    while (!handled_) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    sender.join();
    return double(handledAt_ - sentAt_) / 1e6;
  }

 private:
  static int64_t Now() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
  }

  int fd_;
  QSocketNotifier notifier_;
  std::mt19937 random_{42};
  bool handled_ = false;
  int64_t handledAt_ = 0;
  int64_t sentAt_ = 0;  // written by the sender before the write the loop waits for
};
