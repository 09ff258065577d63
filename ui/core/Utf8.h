#pragma once
// Character-counted limits on UTF-8 text: a limit never cuts a character in two.
#include <cstddef>
#include <string>
#include <string_view>

namespace utf8 {

// Strict check: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValid(std::string_view s);

// Length in bytes of the first `maxChars` characters of valid UTF-8 text.
std::size_t PrefixBytes(std::string_view s, std::size_t maxChars);

std::size_t CountChars(std::string_view s);

// Text cut to its first `maxChars` characters.
std::string Truncate(std::string_view s, std::size_t maxChars);

// Invalid bytes each become U+FFFD, so the result is always valid UTF-8.
std::string Sanitize(std::string_view s);

}  // namespace utf8
