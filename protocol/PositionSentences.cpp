// Positioning, heading and motion sentences.
#include <cmath>
#include <cstring>

#include "protocol/FieldFormat.h"
#include "protocol/SentenceFields.h"
#include "protocol/SentenceParsers.h"

namespace {

constexpr float kNoNumber = -100000.0f;

int CountCommas(const char* text) {
  int commas = 0;
  for (const char* p = text; *p; ++p) commas += (*p == ',');
  return commas;
}

int8_t SmallField(const char* field) {
  return IsEmptyField(field) ? static_cast<int8_t>(-128) : static_cast<int8_t>(FieldToInt(field));
}

void AppendTime(std::string& out, const NMEA_TIME& t) {
  if (t.hour == 24) return;
  AppendInt(out, t.hour, 2);
  AppendInt(out, t.minute, 2);
  AppendInt(out, t.second, 2);
  out += '.';
  AppendInt(out, t.hundredths, 2);
}

void AppendMeasure(std::string& out, float value, int precision) {
  if (value >= -99999.0f) AppendFixed(out, value, precision);
}

void AppendPosition(std::string& out, const NMEA_POSITION& p) {
  float lat = p.latitude;
  float lon = p.longitude;
  if (!(std::fabs(lat) <= 90.1f) || !(std::fabs(lon) <= 180.1f)) {
    out += ",,,";
    return;
  }
  char ns = 'N';
  char ew = 'E';
  if (!(lat > 0.0f)) {
    ns = 'S';
    lat = -lat;
  }
  if (!(lon > 0.0f)) {
    ew = 'W';
    lon = -lon;
  }
  int16_t deg, min;
  uint32_t frac;
  DegToNmeaMinutes(lat, deg, min, frac);
  AppendInt(out, deg, 2);
  AppendInt(out, min, 2);
  out += '.';
  AppendInt(out, frac, 5);
  out += ',';
  out += ns;
  out += ',';
  DegToNmeaMinutes(lon, deg, min, frac);
  AppendInt(out, deg, 3);
  AppendInt(out, min, 2);
  out += '.';
  AppendInt(out, frac, 5);
  out += ',';
  out += ew;
}

bool ParseRmcCommon(FieldReader& r, RMC_STRUCT& m) {
  ParseTimeField(r.Next(), m.time);
  m.status = FirstChar(r.Next());
  ParseLatLonFields(r, r.Next(), m.position);
  m.speedKnots = NumberField(r.Next(), kNoNumber);
  m.course = NumberField(r.Next(), kNoNumber);
  ParseDateField(r.Next(), m.date);
  m.magneticVariation = NumberField(r.Next(), kNoNumber);
  return r.Complete();
}

char VariationDirection(const char* field) {
  return IsEmptyField(field) ? static_cast<char>(128) : field[0];
}

}  // namespace

void AppendAddress(std::string& out, char start, const SENTENCE_STRUCT& record) {
  out += start;
  out.append(record.talker, strnlen(record.talker, sizeof record.talker));
  out.append(record.formatter, strnlen(record.formatter, sizeof record.formatter));
}

bool ParseGBS(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 8)) return false;
  FieldReader r(line);
  GBS_STRUCT& m = record.fields.gbs;
  ParseTimeField(r.Next(), m.time);
  m.latitudeError = NumberField(r.Next(), kNoNumber);
  m.longitudeError = NumberField(r.Next(), kNoNumber);
  m.altitudeError = NumberField(r.Next(), kNoNumber);
  const char* f = r.Next();
  m.failedSatellite =
      IsEmptyField(f) ? static_cast<int8_t>(-1) : static_cast<int8_t>(FieldToInt(f));
  m.missedDetectionProbability = NumberField(r.Next(), kNoNumber);
  m.bias = NumberField(r.Next(), kNoNumber);
  m.biasStdDev = NumberField(r.Last(), kNoNumber);
  return r.Complete();
}

