// The Wi-Fi page of the main window: its set-up logic wired to the page's
// widgets, the window's links and timers.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QTimer>

#include "app/MainForm.h"
#include "app/pages/StaticDataPage.h"
#include "ui/core/LanguageTable.h"
#include "ui/core/TextDecode.h"
#include "wifi/core/WiFiSetup.h"
#include "wifi/widgets/NetworkList.h"
#include "wifi/widgets/QtWiFiPage.h"
#include "wifi/widgets/WiFiWindows.h"

namespace {

// What the set-up needs of the window around its page.
class FormWiFiHost : public WiFiHost {
 public:
  explicit FormWiFiHost(TForm1& f) : f_(f) {}
  bool SendRaw(const std::string& bytes) override { return f_.SendRaw(bytes); }
  bool SerialMediumChosen() const override { return f_.mnuSerialPort->isChecked(); }
  bool TcpMediumChosen() const override { return f_.mnuWiFi->isChecked(); }
  std::string ConnectionStatusText() const override {
    return f_.LabelConnectionStatus->text().toStdString();
  }
  bool ConnectionOpen() const override { return f_.OpenPort->Tag == 1; }
  bool DeviceDataEnd() const override { return f_.DeviceDataEnd == 1; }
  bool MainShowsConfig() const override {
    return f_.PageControlMain->currentWidget() == f_.TabSheetConfig;
  }
  bool ConfShowsWiFi() const override {
    return f_.PageControlConf->currentWidget() == f_.TabSheetWiFi;
  }
  void ShowStaticTab() override { f_.PageControlConf->setCurrentWidget(f_.TabSheetStatic); }
  void SetWiFiTabVisible(bool visible) override {
    f_.PageControlConf->setTabVisible(f_.PageControlConf->indexOf(f_.TabSheetWiFi), visible);
  }
  bool StepTimerEnabled() const override { return f_.Timer_WiFi_function->Enabled(); }
  void SetStepTimerEnabled(bool on) override { f_.Timer_WiFi_function->SetEnabled(on); }
  void Post(std::function<void()> work) override { QTimer::singleShot(0, &f_, std::move(work)); }
  void CopyToClipboard(const std::string& text) override {
    QGuiApplication::clipboard()->setText(
        QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
  }

 private:
  TForm1& f_;
};

// Ctrl+Shift+M on an edit, handed to the set-up.
class MemoKeyFilter : public QObject {
 public:
  MemoKeyFilter(QObject* parent, std::function<bool(int, bool, bool)> handler)
      : QObject(parent), handler_(std::move(handler)) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const auto mods = key->modifiers();
    return handler_(key->key(), mods & Qt::ControlModifier, mods & Qt::ShiftModifier);
  }

 private:
  std::function<bool(int, bool, bool)> handler_;
};

// Runs `handler` on one kind of event of a widget; true swallows the event.
class EventHook : public QObject {
 public:
  EventHook(QObject* target, QEvent::Type type, std::function<bool()> handler)
      : QObject(target), type_(type), handler_(std::move(handler)) {
    target->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    return event->type() == type_ && handler_();
  }

 private:
  QEvent::Type type_;
  std::function<bool()> handler_;
};

}  // namespace

struct TForm1::WiFiParts {
  std::unique_ptr<QtWiFiPage> page;
  std::unique_ptr<FormWiFiHost> host;
  std::unique_ptr<QtProgressWindow> progress;
  std::unique_ptr<QtPasswordPrompt> password;
  std::unique_ptr<WiFiSetup> setup;
  std::vector<QPixmap> images;  // ImageListWiFi
};

