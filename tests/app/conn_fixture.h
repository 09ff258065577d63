#pragma once
// A real TForm1 with recorded dialogs, timers ticked by the test, and
// devices played by the test over pseudo-terminals and loopback TCP.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTextBlock>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/MainForm.h"
#include "app/PortDiscovery.h"
#include "tests/support/find_control.h"
#include "tests/support/qt_wait.h"
#include "ui/core/Dialogs.h"

namespace conn {

inline std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t lf; (lf = bytes.find('\n', start)) != std::string::npos; start = lf + 1)
    lines.push_back(bytes.substr(start, lf + 1 - start));
  return lines;
}

inline std::string ReadAvailable(int fd, int waitMs = 30) {
  std::string bytes;
  char buffer[4096];
  for (;;) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, waitMs) <= 0) break;
    ssize_t n = read(fd, buffer, sizeof buffer);
    if (n <= 0) break;
    bytes.append(buffer, static_cast<size_t>(n));
  }
  return bytes;
}

// The device end of a pseudo-terminal. The slave stays open on our side so
// the master never sees a hang-up between the window's opens.
class PtyDevice {
 public:
  PtyDevice() {
    master = posix_openpt(O_RDWR | O_NOCTTY);
    grantpt(master);
    unlockpt(master);
    path = ptsname(master);
    termios tio{};
    tcgetattr(master, &tio);
    cfmakeraw(&tio);
    tcsetattr(master, TCSANOW, &tio);
    keep = open(path.c_str(), O_RDWR | O_NOCTTY);
    termios s{};
    tcgetattr(keep, &s);
    cfmakeraw(&s);
    tcsetattr(keep, TCSANOW, &s);
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
  }
  ~PtyDevice() {
    if (holder >= 0) close(holder);
    if (keep >= 0) close(keep);
    if (master >= 0) close(master);
  }
  PtyDevice(const PtyDevice&) = delete;
  PtyDevice& operator=(const PtyDevice&) = delete;

