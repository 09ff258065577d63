// Start-up of the main window, its housekeeping timers, the close query and
// the choice of connection medium.
#include "app/MainForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTabWidget>

#include <filesystem>

#include "app/DeviceMonitor.h"
#include "app/QtUiDispatcher.h"
#include "app/core/SysCheck.h"
#include "app/pages/ConnectionPanel.h"
#include "app/pages/EncryptionPage.h"
#include "app/pages/SrmButtonPage.h"
#include "app/pages/SrmTextPage.h"
#include "app/pages/WiFiSetupPage.h"
#include "ui/core/LanguageSetting.h"
#include "ui/widgets/QtDialogs.h"
#include "wifi/core/WiFiSetup.h"

namespace {

std::unique_ptr<Dialogs> MakeDialogs(const TForm1Options& options) {
  if (options.dialogs) return nullptr;
  return std::make_unique<QtDialogs>();
}

std::string WithSlash(std::string dir) {
  if (dir.empty() || dir.back() != '/') dir += '/';
  return dir;
}

}  // namespace

TForm1::TForm1(QWidget* parent) : TForm1(TForm1Options{}, parent) {}

TForm1::TForm1(const TForm1Options& options, QWidget* parent)
    : QMainWindow(parent),
      ownedDialogs_(MakeDialogs(options)),
      dialogs(options.dialogs ? *options.dialogs : *ownedDialogs_),
      protocol_(std::make_unique<ProtocolState>()),
      commSystem_(options.commSystem),
      liveTimers_(options.liveTimers) {
  if (auto* qt = dynamic_cast<QtDialogs*>(ownedDialogs_.get())) qt->SetParent(this);
  if (options.dispatcher) {
    dispatcher_ = options.dispatcher;
  } else {
    ownedDispatcher_ = std::make_unique<QtUiDispatcher>();
    dispatcher_ = ownedDispatcher_.get();
  }
  ports_ = options.ports ? options.ports : std::make_shared<SystemPortDiscovery>();

  Timer1 = new TTimer(this, "Timer1", 1000, liveTimers_);
  TimerConnection = new TTimer(this, "TimerConnection", 200, liveTimers_);
  Timer2 = new TTimer(this, "Timer2", 1000, liveTimers_);
  TimerUpdateSysChk = new TTimer(this, "TimerUpdateSysChk", 1000, liveTimers_);
  Timer_WiFi_function = new TTimer(this, "Timer_WiFi_function", 1000, liveTimers_);
  Timer1->OnTimer = [this] { Timer1Timer(); };
  TimerConnection->OnTimer = [this] { TimerConnectionTimer(); };
  Timer2->OnTimer = [this] { Timer2Timer(); };
  TimerUpdateSysChk->OnTimer = [this] { TimerUpdateSysChkTimer(); };
  Timer_WiFi_function->OnTimer = [this] { Timer_WiFi_functionTimer(); };

  InstallControlAccessibility();
  InitLinks();
  InitConnectionSession();
  BuildFrame();

  // 1. Start values.
  ResetDeviceInfo();
  ResetGpsCounters();
  // 2.-5. Program folder, settings folder and file.
  InitSettingsPaths(options.documentsDir, options.appDir);
  // 6. Language and message texts.
  languageIndex_ = ReadLanguageSetting(settingsFile_);
  InitDefaultTexts(texts_);
  connectionPanel_->SetConnectCaption(texts_.Connect[0]);
  // 7.-8. Serial component, port lists, connection pages, a clean session.
  InitSerialPort();
  connectionPanel_->InitPages();
  ResetSession();
  // 9. The AIS target table starts empty: a fresh ProtocolState is.
  // 10. Ship types: the static page lists them.
  // 11. First pages.
  PageControlMain->setCurrentIndex(0);
  PageControlConf->setCurrentIndex(0);
  PageControlDiagnosis->setCurrentIndex(0);
  // 12.
  UpdateCheckImages(SystemCheckNow());
  CreateSatelliteChart();
  // 13.-15. Menus.
  menus_.mnuOptionAction->setVisible(true);
  menus_.mnuConnectionAction->setVisible(true);
  connectionPanel_->EqualizeGroups();
  connectionPanel_->ShowMedium(!menus_.mnuWiFi->isChecked());
  menus_.mnuLanguageAction->setVisible(false);
  // 16.-17. Device-dependent pages stay hidden until the device reports them.
  for (QWidget* tab :
       std::initializer_list<QWidget*>{TabSheetSRMText, TabSheetEncryption, TabSheetButtonSRM})
    PageControlConf->setTabVisible(PageControlConf->indexOf(tab), false);
  // 18.-19. Wi-Fi page.
  InitWiFiPage();

  WireFrame();
  WireConfigPages();
  WireDiagnosisPages();
  WireWiFiPage();
  WireLanguageAndReport();

  // Device-change notices; the window runs without them where udev is absent.
  if (options.deviceMonitor)
    deviceMonitor_ = new DeviceMonitor(this, [this] { DeviceChangeNotice(); });
  Timer2->Start();
}

TForm1::~TForm1() {
  closing_ = true;
  alive_.reset();
  Timer1->Stop();
  Timer2->Stop();
  TimerConnection->Stop();
  TimerUpdateSysChk->Stop();
  Timer_WiFi_function->Stop();
  // Nothing of either link may reach the window once it is gone.
  tcp_->Close();
  serial_->Close();
}

