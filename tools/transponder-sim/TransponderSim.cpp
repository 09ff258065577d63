#include "tools/transponder-sim/TransponderSim.h"

#include <cmath>
#include <cstdio>
#include <ctime>

#include "protocol/Protocol.h"
#include "tools/transponder-sim/AisPayload.h"

using namespace sim_ais;

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

// Fixed-point text without the C library's locale.
std::string Fixed(double v, int decimals, int intDigits = 1) {
  bool neg = v < 0;
  double scale = std::pow(10.0, decimals);
  long long n = std::llround(std::fabs(v) * scale);
  std::string whole = std::to_string(n / (long long)scale);
  while (int(whole.size()) < intDigits) whole = "0" + whole;
  std::string frac = std::to_string(n % (long long)scale);
  while (int(frac.size()) < decimals) frac = "0" + frac;
  return (neg ? "-" : "") + whole + (decimals ? "." + frac : "");
}

std::string LatText(double lat) {
  double a = std::fabs(lat);
  int deg = int(a);
  std::string min = Fixed((a - deg) * 60.0, 4, 2);
  char d[8];
  std::snprintf(d, sizeof d, "%02d", deg);
  return std::string(d) + min + (lat < 0 ? ",S" : ",N");
}

std::string LonText(double lon) {
  double a = std::fabs(lon);
  int deg = int(a);
  std::string min = Fixed((a - deg) * 60.0, 4, 2);
  char d[8];
  std::snprintf(d, sizeof d, "%03d", deg);
  return std::string(d) + min + (lon < 0 ? ",W" : ",E");
}

int CodeToRate(int code) { return code == 5 ? 9600 : code == 6 ? 4800 : 38400; }

struct Satellite {
  int prn, elevation, azimuth, snr;
};
constexpr Satellite kSatellites[] = {
    {2, 64, 27, 44},   {5, 41, 310, 40},  {7, 18, 121, 33}, {9, 55, 210, 46},  {13, 9, 80, 26},
    {16, 33, 260, 38}, {20, 72, 150, 47}, {26, 25, 35, 35}, {29, 12, 340, 29}, {31, 47, 95, 42}};
constexpr int kSatCount = int(sizeof kSatellites / sizeof kSatellites[0]);
constexpr int kSatsInUse = 8;

struct OtherVessel {
  uint32_t mmsi;
  double lat, lon, sog, cog;
  bool classB;
  const char* name;
};
constexpr OtherVessel kVessels[] = {
    {416123456, 25.0600, 121.5800, 12.3, 210.0, false, "EVER SIMULATED"},
    {416654321, 25.0300, 121.5200, 0.1, 90.0, false, "HARBOUR TUG 7"},
    {416987654, 25.0500, 121.5400, 6.8, 300.0, true, "SEA BREEZE"}};

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

std::vector<std::string> TransponderSim::Tick() {
  std::vector<std::string> out;
  ++ticks_;
  if (!faults.silent && !state.passThrough) {
    std::vector<std::string> valid = GpsCycle();
    for (auto& l : AisTraffic()) valid.push_back(l);
    for (auto& l : FleetTraffic()) valid.push_back(l);
    out = Mix(valid, FaultyLines(valid));
    if (faults.garbage) {
      std::string noise = "#~";
      for (int i = 0; i < 40; ++i) {
        noise_ = noise_ * 1103515245u + 12345u;
        char c = char((noise_ >> 16) & 0xFF);
        if (c == '\n') c = 'x';
        noise += c;
      }
      out.push_back(noise + "\r\n");
    }
    if (faults.overlongLines) out.push_back("$GPTXT,01,01,02," + std::string(200, 'X') + "\r\n");
  }
  Queue(out);
  return out;
}

