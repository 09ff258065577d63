#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fstream>
#include <mutex>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "links/TCPIPClientThread.h"
#include "tests/links/loopback_server.h"
#include "tests/support/poll_until.h"

namespace {

// What the owner sees: bytes read on the worker and the link's end.
struct Receiver {
  TTCPIPClientThread* thread = nullptr;
  std::mutex m;
  std::condition_variable cv;
  std::string data;
  int disconnects = 0;
  bool disconnectInRead = false;

  static void OnRead(void* ctx) {
    auto* r = static_cast<Receiver*>(ctx);
    char buf[TTCPIPClientThread::kReceiveSize];
    int n = r->thread->ReceiveData(buf);
    {
      std::lock_guard<std::mutex> lk(r->m);
      if (n > 0) r->data.append(buf, size_t(n));
      r->cv.notify_all();
    }
    if (r->disconnectInRead && n > 0) r->thread->Disconnect();
  }
  static void OnDisconnect(void* ctx) {
    auto* r = static_cast<Receiver*>(ctx);
    std::lock_guard<std::mutex> lk(r->m);
    ++r->disconnects;
    r->cv.notify_all();
  }
  template <typename Pred>
  bool WaitFor(Pred pred) {
    std::unique_lock<std::mutex> lk(m);
    return cv.wait_for(lk, std::chrono::seconds(5), pred);
  }
  int Disconnects() {
    std::lock_guard<std::mutex> lk(m);
    return disconnects;
  }
};

// Local ports of the connects to port still waiting for their answer.
std::set<int> ConnectingTo(int port) {
  std::set<int> found;
  std::ifstream table("/proc/net/tcp");
  std::string line;
  std::getline(table, line);  // the heading
  while (std::getline(table, line)) {
    std::istringstream fields(line);
    std::string slot, local, remote, state;
    fields >> slot >> local >> remote >> state;
    if (state != "02") continue;  // SYN_SENT
    if (std::stoi(remote.substr(remote.find(':') + 1), nullptr, 16) != port) continue;
    found.insert(std::stoi(local.substr(local.find(':') + 1), nullptr, 16));
  }
  return found;
}

struct Link {
  Receiver rx;  // first: outlives the worker, which reports to it until joined
  TTCPIPClientThread thread{true};
  explicit Link(int port) {
    rx.thread = &thread;
    thread.SetAddress("127.0.0.1");
    thread.SetPort(port);
    thread.SetOnRead(&Receiver::OnRead, &rx);
    thread.SetOnDisconnect(&Receiver::OnDisconnect, &rx);
  }
};

TEST(TcpClient, AddressAndPortAreChecked) {
  TTCPIPClientThread t(true);
  EXPECT_EQ(t.SetAddress("192.168.4.100"), 13);
  EXPECT_EQ(t.SetAddress("12345678901234567890"), -1);
  EXPECT_STREQ(t.Address(), "");
  EXPECT_EQ(t.SetAddress("1234567890123456789"), 19);
  EXPECT_EQ(t.SetAddress(""), -1);
  EXPECT_STREQ(t.Address(), "");
  EXPECT_EQ(t.Port(), -1);
  t.SetPort(3333);
  EXPECT_EQ(t.Port(), 3333);
  t.SetPort(65536);
  EXPECT_EQ(t.Port(), -1);
  EXPECT_FALSE(t.SendData("x", 1));  // not connected
  EXPECT_FALSE(t.SendData("x", 0));
}

TEST(TcpClient, DataGoesBothWaysAndServerCloseEndsTheLinkOnce) {
  LoopbackServer server;
  Link link(server.port);
  link.thread.Start();
  ASSERT_TRUE(server.Accept());

  server.Send("$GPRMC,1\r\n");
  ASSERT_TRUE(link.rx.WaitFor([&] { return link.rx.data == "$GPRMC,1\r\n"; }));
  EXPECT_FALSE(link.thread.SendData("x", 0));
  EXPECT_TRUE(link.thread.SendData("$PKVR,Q\r\n", 9));
  EXPECT_EQ(server.Receive(9), "$PKVR,Q\r\n");

  // Bytes that come with the close are still delivered.
  server.Send("last words");
  server.ClosePeer();
  ASSERT_TRUE(link.rx.WaitFor([&] { return link.rx.disconnects > 0; }));
  EXPECT_EQ(link.rx.data, "$GPRMC,1\r\nlast words");
  link.thread.WaitFor();
  link.thread.Disconnect();  // already ended: nothing
  EXPECT_EQ(link.rx.Disconnects(), 1);
  EXPECT_FALSE(link.thread.SendData("x", 1));
}

TEST(TcpClient, RefusedConnectionEndsTheLink) {
  ClosedPort closed;
  Link link(closed.port);
  link.thread.Start();
  ASSERT_TRUE(link.rx.WaitFor([&] { return link.rx.disconnects > 0; }));
  link.thread.WaitFor();
  EXPECT_EQ(link.rx.Disconnects(), 1);
}

TEST(TcpClient, NoAddressEndsTheLink) {
  Receiver rx;
  TTCPIPClientThread t(true);
  rx.thread = &t;
  t.SetPort(3333);
  t.SetOnDisconnect(&Receiver::OnDisconnect, &rx);
  t.Start();
  ASSERT_TRUE(rx.WaitFor([&] { return rx.disconnects > 0; }));
}

TEST(TcpClient, OwnerDisconnectDoesNotWaitOutTheEventWait) {
  LoopbackServer server;
  Link link(server.port);
  link.thread.Start();
  ASSERT_TRUE(server.Accept());
  auto start = std::chrono::steady_clock::now();
  link.thread.Disconnect();
  link.thread.WaitFor();
  // A 10 s wait that nothing cuts short would show here.
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_EQ(link.rx.Disconnects(), 1);
  EXPECT_TRUE(server.SeesEnd());
}

TEST(TcpClient, DisconnectFromInsideOnReadEndsCleanly) {
  LoopbackServer server;
  Link link(server.port);
  link.rx.disconnectInRead = true;
  link.thread.Start();
  ASSERT_TRUE(server.Accept());
  server.Send("bye");
  ASSERT_TRUE(link.rx.WaitFor([&] { return link.rx.disconnects > 0; }));
  link.thread.WaitFor();
  EXPECT_EQ(link.rx.Disconnects(), 1);
}

TEST(TcpClient, SendAfterResetFailsWithoutSignal) {
  LoopbackServer server;
  Link link(server.port);
  link.thread.Start();
  ASSERT_TRUE(server.Accept());
  ASSERT_TRUE(link.thread.SendData("hello", 5));
  server.ResetPeer();
  ASSERT_TRUE(link.rx.WaitFor([&] { return link.rx.disconnects > 0; }));
  EXPECT_FALSE(link.thread.SendData("again", 5));  // no SIGPIPE either
  EXPECT_EQ(link.rx.Disconnects(), 1);
}

TEST(TcpClient, ReceiveWithNothingWaitingKeepsTheLink) {
  LoopbackServer server;
  Receiver rx;
  TTCPIPClientThread t(true);
  rx.thread = &t;
  t.SetAddress("127.0.0.1");
  t.SetPort(server.port);
  t.SetOnDisconnect(&Receiver::OnDisconnect, &rx);
  t.Start();
  ASSERT_TRUE(server.Accept());
  ASSERT_TRUE(t.SendData("x", 1));  // accepted: the client side is connected too
  char buf[TTCPIPClientThread::kReceiveSize];
  testing::internal::CaptureStdout();
  EXPECT_EQ(t.ReceiveData(buf), -1);
  std::string printed = testing::internal::GetCapturedStdout();
  EXPECT_EQ(printed, TTCPIPClientThread::SocketErrorText(EWOULDBLOCK));
  EXPECT_FALSE(t.Ended());
  EXPECT_EQ(rx.Disconnects(), 0);
}

// The link's own end of the connection the server accepted.
int LinkSocketOf(const LoopbackServer& server) {
  sockaddr_in seen{};
  socklen_t size = sizeof seen;
  if (::getpeername(server.peer, reinterpret_cast<sockaddr*>(&seen), &size) != 0) return -1;
  for (int fd = 0; fd < 1024; ++fd) {
    sockaddr_in local{};
    size = sizeof local;
    if (fd != server.peer && ::getsockname(fd, reinterpret_cast<sockaddr*>(&local), &size) == 0 &&
        local.sin_family == AF_INET && local.sin_port == seen.sin_port &&
        local.sin_addr.s_addr == seen.sin_addr.s_addr)
      return fd;
  }
  return -1;
}

TEST(TcpClient, LargeSendsGoOutWhole) {
  LoopbackServer server;
  // Small buffers at both ends: the send is taken in many parts, and the
  // reader has little to read within the half second a send may take.
  const int small = 16 * 1024;
  ASSERT_EQ(::setsockopt(server.listener, SOL_SOCKET, SO_RCVBUF, &small, sizeof small), 0);
  Link link(server.port);
  link.thread.Start();
  ASSERT_TRUE(server.Accept());
  const int linkSocket = LinkSocketOf(server);
  ASSERT_GE(linkSocket, 0);
  ASSERT_EQ(::setsockopt(linkSocket, SOL_SOCKET, SO_SNDBUF, &small, sizeof small), 0);
  std::string big(256 << 10, 'A');  // many times what the two buffers hold
  std::string got;
  std::thread reader([&] { got = server.Receive(big.size()); });
  bool sent = link.thread.SendData(big.data(), int(big.size()));
  reader.join();
  EXPECT_TRUE(sent);
  EXPECT_EQ(got.size(), big.size());
}

TEST(TcpClient, ASendThatCannotFinishFailsAndEndsTheLink) {
  LoopbackServer server;
  Link link(server.port);
  link.thread.Start();
  ASSERT_TRUE(server.Accept());
  std::string big(64 << 20, 'A');  // far more than the socket buffers; nobody reads
  bool sent = true;
  for (int i = 0; i < 100; ++i) {
    sent = link.thread.SendData(big.data(), int(big.size()));
    if (!sent || link.thread.Ended()) break;
  }
  EXPECT_FALSE(sent);
  EXPECT_TRUE(link.thread.Ended());
  EXPECT_EQ(link.rx.Disconnects(), 1);
}

TEST(TcpClient, ASendWhileStillConnectingFailsAndTheConnectionGoesOn) {
  // A full accept queue leaves the next connect waiting for its answer.
  LoopbackServer server;
  ::listen(server.listener, 0);
  std::vector<int> fillers;
  for (int i = 0; i < 4; ++i) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    sa.sin_port = htons(uint16_t(server.port));
    ::connect(fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa);
    fillers.push_back(fd);
  }
  const std::set<int> fillersConnecting = ConnectingTo(server.port);
  Link link(server.port);
  link.thread.Start();
  // Until the link's own connect is out, a send fails for want of a socket.
  auto linkConnecting = [&] {
    for (int local : ConnectingTo(server.port))
      if (!fillersConnecting.count(local)) return true;
    return false;
  };
  ASSERT_TRUE(PollUntil(linkConnecting, 10000));
  const auto before = std::chrono::steady_clock::now();
  EXPECT_FALSE(link.thread.SendData("$AIAIQ,VSD*3C\r\n", 15));
  EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(100));
  EXPECT_FALSE(link.thread.Ended());
  EXPECT_EQ(link.rx.Disconnects(), 0);
  link.thread.Disconnect();
  for (int fd : fillers) ::close(fd);
}

TEST(TcpClient, ErrorTextsCoverTheKnownCodes) {
  EXPECT_STREQ(TTCPIPClientThread::SocketErrorText(123456), "Unknown socket error. ");
  EXPECT_NE(std::string(TTCPIPClientThread::SocketErrorText(ECONNRESET)), "Unknown socket error. ");
  testing::internal::CaptureStdout();
  EXPECT_TRUE(TTCPIPClientThread::CheckSocketError(EWOULDBLOCK));
  EXPECT_FALSE(TTCPIPClientThread::CheckSocketError(ECONNRESET));
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(out.find('\n'), std::string::npos);
}

}  // namespace
