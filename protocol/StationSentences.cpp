// AIS station sentences: text, acknowledgements, channel management, alarms,
// static and voyage data and the encapsulated binary messages.
#include <cstring>

#include "protocol/FieldFormat.h"
#include "protocol/SentenceFields.h"
#include "protocol/SentenceParsers.h"

namespace {

constexpr int8_t kEmpty8 = static_cast<int8_t>(-128);

bool Digit09(const char* field, int8_t& value) {
  const int32_t v = FieldToInt(field);
  value = static_cast<int8_t>(v);
  return v >= 0 && v <= 9;
}

bool SequentialId(const char* field, int8_t& value) {
  if (IsEmptyField(field)) {
    value = kEmpty8;
    return true;
  }
  return Digit09(field, value);
}

// The payload limit depends on the sequential id: a one-piece message carries at
// most 62 characters, a piece of a longer one 63.
bool Payload(const char* field, int8_t sequentialId, char (&payload)[64]) {
  const std::size_t length = std::strlen(field);
  if ((sequentialId == kEmpty8 || sequentialId == 0) && length > 62) return false;
  if (length >= 64) return false;
  std::memcpy(payload, field, length + 1);
  return true;
}

bool FillBits(const char* field, int8_t& value) {
  if (IsEmptyField(field)) {
    value = kEmpty8;
    return false;
  }
  const int32_t v = FieldToInt(field);
  value = static_cast<int8_t>(v);
  return v >= 0 && v <= 5;
}

char ChannelChar(const char* field) {
  return IsEmptyField(field) ? static_cast<char>(128) : field[0];
}

// The channel member holds the received character; a small number stands for the
// offset from `base` ('A' for VDM/VDO, '0' for ABM).
void AppendChannel(std::string& out, char channel, char base) {
  const auto c = static_cast<unsigned char>(channel);
  if (c == 128) return;
  AppendChar(out, c < 32 ? static_cast<char>(base + c) : channel);
}

void AppendSequentialId(std::string& out, int8_t id) {
  if (id == kEmpty8) return;
  AppendChar(out, static_cast<char>('0' + id));
}

void AppendTime(std::string& out, const NMEA_TIME& t) {
  AppendInt(out, t.hour, 2);
  AppendInt(out, t.minute, 2);
  AppendInt(out, t.second, 2);
  out += '.';
  AppendInt(out, t.hundredths, 2);
}

bool RangedTxt(const char* field, int8_t& value) {
  if (IsEmptyField(field)) {
    value = kEmpty8;
    return true;
  }
  const int32_t v = FieldToInt(field);
  value = static_cast<int8_t>(v);
  return v >= 1 && v <= 99;
}

void TextOrEmpty(char* destination, std::size_t capacity, const char* field) {
  if (IsEmptyField(field)) {
    destination[0] = '\0';
  } else {
    CopyText(destination, capacity, field);
  }
}

bool ParseVdmLike(char* line, SENTENCE_STRUCT& record) {
  VDM_STRUCT& m = record.fields.vdm;
  std::memset(&m, 0, sizeof m);
  if (!HasCommaCount(line, 6)) return false;
  FieldReader r(line);
  if (!Digit09(r.Next(), m.totalSentences)) return false;
  if (!Digit09(r.Next(), m.sentenceNumber)) return false;
  if (!SequentialId(r.Next(), m.sequentialId)) return false;
  m.channel = ChannelChar(r.Next());
  if (!Payload(r.Next(), m.sequentialId, m.payload)) return false;
  if (!FillBits(r.Last(), m.fillBits)) return false;
  return r.Complete();
}

bool FormatVdmLike(std::string& out, const SENTENCE_STRUCT& record) {
  const VDM_STRUCT& m = record.fields.vdm;
  AppendAddress(out, '!', record);
  out += ',';
  AppendInt(out, m.totalSentences);
  out += ',';
  AppendInt(out, m.sentenceNumber);
  out += ',';
  AppendSequentialId(out, m.sequentialId);
  out += ',';
  AppendChannel(out, m.channel, 'A');
  out += ',';
  if (!AppendText(out, m.payload, sizeof m.payload)) return false;
  out += ',';
  AppendInt(out, m.fillBits);
  return true;
}

}  // namespace

