#pragma once
// The AIS path of a received '!' sentence: from a VDM/VDO piece to the target table.
#include "protocol/AisState.h"
#include "protocol/VdmFields.h"

// A parsed sentence that is not encapsulated discards any half-assembled AIS
// message and the last decoded record.
void ClearAisAssembly(AisState& ais);

// Takes a parsed sentence that begins with '!': assembles VDM/VDO pieces,
// de-armours, decodes and merges the message into the target table. True when
// the caller goes on with the line: a message completed and decoded, or a
// sentence other than VDM/VDO (handled like a '$' sentence).
bool ProcessAisSentence(AisState& ais, const char* formatter, const VDM_STRUCT& piece);
