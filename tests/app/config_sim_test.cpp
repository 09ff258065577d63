// Every configuration tab written to the simulated transponder, then read
// back with Read Device: the values the device kept come back to the pages.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <QTabWidget>

#include "app/pages/TransceiverPage.h"
#include "tests/app/config_fixture.h"
#include "tests/support/find_control.h"
#include "tools/transponder-sim/TransponderSim.h"

namespace {

class ConfigSim : public ConfigFormTest {
 protected:
  // Carries bytes both ways between the window and the simulator until the
  // window has nothing more to say.
  void Shuttle() {
    Converse([&](const std::string& sent) {
      sim.Receive(sent);
      return sim.TakeOutput();
    });
  }
  void ConnectToSim() {
    Find<QRadioButton>(form, "RadioButtonConnectionModeManual")->setChecked(true);
    form->EnumComPorts();
    form->ProbeComPorts();
    form->FillComPortCombo();
    Find<QComboBox>(form, "cbxComPort")->setEditText(QString::fromStdString(slavePath_));
    form->OpenPortClick();
    for (int s = 0; s < 5 && !form->Session().DeviceConnected; ++s) {
      if (Find<TTimer>(form, "Timer1")->Enabled()) form->Timer1Timer();
      Shuttle();
    }
    ASSERT_EQ(form->Session().DeviceConnected, 1);
    Shuttle();
  }
  // As a user does: choose the tab (an SRM tab reads the device), edit, configure.
  void Configure(QWidget* tab, const std::function<void()>& edit) {
    ShowConfTab(tab);
    Shuttle();
    edit();
    form->SpeedButtonSettingClick();
    Shuttle();
  }

