#pragma once
// Everything the sentence codec keeps between lines. The program makes one (on
// the heap: the AIS target table is large); tests make a fresh one each.
// Touched on the user-interface thread only.
#include <functional>

#include "protocol/AisState.h"
#include "protocol/GroupRecords.h"
#include "protocol/SentenceStruct.h"

struct ProtocolState {
  SENTENCE_STRUCT incoming{};  // filled by ProcessSentence from every received line
  SENTENCE_STRUCT outgoing{};  // filled by BuildSentence

  GNSS_DATA_STRUCT gnss{};
  MOTION_DATA_STRUCT motion{};
  LONG_RANGE_DATA_STRUCT longRange{};
  AIS_DATA_STRUCT aisData{};
  DSC_DATA_STRUCT dsc{};
  PROPRIETARY_DATA_STRUCT proprietary{};

  AisState ais;

  // Called after a sentence of the AIS station family has been stored, with the
  // parsed record; the main window shows static and voyage data from it.
  std::function<void(const SENTENCE_STRUCT&)> showStaticVoyageData;
};
