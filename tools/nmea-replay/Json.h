#pragma once
// A small JSON writer for the replay output: one object per line, keys in order.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "protocol/SentenceStruct.h"

class JsonWriter {
 public:
  explicit JsonWriter(std::string& out) : out_(out) {}

  void BeginObject(std::string_view key = {});
  void EndObject();
  void BeginArray(std::string_view key);
  void EndArray();

  void Int(std::string_view key, long long value);
  void Float(std::string_view key, double value);  // null when not finite
  void Bool(std::string_view key, bool value);
  // Bytes up to the first NUL or `capacity`; bytes outside printable ASCII escaped.
  void Text(std::string_view key, const char* text, std::size_t capacity);
  void Char(std::string_view key, char c);  // a one-character text, "" for NUL

  template <typename T>
  void IntArray(std::string_view key, const T* values, std::size_t count) {
    BeginArray(key);
    for (std::size_t i = 0; i < count; ++i) Int({}, static_cast<long long>(values[i]));
    EndArray();
  }

  void Time(std::string_view key, const NMEA_TIME& time);
  void Date(std::string_view key, const NMEA_DATE& date);
  void Position(std::string_view key, const NMEA_POSITION& position);

 private:
  void Separator(std::string_view key);
  void Quoted(const char* text, std::size_t length);

  std::string& out_;
  bool first_ = true;
};
