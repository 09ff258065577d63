// The serial port component on a POSIX terminal: line settings checked back after they
// are set, reads and writes that wait in poll for a bounded time, and port events
// dispatched so that a handler may close the port.
#include "links/Comm.h"

#include <poll.h>
#include <cerrno>
#include <chrono>
#include <cstdio>

const uint32_t BaudRateTable[15] = {110,   300,   600,   1200,  2400,   4800,   9600,  14400,
                                    19200, 38400, 56000, 57600, 115200, 128000, 256000};

namespace {

constexpr int SETRTS = 3, CLRRTS = 4, SETDTR = 5, CLRDTR = 6;

// Writes at rates above 19200 have no total time-out; a port that takes no
// bytes for this long is given up on rather than hanging the caller.
constexpr int kWriteStallMs = 2000;

int WaitFd(int fd, short events, int timeoutMs) {
  pollfd p{fd, events, 0};
  int r;
  do r = ::poll(&p, 1, timeoutMs);
  while (r < 0 && errno == EINTR);
  return r > 0 ? p.revents : 0;
}

}  // namespace

void TCommEventChars::Assign(const TCommEventChars& source) {
  for (int i = 0; i < 5; ++i) chars_[i] = source.chars_[i];
}

void TCommEventChars::SetEventChar(int index, char value) {
  if (index < 1 || index > 5) return;
  chars_[index - 1] = value;
  if (owner_) owner_->ApplySettings();
}

TThreadComm::TThreadComm(UiDispatcher& dispatcher, CommSystem& sys)
    : dispatcher_(dispatcher), sys_(sys) {
  for (int e = evBreak; e <= evTxEmpty; ++e) monitorEvents_.Include(TCommEventType(e));
}

TThreadComm::~TThreadComm() { Close(); }

void TThreadComm::RaiseCommError(const char* message, int code) {
  char text[160];
  std::snprintf(text, sizeof text, message, code);
  throw ECommError(text, code);
}

void TThreadComm::CreateHandle() {
  int fd = sys_.OpenPort(deviceName_);
  if (fd >= 0) {
    handle_ = fd;
    open_ = true;
    lastOpenError_ = 0;
  } else {
    open_ = false;
    lastOpenError_ = -fd;
  }
}

void TThreadComm::ClosePortHandle() {
  if (handle_ >= 0) sys_.ClosePort(handle_);
  handle_ = -1;
  open_ = false;
}

bool TThreadComm::ApplyTimeouts() {
  // The descriptor is non-blocking; reads and writes wait in poll.
  writeMultiplier_ = 19200 / BaudRateTable[baudRate_];
  return true;
}

void TThreadComm::ApplySettings() {
  if (!open_) return;
  sys_.SetupComm(handle_, readBufSize_, writeBufSize_);
  sys_.GetState(handle_, dcb_);
  dcb_.BaudRate = BaudRateTable[baudRate_];
  dcb_.Parity = uint8_t(parity_);
  dcb_.StopBits = uint8_t(stopBits_);
  dcb_.ByteSize = uint8_t(4 + dataBits_);
  dcb_.XonChar = eventChars_.XOnChar();
  dcb_.XoffChar = eventChars_.XOffChar();
  dcb_.ErrorChar = eventChars_.ErrorChar();
  dcb_.EofChar = eventChars_.EofChar();
  dcb_.EvtChar = eventChars_.EvtChar();
  dcb_.XonLim = 1024;
  dcb_.XoffLim = 1024;
  dcb_.fParity = options_.Contains(coParityCheck);
  dcb_.fDsrSensitivity = options_.Contains(coDsrSensitivity);
  dcb_.fTXContinueOnXoff = options_.Contains(coIgnoreXOff);
  dcb_.fErrorChar = options_.Contains(coErrorChar);
  dcb_.fNull = options_.Contains(coNullStrip);
  if (int e = sys_.SetState(handle_, dcb_))
    RaiseCommError("Error updating DataControlBlock (Error: %d)", e);
  // A driver may take settings it cannot do and quietly keep others.
  CommDcb back = dcb_;
  if (sys_.GetState(handle_, back) == 0 &&
      (back.BaudRate != dcb_.BaudRate || back.ByteSize != dcb_.ByteSize ||
       back.Parity != dcb_.Parity || back.StopBits != dcb_.StopBits))
    RaiseCommError("Error updating DataControlBlock (Error: %d)", -1);
}

