// The window's controls, their captions, limits and form defaults, and the
// layouts that place them.
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/MainForm.h"
#include "app/pages/ConnectionPanel.h"
#include "app/pages/DataLogPage.h"
#include "app/pages/GpsStatusPage.h"
#include "app/pages/PageBuild.h"
#include "app/pages/SystemCheckPage.h"
#include "app/pages/WiFiSetupPage.h"
#include "ui/core/LanguageTable.h"
#include "ui/core/TextDecode.h"

namespace {

const QStringList kNmeaRates = {"38400", "9600", "4800"};

}  // namespace

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
  connectionPanel_ = new ConnectionPanel(central);
  outer->addWidget(connectionPanel_);

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

  BuildStaticPage();
  BuildTransceiverPage();
  BuildEncryptionPage();
  BuildBaudRatePage();
  BuildSrmPages();
  // The module's bytes (network names, keys) as the page and the report show
  // them: UTF-8 as it is, else read in the language's old code page.
  TabSheetWiFi = new WiFiSetupPage(PageControlConf, [this](const std::string& bytes) {
    return DecodeText(bytes, LanguageForSetting(LanguageIndex).codePage);
  });
  TabSheetSystemCheck = new SystemCheckPage(PageControlDiagnosis);
  TabSheetGpsStatus = new GpsStatusPage(PageControlDiagnosis, dialogs);
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

void TForm1::BuildStaticPage() {
  TabSheetStatic = NewPage(PageControlConf, "TabSheetStatic", "STATIC DATA");
  QWidget* p = TabSheetStatic;
  auto* v = new QVBoxLayout(p);
  auto* form = NewPageForm();

  LabelMMSI = NewLabel(p, "LabelMMSI", "MMSI");
  MaskEditMMSI = NewMmsiEdit(p, "MaskEditMMSI");
  MaskEditMMSI->setMinimumWidth(120);
  LabelMMSICantProg = NewLabel(p, "LabelMMSICantProg", "");
  LabelMMSICantProg->setStyleSheet("color: #c00000;");
  LabelMMSICantProg->hide();
  auto* mmsiRow = new QHBoxLayout;
  mmsiRow->addWidget(MaskEditMMSI);
  mmsiRow->addWidget(LabelMMSICantProg);
  mmsiRow->addStretch(1);
  form->addRow(LabelMMSI, mmsiRow);

  lblEdtName = NewLabeledEdit(p, "lblEdtName", "Ship Name");
  lblEdtName->setMaxLength(20);
  lblEdtName->SetUpperCaseOnly();
  lblEdtName->setMinimumWidth(240);
  AddRow(form, lblEdtName);
  lblEdtCallSign = NewLabeledEdit(p, "lblEdtCallSign", "Call Sign");
  lblEdtCallSign->setMaxLength(7);
  lblEdtCallSign->SetUpperCaseOnly();
  lblEdtCallSign->setMinimumWidth(120);
  AddRow(form, lblEdtCallSign);

  LabelShipType = NewLabel(p, "LabelShipType", "Ship Type");
  cbxShipType = Named(new QComboBox(p), "cbxShipType");
  cbxShipType->setMinimumContentsLength(30);
  stShipCargoType = NewLabel(p, "stShipCargoType", "0");
  stShipCargoType->setAlignment(Qt::AlignCenter);
  stShipCargoType->setMinimumWidth(48);
  stShipCargoType->setFrameShape(QFrame::StyledPanel);
  stShipCargoType->setStyleSheet("background: #ffff00; color: black;");
  auto* typeRow = new QHBoxLayout;
  typeRow->addWidget(cbxShipType);
  typeRow->addWidget(stShipCargoType);
  typeRow->addStretch(1);
  form->addRow(LabelShipType, typeRow);
  v->addLayout(form);

  GroupBoxDimension = Named(new QGroupBox("Ship's Dimension", p), "GroupBoxDimension");
  auto* dims = new QGridLayout(GroupBoxDimension);
  struct Dim {
    QSpinBox** spin;
    const char* name;
    const char* caption;
    int max;
  } list[] = {{&CSpinEditA, "CSpinEditA", "A", 511},
              {&CSpinEditB, "CSpinEditB", "B", 511},
              {&CSpinEditC, "CSpinEditC", "C", 63},
              {&CSpinEditD, "CSpinEditD", "D", 63}};
  int col = 0;
  for (auto& d : list) {
    *d.spin = Named(new QSpinBox(GroupBoxDimension), d.name);
    (*d.spin)->setRange(0, d.max);
    (*d.spin)->setMinimumWidth(72);
    auto* label = new QLabel(d.caption, GroupBoxDimension);
    label->setBuddy(*d.spin);
    dims->addWidget(label, 0, col++, Qt::AlignRight);
    dims->addWidget(*d.spin, 0, col++);
  }
  dims->setColumnStretch(col, 1);
  v->addWidget(GroupBoxDimension);

  SpeedButtonStaticData = NewButton(p, "SpeedButtonStaticData", "Config");
  SpeedButtonStaticData->hide();
  MemoRecord = Named(new QPlainTextEdit(p), "MemoRecord");
  MemoRecord->hide();
  v->addStretch(1);
}

