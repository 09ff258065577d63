// Proprietary sentences of the device and the auxiliary AIQ, Smg and query forms.
#include <climits>
#include <cstring>

#include "protocol/FieldFormat.h"
#include "protocol/SentenceFields.h"
#include "protocol/SentenceParsers.h"

namespace {

uint32_t Number32(const char* field, uint32_t empty) {
  return IsEmptyField(field) ? empty : static_cast<uint32_t>(FieldToInt(field));
}
uint8_t Number8(const char* field, uint8_t empty) {
  return IsEmptyField(field) ? empty : static_cast<uint8_t>(FieldToInt(field));
}
int16_t Number16(const char* field, int16_t empty) {
  return IsEmptyField(field) ? empty : static_cast<int16_t>(FieldToInt(field));
}

void TextOrEmpty(char* destination, std::size_t capacity, const char* field) {
  if (IsEmptyField(field)) {
    destination[0] = '\0';
  } else {
    CopyText(destination, capacity, field);
  }
}

void AppendHex(std::string& out, uint8_t value) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  out += kHex[value >> 4];
  out += kHex[value & 0xF];
}

}  // namespace

bool ParseTST(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 5)) return false;
  FieldReader r(line);
  TST_STRUCT& m = record.fields.tst;
  m.numberA = Number32(r.Next(), 99999);
  m.numberB = Number8(r.Next(), 99);
  m.letterC = FirstChar(r.Next());
  m.letterD = FirstChar(r.Next());
  const char* f = r.Last();
  m.command = IsEmptyField(f) ? 65535 : static_cast<uint16_t>(FieldToInt(f));
  return r.Complete();
}

bool ParseDBG(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 8)) return false;
  FieldReader r(line);
  DBG_STRUCT& m = record.fields.dbg;
  for (int i = 0; i < 4; ++i) {
    m.ids[i] = Number16(r.Next(), 999);
    const char* f = i == 3 ? r.Last() : r.Next();
    m.values[i] = IsEmptyField(f) ? INT32_MIN : FieldToInt(f);
  }
  return r.Complete();
}

bool ParseMID(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 2)) return false;
  FieldReader r(line);
  record.fields.mid.identity1 = Number32(r.Next(), 999999999);
  record.fields.mid.identity2 = Number32(r.Last(), 999999999);
  return r.Complete();
}

bool ParseCEK(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 6)) return false;
  FieldReader r(line);
  CEK_STRUCT& m = record.fields.cek;
  m.byte1 = Number8(r.Next(), 255);
  m.byte2 = Number8(r.Next(), 255);
  m.byte3 = Number8(r.Next(), 255);
  m.number4 = Number32(r.Next(), 255);
  TextOrEmpty(m.key, sizeof m.key, r.Next());
  const char* f = r.Last();
  m.sentenceType = IsEmptyField(f) ? 'R' : f[0];
  return r.Complete();
}

bool ParseTPS(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 2)) return false;
  FieldReader r(line);
  TPS_STRUCT& m = record.fields.tps;
  m.number = Number16(r.Next(), 999);
  TextOrEmpty(m.text, sizeof m.text, r.Last());
  return r.Complete();
}

bool ParseBDY(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 5)) return false;
  FieldReader r(line);
  BDY_STRUCT& m = record.fields.bdy;
  m.number = Number32(r.Next(), 999999999);
  TextOrEmpty(m.text2, sizeof m.text2, r.Next());
  TextOrEmpty(m.text3, sizeof m.text3, r.Next());
  m.flag4 = Number8(r.Next(), 9);
  m.flag5 = Number8(r.Last(), 9);
  return r.Complete();
}

bool ParseBTH(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 7)) return false;
  FieldReader r(line);
  BTH_STRUCT& m = record.fields.bth;
  for (int16_t& number : m.numbers) number = Number16(r.Next(), 256);
  TextOrEmpty(m.text, sizeof m.text, r.Last());
  return r.Complete();
}

bool ParseFRQ(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 4)) return false;
  FieldReader r(line);
  FRQ_STRUCT& m = record.fields.frq;
  m.frequency1 = Number32(r.Next(), 999999999);
  m.number1 = Number8(r.Next(), 128);
  m.frequency2 = Number32(r.Next(), 999999999);
  m.number2 = Number8(r.Last(), 128);
  return r.Complete();
}

bool ParseMOB(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 5)) return false;
  FieldReader r(line);
  MOB_STRUCT& m = record.fields.mob;
  const char* f = r.Next();
  if (std::strlen(f) == 6) {
    for (int i = 0; i < 3; ++i) {
      if (!HexToByte(std::string_view(f + 2 * i, 2), m.identity[i])) return false;
    }
  } else {
    std::memset(m.identity, 0, sizeof m.identity);
  }
  m.number2 = Number8(r.Next(), 255);
  f = r.Next();
  if (IsEmptyField(f)) {
    m.byte3 = 255;
  } else if (std::strlen(f) <= 2 && !HexToByte(f, m.byte3)) {
    return false;
  }
  f = r.Next();
  if (IsEmptyField(f)) {
    m.byte4Present = 0;
  } else if (std::strlen(f) <= 2) {
    if (!HexToByte(f, m.byte4)) return false;
    m.byte4Present = 1;
  }
  f = r.Last();
  const std::size_t length = std::strlen(f);
  m.dataCount = 0;
  if (!IsEmptyField(f) && length >= 2 && length <= 18 && length % 2 == 0) {
    m.dataCount = static_cast<uint8_t>(length / 2);
    for (std::size_t i = 0; i < length / 2; ++i) {
      if (!HexToByte(std::string_view(f + 2 * i, 2), m.data[i])) {
        m.dataCount = 0;
        break;
      }
    }
  }
  return r.Complete();
}

