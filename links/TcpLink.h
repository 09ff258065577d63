#pragma once
// The TCP medium behind the Link interface: one client thread per opening,
// the bytes its worker receives kept in a bounded inbox that the
// user-interface thread drains a share per turn, and the end of the link
// handed over. Nothing of a closed link's session reaches the owner later.
#include <cstdint>
#include <memory>
#include <string>

#include "links/Link.h"
#include "links/TCPIPClientThread.h"
#include "links/TcpInbox.h"
#include "links/UiDispatcher.h"

class TcpLink : public Link {
 public:
  // The dispatcher must outlive the link.
  explicit TcpLink(UiDispatcher& dispatcher);
  ~TcpLink() override;

  // Where the next Open connects.
  void SetEndpoint(const std::string& address, int port);

  // Starts a client thread; the connection itself is made in the background,
  // and its failure is the link's end.
  bool Open() override;
  // Ends the client and waits for its worker.
  void Close() override;
  // Fails while the connection is still being made; a send that fails
  // otherwise ends the link.
  bool Send(const char* data, std::size_t size) override;
  // A client exists that the owner has not closed (it may have ended by
  // itself, with its end on the way).
  bool IsOpen() const override { return client_ != nullptr; }

  // What the link received and the owner has yet to take; null without one.
  const TcpInbox* Received() const;

  // Received bytes waiting for the owner, at most: some 20 s of a saturated
  // serial-speed link, for a window held up by a modal box.
  static constexpr std::size_t kInboxSize = 256 * 1024;

 private:
  // What the client's callbacks see; lives until the worker is joined.
  struct Session {
    TcpLink* link;
    std::weak_ptr<int> alive;
    std::uint64_t generation;
    TTCPIPClientThread* client = nullptr;
    // Shared with the posted work, which may outlive the session.
    std::shared_ptr<TcpInbox> inbox = std::make_shared<TcpInbox>(kInboxSize);
  };
  static void ReadCallback(void* context);
  static void DisconnectCallback(void* context);
  static void PostDrain(TcpLink* link, std::weak_ptr<int> alive, std::shared_ptr<TcpInbox> inbox,
                        std::uint64_t generation);
  void Drain(const std::shared_ptr<TcpInbox>& inbox, std::uint64_t generation);

  UiDispatcher& dispatcher_;
  std::string address_;
  int port_ = -1;
  // Posted work holds a weak reference: a link that is gone gets nothing.
  std::shared_ptr<int> alive_ = std::make_shared<int>(0);
  // Bumped whenever a client ends; work posted by an older one is dropped.
  std::uint64_t generation_ = 0;
  std::unique_ptr<Session> session_;
  std::unique_ptr<TTCPIPClientThread> client_;
};