  // Another program holds the port.
  void Hold() {
    holder = open(path.c_str(), O_RDWR | O_NOCTTY);
    flock(holder, LOCK_EX | LOCK_NB);
  }
  void Write(const std::string& bytes) {
    ASSERT_EQ(write(master, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }
  std::vector<std::string> Received() { return SplitLines(ReadAvailable(master)); }
  std::string Name() const { return PortNameFromPath(path); }

  int master = -1;
  int keep = -1;
  int holder = -1;
  std::string path;
};

// A loopback TCP server for one client.
class TcpDevice {
 public:
  TcpDevice() {
    listener = socket(AF_INET, SOCK_STREAM, 0);
    int one = 1;
    setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(listener, reinterpret_cast<sockaddr*>(&a), sizeof a);
    listen(listener, 4);
    socklen_t len = sizeof a;
    getsockname(listener, reinterpret_cast<sockaddr*>(&a), &len);
    port = ntohs(a.sin_port);
  }
  ~TcpDevice() {
    if (client >= 0) close(client);
    if (listener >= 0) close(listener);
  }
  bool Accept(int ms = 3000) {
    bool ok = WaitFor(
        [&] {
          pollfd p{listener, POLLIN, 0};
          return poll(&p, 1, 0) > 0;
        },
        ms);
    if (!ok) return false;
    client = accept(listener, nullptr, nullptr);
    written = 0;
    return client >= 0;
  }
  void Write(const std::string& bytes) {
    ASSERT_EQ(send(client, bytes.data(), bytes.size(), MSG_NOSIGNAL),
              static_cast<ssize_t>(bytes.size()));
    written += bytes.size();
  }
  // Small sends may wait for an acknowledgement on the way (Nagle).
  std::vector<std::string> Received() { return SplitLines(ReadAvailable(client, 80)); }
  // True once the peer has closed its end.
  bool PeerClosed() {
    pollfd p{client, POLLIN, 0};
    if (poll(&p, 1, 0) <= 0) return false;
    char c;
    return recv(client, &c, 1, MSG_PEEK | MSG_DONTWAIT) == 0;
  }
  void CloseClient() {
    close(client);
    client = -1;
  }

  int listener = -1;
  int client = -1;
  int port = 0;
  uint64_t written = 0;  // to the client accepted last
};

// A port list that counts how often it was asked.
class CountingPorts : public ListPortDiscovery {
 public:
  using ListPortDiscovery::ListPortDiscovery;
  std::vector<SerialPortInfo> Enumerate() override {
    ++enumerations;
    return ListPortDiscovery::Enumerate();
  }
  int enumerations = 0;
};

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    docs = std::filesystem::temp_directory_path() /
           ("kvor-conn-test-" + std::to_string(getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(docs);
    std::filesystem::create_directories(docs);
    ports = std::make_shared<CountingPorts>(std::vector<std::string>{});
  }
  void TearDown() override {
    form.reset();
    std::error_code ec;
    std::filesystem::remove_all(docs, ec);
  }

  void Make(const std::vector<std::string>& portPaths = {}) {
    ports->SetPaths(portPaths);
    TForm1Options options;
    options.dialogs = &dialogs;
    options.ports = ports;
    options.documentsDir = docs.string();
    options.appDir = appDir;
    options.liveTimers = false;
    options.deviceMonitor = false;
    options.commSystem = commSystem;
    options.dispatcher = dispatcher;
    form = std::make_unique<TForm1>(options);
  }

  // Timer1 ticks, as the timer would give them while it runs.
  void Tick(int n = 1) {
    for (int i = 0; i < n && Find<TTimer>(form, "Timer1")->Enabled(); ++i) form->Timer1Timer();
  }

  std::vector<std::string> Captions() const {
    std::vector<std::string> c;
    for (const auto& s : dialogs.shown) c.push_back(s.caption + ": " + s.text);
    return c;
  }

  std::vector<std::string> MemoLines(QPlainTextEdit* memo) const {
    std::vector<std::string> lines;
    for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next())
      lines.push_back(b.text().toStdString());
    return lines;
  }

  RecordingDialogs dialogs;
  CommSystem* commSystem = nullptr;    // the serial port's system calls, when a test stands between
  UiDispatcher* dispatcher = nullptr;  // the links' hand-over to the window, when a test watches it
  std::string appDir;                  // the program's folder (its Lang/) when a test has its own
  std::shared_ptr<CountingPorts> ports;
  std::unique_ptr<TForm1> form;
  std::filesystem::path docs;
};

// The line as the device would send it: "*", checksum, CR LF.
inline std::string WithChecksum(const std::string& body) {
  unsigned char x = 0;
  for (size_t i = 1; i < body.size(); ++i) x ^= static_cast<unsigned char>(body[i]);
  char tail[8];
  snprintf(tail, sizeof tail, "*%02X\r\n", x);
  return body + tail;
}

// The test request and the four queries that follow it.
inline std::vector<std::string> QueryLines(int command) {
  char tst[32];
  snprintf(tst, sizeof tst, "$PTST,,,,,%05d", command);
  return {WithChecksum(tst), WithChecksum("$PKVR,Q,CFG,30,0,0,"),
          WithChecksum("$PKVR,Q,CFG,108,3,0,"), WithChecksum("$AIAIQ,CEK"),
          WithChecksum("$PKVR,Q,CFG,183,0,0,")};
}

inline const std::string kPassThroughExit = "$PDBG,163,0,,,,,,*15\r\n";

// The window on the TCP medium, its device a loopback server.
class TcpFormTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    Make();
    form->SelectConnectionMedium(1, Find<QAction>(form, "mnuWiFi"));
    Find<TLabeledEdit>(form, "LabelEditWiFi_TCP_IP")->setText("127.0.0.1");
    Find<TLabeledEdit>(form, "LabelEditWiFi_Port")->setText(QString::number(device.port));
  }
  // Connect pressed; the device takes the connection.
  void Connect() {
    form->OpenPortClick();
    ASSERT_TRUE(form->Tcp().IsOpen());
    ASSERT_TRUE(device.Accept());
  }
  // Connect, and the handshake through to the dump's end.
  void ConnectAndDetect() {
    Connect();
    device.Write("S/N:(12345)\r\n");
    ASSERT_TRUE(WaitFor([&] { return form->Session().ConnectState == 1; }));
    device.Write("[DEVICE DATA END]\r\n");
    ASSERT_TRUE(WaitFor([&] { return form->Session().DeviceConnected == 1; }));
    device.Received();
  }
  TcpDevice device;
};

}  // namespace conn
