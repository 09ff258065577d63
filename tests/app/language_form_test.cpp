#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

#include "tests/app/language_form_fixture.h"
#include "tests/support/find_control.h"
#include "ui/core/IniFile.h"
#include "ui/core/LanguageLoader.h"
#include "ui/core/LanguageSetting.h"
#include "ui/core/LanguageTable.h"
#include "ui/core/ReadMe.h"
#include "ui/widgets/About.h"
#include "ui/widgets/AgreementForm.h"
#include "ui/widgets/LanguageApply.h"

namespace {

std::string Src(const char* relative) { return std::string(KVOR_SOURCE_DIR) + "/" + relative; }

// Every caption and message of the table against what the file says.
void ExpectLanguageShown(TForm1& form, const LanguageInfo& lang) {
  WidgetLanguageControls controls({&form, form.About(), form.Agreement()});
  IniFile ini(Src(lang.languageFile), lang.codePage);
  for (const LanguageRow& row : kLanguageRows) {
    const std::string want = ini.ReadString(row.section, row.key, "<missing>");
    if (row.kind == LangTarget::Member) {
      EXPECT_EQ(*MessageMember(const_cast<MSG_TEXT_STRUCT&>(form.Texts()), row.target), want)
          << lang.languageFile << " " << row.target;
    } else if (std::string(row.target) != "StaticTextProduct") {
      EXPECT_EQ(controls.GetText(row.target, row.kind, row.item).value_or("<no control>"), want)
          << lang.languageFile << " " << row.target;
    }
  }
}

}  // namespace

TEST_F(LanguageFormTest, EachLanguageSwitchesEveryCaptionAndMessage) {
  MakeForm();
  QAction* items[] = {
      Find<QAction>(form, "mnuLangEnglish"), Find<QAction>(form, "mnuLangTraChinese"),
      Find<QAction>(form, "mnuLangSimpChinese"), Find<QAction>(form, "mnuLangRussian")};
  for (int n : {3, 1, 2, 0}) {
    const LanguageInfo& lang = *LanguageByNumber(n);
    form->SetLanguageIndex(n);
    form->ApplySavedLanguage();
    EXPECT_EQ(form->LanguageIndex(), n);
    EXPECT_EQ(form->FontCharset(), lang.fontCharset);
    EXPECT_TRUE(items[n]->isChecked());
    ExpectLanguageShown(*form, lang);
    const auto readMe = LoadReadMeLines(Src(lang.readMeFile), lang.codePage);
    ASSERT_TRUE(readMe);
    EXPECT_EQ(form->About()->Memo1->document()->firstBlock().text().toStdString(), readMe->front());
    // The connection label shows the new language's text for the state.
    EXPECT_EQ(Find<TLabel>(form, "LabelConnectionStatus")->text().toStdString(),
              form->Texts().Disconnect);
    EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->text().toStdString(), form->Texts().Connect[0]);
  }
  // Back in English, the built-in texts are all there again.
  EXPECT_EQ(Find<TSpeedButton>(form, "btnSaveLog")->text(), "Save");
  EXPECT_EQ(form->Texts().CantBeProg1, "MMSI is ");
  EXPECT_EQ(Find<QTabWidget>(form, "PageControlConf")
                ->tabText(Find<QTabWidget>(form, "PageControlConf")
                              ->indexOf(Find<QWidget>(form, "TabSheetStatic"))),
            "STATIC DATA");
}

TEST_F(LanguageFormTest, MenuItemsSwitchTheLanguageAtRunTime) {
  MakeForm();
  Find<QAction>(form, "mnuLangRussian")->trigger();
  EXPECT_EQ(form->LanguageIndex(), 3);
  EXPECT_EQ(Find<TSpeedButton>(form, "btnClearLog")->text(), QString::fromUtf8("Очистить"));
  Find<QAction>(form, "mnuLangTraChinese")->trigger();
  EXPECT_EQ(form->LanguageIndex(), 1);
  EXPECT_EQ(Find<TSpeedButton>(form, "btnClearLog")->text(), QString::fromUtf8("清除"));
  EXPECT_EQ(form->Agreement()->ButtonAgree->text(), QString::fromUtf8("同意"));
  EXPECT_EQ(form->About()->btnOK->text(), QString::fromUtf8("確定"));
  // An item whose tag names no language changes nothing.
  QAction stray;
  stray.setCheckable(true);
  stray.setData(7);
  form->mnuLangTraChineseClick(&stray);
  EXPECT_EQ(form->LanguageIndex(), 1);
}

TEST_F(LanguageFormTest, ConnectedStateAndDeviceTypeFollowTheLanguage) {
  MakeForm();
  Find<TSpeedButton>(form, "OpenPort")->Tag = 1;
  form->Session().ConnectState = 2;
  form->DeviceInfo().multipleBaudType = 2;
  Find<QAction>(form, "mnuLangRussian")->trigger();
  EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->text(), QString::fromUtf8("Отключить"));
  EXPECT_EQ(Find<TLabel>(form, "LabelConnectionStatus")->text(),
            QString::fromUtf8("Подключено..."));
  EXPECT_EQ(Find<QLabel>(form, "LabelUartNo3")->text(), QString::fromUtf8("NMEA 2 вход"));
  form->DeviceInfo().multipleBaudType = 3;
  form->Session().ConnectState = 1;
  Find<QAction>(form, "mnuLangSimpChinese")->trigger();
  EXPECT_EQ(Find<QLabel>(form, "LabelUartNo3")->text(), QString::fromUtf8("NMEA 2 输入/输出"));
  EXPECT_EQ(Find<TLabel>(form, "LabelConnectionStatus")->text(), QString::fromUtf8("连接中..."));
  form->DeviceInfo().multipleBaudType = 4;
  Find<QAction>(form, "mnuLangEnglish")->trigger();
  EXPECT_EQ(Find<QLabel>(form, "LabelUartNo3")->text(),
            QString::fromUtf8("NMEA 2 输入/输出"));  // left
}