  TransponderSim sim;
};

TEST_F(ConfigSim, WriteEveryTabThenReadItBack) {
  ConnectToSim();
  EXPECT_EQ(Find<TLabeledEdit>(form, "lblEdtName")->text().toStdString(), sim.state.name);
  EXPECT_TRUE(Find<TEdit>(form, "MaskEditMMSI")->isEnabled());  // not yet programmed

  Configure(Find<QWidget>(form, "TabSheetStatic"), [&] {
    Find<TEdit>(form, "MaskEditMMSI")->setText("211000001");
    Find<TLabeledEdit>(form, "lblEdtName")->setText("NEW NAME");
    Find<TLabeledEdit>(form, "lblEdtCallSign")->setText("NEW1");
    Find<QComboBox>(form, "cbxShipType")->setCurrentIndex(19);  // 70 = Cargo ship
    Find<QSpinBox>(form, "CSpinEditA")->setValue(20);
    Find<QSpinBox>(form, "CSpinEditB")->setValue(11);
    Find<QSpinBox>(form, "CSpinEditC")->setValue(3);
    Find<QSpinBox>(form, "CSpinEditD")->setValue(4);
  });

  Configure(Find<QWidget>(form, "TabSheetTransceiver"), [&] {
    Find<QComboBox>(form, "ComboBoxDscMonitoring")->setCurrentIndex(0);
    Find<QComboBox>(form, "ComboBoxGpsOutput")->setCurrentIndex(5);
    Find<QComboBox>(form, "ComboBoxTransceiver_GPSMode")->setCurrentIndex(0);
    EXPECT_EQ(Find<TransceiverPage>(form, "TabSheetTransceiver")->AlrReplied(),
              1);  // the device reported its ALR setting
    Find<QComboBox>(form, "ComboBoxALRSentence")->setCurrentIndex(0);
  });

  Configure(Find<QWidget>(form, "TabSheetBaudRate"), [&] {
    EXPECT_EQ(form->DeviceInfo().multipleBaudType, 2);
    Find<QComboBox>(form, "cbx_NMEABaudRateNo1")->setCurrentIndex(1);
    Find<QComboBox>(form, "cbx_NMEABaudRateNo2")->setCurrentIndex(2);
    Find<QComboBox>(form, "cbx_NMEABaudRateNo3")->setCurrentIndex(0);
    Find<QComboBox>(form, "cbx_NMEABaudRateNo4")->setCurrentIndex(2);
  });

  Configure(Find<QWidget>(form, "TabSheetSRMText"), [&] {
    Find<TLabeledEdit>(form, "lblEdtSRMText1")->setText("A,B");
    Find<TLabeledEdit>(form, "lblEdtSRMText2")->setText("FIRE*2");
    Find<TLabeledEdit>(form, "lblEdtSRMText3")->setText("HELP!");
    Find<TLabeledEdit>(form, "lblEdtSRMText4")->setText("TEST ^ 4");
  });
  Configure(Find<QWidget>(form, "TabSheetButtonSRM"),
            [&] { Find<TLabeledEdit>(form, "lblEdtSRMTextMsg14")->setText("SOS $"); });

  Configure(Find<QWidget>(form, "TabSheetEncryption"), [&] {
    Find<QCheckBox>(form, "cbxEncrptionEnable")->setChecked(true);
    Find<QCheckBox>(form, "cbxEncryptionAddressMode")->setChecked(true);
    form->cbxEncrptionEnableClick();
    Find<TEdit>(form, "MaskEditEncryptionAddressMMSI")->setText("000000123");
    Find<TLabeledEdit>(form, "LabeledEditEncryptionASCII")->setText("KEY1");
  });
  EXPECT_EQ(dialogs.shown.size(), 6u);  // one question per tab, nothing else

  EXPECT_EQ(sim.state.mmsi, 211000001u);
  EXPECT_EQ(sim.state.name, "NEW NAME");
  EXPECT_EQ(sim.state.srmTexts[0], "A,B");

  // Forget what the pages show, then read the device.
  Find<TLabeledEdit>(form, "lblEdtName")->setText("X");
  Find<TLabeledEdit>(form, "lblEdtCallSign")->setText("X");
  Find<QComboBox>(form, "cbxShipType")->setCurrentIndex(0);
  Find<QSpinBox>(form, "CSpinEditA")->setValue(0);
  Find<QComboBox>(form, "ComboBoxGpsOutput")->setCurrentIndex(0);
  Find<QComboBox>(form, "ComboBoxTransceiver_GPSMode")->setCurrentIndex(1);
  for (QComboBox* box :
       {Find<QComboBox>(form, "cbx_NMEABaudRateNo1"), Find<QComboBox>(form, "cbx_NMEABaudRateNo2"),
        Find<QComboBox>(form, "cbx_NMEABaudRateNo4")})
    box->setCurrentIndex(0);
  Find<QComboBox>(form, "cbx_NMEABaudRateNo3")->setCurrentIndex(1);
  for (TLabeledEdit* e :
       {Find<TLabeledEdit>(form, "lblEdtSRMText1"), Find<TLabeledEdit>(form, "lblEdtSRMText2"),
        Find<TLabeledEdit>(form, "lblEdtSRMText3"), Find<TLabeledEdit>(form, "lblEdtSRMText4"),
        Find<TLabeledEdit>(form, "lblEdtSRMTextMsg14"),
        Find<TLabeledEdit>(form, "LabeledEditEncryptionASCII")})
    e->setText("X");
  Find<TEdit>(form, "MaskEditEncryptionAddressMMSI")->setText("999999999");
  Find<QCheckBox>(form, "cbxEncryptionAddressMode")->setChecked(false);

  ShowConfTab(Find<QWidget>(form, "TabSheetStatic"));
  form->SpeedButtonReloadClick();
  EXPECT_EQ(form->ReportCountdown(), 1);
  Shuttle();
  ShowConfTab(Find<QWidget>(form, "TabSheetSRMText"));  // choosing the tab reads the SRM texts
  Shuttle();
  ShowConfTab(Find<QWidget>(form, "TabSheetButtonSRM"));
  Shuttle();

  EXPECT_FALSE(Find<TEdit>(form, "MaskEditMMSI")->isEnabled());
  EXPECT_EQ(Find<TEdit>(form, "MaskEditMMSI")->text(), "211000001");
  EXPECT_EQ(Find<TLabeledEdit>(form, "lblEdtName")->text(), "NEW NAME");
  EXPECT_EQ(Find<TLabeledEdit>(form, "lblEdtCallSign")->text(), "NEW1");
  EXPECT_EQ(Find<QComboBox>(form, "cbxShipType")->currentText(), "70 = Cargo ship");
  EXPECT_EQ(Find<QSpinBox>(form, "CSpinEditA")->value(), 20);
  EXPECT_EQ(Find<QSpinBox>(form, "CSpinEditB")->value(), 11);
  EXPECT_EQ(Find<QSpinBox>(form, "CSpinEditC")->value(), 3);
  EXPECT_EQ(Find<QSpinBox>(form, "CSpinEditD")->value(), 4);
  EXPECT_EQ(Find<QComboBox>(form, "ComboBoxDscMonitoring")->currentText(), "OFF");
  EXPECT_EQ(Find<QComboBox>(form, "ComboBoxGpsOutput")->currentText(), "5s");
  EXPECT_EQ(Find<QComboBox>(form, "ComboBoxTransceiver_GPSMode")->currentIndex(), 0);
  EXPECT_EQ(Find<QComboBox>(form, "ComboBoxALRSentence")->currentText(), "OFF");
  EXPECT_EQ(Find<QComboBox>(form, "cbx_NMEABaudRateNo1")->currentText(), "9600");
  EXPECT_EQ(Find<QComboBox>(form, "cbx_NMEABaudRateNo2")->currentText(), "4800");
  EXPECT_EQ(Find<QComboBox>(form, "cbx_NMEABaudRateNo3")->currentText(), "38400");
  EXPECT_EQ(Find<QComboBox>(form, "cbx_NMEABaudRateNo4")->currentText(), "4800");
  EXPECT_EQ(Find<TLabeledEdit>(form, "lblEdtSRMText1")->text(), "A,B");
  EXPECT_EQ(Find<TLabeledEdit>(form, "lblEdtSRMText2")->text(), "FIRE*2");
  EXPECT_EQ(Find<TLabeledEdit>(form, "lblEdtSRMText3")->text(), "HELP!");
  EXPECT_EQ(Find<TLabeledEdit>(form, "lblEdtSRMText4")->text(), "TEST ^ 4");
  EXPECT_EQ(Find<TLabeledEdit>(form, "lblEdtSRMTextMsg14")->text(), "SOS $");
  EXPECT_TRUE(Find<QCheckBox>(form, "cbxEncrptionEnable")->isChecked());
  EXPECT_TRUE(Find<QCheckBox>(form, "cbxEncryptionAddressMode")->isChecked());
  EXPECT_EQ(Find<TEdit>(form, "MaskEditEncryptionAddressMMSI")->text(), "000000123");
  EXPECT_EQ(Find<TLabeledEdit>(form, "LabeledEditEncryptionASCII")->text(), "KEY1");
  EXPECT_EQ(dialogs.shown.size(), 6u);
}

}  // namespace
