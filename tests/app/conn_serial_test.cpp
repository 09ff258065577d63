// Serial connection and detection against devices played over ptys.
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <algorithm>
#include <cerrno>
#include <fstream>

#include "tests/app/conn_fixture.h"
#include "tests/support/find_control.h"
#include "wifi/core/WiFiSetup.h"

using namespace conn;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

std::vector<std::string> ManualTick0(int command = 16) {
  std::vector<std::string> lines{kPassThroughExit};
  for (auto& l : QueryLines(command)) lines.push_back(l);
  return lines;
}

class SerialTest : public FormTest {
 protected:
  void ConnectManual(PtyDevice& dev) {
    Find<QRadioButton>(form, "RadioButtonConnectionModeManual")->setChecked(true);
    form->RadioButtonConnectionModeAutoClick();
    Find<QComboBox>(form, "cbxComPort")
        ->setCurrentIndex(
            Find<QComboBox>(form, "cbxComPort")->findText(QString::fromStdString(dev.Name())));
    form->OpenPortClick();
  }
};

TEST_F(SerialTest, ManualConnectQueriesUntilTheDumpEndsThenShowsConnected) {
  PtyDevice dev;
  Make({dev.path});
  ConnectManual(dev);
  ASSERT_TRUE(form->Comm()->IsOpen());
  EXPECT_EQ(form->Comm()->DeviceName(), dev.path);
  EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->Tag, 1);
  EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->text().toStdString(), "Disconnect");
  EXPECT_EQ(form->Session().ConnectState, 1);
  EXPECT_EQ(form->Session().ConnectTick, 1);
  EXPECT_TRUE(Find<TTimer>(form, "Timer1")->Enabled());
  EXPECT_TRUE(Find<TTimer>(form, "TimerConnection")->Enabled());
  EXPECT_EQ(Find<TLabel>(form, "LabelConnectionStatus")->text().toStdString(), "Connecting...");
  EXPECT_FALSE(Find<QComboBox>(form, "cbxComPort")->isEnabled());
  EXPECT_FALSE(Find<QGroupBox>(form, "GroupBoxSerialConnectionMode")->isEnabled());
  EXPECT_THAT(dev.Received(), ElementsAreArray(ManualTick0()));

  // Tick 1 only leaves the pass-through; tick 2 asks again.
  Tick();
  EXPECT_THAT(dev.Received(), ElementsAre(kPassThroughExit));
  Tick();
  EXPECT_THAT(dev.Received(), ElementsAreArray(ManualTick0()));

  // The dump's end, split over two reads.
  dev.Write("[DEVICE DA");
  ASSERT_TRUE(WaitFor([&] { return form->SerialLine() == "[DEVICE DA"; }));
  dev.Write("TA END]\r\n");
  ASSERT_TRUE(WaitFor([&] { return form->Session().DeviceConnected == 1; }));
  EXPECT_EQ(form->Session().ConnectState, 2);
  EXPECT_THAT(dev.Received(), ElementsAre("$AIAIQ,VSD*3C\r\n", "$AIAIQ,SSD*39\r\n"));

  // Connected: no more requests; the status shows it on the next blink.
  Tick();
  EXPECT_TRUE(dev.Received().empty());
  form->TimerConnectionTimer();
  EXPECT_EQ(Find<TLabel>(form, "LabelConnectionStatus")->text().toStdString(), "Connected...");
  EXPECT_FALSE(Find<TTimer>(form, "Timer1")->Enabled());
  EXPECT_FALSE(Find<TTimer>(form, "TimerConnection")->Enabled());
  EXPECT_TRUE(Find<TTimer>(form, "TimerUpdateSysChk")->Enabled());
  EXPECT_TRUE(dialogs.shown.empty());

  // Disconnect.
  form->OpenPortClick();
  EXPECT_FALSE(form->Comm()->IsOpen());
  EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->Tag, 0);
  EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->text().toStdString(), "Connect");
  EXPECT_EQ(Find<TLabel>(form, "LabelConnectionStatus")->text().toStdString(), "Disconnect...");
  EXPECT_FALSE(Find<TTimer>(form, "TimerUpdateSysChk")->Enabled());
  EXPECT_TRUE(Find<QComboBox>(form, "cbxComPort")->isEnabled());
  EXPECT_EQ(form->WiFi().wifi.reloadNeeded, 1);
}