TEST_F(LanguageFormTest, ProgrammedMmsiLabelIsOneSentenceInEveryLanguage) {
  MakeForm();
  form->ParseDeviceData("MMSI:(123456789)\r\n");
  EXPECT_EQ(Find<QLabel>(form, "LabelMMSICantProg")->text(),
            "MMSI is 123456789, can't be programmed twice!");
  const struct {
    QAction* item;
    const char* sentence;
  } cases[] = {
      {Find<QAction>(form, "mnuLangRussian"), "MMSI 123456789: повторная запись невозможна!"},
      {Find<QAction>(form, "mnuLangTraChinese"), "MMSI 為 123456789，不可重複寫入！"},
      {Find<QAction>(form, "mnuLangSimpChinese"), "MMSI 为 123456789，不可重复写入！"},
      {Find<QAction>(form, "mnuLangEnglish"), "MMSI is 123456789, can't be programmed twice!"},
  };
  for (const auto& c : cases) {
    // The language change refreshes the label in passing ...
    c.item->trigger();
    EXPECT_EQ(Find<QLabel>(form, "LabelMMSICantProg")->text(), QString::fromUtf8(c.sentence));
    // ... and a dump line after it says the same.
    form->ParseDeviceData("MMSI:(123456789)\r\n");
    EXPECT_EQ(Find<QLabel>(form, "LabelMMSICantProg")->text(), QString::fromUtf8(c.sentence));
  }
  EXPECT_FALSE(Find<QLabel>(form, "LabelMMSICantProg")->isHidden());
}

TEST_F(LanguageFormTest, MissingKeysKeepThePreviousLanguage) {
  WriteAppFile("Lang/Lang-RU.ini", "[TAB_DATA_LOG]\nSave=Сохранить\nClear=Очистить\n");
  WriteAppFile("Lang/Lang-TW.ini", "[tab_data_log]\nCLEAR=清除\n");
  WriteAppFile("Lang/ReadMe-RU.txt", "русский\n");
  MakeForm(OwnAppDir());
  Find<QAction>(form, "mnuLangRussian")->trigger();
  Find<QAction>(form, "mnuLangTraChinese")->trigger();
  EXPECT_EQ(Find<TSpeedButton>(form, "btnSaveLog")->text(), QString::fromUtf8("Сохранить"));
  EXPECT_EQ(Find<TSpeedButton>(form, "btnClearLog")->text(), QString::fromUtf8("清除"));
  EXPECT_EQ(form->About()->Memo1->toPlainText(), QString::fromUtf8("русский"));
}

TEST_F(LanguageFormTest, NoLangFolderKeepsTheBuiltInTextsAndTheChoice) {
  // Settings written by an earlier run.
  MakeForm(OwnAppDir());
  const std::string settings = SettingsFile();
  form.reset();
  ASSERT_TRUE(WriteLanguageSetting(settings, 3));
  MakeForm(OwnAppDir());
  EXPECT_EQ(form->LanguageIndex(), 3);
  const QString design = form->About()->Memo1->toPlainText();
  form->ApplySavedLanguage();
  EXPECT_TRUE(Find<QAction>(form, "mnuLangRussian")->isChecked());
  EXPECT_EQ(form->FontCharset(), 204);
  EXPECT_EQ(Find<TSpeedButton>(form, "btnSaveLog")->text(), "Save");
  EXPECT_EQ(form->Texts().QueryExit, "Are you sure to exit?");
  EXPECT_EQ(form->About()->Memo1->toPlainText(), design);
  ASSERT_TRUE(form->FormCloseQuery());
  EXPECT_EQ(ReadLanguageSetting(settings), 3);
}

TEST_F(LanguageFormTest, OutOfRangeSettingIsEnglishAndStoredAsSuch) {
  MakeForm();
  const std::string settings = SettingsFile();
  form.reset();
  std::ofstream(settings) << "[View]\nlanguage=9\n";
  MakeForm();
  form->ApplySavedLanguage();
  EXPECT_EQ(form->LanguageIndex(), 0);
  EXPECT_TRUE(Find<QAction>(form, "mnuLangEnglish")->isChecked());
  ASSERT_TRUE(form->FormCloseQuery());
  EXPECT_EQ(ReadLanguageSetting(settings), 0);
}

TEST_F(LanguageFormTest, AboutBoxKeepsItsProductName) {
  WriteAppFile("Lang/Lang-CN.ini", "[ABOUT]\nProduct=别的产品\nOK=确定\n");
  MakeForm(OwnAppDir());
  Find<QAction>(form, "mnuLangSimpChinese")->trigger();
  EXPECT_EQ(form->About()->StaticTextProduct->text(), QString::fromUtf8("别的产品"));
  form->mnuAboutClick();
  EXPECT_TRUE(form->About()->isVisible());
  EXPECT_EQ(form->About()->StaticTextProduct->text(), "Vantrel");
  EXPECT_EQ(form->About()->btnOK->text(), QString::fromUtf8("确定"));
  form->About()->btnOK->click();
  EXPECT_FALSE(form->About()->isVisible());
}
