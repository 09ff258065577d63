#pragma once
// Stands for input from the window system, which reaches the window's event
// loop through a socket: another thread makes a descriptor readable at a
// moment of its own choosing, and the time until the loop handles it is how
// long an input event waits. Plain Qt, for tests and benchmarks alike.
//
// On a busy machine part of that wait is the scheduler's: the loop's thread
// stood ready while other programs had the processors. The kernel counts
// that time per thread, so the part the window itself is answerable for
// (its own work, and any wait of its own) can be told apart.
#include <QCoreApplication>
#include <QSocketNotifier>

#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <fstream>
#include <random>
#include <string>
#include <thread>

class InputProbe {
 public:
  InputProbe()
      : fd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)), notifier_(fd_, QSocketNotifier::Read) {
    QObject::connect(&notifier_, &QSocketNotifier::activated, &notifier_, [this] {
      uint64_t v;
      [[maybe_unused]] ssize_t n = ::read(fd_, &v, sizeof v);
      handledAt_ = Now();
      readyAtHandling_ = ReadyNs(loopThread_);
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
      readyAtSend_ = ReadyNs(loopThread_);
      sentAt_ = Now();
      const uint64_t one = 1;
      [[maybe_unused]] ssize_t n = ::write(fd_, &one, sizeof one);
    });
    while (!handled_) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    sender.join();
    return double(handledAt_ - sentAt_) / 1e6;
  }
  // The last wait less the time the loop's thread stood ready to run
  // meanwhile: what the window held the event up for.
  double OwnWaitMs() const {
    const int64_t scheduler = readyAtHandling_ - readyAtSend_;
    return double(std::max<int64_t>(0, handledAt_ - sentAt_ - scheduler)) / 1e6;
  }

 private:
  // Nanoseconds the thread has stood ready to run without a processor; 0
  // where the kernel does not keep the count.
  static int64_t ReadyNs(pid_t thread) {
    std::ifstream stat("/proc/self/task/" + std::to_string(thread) + "/schedstat");
    int64_t running = 0, ready = 0;
    stat >> running >> ready;
    return stat ? ready : 0;
  }
  static int64_t Now() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
  }

  const pid_t loopThread_ = ::gettid();
  int fd_;
  QSocketNotifier notifier_;
  std::mt19937 random_{42};
  bool handled_ = false;
  int64_t handledAt_ = 0;
  int64_t sentAt_ = 0;       // written by the sender before the write the loop waits for
  int64_t readyAtSend_ = 0;  // likewise
  int64_t readyAtHandling_ = 0;
};
