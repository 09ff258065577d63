#include "ui/core/ConfigReport.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

CONFIG_REPORT_DATA Base() {
  CONFIG_REPORT_DATA d;
  d.versionLabel = "Ver 1.9.6 Build20170505";
  d.time = {2026, 3, 5, 7, 8, 9};
  d.serialNumber = "KV1234567";
  d.firmwareText = "V2.01 2026-01-10";
  d.name = "SEA SPRITE";
  d.callSign = "DA1234";
  d.mmsi = 211234567;
  d.shipType = "37 = Pleasure craft";
  d.dimA = 10;
  d.dimB = 5;
  d.dimC = 2;
  d.dimD = 123;
  d.dscMonitor = "1";
  d.gpsOutputOn = 1;
  d.gpsReportInterval = 5;
  d.gpsDynModel = 5;
  d.gpsModeItems[0] = "Altitude higher than 500m";
  d.gpsModeItems[1] = "At sea level";
  d.alrIndex = 0;
  d.alrItems[0] = "OFF";
  d.alrItems[1] = "ON";
  d.multipleBaudType = 1;
  d.nmeaPortBaud[0] = 38400;
  d.nmeaPortBaud[1] = 4800;
  d.nmeaPortBaud[2] = 9600;
  d.nmeaPortBaud[3] = 38400;
  d.wifiCaptions = {"Enable Wi-Fi",  "Select Wi-Fi Mode", "Access Point", "Client", "Channel",
                    "Auto selected", "Device IP Address", "Port",         "SSID",   "Password"};
  return d;
}

// A Wi-Fi module that is on, in `mode` (0 access point, 1 client), with WPA2.
void WiFiOn(CONFIG_REPORT_DATA& d, int mode, const char* ip, const char* ssid, const char* key) {
  d.wifiShown = true;
  d.wifiFirmwareVersion = "1.0.4";
  d.wifiEnabled = 1;
  d.wifiMode = mode;
  d.wifiIpAddress = ip;
  d.wifiPort = "3333";
  d.wifiSsid = ssid;
  d.wifiSecurity = "WPA2_AES";
  d.wifiKey = key;
}

const char* kHead =
    "===========================================\r\n"
    "   Kvor AIS Configuration Report \r\n"
    "      Ver 1.9.6 Build20170505\r\n"
    "       2026/03/05 07:08:09\r\n"
    "===========================================\r\n"
    "       Serial Number = KV1234567\r\n"
    "      Firmware Version = V2.01 2026-01-10\r\n"
    "   ====================================\r\n\r\n"
    "[STATIC DATA]\r\n"
    "Ship Name = SEA SPRITE\r\n"
    "Ship Callsign = DA1234\r\n"
    "Ship MMSI = 211234567\r\n"
    "Ship Type = 37 = Pleasure craft\r\n"
    "Ship Dimension A =  10, B =   5\r\n"
    "               C =   2, D = 123\r\n\r\n"
    "[TRANSCEIVER]\r\n"
    "DSC Monitoring = ON\r\n"
    "GPS Output = ON\r\n"
    "GPS report rate = 5\r\n"
    "GPS Mode = At sea level\r\n"
    "ALR Sentence = OFF\r\n"
    "\r\n\r\n"
    "[BAUD RATE]\r\n";

const char* kFoot =
    "\r\n\r\n"
    "====================================\r\n"
    "  Copyright (C) 2012-2026\r\n"
    "  Kvor Marine Electronics\r\n"
    "  www.kvor.example\r\n"
    "====================================\r\n";

}  // namespace

TEST(ConfigReport, PlainDeviceWithoutOptionalTabs) {
  EXPECT_EQ(BuildConfigReport(Base()), std::string(kHead) + kFoot);
}

TEST(ConfigReport, BaudRatesByDeviceType) {
  CONFIG_REPORT_DATA d = Base();
  d.multipleBaudType = 2;
  EXPECT_EQ(BuildConfigReport(d), std::string(kHead) +
                                      "NMEA1 Baud Rate (Input) = 4800\r\n"
                                      "NMEA1 Baud Rate (Output) = 38400\r\n"
                                      "NMEA2 Baud Rate (Input) = 38400\r\n"
                                      "NMEA2 Baud Rate (Output) = 9600\r\n\r\n" +
                                      kFoot);
  d.multipleBaudType = 3;
  EXPECT_EQ(BuildConfigReport(d), std::string(kHead) +
                                      "NMEA1 Baud Rate (Input) = 4800\r\n"
                                      "NMEA1 Baud Rate (Output) = 38400\r\n"
                                      "NMEA2 Baud Rate (Input/Output) = 38400\r\n\r\n" +
                                      kFoot);
  d.multipleBaudType = 4;
  EXPECT_EQ(BuildConfigReport(d), std::string(kHead) +
                                      "NMEA1 Baud Rate (Input) = 4800\r\n"
                                      "NMEA1 Baud Rate (Output) = 38400\r\n" +
                                      kFoot);
}

