// The simulator served on a pseudo-terminal and on loopback TCP, reached
// through the program's own links, and the program itself.
#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <fstream>
#include <mutex>
#include <thread>

#include "links/Comm.h"
#include "links/TCPIPClientThread.h"
#include "tests/support/poll_until.h"
#include "tools/transponder-sim/SimServer.h"

extern char** environ;

namespace {

// A serial client as the main window has one.
struct SerialClient {
  ManualDispatcher ui;
  TComm comm{ui};
  std::string received;
  explicit SerialClient(const std::string& path) {
    comm.SetBaudRate(br115200);
    comm.SetDeviceName(path);
    comm.OnRxChar = [this](TThreadComm* c, uint32_t n) {
      std::string buf(n, '\0');
      int k = c->ReadData(buf.data(), n);
      if (k > 0) received.append(buf, 0, size_t(k));
    };
    comm.Open();
  }
  void Send(const std::string& s) { comm.WriteData(s.data(), uint32_t(s.size())); }
  bool WaitFor(const std::string& text, int ms = 5000) {
    return ui.PumpUntil([&] { return received.find(text) != std::string::npos; }, ms);
  }
};

TEST(SimServer, ServesTheDeviceOnAPseudoTerminal) {
  SimServer server;
  server.tickMs = 0;  // stream only on request
  ASSERT_TRUE(server.StartPty()) << server.Error();
  SerialClient client(server.SlavePath());
  ASSERT_TRUE(client.comm.IsOpen());
  client.Send(TransponderSim::WithChecksum("$PTST,,,,,00016"));
  ASSERT_TRUE(client.WaitFor("[DEVICE DATA END]\r\n"));
  EXPECT_TRUE(
      server.WaitForLine([](const std::string& l) { return l.rfind("$PTST,,,,,00016*", 0) == 0; }));

  server.TickNow();
  ASSERT_TRUE(client.WaitFor("$GPRMC,"));
  EXPECT_EQ(server.With([](TransponderSim& s) { return s.Ticks(); }), 1u);

  // The program closes and opens again: the device is still there.
  client.comm.Close();
  client.received.clear();
  client.comm.Open();
  ASSERT_TRUE(client.comm.IsOpen());
  client.Send("$AIAIQ,SSD*39\r\n");
  EXPECT_TRUE(client.WaitFor("$AISSD,"));
  server.Stop();
}

TEST(SimServer, DroppedPtyLinkIsAHangUp) {
  SimServer server;
  server.tickMs = 0;
  ASSERT_TRUE(server.StartPty());
  server.With([](TransponderSim& s) { return s.faults.dropAfterBytes = 100; });
  SerialClient client(server.SlavePath());
  int errors = 0;
  client.comm.OnError = [&](TThreadComm*, int e) { errors |= e; };
  client.Send(TransponderSim::WithChecksum("$PTST,,,,,00016"));
  ASSERT_TRUE(client.ui.PumpUntil([&] { return errors != 0; }));
  EXPECT_TRUE(errors & CE_IOE);
  EXPECT_TRUE(server.Dropped());
  EXPECT_LE(client.received.size(), 100u);
  EXPECT_EQ(client.received.find("[DEVICE DATA END]"), std::string::npos);
}

TEST(SimServer, HeldOutputWaitsForAReaderThatFellBehind) {
  SimServer server;
  server.tickMs = 0;
  server.holdStalledOutput = true;
  std::string made;
  server.With([&](TransponderSim& s) {
    s.fleetSize = 400;
    s.fleetReportsPerTick = 400;  // far more than the terminal holds
    s.onStreamSentence = [&](const std::string& line) { made += line + "\r\n"; };
    return 0;
  });
  ASSERT_TRUE(server.StartPty()) << server.Error();
  SerialClient client(server.SlavePath());
  ASSERT_TRUE(client.comm.IsOpen());
  server.TickNow();
  // The second is made in one piece under the server's lock.
  size_t whole = 0;
  ASSERT_TRUE(PollUntil(
      [&] { return (whole = server.With([&](TransponderSim&) { return made.size(); })) > 0; },
      10000));
  ASSERT_GT(whole, 32u * 1024);
  // Nothing is read for many times the wait after which a device drops
  // its output; then all of it arrives.
  std::this_thread::sleep_for(std::chrono::seconds(1));
  ASSERT_TRUE(client.ui.PumpUntil([&] { return client.received.size() >= whole; }, 20000));
  EXPECT_EQ(client.received, server.With([&](TransponderSim&) { return made; }));
}

TEST(SimServer, LinkAndSymlinkRules) {
  const std::string link = std::string(KVOR_BINARY_DIR) + "/sim-link-test";
  ::unlink(link.c_str());
  {
    SimServer server;
    ASSERT_TRUE(server.StartPty(link)) << server.Error();
    char target[256] = {};
    ASSERT_GT(::readlink(link.c_str(), target, sizeof target - 1), 0);
    EXPECT_EQ(server.SlavePath(), target);
  }
  struct stat st {};
  EXPECT_NE(::lstat(link.c_str(), &st), 0);  // removed at stop

  // A file that is no symlink is never replaced.
  { std::ofstream(link) << "keep"; }
  SimServer server;
  EXPECT_FALSE(server.StartPty(link));
  EXPECT_FALSE(server.Error().empty());
  std::ifstream in(link);
  std::string content;
  in >> content;
  EXPECT_EQ(content, "keep");
  ::unlink(link.c_str());
}

struct TcpReceiver {
  TTCPIPClientThread* thread = nullptr;
  std::mutex m;
  std::condition_variable cv;
  std::string data;
  bool ended = false;
  static void OnRead(void* ctx) {
    auto* r = static_cast<TcpReceiver*>(ctx);
    char buf[TTCPIPClientThread::kReceiveSize];
    int n = r->thread->ReceiveData(buf);
    std::lock_guard<std::mutex> lk(r->m);
    if (n > 0) r->data.append(buf, size_t(n));
    r->cv.notify_all();
  }
  static void OnDisconnect(void* ctx) {
    auto* r = static_cast<TcpReceiver*>(ctx);
    std::lock_guard<std::mutex> lk(r->m);
    r->ended = true;
    r->cv.notify_all();
  }
  bool WaitFor(const std::function<bool()>& pred) {
    std::unique_lock<std::mutex> lk(m);
    return cv.wait_for(lk, std::chrono::seconds(5), pred);
  }
  // Hands `t`'s reads and its end to this receiver and connects it to the server.
  void Start(TTCPIPClientThread& t, int port) {
    thread = &t;
    t.SetAddress("127.0.0.1");
    t.SetPort(port);
    t.SetOnRead(&TcpReceiver::OnRead, this);
    t.SetOnDisconnect(&TcpReceiver::OnDisconnect, this);
    t.Start();
  }
};

// A send fails while the connection is still being made: tried again for a second.
bool SendOnceConnected(TTCPIPClientThread& t, const std::string& line) {
  for (int i = 0; i < 200; ++i) {
    if (t.SendData(line.data(), int(line.size()))) return true;
    if (t.Ended()) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return false;
}

TEST(SimServer, ServesTheDeviceOnLoopbackTcp) {
  SimServer server;
  server.tickMs = 0;
  ASSERT_TRUE(server.StartTcp(0)) << server.Error();
  ASSERT_GT(server.Port(), 0);
  for (int round = 0; round < 2; ++round) {  // a second connection after the first
    // Outlives the client, whose end it is told.
    TcpReceiver rx;
    TTCPIPClientThread thread(true);
    rx.Start(thread, server.Port());
    ASSERT_TRUE(SendOnceConnected(thread, TransponderSim::WithChecksum("$PKVR,Q,CFG,183,0,0,")));
    EXPECT_TRUE(
        rx.WaitFor([&] { return rx.data.find("$PKVR,R,CFG,183,21,") != std::string::npos; }));
    thread.Disconnect();
  }
}

TEST(SimServer, DroppedTcpLinkEndsTheClient) {
  SimServer server;
  server.tickMs = 0;
  ASSERT_TRUE(server.StartTcp(0));
  server.With([](TransponderSim& s) { return s.faults.dropAfterBytes = 50; });
  TcpReceiver rx;
  TTCPIPClientThread thread(true);
  rx.Start(thread, server.Port());
  ASSERT_TRUE(SendOnceConnected(thread, TransponderSim::WithChecksum("$PTST,,,,,00016")));
  ASSERT_TRUE(rx.WaitFor([&] { return rx.ended; }));
  EXPECT_EQ(rx.data.size(), 50u);
}

// The program, as a newcomer starts it.
TEST(TransponderSimProgram, RunsOverAPseudoTerminal) {
  const std::string program = std::string(KVOR_BINARY_DIR) + "/bin/transponder-sim";
  if (::access(program.c_str(), X_OK) != 0) GTEST_SKIP() << "not built: " << program;
  const std::string link = std::string(KVOR_BINARY_DIR) + "/sim-program-link";
  const std::string log = std::string(KVOR_BINARY_DIR) + "/sim-program.log";
  ::unlink(link.c_str());
  ::unlink(log.c_str());
  int out[2];
  ASSERT_EQ(::pipe(out), 0);
  posix_spawn_file_actions_t fa;
  posix_spawn_file_actions_init(&fa);
  posix_spawn_file_actions_adddup2(&fa, out[1], 1);
  posix_spawn_file_actions_addclose(&fa, out[0]);
  std::vector<std::string> args = {program, "--link",          link,  "--log",
                                   log,     "--wifi-firmware", "9.99"};
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  ASSERT_EQ(posix_spawn(&pid, program.c_str(), &fa, nullptr, argv.data(), environ), 0);
  posix_spawn_file_actions_destroy(&fa);
  ::close(out[1]);

  std::string printed;
  char c;
  while (printed.find('\n') == std::string::npos && ::read(out[0], &c, 1) == 1) printed += c;
  ::close(out[0]);
  ASSERT_EQ(printed.rfind("/dev/pts/", 0), 0u) << printed;

  {
    SerialClient client(link);  // through the symlink, as a typed path
    ASSERT_TRUE(client.comm.IsOpen());
    client.Send(TransponderSim::WithChecksum("$PTST,,,,,00016"));
    EXPECT_TRUE(client.WaitFor("[DEVICE DATA END]\r\n"));
    EXPECT_TRUE(client.WaitFor("$GPGSV,", 5000));  // the stream runs by itself
    // The Wi-Fi module behind the pass-through has the faults it was given.
    client.Send("$PDBG,163,1,,,,,,*14\r\n");
    client.Send("AT+VER\n");
    EXPECT_TRUE(client.WaitFor("AT+VER\r\n+ok=9.99\r\n"));
  }
  ::kill(pid, SIGTERM);
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  struct stat st {};
  EXPECT_NE(::lstat(link.c_str(), &st), 0);
  std::ifstream in(log);
  std::string first;
  std::getline(in, first);
  EXPECT_EQ(first.rfind("< $PTST,,,,,00016*", 0), 0u) << first;
}

}  // namespace
