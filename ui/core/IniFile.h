#pragma once
// The INI file behind the settings file and the language files, and the
// parse helpers its tests call.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A small INI file in the manner of the Windows private-profile functions:
// sections and keys compare without regard to (ASCII) case, the first match
// wins, blanks around a value are dropped and one pair of matching single or
// double quotes is removed, and a value holds at most 2,047 characters.
// The file is read once on construction; writes change the copy in memory
// until UpdateFile stores it through a temporary file and a rename.
class IniFile {
 public:
  static constexpr std::size_t kMaxValueChars = 2047;

  // legacyCodePage: iconv name of the code page a file that is not valid
  // UTF-8 is read in ("CP1252", "CP950", ...); empty for none.
  explicit IniFile(std::string path, std::string legacyCodePage = {});

  const std::string& Path() const { return path_; }
  // The file existed and could be read.
  bool Loaded() const { return loaded_; }

  bool ValueExists(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  // A value that is not a decimal integer in range gives the default.
  int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;

  // Line breaks in the value become blanks; a value with blanks at its ends
  // or in a pair of quotes is stored quoted, so that it reads back as written.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);

  // Stores the file (UTF-8): written beside it under a temporary name, then
  // renamed over it, so a failed write leaves the old file whole. On failure
  // returns false and, when `error` is given, says why.
  bool UpdateFile(std::string* error = nullptr) const;

 private:
  // Index of the line holding `key` in a section named `section`, or npos.
  std::size_t FindKey(std::string_view section, std::string_view key) const;

  std::string path_;
  std::vector<std::string> lines_;
  bool loaded_ = false;
  bool crlf_ = false;
};

// Parse helpers shared with the tests.
namespace ini {
bool EqualsNoCase(std::string_view a, std::string_view b);
std::string_view TrimBlanks(std::string_view s);
// The value as the private-profile reader returns it: trimmed, unquoted, cut.
std::string CleanValue(std::string_view raw);
}  // namespace ini
