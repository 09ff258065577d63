#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>

#include <cstring>
#include <fstream>
#include <iterator>

#include "app/FormControls.h"
#include "tests/app/language_form_fixture.h"
#include "tests/support/find_control.h"
#include "wifi/core/WiFiData.h"
#include "wifi/core/WiFiSetup.h"

namespace {

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void ShowTab(TForm1& f, QWidget* page, bool on) {
  auto* tabs = Find<QTabWidget>(&f, "PageControlConf");
  tabs->setTabVisible(tabs->indexOf(page), on);
}

}  // namespace

class ReportFormTest : public LanguageFormTest {
 protected:
  void SetUp() override {
    LanguageFormTest::SetUp();
    MakeForm();
    form->ApplySavedLanguage();
    form->SetReportClock([] { return std::array<int, 6>{2026, 12, 9, 6, 30, 5}; });
    form->SetReportFileOpener([this](const std::string& p) { opened.push_back(p); });
    DEVICE_INFO_STRUCT& d = form->DeviceInfo();
    d.mmsi = 123;
    std::strcpy(d.name, "SEA SPRITE");
    std::strcpy(d.callSign, "DA1234");
    std::strcpy(d.serialNumber, "KV0042");
    std::strcpy(d.firmwareText, "V2.01");
    std::strcpy(d.dscMonitor, "1");
    d.dimA = 10;
    d.dimB = 5;
    d.dimC = 2;
    d.dimD = 3;
    d.multipleBaudType = 4;
    d.nmeaPortBaud[0] = 38400;
    d.nmeaPortBaud[1] = 4800;
  }

  // The question answered OK and the file saved as `name`.
  std::string SaveAs(const std::string& name) {
    dialogs.answers.push_back(DialogResult::Ok);
    dialogs.saveAnswers.push_back(Path(name));
    form->WriteConfigReport();
    RunPosted();
    return Path(name);
  }

  std::vector<std::string> opened;
};

TEST_F(ReportFormTest, ReadDeviceOffersTheReportOnceOnTheNextTick) {
  form->SetReportCountdown(1);
  dialogs.answers.push_back(DialogResult::Cancel);
  form->Timer2Timer();
  EXPECT_EQ(form->ReportCountdown(), 255);
  // Handed to the event queue, not asked inside the tick.
  EXPECT_TRUE(dialogs.shown.empty());
  RunPosted();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, "Do you want to save report?");
  EXPECT_EQ(dialogs.shown[0].caption, "Save");
  EXPECT_EQ(dialogs.shown[0].buttons, DialogButtons::OkCancel);
  EXPECT_TRUE(dialogs.saveRequests.empty());
  form->Timer2Timer();
  RunPosted();
  EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(ReportFormTest, SavesTheReportAndOpensIt) {
  const std::string path = SaveAs("report");
  ASSERT_EQ(dialogs.saveRequests.size(), 1u);
  EXPECT_EQ(dialogs.saveRequests[0], "000000123");
  // The dialog's default extension.
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], path + ".TXT");
  const std::string text = Slurp(path + ".TXT");
  EXPECT_EQ(text.rfind("===========================================\r\n"
                       "   Kvor AIS Configuration Report \r\n"
                       "      Ver 1.9.6 Build20170505\r\n"
                       "       2026/12/09 06:30:05\r\n",
                       0),
            0u);
  // Before the device reported its ALR setting the list shows ON.
  EXPECT_NE(text.find("ALR Sentence = ON\r\n"), std::string::npos);
  EXPECT_EQ(Find<QComboBox>(form, "ComboBoxALRSentence")->currentIndex(), 1);
  EXPECT_EQ(Find<QPlainTextEdit>(form, "MemoRecord")->toPlainText().toStdString(),
            QString::fromStdString(text).remove('\r').toStdString());
}

