// The Wi-Fi module's replies as the receive path gets them, with the step
// machine and the time-outs running over them, plus the scan-line and field
// splitters on every line.
//
// Input: byte 0 picks the operation (low nibble, 1-12) and flags: 0x10 client
// radio, 0x20 report load, 0x40 Wi-Fi tab not on screen, 0x80 already in
// command mode. Byte 1: 0x01 the transponder talks outside pass-through, 0x02
// the simulated module answers as well, 0x04 the scan-line rig is linked.
// The rest are lines (LF, CR dropped); an empty line is one tick.
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "tests/fuzz/fuzz_check.h"
#include "tests/wifi/core/wifi_rig.h"
#include "wifi/core/SplitDelimited.h"
#include "wifi/core/WiFiText.h"

namespace {

using C = WiFiControl;

constexpr int kMaxLines = 256;
constexpr int kMaxInputTicks = 64;
// Longer than any chain of operations takes to end once nothing answers.
constexpr int kMaxEndTicks = 400;
constexpr const char* kLinkedBssid = "A4:2B:B0:11:22:33";
constexpr const char* kSentence =
    "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A";

bool ShownAddress(const std::string& text) {
  return text.empty() || text == "n/a" || wifitext::ParseDottedQuad(text).has_value();
}

// A field quoted only where a plain one would not read back.
std::string JoinFields(const std::vector<std::string>& fields) {
  std::string out;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i) out += ',';
    const std::string& f = fields[i];
    const bool quote =
        f.find_first_of(",\"") != std::string::npos || (fields.size() == 1 && f.empty());
    if (!quote) {
      out += f;
      continue;
    }
    out += '"';
    for (char c : f) {
      if (c == '"') out += '"';
      out += c;
    }
    out += '"';
  }
  return out;
}

void CheckSplit(const std::string& line) {
  auto strict = SplitDelimited(line, ',', true);
  if (strict) {
    FUZZ_CHECK(strict->size() <= line.size() + 1);
    auto again = SplitDelimited(JoinFields(*strict), ',', true);
    FUZZ_CHECK(again && *again == *strict);
  }
  auto loose = SplitDelimited(line, ',', false);
  FUZZ_CHECK(loose.has_value());  // loose splitting never refuses
  if (line.find('"') != std::string::npos) return;
  // Without quotes strict is a plain cut at each comma, and loose fields hold
  // neither a comma nor a blank.
  FUZZ_CHECK(strict.has_value());
  std::vector<std::string> cut;
  if (!line.empty()) {
    size_t start = 0;
    for (;;) {
      size_t comma = line.find(',', start);
      cut.push_back(line.substr(start, comma - start));
      if (comma == std::string::npos) break;
      start = comma + 1;
    }
  }
  FUZZ_CHECK(*strict == cut);
  for (const auto& f : *loose)
    for (char c : f) FUZZ_CHECK(c != ',' && !(c >= 1 && c <= ' '));
}

// The scan-line parser on its own: one entry per well-formed line, in order.
struct ScanCheck {
  WiFiRig rig;
  bool linked = false;

  void Feed(const std::string& line) {
    const int before = rig.apList.count;
    rig.setup.ParseScanLine(line);
    const int after = rig.apList.count;
    FUZZ_CHECK(after == before || (after == before + 1 && before < kMaxAccessPoints));
    FUZZ_CHECK(rig.page.rows <= kMaxAccessPoints && rig.page.rows >= after);
    if (after == before) return;
    const AP_DATA_STRUCT& e = rig.apList.entries[before];
    FUZZ_CHECK(rig.page.Cell(0, before) == e.ssid);
    FUZZ_CHECK(e.signalClass == SignalClassOf(e.dbm));
    FUZZ_CHECK(e.security == SecurityCodeOf(e.securityText));
    // Nothing is marked linked while the station is not.
    if (!linked) FUZZ_CHECK(e.link == -1);
  }
};

struct Fuzzer {
  WiFiRig r;
  std::vector<std::string> received;  // every line fed, for where a value came from
  std::set<std::string> preset;       // what the page held before anything came in
  std::vector<std::pair<const char*, std::string>> verified;
  bool everInCommandMode = false;

