// What assistive technology sees of the connect control, the Wi-Fi mode
// choices and "Enable Wi-Fi", and that their accessible actions do what a
// user's press does, against the simulated transponder on a pseudo-terminal.
#include <QAccessible>
#include <QComboBox>
#include <QRadioButton>

#include "tests/app/wifi_form_fixture.h"
#include "tests/support/find_control.h"

namespace {

class Accessibility : public WiFiFormTest {
 protected:
  static QAccessibleInterface* Of(QWidget* w) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    EXPECT_NE(iface, nullptr);
    EXPECT_NE(iface->actionInterface(), nullptr);
    return iface;
  }
  // The action an assistive tool offers first: the one it runs on "activate".
  static void Activate(QAccessibleInterface* iface) {
    const QStringList names = iface->actionInterface()->actionNames();
    ASSERT_FALSE(names.isEmpty());
    iface->actionInterface()->doAction(names.first());
  }
  bool SentTestRequest() const {
    for (const std::string& line : sent)
      if (line.rfind("$PTST,,,,,00016*", 0) == 0) return true;
    return false;
  }
};

TEST_F(Accessibility, ConnectControlIsAToggleButtonPressedLikeAClick) {
  QAccessibleInterface* iface = Of(Find<TSpeedButton>(form, "OpenPort"));
  EXPECT_EQ(iface->role(), QAccessible::Button);
  EXPECT_TRUE(iface->state().checkable);
  EXPECT_FALSE(iface->state().checked);
  EXPECT_EQ(iface->text(QAccessible::Name), "Connect");
  EXPECT_EQ(iface->actionInterface()->actionNames().first(),
            QAccessibleActionInterface::pressAction());

  // The press connects: the port opens and the handshake runs to its end.
  Find<QRadioButton>(form, "RadioButtonConnectionModeManual")->setChecked(true);
  Find<QComboBox>(form, "cbxComPort")->setEditText(QString::fromStdString(slavePath_));
  Activate(iface);
  EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->Tag, 1);
  ASSERT_TRUE(form->Comm()->IsOpen());
  for (int i = 0; i < 5 && form->Session().DeviceConnected != 1; ++i) {
    Exchange();
    form->Timer1Timer();
  }
  EXPECT_TRUE(SentTestRequest());
  EXPECT_TRUE(WaitFor([&] { return form->Session().DeviceConnected == 1; }));
  EXPECT_TRUE(iface->state().checked);
  EXPECT_EQ(iface->text(QAccessible::Name), "Disconnect");

  // Pressed again it disconnects, whichever of its action names a tool uses.
  iface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->Tag, 0);
  EXPECT_FALSE(form->Comm()->IsOpen());
  EXPECT_FALSE(iface->state().checked);
  EXPECT_EQ(iface->text(QAccessible::Name), "Connect");
  EXPECT_TRUE(dialogs.shown.empty());

  // A disabled control offers no press and takes none.
  Find<TSpeedButton>(form, "OpenPort")->setEnabled(false);
  EXPECT_FALSE(
      iface->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
  iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->Tag, 0);
}

TEST_F(Accessibility, WiFiModeChoicesAreRadioButtonsThatAskFirst) {
  ConnectToWiFiTab();
  if (!Find<TTimer>(form, "Timer_WiFi_function")->Enabled()) form->StartLoadWiFiSettings();
  RunToEnd();
  QAccessibleInterface* ap = Of(Find<QRadioButton>(form, "RadioButton_AP"));
  QAccessibleInterface* sta = Of(Find<QRadioButton>(form, "RadioButton_STA"));
  EXPECT_EQ(ap->role(), QAccessible::RadioButton);
  EXPECT_EQ(sta->role(), QAccessible::RadioButton);
  EXPECT_EQ(ap->text(QAccessible::Name), "Access Point");
  EXPECT_EQ(sta->text(QAccessible::Name), "Client");
  EXPECT_TRUE(ap->state().checked);
  EXPECT_FALSE(sta->state().checked);

  // The question comes first; Cancel leaves the mode as it was.
  dialogs.shown.clear();
  dialogs.answers.push_back(DialogResult::Cancel);
  Activate(sta);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text,
            "You are about to switch to [Client mode].\n\nDo you want to continue?");
  EXPECT_TRUE(ap->state().checked);
  EXPECT_FALSE(sta->state().checked);
  EXPECT_FALSE(Find<TTimer>(form, "Timer_WiFi_function")->Enabled());

  // OK: the mode change starts on the module.
  Activate(sta);
  EXPECT_TRUE(sta->state().checked);
  EXPECT_FALSE(ap->state().checked);
  EXPECT_EQ(form->WiFi().wifi.operation, WiFiOperation::ChangeMode);
  EXPECT_TRUE(Find<TTimer>(form, "Timer_WiFi_function")->Enabled());
}

TEST_F(Accessibility, EnableWiFiIsACheckBoxThatAsksFirst) {
  ConnectToWiFiTab();
  if (!Find<TTimer>(form, "Timer_WiFi_function")->Enabled()) form->StartLoadWiFiSettings();
  RunToEnd();
  QAccessibleInterface* box = Of(Find<QCheckBox>(form, "CheckBox_WiFi_Open"));
  EXPECT_EQ(box->role(), QAccessible::CheckBox);
  EXPECT_EQ(box->text(QAccessible::Name), "Enable Wi-Fi");
  const bool wasOn = box->state().checked;

  // A bare toggle would flip the box without the module ever hearing of it.
  dialogs.shown.clear();
  dialogs.answers.push_back(DialogResult::No);
  Activate(box);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].caption, "Wireless network");
  EXPECT_EQ(box->state().checked, wasOn);
  EXPECT_FALSE(Find<TTimer>(form, "Timer_WiFi_function")->Enabled());

  Activate(box);
  EXPECT_EQ(box->state().checked, !wasOn);
  EXPECT_EQ(form->WiFi().wifi.operation, WiFiOperation::EnableWiFi);
  EXPECT_TRUE(Find<TTimer>(form, "Timer_WiFi_function")->Enabled());
}

}  // namespace
