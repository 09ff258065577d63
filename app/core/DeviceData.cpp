// Reads the device-data dump line by line: each key's value copied into the
// device record within its field's width, and what changed reported.
#include "app/core/DeviceData.h"

#include <cstring>
#include <string>

#include "app/core/ShipType.h"
#include "protocol/Protocol.h"

namespace {

bool Contains(std::string_view line, std::string_view key) {
  return line.find(key) != std::string_view::npos;
}

// The field is cleared, then takes the bytes between key (sought from
// position from on) and the first terminator after it, cut to capacity.
template <size_t N>
void CopyBetween(char (&field)[N], std::string_view line, std::string_view key,
                 std::string_view terminator, size_t from = 0) {
  std::memset(field, 0, N);
  if (from > line.size()) return;
  size_t at = line.find(key, from);
  if (at == std::string_view::npos) return;
  size_t begin = at + key.size();
  size_t end = line.find(terminator, begin);
  if (end == std::string_view::npos) return;
  std::string_view value = line.substr(begin, std::min(end - begin, N - 1));
  std::memcpy(field, value.data(), value.size());
}

int FirstEntryContaining(int32_t rate) {
  static const char* const kEntries[] = {"38400", "9600", "4800"};
  std::string text = std::to_string(rate);
  for (int i = 0; i < 3; ++i)
    if (std::strstr(kEntries[i], text.c_str())) return i;
  return 0;
}

}  // namespace

DeviceDataUpdate ParseDeviceData(std::string_view line, DEVICE_INFO_STRUCT& info) {
  DeviceDataUpdate u;
  int32_t n = 0;
  if (Contains(line, "MMSI:(")) {
    IntAfterKey(n, "MMSI:(", line);
    info.mmsi = static_cast<uint32_t>(n);
    info.checkFlags[2] = info.mmsi != 0;
    u.mmsi = true;
  }
  if (Contains(line, "Name:(")) {
    CopyBetween(info.name, line, "Name:(", ")", 4);
    u.name = true;
  }
  if (Contains(line, "Call Sign:(")) {
    CopyBetween(info.callSign, line, "Call Sign:(", ")\r\n");
    u.callSign = true;
  }
  if (Contains(line, "Ship Cargo Type")) {
    if (IntAfterKey(n, "Ship Cargo Type:(", line)) info.shipCargoType = n;
    IntAfterKey(info.dimA, "A:(", line);
    IntAfterKey(info.dimB, "B:(", line);
    IntAfterKey(info.dimC, "C:(", line);
    IntAfterKey(info.dimD, "D:(", line);
    u.shipCargo = true;
    u.shipTypeRow = FindShipTypeRow(info.shipCargoType);
  }
  if (Contains(line, "DSC Monitor:(")) {
    CopyBetween(info.dscMonitor, line, "DSC Monitor:(", ")", 4);
    u.dscMonitor = true;
    u.dscMonitorIndex = info.dscMonitor[0] == '1' ? 1 : 0;
  }
  if (Contains(line, "Firmware:")) {
    CopyBetween(info.firmwareText, line, "Firmware:", "\r\n");
    info.checkFlags[0] = 1;
    u.firmwareText = true;
  }
  if (Contains(line, "NMEA_TX=(")) {
    IntAfterKey(info.nmeaTx, "NMEA_TX=(", line);
    IntAfterKey(info.nmeaRx, "NMEA_RX=(", line);
    u.nmeaRates = true;
    u.nmeaNo2Index = FirstEntryContaining(info.nmeaRx);
    u.nmeaNo3Index = FirstEntryContaining(info.nmeaTx);
  }
  if (Contains(line, "[GPS_OnOff]=")) {
    IntAfterKey(n, "[GPS_OnOff]=", line);
    info.gpsOutputOn = n == 1;
  }
  if (Contains(line, "[FwVersion]="))
    CopyBetween(info.firmwareVersion, line, "[FwVersion]=", "\r\n");
  if (Contains(line, "S/N:(")) {
    CopyBetween(info.serialNumber, line, "S/N:(", ")\r\n");
    info.checkFlags[1] = 1;
  }
  if (Contains(line, "[GPS_RI]=")) {
    u.gpsReportInterval = true;
    if (info.gpsOutputOn == 1) {
      IntAfterKey(info.gpsReportInterval, "[GPS_RI]=", line);
      // Entries "OFF", "1s" .. "10s": an interval outside them selects nothing new.
      if (info.gpsReportInterval >= 0 && info.gpsReportInterval <= 10)
        u.gpsOutputIndex = info.gpsReportInterval;
    } else {
      u.gpsOutputIndex = 0;
    }
  }
  if (Contains(line, "[MultipleBaudRate]=")) {
    IntAfterKey(info.multipleBaudType, "[MultipleBaudRate]=", line);
    info.multipleBaudType = 2;  // the device reports a four-port type, whatever the value
  }
  if (Contains(line, "[GPS_NAV5_dynModel]=")) {
    IntAfterKey(info.gpsDynModel, "[GPS_NAV5_dynModel]=", line);
    u.gpsDynModel = true;
    u.gpsModeIndex = info.gpsDynModel == 4 ? 0 : 1;
  }
  if (Contains(line, "4 SRM box:(")) {
    IntAfterKey(info.srmBoxes, "4 SRM box:(", line);
    u.srmBoxes = true;
  }
  if (Contains(line, "[SYSTEM DATA END]")) u.systemDataEnd = true;
  if (VerifyChecksum(line) && Contains(line, "$PKVR,R,CFG,")) {
    CfgReply reply = ParseCfgReply(line.substr(line.find("$PKVR,R,CFG,")));
    if (reply.id != 0) u.cfgReply = reply;
  }
  return u;
}
