// Configure Device and Read Device on each configuration tab: the exact lines
// the device receives, and the refusals.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <QTabWidget>

#include "app/pages/TransceiverPage.h"
#include "tests/app/config_fixture.h"
#include "tests/support/find_control.h"

namespace {

using Lines = std::vector<std::string>;

class ConfigPages : public ConfigFormTest {
 protected:
  // Configure Device on tab, answering the question with answer.
  Lines Configure(QWidget* tab, DialogResult answer = DialogResult::Ok) {
    ShowConfTab(tab);
    Sent();
    dialogs.shown.clear();
    dialogs.answers.push_back(answer);
    form->SpeedButtonSettingClick();
    return Sent();
  }
  bool Asked() const {
    return !dialogs.shown.empty() &&
           dialogs.shown[0].text == "Do you want to configure the device?" &&
           dialogs.shown[0].caption == "Configuration";
  }
};

TEST_F(ConfigPages, NothingWithoutAConnectedDevice) {
  form->SpeedButtonSettingClick();
  form->SpeedButtonReloadClick();
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[0].text, "Please connect device first!");
  EXPECT_EQ(form->ReportCountdown(), 255);
  // Choosing an SRM tab while disconnected sends nothing either.
  ShowConfTab(Find<QWidget>(form, "TabSheetSRMText"));
  EXPECT_TRUE(Sent().empty());
}

TEST_F(ConfigPages, CancelSendsNothing) {
  Connect();
  EXPECT_TRUE(Configure(Find<QWidget>(form, "TabSheetTransceiver"), DialogResult::Cancel).empty());
  EXPECT_TRUE(Asked());
}

TEST_F(ConfigPages, TransceiverDefaultsAndEdits) {
  Connect();
  EXPECT_EQ(Configure(Find<QWidget>(form, "TabSheetTransceiver")),
            (Lines{"$PDBG,101,0,050,1,,,703,4*15\r\n", "$PKVR,C,CFG,108,6,0,*21\r\n"}));
  EXPECT_TRUE(Asked());
  Find<QComboBox>(form, "ComboBoxDscMonitoring")->setCurrentIndex(1);
  Find<QComboBox>(form, "ComboBoxGpsOutput")->setCurrentIndex(5);
  Find<QComboBox>(form, "ComboBoxTransceiver_GPSMode")->setCurrentIndex(1);
  // Before the device reported its ALR setting the list snaps back to "ON".
  Find<QComboBox>(form, "ComboBoxALRSentence")->setCurrentIndex(0);
  form->ComboBoxALRSentenceChange();
  EXPECT_EQ(Find<QComboBox>(form, "ComboBoxALRSentence")->currentIndex(), 1);
  Find<TransceiverPage>(form, "TabSheetTransceiver")->SetAlrReplied(true);
  Find<QComboBox>(form, "ComboBoxALRSentence")->setCurrentIndex(0);
  form->ComboBoxALRSentenceChange();
  EXPECT_EQ(Find<QComboBox>(form, "ComboBoxALRSentence")->currentIndex(), 0);
  EXPECT_EQ(Configure(Find<QWidget>(form, "TabSheetTransceiver")),
            (Lines{"$PDBG,101,1,050,2,051,5,703,5*17\r\n", "$PKVR,C,CFG,108,6,1,*20\r\n"}));
}

TEST_F(ConfigPages, BaudRatesByDeviceType) {
  Connect();
  EXPECT_EQ(Configure(Find<QWidget>(form, "TabSheetBaudRate")),
            (Lines{"$PDBG,040,0,042,0,,,,*13\r\n"}));
  form->DeviceInfo().multipleBaudType = 2;
  Find<QComboBox>(form, "cbx_NMEABaudRateNo1")->setCurrentIndex(0);
  Find<QComboBox>(form, "cbx_NMEABaudRateNo2")->setCurrentIndex(0);
  Find<QComboBox>(form, "cbx_NMEABaudRateNo3")->setCurrentIndex(0);
  Find<QComboBox>(form, "cbx_NMEABaudRateNo4")->setCurrentIndex(2);
  EXPECT_EQ(Configure(Find<QWidget>(form, "TabSheetBaudRate")),
            (Lines{"$PDBG,040,2,042,2,038,2,039,6*16\r\n"}));
  form->DeviceInfo().multipleBaudType = 9;
  EXPECT_TRUE(Configure(Find<QWidget>(form, "TabSheetBaudRate")).empty());
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[1].text, "Unknown device type! The setting is abort!");
  EXPECT_EQ(dialogs.shown[1].caption, "Warning");
}