void TThreadComm::ReapplySettings() {
  std::lock_guard<std::mutex> lk(lock_);
  ApplySettings();
}

void TThreadComm::Open() {
  std::unique_lock<std::mutex> lk(lock_);
  if (open_) {
    lk.unlock();
    RaiseCommError("Port already assigned (open) (Error: %d)", -1);
  }
  CreateHandle();
  if (!open_) return;
  if (!ApplyTimeouts()) {
    ClosePortHandle();
    return;
  }
  ApplySettings();  // raises with the port left open, without a thread
  int setupError = sys_.SetupComm(handle_, readBufSize_, writeBufSize_);

  int lines = 0;
  int e = sys_.GetModemLines(handle_, lines);
  modemLines_ = !(e == ENOTTY || e == EINVAL);
  lastErrors_ = {};
  sys_.ErrorCounts(handle_, lastErrors_);

  uint32_t mask = 0;
  for (int ev = evBreak; ev <= evTxEmpty; ++ev)
    if (monitorEvents_.Contains(TCommEventType(ev))) mask |= EventMaskTable[ev];
  eventThread_ = std::make_unique<TCommEventThread>(handle_, suspendTime_, mask, dispatcher_, sys_,
                                                    modemLines_);
  eventThread_->SetHandler(
      [this](TCommEventThread* sender, uint32_t m) { DispatchCommEvent(sender, m); });
  eventThread_->Resume();
  lk.unlock();
  if (setupError) RaiseCommError("Error initializing Read/Write Buffers (Error: %d)", setupError);
}

void TThreadComm::Close() {
  std::lock_guard<std::mutex> lk(lock_);
  if (!open_) return;
  ++epoch_;
  // Stop drops a queued hand-over and joins; it never waits for the
  // user-interface thread, so this is safe from inside a handler.
  std::unique_ptr<TCommEventThread> thread = std::move(eventThread_);
  if (thread) thread->Stop();
  thread.reset();
  ClosePortHandle();
}

int TThreadComm::ClearCommError(COMSTAT& stat) {
  stat = {};
  if (!open_) return 0;
  sys_.QueueCounts(handle_, stat.cbInQue, stat.cbOutQue);
  int errors = 0;
  CommErrorCounts c;
  if (sys_.ErrorCounts(handle_, c) == 0) {
    if (c.overrun != lastErrors_.overrun) errors |= CE_OVERRUN;
    if (c.bufOverrun != lastErrors_.bufOverrun) errors |= CE_RXOVER;
    if (c.parity != lastErrors_.parity) errors |= CE_RXPARITY;
    if (c.frame != lastErrors_.frame) errors |= CE_FRAME;
    if (c.brk != lastErrors_.brk) errors |= CE_BREAK;
    lastErrors_ = c;
  }
  if (WaitFd(handle_, 0, 0) & (POLLHUP | POLLERR | POLLNVAL)) errors |= CE_IOE;
  return errors;
}

bool TThreadComm::HungUp() const {
  return open_ && (WaitFd(handle_, 0, 0) & (POLLHUP | POLLERR | POLLNVAL));
}

int TThreadComm::WriteData(const void* buffer, uint32_t count) {
  std::lock_guard<std::mutex> lk(lock_);
  if (!open_) return -1;
  const auto* p = static_cast<const unsigned char*>(buffer);
  using Clock = std::chrono::steady_clock;
  const bool total = writeMultiplier_ > 0;
  const auto deadline =
      Clock::now() +
      std::chrono::milliseconds(total ? int64_t(writeMultiplier_) * count : kWriteStallMs);
  auto stallDeadline = deadline;
  uint32_t done = 0;
  while (done < count) {
    ssize_t n = sys_.Write(handle_, p + done, count - done);
    if (n > 0) {
      done += uint32_t(n);
      if (!total) stallDeadline = Clock::now() + std::chrono::milliseconds(kWriteStallMs);
      continue;
    }
    if (n == -EINTR) continue;
    if (n != -EAGAIN) {
      COMSTAT st;
      ClearCommError(st);
      break;
    }
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                    (total ? deadline : stallDeadline) - Clock::now())
                    .count();
    if (left <= 0) break;
    if (WaitFd(handle_, POLLOUT, int(left)) & (POLLHUP | POLLERR | POLLNVAL)) break;
  }
  if (done > 0 && eventThread_) eventThread_->NoteWrite();
  return int(done);
}

