// The TCP medium against a device played on a loopback server.
#include <QAction>
#include <QGroupBox>
#include <QLineEdit>

#include "tests/app/conn_fixture.h"
#include "tests/support/find_control.h"

using namespace conn;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

using TcpTest = TcpFormTest;

TEST_F(TcpTest, ConnectDetectAndDisconnect) {
  Connect();
  EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->Tag, 1);
  EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->text().toStdString(), "Disconnect");
  EXPECT_FALSE(Find<TLabeledEdit>(form, "LabelEditWiFi_TCP_IP")->isEnabled());
  EXPECT_FALSE(Find<TLabeledEdit>(form, "LabelEditWiFi_Port")->isEnabled());
  EXPECT_EQ(Find<TLabel>(form, "LabelConnectionStatus")->text().toStdString(), "Connecting...");

  // Tick 0 sends nothing; the test request goes out on odd ticks.
  Tick();
  EXPECT_TRUE(device.Received().empty());
  Tick();
  EXPECT_THAT(device.Received(), ElementsAreArray(QueryLines(16)));
  Tick();
  EXPECT_TRUE(device.Received().empty());

  // The first line arms the handshake; the manual branch then runs too.
  device.Write("S/N:(12345)\r\n");
  ASSERT_TRUE(WaitFor([&] { return form->Session().ConnectState == 1; }));
  EXPECT_EQ(form->Session().ConnectTick, 0);
  Tick();
  std::vector<std::string> tick0{kPassThroughExit};  // ConnectTick 0: exit and request
  for (auto& l : QueryLines(16)) tick0.push_back(l);
  EXPECT_THAT(device.Received(), ElementsAreArray(tick0));

  device.Write("[DEVICE DATA END]\r\n");
  ASSERT_TRUE(WaitFor([&] { return form->Session().DeviceConnected == 1; }));
  EXPECT_THAT(device.Received(), ElementsAre("$AIAIQ,VSD*3C\r\n", "$AIAIQ,SSD*39\r\n"));
  form->TimerConnectionTimer();
  EXPECT_EQ(Find<TLabel>(form, "LabelConnectionStatus")->text().toStdString(), "Connected...");
  EXPECT_FALSE(Find<TTimer>(form, "Timer1")->Enabled());

  // Sends reach the device.
  EXPECT_TRUE(form->QueryDevice(17));
  EXPECT_THAT(device.Received(), ElementsAreArray(QueryLines(17)));

  form->OpenPortClick();
  EXPECT_FALSE(form->Tcp().IsOpen());
  EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->Tag, 0);
  EXPECT_TRUE(Find<TLabeledEdit>(form, "LabelEditWiFi_TCP_IP")->isEnabled());
  EXPECT_TRUE(Find<TLabeledEdit>(form, "LabelEditWiFi_Port")->isEnabled());
  EXPECT_EQ(Find<TLabel>(form, "LabelConnectionStatus")->text().toStdString(), "Disconnect...");
  EXPECT_TRUE(WaitFor([&] { return device.PeerClosed(); }));
  // The thread's own notice, queued before the close returned, changes nothing.
  ASSERT_TRUE(Settle());
  EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->Tag, 0);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(TcpTest, SilentDeviceEndsQuietlyOnTick16) {
  Connect();
  int requests = 0;
  for (int tick = 0; tick <= 15; ++tick) {
    Tick();
    requests += static_cast<int>(device.Received().size()) / 5;
  }
  EXPECT_EQ(requests, 8);  // ticks 1, 3, ... 15
  EXPECT_TRUE(form->Tcp().IsOpen());
  Tick();  // ConnectTick 16
  EXPECT_FALSE(form->Tcp().IsOpen());
  EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->Tag, 0);
  EXPECT_FALSE(Find<TSpeedButton>(form, "OpenPort")->Down());
  EXPECT_FALSE(Find<TTimer>(form, "Timer1")->Enabled());
  EXPECT_EQ(form->Session().ConnectFailed, 0);
  EXPECT_TRUE(Find<TLabeledEdit>(form, "LabelEditWiFi_TCP_IP")->isEnabled());
  EXPECT_TRUE(dialogs.shown.empty());

  // A new Connect starts cleanly.
  device.CloseClient();
  Connect();
  EXPECT_EQ(form->Session().ConnectTick, 0);
  EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->Tag, 1);
}

