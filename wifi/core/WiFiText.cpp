// Strict parsing of the module's numbers and dotted-quad addresses: a value
// is taken whole or refused.
#include "wifi/core/WiFiText.h"

#include <charconv>

namespace wifitext {

std::string WithoutFirst(std::string_view line, std::string_view text) {
  std::string out(line);
  if (text.empty()) return out;
  size_t at = out.find(text);
  if (at != std::string::npos) out.erase(at, text.size());
  return out;
}

std::optional<int> ParseInt(std::string_view text) {
  if (text.empty()) return std::nullopt;
  int value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<uint32_t> ParseDottedQuad(std::string_view text) {
  uint32_t address = 0;
  for (int part = 0; part < 4; ++part) {
    size_t dot = part < 3 ? text.find('.') : text.size();
    if (dot == std::string_view::npos) return std::nullopt;
    std::string_view digits = text.substr(0, dot);
    if (digits.empty() || digits.size() > 3) return std::nullopt;
    for (char c : digits)
      if (c < '0' || c > '9') return std::nullopt;
    auto value = ParseInt(digits);
    if (!value || *value > 255) return std::nullopt;
    address = (address << 8) | static_cast<uint32_t>(*value);
    text = part < 3 ? text.substr(dot + 1) : std::string_view{};
  }
  return address;
}

std::string FormatDottedQuad(uint32_t a) {
  return std::to_string((a >> 24) & 0xFF) + "." + std::to_string((a >> 16) & 0xFF) + "." +
         std::to_string((a >> 8) & 0xFF) + "." + std::to_string(a & 0xFF);
}

}  // namespace wifitext
