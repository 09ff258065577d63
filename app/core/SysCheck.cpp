// The system check's texts and pass marks from the device dump, the own
// vessel's fix and the report counts.
#include "app/core/SysCheck.h"

#include <cmath>
#include <cstdio>

std::string CountToText(uint32_t value) { return std::to_string(value); }

static std::string MmsiText(uint32_t mmsi) {
  char buf[16];
  std::snprintf(buf, sizeof buf, " %09u", mmsi);
  return buf;
}

SysCheckView ComputeSystemCheck(const SysCheckInputs& in) {
  SysCheckView v;
  v.fwVer = in.firmwareSeen ? in.firmwareText : "---------";
  if (in.mmsiProgrammed)
    v.mmsi = MmsiText(in.deviceMmsi);
  else if (in.ownMmsi != 0)
    v.mmsi = MmsiText(in.ownMmsi);
  else
    v.mmsi = "000000000";
  v.prodSn = in.serialSeen ? in.serialText : "---------";

  const bool gpsFixed =
      std::fabs(in.ownLon) < 180.1f && std::fabs(in.ownLat) < 90.1f && in.ownTimeStampValid;
  v.gps = gpsFixed ? "Fixed" : "Lost";

  const AisReportCounts& c = in.counters;
  v.txCntA = CountToText(c.txA);
  v.txCntB = CountToText(c.txB);
  v.rxCntA = CountToText(c.rxA);
  v.rxCntB = CountToText(c.rxB);

  v.passed[kCheckFirmware] = in.firmwareSeen;
  v.passed[kCheckSerialNumber] = in.serialSeen;
  v.passed[kCheckMmsi] = in.mmsiProgrammed || in.ownMmsi != 0;
  v.passed[kCheckGps] = gpsFixed;
  // Added as 64-bit so two large counters cannot wrap to zero.
  v.passed[kCheckTx] = uint64_t{c.txA} + c.txB >= 1;
  v.passed[kCheckRx] = uint64_t{c.rxA} + c.rxB >= 1;
  return v;
}
