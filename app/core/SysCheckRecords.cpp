// Gathers the system check's inputs from the device record, the own-vessel
// slot and the counters, reading texts no further than their fields.
#include "app/core/SysCheckRecords.h"

#include <cstring>

namespace {
// A dump text is zero-terminated within its width; never read past it.
template <size_t N>
std::string FieldText(const char (&field)[N]) {
  return std::string(field, strnlen(field, N));
}
}  // namespace

SysCheckInputs SysCheckInputsFrom(const DEVICE_INFO_STRUCT& info,
                                  const AIS_TARGET_STRUCT& ownVessel,
                                  const AisReportCounts& counters) {
  SysCheckInputs in;
  in.firmwareSeen = info.checkFlags[kFlagFirmwareSeen] != 0;
  in.firmwareText = FieldText(info.firmwareText);
  in.serialSeen = info.checkFlags[kFlagSerialSeen] != 0;
  in.serialText = FieldText(info.serialNumber);
  in.mmsiProgrammed = info.checkFlags[kFlagMmsiProgrammed] != 0;
  in.deviceMmsi = info.mmsi;
  in.ownMmsi = ownVessel.mmsi;
  in.ownLon = ownVessel.longitude;
  in.ownLat = ownVessel.latitude;
  in.ownTimeStampValid = ownVessel.timeStampValid != 0;
  in.counters = counters;
  return in;
}
