// The main window's language: the saved choice at start, the language menu,
// and the language files applied to every window's controls.
#include <QAction>

#include "app/MainForm.h"
#include "app/pages/BaudRatePage.h"
#include "app/pages/ConnectionPanel.h"
#include "ui/core/LanguageLoader.h"
#include "ui/core/LanguageTable.h"
#include "ui/widgets/About.h"
#include "ui/widgets/AgreementForm.h"
#include "ui/widgets/LanguageApply.h"

void TForm1::WireLanguageAndReport() {
  for (QAction* item : {menus_.mnuLangEnglish, menus_.mnuLangTraChinese, menus_.mnuLangSimpChinese,
                        menus_.mnuLangRussian}) {
    connect(item, &QAction::triggered, this, [this, item] { mnuLangTraChineseClick(item); });
  }
  WireReport();
}

void TForm1::CreateInformationWindows() {
  // Owned by the main window, but windows of their own.
  if (!about_) about_ = new TfrmAbout(this);
  if (!agreement_) agreement_ = new TfrmAgreement(this);
}

void TForm1::ApplySavedLanguage() {
  QAction* item = menus_.mnuLangEnglish;
  if (languageIndex_ == 1) item = menus_.mnuLangTraChinese;
  if (languageIndex_ == 2) item = menus_.mnuLangSimpChinese;
  if (languageIndex_ == 3) item = menus_.mnuLangRussian;
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
  languageIndex_ = lang->number;
  fontCharset_ = lang->fontCharset;
  LoadLanguageFile(appDir_ + lang->languageFile, lang->codePage);
  if (about_) about_->LoadReadMe(appDir_ + lang->readMeFile, lang->codePage);
  if (auto caption = UartNo3Caption(deviceInfo_.multipleBaudType, texts_))
    TabSheetBaudRate->ShowThirdPortCaption(*caption);
}

void TForm1::LoadLanguageFile(const std::string& path, const std::string& codePage) {
  std::vector<QObject*> windows{this};
  if (about_) windows.push_back(about_);
  if (agreement_) windows.push_back(agreement_);
  WidgetLanguageControls controls(windows);
  LanguageContext context;
  context.openPortTag = connectionPanel_->ConnectTag();
  context.connectState = session_->ConnectState;
  context.mmsi = deviceInfo_.mmsi;
  ::LoadLanguageFile(path, codePage, controls, texts_, context);
}

void TForm1::mnuAboutClick() {
  CreateInformationWindows();
  about_->show();
  about_->raise();
  about_->activateWindow();
}
