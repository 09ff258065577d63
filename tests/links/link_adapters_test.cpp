// The serial and TCP media behind one Link interface: what a window relies
// on, driven through a dispatcher the test pumps.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "links/SerialLink.h"
#include "links/TcpLink.h"
#include "tests/links/loopback_server.h"
#include "tests/links/pty_pair.h"

namespace {

// What a link's owner saw: bytes per delivery, gaps, ends.
struct Heard {
  std::vector<std::string> deliveries;
  int gaps = 0;
  int ends = 0;
  std::string All() const {
    std::string all;
    for (const auto& d : deliveries) all += d;
    return all;
  }
  void Listen(Link& link, bool keepGoing = true) {
    link.onReceived = [this, keepGoing](std::string_view bytes, bool gapBefore) {
      deliveries.emplace_back(bytes);
      gaps += gapBefore ? 1 : 0;
      return keepGoing;
    };
    link.onEnded = [this] { ++ends; };
  }
};

TEST(SerialLinkTest, OpenSendReceiveAndHangUpThroughTheInterface) {
  PtyPair pty;
  ManualDispatcher ui;
  SerialLink serial(ui, CommSystem::Posix());
  Heard heard;
  heard.Listen(serial);
  Link& link = serial;

  serial.Port().SetDeviceName("/nonexistent/kvor-port");
  EXPECT_FALSE(link.Open());
  EXPECT_FALSE(link.IsOpen());
  EXPECT_FALSE(link.Send("x", 1));

  serial.Port().SetDeviceName(pty.slavePath);
  ASSERT_TRUE(link.Open());
  EXPECT_TRUE(link.Send("$AIAIQ,VSD*3C\r\n", 15));
  EXPECT_EQ(pty.Receive(15), "$AIAIQ,VSD*3C\r\n");

  pty.Send("HELLO\r\n");
  ASSERT_TRUE(ui.PumpUntil([&] { return heard.All() == "HELLO\r\n"; }));
  EXPECT_EQ(heard.gaps, 0);

  // The device goes away: the link's end is told once the port hangs up.
  pty.CloseMaster();
  ASSERT_TRUE(ui.PumpUntil([&] { return heard.ends > 0; }));
  const uint64_t closes = link.Closes();
  link.Close();
  EXPECT_FALSE(link.IsOpen());
  EXPECT_EQ(link.Closes(), closes + 1);
}

TEST(SerialLinkTest, OneTurnTakesABoundedShareAndTheRestFollows) {
  PtyPair pty;
  ManualDispatcher ui;
  SerialLink serial(ui, CommSystem::Posix());
  Heard heard;
  heard.Listen(serial);
  serial.Port().SetDeviceName(pty.slavePath);
  ASSERT_TRUE(serial.Open());
  // More than the pty holds: written while the window's side takes it.
  const std::string flood(3 * Link::kReceiveSlice, 'A');
  std::thread device([&] { pty.Send(flood); });
  const bool all = ui.PumpUntil([&] { return heard.All().size() == flood.size(); });
  device.join();
  ASSERT_TRUE(all);
  for (const auto& d : heard.deliveries) EXPECT_LE(d.size(), Link::kReceivePiece);
  EXPECT_EQ(heard.All(), flood);
}

TEST(TcpLinkTest, ConnectSendReceiveAndThePeersEnd) {
  LoopbackServer server;
  ManualDispatcher ui;
  TcpLink tcp(ui);
  Heard heard;
  heard.Listen(tcp);
  Link& link = tcp;
  tcp.SetEndpoint("127.0.0.1", server.port);
  EXPECT_FALSE(link.IsOpen());
  ASSERT_TRUE(link.Open());
  EXPECT_TRUE(link.IsOpen());
  ASSERT_TRUE(server.Accept());
  ASSERT_TRUE(ui.PumpUntil([&] { return link.Send("$X\r\n", 4); }));
  EXPECT_EQ(server.Receive(4), "$X\r\n");

  server.Send("$GPTXT,01*00\r\n");
  ASSERT_TRUE(ui.PumpUntil([&] { return heard.All() == "$GPTXT,01*00\r\n"; }));
  ASSERT_NE(tcp.Received(), nullptr);
  EXPECT_EQ(tcp.Received()->Size(), 0u);

  server.ClosePeer();
  ASSERT_TRUE(ui.PumpUntil([&] { return heard.ends == 1; }));
  // Ended by itself, the link stays the owner's to close.
  EXPECT_TRUE(link.IsOpen());
  link.Close();
  EXPECT_FALSE(link.IsOpen());
  EXPECT_EQ(tcp.Received(), nullptr);
}

TEST(TcpLinkTest, NothingOfAClosedSessionArrivesLater) {
  LoopbackServer server;
  ManualDispatcher ui;
  TcpLink tcp(ui);
  Heard heard;
  heard.Listen(tcp);
  tcp.SetEndpoint("127.0.0.1", server.port);
  ASSERT_TRUE(tcp.Open());
  ASSERT_TRUE(server.Accept());
  server.Send("LATE\r\n");
  // The bytes are in; the drain they asked for is queued, not yet run.
  for (int ms = 0; ms < 5000 && ui.Pending() == 0; ++ms)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  ASSERT_GT(ui.Pending(), 0u);
  tcp.Close();
  server.ClosePeer();
  ui.RunPending();
  ui.WaitAndRun(100);
  EXPECT_EQ(heard.All(), "");
  EXPECT_EQ(heard.ends, 0);
}

TEST(TcpLinkTest, AHandlerThatStopsLeavesTheRestForLater) {
  LoopbackServer server;
  ManualDispatcher ui;
  TcpLink tcp(ui);
  Heard heard;
  heard.Listen(tcp, false);
  tcp.SetEndpoint("127.0.0.1", server.port);
  ASSERT_TRUE(tcp.Open());
  ASSERT_TRUE(server.Accept());
  server.Send(std::string(2000, 'B'));
  ASSERT_TRUE(ui.PumpUntil([&] { return !heard.deliveries.empty(); }));
  // Every byte in, then the peer's end: the worker hands that over after
  // any drain its reads asked for, so once it is heard none is on its way.
  ASSERT_TRUE(ui.PumpUntil([&] { return heard.All().size() + tcp.Received()->Size() == 2000; }));
  server.ClosePeer();
  ASSERT_TRUE(ui.PumpUntil([&] { return heard.ends == 1; }));
  ui.WaitAndRun(100);
  // One piece, then the handler said stop: no further drain was asked for.
  EXPECT_EQ(heard.deliveries.size(), 1u);
  EXPECT_LE(heard.deliveries[0].size(), Link::kReceivePiece);
}

}  // namespace