TEST_F(SerialTest, SilentDeviceTimesOutOnTick21AndTheNextTickCloses) {
  PtyDevice dev;
  Make({dev.path});
  ConnectManual(dev);
  for (int tick = 1; tick <= 20; ++tick) Tick();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(form->Session().ConnectTick, 21);
  Tick();
  EXPECT_THAT(Captions(), ElementsAre("Error: Serial port connection time out!"));
  EXPECT_EQ(dialogs.shown[0].icon, DialogIcon::Error);
  EXPECT_EQ(form->Session().ConnectFailed, 1);
  EXPECT_TRUE(form->Comm()->IsOpen());
  Tick();
  EXPECT_FALSE(form->Comm()->IsOpen());
  EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->Tag, 0);
  EXPECT_EQ(form->Session().ConnectFailed, 0);
  EXPECT_FALSE(Find<TTimer>(form, "Timer1")->Enabled());
  EXPECT_EQ(dialogs.shown.size(), 1u);

  // A new attempt starts cleanly.
  dev.Received();
  form->OpenPortClick();
  EXPECT_TRUE(form->Comm()->IsOpen());
  EXPECT_THAT(dev.Received(), ElementsAreArray(ManualTick0()));
}

TEST_F(SerialTest, ManualPortHeldByAnotherProgramWarnsFirst) {
  PtyDevice dev;
  dev.Hold();
  Make({dev.path});
  EXPECT_EQ(static_cast<int>(form->ComPortList().size()), 1);
  EXPECT_EQ(static_cast<int>(form->OpenablePortList().size()), 0);

  dialogs.answers = {DialogResult::Cancel};
  ConnectManual(dev);
  EXPECT_THAT(Captions(), ElementsAre("Warning: Note! Any force connect this serial port may cause "
                                      "unpredictable mistakes. Continue?"));
  EXPECT_EQ(dialogs.shown[0].buttons, DialogButtons::OkCancel);
  EXPECT_FALSE(form->Comm()->IsOpen());
  EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->Tag, 0);
  EXPECT_FALSE(Find<TTimer>(form, "Timer1")->Enabled());
  EXPECT_TRUE(Find<QComboBox>(form, "cbxComPort")->isEnabled());

  // OK tries the port, which does not open.
  dialogs.shown.clear();
  dialogs.answers = {DialogResult::Ok};
  ConnectManual(dev);
  EXPECT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(Captions()[1], "Error: Serial port open error! Please check!");
  EXPECT_FALSE(form->Comm()->IsOpen());
  Tick();
  EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->Tag, 0);
  EXPECT_FALSE(Find<TTimer>(form, "Timer1")->Enabled());
}

TEST_F(SerialTest, TypedPathIsOpenedAsItIs) {
  PtyDevice dev;
  Make({});
  EXPECT_EQ(Find<QComboBox>(form, "cbxComPort")->currentText().toStdString(), "N/A");
  Find<QComboBox>(form, "cbxComPort")->setEditText(QString::fromStdString(dev.path));
  dialogs.answers = {DialogResult::Ok};  // not in the list: the warning
  form->OpenPortClick();
  ASSERT_TRUE(form->Comm()->IsOpen());
  EXPECT_EQ(form->Comm()->DeviceName(), dev.path);
  EXPECT_THAT(dev.Received(), ElementsAreArray(ManualTick0()));

  // A typed path that is no serial port is refused like a port that does not open.
  form->OpenPortClick();
  dialogs.shown.clear();
  const std::string file = (docs / "not-a-port").string();
  std::ofstream(file) << "x";
  Find<QComboBox>(form, "cbxComPort")->setEditText(QString::fromStdString(file));
  dialogs.answers = {DialogResult::Ok};
  form->OpenPortClick();
  EXPECT_FALSE(form->Comm()->IsOpen());
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(Captions()[1], "Error: Serial port open error! Please check!");
}

// The system refuses the port, as it does a user outside the port's group
// (the tests run as root, whom no file mode refuses).
struct RefusingOpens : CommSystem {
  int error = EACCES;
  int OpenPort(const std::string& path) override {
    return error ? -error : CommSystem::OpenPort(path);
  }
};