bool ParseGGA(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 14)) return false;
  FieldReader r(line);
  GGA_STRUCT& m = record.fields.gga;
  ParseTimeField(r.Next(), m.time);
  ParseLatLonFields(r, r.Next(), m.position);
  const char* f = r.Next();
  m.quality = IsEmptyField(f) ? 128 : static_cast<uint8_t>(FieldToInt(f));
  f = r.Next();
  if (IsEmptyField(f)) {
    m.satellitesInUse = static_cast<int8_t>(-128);
  } else {
    const int32_t used = FieldToInt(f);
    m.satellitesInUse = static_cast<int8_t>(used >= 0 && used <= 12 ? used : 0);
  }
  m.hdop = NumberField(r.Next(), kNoNumber);
  if (m.hdop != kNoNumber && (m.hdop < 0.0f || m.hdop > 99.9f)) m.hdop = 99.9f;
  m.altitude = NumberField(r.Next(), kNoNumber);
  m.altitudeUnit = FirstChar(r.Next());
  m.geoidalSeparation = NumberField(r.Next(), kNoNumber);
  m.separationUnit = FirstChar(r.Next());
  m.differentialAge = NumberField(r.Next(), kNoNumber);
  f = r.Last();
  if (IsEmptyField(f)) {
    m.differentialStationId = -1;
  } else {
    const int32_t id = FieldToInt(f);
    m.differentialStationId = static_cast<int16_t>(id >= 0 && id <= 1023 ? id : 1023);
  }
  return r.Complete();
}

bool ParseGLL(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 7)) return false;
  FieldReader r(line);
  GLL_STRUCT& m = record.fields.gll;
  ParseLatLonFields(r, r.Next(), m.position);
  ParseTimeField(r.Next(), m.time);
  m.status = FirstChar(r.Next());
  m.mode = FirstChar(r.Last());
  return r.Complete();
}

bool ParseGSA(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 17)) return false;
  FieldReader r(line);
  GSA_STRUCT& m = record.fields.gsa;
  m.selectionMode = FirstChar(r.Next());
  m.fixMode = static_cast<uint8_t>(FieldToInt(r.Next()));
  for (int8_t& id : m.satelliteIds) id = SmallField(r.Next());
  m.pdop = NumberField(r.Next(), kNoNumber);
  m.hdop = NumberField(r.Next(), kNoNumber);
  m.vdop = NumberField(r.Last(), kNoNumber);
  return r.Complete();
}

bool ParseGSV(char* line, SENTENCE_STRUCT& record) {
  GSV_STRUCT& m = record.fields.gsv;
  std::memset(&m, 128, sizeof m);
  for (uint16_t& azimuth : m.azimuths) azimuth = 65535;
  int count = 0;
  switch (CountCommas(line)) {
    case 7:
      count = 1;
      break;
    case 11:
      count = 2;
      break;
    case 15:
      count = 3;
      break;
    case 19:
      count = 4;
      break;
    default:
      return false;
  }
  m.satellitesInSentence = static_cast<uint8_t>(count);
  FieldReader r(line);
  const int32_t total = FieldToInt(r.Next());
  m.totalSentences = static_cast<int8_t>(total);
  if (total < 0 || total > 9) return false;
  const int32_t number = FieldToInt(r.Next());
  m.sentenceNumber = static_cast<int8_t>(number);
  if (number < 0 || number > 9) return false;
  m.satellitesInView = static_cast<uint8_t>(FieldToInt(r.Next()));
  for (int i = 0; i < count; ++i) {
    const char* f = r.Next();
    m.ids[i] = IsEmptyField(f) ? 128 : static_cast<uint8_t>(FieldToInt(f));
    f = r.Next();
    if (!IsEmptyField(f)) {
      const int32_t elevation = FieldToInt(f);
      if (elevation < 0 || elevation > 90) return false;
      m.elevations[i] = static_cast<int8_t>(elevation);
    }
    f = r.Next();
    if (!IsEmptyField(f)) {
      const int32_t azimuth = FieldToInt(f);
      if ((azimuth < 0 || azimuth > 359) && azimuth != 65535) return false;
      m.azimuths[i] = static_cast<uint16_t>(azimuth);
    }
    f = (i == count - 1) ? r.Last() : r.Next();
    if (!IsEmptyField(f)) {
      const int32_t snr = FieldToInt(f);
      if (snr < 0 || snr > 99) return false;
      m.snr[i] = static_cast<int8_t>(snr);
    }
  }
  return r.Complete();
}