void TForm1::InitWiFiPage() {
  if (!wifiParts_) {
    auto parts = std::make_shared<WiFiParts>();
    IpAddressHandle = new IpAddressEdit(GroupBox_IP);
    IpAddressHandle->setObjectName("IpAddressHandle");
    GroupBox_IP->layout()->addWidget(IpAddressHandle);
    // Channels 1 to 11, as the module takes them.
    ComboBox_WiFi_Channel->clear();
    for (int c = 1; c <= 11; ++c) ComboBox_WiFi_Channel->addItem(QString::number(c));
    ComboBox_WiFi_Channel->setCurrentIndex(-1);
    WiFiPageWidgets w;
    w.CheckBox_WiFi_Open = CheckBox_WiFi_Open;
    w.SpeedButton_WiFi_FactoryDefault = SpeedButton_WiFi_FactoryDefault;
    w.GroupBox_ConfigureMode = GroupBox_ConfigureMode;
    w.RadioButton_AP = RadioButton_AP;
    w.RadioButton_STA = RadioButton_STA;
    w.PageControl_WiFiMode = PageControl_WiFiMode;
    w.TabSheet_AP = TabSheet_AP;
    w.TabSheet_STA = TabSheet_STA;
    w.GroupBox_AccessPoint = GroupBox_AccessPoint;
    w.GroupBox_STA = GroupBox_STA;
    w.Edit_WiFi_SSID = Edit_WiFi_SSID;
    w.Edit_WiFi_password = Edit_WiFi_password;
    w.CheckBox_WiFi_NonePassword = CheckBox_WiFi_NonePassword;
    w.ComboBox_WiFi_Channel = ComboBox_WiFi_Channel;
    w.CheckBox_WiFi_AutoSelect = CheckBox_WiFi_AutoSelect;
    w.Edit_WiFi_Port = Edit_WiFi_Port;
    w.Label_ShowIP = Label_ShowIP;
    w.Label_ShowPort = Label_ShowPort;
    w.Label_STA_Connect_Status = Label_STA_Connect_Status;
    w.Label_wifi_firmware_ver_AP = Label_wifi_firmware_ver_AP;
    w.SpeedButton_WiFi_STA_connect = SpeedButton_WiFi_STA_connect;
    w.SpeedButton_WiFi_Update = SpeedButton_WiFi_Update;
    w.SpeedButton_retry_dhcp_ip = SpeedButton_retry_dhcp_ip;
    w.StringGridWiFiList = StringGridWiFiList;
    w.Edit_Hide_WiFi = Edit_Hide_WiFi;
    w.Memo_WiFi = Memo_WiFi;
    w.IpAddressHandle = IpAddressHandle;
    parts->page = std::make_unique<QtWiFiPage>(
        w, [this](const std::string& bytes) { return DecodeWiFiText(bytes); });
    parts->host = std::make_unique<FormWiFiHost>(*this);
    parts->progress =
        std::make_unique<QtProgressWindow>(this, [this] { return WiFi->WiFiStatusText; });
    parts->password = std::make_unique<QtPasswordPrompt>(this);
    parts->setup =
        std::make_unique<WiFiSetup>(WiFiData, WiFiReportData, ApList, Texts, *parts->page,
                                    *parts->host, dialogs, *parts->progress, *parts->password);
    parts->images = MakeWiFiImages();
    WiFi = parts->setup.get();
    wifiParts_ = std::move(parts);
  }
  WiFi->InitWiFiPage();
  // The memo's design text stands as its first line.
  if (WiFi->Memo_WiFi.LineCount() == 0) WiFi->Memo_WiFi.Append("Debug and Receive the command");
}