std::vector<std::string> TransponderSim::GpsCycle() {
  SimDeviceState& s = state;
  // Dead reckoning, one second at the own speed and course.
  const double rad = s.cog * M_PI / 180.0;
  s.lat += s.sog * std::cos(rad) / 3600.0 / 60.0;
  s.lon += s.sog * std::sin(rad) / 3600.0 / 60.0 / std::cos(s.lat * M_PI / 180.0);

  // A fixed start keeps runs alike.
  std::time_t t = 1767268800 + std::time_t(ticks_);  // 2026-01-01 12:00:00 UTC
  std::tm tm{};
  gmtime_r(&t, &tm);
  char hms[32], dmy[32];
  std::snprintf(hms, sizeof hms, "%02d%02d%02d.00", tm.tm_hour, tm.tm_min, tm.tm_sec);
  std::snprintf(dmy, sizeof dmy, "%02d%02d%02d", tm.tm_mday, tm.tm_mon + 1, tm.tm_year % 100);
  const std::string pos = LatText(s.lat) + "," + LonText(s.lon);

  std::vector<std::string> out;
  out.push_back(Out(std::string("$GPRMC,") + hms + ",A," + pos + "," + Fixed(s.sog, 1) + "," +
                    Fixed(s.cog, 1) + "," + dmy + ",,,A"));
  out.push_back(Out(std::string("$GPGGA,") + hms + "," + pos + ",1," + std::to_string(kSatsInUse) +
                    ",0.9,12.0,M,17.0,M,,"));
  std::string gsa = "$GPGSA,A,3";
  for (int i = 0; i < 12; ++i) {
    gsa += ",";
    if (i < kSatsInUse) {
      char p[4];
      std::snprintf(p, sizeof p, "%02d", kSatellites[i].prn);
      gsa += p;
    }
  }
  out.push_back(Out(gsa + ",1.6,0.9,1.3"));
  const int sentences = (kSatCount + 3) / 4;
  for (int n = 0; n < sentences; ++n) {
    std::string gsv = "$GPGSV," + std::to_string(sentences) + "," + std::to_string(n + 1) + "," +
                      std::to_string(kSatCount);
    for (int k = n * 4; k < std::min(kSatCount, n * 4 + 4); ++k) {
      const Satellite& sat = kSatellites[k];
      int snr = sat.snr + int((ticks_ + uint64_t(k)) % 5) - 2;  // a little flicker
      char buf[32];
      std::snprintf(buf, sizeof buf, ",%02d,%02d,%03d,%02d", sat.prn, sat.elevation, sat.azimuth,
                    snr);
      gsv += buf;
    }
    out.push_back(Out(gsv));
  }
  return out;
}

uint32_t TransponderSim::FleetMmsi(int index) { return 244000000u + uint32_t(index) * 7u + 1u; }

bool TransponderSim::IsGhostMmsi(uint32_t mmsi) { return mmsi >= 503000000u && mmsi < 503001000u; }

std::vector<std::string> TransponderSim::FleetTraffic() {
  std::vector<std::string> out;
  if (fleetSize <= 0) return out;
  for (int r = 0; r < fleetReportsPerTick; ++r) {
    const long n = fleetCursor_++;
    const int k = int(n % fleetSize);
    const long visit = n / fleetSize;
    const bool classB = k % 2 == 1;
    const char channel = (n % 2) ? 'A' : 'B';
    AisPosition p;
    p.mmsi = FleetMmsi(k);
    p.lat = 24.90 + double(k % 20) * 0.012 + double(visit) * 0.0001;
    p.lon = 121.40 + double(k / 20) * 0.012;
    p.sog = double(k % 15);
    p.cog = double((k * 37) % 360);
    p.heading = int(p.cog);
    p.second = int(n % 60);
    p.navStatus = 0;
    const std::string head = std::string("!AIVDM,1,1,,") + channel + ",";
    out.push_back(Out(head + (classB ? EncodeType18(p) : EncodeType1(p)) + ",0"));
    if (visit % 4 != 0) continue;
    const std::string name = "FLEET " + std::to_string(k);
    if (classB) {
      out.push_back(Out(head + EncodeType24A(p.mmsi, name) + ",0"));
      continue;
    }
    AisStatic st;
    st.mmsi = p.mmsi;
    st.callSign = "FL" + std::to_string(k);
    st.name = name;
    st.destination = "PORT " + std::to_string(k % 9);
    st.shipType = 70 + k % 10;
    st.dimA = 20 + k % 50, st.dimB = 10 + k % 20, st.dimC = 4 + k % 6, st.dimD = 4 + k % 7;
    st.draught = 3.0 + double(k % 40) / 10.0;
    int fill = 0;
    const std::string payload = EncodeType5(st, fill);
    const std::string seq = std::to_string(aisSequence_++ % 6 + 1);
    out.push_back(
        Out(std::string("!AIVDM,2,1,") + seq + "," + channel + "," + payload.substr(0, 60) + ",0"));
    out.push_back(Out(std::string("!AIVDM,2,2,") + seq + "," + channel + "," + payload.substr(60) +
                      "," + std::to_string(fill)));
  }
  return out;
}

