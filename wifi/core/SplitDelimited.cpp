// Field splitting with double quotes, strict or forgiving of blanks and of a
// quote left open.
#include "wifi/core/SplitDelimited.h"

namespace {
bool IsBlank(char c) { return c >= 1 && c <= ' '; }
}  // namespace

std::optional<std::vector<std::string>> SplitDelimited(std::string_view text, char delimiter,
                                                       bool strict) {
  std::vector<std::string> fields;
  size_t p = 0;
  const size_t n = text.size();
  auto skipBlanks = [&] {
    if (!strict)
      while (p < n && IsBlank(text[p])) ++p;
  };
  skipBlanks();
  while (p < n) {
    std::string field;
    if (text[p] == '"') {
      ++p;
      bool closed = false;
      while (p < n) {
        if (text[p] == '"') {
          if (p + 1 < n && text[p + 1] == '"') {
            field += '"';
            p += 2;
            continue;
          }
          ++p;
          closed = true;
          break;
        }
        field += text[p++];
      }
      if (strict && (!closed || (p < n && text[p] != delimiter))) return std::nullopt;
    } else {
      size_t start = p;
      while (p < n && text[p] != delimiter && (strict || !IsBlank(text[p]))) ++p;
      field.assign(text.substr(start, p - start));
    }
    fields.push_back(std::move(field));
    skipBlanks();
    if (p < n && text[p] == delimiter) {
      ++p;
      if (p == n) fields.emplace_back();
      skipBlanks();
    }
  }
  return fields;
}
