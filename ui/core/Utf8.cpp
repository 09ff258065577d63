// A strict UTF-8 sequence check under every count, cut and repair; an
// invalid byte counts as one character.
#include "ui/core/Utf8.h"

namespace utf8 {
namespace {

// Byte length of the valid sequence starting at s[i], or 0 when it is not one.
std::size_t SequenceLength(std::string_view s, std::size_t i) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  if (b0 < 0x80) return 1;
  std::size_t len;
  char32_t cp;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    len = 2;
    cp = b0 & 0x1F;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    len = 3;
    cp = b0 & 0x0F;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    len = 4;
    cp = b0 & 0x07;
  } else {
    return 0;
  }
  if (i + len > s.size()) return 0;
  for (std::size_t k = 1; k < len; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  if (len == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) return 0;
  if (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) return 0;
  return len;
}

}  // namespace

bool IsValid(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t n = SequenceLength(s, i);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

std::size_t PrefixBytes(std::string_view s, std::size_t maxChars) {
  std::size_t i = 0;
  for (std::size_t chars = 0; i < s.size() && chars < maxChars; ++chars) {
    const std::size_t n = SequenceLength(s, i);
    i += n == 0 ? 1 : n;
  }
  return i;
}

std::size_t CountChars(std::string_view s) {
  std::size_t chars = 0;
  for (std::size_t i = 0; i < s.size(); ++chars) {
    const std::size_t n = SequenceLength(s, i);
    i += n == 0 ? 1 : n;
  }
  return chars;
}

std::string Truncate(std::string_view s, std::size_t maxChars) {
  return std::string(s.substr(0, PrefixBytes(s, maxChars)));
}

std::string Sanitize(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t n = SequenceLength(s, i);
    if (n == 0) {
      out += "\xEF\xBF\xBD";
      ++i;
    } else {
      out.append(s.substr(i, n));
      i += n;
    }
  }
  return out;
}

}  // namespace utf8
