// Sentences per second through ProcessSentence on recorded receiver traffic.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "protocol/Protocol.h"
#include "tests/support/recorded_traffic.h"

namespace {

// False with `error` when the recording cannot be read.
bool RecordedLines(bool positioningOnly, std::vector<std::string>& lines, std::string& error) {
  std::vector<std::string> all;
  if (!recorded::ReadLines(all, error)) return false;
  for (const std::string& line : all) {
    if (line.empty()) continue;
    if (positioningOnly && line[0] != '$') continue;
    lines.push_back(line + "\r\n");
  }
  if (!positioningOnly && !lines.empty()) {
    // Configuration replies and wrapped debug sentences of the device, as after "Read Device".
    for (std::string body :
         {"$PKVR,R,CFG,30,0,0,MAYDAY", "$PKVR,R,CFG,108,3,1,", "$PKVR,R,CFG,183,0,2,",
          "$PKVR,A,DBG,050,1,051,5,,,,", "$PTST,12345,07,a,B,00017"}) {
      AppendChecksum(body);
      lines.push_back(body);
    }
  }
  return true;
}

void Run(benchmark::State& state, bool positioningOnly) {
  std::vector<std::string> lines;
  std::string error;
  if (!RecordedLines(positioningOnly, lines, error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  auto protocol = std::make_unique<ProtocolState>();
  std::string work;
  work.reserve(128);
  std::size_t next = 0;
  int64_t accepted = 0;
  for (auto _ : state) {
    work.assign(lines[next]);
    accepted += ProcessSentence(*protocol, work);
    if (++next == lines.size()) next = 0;
  }
  benchmark::DoNotOptimize(accepted);
  state.counters["sentences/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_ProcessSentenceMixed(benchmark::State& state) { Run(state, false); }
void BM_ProcessSentencePositioning(benchmark::State& state) { Run(state, true); }

}  // namespace

BENCHMARK(BM_ProcessSentenceMixed);
BENCHMARK(BM_ProcessSentencePositioning);
BENCHMARK_MAIN();
