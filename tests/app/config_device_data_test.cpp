// The device-data dump and the configuration replies reaching the pages.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <QTabWidget>

#include "app/pages/StaticDataPage.h"
#include "app/pages/TransceiverPage.h"
#include "protocol/Protocol.h"
#include "tests/app/config_fixture.h"
#include "tests/support/find_control.h"

namespace {

std::string Signed(std::string body) {
  AppendChecksum(body);
  return body;
}

bool TabShown(TForm1& f, QWidget* tab) {
  auto* pages = Find<QTabWidget>(f, "PageControlConf");
  return pages->isTabVisible(pages->indexOf(tab));
}

class ConfigDeviceData : public ConfigFormTest {};

TEST_F(ConfigDeviceData, DumpFillsThePages) {
  Connect({WithCrLf("MMSI:(123456789)"), WithCrLf("Ship Name:(SEA STAR)"),
           WithCrLf("Call Sign:(AB1234)"),
           WithCrLf("Ship Cargo Type:(70) A:(10) B:(20) C:(5) D:(5)"), WithCrLf("Firmware:V1.02"),
           WithCrLf("NMEA_TX=(4800) NMEA_RX=(38400)"), WithCrLf("[GPS_OnOff]=1"),
           WithCrLf("[GPS_RI]=5"), WithCrLf("[GPS_NAV5_dynModel]=4"),
           WithCrLf("[MultipleBaudRate]=3")});
  EXPECT_FALSE(Find<TEdit>(form, "MaskEditMMSI")->isEnabled());
  EXPECT_EQ(Find<TEdit>(form, "MaskEditMMSI")->text(), "123456789");
  EXPECT_FALSE(Find<QLabel>(form, "LabelMMSICantProg")->isHidden());
  EXPECT_EQ(Find<QLabel>(form, "LabelMMSICantProg")->text(),
            "MMSI is 123456789, can't be programmed twice!");
  EXPECT_EQ(Find<TLabeledEdit>(form, "lblEdtName")->text(), "SEA STAR");
  EXPECT_EQ(Find<TLabeledEdit>(form, "lblEdtCallSign")->text(), "AB1234");
  EXPECT_EQ(Find<QComboBox>(form, "cbxShipType")->currentText(), "70 = Cargo ship");
  EXPECT_EQ(Find<QLabel>(form, "stShipCargoType")->text(), "70");
  EXPECT_EQ(Find<QSpinBox>(form, "CSpinEditA")->value(), 10);
  EXPECT_EQ(Find<QSpinBox>(form, "CSpinEditB")->value(), 20);
  EXPECT_EQ(Find<QSpinBox>(form, "CSpinEditD")->value(), 5);
  EXPECT_EQ(Find<QLabel>(form, "lblFirmVer")->text(), "Firmware Version: V1.02");
  EXPECT_EQ(Find<QComboBox>(form, "cbx_NMEABaudRateNo2")->currentText(), "38400");
  EXPECT_EQ(Find<QComboBox>(form, "cbx_NMEABaudRateNo3")->currentText(), "4800");
  EXPECT_EQ(Find<QComboBox>(form, "ComboBoxGpsOutput")->currentText(), "5s");
  EXPECT_TRUE(Find<QLabel>(form, "lblGsOffWarningMsg")->isHidden());
  EXPECT_EQ(Find<QComboBox>(form, "ComboBoxTransceiver_GPSMode")->currentIndex(), 0);
  // Type 3 in the dump means the four-port device.
  EXPECT_EQ(form->DeviceInfo().multipleBaudType, 2);
  EXPECT_FALSE(Find<QComboBox>(form, "cbx_NMEABaudRateNo4")->isHidden());
  EXPECT_EQ(Find<QLabel>(form, "LabelUartNo3")->text(), "NMEA 2 Input");
}

TEST_F(ConfigDeviceData, HandshakeAsksForVoyageAndStaticData) {
  OpenManually();
  Sent();
  Device(WithCrLf("[DEVICE DATA END]"));
  ASSERT_TRUE(WaitFor([&] { return form->Session().DeviceConnected == 1; }));
  EXPECT_EQ(Sent(), (std::vector<std::string>{"$AIAIQ,VSD*3C\r\n", "$AIAIQ,SSD*39\r\n"}));
  EXPECT_EQ(form->Session().ConnectState, 2);
  // Without a device-type line only two NMEA ports are shown.
  EXPECT_TRUE(Find<QComboBox>(form, "cbx_NMEABaudRateNo3")->isHidden());
  EXPECT_TRUE(Find<QComboBox>(form, "cbx_NMEABaudRateNo4")->isHidden());
  // Later dump lines still fill the page.
  Device(WithCrLf("MMSI:(2000)"));
  EXPECT_EQ(Find<TEdit>(form, "MaskEditMMSI")->text(), "000002000");
  EXPECT_EQ(Find<QLabel>(form, "LabelMMSICantProg")->text(),
            "MMSI is 000002000, can't be programmed twice!");
  Device(WithCrLf("MMSI:(0)"));
  EXPECT_TRUE(Find<TEdit>(form, "MaskEditMMSI")->isEnabled());
  EXPECT_TRUE(Find<QLabel>(form, "LabelMMSICantProg")->isHidden());
}

TEST_F(ConfigDeviceData, SrmAndEncryptionTabsFollowTheDevice) {
  Connect({WithCrLf("4 SRM box:(4)"), WithCrLf("[SYSTEM DATA END]")});
  EXPECT_TRUE(TabShown(*form, Find<QWidget>(form, "TabSheetSRMText")));
  EXPECT_FALSE(TabShown(*form, Find<QWidget>(form, "TabSheetButtonSRM")));
  EXPECT_FALSE(TabShown(*form, Find<QWidget>(form, "TabSheetEncryption")));

  Device(Signed("$PKVR,R,CFG,30,1,2,"));  // bit 0 clear: nothing
  EXPECT_EQ(form->CurrentSrmMode(), 3);
  Device(Signed("$PKVR,R,CFG,30,1,3,"));
  EXPECT_EQ(form->CurrentSrmMode(), 4);
  Device(WithCrLf("[SYSTEM DATA END]"));
  EXPECT_FALSE(TabShown(*form, Find<QWidget>(form, "TabSheetSRMText")));
  EXPECT_TRUE(TabShown(*form, Find<QWidget>(form, "TabSheetButtonSRM")));

  Device(Signed("$PKVR,R,CFG,108,2,1,"));
  EXPECT_TRUE(TabShown(*form, Find<QWidget>(form, "TabSheetEncryption")));
  Device(Signed("$PKVR,R,CFG,108,2,7,"));  // not 0 or 1: ignored
  EXPECT_TRUE(TabShown(*form, Find<QWidget>(form, "TabSheetEncryption")));
  Device(Signed("$PKVR,R,CFG,108,2,0,"));
  EXPECT_FALSE(TabShown(*form, Find<QWidget>(form, "TabSheetEncryption")));
}

TEST_F(ConfigDeviceData, RepliesSetTheControls) {
  Connect();
  Device(Signed("$PKVR,R,CFG,183,10,5,"));
  EXPECT_EQ(Find<QComboBox>(form, "cbx_NMEABaudRateNo2")->currentText(), "9600");
  EXPECT_EQ(form->DeviceInfo().nmeaPortBaud[0], 9600);
  EXPECT_EQ(form->DeviceInfo().nmeaPortBaud[1], 38400);
  Device(Signed("$PKVR,R,CFG,183,10,7,"));
  EXPECT_EQ(Find<QComboBox>(form, "cbx_NMEABaudRateNo2")->currentText(), "9600");
  std::string bad = Signed("$PKVR,R,CFG,183,10,6,");
  bad[bad.size() - 3] ^= 1;
  Device(bad);
  EXPECT_EQ(Find<QComboBox>(form, "cbx_NMEABaudRateNo2")->currentText(), "9600");
  Device(Signed("$PKVR,R,CFG,183,21,6,"));
  EXPECT_EQ(Find<QComboBox>(form, "cbx_NMEABaudRateNo3")->currentText(), "4800");
  EXPECT_EQ(form->DeviceInfo().nmeaPortBaud[3], 4800);

  EXPECT_EQ(Find<TransceiverPage>(form, "TabSheetTransceiver")->AlrReplied(), 0);
  Device(Signed("$PKVR,R,CFG,108,6,,"));
  EXPECT_EQ(Find<TransceiverPage>(form, "TabSheetTransceiver")->AlrReplied(), 1);
  EXPECT_EQ(Find<QComboBox>(form, "ComboBoxALRSentence")->currentText(), "OFF");
  Device(Signed("$PKVR,R,CFG,108,6,0,"));
  EXPECT_EQ(Find<QComboBox>(form, "ComboBoxALRSentence")->currentText(), "ON");

  Device(Signed("$PKVR,R,CFG,30,5,1,A^2CB"));
  EXPECT_EQ(Find<TLabeledEdit>(form, "lblEdtSRMText2")->text(), "A,B");
  Device(Signed("$PKVR,R,CFG,30,5,4,LOST"));  // no fifth text
  Device(Signed("$PKVR,R,CFG,30,3,14,HELP^21"));
  EXPECT_EQ(Find<TLabeledEdit>(form, "lblEdtSRMTextMsg14")->text(), "HELP!");

  Device(Signed("$PKVR,R,CFG,108,5,123,"));
  EXPECT_EQ(Find<TEdit>(form, "MaskEditEncryptionAddressMMSI")->text(), "000000123");
  Device(Signed("$PKVR,R,CFG,108,3,0,"));
  EXPECT_FALSE(Find<QCheckBox>(form, "cbxEncrptionEnable")->isChecked());
  EXPECT_FALSE(Find<QCheckBox>(form, "cbxEncryptionAddressMode")->isEnabled());
  EXPECT_FALSE(Find<TEdit>(form, "MaskEditEncryptionAddressMMSI")->isEnabled());
  EXPECT_FALSE(Find<TLabeledEdit>(form, "LabeledEditEncryptionASCII")->isEnabled());
}

TEST_F(ConfigDeviceData, ReceivedStaticAndVoyageData) {
  Connect();
  Device(Signed("$AIVSD,59,,,,,,,,"));
  EXPECT_EQ(Find<QComboBox>(form, "cbxShipType")->currentIndex(), 17);
  EXPECT_EQ(Find<QLabel>(form, "stShipCargoType")->text(), "59");
  EXPECT_EQ(form->DeviceInfo().shipCargoType, 59);
  Device(Signed("$AIVSD,99,,,,,,,,"));
  EXPECT_EQ(Find<QComboBox>(form, "cbxShipType")->currentIndex(), 0);
  EXPECT_EQ(Find<QLabel>(form, "stShipCargoType")->text(), "0");
  const auto kept = Find<StaticDataPage>(form, "TabSheetStatic")->KeptShipType();
  ASSERT_TRUE(kept);
  EXPECT_EQ(*kept, 99);

  Device(Signed("$AISSD,CALL,NAME,10,20,5,6,0,AI"));
  EXPECT_EQ(Find<QSpinBox>(form, "CSpinEditA")->value(), 10);
  EXPECT_EQ(Find<QSpinBox>(form, "CSpinEditD")->value(), 6);
  EXPECT_EQ(form->DeviceInfo().dimD, 6);
  Device(Signed("$AISSD,CALL,NAME,512,20,5,6,0,AI"));
  EXPECT_EQ(Find<QSpinBox>(form, "CSpinEditA")->value(), 0);
  EXPECT_EQ(Find<QSpinBox>(form, "CSpinEditB")->value(), 0);
  EXPECT_EQ(Find<QSpinBox>(form, "CSpinEditC")->value(), 0);
  EXPECT_EQ(form->DeviceInfo().dimD, 0);
}

TEST_F(ConfigDeviceData, EncryptionKeyReport) {
  Connect();
  ASSERT_TRUE(ProcessSentence(form->Protocol(), Signed("$AICEK,1,1,0,0,00004142,R")));
  form->ParseCekSentence();
  EXPECT_EQ(Find<TLabeledEdit>(form, "LabeledEditEncryptionASCII")->text(), "AB");
  ASSERT_TRUE(ProcessSentence(form->Protocol(), Signed("$AICEK,1,1,0,0,4344,C")));
  form->ParseCekSentence();
  EXPECT_EQ(Find<TLabeledEdit>(form, "LabeledEditEncryptionASCII")->text(), "AB");
}

}  // namespace
