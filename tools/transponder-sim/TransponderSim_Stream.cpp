// The stream, one second at a time: the GPS cycle of the own dead-reckoned position,
// the other stations' AIS reports and the own one, the fleet, and the faulty lines mixed in.
#include "tools/transponder-sim/TransponderSim.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "tools/transponder-sim/AisPayload.h"
#include "tools/transponder-sim/SimText.h"

using namespace sim_ais;
using namespace sim_text;

namespace {

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
