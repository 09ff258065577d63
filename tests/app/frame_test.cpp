// The window's start-up state, its housekeeping timer, the settings folder
// and the port lists.
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

#include <fstream>

#include "tests/app/conn_fixture.h"
#include "tests/support/find_control.h"
#include "ui/core/LanguageSetting.h"

using namespace conn;
using ::testing::ElementsAre;

namespace {

using FrameTest = FormTest;

TEST_F(FrameTest, StartsIdleWithTheFormDefaults) {
  Make();
  EXPECT_EQ(form->windowTitle().toStdString(), "Kvor Vantrel");
  EXPECT_TRUE(Find<TTimer>(form, "Timer2")->Enabled());
  for (TTimer* t :
       {Find<TTimer>(form, "Timer1"), Find<TTimer>(form, "TimerConnection"),
        Find<TTimer>(form, "TimerUpdateSysChk"), Find<TTimer>(form, "Timer_WiFi_function")})
    EXPECT_FALSE(t->Enabled()) << t->objectName().toStdString();
  EXPECT_EQ(Find<TTimer>(form, "Timer1")->Interval(), 1000);
  EXPECT_EQ(Find<TTimer>(form, "TimerConnection")->Interval(), 200);
  EXPECT_EQ(form->ConnectionMedium(), 0);
  EXPECT_TRUE(Find<QAction>(form, "mnuSerialPort")->isChecked());
  EXPECT_FALSE(Find<QAction>(form, "mnuWiFi")->isChecked());
  EXPECT_TRUE(Find<QMenu>(form, "mnuOption")->menuAction()->isVisible());
  EXPECT_FALSE(Find<QMenu>(form, "mnuLanguage")->menuAction()->isVisible());
  EXPECT_TRUE(Find<QRadioButton>(form, "RadioButtonConnectionModeManual")->isChecked());
  EXPECT_EQ(Find<QTabWidget>(form, "PageControlDetectComPortMode")->currentWidget(),
            Find<QWidget>(form, "TabSheetManualDetectComPort"));
  EXPECT_FALSE(Find<QGroupBox>(form, "GroupBoxSerialConnectionMode")->isHidden());
  EXPECT_TRUE(Find<QGroupBox>(form, "GroupBoxWiFiConnectionMode")->isHidden());
  // The TCP link's defaults: the transponder's own access point.
  EXPECT_EQ(Find<TLabeledEdit>(form, "LabelEditWiFi_TCP_IP")->text().toStdString(), "192.168.2.1");
  EXPECT_EQ(Find<TLabeledEdit>(form, "LabelEditWiFi_Port")->text().toStdString(), "3333");
  EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->text().toStdString(), "Connect");
  EXPECT_EQ(Find<TLabel>(form, "LabelConnectionStatus")->text().toStdString(), "Disconnect...");
  EXPECT_TRUE(Find<QLabel>(form, "lblFirmVer")->text().isEmpty());
  EXPECT_EQ(Find<QComboBox>(form, "cbxBaudRate")->count(), 1);
  EXPECT_EQ(Find<QComboBox>(form, "cbxBaudRate")->currentText().toStdString(), "115200");
  EXPECT_EQ(form->ReportCountdown(), 255);
  for (QWidget* tab :
       {Find<QWidget>(form, "TabSheetSRMText"), Find<QWidget>(form, "TabSheetEncryption"),
        Find<QWidget>(form, "TabSheetButtonSRM")})
    EXPECT_FALSE(Find<QTabWidget>(form, "PageControlConf")
                     ->isTabVisible(Find<QTabWidget>(form, "PageControlConf")->indexOf(tab)))
        << tab->objectName().toStdString();
  EXPECT_EQ(Find<QTabWidget>(form, "PageControlMain")->currentWidget(),
            Find<QWidget>(form, "TabSheetConfig"));
  EXPECT_EQ(Find<QTabWidget>(form, "PageControlConf")->currentWidget(),
            Find<QWidget>(form, "TabSheetStatic"));
  EXPECT_EQ(Find<QTabWidget>(form, "PageControlDiagnosis")->currentWidget(),
            Find<QWidget>(form, "TabSheetSystemCheck"));
  EXPECT_EQ(form->Comm()->BaudRate(), br115200);
  EXPECT_FALSE(form->Comm()->IsOpen());
}