bool ParseTXT(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 4)) return false;
  FieldReader r(line);
  TXT_STRUCT& m = record.fields.txt;
  if (!RangedTxt(r.Next(), m.totalSentences)) return false;
  if (!RangedTxt(r.Next(), m.sentenceNumber)) return false;
  if (!RangedTxt(r.Next(), m.textId)) return false;
  const char* text = r.Last();
  std::memset(m.text, 0, sizeof m.text);
  const std::size_t length = std::strlen(text);
  std::memcpy(m.text, text, length <= 62 ? length : 61);
  return r.Complete();
}

bool ParseABK(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 5)) return false;
  FieldReader r(line);
  ABK_STRUCT& m = record.fields.abk;
  m.mmsi = static_cast<uint32_t>(FieldToInt(r.Next()));
  // The channel arrives as a letter; a digit is taken as the offset from 'A'.
  const char* f = r.Next();
  if (IsEmptyField(f)) {
    m.channel = kEmpty8;
  } else if (f[0] >= 'A' && f[0] <= 'Z') {
    m.channel = static_cast<int8_t>(f[0] - 'A');
  } else {
    m.channel = static_cast<int8_t>(FieldToInt(f));
  }
  m.messageId = static_cast<int8_t>(FieldToInt(r.Next()));
  m.sequenceNumber = static_cast<int8_t>(FieldToInt(r.Next()));
  m.ackType = static_cast<int8_t>(FieldToInt(r.Last()));
  return r.Complete();
}

bool ParseABM(char* line, SENTENCE_STRUCT& record) {
  ABM_STRUCT& m = record.fields.abm;
  std::memset(&m, 0, sizeof m);
  if (!HasCommaCount(line, 8)) return false;
  FieldReader r(line);
  if (!Digit09(r.Next(), m.totalSentences)) return false;
  if (!Digit09(r.Next(), m.sentenceNumber)) return false;
  if (!SequentialId(r.Next(), m.sequentialId)) return false;
  m.destinationMmsi = static_cast<uint32_t>(FieldToInt(r.Next()));
  m.channel = ChannelChar(r.Next());
  m.messageId = static_cast<uint8_t>(FieldToInt(r.Next()));
  if (!Payload(r.Next(), m.sequentialId, m.payload)) return false;
  if (!FillBits(r.Last(), m.fillBits)) return false;
  return r.Complete();
}

bool ParseBBM(char* line, SENTENCE_STRUCT& record) {
  BBM_STRUCT& m = record.fields.bbm;
  std::memset(&m, 0, sizeof m);
  if (!HasCommaCount(line, 7)) return false;
  FieldReader r(line);
  if (!Digit09(r.Next(), m.totalSentences)) return false;
  if (!Digit09(r.Next(), m.sentenceNumber)) return false;
  if (!SequentialId(r.Next(), m.sequentialId)) return false;
  m.channel = static_cast<int8_t>(FieldToInt(r.Next()));
  m.messageId = static_cast<uint8_t>(FieldToInt(r.Next()));
  if (!Payload(r.Next(), m.sequentialId, m.payload)) return false;
  if (!FillBits(r.Last(), m.fillBits)) return false;
  return r.Complete();
}

bool ParseVDM(char* line, SENTENCE_STRUCT& record) { return ParseVdmLike(line, record); }
bool ParseVDO(char* line, SENTENCE_STRUCT& record) { return ParseVdmLike(line, record); }

bool ParseACA(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 19)) return false;
  FieldReader r(line);
  ACA_STRUCT& m = record.fields.aca;
  m.sequenceNumber = FirstChar(r.Next());
  ParseLatLonFields(r, r.Next(), m.northEast);
  ParseLatLonFields(r, r.Next(), m.southWest);
  m.zoneSize = FirstChar(r.Next());
  m.channelA = static_cast<uint16_t>(FieldToInt(r.Next()));
  m.bandwidthA = FirstChar(r.Next());
  m.channelB = static_cast<uint16_t>(FieldToInt(r.Next()));
  m.bandwidthB = FirstChar(r.Next());
  m.txRxMode = FirstChar(r.Next());
  m.powerLevel = FirstChar(r.Next());
  m.informationSource = FirstChar(r.Next());
  m.inUse = FirstChar(r.Next());
  ParseTimeField(r.Last(), m.inUseChangeTime);
  return r.Complete();
}

