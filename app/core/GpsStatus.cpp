// The GPS page model: satellites gathered in use and in view until a sentence
// type repeats, which ends the cycle and yields the chart and the sky plot.
#include "app/core/GpsStatus.h"

#include <cstring>

#include "app/core/GpsText.h"

bool SatsInUseList::Contains(int8_t id) const {
  for (int i = 0; i < count; ++i)
    if (prn[i] == id) return true;
  return false;
}

void SatsInUseList::Add(int8_t id) {
  if (count >= kCycleSatelliteCapacity || Contains(id)) return;
  prn[count++] = id;
}

bool SatsInViewList::Contains(int8_t id) const {
  for (int i = 0; i < count; ++i)
    if (prn[i] == id) return true;
  return false;
}

void SatsInViewList::Add(int8_t id, int8_t elev, int16_t azim, int8_t signal) {
  if (count >= kCycleSatelliteCapacity || Contains(id)) return;
  prn[count] = id;
  elevation[count] = elev;
  azimuth[count] = azim;
  snr[count] = signal;
  ++count;
}

uint8_t GpsTypeBitOf(const char* formatter) {
  static const struct {
    const char* name;
    uint8_t bit;
  } kBits[] = {{"RMC", kSeenRMC},
               {"VTG", kSeenVTG},
               {"GGA", kSeenGGA},
               {"GLL", kSeenGLL},
               {"GBS", kSeenGBS}};
  for (const auto& b : kBits)
    if (std::strcmp(formatter, b.name) == 0) return b.bit;
  return 0;
}

bool HasSkyPosition(int elevation, int azimuth) {
  return elevation >= 0 && elevation <= 90 && azimuth >= 0 && azimuth <= 359;
}

std::vector<SignalBar> EmptySignalBars() {
  return std::vector<SignalBar>(kMinSignalBars, SignalBar{"---", 0, false});
}

GpsPageUpdate GpsStatusModel::UpdateGpsStatus(const GpsSentenceInput& in) {
  GpsPageUpdate up;
  if (in.utcValid) {
    up.utcDate = UtcDateText(in.year, in.month, in.day);
    up.utcTime = UtcTimeText(in.hour, in.minute, in.second);
  }
  if (in.fixModeUpdated) {
    up.fixMode = FixModeText(in.fixMode);
    up.hdop = HdopTextForMode(in.fixMode, in.hdop);
  }
  if (in.fixValid) {
    std::string lon, lat;
    PositionTexts(in.lon, in.lat, lon, lat);
    up.lon = lon;
    up.lat = lat;
    up.sog = SogText(in.sog);
    up.cog = CogText(in.cog);
  }

  bool redrawDue = false;
  const uint8_t bit = GpsTypeBitOf(in.formatter);
  if (bit != 0) {
    redrawDue = (GpsTypesSeen & bit) != 0;
    GpsTypesSeen |= bit;
  } else if (std::strcmp(in.formatter, "GSA") == 0) {
    for (int8_t id : in.gsaIds)
      if (id > 0) SatsInUse.Add(id);
  } else if (std::strcmp(in.formatter, "GSV") == 0) {
    const int n = in.gsvCount < 0 ? 0 : (in.gsvCount > 4 ? 4 : in.gsvCount);
    for (int i = 0; i < n; ++i) {
      const auto id = static_cast<int8_t>(in.gsvPrn[i]);  // ids above 127 drop out here
      if (id < 0 || in.gsvSnr[i] < 0) continue;
      SatsInView.Add(id, in.gsvElevation[i], static_cast<int16_t>(in.gsvAzimuth[i]), in.gsvSnr[i]);
    }
  }

  if (redrawDue) {
    up.redraw = BuildRedraw();
    SatsInUse = {};
    SatsInView = {};
    // The sentence that ends a cycle also opens the next one, so a receiver
    // that starts every second with RMC redraws on every RMC.
    GpsTypesSeen = bit;
  }
  return up;
}

GpsRedraw GpsStatusModel::BuildRedraw() const {
  GpsRedraw r;
  for (int i = 0; i < SatsInView.count; ++i) {
    const bool used = SatsInUse.Contains(SatsInView.prn[i]);
    r.bars.push_back({std::to_string(SatsInView.prn[i]), SatsInView.snr[i], used});
    if (i < kSkyMarkerCount) {
      SkyMarkerState& m = r.markers[i];
      m.prn = SatsInView.prn[i];
      m.azimuth = SatsInView.azimuth[i];
      m.elevation = SatsInView.elevation[i];
      m.used = used;
      m.visible = HasSkyPosition(m.elevation, m.azimuth);
    }
  }
  while (r.bars.size() < static_cast<size_t>(kMinSignalBars)) r.bars.push_back({"---", 0, false});
  r.inUseCount = SatsInUse.count;
  r.inViewCount = SatsInView.count;
  r.inUse = std::to_string(SatsInUse.count);
  r.inView = std::to_string(SatsInView.count);
  return r;
}

void GpsStatusModel::Reset() {
  SatsInUse = {};
  SatsInView = {};
  GpsTypesSeen = 0;
}
