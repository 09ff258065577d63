// F1 (STATIC DATA) and F12 (DATA LOG) pressed on the real window, whichever
// control has the focus, and the typing in those controls left as it was.
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include "tests/app/pty_form_fixture.h"

namespace {

class WindowKeys : public PtyFormTest {
 protected:
  void SetUp() override {
    PtyFormTest::SetUp();
    form->resize(900, 700);
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  }

  // Shows the page that holds `w` and gives `w` the keyboard focus.
  void FocusOn(QWidget* w) {
    for (QWidget* page = w; page; page = page->parentWidget()) {
      for (QWidget* up = page->parentWidget(); up; up = up->parentWidget()) {
        auto* tabs = qobject_cast<QTabWidget*>(up);
        if (tabs && tabs->indexOf(page) >= 0) tabs->setCurrentWidget(page);
      }
    }
    w->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(WaitFor([&] { return QApplication::focusWidget() == w; }))
        << w->objectName().toStdString();
  }

  // The focused widget gets the key as a person would give it.
  static void Press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

  bool ShowsDataLog() const {
    return form->PageControlMain->currentWidget() == form->TabSheetDiagnosis &&
           form->PageControlDiagnosis->currentWidget() == form->TabSheetDataLog &&
           form->SpeedButtonSetting->isHidden() && form->SpeedButtonReload->isHidden();
  }
  bool ShowsStaticData() const {
    return form->PageControlMain->currentWidget() == form->TabSheetConfig &&
           form->PageControlConf->currentWidget() == form->TabSheetStatic &&
           !form->SpeedButtonSetting->isHidden() && !form->SpeedButtonReload->isHidden();
  }
};

TEST_F(WindowKeys, F12AndF1FromEveryKindOfControl) {
  form->cbxShipType->setFocusPolicy(Qt::StrongFocus);
  const std::vector<QWidget*> controls = {
      form->lblEdtName,          // line edit, the ship name
      form->MaskEditMMSI,        // line edit with a validator
      form->CSpinEditA,          // spin box
      form->cbxShipType,         // drop-down list
      form->cbxComPort,          // editable combo box in the connection panel
      form->LabelEditWiFi_Port,  // hidden until the Wi-Fi medium: skipped below
      form->lblEdtGpsLat,        // read-only GPS field
      form->MemoDataLog,         // memo
      form->EditSendCommand,     // the command line of the DATA LOG page
      form->ComboBoxDscMonitoring,
  };
  for (QWidget* w : controls) {
    SCOPED_TRACE(w->objectName().toStdString());
    if (w == form->LabelEditWiFi_Port) continue;
    FocusOn(w);
    Press(Qt::Key_F12);
    EXPECT_TRUE(ShowsDataLog());
    FocusOn(w);
    Press(Qt::Key_F1);
    EXPECT_TRUE(ShowsStaticData());
  }
  // The Wi-Fi medium's fields too.
  form->mnuWiFi->trigger();
  FocusOn(form->LabelEditWiFi_Port);
  Press(Qt::Key_F12);
  EXPECT_TRUE(ShowsDataLog());
}

TEST_F(WindowKeys, TypingInTheFieldsIsUnchanged) {
  FocusOn(form->lblEdtName);
  form->lblEdtName->clear();
  QTest::keyClicks(form->lblEdtName, "abc 1");
  EXPECT_EQ(form->lblEdtName->text(), "ABC 1");
  QTest::keyClick(form->lblEdtName, Qt::Key_Backspace);
  EXPECT_EQ(form->lblEdtName->text(), "ABC ");

  FocusOn(form->CSpinEditA);
  form->CSpinEditA->selectAll();
  QTest::keyClicks(form->CSpinEditA, "42");
  EXPECT_EQ(form->CSpinEditA->value(), 42);
  QTest::keyClick(form->CSpinEditA, Qt::Key_Up);
  EXPECT_EQ(form->CSpinEditA->value(), 43);

  FocusOn(form->EditSendCommand);
  QTest::keyClicks(form->EditSendCommand, "AT+VER");
  EXPECT_EQ(form->EditSendCommand->text(), "AT+VER");
  // The keys themselves are not typed.
  Press(Qt::Key_F1);
  Press(Qt::Key_F12);
  EXPECT_EQ(form->EditSendCommand->text(), "AT+VER");
  EXPECT_EQ(form->lblEdtName->text(), "ABC ");
}

TEST_F(WindowKeys, OtherWindowsKeepTheirKeys) {
  // A window of its own over the main one: F12 there changes nothing here.
  QDialog dialog(form.get());
  auto* edit = new QLineEdit(&dialog);
  dialog.show();
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  edit->setFocus();
  ASSERT_TRUE(WaitFor([&] { return QApplication::focusWidget() == edit; }));
  QTest::keyClick(edit, Qt::Key_F12);
  EXPECT_TRUE(ShowsStaticData());
  dialog.close();

  // Other keys do nothing to the pages.
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  FocusOn(form->lblEdtCallSign);
  for (Qt::Key key : {Qt::Key_F2, Qt::Key_F5, Qt::Key_F11, Qt::Key_Escape}) Press(key);
  EXPECT_TRUE(ShowsStaticData());
}

}  // namespace