void TForm1::InitSettingsPaths(const std::string& documentsDir, const std::string& appDir) {
  appDir_ =
      WithSlash(appDir.empty() ? QCoreApplication::applicationDirPath().toStdString() : appDir);
  std::string docs = documentsDir;
  if (docs.empty())
    docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
  // No Documents folder at all: the home folder, then the working folder.
  if (docs.empty()) docs = QDir::homePath().toStdString();
  docs = WithSlash(docs.empty() ? std::string(".") : docs);
  std::string dir = docs + "Kvor/VantrelCfg/";
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (!std::filesystem::is_directory(dir, ec)) dir = docs;
  settingsFile_ = dir + "KvorAisConfig.ini";
}

void TForm1::WireFrame() {
  connect(menus_.mnuExit, &QAction::triggered, this, [this] { btnExitClick(); });
  ConnectionPanel* panel = connectionPanel_;
  connect(panel, &ConnectionPanel::ExitClicked, this, [this] { btnExitClick(); });
  connect(menus_.mnuAbout, &QAction::triggered, this, [this] { mnuAboutClick(); });
  // The radio group checks the clicked item before the question is asked;
  // SelectConnectionMedium puts the marks where they belong.
  connect(menus_.mnuSerialPort, &QAction::triggered, this, [this] { mnuSerialPortClick(); });
  connect(menus_.mnuWiFi, &QAction::triggered, this, [this] { mnuWiFiClick(); });
  connect(panel, &ConnectionPanel::ConnectClicked, this, [this] { OpenPortClick(); });
  connect(panel, &ConnectionPanel::StatusDoubleClicked, this,
          [this] { LabelConnectionStatusDblClick(); });
  connect(panel, &ConnectionPanel::PortTextChanged, this, [this] { cbxComPortChange(); });
  connect(panel, &ConnectionPanel::BaudIndexChanged, this, [this] { cbxBaudRateChange(); });
  connect(panel, &ConnectionPanel::ModeClicked, this,
          [this] { RadioButtonConnectionModeAutoClick(); });
}

void TForm1::DeviceChangeNotice() {
  deviceChanged_ = 1;
  WiFiData.reloadNeeded = 1;
}

void TForm1::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  WiFiData.ipControlShown = 1;
}

void TForm1::Timer1Timer() { session_->Tick(); }

void TForm1::Timer2Timer() {
  // A burst of notices rebuilds the lists once, on the second tick.
  if (deviceChanged_ == 1) {
    ++deviceChangeTicks_;
    if (deviceChangeTicks_ >= 2) {
      deviceChanged_ = 0;
      deviceChangeTicks_ = 0;
      EnumComPorts();
      ProbeComPorts();
      FillComPortCombo();
      CheckConnectedPortPresent(session_->DeviceConnected != 0);
    }
  }
  if (reportCountdown_ >= 1 && reportCountdown_ < 255) --reportCountdown_;
  wifi_->CheckWiFiSetupLink();
  if (wifi_->Memo_WiFi.LineCount() > 5000) wifi_->Memo_WiFi.Clear();
  wifi_->CheckWiFiTimeouts();
  if (reportCountdown_ == 0) {
    reportCountdown_ = 255;
    if (PageControlConf->isTabVisible(PageControlConf->indexOf(TabSheetWiFi)))
      RefreshWiFiBeforeReport();
    WriteConfigReport();
  }
}

bool TForm1::FormCloseQuery() {
  if (dialogs.MessageBox(texts_.QueryExit, texts_.Exit_Caption, DialogButtons::OkCancel,
                         DialogIcon::Question) != DialogResult::Ok)
    return false;
  serial_->Close();
  tcp_->Close();
  std::string error;
  WriteLanguageSetting(settingsFile_, languageIndex_, &error);
  return true;
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (closing_ || FormCloseQuery()) {
    closing_ = true;
    event->accept();
    // The run ends with the main window, whatever else is still open.
    QCoreApplication::quit();
  } else {
    event->ignore();
  }
}

void TForm1::btnExitClick() { close(); }

void TForm1::mnuSerialPortClick() { SelectConnectionMedium(0, menus_.mnuSerialPort); }

void TForm1::mnuWiFiClick() { SelectConnectionMedium(1, menus_.mnuWiFi); }

void TForm1::SelectConnectionMedium(int medium, QAction* menuItem) {
  // The menu item's own click toggles its mark; put the marks back first.
  menus_.mnuSerialPort->setChecked(medium_ == 0);
  menus_.mnuWiFi->setChecked(medium_ == 1);
  if (medium == medium_) return;
  if (connectionPanel_->ConnectTag() == 1) {
    if (dialogs.MessageBox(texts_.ConnectionChangeText, texts_.Warning, DialogButtons::OkCancel,
                           DialogIcon::Warning) != DialogResult::Ok)
      return;
    ToggleConnection();
  }
  menus_.mnuSerialPort->setChecked(menuItem == menus_.mnuSerialPort);
  menus_.mnuWiFi->setChecked(menuItem == menus_.mnuWiFi);
  medium_ = static_cast<int8_t>(medium);
  link_ = medium == 0 ? static_cast<Link*>(serial_.get()) : tcp_.get();
  connectionPanel_->ShowMedium(medium == 0);
  if (medium != 0) {
    Timer_WiFi_function->Stop();
    PageControlConf->setTabVisible(PageControlConf->indexOf(TabSheetWiFi), false);
    if (WiFiData.ipControlShown == 1) wifi_->UpdateIpAddressControl();
  }
}
