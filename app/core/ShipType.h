#pragma once
// The ship types offered on the static page; a list index is a row index.
#include <cstdint>

struct SHIP_TYPE_ROW {
  char text[35];
  uint16_t code;
};

constexpr int kShipTypeCount = 21;
extern const SHIP_TYPE_ROW ShipTypeTable[kShipTypeCount];

// Writes the low byte of row index's code; false (code untouched) for an
// index outside the table, as a combo box without selection gives -1.
bool GetShipTypeCode(int index, uint8_t& code);

// First row whose code equals code, or -1.
int FindShipTypeRow(int code);
