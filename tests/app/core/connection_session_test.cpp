// The connection's state machine, tick by tick, against a host that records
// what it is asked to do.
#include "app/core/ConnectionSession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct FakeHost : ConnectionHost {
  bool serial = true, tcp = false, autoMode = false, down = true;
  int openable = 1;
  bool portOpen = false, opensOk = true, tcpOpen = false;
  std::vector<std::string> calls;
  std::vector<ConnectionMessage> shown;

  bool SerialMediumChosen() const override { return serial; }
  bool TcpMediumChosen() const override { return tcp; }
  bool AutoDetection() const override { return autoMode; }
  bool ConnectControlDown() const override { return down; }
  int OpenablePortCount() const override { return openable; }
  bool SerialPortOpen() const override { return portOpen; }
  bool TcpLinkOpen() const override { return tcpOpen; }
  void OpenChosenPort() override {
    calls.push_back("open");
    portOpen = opensOk;
  }
  void OpenOpenablePort(int index) override {
    EXPECT_TRUE(index >= 0 && index < openable) << index << " of " << openable;
    calls.push_back("open " + std::to_string(index));
    portOpen = true;
  }
  void SetAutoBaud(int index) override { calls.push_back("baud " + std::to_string(index)); }
  bool QueryDevice(int command) override {
    calls.push_back("query " + std::to_string(command));
    return true;
  }
  void SendPassThroughExit() override { calls.push_back("exit"); }
  void DeviceFound() override { calls.push_back("found"); }
  void ToggleConnection() override { calls.push_back("toggle"); }
  void Show(ConnectionMessage message) override { shown.push_back(message); }

  std::vector<std::string> Take() {
    std::vector<std::string> taken;
    taken.swap(calls);
    return taken;
  }
};

using Calls = std::vector<std::string>;

// As the connect button starts it: armed, one step, then the ticks from 1.
struct SessionTest : ::testing::Test {
  FakeHost host;
  ConnectionSession session{host};
  void Start() {
    session.DeviceHandshake();
    session.ConnectionStep();
    session.ConnectTick = 1;
  }
};

TEST_F(SessionTest, ManualDetectionQueriesUntilTheDumpEnds) {
  Start();
  EXPECT_EQ(session.ConnectState, 1);
  EXPECT_EQ(host.Take(), (Calls{"open", "exit", "query 16"}));
  session.Tick();  // tick 1: only the pass-through exit
  EXPECT_EQ(host.Take(), (Calls{"exit"}));
  session.Tick();  // tick 2
  EXPECT_EQ(host.Take(), (Calls{"exit", "query 16"}));

  session.DeviceHandshake("MMSI:(123456789)\r\n");
  session.DeviceHandshake("$GPRMC,[DEVICE DATA END]\r\n");  // not the dump's own line
  EXPECT_EQ(session.DeviceConnected, 0);
  session.DeviceHandshake("[DEVICE DATA END]\r\n");
  EXPECT_EQ(session.DeviceConnected, 1);
  EXPECT_EQ(session.DeviceDataEnd, 1);
  EXPECT_EQ(session.ConnectState, 2);
  EXPECT_EQ(host.Take(), (Calls{"found"}));
  session.DeviceHandshake("[DEVICE DATA END]\r\n");
  session.Tick();
  EXPECT_TRUE(host.Take().empty());
  EXPECT_EQ(session.NextStatus(), ConnectionSession::Status::Connected);
}

TEST_F(SessionTest, APortThatDoesNotOpenFailsAndClosesOnTheNextTick) {
  host.opensOk = false;
  Start();
  EXPECT_EQ(host.shown, std::vector<ConnectionMessage>{ConnectionMessage::PortOpenError});
  EXPECT_EQ(session.ConnectFailed, 1);
  host.Take();
  // Sentences arriving meanwhile do not keep the failed attempt alive.
  session.DeviceHandshake("$GPGGA,1\r\n");
  session.Tick();
  EXPECT_EQ(host.Take(), (Calls{"toggle"}));
  EXPECT_EQ(session.ConnectFailed, 0);
}

TEST_F(SessionTest, ManualDetectionTimesOutAfterTwentyTicks) {
  Start();
  for (int t = 1; t <= 20; ++t) session.Tick();
  EXPECT_TRUE(host.shown.empty());
  session.Tick();  // tick 21
  EXPECT_EQ(host.shown, std::vector<ConnectionMessage>{ConnectionMessage::ManualConnectTimeOut});
  host.Take();
  session.Tick();
  EXPECT_EQ(host.Take(), (Calls{"toggle"}));
}

