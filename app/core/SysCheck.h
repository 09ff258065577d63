#pragma once
// The SYSTEM CHECK page as plain data: what the checks read, the texts they
// show and which items pass.
#include <array>
#include <cstdint>
#include <string>

#include "app/core/SysCheckCounters.h"

// The six items of the system check page, in the order their pictures are set.
enum SysCheckItem { kCheckFirmware, kCheckSerialNumber, kCheckMmsi, kCheckGps, kCheckTx, kCheckRx };
constexpr int kSysCheckItemCount = 6;

// What the checks read: the device dump's flags and texts, the own-vessel
// slot of the target table and the report counters.
struct SysCheckInputs {
  bool firmwareSeen = false;
  std::string firmwareText;
  bool serialSeen = false;
  std::string serialText;
  bool mmsiProgrammed = false;
  uint32_t deviceMmsi = 0;
  uint32_t ownMmsi = 0;
  float ownLon = 181.0f, ownLat = 91.0f;
  bool ownTimeStampValid = false;
  AisReportCounts counters;
};

struct SysCheckView {
  std::string fwVer, mmsi, prodSn, gps;
  std::string txCntA, txCntB, rxCntA, rxCntB;
  std::array<bool, kSysCheckItemCount> passed{};
};

// Decimal text of a counter.
std::string CountToText(uint32_t value);
SysCheckView ComputeSystemCheck(const SysCheckInputs& in);

// Index in the pass/fail picture list.
constexpr int kCheckImageFail = 0;
constexpr int kCheckImagePass = 1;
