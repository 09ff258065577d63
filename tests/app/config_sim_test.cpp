// Every configuration tab written to the simulated transponder, then read
// back with Read Device: the values the device kept come back to the pages.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <QTabWidget>

#include "tests/app/config_fixture.h"
#include "tools/transponder-sim/TransponderSim.h"

namespace {

class ConfigSim : public ConfigFormTest {
 protected:
  // Carries bytes both ways between the window and the simulator.
  void Shuttle(int rounds = 4) {
    for (int i = 0; i < rounds; ++i) {
      for (const std::string& line : Sent()) sim.Receive(line);
      const std::string out = sim.TakeOutput();
      if (!out.empty())
        ASSERT_EQ(write(master_, out.data(), out.size()), static_cast<ssize_t>(out.size()));
      Pump(30);
    }
  }
  void ConnectToSim() {
    form->RadioButtonConnectionModeManual->setChecked(true);
    form->EnumComPorts();
    form->ProbeComPorts();
    form->FillComPortCombo();
    form->cbxComPort->setEditText(QString::fromStdString(slavePath_));
    form->OpenPortClick();
    for (int s = 0; s < 5 && !form->DeviceConnected; ++s) {
      if (form->Timer1->Enabled()) form->Timer1Timer();
      Shuttle();
    }
    ASSERT_EQ(form->DeviceConnected, 1);
    Shuttle();
  }
  // As a user does: choose the tab (an SRM tab reads the device), edit, configure.
  void Configure(QWidget* tab, const std::function<void()>& edit) {
    ShowConfTab(tab);
    Shuttle(2);
    edit();
    form->SpeedButtonSettingClick();
    Shuttle();
  }