TEST_F(FrameTest, ControlsCarryTheirNames) {
  Make();
  const char* names[] = {"cbxComPort",
                         "OpenPort",
                         "LabelConnectionStatus",
                         "PageControlMain",
                         "PageControlConf",
                         "PageControlDiagnosis",
                         "TabSheetWiFi",
                         "Memo_WiFi",
                         "MaskEditMMSI",
                         "lblEdtName",
                         "cbx_NMEABaudRateNo4",
                         "lblEdtSRMTextMsg14",
                         "LabeledEditEncryptionASCII",
                         "StringGridWiFiList",
                         "lblValRxCntB",
                         "lblEdtGpsNoSV_InUse",
                         "MemoDataLog",
                         "EditSendCommand",
                         "GroupBoxWiFiConnectionMode",
                         "LabelEditWiFi_TCP_IP",
                         "mnuSerialPort"};
  for (const char* n : names) {
    auto found = form->findChildren<QObject*>(n);
    EXPECT_EQ(found.size(), 1) << n;
  }
  EXPECT_EQ(Find<TLabeledEdit>(form, "lblEdtName")->maxLength(), 20);
  EXPECT_EQ(Find<TLabeledEdit>(form, "lblEdtCallSign")->maxLength(), 7);
  EXPECT_EQ(Find<TEdit>(form, "EditSendCommand")->maxLength(), 84);
  EXPECT_EQ(Find<TLabeledEdit>(form, "lblEdtSRMText1")->text().toStdString(), "R.T.V.");
  EXPECT_EQ(Find<TLabeledEdit>(form, "lblEdtSRMText4")->EditLabel->text().toStdString(),
            "SRM Text 4 ");
}

TEST_F(FrameTest, ReportFollowsReadDeviceOnTheNextTickOnce) {
  Make();
  form->SetReportCountdown(1);
  form->Timer2Timer();
  EXPECT_EQ(form->ReportCountdown(), 255);
  const size_t asked = dialogs.saveRequests.size();
  form->Timer2Timer();
  form->Timer2Timer();
  EXPECT_EQ(dialogs.saveRequests.size(), asked);
  EXPECT_EQ(form->ReportCountdown(), 255);
}

TEST_F(FrameTest, SettingsLiveUnderTheDocumentsFolder) {
  Make();
  const std::string dir = (docs / "Kvor/VantrelCfg/").string();
  EXPECT_TRUE(std::filesystem::is_directory(dir));
  EXPECT_EQ(form->SettingsFile(), dir + "KvorAisConfig.ini");

  // The stored language comes back; the close query writes it again.
  form->SetLanguageIndex(3);
  dialogs.answers = {DialogResult::Ok};
  ASSERT_TRUE(form->FormCloseQuery());
  EXPECT_EQ(ReadLanguageSetting(form->SettingsFile()), 3);
  form.reset();
  Make();
  EXPECT_EQ(form->LanguageIndex(), 3);

  // Cancel changes nothing.
  form->SetLanguageIndex(1);
  dialogs.answers = {DialogResult::Cancel};
  EXPECT_FALSE(form->FormCloseQuery());
  EXPECT_EQ(ReadLanguageSetting(form->SettingsFile()), 3);
}

TEST_F(FrameTest, SettingsFallBackToTheDocumentsFolder) {
  // "Kvor" exists as a file: the folder cannot be made.
  std::ofstream(docs / "Kvor") << "x";
  Make();
  EXPECT_EQ(form->SettingsFile(), docs.string() + "/KvorAisConfig.ini");
}

TEST_F(FrameTest, PortListsFollowTheDevices) {
  PtyDevice a, b, held;
  held.Hold();
  Make({b.path, held.path, a.path});
  std::vector<std::string> shown;
  for (int i = 0; i < Find<QComboBox>(form, "cbxComPort")->count(); ++i)
    shown.push_back(Find<QComboBox>(form, "cbxComPort")->itemText(i).toStdString());
  std::vector<std::string> names{a.Name(), b.Name(), held.Name()};
  std::sort(names.begin(), names.end(), NaturalLess);
  EXPECT_EQ(shown, names);
  EXPECT_EQ(Find<QComboBox>(form, "cbxComPort")->currentIndex(), 0);
  EXPECT_EQ(static_cast<int>(form->ComPortList().size()), 3);
  EXPECT_EQ(static_cast<int>(form->OpenablePortList().size()), 2);
  for (const auto& p : form->OpenablePortList()) EXPECT_NE(p.path, held.path);
  EXPECT_EQ(form->Comm()->DeviceName(), form->ComPortList().front().path);

  // Changing the selection while closed changes the port to open.
  Find<QComboBox>(form, "cbxComPort")->setCurrentIndex(2);
  EXPECT_EQ(form->Comm()->DeviceName(), form->ComPortList()[2].path);

  // No port left: "N/A" and both lists empty.
  ports->SetPaths({});
  form->RadioButtonConnectionModeAutoClick();
  EXPECT_EQ(static_cast<int>(form->ComPortList().size()), 0);
  EXPECT_EQ(static_cast<int>(form->OpenablePortList().size()), 0);
  EXPECT_EQ(Find<QComboBox>(form, "cbxComPort")->currentText().toStdString(), "N/A");
}

