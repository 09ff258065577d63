#pragma once
// What the program knows of the connected device, in one record that the
// dump, the replies, the pages and the system check share.
#include <cstdint>

// Device types of the "[MultipleBaudRate]=" dump line: how many NMEA ports the
// baud-rate page shows and which debug parameters it writes.
using MultipleBaudType = int32_t;

// What the device-data dump and the configuration replies told us about the
// device. Texts are bytes, always zero-terminated within their width.
struct DEVICE_INFO_STRUCT {
  char firmwareVersion[34] = {};  // "[FwVersion]="
  int32_t gpsReportInterval = 0;  // "[GPS_RI]=", seconds
  MultipleBaudType multipleBaudType = 0;
  int32_t gpsDynModel = 0;  // 4 above 500 m, 5 sea level
  int32_t srmBoxes = 0;     // 4 text messages, 1 button
  uint32_t mmsi = 0;        // non-zero: already programmed
  char name[23] = {};
  char callSign[9] = {};
  int32_t shipCargoType = 0;
  int32_t dimA = 0, dimB = 0, dimC = 0, dimD = 0;
  char dscMonitor[11] = {};  // first character '1' means on
  int32_t nmeaTx = 0, nmeaRx = 0;
  char serialNumber[16] = {};
  char firmwareText[29] = {};  // "Firmware:"
  uint8_t gpsOutputOn = 0;
  int32_t nmeaPortBaud[4] = {};  // items 183/10, 183/11, 183/20, 183/21
  // [0] firmware text seen, [1] serial number seen, [2] MMSI programmed,
  // [3] unused, [4] [5] owned by the system check page.
  uint8_t checkFlags[6] = {};
};

// A new session forgets the device but keeps the system check's flags.
inline void ClearDeviceInfoKeepFlags(DEVICE_INFO_STRUCT& info) {
  uint8_t flags[6];
  for (int i = 0; i < 6; ++i) flags[i] = info.checkFlags[i];
  info = DEVICE_INFO_STRUCT{};
  for (int i = 0; i < 6; ++i) info.checkFlags[i] = flags[i];
}
