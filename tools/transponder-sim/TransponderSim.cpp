// The device's side of the conversation: bytes gathered into lines, sentences with a
// sound checksum answered (the dump, the configuration queries and writes, the static
// and voyage data), and the replies queued to be sent.
#include "tools/transponder-sim/TransponderSim.h"

#include <cstdio>
#include <cstdlib>

#include "protocol/Protocol.h"
#include "tools/transponder-sim/SimText.h"

using namespace sim_text;

namespace {

// A received run without LF longer than this is dropped.
constexpr size_t kMaxLine = 1024;

std::vector<std::string> Split(const std::string& body) {
  std::vector<std::string> f;
  size_t start = 0;
  for (;;) {
    size_t c = body.find(',', start);
    f.push_back(body.substr(start, c == std::string::npos ? std::string::npos : c - start));
    if (c == std::string::npos) return f;
    start = c + 1;
  }
}

bool ToInt(const std::string& s, long& out) {
  if (s.empty()) return false;
  char* end = nullptr;
  long v = std::strtol(s.c_str(), &end, 10);
  if (end == s.c_str() || *end != '\0') return false;
  out = v;
  return true;
}

std::string Field(const std::vector<std::string>& f, size_t i) {
  return i < f.size() ? f[i] : std::string();
}

int CodeToRate(int code) { return code == 5 ? 9600 : code == 6 ? 4800 : 38400; }

}  // namespace

std::string SimEscape(const std::string& text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : text) {
    if (c < 32 || c >= 126 || c == '!' || c == '$' || c == '*' || c == ',' || c == '\\' ||
        c == '^') {
      out += '^';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else {
      out += char(c);
    }
  }
  return out;
}

