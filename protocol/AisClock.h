#pragma once
// Local date and time as the AIS target table keeps them: packed stamps, the clock they
// are read from (replaced in tests), and a key that orders stamps.
#include <cstdint>
#include <ctime>
#include <functional>

// Packed local date and time, as kept in the target table and the report.
struct DateYmd {
  uint16_t year;
  uint8_t month;
  uint8_t day;
};

struct TimeHms {
  uint8_t hour;
  uint8_t minute;
  uint8_t second;
  uint8_t spare;
};

struct DateTimeStamp {
  DateYmd date;
  TimeHms time;
};

// Source of the local date and time. Empty means the system's local clock;
// tests put a fake one in so that ageing and eviction can be driven.
using LocalClock = std::function<std::tm()>;

// The system's local time (cached per second: it is read for every AIS message).
std::tm SystemLocalTime();
std::tm ReadLocalClock(const LocalClock& clock);

DateYmd PackDateYmd(const std::tm& now);
TimeHms PackTimeHms(const std::tm& now);  // whole seconds; hundredths dropped
DateYmd MakeDateYmd(int year, int month, int day);
TimeHms MakeTimeHms(int hour, int minute, int second);
DateTimeStamp GetEmptyDateTime();

// Seconds count for ordering stamps. Every year has 365 days and only the year
// within its century counts, so it orders stamps, it does not measure them.
uint32_t StampToSeconds(const DateYmd& date, const TimeHms& time);