TEST_F(SessionTest, AutomaticDetectionTriesEachOpenablePortInTurn) {
  host.autoMode = true;
  host.openable = 2;
  Start();
  EXPECT_EQ(host.Take(), (Calls{"baud 0", "open 0", "query 16"}));
  session.Tick();  // 1
  session.Tick();  // 2
  EXPECT_EQ(host.Take(), (Calls{"query 16"}));
  session.Tick();  // 3: the next port
  EXPECT_EQ(host.Take(), (Calls{"baud 0", "open 1", "query 16"}));
  session.Tick();
  session.Tick();
  session.Tick();  // 6: back to the first
  EXPECT_EQ(host.Take(), (Calls{"query 16", "baud 0", "open 0", "query 16"}));
  for (int t = 7; t <= 20; ++t) session.Tick();
  EXPECT_TRUE(host.shown.empty());
  session.Tick();  // 21: past the twenty ticks of a few ports
  EXPECT_EQ(host.shown, std::vector<ConnectionMessage>{ConnectionMessage::AutoDetectTimeOut});
}

TEST_F(SessionTest, AutomaticDetectionScalesItsTimeOutAndNeedsAPort) {
  host.autoMode = true;
  host.openable = 8;
  Start();
  EXPECT_EQ(session.ConnectTimeout, 8 * 3 + 2);

  FakeHost none;
  none.autoMode = true;
  none.openable = 0;
  ConnectionSession empty(none);
  empty.DeviceHandshake();
  empty.ConnectionStep();
  EXPECT_EQ(none.shown, std::vector<ConnectionMessage>{ConnectionMessage::NoSerialPortExist});
  EXPECT_TRUE(none.calls.empty());
}

TEST_F(SessionTest, AutomaticDetectionEndsWhenItsPortsGoMidway) {
  host.autoMode = true;
  host.openable = 2;
  Start();
  session.Tick();  // 1
  session.Tick();  // 2
  host.Take();
  host.openable = 1;
  session.Tick();  // 3: the second port has gone; the first again
  EXPECT_EQ(host.Take(), (Calls{"baud 0", "open 0", "query 16"}));
  host.openable = 0;
  session.Tick();  // 4
  session.Tick();  // 5
  host.Take();
  session.Tick();  // 6: none left, as if there had been none at the start
  EXPECT_EQ(host.Take(), (Calls{"baud 0"}));
  EXPECT_EQ(host.shown, std::vector<ConnectionMessage>{ConnectionMessage::NoSerialPortExist});
  EXPECT_EQ(session.ConnectState, 0);
  EXPECT_EQ(session.ConnectFailed, 1);
  session.Tick();
  EXPECT_EQ(host.Take(), (Calls{"toggle"}));
  EXPECT_EQ(host.shown.size(), 1u);
}

TEST_F(SessionTest, TcpQueriesOnOddTicksAndGivesUpAfterFifteen) {
  host.serial = false;
  host.tcp = true;
  host.tcpOpen = true;
  session.DeviceHandshake();
  session.Tick();  // tick 0: the shared step only
  host.Take();
  session.Tick();  // 1
  Calls one = host.Take();
  EXPECT_EQ(std::count(one.begin(), one.end(), "query 16"), 1);
  for (int t = 2; t <= 15; ++t) session.Tick();
  EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "toggle"), 0);
  session.Tick();  // 16
  EXPECT_EQ(host.calls.back(), "toggle");
  EXPECT_EQ(session.ConnectState, 0);
  EXPECT_EQ(session.ConnectFailed, 0);
}

TEST_F(SessionTest, TheUserMayVouchForADumpThatNeverEnded) {
  Start();
  session.ForceDataEnd(false);
  EXPECT_EQ(session.DeviceConnected, 0);
  session.ForceDataEnd(true);
  EXPECT_EQ(session.DeviceConnected, 1);
  EXPECT_EQ(host.calls.back(), "found");
}

TEST_F(SessionTest, TheStatusBlinksThreeEighthsRed) {
  std::string seen;
  for (int i = 0; i < 16; ++i)
    seen += session.NextStatus() == ConnectionSession::Status::ConnectingRed ? 'R' : 'b';
  EXPECT_EQ(seen, "RRbbbbbRRRbbbbbR");
}

TEST_F(SessionTest, ANewSessionForgetsTheOldOne) {
  Start();
  session.DeviceHandshake("[DEVICE DATA END]\r\n");
  session.Reset();
  EXPECT_EQ(session.ConnectState, 0);
  EXPECT_EQ(session.DeviceConnected, 0);
  EXPECT_EQ(session.DeviceDataEnd, 0);
  EXPECT_EQ(session.ConnectTick, 0);
}

}  // namespace
