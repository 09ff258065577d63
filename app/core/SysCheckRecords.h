#pragma once
// The bridge from the protocol's records to the system check's inputs, and the
// slots of the device record's check flags.
#include "app/core/DeviceInfo.h"
#include "app/core/SysCheck.h"
#include "protocol/AisTargets.h"

// The checks' sources: the device dump, the own-vessel slot and the counters.
SysCheckInputs SysCheckInputsFrom(const DEVICE_INFO_STRUCT& info,
                                  const AIS_TARGET_STRUCT& ownVessel,
                                  const AisReportCounts& counters);

// Slots of DEVICE_INFO_STRUCT::checkFlags.
enum SysCheckFlag {
  kFlagFirmwareSeen = 0,
  kFlagSerialSeen = 1,
  kFlagMmsiProgrammed = 2,
  kFlagUnused = 3,
  kFlagTxPassed = 4,
  kFlagRxPassed = 5
};
