#pragma once
// The serial port component: opens a port, applies its line settings, moves
// bytes, and hands port events to the user-interface thread.
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>

#include "links/CommEventThread.h"
#include "links/CommSystem.h"
#include "links/UiDispatcher.h"

enum TBaudRate : uint8_t {
  br110,
  br300,
  br600,
  br1200,
  br2400,
  br4800,
  br9600,
  br14400,
  br19200,
  br38400,
  br56000,
  br57600,
  br115200,
  br128000,
  br256000
};
enum TParity : uint8_t { paNone, paOdd, paEven, paMark, paSpace };
enum TStopBits : uint8_t { sb10, sb15, sb20 };
enum TDataBits : uint8_t { da4, da5, da6, da7, da8 };
enum TCommOption : uint8_t {
  coParityCheck,
  coDsrSensitivity,
  coIgnoreXOff,
  coErrorChar,
  coNullStrip
};
enum TFlowControl : uint8_t { fcNone, fcCTS, fcDTR, fcSoftware, fcDefault };

// A set of enumeration members, one bit each.
template <typename E>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> members) {
    for (E m : members) bits_ |= Bit(m);
  }
  constexpr bool Contains(E m) const { return (bits_ & Bit(m)) != 0; }
  constexpr TSet& Include(E m) {
    bits_ |= Bit(m);
    return *this;
  }
  constexpr TSet& Exclude(E m) {
    bits_ &= ~Bit(m);
    return *this;
  }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr uint16_t Bits() const { return bits_; }
  constexpr bool operator==(const TSet&) const = default;

 private:
  static constexpr uint16_t Bit(E m) { return uint16_t(1u << unsigned(m)); }
  uint16_t bits_ = 0;
};
using TCommOptions = TSet<TCommOption>;
using TCommEventTypes = TSet<TCommEventType>;

extern const uint32_t BaudRateTable[15];

// Windows' ClearCommError flags, as the OnError handler receives them.
enum : int {
  CE_RXOVER = 0x0001,
  CE_OVERRUN = 0x0002,
  CE_RXPARITY = 0x0004,
  CE_FRAME = 0x0008,
  CE_BREAK = 0x0010,
  CE_IOE = 0x0400,  // the device went away (hang-up)
};

struct COMSTAT {
  uint32_t cbInQue = 0;
  uint32_t cbOutQue = 0;
};

// Raised by the component; what() ends in "(Error: <code>)".
class ECommError : public std::runtime_error {
 public:
  ECommError(const std::string& message, int code) : std::runtime_error(message), Code(code) {}
  int Code;
};

class TThreadComm;

// The five DCB characters.
class TCommEventChars {
 public:
  explicit TCommEventChars(TThreadComm* owner) : owner_(owner) {}
  void Assign(const TCommEventChars& source);

  char XOnChar() const { return chars_[0]; }
  char XOffChar() const { return chars_[1]; }
  char ErrorChar() const { return chars_[2]; }
  char EofChar() const { return chars_[3]; }
  char EvtChar() const { return chars_[4]; }
  void SetXOnChar(char c) { SetEventChar(1, c); }
  void SetXOffChar(char c) { SetEventChar(2, c); }
  void SetErrorChar(char c) { SetEventChar(3, c); }
  void SetEofChar(char c) { SetEventChar(4, c); }
  void SetEvtChar(char c) { SetEventChar(5, c); }
  // index 1..5; re-applies the owner's settings without its lock.
  void SetEventChar(int index, char value);

 private:
  TThreadComm* owner_;
  char chars_[5] = {17, 19, 0, 0, 0};
};

using TNotifyEvent = std::function<void(TThreadComm* Sender)>;
using TCommErrorEvent = std::function<void(TThreadComm* Sender, int Errors)>;
using TCommRxCharEvent = std::function<void(TThreadComm* Sender, uint32_t Count)>;
using TCommStatEvent = std::function<void(TThreadComm* Sender, uint32_t Status, COMSTAT ComStat)>;

// All calls come from the user-interface thread (the dispatcher's thread).
class TThreadComm {
 public:
  // The dispatcher and the system calls must outlive the component.
  explicit TThreadComm(UiDispatcher& dispatcher, CommSystem& sys = CommSystem::Posix());
  virtual ~TThreadComm();
  TThreadComm(const TThreadComm&) = delete;
  TThreadComm& operator=(const TThreadComm&) = delete;