bool ParseAIQ(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 2)) return false;
  FieldReader r(line);
  if (std::strcmp(r.Next(), "Smg") != 0) return false;
  record.fields.aiq.value = static_cast<uint8_t>(FieldToInt(r.Last()));
  return r.Complete();
}

bool ParseSmg(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 2)) return false;
  FieldReader r(line);
  CopyText(record.fields.smg.text, sizeof record.fields.smg.text, r.Next());
  record.fields.smg.value = static_cast<uint8_t>(FieldToInt(r.Last()));
  return r.Complete();
}

bool ParseQuery(char* line, SENTENCE_STRUCT& record) {
  if (!HasCommaCount(line, 9)) return false;
  FieldReader r(line);
  CopyText(record.fields.query.text, sizeof record.fields.query.text, r.Last());
  return r.Complete();
}

bool FormatTST(std::string& out, const SENTENCE_STRUCT& record) {
  const TST_STRUCT& m = record.fields.tst;
  AppendAddress(out, '$', record);
  out += ',';
  if (m.numberA < 99999) AppendInt(out, m.numberA, 5);
  out += ',';
  if (m.numberB < 99) AppendInt(out, m.numberB, 2);
  out += ',';
  if (m.letterC >= 'a' && m.letterC <= 'm') out += m.letterC;
  out += ',';
  if (m.letterD >= 'A' && m.letterD <= 'Z') out += m.letterD;
  out += ',';
  if (m.command < 65535) AppendInt(out, m.command, 5);
  return true;
}

bool FormatDBG(std::string& out, const SENTENCE_STRUCT& record) {
  const DBG_STRUCT& m = record.fields.dbg;
  out += '$';
  out.append(record.talker, strnlen(record.talker, sizeof record.talker));
  if (record.subType >= 'A' && record.subType <= 'Z') {
    out += "KVR,";
    out += record.subType;
    out += ',';
  }
  out.append(record.formatter, strnlen(record.formatter, sizeof record.formatter));
  for (int i = 0; i < 4; ++i) {
    out += ',';
    if (m.ids[i] < 999) AppendInt(out, m.ids[i], 3);
    out += ',';
    if (m.values[i] != INT32_MIN) AppendInt(out, m.values[i]);
  }
  return true;
}

bool FormatMID(std::string& out, const SENTENCE_STRUCT& record) {
  AppendAddress(out, '$', record);
  out += ',';
  if (record.fields.mid.identity1 <= 999999999) AppendInt(out, record.fields.mid.identity1, 9);
  out += ',';
  if (record.fields.mid.identity2 <= 999999999) AppendInt(out, record.fields.mid.identity2, 9);
  return true;
}

bool FormatTPS(std::string& out, const SENTENCE_STRUCT& record) {
  AppendAddress(out, '$', record);
  out += ',';
  if (record.fields.tps.number < 999) AppendInt(out, record.fields.tps.number, 3);
  out += ',';
  return AppendText(out, record.fields.tps.text, sizeof record.fields.tps.text);
}

bool FormatBDY(std::string& out, const SENTENCE_STRUCT& record) {
  const BDY_STRUCT& m = record.fields.bdy;
  AppendAddress(out, '$', record);
  out += ',';
  if (m.number < 999999999) AppendInt(out, m.number, 9);
  out += ',';
  if (!AppendText(out, m.text2, sizeof m.text2)) return false;
  out += ',';
  if (!AppendText(out, m.text3, sizeof m.text3)) return false;
  out += ',';
  if (m.flag4 <= 1) AppendInt(out, m.flag4);
  out += ',';
  if (m.flag5 <= 1) AppendInt(out, m.flag5);
  return true;
}

bool FormatBTH(std::string& out, const SENTENCE_STRUCT& record) {
  const BTH_STRUCT& m = record.fields.bth;
  AppendAddress(out, '$', record);
  bool allBytes = true;
  for (int16_t number : m.numbers) allBytes = allBytes && number <= 255;
  for (int16_t number : m.numbers) {
    out += ',';
    if (allBytes) AppendInt(out, number, 3);
  }
  out += ',';
  return AppendText(out, m.text, sizeof m.text);
}

bool FormatFRQ(std::string& out, const SENTENCE_STRUCT& record) {
  const FRQ_STRUCT& m = record.fields.frq;
  AppendAddress(out, '$', record);
  out += ',';
  if (m.frequency1 < 999999999) AppendInt(out, m.frequency1, 9);
  out += ',';
  if (m.number1 <= 10) AppendInt(out, m.number1);
  out += ',';
  if (m.frequency2 < 999999999) AppendInt(out, m.frequency2, 9);
  out += ',';
  if (m.number2 <= 10) AppendInt(out, m.number2);
  return true;
}

bool FormatMOB(std::string& out, const SENTENCE_STRUCT& record) {
  const MOB_STRUCT& m = record.fields.mob;
  AppendAddress(out, '$', record);
  out += ',';
  for (uint8_t byte : m.identity) AppendHex(out, byte);
  out += ',';
  AppendInt(out, m.number2);
  out += ',';
  AppendHex(out, m.byte3);
  out += ',';
  if (m.byte4Present) AppendHex(out, m.byte4);
  out += ',';
  const int count = m.dataCount <= sizeof m.data ? m.dataCount : 0;
  for (int i = 0; i < count; ++i) AppendHex(out, m.data[i]);
  return true;
}
