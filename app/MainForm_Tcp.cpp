// The TCP medium: the client thread's start and end, its callbacks handed
// to the user-interface thread, and the time-out of a silent device.
#include <QLineEdit>

#include <chrono>

#include "app/MainForm.h"

// Worker thread: the bytes are received here and kept for the window, which
// is asked to drain them unless it already is. Never waits for the window.
void TForm1::TcpReadCallback(void* context) {
  auto* link = static_cast<TcpLink*>(context);
  char buffer[TTCPIPClientThread::kReceiveSize];
  const int n = link->client->ReceiveData(buffer);
  if (n <= 0) return;
  if (link->inbox->Append(buffer, static_cast<size_t>(n)))
    PostTcpDrain(*link->dispatcher, link->form, link->alive, link->inbox, link->generation);
}

void TForm1::PostTcpDrain(UiDispatcher& dispatcher, TForm1* form, std::weak_ptr<int> alive,
                          std::shared_ptr<TcpInbox> inbox, uint64_t generation) {
  dispatcher.Post([form, alive = std::move(alive), inbox = std::move(inbox), generation] {
    if (alive.expired()) return;
    form->DrainTcpInbox(inbox, generation);
  });
}

void TForm1::DrainTcpInbox(const std::shared_ptr<TcpInbox>& inbox, uint64_t generation) {
  // A drain of a link that has ended: its bytes belong to no session.
  if (tcpGeneration_ != generation) return;
  // A few KiB or a few milliseconds' work, whichever ends first; then input
  // and timers have their turn.
  const auto until = std::chrono::steady_clock::now() + kReceiveTurnTime;
  for (size_t taken = 0; taken < kReceiveSlice && std::chrono::steady_clock::now() < until;) {
    const TcpInbox::Slice piece = inbox->Take(kReceivePiece);
    if (piece.gapBefore) {
      // The line in progress lost its tail, and what follows starts
      // somewhere inside a line: neither half is handed on.
      TcpLine.clear();
      tcpSkipping_ = true;
    } else if (piece.bytes.empty()) {
      break;
    }
    if (!HandleReceivedBytes(piece.bytes.data(), piece.bytes.size(), false)) return;
    taken += piece.bytes.size();
  }
  if (inbox->FinishDrain()) PostTcpDrain(*dispatcher_, this, alive_, inbox, generation);
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
