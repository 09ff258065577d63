// Reading and storing the language choice; a number out of range is stored
// as English, and a failed write is reported without holding up the exit.
#include "ui/core/LanguageSetting.h"

#include <cstdio>

#include "ui/core/IniFile.h"

int ReadLanguageSetting(const std::string& settingsFile) {
  const IniFile ini(settingsFile);
  return ini.ReadInteger("VIEW", "Language", 0);
}

bool WriteLanguageSetting(const std::string& settingsFile, int languageIndex, std::string* error) {
  IniFile ini(settingsFile);
  // Out-of-range numbers were applied as English, and are stored as such.
  ini.WriteInteger("VIEW", "Language",
                   languageIndex >= 0 && languageIndex <= 3 ? languageIndex : 0);
  std::string reason;
  if (ini.UpdateFile(&reason)) return true;
  std::fprintf(stderr, "kvor-ais-config: language setting not saved: %s\n", reason.c_str());
  if (error) *error = reason;
  return false;
}
