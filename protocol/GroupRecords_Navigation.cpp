// The GNSS and motion records: what each positioning, heading and motion sentence
// leaves in them, and what a build of one takes back.
#include "protocol/GroupFiling.h"

#include <cstring>

namespace group_records {

namespace {

bool TimeOfDay(const NMEA_TIME& t) { return t.hour < 24 && t.minute < 60 && t.second < 60; }
bool CalendarDate(unsigned year, unsigned month, unsigned day) {
  return year >= 1 && month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

void SetTimeValid(GNSS_DATA_STRUCT& g, bool valid) {
  g.timeValid[0] = g.timeValid[1] = valid ? 1 : 0;
}

}  // namespace

void StoreGnss(const SENTENCE_STRUCT& r, GNSS_DATA_STRUCT& g) {
  std::memcpy(g.lastFormatter, r.formatter, 3);
  g.lastFormatter[3] = '\0';
  const auto& f = r.fields;
  if (Is(r, "GGA")) {
    g.utcTime = f.gga.time;
    g.latitude = f.gga.position.latitude;
    g.longitude = f.gga.position.longitude;
    g.quality = f.gga.quality;
    g.geoidalSeparation = f.gga.geoidalSeparation;
    g.satellitesInUse = static_cast<uint8_t>(f.gga.satellitesInUse);
    g.positionValid = (f.gga.quality >= 1 && f.gga.quality <= 3) ? 1 : 0;
    g.fixUpdated = 1;
    // Cleared as well as set, so that a later empty time is not shown as valid.
    SetTimeValid(g, TimeOfDay(f.gga.time));
  } else if (Is(r, "GLL")) {
    g.latitude = f.gll.position.latitude;
    g.longitude = f.gll.position.longitude;
    g.utcTime = f.gll.time;
    g.status = f.gll.status;
    g.mode = f.gll.mode;
    g.positionValid = f.gll.status == 'A' ? 1 : 0;
    // GLL carries no date, so it never sets time-valid; but its empty time must
    // not stand under a valid flag.
    if (!TimeOfDay(f.gll.time)) SetTimeValid(g, false);
  } else if (Is(r, "GBS")) {
    g.utcTime = f.gbs.time;
    g.latitudeError = f.gbs.latitudeError;
    g.longitudeError = f.gbs.longitudeError;
    g.altitudeError = f.gbs.altitudeError;
    g.failedSatellite = f.gbs.failedSatellite;
    g.missedDetectionProbability = f.gbs.missedDetectionProbability;
    g.bias = f.gbs.bias;
    g.biasStdDev = f.gbs.biasStdDev;
    if (!TimeOfDay(f.gbs.time)) SetTimeValid(g, false);
    if (f.gbs.latitudeError > -99999.0f && f.gbs.longitudeError > -99999.0f &&
        f.gbs.altitudeError > -99999.0f) {
      g.gbsValid[0] = g.gbsValid[1] = 1;
    }
  } else if (Is(r, "GSA")) {
    g.selectionMode = f.gsa.selectionMode;
    g.fixMode = f.gsa.fixMode;
    uint8_t used = 0;
    for (int i = 0; i < 12; ++i) {
      g.activeSatellites[i] = f.gsa.satelliteIds[i];
      used += f.gsa.satelliteIds[i] > 0;
    }
    g.satellitesInUse = used;
    g.pdop = f.gsa.pdop;
    g.hdop = f.gsa.hdop;
    g.vdop = f.gsa.vdop;
  } else if (Is(r, "GSV")) {
    g.satellitesInView = f.gsv.satellitesInView;
    g.gsvTotalSentences = static_cast<uint8_t>(f.gsv.totalSentences);
    g.gsvSentenceNumber = static_cast<uint8_t>(f.gsv.sentenceNumber);
    g.gsvSatellitesInSentence = f.gsv.satellitesInSentence;
    for (int i = 0; i < f.gsv.satellitesInSentence && i < 4; ++i) {
      g.satelliteIds[i] = f.gsv.ids[i];
      g.elevations[i] = f.gsv.elevations[i];
      g.azimuths[i] = f.gsv.azimuths[i];
      g.snr[i] = f.gsv.snr[i];
    }
  } else if (Is(r, "RMC")) {
    g.utcTime = f.rmc.time;
    g.status = f.rmc.status;
    g.latitude = f.rmc.position.latitude;
    g.longitude = f.rmc.position.longitude;
    g.speedKnots = f.rmc.speedKnots;
    g.courseTrue = f.rmc.course;
    g.date = f.rmc.date;
    g.mode = f.rmc.mode;
    g.positionValid = f.rmc.status == 'A' ? 1 : 0;
    SetTimeValid(g, TimeOfDay(f.rmc.time) &&
                        CalendarDate(f.rmc.date.year, f.rmc.date.month, f.rmc.date.day));
    g.courseValid = (f.rmc.course >= 0.0f && f.rmc.course <= 360.0f) ? 1 : 0;
  } else if (Is(r, "VTG")) {
    g.courseTrue = f.vtg.courseTrue;
    g.courseMagnetic = f.vtg.courseMagnetic;
    g.speedKnots = f.vtg.speedKnots;
    g.speedKmh = f.vtg.speedKmh;
    g.mode = f.vtg.mode;
  } else if (Is(r, "ZDA")) {
    g.utcTime = f.zda.time;
    g.date.year = static_cast<uint16_t>(f.zda.year);
    g.date.month = static_cast<uint8_t>(f.zda.month);
    g.date.day = static_cast<uint8_t>(f.zda.day);
    SetTimeValid(g, TimeOfDay(f.zda.time) && CalendarDate(g.date.year, g.date.month, g.date.day));
  }
}

void LoadGnss(const GNSS_DATA_STRUCT& g, SENTENCE_STRUCT& r) {
  auto& f = r.fields;
  if (Is(r, "GGA")) {
    f.gga.time = g.utcTime;
    f.gga.position = {g.latitude, g.longitude};
    f.gga.quality = g.quality;
    f.gga.geoidalSeparation = g.geoidalSeparation;
    f.gga.satellitesInUse = static_cast<int8_t>(g.satellitesInUse);
  } else if (Is(r, "GLL")) {
    f.gll.position = {g.latitude, g.longitude};
    f.gll.time = g.utcTime;
    f.gll.status = g.status;
    f.gll.mode = g.mode;
  } else if (Is(r, "GBS")) {
    f.gbs.time = g.utcTime;
    f.gbs.latitudeError = g.latitudeError;
    f.gbs.longitudeError = g.longitudeError;
    f.gbs.altitudeError = g.altitudeError;
    f.gbs.failedSatellite = g.failedSatellite;
    f.gbs.missedDetectionProbability = g.missedDetectionProbability;
    f.gbs.bias = g.bias;
    f.gbs.biasStdDev = g.biasStdDev;
  } else if (Is(r, "GSA")) {
    f.gsa.selectionMode = g.selectionMode;
    f.gsa.fixMode = g.fixMode;
    std::memcpy(f.gsa.satelliteIds, g.activeSatellites, sizeof g.activeSatellites);
    f.gsa.pdop = g.pdop;
    f.gsa.hdop = g.hdop;
    f.gsa.vdop = g.vdop;
  } else if (Is(r, "GSV")) {
    f.gsv.satellitesInView = g.satellitesInView;
  } else if (Is(r, "RMC")) {
    f.rmc.time = g.utcTime;
    f.rmc.status = g.status;
    f.rmc.position = {g.latitude, g.longitude};
    f.rmc.speedKnots = g.speedKnots;
    f.rmc.course = g.courseTrue;
    f.rmc.date = g.date;
    f.rmc.mode = g.mode;
    // Not kept by the record: sent empty rather than as whatever the union last held.
    f.rmc.magneticVariation = -100000.0f;
    f.rmc.variationDirection = static_cast<char>(128);
  } else if (Is(r, "VTG")) {
    f.vtg.courseTrue = g.courseTrue;
    f.vtg.courseMagnetic = g.courseMagnetic;
    f.vtg.speedKnots = g.speedKnots;
    f.vtg.speedKmh = g.speedKmh;
    f.vtg.mode = g.mode;
  } else if (Is(r, "ZDA")) {
    f.zda.time = g.utcTime;
    f.zda.year = static_cast<int16_t>(g.date.year);
    f.zda.month = static_cast<int8_t>(g.date.month);
    f.zda.day = static_cast<int8_t>(g.date.day);
  }
}

void StoreMotion(const SENTENCE_STRUCT& r, MOTION_DATA_STRUCT& m) {
  const auto& f = r.fields;
  if (Is(r, "GNS")) {
    m.gnsHour = f.gns.time.hour;
    m.gnsMinute = f.gns.time.minute;
    m.gnsSecond = f.gns.time.second;
    m.latitude = f.gns.position.latitude;
    m.longitude = f.gns.position.longitude;
    m.mode[0] = f.gns.mode[0];
    m.mode[1] = f.gns.mode[1];
    m.totalSatellites = f.gns.totalSatellites[1];
    m.hdop = f.gns.hdop;
    m.antennaAltitude = f.gns.antennaAltitude;
    m.geoidalSeparation = f.gns.geoidalSeparation;
    m.differentialAge = f.gns.differentialAge;
    m.referenceStationId = f.gns.referenceStationId;
  } else if (Is(r, "HDT")) {
    m.heading = f.hdt.heading;
    if (f.hdt.heading >= 0.0f && f.hdt.heading < 360.0f) m.headingValid = 1;
  } else if (Is(r, "ROT")) {
    m.rateOfTurn = f.rot.rate;
    m.status = f.rot.status;
  } else if (Is(r, "VBW")) {
    m.waterLongitudinal = f.vbw.waterLongitudinal;
    m.waterTransverse = f.vbw.waterTransverse;
    m.status = f.vbw.waterStatus;
    m.groundLongitudinal = f.vbw.groundLongitudinal;
    m.groundTransverse = f.vbw.groundTransverse;
    m.groundStatus = f.vbw.groundStatus;
  }
}

void LoadMotion(const MOTION_DATA_STRUCT& m, SENTENCE_STRUCT& r) {
  auto& f = r.fields;
  if (Is(r, "GNS")) {
    f.gns.time.hour = m.gnsHour;
    f.gns.time.minute = m.gnsMinute;
    f.gns.time.second = m.gnsSecond;
    f.gns.position = {m.latitude, m.longitude};
    f.gns.mode[0] = m.mode[0];
    f.gns.mode[1] = m.mode[1];
    f.gns.totalSatellites[0] = f.gns.totalSatellites[1] = m.totalSatellites;
    f.gns.hdop = m.hdop;
    f.gns.antennaAltitude = m.antennaAltitude;
    f.gns.geoidalSeparation = m.geoidalSeparation;
    f.gns.differentialAge = m.differentialAge;
    f.gns.referenceStationId = m.referenceStationId;
  } else if (Is(r, "HDT")) {
    f.hdt.heading = m.heading;
  } else if (Is(r, "ROT")) {
    f.rot.rate = m.rateOfTurn;
    f.rot.status = m.status;
  } else if (Is(r, "VBW")) {
    f.vbw.waterLongitudinal = m.waterLongitudinal;
    f.vbw.waterTransverse = m.waterTransverse;
    f.vbw.waterStatus = m.status;
    f.vbw.groundLongitudinal = m.groundLongitudinal;
    f.vbw.groundTransverse = m.groundTransverse;
    f.vbw.groundStatus = m.groundStatus;
  }
}

}  // namespace group_records
