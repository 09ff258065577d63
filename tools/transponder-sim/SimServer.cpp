// The server's thread: the pseudo-terminal or the TCP listener and its one client, a
// wake-up descriptor for Stop and TickNow, output paced to the line rate, and the link
// faults (slow bytes, a drop after so many).
#include "tools/transponder-sim/SimServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

namespace {
// Output that a reader does not take within this long is dropped, as a
// device's would be.
constexpr int kWriteWaitMs = 200;
}  // namespace

SimServer::~SimServer() { Stop(); }

bool SimServer::StartPty(const std::string& linkPath) {
  master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
  if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
    error_ = std::string("no pseudo-terminal: ") + std::strerror(errno);
    return false;
  }
  slavePath_ = ::ptsname(master_);
  // Raw, so that bytes pass unchanged to a program that does not set the
  // line up itself. The settings stay while the master is open.
  int slave = ::open(slavePath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (slave >= 0) {
    termios tio{};
    if (::tcgetattr(slave, &tio) == 0) {
      ::cfmakeraw(&tio);
      tio.c_cflag |= CLOCAL | CREAD;
      ::cfsetspeed(&tio, B115200);
      ::tcsetattr(slave, TCSANOW, &tio);
    }
    ::close(slave);
  }
  if (!linkPath.empty()) {
    struct stat st {};
    if (::lstat(linkPath.c_str(), &st) == 0) {
      if (!S_ISLNK(st.st_mode)) {
        error_ = linkPath + " exists and is not a symlink";
        return false;
      }
      ::unlink(linkPath.c_str());
    }
    if (::symlink(slavePath_.c_str(), linkPath.c_str()) != 0) {
      error_ = "cannot make " + linkPath + ": " + std::strerror(errno);
      return false;
    }
    linkPath_ = linkPath;
  }
  client_ = master_;
  wakeFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  thread_ = std::thread([this] { Run(); });
  return true;
}

bool SimServer::StartTcp(int port) {
  listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  int one = 1;
  ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
  sockaddr_in sa{};
  sa.sin_family = AF_INET;
  sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);  // loopback only
  sa.sin_port = htons(uint16_t(port));
  socklen_t len = sizeof sa;
  if (listener_ < 0 || port < 0 || port > 65535 ||
      ::bind(listener_, reinterpret_cast<sockaddr*>(&sa), sizeof sa) != 0 ||
      ::listen(listener_, 4) != 0 ||
      ::getsockname(listener_, reinterpret_cast<sockaddr*>(&sa), &len) != 0) {
    error_ = std::string("cannot listen: ") + std::strerror(errno);
    return false;
  }
  port_ = ntohs(sa.sin_port);
  wakeFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  thread_ = std::thread([this] { Run(); });
  return true;
}

void SimServer::Wake() {
  uint64_t one = 1;
  if (wakeFd_ >= 0) {
    [[maybe_unused]] const ssize_t n = ::write(wakeFd_, &one, sizeof one);
  }
}

void SimServer::Stop() {
  stop_ = true;
  Wake();
  if (thread_.joinable()) thread_.join();
  if (listener_ >= 0 && client_ >= 0) ::close(client_);
  client_ = -1;
  for (int* fd : {&master_, &listener_, &wakeFd_}) {
    if (*fd >= 0) ::close(*fd);
    *fd = -1;
  }
  if (!linkPath_.empty()) ::unlink(linkPath_.c_str());
  linkPath_.clear();
}

bool SimServer::PeerPresent() const {
  const int fd = client_;
  if (fd < 0) return false;
  if (listener_ >= 0) return true;
  pollfd p{fd, 0, 0};
  return ::poll(&p, 1, 0) == 0;  // the master reports a hang-up while nobody has the slave
}

void SimServer::SetTickMs(int ms) {
  tickMs = ms;
  Wake();  // a wait without a tick due ends
}

void SimServer::TickNow() {
  tickRequested_ = true;
  Wake();
}

bool SimServer::WaitForLine(const std::function<bool(const std::string&)>& pred, int timeoutMs) {
  std::unique_lock<std::mutex> lk(mutex_);
  return lineSeen_.wait_for(lk, std::chrono::milliseconds(timeoutMs), [&] {
    for (const auto& l : sim_.ReceivedLines())
      if (pred(l)) return true;
    return false;
  });
}

void SimServer::DropLink() {
  dropped_ = true;
  int fd = client_.exchange(-1);
  if (listener_ >= 0) {
    if (fd >= 0) ::close(fd);
  } else {
    // The device is gone: the program sees a hang-up.
    if (master_ >= 0) ::close(master_);
    master_ = -1;
  }
}

