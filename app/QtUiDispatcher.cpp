// The hand-over queue drained on the user-interface thread: one job at a time,
// and woken again while work is left, even after a job that throws.
#include "app/QtUiDispatcher.h"

#include <QSocketNotifier>

#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>
#include <stdexcept>

QtUiDispatcher::QtUiDispatcher() {
  wakeFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (wakeFd_ < 0) throw std::runtime_error("no eventfd for the user-interface queue");
  notifier_ = new QSocketNotifier(wakeFd_, QSocketNotifier::Read);
  QObject::connect(notifier_, &QSocketNotifier::activated, notifier_, [this] { RunQueued(); });
}

QtUiDispatcher::~QtUiDispatcher() {
  delete notifier_;
  ::close(wakeFd_);
}

void QtUiDispatcher::Post(std::function<void()> fn) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    queue_.push_back(std::move(fn));
  }
  Wake();
}

void QtUiDispatcher::Wake() {
  const uint64_t one = 1;
  [[maybe_unused]] ssize_t n = ::write(wakeFd_, &one, sizeof one);
}

void QtUiDispatcher::RunQueued() {
  uint64_t wakes;
  [[maybe_unused]] ssize_t r = ::read(wakeFd_, &wakes, sizeof wakes);
  // Work that throws is reported by the application and the run goes on:
  // what is still queued then gets a turn of its own.
  struct Rearm {
    QtUiDispatcher* self;
    ~Rearm() {
      std::lock_guard<std::mutex> lock(self->mutex_);
      if (!self->queue_.empty()) self->Wake();
    }
  } rearm{this};
  size_t count;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    count = queue_.size();
  }
  // One job at a time from the front: a job that opens a modal box runs the
  // event loop, which takes the next ones in their order. Work posted
  // meanwhile waits for the next turn, so input and timers get theirs.
  for (; count > 0; --count) {
    std::function<void()> job;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (queue_.empty()) break;
      job = std::move(queue_.front());
      queue_.pop_front();
    }
    job();
  }
}
