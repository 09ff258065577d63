// The TCP medium seen from the window: connecting and disconnecting, the
// connection panel's state, and the time-out of a silent device.
#include <QLineEdit>

#include "app/MainForm.h"

void TForm1::ToggleTcpConnection() {
  if (!tcp_->IsOpen() && OpenPort->Tag == 1) {
    // The link is already gone; only the window is left to tidy.
    SetTcpConnectedUi(false);
    LabelEditWiFi_Port->setEnabled(true);
    LabelEditWiFi_TCP_IP->setEnabled(true);
    return;
  }
  if (!ValidateTcpSettings()) {
    OpenPort->SetDown(OpenPort->Tag == 1);
    return;
  }
  ResetSession();
  if (OpenPort->Tag == 0) {
    session_->DeviceConnected = 0;
    ResetGpsCounters();
    tcp_->SetEndpoint(LabelEditWiFi_TCP_IP->text().toStdString(),
                      LabelEditWiFi_Port->text().toInt());
    tcp_->Open();
    SetTcpConnectedUi(true);
    LabelEditWiFi_Port->setEnabled(false);
    LabelEditWiFi_TCP_IP->setEnabled(false);
    return;
  }
  TcpDisconnectHandler();
}

void TForm1::SetTcpConnectedUi(bool on) {
  OpenPort->Tag = on ? 1 : 0;
  OpenPort->setText(QString::fromStdString(Texts.Connect[on ? 1 : 0]));
  OpenPort->SetDown(on);
  if (on) {
    Timer1->Start();
    TimerConnection->Start();
    SetConnectionStatus(Texts.Connecting);
  } else {
    Timer1->Stop();
    TimerConnection->Stop();
    SetConnectionStatus(Texts.Disconnect);
  }
}

void TForm1::TcpDisconnectHandler() {
  SetTcpConnectedUi(false);
  LabelEditWiFi_Port->setEnabled(true);
  LabelEditWiFi_TCP_IP->setEnabled(true);
  tcp_->Close();
}

bool TForm1::ValidateTcpSettings() {
  const std::string address = LabelEditWiFi_TCP_IP->text().toStdString();
  if (address.empty() || address.size() > 15) return false;
  const std::string port = LabelEditWiFi_Port->text().toStdString();
  if (port.empty() || port.size() > 5) return false;
  for (char c : port)
    if (c < '0' || c > '9') return false;
  return std::stoi(port) <= 65535;
}
