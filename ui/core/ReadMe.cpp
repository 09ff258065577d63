// Read-me text split into memo lines: line ends dropped, long lines carried
// on, never inside a character.
#include "ui/core/ReadMe.h"

#include "ui/core/TextDecode.h"
#include "ui/core/Utf8.h"

std::vector<std::string> SplitReadMe(std::string_view text, std::size_t maxChars) {
  std::vector<std::string> lines;
  if (maxChars == 0) maxChars = 1;
  while (!text.empty()) {
    const auto lf = text.find('\n');
    std::string_view line = text.substr(0, lf);
    text.remove_prefix(lf == std::string_view::npos ? text.size() : lf + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    do {
      const std::size_t n = utf8::PrefixBytes(line, maxChars);
      lines.emplace_back(line.substr(0, n));
      line.remove_prefix(n);
    } while (!line.empty());
  }
  return lines;
}

std::optional<std::vector<std::string>> LoadReadMeLines(const std::string& path,
                                                        const std::string& codePage) {
  const auto bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  return SplitReadMe(DecodeText(*bytes, codePage));
}
