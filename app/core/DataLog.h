#pragma once
// The DATA LOG page without widgets: saving the received lines, and the
// bytes of the custom command line.
#include <string>
#include <vector>

// Writes the lines, each ended by CR LF as they came from the device, through
// a temporary file that replaces `path` only when complete, so a failed save
// never destroys an earlier one. False with the system's reason in `error`.
bool SaveDataLog(const std::string& path, const std::vector<std::string>& lines,
                 std::string& error);

constexpr size_t kCustomCommandMaxBytes = 84;

struct CustomCommand {
  std::string bytes;      // what goes to the device
  bool stopWiFi = false;  // the command talks to the Wi-Fi module directly
};

// The edit's text (UTF-8, cut to 84 bytes on a character boundary) with CR LF
// appended, except for "+++", the module's escape, which must arrive alone.
// An AT command or the pass-through sentence stops the Wi-Fi step machine so
// it does not read the replies as its own.
CustomCommand PrepareCustomCommand(const std::string& text);
