#pragma once
// Devices that flood the real window without pacing, and what the tests
// measure meanwhile: how long an input event waits, and the heap in use.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QWidget>

#include <malloc.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>

#include "app/conn_fixture.h"
#include "app/links/flood_lines.h"
#include "app/links/input_probe.h"

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
// The sanitizer's own allocator keeps the count; malloc's statistics do not see it.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace linktest {

// Bytes the program has allocated and not freed.
inline size_t HeapInUse() {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
  return __sanitizer_get_current_allocated_bytes();
#else
  const struct mallinfo2 m = mallinfo2();
  return m.uordblks + m.hblkhd;
#endif
}

// The device's end goes away: no master, no slave held open.
inline void Vanish(conn::PtyDevice& dev) {
  ::close(dev.master);
  ::close(dev.keep);
  dev.master = dev.keep = -1;
}

// Writes without pacing to fd (a socket or a pty master, non-blocking) on a
// thread of its own until stopped or the other end is gone.
class Flooder {
 public:
  // numbered: numbered lines; otherwise the GPS cycle over and over.
  Flooder(int fd, bool numbered) : fd_(fd), numbered_(numbered) {
    thread_ = std::thread([this] { Run(); });
  }
  ~Flooder() { Stop(); }
  void Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
  }
  // Stops once the line in progress has gone out whole: stopped at once, the
  // flood would end inside a line, and whatever is sent next would join it.
  // False when the other end did not take that much within ms.
  bool StopAtLineEnd(int ms = 10000) {
    atLineEnd_ = true;
    const bool whole = WaitFor([&] { return stoppedAtLineEnd_ || gone_; }, ms) && !gone_;
    Stop();
    return whole;
  }
  // The other end closed or reset: a send failed.
  bool PeerGone() const { return gone_; }
  // Times the other end took nothing and the flooder had to wait.
  size_t Stalls() const { return stalls_; }
  // Lines that went out whole.
  unsigned LinesSent() const { return lines_; }

 private:
  void Run() {
    std::string pending;
    unsigned next = 0;
    bool inLine = false;  // part of a line has gone out, not yet its end
    const std::string cycle = floodlines::GpsCycle();
    while (!stop_) {
      if (atLineEnd_ && !inLine) {
        stoppedAtLineEnd_ = true;
        break;
      }
      if (pending.empty()) {
        if (numbered_) {
          for (int i = 0; i < 256; ++i) pending += floodlines::NumberedLine(next++);
        } else {
          for (int i = 0; i < 64; ++i) pending += cycle;
        }
      }
      ssize_t n =
          socket_ ? ::send(fd_, pending.data(), pending.size(), MSG_NOSIGNAL | MSG_DONTWAIT) : -1;
      if (socket_ && n < 0 && errno == ENOTSOCK) socket_ = false;
      if (!socket_) n = ::write(fd_, pending.data(), pending.size());
      if (n > 0) {
        lines_ += static_cast<unsigned>(std::count(pending.begin(), pending.begin() + n, '\n'));
        inLine = pending[static_cast<size_t>(n) - 1] != '\n';
        pending.erase(0, static_cast<size_t>(n));
        continue;
      }
      if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
        ++stalls_;
        pollfd p{fd_, POLLOUT, 0};
        ::poll(&p, 1, 5);
        continue;
      }
      gone_ = true;
      break;
    }
  }

  int fd_;
  bool numbered_;
  bool socket_ = true;  // until send says otherwise
  std::atomic<bool> stop_{false};
  std::atomic<bool> atLineEnd_{false};
  std::atomic<bool> stoppedAtLineEnd_{false};
  std::atomic<bool> gone_{false};
  std::atomic<size_t> stalls_{0};
  std::atomic<unsigned> lines_{0};
  std::thread thread_;
};

// The worst wait the window caused to input events sent one after another,
// at moments of the sender's choosing, for ms milliseconds (the time other
// programs had the processors left out); each() runs between them.
inline double WorstInputWaitMs(int ms, const std::function<void()>& each = {}) {
  InputProbe probe;
  double worst = 0;
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) {
    probe.WaitMs();
    worst = std::max(worst, probe.OwnWaitMs());
    if (each) each();
  }
  return worst;
}

// A left click as the window system would deliver it: queued behind
// whatever the window has to do.
inline void PostClick(QWidget* w) {
  const QPointF at(w->width() / 2.0, w->height() / 2.0);
  const QPointF global = w->mapToGlobal(at);
  QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonPress, at, global,
                                                 Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
  QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonRelease, at, global,
                                                 Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
}

// Milliseconds until done() holds, pumping the window meanwhile; -1 when it
// does not within limitMs.
inline double MsUntil(const std::function<bool()>& done, int limitMs) {
  QElapsedTimer t;
  t.start();
  while (!done()) {
    if (t.elapsed() > limitMs) return -1;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  return double(t.nsecsElapsed()) / 1e6;
}

using conn::TcpFormTest;

}  // namespace linktest
