// The TCP client's worker: a non-blocking connect, a poll loop that calls OnRead and
// delivers what came with a close before the link ends, and sends bounded in time.
#include "links/TCPIPClientThread.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kWaitMs = 10000;  // one event wait
// Room for the rest of a partial send, from its start. The sender is the
// window: a peer that has not taken it all by then has its link ended, so
// the window is never held for as much as a second.
constexpr int kSendStallMs = 500;

}  // namespace

TTCPIPClientThread::TTCPIPClientThread(bool createSuspended) {
  wakeFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (!createSuspended) Start();
}

TTCPIPClientThread::~TTCPIPClientThread() {
  Disconnect();
  WaitFor();
  CloseSocket();
  if (wakeFd_ >= 0) ::close(wakeFd_);
}

int TTCPIPClientThread::SetAddress(const char* text) {
  size_t n = text ? std::strlen(text) : 0;
  if (n < 1 || n > 19) {
    address_[0] = '\0';
    return -1;
  }
  std::memcpy(address_, text, n + 1);
  return int(n);
}

void TTCPIPClientThread::SetPort(int port) { port_ = (port >= 0 && port <= 65535) ? port : -1; }

void TTCPIPClientThread::SetOnRead(Callback fn, void* context) {
  onRead_ = fn;
  onReadContext_ = context;
}

void TTCPIPClientThread::SetOnDisconnect(Callback fn, void* context) {
  onDisconnect_ = fn;
  onDisconnectContext_ = context;
}

void TTCPIPClientThread::Start() {
  std::lock_guard<std::mutex> lk(startLock_);
  if (thread_.joinable()) return;
  thread_ = std::thread([this] { Execute(); });
  workerId_ = thread_.get_id();
}

void TTCPIPClientThread::WaitFor() {
  std::thread::id self = std::this_thread::get_id();
  std::lock_guard<std::mutex> lk(startLock_);
  if (thread_.joinable() && thread_.get_id() != self) thread_.join();
}

void TTCPIPClientThread::Wake() {
  uint64_t one = 1;
  if (wakeFd_ >= 0) [[maybe_unused]]
    ssize_t n = ::write(wakeFd_, &one, sizeof one);
}

bool TTCPIPClientThread::CheckSocketError(int err) {
  std::printf("%s", SocketErrorText(err));
  std::fflush(stdout);
  return err == EWOULDBLOCK || err == EAGAIN;
}

void TTCPIPClientThread::Disconnect() {
  if (ended_.exchange(true)) return;
  // Unblocks a wait or a send on the socket; the descriptor itself is
  // closed by the worker on its way out, so nobody polls a reused number.
  {
    std::lock_guard<std::mutex> f(fdLock_);  // the worker may be closing it
    if (int fd = socket_; fd >= 0) ::shutdown(fd, SHUT_RDWR);
  }
  terminated_ = true;
  Wake();
  // Waits for an OnRead that is running on the worker (recursive: the
  // worker itself may end the link from inside OnRead).
  std::lock_guard<std::recursive_mutex> cb(callbackLock_);
  if (onDisconnect_) onDisconnect_(onDisconnectContext_);
}

void TTCPIPClientThread::CloseSocket() {
  std::lock_guard<std::mutex> r(receiveLock_);
  std::lock_guard<std::mutex> s(socketLock_);
  std::lock_guard<std::mutex> f(fdLock_);
  int fd = socket_.exchange(-1);
  if (fd >= 0) ::close(fd);
}

bool TTCPIPClientThread::ConnectSocket() {
  sockaddr_in sa{};
  sa.sin_family = AF_INET;
  sa.sin_port = htons(uint16_t(port_ < 0 ? 0 : port_));
  if (port_ < 0 || ::inet_pton(AF_INET, address_, &sa.sin_addr) != 1) {
    Disconnect();
    return false;
  }
  int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_TCP);
  if (fd < 0) {
    Disconnect();
    return false;
  }
  {
    std::lock_guard<std::mutex> s(socketLock_);
    socket_ = fd;
  }
  for (;;) {
    if (::connect(fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa) == 0) return true;
    int e = errno;
    if (e == EINPROGRESS || e == EALREADY || e == EISCONN || e == EINTR) return true;
    Disconnect();
    return false;
  }
}

