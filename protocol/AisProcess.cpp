// A VDM/VDO piece taken through assembly, de-armouring and decoding into the target
// table, where each station counts its own (VDO) and heard (VDM) messages.
#include "protocol/AisProcess.h"

#include <cstring>

void ClearAisAssembly(AisState& ais) {
  std::memset(&ais.decoded, 0, sizeof ais.decoded);
  std::memset(&ais.fragments, 0, sizeof ais.fragments);
}

bool ProcessAisSentence(AisState& ais, const char* formatter, const VDM_STRUCT& piece) {
  const bool isOwn = std::strcmp(formatter, "VDO") == 0;
  if (!isOwn && std::strcmp(formatter, "VDM") != 0) {
    // ABM and BBM also begin with '!', but carry no message from a station.
    ClearAisAssembly(ais);
    return true;
  }
  if (!AssembleFragments(formatter, piece, ais.fragments)) return false;
  if (!DearmourPayload(ais.fragments, ais.bits)) return false;
  std::memset(&ais.decoded, 0, sizeof ais.decoded);
  if (!DecodeAisPayload(ais.bits, ais.decoded)) return false;

  const int slot = UpdateAisTarget(ais, ais.decoded, piece.channel - '0', 0, isOwn);
  if (slot < 0) return true;
  AIS_TARGET_STRUCT& target = ais.targets.slot[slot];
  if (isOwn) {
    ++target.vdoCount;
  } else {
    ++target.vdmCount;
  }
  return true;
}