bool ParseRMC13(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 13)) return false;
  FieldReader r(line);
  RMC_STRUCT& m = record.fields.rmc;
  ParseRmcCommon(r, m);
  m.variationDirection = VariationDirection(r.Next());
  m.mode = FirstChar(r.Next());
  m.navigationalStatus = FirstChar(r.Last());
  return r.Complete();
}

bool ParseRMC12(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 12)) return false;
  FieldReader r(line);
  RMC_STRUCT& m = record.fields.rmc;
  ParseRmcCommon(r, m);
  m.variationDirection = VariationDirection(r.Next());
  m.mode = FirstChar(r.Last());
  return r.Complete();
}

bool ParseRMC11(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 11)) return false;
  FieldReader r(line);
  RMC_STRUCT& m = record.fields.rmc;
  ParseRmcCommon(r, m);
  m.variationDirection = VariationDirection(r.Last());
  m.mode = 'A';
  return r.Complete();
}

bool ParseRMC(char* line, SENTENCE_STRUCT& record) {
  switch (CountCommas(line)) {
    case 13:
      return ParseRMC13(line, record);
    case 12:
      return ParseRMC12(line, record);
    case 11:
      return ParseRMC11(line, record);
    default:
      return false;
  }
}

namespace {
// A unit field holds exactly one character; the blank stands for none.
bool UnitField(const char* field, char& unit) {
  if (field[0] == '\0' || field[1] != '\0') return false;
  unit = IsEmptyField(field) ? static_cast<char>(128) : field[0];
  return true;
}
}  // namespace

bool ParseVTG(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 9)) return false;
  FieldReader r(line);
  VTG_STRUCT& m = record.fields.vtg;
  m.courseTrue = NumberField(r.Next(), kNoNumber);
  if (!UnitField(r.Next(), m.unitT)) return false;
  m.courseMagnetic = NumberField(r.Next(), kNoNumber);
  if (!UnitField(r.Next(), m.unitM)) return false;
  m.speedKnots = NumberField(r.Next(), kNoNumber);
  if (!UnitField(r.Next(), m.unitN)) return false;
  m.speedKmh = NumberField(r.Next(), kNoNumber);
  if (!UnitField(r.Next(), m.unitK)) return false;
  m.mode = FirstChar(r.Last());
  return r.Complete();
}

namespace {
// An empty field gives 128; a value outside [low, high] refuses the line.
bool RangedSmall(const char* field, int low, int high, int8_t& value) {
  if (IsEmptyField(field)) {
    value = static_cast<int8_t>(-128);
    return true;
  }
  const int32_t v = FieldToInt(field);
  value = static_cast<int8_t>(v);
  return v >= low && v <= high;
}
}  // namespace

bool ParseZDA(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 6)) return false;
  FieldReader r(line);
  ZDA_STRUCT& m = record.fields.zda;
  ParseTimeField(r.Next(), m.time);
  if (!RangedSmall(r.Next(), 1, 31, m.day)) return false;
  if (!RangedSmall(r.Next(), 1, 12, m.month)) return false;
  const char* f = r.Next();
  m.year = IsEmptyField(f) ? static_cast<int16_t>(-1) : static_cast<int16_t>(FieldToInt(f));
  if (!RangedSmall(r.Next(), -13, 13, m.zoneHours)) return false;
  if (!RangedSmall(r.Last(), 0, 59, m.zoneMinutes)) return false;
  return r.Complete();
}

