// nmea-replay [--records] [--targets] [FILE...]: feeds recorded lines through the sentence
// codec and prints one JSON object per input line (standard input without files).
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "protocol/Protocol.h"
#include "tools/nmea-replay/Json.h"
#include "tools/nmea-replay/RecordJson.h"
#include "tools/nmea-replay/SentenceJson.h"
#include "tools/nmea-replay/TargetJson.h"

namespace {

void Usage(std::FILE* to) {
  std::fputs(
      "usage: nmea-replay [--records] [--targets] [FILE...]\n"
      "Feeds each line (CR LF appended when missing) through the sentence codec and\n"
      "prints one JSON object per line, numbered from 1 across all input.\n"
      "  --records  after the last line, print each group record as one JSON object\n"
      "  --targets  after the last line, print each AIS target slot in use as one JSON object\n",
      to);
}

void ReplayLine(ProtocolState& state, std::string line, long number, std::string& out) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  line += "\r\n";
  SENTENCE_STRUCT& record = state.incoming;
  // A line refused before its header is read shows an empty header, not the last one's.
  record.start = 0;
  std::memset(record.talker, 0, sizeof record.talker);
  std::memset(record.formatter, 0, sizeof record.formatter);
  record.subType = 0;
  const bool ok = ProcessSentence(state, line);

  JsonWriter json(out);
  json.BeginObject();
  json.Int("n", number);
  json.Bool("ok", ok);
  json.Text("talker", record.talker, sizeof record.talker);
  json.Text("formatter", record.formatter, sizeof record.formatter);
  json.Char("subtype", record.subType);
  json.Int("group", ClassifySentence(record));
  WriteSentenceFields(json, record);
  json.EndObject();
  out += '\n';
}

void Replay(ProtocolState& state, std::istream& in, long& number) {
  std::string line;
  std::string out;
  while (std::getline(in, line)) {
    out.clear();
    ReplayLine(state, line, ++number, out);
    std::fwrite(out.data(), 1, out.size(), stdout);
  }
}

}  // namespace

int main(int argc, char** argv) {
  bool records = false;
  bool targets = false;
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--records") {
      records = true;
    } else if (arg == "--targets") {
      targets = true;
    } else if (arg == "-h" || arg == "--help") {
      Usage(stdout);
      return 0;
    } else if (arg.size() > 1 && arg[0] == '-') {
      std::fprintf(stderr, "nmea-replay: unknown option %s\n", arg.c_str());
      Usage(stderr);
      return 2;
    } else {
      files.push_back(arg);
    }
  }

  auto state = std::make_unique<ProtocolState>();
  long number = 0;
  int status = 0;
  if (files.empty()) {
    Replay(*state, std::cin, number);
  }
  for (const std::string& name : files) {
    std::ifstream in(name, std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "nmea-replay: cannot read %s\n", name.c_str());
      status = 1;
      continue;
    }
    Replay(*state, in, number);
  }
  if (records) {
    std::string out;
    WriteGroupRecords(out, *state);
    std::fwrite(out.data(), 1, out.size(), stdout);
  }
  if (targets) {
    std::string out;
    WriteAisTargets(out, state->ais.targets);
    std::fwrite(out.data(), 1, out.size(), stdout);
  }
  return status;
}
