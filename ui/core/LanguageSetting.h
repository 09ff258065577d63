#pragma once
// The one remembered setting: section "VIEW", key "Language" of the settings
// file (0 English, 1 Traditional Chinese, 2 Simplified Chinese, 3 Russian).
#include <string>

// Missing file, missing key or a value that is not a number: 0.
int ReadLanguageSetting(const std::string& settingsFile);

// Stores `languageIndex` (any other key of the file is kept). A file that
// cannot be written must not hold up the program's exit: the failure is put
// on standard error and false returned; `error` receives the reason.
bool WriteLanguageSetting(const std::string& settingsFile, int languageIndex,
                          std::string* error = nullptr);
