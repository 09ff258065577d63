// One AIS sentence counted: VDO as a transmission, anything else as a
// reception, on channel A or B.
#include "app/core/SysCheckCounters.h"

#include <cstring>

void CountAisReports(AisReportCounts& counters, const char* formatter, char channel) {
  if (std::strcmp(formatter, "VDO") == 0) {
    counters.lastTxChannel = channel;
    if (channel == 'A')
      ++counters.txA;
    else if (channel == 'B')
      ++counters.txB;
    return;
  }
  counters.lastRxChannel = channel;
  if (channel == 'A')
    ++counters.rxA;
  else
    ++counters.rxB;
}