TEST(ConfigReport, TransceiverChoices) {
  CONFIG_REPORT_DATA d = Base();
  d.dscMonitor = "0";
  d.gpsOutputOn = 0;
  d.gpsDynModel = 4;
  d.alrIndex = 1;
  const std::string r = BuildConfigReport(d);
  EXPECT_NE(r.find("DSC Monitoring = OFF\r\nGPS Output = OFF\r\nGPS report rate = 5\r\n"
                   "GPS Mode = Altitude higher than 500m\r\nALR Sentence = ON\r\n"),
            std::string::npos);
  d.dscMonitor = "";
  EXPECT_NE(BuildConfigReport(d).find("DSC Monitoring = OFF\r\n"), std::string::npos);
}

TEST(ConfigReport, SrmTextsEncryptionAndAccessPoint) {
  CONFIG_REPORT_DATA d = Base();
  d.multipleBaudType = 4;
  d.srmTextShown = true;
  const char* labels[] = {"SRM Text 1", "SRM Text 2", "SRM Text 3", "SRM Text 4 "};
  const char* texts[] = {"MAN OVERBOARD", "", "FIRE", "NEED TOW"};
  for (int i = 0; i < 4; ++i) {
    d.srmTextLabels[i] = labels[i];
    d.srmTexts[i] = texts[i];
  }
  d.encryptionShown = true;
  d.encryptionEnableCaption = "Encrption Enable";
  d.encryptionEnabled = true;
  d.encryptionAddressCaption = "Security Address Mode";
  d.encryptionAddressMode = true;
  d.encryptionMmsiCaption = "MMSI";
  d.encryptionMmsiText = "2000";
  d.encryptionAsciiLabel = "Encryption Code";
  d.encryptionAsciiText = "SECRET01";
  WiFiOn(d, 0, "192.168.1.1", "VANTREL_AP", "12345678");
  d.wifiChannel = 6;
  EXPECT_EQ(BuildConfigReport(d), std::string(kHead) +
                                      "NMEA1 Baud Rate (Input) = 4800\r\n"
                                      "NMEA1 Baud Rate (Output) = 38400\r\n"
                                      "\r\n\r\n"
                                      "[SRM TEXT]\r\n"
                                      "SRM Text 1=\"MAN OVERBOARD\"\r\n"
                                      "SRM Text 2=\"\"\r\n"
                                      "SRM Text 3=\"FIRE\"\r\n"
                                      "SRM Text 4 =\"NEED TOW\"\r\n"
                                      "\r\n\r\n"
                                      "[ENCRYPTION]\r\n"
                                      "Encrption Enable=1\r\n"
                                      "Security Address Mode=1\r\n"
                                      "Security Address Mode MMSI=000002000\r\n"
                                      "Encryption Code=SECRET01\r\n"
                                      "[Wi-Fi]\r\n"
                                      "Wi-Fi Module Firmware Version = V1.0.4\r\n"
                                      "Enable Wi-Fi = ON\r\n"
                                      "Select Wi-Fi Mode = Access Point\r\n"
                                      "Channel = 6\r\n"
                                      "Device IP Address = 192.168.1.1\r\n"
                                      "Device Port = 3333\r\n"
                                      "SSID = VANTREL_AP\r\n"
                                      "Security mode = WPA2_AES\r\n"
                                      "Password= 12345678\r\n" +
                                      kFoot);

  d.encryptionAddressMode = false;
  d.encryptionEnabled = false;
  d.wifiChannel = 0;
  d.wifiSecurity = "NONE";
  const std::string r = BuildConfigReport(d);
  EXPECT_NE(r.find("[ENCRYPTION]\r\nEncrption Enable=0\r\nSecurity Address Mode=0\r\n"
                   "Encryption Code=SECRET01\r\n[Wi-Fi]\r\n"),
            std::string::npos);
  EXPECT_NE(r.find("Channel = Auto selected\r\n"), std::string::npos);
  EXPECT_NE(r.find("Security mode = NONE\r\nPassword =\r\n\r\n\r\n===="), std::string::npos);
}