TEST_F(SerialTest, PortRefusedForLackOfPermissionSaysHowToGetIt) {
  PtyDevice dev;
  RefusingOpens seam;
  commSystem = &seam;
  Make({dev.path});
  form->show();
  QTest::mouseClick(Find<QRadioButton>(form, "RadioButtonConnectionModeManual"), Qt::LeftButton);
  Find<QComboBox>(form, "cbxComPort")->lineEdit()->clear();
  QTest::keyClicks(Find<QComboBox>(form, "cbxComPort")->lineEdit(),
                   QString::fromStdString(dev.path));
  auto attempt = [&](int error) {
    seam.error = error;
    dialogs.shown.clear();
    QTest::mouseClick(Find<TSpeedButton>(form, "OpenPort"), Qt::LeftButton);
    Tick();  // the failed attempt closes
    EXPECT_FALSE(form->Comm()->IsOpen());
    EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->Tag, 0);
    return Captions();
  };
  const std::string failed = "Error: Serial port open error! Please check!";
  const std::string remedy =
      ": add your user to the 'dialout' group (sudo usermod -aG dialout $USER) and log in again.";
  EXPECT_THAT(attempt(EACCES), ElementsAre(failed + "\nPermission denied" + remedy));
  EXPECT_EQ(dialogs.shown[0].icon, DialogIcon::Error);
  EXPECT_THAT(attempt(EPERM), ElementsAre(failed + "\nOperation not permitted" + remedy));
  // Other failures keep their text.
  for (int error : {ENOENT, EBUSY, EWOULDBLOCK, ENOTTY})
    EXPECT_THAT(attempt(error), ElementsAre(failed)) << error;

  // Automatic detection passes refused ports by without a word, as any port that does not open.
  seam.error = EACCES;
  dialogs.shown.clear();
  QTest::mouseClick(Find<QRadioButton>(form, "RadioButtonConnectionModeAuto"), Qt::LeftButton);
  QTest::mouseClick(Find<TSpeedButton>(form, "OpenPort"), Qt::LeftButton);
  Tick(20);
  EXPECT_TRUE(dialogs.shown.empty());
  Tick();
  EXPECT_THAT(Captions(), ElementsAre("Error: Serial port detecting failed!"));

  // Once the user may, the port opens.
  Tick();
  seam.error = 0;
  QTest::mouseClick(Find<QRadioButton>(form, "RadioButtonConnectionModeManual"), Qt::LeftButton);
  Find<QComboBox>(form, "cbxComPort")->lineEdit()->clear();
  QTest::keyClicks(Find<QComboBox>(form, "cbxComPort")->lineEdit(),
                   QString::fromStdString(dev.path));
  QTest::mouseClick(Find<TSpeedButton>(form, "OpenPort"), Qt::LeftButton);
  EXPECT_TRUE(form->Comm()->IsOpen());
  EXPECT_THAT(dev.Received(), ElementsAreArray(ManualTick0()));
  form.reset();  // its port closes through the seam, which goes with this test
}

