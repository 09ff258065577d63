// The single entry of a received line, and the small text helpers of the dump parser.
#include <charconv>
#include <cstring>

#include "protocol/AisProcess.h"
#include "protocol/Protocol.h"

bool ProcessSentence(ProtocolState& state, std::string& line) {
  SENTENCE_STRUCT& record = state.incoming;
  if (!ParseSentence(line, record)) return false;
  StoreSentence(state, record);
  const bool encapsulated =
      std::strcmp(record.formatter, "VDM") == 0 || std::strcmp(record.formatter, "VDO") == 0;
  // Only VDM and VDO pieces are assembled (assembly, de-armouring, decoding and
  // the target table sit behind AisProcess.h); any other sentence, ABM and BBM
  // included, ends a half-assembled message.
  if (record.start == '!' && encapsulated) {
    return ProcessAisSentence(state.ais, record.formatter, record.fields.vdm);
  }
  ClearAisAssembly(state.ais);
  return true;
}

bool ProcessSentence(ProtocolState& state, std::string_view line) {
  std::string copy(line);
  return ProcessSentence(state, copy);
}

std::string FormatTimestamp(int year, int month, int day, int hour, int minute, int second) {
  char text[64];
  char* p = text;
  auto put = [&p](int value, int width) {
    char digits[16];
    const bool negative = value < 0;
    const unsigned magnitude =
        negative ? 0U - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    char* end = std::to_chars(digits, digits + sizeof digits, magnitude).ptr;
    if (negative) *p++ = '-';
    for (int pad = width - static_cast<int>(end - digits) - (negative ? 1 : 0); pad > 0; --pad)
      *p++ = '0';
    for (char* d = digits; d < end; ++d) *p++ = *d;
  };
  put(year, 4);
  *p++ = '/';
  put(month, 2);
  *p++ = '/';
  put(day, 2);
  *p++ = ' ';
  put(hour, 2);
  *p++ = ':';
  put(minute, 2);
  *p++ = ':';
  put(second, 2);
  return std::string(text, p);
}

int CompareInt(const int32_t* first, const int32_t* second) {
  // Compared rather than subtracted: the difference of two ports' numbers can overflow.
  return (*first > *second) - (*first < *second);
}

bool CopyAfterKey(char* destination, std::string_view key, int count, std::string_view text) {
  if (count < 0) return false;
  const std::size_t at = text.find(key);
  if (at == std::string_view::npos) return false;
  const std::string_view rest = text.substr(at + key.size());
  const std::size_t n =
      rest.size() < static_cast<std::size_t>(count) ? rest.size() : static_cast<std::size_t>(count);
  if (n > 0) std::memcpy(destination, rest.data(), n);
  return true;
}

bool IntAfterKey(int32_t& destination, std::string_view key, std::string_view text) {
  const std::size_t at = text.find(key);
  if (at == std::string_view::npos) return false;
  destination = FieldToInt(text.substr(at + key.size()));
  return true;
}
