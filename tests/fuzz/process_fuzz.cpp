// ProcessSentence over a stream of lines (AIS assembly and decoding included),
// with one state kept across inputs as in the program: the target table stays
// within its slots and no stored text loses its terminator.
#include <string>
#include <string_view>

#include "protocol/Protocol.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

void CheckState(const ProtocolState& s) {
  const auto& t = s.ais.targets;
  FUZZ_CHECK(t.count >= 1 && t.count <= AIS_TARGET_LIST_STRUCT::kSlots);
  for (int i = 0; i < t.count; ++i) {
    FUZZ_CHECK(TextFits(t.slot[i].name));
    FUZZ_CHECK(TextFits(t.slot[i].callSign));
    FUZZ_CHECK(TextFits(t.slot[i].destination));
    FUZZ_CHECK(TextFits(t.slot[i].vendorId));
  }
  const auto& a = s.aisData;
  FUZZ_CHECK(TextFits(a.callSign));
  FUZZ_CHECK(TextFits(a.name));
  FUZZ_CHECK(TextFits(a.sourceId));
  FUZZ_CHECK(TextFits(a.destination));
  FUZZ_CHECK(TextFits(a.binaryPayload));
  const auto& p = s.proprietary;
  FUZZ_CHECK(TextFits(p.bdyText2));
  FUZZ_CHECK(TextFits(p.bdyText3));
  FUZZ_CHECK(TextFits(p.bthText));
  FUZZ_CHECK(TextFits(p.tpsText));
  FUZZ_CHECK(TextFits(s.gnss.lastFormatter));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static ProtocolState* state = new ProtocolState();
  std::string_view input(reinterpret_cast<const char*>(data), size);
  while (!input.empty()) {
    size_t lf = input.find('\n');
    std::string line(input.substr(0, lf));
    input = lf == std::string_view::npos ? std::string_view() : input.substr(lf + 1);
    if (line.empty() || line.back() != '\r') line += '\r';
    line += '\n';
    ProcessSentence(*state, line);
    CheckState(*state);
  }
  return 0;
}
