// End to end against the simulated transponder, over a pty and over TCP,
// tick by tick as a technician's session would run.
#include <QAction>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include "tests/app/conn_fixture.h"
#include "tests/support/find_control.h"
#include "tests/support/pty_queue.h"
#include "tools/transponder-sim/TransponderSim.h"

using namespace conn;

namespace {

class SimTest : public FormTest {
 protected:
  // Carries bytes both ways between the window and the simulator until the
  // window has nothing more to say; each answer is taken in before the next
  // round, so none is left to reach the window during the test's next step.
  template <class Device>
  void Shuttle(Device& dev) {
    for (int round = 0; round < 20; ++round) {
      ASSERT_TRUE(Settle());
      const std::vector<std::string> lines = dev.Received();
      if (lines.empty()) return;
      for (const auto& line : lines) sim.Receive(line);
      const std::string out = sim.TakeOutput();
      if (out.empty()) continue;
      dev.Write(out);
      ASSERT_TRUE(WaitFor([&] { return TookAll(dev); }, 15000))
          << "the window left the simulator's answer unread";
    }
    ADD_FAILURE() << "the window and the simulator never fell silent";
  }
  // The window reads its port on this thread: nothing left in the queue is
  // all read. A port it has closed, or not this one, reads nothing.
  bool TookAll(PtyDevice& dev) {
    return !form->Comm()->IsOpen() || form->Comm()->DeviceName() != dev.path ||
           PtyQueued(dev.keep) == 0;
  }
  // Every byte written since the connection was taken, or dropped.
  bool TookAll(TcpDevice& dev) {
    const TcpInbox* inbox = form->Tcp().Received();
    return !inbox || inbox->Taken() + inbox->Dropped() == dev.written;
  }
  // One second: a Timer1 tick (while it runs), the stream, the exchange.
  template <class Device>
  void Second(Device& dev) {
    if (Find<TTimer>(form, "Timer1")->Enabled()) form->Timer1Timer();
    if (Find<TTimer>(form, "TimerConnection")->Enabled()) form->TimerConnectionTimer();
    sim.Tick();
    Shuttle(dev);
  }
  bool TabShown(QWidget* tab) {
    return Find<QTabWidget>(form, "PageControlConf")
        ->isTabVisible(Find<QTabWidget>(form, "PageControlConf")->indexOf(tab));
  }
  bool SimGot(const std::string& prefix) {
    for (const auto& l : sim.ReceivedLines())
      if (l.rfind(prefix, 0) == 0) return true;
    return false;
  }

