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

// Whole degrees in `width` digits, then minutes as "mm.mmmm", then the hemisphere.
inline std::string DegreesText(double value, int width, const char* positive,
                               const char* negative) {
  const double a = std::fabs(value);
  const int deg = int(a);
  char d[16];
  std::snprintf(d, sizeof d, "%0*d", width, deg);
  return std::string(d) + Fixed((a - deg) * 60.0, 4, 2) + (value < 0 ? negative : positive);
}

inline std::string LatText(double lat) { return DegreesText(lat, 2, ",N", ",S"); }
inline std::string LonText(double lon) { return DegreesText(lon, 3, ",E", ",W"); }

}  // namespace sim_text
