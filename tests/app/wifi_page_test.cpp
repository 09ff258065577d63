// The Wi-Fi page of the real main window, over a pseudo-terminal to the
// simulated module->
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>

#include "tests/app/wifi_form_fixture.h"
#include "tests/app/wifi_input.h"
#include "tests/support/find_control.h"
#include "wifi/widgets/IpAddressEdit.h"
#include "wifi/widgets/ProcessingBar.h"
#include "wifi/widgets/password_form.h"

namespace {

QString Text(QLineEdit* e) { return e->text(); }

// A scan result shown with its images when KVOR_WIFI_SHOTS names a folder.
void Shot(QWidget* window, const char* name) {
  const char* dir = std::getenv("KVOR_WIFI_SHOTS");
  if (!dir) return;
  window->show();
  window->resize(1000, 720);
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < 300) QCoreApplication::processEvents();
  window->grab().save(QDir(dir).filePath(name));
  if (std::getenv("KVOR_WIFI_SHOTS_HOLD")) {
    // Leaves time for a screen capture from outside.
    std::fprintf(stderr, "showing %s\n", name);
    t.restart();
    while (t.elapsed() < 4000) QCoreApplication::processEvents();
  }
}

}  // namespace

TEST_F(WiFiFormTest, LoadsTheAccessPointSettingsIntoThePage) {
  ConnectToWiFiTab();
  if (!Find<TTimer>(form, "Timer_WiFi_function")->Enabled()) form->StartLoadWiFiSettings();
  // The progress window is up without a nested event loop: this returned.
  EXPECT_TRUE(form->ProcessingBarRunning());
  Tick();
  Shot(form.get(), "wifi-progress.png");
  EXPECT_GT(RunToEnd(), 0);
  EXPECT_FALSE(form->ProcessingBarRunning());
  EXPECT_EQ(Text(Find<TEdit>(form, "Edit_WiFi_SSID")), "KVOR-AIS");
  EXPECT_EQ(Text(Find<TEdit>(form, "Edit_WiFi_password")), "12345678");
  EXPECT_EQ(Find<QComboBox>(form, "ComboBox_WiFi_Channel")->currentText(), "6");
  EXPECT_EQ(Find<IpAddressEdit>(form, "IpAddressHandle")->Address(), 0xC0A80201u);
  EXPECT_TRUE(Find<IpAddressEdit>(form, "IpAddressHandle")
                  ->isVisibleTo(Find<QWidget>(form, "TabSheetWiFi")));
  EXPECT_EQ(Text(Find<TEdit>(form, "Edit_WiFi_Port")), "3333");
  EXPECT_EQ(Find<QLabel>(form, "Label_wifi_firmware_ver_AP")->text(),
            "Wi-Fi Module Firmware Version: V1.08");
  EXPECT_TRUE(Find<QCheckBox>(form, "CheckBox_WiFi_Open")->isChecked());
  EXPECT_TRUE(Find<QRadioButton>(form, "RadioButton_AP")->isChecked());
  EXPECT_TRUE(Find<QRadioButton>(form, "RadioButton_AP")->font().bold());
  EXPECT_EQ(form->WiFi().report.ssid, "KVOR-AIS");
  EXPECT_EQ(form->WiFi().wifi.cmdMode, 0);
  // The memo shows the exchange with the module->
  EXPECT_TRUE(Find<QPlainTextEdit>(form, "Memo_WiFi")->toPlainText().contains("+ok=3333"));
  EXPECT_EQ(sent.back(), "$PDBG,163,0,,,,,,*15");
  Shot(form.get(), "wifi-access-point.png");
}

