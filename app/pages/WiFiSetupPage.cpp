// The Wi-Fi page built and laid out, its controls hooked to the set-up, and
// its part of the configuration report.
#include "app/pages/WiFiSetupPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "app/pages/PageBuild.h"
#include "ui/core/ConfigReport.h"
#include "wifi/core/WiFiSetup.h"
#include "wifi/widgets/ControlHooks.h"
#include "wifi/widgets/IpAddressEdit.h"
#include "wifi/widgets/NetworkList.h"

namespace {

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

}  // namespace

WiFiSetupPage::WiFiSetupPage(QTabWidget* pages,
                             std::function<std::string(const std::string&)> decode)
    : QWidget(pages), decode_(std::move(decode)), pages_(pages) {
  setObjectName("TabSheetWiFi");
  pages->addTab(this, "Wi-Fi");
  auto* v = new QVBoxLayout(this);

  Edit_cover = Named(new TEdit(this), "Edit_cover");
  Edit_cover->setReadOnly(true);
  Edit_cover->setFrame(false);
  Edit_cover->setFocusPolicy(Qt::NoFocus);
  Edit_cover->setFixedHeight(4);
  Edit_cover->setStyleSheet("background: #FFFBF0;");
  Edit_cover->setFixedWidth(596);
  v->addWidget(Edit_cover);

  auto* head = new QHBoxLayout;
  CheckBox_WiFi_Open = Named(new TCheckBox("Enable Wi-Fi", this), "CheckBox_WiFi_Open");
  head->addWidget(CheckBox_WiFi_Open);
  GroupBox_ConfigureMode =
      Named(new QGroupBox("Select Wi-Fi Mode", this), "GroupBox_ConfigureMode");
  {
    auto* h = new QHBoxLayout(GroupBox_ConfigureMode);
    RadioButton_AP =
        Named(new TRadioButton("Access Point", GroupBox_ConfigureMode), "RadioButton_AP");
    RadioButton_STA = Named(new TRadioButton("Client", GroupBox_ConfigureMode), "RadioButton_STA");
    RadioButton_AP->setChecked(true);
    // Their states change only by the handlers, after the user confirmed.
    RadioButton_AP->setAutoExclusive(false);
    RadioButton_STA->setAutoExclusive(false);
    h->addWidget(RadioButton_AP);
    h->addWidget(RadioButton_STA);
  }
  head->addWidget(GroupBox_ConfigureMode);
  head->addStretch(1);
  SpeedButton_WiFi_FactoryDefault =
      NewButton(this, "SpeedButton_WiFi_FactoryDefault", "Factory Reset");
  head->addWidget(SpeedButton_WiFi_FactoryDefault);
  v->addLayout(head);

  Label_wifi_firmware_ver_AP = NewLabel(this, "Label_wifi_firmware_ver_AP", "");
  v->addWidget(Label_wifi_firmware_ver_AP);

  PageControl_WiFiMode = Named(new QTabWidget(this), "PageControl_WiFiMode");
  TabSheet_AP = NewPage(PageControl_WiFiMode, "TabSheet_AP", "     Access Point");
  TabSheet_STA = NewPage(PageControl_WiFiMode, "TabSheet_STA", "     Client");
  v->addWidget(PageControl_WiFiMode, 1);
  BuildAccessPointTab();
  BuildClientTab();

  spbWiFi = NewButton(this, "spbWiFi", "Config");
  spbWiFi->hide();
  Memo_WiFi = Named(new QPlainTextEdit(this), "Memo_WiFi");
  Memo_WiFi->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo_WiFi->setReadOnly(true);
  Memo_WiFi->setUndoRedoEnabled(false);  // a log of up to 5,000 lines; nothing to undo
  Memo_WiFi->setMinimumSize(269, 138);
  Memo_WiFi->hide();
  v->addWidget(Memo_WiFi);
}

