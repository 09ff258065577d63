#pragma once
// The transmission and reception counters of the system check, fed by the
// AIS sentences the codec passes on.
#include <cstdint>

// AIS reports counted for the system check: own transmissions (VDO) and
// receptions (VDM) per channel, with the channel letter of the last of each.
struct AisReportCounts {
  uint32_t txA = 0, txB = 0, rxA = 0, rxB = 0;
  char lastRxChannel = 0;
  char lastTxChannel = 0;
};

// Counts one AIS sentence that the codec passed on. VDO counts only on
// channels 'A' and 'B'; every other formatter counts as a reception, 'A' on
// channel A and any other letter (an empty one too) on channel B.
void CountAisReports(AisReportCounts& counters, const char* formatter, char channel);
