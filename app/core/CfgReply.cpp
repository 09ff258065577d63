// Splitting a configuration reply into its fields (the text keeps its commas),
// and the mapping between rate codes, list entries and baud rates.
#include "app/core/CfgReply.h"

#include <algorithm>
#include <cstring>

#include "protocol/Protocol.h"

CfgReply ParseCfgReply(std::string_view line) {
  CfgReply reply;
  size_t star = line.find('*');
  std::string_view body = line.substr(0, star);
  std::string_view fields[7];
  int count = 0;
  size_t start = 0;
  while (count < 7) {
    size_t comma = body.find(',', start);
    // The text is the last field: it runs to '*', commas and all.
    if (count == 6 || comma == std::string_view::npos) {
      fields[count++] = body.substr(std::min(start, body.size()));
      break;
    }
    fields[count++] = body.substr(start, comma - start);
    start = comma + 1;
  }
  if (count < 2 || fields[1].empty() || fields[1][0] != 'R') return CfgReply{};
  reply.id = fields[3].empty() ? 0 : FieldToInt(fields[3]);
  reply.sub = fields[4].empty() ? 0 : FieldToInt(fields[4]);
  reply.value = fields[5].empty() ? 255 : FieldToInt(fields[5]);
  std::string_view text = fields[6].substr(0, sizeof reply.text - 1);
  if (!text.empty()) std::memcpy(reply.text, text.data(), text.size());
  return reply;
}

int BaudIndexForRateCode(int32_t code) {
  if (code < 0 || code > 6) return -1;
  if (code == 5) return 1;
  if (code == 6) return 2;
  return 0;
}

int32_t BaudRateOfIndex(int index) {
  static const int32_t kRates[] = {38400, 9600, 4800};
  return index >= 0 && index < 3 ? kRates[index] : 0;
}
