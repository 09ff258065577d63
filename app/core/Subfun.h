#pragma once
// Coordinate splitting and display texts. Texts are bytes: the degree string
// is 0xB0 (Western code page) or 0xA2 0x58 (mode 1, code page 950).
#include <cstdint>
#include <string>

struct DmsValue {
  int16_t degrees = 0;  // carries the sign
  uint8_t minutes = 0;
  uint8_t seconds = 0;
};

struct DecMinValue {
  int16_t degrees = 0;  // carries the sign
  uint8_t minutes = 0;
  uint32_t fraction = 0;  // ten-thousandths of a minute
};

void DegToDms(double value, DmsValue& out);
void DegToDecMin(double value, DecMinValue& out);

// One coordinate as "%3d<deg>%02d.%04d'<letter>"; nothing when text is null.
void FormatDecMinutes(std::string* text, DecMinValue value, char letter, int mode);

// Longitude and latitude texts in format 0..3 (others: the short form).
// Nothing is written when either pointer is null.
void FormatLatLon(std::string* lonText, std::string* latText, double longitude, double latitude,
                  int format, int mode);
