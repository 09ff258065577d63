// The window's controls, their captions, limits and form defaults, and the
// layouts that place them.
#include <QActionGroup>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include "app/MainForm.h"
#include "app/pages/BaudRatePage.h"
#include "app/pages/DataLogPage.h"
#include "app/pages/EncryptionPage.h"
#include "app/pages/PageBuild.h"
#include "app/pages/SrmButtonPage.h"
#include "app/pages/SrmTextPage.h"
#include "app/pages/StaticDataPage.h"
#include "app/pages/TransceiverPage.h"

void TForm1::BuildFrame() {
  setObjectName("Form1");
  setWindowTitle("Kvor Vantrel");

  // Menus. The Option menu is hidden in the form and shown by the
  // constructor; the language menu stays hidden.
  mnuFile = Named(menuBar()->addMenu("File(&F)"), "mnuFile");
  mnuExit = Named(mnuFile->addAction("Exit(&X)"), "mnuExit");
  mnuOption = Named(menuBar()->addMenu("Option(&O)"), "mnuOption");
  mnuOptionAction = mnuOption->menuAction();
  mnuOptionAction->setVisible(false);
  mnuConnection = Named(mnuOption->addMenu("Connection (&C)"), "mnuConnection");
  mnuConnectionAction = mnuConnection->menuAction();
  mnuConnectionGroup = new QActionGroup(this);
  mnuConnectionGroup->setExclusive(true);
  mnuSerialPort = Named(mnuConnection->addAction("Serial Port"), "mnuSerialPort");
  mnuWiFi = Named(mnuConnection->addAction("Wi-Fi"), "mnuWiFi");
  for (QAction* a : {mnuSerialPort, mnuWiFi}) {
    a->setCheckable(true);
    mnuConnectionGroup->addAction(a);
  }
  mnuSerialPort->setChecked(true);
  mnuLanguage = Named(mnuOption->addMenu("Language(&L)"), "mnuLanguage");
  mnuLanguageAction = mnuLanguage->menuAction();
  mnuLanguageGroup = new QActionGroup(this);
  mnuLanguageGroup->setExclusive(true);
  mnuLangEnglish = Named(mnuLanguage->addAction("English(&E)"), "mnuLangEnglish");
  mnuLangTraChinese = Named(mnuLanguage->addAction("Traditional Chinese(&T)"), "mnuLangTraChinese");
  mnuLangSimpChinese =
      Named(mnuLanguage->addAction("Simplified Chinese(&S)"), "mnuLangSimpChinese");
  mnuLangRussian = Named(mnuLanguage->addAction("Russian(&R)"), "mnuLangRussian");
  int tag = 0;
  for (QAction* a : {mnuLangEnglish, mnuLangTraChinese, mnuLangSimpChinese, mnuLangRussian}) {
    a->setCheckable(true);
    a->setData(tag++);
    mnuLanguageGroup->addAction(a);
  }
  mnuLangEnglish->setChecked(true);
  mnuLangSimpChinese->setVisible(false);
  mnuHelp = Named(menuBar()->addMenu("Help(&H)"), "mnuHelp");
  mnuAbout = Named(mnuHelp->addAction("About(&A)"), "mnuAbout");

  auto* central = new QWidget(this);
  central->setObjectName("ClientArea");
  setCentralWidget(central);
  auto* outer = new QVBoxLayout(central);
  outer->setContentsMargins(8, 8, 8, 8);
  outer->setSpacing(8);

  // Connection panel across the top.
  auto* top = new QWidget(central);
  BuildConnectionPanel(top);
  outer->addWidget(top);

  // Main pages.
  PageControlMain = Named(new QTabWidget(central), "PageControlMain");
  PageControlMain->setDocumentMode(true);
  PageControlMain->setStyleSheet(
      "QTabWidget#PageControlMain > QTabBar::tab { min-width: 355px; height: 30px; "
      "font-weight: bold; }");
  TabSheetConfig = NewPage(PageControlMain, "TabSheetConfig", "Configuration");
  TabSheetDiagnosis = NewPage(PageControlMain, "TabSheetDiagnosis", "Diagnosis");
  outer->addWidget(PageControlMain, 1);

  auto* confLayout = new QVBoxLayout(TabSheetConfig);
  confLayout->setContentsMargins(0, 6, 0, 0);
  PageControlConf = Named(new QTabWidget(TabSheetConfig), "PageControlConf");
  confLayout->addWidget(PageControlConf);
  auto* diagLayout = new QVBoxLayout(TabSheetDiagnosis);
  diagLayout->setContentsMargins(0, 6, 0, 0);
  PageControlDiagnosis = Named(new QTabWidget(TabSheetDiagnosis), "PageControlDiagnosis");
  diagLayout->addWidget(PageControlDiagnosis);

  TabSheetStatic = new StaticDataPage(PageControlConf);
  TabSheetTransceiver = new TransceiverPage(PageControlConf);
  TabSheetEncryption = new EncryptionPage(PageControlConf);
  TabSheetBaudRate = new BaudRatePage(PageControlConf);
  TabSheetSRMText = new SrmTextPage(PageControlConf);
  TabSheetButtonSRM = new SrmButtonPage(PageControlConf);
  BuildWiFiPage();
  BuildSystemCheckPage();
  BuildGpsPage();
  TabSheetDataLog = new DataLogPage(PageControlDiagnosis, dialogs, Texts);

  // Configure Device and Read Device act on the current configuration tab.
  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  SpeedButtonSetting = NewButton(central, "SpeedButtonSetting", "Configure Device");
  SpeedButtonReload = NewButton(central, "SpeedButtonReload", "Read Device");
  for (auto* b : {SpeedButtonSetting, SpeedButtonReload}) {
    b->setMinimumSize(150, 32);
    bottom->addWidget(b);
  }
  outer->addLayout(bottom);
  resize(820, 700);
  setMinimumSize(760, 640);
}

