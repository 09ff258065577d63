// The table of ship and cargo types, and lookups between its rows and codes.
#include "app/core/ShipType.h"

const SHIP_TYPE_ROW ShipTypeTable[kShipTypeCount] = {
    {"20 = WIG", 20},
    {"30 = Vessel-Fishing", 30},
    {"31 = Vessel-Towing", 31},
    {"32 = Vessel-Tow,L>200m,W>25m", 32},
    {"33 = Vessel-Dredge,Underwater OP", 33},
    {"34 = Vessel-Diving OP", 34},
    {"35 = Vessel-Military OP", 35},
    {"36 = Vessel-Sailing", 36},
    {"37 = Vessel-Pleasure craft", 37},
    {"40 = HSC", 40},
    {"50 = Pilot vessel", 50},
    {"51 = Search & rescue vessel", 51},
    {"52 = Tug", 52},
    {"53 = Port tender", 53},
    {"54 = Anti-pollution vessel", 54},
    {"55 = Law enforcement vessel", 55},
    {"58 = Medical transport", 58},
    {"59 = Resolution 18(Mob-83)", 59},
    {"60 = Passenger ship", 60},
    {"70 = Cargo ship", 70},
    {"80 = Tanker", 80},
};

bool GetShipTypeCode(int index, uint8_t& code) {
  if (index < 0 || index >= kShipTypeCount) return false;
  code = static_cast<uint8_t>(ShipTypeTable[index].code & 0xFF);
  return true;
}

int FindShipTypeRow(int code) {
  for (int i = 0; i < kShipTypeCount; ++i)
    if (ShipTypeTable[i].code == code) return i;
  return -1;
}