TEST_F(SerialTest, AutomaticDetectionTriesOpenablePortsInTurn) {
  PtyDevice a, held, c;
  held.Hold();
  Make({a.path, held.path, c.path});
  ASSERT_EQ(static_cast<int>(form->OpenablePortList().size()), 2);
  Find<QRadioButton>(form, "RadioButtonConnectionModeAuto")->setChecked(true);
  form->RadioButtonConnectionModeAutoClick();
  EXPECT_EQ(Find<QTabWidget>(form, "PageControlDetectComPortMode")->currentWidget(),
            Find<QWidget>(form, "TabSheetAutoConnectComPort"));

  form->OpenPortClick();
  const auto first = NaturalLess(a.Name(), c.Name()) ? &a : &c;  // sorted by name
  const auto second = first == &a ? &c : &a;
  EXPECT_EQ(form->Comm()->DeviceName(), first->path);
  EXPECT_EQ(Find<TEdit>(form, "EditAutoDetectComPort")->text().toStdString(), first->Name());
  EXPECT_EQ(Find<TEdit>(form, "EditAutoDetectBaudRate")->text().toStdString(), "115200");
  EXPECT_THAT(first->Received(), ElementsAreArray(QueryLines(16)));  // tick 0
  Tick();                                                            // tick 1: nothing
  EXPECT_TRUE(first->Received().empty());
  Tick();  // tick 2: again
  EXPECT_THAT(first->Received(), ElementsAreArray(QueryLines(16)));
  Tick();  // tick 3: the next port
  EXPECT_EQ(form->Comm()->DeviceName(), second->path);
  EXPECT_EQ(Find<TEdit>(form, "EditAutoDetectComPort")->text().toStdString(), second->Name());
  EXPECT_THAT(second->Received(), ElementsAreArray(QueryLines(16)));
  EXPECT_TRUE(held.Received().empty());
  Tick(3);  // tick 6: round again
  EXPECT_EQ(form->Comm()->DeviceName(), first->path);

  // The device sits on the second port.
  Tick(3);
  ASSERT_EQ(form->Comm()->DeviceName(), second->path);
  second->Received();
  second->Write("Firmware:V1.0\r\n[DEVICE DATA END]\r\n");
  ASSERT_TRUE(WaitFor([&] { return form->Session().DeviceConnected == 1; }));
  Tick(3);
  EXPECT_EQ(form->Comm()->DeviceName(), second->path);
  EXPECT_THAT(second->Received(), ElementsAre("$AIAIQ,VSD*3C\r\n", "$AIAIQ,SSD*39\r\n"));
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(SerialTest, AutomaticDetectionFailures) {
  {
    // No openable port at all.
    PtyDevice held;
    held.Hold();
    Make({held.path});
    Find<QRadioButton>(form, "RadioButtonConnectionModeAuto")->setChecked(true);
    form->OpenPortClick();
    EXPECT_EQ(Find<TEdit>(form, "EditAutoDetectComPort")->text().toStdString(), "N/A");
    EXPECT_THAT(Captions(), ElementsAre("Warning: All serial ports are occupied or no existing!"));
    EXPECT_EQ(dialogs.shown[0].icon, DialogIcon::Warning);
    Tick();
    EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->Tag, 0);
    EXPECT_FALSE(Find<TTimer>(form, "Timer1")->Enabled());
  }
  dialogs.shown.clear();
  {
    // Two silent ports: the attempt ends when the tick passes 20.
    PtyDevice a, b;
    Make({a.path, b.path});
    Find<QRadioButton>(form, "RadioButtonConnectionModeAuto")->setChecked(true);
    form->OpenPortClick();
    Tick(20);
    EXPECT_TRUE(dialogs.shown.empty());
    Tick();
    EXPECT_THAT(Captions(), ElementsAre("Error: Serial port detecting failed!"));
    Tick();
    EXPECT_FALSE(form->Comm()->IsOpen());
    EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->Tag, 0);
  }
}

TEST_F(SerialTest, EightOpenablePortsAreEachTriedOnce) {
  std::vector<std::unique_ptr<PtyDevice>> devs;
  std::vector<std::string> paths;
  for (int i = 0; i < 8; ++i) {
    devs.push_back(std::make_unique<PtyDevice>());
    paths.push_back(devs.back()->path);
  }
  Make(paths);
  Find<QRadioButton>(form, "RadioButtonConnectionModeAuto")->setChecked(true);
  form->OpenPortClick();
  EXPECT_EQ(form->Session().ConnectTimeout, 26);
  Tick(26);
  EXPECT_TRUE(dialogs.shown.empty());
  // Two requests each; the first port comes round again on ticks 24 and 26.
  std::sort(devs.begin(), devs.end(),
            [](const auto& x, const auto& y) { return NaturalLess(x->Name(), y->Name()); });
  EXPECT_EQ(devs[0]->Received().size(), 20u);
  for (size_t i = 1; i < devs.size(); ++i) EXPECT_EQ(devs[i]->Received().size(), 10u) << i;
  Tick();
  EXPECT_THAT(Captions(), ElementsAre("Error: Serial port detecting failed!"));
}

