// The serial link: the port opened with RTS and DTR raised, sends that go out whole or
// fail, and received bytes handed on in bounded shares so that the window stays
// responsive.
#include "links/SerialLink.h"

#include <algorithm>

SerialLink::SerialLink(UiDispatcher& dispatcher, CommSystem& sys)
    : comm_(std::make_unique<TComm>(dispatcher, sys)) {
  comm_->OnRxChar = [this](TThreadComm*, uint32_t count) { Received(count); };
  // A hang-up is how a port goes away here.
  comm_->OnError = [this](TThreadComm*, int errors) {
    if ((errors & CE_IOE) && onEnded) onEnded();
  };
}

SerialLink::~SerialLink() { comm_->Close(); }

bool SerialLink::Open() {
  try {
    comm_->Open();
    if (comm_->IsOpen()) {
      comm_->SetRTS(true);
      comm_->SetDTR(true);
    }
  } catch (const ECommError&) {
    if (comm_->IsOpen()) comm_->Close();
  }
  return comm_->IsOpen();
}

void SerialLink::Close() {
  if (comm_->IsOpen()) CountClose();
  comm_->Close();
}

bool SerialLink::Send(const char* data, std::size_t size) {
  if (!comm_->IsOpen()) return false;
  // Done only when every byte went out.
  std::size_t sent = 0;
  try {
    while (sent < size) {
      const int n = comm_->WriteData(data + sent, static_cast<uint32_t>(size - sent));
      if (n <= 0) return false;
      sent += static_cast<std::size_t>(n);
    }
  } catch (const ECommError&) {
    return false;
  }
  return true;
}

void SerialLink::Received(uint32_t count) {
  if (count == 0 || !onReceived) return;
  // What is left after a turn's share waits in the port's queue, and raises
  // the next event once input and timers have had their turn. The bytes
  // asked for are waiting, so no read waits for more.
  const auto until = std::chrono::steady_clock::now() + kReceiveTurnTime;
  char buffer[kReceivePiece];
  for (std::size_t left = std::min<std::size_t>(count, kReceiveSlice); left > 0;) {
    int n = 0;
    try {
      n = comm_->ReadData(buffer, static_cast<uint32_t>(std::min(left, sizeof buffer)));
    } catch (const ECommError&) {
      return;
    }
    if (n <= 0) return;
    left -= std::min(left, static_cast<std::size_t>(n));
    if (!onReceived(std::string_view(buffer, static_cast<std::size_t>(n)), false)) return;
    if (std::chrono::steady_clock::now() >= until) return;
  }
}
