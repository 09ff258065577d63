#pragma once
// A one-connection TCP server on 127.0.0.1 and an ephemeral port.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <string>

// A TCP socket bound to 127.0.0.1 and an ephemeral port, which *port gets.
inline int BindLoopback(int* port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in sa{};
  sa.sin_family = AF_INET;
  sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t len = sizeof sa;
  ::bind(fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa);
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&sa), &len);
  *port = ntohs(sa.sin_port);
  return fd;
}

struct LoopbackServer {
  int listener = -1;
  int peer = -1;
  int port = 0;

  LoopbackServer() {
    listener = BindLoopback(&port);
    ::listen(listener, 1);
  }
  ~LoopbackServer() {
    ClosePeer();
    if (listener >= 0) ::close(listener);
  }
  bool Accept(int timeoutMs = 5000) {
    pollfd p{listener, POLLIN, 0};
    if (::poll(&p, 1, timeoutMs) <= 0) return false;
    peer = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
    return peer >= 0;
  }
  void Send(const std::string& s) const {
    [[maybe_unused]] ssize_t n = ::send(peer, s.data(), s.size(), MSG_NOSIGNAL);
  }
  std::string Receive(size_t n, int timeoutMs = 5000) const {
    std::string out;
    while (out.size() < n) {
      pollfd p{peer, POLLIN, 0};
      if (::poll(&p, 1, timeoutMs) <= 0) break;
      char buf[65536];
      ssize_t k = ::recv(peer, buf, sizeof buf, 0);
      if (k <= 0) break;
      out.append(buf, size_t(k));
    }
    return out;
  }
  // True once the peer's orderly end arrives with nothing before it.
  bool SeesEnd(int timeoutMs = 10000) const {
    pollfd p{peer, POLLIN, 0};
    if (::poll(&p, 1, timeoutMs) <= 0) return false;
    char c;
    return ::recv(peer, &c, 1, MSG_DONTWAIT) == 0;
  }
  void ClosePeer() {
    if (peer >= 0) ::close(peer);
    peer = -1;
  }
  // Closes with a reset instead of an orderly end.
  void ResetPeer() {
    linger l{1, 0};
    ::setsockopt(peer, SOL_SOCKET, SO_LINGER, &l, sizeof l);
    ClosePeer();
  }
};

// A port nothing listens on. Held bound (without SO_REUSEADDR) for its
// lifetime: a port merely freed could be taken by a parallel test's server.
struct ClosedPort {
  int port = 0;
  int fd = BindLoopback(&port);
  ClosedPort() = default;
  ~ClosedPort() {
    if (fd >= 0) ::close(fd);
  }
  ClosedPort(const ClosedPort&) = delete;
  ClosedPort& operator=(const ClosedPort&) = delete;
};
