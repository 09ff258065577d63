// The GPS page's texts formatted without the locale, with the range checks
// that turn missing or out-of-range values into "N/A".
#include "app/core/GpsText.h"

#include <charconv>
#include <cmath>
#include <cstdio>

std::string FormatFixed(double value, int width, int precision) {
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, precision);
  std::string s = res.ec == std::errc() ? std::string(buf, res.ptr) : std::string("N/A");
  if (static_cast<int>(s.size()) < width) s.insert(0, width - s.size(), ' ');
  return s;
}

std::string FixModeText(int fixMode) {
  if (fixMode == 2 || fixMode == 3) return std::to_string(fixMode) + "D";
  return "Lost";
}

std::string HdopText(float hdop) {
  // Written as a range test so that NaN and the empty marker both fall out.
  if (!(hdop >= 0.0f && hdop < 99.9f)) return "N/A";
  return FormatFixed(hdop, 4, 1);
}

std::string HdopTextForMode(int fixMode, float hdop) {
  return (fixMode == 2 || fixMode == 3) ? HdopText(hdop) : HdopText(99.9f);
}

std::string SogText(float sog) {
  if (!(sog >= 0.0f && sog < 102.2f)) return "N/A";
  return FormatFixed(sog, 5, 2) + " Kn";
}

std::string CogText(float cog) {
  if (!(cog >= 0.0f && cog < 360.0f)) return "N/A";
  return FormatFixed(cog, 5, 1) + "\u00B0";
}

bool PositionAvailable(float lon, float lat) {
  return std::fabs(lon) <= 180.1f && std::fabs(lat) <= 90.1f;
}

std::string UtcDateText(int year, int month, int day) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d/%02d/%02d", year, month, day);
  return buf;
}

std::string UtcTimeText(int hour, int minute, int second) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", hour, minute, second);
  return buf;
}

std::string Latin1ToUtf8(const std::string& text) {
  std::string out;
  out.reserve(text.size() + 4);
  for (unsigned char c : text) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}
