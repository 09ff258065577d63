// The connect button, serial detection (automatic and manual), the device
// query and the connection status label.
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include "app/MainForm.h"
#include "app/core/PortOpenText.h"
#include "app/pages/StaticDataPage.h"
#include "app/pages/TransceiverPage.h"
#include "protocol/Protocol.h"
#include "wifi/core/PassThrough.h"

void TForm1::OpenPortClick() { ToggleConnection(); }

void TForm1::ToggleConnection() {
  if (mnuSerialPort->isChecked()) ToggleSerialConnection();
  if (mnuWiFi->isChecked()) ToggleTcpConnection();
}

void TForm1::ResetSession() {
  // A line cut off by the end of the last session belongs to no later one.
  SerialLine.clear();
  serialSkipping_ = false;
  TcpLine.clear();
  tcpSkipping_ = false;
  ConnectState = 0;
  ConnectTick = 0;
  EditAutoDetectComPort->clear();
  EditAutoDetectBaudRate->clear();
  DeviceDataEnd = 0;
  DeviceConnected = 0;
  Timer1->Stop();
  TimerConnection->Stop();
  SetConnectionStatus(Texts.Disconnect);
  EnableSerialSettings(true);
  ClearSessionDeviceInfo();
}

void TForm1::ToggleSerialConnection() {
  bool connect = false;
  if (OpenPort->Tag == 0) {
    if (!Comm->IsOpen()) {
      OpenPort->Tag = 1;
      connect = true;
    } else {
      OpenPort->SetDown(false);
    }
  } else {
    OpenPort->Tag = 0;
    OpenPort->SetDown(false);
    if (Comm->IsOpen()) {
      Comm->Close();
      reloadNeeded = 1;
    }
  }
  ResetSession();

  if (connect) {
    OpenPort->SetDown(true);
    ResetGpsCounters();
    DeviceHandshake();
    if (RadioButtonConnectionModeManual->isChecked()) {
      if (CheckManualPort() == 2 && OpenPort->Down()) {
        OpenPort->Tag = 0;
        OpenPort->SetDown(false);
        return;
      }
    } else {
      EnumComPorts();
      ProbeComPorts();
      FillComPortCombo();
      cbxComPort->setCurrentIndex(0);
      if (!OpenablePortList.empty()) {
        cbxComPort->setCurrentIndex(
            cbxComPort->findText(QString::fromStdString(OpenablePortList.front().name)));
        EditAutoDetectComPort->setText(QString::fromStdString(OpenablePortList.front().name));
        cbxBaudRate->setCurrentIndex(0);
        EditAutoDetectBaudRate->setText(cbxBaudRate->currentText());
      } else {
        EditAutoDetectComPort->setText("N/A");
        EditAutoDetectBaudRate->setText("N/A");
      }
    }
    OpenPort->setText(QString::fromStdString(Texts.Connect[1]));
    ConnectionStep();
    ConnectTick = 1;
    Timer1->Start();
    TimerConnection->Start();
    SetConnectionStatus(Texts.Connecting);
    EnableSerialSettings(false);
    return;
  }

  OpenPort->setText(QString::fromStdString(Texts.Connect[0]));
  Timer1->Stop();
  TimerConnection->Stop();
  TimerUpdateSysChk->Stop();
  SetConnectionStatus(Texts.Disconnect);
  Timer_WiFi_function->Stop();
  if (ProcessingBarRunning()) {
    CloseProcessingBar();
    dialogs.MessageBox("Serial port connection error! Please check!", "Error", DialogButtons::Ok,
                       DialogIcon::Information);
  }
  EnableSerialSettings(true);
}

void TForm1::ConnectionStep() {
  // A failed attempt is closed on the next tick whatever came meanwhile: a
  // device that streams sentences would otherwise re-arm the handshake and
  // keep the failed port open.
  if (ConnectFailed && ConnectState != 0) {
    ConnectState = 0;
  }
  switch (ConnectState) {
    case 0:
      if (DeviceConnected || ConnectFailed) {
        // Both flags are cleared before closing, so that the close (which
        // may come back here) finds nothing pending.
        DeviceConnected = 0;
        ConnectFailed = 0;
        ToggleConnection();
      }
      return;
    case 1:
      break;
    default:
      return;
  }
  // The automatic branch tries serial ports; it belongs to the serial medium.
  if (RadioButtonConnectionModeAuto->isChecked() && mnuSerialPort->isChecked()) {
    if (ConnectTick == 0) {
      const int openable = static_cast<int>(OpenablePortList.size());
      ConnectTimeout = openable > 6 ? openable * 3 + 2 : 20;
      if (openable < 1) {
        ConnectState = 0;
        ConnectFailed = 1;
        dialogs.MessageBox(Texts.NoSerialPortExist, Texts.Warning, DialogButtons::Ok,
                           DialogIcon::Warning);
        return;
      }
    }
    if (ConnectTick > ConnectTimeout) {
      ConnectState = 0;
      ConnectFailed = 1;
      dialogs.MessageBox(Texts.AutoDetectTimeOut, Texts.Error, DialogButtons::Ok,
                         DialogIcon::Error);
      return;
    }
    AutoDetectStep();
    return;
  }
  if (ConnectTick == 0) {
    ConnectTimeout = 20;
    if (mnuSerialPort->isChecked()) {
      if (!Comm->IsOpen()) {
        cbxBaudRateChange();
        OpenSerialPort(PortPathForText(cbxComPort->currentText().toStdString()));
      }
      if (!Comm->IsOpen()) {
        ConnectState = 0;
        ConnectFailed = 1;
        dialogs.MessageBox(PortOpenFailureText(Texts.PortOpenError, Comm->LastOpenError()),
                           Texts.Error, DialogButtons::Ok, DialogIcon::Error);
        return;
      }
    }
  }
  ManualConnectStep();
}