void TForm1::WireWiFiPage() {
  WiFiSetup* s = WiFi;
  StringGridWiFiList->setItemDelegate(
      new NetworkListDelegate(ApList, wifiParts_->images, StringGridWiFiList));
  // Their states change only by the handlers, after the user confirmed.
  RadioButton_AP->setAutoExclusive(false);
  RadioButton_STA->setAutoExclusive(false);
  new PressFilter(RadioButton_AP, [s] { s->RadioButton_APMouseDown(); });
  new PressFilter(RadioButton_STA, [s] { s->RadioButton_STA_OnMouseDown(); });
  new PressFilter(CheckBox_WiFi_Open, [s] { s->CheckBox_WiFi_Open_OnMouseDown(); });
  connect(CheckBox_WiFi_NonePassword, &QCheckBox::clicked, this,
          [s] { s->CheckBox_WiFi_NonePasswordClick(); });
  connect(CheckBox_WiFi_AutoSelect, &QCheckBox::clicked, this,
          [s] { s->CheckBox_WiFi_AutoSelectClick(); });
  connect(SpeedButton_WiFi_FactoryDefault, &QPushButton::clicked, this,
          [s] { s->SpeedButton_WiFi_FactoryDefaultClick(); });
  connect(SpeedButton_WiFi_STA_connect, &QPushButton::clicked, this,
          [s] { s->SpeedButton_WiFi_STA_connectClick(); });
  connect(SpeedButton_WiFi_Update, &QPushButton::clicked, this,
          [s] { s->SpeedButton_WiFi_UpdateClick(); });
  connect(SpeedButton_retry_dhcp_ip, &QPushButton::clicked, this,
          [s] { s->SpeedButton_retry_dhcp_ipClick(); });
  connect(spbWiFi, &QPushButton::clicked, this, [s] { s->spbWiFiClick(); });
  connect(StringGridWiFiList, &QTableWidget::cellClicked, this,
          [s] { s->StringGridWiFiList_OnClick(); });
  connect(StringGridWiFiList, &QTableWidget::cellDoubleClicked, this,
          [s] { s->StringGridWiFiList_OnDblClick(); });
  new EventHook(Edit_Hide_WiFi, QEvent::MouseButtonPress, [s] {
    s->Edit_Hide_WiFiClick();
    return false;
  });
  new EventHook(Memo_WiFi->viewport(), QEvent::MouseButtonDblClick, [s] {
    s->Memo_WiFiDblClick();
    return true;
  });
  Edit_WiFi_SSID->installEventFilter(new MemoKeyFilter(
      Edit_WiFi_SSID, [s](int k, bool c, bool sh) { return s->Edit_WiFi_SSIDKeyDown(k, c, sh); }));
  Edit_Hide_WiFi->installEventFilter(new MemoKeyFilter(
      Edit_Hide_WiFi, [s](int k, bool c, bool sh) { return s->Edit_Hide_WiFiKeyDown(k, c, sh); }));
  new EventHook(this, QEvent::WindowActivate, [s] {
    s->FormOnActivate();
    return false;
  });
  LimitCommandText(Edit_Hide_WiFi, static_cast<int>(kMaxSsidBytes));
  Edit_WiFi_Port->setValidator(
      new QRegularExpressionValidator(QRegularExpression("[0-9]{0,5}"), Edit_WiFi_Port));
}

std::string TForm1::DecodeWiFiText(const std::string& bytes) const {
  return DecodeText(bytes, LanguageForSetting(LanguageIndex).codePage);
}

void TForm1::Timer_WiFi_functionTimer() { WiFi->Timer_WiFi_functionTimer(); }
void TForm1::CheckWiFiSetupLink() { WiFi->CheckWiFiSetupLink(); }
void TForm1::CheckWiFiTimeouts() { WiFi->CheckWiFiTimeouts(); }
void TForm1::UpdateIpAddressControl() { WiFi->UpdateIpAddressControl(); }
bool TForm1::UpdateWiFiTabVisibility() { return WiFi->UpdateWiFiTabVisibility(); }
void TForm1::CloseProcessingBar() { WiFi->CloseProcessingBar(); }
void TForm1::WiFiConfigureDevice() { WiFi->WiFiConfigureDevice(); }
bool TForm1::WiFiReadDevice() { return WiFi->WiFiReadDevice(); }
void TForm1::EnableWiFiPageControls(bool enabled) { WiFi->EnableWiFiPageControls(enabled); }
void TForm1::StartLoadWiFiSettings() { WiFi->StartLoadWiFiSettings(); }
void TForm1::FillWiFiReportData() { WiFi->FillWiFiReportData(); }

bool TForm1::ProcessingBarRunning() {
  TForm_ProcessingBar* bar = wifiParts_ ? wifiParts_->progress->Bar() : nullptr;
  return bar && bar->Timer_status->isActive();
}
