// SEAM: stand-ins until the AIS assembly and decoder are built (they replace this file).
#include "protocol/AisProcess.h"

void ClearAisAssembly(AisState&) {}

bool ProcessAisSentence(AisState&, const char*, const VDM_STRUCT&) { return false; }
