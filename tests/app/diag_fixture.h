#pragma once
// A real TForm1 on a pseudo-terminal whose other end the test plays: lines
// written there go through the window's real receive path.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QComboBox>
#include <QRadioButton>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/MainForm.h"
#include "app/PortDiscovery.h"
#include "protocol/Protocol.h"
#include "ui/core/Dialogs.h"

class DiagFormTest : public ::testing::Test {
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

    docs_ = std::filesystem::temp_directory_path() / ("kvor-diag-test-" + std::to_string(getpid()));
    std::filesystem::create_directories(docs_);
    TForm1Options options;
    options.dialogs = &dialogs;
    options.ports = std::make_shared<ListPortDiscovery>(std::vector<std::string>{slavePath_});
    options.documentsDir = docs_.string();
    options.liveTimers = false;
    options.deviceMonitor = false;
    options.sleepMs = [](int) {};
    form = std::make_unique<TForm1>(options);
    form->resize(900, 700);
  }

  void TearDown() override {
    form.reset();
    if (slaveKeep_ >= 0) close(slaveKeep_);
    if (master_ >= 0) close(master_);
    std::error_code ec;
    std::filesystem::remove_all(docs_, ec);
  }

  // Manual connection to the pty, completed by the dump's end line.
  void Connect(const std::vector<std::string>& dump = {}) {
    form->RadioButtonConnectionModeManual->setChecked(true);
    form->EnumComPorts();
    form->ProbeComPorts();
    form->FillComPortCombo();
    form->cbxComPort->setEditText(QString::fromStdString(slavePath_));
    form->OpenPortClick();
    if (!form->Comm->IsOpen()) form->Timer1Timer();
    ASSERT_TRUE(form->Comm->IsOpen());
    for (const std::string& line : dump) Device(line);
    Device("[DEVICE DATA END]\r\n");
    ASSERT_TRUE(WaitFor([&] { return form->DeviceConnected == 1; }));
    Sent();
  }

  // The device sends bytes; returns once the window has read them all.
  void Device(const std::string& bytes) {
    ASSERT_EQ(write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    Pump(30);
  }
  void DeviceLines(const std::vector<std::string>& lines) {
    std::string all;
    for (const auto& l : lines) all += l + "\r\n";
    Device(all);
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
  std::vector<std::string> Sent() {
    const std::string bytes = SentBytes();
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t lf; (lf = bytes.find('\n', start)) != std::string::npos; start = lf + 1)
      lines.push_back(bytes.substr(start, lf + 1 - start));
    return lines;
  }

  // Recorded receiver traffic, without line ends.
  static std::vector<std::string> RecordedLines(size_t count) {
    std::ifstream f(std::string(KVOR_DATA_DIR) + "/ais-nmea.log");
    std::vector<std::string> out;
    for (std::string l; out.size() < count && std::getline(f, l);) {
      if (!l.empty() && l.back() == '\r') l.pop_back();
      out.push_back(l);
    }
    return out;
  }

  static std::string Text(QLineEdit* e) { return e->text().toStdString(); }
  static std::string Text(QLabel* l) { return l->text().toStdString(); }

  RecordingDialogs dialogs;
  std::unique_ptr<TForm1> form;
  int master_ = -1;
  int slaveKeep_ = -1;
  std::string slavePath_;
  std::filesystem::path docs_;
};

// A sentence body with its checksum (no CR LF).
inline std::string Signed(std::string body) {
  AppendChecksum(body);
  while (!body.empty() && (body.back() == '\n' || body.back() == '\r')) body.pop_back();
  return body;
}

namespace diag_test {

// Six-bit armour of an AIS payload built field by field.
class FixtureAisBits {
 public:
  FixtureAisBits& Put(uint64_t value, int width) {
    for (int i = width - 1; i >= 0; --i) bits_.push_back(((value >> i) & 1) != 0);
    return *this;
  }
  FixtureAisBits& PutSigned(int64_t value, int width) { return Put(static_cast<uint64_t>(value) & ((1ull << width) - 1), width); }
  std::string Armour(int& fillBits) const {
    std::vector<bool> b = bits_;
    fillBits = (6 - static_cast<int>(b.size() % 6)) % 6;
    b.resize(b.size() + fillBits, false);
    std::string out;
    for (size_t i = 0; i < b.size(); i += 6) {
      int v = 0;
      for (int k = 0; k < 6; ++k) v = (v << 1) | (b[i + k] ? 1 : 0);
      out += static_cast<char>(v < 40 ? v + 48 : v + 56);
    }
    return out;
  }

 private:
  std::vector<bool> bits_;
};

// A class B position report (type 18) as one sentence of the given formatter.
inline std::string PositionReport18(const char* formatter, char channel, uint32_t mmsi, double lon, double lat,
                                    double sog, double cog, int second) {
  FixtureAisBits b;
  b.Put(18, 6).Put(0, 2).Put(mmsi, 30).Put(0, 8);
  b.Put(static_cast<uint64_t>(sog * 10 + 0.5), 10).Put(1, 1);
  b.PutSigned(static_cast<int64_t>(lon * 600000.0), 28).PutSigned(static_cast<int64_t>(lat * 600000.0), 27);
  b.Put(static_cast<uint64_t>(cog * 10 + 0.5), 12).Put(511, 9).Put(static_cast<uint64_t>(second), 6);
  b.Put(0, 2).Put(1, 1).Put(0, 1).Put(1, 1).Put(1, 1).Put(1, 1).Put(0, 1).Put(0, 1).Put(0, 20);
  int fill = 0;
  const std::string payload = b.Armour(fill);
  std::string body = std::string("!AI") + formatter + ",1,1,,";
  if (channel) body += channel;
  body += "," + payload + "," + std::to_string(fill);
  return Signed(body);
}

}  // namespace diag_test

using diag_test::PositionReport18;
