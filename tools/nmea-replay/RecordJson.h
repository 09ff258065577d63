#pragma once
// The codec's group records as the replay prints them after its last line (--records).
#include <string>

#include "protocol/ProtocolState.h"

// One JSON object per group record, one per line: {"record":"GNSS_DATA_STRUCT",...}.
void WriteGroupRecords(std::string& out, const ProtocolState& state);
