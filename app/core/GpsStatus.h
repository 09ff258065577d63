#pragma once
// The GPS status page as plain data: the satellites gathered over one output
// cycle of the receiver, and what each GNSS sentence changes on the page.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

constexpr int kCycleSatelliteCapacity = 36;
constexpr int kSkyMarkerCount = 32;
constexpr int kMinSignalBars = 16;

struct SatsInUseList {
  uint8_t count = 0;
  std::array<int8_t, kCycleSatelliteCapacity> prn{};
  bool Contains(int8_t id) const;
  // Appends an id not yet in the list; a full list takes no more.
  void Add(int8_t id);
};

struct SatsInViewList {
  uint8_t count = 0;
  std::array<int8_t, kCycleSatelliteCapacity> prn{};
  std::array<int8_t, kCycleSatelliteCapacity> elevation{};
  std::array<int16_t, kCycleSatelliteCapacity> azimuth{};
  std::array<int8_t, kCycleSatelliteCapacity> snr{};
  bool Contains(int8_t id) const;
  void Add(int8_t id, int8_t elev, int16_t azim, int8_t signal);
};

// Bits of GpsTypesSeen. GSA and GSV have none: they never end a cycle.
enum GpsTypeBit : uint8_t { kSeenRMC = 1, kSeenVTG = 2, kSeenGGA = 4, kSeenGLL = 8, kSeenGBS = 16 };
// The bit of a formatter, 0 for one that has none.
uint8_t GpsTypeBitOf(const char* formatter);

// What one stored GNSS sentence left in the group record and in the own-vessel
// slot of the target table, in the record's own widths.
struct GpsSentenceInput {
  char formatter[4] = {};
  bool utcValid = false;
  int year = 0, month = 0, day = 0;
  int hour = 0, minute = 0, second = 0;
  bool fixModeUpdated = false;  // the caller clears the record's flag
  int fixMode = 0;
  float hdop = -100000.0f;
  bool fixValid = false;
  float lon = 181.0f, lat = 91.0f, sog = 0.0f, cog = 0.0f;  // own vessel
  std::array<int8_t, 12> gsaIds{};                          // GSA, 128 (as -128) when empty
  int gsvCount = 0;                                         // satellites of the last GSV, 0..4
  std::array<uint8_t, 4> gsvPrn{};
  std::array<int8_t, 4> gsvElevation{};
  std::array<uint16_t, 4> gsvAzimuth{};
  std::array<int8_t, 4> gsvSnr{};
};

struct SignalBar {
  std::string label;  // PRN, or "---" for a filler bar
  int value = 0;      // SNR in dB-Hz
  bool used = false;  // in the fix: green, else blue
};

struct SkyMarkerState {
  int prn = 0, azimuth = 0, elevation = 0;
  bool used = false;
  bool visible = false;
};

// A satellite has a place on the sky plot only with an elevation 0..90 and an
// azimuth 0..359; the empty markers (128, 65535) have none.
bool HasSkyPosition(int elevation, int azimuth);

struct GpsRedraw {
  std::vector<SignalBar> bars;  // at least kMinSignalBars
  std::array<SkyMarkerState, kSkyMarkerCount> markers{};
  int inUseCount = 0, inViewCount = 0;
  std::string inUse, inView;
};

// The texts a sentence changes at once (unset: left as they are), and the
// chart and sky plot when the sentence ended a cycle.
struct GpsPageUpdate {
  std::optional<std::string> utcDate, utcTime, fixMode, hdop, lon, lat, sog, cog;
  std::optional<GpsRedraw> redraw;
};

// The chart as it stands before any cycle: 16 blue "---" bars.
std::vector<SignalBar> EmptySignalBars();

// One cycle's satellites and the sentence types seen in it.
struct GpsStatusModel {
  SatsInUseList SatsInUse;
  SatsInViewList SatsInView;
  uint8_t GpsTypesSeen = 0;

  GpsPageUpdate UpdateGpsStatus(const GpsSentenceInput& in);
  // Empties the cycle (connection start).
  void Reset();

 private:
  GpsRedraw BuildRedraw() const;
};

// Longitude and latitude texts of the page, "N/A" for a position not available.
void PositionTexts(float lon, float lat, std::string& lonText, std::string& latText);
