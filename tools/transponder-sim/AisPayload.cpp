// Six-bit payloads built bit by bit and armoured; fields a report does not know carry
// their "not available" values.
#include "tools/transponder-sim/AisPayload.h"

#include <cmath>

namespace sim_ais {

void AisBits::Put(uint64_t value, int bits) {
  for (int i = bits - 1; i >= 0; --i) bits_ += ((value >> i) & 1) ? '1' : '0';
}

void AisBits::PutText(const std::string& text, int chars) {
  for (int i = 0; i < chars; ++i) {
    unsigned char c = i < int(text.size()) ? static_cast<unsigned char>(text[size_t(i)]) : '@';
    if (c >= 'a' && c <= 'z') c = static_cast<unsigned char>(c - 32);
    if (c < 32 || c > 95) c = '?';
    Put(c >= 64 ? c - 64 : c, 6);
  }
}

std::string AisBits::Armour(int& fillBits) const {
  fillBits = int((6 - bits_.size() % 6) % 6);
  std::string padded = bits_ + std::string(size_t(fillBits), '0');
  std::string out;
  for (size_t i = 0; i < padded.size(); i += 6) {
    int v = 0;
    for (size_t k = 0; k < 6; ++k) v = v * 2 + (padded[i + k] - '0');
    out += char(v < 40 ? v + 48 : v + 56);
  }
  return out;
}

namespace {

int64_t Lon(double deg) { return deg > 180.0 ? 0x6791AC0 : std::llround(deg * 600000.0); }
int64_t Lat(double deg) { return deg > 90.0 ? 0x3412140 : std::llround(deg * 600000.0); }
uint64_t Sog(double kn) { return kn >= 102.2 ? 1023 : uint64_t(std::llround(kn * 10.0)); }
uint64_t Cog(double deg) { return deg >= 360.0 ? 3600 : uint64_t(std::llround(deg * 10.0)); }

}  // namespace

std::string EncodeType1(const AisPosition& p) {
  AisBits b;
  b.Put(1, 6);
  b.Put(0, 2);
  b.Put(p.mmsi, 30);
  b.Put(uint64_t(p.navStatus & 15), 4);
  b.PutSigned(-128, 8);  // no turn information
  b.Put(Sog(p.sog), 10);
  b.Put(0, 1);
  b.PutSigned(Lon(p.lon), 28);
  b.PutSigned(Lat(p.lat), 27);
  b.Put(Cog(p.cog), 12);
  b.Put(uint64_t(p.heading), 9);
  b.Put(uint64_t(p.second), 6);
  b.Put(0, 2);
  b.Put(0, 3);
  b.Put(0, 1);
  b.Put(0, 19);
  int fill;
  return b.Armour(fill);
}

std::string EncodeType18(const AisPosition& p) {
  AisBits b;
  b.Put(18, 6);
  b.Put(0, 2);
  b.Put(p.mmsi, 30);
  b.Put(0, 8);
  b.Put(Sog(p.sog), 10);
  b.Put(0, 1);
  b.PutSigned(Lon(p.lon), 28);
  b.PutSigned(Lat(p.lat), 27);
  b.Put(Cog(p.cog), 12);
  b.Put(uint64_t(p.heading), 9);
  b.Put(uint64_t(p.second), 6);
  b.Put(0, 2);
  b.Put(1, 1);  // carrier-sense unit
  b.Put(0, 1);
  b.Put(0, 1);
  b.Put(1, 1);
  b.Put(0, 1);
  b.Put(0, 1);
  b.Put(0, 1);
  b.Put(0, 20);
  int fill;
  return b.Armour(fill);
}

std::string EncodeType24A(uint32_t mmsi, const std::string& name) {
  AisBits b;
  b.Put(24, 6);
  b.Put(0, 2);
  b.Put(mmsi, 30);
  b.Put(0, 2);
  b.PutText(name, 20);
  b.Put(0, 8);
  int fill;
  return b.Armour(fill);
}

std::string EncodeType5(const AisStatic& s, int& fillBits) {
  AisBits b;
  b.Put(5, 6);
  b.Put(0, 2);
  b.Put(s.mmsi, 30);
  b.Put(0, 2);   // AIS version
  b.Put(0, 30);  // no IMO number
  b.PutText(s.callSign, 7);
  b.PutText(s.name, 20);
  b.Put(uint64_t(s.shipType & 0xFF), 8);
  b.Put(uint64_t(s.dimA & 0x1FF), 9);
  b.Put(uint64_t(s.dimB & 0x1FF), 9);
  b.Put(uint64_t(s.dimC & 0x3F), 6);
  b.Put(uint64_t(s.dimD & 0x3F), 6);
  b.Put(1, 4);  // GPS
  b.Put(0, 4);  // no ETA
  b.Put(0, 5);
  b.Put(24, 5);
  b.Put(60, 6);
  b.Put(uint64_t(std::llround(s.draught * 10.0)) & 0xFF, 8);
  b.PutText(s.destination, 20);
  b.Put(0, 1);
  b.Put(0, 1);
  return b.Armour(fillBits);
}

}  // namespace sim_ais
