// The replay's JSON text: every byte outside printable ASCII escaped, so that any line
// the device sent stays valid JSON; numbers free of the C locale, non-finite ones null.
#include "tools/nmea-replay/Json.h"

#include <charconv>
#include <cmath>
#include <cstring>

void JsonWriter::Separator(std::string_view key) {
  if (!first_) out_ += ',';
  first_ = false;
  if (!key.empty()) {
    Quoted(key.data(), key.size());
    out_ += ':';
  }
}

void JsonWriter::Quoted(const char* text, std::size_t length) {
  static constexpr char kHex[] = "0123456789abcdef";
  out_ += '"';
  for (std::size_t i = 0; i < length; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '"' || c == '\\') {
      out_ += '\\';
      out_ += static_cast<char>(c);
    } else if (c < 0x20 || c >= 0x7F) {
      out_ += "\\u00";
      out_ += kHex[c >> 4];
      out_ += kHex[c & 0xF];
    } else {
      out_ += static_cast<char>(c);
    }
  }
  out_ += '"';
}

void JsonWriter::BeginObject(std::string_view key) {
  Separator(key);
  out_ += '{';
  first_ = true;
}

void JsonWriter::EndObject() {
  out_ += '}';
  first_ = false;
}

void JsonWriter::BeginArray(std::string_view key) {
  Separator(key);
  out_ += '[';
  first_ = true;
}

void JsonWriter::EndArray() {
  out_ += ']';
  first_ = false;
}

void JsonWriter::Int(std::string_view key, long long value) {
  Separator(key);
  char text[24];
  out_.append(text, std::to_chars(text, text + sizeof text, value).ptr);
}

void JsonWriter::Float(std::string_view key, double value) {
  Separator(key);
  if (!std::isfinite(value)) {
    out_ += "null";
    return;
  }
  char text[64];
  out_.append(text, std::to_chars(text, text + sizeof text, static_cast<float>(value)).ptr);
}

void JsonWriter::Bool(std::string_view key, bool value) {
  Separator(key);
  out_ += value ? "true" : "false";
}

void JsonWriter::Text(std::string_view key, const char* text, std::size_t capacity) {
  Separator(key);
  Quoted(text, strnlen(text, capacity));
}

void JsonWriter::Char(std::string_view key, char c) {
  Separator(key);
  Quoted(&c, c == '\0' ? 0 : 1);
}

void JsonWriter::Time(std::string_view key, const NMEA_TIME& time) {
  BeginObject(key);
  Int("hour", time.hour);
  Int("minute", time.minute);
  Int("second", time.second);
  Int("hundredths", time.hundredths);
  EndObject();
}

void JsonWriter::Date(std::string_view key, const NMEA_DATE& date) {
  BeginObject(key);
  Int("year", date.year);
  Int("month", date.month);
  Int("day", date.day);
  EndObject();
}

void JsonWriter::Position(std::string_view key, const NMEA_POSITION& position) {
  BeginObject(key);
  Float("latitude", position.latitude);
  Float("longitude", position.longitude);
  EndObject();
}
