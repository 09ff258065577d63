#pragma once
// Small text helpers of the reply parsers.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wifitext {

inline bool Contains(std::string_view line, std::string_view text) {
  return line.find(text) != std::string_view::npos;
}

// The line with the first occurrence of `text` removed.
std::string WithoutFirst(std::string_view line, std::string_view text);

// A whole decimal integer, optional leading '-'; nothing else allowed.
std::optional<int> ParseInt(std::string_view text);

// "a.b.c.d" with each part 0-255, first part in the highest byte.
std::optional<uint32_t> ParseDottedQuad(std::string_view text);

std::string FormatDottedQuad(uint32_t address);

}  // namespace wifitext