void TForm1::BuildConnectionPanel(QWidget* top) {
  auto* row = new QHBoxLayout(top);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(12);

  // Both groups share one cell: only one of them is ever shown.
  auto* groups = new QGridLayout;
  groups->setContentsMargins(0, 0, 0, 0);
  GroupBoxSerialConnectionMode = Named(new QGroupBox("Serial Port and Baud Rate Setting", top),
                                       "GroupBoxSerialConnectionMode");
  auto* serial = new QVBoxLayout(GroupBoxSerialConnectionMode);
  auto* modes = new QHBoxLayout;
  RadioButtonConnectionModeAuto = Named(new QRadioButton("Auto", GroupBoxSerialConnectionMode),
                                        "RadioButtonConnectionModeAuto");
  RadioButtonConnectionModeManual = Named(new QRadioButton("Manual", GroupBoxSerialConnectionMode),
                                          "RadioButtonConnectionModeManual");
  RadioButtonConnectionModeManual->setChecked(true);
  modes->addWidget(RadioButtonConnectionModeAuto);
  modes->addWidget(RadioButtonConnectionModeManual);
  modes->addStretch(1);
  serial->addLayout(modes);

  PageControlDetectComPortMode =
      Named(new QTabWidget(GroupBoxSerialConnectionMode), "PageControlDetectComPortMode");
  PageControlDetectComPortMode->setDocumentMode(true);
  TabSheetAutoConnectComPort =
      NewPage(PageControlDetectComPortMode, "TabSheetAutoConnectComPort", "Auto");
  TabSheetManualDetectComPort =
      NewPage(PageControlDetectComPortMode, "TabSheetManualDetectComPort", "Manual");
  {
    auto* g = new QGridLayout(TabSheetAutoConnectComPort);
    g->setContentsMargins(0, 4, 0, 0);
    LabelAutoComPort = NewLabel(TabSheetAutoConnectComPort, "LabelAutoComPort", "Serial Port");
    EditAutoDetectComPort = Named(new TEdit(TabSheetAutoConnectComPort), "EditAutoDetectComPort");
    LabelAutoBaudRate = NewLabel(TabSheetAutoConnectComPort, "LabelAutoBaudRate", "Baud Rate");
    EditAutoDetectBaudRate = Named(new TEdit(TabSheetAutoConnectComPort), "EditAutoDetectBaudRate");
    for (auto* e : {EditAutoDetectComPort, EditAutoDetectBaudRate}) {
      e->setReadOnly(true);
      e->setFocusPolicy(Qt::NoFocus);
    }
    g->addWidget(LabelAutoComPort, 0, 0);
    g->addWidget(EditAutoDetectComPort, 0, 1);
    g->addWidget(LabelAutoBaudRate, 0, 2);
    g->addWidget(EditAutoDetectBaudRate, 0, 3);
    g->setColumnStretch(1, 2);
    g->setColumnStretch(3, 1);
  }
  {
    auto* g = new QGridLayout(TabSheetManualDetectComPort);
    g->setContentsMargins(0, 4, 0, 0);
    lblSerialPort = NewLabel(TabSheetManualDetectComPort, "lblSerialPort", "Serial Port");
    cbxComPort = Named(new QComboBox(TabSheetManualDetectComPort), "cbxComPort");
    // A typed device path is used as it is.
    cbxComPort->setEditable(true);
    cbxComPort->setInsertPolicy(QComboBox::NoInsert);
    cbxComPort->setMinimumContentsLength(12);
    lblBaudRate = NewLabel(TabSheetManualDetectComPort, "lblBaudRate", "Baud Rate");
    cbxBaudRate = Named(new QComboBox(TabSheetManualDetectComPort), "cbxBaudRate");
    g->addWidget(lblSerialPort, 0, 0);
    g->addWidget(cbxComPort, 0, 1);
    g->addWidget(lblBaudRate, 0, 2);
    g->addWidget(cbxBaudRate, 0, 3);
    g->setColumnStretch(1, 2);
    g->setColumnStretch(3, 1);
  }
  serial->addWidget(PageControlDetectComPortMode);
  groups->addWidget(GroupBoxSerialConnectionMode, 0, 0);

  GroupBoxWiFiConnectionMode =
      Named(new QGroupBox("Wi-Fi Setting", top), "GroupBoxWiFiConnectionMode");
  {
    auto* g = new QGridLayout(GroupBoxWiFiConnectionMode);
    LabelEditWiFi_TCP_IP =
        NewLabeledEdit(GroupBoxWiFiConnectionMode, "LabelEditWiFi_TCP_IP", "IP Address");
    LabelEditWiFi_TCP_IP->setText("192.168.2.1");
    LabelEditWiFi_TCP_IP->setMaxLength(15);
    LabelEditWiFi_TCP_IP->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9.]{0,15}"), LabelEditWiFi_TCP_IP));
    LabelEditWiFi_Port = NewLabeledEdit(GroupBoxWiFiConnectionMode, "LabelEditWiFi_Port", "Port");
    LabelEditWiFi_Port->setText("3333");
    LabelEditWiFi_Port->setMaxLength(5);
    LabelEditWiFi_Port->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9]{0,5}"), LabelEditWiFi_Port));
    g->addWidget(LabelEditWiFi_TCP_IP->EditLabel, 0, 0);
    g->addWidget(LabelEditWiFi_TCP_IP, 0, 1);
    g->addWidget(LabelEditWiFi_Port->EditLabel, 0, 2);
    g->addWidget(LabelEditWiFi_Port, 0, 3);
    g->setColumnStretch(1, 3);
    g->setColumnStretch(3, 1);
    g->setRowStretch(1, 1);
  }
  GroupBoxWiFiConnectionMode->hide();
  groups->addWidget(GroupBoxWiFiConnectionMode, 0, 0);
  row->addLayout(groups, 1);

  // Connect button and status on the right.
  auto* side = new QGridLayout;
  side->setVerticalSpacing(6);
  OpenPort = NewButton(top, "OpenPort", "Connect");
  OpenPort->setCheckable(true);
  OpenPort->setMinimumSize(130, 36);
  btnExit = NewButton(top, "btnExit", "EXIT");
  btnExit->setMinimumSize(90, 36);
  LabelConnectionStatus = Named(new TLabel("Disconnect...", top), "LabelConnectionStatus");
  LabelConnectionStatus->setMinimumWidth(130);
  LabelConnectionStatus->setAlignment(Qt::AlignCenter);
  lblFirmVer = NewLabel(top, "lblFirmVer", "");
  lblFirmVer->setMinimumWidth(300);
  side->addWidget(OpenPort, 0, 0);
  side->addWidget(btnExit, 0, 1);
  side->addWidget(LabelConnectionStatus, 1, 0);
  side->addWidget(lblFirmVer, 2, 0, 1, 2);
  side->setRowStretch(3, 1);
  row->addLayout(side);
}

