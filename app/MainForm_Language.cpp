// The main window's language: the saved choice at start, the language menu,
// and the language files applied to every window's controls.
#include <QAction>
#include <QLabel>

#include "app/MainForm.h"
#include "app/pages/BaudRatePage.h"
#include "app/pages/ConnectionPanel.h"
#include "ui/core/LanguageLoader.h"
#include "ui/core/LanguageTable.h"
#include "ui/widgets/About.h"
#include "ui/widgets/AgreementForm.h"
#include "ui/widgets/LanguageApply.h"

void TForm1::WireLanguageAndReport() {
  for (QAction* item : {mnuLangEnglish, mnuLangTraChinese, mnuLangSimpChinese, mnuLangRussian}) {
    connect(item, &QAction::triggered, this, [this, item] { mnuLangTraChineseClick(item); });
  }
  WireReport();
}

void TForm1::CreateInformationWindows() {
  // Owned by the main window, but windows of their own.
  if (!frmAbout) frmAbout = new TfrmAbout(this);
  if (!frmAgreement) frmAgreement = new TfrmAgreement(this);
}

void TForm1::ApplySavedLanguage() {
  QAction* item = mnuLangEnglish;
  if (LanguageIndex == 1) item = mnuLangTraChinese;
  if (LanguageIndex == 2) item = mnuLangSimpChinese;
  if (LanguageIndex == 3) item = mnuLangRussian;
  item->setChecked(true);
  mnuLangTraChineseClick(item);
}

void TForm1::mnuLangTraChineseClick(QAction* item) {
  if (!item) return;
  item->setChecked(true);
  bool isNumber = false;
  const int tag = item->data().toInt(&isNumber);
  const LanguageInfo* lang = isNumber ? LanguageByNumber(tag) : nullptr;
  if (!lang) return;
  LanguageIndex = lang->number;
  FontCharset = lang->fontCharset;
  LoadLanguageFile(AppDir + lang->languageFile, lang->codePage);
  if (frmAbout) frmAbout->LoadReadMe(AppDir + lang->readMeFile, lang->codePage);
  if (auto caption = UartNo3Caption(DeviceInfo.multipleBaudType, Texts))
    TabSheetBaudRate->ShowThirdPortCaption(*caption);
}

void TForm1::LoadLanguageFile(const std::string& path, const std::string& codePage) {
  std::vector<QObject*> windows{this};
  if (frmAbout) windows.push_back(frmAbout);
  if (frmAgreement) windows.push_back(frmAgreement);
  WidgetLanguageControls controls(windows);
  LanguageContext context;
  context.openPortTag = connectionPanel_->ConnectTag();
  context.connectState = session_->ConnectState;
  context.mmsi = DeviceInfo.mmsi;
  ::LoadLanguageFile(path, codePage, controls, Texts, context);
}

void TForm1::ShowAbout() {
  CreateInformationWindows();
  frmAbout->show();
  frmAbout->raise();
  frmAbout->activateWindow();
}
