// AIS receive path: whole sentences through ProcessSentence, the decoder alone,
// and the target table with 10 to 2,250 slots in use.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "protocol/AisProcess.h"
#include "protocol/Protocol.h"
#include "tests/support/recorded_traffic.h"

namespace {

// The AIS sentences of the recorded traffic, with CR LF; false with `error` when unreadable.
bool RecordedAis(bool singleOnly, std::vector<std::string>& lines, std::string& error) {
  std::vector<std::string> all;
  if (!recorded::ReadLines(all, error)) return false;
  for (const std::string& line : all) {
    if (line.rfind("!AIVDM", 0) != 0) continue;
    if (singleOnly && line.rfind("!AIVDM,1,1", 0) != 0) continue;
    lines.push_back(line + "\r\n");
  }
  if (lines.empty()) error = "no AIS sentences in " + recorded::Path();
  return !lines.empty();
}

int Messages(const std::vector<std::string>& lines) {
  int n = 0;
  for (const std::string& l : lines)
    n += l.rfind("!AIVDM,1,1", 0) == 0 || l.rfind("!AIVDM,2,2", 0) == 0;
  return n;
}

void RunProcessSentence(benchmark::State& bench, bool singleOnly) {
  std::vector<std::string> lines;
  std::string error;
  if (!RecordedAis(singleOnly, lines, error)) {
    bench.SkipWithError(error.c_str());
    return;
  }
  auto state = std::make_unique<ProtocolState>();
  std::string work;
  work.reserve(128);
  for (auto _ : bench) {
    for (const std::string& line : lines) {
      work.assign(line);
      benchmark::DoNotOptimize(ProcessSentence(*state, work));
    }
  }
  bench.SetItemsProcessed(bench.iterations() * Messages(lines));
  bench.counters["sentences"] = static_cast<double>(lines.size());
}

void BM_ProcessSentence_SingleSentenceAis(benchmark::State& bench) {
  RunProcessSentence(bench, true);
}
void BM_ProcessSentence_RecordedAis(benchmark::State& bench) { RunProcessSentence(bench, false); }
BENCHMARK(BM_ProcessSentence_SingleSentenceAis);
BENCHMARK(BM_ProcessSentence_RecordedAis);

void BM_DecodeAisPayload(benchmark::State& bench, const char* payload, int fillBits) {
  FragmentBuffer buffer{};
  std::strncpy(buffer.payload, payload, FragmentBuffer::kPayloadCapacity);
  buffer.fillBits = static_cast<uint8_t>(fillBits);
  PayloadBits bits{};
  AisDecodedRecord record{};
  for (auto _ : bench) {
    benchmark::DoNotOptimize(DearmourPayload(buffer, bits));
    std::memset(&record, 0, sizeof record);
    benchmark::DoNotOptimize(DecodeAisPayload(bits, record));
  }
  bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK_CAPTURE(BM_DecodeAisPayload, PositionReport, "15RTgt0PAso;90TKcjM8h6g208CQ", 0);
BENCHMARK_CAPTURE(BM_DecodeAisPayload, StaticVoyage,
                  "55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0NSQEp6ClRp888888888880", 2);

AisDecodedRecord PositionRecord(uint32_t mmsi) {
  AisDecodedRecord record{};
  record.bytes[0] = 1;
  std::memcpy(record.bytes + 2, &mmsi, sizeof mmsi);
  return record;
}

// A table with `slots` in use (own vessel included), stations 1000 + i.
std::unique_ptr<AisState> FilledTable(int slots) {
  auto ais = std::make_unique<AisState>();
  for (int i = 1; i < slots; ++i)
    UpdateAisTarget(*ais, PositionRecord(1000 + i), 'A' - '0', 0, false);
  return ais;
}

// Stations already in the table, heard in turn: on average half the slots are searched.
void BM_UpdateAisTarget_Known(benchmark::State& bench) {
  const int slots = static_cast<int>(bench.range(0));
  auto ais = FilledTable(slots);
  std::vector<AisDecodedRecord> records;
  for (int i = 1; i < slots; ++i) records.push_back(PositionRecord(1000 + i));
  size_t next = 0;
  for (auto _ : bench) {
    benchmark::DoNotOptimize(UpdateAisTarget(*ais, records[next], 'A' - '0', 0, false));
    if (++next == records.size()) next = 0;
  }
  bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(BM_UpdateAisTarget_Known)->Arg(10)->Arg(1000)->Arg(2250);

// The last station in the table: the whole search.
void BM_UpdateAisTarget_LastSlot(benchmark::State& bench) {
  const int slots = static_cast<int>(bench.range(0));
  auto ais = FilledTable(slots);
  const AisDecodedRecord record = PositionRecord(1000 + slots - 1);
  for (auto _ : bench) benchmark::DoNotOptimize(UpdateAisTarget(*ais, record, 'A' - '0', 0, false));
  bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(BM_UpdateAisTarget_LastSlot)->Arg(10)->Arg(1000)->Arg(2250);

// New stations into a full table: the search, then the eviction of the oldest.
void BM_UpdateAisTarget_NewIntoFullTable(benchmark::State& bench) {
  auto ais = FilledTable(AIS_TARGET_LIST_STRUCT::kSlots);
  uint32_t mmsi = 100000000;
  for (auto _ : bench)
    benchmark::DoNotOptimize(UpdateAisTarget(*ais, PositionRecord(++mmsi), 'A' - '0', 0, false));
  bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(BM_UpdateAisTarget_NewIntoFullTable);

}  // namespace

BENCHMARK_MAIN();
