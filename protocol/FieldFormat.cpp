// Locale-free number and text formatting for built sentences; a text that would break
// the framing is refused, not cut.
#include "protocol/FieldFormat.h"

#include <charconv>
#include <cmath>
#include <cstring>

void AppendInt(std::string& out, long long value, int width) {
  char digits[24];
  const bool negative = value < 0;
  const unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(value)
                                                : static_cast<unsigned long long>(value);
  const auto end = std::to_chars(digits, digits + sizeof digits, magnitude).ptr;
  const int count = static_cast<int>(end - digits);
  if (negative) out += '-';
  // printf's "%0Nd": the sign counts towards the width.
  for (int pad = width - count - (negative ? 1 : 0); pad > 0; --pad) out += '0';
  out.append(digits, end);
}

void AppendFixed(std::string& out, double value, int precision, int zeroWidth) {
  if (!std::isfinite(value)) return;
  char text[64];
  const auto result =
      std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, precision);
  if (result.ec != std::errc()) return;
  const int count = static_cast<int>(result.ptr - text);
  const bool negative = text[0] == '-';
  if (negative) out += '-';
  for (int pad = zeroWidth - count; pad > 0; --pad) out += '0';
  out.append(text + (negative ? 1 : 0), result.ptr);
}

namespace {
bool FieldSafe(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u >= 0x20 && u != 0x7F && c != ',' && c != '*' && c != '$' && c != '!';
}
}  // namespace

void AppendChar(std::string& out, char c) {
  if (FieldSafe(c) && static_cast<unsigned char>(c) < 0x80) out += c;
}

bool AppendText(std::string& out, const char* text, std::size_t capacity) {
  const std::size_t length = strnlen(text, capacity);
  for (std::size_t i = 0; i < length; ++i) {
    if (!FieldSafe(text[i])) return false;
  }
  out.append(text, length);
  return true;
}
