#pragma once
// A real TForm1 on a pseudo-terminal whose other end the test plays: it writes
// the device's lines, which go through the window's real receive path, and
// reads what the window sent.
#include <gtest/gtest.h>

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRadioButton>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/ioctl.h>
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

class PtyFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master_, 0);
    ASSERT_EQ(grantpt(master_), 0);
    ASSERT_EQ(unlockpt(master_), 0);
    slavePath_ = ptsname(master_);
    termios tio{};
    tcgetattr(master_, &tio);
    cfmakeraw(&tio);
    tcsetattr(master_, TCSANOW, &tio);
    // Held open so the master never sees a hang-up between opens.
    slaveKeep_ = open(slavePath_.c_str(), O_RDWR | O_NOCTTY);
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);

    docs_ = std::filesystem::temp_directory_path() / ("kvor-form-test-" + std::to_string(getpid()));
    std::filesystem::create_directories(docs_);
    TForm1Options options;
    options.dialogs = &dialogs;
    options.ports = std::make_shared<ListPortDiscovery>(std::vector<std::string>{slavePath_});
    options.documentsDir = docs_.string();
    options.liveTimers = false;
    options.deviceMonitor = false;
    form = std::make_unique<TForm1>(options);
  }

  void TearDown() override {
    form.reset();
    if (slaveKeep_ >= 0) close(slaveKeep_);
    if (master_ >= 0) close(master_);
    std::error_code ec;
    std::filesystem::remove_all(docs_, ec);
  }

  // Connect pressed in manual mode with the pty typed in the port box; the
  // port is open once the first tick has run.
  void OpenManually() {
    Find<QRadioButton>(form, "RadioButtonConnectionModeManual")->setChecked(true);
    form->EnumComPorts();
    form->ProbeComPorts();
    form->FillComPortCombo();
    Find<QComboBox>(form, "cbxComPort")->setEditText(QString::fromStdString(slavePath_));
    form->OpenPortClick();
    if (!form->Comm()->IsOpen()) form->Timer1Timer();
  }

  // Manual connection to the pty, completed by the dump's end line.
  void Connect(const std::vector<std::string>& dump = {}) {
    OpenManually();
    ASSERT_TRUE(form->Comm()->IsOpen());
    for (const std::string& line : dump) Device(line);
    Device("[DEVICE DATA END]\r\n");
    ASSERT_TRUE(WaitFor([&] { return form->Session().DeviceConnected == 1; }));
    Sent();  // what the connection itself sent
  }

  // The device sends bytes (CR LF included); returns once the window has
  // them and has run what they set off.
  void Device(const std::string& bytes) {
    ASSERT_EQ(write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    ASSERT_TRUE(WaitFor([&] { return WindowTookAll(); }, 15000))
        << "the window left the device's bytes unread";
    Settle();
  }

  // Only this thread reads the port (the window's handler runs here). A poll
  // that finds nothing first lets the pty hand over what it still carries,
  // so an empty queue after it means the window has read it all. A closed
  // port reads nothing: what waits is the next connection's.
  bool WindowTookAll() {
    if (!form->Comm()->IsOpen()) return true;
    pollfd p{slaveKeep_, POLLIN, 0};
    poll(&p, 1, 0);
    int waiting = 0;
    return ioctl(slaveKeep_, FIONREAD, &waiting) == 0 && waiting == 0;
  }

  // Runs what the window posted to itself, which may send, until an event
  // loop pass finds nothing more to do.
  static void Settle() {
    QAbstractEventDispatcher* loop = QAbstractEventDispatcher::instance();
    for (int pass = 0; pass < 100 && loop->processEvents(QEventLoop::AllEvents); ++pass) {
    }
  }

  // Every byte the window sent since the last call.
  std::string SentBytes() {
    std::string bytes;
    char buffer[4096];
    for (;;) {
      pollfd p{master_, POLLIN, 0};
      if (poll(&p, 1, 30) <= 0) break;
      ssize_t n = read(master_, buffer, sizeof buffer);
      if (n <= 0) break;
      bytes.append(buffer, static_cast<size_t>(n));
    }
    return bytes;
  }
  // The same, as lines (LF included).
  std::vector<std::string> Sent() {
    const std::string bytes = SentBytes();
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t lf; (lf = bytes.find('\n', start)) != std::string::npos; start = lf + 1)
      lines.push_back(bytes.substr(start, lf + 1 - start));
    return lines;
  }

  RecordingDialogs dialogs;
  std::unique_ptr<TForm1> form;
  int master_ = -1;
  int slaveKeep_ = -1;
  std::string slavePath_;
  std::filesystem::path docs_;
};
