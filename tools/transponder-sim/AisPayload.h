#pragma once
// Six-bit AIS payloads for the simulated traffic: position reports of class A
// (type 1) and class B (type 18), the class A static report (type 5) and the
// class B name report (type 24 A).
#include <cstdint>
#include <string>

// Own namespace: the names are common ones.
namespace sim_ais {

struct AisPosition {
  uint32_t mmsi = 0;
  double lat = 91.0, lon = 181.0;  // degrees
  double sog = 102.3;              // knots
  double cog = 360.0;              // degrees
  int heading = 511;
  int second = 60;  // UTC second of the report
  int navStatus = 15;
};

class AisBits {
 public:
  void Put(uint64_t value, int bits);
  void PutSigned(int64_t value, int bits) { Put(uint64_t(value), bits); }
  void PutText(const std::string& text, int chars);  // six-bit ASCII, '@'-padded
  // The armoured payload; fill bits make it whole characters.
  std::string Armour(int& fillBits) const;
  size_t Size() const { return bits_.size(); }

 private:
  std::string bits_;  // one '0'/'1' per bit
};

std::string EncodeType1(const AisPosition& p);
std::string EncodeType18(const AisPosition& p);
std::string EncodeType24A(uint32_t mmsi, const std::string& name);

struct AisStatic {
  uint32_t mmsi = 0;
  std::string callSign, name, destination;
  int shipType = 0;
  int dimA = 0, dimB = 0, dimC = 0, dimD = 0;
  double draught = 0.0;  // metres
};
// 424 bits: two sentences' worth. fillBits gets the fill of the last character.
std::string EncodeType5(const AisStatic& s, int& fillBits);

}  // namespace sim_ais
