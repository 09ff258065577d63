// Escaping and unescaping texts for configuration sentences: reserved bytes as
// '^' and two hexadecimal digits, decoding bounded to 200 bytes.
#include "app/core/TextEscape.h"

#include <cstring>

namespace {

int UpperHexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

bool IsReservedChar(unsigned char c) {
  return c < 32 || c >= 126 || std::strchr("!$*,\\^", c) != nullptr;
}

std::string EscapeText(const std::string& in) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(in.size() * 3);
  for (char ch : in) {
    unsigned char c = static_cast<unsigned char>(ch);
    if (c == 0) break;  // the device's texts end at the first NUL
    if (IsReservedChar(c)) {
      out += '^';
      out += kHex[c >> 4];
      out += kHex[c & 0x0F];
    } else {
      out += ch;
    }
  }
  return out;
}

bool UnescapeText(std::string& text) {
  if (text.find('^') == std::string::npos) return false;
  const std::string in = text.substr(0, 200);
  std::string out;
  out.reserve(in.size());
  for (size_t i = 0; i < in.size(); ++i) {
    if (in[i] == '^' && i + 2 < in.size() && UpperHexDigit(in[i + 1]) >= 0 &&
        UpperHexDigit(in[i + 2]) >= 0) {
      char value = static_cast<char>(UpperHexDigit(in[i + 1]) * 16 + UpperHexDigit(in[i + 2]));
      if (value == 0) break;
      out += value;
      i += 2;
    } else {
      out += in[i];
    }
  }
  text = out;
  return true;
}
