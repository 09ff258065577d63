// Encryption keys to and from the hexadecimal key field of CEK sentences.
#include "app/core/Cek.h"

#include <cctype>
#include <vector>

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::optional<std::string> DecodeCekKey(const std::string& formatter, const std::string& keyHex,
                                        char sentenceType) {
  if (formatter.compare(0, 3, "CEK") != 0 || sentenceType != 'R') return std::nullopt;
  std::vector<unsigned char> bytes;
  for (size_t i = 0; i < keyHex.size(); i += 2) {
    int high = HexDigit(keyHex[i]);
    if (high < 0) break;
    int low = i + 1 < keyHex.size() ? HexDigit(keyHex[i + 1]) : -1;
    bytes.push_back(static_cast<unsigned char>(low < 0 ? high : high * 16 + low));
    if (low < 0) break;
  }
  size_t start = 0;
  while (start < bytes.size() && start < 16 && bytes[start] == 0) ++start;
  std::string key;
  for (size_t i = start; i < bytes.size() && bytes[i] != 0; ++i) key += static_cast<char>(bytes[i]);
  return key;
}

std::string EncodeCekKey(const std::string& key) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (char ch : key) {
    unsigned char c = static_cast<unsigned char>(ch);
    out += kHex[c >> 4];
    out += kHex[c & 0x0F];
  }
  return out;
}
