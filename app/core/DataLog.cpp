// The data log saved atomically with CR LF endings, and the custom command cut
// on a character boundary and marked when it talks to the Wi-Fi module.
#include "app/core/DataLog.h"

#include "ui/core/AtomicFile.h"

bool SaveDataLog(const std::string& path, const std::vector<std::string>& lines,
                 std::string& error) {
  std::string bytes;
  size_t total = 0;
  for (const auto& l : lines) total += l.size() + 2;
  bytes.reserve(total);
  for (const auto& l : lines) {
    bytes += l;
    bytes += "\r\n";
  }
  error.clear();
  return WriteFileAtomically(path, bytes, &error);
}

CustomCommand PrepareCustomCommand(const std::string& text) {
  CustomCommand c;
  std::string t = text;
  if (t.size() > kCustomCommandMaxBytes) {
    size_t cut = kCustomCommandMaxBytes;
    // Back off continuation bytes so no character is split.
    while (cut > 0 && (static_cast<unsigned char>(t[cut]) & 0xC0) == 0x80) --cut;
    t.resize(cut);
  }
  if (t != "+++") t += "\r\n";
  if (t.size() > 3 &&
      (t.find("AT+") != std::string::npos || t.find("$PDBG,163,1,,,,,,*14") != std::string::npos))
    c.stopWiFi = true;
  c.bytes = std::move(t);
  return c;
}
