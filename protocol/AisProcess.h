#pragma once
#include "protocol/AisState.h"
#include "protocol/VdmFields.h"

// Step 3 of ProcessSentence: a parsed sentence that is not encapsulated discards
// any half-assembled AIS message and the last decoded record.
void ClearAisAssembly(AisState& ais);

// Steps 4-9 of ProcessSentence for a parsed VDM or VDO piece: assemble, de-armour,
// decode and merge into the target table. True when the caller goes on with the line.
bool ProcessAisSentence(AisState& ais, const char* formatter, const VDM_STRUCT& piece);