bool ParseACS(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 6)) return false;
  FieldReader r(line);
  ACS_STRUCT& m = record.fields.acs;
  m.sequenceNumber = FirstChar(r.Next());
  m.originatorMmsi = static_cast<uint32_t>(FieldToInt(r.Next()));
  ParseTimeField(r.Next(), m.time);
  m.day = static_cast<uint8_t>(FieldToInt(r.Next()));
  m.month = static_cast<uint8_t>(FieldToInt(r.Next()));
  m.year = static_cast<uint16_t>(FieldToInt(r.Last()));
  return r.Complete();
}

bool ParseACK(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 1)) return false;
  FieldReader r(line);
  const char* f = r.Last();
  record.fields.ack.alarmId = IsEmptyField(f) ? 1000 : static_cast<uint16_t>(FieldToInt(f));
  return r.Complete();
}

bool ParseALR(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 5)) return false;
  FieldReader r(line);
  ALR_STRUCT& m = record.fields.alr;
  ParseTimeField(r.Next(), m.time);
  m.alarmId = static_cast<uint16_t>(FieldToInt(r.Next()));
  m.condition = FirstChar(r.Next());
  m.ackState = FirstChar(r.Next());
  CopyText(m.description, sizeof m.description, r.Last());
  return r.Complete();
}

bool ParseSSD(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 8)) return false;
  FieldReader r(line);
  SSD_STRUCT& m = record.fields.ssd;
  TextOrEmpty(m.callSign, sizeof m.callSign, r.Next());
  TextOrEmpty(m.name, sizeof m.name, r.Next());
  const char* f = r.Next();
  m.dimA = IsEmptyField(f) ? 512 : static_cast<uint16_t>(FieldToInt(f));
  f = r.Next();
  m.dimB = IsEmptyField(f) ? 512 : static_cast<uint16_t>(FieldToInt(f));
  f = r.Next();
  m.dimC = IsEmptyField(f) ? 64 : static_cast<uint8_t>(FieldToInt(f));
  f = r.Next();
  m.dimD = IsEmptyField(f) ? 64 : static_cast<uint8_t>(FieldToInt(f));
  f = r.Next();
  m.dteIndicator = IsEmptyField(f) ? 2 : static_cast<uint8_t>(FieldToInt(f));
  CopyText(m.sourceId, sizeof m.sourceId, r.Last());
  return r.Complete();
}

bool ParseVSD(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 9)) return false;
  FieldReader r(line);
  VSD_STRUCT& m = record.fields.vsd;
  const char* f = r.Next();
  m.shipType = IsEmptyField(f) ? 256 : static_cast<uint16_t>(FieldToInt(f) & 0xFF);
  m.draught = NumberField(r.Next(), -100000.0f);
  f = r.Next();
  m.persons = IsEmptyField(f) ? 8192 : static_cast<uint16_t>(FieldToInt(f));
  TextOrEmpty(m.destination, sizeof m.destination, r.Next());
  ParseTimeField(r.Next(), m.eta);
  f = r.Next();
  m.etaDay = IsEmptyField(f) ? 32 : static_cast<uint8_t>(FieldToInt(f));
  f = r.Next();
  m.etaMonth = IsEmptyField(f) ? 13 : static_cast<uint8_t>(FieldToInt(f));
  f = r.Next();
  m.navigationalStatus = IsEmptyField(f) ? 128 : static_cast<uint8_t>(FieldToInt(f));
  m.regionalFlags = static_cast<uint8_t>(FieldToInt(r.Last()));
  return r.Complete();
}

bool FormatABK(std::string& out, const SENTENCE_STRUCT& record) {
  const ABK_STRUCT& m = record.fields.abk;
  AppendAddress(out, '$', record);
  out += ',';
  if (m.mmsi != 0) AppendInt(out, m.mmsi);
  out += ',';
  if (m.channel != kEmpty8) AppendChar(out, static_cast<char>('A' + m.channel));
  out += ',';
  AppendInt(out, m.messageId);
  out += ',';
  AppendInt(out, m.sequenceNumber);
  out += ',';
  AppendInt(out, m.ackType);
  return true;
}

