// The local clock, read at most once a second, and the packing of its date and time
// into the stamps the target table keeps.
#include "protocol/AisClock.h"

std::tm SystemLocalTime() {
  thread_local std::time_t cachedAt = -1;
  thread_local std::tm cached{};
  const std::time_t now = std::time(nullptr);
  if (now != cachedAt) {
    localtime_r(&now, &cached);
    cachedAt = now;
  }
  return cached;
}

std::tm ReadLocalClock(const LocalClock& clock) { return clock ? clock() : SystemLocalTime(); }

DateYmd PackDateYmd(const std::tm& now) {
  return MakeDateYmd(now.tm_year + 1900, now.tm_mon + 1, now.tm_mday);
}

TimeHms PackTimeHms(const std::tm& now) { return MakeTimeHms(now.tm_hour, now.tm_min, now.tm_sec); }

DateYmd MakeDateYmd(int year, int month, int day) {
  return DateYmd{static_cast<uint16_t>(year), static_cast<uint8_t>(month),
                 static_cast<uint8_t>(day)};
}

TimeHms MakeTimeHms(int hour, int minute, int second) {
  return TimeHms{static_cast<uint8_t>(hour), static_cast<uint8_t>(minute),
                 static_cast<uint8_t>(second), 0};
}

DateTimeStamp GetEmptyDateTime() { return DateTimeStamp{}; }

uint32_t StampToSeconds(const DateYmd& date, const TimeHms& time) {
  static constexpr uint32_t kDaysBefore[13] = {0,   0,   31,  59,  90,  120, 151,
                                               181, 212, 243, 273, 304, 334};
  // A month outside 1..12 (only a broken clock gives one) must not index past the table.
  const uint32_t month = date.month <= 12 ? date.month : 12;
  const uint32_t days = (date.year % 100u) * 365u + kDaysBefore[month] + date.day;
  return ((days * 24u + time.hour) * 60u + time.minute) * 60u + time.second;
}