void SimServer::Send(const std::string& bytes) {
  int slowMs;
  long dropAfter;
  {
    std::lock_guard<std::mutex> lk(mutex_);
    slowMs = sim_.faults.slowDelayMs;
    dropAfter = sim_.faults.dropAfterBytes;
  }
  size_t done = 0;
  while (done < bytes.size() && !stop_) {
    const int fd = client_;
    if (fd < 0) return;
    size_t chunk = bytes.size() - done;
    if (slowMs > 0) chunk = 1;
    if (lineRateBaud > 0) {
      // Pieces of a USB packet's size, each sent once the line would
      // have carried the last.
      chunk = std::min<size_t>(chunk, 64);
      const auto now = std::chrono::steady_clock::now();
      if (lineFreeAt_ > now) {
        const auto wait =
            std::chrono::duration_cast<std::chrono::milliseconds>(lineFreeAt_ - now).count();
        if (wait > 0) {
          // In short naps, so that Stop is not kept waiting.
          std::this_thread::sleep_for(std::chrono::milliseconds(std::min<long long>(wait, 20)));
          continue;
        }
      }
    }
    if (dropAfter >= 0) {
      if (sentOnLink_ >= dropAfter) {
        DropLink();
        return;
      }
      chunk = std::min<size_t>(chunk, size_t(dropAfter - sentOnLink_));
    }
    ssize_t n = listener_ >= 0 ? ::send(fd, bytes.data() + done, chunk, MSG_NOSIGNAL | MSG_DONTWAIT)
                               : ::write(fd, bytes.data() + done, chunk);
    if (n > 0) {
      done += size_t(n);
      sentOnLink_ += n;
      bytesSent_ += n;
      if (lineRateBaud > 0) {
        const auto now = std::chrono::steady_clock::now();
        lineFreeAt_ = std::max(lineFreeAt_, now) +
                      std::chrono::microseconds(int64_t(n) * 10 * 1000000 / lineRateBaud);
      }
      if (slowMs > 0) {
        pollfd w{wakeFd_, POLLIN, 0};
        ::poll(&w, 1, slowMs);
      }
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno == EAGAIN) {
      pollfd p{fd, POLLOUT, 0};
      const int ready = ::poll(&p, 1, kWriteWaitMs);
      if (ready > 0 && !(p.revents & (POLLERR | POLLHUP))) continue;
      if (ready == 0 && holdStalledOutput) continue;  // slow, not gone
    }
    if (listener_ >= 0) {  // the program went away
      int c = client_.exchange(-1);
      if (c >= 0) ::close(c);
    }
    return;
  }
  if (dropAfter >= 0 && sentOnLink_ >= dropAfter) DropLink();
}

void SimServer::Run() {
  using Clock = std::chrono::steady_clock;
  auto nextTick = Clock::now() + std::chrono::milliseconds(std::max(0, tickMs.load()));
  while (!stop_) {
    const int period = tickMs;
    int timeout = -1;
    if (period > 0)
      timeout = int(std::max<long long>(
          0,
          std::chrono::duration_cast<std::chrono::milliseconds>(nextTick - Clock::now()).count()));
    pollfd fds[2] = {{wakeFd_, POLLIN, 0}, {-1, 0, 0}};
    const int fd = client_;
    if (fd >= 0)
      fds[1] = {fd, POLLIN, 0};
    else if (listener_ >= 0)
      fds[1] = {listener_, POLLIN, 0};
    int r = ::poll(fds, 2, timeout);
    if (r < 0 && errno != EINTR) break;
    if (r > 0 && (fds[0].revents & POLLIN)) {
      uint64_t v;
      [[maybe_unused]] ssize_t n = ::read(wakeFd_, &v, sizeof v);
    }
    if (stop_) break;
    if (r > 0 && fds[1].fd >= 0 && fds[1].revents) {
      if (fds[1].fd == listener_) {
        int c = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (c >= 0) {
          sentOnLink_ = 0;
          client_ = c;
        }
      } else {
        char buf[4096];
        ssize_t n = ::read(fds[1].fd, buf, sizeof buf);
        if (n > 0) {
          std::string out;
          {
            std::lock_guard<std::mutex> lk(mutex_);
            sim_.Receive(std::string_view(buf, size_t(n)));
            out = sim_.TakeOutput();
          }
          lineSeen_.notify_all();
          Send(out);
        } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
          if (listener_ >= 0) {
            int c = client_.exchange(-1);
            if (c >= 0) ::close(c);
          } else {
            // No program has the slave open (hang-up): look again soon.
            pollfd w{wakeFd_, POLLIN, 0};
            ::poll(&w, 1, 100);
          }
        }
      }
    }
    const bool due = period > 0 && Clock::now() >= nextTick;
    if (due || tickRequested_.exchange(false)) {
      if (due) nextTick += std::chrono::milliseconds(period);
      std::string out;
      {
        std::lock_guard<std::mutex> lk(mutex_);
        sim_.Tick();
        out = sim_.TakeOutput();
      }
      // With nobody connected the stream goes nowhere.
      if (PeerPresent()) Send(out);
    }
  }
}
