// Copies a stored GNSS sentence's record fields and the own vessel's position
// into the GPS page's input, at most four GSV satellites.
#include "app/core/GpsRecords.h"

#include <cstring>

GpsSentenceInput GpsInputFromRecords(const char* formatter, const GNSS_DATA_STRUCT& gnss,
                                     const AIS_TARGET_STRUCT& ownVessel) {
  GpsSentenceInput in;
  std::strncpy(in.formatter, formatter, 3);
  in.formatter[3] = 0;
  in.utcValid = gnss.timeValid[0] != 0;
  in.year = static_cast<int16_t>(gnss.date.year);
  in.month = gnss.date.month;
  in.day = gnss.date.day;
  in.hour = gnss.utcTime.hour;
  in.minute = gnss.utcTime.minute;
  in.second = gnss.utcTime.second;
  in.fixModeUpdated = gnss.fixUpdated == 1;
  in.fixMode = gnss.fixMode;
  in.hdop = gnss.hdop;
  in.fixValid = gnss.positionValid != 0;
  in.lon = ownVessel.longitude;
  in.lat = ownVessel.latitude;
  in.sog = ownVessel.sog;
  in.cog = ownVessel.cog;
  for (int i = 0; i < 12; ++i) in.gsaIds[i] = gnss.activeSatellites[i];
  in.gsvCount = gnss.gsvSatellitesInSentence > 4 ? 4 : gnss.gsvSatellitesInSentence;
  for (int i = 0; i < 4; ++i) {
    in.gsvPrn[i] = gnss.satelliteIds[i];
    in.gsvElevation[i] = gnss.elevations[i];
    in.gsvAzimuth[i] = gnss.azimuths[i];
    in.gsvSnr[i] = gnss.snr[i];
  }
  return in;
}