int TThreadComm::ReadData(void* buffer, uint32_t count) {
  std::lock_guard<std::mutex> lk(lock_);
  if (!open_) return -1;
  COMSTAT st;
  ClearCommError(st);
  if (count == 0) {
    ClearCommError(st);
    return 0;
  }
  ssize_t n = sys_.Read(handle_, buffer, count);
  if (n == -EAGAIN) {
    // As the port's read time-out: up to a second for the first byte.
    if (WaitFd(handle_, POLLIN, 1000) & POLLIN) n = sys_.Read(handle_, buffer, count);
  }
  if (n < 0) {
    ClearCommError(st);
    return 0;
  }
  if (n > 0 && eventThread_) eventThread_->NoteRead();
  return int(n);
}

void TThreadComm::EscapeFunction(int code) {
  if (!open_) RaiseCommError("Port not open (Error: %d)", -1);
  int e;
  {
    std::lock_guard<std::mutex> lk(lock_);
    switch (code) {
      case SETDTR:
        e = sys_.SetModemLines(handle_, kModemDtr, 0);
        break;
      case CLRDTR:
        e = sys_.SetModemLines(handle_, 0, kModemDtr);
        break;
      case SETRTS:
        e = sys_.SetModemLines(handle_, kModemRts, 0);
        break;
      case CLRRTS:
        e = sys_.SetModemLines(handle_, 0, kModemRts);
        break;
      default:
        e = EINVAL;
        break;
    }
    // A pseudo-terminal has no modem lines: nothing to raise or lower.
    if (e == ENOTTY || (e == EINVAL && code >= SETRTS && code <= CLRDTR)) e = 0;
  }
  if (e) RaiseCommError("EscapeCommFunction failure (Error: %d)", e);
}

void TThreadComm::SetDTR(bool on) { EscapeFunction(on ? SETDTR : CLRDTR); }
void TThreadComm::SetRTS(bool on) { EscapeFunction(on ? SETRTS : CLRRTS); }

void TThreadComm::DispatchCommEvent(TCommEventThread*, uint32_t EventMask) {
  if (!open_) return;
  COMSTAT stat;
  const int errors = ClearCommError(stat);
  const uint64_t epoch = epoch_;
  // A handler may close (or close and reopen) the port: stop then.
  auto live = [&] { return open_ && epoch_ == epoch; };
  auto notify = [&](uint32_t bit, const TNotifyEvent& h) {
    if ((EventMask & bit) && h && live()) h(this);
  };
  notify(EV_BREAK, OnBreak);
  notify(EV_CTS, OnCts);
  notify(EV_DSR, OnDsr);
  if ((EventMask & EV_ERR) && OnError && live()) OnError(this, errors);
  notify(EV_RING, OnRing);
  notify(EV_RLSD, OnRlsd);
  if ((EventMask & EV_RXCHAR) && OnRxChar && stat.cbInQue > 0 && live())
    OnRxChar(this, stat.cbInQue);
  notify(EV_RXFLAG, OnRxFlag);
  notify(EV_TXEMPTY, OnTxEmpty);
  if (OnComStatEvent && live()) OnComStatEvent(this, EventMask, stat);
}

void TThreadComm::SetDeviceName(const std::string& name) {
  if (!open_ && name != deviceName_) deviceName_ = name;
}
void TThreadComm::SetReadBufSize(uint16_t v) {
  if (!open_) readBufSize_ = v;
}
void TThreadComm::SetWriteBufSize(uint16_t v) {
  if (!open_) writeBufSize_ = v;
}
void TThreadComm::SetSuspendTime(uint32_t v) {
  if (!open_) suspendTime_ = v;
}
void TThreadComm::SetMonitorEvents(TCommEventTypes v) {
  if (!open_) monitorEvents_ = v;
}

#define KVOR_REAPPLY_SETTER(Name, Type, member) \
  void TThreadComm::Set##Name(Type v) {         \
    if (v == member) return;                    \
    member = v;                                 \
    ReapplySettings();                          \
  }
KVOR_REAPPLY_SETTER(BaudRate, TBaudRate, baudRate_)
KVOR_REAPPLY_SETTER(Parity, TParity, parity_)
KVOR_REAPPLY_SETTER(StopBits, TStopBits, stopBits_)
KVOR_REAPPLY_SETTER(DataBits, TDataBits, dataBits_)
KVOR_REAPPLY_SETTER(FlowControl, TFlowControl, flowControl_)
KVOR_REAPPLY_SETTER(Options, TCommOptions, options_)
#undef KVOR_REAPPLY_SETTER
