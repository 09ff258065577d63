// The encryption-key report: arbitrary key fields straight into DecodeCekKey
// and, framed as a CEK sentence with its checksum, through ParseSentence as
// the window receives them. Input: a byte choosing the framing, then the
// text after the formatter (or the whole line).
//
// A decoded key holds no NUL and at most one character per two digits (an odd
// last digit making one more). EncodeCekKey gives only 0-9 and A-F, two per
// byte, and decodes back to the key with up to 16 leading NULs dropped and cut
// at the NUL after them; a key without NUL comes back as it was, also when
// sent as the device reports it. A parsed key field keeps its terminator.
#include <cstring>
#include <string>
#include <string_view>

#include "app/core/Cek.h"
#include "protocol/Protocol.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

void CheckDecoded(const std::string& hex) {
  const auto key = DecodeCekKey("CEK", hex, 'R');
  FUZZ_CHECK(key.has_value());
  FUZZ_CHECK(key->find('\0') == std::string::npos);
  FUZZ_CHECK(key->size() <= (hex.size() + 1) / 2);
  // Digits are read in either case.
  std::string lower = hex;
  for (char& c : lower) {
    if (c >= 'A' && c <= 'F') c = static_cast<char>(c + 32);
  }
  FUZZ_CHECK(DecodeCekKey("CEK", lower, 'R') == key);
  FUZZ_CHECK(DecodeCekKey("CEK", hex, 'C') == std::nullopt);
  FUZZ_CHECK(DecodeCekKey("CE", hex, 'R') == std::nullopt);
}

// What the window does with the record of a received line.
void CheckReceived(std::string line) {
  SENTENCE_STRUCT record{};
  if (!ParseSentence(line, record)) return;
  FUZZ_CHECK(TextFits(record.formatter));
  if (std::strcmp(record.formatter, "CEK") != 0) return;
  const CEK_STRUCT& cek = record.fields.cek;
  FUZZ_CHECK(TextFits(cek.key));
  CheckDecoded(std::string(cek.key, strnlen(cek.key, sizeof cek.key)));
}

std::string Framed(std::string text) {
  if (text.find('*') != std::string::npos) {
    if (!text.ends_with("\r\n")) text += "\r\n";
    return text;
  }
  AppendChecksum(text);
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);

  CheckDecoded(rest);

  static const char* const kFraming[] = {"$AICEK,", "$PKVR,R,CEK,", "$PCEK,", ""};
  CheckReceived(Framed(kFraming[data[0] % 4] + rest.substr(0, 120)));

  // Round trip through the encoder.
  const std::string key = rest.substr(0, 40);
  const std::string hex = EncodeCekKey(key);
  FUZZ_CHECK(hex.size() == 2 * key.size());
  FUZZ_CHECK(hex.find_first_not_of("0123456789ABCDEF") == std::string::npos);
  std::size_t start = 0;
  while (start < key.size() && start < 16 && key[start] == '\0') ++start;
  const std::string expected = key.substr(start, key.find('\0', start) - start);
  FUZZ_CHECK(DecodeCekKey("CEK", hex, 'R') == expected);

  // A key as the pages send it (16 characters at most), reported back.
  const std::string sent = key.substr(0, 16);
  if (sent.find('\0') == std::string::npos) {
    std::string line = "$AICEK,1,1,0,000000000," + EncodeCekKey(sent) + ",R";
    AppendChecksum(line);
    SENTENCE_STRUCT record{};
    FUZZ_CHECK(ParseSentence(line, record));
    const CEK_STRUCT& cek = record.fields.cek;
    FUZZ_CHECK(DecodeCekKey(record.formatter,
                            std::string(cek.key, strnlen(cek.key, sizeof cek.key)),
                            cek.sentenceType) == sent);
  }
  return 0;
}
