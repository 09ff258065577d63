// The TCP medium: the client thread's start and end, its callbacks handed
// to the user-interface thread, and the time-out of a silent device.
#include <QLineEdit>

#include "app/MainForm.h"

// Worker thread: the bytes are received here and posted, in order.
void TForm1::TcpReadCallback(void* context) {
  auto* link = static_cast<TcpLink*>(context);
  char buffer[TTCPIPClientThread::kReceiveSize];
  const int n = link->client->ReceiveData(buffer);
  if (n <= 0) return;
  const size_t count = static_cast<size_t>(n);
  if (!link->backlog->Reserve(count)) return;  // the link is ending
  link->dispatcher->Post([form = link->form, alive = link->alive, generation = link->generation,
                          backlog = link->backlog, bytes = std::string(buffer, count)] {
    backlog->Release(bytes.size());
    if (alive.expired() || form->tcpGeneration_ != generation) return;
    form->TcpRxHandler(bytes);
  });
}

// Any thread: the link has ended.
void TForm1::TcpDisconnectCallback(void* context) {
  auto* link = static_cast<TcpLink*>(context);
  link->dispatcher->Post([form = link->form, alive = link->alive, generation = link->generation] {
    if (alive.expired() || form->tcpGeneration_ != generation) return;
    form->TcpDisconnectHandler();
  });
}

void TForm1::EndTcpClient() {
  // Work still queued for this client is dropped from here on.
  ++tcpGeneration_;
  // A worker waiting for the window to catch up must not hold up the join.
  if (tcpLink_) tcpLink_->backlog->End();
  if (TcpClient) {
    TcpClient->Disconnect();
    TcpClient.reset();  // joins the worker
  }
  tcpLink_.reset();
}

void TForm1::ToggleTcpConnection() {
  if (!TcpClient && OpenPort->Tag == 1) {
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
    DeviceConnected = 0;
    ResetGpsCounters();
    EndTcpClient();
    tcpLink_ = std::make_unique<TcpLink>(TcpLink{this, dispatcher_, alive_, tcpGeneration_});
    TcpClient = std::make_unique<TTCPIPClientThread>(true);
    tcpLink_->client = TcpClient.get();
    TcpClient->SetAddress(LabelEditWiFi_TCP_IP->text().toStdString().c_str());
    TcpClient->SetPort(LabelEditWiFi_Port->text().toInt());
    TcpClient->SetOnRead(&TForm1::TcpReadCallback, tcpLink_.get());
    TcpClient->SetOnDisconnect(&TForm1::TcpDisconnectCallback, tcpLink_.get());
    TcpClient->Start();
    SetTcpConnectedUi(true);
    LabelEditWiFi_Port->setEnabled(false);
    LabelEditWiFi_TCP_IP->setEnabled(false);
    return;
  }
  SetTcpConnectedUi(false);
  LabelEditWiFi_Port->setEnabled(true);
  LabelEditWiFi_TCP_IP->setEnabled(true);
  TcpClient->Disconnect();
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
  EndTcpClient();
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

void TForm1::WiFiConnectionTick() {
  if (!mnuWiFi->isChecked() || !TcpClient || ConnectTick < 1) return;
  if (ConnectTick % 2 == 1) QueryDevice(16);
  if (ConnectTick > 15) {
    ConnectState = 0;
    ToggleConnection();
    ConnectFailed = 0;
  }
}