TEST_F(TcpTest, PeerClosingReturnsToIdle) {
  Connect();
  device.Write("[DEVICE DATA END]\r\n");
  ASSERT_TRUE(WaitFor([&] { return form->Session().ConnectState == 1; }));
  device.CloseClient();
  ASSERT_TRUE(WaitFor([&] { return !form->Tcp().IsOpen(); }));
  EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->Tag, 0);
  EXPECT_EQ(Find<TLabel>(form, "LabelConnectionStatus")->text().toStdString(), "Disconnect...");
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(TcpTest, NoServerReturnsToIdle) {
  Find<TLabeledEdit>(form, "LabelEditWiFi_Port")->setText("1");  // nothing listens there
  form->OpenPortClick();
  ASSERT_TRUE(WaitFor([&] { return !form->Tcp().IsOpen(); }, 12000));
  EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->Tag, 0);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(TcpTest, ClosingTheWindowEndsTheClient) {
  Connect();
  device.Write("S/N:(1)\r\n");
  Pump(30);
  // Lines still in flight must not reach the window once it is gone.
  device.Write("[DEVICE DATA END]\r\n");
  form.reset();
  EXPECT_TRUE(WaitFor([&] { return device.PeerClosed(); }));
  Pump(50);
}

TEST_F(TcpTest, CloseQueryEndsTheClient) {
  Connect();
  dialogs.answers = {DialogResult::Cancel};
  EXPECT_FALSE(form->FormCloseQuery());
  EXPECT_TRUE(form->Tcp().IsOpen());
  EXPECT_THAT(dialogs.shown.back().text, "Are you sure to exit?");
  EXPECT_THAT(dialogs.shown.back().caption, "Exit!");
  dialogs.answers = {DialogResult::Ok};
  EXPECT_TRUE(form->FormCloseQuery());
  EXPECT_FALSE(form->Tcp().IsOpen());
  EXPECT_TRUE(WaitFor([&] { return device.PeerClosed(); }));
}

TEST_F(TcpTest, SettingsAreValidated) {
  struct Case {
    const char* address;
    const char* port;
    bool ok;
  } cases[] = {{"192.168.100.200", "3333", true},    // 15 characters
               {"192.168.100.2001", "3333", false},  // 16
               {"", "3333", false},
               {"1.2.3.4", "65535", true},
               {"1.2.3.4", "65536", false},
               {"1.2.3.4", "", false},
               {"1.2.3.4", "12a", false},
               {"1.2.3.4", "0", true}};
  for (const auto& c : cases) {
    // Bypass the edits' own key filters: the check must hold by itself.
    Find<TLabeledEdit>(form, "LabelEditWiFi_TCP_IP")->setValidator(nullptr);
    Find<TLabeledEdit>(form, "LabelEditWiFi_TCP_IP")->setMaxLength(32767);
    Find<TLabeledEdit>(form, "LabelEditWiFi_Port")->setValidator(nullptr);
    Find<TLabeledEdit>(form, "LabelEditWiFi_Port")->setText(c.port);
    Find<TLabeledEdit>(form, "LabelEditWiFi_TCP_IP")->setText(c.address);
    EXPECT_EQ(form->ValidateTcpSettings(), c.ok) << c.address << " " << c.port;
  }
  // A refused setting only releases the button.
  Find<TLabeledEdit>(form, "LabelEditWiFi_Port")->setText("");
  Find<TSpeedButton>(form, "OpenPort")->SetDown(true);
  form->OpenPortClick();
  EXPECT_FALSE(Find<TSpeedButton>(form, "OpenPort")->Down());
  EXPECT_FALSE(form->Tcp().IsOpen());
  EXPECT_FALSE(Find<TTimer>(form, "Timer1")->Enabled());
}

TEST_F(TcpTest, SerialChosenMeansNoSendOverTcp) {
  Connect();
  // Sends follow the chosen medium's link, whatever else is still about.
  Find<QAction>(form, "mnuSerialPort")->trigger();
  EXPECT_FALSE(form->SendRaw(std::string("$X\r\n")));
  EXPECT_TRUE(device.Received().empty());
}

}  // namespace
