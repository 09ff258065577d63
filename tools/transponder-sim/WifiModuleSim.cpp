// The Wi-Fi module's AT commands: settings read and written, a join that needs the
// network's password, the scan's lines, and the faults switched on.
#include "tools/transponder-sim/WifiModuleSim.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace {

bool StartsWith(const std::string& s, const std::string& head) { return s.rfind(head, 0) == 0; }

std::string Upper(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return s;
}

// A scan field that holds a comma or a quote goes out quoted.
std::string QuoteField(const std::string& field) {
  if (field.find_first_of(",\"") == std::string::npos) return field;
  std::string out = "\"";
  for (char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

int ToInt(const std::string& s, int fallback) {
  try {
    size_t used = 0;
    int v = std::stoi(s, &used);
    return used == s.size() ? v : fallback;
  } catch (...) {
    return fallback;
  }
}

}  // namespace

WifiModuleSim::WifiModuleSim() {
  networks = {
      {"HarbourNet", "a4:2b:b0:11:22:33", 1, -48, "WPA2-PSK", "harbour2024"},
      {"Marina-Guest", "f8:1a:67:44:55:66", 6, -63, "NONE", ""},
      {"Dock 7", "00:1d:7e:aa:bb:cc", 11, -77, "WPA2-PSK", "dock7dock7"},
      {"Yacht Club", "c0:4a:00:de:ad:01", 3, -85, "WPA-PSK", "clubclub"},
  };
}

std::vector<std::string> WifiModuleSim::Enter() {
  if (faults.neverOk) return {};
  return {"+ok"};
}

std::vector<std::string> WifiModuleSim::Receive(const std::string& line) {
  received_.push_back(line);
  std::vector<std::string> out;
  if (faults.silent) return out;
  if (!faults.strayBefore.empty() && !strayDone_ && StartsWith(line, faults.strayBefore)) {
    strayDone_ = true;
    out.push_back("+EVT=STRAY");
  }
  out.push_back(line);  // the module echoes what it got
  std::string reply = Answer(line);
  if (!faults.loseReplyTo.empty() && !lossDone_ && StartsWith(line, faults.loseReplyTo)) {
    lossDone_ = true;
    return out;
  }
  if (faults.neverOk && reply == "+ok") return out;
  out.push_back(reply);
  if (line == "AT+SCAN")
    for (auto& l : ScanLines()) out.push_back(l);
  return out;
}

std::string WifiModuleSim::Answer(const std::string& cmd) {
  Settings& s = settings;
  auto value = [&](const std::string& head) { return cmd.substr(head.size()); };
  const bool ap = s.opMode == 0;

  if (cmd == "AT+OPMODE=?") return "+ok=" + std::to_string(s.opMode);
  if (StartsWith(cmd, "AT+OPMODE=")) {
    s.opMode = ToInt(value("AT+OPMODE="), s.opMode) == 1 ? 1 : 0;
    return "+ok";
  }
  if (cmd == "AT+APSSID=?") return "+ok=" + s.apSsid;
  if (StartsWith(cmd, "AT+APSSID=")) {
    s.apSsid = value("AT+APSSID=");
    return "+ok";
  }
  if (cmd == "AT+SECMODE=?") return "+ok=" + (ap ? s.apSecurity : s.staSecurity);
  if (StartsWith(cmd, "AT+SECMODE=")) {
    (ap ? s.apSecurity : s.staSecurity) = value("AT+SECMODE=");
    return "+ok";
  }
  if (cmd == "AT+PSK=?") return "+ok=2," + (ap ? s.apPsk : s.staPsk);
  if (StartsWith(cmd, "AT+PSK=")) {
    std::string v = value("AT+PSK=");
    if (StartsWith(v, "2,")) v = v.substr(2);
    (ap ? s.apPsk : s.staPsk) = v;
    return "+ok";
  }
  if (cmd == "AT+APCHAN=?") return "+ok=" + std::to_string(s.apChannel);
  if (StartsWith(cmd, "AT+APCHAN=")) {
    s.apChannel = ToInt(value("AT+APCHAN="), s.apChannel);
    return "+ok";
  }
  if (cmd == "AT+SYSIPSET=?") return "+ok=" + s.apAddress + "," + s.apMask;
  if (StartsWith(cmd, "AT+SYSIPSET=")) {
    std::string v = value("AT+SYSIPSET=");
    size_t comma = v.find(',');
    s.apAddress = v.substr(0, comma);
    if (comma != std::string::npos) s.apMask = v.substr(comma + 1);
    return "+ok";
  }
  if (cmd == "AT+TCPPORT=?") return "+ok=" + s.tcpPort;
  if (StartsWith(cmd, "AT+TCPPORT=")) {
    s.tcpPort = value("AT+TCPPORT=");
    return "+ok";
  }
  if (cmd == "AT+WLANEN=?") return std::string("+ok=") + (s.enabled ? "1" : "0");
  if (StartsWith(cmd, "AT+WLANEN=")) {
    s.enabled = value("AT+WLANEN=") == "1";
    if (!s.enabled) linked_ = false;
    return "+ok";
  }
  if (StartsWith(cmd, "AT+DHCPDEN=")) {
    s.dhcpServer = value("AT+DHCPDEN=") == "1";
    return "+ok";
  }
  if (StartsWith(cmd, "AT+DHCPCEN=")) {
    s.dhcpClient = value("AT+DHCPCEN=") == "1";
    return "+ok";
  }
  if (cmd == "AT+STA=?") return "+ok=" + s.staSsid;
  if (StartsWith(cmd, "AT+STA=")) {
    s.staSsid = value("AT+STA=");
    return "+ok";
  }
  if (cmd == "AT+VER") return "+ok=" + faults.firmware;
  if (cmd == "AT+STALINK") return LinkReply();
  if (cmd == "AT+SYSIP") {
    if (!s.enabled) return "+ok=0.0.0.0,0.0.0.0,0.0.0.0";
    if (ap) return "+ok=" + s.apAddress + "," + s.apMask + "," + s.apAddress;
    if (linked_ && pollsUntilLinked_ == 0)
      return "+ok=" + faults.dhcpAddress + ",255.255.255.0,192.168.1.1";
    return "+ok=0.0.0.0,0.0.0.0,0.0.0.0";
  }
  if (cmd == "AT+SCAN") return "+ok=";
  if (cmd == "AT+WAPPLY") {
    ApplyStation();
    return "+ok";
  }
  if (cmd == "AT+SYSAPPLY") return "+ok";
  if (cmd == "AT+APPLY") {
    ++reboots_;
    ApplyStation();
    return "+ok";
  }
  if (cmd == "AT+FACTDEF") {
    s = Settings{};
    linked_ = false;
    return "+ok";
  }
  return "+ERR=-1";
}

void WifiModuleSim::ApplyStation() {
  linked_ = false;
  linkedBssid_.clear();
  if (!settings.enabled || settings.opMode != 1) return;
  for (const Network& n : networks) {
    if (n.ssid != settings.staSsid) continue;
    const bool open = n.security == "NONE";
    const bool ok = open ? settings.staSecurity == "NONE"
                         : settings.staSecurity != "NONE" && settings.staPsk == n.password;
    if (!ok) return;
    linked_ = true;
    linkedBssid_ = Upper(n.bssid);
    linkedDbm_ = n.dbm;
    pollsUntilLinked_ = faults.slowLinkPolls;
    return;
  }
}

std::string WifiModuleSim::LinkReply() {
  if (linked_ && pollsUntilLinked_ > 0) {
    --pollsUntilLinked_;
    return "+ok=DISCONNECTED";
  }
  if (!linked_) return "+ok=DISCONNECTED";
  return "+ok=" + linkedBssid_ + "," + settings.staSsid + "," + std::to_string(linkedDbm_) + " dBm";
}

std::vector<std::string> WifiModuleSim::ScanLines() const {
  std::vector<std::string> lines;
  auto line = [](const std::string& name, const std::string& bssid, int ch, int dbm,
                 const std::string& sec) {
    return QuoteField(name) + "," + bssid + "," + std::to_string(ch) + "," + std::to_string(dbm) +
           " dBm," + sec;
  };
  if (faults.scanCount >= 0) {
    for (int i = 0; i < faults.scanCount; ++i) {
      char name[32], bssid[32];
      std::snprintf(name, sizeof name, "Net-%03d", i + 1);
      std::snprintf(bssid, sizeof bssid, "02:00:00:00:%02x:%02x", (i >> 8) & 0xFF, i & 0xFF);
      lines.push_back(line(name, bssid, 1 + i % 11, -40 - (i % 60), i % 3 ? "WPA2-PSK" : "NONE"));
    }
  } else {
    for (const Network& n : networks)
      lines.push_back(line(n.ssid, n.bssid, n.channel, n.dbm, n.security));
  }
  if (faults.quotedScanFields) {
    lines.push_back(line("Cafe, Upstairs", "10:20:30:40:50:60", 4, -58, "WPA2-PSK"));
    lines.push_back(line("Say \"hi\"", "10:20:30:40:50:61", 9, -66, "NONE"));
  }
  if (faults.malformedScanFields) {
    lines.push_back("Short,aa:bb:cc:dd:ee:ff");
    lines.push_back("NoSignal,aa:bb:cc:dd:ee:01,6,strong dBm,NONE");
    lines.push_back("\"Open quote,aa:bb:cc:dd:ee:02,6,-50 dBm,NONE");
  }
  return lines;
}
