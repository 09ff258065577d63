#pragma once
#include <string>

#include "protocol/ProtocolState.h"

// One JSON object per group record, one per line: {"record":"GNSS_DATA_STRUCT",...}.
void WriteGroupRecords(std::string& out, const ProtocolState& state);
