// The window's controls, their captions, limits and form defaults, and the
// layouts that place them.
#include <QHBoxLayout>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/MainForm.h"
#include "app/pages/BaudRatePage.h"
#include "app/pages/ConnectionPanel.h"
#include "app/pages/DataLogPage.h"
#include "app/pages/EncryptionPage.h"
#include "app/pages/GpsStatusPage.h"
#include "app/pages/PageBuild.h"
#include "app/pages/SrmButtonPage.h"
#include "app/pages/SrmTextPage.h"
#include "app/pages/StaticDataPage.h"
#include "app/pages/SystemCheckPage.h"
#include "app/pages/TransceiverPage.h"
#include "app/pages/WiFiSetupPage.h"
#include "ui/core/LanguageTable.h"
#include "ui/core/TextDecode.h"

void TForm1::BuildFrame() {
  setObjectName("Form1");
  setWindowTitle("Kvor Vantrel");

  menus_.Build(*this);

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

  TabSheetStatic = new StaticDataPage(PageControlConf);
  TabSheetTransceiver = new TransceiverPage(PageControlConf);
  TabSheetEncryption = new EncryptionPage(PageControlConf);
  TabSheetBaudRate = new BaudRatePage(PageControlConf);
  TabSheetSRMText = new SrmTextPage(PageControlConf);
  TabSheetButtonSRM = new SrmButtonPage(PageControlConf);
  // The module's bytes (network names, keys) as the page and the report show
  // them: UTF-8 as it is, else read in the language's old code page.
  TabSheetWiFi = new WiFiSetupPage(PageControlConf, [this](const std::string& bytes) {
    return DecodeText(bytes, LanguageForSetting(languageIndex_).codePage);
  });
  TabSheetSystemCheck = new SystemCheckPage(PageControlDiagnosis);
  TabSheetGpsStatus = new GpsStatusPage(PageControlDiagnosis, dialogs);
  TabSheetDataLog = new DataLogPage(PageControlDiagnosis, dialogs, texts_);

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
