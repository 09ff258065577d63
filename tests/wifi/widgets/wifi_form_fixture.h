#pragma once
// A real TForm1 on a pseudo-terminal whose far end is the simulated
// transponder with the simulated Wi-Fi module behind its pass-through.
// Tick() is one second: the step timer, the replies, the transponder's own
// sentences, then Timer2.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTabWidget>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/MainForm.h"
#include "app/PortDiscovery.h"
#include "tools/transponder-sim/TransponderSim.h"
#include "tools/transponder-sim/WifiModuleSim.h"
#include "ui/core/Dialogs.h"
#include "wifi/core/WiFiSetup.h"

class WiFiFormTest : public ::testing::Test {
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
    slaveKeep_ = open(slavePath_.c_str(), O_RDWR | O_NOCTTY);
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    docs_ = std::filesystem::temp_directory_path() / ("kvor-wifi-test-" + std::to_string(getpid()));
    std::filesystem::create_directories(docs_);
    TForm1Options options;
    options.dialogs = &dialogs;
    options.ports = std::make_shared<ListPortDiscovery>(std::vector<std::string>{slavePath_});
    options.documentsDir = docs_.string();
    options.liveTimers = false;
    options.deviceMonitor = false;
    options.sleepMs = [](int) {};
    form = std::make_unique<TForm1>(options);
    sim.passThroughHandler = module;
  }

  void TearDown() override {
    form.reset();
    if (slaveKeep_ >= 0) close(slaveKeep_);
    if (master_ >= 0) close(master_);
    std::error_code ec;
    std::filesystem::remove_all(docs_, ec);
  }

  // Connected over the pty, the device reporting its Wi-Fi module, the
  // configuration page on the Wi-Fi tab.
  void ConnectToWiFiTab() {
    form->RadioButtonConnectionModeManual->setChecked(true);
    form->EnumComPorts();
    form->ProbeComPorts();
    form->FillComPortCombo();
    form->cbxComPort->setEditText(QString::fromStdString(slavePath_));
    form->OpenPortClick();
    if (!form->Comm->IsOpen()) form->Timer1Timer();
    ASSERT_TRUE(form->Comm->IsOpen());
    // The handshake: the dump and the configuration replies.
    for (int i = 0; i < 5 && form->DeviceConnected != 1; ++i) {
      Exchange();
      form->Timer1Timer();
    }
    ASSERT_TRUE(WaitFor([&] { return form->DeviceConnected == 1; }));
    Exchange();
    form->TimerConnectionTimer();
    ASSERT_EQ(form->WiFiData.modulePresent, 1);  // reported by the device
    form->PageControlMain->setCurrentWidget(form->TabSheetConfig);
    form->PageControlConf->setCurrentWidget(form->TabSheetWiFi);
    Exchange();
    sent.clear();
  }

  void Device(const std::string& line) {
    const std::string bytes = line + "\r\n";
    ASSERT_EQ(write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }

  void Pump(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }

  bool WaitFor(const std::function<bool()>& done, int ms = 3000) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
      if (t.elapsed() > ms) return false;
      QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
  }

  // What the window sent goes to the transponder; its answers come back.
  void Exchange() {
    for (int round = 0; round < 4; ++round) {
      Pump(8);
      std::string bytes;
      char buffer[4096];
      for (;;) {
        pollfd p{master_, POLLIN, 0};
        if (poll(&p, 1, 8) <= 0) break;
        ssize_t n = read(master_, buffer, sizeof buffer);
        if (n <= 0) break;
        bytes.append(buffer, static_cast<size_t>(n));
      }
      if (bytes.empty() && round > 0) break;
      for (char c : bytes) {
        if (c == '\r') continue;
        if (c != '\n') {
          partial_ += c;
          continue;
        }
        std::string line;
        line.swap(partial_);
        sent.push_back(line);
        sim.HandleLine(line);
      }
      Reply(sim.TakeOutput());
    }
    Pump(15);
  }

  void Reply(const std::string& bytes) {
    if (!bytes.empty())
      ASSERT_EQ(write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }

  void Tick() {
    if (form->Timer_WiFi_function->Enabled()) form->Timer_WiFi_functionTimer();
    Exchange();
    sim.Tick();
    Reply(sim.TakeOutput());
    Exchange();
    form->Timer2Timer();
    Exchange();
  }

  int RunToEnd(int limit = 80) {
    for (int i = 1; i <= limit; ++i) {
      Tick();
      if (!form->Timer_WiFi_function->Enabled()) return i;
    }
    return -1;
  }

  RecordingDialogs dialogs;
  std::unique_ptr<TForm1> form;
  TransponderSim sim;
  std::shared_ptr<WifiModuleSim> module = std::make_shared<WifiModuleSim>();
  std::vector<std::string> sent;  // lines the window sent, without line ends
  int master_ = -1;
  int slaveKeep_ = -1;
  std::string slavePath_;
  std::string partial_;
  std::filesystem::path docs_;
};
