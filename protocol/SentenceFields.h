#pragma once
// Framing, checksum, field splitting and the field converters every parser and
// builder is written on.
#include <cstdint>
#include <string>
#include <string_view>

#include "protocol/SentenceStruct.h"

inline constexpr std::size_t kMaxReceivedLine = 98;  // after padding, CR LF included
inline constexpr std::size_t kSendBuffer = 100;      // built line, CR LF and NUL

bool VerifyChecksum(std::string_view line);
bool AppendChecksum(std::string& text);
// Puts a blank into every empty field; false (line unchanged) when the padded line
// would reach 99 characters.
bool PadEmptyFields(std::string& line);
bool HasCommaCount(const char* text, int count);

// Splits a text in place: each call cuts the next field at its delimiter. A field
// is only returned when its delimiter follows it; leading blanks are skipped unless
// the field is all blanks (the padded empty field stays " ").
class FieldCursor {
 public:
  explicit FieldCursor(char* text) : rest_(text) {}
  char* NextField(char delimiter);

 private:
  char* rest_;
};

// The parsers' reader: a missing field reads as empty and marks the line refused,
// so that no parser ever works on a null field.
class FieldReader {
 public:
  explicit FieldReader(char* text);  // takes and skips the address field
  const char* Next() { return Take(','); }
  const char* Last() { return Take('*'); }
  bool Complete() const { return complete_; }

 private:
  const char* Take(char delimiter);
  FieldCursor cursor_;
  bool complete_ = true;
};

inline bool IsEmptyField(const char* field) { return field[0] == ' '; }

// Low-order 32 bits of the decimal value: unsigned fields are exact as uint32_t.
int32_t FieldToInt(std::string_view text);
int32_t FieldToInt(const char* text);  // NUL-terminated field
// Decimal text to a number; 0 when the text holds none. Locale-free.
double FieldToDouble(const char* text);
inline float NumberField(const char* field, float empty) {
  return IsEmptyField(field) ? empty : static_cast<float>(FieldToDouble(field));
}
// Copies a text field cut to the capacity of `destination` (NUL included).
void CopyText(char* destination, std::size_t capacity, const char* field);
inline char FirstChar(const char* field) { return field[0]; }

float DdmmToDegrees(float value, float limit);
// `latitude` is the field already taken; reads N/S, longitude and E/W after it.
void ParseLatLonFields(FieldReader& reader, const char* latitude, NMEA_POSITION& position);
void ParseTimeField(const char* field, NMEA_TIME& time);
void ParseDateField(const char* field, NMEA_DATE& date);
void DegToNmeaMinutes(float value, int16_t& degrees, int16_t& minutes, uint32_t& fraction);
int SixBitValue(char c);
bool HexToByte(std::string_view text, uint8_t& value);