void TForm1::BuildTransceiverPage() {
  TabSheetTransceiver = NewPage(PageControlConf, "TabSheetTransceiver", "TRANSCEIVER");
  QWidget* p = TabSheetTransceiver;
  auto* v = new QVBoxLayout(p);
  auto* form = NewPageForm();
  lblDscMonitoring = NewLabel(p, "lblDscMonitoring", "DSC Monitoring");
  ComboBoxDscMonitoring = NewList(p, "ComboBoxDscMonitoring", {"OFF", "ON"});
  form->addRow(lblDscMonitoring, ComboBoxDscMonitoring);
  lblGpsOutput = NewLabel(p, "lblGpsOutput", "GPS Update Rate");
  QStringList rates{"OFF"};
  for (int s = 1; s <= 10; ++s) rates << QString("%1s").arg(s);
  ComboBoxGpsOutput = NewList(p, "ComboBoxGpsOutput", rates);
  form->addRow(lblGpsOutput, ComboBoxGpsOutput);
  lblGsOffWarningMsg =
      NewLabel(p, "lblGsOffWarningMsg",
               "WARNING: All the input sentences will be filtered out (not forwarding).");
  lblGsOffWarningMsg->setStyleSheet("color: #c00000;");
  lblGsOffWarningMsg->setWordWrap(true);
  lblGsOffWarningMsg->setMinimumWidth(460);
  lblGsOffWarningMsg->hide();
  form->addRow(QString(), lblGsOffWarningMsg);
  LabelGPSMode = NewLabel(p, "LabelGPSMode", "GPS Mode");
  ComboBoxTransceiver_GPSMode =
      NewList(p, "ComboBoxTransceiver_GPSMode", {"Altitude higher than 500m", "At sea level"});
  form->addRow(LabelGPSMode, ComboBoxTransceiver_GPSMode);
  LabelALRSentence = NewLabel(p, "LabelALRSentence", "ALR Sentence");
  ComboBoxALRSentence = NewList(p, "ComboBoxALRSentence", {"OFF", "ON"});
  form->addRow(LabelALRSentence, ComboBoxALRSentence);
  v->addLayout(form);
  v->addStretch(1);
  spbTransponder = NewButton(p, "spbTransponder", "Config");
  spbTransponder->hide();
}

void TForm1::BuildBaudRatePage() {
  TabSheetBaudRate = NewPage(PageControlConf, "TabSheetBaudRate", "BAUD RATE");
  QWidget* p = TabSheetBaudRate;
  auto* v = new QVBoxLayout(p);
  auto* form = NewPageForm();
  LabelUartNo1 = NewLabel(p, "LabelUartNo1", "NMEA 1 Input");
  cbx_NMEABaudRateNo1 = NewList(p, "cbx_NMEABaudRateNo1", kNmeaRates);
  LabelUartNo2 = NewLabel(p, "LabelUartNo2", "NMEA 1 Output");
  cbx_NMEABaudRateNo2 = NewList(p, "cbx_NMEABaudRateNo2", kNmeaRates);
  LabelUartNo3 = NewLabel(p, "LabelUartNo3", "NMEA 2 Input");
  cbx_NMEABaudRateNo3 = NewList(p, "cbx_NMEABaudRateNo3", kNmeaRates);
  LabelUartNo4 = NewLabel(p, "LabelUartNo4", "NMEA 2 Output");
  cbx_NMEABaudRateNo4 = NewList(p, "cbx_NMEABaudRateNo4", kNmeaRates);
  for (auto* c :
       {cbx_NMEABaudRateNo1, cbx_NMEABaudRateNo2, cbx_NMEABaudRateNo3, cbx_NMEABaudRateNo4})
    c->setMinimumWidth(120);
  form->addRow(LabelUartNo1, cbx_NMEABaudRateNo1);
  form->addRow(LabelUartNo2, cbx_NMEABaudRateNo2);
  form->addRow(LabelUartNo3, cbx_NMEABaudRateNo3);
  form->addRow(LabelUartNo4, cbx_NMEABaudRateNo4);
  for (QWidget* w :
       {static_cast<QWidget*>(LabelUartNo3), static_cast<QWidget*>(cbx_NMEABaudRateNo3),
        static_cast<QWidget*>(LabelUartNo4), static_cast<QWidget*>(cbx_NMEABaudRateNo4)})
    w->hide();
  v->addLayout(form);
  v->addStretch(1);
  spbBaudRate = NewButton(p, "spbBaudRate", "Config");
  spbBaudRate->hide();
}

