#pragma once
// Replacing a file whole, so that the settings file and a saved report are
// never left half written.
#include <string>
#include <string_view>

// Writes `bytes` beside `path` under a temporary name and renames it into
// place, so readers see the old file or the new one, never half of one.
// On failure the old file is left as it was, the temporary one is removed,
// and `error` (when given) receives the system's reason.
bool WriteFileAtomically(const std::string& path, std::string_view bytes,
                         std::string* error = nullptr);