  TransponderSim sim;
};

TEST_F(ConfigSim, WriteEveryTabThenReadItBack) {
  ConnectToSim();
  EXPECT_EQ(form->lblEdtName->text().toStdString(), sim.state.name);
  EXPECT_TRUE(form->MaskEditMMSI->isEnabled());  // not yet programmed

  Configure(form->TabSheetStatic, [&] {
    form->MaskEditMMSI->setText("211000001");
    form->lblEdtName->setText("NEW NAME");
    form->lblEdtCallSign->setText("NEW1");
    form->cbxShipType->setCurrentIndex(19);  // 70 = Cargo ship
    form->CSpinEditA->setValue(20);
    form->CSpinEditB->setValue(11);
    form->CSpinEditC->setValue(3);
    form->CSpinEditD->setValue(4);
  });

  Configure(form->TabSheetTransceiver, [&] {
    form->ComboBoxDscMonitoring->setCurrentIndex(0);
    form->ComboBoxGpsOutput->setCurrentIndex(5);
    form->ComboBoxTransceiver_GPSMode->setCurrentIndex(0);
    EXPECT_EQ(form->AlrReplied, 1);  // the device reported its ALR setting
    form->ComboBoxALRSentence->setCurrentIndex(0);
  });

  Configure(form->TabSheetBaudRate, [&] {
    EXPECT_EQ(form->DeviceInfo.multipleBaudType, 2);
    form->cbx_NMEABaudRateNo1->setCurrentIndex(1);
    form->cbx_NMEABaudRateNo2->setCurrentIndex(2);
    form->cbx_NMEABaudRateNo3->setCurrentIndex(0);
    form->cbx_NMEABaudRateNo4->setCurrentIndex(2);
  });

  Configure(form->TabSheetSRMText, [&] {
    form->lblEdtSRMText1->setText("A,B");
    form->lblEdtSRMText2->setText("FIRE*2");
    form->lblEdtSRMText3->setText("HELP!");
    form->lblEdtSRMText4->setText("TEST ^ 4");
  });
  Configure(form->TabSheetButtonSRM, [&] { form->lblEdtSRMTextMsg14->setText("SOS $"); });

  Configure(form->TabSheetEncryption, [&] {
    form->cbxEncrptionEnable->setChecked(true);
    form->cbxEncryptionAddressMode->setChecked(true);
    form->cbxEncrptionEnableClick();
    form->MaskEditEncryptionAddressMMSI->setText("000000123");
    form->LabeledEditEncryptionASCII->setText("KEY1");
  });
  EXPECT_EQ(dialogs.shown.size(), 6u);  // one question per tab, nothing else

  EXPECT_EQ(sim.state.mmsi, 211000001u);
  EXPECT_EQ(sim.state.name, "NEW NAME");
  EXPECT_EQ(sim.state.srmTexts[0], "A,B");

  // Forget what the pages show, then read the device.
  form->lblEdtName->setText("X");
  form->lblEdtCallSign->setText("X");
  form->cbxShipType->setCurrentIndex(0);
  form->CSpinEditA->setValue(0);
  form->ComboBoxGpsOutput->setCurrentIndex(0);
  form->ComboBoxTransceiver_GPSMode->setCurrentIndex(1);
  for (QComboBox* box :
       {form->cbx_NMEABaudRateNo1, form->cbx_NMEABaudRateNo2, form->cbx_NMEABaudRateNo4})
    box->setCurrentIndex(0);
  form->cbx_NMEABaudRateNo3->setCurrentIndex(1);
  for (TLabeledEdit* e :
       {form->lblEdtSRMText1, form->lblEdtSRMText2, form->lblEdtSRMText3, form->lblEdtSRMText4,
        form->lblEdtSRMTextMsg14, form->LabeledEditEncryptionASCII})
    e->setText("X");
  form->MaskEditEncryptionAddressMMSI->setText("999999999");
  form->cbxEncryptionAddressMode->setChecked(false);

  ShowConfTab(form->TabSheetStatic);
  form->SpeedButtonReloadClick();
  EXPECT_EQ(form->ReportCountdown, 1);
  Shuttle(8);
  ShowConfTab(form->TabSheetSRMText);  // choosing the tab reads the SRM texts
  Shuttle();
  ShowConfTab(form->TabSheetButtonSRM);
  Shuttle();

  EXPECT_FALSE(form->MaskEditMMSI->isEnabled());
  EXPECT_EQ(form->MaskEditMMSI->text(), "211000001");
  EXPECT_EQ(form->lblEdtName->text(), "NEW NAME");
  EXPECT_EQ(form->lblEdtCallSign->text(), "NEW1");
  EXPECT_EQ(form->cbxShipType->currentText(), "70 = Cargo ship");
  EXPECT_EQ(form->CSpinEditA->value(), 20);
  EXPECT_EQ(form->CSpinEditB->value(), 11);
  EXPECT_EQ(form->CSpinEditC->value(), 3);
  EXPECT_EQ(form->CSpinEditD->value(), 4);
  EXPECT_EQ(form->ComboBoxDscMonitoring->currentText(), "OFF");
  EXPECT_EQ(form->ComboBoxGpsOutput->currentText(), "5s");
  EXPECT_EQ(form->ComboBoxTransceiver_GPSMode->currentIndex(), 0);
  EXPECT_EQ(form->ComboBoxALRSentence->currentText(), "OFF");
  EXPECT_EQ(form->cbx_NMEABaudRateNo1->currentText(), "9600");
  EXPECT_EQ(form->cbx_NMEABaudRateNo2->currentText(), "4800");
  EXPECT_EQ(form->cbx_NMEABaudRateNo3->currentText(), "38400");
  EXPECT_EQ(form->cbx_NMEABaudRateNo4->currentText(), "4800");
  EXPECT_EQ(form->lblEdtSRMText1->text(), "A,B");
  EXPECT_EQ(form->lblEdtSRMText2->text(), "FIRE*2");
  EXPECT_EQ(form->lblEdtSRMText3->text(), "HELP!");
  EXPECT_EQ(form->lblEdtSRMText4->text(), "TEST ^ 4");
  EXPECT_EQ(form->lblEdtSRMTextMsg14->text(), "SOS $");
  EXPECT_TRUE(form->cbxEncrptionEnable->isChecked());
  EXPECT_TRUE(form->cbxEncryptionAddressMode->isChecked());
  EXPECT_EQ(form->MaskEditEncryptionAddressMMSI->text(), "000000123");
  EXPECT_EQ(form->LabeledEditEncryptionASCII->text(), "KEY1");
  EXPECT_EQ(dialogs.shown.size(), 6u);
}

}  // namespace