  TransponderSim sim;
};

TEST_F(SimTest, SerialSessionFromConnectToReadDevice) {
  PtyDevice dev;
  Make({dev.path});
  form->OpenPortClick();
  for (int s = 0; s < 5 && !form->Session().DeviceConnected; ++s) Second(dev);
  ASSERT_EQ(form->Session().DeviceConnected, 1);
  ASSERT_GE(sim.ReceivedLines().size(), 2u);
  EXPECT_EQ(sim.ReceivedLines()[0], "$PDBG,163,0,,,,,,*15");
  EXPECT_EQ(sim.ReceivedLines()[1].rfind("$PTST,,,,,00016*", 0), 0u);
  // Asked as the dump ends, and carried over before the exchange fell silent.
  EXPECT_TRUE(SimGot("$AIAIQ,VSD"));
  EXPECT_TRUE(SimGot("$AIAIQ,SSD"));
  Second(dev);
  EXPECT_EQ(Find<TLabel>(form, "LabelConnectionStatus")->text().toStdString(), "Connected...");
  EXPECT_FALSE(Find<TTimer>(form, "Timer1")->Enabled());
  EXPECT_NE(Find<QLabel>(form, "lblFirmVer")->text().toStdString().find(sim.state.firmwareText),
            std::string::npos);
  EXPECT_TRUE(TabShown(Find<QWidget>(form, "TabSheetSRMText")));
  EXPECT_TRUE(TabShown(Find<QWidget>(form, "TabSheetEncryption")));

  // The stream keeps flowing; Read Device asks again and is answered.
  sim.ClearReceived();
  ASSERT_TRUE(form->QueryDevice(17));
  for (int s = 0; s < 3; ++s) Second(dev);
  EXPECT_TRUE(SimGot("$PTST,,,,,00017*"));
  EXPECT_TRUE(SimGot("$PKVR,Q,CFG,183,0,0,"));
  EXPECT_TRUE(dialogs.shown.empty());

  form->OpenPortClick();
  EXPECT_FALSE(form->Comm()->IsOpen());
}

TEST_F(SimTest, AutomaticDetectionFindsTheDeviceBehindOtherPorts) {
  PtyDevice empty, held, device;
  held.Hold();
  Make({empty.path, held.path, device.path});
  Find<QRadioButton>(form, "RadioButtonConnectionModeAuto")->setChecked(true);
  form->RadioButtonConnectionModeAutoClick();
  form->OpenPortClick();
  for (int s = 0; s < 12 && !form->Session().DeviceConnected; ++s) {
    Second(device);
    empty.Received();
  }
  ASSERT_EQ(form->Session().DeviceConnected, 1);
  EXPECT_EQ(form->Comm()->DeviceName(), device.path);
  EXPECT_EQ(Find<TEdit>(form, "EditAutoDetectComPort")->text().toStdString(), device.Name());
  EXPECT_TRUE(held.Received().empty());
  Second(device);
  EXPECT_EQ(Find<TLabel>(form, "LabelConnectionStatus")->text().toStdString(), "Connected...");
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(SimTest, NoisyLinkStillConnects) {
  PtyDevice dev;
  sim.faults.garbage = true;
  sim.faults.overlongLines = true;
  Make({dev.path});
  form->OpenPortClick();
  for (int s = 0; s < 6 && !form->Session().DeviceConnected; ++s) Second(dev);
  EXPECT_EQ(form->Session().DeviceConnected, 1);
  EXPECT_LE(form->SerialLine().size(), LineCutter::kLimit);
}

TEST_F(SimTest, DumpWithoutItsEndTimesOut) {
  PtyDevice dev;
  sim.faults.noDumpEnd = true;
  Make({dev.path});
  form->OpenPortClick();
  for (int s = 0; s < 22; ++s) Second(dev);
  EXPECT_EQ(form->Session().DeviceConnected, 0);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, "Serial port connection time out!");
  Second(dev);
  EXPECT_FALSE(form->Comm()->IsOpen());
}

TEST_F(SimTest, TcpSessionConnects) {
  TcpDevice dev;
  Make();
  form->SelectConnectionMedium(1, Find<QAction>(form, "mnuWiFi"));
  Find<TLabeledEdit>(form, "LabelEditWiFi_TCP_IP")->setText("127.0.0.1");
  Find<TLabeledEdit>(form, "LabelEditWiFi_Port")->setText(QString::number(dev.port));
  form->OpenPortClick();
  ASSERT_TRUE(dev.Accept());
  for (int s = 0; s < 8 && !form->Session().DeviceConnected; ++s) Second(dev);
  ASSERT_EQ(form->Session().DeviceConnected, 1);
  Second(dev);
  EXPECT_EQ(Find<TLabel>(form, "LabelConnectionStatus")->text().toStdString(), "Connected...");
  EXPECT_TRUE(SimGot("$PTST,,,,,00016*"));
  // The Wi-Fi page stays hidden on the TCP medium.
  EXPECT_FALSE(TabShown(Find<QWidget>(form, "TabSheetWiFi")));
  form->OpenPortClick();
  EXPECT_FALSE(form->Tcp().IsOpen());
  EXPECT_TRUE(dialogs.shown.empty());
}

}  // namespace
