// Network names on the Wi-Fi page are the module's bytes, whatever their code
// page: shown decoded, sent back as they came; a typed name goes out as the
// UTF-8 of what was typed.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>

#include "tests/app/wifi_form_fixture.h"
#include "tests/app/wifi_input.h"
#include "tests/support/find_control.h"
#include "wifi/widgets/password_form.h"

namespace {

// "港區" and "台北" in Big5.
const std::string kHarbour = "\xB4\xE4\xB0\xCF";
const std::string kTaipei = "\xA5\x78\xA5\x5F";

}  // namespace

class WiFiBytesTest : public WiFiFormTest {
 protected:
  // The page in Traditional Chinese, whose old code page is Big5.
  void InChinese() {
    Find<QAction>(form, "mnuLangTraChinese")->trigger();
    ASSERT_EQ(form->LanguageIndex(), 1);
  }

  void Load() {
    ConnectToWiFiTab();
    if (!Find<TTimer>(form, "Timer_WiFi_function")->Enabled()) form->StartLoadWiFiSettings();
    ASSERT_GT(RunToEnd(), 0);
  }

  // The prompt is modal: typed into and entered once it is up.
  static void AnswerPasswordPrompt(const QString& password, int tries = 200) {
    QTimer::singleShot(5, [=] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* prompt = qobject_cast<TForm_password*>(w);
        if (!prompt || !prompt->isVisible()) continue;
        prompt->Edit_password->setText(password);
        prompt->Button_password_enter->click();
        return;
      }
      if (tries > 0) AnswerPasswordPrompt(password, tries - 1);
    });
  }

  // Ticks until the module has received `line`, at most `limit`.
  bool TickUntilReceived(const std::string& line, int limit = 15) {
    for (int i = 0; i < limit && !Received(line); ++i) Tick();
    return Received(line);
  }

  bool Received(const std::string& line) const {
    const auto& all = module->Received();
    return std::find(all.begin(), all.end(), line) != all.end();
  }
};

TEST_F(WiFiBytesTest, AccessPointNameGoesBackAsTheModuleGaveIt) {
  InChinese();
  module->settings.apSsid = kHarbour;
  Load();
  EXPECT_EQ(Find<TEdit>(form, "Edit_WiFi_SSID")->text(), QString::fromUtf8("港區"));
  EXPECT_EQ(form->WiFi().report.ssid, kHarbour);

  Click(Find<TSpeedButton>(form, "SpeedButtonSetting"));  // Configure Device, answered Yes
  EXPECT_EQ(form->WiFi().wifi.operation, WiFiOperation::ApplyApSettings);
  EXPECT_TRUE(TickUntilReceived("AT+APSSID=" + kHarbour));
  EXPECT_EQ(module->settings.apSsid, kHarbour);
}

TEST_F(WiFiBytesTest, ANameTheModuleGaveCanBeShortenedButNotLengthened) {
  InChinese();
  std::string name;
  for (int i = 0; i < 8; ++i) name += kHarbour;  // 32 bytes, 16 characters, 48 bytes of UTF-8
  module->settings.apSsid = name;
  Load();
  QLineEdit* ssid = Find<TEdit>(form, "Edit_WiFi_SSID");
  ASSERT_EQ(ssid->text().size(), 16);
  ssid->setFocus();
  ssid->end(false);
  Type(ssid, "x");
  EXPECT_EQ(ssid->text().size(), 16);
  Key(ssid, Qt::Key_Backspace);
  EXPECT_EQ(ssid->text().size(), 15);
  // What the user changed goes out as the UTF-8 of what is there, within 32 bytes.
  for (int i = 0; i < 5; ++i) Key(ssid, Qt::Key_Backspace);
  Type(ssid, "AB");
  EXPECT_EQ(ssid->text(), QString::fromUtf8("港區港區港區港區港區AB"));
  Click(Find<TSpeedButton>(form, "SpeedButtonSetting"));
  EXPECT_TRUE(TickUntilReceived("AT+APSSID=" + std::string("港區港區港區港區港區AB")));
}