TEST_F(WiFiFormTest, ClientModeListsTheScannedNetworks) {
  module->settings.opMode = 1;
  module->settings.staSsid = "Marina-Guest";
  module->settings.staSecurity = "NONE";
  module->Receive("AT+WAPPLY");  // linked to the open network
  module->faults.quotedScanFields = true;
  ConnectToWiFiTab();
  if (!Find<TTimer>(form, "Timer_WiFi_function")->Enabled()) form->StartLoadWiFiSettings();
  EXPECT_GT(RunToEnd(), 0);
  EXPECT_TRUE(Find<QRadioButton>(form, "RadioButton_STA")->isChecked());
  EXPECT_EQ(Find<QTabWidget>(form, "PageControl_WiFiMode")->currentWidget(),
            Find<QWidget>(form, "TabSheet_STA"));
  EXPECT_FALSE(Find<IpAddressEdit>(form, "IpAddressHandle")
                   ->isVisibleTo(Find<QWidget>(form, "TabSheetWiFi")));
  ASSERT_EQ(Find<TStringGrid>(form, "StringGridWiFiList")->rowCount(), 6);
  EXPECT_EQ(Find<TStringGrid>(form, "StringGridWiFiList")->columnCount(), 6);
  EXPECT_EQ(Find<TStringGrid>(form, "StringGridWiFiList")->item(4, 0)->text(), "Cafe, Upstairs");
  EXPECT_EQ(Find<TStringGrid>(form, "StringGridWiFiList")->currentRow(), 1);  // the linked network
  EXPECT_EQ(Find<QLabel>(form, "Label_STA_Connect_Status")->text(), "Connected");
  EXPECT_TRUE(
      Find<QLabel>(form, "Label_STA_Connect_Status")->styleSheet().contains("#0000ff"));  // blue
  EXPECT_EQ(Find<QLabel>(form, "Label_ShowIP")->text(), "192.168.1.57");
  EXPECT_TRUE(Find<TSpeedButton>(form, "SpeedButton_retry_dhcp_ip")
                  ->isVisibleTo(Find<QWidget>(form, "TabSheetWiFi")));
  Find<TStringGrid>(form, "StringGridWiFiList")->setCurrentCell(0, 0);
  emit Find<TStringGrid>(form, "StringGridWiFiList")->cellClicked(0, 0);
  EXPECT_EQ(Find<TSpeedButton>(form, "SpeedButton_WiFi_STA_connect")->text(), "Connect");
  Shot(form.get(), "wifi-client.png");
}

TEST_F(WiFiFormTest, RadioPressAsksBeforeTheModeChanges) {
  ConnectToWiFiTab();
  if (!Find<TTimer>(form, "Timer_WiFi_function")->Enabled()) form->StartLoadWiFiSettings();
  RunToEnd();
  dialogs.shown.clear();
  dialogs.answers.push_back(DialogResult::Cancel);
  Click(Find<QRadioButton>(form, "RadioButton_STA"));
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text,
            "You are about to switch to [Client mode].\n\nDo you want to continue?");
  EXPECT_TRUE(Find<QRadioButton>(form, "RadioButton_AP")->isChecked());
  EXPECT_FALSE(Find<QRadioButton>(form, "RadioButton_STA")->isChecked());
  EXPECT_FALSE(Find<TTimer>(form, "Timer_WiFi_function")->Enabled());

  Click(Find<QRadioButton>(form, "RadioButton_STA"));  // answered OK
  EXPECT_TRUE(Find<QRadioButton>(form, "RadioButton_STA")->isChecked());
  EXPECT_EQ(form->WiFi().wifi.operation, WiFiOperation::ChangeMode);
  EXPECT_GT(RunToEnd(), 0);
  EXPECT_EQ(module->settings.opMode, 1);
  // The page follows once the progress window has closed.
  EXPECT_TRUE(WaitFor([&] {
    return Find<QTabWidget>(form, "PageControl_WiFiMode")->currentWidget() ==
           Find<QWidget>(form, "TabSheet_STA");
  }));
}

