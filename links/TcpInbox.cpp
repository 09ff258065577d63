// The bounded ring between the TCP worker and the window: bytes that do not fit are
// dropped in runs, and each run is marked as a gap for the reader.
#include "links/TcpInbox.h"

#include <algorithm>
#include <cstdio>

TcpInbox::TcpInbox(std::size_t capacity) : ring_(std::max<std::size_t>(capacity, 2)) {}

bool TcpInbox::Append(const char* data, std::size_t count) {
  if (count == 0) return false;
  bool firstDrop = false;
  bool wake = false;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    const std::size_t capacity = ring_.size();
    if (dropping_ && size_ <= capacity / 2) dropping_ = false;
    const std::size_t kept = dropping_ ? 0 : std::min(count, capacity - size_);
    for (std::size_t i = 0, at = (head_ + size_) % capacity; i < kept; ++i) {
      ring_[at] = data[i];
      if (++at == capacity) at = 0;
    }
    size_ += kept;
    mostHeld_ = std::max(mostHeld_, size_);
    if (kept < count) {
      // One gap per run of drops: nothing is kept until the run ends.
      if (!dropping_) gaps_.push_back(taken_ + size_);
      dropping_ = true;
      firstDrop = dropped_ == 0;
      dropped_ += count - kept;
    }
    if (!drainPending_) drainPending_ = wake = true;
  }
  if (firstDrop)
    std::fprintf(stderr, "TCP link: the window fell behind; received bytes are dropped\n");
  return wake;
}

TcpInbox::Slice TcpInbox::Take(std::size_t max) {
  Slice slice;
  std::lock_guard<std::mutex> lock(mutex_);
  while (!gaps_.empty() && gaps_.front() <= taken_) {
    slice.gapBefore = true;
    gaps_.pop_front();
  }
  std::size_t n = std::min(max, size_);
  if (!gaps_.empty()) n = std::min<std::size_t>(n, gaps_.front() - taken_);
  const std::size_t capacity = ring_.size();
  const std::size_t first = std::min(n, capacity - head_);
  slice.bytes.assign(ring_.data() + head_, first);
  slice.bytes.append(ring_.data(), n - first);
  head_ = (head_ + n) % capacity;
  size_ -= n;
  taken_ += n;
  return slice;
}

bool TcpInbox::FinishDrain() {
  std::lock_guard<std::mutex> lock(mutex_);
  drainPending_ = size_ > 0 || !gaps_.empty();
  return drainPending_;
}

std::size_t TcpInbox::Size() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return size_;
}

std::uint64_t TcpInbox::Taken() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return taken_;
}

std::size_t TcpInbox::MostHeld() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return mostHeld_;
}

std::uint64_t TcpInbox::Dropped() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return dropped_;
}
