#pragma once
// The AIS target list as the replay prints it after its last line (--targets).
#include <string>

#include "protocol/AisState.h"

// One JSON object per slot in use, in slot order, each on its own line.
void WriteAisTargets(std::string& out, const AIS_TARGET_LIST_STRUCT& targets);
