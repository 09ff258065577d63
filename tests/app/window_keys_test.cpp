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
#include "tests/support/find_control.h"

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
    return Find<QTabWidget>(form, "PageControlMain")->currentWidget() ==
               Find<QWidget>(form, "TabSheetDiagnosis") &&
           Find<QTabWidget>(form, "PageControlDiagnosis")->currentWidget() ==
               Find<QWidget>(form, "TabSheetDataLog") &&
           Find<TSpeedButton>(form, "SpeedButtonSetting")->isHidden() &&
           Find<TSpeedButton>(form, "SpeedButtonReload")->isHidden();
  }
  bool ShowsStaticData() const {
    return Find<QTabWidget>(form, "PageControlMain")->currentWidget() ==
               Find<QWidget>(form, "TabSheetConfig") &&
           Find<QTabWidget>(form, "PageControlConf")->currentWidget() ==
               Find<QWidget>(form, "TabSheetStatic") &&
           !Find<TSpeedButton>(form, "SpeedButtonSetting")->isHidden() &&
           !Find<TSpeedButton>(form, "SpeedButtonReload")->isHidden();
  }
};

TEST_F(WindowKeys, F12AndF1FromEveryKindOfControl) {
  Find<QComboBox>(form, "cbxShipType")->setFocusPolicy(Qt::StrongFocus);
  const std::vector<QWidget*> controls = {
      Find<TLabeledEdit>(form, "lblEdtName"),  // line edit, the ship name
      Find<TEdit>(form, "MaskEditMMSI"),       // line edit with a validator
      Find<QSpinBox>(form, "CSpinEditA"),      // spin box
      Find<QComboBox>(form, "cbxShipType"),    // drop-down list
      Find<QComboBox>(form, "cbxComPort"),     // editable combo box in the connection panel
      Find<TLabeledEdit>(form,
                         "LabelEditWiFi_Port"),   // hidden until the Wi-Fi medium: skipped below
      Find<TLabeledEdit>(form, "lblEdtGpsLat"),   // read-only GPS field
      Find<QPlainTextEdit>(form, "MemoDataLog"),  // memo
      Find<TEdit>(form, "EditSendCommand"),       // the command line of the DATA LOG page
      Find<QComboBox>(form, "ComboBoxDscMonitoring"),
  };
  for (QWidget* w : controls) {
    SCOPED_TRACE(w->objectName().toStdString());
    if (w == Find<TLabeledEdit>(form, "LabelEditWiFi_Port")) continue;
    FocusOn(w);
    Press(Qt::Key_F12);
    EXPECT_TRUE(ShowsDataLog());
    FocusOn(w);
    Press(Qt::Key_F1);
    EXPECT_TRUE(ShowsStaticData());
  }
  // The Wi-Fi medium's fields too.
  Find<QAction>(form, "mnuWiFi")->trigger();
  FocusOn(Find<TLabeledEdit>(form, "LabelEditWiFi_Port"));
  Press(Qt::Key_F12);
  EXPECT_TRUE(ShowsDataLog());
}

TEST_F(WindowKeys, TypingInTheFieldsIsUnchanged) {
  FocusOn(Find<TLabeledEdit>(form, "lblEdtName"));
  Find<TLabeledEdit>(form, "lblEdtName")->clear();
  QTest::keyClicks(Find<TLabeledEdit>(form, "lblEdtName"), "abc 1");
  EXPECT_EQ(Find<TLabeledEdit>(form, "lblEdtName")->text(), "ABC 1");
  QTest::keyClick(Find<TLabeledEdit>(form, "lblEdtName"), Qt::Key_Backspace);
  EXPECT_EQ(Find<TLabeledEdit>(form, "lblEdtName")->text(), "ABC ");

  FocusOn(Find<QSpinBox>(form, "CSpinEditA"));
  Find<QSpinBox>(form, "CSpinEditA")->selectAll();
  QTest::keyClicks(Find<QSpinBox>(form, "CSpinEditA"), "42");
  EXPECT_EQ(Find<QSpinBox>(form, "CSpinEditA")->value(), 42);
  QTest::keyClick(Find<QSpinBox>(form, "CSpinEditA"), Qt::Key_Up);
  EXPECT_EQ(Find<QSpinBox>(form, "CSpinEditA")->value(), 43);

  FocusOn(Find<TEdit>(form, "EditSendCommand"));
  QTest::keyClicks(Find<TEdit>(form, "EditSendCommand"), "AT+VER");
  EXPECT_EQ(Find<TEdit>(form, "EditSendCommand")->text(), "AT+VER");
  // The keys themselves are not typed.
  Press(Qt::Key_F1);
  Press(Qt::Key_F12);
  EXPECT_EQ(Find<TEdit>(form, "EditSendCommand")->text(), "AT+VER");
  EXPECT_EQ(Find<TLabeledEdit>(form, "lblEdtName")->text(), "ABC ");
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
  FocusOn(Find<TLabeledEdit>(form, "lblEdtCallSign"));
  for (Qt::Key key : {Qt::Key_F2, Qt::Key_F5, Qt::Key_F11, Qt::Key_Escape}) Press(key);
  EXPECT_TRUE(ShowsStaticData());
}

}  // namespace
