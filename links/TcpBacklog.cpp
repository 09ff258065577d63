#include "links/TcpBacklog.h"

bool TcpBacklog::Reserve(std::size_t n) {
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [&] { return ending_ || pending_ == 0 || pending_ + n <= limit_; });
  if (ending_) return false;
  pending_ += n;
  return true;
}

void TcpBacklog::Release(std::size_t n) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    pending_ = n < pending_ ? pending_ - n : 0;
  }
  changed_.notify_all();
}

void TcpBacklog::End() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    ending_ = true;
  }
  changed_.notify_all();
}

std::size_t TcpBacklog::Pending() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return pending_;
}
