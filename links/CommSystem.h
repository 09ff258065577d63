#pragma once
// The system calls under the serial component, behind a seam so that what a
// pseudo-terminal cannot show (modem lines, parity, line errors) can be tested.
#include <sys/types.h>
#include <cstddef>
#include <cstdint>
#include <string>

// The line settings of a port: the members the component writes, and the
// ones it keeps as the port reports them.
struct CommDcb {
  uint32_t BaudRate = 9600;
  uint8_t ByteSize = 8;
  uint8_t Parity = 0;    // 0 none, 1 odd, 2 even, 3 mark, 4 space
  uint8_t StopBits = 0;  // 0 one, 1 one and a half, 2 two
  bool fParity = false;
  bool fDsrSensitivity = false;
  bool fTXContinueOnXoff = false;
  bool fErrorChar = false;
  bool fNull = false;
  bool fOutxCtsFlow = false;  // kept as the port reports it
  char XonChar = 17;
  char XoffChar = 19;
  char ErrorChar = 0;
  char EofChar = 0;
  char EvtChar = 0;
  uint16_t XonLim = 0;
  uint16_t XoffLim = 0;
  bool operator==(const CommDcb&) const = default;
};

// Line error counters since the port opened (framing, overrun, parity, break).
struct CommErrorCounts {
  uint32_t frame = 0, overrun = 0, parity = 0, brk = 0, bufOverrun = 0;
};

// Modem line bits as TIOCMGET gives them.
enum : int {
  kModemDtr = 0x002,
  kModemRts = 0x004,
  kModemCts = 0x020,
  kModemCd = 0x040,
  kModemRing = 0x080,
  kModemDsr = 0x100,
};

class CommSystem {
 public:
  virtual ~CommSystem() = default;
  // Opens the port exclusively, non-blocking. Returns the descriptor or -errno.
  virtual int OpenPort(const std::string& path);
  virtual void ClosePort(int fd);
  // Returns 0 or an errno.
  virtual int GetState(int fd, CommDcb& dcb);
  virtual int SetState(int fd, const CommDcb& dcb);
  virtual int SetupComm(int fd, uint32_t inQueue, uint32_t outQueue);
  virtual int SetModemLines(int fd, int setBits, int clearBits);
  virtual int GetModemLines(int fd, int& bits);
  virtual int QueueCounts(int fd, uint32_t& inQueue, uint32_t& outQueue);
  virtual int ErrorCounts(int fd, CommErrorCounts& counts);
  // Byte count, or -errno.
  virtual ssize_t Read(int fd, void* buf, size_t count);
  virtual ssize_t Write(int fd, const void* buf, size_t count);

  // The process-wide real one.
  static CommSystem& Posix();
};