void TForm1::AutoDetectStep() {
  if (DeviceConnected) return;
  if (ConnectTick == 0) {
    AutoPortIndex = 0;
    AutoBaudIndex = 0;
  }
  switch (ConnectTick % 3) {
    case 0:
      SetAutoBaud(AutoBaudIndex);
      if (AutoBaudIndex == 0) {
        if (AutoPortIndex >= static_cast<int>(OpenablePortList.size())) AutoPortIndex = 0;
        OpenComPort(OpenablePortList[AutoPortIndex]);
        ++AutoPortIndex;
        EditAutoDetectComPort->setText(cbxComPort->currentText());
        DeviceDataEnd = 0;
      }
      if (!QueryDevice(16)) return;
      if (AutoBaudIndex > 0) --AutoBaudIndex;
      break;
    case 2:
      QueryDevice(16);
      break;
    default:
      break;
  }
}

void TForm1::OpenComPort(const SerialPortInfo& port) {
  Comm->Close();
  if (Comm->IsOpen()) return;
  const int index = cbxComPort->findText(QString::fromStdString(port.name));
  if (index >= 0)
    cbxComPort->setCurrentIndex(index);
  else
    cbxComPort->setEditText(QString::fromStdString(port.name));
  // Left closed when it fails: its requests fail silently and the next port follows.
  OpenSerialPort(port.path);
}

void TForm1::OpenSerialPort(const std::string& path) {
  Comm->SetDeviceName(path);
  try {
    Comm->Open();
    if (Comm->IsOpen()) {
      Comm->SetRTS(true);
      Comm->SetDTR(true);
    }
  } catch (const ECommError&) {
    if (Comm->IsOpen()) Comm->Close();
  }
}

void TForm1::EnableSerialSettings(bool on) {
  for (QWidget* w : {static_cast<QWidget*>(GroupBoxSerialConnectionMode),
                     static_cast<QWidget*>(RadioButtonConnectionModeAuto),
                     static_cast<QWidget*>(RadioButtonConnectionModeManual),
                     static_cast<QWidget*>(cbxComPort), static_cast<QWidget*>(cbxBaudRate)})
    w->setEnabled(on);
}

void TForm1::ManualConnectStep() {
  if (DeviceConnected) return;
  // Returns the device from the Wi-Fi module's command mode, should it be there.
  SendRaw(kWiFiExitSentence);
  if (ConnectTick > 20) {
    ConnectState = 0;
    ConnectFailed = 1;
    dialogs.MessageBox(Texts.ManualConnectTimeOut, Texts.Error, DialogButtons::Ok,
                       DialogIcon::Error);
    return;
  }
  if (ConnectTick % 3 == 0 || ConnectTick % 3 == 2) QueryDevice(16);
}

int TForm1::CheckManualPort() {
  const std::string text = cbxComPort->currentText().toStdString();
  for (const auto& port : OpenablePortList)
    if (port.name == text || port.path == text) return 1;
  return dialogs.MessageBox(Texts.CheckPortError, Texts.Warning, DialogButtons::OkCancel,
                            DialogIcon::Warning) == DialogResult::Ok
             ? 1
             : 2;
}

bool TForm1::QueryDevice(int command) {
  TabSheetTransceiver->SetAlrReplied(false);
  auto& p = Protocol->proprietary;
  p.tstNumberA = 99999;
  p.tstNumberB = 99;
  p.tstLetterC = '@';
  p.tstLetterD = '@';
  p.tstCommand = static_cast<uint16_t>(command);
  if (!SendRecordSentence("P", "TST")) return false;
  SendSentence("$PKVR,Q,CFG,30,0,0,");
  SendSentence("$PKVR,Q,CFG,108,3,0,");
  SendSentence("$AIAIQ,CEK");
  SendSentence("$PKVR,Q,CFG,183,0,0,");
  return true;
}

void TForm1::TimerConnectionTimer() {
  if (DeviceConnected) {
    SetConnectionStatus(Texts.Connected);
    TimerConnection->Stop();
    Timer1->Stop();
    TimerUpdateSysChk->Start();
    return;
  }
  LabelConnectionStatus->Tag = (LabelConnectionStatus->Tag + 1) % 8;
  BlinkConnectionStatus();
}

void TForm1::BlinkConnectionStatus() {
  const bool red = LabelConnectionStatus->Tag < 3;
  LabelConnectionStatus->setStyleSheet(red ? "color: #ff0000;" : "color: #000000;");
  LabelConnectionStatus->setText(QString::fromStdString(Texts.Connecting));
}

void TForm1::SetConnectionStatus(const std::string& text) {
  if (text == Texts.Disconnect) {
    LabelConnectionStatus->setStyleSheet("color: #000000;");
    LabelConnectionStatus->setEnabled(false);
  } else if (text == Texts.Connecting) {
    LabelConnectionStatus->setEnabled(true);
    LabelConnectionStatus->setStyleSheet("color: #000000;");
  } else if (text == Texts.Connected) {
    LabelConnectionStatus->setEnabled(true);
    LabelConnectionStatus->setStyleSheet("color: #0000ff;");
    PageControlConf->setCurrentWidget(TabSheetStatic);
    reloadNeeded = 1;
    UpdateIpAddressControl();
  }
  LabelConnectionStatus->setText(QString::fromStdString(text));
}

void TForm1::LabelConnectionStatusDblClick() {
  if (OpenPort->Tag == 1 && DeviceDataEnd == 0) {
    DeviceDataEnd = 1;
    DeviceHandshake("CHECK PASS");
  }
}
