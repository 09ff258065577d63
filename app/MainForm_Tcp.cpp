// The TCP medium seen from the window: connecting and disconnecting, and the
// connection panel's state while it is chosen.
#include <string>

#include "app/MainForm.h"
#include "app/pages/ConnectionPanel.h"

void TForm1::ToggleTcpConnection() {
  ConnectionPanel* panel = connectionPanel_;
  if (!tcp_->IsOpen() && panel->ConnectTag() == 1) {
    // The link is already gone; only the window is left to tidy.
    TcpDisconnectHandler();
    return;
  }
  if (!ValidateTcpSettings()) {
    panel->SetConnectDown(panel->ConnectTag() == 1);
    return;
  }
  ResetSession();
  if (panel->ConnectTag() == 0) {
    session_->DeviceConnected = 0;
    ResetGpsCounters();
    tcp_->SetEndpoint(panel->TcpAddress(), std::stoi(panel->TcpPortText()));
    tcp_->Open();
    SetTcpConnectedUi(true);
    panel->EnableTcpSettings(false);
    return;
  }
  TcpDisconnectHandler();
}

void TForm1::SetTcpConnectedUi(bool on) {
  connectionPanel_->SetConnectTag(on ? 1 : 0);
  connectionPanel_->SetConnectCaption(texts_.Connect[on ? 1 : 0]);
  connectionPanel_->SetConnectDown(on);
  if (on) {
    Timer1->Start();
    TimerConnection->Start();
    SetConnectionStatus(texts_.Connecting);
  } else {
    Timer1->Stop();
    TimerConnection->Stop();
    SetConnectionStatus(texts_.Disconnect);
  }
}

void TForm1::TcpDisconnectHandler() {
  SetTcpConnectedUi(false);
  connectionPanel_->EnableTcpSettings(true);
  tcp_->Close();
}

bool TForm1::ValidateTcpSettings() {
  const std::string address = connectionPanel_->TcpAddress();
  if (address.empty() || address.size() > 15) return false;
  const std::string port = connectionPanel_->TcpPortText();
  if (port.empty() || port.size() > 5) return false;
  for (char c : port)
    if (c < '0' || c > '9') return false;
  return std::stoi(port) <= 65535;
}
