// Real system calls. termios2 is used so that every rate of the table can be
// set (14400, 56000, 128000 and 256000 have no B constant); its header clashes
// with <termios.h>, so this file alone talks to the terminal driver.
#include "links/CommSystem.h"

#include <asm/termbits.h>
#include <fcntl.h>
#include <linux/serial.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>
#include <cerrno>

namespace {

int Errno() { return errno ? errno : EIO; }

}  // namespace

int CommSystem::OpenPort(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -Errno();
  struct termios2 tio {};
  // Only terminals: anything else would read as always ready.
  if (::ioctl(fd, TCGETS2, &tio) != 0) {
    int e = Errno();
    ::close(fd);
    return -e;
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    int e = Errno();
    ::close(fd);
    return -e;
  }
  ::ioctl(fd, TIOCEXCL);  // keeps other programs out; root passes anyway
  return fd;
}

void CommSystem::ClosePort(int fd) {
  ::ioctl(fd, TIOCNXCL);
  ::close(fd);
}

int CommSystem::GetState(int fd, CommDcb& dcb) {
  struct termios2 tio {};
  if (::ioctl(fd, TCGETS2, &tio) != 0) return Errno();
  dcb.BaudRate = tio.c_ospeed;
  switch (tio.c_cflag & CSIZE) {
    case CS5:
      dcb.ByteSize = 5;
      break;
    case CS6:
      dcb.ByteSize = 6;
      break;
    case CS7:
      dcb.ByteSize = 7;
      break;
    default:
      dcb.ByteSize = 8;
      break;
  }
  if (!(tio.c_cflag & PARENB))
    dcb.Parity = 0;
  else if (tio.c_cflag & CMSPAR)
    dcb.Parity = (tio.c_cflag & PARODD) ? 3 : 4;
  else
    dcb.Parity = (tio.c_cflag & PARODD) ? 1 : 2;
  // A UART sends one and a half stop bits for CSTOPB at five data bits.
  if (tio.c_cflag & CSTOPB)
    dcb.StopBits = dcb.ByteSize == 5 ? 1 : 2;
  else
    dcb.StopBits = 0;
  dcb.fParity = (tio.c_iflag & INPCK) != 0;
  dcb.fOutxCtsFlow = (tio.c_cflag & CRTSCTS) != 0;
  dcb.XonChar = char(tio.c_cc[VSTART]);
  dcb.XoffChar = char(tio.c_cc[VSTOP]);
  return 0;
}

int CommSystem::SetState(int fd, const CommDcb& dcb) {
  struct termios2 tio {};
  if (::ioctl(fd, TCGETS2, &tio) != 0) return Errno();
  tcflag_t size;
  switch (dcb.ByteSize) {
    case 5:
      size = CS5;
      break;
    case 6:
      size = CS6;
      break;
    case 7:
      size = CS7;
      break;
    case 8:
      size = CS8;
      break;
    default:
      return EINVAL;
  }
  if (dcb.StopBits > 2 || dcb.Parity > 4 || dcb.BaudRate == 0) return EINVAL;
  if ((dcb.StopBits == 1) != (dcb.ByteSize == 5 && dcb.StopBits != 0)) return EINVAL;
  // Raw: no echo, no line editing, no translation, no software flow control.
  tio.c_iflag &=
      ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF | INPCK);
  tio.c_oflag &= ~OPOST;
  tio.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
  tio.c_cflag &=
      ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CBAUD | (CBAUD << IBSHIFT) | CRTSCTS);
  tio.c_cflag |= size | CLOCAL | CREAD | BOTHER;
  if (dcb.Parity != 0) tio.c_cflag |= PARENB;
  if (dcb.Parity == 1 || dcb.Parity == 3) tio.c_cflag |= PARODD;
  if (dcb.Parity >= 3) tio.c_cflag |= CMSPAR;
  if (dcb.StopBits != 0) tio.c_cflag |= CSTOPB;
  if (dcb.fOutxCtsFlow) tio.c_cflag |= CRTSCTS;
  if (dcb.fParity) tio.c_iflag |= INPCK;
  tio.c_ospeed = tio.c_ispeed = dcb.BaudRate;
  tio.c_cc[VSTART] = cc_t(dcb.XonChar);
  tio.c_cc[VSTOP] = cc_t(dcb.XoffChar);
  tio.c_cc[VMIN] = 1;
  tio.c_cc[VTIME] = 0;
  if (::ioctl(fd, TCSETS2, &tio) != 0) return Errno();
  return 0;
}

int CommSystem::SetupComm(int, uint32_t, uint32_t) {
  return 0;  // the kernel sizes its own queues
}

int CommSystem::SetModemLines(int fd, int setBits, int clearBits) {
  if (setBits && ::ioctl(fd, TIOCMBIS, &setBits) != 0) return Errno();
  if (clearBits && ::ioctl(fd, TIOCMBIC, &clearBits) != 0) return Errno();
  return 0;
}

int CommSystem::GetModemLines(int fd, int& bits) {
  return ::ioctl(fd, TIOCMGET, &bits) == 0 ? 0 : Errno();
}

int CommSystem::QueueCounts(int fd, uint32_t& inQueue, uint32_t& outQueue) {
  int in = 0, out = 0;
  if (::ioctl(fd, FIONREAD, &in) != 0) return Errno();
  if (::ioctl(fd, TIOCOUTQ, &out) != 0) out = 0;
  inQueue = in > 0 ? uint32_t(in) : 0;
  outQueue = out > 0 ? uint32_t(out) : 0;
  return 0;
}

int CommSystem::ErrorCounts(int fd, CommErrorCounts& counts) {
  struct serial_icounter_struct ic {};
  if (::ioctl(fd, TIOCGICOUNT, &ic) != 0) return Errno();
  counts.frame = uint32_t(ic.frame);
  counts.overrun = uint32_t(ic.overrun);
  counts.parity = uint32_t(ic.parity);
  counts.brk = uint32_t(ic.brk);
  counts.bufOverrun = uint32_t(ic.buf_overrun);
  return 0;
}

ssize_t CommSystem::Read(int fd, void* buf, size_t count) {
  ssize_t n = ::read(fd, buf, count);
  return n >= 0 ? n : -Errno();
}

ssize_t CommSystem::Write(int fd, const void* buf, size_t count) {
  ssize_t n = ::write(fd, buf, count);
  return n >= 0 ? n : -Errno();
}

CommSystem& CommSystem::Posix() {
  static CommSystem sys;
  return sys;
}
