// The TCP link: a client thread per opening, received bytes drained on the user-
// interface thread a share per turn, and the work of an ended session dropped by its
// generation.
#include "links/TcpLink.h"

TcpLink::TcpLink(UiDispatcher& dispatcher) : dispatcher_(dispatcher) {}

TcpLink::~TcpLink() {
  Close();
  alive_.reset();
}

void TcpLink::SetEndpoint(const std::string& address, int port) {
  address_ = address;
  port_ = port;
}

bool TcpLink::Open() {
  Close();
  session_ = std::make_unique<Session>(Session{this, alive_, generation_});
  client_ = std::make_unique<TTCPIPClientThread>(true);
  session_->client = client_.get();
  client_->SetAddress(address_.c_str());
  client_->SetPort(port_);
  client_->SetOnRead(&TcpLink::ReadCallback, session_.get());
  client_->SetOnDisconnect(&TcpLink::DisconnectCallback, session_.get());
  client_->Start();
  return true;
}

void TcpLink::Close() {
  // Work still queued for this client is dropped from here on.
  ++generation_;
  if (client_) {
    CountClose();
    client_->Disconnect();
    client_.reset();  // joins the worker
  }
  session_.reset();
}

bool TcpLink::Send(const char* data, std::size_t size) {
  if (!client_ || size == 0) return false;
  // A failed send ends the link; its end is handed over like any other.
  return client_->SendData(data, static_cast<int>(size));
}

const TcpInbox* TcpLink::Received() const { return session_ ? session_->inbox.get() : nullptr; }

// Worker thread: the bytes are received here and kept for the owner, who is
// asked to drain them unless already asked. Never waits for the owner.
void TcpLink::ReadCallback(void* context) {
  auto* session = static_cast<Session*>(context);
  char buffer[TTCPIPClientThread::kReceiveSize];
  const int n = session->client->ReceiveData(buffer);
  if (n <= 0) return;
  if (session->inbox->Append(buffer, static_cast<size_t>(n)))
    PostDrain(session->link, session->alive, session->inbox, session->generation);
}

void TcpLink::PostDrain(TcpLink* link, std::weak_ptr<int> alive, std::shared_ptr<TcpInbox> inbox,
                        std::uint64_t generation) {
  link->dispatcher_.Post([link, alive = std::move(alive), inbox = std::move(inbox), generation] {
    if (alive.expired()) return;
    link->Drain(inbox, generation);
  });
}

void TcpLink::Drain(const std::shared_ptr<TcpInbox>& inbox, std::uint64_t generation) {
  // A drain of a client that has ended: its bytes belong to no session.
  if (generation_ != generation || !onReceived) return;
  // A few KiB or a few milliseconds' work, whichever ends first; then input
  // and timers have their turn.
  const auto until = std::chrono::steady_clock::now() + kReceiveTurnTime;
  for (std::size_t taken = 0; taken < kReceiveSlice && std::chrono::steady_clock::now() < until;) {
    const TcpInbox::Slice piece = inbox->Take(kReceivePiece);
    if (piece.bytes.empty() && !piece.gapBefore) break;
    if (!onReceived(piece.bytes, piece.gapBefore)) return;
    taken += piece.bytes.size();
  }
  if (inbox->FinishDrain()) PostDrain(this, alive_, inbox, generation);
}

// Any thread: the link has ended.
void TcpLink::DisconnectCallback(void* context) {
  auto* session = static_cast<Session*>(context);
  TcpLink* link = session->link;
  link->dispatcher_.Post([link, alive = session->alive, generation = session->generation] {
    if (alive.expired() || link->generation_ != generation) return;
    if (link->onEnded) link->onEnded();
  });
}
