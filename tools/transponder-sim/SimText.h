#pragma once
// Numbers and positions written as sentence fields; the replies and the stream both
// use them.
#include <cmath>
#include <cstdio>
#include <string>

// Own namespace: the names are common ones.
namespace sim_text {

// Fixed-point text without the C library's locale.
inline std::string Fixed(double v, int decimals, int intDigits = 1) {
  bool neg = v < 0;
  double scale = std::pow(10.0, decimals);
  long long n = std::llround(std::fabs(v) * scale);
  std::string whole = std::to_string(n / (long long)scale);
  while (int(whole.size()) < intDigits) whole = "0" + whole;
  std::string frac = std::to_string(n % (long long)scale);
  while (int(frac.size()) < decimals) frac = "0" + frac;
  return (neg ? "-" : "") + whole + (decimals ? "." + frac : "");
}

inline std::string LatText(double lat) {
  double a = std::fabs(lat);
  int deg = int(a);
  std::string min = Fixed((a - deg) * 60.0, 4, 2);
  char d[8];
  std::snprintf(d, sizeof d, "%02d", deg);
  return std::string(d) + min + (lat < 0 ? ",S" : ",N");
}

inline std::string LonText(double lon) {
  double a = std::fabs(lon);
  int deg = int(a);
  std::string min = Fixed((a - deg) * 60.0, 4, 2);
  char d[8];
  std::snprintf(d, sizeof d, "%03d", deg);
  return std::string(d) + min + (lon < 0 ? ",W" : ",E");
}

}  // namespace sim_text
