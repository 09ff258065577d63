// "Read Device" on the Wi-Fi tab of the real window: the module's settings
// loaded again for the report, and the report question after a time-out.
#include <QComboBox>
#include <QPushButton>

#include <fstream>
#include <iterator>

#include "tests/app/wifi_form_fixture.h"
#include "tests/app/wifi_input.h"
#include "tests/support/find_control.h"

class WiFiReportTest : public WiFiFormTest {
 protected:
  void SetUp() override {
    WiFiFormTest::SetUp();
    form->SetReportFileOpener([this](const std::string& path) { opened.push_back(path); });
    ConnectToWiFiTab();
    if (!Find<TTimer>(form, "Timer_WiFi_function")->Enabled()) form->StartLoadWiFiSettings();
    ASSERT_GT(RunToEnd(), 0);
    dialogs.shown.clear();
  }

  // Read Device, then ticks until `boxes` boxes were shown, with the real
  // boxes' own event loop running what is posted while one is up. Everything
  // posted runs, both in a box and after the last, so that a box too many
  // shows here however slow the machine.
  void ReadDeviceUntil(size_t boxes) {
    dialogs.whileOpen = [] { EXPECT_TRUE(Settle()); };
    Click(Find<TSpeedButton>(form, "SpeedButtonReload"));
    ASSERT_EQ(form->ReportCountdown(), 1);
    for (int i = 0; i < 30 && dialogs.shown.size() < boxes; ++i) Tick();
    ASSERT_TRUE(Settle());
  }

  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> texts;
    for (auto& b : dialogs.shown) texts.push_back(b.text);
    return texts;
  }

  // The time-out's warning, answered, and only then the report question:
  // never two boxes at once.
  void ExpectQuestionAfter(const std::string& warning) {
    dialogs.answers = {DialogResult::Ok, DialogResult::Cancel};
    ReadDeviceUntil(2);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{warning, "Do you want to save report?"}));
    EXPECT_EQ(dialogs.mostOpenAtOnce, 1);
  }

  std::vector<std::string> opened;
};

TEST_F(WiFiReportTest, TheReportHasTheModulesSettingsUnderThePageCaptions) {
  const std::string path = (docs_ / "wifi-report.TXT").string();
  dialogs.answers = {DialogResult::Ok};
  dialogs.saveAnswers.push_back(path);
  ReadDeviceUntil(1);
  ASSERT_EQ(BoxTexts(), std::vector<std::string>{"Do you want to save report?"});
  ASSERT_EQ(opened, std::vector<std::string>{path});
  std::ifstream in(path, std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(in), {}};
  EXPECT_NE(text.find("[Wi-Fi]\r\n"
                      "Wi-Fi Module Firmware Version = V1.08\r\n"
                      "Enable Wi-Fi = ON\r\n"
                      "Select Wi-Fi Mode = Access Point\r\n"
                      "Channel = 6\r\n"
                      "Device IP Address = 192.168.2.1\r\n"
                      "Device Port = 3333\r\n"
                      "SSID = KVOR-AIS\r\n"
                      "Security mode = WPA2_AES\r\n"
                      "Password= 12345678\r\n"
                      "\r\n"),
            std::string::npos)
      << text;
}

TEST_F(WiFiReportTest, QuestionWaitsUntilTheEntryTimeOutIsAnswered) {
  module->faults.neverOk = true;
  ExpectQuestionAfter("Enter to configuration mode timeout!");
}

TEST_F(WiFiReportTest, QuestionWaitsUntilTheLoadTimeOutIsAnswered) {
  module->faults.silent = true;
  ExpectQuestionAfter("Loading Wi-Fi settings timeout!");
  EXPECT_TRUE(opened.empty());
}