void TForm1::BuildWiFiPage() {
  TabSheetWiFi = NewPage(PageControlConf, "TabSheetWiFi", "Wi-Fi");
  QWidget* p = TabSheetWiFi;
  auto* v = new QVBoxLayout(p);

  Edit_cover = Named(new TEdit(p), "Edit_cover");
  Edit_cover->setReadOnly(true);
  Edit_cover->setFrame(false);
  Edit_cover->setFocusPolicy(Qt::NoFocus);
  Edit_cover->setFixedHeight(4);
  v->addWidget(Edit_cover);

  auto* head = new QHBoxLayout;
  CheckBox_WiFi_Open = Named(new TCheckBox("Enable Wi-Fi", p), "CheckBox_WiFi_Open");
  head->addWidget(CheckBox_WiFi_Open);
  GroupBox_ConfigureMode = Named(new QGroupBox("Select Wi-Fi Mode", p), "GroupBox_ConfigureMode");
  {
    auto* h = new QHBoxLayout(GroupBox_ConfigureMode);
    RadioButton_AP =
        Named(new TRadioButton("Access Point", GroupBox_ConfigureMode), "RadioButton_AP");
    RadioButton_STA = Named(new TRadioButton("Client", GroupBox_ConfigureMode), "RadioButton_STA");
    RadioButton_AP->setChecked(true);
    h->addWidget(RadioButton_AP);
    h->addWidget(RadioButton_STA);
  }
  head->addWidget(GroupBox_ConfigureMode);
  head->addStretch(1);
  SpeedButton_WiFi_FactoryDefault =
      NewButton(p, "SpeedButton_WiFi_FactoryDefault", "Factory Reset");
  head->addWidget(SpeedButton_WiFi_FactoryDefault);
  v->addLayout(head);

  Label_wifi_firmware_ver_AP = NewLabel(p, "Label_wifi_firmware_ver_AP", "");
  v->addWidget(Label_wifi_firmware_ver_AP);

  PageControl_WiFiMode = Named(new QTabWidget(p), "PageControl_WiFiMode");
  TabSheet_AP = NewPage(PageControl_WiFiMode, "TabSheet_AP", "     Access Point");
  TabSheet_STA = NewPage(PageControl_WiFiMode, "TabSheet_STA", "     Client");
  v->addWidget(PageControl_WiFiMode, 1);

  {
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
    CheckBox_WiFi_NonePassword =
        Named(new QCheckBox("No Password", b), "CheckBox_WiFi_NonePassword");
    Label_Channel = NewLabel(b, "Label_Channel", "Channel");
    ComboBox_WiFi_Channel = Named(new QComboBox(b), "ComboBox_WiFi_Channel");
    for (int c = 1; c <= 13; ++c) ComboBox_WiFi_Channel->addItem(QString::number(c));
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
  {
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
  }
  GroupBox_STA->hide();

  spbWiFi = NewButton(p, "spbWiFi", "Config");
  spbWiFi->hide();
  Memo_WiFi = Named(new QPlainTextEdit(p), "Memo_WiFi");
  Memo_WiFi->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo_WiFi->setReadOnly(true);
  Memo_WiFi->setUndoRedoEnabled(false);  // a log of up to 5,000 lines; nothing to undo
  Memo_WiFi->setMinimumSize(269, 138);
  Memo_WiFi->hide();
  v->addWidget(Memo_WiFi);
}

void TForm1::BuildSystemCheckPage() {
  TabSheetSystemCheck = NewPage(PageControlDiagnosis, "TabSheetSystemCheck", "SYSTEM CHECK");
  QWidget* p = TabSheetSystemCheck;
  auto* v = new QVBoxLayout(p);
  auto* g = new QGridLayout;
  g->setHorizontalSpacing(16);
  g->setVerticalSpacing(10);
  auto image = [p](const char* name) {
    auto* l = NewLabel(p, name, "");
    l->setFixedSize(24, 24);
    l->setScaledContents(true);
    return l;
  };
  auto value = [p](const char* name) {
    auto* l = NewLabel(p, name, "---------");
    l->setMinimumWidth(160);
    return l;
  };
  int r = 0;
  lblChkFwVer = NewLabel(p, "lblChkFwVer", "Firmware Version");
  lblValFwVer = value("lblValFwVer");
  ImageChkFwVer = image("ImageChkFwVer");
  g->addWidget(ImageChkFwVer, r, 0);
  g->addWidget(lblChkFwVer, r, 1);
  g->addWidget(lblValFwVer, r++, 2, 1, 4);
  lblChkProdSN = NewLabel(p, "lblChkProdSN", "Product Serial No.");
  lblValProdSN = value("lblValProdSN");
  ImageChkProdSN = image("ImageChkProdSN");
  g->addWidget(ImageChkProdSN, r, 0);
  g->addWidget(lblChkProdSN, r, 1);
  g->addWidget(lblValProdSN, r++, 2, 1, 4);
  lblChkMMSI = NewLabel(p, "lblChkMMSI", "MMSI ");
  lblValMMSI = value("lblValMMSI");
  lblValMMSI->setText("000000000");
  ImageChkMMSI = image("ImageChkMMSI");
  g->addWidget(ImageChkMMSI, r, 0);
  g->addWidget(lblChkMMSI, r, 1);
  g->addWidget(lblValMMSI, r++, 2, 1, 4);
  lblChkGPS = NewLabel(p, "lblChkGPS", "GPS");
  lblValGps = value("lblValGps");
  lblValGps->setText("Lost");
  ImageChkGps = image("ImageChkGps");
  g->addWidget(ImageChkGps, r, 0);
  g->addWidget(lblChkGPS, r, 1);
  g->addWidget(lblValGps, r++, 2, 1, 4);

  lblChkTx = NewLabel(p, "lblChkTx", "TX position reports");
  lblChkTxCntChA = NewLabel(p, "lblChkTxCntChA", "Channel A: ");
  lblValTxCntA = NewLabel(p, "lblValTxCntA", "0");
  lblChkTxCntChB = NewLabel(p, "lblChkTxCntChB", "Channel B: ");
  lblValTxCntB = NewLabel(p, "lblValTxCntB", "0");
  ImageChkTx = image("ImageChkTx");
  g->addWidget(ImageChkTx, r, 0);
  g->addWidget(lblChkTx, r, 1);
  g->addWidget(lblChkTxCntChA, r, 2);
  g->addWidget(lblValTxCntA, r, 3);
  g->addWidget(lblChkTxCntChB, r, 4);
  g->addWidget(lblValTxCntB, r++, 5);
  lblChkRx = NewLabel(p, "lblChkRx", "RX position reports");
  lblChkRxCntChA = NewLabel(p, "lblChkRxCntChA", "Channel A: ");
  lblValRxCntA = NewLabel(p, "lblValRxCntA", "0");
  lblChkRxCntChB = NewLabel(p, "lblChkRxCntChB", "Channel B: ");
  lblValRxCntB = NewLabel(p, "lblValRxCntB", "0");
  ImageChkRx = image("ImageChkRx");
  g->addWidget(ImageChkRx, r, 0);
  g->addWidget(lblChkRx, r, 1);
  g->addWidget(lblChkRxCntChA, r, 2);
  g->addWidget(lblValRxCntA, r, 3);
  g->addWidget(lblChkRxCntChB, r, 4);
  g->addWidget(lblValRxCntB, r++, 5);
  for (QLabel* l : {lblValTxCntA, lblValTxCntB, lblValRxCntA, lblValRxCntB}) l->setMinimumWidth(60);
  g->setColumnStretch(6, 1);
  v->addLayout(g);
  v->addStretch(1);
  auto* h = new QHBoxLayout;
  h->addStretch(1);
  SpeedButtonClearCheck = NewButton(p, "SpeedButtonClearCheck", "Reset checks");
  SpeedButtonClearCheck->setMinimumWidth(120);
  h->addWidget(SpeedButtonClearCheck);
  v->addLayout(h);
}

void TForm1::BuildGpsPage() {
  TabSheetGpsStatus = NewPage(PageControlDiagnosis, "TabSheetGpsStatus", "GPS STATUS");
  QWidget* p = TabSheetGpsStatus;
  auto* v = new QVBoxLayout(p);
  auto* top = new QHBoxLayout;
  auto* form = new QGridLayout;
  form->setHorizontalSpacing(8);
  struct Row {
    TLabeledEdit** edit;
    const char* name;
    const char* caption;
  } rows[] = {{&lblEdtGpsUtcDate, "lblEdtGpsUtcDate", "UTC Date"},
              {&lblEdtGpsUtcTime, "lblEdtGpsUtcTime", "UTC Time"},
              {&lblEdtGpsFixMode, "lblEdtGpsFixMode", "Fix Mode"},
              {&lblEdtHdop, "lblEdtHdop", "HDOP"},
              {&lblEdtGpsLat, "lblEdtGpsLat", "Latitude"},
              {&lblEdtGpsLon, "lblEdtGpsLon", "Longitude"},
              {&lblEdtGpsSOG, "lblEdtGpsSOG", "SOG"},
              {&lblEdtGpsCOG, "lblEdtGpsCOG", "COG"},
              {&lblEdtGpsNoSV_InView, "lblEdtGpsNoSV_InView", "Satellites in view"},
              {&lblEdtGpsNoSV_InUse, "lblEdtGpsNoSV_InUse", "Satellites in use"}};
  int i = 0;
  for (auto& r : rows) {
    *r.edit = NewReadout(p, r.name, r.caption);
    (*r.edit)->setMinimumWidth(120);
    // Two columns of label and value.
    const int row = i % 5, col = (i / 5) * 2;
    form->addWidget((*r.edit)->EditLabel, row, col, Qt::AlignRight);
    form->addWidget(*r.edit, row, col + 1);
    ++i;
  }
  top->addLayout(form, 1);
  PanelSatelliteMap = Named(new QFrame(p), "PanelSatelliteMap");
  PanelSatelliteMap->setFixedSize(198, 200);
  PanelSatelliteMap->setAutoFillBackground(true);
  PanelSatelliteMap->setStyleSheet("QFrame#PanelSatelliteMap { background: white; }");
  {
    auto* l = new QVBoxLayout(PanelSatelliteMap);
    l->setContentsMargins(0, 0, 0, 0);
    ImageGpsMap = NewLabel(PanelSatelliteMap, "ImageGpsMap", "");
    ImageGpsMap->setScaledContents(true);
    ImageGpsMap->hide();
    l->addWidget(ImageGpsMap);
  }
  top->addWidget(PanelSatelliteMap, 0, Qt::AlignTop);
  v->addLayout(top);

  Label10 = NewLabel(p, "Label10", "SNR (dB-Hz)");
  v->addWidget(Label10);
  auto* chart = new QChart;
  chart->setObjectName("Chart1Chart");
  chart->legend()->hide();
  chart->setTitle(QString());
  chart->setBackgroundBrush(Qt::white);
  chart->setMargins(QMargins(4, 4, 4, 4));
  Series1 = new QBarSeries(chart);
  Series1->setObjectName("Series1");
  Series1->setLabelsVisible(true);
  Series1->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
  chart->addSeries(Series1);
  auto* axisX = new QBarCategoryAxis(chart);
  axisX->setGridLineVisible(false);
  axisX->setObjectName("Chart1AxisX");
  auto* axisY = new QValueAxis(chart);
  axisY->setRange(0, 58);
  axisY->setLabelFormat("%d");
  axisY->setObjectName("Chart1AxisY");
  chart->addAxis(axisX, Qt::AlignBottom);
  chart->addAxis(axisY, Qt::AlignLeft);
  Series1->attachAxis(axisX);
  Series1->attachAxis(axisY);
  Chart1 = Named(new QChartView(chart, p), "Chart1");
  Chart1->setMinimumHeight(160);
  Chart1->setRenderHint(QPainter::Antialiasing);
  v->addWidget(Chart1, 1);
  lblSatelliteID = NewLabel(p, "lblSatelliteID", "Satellite ID");
  lblSatelliteID->setAlignment(Qt::AlignCenter);
  v->addWidget(lblSatelliteID);
}