  // A text the parsers keep is the value of a reply the module gave: a part of
  // a "+ok=" line with the "+ok=" taken out.
  bool FromReply(const std::string& value) const {
    if (value.empty() || value == "0" || value == "n/a" || preset.count(value)) return true;
    for (const auto& line : received) {
      if (!wifitext::Contains(line, "+ok=")) continue;
      if (wifitext::WithoutFirst(line, "+ok=").find(value) != std::string::npos) return true;
    }
    return false;
  }
  void CheckFromReply(size_t slot, const char* what, const std::string& value) {
    if (verified.size() <= slot) verified.resize(slot + 1);
    if (verified[slot].first && verified[slot].second == value) return;
    if (!FromReply(value)) {
      std::fprintf(stderr, "%s is no reply value: \"%s\"\n", what, value.c_str());
      FUZZ_CHECK(!"stored text comes from a reply");
    }
    verified[slot] = {what, value};
  }

  void CheckState() {
    const AP_LIST_STRUCT& ap = r.apList;
    FUZZ_CHECK(ap.count >= 0 && ap.count <= kMaxAccessPoints);
    FUZZ_CHECK(r.page.rows >= 0 && r.page.rows <= kMaxAccessPoints);
    for (int i = 0; i < ap.count; ++i) {
      const AP_DATA_STRUCT& e = ap.entries[i];
      FUZZ_CHECK(e.signalClass >= -1 && e.signalClass <= 4);
      FUZZ_CHECK(e.security == 5 || e.security == -1);
      FUZZ_CHECK(e.link == 6 || e.link == -1);
      if (e.link == 6) FUZZ_CHECK(r.wifi.stationLinked == 1);
    }
    FUZZ_CHECK(r.page.channelIndex >= -1 && r.page.channelIndex <= 10);
    FUZZ_CHECK(r.report.channel >= -1 && r.report.channel <= 11);
    FUZZ_CHECK(r.report.mode >= -1 && r.report.mode <= 1);
    FUZZ_CHECK(ShownAddress(r.page.Text(C::Label_ShowIP)));
    FUZZ_CHECK(r.report.ipAddress == "0" || ShownAddress(r.report.ipAddress));

    // The page's memo mirrors the reply log line for line, and the log holds
    // no more than what came in.
    const WiFiMemo& memo = r.setup.Memo_WiFi;
    FUZZ_CHECK(static_cast<int>(r.page.memo.size()) == memo.LineCount());
    FUZZ_CHECK(memo.LineCount() <= static_cast<int>(received.size()));
    if (!r.page.memo.empty()) FUZZ_CHECK(r.page.memo.back() == memo.Line(memo.LineCount() - 1));

    CheckFromReply(0, "firmware version", r.report.firmwareVersion);
    CheckFromReply(1, "report key", r.report.key);
    CheckFromReply(2, "port label", r.page.Text(C::Label_ShowPort));
    CheckFromReply(3, "port", r.page.Text(C::Edit_WiFi_Port));
    CheckFromReply(4, "access point name", r.page.Text(C::Edit_WiFi_SSID));
    CheckFromReply(5, "access point password", r.page.Text(C::Edit_WiFi_password));
    CheckFromReply(6, "linked BSSID", r.wifi.linkedBssid);

    if (r.wifi.cmdMode) everInCommandMode = true;
    if (!r.host.timer) {
      // An operation that ended left the module's command mode and closed
      // its window.
      FUZZ_CHECK(r.wifi.cmdMode == 0);
      FUZZ_CHECK(!r.progress.open);
      if (everInCommandMode) {
        for (auto it = r.host.sends.rbegin(); it != r.host.sends.rend(); ++it) {
          if (*it == kEnter) FUZZ_CHECK(!"command mode left without the exit sentence");
          if (*it == kExit) break;
        }
      }
    }
  }

  void Line(const std::string& line) {
    received.push_back(line);
    r.setup.OnSerialLine(line);
    r.host.RunPosted();
    CheckState();
  }
  // One second as WiFiRig::Tick has it, each delivered line checked on its own.
  void Tick() {
    if (r.host.timer) r.setup.Timer_WiFi_functionTimer();
    if (!r.link.passThrough && r.link.talks) r.link.pending.push_back(kSentence);
    while (!r.link.pending.empty()) {
      std::string line = std::move(r.link.pending.front());
      r.link.pending.pop_front();
      Line(line);
    }
    r.setup.CheckWiFiSetupLink();
    r.setup.CheckWiFiTimeouts();
    r.host.RunPosted();
    CheckState();
  }

