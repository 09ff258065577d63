#pragma once
// A real TForm1 on a pseudo-terminal whose other end the test plays: it writes
// the device's lines, which go through the window's real receive path, and
// reads what the window sent.
#include <gtest/gtest.h>

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
#include "tests/support/pty_queue.h"
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
    ASSERT_TRUE(Settle());
  }

  // The window talks with a device that answer() plays: what it sent goes
  // to answer(), whose reply the window has read before the next round,
  // until the window has nothing more to say. Each round ends on what
  // proves it over, never on time, so a loaded machine only makes it slower.
  void Converse(const std::function<std::string(const std::string& sent)>& answer) {
    for (int round = 0; round < 20; ++round) {
      ASSERT_TRUE(Settle());
      const std::string bytes = SentBytes();
      if (bytes.empty()) return;
      const std::string reply = answer(bytes);
      if (!reply.empty()) Device(reply);
    }
    ADD_FAILURE() << "the window and the device never fell silent";
  }

  // Only this thread reads the port (the window's handler runs here), so
  // nothing left in its queue means the window has read it all. A closed
  // port reads nothing: what waits is the next connection's.
  bool WindowTookAll() { return !form->Comm()->IsOpen() || PtyQueued(slaveKeep_) == 0; }

  // Every byte the window sent since the last call. The window writes on
  // this thread, and a read that finds nothing has first let the pty hand
  // over what it was still carrying, so nothing is left behind.
  std::string SentBytes() {
    std::string bytes;
    char buffer[4096];
    for (ssize_t n; (n = read(master_, buffer, sizeof buffer)) > 0;)
      bytes.append(buffer, static_cast<size_t>(n));
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
