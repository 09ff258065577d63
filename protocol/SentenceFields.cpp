// The field layer under every parser and builder: checksums, padding of empty fields,
// the field cursor, and locale-free converters that mark or clamp values out of range.
#include "protocol/SentenceFields.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

bool VerifyChecksum(std::string_view line) {
  if (line.size() < 2) return false;
  const std::size_t n = line.size();
  unsigned running = static_cast<unsigned char>(line[1]);
  std::size_t i = 2;
  for (;; ++i) {
    if (i >= n) return false;
    if (line[i] == '*') break;
    if (i + 3 > n) return false;  // the index must not exceed length - 3
    running ^= static_cast<unsigned char>(line[i]);
  }
  if (i + 2 >= n) return false;
  // Only 0-9 and A-F count as digits; anything else used to read as a digit.
  const int high = HexDigit(line[i + 1]);
  const int low = HexDigit(line[i + 2]);
  if (high < 0 || low < 0) return false;
  return static_cast<unsigned>(high * 16 + low) == running;
}

bool AppendChecksum(std::string& text) {
  if (text.size() >= 65535 || text.find('*') != std::string::npos) return false;
  unsigned running = 0;
  for (std::size_t i = 1; i < text.size(); ++i) running ^= static_cast<unsigned char>(text[i]);
  static constexpr char kHex[] = "0123456789ABCDEF";
  text += '*';
  text += kHex[(running >> 4) & 0xF];
  text += kHex[running & 0xF];
  text += "\r\n";
  return true;
}

bool PadEmptyFields(std::string& line) {
  char work[kSendBuffer];
  std::size_t out = 0;
  const std::size_t n = line.size();
  for (std::size_t i = 0; i < n; ++i) {
    work[out++] = line[i];
    if (out >= kMaxReceivedLine + 1) return false;
    if (line[i] == ',' && i + 1 < n && (line[i + 1] == ',' || line[i + 1] == '*')) {
      work[out++] = ' ';
      if (out >= kMaxReceivedLine + 1) return false;
    }
  }
  if (out != n) line.assign(work, out);
  return true;
}

bool HasCommaCount(const char* text, int count) {
  int commas = 0;
  for (const char* p = text; *p; ++p) commas += (*p == ',');
  return commas > 0 && commas == count;
}

char* FieldCursor::NextField(char delimiter) {
  if (rest_ == nullptr) return nullptr;
  char* field = rest_;
  char* end = std::strchr(field, delimiter);
  if (end == nullptr || delimiter == '\0') {
    rest_ = nullptr;
    return nullptr;
  }
  *end = '\0';
  rest_ = end + 1;
  char* p = field;
  while (*p == ' ') ++p;
  return *p != '\0' ? p : field;
}

FieldReader::FieldReader(char* text) : cursor_(text) {
  if (cursor_.NextField(',') == nullptr) complete_ = false;
}

const char* FieldReader::Take(char delimiter) {
  static const char kEmpty[] = " ";
  const char* field = complete_ ? cursor_.NextField(delimiter) : nullptr;
  if (field == nullptr) {
    complete_ = false;
    return kEmpty;
  }
  return field;
}

namespace {
// Text up to `end`, or up to the NUL when `end` is null. Only the low-order 32
// bits are kept (unsigned arithmetic wraps, it never overflows): an unsigned
// field such as a ten-digit MMSI reads back exactly through uint32_t.
int32_t ToInt(const char* p, const char* end) {
  auto more = [&p, end] { return end ? p < end : *p != '\0'; };
  while (more() && IsSpace(*p)) ++p;
  bool negative = false;
  if (more() && (*p == '+' || *p == '-')) negative = *p++ == '-';
  uint32_t value = 0;
  for (; more() && *p >= '0' && *p <= '9'; ++p)
    value = value * 10u + static_cast<uint32_t>(*p - '0');
  if (negative) value = 0u - value;
  return static_cast<int32_t>(value);
}
}  // namespace

int32_t FieldToInt(std::string_view text) { return ToInt(text.data(), text.data() + text.size()); }
int32_t FieldToInt(const char* text) { return ToInt(text, nullptr); }

double FieldToDouble(const char* text) {
  const char* p = text;
  while (IsSpace(*p)) ++p;
  if (*p == '+') ++p;
  const char* digits = (*p == '-') ? p + 1 : p;
  // Numbers only: no "nan" or "inf" from the wire.
  if (!((*digits >= '0' && *digits <= '9') || *digits == '.')) return 0.0;
  const char* end = p;
  while ((*end >= '0' && *end <= '9') || *end == '.' || *end == '-' || *end == '+' || *end == 'e' ||
         *end == 'E') {
    ++end;
  }
  double value = 0.0;
  const auto result = std::from_chars(p, end, value, std::chars_format::general);
  if (result.ec != std::errc()) return 0.0;
  constexpr double kMax = std::numeric_limits<float>::max();
  if (value > kMax) return kMax;
  if (value < -kMax) return -kMax;
  return value;
}

