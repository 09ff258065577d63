#pragma once
// What waits at a pseudo-terminal's port for its reader.
#include <poll.h>
#include <sys/ioctl.h>

// Bytes in the port's input queue, which every descriptor of the slave
// shares; -1 when the count cannot be had. The poll first lets the pty hand
// over what it still carries on the way there, so 0 means none is left.
inline int PtyQueued(int slaveFd) {
  pollfd p{slaveFd, POLLIN, 0};
  ::poll(&p, 1, 0);
  int n = 0;
  return ::ioctl(slaveFd, FIONREAD, &n) == 0 ? n : -1;
}