TEST(ConfigReport, ButtonSrmAndClientMode) {
  CONFIG_REPORT_DATA d = Base();
  d.srmButtonShown = true;
  d.srmButtonLabel = "SRM Text";
  d.srmButtonText = "HELP";
  WiFiOn(d, 1, "10.0.0.7", "Harbour", "harbourkey");
  d.wifiLinked = 1;
  d.wifiDbm = -61;
  EXPECT_EQ(BuildConfigReport(d), std::string(kHead) +
                                      "\r\n\r\n"
                                      "[SRM BUTTON TEXT]\r\n"
                                      "SRM Text=\"HELP\"\r\n"
                                      "[Wi-Fi]\r\n"
                                      "Wi-Fi Module Firmware Version = V1.0.4\r\n"
                                      "Enable Wi-Fi = ON\r\n"
                                      "Select Wi-Fi Mode = Client\r\n"
                                      "Connect status = Connected\r\n"
                                      "Signal Strength(RSSI) = -61 dBm\r\n"
                                      "Device IP Address = 10.0.0.7\r\n"
                                      "Device Port = 3333\r\n"
                                      "SSID = Harbour\r\n"
                                      "Security mode = WPA2_AES\r\n"
                                      "Password = harbourkey\r\n" +
                                      kFoot);
  d.wifiSecurity = "NONE";
  EXPECT_NE(BuildConfigReport(d).find("Security mode = NONE\r\nPassword =\r\n"), std::string::npos);
  d.wifiLinked = 0;
  EXPECT_NE(BuildConfigReport(d).find("Client\r\nConnect status = Disconnected\r\n\r\n\r\n===="),
            std::string::npos);
}

TEST(ConfigReport, WiFiOffOrUnknown) {
  CONFIG_REPORT_DATA d = Base();
  d.wifiShown = true;
  d.wifiFirmwareVersion = "0";
  d.wifiEnabled = 0;
  d.wifiMode = 0;
  EXPECT_EQ(BuildConfigReport(d), std::string(kHead) +
                                      "[Wi-Fi]\r\n"
                                      "Wi-Fi Module Firmware Version = V0\r\n"
                                      "Enable Wi-Fi = OFF\r\n" +
                                      kFoot);
  d.wifiEnabled = 1;
  d.wifiMode = -1;
  EXPECT_NE(BuildConfigReport(d).find("Enable Wi-Fi = ON\r\n\r\n\r\n===="), std::string::npos);
  d.wifiEnabled = 2;
  EXPECT_NE(BuildConfigReport(d).find("Version = V0\r\n\r\n\r\n===="), std::string::npos);
}

TEST(ConfigReport, LongCaptionsAreWrittenWhole) {
  CONFIG_REPORT_DATA d = Base();
  d.srmTextShown = true;
  const std::string longLabel(150, 'L');
  const std::string longText(160, 'T');
  for (auto& l : d.srmTextLabels) l = longLabel;
  for (auto& t : d.srmTexts) t = longText;
  d.shipType = "Судно на подводных крыльях, все суда этого типа";
  const std::string r = BuildConfigReport(d);
  EXPECT_NE(r.find(longLabel + "=\"" + longText + "\"\r\n"), std::string::npos);
  EXPECT_NE(r.find("Ship Type = Судно на подводных крыльях, все суда этого типа\r\n"),
            std::string::npos);
}

TEST(ConfigReport, FileNameAndNumbers) {
  EXPECT_EQ(ReportFileName(123), "000000123");
  EXPECT_EQ(ReportFileName(999999999), "999999999");
  // The encryption MMSI is read from its edit as a device field is.
  CONFIG_REPORT_DATA d = Base();
  d.encryptionShown = true;
  d.encryptionAddressMode = true;
  d.encryptionAddressCaption = "Security Address Mode";
  d.encryptionMmsiCaption = "MMSI";
  for (const auto& [text, shown] :
       std::vector<std::pair<std::string, std::string>>{{"  0002000", "000002000"},
                                                        {"12ab", "000000012"},
                                                        {"", "000000000"},
                                                        {"   ", "000000000"},
                                                        {"987654321", "987654321"}}) {
    d.encryptionMmsiText = text;
    EXPECT_NE(BuildConfigReport(d).find("Security Address Mode MMSI=" + shown + "\r\n"),
              std::string::npos)
        << text;
  }
}

TEST(ConfigReport, SaveReplacesOrFailsCleanly) {
  char tmpl[] = "/tmp/kvor-report-XXXXXX";
  const std::string dir = mkdtemp(tmpl);
  const std::string path = dir + "/211234567.TXT";
  std::string error;
  ASSERT_TRUE(SaveConfigReport(path, "new\r\n", &error));
  std::ifstream in(path, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "new\r\n");
  EXPECT_FALSE(SaveConfigReport(dir + "/missing/x.TXT", "x", &error));
  EXPECT_EQ(error.rfind("Cannot create file \"" + dir + "/missing/x.TXT\". ", 0), 0u) << error;
  fs::remove_all(dir);
}