TEST_F(SerialTest, SecondClickWhileDetectingClosesWithoutMessage) {
  PtyDevice dev;
  Make({dev.path});
  ConnectManual(dev);
  Tick(3);
  form->OpenPortClick();
  EXPECT_FALSE(form->Comm()->IsOpen());
  EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->Tag, 0);
  EXPECT_FALSE(Find<TTimer>(form, "Timer1")->Enabled());
  EXPECT_EQ(form->Session().ConnectState, 0);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(SerialTest, StatusDoubleClickCompletesTheHandshakeOnlyWhileConnecting) {
  PtyDevice dev;
  Make({dev.path});
  form->LabelConnectionStatusDblClick();
  EXPECT_EQ(form->Session().DeviceConnected, 0);
  EXPECT_EQ(form->Session().DeviceDataEnd, 0);

  ConnectManual(dev);
  dev.Received();
  form->LabelConnectionStatusDblClick();
  EXPECT_EQ(form->Session().DeviceDataEnd, 1);
  EXPECT_EQ(form->Session().DeviceConnected, 1);
  EXPECT_THAT(dev.Received(), ElementsAre("$AIAIQ,VSD*3C\r\n", "$AIAIQ,SSD*39\r\n"));
}

TEST_F(SerialTest, ConnectionStatusBlinksRedThenBlack) {
  PtyDevice dev;
  Make({dev.path});
  ConnectManual(dev);
  std::string pattern;
  for (int i = 0; i < 8; ++i) {
    form->TimerConnectionTimer();
    pattern +=
        Find<TLabel>(form, "LabelConnectionStatus")->styleSheet().contains("ff0000") ? 'R' : 'B';
  }
  EXPECT_EQ(pattern, "RRBBBBBR");  // tags 1..7, 0
  EXPECT_EQ(Find<TLabel>(form, "LabelConnectionStatus")->text().toStdString(), "Connecting...");
}

TEST_F(SerialTest, StatusTextsThatCoincideAreTakenAsDisconnectFirst) {
  // A language whose "connected" text is its "disconnected" one.
  std::filesystem::create_directories(docs / "app" / "Lang");
  std::ofstream(docs / "app" / "Lang" / "Lang-EN.ini")
      << "[CONFIG_SERIAL_PORT]\r\nConnected=Disconnect...\r\n";
  appDir = (docs / "app").string() + "/";
  PtyDevice dev;
  Make({dev.path});
  form->ApplySavedLanguage();  // as the program does at start
  QTabWidget* pages = Find<QTabWidget>(form, "PageControlConf");
  pages->setCurrentWidget(Find<QWidget>(form, "TabSheetTransceiver"));
  TLabel* status = Find<TLabel>(form, "LabelConnectionStatus");
  EXPECT_FALSE(status->isEnabled());
  ConnectManual(dev);
  EXPECT_TRUE(status->isEnabled());
  EXPECT_EQ(status->text().toStdString(), "Connecting...");

  dev.Write("[DEVICE DATA END]\r\n");
  ASSERT_TRUE(WaitFor([&] { return form->Session().DeviceConnected == 1; }));
  form->TimerConnectionTimer();
  EXPECT_EQ(status->text().toStdString(), "Disconnect...");
  EXPECT_FALSE(status->isEnabled());
  EXPECT_FALSE(status->styleSheet().contains("0000ff"));
  EXPECT_EQ(pages->currentWidget(), Find<QWidget>(form, "TabSheetTransceiver"));
  // The connection itself is made all the same.
  EXPECT_TRUE(Find<TTimer>(form, "TimerUpdateSysChk")->Enabled());
  EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->Tag, 1);
}