  void Prepare(uint8_t flags, uint8_t more) {
    const bool client = flags & 0x10;
    r.link.talks = more & 0x01;
    if (!(more & 0x02)) {
      r.link.module.faults.neverOk = true;
      r.link.module.faults.silent = true;
    }
    if (client) {
      r.link.module.settings.opMode = 1;
      r.page.checked[C::RadioButton_AP] = false;
      r.page.checked[C::RadioButton_STA] = true;
      r.page.apTab = false;
    }
    if (flags & 0x20) r.report.reportLoad = 1;
    if (flags & 0x40) r.host.confWiFi = false;
  }

  void ValidApPage() {
    r.page.text[C::Edit_WiFi_SSID] = "Bridge";
    r.page.checked[C::CheckBox_WiFi_NonePassword] = true;
    r.page.checked[C::CheckBox_WiFi_AutoSelect] = true;
    r.page.IpSet(0x0A000001);
    r.page.text[C::Edit_WiFi_Port] = "3333";
    preset.insert({"Bridge", "3333"});
  }

  void Start(int op, uint8_t flags) {
    switch (op) {
      case 1:
        r.setup.StartReadApSettings();
        break;
      case 2:
        ValidApPage();
        r.setup.StartApplyApSettings();
        break;
      case 3:
        r.setup.StartScanNetworks();
        break;
      case 4:
        r.page.text[C::Edit_Hide_WiFi] = "HarbourNet";
        r.setup.Edit_Hide_WiFiClick();
        r.prompt.answer = "harbour2024";
        r.setup.ConnectStation();
        break;
      case 5:
        r.wifi.joinSsid = "Marina-Guest";
        r.wifi.stationPassword = "0";
        r.setup.StartConnectStation();
        break;
      case 6:
        r.setup.StartDisconnectStation();
        break;
      case 7:
        r.setup.SpeedButton_retry_dhcp_ipClick();
        break;
      case 8:
        if (flags & 0x20)
          r.setup.StartReportRefresh();
        else
          r.setup.StartLoadWiFiSettings();
        break;
      case 9:
        if (r.page.Checked(C::RadioButton_AP))
          r.setup.RadioButton_STA_OnMouseDown();
        else
          r.setup.RadioButton_APMouseDown();
        break;
      case 10:
        r.setup.CheckBox_WiFi_Open_OnMouseDown();
        break;
      case 11:
        r.setup.SpeedButton_WiFi_FactoryDefaultClick();
        break;
      case 12:
        // Reached only after operation 2: its start, then straight on.
        ValidApPage();
        r.setup.StartApplyApSettings();
        r.setup.SetWiFiOperation(WiFiOperation::ApplyAndReboot);
        break;
    }
    r.host.RunPosted();
    if ((flags & 0x80) && r.host.timer) {
      // As if the module had already answered the pass-through.
      r.wifi.cmdMode = 1;
      r.wifi.step = 0;
      r.link.passThrough = true;
    }
    CheckState();
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const uint8_t flags = data[0], more = data[1];
  std::string_view input(reinterpret_cast<const char*>(data + 2), size - 2);

  Fuzzer f;
  f.Prepare(flags, more);
  ScanCheck scan;
  if (more & 0x04) {
    scan.linked = true;
    scan.rig.wifi.stationLinked = 1;
    scan.rig.wifi.linkedBssid = kLinkedBssid;
  }
  f.Start((flags & 0x0F) % 12 + 1, flags);

  int lines = 0, ticks = 0;
  while (!input.empty() && lines < kMaxLines) {
    size_t lf = input.find('\n');
    std::string line(input.substr(0, lf));
    input = lf == std::string_view::npos ? std::string_view() : input.substr(lf + 1);
    std::string clean;
    for (char c : line)
      if (c != '\r') clean += c;
    if (clean.empty()) {
      if (ticks++ < kMaxInputTicks) f.Tick();
      continue;
    }
    ++lines;
    CheckSplit(clean);
    scan.Feed(clean);
    f.Line(clean);
  }
  // With nothing more coming in, every operation comes to an end.
  for (int i = 0; i < kMaxEndTicks && f.r.host.timer; ++i) f.Tick();
  FUZZ_CHECK(!f.r.host.timer);
  // Success is reported only for settings the module took.
  for (const auto& box : f.r.dialogs.shown) {
    if (box.text != "Changes successfully applied") continue;
    bool acknowledged = false;
    for (size_t i = 0; i + 1 < f.received.size() && !acknowledged; ++i)
      acknowledged = f.received[i] == "AT+APPLY" && f.received[i + 1].rfind("+ok", 0) == 0;
    FUZZ_CHECK(acknowledged);
  }
  FUZZ_CHECK(scan.rig.apList.count <= kMaxAccessPoints);
  return 0;
}
