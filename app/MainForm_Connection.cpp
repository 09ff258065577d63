// The connect button, serial detection (automatic and manual), the device
// query and the connection status label.
#include <QTabWidget>

#include "app/MainForm.h"
#include "app/core/PortOpenText.h"
#include "app/pages/ConnectionPanel.h"
#include "app/pages/StaticDataPage.h"
#include "app/pages/TransceiverPage.h"
#include "protocol/Protocol.h"
#include "wifi/core/PassThrough.h"
#include "wifi/core/WiFiSetup.h"

// The window as the connection's state machine sees it.
class FormConnectionHost : public ConnectionHost {
 public:
  explicit FormConnectionHost(TForm1& f) : f_(f) {}
  bool SerialMediumChosen() const override { return f_.menus_.mnuSerialPort->isChecked(); }
  bool TcpMediumChosen() const override { return f_.menus_.mnuWiFi->isChecked(); }
  bool AutoDetection() const override { return f_.connectionPanel_->AutoMode(); }
  bool ConnectControlDown() const override { return f_.connectionPanel_->ConnectDown(); }
  int OpenablePortCount() const override { return static_cast<int>(f_.openablePorts_.size()); }
  bool SerialPortOpen() const override { return f_.Comm()->IsOpen(); }
  bool TcpLinkOpen() const override { return f_.Tcp().IsOpen(); }
  void OpenChosenPort() override {
    f_.cbxBaudRateChange();
    f_.OpenSerialPort(f_.PortPathForText(f_.connectionPanel_->PortText()));
  }
  void OpenOpenablePort(int index) override {
    if (index < 0 || static_cast<size_t>(index) >= f_.openablePorts_.size()) return;
    f_.OpenComPort(f_.openablePorts_[static_cast<size_t>(index)]);
    f_.connectionPanel_->ShowAutoPort(f_.connectionPanel_->PortText());
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
    const MSG_TEXT_STRUCT& t = f_.texts_;
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

void TForm1::InitConnectionSession() {
  connectionHost_ = std::make_unique<FormConnectionHost>(*this);
  session_ = std::make_unique<ConnectionSession>(*connectionHost_);
}

void TForm1::OpenPortClick() { ToggleConnection(); }

bool TForm1::ConnectionOpen() const { return connectionPanel_->ConnectTag() == 1; }

std::string TForm1::ConnectionStatusText() const { return connectionPanel_->StatusText(); }

void TForm1::ToggleConnection() {
  if (menus_.mnuSerialPort->isChecked()) ToggleSerialConnection();
  if (menus_.mnuWiFi->isChecked()) ToggleTcpConnection();
}

void TForm1::ResetSession() {
  // A line cut off by the end of the last session belongs to no later one.
  serialLines_.Drop();
  tcpLines_.Drop();
  session_->Reset();
  connectionPanel_->ClearAutoDetect();
  Timer1->Stop();
  TimerConnection->Stop();
  SetConnectionStatus(texts_.Disconnect);
  connectionPanel_->EnableSerialSettings(true);
  ClearSessionDeviceInfo();
}

void TForm1::ToggleSerialConnection() {
  ConnectionPanel* panel = connectionPanel_;
  bool connect = false;
  if (panel->ConnectTag() == 0) {
    if (!Comm()->IsOpen()) {
      panel->SetConnectTag(1);
      connect = true;
    } else {
      panel->SetConnectDown(false);
    }
  } else {
    panel->SetConnectTag(0);
    panel->SetConnectDown(false);
    if (Comm()->IsOpen()) {
      serial_->Close();
      WiFiData.reloadNeeded = 1;
    }
  }
  ResetSession();

  if (connect) {
    panel->SetConnectDown(true);
    ResetGpsCounters();
    session_->DeviceHandshake();
    if (!panel->AutoMode()) {
      if (CheckManualPort() == 2 && panel->ConnectDown()) {
        panel->SetConnectTag(0);
        panel->SetConnectDown(false);
        return;
      }
    } else {
      EnumComPorts();
      ProbeComPorts();
      FillComPortCombo();
      panel->SelectFirstPort();
      if (!openablePorts_.empty()) {
        panel->SelectPort(openablePorts_.front().name);
        panel->ShowAutoPort(openablePorts_.front().name);
        panel->SetBaudIndex(0);
        panel->ShowAutoBaud(panel->BaudText());
      } else {
        panel->ShowAutoPort("N/A");
        panel->ShowAutoBaud("N/A");
      }
    }
    panel->SetConnectCaption(texts_.Connect[1]);
    session_->ConnectionStep();
    session_->ConnectTick = 1;
    Timer1->Start();
    TimerConnection->Start();
    SetConnectionStatus(texts_.Connecting);
    panel->EnableSerialSettings(false);
    return;
  }

  panel->SetConnectCaption(texts_.Connect[0]);
  Timer1->Stop();
  TimerConnection->Stop();
  TimerUpdateSysChk->Stop();
  SetConnectionStatus(texts_.Disconnect);
  Timer_WiFi_function->Stop();
  if (ProcessingBarRunning()) {
    CloseProcessingBar();
    dialogs.MessageBox("Serial port connection error! Please check!", "Error", DialogButtons::Ok,
                       DialogIcon::Information);
  }
  panel->EnableSerialSettings(true);
}

void TForm1::OpenComPort(const SerialPortInfo& port) {
  serial_->Close();
  connectionPanel_->ShowPort(port.name);
  // Left closed when it fails: its requests fail silently and the next port follows.
  OpenSerialPort(port.path);
}

// Opens the port at path with RTS and DTR raised; left closed on failure.
void TForm1::OpenSerialPort(const std::string& path) {
  Comm()->SetDeviceName(path);
  serial_->Open();
}

int TForm1::CheckManualPort() {
  const std::string text = connectionPanel_->PortText();
  for (const auto& port : openablePorts_)
    if (port.name == text || port.path == text) return 1;
  return dialogs.MessageBox(texts_.CheckPortError, texts_.Warning, DialogButtons::OkCancel,
                            DialogIcon::Warning) == DialogResult::Ok
             ? 1
             : 2;
}

bool TForm1::QueryDevice(int command) {
  TabSheetTransceiver->SetAlrReplied(false);
  auto& p = protocol_->proprietary;
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
    SetConnectionStatus(texts_.Connected);
    TimerConnection->Stop();
    Timer1->Stop();
    TimerUpdateSysChk->Start();
    return;
  }
  connectionPanel_->BlinkStatus(texts_.Connecting,
                                status == ConnectionSession::Status::ConnectingRed);
}

void TForm1::SetConnectionStatus(const std::string& text) {
  // A language may give two states one text: the first match decides.
  if (text == texts_.Disconnect) {
    connectionPanel_->SetStatusLook(0x000000, false);
  } else if (text == texts_.Connecting) {
    connectionPanel_->SetStatusLook(0x000000, true);
  } else if (text == texts_.Connected) {
    connectionPanel_->SetStatusLook(0x0000ff, true);
    PageControlConf->setCurrentWidget(TabSheetStatic);
    WiFiData.reloadNeeded = 1;
    wifi_->UpdateIpAddressControl();
  }
  connectionPanel_->ShowStatusText(text);
}

void TForm1::LabelConnectionStatusDblClick() {
  session_->ForceDataEnd(connectionPanel_->ConnectTag() == 1);
}

void TForm1::DeviceHandshake(const std::string& line) { session_->DeviceHandshake(line); }