void CopyText(char* destination, std::size_t capacity, const char* field) {
  const std::size_t length = strnlen(field, capacity - 1);
  std::memcpy(destination, field, length);
  destination[length] = '\0';
}

float DdmmToDegrees(float value, float limit) {
  // Beyond any angle: also keeps the conversion to an integer defined.
  if (!(std::fabs(value) < 100000.0f)) return limit + 1.0f;
  const long double hundredth = static_cast<long double>(value) * 0.01L;
  const int32_t degrees = static_cast<int32_t>(hundredth);
  const float r = static_cast<float>((hundredth - degrees) * 1.6666666666666667L + degrees);
  if (std::fabs(r) > limit) return limit + 1.0f;
  return r;
}

void ParseLatLonFields(FieldReader& reader, const char* latitude, NMEA_POSITION& position) {
  position.latitude = IsEmptyField(latitude)
                          ? 91.0f
                          : DdmmToDegrees(static_cast<float>(FieldToDouble(latitude)), 90.0f);
  const char* ns = reader.Next();
  // The hemisphere turns only a real value: the markers 91 and 181 stay positive.
  if (std::strcmp(ns, "S") == 0 && position.latitude <= 90.0f)
    position.latitude = -position.latitude;
  const char* longitude = reader.Next();
  position.longitude = IsEmptyField(longitude)
                           ? 181.0f
                           : DdmmToDegrees(static_cast<float>(FieldToDouble(longitude)), 180.0f);
  const char* ew = reader.Next();
  if (std::strcmp(ew, "W") == 0 && position.longitude <= 180.0f)
    position.longitude = -position.longitude;
}

void ParseTimeField(const char* field, NMEA_TIME& time) {
  if (IsEmptyField(field)) {
    time.hour = 24;
    time.minute = 60;
    time.second = 60;
    return;
  }
  const char* p = field;
  while (IsSpace(*p)) ++p;
  if (*p == '+') ++p;
  int64_t whole = 0;
  int digits = 0;
  for (; *p >= '0' && *p <= '9'; ++p, ++digits) {
    if (digits < 9) whole = whole * 10 + (*p - '0');
  }
  if (*p == '-' || digits > 6) {  // no time of day: store the empty time
    time.hour = 24;
    time.minute = 60;
    time.second = 60;
    return;
  }
  time.hour = static_cast<uint8_t>(whole / 10000);
  time.minute = static_cast<uint8_t>(whole / 100 % 100);
  time.second = static_cast<uint8_t>(whole % 100);
  // Hundredths from the field's own digits, rounded: .10 stays 10, .999 gives 99.
  int hundredths = 0;
  if (*p == '.') {
    ++p;
    int scale = 100;
    int thousandths = 0;
    for (int k = 0; k < 3 && *p >= '0' && *p <= '9'; ++k, ++p) {
      thousandths += (*p - '0') * scale;
      scale /= 10;
    }
    hundredths = (thousandths + 5) / 10;
    if (hundredths > 99) hundredths = 99;
  }
  time.hundredths = static_cast<uint8_t>(hundredths);
}

void ParseDateField(const char* field, NMEA_DATE& date) {
  const int32_t n = IsEmptyField(field) ? 0 : FieldToInt(field);
  if (IsEmptyField(field) || n < 0 || n > 999999) {
    date.year = 0;
    date.month = 0;
    date.day = 0;
    return;
  }
  date.year = static_cast<uint16_t>(n % 100 + 2000);
  date.month = static_cast<uint8_t>(n / 100 % 100);
  date.day = static_cast<uint8_t>(n / 10000);
}

void DegToNmeaMinutes(float value, int16_t& degrees, int16_t& minutes, uint32_t& fraction) {
  if (!(std::fabs(value) < 32768.0f)) value = 0.0f;
  degrees = static_cast<int16_t>(value);
  const float m = static_cast<float>((value - degrees) * 60.0);
  minutes = static_cast<int16_t>(m);
  const double f = (static_cast<double>(m) - minutes) * 100000.0;
  fraction = static_cast<uint32_t>(f < 0 ? -f : f);
}

int SixBitValue(char c) {
  const int v = static_cast<unsigned char>(c);
  if (v < '0' || v > 'w' || (v >= 'X' && v <= '_')) return -1;
  return v <= 'W' ? v - '0' : v - 56;
}

bool HexToByte(std::string_view text, uint8_t& value) {
  value = 0;
  for (char c : text) {
    const int digit = HexDigit(c);
    if (digit < 0) return false;
    value = static_cast<uint8_t>(value * 16 + digit);
  }
  return true;
}
