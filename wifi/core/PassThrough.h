#pragma once
// The two sentences that put the transponder's serial link through to its
// Wi-Fi module and back.
inline constexpr const char* kWiFiEnterSentence = "$PDBG,163,1,,,,,,*14\r\n";
inline constexpr const char* kWiFiExitSentence = "$PDBG,163,0,,,,,,*15\r\n";
