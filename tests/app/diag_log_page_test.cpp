// The DATA LOG page, the custom command and the page change.
#include <QChartView>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QTabWidget>

#include <fstream>
#include <sstream>

#include "tests/app/diag_fixture.h"
#include "tests/support/find_control.h"

namespace {

std::string ReadFile(const std::filesystem::path& p) {
  std::ifstream f(p, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

class DiagLogPage : public DiagFormTest {};

TEST_F(DiagLogPage, LogsWhileEnabledAndSavesWhatItShows) {
  Connect();
  Find<QCheckBox>(form, "cbxEnableLog")->setChecked(true);
  DeviceLines({"$GPGLL,5250.53669,N,00542.34920,E,213950.00,A,A*67", "", "plain text"});
  Find<QCheckBox>(form, "cbxEnableLog")->setChecked(false);
  DeviceLines({"not logged"});
  EXPECT_EQ(Find<QPlainTextEdit>(form, "MemoDataLog")->toPlainText().toStdString(),
            "$GPGLL,5250.53669,N,00542.34920,E,213950.00,A,A*67\n\nplain text");

  const auto path = docs_ / "log.TXT";
  dialogs.saveAnswers.push_back(path.string());
  form->btnSaveLogClick();
  EXPECT_EQ(ReadFile(path),
            "$GPGLL,5250.53669,N,00542.34920,E,213950.00,A,A*67\r\n\r\nplain text\r\n");
  EXPECT_TRUE(dialogs.shown.empty());

  // An existing file: No leaves it as it was, Yes replaces it.
  std::ofstream(path, std::ios::binary | std::ios::trunc) << "earlier";
  dialogs.saveAnswers.push_back(path.string());
  dialogs.answers.push_back(DialogResult::No);
  form->btnSaveLogClick();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, "File already exists. Do you want to overwrite?");
  EXPECT_EQ(dialogs.shown[0].caption, "WARNING");
  EXPECT_EQ(dialogs.shown[0].buttons, DialogButtons::YesNo);
  EXPECT_EQ(ReadFile(path), "earlier");
  dialogs.saveAnswers.push_back(path.string());
  form->btnSaveLogClick();
  EXPECT_EQ(ReadFile(path).substr(0, 7), "$GPGLL,");

  // A name without extension gets ".TXT"; a folder that is not there is reported.
  dialogs.shown.clear();
  dialogs.saveAnswers.push_back((docs_ / "second").string());
  form->btnSaveLogClick();
  EXPECT_TRUE(std::filesystem::exists(docs_ / "second.TXT"));
  dialogs.saveAnswers.push_back((docs_ / "missing" / "log.TXT").string());
  form->btnSaveLogClick();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].icon, DialogIcon::Error);
  EXPECT_NE(dialogs.shown[0].text.find("missing/log.TXT"), std::string::npos);

  // A cancelled dialog does nothing at all.
  dialogs.shown.clear();
  form->btnSaveLogClick();
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(DiagLogPage, ClearAsksFirst) {
  Find<QPlainTextEdit>(form, "MemoDataLog")->setPlainText("a\nb");
  dialogs.answers.push_back(DialogResult::Cancel);
  form->btnClearLogClick();
  EXPECT_EQ(Find<QPlainTextEdit>(form, "MemoDataLog")->toPlainText(), "a\nb");
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, "Are you sure to clear log?");
  EXPECT_EQ(dialogs.shown[0].caption, "Warning");
  EXPECT_EQ(dialogs.shown[0].buttons, DialogButtons::OkCancel);
  form->btnClearLogClick();
  EXPECT_TRUE(Find<QPlainTextEdit>(form, "MemoDataLog")->toPlainText().isEmpty());
}

TEST_F(DiagLogPage, CustomCommandBytes) {
  Connect();
  auto send = [&](const char* text) {
    Find<TEdit>(form, "EditSendCommand")->setText(text);
    form->ButtonCustomSendCommandClick();
    return SentBytes();
  };
  EXPECT_EQ(send("+++"), "+++");
  EXPECT_EQ(send("++"), "++\r\n");
  EXPECT_EQ(send("+++ "), "+++ \r\n");
  EXPECT_EQ(send(""), "\r\n");
  EXPECT_EQ(send("$PKVR,Q,CFG,30,0,0,*1D"), "$PKVR,Q,CFG,30,0,0,*1D\r\n");
  // The edit takes at most 84 characters.
  EXPECT_EQ(Find<TEdit>(form, "EditSendCommand")->maxLength(), 84);

  Find<TTimer>(form, "Timer_WiFi_function")->Start();
  send("AT");
  EXPECT_TRUE(Find<TTimer>(form, "Timer_WiFi_function")->Enabled());
  EXPECT_EQ(send("AT+SCAN"), "AT+SCAN\r\n");
  EXPECT_FALSE(Find<TTimer>(form, "Timer_WiFi_function")->Enabled());
  Find<TTimer>(form, "Timer_WiFi_function")->Start();
  send("$PDBG,163,1,,,,,,*14");
  EXPECT_FALSE(Find<TTimer>(form, "Timer_WiFi_function")->Enabled());
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(DiagLogPage, CustomCommandWithoutConnectionReportsIt) {
  Find<TEdit>(form, "EditSendCommand")->setText("AT+VER");
  form->ButtonCustomSendCommandClick();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, form->Texts().PortOpenError);
  EXPECT_EQ(dialogs.shown[0].caption, form->Texts().Error);
  EXPECT_EQ(dialogs.shown[0].icon, DialogIcon::Error);
}

TEST_F(DiagLogPage, PageChangeShowsTheConfigurationButtonsOnlyThere) {
  form->show();
  Find<QTabWidget>(form, "PageControlMain")
      ->setCurrentWidget(Find<QWidget>(form, "TabSheetDiagnosis"));
  EXPECT_TRUE(Find<TSpeedButton>(form, "SpeedButtonReload")->isHidden());
  Find<QTabWidget>(form, "PageControlMain")
      ->setCurrentWidget(Find<QWidget>(form, "TabSheetConfig"));
  EXPECT_FALSE(Find<TSpeedButton>(form, "SpeedButtonReload")->isHidden());
}

TEST_F(DiagLogPage, SatelliteIdCaptionSitsAtTheChartsFoot) {
  form->show();
  Find<QTabWidget>(form, "PageControlMain")
      ->setCurrentWidget(Find<QWidget>(form, "TabSheetDiagnosis"));
  Find<QTabWidget>(form, "PageControlDiagnosis")
      ->setCurrentWidget(Find<QWidget>(form, "TabSheetGpsStatus"));
  form->resize(1000, 760);
  Pump(30);
  const QRect chart = Find<QChartView>(form, "Chart1")->geometry();
  EXPECT_EQ(Find<QLabel>(form, "lblSatelliteID")->y(), chart.y() + chart.height() - 20);
  EXPECT_EQ(Find<QLabel>(form, "lblSatelliteID")->width(), chart.width());
  EXPECT_EQ(Find<QLabel>(form, "lblSatelliteID")->text(), "Satellite ID");
  // A resize also brings the window's top edge to 40.
  form->move(30, 200);
  form->resize(1010, 760);
  Pump(30);
  EXPECT_EQ(form->y(), 40);
  EXPECT_EQ(form->x(), 30);
}

}  // namespace
