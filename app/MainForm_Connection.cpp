// The connect button, serial detection (automatic and manual), the device
// query and the connection status label.
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include "app/MainForm.h"
#include "app/core/PortOpenText.h"
#include "protocol/Protocol.h"
#include "wifi/core/PassThrough.h"

namespace {

// The window as the connection's state machine sees it.
class FormConnectionHost : public ConnectionHost {
 public:
  explicit FormConnectionHost(TForm1& f) : f_(f) {}
  bool SerialMediumChosen() const override { return f_.mnuSerialPort->isChecked(); }
  bool TcpMediumChosen() const override { return f_.mnuWiFi->isChecked(); }
  bool AutoDetection() const override { return f_.RadioButtonConnectionModeAuto->isChecked(); }
  bool ConnectControlDown() const override { return f_.OpenPort->Down(); }
  int OpenablePortCount() const override { return static_cast<int>(f_.OpenablePortList.size()); }
  bool SerialPortOpen() const override { return f_.Comm()->IsOpen(); }
  bool TcpLinkOpen() const override { return f_.Tcp().IsOpen(); }
  void OpenChosenPort() override {
    f_.cbxBaudRateChange();
    f_.OpenSerialPort(f_.PortPathForText(f_.cbxComPort->currentText().toStdString()));
  }
  void OpenOpenablePort(int index) override {
    f_.OpenComPort(f_.OpenablePortList[static_cast<size_t>(index)]);
    f_.EditAutoDetectComPort->setText(f_.cbxComPort->currentText());
  }
  void SetAutoBaud(int index) override { f_.SetAutoBaud(index); }
  bool QueryDevice(int command) override { return f_.QueryDevice(command); }
  void SendPassThroughExit() override { f_.SendRaw(kWiFiExitSentence); }
  void DeviceFound() override {
    f_.ShowNmeaPorts();
    f_.SelectSrmMode();
    f_.SendRaw(std::string("$AIAIQ,VSD*3C\r\n"));
    f_.SendRaw(std::string("$AIAIQ,SSD*39\r\n"));
  }
  void ToggleConnection() override { f_.ToggleConnection(); }
  void Show(ConnectionMessage message) override {
    const MSG_TEXT_STRUCT& t = f_.Texts;
    switch (message) {
      case ConnectionMessage::NoSerialPortExist:
        f_.dialogs.MessageBox(t.NoSerialPortExist, t.Warning, DialogButtons::Ok,
                              DialogIcon::Warning);
        break;
      case ConnectionMessage::AutoDetectTimeOut:
        f_.dialogs.MessageBox(t.AutoDetectTimeOut, t.Error, DialogButtons::Ok, DialogIcon::Error);
        break;
      case ConnectionMessage::PortOpenError:
        f_.dialogs.MessageBox(PortOpenFailureText(t.PortOpenError, f_.Comm()->LastOpenError()),
                              t.Error, DialogButtons::Ok, DialogIcon::Error);
        break;
      case ConnectionMessage::ManualConnectTimeOut:
        f_.dialogs.MessageBox(t.ManualConnectTimeOut, t.Error, DialogButtons::Ok,
                              DialogIcon::Error);
        break;
    }
  }

 private:
  TForm1& f_;
};

}  // namespace

void TForm1::InitConnectionSession() {
  connectionHost_ = std::make_unique<FormConnectionHost>(*this);
  session_ = std::make_unique<ConnectionSession>(*connectionHost_);
}

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
  session_->Reset();
  EditAutoDetectComPort->clear();
  EditAutoDetectBaudRate->clear();
  Timer1->Stop();
  TimerConnection->Stop();
  SetConnectionStatus(Texts.Disconnect);
  EnableSerialSettings(true);
  LabelMMSICantProg->hide();
  ClearSessionDeviceInfo();
  SrmMode = 0;
  SrmButtonSupported = 0;
  SrmTextSupported = 0;
}

void TForm1::ToggleSerialConnection() {
  bool connect = false;
  if (OpenPort->Tag == 0) {
    if (!Comm()->IsOpen()) {
      OpenPort->Tag = 1;
      connect = true;
    } else {
      OpenPort->SetDown(false);
    }
  } else {
    OpenPort->Tag = 0;
    OpenPort->SetDown(false);
    if (Comm()->IsOpen()) {
      serial_->Close();
      reloadNeeded = 1;
    }
  }
  ResetSession();

  if (connect) {
    OpenPort->SetDown(true);
    ResetGpsCounters();
    session_->DeviceHandshake();
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
    session_->ConnectionStep();
    session_->ConnectTick = 1;
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

void TForm1::OpenComPort(const SerialPortInfo& port) {
  serial_->Close();
  if (Comm()->IsOpen()) return;
  const int index = cbxComPort->findText(QString::fromStdString(port.name));
  if (index >= 0)
    cbxComPort->setCurrentIndex(index);
  else
    cbxComPort->setEditText(QString::fromStdString(port.name));
  // Left closed when it fails: its requests fail silently and the next port follows.
  OpenSerialPort(port.path);
}

void TForm1::OpenSerialPort(const std::string& path) {
  Comm()->SetDeviceName(path);
  serial_->Open();
}

void TForm1::EnableSerialSettings(bool on) {
  for (QWidget* w : {static_cast<QWidget*>(GroupBoxSerialConnectionMode),
                     static_cast<QWidget*>(RadioButtonConnectionModeAuto),
                     static_cast<QWidget*>(RadioButtonConnectionModeManual),
                     static_cast<QWidget*>(cbxComPort), static_cast<QWidget*>(cbxBaudRate)})
    w->setEnabled(on);
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
  AlrReplied = 0;
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
  const ConnectionSession::Status status = session_->NextStatus();
  if (status == ConnectionSession::Status::Connected) {
    SetConnectionStatus(Texts.Connected);
    TimerConnection->Stop();
    Timer1->Stop();
    TimerUpdateSysChk->Start();
    return;
  }
  const bool red = status == ConnectionSession::Status::ConnectingRed;
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

void TForm1::LabelConnectionStatusDblClick() { session_->ForceDataEnd(OpenPort->Tag == 1); }

void TForm1::DeviceHandshake(const std::string& line) { session_->DeviceHandshake(line); }

void TForm1::ConnectionStep() { session_->ConnectionStep(); }
