// The INI file: decoded once on load, sections and keys found case-blind,
// values cleaned as the old profile reader did, the whole file stored
// atomically.
#include "ui/core/IniFile.h"

#include <charconv>
#include <limits>

#include "ui/core/AtomicFile.h"
#include "ui/core/TextDecode.h"
#include "ui/core/Utf8.h"

namespace ini {

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::string_view TrimBlanks(std::string_view s) {
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

std::string CleanValue(std::string_view raw) {
  std::string_view v = TrimBlanks(raw);
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
    v = v.substr(1, v.size() - 2);
  }
  return utf8::Truncate(v, IniFile::kMaxValueChars);
}

}  // namespace ini

namespace {

// "[name]" gives name; other lines nothing.
bool SectionName(std::string_view line, std::string_view& name) {
  line = ini::TrimBlanks(line);
  if (line.empty() || line.front() != '[') return false;
  const auto close = line.find(']');
  if (close == std::string_view::npos) return false;
  name = ini::TrimBlanks(line.substr(1, close - 1));
  return true;
}

// A value the reader would change: blanks at its ends, or one pair of quotes
// around it, which the reader drops.
bool NeedsQuotes(std::string_view value) {
  const std::string_view t = ini::TrimBlanks(value);
  if (t.size() != value.size()) return true;
  return t.size() >= 2 && (t.front() == '"' || t.front() == '\'') && t.back() == t.front();
}

bool KeyAndValue(std::string_view line, std::string_view& key, std::string_view& value) {
  const std::string_view t = ini::TrimBlanks(line);
  if (t.empty() || t.front() == ';' || t.front() == '[') return false;
  const auto eq = line.find('=');
  if (eq == std::string_view::npos) return false;
  key = ini::TrimBlanks(line.substr(0, eq));
  value = line.substr(eq + 1);
  return !key.empty();
}

}  // namespace

IniFile::IniFile(std::string path, std::string legacyCodePage) : path_(std::move(path)) {
  const auto bytes = ReadFileBytes(path_);
  if (!bytes) return;
  loaded_ = true;
  const std::string text = DecodeText(*bytes, legacyCodePage);
  std::size_t start = 0;
  while (start < text.size()) {
    auto end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
      crlf_ = true;
    }
    lines_.push_back(std::move(line));
    start = end + 1;
  }
}

std::size_t IniFile::FindKey(std::string_view section, std::string_view key) const {
  bool inSection = false;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    std::string_view name, k, v;
    if (SectionName(lines_[i], name)) {
      inSection = ini::EqualsNoCase(name, section);
    } else if (inSection && KeyAndValue(lines_[i], k, v) && ini::EqualsNoCase(k, key)) {
      return i;
    }
  }
  return std::string::npos;
}

bool IniFile::ValueExists(std::string_view section, std::string_view key) const {
  return FindKey(section, key) != std::string::npos;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
  const std::size_t i = FindKey(section, key);
  if (i == std::string::npos) return std::string(defaultValue);
  std::string_view k, v;
  KeyAndValue(lines_[i], k, v);
  return ini::CleanValue(v);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
  if (!ValueExists(section, key)) return defaultValue;
  const std::string s = ReadString(section, key, "");
  std::string_view digits = s;
  if (digits.starts_with('+')) {
    digits.remove_prefix(1);
    if (digits.starts_with('-')) return defaultValue;  // "+-3" is no number
  }
  long long v = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), v);
  if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size() ||
      v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max()) {
    return defaultValue;
  }
  return static_cast<int>(v);
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  // A line break in a value would make a line of its own when read back.
  std::string clean(value);
  for (char& c : clean) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  // Quoted, it reads back as written.
  if (NeedsQuotes(clean)) clean = "\"" + clean + "\"";
  const std::size_t i = FindKey(section, key);
  if (i != std::string::npos) {
    std::string_view k, v;
    KeyAndValue(lines_[i], k, v);
    lines_[i] = std::string(k) + "=" + clean;
    return;
  }
  // Append to the first section of that name, after its last non-blank line.
  bool inSection = false;
  std::size_t insertAt = std::string::npos;
  for (std::size_t j = 0; j < lines_.size(); ++j) {
    std::string_view name;
    if (SectionName(lines_[j], name)) {
      if (insertAt != std::string::npos) break;
      inSection = ini::EqualsNoCase(name, section);
      if (inSection) insertAt = j + 1;
    } else if (inSection && !ini::TrimBlanks(lines_[j]).empty()) {
      insertAt = j + 1;
    }
  }
  const std::string entry = std::string(key) + "=" + clean;
  if (insertAt != std::string::npos) {
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
    return;
  }
  if (!lines_.empty() && !ini::TrimBlanks(lines_.back()).empty()) lines_.emplace_back();
  lines_.push_back("[" + std::string(section) + "]");
  lines_.push_back(entry);
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

bool IniFile::UpdateFile(std::string* error) const {
  const char* eol = crlf_ ? "\r\n" : "\n";
  std::string text;
  for (const auto& line : lines_) {
    text += line;
    text += eol;
  }
  // The reader drops one leading byte-order mark: text that starts with one
  // needs another in front to read back as it is.
  if (text.starts_with("\xEF\xBB\xBF")) text.insert(0, "\xEF\xBB\xBF");
  std::string reason;
  if (WriteFileAtomically(path_, text, &reason)) return true;
  if (error) *error = "Cannot create file \"" + path_ + "\". " + reason;
  return false;
}