void WiFiSetupPage::BuildAccessPointTab() {
  auto* apLayout = new QVBoxLayout(TabSheet_AP);
  GroupBox_AccessPoint =
      Named(new QGroupBox("Access Point Settings", TabSheet_AP), "GroupBox_AccessPoint");
  auto* g = new QGridLayout(GroupBox_AccessPoint);
  QWidget* b = GroupBox_AccessPoint;
  Label_SSID = NewLabel(b, "Label_SSID", "SSID");
  Edit_WiFi_SSID = Named(new TEdit(b), "Edit_WiFi_SSID");
  Edit_WiFi_SSID->setMaxLength(32);
  Label_Password = NewLabel(b, "Label_Password", "Password");
  Edit_WiFi_password = Named(new TEdit(b), "Edit_WiFi_password");
  Edit_WiFi_password->setMaxLength(63);
  CheckBox_WiFi_NonePassword = Named(new QCheckBox("No Password", b), "CheckBox_WiFi_NonePassword");
  Label_Channel = NewLabel(b, "Label_Channel", "Channel");
  ComboBox_WiFi_Channel = Named(new QComboBox(b), "ComboBox_WiFi_Channel");
  // Channels 1 to 11, as the module takes them; none chosen until it says.
  for (int c = 1; c <= 11; ++c) ComboBox_WiFi_Channel->addItem(QString::number(c));
  ComboBox_WiFi_Channel->setCurrentIndex(-1);
  ComboBox_WiFi_Channel->setMinimumWidth(80);
  CheckBox_WiFi_AutoSelect = Named(new QCheckBox("Auto selected", b), "CheckBox_WiFi_AutoSelect");
  GroupBox_IP = Named(new QGroupBox("Device IP Address", b), "GroupBox_IP");
  new QHBoxLayout(GroupBox_IP);
  GroupBox_IP->setMinimumHeight(56);
  GroupBox_Port = Named(new QGroupBox("Port", b), "GroupBox_Port");
  {
    auto* h = new QHBoxLayout(GroupBox_Port);
    Edit_WiFi_Port = Named(new TEdit(GroupBox_Port), "Edit_WiFi_Port");
    Edit_WiFi_Port->setMaxLength(5);
    Edit_WiFi_Port->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9]{0,5}"), Edit_WiFi_Port));
    h->addWidget(Edit_WiFi_Port);
  }
  g->addWidget(Label_SSID, 0, 0);
  g->addWidget(Edit_WiFi_SSID, 0, 1, 1, 2);
  g->addWidget(Label_Password, 1, 0);
  g->addWidget(Edit_WiFi_password, 1, 1);
  g->addWidget(CheckBox_WiFi_NonePassword, 1, 2);
  g->addWidget(Label_Channel, 2, 0);
  g->addWidget(ComboBox_WiFi_Channel, 2, 1, Qt::AlignLeft);
  g->addWidget(CheckBox_WiFi_AutoSelect, 2, 2);
  auto* addr = new QHBoxLayout;
  addr->addWidget(GroupBox_IP, 2);
  addr->addWidget(GroupBox_Port, 1);
  g->addLayout(addr, 3, 0, 1, 3);
  g->setColumnStretch(1, 1);
  apLayout->addWidget(GroupBox_AccessPoint);
  apLayout->addStretch(1);
}

