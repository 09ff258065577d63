// Sentences per second through ProcessSentence on recorded receiver traffic.
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "protocol/Protocol.h"

namespace {

std::vector<std::string> RecordedLines(bool positioningOnly) {
  std::vector<std::string> lines;
  std::ifstream in(KVOR_DATA_DIR "/ais-nmea.log");
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    if (positioningOnly && line[0] != '$') continue;
    lines.push_back(line + "\r\n");
  }
  if (!positioningOnly && !lines.empty()) {
    // Configuration replies and wrapped debug sentences of the device, as after "Read Device".
    for (std::string body : {"$PKVR,R,CFG,30,0,0,MAYDAY", "$PKVR,R,CFG,108,3,1,", "$PKVR,R,CFG,183,0,2,",
                             "$PKVR,A,DBG,050,1,051,5,,,,", "$PTST,12345,07,a,B,00017"}) {
      AppendChecksum(body);
      lines.push_back(body);
    }
  }
  return lines;
}

void Run(benchmark::State& state, bool positioningOnly) {
  const std::vector<std::string> lines = RecordedLines(positioningOnly);
  if (lines.empty()) {
    state.SkipWithError("no recorded traffic in " KVOR_DATA_DIR);
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
  state.counters["sentences/s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                     benchmark::Counter::kIsRate);
}

void BM_ProcessSentenceMixed(benchmark::State& state) { Run(state, false); }
void BM_ProcessSentencePositioning(benchmark::State& state) { Run(state, true); }

}  // namespace

BENCHMARK(BM_ProcessSentenceMixed);
BENCHMARK(BM_ProcessSentencePositioning);
BENCHMARK_MAIN();