TEST_F(WiFiFormTest, CtrlShiftMTogglesTheReplyMemo) {
  form->show();
  ASSERT_TRUE(Find<QPlainTextEdit>(form, "Memo_WiFi")->isHidden());
  Key(Find<TEdit>(form, "Edit_WiFi_SSID"), Qt::Key_M, Qt::ControlModifier);
  EXPECT_TRUE(Find<QPlainTextEdit>(form, "Memo_WiFi")->isHidden());
  Key(Find<TEdit>(form, "Edit_WiFi_SSID"), Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_FALSE(Find<QPlainTextEdit>(form, "Memo_WiFi")->isHidden());
  EXPECT_EQ(Find<QPlainTextEdit>(form, "Memo_WiFi")->height(), 316);
  Key(Find<TEdit>(form, "Edit_Hide_WiFi"), Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_TRUE(Find<QPlainTextEdit>(form, "Memo_WiFi")->isHidden());
}

TEST_F(WiFiFormTest, EditsRefuseWhatCannotGoIntoACommand) {
  Type(Find<TEdit>(form, "Edit_WiFi_Port"), "12a-3 456");
  EXPECT_EQ(Text(Find<TEdit>(form, "Edit_WiFi_Port")), "12345");
  Find<TEdit>(form, "Edit_Hide_WiFi")->clear();
  Type(Find<TEdit>(form, "Edit_Hide_WiFi"), QString(40, 'n'));
  EXPECT_EQ(Find<TEdit>(form, "Edit_Hide_WiFi")->text().size(), 32);
  Find<TEdit>(form, "Edit_WiFi_password")->clear();
  Find<TEdit>(form, "Edit_WiFi_password")->insert("line\nbreak");
  EXPECT_FALSE(Find<TEdit>(form, "Edit_WiFi_password")->text().contains('\n'));
}

TEST(WiFiWidgets, PasswordPromptLimits) {
  TForm_password prompt;
  auto typed = [&](int n) {
    prompt.Edit_password->setText(QString(n, 'k'));
    return prompt.Button_password_enter->isEnabled();
  };
  EXPECT_TRUE(typed(0));
  EXPECT_FALSE(typed(7));
  EXPECT_TRUE(typed(8));
  EXPECT_TRUE(typed(63));
  EXPECT_FALSE(typed(64));
  EXPECT_TRUE(typed(0));
  prompt.Edit_password->clear();
  prompt.Button_password_enterClick();
  EXPECT_EQ(prompt.result(), QDialog::Accepted);
  EXPECT_EQ(prompt.Edit_password->text(), "0");
}

TEST(WiFiWidgets, ProgressWindowSlidesAndCannotBeClosed) {
  std::string status = "Loading Wi-Fi Settings...";
  TForm_ProcessingBar::SlideDirection = 1;
  TForm_ProcessingBar bar(nullptr, [&] { return status; });
  bar.open();
  EXPECT_TRUE(bar.Timer_status->isActive());
  bar.Timer_statusTimer();
  EXPECT_EQ(bar.Gauge_statusII->x(), 14);
  EXPECT_EQ(bar.Label_stage_text->text(), "Loading Wi-Fi Settings...");
  EXPECT_TRUE(bar.CGauge_status->isHidden());
  for (int i = 0; i < 30; ++i) bar.Timer_statusTimer();
  EXPECT_EQ(TForm_ProcessingBar::SlideDirection, 0);  // turned at the right end
  int lowest = 1000;
  for (int i = 0; i < 40; ++i) {
    bar.Timer_statusTimer();
    lowest = std::min(lowest, bar.Gauge_statusII->x());
    EXPECT_LE(bar.Gauge_statusII->x(), 143);
  }
  EXPECT_EQ(lowest, 20);
  status = "Rebooting the Wi-Fi Module";
  bar.Timer_statusTimer();
  EXPECT_EQ(bar.Label_stage_text->text(), "Rebooting the Wi-Fi Module");
  bar.close();
  bar.reject();
  Key(&bar, Qt::Key_Escape);
  EXPECT_TRUE(bar.isVisible());
  bar.Timer_status->stop();
  bar.close();
  EXPECT_FALSE(bar.isVisible());
  // The direction carries over to the next window.
  const int direction = TForm_ProcessingBar::SlideDirection;
  TForm_ProcessingBar next(nullptr, [] { return std::string(); });
  EXPECT_EQ(TForm_ProcessingBar::SlideDirection, direction);
}

TEST(WiFiWidgets, AddressControlFields) {
  IpAddressEdit ip;
  EXPECT_TRUE(ip.IsBlank());
  ip.SetAddress(0xC0A8020Au);
  int filled = 0;
  EXPECT_EQ(ip.Address(&filled), 0xC0A8020Au);
  EXPECT_EQ(filled, 4);
  EXPECT_EQ(ip.Field(3)->text(), "10");
  ip.Clear();
  EXPECT_TRUE(ip.IsBlank());
  Type(ip.Field(0), "300");
  EXPECT_EQ(ip.Field(0)->text(), "30");
  ip.Field(0)->clear();
  Type(ip.Field(0), "10.");  // the dot moves on, it is not typed
  Type(ip.Field(1), "1");
  EXPECT_EQ(ip.Field(0)->text(), "10");
  EXPECT_EQ(ip.Field(1)->text(), "1");
  EXPECT_EQ(ip.Address(&filled), 0x0A010000u);
  EXPECT_EQ(filled, 2);
  EXPECT_FALSE(ip.IsBlank());
}
