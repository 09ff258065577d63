#pragma once
// The one worker thread of an open serial port: waits for port events and
// hands each event mask to the user-interface thread, waiting until it ran.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "links/CommSystem.h"
#include "links/UiDispatcher.h"

enum TCommEventType : uint8_t {
  evBreak,
  evCts,
  evDsr,
  evError,
  evRing,
  evRlsd,
  evRxChar,
  evRxFlag,
  evTxEmpty
};

enum : uint32_t {
  EV_RXCHAR = 1,
  EV_RXFLAG = 2,
  EV_TXEMPTY = 4,
  EV_CTS = 8,
  EV_DSR = 16,
  EV_RLSD = 32,
  EV_BREAK = 64,
  EV_ERR = 128,
  EV_RING = 256,
};
extern const uint32_t EventMaskTable[9];

class TCommEventThread {
 public:
  using Handler = std::function<void(TCommEventThread* Sender, uint32_t EventMask)>;

  // Created suspended; Resume starts it. eventMask is the OR of the
  // monitored events' EventMaskTable values.
  TCommEventThread(int portHandle, uint32_t suspendTime, uint32_t eventMask,
                   UiDispatcher& dispatcher, CommSystem& sys, bool modemLines);
  ~TCommEventThread();  // stops and joins
  TCommEventThread(const TCommEventThread&) = delete;
  TCommEventThread& operator=(const TCommEventThread&) = delete;

  void SetHandler(Handler h);
  void Resume();
  // Sets the stop flag, drops the handler and any queued hand-over, wakes
  // the thread and joins it. Safe from inside a handler.
  void Stop();
  // A write happened: watch for the output queue to empty.
  void NoteWrite();
  // The input queue was read: bytes waiting are being taken care of.
  void NoteRead();
  uint32_t EventMask() const { return eventMask_; }
  uint32_t SuspendTime() const { return suspendTime_; }

 private:
  struct HandOver;
  void Execute();
  bool Synchronize(uint32_t mask);  // false when stopped meanwhile
  void DoEvent(uint32_t mask);
  void Wake();
  bool Stopped();

  const int portHandle_;
  const uint32_t suspendTime_;
  const uint32_t eventMask_;
  UiDispatcher& dispatcher_;
  CommSystem& sys_;
  const bool modemLines_;
  int wakeFd_ = -1;
  int initialLines_ = 0;
  CommErrorCounts initialErrors_;
  bool haveCounts_ = false;
  std::mutex mutex_;  // guards handler_, stop_, pending_
  Handler handler_;
  bool stop_ = false;
  std::shared_ptr<HandOver> pending_;
  std::atomic<bool> txPending_{false};
  std::atomic<uint64_t> reads_{0};
  std::thread thread_;
};