std::vector<std::pair<std::string, bool>> TransponderSim::FaultyLines(
    const std::vector<std::string>& valid) {
  std::vector<std::pair<std::string, bool>> out;
  const uint32_t ghost = 503000000u + uint32_t(ticks_ % 1000);
  auto wrongSum = [](std::string line) {
    const size_t star = line.rfind('*');
    if (star != std::string::npos && star + 2 < line.size())
      line[star + 2] = line[star + 2] == '0' ? '1' : '0';
    return line;
  };
  if (faults.corruptCopies) {
    AisPosition p;
    p.mmsi = ghost;
    p.lat = 10.0;
    p.lon = 10.0;
    p.sog = 1.0;
    p.cog = 1.0;
    p.second = 1;
    p.navStatus = 0;
    out.emplace_back(wrongSum(WithChecksum("!AIVDM,1,1,,A," + EncodeType1(p) + ",0")), false);
    // A fix somewhere else entirely.
    out.emplace_back(
        wrongSum(WithChecksum("$GPRMC,235959.00,A,1000.0000,S,01000.0000,W,99.0,1.0,311299,,,A")),
        false);
    // A sentence cut short: the rest of it never came.
    if (!valid.empty())
      out.emplace_back(valid.front().substr(0, valid.front().size() / 2) + "\r\n", false);
  }
  if (faults.brokenFragments) {
    AisStatic st;
    st.mmsi = ghost;
    st.name = "GHOST";
    int fill = 0;
    const std::string payload = EncodeType5(st, fill);
    const std::string one = payload.substr(0, 60), two = payload.substr(60);
    switch (ticks_ % 3) {
      case 0:  // the first of two, and the second never comes
        out.emplace_back(WithChecksum("!AIVDM,2,1,7,A," + one + ",0"), true);
        break;
      case 1:  // the second of two without the first
        out.emplace_back(WithChecksum("!AIVDM,2,2,8,A," + two + "," + std::to_string(fill)), true);
        break;
      default:  // two halves of different messages
        out.emplace_back(WithChecksum("!AIVDM,2,1,9,B," + one + ",0"), true);
        out.emplace_back(WithChecksum("!AIVDM,2,2,0,B," + two + "," + std::to_string(fill)), true);
        break;
    }
  }
  return out;
}

std::vector<std::string> TransponderSim::Mix(
    const std::vector<std::string>& valid,
    const std::vector<std::pair<std::string, bool>>& faulty) {
  std::vector<std::string> out;
  auto taken = [&](const std::string& line) {
    if (onStreamSentence) onStreamSentence(line.substr(0, line.size() - 2));
  };
  size_t next = 0;
  auto emitFaulty = [&] {
    const auto& [line, isTaken] = faulty[next++];
    out.push_back(line);
    if (isTaken) taken(line);
  };
  for (size_t i = 0; i < valid.size(); ++i) {
    std::string line = valid[i];
    if (!faults.badChecksums) taken(line);
    if (faults.nulBytes && i % 3 == 0) {
      line.insert(line.size() / 2, std::string("\0\0", 2));
      line.insert(0, std::string(1, '\0'));
    }
    out.push_back(line);
    // Faulty lines go between whole messages, never between two halves.
    if (next < faulty.size() && line.find("!AIVDM,2,1,") == std::string::npos) emitFaulty();
  }
  while (next < faulty.size()) emitFaulty();
  return out;
}

std::vector<std::string> TransponderSim::AisTraffic() {
  std::vector<std::string> out;
  const int second = int(ticks_ % 60);
  const char channel = (ticks_ % 2) ? 'A' : 'B';
  // One report of another vessel each second, its name now and then.
  const OtherVessel& v = kVessels[ticks_ % 3];
  const double moved = double(ticks_) / 3600.0 / 60.0;
  AisPosition p;
  p.mmsi = v.mmsi;
  p.lat = v.lat + v.sog * moved * std::cos(v.cog * M_PI / 180.0);
  p.lon = v.lon + v.sog * moved * std::sin(v.cog * M_PI / 180.0);
  p.sog = v.sog;
  p.cog = v.cog;
  p.heading = int(v.cog);
  p.second = second;
  p.navStatus = v.sog < 0.5 ? 5 : 0;
  const std::string payload = v.classB ? EncodeType18(p) : EncodeType1(p);
  out.push_back(Out(std::string("!AIVDM,1,1,,") + channel + "," + payload + ",0"));
  if (v.classB && ticks_ % 6 == 5)
    out.push_back(
        Out(std::string("!AIVDM,1,1,,") + channel + "," + EncodeType24A(v.mmsi, v.name) + ",0"));
  // The own report every third second.
  if (ticks_ % 3 == 0) {
    AisPosition own;
    own.mmsi = state.mmsi;
    own.lat = state.lat;
    own.lon = state.lon;
    own.sog = state.sog;
    own.cog = state.cog;
    own.heading = int(state.cog);
    own.second = second;
    out.push_back(Out(std::string("!AIVDO,1,1,,") + channel + "," + EncodeType18(own) + ",0"));
  }
  return out;
}