void WiFiSetupPage::BuildClientTab() {
  auto* staLayout = new QVBoxLayout(TabSheet_STA);
  GroupBox_STA = Named(new QGroupBox("Available Networks", TabSheet_STA), "GroupBox_STA");
  auto* g = new QGridLayout(GroupBox_STA);
  QWidget* b = GroupBox_STA;
  StringGridWiFiList = Named(new TStringGrid(0, 4, b), "StringGridWiFiList");
  StringGridWiFiList->horizontalHeader()->hide();
  StringGridWiFiList->verticalHeader()->hide();
  StringGridWiFiList->verticalHeader()->setDefaultSectionSize(20);
  StringGridWiFiList->setSelectionBehavior(QAbstractItemView::SelectRows);
  StringGridWiFiList->setSelectionMode(QAbstractItemView::SingleSelection);
  StringGridWiFiList->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGridWiFiList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  StringGridWiFiList->setMinimumSize(350, 170);
  Edit_Hide_WiFi = Named(new TEdit(b), "Edit_Hide_WiFi");
  Edit_Hide_WiFi->setMaxLength(32);
  Edit_Hide_WiFi->setPlaceholderText("Hidden network");
  LimitCommandText(Edit_Hide_WiFi, static_cast<int>(kMaxSsidBytes));
  SpeedButton_WiFi_STA_connect = NewButton(b, "SpeedButton_WiFi_STA_connect", "Connect");
  SpeedButton_WiFi_Update = NewButton(b, "SpeedButton_WiFi_Update", "Refresh");
  SpeedButton_retry_dhcp_ip = NewButton(b, "SpeedButton_retry_dhcp_ip", "Retry DHCP");
  SpeedButton_retry_dhcp_ip->hide();
  Label_STA_Connect_Status = NewLabel(b, "Label_STA_Connect_Status", "Disconnected");
  Label_STA_Connect_Status->setStyleSheet("color: #c0c0c0;");
  Label_ShowIP = NewLabel(b, "Label_ShowIP", "n/a");
  Label_ShowPort = NewLabel(b, "Label_ShowPort", "n/a");
  g->addWidget(StringGridWiFiList, 0, 0, 5, 1);
  g->addWidget(SpeedButton_WiFi_Update, 0, 1);
  g->addWidget(Edit_Hide_WiFi, 1, 1);
  g->addWidget(SpeedButton_WiFi_STA_connect, 2, 1);
  g->addWidget(SpeedButton_retry_dhcp_ip, 3, 1);
  auto* status = new QFormLayout;
  status->addRow("Status", Label_STA_Connect_Status);
  status->addRow("IP", Label_ShowIP);
  status->addRow("Port", Label_ShowPort);
  g->addLayout(status, 4, 1);
  g->setColumnStretch(0, 1);
  staLayout->addWidget(GroupBox_STA);
  GroupBox_STA->hide();
}

void WiFiSetupPage::Attach(WiFiSetup& setup) {
  WiFiSetup* s = &setup;
  // Made once the window's other controls exist, so that it comes after them
  // in the order the Tab key follows.
  IpAddressHandle = Named(new IpAddressEdit(GroupBox_IP), "IpAddressHandle");
  GroupBox_IP->layout()->addWidget(IpAddressHandle);
  ImageListWiFi = MakeWiFiImages();
  StringGridWiFiList->setItemDelegate(
      new NetworkListDelegate(setup.apList, ImageListWiFi, StringGridWiFiList));

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
}

void WiFiSetupPage::FillReport(const WIFI_GENERATE_REPORT_DATA& w, CONFIG_REPORT_DATA& d) const {
  auto text = [](const QString& s) { return s.toStdString(); };
  d.wifiShown = pages_->isTabVisible(pages_->indexOf(this));
  d.wifiCaptions.wifiOpen = text(CheckBox_WiFi_Open->text());
  d.wifiCaptions.modeGroup = text(GroupBox_ConfigureMode->title());
  d.wifiCaptions.accessPoint = text(RadioButton_AP->text());
  d.wifiCaptions.client = text(RadioButton_STA->text());
  d.wifiCaptions.channel = text(Label_Channel->text());
  d.wifiCaptions.autoSelect = text(CheckBox_WiFi_AutoSelect->text());
  d.wifiCaptions.ipGroup = text(GroupBox_IP->title());
  d.wifiCaptions.portGroup = text(GroupBox_Port->title());
  d.wifiCaptions.ssid = text(Label_SSID->text());
  d.wifiCaptions.password = text(Label_Password->text());
  d.wifiFirmwareVersion = w.firmwareVersion;
  d.wifiEnabled = w.enabled;
  d.wifiMode = w.mode;
  d.wifiIpAddress = w.ipAddress;
  d.wifiPort = w.port;
  d.wifiSsid = Decoded(w.ssid);
  d.wifiSecurity = w.security;
  d.wifiKey = Decoded(w.key);
  d.wifiChannel = w.channel;
  d.wifiLinked = w.linked;
  d.wifiDbm = w.dbm;
}