void TForm1::BuildSrmPages() {
  TabSheetSRMText = NewPage(PageControlConf, "TabSheetSRMText", "SRM TEXT");
  {
    QWidget* p = TabSheetSRMText;
    auto* v = new QVBoxLayout(p);
    auto* form = NewPageForm();
    struct Row {
      TLabeledEdit** edit;
      const char* name;
      const char* caption;
      const char* text;
    } rows[] = {{&lblEdtSRMText1, "lblEdtSRMText1", "SRM Text 1", "R.T.V."},
                {&lblEdtSRMText2, "lblEdtSRMText2", "SRM Text 2", "FIRE1"},
                {&lblEdtSRMText3, "lblEdtSRMText3", "SRM Text 3", "FIRE2"},
                {&lblEdtSRMText4, "lblEdtSRMText4", "SRM Text 4 ", "FIRE3"}};
    for (auto& r : rows) {
      *r.edit = NewLabeledEdit(p, r.name, r.caption);
      (*r.edit)->setMaxLength(16);
      (*r.edit)->SetUpperCaseOnly();
      (*r.edit)->setText(r.text);
      (*r.edit)->setMinimumWidth(200);
      AddRow(form, *r.edit);
    }
    v->addLayout(form);
    v->addStretch(1);
    spbSRMText = NewButton(p, "spbSRMText", "Config");
    spbSRMText->hide();
  }
  TabSheetButtonSRM = NewPage(PageControlConf, "TabSheetButtonSRM", "SRM TEXT");
  {
    QWidget* p = TabSheetButtonSRM;
    auto* v = new QVBoxLayout(p);
    auto* form = NewPageForm();
    lblEdtSRMTextMsg14 = NewLabeledEdit(p, "lblEdtSRMTextMsg14", "SRM Text");
    lblEdtSRMTextMsg14->setMaxLength(16);
    lblEdtSRMTextMsg14->SetUpperCaseOnly();
    lblEdtSRMTextMsg14->setText("MAYDAY");
    lblEdtSRMTextMsg14->setMinimumWidth(200);
    AddRow(form, lblEdtSRMTextMsg14);
    v->addLayout(form);
    v->addStretch(1);
    spbSRMButtonText = NewButton(p, "spbSRMButtonText", "Config");
    spbSRMButtonText->hide();
  }
}

void TForm1::BuildEncryptionPage() {
  TabSheetEncryption = NewPage(PageControlConf, "TabSheetEncryption", "ENCRYPTION");
  QWidget* p = TabSheetEncryption;
  auto* v = new QVBoxLayout(p);
  cbxEncrptionEnable = Named(new QCheckBox("Encrption Enable", p), "cbxEncrptionEnable");
  cbxEncrptionEnable->setChecked(true);
  cbxEncryptionAddressMode =
      Named(new QCheckBox("Security Address Mode", p), "cbxEncryptionAddressMode");
  cbxEncryptionAddressMode->setChecked(true);
  v->addWidget(cbxEncrptionEnable);
  v->addWidget(cbxEncryptionAddressMode);
  auto* form = NewPageForm();
  LabelEncryptionMMSINumber = NewLabel(p, "LabelEncryptionMMSINumber", "MMSI");
  MaskEditEncryptionAddressMMSI = NewMmsiEdit(p, "MaskEditEncryptionAddressMMSI");
  MaskEditEncryptionAddressMMSI->setMinimumWidth(120);
  form->addRow(LabelEncryptionMMSINumber, MaskEditEncryptionAddressMMSI);
  LabeledEditEncryptionASCII = NewLabeledEdit(p, "LabeledEditEncryptionASCII", "Encryption Code");
  LabeledEditEncryptionASCII->setMaxLength(16);
  LabeledEditEncryptionASCII->setText("R.T.V.");
  LabeledEditEncryptionASCII->setMinimumWidth(200);
  AddRow(form, LabeledEditEncryptionASCII);
  v->addLayout(form);
  v->addStretch(1);
  spbConfigEncryption = NewButton(p, "spbConfigEncryption", "Config");
  spbConfigEncryption->hide();
}
