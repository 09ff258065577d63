#pragma once
// Receive state of the AIS decoder: the message being assembled, its bits and
// decoded record, the target table and the last messages kept whole.
// A new state starts with an empty buffer and a cleared table.
#include "protocol/AisClock.h"
#include "protocol/AisDecoder.h"
#include "protocol/AisFragments.h"
#include "protocol/AisTargets.h"

struct AisState {
  AisState() { ClearAisTargets(targets); }

  FragmentBuffer fragments{};
  PayloadBits bits{};
  AisDecodedRecord decoded{};
  AIS_TARGET_LIST_STRUCT targets{};
  AisLastMessages lastMessages{};
  LocalClock clock;  // empty: the system's local time
};