  bool IsOpen() const { return open_; }
  // A port that does not open raises nothing; this says why it did not:
  // the errno of the last Open's attempt, 0 when the port opened.
  int LastOpenError() const { return lastOpenError_; }
  // The open port's device has hung up (unplugged, or its other end closed).
  bool HungUp() const;
  void Open();
  // Never waits for the user-interface thread; callable from a handler.
  // Nothing is handed over after it returns.
  void Close();
  int WriteData(const void* buffer, uint32_t count);
  int ReadData(void* buffer, uint32_t count);
  void SetDTR(bool on);
  void SetRTS(bool on);

  const std::string& DeviceName() const { return deviceName_; }
  void SetDeviceName(const std::string& name);
  int32_t ReadTimeout = 1000;   // stored only
  int32_t WriteTimeout = 1000;  // stored only
  uint16_t ReadBufSize() const { return readBufSize_; }
  void SetReadBufSize(uint16_t v);
  uint16_t WriteBufSize() const { return writeBufSize_; }
  void SetWriteBufSize(uint16_t v);
  uint32_t SuspendTime() const { return suspendTime_; }
  void SetSuspendTime(uint32_t v);
  TCommEventTypes MonitorEvents() const { return monitorEvents_; }
  void SetMonitorEvents(TCommEventTypes v);
  TBaudRate BaudRate() const { return baudRate_; }
  void SetBaudRate(TBaudRate v);
  TParity Parity() const { return parity_; }
  void SetParity(TParity v);
  TStopBits StopBits() const { return stopBits_; }
  void SetStopBits(TStopBits v);
  TDataBits DataBits() const { return dataBits_; }
  void SetDataBits(TDataBits v);
  TCommOptions Options() const { return options_; }
  void SetOptions(TCommOptions v);
  TFlowControl FlowControl() const { return flowControl_; }
  void SetFlowControl(TFlowControl v);
  TCommEventChars& EventChars() { return eventChars_; }
  // The settings as last read from and written to the port.
  const CommDcb& Dcb() const { return dcb_; }
  // The write time-out per byte that Open set (19200 / rate, whole ms).
  uint32_t WriteTotalTimeoutMultiplier() const { return writeMultiplier_; }

  TNotifyEvent OnBreak, OnCts, OnDsr, OnRing, OnRlsd, OnRxFlag, OnTxEmpty;
  TCommErrorEvent OnError;
  TCommRxCharEvent OnRxChar;
  TCommStatEvent OnComStatEvent;

  // Runs on the user-interface thread for each handed-over event mask.
  void DispatchCommEvent(TCommEventThread* Sender, uint32_t EventMask);
  // Windows' ClearCommError: the new line errors and the queue counts.
  int ClearCommError(COMSTAT& stat);

 protected:
  virtual void CreateHandle();
  void ApplySettings();  // raises on failure; does nothing while closed
  void ReapplySettings();
  bool ApplyTimeouts();
  void ClosePortHandle();
  void EscapeFunction(int code);
  [[noreturn]] static void RaiseCommError(const char* message, int code);

 private:
  friend class TCommEventChars;
  UiDispatcher& dispatcher_;
  CommSystem& sys_;
  int handle_ = -1;
  CommDcb dcb_;
  std::string deviceName_ = "Com2";
  std::mutex lock_;
  uint16_t readBufSize_ = 4096;
  uint16_t writeBufSize_ = 2048;
  uint32_t suspendTime_ = 5;
  TCommEventTypes monitorEvents_;
  TBaudRate baudRate_ = br9600;
  TParity parity_ = paNone;
  TStopBits stopBits_ = sb10;
  TDataBits dataBits_ = da8;
  bool open_ = false;
  int lastOpenError_ = 0;
  bool modemLines_ = true;  // false on a pseudo-terminal
  uint32_t writeMultiplier_ = 0;
  CommErrorCounts lastErrors_;
  std::unique_ptr<TCommEventThread> eventThread_;
  uint64_t epoch_ = 0;  // counts Closes, so a dispatch notices one from a handler
  TCommEventChars eventChars_{this};
  TCommOptions options_;
  TFlowControl flowControl_ = fcDefault;
};

// The published component; adds nothing of its own.
class TComm : public TThreadComm {
 public:
  using TThreadComm::TThreadComm;
  ~TComm() override = default;
};
