// IniFile on arbitrary files. Input: one byte choosing the legacy code page,
// a command line "section|key|value" up to the first LF, then the file.
// Every value read is valid UTF-8 within 2,047 characters and reads the same
// under another letter case; ReadInteger gives the default or the number the
// value spells; a value written and stored reads back as written from a fresh
// IniFile, and every other key reads as it did before.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/fuzz/fuzz_check.h"
#include "tests/fuzz/fuzz_scratch.h"
#include "ui/core/IniFile.h"
#include "ui/core/LanguageTable.h"
#include "ui/core/TextDecode.h"
#include "ui/core/Utf8.h"

namespace {

const std::string& FilePath() {
  static FuzzScratchDir dir("kvor-ini-fuzz-");
  static const std::string file = dir.path + "/f.ini";
  return file;
}

std::string CodePage(unsigned char selector) {
  const unsigned i = selector % (kLanguages.size() + 1);
  return i == 0 ? std::string() : std::string(kLanguages[i - 1].codePage);
}

std::string OtherCase(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z')
      c = static_cast<char>(c - 32);
    else if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c + 32);
  }
  return out;
}

bool HasAny(std::string_view s, std::string_view chars) {
  return s.find_first_of(chars) != std::string_view::npos;
}

// Names the file format can hold: what a caller of WriteString passes.
bool WritableSection(std::string_view s) {
  return utf8::IsValid(s) && ini::TrimBlanks(s) == s && !HasAny(s, std::string_view("]\r\n\0", 4));
}
bool WritableKey(std::string_view k) {
  return !k.empty() && utf8::IsValid(k) && ini::TrimBlanks(k) == k && k.front() != ';' &&
         k.front() != '[' && !HasAny(k, std::string_view("=\r\n\0", 4));
}
bool WritableValue(std::string_view v) {
  return utf8::IsValid(v) && utf8::CountChars(v) <= IniFile::kMaxValueChars && !HasAny(v, "\r\n");
}

// "[+-]digits" within int: the number; otherwise nothing.
bool DecimalInt(std::string_view s, long long& value) {
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  if (s.empty()) return false;
  long long v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
    if (v > static_cast<long long>(INT_MAX) + 1) return false;
  }
  value = negative ? -v : v;
  return value >= INT_MIN && value <= INT_MAX;
}

using Pair = std::pair<std::string, std::string>;

// Section and key names as the file holds them, each key with its section.
std::vector<Pair> NamesInFile(const std::string& text) {
  std::vector<Pair> pairs;
  std::string section;
  std::size_t start = 0;
  while (start < text.size() && pairs.size() < 48) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string_view line = ini::TrimBlanks(std::string_view(text).substr(start, end - start));
    start = end + 1;
    if (line.starts_with('[')) {
      const auto close = line.find(']');
      if (close != std::string_view::npos) section = ini::TrimBlanks(line.substr(1, close - 1));
      continue;
    }
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    pairs.emplace_back(section, ini::TrimBlanks(line.substr(0, eq)));
  }
  return pairs;
}

struct Reading {
  bool exists;
  std::string value;
};

Reading Read(const IniFile& ini, const Pair& p) {
  return {ini.ValueExists(p.first, p.second), ini.ReadString(p.first, p.second, "\x01-none-")};
}

void CheckReads(const IniFile& ini, const Pair& p) {
  const Reading r = Read(ini, p);
  if (!r.exists) {
    FUZZ_CHECK(r.value == "\x01-none-");
    FUZZ_CHECK(ini.ReadInteger(p.first, p.second, 77) == 77);
    return;
  }
  FUZZ_CHECK(utf8::IsValid(r.value));
  FUZZ_CHECK(utf8::CountChars(r.value) <= IniFile::kMaxValueChars);

  const Pair other{OtherCase(p.first), OtherCase(p.second)};
  FUZZ_CHECK(ini.ValueExists(other.first, other.second));
  FUZZ_CHECK(ini.ReadString(other.first, other.second, "") == r.value);

  long long want = 0;
  const bool decimal = DecimalInt(r.value, want);
  for (int def : {-7, 7}) {
    const int got = ini.ReadInteger(p.first, p.second, def);
    if (decimal)
      FUZZ_CHECK(got == want);
    else
      FUZZ_CHECK(got == def);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::string codePage = CodePage(data[0]);
  const auto lf = input.find('\n');
  const std::string_view command =
      lf == std::string_view::npos ? std::string_view() : input.substr(0, lf);
  const std::string_view file = lf == std::string_view::npos ? input : input.substr(lf + 1);

  const std::string& path = FilePath();
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(file.data(), static_cast<std::streamsize>(file.size()));

  IniFile ini(path, codePage);
  FUZZ_CHECK(ini.Loaded());

  std::vector<Pair> pairs = NamesInFile(DecodeText(file, codePage));
  const auto bar1 = command.find('|');
  const auto bar2 = bar1 == std::string_view::npos ? bar1 : command.find('|', bar1 + 1);
  Pair target;
  std::string_view value;
  const bool write = bar2 != std::string_view::npos;
  if (write) {
    target = {std::string(command.substr(0, bar1)),
              std::string(command.substr(bar1 + 1, bar2 - bar1 - 1))};
    value = command.substr(bar2 + 1);
    pairs.push_back(target);
  }

  std::vector<Reading> before;
  for (const Pair& p : pairs) {
    CheckReads(ini, p);
    before.push_back(Read(ini, p));
  }

  if (!write || !WritableSection(target.first) || !WritableKey(target.second) ||
      !WritableValue(value)) {
    return 0;
  }
  auto same = [&](const Pair& p) {
    return ini::EqualsNoCase(p.first, target.first) && ini::EqualsNoCase(p.second, target.second);
  };
  auto checkOthers = [&](const IniFile& fresh) {
    for (std::size_t i = 0; i < pairs.size(); ++i) {
      if (same(pairs[i])) continue;
      const Reading r = Read(fresh, pairs[i]);
      FUZZ_CHECK(r.exists == before[i].exists);
      FUZZ_CHECK(r.value == before[i].value);
    }
  };

  ini.WriteString(target.first, target.second, value);
  std::string error;
  FUZZ_CHECK(ini.UpdateFile(&error));
  {
    IniFile fresh(path, codePage);
    FUZZ_CHECK(fresh.ReadString(target.first, target.second, "\x01-none-") == value);
    checkOthers(fresh);
  }

  // Rewriting a key that is now there replaces it in place.
  const int number = static_cast<int>(size * 2654435761u);
  ini.WriteInteger(OtherCase(target.first), target.second, number);
  FUZZ_CHECK(ini.UpdateFile(&error));
  {
    IniFile fresh(path, codePage);
    FUZZ_CHECK(fresh.ReadInteger(target.first, target.second, number ^ 1) == number);
    checkOthers(fresh);
  }
  return 0;
}