TEST_F(ReportFormTest, OverwriteIsAskedAndNoKeepsTheFile) {
  const std::string path = Path("old.TXT");
  std::ofstream(path) << "earlier";
  dialogs.answers = {DialogResult::Ok, DialogResult::No};
  dialogs.saveAnswers.push_back(path);
  form->WriteConfigReport();
  RunPosted();
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[1].text, "File already exists. Do you want to overwrite?");
  EXPECT_EQ(dialogs.shown[1].caption, "Warning");
  EXPECT_EQ(dialogs.shown[1].buttons, DialogButtons::YesNo);
  EXPECT_EQ(Slurp(path), "earlier");
  EXPECT_TRUE(opened.empty());

  dialogs.answers = {DialogResult::Ok, DialogResult::Yes};
  dialogs.saveAnswers.push_back(path);
  form->WriteConfigReport();
  RunPosted();
  EXPECT_NE(Slurp(path).find("[STATIC DATA]"), std::string::npos);
  EXPECT_EQ(opened.size(), 1u);
}

TEST_F(ReportFormTest, FailedWriteIsReportedAndOpensNothing) {
  dialogs.answers = {DialogResult::Ok};
  dialogs.saveAnswers.push_back(Path("no/such/folder/r.TXT"));
  form->WriteConfigReport();
  RunPosted();
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[1].text.rfind(
                "Cannot create file \"" + Path("no/such/folder/r.TXT") + "\". ", 0),
            0u)
      << dialogs.shown[1].text;
  EXPECT_EQ(dialogs.shown[1].caption, "Error");
  EXPECT_TRUE(opened.empty());
  EXPECT_EQ(form->WiFi().report.reportLoad, 0);
}

TEST_F(ReportFormTest, DeclinedOrCancelledWritesNothing) {
  form->WiFi().report.reportLoad = 1;
  dialogs.answers = {DialogResult::Cancel};
  form->WriteConfigReport();
  RunPosted();
  EXPECT_TRUE(dialogs.saveRequests.empty());
  EXPECT_EQ(form->WiFi().report.reportLoad, 0);

  form->WiFi().report.reportLoad = 1;
  dialogs.answers = {DialogResult::Ok};
  form->WriteConfigReport();  // the save dialog answers "cancelled"
  RunPosted();
  EXPECT_EQ(dialogs.saveRequests.size(), 1u);
  EXPECT_TRUE(opened.empty());
  EXPECT_EQ(form->WiFi().report.reportLoad, 0);
  EXPECT_FALSE(Find<QPlainTextEdit>(form, "MemoRecord")->toPlainText().isEmpty());
}

TEST_F(ReportFormTest, OptionalTabsInTheCurrentLanguage) {
  Find<QAction>(form, "mnuLangRussian")->trigger();
  ShowTab(*form, Find<QWidget>(form, "TabSheetSRMText"), true);
  ShowTab(*form, Find<QWidget>(form, "TabSheetEncryption"), true);
  Find<TLabeledEdit>(form, "lblEdtSRMText1")->setText("MAN OVERBOARD");
  Find<QCheckBox>(form, "cbxEncrptionEnable")->setChecked(true);
  Find<QCheckBox>(form, "cbxEncryptionAddressMode")->setChecked(true);
  Find<TEdit>(form, "MaskEditEncryptionAddressMMSI")->setText("2000");
  Find<TLabeledEdit>(form, "LabeledEditEncryptionASCII")->setText("KEY1");
  const std::string text = Slurp(SaveAs("ru.TXT"));
  EXPECT_NE(text.find("\r\n\r\n[SRM TEXT]\r\nТекст SRM 1=\"MAN OVERBOARD\"\r\nТекст SRM 2=\""),
            std::string::npos);
  EXPECT_NE(
      text.find(
          "[ENCRYPTION]\r\nВключить шифрование=1\r\nАдресный режим защиты=1\r\n"
          "Адресный режим защиты MMSI=000002000\r\n" +
          Find<TLabeledEdit>(form, "LabeledEditEncryptionASCII")->EditLabel->text().toStdString() +
          "=KEY1\r\n"),
      std::string::npos)
      << text;
  // Headings and fixed words stay English.
  EXPECT_NE(text.find("[TRANSCEIVER]\r\nDSC Monitoring = ON\r\n"), std::string::npos);
  EXPECT_NE(text.find("GPS Mode = На уровне моря\r\n"), std::string::npos);
}