TEST_F(FrameTest, RebuildWhileConnectedKeepsTheSelectedPort) {
  PtyDevice a, b;
  const bool aFirst = NaturalLess(a.Name(), b.Name());
  PtyDevice& late = aFirst ? b : a;   // sorts last
  PtyDevice& early = aFirst ? a : b;  // appears later and sorts first
  Make({late.path});
  form->OpenPortClick();
  late.Write("[DEVICE DATA END]\r\n");
  ASSERT_TRUE(WaitFor([&] { return form->Session().DeviceConnected == 1; }));
  ports->SetPaths({late.path, early.path});
  form->DeviceChangeNotice();
  form->Timer2Timer();
  form->Timer2Timer();
  EXPECT_EQ(static_cast<int>(form->ComPortList().size()), 2);
  EXPECT_EQ(Find<QComboBox>(form, "cbxComPort")->currentText().toStdString(), late.Name());
  EXPECT_TRUE(form->Comm()->IsOpen());
  EXPECT_EQ(form->Comm()->DeviceName(), late.path);
  // Changing the selector while open leaves the open port alone.
  Find<QComboBox>(form, "cbxComPort")
      ->setCurrentIndex(
          Find<QComboBox>(form, "cbxComPort")->findText(QString::fromStdString(early.Name())));
  EXPECT_EQ(form->Comm()->DeviceName(), late.path);
}

TEST(PortDiscoveryTest, NamesSortNaturallyAndRepeatsGo) {
  EXPECT_TRUE(NaturalLess("ttyUSB2", "ttyUSB10"));
  EXPECT_FALSE(NaturalLess("ttyUSB10", "ttyUSB2"));
  EXPECT_TRUE(NaturalLess("ttyACM9", "ttyUSB0"));
  EXPECT_TRUE(NaturalLess("ttyS007", "ttyS8"));
  EXPECT_FALSE(NaturalLess("a", "a"));
  EXPECT_TRUE(NaturalLess("a", "a1"));
  std::vector<SerialPortInfo> ports =
      PortsFromList("/dev/ttyUSB10::/tmp/sim/port:/dev/ttyUSB2:/dev/ttyUSB10");
  SortAndDedupPorts(ports);
  ASSERT_EQ(ports.size(), 3u);
  EXPECT_EQ(ports[0].name, "port");
  EXPECT_EQ(ports[1].path, "/dev/ttyUSB2");
  EXPECT_EQ(ports[2].name, "ttyUSB10");
}

TEST(PortDiscoveryTest, ProbeSeesHeldAndMissingPorts) {
  PtyDevice dev;
  EXPECT_TRUE(ProbeSerialPort(dev.path));
  EXPECT_TRUE(ProbeSerialPort(dev.path));  // the probe let go of it
  dev.Hold();
  EXPECT_FALSE(ProbeSerialPort(dev.path));
  EXPECT_FALSE(ProbeSerialPort("/dev/kvor-no-such-port"));
}

TEST(PortDiscoveryTest, EnvironmentAddsPorts) {
  PtyDevice dev;
  setenv("KVOR_SERIAL_PORTS", (dev.path + ":/tmp/kvor-missing").c_str(), 1);
  SystemPortDiscovery system;
  const auto ports = system.Enumerate();
  unsetenv("KVOR_SERIAL_PORTS");
  bool found = false;
  for (const auto& p : ports) found |= p.path == dev.path && p.name == dev.Name();
  EXPECT_TRUE(found);
  for (size_t i = 1; i < ports.size(); ++i)
    EXPECT_FALSE(NaturalLess(ports[i].name, ports[i - 1].name));
}

}  // namespace

namespace {

// Runs the event loop until a timer of ms, started now, has fired n times:
// a timer of that interval that still ran would have ticked meanwhile,
// however slowly the machine runs.
void RunIntervals(int ms, int n) {
  QTimer probe;
  int fired = 0;
  QObject::connect(&probe, &QTimer::timeout, [&] { ++fired; });
  probe.start(ms);
  ASSERT_TRUE(WaitFor([&] { return fired >= n; }, 10000));
}

// A handler that sits in a nested event loop (a modal box) must not stop
// its own timer from ticking.
TEST(TTimerTest, KeepsTickingWhileItsHandlerWaitsInANestedLoop) {
  TTimer timer(nullptr, "t", 10, true);
  int ticks = 0;
  int ticksWhileNested = 0;
  bool nested = false;
  timer.OnTimer = [&] {
    ++ticks;
    if (nested) ++ticksWhileNested;
    if (ticks == 1) {
      nested = true;
      WaitFor([&] { return ticksWhileNested >= 3; }, 10000);  // the modal loop
      nested = false;
    }
  };
  timer.Start();
  ASSERT_TRUE(WaitFor([&] { return ticks >= 1 && !nested; }, 15000));
  EXPECT_GE(ticksWhileNested, 3);
  timer.Stop();
  const int stopped = ticks;
  RunIntervals(10, 5);
  EXPECT_EQ(ticks, stopped);

  // Without live timers only the state is kept.
  TTimer manual(nullptr, "m", 10, false);
  manual.OnTimer = [&] { ++ticks; };
  manual.Start();
  EXPECT_TRUE(manual.Enabled());
  RunIntervals(10, 5);
  EXPECT_EQ(ticks, stopped);
}

}  // namespace