TEST_F(SerialTest, PortUnpluggedWhileConnectedClosesOnTheSecondTimer2Tick) {
  PtyDevice dev, other;
  Make({dev.path, other.path});
  ConnectManual(dev);
  dev.Write("[DEVICE DATA END]\r\n");
  ASSERT_TRUE(WaitFor([&] { return form->Session().DeviceConnected == 1; }));
  form->TimerConnectionTimer();
  const int before = ports->enumerations;

  // A burst of notices: the lists are rebuilt once, on the second tick.
  ports->SetPaths({other.path});
  form->DeviceChangeNotice();
  form->Timer2Timer();
  form->DeviceChangeNotice();
  form->DeviceChangeNotice();
  EXPECT_EQ(ports->enumerations, before);
  EXPECT_TRUE(form->Comm()->IsOpen());
  form->Timer2Timer();
  EXPECT_EQ(ports->enumerations, before + 1);
  EXPECT_FALSE(form->Comm()->IsOpen());
  EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->Tag, 0);
  EXPECT_EQ(Find<TLabel>(form, "LabelConnectionStatus")->text().toStdString(), "Disconnect...");
  EXPECT_EQ(static_cast<int>(form->ComPortList().size()), 1);
  form->Timer2Timer();
  form->Timer2Timer();
  EXPECT_EQ(ports->enumerations, before + 1);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(SerialTest, ChangingMediumWhileConnectedAsksFirst) {
  PtyDevice dev;
  Make({dev.path});
  ConnectManual(dev);
  dev.Write("[DEVICE DATA END]\r\n");
  ASSERT_TRUE(WaitFor([&] { return form->Session().DeviceConnected == 1; }));

  // The medium already chosen: nothing, not even a question.
  Find<QAction>(form, "mnuSerialPort")->trigger();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_TRUE(Find<QAction>(form, "mnuSerialPort")->isChecked());

  dialogs.answers = {DialogResult::Cancel};
  Find<QAction>(form, "mnuWiFi")->trigger();
  EXPECT_THAT(Captions(), ElementsAre("Warning: Device is connected. Do you want to disconnect?"));
  EXPECT_TRUE(form->Comm()->IsOpen());
  EXPECT_TRUE(Find<QAction>(form, "mnuSerialPort")->isChecked());
  EXPECT_FALSE(Find<QAction>(form, "mnuWiFi")->isChecked());
  EXPECT_EQ(form->ConnectionMedium(), 0);
  EXPECT_FALSE(Find<QGroupBox>(form, "GroupBoxSerialConnectionMode")->isHidden());
  EXPECT_TRUE(Find<QGroupBox>(form, "GroupBoxWiFiConnectionMode")->isHidden());

  dialogs.answers = {DialogResult::Ok};
  Find<QAction>(form, "mnuWiFi")->trigger();
  EXPECT_FALSE(form->Comm()->IsOpen());
  EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->Tag, 0);
  EXPECT_FALSE(Find<QAction>(form, "mnuSerialPort")->isChecked());
  EXPECT_TRUE(Find<QAction>(form, "mnuWiFi")->isChecked());
  EXPECT_EQ(form->ConnectionMedium(), 1);
  EXPECT_TRUE(Find<QGroupBox>(form, "GroupBoxSerialConnectionMode")->isHidden());
  EXPECT_FALSE(Find<QGroupBox>(form, "GroupBoxWiFiConnectionMode")->isHidden());
  EXPECT_FALSE(Find<QTabWidget>(form, "PageControlConf")
                   ->isTabVisible(Find<QTabWidget>(form, "PageControlConf")
                                      ->indexOf(Find<QWidget>(form, "TabSheetWiFi"))));

  // And back, with nothing open: no question.
  dialogs.shown.clear();
  Find<QAction>(form, "mnuSerialPort")->trigger();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(form->ConnectionMedium(), 0);
  EXPECT_TRUE(Find<QAction>(form, "mnuSerialPort")->isChecked());
  EXPECT_FALSE(Find<QAction>(form, "mnuWiFi")->isChecked());
}

TEST_F(SerialTest, FailedSendWhileConnectedIsReportedAndCloses) {
  PtyDevice dev;
  Make({dev.path});
  ConnectManual(dev);
  dev.Write("[DEVICE DATA END]\r\n");
  ASSERT_TRUE(WaitFor([&] { return form->Session().DeviceConnected == 1; }));
  // The device end goes away: writes to the port fail.
  close(dev.master);
  dev.master = -1;
  // The hang-up counts as a device change.
  EXPECT_TRUE(WaitFor([&] { return form->DeviceChanged(); }));
  EXPECT_FALSE(form->QueryDevice(17));
  EXPECT_THAT(Captions(), ElementsAre("Error: Serial port open error! Please check!"));
  EXPECT_FALSE(form->Comm()->IsOpen());
  EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->Tag, 0);
}

TEST_F(SerialTest, FailedSendWhileAutoDetectingIsSilent) {
  Make({});
  Find<QRadioButton>(form, "RadioButtonConnectionModeAuto")->setChecked(true);
  Find<TSpeedButton>(form, "OpenPort")->Tag = 1;
  form->Session().ConnectState = 1;
  EXPECT_FALSE(form->SendRecordSentence("P", "TST"));
  EXPECT_TRUE(dialogs.shown.empty());
}

}  // namespace
