// Filing parsed sentences into the group records and loading them back for a build.
#include "protocol/GroupRecords.h"

#include <cstring>

#include "protocol/Protocol.h"

namespace {

bool Is(const SENTENCE_STRUCT& r, const char* formatter) {
  return std::strncmp(r.formatter, formatter, sizeof r.formatter) == 0;
}

bool OneOf(const SENTENCE_STRUCT& r, std::initializer_list<const char*> formatters) {
  for (const char* f : formatters) {
    if (Is(r, f)) return true;
  }
  return false;
}

uint8_t SourceOf(const SENTENCE_STRUCT& r) {
  if (std::strncmp(r.talker, "GP", 3) == 0) return SOURCE_GP;
  if (std::strncmp(r.talker, "GL", 3) == 0) return SOURCE_GL;
  if (std::strncmp(r.talker, "GN", 3) == 0) return SOURCE_GN;
  if (std::strncmp(r.talker, "IN", 3) == 0) return SOURCE_IN;
  if (std::strncmp(r.talker, "LC", 3) == 0) return SOURCE_LC;
  return SOURCE_OTHER;
}

template <std::size_t N>
void CopyCut(char (&destination)[N], const char* source, std::size_t sourceCapacity) {
  const std::size_t length = strnlen(source, sourceCapacity < N - 1 ? sourceCapacity : N - 1);
  std::memcpy(destination, source, length);
  destination[length] = '\0';
}

bool TimeOfDay(const NMEA_TIME& t) { return t.hour < 24 && t.minute < 60 && t.second < 60; }
bool CalendarDate(unsigned year, unsigned month, unsigned day) {
  return year >= 1 && month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

void SetTimeValid(GNSS_DATA_STRUCT& g, bool valid) {
  g.timeValid[0] = g.timeValid[1] = valid ? 1 : 0;
}

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

void StoreBinary(AIS_DATA_STRUCT& a, int8_t total, int8_t number, int8_t sequentialId,
                 int8_t fillBits, const char (&payload)[64]) {
  a.binaryTotalSentences = total;
  a.binarySentenceNumber = number;
  a.binarySequentialId = sequentialId;
  a.binaryFillBits = fillBits;
  CopyCut(a.binaryPayload, payload, sizeof payload);
}

void StoreAis(const SENTENCE_STRUCT& r, AIS_DATA_STRUCT& a) {
  const auto& f = r.fields;
  if (Is(r, "TXT")) {
    a.txtTotalSentences = f.txt.totalSentences;
    a.txtSentenceNumber = f.txt.sentenceNumber;
    a.txtTextId = f.txt.textId;
    std::memcpy(a.txtText, f.txt.text, sizeof a.txtText);
  } else if (Is(r, "ABK")) {
    a.mmsi = f.abk.mmsi;
    a.channel = static_cast<char>(f.abk.channel);
    a.abkMessageId = f.abk.messageId;
    a.abkSequenceNumber = static_cast<uint8_t>(f.abk.sequenceNumber);
    a.abkAckType = static_cast<uint8_t>(f.abk.ackType);
  } else if (Is(r, "ACA")) {
    a.sequenceNumber = f.aca.sequenceNumber;
    a.acaNorthEastLatitude = f.aca.northEast.latitude;
    a.acaNorthEastLongitude = f.aca.northEast.longitude;
    a.acaSouthWestLatitude = f.aca.southWest.latitude;
    a.acaSouthWestLongitude = f.aca.southWest.longitude;
    a.acaZoneSize = f.aca.zoneSize;
    a.channelA = f.aca.channelA;
    a.bandwidthA = f.aca.bandwidthA;
    a.channelB = f.aca.channelB;
    a.bandwidthB = f.aca.bandwidthB;
    a.txRxMode = f.aca.txRxMode;
    a.powerLevel = f.aca.powerLevel;
    a.informationSource = f.aca.informationSource;
    a.inUse = f.aca.inUse;
    a.timeBlock[0] = f.aca.inUseChangeTime.hour;
    a.timeBlock[1] = f.aca.inUseChangeTime.minute;
    a.timeBlock[2] = f.aca.inUseChangeTime.second;
  } else if (Is(r, "ACS")) {
    a.sequenceNumber = f.acs.sequenceNumber;
    a.mmsi = f.acs.originatorMmsi;
    a.timeBlock[0] = f.acs.time.hour;
    a.timeBlock[1] = f.acs.time.minute;
    a.timeBlock[2] = f.acs.time.second;
    a.timeBlock[3] = f.acs.time.hundredths;
    a.timeBlock[4] = f.acs.day;
    a.timeBlock[5] = f.acs.month;
    a.timeBlock[6] = static_cast<uint8_t>(f.acs.year);
  } else if (Is(r, "SSD")) {
    CopyCut(a.callSign, f.ssd.callSign, sizeof f.ssd.callSign);
    if (a.callSign[0] != '\0') a.callSignValid = 1;
    CopyCut(a.name, f.ssd.name, sizeof f.ssd.name);
    if (a.name[0] != '\0') a.nameValid = 1;
    a.dimA = f.ssd.dimA;
    a.dimB = f.ssd.dimB;
    a.dimC = f.ssd.dimC;
    a.dimD = f.ssd.dimD;
    if (a.dimA < 512 && a.dimB < 512 && a.dimC < 64 && a.dimD < 64) a.dimensionsValid = 1;
    a.dteIndicator = f.ssd.dteIndicator;
    if (a.dteIndicator <= 1) a.dteValid = 1;
    CopyCut(a.sourceId, f.ssd.sourceId, sizeof f.ssd.sourceId);
  } else if (Is(r, "VSD")) {
    a.shipType = f.vsd.shipType;
    if (a.shipType < 256) a.shipTypeValid = 1;
    a.draught = f.vsd.draught;
    if (a.draught <= 25.5f) a.draughtValid = 1;
    a.persons = f.vsd.persons;
    if (a.persons < 8192) a.personsValid = 1;
    CopyCut(a.destination, f.vsd.destination, sizeof f.vsd.destination);
    if (a.destination[0] != '\0') a.destinationValid = 1;
    a.eta = f.vsd.eta;
    a.etaDay = f.vsd.etaDay;
    a.etaMonth = f.vsd.etaMonth;
    if (a.eta.hour < 24 && a.etaDay < 32 && a.etaMonth < 13) a.etaValid = 1;
    a.navigationalStatus = f.vsd.navigationalStatus;
    if (a.navigationalStatus < 16) a.navigationalStatusValid = 1;
    a.regionalFlags = f.vsd.regionalFlags;
  } else if (Is(r, "ABM")) {
    StoreBinary(a, f.abm.totalSentences, f.abm.sentenceNumber, f.abm.sequentialId, f.abm.fillBits,
                f.abm.payload);
    a.channel = f.abm.channel;
    a.binaryMessageId = f.abm.messageId;
    a.mmsi = f.abm.destinationMmsi;
  } else if (Is(r, "BBM")) {
    StoreBinary(a, f.bbm.totalSentences, f.bbm.sentenceNumber, f.bbm.sequentialId, f.bbm.fillBits,
                f.bbm.payload);
    a.channel = static_cast<char>(f.bbm.channel);
    a.binaryMessageId = f.bbm.messageId;
  } else if (Is(r, "VDM") || Is(r, "VDO")) {
    StoreBinary(a, f.vdm.totalSentences, f.vdm.sentenceNumber, f.vdm.sequentialId, f.vdm.fillBits,
                f.vdm.payload);
    a.channel = f.vdm.channel;
    if (Is(r, "VDO") && static_cast<unsigned char>(a.channel) == 128) a.channel = 'x';
  } else if (Is(r, "ACK")) {
    a.ackAlarmId = f.ack.alarmId;
    if (a.ackAlarmId < 1000) a.ackAlarmIdValid = 1;
  } else if (Is(r, "ALR")) {
    a.alr.time = f.alr.time;
    a.alr.alarmId = f.alr.alarmId;
    a.alr.condition = f.alr.condition;
    a.alr.ackState = f.alr.ackState;
    CopyCut(a.alr.description, f.alr.description, sizeof f.alr.description);
  }
}

void LoadAis(const AIS_DATA_STRUCT& a, SENTENCE_STRUCT& r) {
  auto& f = r.fields;
  if (Is(r, "SSD")) {
    CopyCut(f.ssd.callSign, a.callSign, sizeof a.callSign);
    CopyCut(f.ssd.name, a.name, sizeof a.name);
    f.ssd.dimA = a.dimA;
    f.ssd.dimB = a.dimB;
    f.ssd.dimC = a.dimC;
    f.ssd.dimD = a.dimD;
    f.ssd.dteIndicator = a.dteIndicator;
    CopyCut(f.ssd.sourceId, a.sourceId, sizeof a.sourceId);
  } else if (Is(r, "VSD")) {
    f.vsd.shipType = a.shipType;
    f.vsd.draught = a.draught;
    f.vsd.persons = a.persons;
    CopyCut(f.vsd.destination, a.destination, sizeof a.destination);
    f.vsd.eta = a.eta;
    f.vsd.etaDay = a.etaDay;
    f.vsd.etaMonth = a.etaMonth;
    f.vsd.navigationalStatus = a.navigationalStatus;
    f.vsd.regionalFlags = a.regionalFlags;
  } else if (Is(r, "ALR")) {
    f.alr.time = a.alr.time;
    f.alr.alarmId = a.alr.alarmId;
    f.alr.condition = a.alr.condition;
    f.alr.ackState = a.alr.ackState;
    CopyCut(f.alr.description, a.alr.description, sizeof a.alr.description);
  } else if (Is(r, "ACK")) {
    f.ack.alarmId = a.ackAlarmId;
  }
}

void StoreProprietary(const SENTENCE_STRUCT& r, PROPRIETARY_DATA_STRUCT& p) {
  const auto& f = r.fields;
  if (Is(r, "MID")) {
    p.midIdentity1 = f.mid.identity1;
    if (p.midIdentity1 < 999999999) p.midIdentity1Valid = 1;
    p.midIdentity2 = f.mid.identity2;
    if (p.midIdentity2 < 999999999) p.midIdentity2Valid = 1;
  } else if (Is(r, "BDY")) {
    p.bdyNumber = f.bdy.number;
    CopyCut(p.bdyText2, f.bdy.text2, sizeof f.bdy.text2);
    CopyCut(p.bdyText3, f.bdy.text3, sizeof f.bdy.text3);
    p.bdyFlag4 = f.bdy.flag4;
    p.bdyFlag5 = f.bdy.flag5;
    if (p.bdyNumber < 999999999 || p.bdyFlag5 == 1) p.bdyValid = 1;
  } else if (Is(r, "TST")) {
    p.tstNumberA = f.tst.numberA;
    p.tstNumberB = f.tst.numberB;
    p.tstLetterC = f.tst.letterC;
    if (p.tstNumberA < 99999) p.tstNumberAValid = 1;
    p.tstLetterD = f.tst.letterD;
    if (p.tstLetterD >= 'A' && p.tstLetterD <= 'Z') p.tstLetterDValid = 1;
    p.tstCommand = f.tst.command;
    if (p.tstCommand != 65535) p.tstCommandValid = 1;
  } else if (Is(r, "FRQ")) {
    p.frqFrequency1 = f.frq.frequency1;
    p.frqFrequency2 = f.frq.frequency2;
    p.frqNumber1 = f.frq.number1;
    p.frqNumber2 = f.frq.number2;
    if (p.frqFrequency1 < 999999999 && p.frqNumber1 <= 10) p.frqPair1Valid = 1;
    if (p.frqFrequency2 < 999999999 && p.frqNumber2 <= 10) p.frqPair2Valid = 1;
  } else if (Is(r, "BTH")) {
    bool bytes = true;
    for (int i = 0; i < 6; ++i) {
      p.bthNumbers[i] = f.bth.numbers[i];
      bytes = bytes && f.bth.numbers[i] <= 255;
    }
    if (bytes) p.bthNumbersValid = 1;
    CopyCut(p.bthText, f.bth.text, sizeof f.bth.text);
    if (p.bthText[0] != '\0') p.bthTextValid = 1;
  } else if (Is(r, "DBG")) {
    for (int i = 0; i < 4; ++i) {
      p.dbgIds[i] = f.dbg.ids[i];
      p.dbgValues[i] = f.dbg.values[i];
      // 999 is the empty marker, not an id.
      if (p.dbgIds[i] >= 0 && p.dbgIds[i] < 999) p.dbgIdValid[i] = 1;
    }
    p.dbgSubType = r.subType;
  } else if (Is(r, "TPS")) {
    p.tpsNumber = f.tps.number;
    CopyCut(p.tpsText, f.tps.text, sizeof f.tps.text);
    if (p.tpsNumber >= 0) p.tpsValid = 1;
  } else if (Is(r, "MOB")) {
    std::memcpy(p.mobIdentity, f.mob.identity, sizeof p.mobIdentity);
    p.mobNumber2 = f.mob.number2;
    p.mobByte3 = f.mob.byte3;
    if (f.mob.byte4Present != 0) p.mobByte4 = f.mob.byte4;
    p.mobByte4Present = f.mob.byte4Present;
    const bool inRange = f.mob.dataCount >= 1 && f.mob.dataCount <= 19;
    p.mobDataCount = inRange ? f.mob.dataCount : 0;
    if (inRange) std::memcpy(p.mobData, f.mob.data, f.mob.dataCount);
  } else if (Is(r, "CEK")) {
    p.cekNumber4 = f.cek.number4;
    CopyCut(p.cekKey, f.cek.key, sizeof f.cek.key);
    p.cekSentenceType = f.cek.sentenceType;
  }
}

void LoadProprietary(const PROPRIETARY_DATA_STRUCT& p, SENTENCE_STRUCT& r) {
  auto& f = r.fields;
  if (Is(r, "MID")) {
    f.mid.identity1 = p.midIdentity1;
    f.mid.identity2 = p.midIdentity2;
  } else if (Is(r, "BDY")) {
    f.bdy.number = p.bdyNumber;
    CopyCut(f.bdy.text2, p.bdyText2, sizeof p.bdyText2);
    CopyCut(f.bdy.text3, p.bdyText3, sizeof p.bdyText3);
    f.bdy.flag4 = p.bdyFlag4;
    f.bdy.flag5 = p.bdyFlag5;
  } else if (Is(r, "TST")) {
    f.tst.numberA = p.tstNumberA;
    f.tst.numberB = p.tstNumberB;
    f.tst.letterC = p.tstLetterC;
    f.tst.letterD = p.tstLetterD;
    f.tst.command = p.tstCommand;
  } else if (Is(r, "FRQ")) {
    f.frq.frequency1 = p.frqFrequency1;
    f.frq.frequency2 = p.frqFrequency2;
    f.frq.number1 = p.frqNumber1;
    f.frq.number2 = p.frqNumber2;
  } else if (Is(r, "BTH")) {
    std::memcpy(f.bth.numbers, p.bthNumbers, sizeof p.bthNumbers);
    CopyCut(f.bth.text, p.bthText, sizeof p.bthText);
  } else if (Is(r, "DBG")) {
    std::memcpy(f.dbg.ids, p.dbgIds, sizeof p.dbgIds);
    std::memcpy(f.dbg.values, p.dbgValues, sizeof p.dbgValues);
    r.subType = p.dbgSubType;
  } else if (Is(r, "TPS")) {
    f.tps.number = p.tpsNumber;
    CopyCut(f.tps.text, p.tpsText, sizeof p.tpsText);
  } else if (Is(r, "MOB")) {
    std::memcpy(f.mob.identity, p.mobIdentity, sizeof p.mobIdentity);
    f.mob.number2 = p.mobNumber2;
    f.mob.byte3 = p.mobByte3;
    f.mob.byte4 = p.mobByte4;
    f.mob.byte4Present = p.mobByte4Present;
    const bool inRange = p.mobDataCount >= 1 && p.mobDataCount <= 19;
    f.mob.dataCount = inRange ? p.mobDataCount : 0;
    if (inRange) std::memcpy(f.mob.data, p.mobData, p.mobDataCount);
  }
}

}  // namespace

SentenceGroup ClassifySentence(const SENTENCE_STRUCT& r) {
  if (OneOf(r, {"GGA", "GLL", "GBS", "GSA", "GSV", "RMC", "VTG", "ZDA"})) return GROUP_GNSS;
  if (OneOf(r, {"ROT", "HDT", "VBW", "GNS"})) return GROUP_MOTION;
  if (OneOf(r, {"LRI", "LRF", "LR1", "LR2", "LR3"})) return GROUP_LONG_RANGE;
  if (OneOf(r,
            {"ABK", "ACA", "ACK", "ACS", "ALR", "SSD", "VSD", "ABM", "BBM", "VDM", "VDO", "TXT"}))
    return GROUP_AIS;
  if (OneOf(r, {"DSC", "DSE", "DSI", "DSR"})) return GROUP_DSC;
  if (OneOf(r, {"MID", "BDY", "TST", "FRQ", "BTH", "DBG", "TPS", "MOB", "CEK"}))
    return GROUP_PROPRIETARY;
  return GROUP_NONE;
}

void StoreSentence(ProtocolState& state, const SENTENCE_STRUCT& record) {
  switch (ClassifySentence(record)) {
    case GROUP_GNSS:
      state.gnss.source = SourceOf(record);
      StoreGnss(record, state.gnss);
      break;
    case GROUP_MOTION:
      state.motion.source = SourceOf(record);
      StoreMotion(record, state.motion);
      break;
    case GROUP_LONG_RANGE:
      state.longRange.source = SourceOf(record);
      break;
    case GROUP_AIS:
      state.aisData.source = SourceOf(record);
      StoreAis(record, state.aisData);
      if (state.showStaticVoyageData) state.showStaticVoyageData(record);
      break;
    case GROUP_DSC:
      state.dsc.source = SourceOf(record);
      break;
    case GROUP_PROPRIETARY:
      StoreProprietary(record, state.proprietary);
      break;
    case GROUP_NONE:
      break;
  }
}

void LoadSentence(const ProtocolState& state, SENTENCE_STRUCT& record) {
  switch (ClassifySentence(record)) {
    case GROUP_GNSS:
      LoadGnss(state.gnss, record);
      break;
    case GROUP_MOTION:
      LoadMotion(state.motion, record);
      break;
    case GROUP_AIS:
      LoadAis(state.aisData, record);
      break;
    case GROUP_PROPRIETARY:
      LoadProprietary(state.proprietary, record);
      break;
    default:
      break;
  }
}

bool BuildSentence(ProtocolState& state, std::string& out, std::string_view formatter,
                   std::string_view talker) {
  SENTENCE_STRUCT& record = state.outgoing;
  std::memset(record.talker, 0, sizeof record.talker);
  std::memset(record.formatter, 0, sizeof record.formatter);
  talker.copy(record.talker, 2);
  formatter.copy(record.formatter, 3);
  LoadSentence(state, record);
  return FormatSentence(out, record);
}
