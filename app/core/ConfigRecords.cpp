// Writes that go through the protocol's records: static data as a MID, two
// SSD and a VSD sentence, and the debug-parameter sentence.
#include "app/core/ConfigRecords.h"

#include <cstring>

#include "protocol/Protocol.h"

namespace {

template <size_t N>
void SetText(char (&field)[N], const std::string& text) {
  std::memset(field, 0, N);
  std::memcpy(field, text.data(), std::min(text.size(), N - 1));
}

}  // namespace

std::optional<std::vector<std::string>> BuildStaticDataLines(ProtocolState& state,
                                                             const StaticDataWrite& write) {
  std::vector<std::string> lines;
  std::string line;
  if (write.mid) {
    state.proprietary.midIdentity1 = *write.mid;
    if (!BuildSentence(state, line, "MID", "P")) return std::nullopt;
    lines.push_back(line);
  }
  AIS_DATA_STRUCT& ais = state.aisData;
  SetText(ais.callSign, write.callSign);
  SetText(ais.name, write.name);
  ais.dimA = write.dimA;
  ais.dimB = write.dimB;
  ais.dimC = write.dimC;
  ais.dimD = write.dimD;
  for (const char* source : {"AI", "GP"}) {
    SetText(ais.sourceId, source);
    if (!BuildSentence(state, line, "SSD", "EC")) return std::nullopt;
    lines.push_back(line);
  }
  ais.shipType = write.shipType;
  ais.regionalFlags = 16;
  if (!BuildSentence(state, line, "VSD", "EC")) return std::nullopt;
  lines.push_back(line);
  return lines;
}

std::optional<std::string> BuildDbgLine(ProtocolState& state, const DbgEntries& entries) {
  PROPRIETARY_DATA_STRUCT& p = state.proprietary;
  for (int i = 0; i < 4; ++i) {
    p.dbgIds[i] = entries[i].id;
    p.dbgValues[i] = entries[i].value;
  }
  p.dbgSubType = 0;
  std::string line;
  if (!BuildSentence(state, line, "DBG", "P")) return std::nullopt;
  return line;
}
