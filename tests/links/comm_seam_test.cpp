// What a pseudo-terminal cannot show: line settings it ignores, modem lines,
// line errors and failing driver calls, through a seam over the system calls.
#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <mutex>

#include "links/Comm.h"
#include "tests/links/pty_pair.h"

namespace {

struct FakeSystem : CommSystem {
  std::mutex m;
  CommDcb state;
  int openError = 0, setStateError = 0, setupError = 0, modemError = 0;
  int setBits = 0, clearBits = 0;
  std::atomic<int> lines{0};
  std::atomic<uint32_t> frameErrors{0}, breaks{0};

  int OpenPort(const std::string& path) override {
    return openError ? -openError : CommSystem::OpenPort(path);
  }
  int GetState(int, CommDcb& dcb) override {
    std::lock_guard<std::mutex> lk(m);
    dcb = state;
    return 0;
  }
  int SetState(int fd, const CommDcb& dcb) override {
    std::lock_guard<std::mutex> lk(m);
    if (setStateError) return setStateError;
    state = dcb;
    return CommSystem::SetState(fd, CommDcb{});  // the terminal itself raw, 8N1
  }
  int SetupComm(int, uint32_t, uint32_t) override { return setupError; }
  int SetModemLines(int, int set, int clear) override {
    if (modemError) return modemError;
    setBits |= set;
    clearBits |= clear;
    return 0;
  }
  int GetModemLines(int, int& bits) override {
    bits = lines;
    return 0;
  }
  int ErrorCounts(int, CommErrorCounts& c) override {
    c = {};
    c.frame = frameErrors;
    c.brk = breaks;
    return 0;
  }
};

std::string Message(const std::function<void()>& f) {
  try {
    f();
  } catch (const ECommError& e) {
    return e.what();
  }
  return "";
}

struct SeamFixture : ::testing::Test {
  PtyPair pty;
  FakeSystem sys;
  ManualDispatcher ui;
  TComm comm{ui, sys};
  void SetUp() override { comm.SetDeviceName(pty.slavePath); }
};

TEST_F(SeamFixture, SettingsMapOntoTheLineAndKeepWhatThePortReports) {
  sys.state.fOutxCtsFlow = true;  // flow control stays as the port has it
  comm.SetBaudRate(br256000);
  comm.SetParity(paMark);
  comm.SetStopBits(sb20);
  comm.SetDataBits(da7);
  comm.SetOptions({coParityCheck, coNullStrip});
  comm.EventChars().SetXOnChar(1);
  comm.Open();
  ASSERT_TRUE(comm.IsOpen());
  EXPECT_EQ(sys.state.BaudRate, 256000u);
  EXPECT_EQ(sys.state.Parity, 3);
  EXPECT_EQ(sys.state.StopBits, 2);
  EXPECT_EQ(sys.state.ByteSize, 7);
  EXPECT_TRUE(sys.state.fParity);
  EXPECT_TRUE(sys.state.fNull);
  EXPECT_FALSE(sys.state.fErrorChar);
  EXPECT_EQ(sys.state.XonChar, 1);
  EXPECT_EQ(sys.state.XoffChar, 19);
  EXPECT_EQ(sys.state.XonLim, 1024);
  EXPECT_EQ(sys.state.XoffLim, 1024);
  EXPECT_TRUE(sys.state.fOutxCtsFlow);

  // Changed on an open port: applied at once.
  comm.SetParity(paOdd);
  EXPECT_EQ(sys.state.Parity, 1);
  comm.SetOptions({});
  EXPECT_FALSE(sys.state.fParity);
  comm.EventChars().SetEvtChar('\n');
  EXPECT_EQ(sys.state.EvtChar, '\n');

  TCommEventChars copy(nullptr);
  copy.Assign(comm.EventChars());
  EXPECT_EQ(copy.EvtChar(), '\n');
  EXPECT_EQ(copy.XOnChar(), 1);
}

// A user outside the port's group: tests run as root, whom no mode refuses.
TEST_F(SeamFixture, RefusedOpenRaisesNothingAndKeepsTheReason) {
  sys.openError = EACCES;
  EXPECT_EQ(Message([&] { comm.Open(); }), "");
  EXPECT_FALSE(comm.IsOpen());
  EXPECT_EQ(comm.LastOpenError(), EACCES);
  EXPECT_EQ(comm.WriteData("x", 1), -1);

  // A later open that works leaves no stale reason behind.
  sys.openError = 0;
  comm.Open();
  ASSERT_TRUE(comm.IsOpen());
  EXPECT_EQ(comm.LastOpenError(), 0);
}

TEST_F(SeamFixture, ModemLinesAreRaisedAndLowered) {
  comm.Open();
  comm.SetRTS(true);
  comm.SetDTR(true);
  EXPECT_EQ(sys.setBits, kModemRts | kModemDtr);
  comm.SetDTR(false);
  comm.SetRTS(false);
  EXPECT_EQ(sys.clearBits, kModemRts | kModemDtr);

  sys.modemError = EIO;
  EXPECT_EQ(Message([&] { comm.SetDTR(true); }), "EscapeCommFunction failure (Error: 5)");
  sys.modemError = ENOTTY;  // no modem lines at all: not a failure
  EXPECT_EQ(Message([&] { comm.SetDTR(true); }), "");
}

TEST_F(SeamFixture, FailedLineSettingsLeaveThePortOpenWithoutEvents) {
  sys.setStateError = EIO;
  EXPECT_EQ(Message([&] { comm.Open(); }), "Error updating DataControlBlock (Error: 5)");
  EXPECT_TRUE(comm.IsOpen());
  int rx = 0;
  comm.OnRxChar = [&](TThreadComm*, uint32_t) { ++rx; };
  // A whole line: the terminal was never made raw, and its line editing
  // would hold back a lone byte where no thread could see it.
  pty.Send("x\n");
  // The line is there to be noticed before its silence counts.
  ASSERT_TRUE(ui.PumpUntil([&] {
    COMSTAT stat;
    comm.ClearCommError(stat);
    return stat.cbInQue == 2;
  }));
  ui.PumpUntil([] { return false; }, 100);
  EXPECT_EQ(rx, 0);
  comm.Close();
  EXPECT_FALSE(comm.IsOpen());
}

TEST_F(SeamFixture, FailedBufferSetUpRaisesAfterTheThreadRuns) {
  sys.setupError = EINVAL;
  EXPECT_EQ(Message([&] { comm.Open(); }), "Error initializing Read/Write Buffers (Error: 22)");
  ASSERT_TRUE(comm.IsOpen());
  int rx = 0;
  comm.OnRxChar = [&](TThreadComm*, uint32_t) { ++rx; };
  pty.Send("x");
  EXPECT_TRUE(ui.PumpUntil([&] { return rx > 0; }));
}

TEST_F(SeamFixture, LineChangesAndErrorsBecomeEvents) {
  int cts = 0, dsr = 0, ring = 0, rlsd = 0, brk = 0, err = 0, errors = 0;
  comm.OnCts = [&](TThreadComm*) { ++cts; };
  comm.OnDsr = [&](TThreadComm*) { ++dsr; };
  comm.OnRing = [&](TThreadComm*) { ++ring; };
  comm.OnRlsd = [&](TThreadComm*) { ++rlsd; };
  comm.OnBreak = [&](TThreadComm*) { ++brk; };
  comm.OnError = [&](TThreadComm*, int e) {
    ++err;
    errors |= e;
  };
  comm.Open();
  sys.lines = kModemCts | kModemDsr;
  ASSERT_TRUE(ui.PumpUntil([&] { return cts == 1 && dsr == 1; }));
  sys.lines = kModemCts | kModemDsr | kModemCd | kModemRing;
  ASSERT_TRUE(ui.PumpUntil([&] { return rlsd == 1 && ring == 1; }));
  sys.lines = kModemCts | kModemDsr | kModemCd;  // ring ending is no event
  sys.frameErrors = 1;
  ASSERT_TRUE(ui.PumpUntil([&] { return err == 1; }));
  EXPECT_EQ(errors & CE_FRAME, CE_FRAME);
  sys.breaks = 1;
  ASSERT_TRUE(ui.PumpUntil([&] { return brk == 1; }));
  EXPECT_EQ(ring, 1);
  EXPECT_EQ(cts, 1);
}

TEST_F(SeamFixture, TxEmptyFollowsAWrite) {
  int txEmpty = 0;
  comm.OnTxEmpty = [&](TThreadComm*) { ++txEmpty; };
  comm.Open();
  EXPECT_EQ(comm.WriteData("ping", 4), 4);
  EXPECT_TRUE(ui.PumpUntil([&] { return txEmpty == 1; }));
  EXPECT_EQ(pty.Receive(4), "ping");
}

}  // namespace
