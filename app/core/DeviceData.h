#pragma once
// The device-data dump parsed into DEVICE_INFO_STRUCT, with a note of what
// each line changed.
#include <optional>
#include <string_view>

#include "app/core/CfgReply.h"
#include "app/core/DeviceInfo.h"

// What one dump line changed, so that the window can refresh its controls.
// The values themselves are in DEVICE_INFO_STRUCT.
struct DeviceDataUpdate {
  bool mmsi = false;  // info.mmsi and checkFlags[2] set
  bool name = false;
  bool callSign = false;
  bool shipCargo = false;  // shipCargoType and dimA..dimD
  int shipTypeRow = -1;    // row of shipCargoType in ShipTypeTable, -1 none
  bool dscMonitor = false;
  int dscMonitorIndex = 0;  // 1 "ON" when the text begins with '1'
  bool firmwareText = false;
  bool nmeaRates = false;
  int nmeaNo2Index = 0;  // entry holding the rate of nmeaRx
  int nmeaNo3Index = 0;  // entry holding the rate of nmeaTx
  bool gpsReportInterval = false;
  std::optional<int> gpsOutputIndex;  // nullopt: leave the selection as it is
  bool gpsDynModel = false;
  int gpsModeIndex = 0;              // 0 above 500 m (model 4), 1 sea level
  bool srmBoxes = false;             // run SelectSrmMode
  bool systemDataEnd = false;        // run ShowSrmTabs
  std::optional<CfgReply> cfgReply;  // a checksum-valid reply with an id
};

// Applies every dump key found in line (CR LF included) to info. Values are
// copied up to their terminator and cut to their field's capacity; a value
// without its terminator leaves the field empty.
DeviceDataUpdate ParseDeviceData(std::string_view line, DEVICE_INFO_STRUCT& info);