std::string SimUnescape(const std::string& text) {
  auto hex = [](char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
  };
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '^' && i + 2 < text.size() + 0 && hex(text[i + 1]) >= 0 &&
        hex(text[i + 2]) >= 0) {
      out += char(hex(text[i + 1]) * 16 + hex(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

TransponderSim::TransponderSim() = default;

std::string TransponderSim::WithChecksum(std::string body) {
  if (!AppendChecksum(body)) return body + "\r\n";
  return body;
}

std::string TransponderSim::Out(std::string line) {
  std::string s = WithChecksum(std::move(line));
  if (faults.badChecksums) {
    size_t star = s.rfind('*');
    if (star != std::string::npos && star + 2 < s.size())
      s[star + 2] = s[star + 2] == '0' ? '1' : '0';
  }
  return s;
}

void TransponderSim::Queue(const std::vector<std::string>& lines) {
  for (const auto& l : lines) output_ += l;
}

std::string TransponderSim::TakeOutput() {
  std::string out;
  out.swap(output_);
  return out;
}

void TransponderSim::Receive(std::string_view bytes) {
  for (char c : bytes) {
    if (c == '\n') {
      std::string line;
      line.swap(pending_);
      HandleLine(line);
    } else if (c != '\r' && c != '\0') {
      if (pending_.size() < kMaxLine) pending_ += c;
    }
  }
}

std::vector<std::string> TransponderSim::HandleLine(const std::string& raw) {
  std::string line = raw;
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
  received_.push_back(line);
  if (onLine) onLine(line);

  std::vector<std::string> replies;
  if (state.passThrough && line.rfind("$PDBG,163,0,", 0) != 0) {
    // The Wi-Fi module has the line.
    if (passThroughHandler)
      for (auto& r : passThroughHandler->OnLine(line)) replies.push_back(r + "\r\n");
  } else if (!line.empty() && (line[0] == '$' || line[0] == '!')) {
    // A sentence with a wrong checksum is not taken.
    if (VerifyChecksum(line)) replies = HandleSentence(line.substr(0, line.rfind('*')));
  }
  if (faults.silent) replies.clear();
  Queue(replies);
  return replies;
}

std::vector<std::string> TransponderSim::HandleSentence(const std::string& body) {
  const std::vector<std::string> f = Split(body);
  const std::string& head = f[0];
  std::vector<std::string> out;
  auto formatter = [&](const char* name) {
    return head.size() == 6 && head.compare(3, 3, name) == 0;
  };

  if (head == "$PTST") {
    if (!faults.loseReplies) {
      for (auto& l : DeviceDataDump()) {
        if (faults.noDumpEnd && l == "[DEVICE DATA END]\r\n") continue;
        out.push_back(l);
      }
    }
  } else if (head == "$PKVR" && Field(f, 2) == "CFG") {
    long id = 0, sub = 0, value = 255;
    ToInt(Field(f, 3), id);
    ToInt(Field(f, 4), sub);
    ToInt(Field(f, 5), value);
    if (Field(f, 1) == "Q") {
      if (!faults.loseReplies) out = CfgQuery(int(id), int(sub));
    } else if (Field(f, 1) == "C") {
      CfgWrite(int(id), int(sub), int(value), Field(f, 6));
    }
  } else if (head == "$PDBG") {
    const bool wasPassThrough = state.passThrough;
    ApplyDbg(f);
    if (!wasPassThrough && state.passThrough && passThroughHandler)
      for (auto& r : passThroughHandler->OnEnter()) out.push_back(r + "\r\n");
  } else if (head == "$PMID") {
    long mmsi;
    if (state.mmsi == 0 && Field(f, 1).size() == 9 && ToInt(Field(f, 1), mmsi) && mmsi > 0)
      state.mmsi = uint32_t(mmsi);
  } else if (formatter("SSD")) {
    ApplySsd(f);
  } else if (formatter("VSD")) {
    ApplyVsd(f);
  } else if (formatter("CEK")) {
    state.cekKeyHex = Field(f, 5);
  } else if (formatter("AIQ")) {
    if (!faults.loseReplies) {
      const std::string what = Field(f, 1);
      if (what == "SSD")
        out.push_back(SsdReply());
      else if (what == "VSD")
        out.push_back(VsdReply());
      else if (what == "CEK")
        out.push_back(CekReply());
    }
  }
  return out;
}

std::vector<std::string> TransponderSim::DeviceDataDump() const {
  const SimDeviceState& s = state;
  char mmsi[16];
  std::snprintf(mmsi, sizeof mmsi, "%09u", s.mmsi);
  std::vector<std::string> l = {
      "[FwVersion]=" + s.firmwareVersion,
      "[GPS_OnOff]=" + std::to_string(s.gpsOutputOn ? 1 : 0),
      "[GPS_RI]=" + std::to_string(s.gpsReportInterval),
  };
  if (s.multipleBaud) l.push_back("[MultipleBaudRate]=1");
  l.push_back("[GPS_NAV5_dynModel]=" + std::to_string(s.gpsDynModel));
  l.push_back("4 SRM box:(" + std::to_string(s.srmBoxes) + ")");
  l.push_back("[SYSTEM DATA END]");
  l.push_back(std::string("MMSI:(") + mmsi + ")");
  l.push_back("Ship Name:(" + s.name + ")");
  l.push_back("Call Sign:(" + s.callSign + ")");
  l.push_back("Ship Cargo Type:(" + std::to_string(s.shipType) + ") A:(" + std::to_string(s.dimA) +
              ") B:(" + std::to_string(s.dimB) + ") C:(" + std::to_string(s.dimC) + ") D:(" +
              std::to_string(s.dimD) + ")");
  l.push_back(std::string("GMDSS DSC Monitor:(") + (s.dscMonitor ? "1" : "0") + ")");
  l.push_back("NMEA_TX=(" + std::to_string(s.nmeaTx) + ") NMEA_RX=(" + std::to_string(s.nmeaRx) +
              ")");
  l.push_back("S/N:(" + s.serialNumber + ")");
  l.push_back("Firmware:" + s.firmwareText);
  l.push_back("[DEVICE DATA END]");
  for (auto& x : l) x += "\r\n";
  return l;
}

std::vector<std::string> TransponderSim::CfgQuery(int id, int) {
  std::vector<std::string> out;
  auto reply = [&](int i, int sub, long value, const std::string& text = "") {
    out.push_back(Out("$PKVR,R,CFG," + std::to_string(i) + "," + std::to_string(sub) + "," +
                      std::to_string(value) + "," + SimEscape(text)));
  };
  const SimDeviceState& s = state;
  if (id == 30) {
    reply(30, 1, s.srmCapabilities);
    for (int n = 0; n < 4; ++n) reply(30, 5, n, s.srmTexts[n]);
    reply(30, 3, 14, s.srmButtonText);
  } else if (id == 108) {
    reply(108, 1, s.srmTextSupported ? 1 : 0);
    reply(108, 2, s.encryptionSupported ? 1 : 0);
    reply(108, 3, s.encryptionOn ? 1 : 0);
    reply(108, 4, s.addressMode ? 1 : 0);
    reply(108, 5, long(s.addressMmsi));
    reply(108, 6, s.alrOutputOn ? 0 : 1);
    reply(108, 109, s.wifiPresent ? 1 : 0);
  } else if (id == 183) {
    const int subs[4] = {10, 11, 20, 21};
    for (int i = 0; i < 4; ++i) reply(183, subs[i], s.nmeaPortCode[i]);
  }
  return out;
}

void TransponderSim::CfgWrite(int id, int sub, int value, const std::string& text) {
  SimDeviceState& s = state;
  if (id == 30 && sub == 5 && value >= 0 && value <= 3)
    s.srmTexts[value] = SimUnescape(text);
  else if (id == 30 && sub == 3 && value == 14)
    s.srmButtonText = SimUnescape(text);
  else if (id == 108 && sub == 3)
    s.encryptionOn = value == 1;
  else if (id == 108 && sub == 4)
    s.addressMode = value == 1;
  else if (id == 108 && sub == 5 && value >= 0)
    s.addressMmsi = uint32_t(value);
  else if (id == 108 && sub == 6)
    s.alrOutputOn = value == 0;
}

void TransponderSim::ApplyDbg(const std::vector<std::string>& f) {
  SimDeviceState& s = state;
  for (size_t i = 1; i + 1 < f.size(); i += 2) {
    long id, v;
    if (!ToInt(f[i], id) || !ToInt(f[i + 1], v)) continue;
    switch (id) {
      case 101:
        s.dscMonitor = v == 1;
        break;
      case 50:
        s.gpsOutputOn = v == 2;
        break;
      case 51:
        if (v >= 1 && v <= 10) s.gpsReportInterval = int(v);
        break;
      case 703:
        s.gpsDynModel = int(v);
        break;
      case 42:
        s.nmeaPortCode[0] = int(v);
        break;  // NMEA 1 input: item 183/10
      case 40:
        s.nmeaPortCode[1] = int(v);
        break;  // NMEA 1 output: 183/11
      case 39:
        s.nmeaPortCode[2] = int(v);
        break;  // fourth port: 183/20
      case 38:
        s.nmeaPortCode[3] = int(v);
        break;  // third port: 183/21
      case 163:
        s.passThrough = v == 1;
        break;
      default:
        break;
    }
  }
  s.nmeaRx = CodeToRate(s.nmeaPortCode[0]);
  s.nmeaTx = CodeToRate(s.nmeaPortCode[3]);
}

void TransponderSim::ApplySsd(const std::vector<std::string>& f) {
  SimDeviceState& s = state;
  if (!Field(f, 1).empty()) s.callSign = Field(f, 1);
  if (!Field(f, 2).empty()) s.name = Field(f, 2);
  long v;
  if (ToInt(Field(f, 3), v) && v >= 0 && v <= 511) s.dimA = int(v);
  if (ToInt(Field(f, 4), v) && v >= 0 && v <= 511) s.dimB = int(v);
  if (ToInt(Field(f, 5), v) && v >= 0 && v <= 63) s.dimC = int(v);
  if (ToInt(Field(f, 6), v) && v >= 0 && v <= 63) s.dimD = int(v);
}

void TransponderSim::ApplyVsd(const std::vector<std::string>& f) {
  SimDeviceState& s = state;
  long v;
  if (ToInt(Field(f, 1), v) && v >= 0 && v <= 255) s.shipType = int(v);
  if (!Field(f, 2).empty()) s.draught = std::strtod(Field(f, 2).c_str(), nullptr);
  if (ToInt(Field(f, 3), v) && v >= 0 && v <= 8191) s.persons = int(v);
  if (!Field(f, 4).empty()) s.destination = Field(f, 4);
  if (ToInt(Field(f, 8), v) && v >= 0 && v <= 15) s.navStatus = int(v);
}

std::string TransponderSim::SsdReply() {
  const SimDeviceState& s = state;
  return Out("$AISSD," + s.callSign + "," + s.name + "," + std::to_string(s.dimA) + "," +
             std::to_string(s.dimB) + "," + std::to_string(s.dimC) + "," + std::to_string(s.dimD) +
             ",0,AI");
}

std::string TransponderSim::VsdReply() {
  const SimDeviceState& s = state;
  return Out("$AIVSD," + std::to_string(s.shipType) + "," + Fixed(s.draught, 1, 2) + "," +
             std::to_string(s.persons) + "," + s.destination + ",,,," +
             std::to_string(s.navStatus) + ",0");
}

std::string TransponderSim::CekReply() {
  // The key field is 16 bytes, zero bytes in front of the key.
  std::string key = state.cekKeyHex;
  if (key.size() < 32) key = std::string(32 - key.size(), '0') + key;
  char mmsi[16];
  std::snprintf(mmsi, sizeof mmsi, "%09u", state.mmsi);
  return Out(std::string("$AICEK,1,1,0,") + mmsi + "," + key + ",R");
}