bool ParseGNS(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 12)) return false;
  FieldReader r(line);
  GNS_STRUCT& m = record.fields.gns;
  ParseTimeField(r.Next(), m.time);
  ParseLatLonFields(r, r.Next(), m.position);
  const char* f = r.Next();
  m.mode[0] = f[0];
  m.mode[1] = f[0] ? f[1] : '\0';
  f = r.Next();
  m.totalSatellites[0] = f[0];
  m.totalSatellites[1] = f[0] ? f[1] : '\0';
  m.hdop = NumberField(r.Next(), kNoNumber);
  if (m.hdop != kNoNumber && (m.hdop < 0.0f || m.hdop > 99.9f)) return false;
  m.antennaAltitude = NumberField(r.Next(), kNoNumber);
  m.geoidalSeparation = NumberField(r.Next(), kNoNumber);
  m.differentialAge = NumberField(r.Next(), kNoNumber);
  m.referenceStationId = NumberField(r.Last(), kNoNumber);
  return r.Complete();
}

bool ParseHDT(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 2)) return false;
  FieldReader r(line);
  HDT_STRUCT& m = record.fields.hdt;
  m.heading = NumberField(r.Next(), 511.0f);
  m.unit = FirstChar(r.Last());
  return r.Complete();
}

bool ParseROT(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 2)) return false;
  FieldReader r(line);
  ROT_STRUCT& m = record.fields.rot;
  m.rate = NumberField(r.Next(), kNoNumber);
  m.status = FirstChar(r.Last());
  return r.Complete();
}

bool ParseVBW(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 6)) return false;
  FieldReader r(line);
  VBW_STRUCT& m = record.fields.vbw;
  m.waterLongitudinal = NumberField(r.Next(), 0.0f);
  m.waterTransverse = NumberField(r.Next(), 0.0f);
  m.waterStatus = FirstChar(r.Next());
  m.groundLongitudinal = NumberField(r.Next(), 0.0f);
  m.groundTransverse = NumberField(r.Next(), 0.0f);
  m.groundStatus = FirstChar(r.Last());
  return r.Complete();
}

bool ParseDTM(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 8)) return false;
  FieldReader r(line);
  DTM_STRUCT& m = record.fields.dtm;
  CopyText(m.localDatum, sizeof m.localDatum, r.Next());
  m.subdivision = FirstChar(r.Next());
  ParseLatLonFields(r, r.Next(), m.offset);
  m.altitudeOffset = NumberField(r.Next(), 0.0f);
  CopyText(m.referenceDatum, sizeof m.referenceDatum, r.Last());
  return r.Complete();
}

bool ParseGRS(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 14)) return false;
  FieldReader r(line);
  GRS_STRUCT& m = record.fields.grs;
  ParseTimeField(r.Next(), m.time);
  m.mode = FirstChar(r.Next());
  for (int i = 0; i < 12; ++i)
    m.residuals[i] = NumberField(i == 11 ? r.Last() : r.Next(), kNoNumber);
  return r.Complete();
}

bool ParseGST(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 8)) return false;
  FieldReader r(line);
  GST_STRUCT& m = record.fields.gst;
  ParseTimeField(r.Next(), m.time);
  m.rms = NumberField(r.Next(), kNoNumber);
  m.semiMajorError = NumberField(r.Next(), kNoNumber);
  m.semiMinorError = NumberField(r.Next(), kNoNumber);
  m.orientation = NumberField(r.Next(), kNoNumber);
  m.latitudeError = NumberField(r.Next(), kNoNumber);
  m.longitudeError = NumberField(r.Next(), kNoNumber);
  m.altitudeError = NumberField(r.Last(), kNoNumber);
  return r.Complete();
}