TEST_F(ConfigPages, SrmTextsAndButtonText) {
  Connect({WithCrLf("4 SRM box:(4)"), WithCrLf("[SYSTEM DATA END]")});
  Sent();
  // Choosing the tab asks the device for its SRM settings.
  ShowConfTab(Find<QWidget>(form, "TabSheetSRMText"));
  EXPECT_EQ(Sent(), (Lines{"$PKVR,Q,CFG,30,0,0,*0F\r\n"}));
  Find<TLabeledEdit>(form, "lblEdtSRMText2")->setText("A,B");
  EXPECT_EQ(Configure(Find<QWidget>(form, "TabSheetSRMText")),
            (Lines{"$PKVR,C,CFG,30,5,0,R.T.V.*66\r\n", "$PKVR,C,CFG,30,5,1,A^2CB*35\r\n",
                   "$PKVR,C,CFG,30,5,2,FIRE2*30\r\n", "$PKVR,C,CFG,30,5,3,FIRE3*30\r\n"}));
  Lines button = Configure(Find<QWidget>(form, "TabSheetButtonSRM"));
  ASSERT_GE(button.size(), 1u);
  EXPECT_EQ(button.back(), "$PKVR,C,CFG,30,3,14,MAYDAY*22\r\n");
}

TEST_F(ConfigPages, EncryptionDefaultsSequenceAndRules) {
  Connect();
  EXPECT_EQ(Configure(Find<QWidget>(form, "TabSheetEncryption")),
            (Lines{"$PKVR,C,CFG,108,3,1,*25\r\n", "$PKVR,C,CFG,108,4,1,*22\r\n",
                   "$PKVR,C,CFG,108,5,000000000,*22\r\n",
                   "$AICEK,1,1,0,000000000,522E542E562E,C*74\r\n"}));
  EXPECT_EQ(Configure(Find<QWidget>(form, "TabSheetEncryption")).back(),
            "$AICEK,1,1,1,000000000,522E542E562E,C*75\r\n");

  Find<TEdit>(form, "MaskEditEncryptionAddressMMSI")->setText("1234");
  EXPECT_TRUE(Configure(Find<QWidget>(form, "TabSheetEncryption")).empty());
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_NE(dialogs.shown[1].text.find("9 digits"), std::string::npos);

  Find<QCheckBox>(form, "cbxEncrptionEnable")->click();  // off
  EXPECT_FALSE(Find<QCheckBox>(form, "cbxEncryptionAddressMode")->isEnabled());
  EXPECT_FALSE(Find<TEdit>(form, "MaskEditEncryptionAddressMMSI")->isEnabled());
  EXPECT_FALSE(Find<QLabel>(form, "LabelEncryptionMMSINumber")->isEnabled());
  EXPECT_FALSE(Find<TLabeledEdit>(form, "LabeledEditEncryptionASCII")->isEnabled());
  EXPECT_EQ(Configure(Find<QWidget>(form, "TabSheetEncryption")),
            (Lines{"$PKVR,C,CFG,108,3,0,*24\r\n"}));
  Find<QCheckBox>(form, "cbxEncryptionAddressMode")->setChecked(false);
  Find<QCheckBox>(form, "cbxEncrptionEnable")->click();  // on again, address mode off
  EXPECT_TRUE(Find<TLabeledEdit>(form, "LabeledEditEncryptionASCII")->isEnabled());
  EXPECT_FALSE(Find<TEdit>(form, "MaskEditEncryptionAddressMMSI")->isEnabled());
  Find<QCheckBox>(form, "cbxEncryptionAddressMode")->click();
  EXPECT_TRUE(Find<TEdit>(form, "MaskEditEncryptionAddressMMSI")->isEnabled());
}

