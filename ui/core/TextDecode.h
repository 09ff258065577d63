#pragma once
// Text files shipped or copied from old installations: UTF-8 now, or a
// language's old code page before.
#include <optional>
#include <string>
#include <string_view>

// iconv conversion to UTF-8; nullopt when the code page is unknown or the
// bytes are not valid in it.
std::optional<std::string> ConvertToUtf8(std::string_view bytes, const std::string& fromCode);

// UTF-8 as it is (a leading BOM dropped); otherwise converted from
// `legacyCodePage` when one is given and the bytes fit it; otherwise the
// invalid bytes become U+FFFD. The result is always valid UTF-8.
std::string DecodeText(std::string_view bytes, const std::string& legacyCodePage);

// Whole file as bytes; nullopt when it cannot be opened or is larger than
// `maxBytes` (nobody ships a language file of megabytes).
std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t maxBytes = 4u << 20);
