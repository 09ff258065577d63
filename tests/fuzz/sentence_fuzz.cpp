// ParseSentence on arbitrary lines: a line it accepts and FormatSentence can
// rebuild gives a sendable line (checksum right, within the send buffer) that
// parses again to a record of the same talker and formatter, with the same
// fields layout. (Only lines within the 82 characters a sentence may have are
// parsed back: a huge number can make a longer one.) Values may move in the last digit (positions
// are held in single precision and truncated as they are written), so bytes are not compared.
#include <algorithm>
#include <cstring>
#include <string>

#include "protocol/Protocol.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string line(reinterpret_cast<const char*>(data), size);
  if (line.size() < 2 || line.compare(line.size() - 2, 2, "\r\n") != 0) line += "\r\n";

  SENTENCE_STRUCT first{};
  std::string work = line;
  if (!ParseSentence(work, first)) return 0;
  std::string rebuilt;
  if (!FormatSentence(rebuilt, first)) return 0;

  for (int round = 0; round < 2; ++round) {
    FUZZ_CHECK(rebuilt.size() < 100);
    FUZZ_CHECK(VerifyChecksum(rebuilt));
    if (rebuilt.size() > 82) return 0;
    SENTENCE_STRUCT record{};
    std::string again = rebuilt;
    FUZZ_CHECK(ParseSentence(again, record));
    FUZZ_CHECK(std::memcmp(record.talker, first.talker, sizeof first.talker) == 0);
    FUZZ_CHECK(std::memcmp(record.formatter, first.formatter, sizeof first.formatter) == 0);
    std::string next;
    FUZZ_CHECK(FormatSentence(next, record));
    FUZZ_CHECK(std::count(next.begin(), next.end(), ',') ==
               std::count(rebuilt.begin(), rebuilt.end(), ','));
    rebuilt = next;
  }
  return 0;
}
