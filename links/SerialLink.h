#pragma once
// The serial medium behind the Link interface: the serial port component,
// its received bytes handed on a bounded share per turn, and its hang-up as
// the link's end.
#include <memory>
#include <string>

#include "links/Comm.h"
#include "links/Link.h"

class SerialLink : public Link {
 public:
  // The dispatcher and the system calls must outlive the link.
  SerialLink(UiDispatcher& dispatcher, CommSystem& sys);
  ~SerialLink() override;

  // The component itself: its device name, line settings and errors.
  TComm& Port() { return *comm_; }
  const TComm& Port() const { return *comm_; }

  // The port named in Port(), with RTS and DTR raised; left closed on failure.
  bool Open() override;
  void Close() override;
  bool Send(const char* data, std::size_t size) override;
  bool IsOpen() const override { return comm_->IsOpen(); }

 private:
  void Received(uint32_t count);

  std::unique_ptr<TComm> comm_;
};
