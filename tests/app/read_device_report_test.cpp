// "Read Device" on a transponder played over a pseudo-terminal, through to
// the saved report.
#include <QApplication>
#include <QComboBox>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "tests/app/config_fixture.h"

namespace {

std::string Checksummed(const std::string& body) {
  unsigned sum = 0;
  for (size_t i = 1; i < body.size(); ++i) sum ^= static_cast<unsigned char>(body[i]);
  char tail[8];
  std::snprintf(tail, sizeof tail, "*%02X\r\n", sum);
  return body + tail;
}

}  // namespace

class ReadDeviceReport : public ConfigFormTest {};

TEST_F(ReadDeviceReport, TheDeviceAsItAnsweredLandsInTheFile) {
  Connect({WithCrLf("MMSI:(211234567)"), WithCrLf("Ship Name:(SEA STAR)"),
           WithCrLf("Call Sign:(AB1234)"),
           WithCrLf("Ship Cargo Type:(70) A:(10) B:(20) C:(5) D:(6)"),
           WithCrLf("Set DSC Monitor:(1)"), WithCrLf("Firmware:V1.02"), WithCrLf("S/N:(KV0042)"),
           WithCrLf("NMEA_TX=(4800) NMEA_RX=(38400)"), WithCrLf("[GPS_OnOff]=1"),
           WithCrLf("[GPS_RI]=5"), WithCrLf("[GPS_NAV5_dynModel]=5"),
           WithCrLf("[MultipleBaudRate]=1")});
  Device(Checksummed("$PKVR,R,CFG,183,10,5,"));
  form->SetReportClock([] { return std::array<int, 6>{2026, 12, 9, 7, 1, 2}; });
  std::vector<std::string> opened;
  form->SetReportFileOpener([&](const std::string& p) { opened.push_back(p); });

  form->SpeedButtonReloadClick();
  EXPECT_EQ(form->ReportCountdown(), 1);
  // The answer to the query Read Device sent: ALR output off.
  Device(Checksummed("$PKVR,R,CFG,108,6,1,"));
  const std::string path = (docs_ / "211234567.TXT").string();
  dialogs.answers = {DialogResult::Ok};
  dialogs.saveAnswers.push_back(path);
  form->Timer2Timer();
  ASSERT_TRUE(Settle());  // the report is written once the tick is over
  ASSERT_EQ(dialogs.saveRequests, std::vector<std::string>{"211234567"});
  ASSERT_EQ(opened, std::vector<std::string>{path});
  std::ifstream in(path, std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(in), {}};
  EXPECT_NE(text.find("       2026/12/09 07:01:02\r\n"), std::string::npos);
  EXPECT_NE(text.find("       Serial Number = KV0042\r\n      Firmware Version = V1.02\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("[STATIC DATA]\r\nShip Name = SEA STAR\r\nShip Callsign = AB1234\r\n"
                      "Ship MMSI = 211234567\r\nShip Type = 70 = Cargo ship\r\n"
                      "Ship Dimension A =  10, B =  20\r\n               C =   5, D =   6\r\n\r\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("[TRANSCEIVER]\r\nDSC Monitoring = ON\r\nGPS Output = ON\r\n"
                      "GPS report rate = 5\r\nGPS Mode = At sea level\r\nALR Sentence = OFF\r\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("[BAUD RATE]\r\nNMEA1 Baud Rate (Input) = 38400\r\n"
                      "NMEA1 Baud Rate (Output) = 9600\r\nNMEA2 Baud Rate (Input) = 4800\r\n"
                      "NMEA2 Baud Rate (Output) = 38400\r\n\r\n"),
            std::string::npos)
      << text;
}
