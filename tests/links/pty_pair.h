#pragma once
// A pseudo-terminal pair: the test holds the device (master) side.
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>
#include <string>

struct PtyPair {
  int master = -1;
  std::string slavePath;

  PtyPair() {
    master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0)
      slavePath = ::ptsname(master);
  }
  ~PtyPair() { CloseMaster(); }
  void CloseMaster() {
    if (master >= 0) ::close(master);
    master = -1;
  }
  void Send(const std::string& s) const {
    for (size_t done = 0; done < s.size();) {
      ssize_t n = ::write(master, s.data() + done, s.size() - done);
      if (n <= 0) break;
      done += size_t(n);
    }
  }
  // Reads until n bytes came or a second passed without any.
  std::string Receive(size_t n) const {
    std::string out;
    while (out.size() < n) {
      pollfd p{master, POLLIN, 0};
      if (::poll(&p, 1, 1000) <= 0) break;
      char buf[256];
      ssize_t k = ::read(master, buf, sizeof buf);
      if (k <= 0) break;
      out.append(buf, size_t(k));
    }
    return out;
  }
};
