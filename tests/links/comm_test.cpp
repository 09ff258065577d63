#include <gtest/gtest.h>

#include <sys/resource.h>
#include <atomic>
#include <cerrno>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "links/Comm.h"
#include "tests/links/pty_pair.h"

namespace {

std::string Message(const std::function<void()>& f) {
  try {
    f();
  } catch (const ECommError& e) {
    return e.what();
  }
  return "";
}

double CpuSeconds() {
  rusage ru{};
  getrusage(RUSAGE_SELF, &ru);
  return double(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) +
         (ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6;
}

struct CommFixture : ::testing::Test {
  PtyPair pty;
  ManualDispatcher ui;
  TComm comm{ui};
  std::string received;
  int rxEvents = 0;

  void SetUp() override {
    ASSERT_FALSE(pty.slavePath.empty());
    comm.SetBaudRate(br115200);
    comm.SetDeviceName(pty.slavePath);
    comm.OnRxChar = [this](TThreadComm* c, uint32_t count) {
      ++rxEvents;
      std::string buf(count, '\0');
      int n = c->ReadData(buf.data(), count);
      if (n > 0) received.append(buf, 0, size_t(n));
    };
  }
};

TEST_F(CommFixture, OpensClosesAndReopensAndRefusesASecondOpen) {
  comm.Open();
  ASSERT_TRUE(comm.IsOpen());
  EXPECT_EQ(Message([&] { comm.Open(); }), "Port already assigned (open) (Error: -1)");
  EXPECT_TRUE(comm.IsOpen());

  // Another component cannot take the port while it is held.
  TComm other(ui);
  other.SetDeviceName(pty.slavePath);
  EXPECT_EQ(Message([&] { other.Open(); }), "");
  EXPECT_FALSE(other.IsOpen());

  // Settings that only count at open are ignored while open.
  comm.SetDeviceName("/dev/null");
  EXPECT_EQ(comm.DeviceName(), pty.slavePath);

  comm.Close();
  EXPECT_FALSE(comm.IsOpen());
  comm.Close();  // closed: nothing
  comm.Open();
  ASSERT_TRUE(comm.IsOpen());
  pty.Send("again");
  ASSERT_TRUE(ui.PumpUntil([&] { return received == "again"; }));
}

TEST(Comm, PortsThatCannotBeOpenedStayClosedQuietly) {
  ManualDispatcher ui;
  TComm comm(ui);
  comm.SetDeviceName("/dev/kvor-no-such-port");
  EXPECT_EQ(Message([&] { comm.Open(); }), "");
  EXPECT_FALSE(comm.IsOpen());
  EXPECT_EQ(comm.LastOpenError(), ENOENT);

  // A plain file is no port (it would always read as ready).
  std::string path = std::string(KVOR_BINARY_DIR) + "/not-a-port.txt";
  std::ofstream(path) << "x";
  comm.SetDeviceName(path);
  comm.Open();
  EXPECT_FALSE(comm.IsOpen());
  EXPECT_EQ(comm.LastOpenError(), ENOTTY);
}

TEST(Comm, ClosedPortRefusesEveryCall) {
  ManualDispatcher ui;
  TComm comm(ui);
  char buf[4] = {};
  EXPECT_EQ(comm.WriteData("x", 1), -1);
  EXPECT_EQ(comm.ReadData(buf, 4), -1);
  EXPECT_EQ(Message([&] { comm.SetDTR(true); }), "Port not open (Error: -1)");
  EXPECT_EQ(Message([&] { comm.SetRTS(false); }), "Port not open (Error: -1)");
}

TEST_F(CommFixture, BytesGoBothWays) {
  comm.Open();
  ASSERT_TRUE(comm.IsOpen());
  comm.SetRTS(true);  // a pseudo-terminal has no modem lines: no error
  comm.SetDTR(true);
  EXPECT_EQ(comm.WriteData("$PKVR,Q\r\n", 9), 9);
  EXPECT_EQ(pty.Receive(9), "$PKVR,Q\r\n");

  std::string burst;
  for (int i = 0; i < 200; ++i) burst += "!AIVDM,1,1,,A,13aEOK?P00PD2wVMdLDRhgvL289?,0*26\r\n";
  // More than the terminal buffers: written from another thread while
  // this one pumps.
  std::thread writer([&] { pty.Send(burst); });
  bool all = ui.PumpUntil([&] { return received.size() >= burst.size(); });
  writer.join();
  ASSERT_TRUE(all) << received.size() << " of " << burst.size();
  EXPECT_EQ(received, burst);  // raw: no CR/LF translation, no echo
  EXPECT_GE(rxEvents, 1);
}

TEST_F(CommFixture, RxCharReportsBytesWaitingAtDispatch) {
  std::vector<uint32_t> counts;
  int statEvents = 0;
  comm.OnRxChar = [&](TThreadComm*, uint32_t count) { counts.push_back(count); };
  comm.OnComStatEvent = [&](TThreadComm*, uint32_t, COMSTAT) { ++statEvents; };
  comm.Open();
  pty.Send("abc");
  ASSERT_TRUE(ui.PumpUntil([&] { return !counts.empty(); }));
  pty.Send("defg");  // nobody reads: the next hand-over sees all seven
  bool seen = ui.PumpUntil([&] { return !counts.empty() && counts.back() == 7; });
  ASSERT_TRUE(seen);
  char buf[16];
  EXPECT_EQ(comm.ReadData(buf, 16), 7);
  EXPECT_GE(statEvents, 2);
}

TEST_F(CommFixture, CloseWithAHandOverPendingDeliversNothing) {
  comm.Open();
  pty.Send("late");
  // The event thread has queued its hand-over and waits for it.
  for (int i = 0; i < 500 && ui.Pending() == 0; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  ASSERT_EQ(ui.Pending(), 1u);
  comm.Close();
  ui.RunPending();
  EXPECT_EQ(rxEvents, 0);
  EXPECT_FALSE(comm.IsOpen());
}

TEST_F(CommFixture, CloseFromInsideAHandlerStopsTheDispatch) {
  int statEvents = 0;
  comm.OnRxChar = [&](TThreadComm* c, uint32_t) {
    ++rxEvents;
    c->Close();
  };
  comm.OnComStatEvent = [&](TThreadComm*, uint32_t, COMSTAT) { ++statEvents; };
  comm.Open();
  pty.Send("x");
  ASSERT_TRUE(ui.PumpUntil([&] { return rxEvents == 1; }));
  EXPECT_FALSE(comm.IsOpen());
  EXPECT_EQ(statEvents, 0);  // the rest of that dispatch was dropped
  // And the port opens again afterwards.
  comm.OnRxChar = nullptr;
  comm.Open();
  EXPECT_TRUE(comm.IsOpen());
}

TEST_F(CommFixture, DeviceHangUpIsReportedOnceWithoutSpinning) {
  std::atomic<int> errors{0};
  int flags = 0;
  comm.OnError = [&](TThreadComm*, int e) {
    ++errors;
    flags = e;
  };
  comm.Open();
  ASSERT_TRUE(comm.IsOpen());
  pty.CloseMaster();
  ASSERT_TRUE(ui.PumpUntil([&] { return errors > 0; }));
  EXPECT_TRUE(flags & CE_IOE);
  double before = CpuSeconds();
  ui.PumpUntil([] { return false; }, 300);
  EXPECT_LT(CpuSeconds() - before, 0.15);
  EXPECT_EQ(errors, 1);
  comm.Close();
}

TEST_F(CommFixture, UnreadBytesDoNotSpinTheThread) {
  comm.OnRxChar = nullptr;  // nobody reads
  int statEvents = 0;
  std::vector<uint32_t> waiting;  // the input queue at each event
  comm.OnComStatEvent = [&](TThreadComm*, uint32_t, COMSTAT stat) {
    ++statEvents;
    waiting.push_back(stat.cbInQue);
  };
  comm.Open();
  pty.Send("unread");
  ASSERT_TRUE(ui.PumpUntil([&] { return statEvents > 0; }));
  double before = CpuSeconds();
  ui.PumpUntil([] { return false; }, 300);
  EXPECT_LT(CpuSeconds() - before, 0.15);
  EXPECT_EQ(statEvents, 1);
  pty.Send("more");  // new bytes are still noticed
  ASSERT_TRUE(ui.PumpUntil([&] { return statEvents > 1 && waiting.back() == 10; }));
  // A repeat of the first event, however late, shows before this one.
  EXPECT_EQ(waiting, (std::vector<uint32_t>{6, 10}));
}

TEST_F(CommFixture, NoMonitoredEventsMeansNoHandOver) {
  comm.SetMonitorEvents({});
  int statEvents = 0;
  comm.OnComStatEvent = [&](TThreadComm*, uint32_t, COMSTAT) { ++statEvents; };
  comm.Open();
  pty.Send("quiet");
  // Waited for in the port itself: no event is there to say they came.
  ASSERT_TRUE(ui.PumpUntil([&] {
    COMSTAT stat;
    comm.ClearCommError(stat);
    return stat.cbInQue == 5;
  }));
  ui.PumpUntil([] { return false; }, 200);
  EXPECT_EQ(statEvents, 0);
  char buf[8];
  EXPECT_EQ(comm.ReadData(buf, 8), 5);
}

TEST_F(CommFixture, SettingsReachTheTerminal) {
  comm.SetBaudRate(br110);
  comm.Open();
  ASSERT_TRUE(comm.IsOpen());
  EXPECT_EQ(comm.WriteTotalTimeoutMultiplier(), 174u);
  EXPECT_EQ(comm.Dcb().XonLim, 1024);
  // An open port takes a new rate at once, also one without a B constant.
  comm.SetBaudRate(br14400);
  CommDcb now;  // the master reads the slave's settings
  ASSERT_EQ(CommSystem::Posix().GetState(pty.master, now), 0);
  EXPECT_EQ(now.BaudRate, 14400u);
  // A pseudo-terminal keeps no parity: the read-back catches it.
  EXPECT_EQ(Message([&] { comm.SetParity(paEven); }),
            "Error updating DataControlBlock (Error: -1)");
  EXPECT_EQ(Message([&] { comm.SetDataBits(da4); }), "Error updating DataControlBlock (Error: 22)");
  comm.Close();
  comm.SetBaudRate(br115200);
  comm.SetDataBits(da8);
  comm.SetParity(paNone);
  comm.Open();
  EXPECT_EQ(comm.WriteTotalTimeoutMultiplier(), 0u);
}

}  // namespace