bool FormatABM(std::string& out, const SENTENCE_STRUCT& record) {
  const ABM_STRUCT& m = record.fields.abm;
  AppendAddress(out, '!', record);
  out += ',';
  AppendInt(out, m.totalSentences);
  out += ',';
  AppendInt(out, m.sentenceNumber);
  out += ',';
  AppendSequentialId(out, m.sequentialId);
  out += ',';
  AppendInt(out, m.destinationMmsi);
  out += ',';
  AppendChannel(out, m.channel, '0');
  out += ',';
  AppendInt(out, m.messageId);
  out += ',';
  if (!AppendText(out, m.payload, sizeof m.payload)) return false;
  out += ',';
  AppendInt(out, m.fillBits);
  return true;
}

bool FormatBBM(std::string& out, const SENTENCE_STRUCT& record) {
  const BBM_STRUCT& m = record.fields.bbm;
  AppendAddress(out, '!', record);
  out += ',';
  AppendInt(out, m.totalSentences);
  out += ',';
  AppendInt(out, m.sentenceNumber);
  out += ',';
  AppendSequentialId(out, m.sequentialId);
  out += ',';
  AppendInt(out, m.channel);
  out += ',';
  AppendInt(out, m.messageId);
  out += ',';
  if (!AppendText(out, m.payload, sizeof m.payload)) return false;
  out += ',';
  AppendInt(out, m.fillBits);
  return true;
}

bool FormatVDM(std::string& out, const SENTENCE_STRUCT& record) {
  return FormatVdmLike(out, record);
}
bool FormatVDO(std::string& out, const SENTENCE_STRUCT& record) {
  return FormatVdmLike(out, record);
}

bool FormatACK(std::string& out, const SENTENCE_STRUCT& record) {
  AppendAddress(out, '$', record);
  out += ',';
  if (record.fields.ack.alarmId < 1000) AppendInt(out, record.fields.ack.alarmId, 3);
  return true;
}

bool FormatALR(std::string& out, const SENTENCE_STRUCT& record) {
  const ALR_STRUCT& m = record.fields.alr;
  AppendAddress(out, '$', record);
  out += ',';
  if (m.time.hour < 24) {
    std::string time;
    AppendTime(time, m.time);
    out.append(time, 0, 9);
  }
  out += ',';
  AppendInt(out, m.alarmId);
  out += ',';
  AppendChar(out, m.condition);
  out += ',';
  AppendChar(out, m.ackState);
  out += ',';
  return AppendText(out, m.description, sizeof m.description);
}

bool FormatSSD(std::string& out, const SENTENCE_STRUCT& record) {
  const SSD_STRUCT& m = record.fields.ssd;
  AppendAddress(out, '$', record);
  out += ',';
  if (!AppendText(out, m.callSign, sizeof m.callSign)) return false;
  out += ',';
  if (!AppendText(out, m.name, sizeof m.name)) return false;
  out += ',';
  if (m.dimA <= 511) AppendInt(out, m.dimA);
  out += ',';
  if (m.dimB <= 511) AppendInt(out, m.dimB);
  out += ',';
  if (m.dimC <= 63) AppendInt(out, m.dimC);
  out += ',';
  if (m.dimD <= 63) AppendInt(out, m.dimD);
  out += ',';
  if (m.dteIndicator <= 1) AppendInt(out, m.dteIndicator);
  out += ',';
  return AppendText(out, m.sourceId, sizeof m.sourceId);
}

bool FormatVSD(std::string& out, const SENTENCE_STRUCT& record) {
  const VSD_STRUCT& m = record.fields.vsd;
  AppendAddress(out, '$', record);
  out += ',';
  if (m.shipType <= 255) AppendInt(out, m.shipType);
  out += ',';
  if (m.draught >= 0.0f && m.draught <= 25.5f) AppendFixed(out, m.draught, 1, 4);
  out += ',';
  if (m.persons <= 8191) AppendInt(out, m.persons);
  out += ',';
  if (!AppendText(out, m.destination, sizeof m.destination)) return false;
  out += ',';
  if (m.eta.hour < 24) AppendTime(out, m.eta);
  out += ',';
  if (m.etaDay < 32) AppendInt(out, m.etaDay, 2);
  out += ',';
  if (m.etaMonth <= 12) AppendInt(out, m.etaMonth, 2);
  out += ',';
  if (m.navigationalStatus <= 15) AppendInt(out, m.navigationalStatus);
  out += ',';
  if (m.regionalFlags <= 15) AppendInt(out, m.regionalFlags);
  return true;
}
