// Degrees split into minutes and seconds or decimal minutes, and the four
// coordinate formats, with out-of-range and NaN values made safe.
#include "app/core/Subfun.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// Truncation toward zero that never hits undefined behaviour: values outside
// the 16-bit range (or NaN from a corrupt record) become 0.
int16_t TruncDegrees(double value) {
  if (!std::isfinite(value) || value >= 32768.0 || value <= -32769.0) return 0;
  return static_cast<int16_t>(value);
}

// The rest after the degrees, times 60, as the magnitude of the fraction.
double MinutesRest(double value, int16_t degrees) {
  if (!std::isfinite(value)) return 0.0;
  double rest = value - degrees;
  if (rest < 0) rest = -rest;
  if (rest >= 1.0) rest = 0.0;  // only when the degrees were clamped
  return rest * 60.0;
}

const char* DegreeString(int mode) { return mode == 1 ? "\xA2\x58" : "\xB0"; }

std::string Printf(const char* format, int d, const char* s, unsigned a, unsigned b, char c,
                   int fields) {
  char buffer[64];
  switch (fields) {
    case 0:
      std::snprintf(buffer, sizeof buffer, format, d, a, b, c);
      break;
    case 1:
      std::snprintf(buffer, sizeof buffer, format, d, s, a, c);
      break;
    case 2:
      std::snprintf(buffer, sizeof buffer, format, d, s, a, b, c);
      break;
    default:
      std::snprintf(buffer, sizeof buffer, format, d, s, c);
      break;
  }
  return buffer;
}

std::string FormatOne(double value, char letter, int format, int mode) {
  if (format == 3) {
    DecMinValue dm;
    DegToDecMin(value, dm);
    std::string text;
    FormatDecMinutes(&text, dm, letter, mode);
    return text;
  }
  DmsValue dms;
  DegToDms(value, dms);
  int d = std::abs(static_cast<int>(dms.degrees));
  const char* s = DegreeString(mode);
  switch (format) {
    case 0:
      return Printf("%dd%um%us%c", d, s, dms.minutes, dms.seconds, letter, 0);
    case 1:
      return Printf("%3d%s%02u'%c", d, s, dms.minutes, 0, letter, 1);
    case 2:
      return Printf("%3d%s%02u'%02u\"%c", d, s, dms.minutes, dms.seconds, letter, 2);
    default:
      return Printf("%3d%s%c", d, s, 0, 0, letter, 3);
  }
}

}  // namespace

void DegToDms(double value, DmsValue& out) {
  out.degrees = TruncDegrees(value);
  double rest = MinutesRest(value, out.degrees);
  out.minutes = static_cast<uint8_t>(rest);
  out.seconds = static_cast<uint8_t>((rest - out.minutes) * 60.0);
}

void DegToDecMin(double value, DecMinValue& out) {
  out.degrees = TruncDegrees(value);
  double rest = MinutesRest(value, out.degrees);
  out.minutes = static_cast<uint8_t>(rest);
  out.fraction = static_cast<uint32_t>((rest - out.minutes) * 10000.0);
}

void FormatDecMinutes(std::string* text, DecMinValue value, char letter, int mode) {
  if (!text) return;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%3d%s%02d.%04u'%c",
                std::abs(static_cast<int>(value.degrees)), DegreeString(mode),
                static_cast<int>(value.minutes), static_cast<unsigned>(value.fraction), letter);
  *text = buffer;
}

void FormatLatLon(std::string* lonText, std::string* latText, double longitude, double latitude,
                  int format, int mode) {
  if (!lonText || !latText) return;
  *lonText = FormatOne(longitude, longitude >= 0 ? 'E' : 'W', format, mode);
  *latText = FormatOne(latitude, latitude >= 0 ? 'N' : 'S', format, mode);
}