bool ParseOSD(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 9)) return false;
  FieldReader r(line);
  OSD_STRUCT& m = record.fields.osd;
  m.heading = NumberField(r.Next(), 0.0f);
  m.headingStatus = FirstChar(r.Next());
  m.course = NumberField(r.Next(), 0.0f);
  m.courseReference = FirstChar(r.Next());
  m.speed = NumberField(r.Next(), 0.0f);
  m.speedReference = FirstChar(r.Next());
  m.set = NumberField(r.Next(), 0.0f);
  m.drift = NumberField(r.Next(), 0.0f);
  m.speedUnits = FirstChar(r.Last());
  return r.Complete();
}

bool ParseWPL(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 5)) return false;
  FieldReader r(line);
  WPL_STRUCT& m = record.fields.wpl;
  ParseLatLonFields(r, r.Next(), m.position);
  CopyText(m.waypointId, sizeof m.waypointId, r.Last());
  return r.Complete();
}

bool ParseRMA(char* line, SENTENCE_STRUCT& record) {
  // No comma count: a line too short to hold fields 1 to 5 is refused by the reader.
  FieldReader r(line);
  RMA_STRUCT& m = record.fields.rma;
  m.status = FirstChar(r.Next());
  ParseLatLonFields(r, r.Next(), m.position);
  return r.Complete();
}

bool FormatGBS(std::string& out, const SENTENCE_STRUCT& record) {
  const GBS_STRUCT& m = record.fields.gbs;
  AppendAddress(out, '$', record);
  out += ',';
  AppendTime(out, m.time);
  out += ',';
  AppendMeasure(out, m.latitudeError, 2);
  out += ',';
  AppendMeasure(out, m.longitudeError, 2);
  out += ',';
  AppendMeasure(out, m.altitudeError, 2);
  out += ',';
  if (m.failedSatellite >= 0 && m.failedSatellite <= 99) AppendInt(out, m.failedSatellite);
  out += ',';
  AppendMeasure(out, m.missedDetectionProbability, 2);
  out += ',';
  AppendMeasure(out, m.bias, 2);
  out += ',';
  AppendMeasure(out, m.biasStdDev, 2);
  return true;
}

bool FormatGSA(std::string& out, const SENTENCE_STRUCT& record) {
  const GSA_STRUCT& m = record.fields.gsa;
  AppendAddress(out, '$', record);
  out += ',';
  AppendChar(out, m.selectionMode);
  out += ',';
  AppendInt(out, m.fixMode);
  out += ',';
  for (int8_t id : m.satelliteIds) {
    if (id > 0) AppendInt(out, id, 2);
    out += ',';
  }
  AppendMeasure(out, m.pdop, 2);
  out += ',';
  AppendMeasure(out, m.hdop, 2);
  out += ',';
  AppendMeasure(out, m.vdop, 2);
  return true;
}

bool FormatRMC(std::string& out, const SENTENCE_STRUCT& record) {
  const RMC_STRUCT& m = record.fields.rmc;
  AppendAddress(out, '$', record);
  out += ',';
  AppendTime(out, m.time);
  out += ',';
  AppendChar(out, m.status);
  out += ',';
  AppendPosition(out, m.position);
  out += ',';
  AppendMeasure(out, m.speedKnots, 3);
  out += ',';
  AppendMeasure(out, m.course, 2);
  out += ',';
  if (m.date.year != 0) {
    AppendInt(out, m.date.day, 2);
    AppendInt(out, m.date.month, 2);
    AppendInt(out, m.date.year - 2000, 2);
  }
  out += ',';
  AppendMeasure(out, m.magneticVariation, 2);
  out += ',';
  if (static_cast<unsigned char>(m.variationDirection) != 128)
    AppendChar(out, m.variationDirection);
  out += ',';
  AppendChar(out, m.mode);
  return true;
}

bool FormatHDT(std::string& out, const SENTENCE_STRUCT& record) {
  const HDT_STRUCT& m = record.fields.hdt;
  AppendAddress(out, '$', record);
  out += ',';
  if (m.heading >= 0.0f && m.heading <= 360.0f) AppendFixed(out, m.heading, 1);
  out += ",T";
  return true;
}