TEST_F(WiFiBytesTest, ChosenNetworkIsJoinedByItsBytes) {
  InChinese();
  module->settings.opMode = 1;
  module->networks.push_back({kTaipei, "12:34:56:78:9a:bc", 6, -55, "NONE", ""});
  Load();
  form->show();
  Pump(20);
  QTableWidget* list = Find<TStringGrid>(form, "StringGridWiFiList");
  ASSERT_EQ(list->rowCount(), 5);
  QTableWidgetItem* taipei = list->item(4, 0);
  ASSERT_NE(taipei, nullptr);
  EXPECT_EQ(taipei->text(), QString::fromUtf8("台北"));
  list->scrollToItem(taipei);
  Click(list->viewport(), list->visualItemRect(taipei).center());
  ASSERT_EQ(list->currentRow(), 4);
  EXPECT_EQ(form->WiFi().wifi.joinSsid, kTaipei);

  Click(Find<TSpeedButton>(form, "SpeedButton_WiFi_STA_connect"));
  EXPECT_EQ(form->WiFi().wifi.operation, WiFiOperation::ConnectStation);
  EXPECT_TRUE(TickUntilReceived("AT+STA=" + kTaipei));
}

TEST_F(WiFiBytesTest, NetworkListReadsOtherNamesAsBig5InEnglishToo) {
  ASSERT_EQ(form->LanguageIndex(), 0);             // English, whose old code page is not Big5
  const std::string test = "KV-\xB4\xFA\xB8\xD5";  // "KV-測試" in Big5
  module->settings.opMode = 1;
  module->networks.push_back({test, "12:34:56:78:9a:bd", 6, -50, "NONE", ""});
  module->networks.push_back({"Café", "12:34:56:78:9a:be", 1, -60, "NONE", ""});
  Load();
  form->show();
  Pump(20);
  QTableWidget* list = Find<TStringGrid>(form, "StringGridWiFiList");
  const auto shown = list->findItems(QString::fromUtf8("KV-測試"), Qt::MatchExactly);
  ASSERT_EQ(shown.size(), 1);
  EXPECT_EQ(list->findItems(QString::fromUtf8("Café"), Qt::MatchExactly).size(), 1);

  list->scrollToItem(shown[0]);
  Click(list->viewport(), list->visualItemRect(shown[0]).center());
  EXPECT_EQ(form->WiFi().wifi.joinSsid, test);
  Click(Find<TSpeedButton>(form, "SpeedButton_WiFi_STA_connect"));
  EXPECT_TRUE(TickUntilReceived("AT+STA=" + test));
}

TEST_F(WiFiBytesTest, TypedHiddenNameGoesOutAsUtf8) {
  module->settings.opMode = 1;
  Load();
  form->show();
  Click(Find<TEdit>(form, "Edit_Hide_WiFi"));
  Find<TEdit>(form, "Edit_Hide_WiFi")->setFocus();
  Type(Find<TEdit>(form, "Edit_Hide_WiFi"), QString::fromUtf8("Café ☕"));
  AnswerPasswordPrompt("hidden2024");
  Click(Find<TSpeedButton>(form, "SpeedButton_WiFi_STA_connect"));
  EXPECT_EQ(form->WiFi().wifi.joinSsid, "Caf\xC3\xA9 \xE2\x98\x95");
  EXPECT_TRUE(TickUntilReceived("AT+STA=Caf\xC3\xA9 \xE2\x98\x95"));
  EXPECT_TRUE(TickUntilReceived("AT+PSK=2,hidden2024"));

  // The limit is 32 bytes of UTF-8, not 32 characters.
  Find<TEdit>(form, "Edit_Hide_WiFi")->clear();
  Type(Find<TEdit>(form, "Edit_Hide_WiFi"), QString(40, QChar(0xE9)));
  EXPECT_EQ(Find<TEdit>(form, "Edit_Hide_WiFi")->text().size(), 16);
}