TEST_F(ReportFormTest, WiFiReloadComesFirstThenTheQuestion) {
  ShowTab(*form, Find<QWidget>(form, "TabSheetWiFi"), true);
  WIFI_GENERATE_REPORT_DATA& w = form->WiFi().report;
  form->SetReportCountdown(1);
  dialogs.answers = {DialogResult::Ok};
  dialogs.saveAnswers.push_back(Path("wifi.TXT"));
  form->Timer2Timer();
  RunPosted();
  EXPECT_TRUE(form->ProcessingBarRunning());
  EXPECT_EQ(form->WiFi().wifi.operation, WiFiOperation::LoadWiFiSettings);
  EXPECT_EQ(w.reportLoad, 1);  // the access-point page is not on screen
  EXPECT_TRUE(dialogs.shown.empty());
  // The reload read the module meanwhile; its end brings the question.
  w.firmwareVersion = "1.0.4";
  w.enabled = 1;
  w.mode = 1;
  w.linked = 0;
  form->CloseProcessingBar();
  RunPosted();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  const std::string text = Slurp(Path("wifi.TXT"));
  EXPECT_NE(text.find("[Wi-Fi]\r\nWi-Fi Module Firmware Version = V1.0.4\r\n"
                      "Enable Wi-Fi = ON\r\n"
                      "Select Wi-Fi Mode = Client\r\n"
                      "Connect status = Disconnected\r\n\r\n\r\n===="),
            std::string::npos)
      << text;
  EXPECT_EQ(w.reportLoad, 0);
}

TEST_F(ReportFormTest, AccessPointLinesCarryThePageCaptions) {
  ShowTab(*form, Find<QWidget>(form, "TabSheetWiFi"), true);
  WIFI_GENERATE_REPORT_DATA& w = form->WiFi().report;
  w.firmwareVersion = "1.08";
  w.enabled = 1;
  w.mode = 0;
  w.channel = 0;
  w.ipAddress = "192.168.4.1";
  w.port = "3333";
  w.ssid = "KVOR-AIS";
  w.security = "WPA2_AES";
  w.key = "12345678";
  const std::string text = Slurp(SaveAs("ap.TXT"));
  EXPECT_NE(text.find("[Wi-Fi]\r\n"
                      "Wi-Fi Module Firmware Version = V1.08\r\n"
                      "Enable Wi-Fi = ON\r\n"
                      "Select Wi-Fi Mode = Access Point\r\n"
                      "Channel = Auto selected\r\n"
                      "Device IP Address = 192.168.4.1\r\n"
                      "Device Port = 3333\r\n"
                      "SSID = KVOR-AIS\r\n"
                      "Security mode = WPA2_AES\r\n"
                      "Password= 12345678\r\n"),
            std::string::npos)
      << text;
  w.enabled = 0;
  EXPECT_NE(Slurp(SaveAs("off.TXT")).find("V1.08\r\nEnable Wi-Fi = OFF\r\n\r\n\r\n===="),
            std::string::npos);
}

TEST_F(ReportFormTest, ModuleNamesAreWrittenAsThePageShowsThem) {
  Find<QAction>(form, "mnuLangTraChinese")->trigger();  // whose old code page is Big5
  ShowTab(*form, Find<QWidget>(form, "TabSheetWiFi"), true);
  WIFI_GENERATE_REPORT_DATA& w = form->WiFi().report;
  w.enabled = 1;
  w.mode = 0;
  w.channel = 6;
  w.ssid = "\xB4\xE4\xB0\xCF";  // "港區" in Big5
  w.security = "WPA2_AES";
  w.key = "Caf\xC3\xA9-12345";  // UTF-8 stays as it is
  const std::string text = Slurp(SaveAs("tw.TXT"));
  EXPECT_NE(text.find("SSID = 港區\r\nSecurity mode = WPA2_AES\r\nPassword= Café-12345\r\n"),
            std::string::npos)
      << text;
  EXPECT_EQ(w.ssid, "\xB4\xE4\xB0\xCF");
}
