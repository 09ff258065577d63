#pragma once
// The diagnosis pages' fixture: a window on a pseudo-terminal, sized as shown.
#include <QComboBox>

#include "app/pages/GpsStatusPage.h"
#include "app/pages/SystemCheckPage.h"
#include "protocol/Protocol.h"
#include "tests/app/pty_form_fixture.h"
#include "tests/support/find_control.h"
#include "tests/support/recorded_traffic.h"

class DiagFormTest : public PtyFormTest {
 protected:
  void SetUp() override {
    PtyFormTest::SetUp();
    form->resize(900, 700);
  }

  void DeviceLines(const std::vector<std::string>& lines) {
    std::string all;
    for (const auto& l : lines) all += l + "\r\n";
    Device(all);
  }

  // The first `count` lines of the recorded receiver traffic, without line ends.
  static ::testing::AssertionResult RecordedLines(size_t count, std::vector<std::string>& out) {
    std::string error;
    if (!recorded::ReadLines(out, error)) return ::testing::AssertionFailure() << error;
    if (out.size() < count)
      return ::testing::AssertionFailure()
             << recorded::Path() << " has " << out.size() << " lines, fewer than " << count;
    out.resize(count);
    return ::testing::AssertionSuccess();
  }

  SystemCheckPage* CheckPage() { return Find<SystemCheckPage>(form, "TabSheetSystemCheck"); }
  GpsStatusPage* GpsPage() { return Find<GpsStatusPage>(form, "TabSheetGpsStatus"); }

  static std::string Text(QLineEdit* e) { return e->text().toStdString(); }
  static std::string Text(QLabel* l) { return l->text().toStdString(); }
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
  FixtureAisBits& PutSigned(int64_t value, int width) {
    return Put(static_cast<uint64_t>(value) & ((1ull << width) - 1), width);
  }
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
inline std::string PositionReport18(const char* formatter, char channel, uint32_t mmsi, double lon,
                                    double lat, double sog, double cog, int second) {
  FixtureAisBits b;
  b.Put(18, 6).Put(0, 2).Put(mmsi, 30).Put(0, 8);
  b.Put(static_cast<uint64_t>(sog * 10 + 0.5), 10).Put(1, 1);
  b.PutSigned(static_cast<int64_t>(lon * 600000.0), 28)
      .PutSigned(static_cast<int64_t>(lat * 600000.0), 27);
  b.Put(static_cast<uint64_t>(cog * 10 + 0.5), 12)
      .Put(511, 9)
      .Put(static_cast<uint64_t>(second), 6);
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