// The connect settles: writable, then SO_ERROR says how.
bool TTCPIPClientThread::WaitConnected() {
  const int fd = socket_;
  while (!terminated_) {
    pollfd fds[2] = {{fd, POLLOUT, 0}, {wakeFd_, POLLIN, 0}};
    int r = ::poll(fds, 2, kWaitMs);
    if (r <= 0) continue;
    if (fds[1].revents) continue;
    int err = 0;
    socklen_t len = sizeof err;
    if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &err, &len) != 0) err = errno;
    if (err == 0 && (fds[0].revents & POLLOUT) && !(fds[0].revents & (POLLERR | POLLHUP)))
      return true;
    // Refused or timed out: the link ends here.
    Disconnect();
    return false;
  }
  return false;
}

void TTCPIPClientThread::Execute() {
  { std::lock_guard<std::mutex> lk(startLock_); }  // workerId_ is set
  if (wakeFd_ < 0) {
    Disconnect();
    return;
  }
  if (!ConnectSocket() || !WaitConnected()) {
    CloseSocket();
    return;
  }
  connected_ = true;
  const int fd = socket_;
  auto available = [fd] {
    int n = 0;
    return ::ioctl(fd, FIONREAD, &n) == 0 ? n : 0;
  };
  // Calls OnRead unless the link has ended; without one, the bytes are
  // dropped, or poll would stay ready.
  auto read = [&] {
    std::lock_guard<std::recursive_mutex> cb(callbackLock_);
    if (ended_) return;
    if (onRead_) {
      onRead_(onReadContext_);
    } else {
      char scratch[kReceiveSize];
      ReceiveData(scratch);
    }
  };
  int failures = 0;
  while (!terminated_) {
    pollfd fds[2] = {{fd, POLLIN | POLLRDHUP, 0}, {wakeFd_, POLLIN, 0}};
    int r = ::poll(fds, 2, kWaitMs);
    if (r < 0) {
      if (errno == EINTR) continue;
      // A failing wait starts the next one, after a pause.
      pollfd w{wakeFd_, POLLIN, 0};
      ::poll(&w, 1, std::min(100 * ++failures, 1000));
      continue;
    }
    failures = 0;
    if (r == 0) continue;
    if (fds[1].revents & POLLIN) {
      uint64_t v;
      [[maybe_unused]] ssize_t n = ::read(wakeFd_, &v, sizeof v);
    }
    const short rev = fds[0].revents;
    if (rev & (POLLHUP | POLLRDHUP | POLLERR | POLLNVAL)) {
      // What came with the close is delivered before the link ends.
      for (int before = available(); before > 0 && !ended_; before = available()) {
        read();
        if (available() >= before) break;
      }
      Disconnect();
      break;
    }
    if (rev & POLLIN) {
      read();
      if (peerClosed_) {
        Disconnect();
        break;
      }
    }
  }
  CloseSocket();
}

bool TTCPIPClientThread::SendData(const void* buffer, int length) {
  if (length < 1 || !buffer) return false;
  const auto* p = static_cast<const char*>(buffer);
  bool ok = true;
  {
    std::lock_guard<std::mutex> s(socketLock_);
    const int fd = socket_;
    if (fd < 0 || ended_) return false;
    // Not connected yet: nothing goes out, and the connection is still made.
    if (!connected_) {
      sockaddr_storage peer{};
      socklen_t size = sizeof peer;
      if (::getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &size) != 0) return false;
    }
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(kSendStallMs);
    int sent = 0;
    while (sent < length) {
      ssize_t n = ::send(fd, p + sent, size_t(length - sent), MSG_NOSIGNAL | MSG_DONTWAIT);
      if (n > 0) {
        sent += int(n);
        continue;
      }
      if (n < 0 && errno == EINTR) continue;
      if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
        auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd w{fd, POLLOUT, 0};
        if (left > 0 && ::poll(&w, 1, int(left)) > 0 && !(w.revents & (POLLERR | POLLHUP)))
          continue;
      }
      ok = false;
      break;
    }
  }
  if (!ok) Disconnect();
  return ok;
}

int TTCPIPClientThread::ReceiveData(void* buffer) {
  ssize_t n;
  int err = 0;
  {
    std::lock_guard<std::mutex> r(receiveLock_);
    const int fd = socket_;
    if (fd < 0) {
      n = -1;
      err = EBADF;
    } else {
      n = ::recv(fd, buffer, kReceiveSize, MSG_DONTWAIT);
      if (n < 0) err = errno;
    }
  }
  if (n == 0) peerClosed_ = true;
  if (n < 0 && !CheckSocketError(err)) Disconnect();
  return int(n);
}
