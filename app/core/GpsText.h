#pragma once
// Texts of the GPS status page. Formatting is locale-free: the program runs
// under QApplication, which sets the C locale from the environment. Texts are
// UTF-8 (the degree sign is "°").
#include <string>

// "%*.*f" without the locale: right-aligned in width, fixed precision.
std::string FormatFixed(double value, int width, int precision);

// "2D" / "3D" for modes 2 and 3, else "Lost".
std::string FixModeText(int fixMode);
// "%4.1f", or "N/A" for 99.9 and above and for the missing-value marker.
std::string HdopText(float hdop);
// HDOP as shown next to the fix mode: modes other than 2D/3D show no HDOP.
std::string HdopTextForMode(int fixMode, float hdop);
// "%5.2f Kn" for 0 <= sog < 102.2, else "N/A".
std::string SogText(float sog);
// "%5.1f°" for 0 <= cog < 360, else "N/A".
std::string CogText(float cog);
// A position is available when |lon| <= 180.1 and |lat| <= 90.1 (181/91 mark a missing one).
bool PositionAvailable(float lon, float lat);
// "YYYY/MM/DD" and "hh:mm:ss".
std::string UtcDateText(int year, int month, int day);
std::string UtcTimeText(int hour, int minute, int second);
// 8-bit text with the Western degree byte 176 turned into UTF-8.
std::string Latin1ToUtf8(const std::string& text);