TEST_F(ConfigPages, StaticDataWithEditableMmsi) {
  Connect();
  Find<TEdit>(form, "MaskEditMMSI")->setText("21100000");  // eight digits
  EXPECT_TRUE(Configure(Find<QWidget>(form, "TabSheetStatic")).empty());
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[1].text, "MMSI Setting Failure");

  Find<TEdit>(form, "MaskEditMMSI")->setText("211000001");
  Find<TLabeledEdit>(form, "lblEdtName")->setText("SEA STAR");
  Find<TLabeledEdit>(form, "lblEdtCallSign")->setText("AB1234");
  Lines lines = Configure(Find<QWidget>(form, "TabSheetStatic"));
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(lines[0], "$PMID,211000001,000000000*13\r\n");
  EXPECT_EQ(lines[1], "$ECSSD,AB1234,SEA STAR,0,0,0,0,0,AI*1E\r\n");
  EXPECT_EQ(lines[2], "$ECSSD,AB1234,SEA STAR,0,0,0,0,0,GP*01\r\n");
  EXPECT_EQ(lines[3].substr(0, 10), "$ECVSD,20,");
  EXPECT_EQ(lines[4].substr(0, 5), "$PTST");  // read back
}

TEST_F(ConfigPages, StaticDataWithProgrammedMmsiAndReservedCharacters) {
  Connect({WithCrLf("MMSI:(999999999)")});
  Find<TLabeledEdit>(form, "lblEdtName")->setText("SEA,STAR");
  EXPECT_TRUE(Configure(Find<QWidget>(form, "TabSheetStatic")).empty());
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_NE(dialogs.shown[1].text.find("Ship Name"), std::string::npos);

  Find<TLabeledEdit>(form, "lblEdtName")->setText("SEA STAR");
  Lines lines = Configure(Find<QWidget>(form, "TabSheetStatic"));
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0].substr(0, 6), "$ECSSD");
  EXPECT_EQ(lines[1].substr(0, 6), "$ECSSD");
  EXPECT_EQ(lines[2].substr(0, 6), "$ECVSD");
  for (const std::string& line : lines) EXPECT_NE(line.substr(0, 5), "$PMID");
}

TEST_F(ConfigPages, UnknownReportedShipTypeIsWrittenBackUntilARowIsPicked) {
  Connect({WithCrLf("MMSI:(211000001)"), WithCrLf("Ship Cargo Type:(99) A:(1) B:(2) C:(3) D:(4)")});
  Lines lines = Configure(Find<QWidget>(form, "TabSheetStatic"));
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[2].substr(0, 10), "$ECVSD,99,");
  Find<QComboBox>(form, "cbxShipType")->setCurrentIndex(2);
  form->cbxShipCargoTypeClick();  // the user picked "31 = Vessel-Towing"
  lines = Configure(Find<QWidget>(form, "TabSheetStatic"));
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[2].substr(0, 10), "$ECVSD,31,");
}

TEST_F(ConfigPages, FailedSendStopsAndIsReported) {
  Connect();
  form->Comm()->Close();  // the link is gone under the window
  EXPECT_TRUE(Configure(Find<QWidget>(form, "TabSheetSRMText")).empty());
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[1].text, "Serial port open error! Please check!");
  EXPECT_EQ(dialogs.shown[1].caption, "Error");
  EXPECT_EQ(Find<TSpeedButton>(form, "OpenPort")->Tag, 0);
}

TEST_F(ConfigPages, ReadDevice) {
  Connect();
  form->SpeedButtonReloadClick();
  Lines lines = Sent();
  ASSERT_GE(lines.size(), 1u);
  EXPECT_EQ(lines[0].substr(0, 16), "$PTST,,,,,00017*");
  EXPECT_EQ(form->ReportCountdown(), 1);
  // On the Wi-Fi tab with the function off nothing is read.
  form->SetReportCountdown(255);
  ShowConfTab(Find<QWidget>(form, "TabSheetWiFi"));
  Find<QCheckBox>(form, "CheckBox_WiFi_Open")->setChecked(false);
  dialogs.shown.clear();
  form->SpeedButtonReloadClick();
  EXPECT_TRUE(Sent().empty());
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, "Please Enable Wi-Fi first!");
  EXPECT_EQ(form->ReportCountdown(), 255);
}

}  // namespace
