// What the device says outside the sentence codec: dump lines, configuration
// replies and escaped texts. No stored text may lose its terminator, and a text
// we escape must come back unchanged through UnescapeText.
#include <string>
#include <string_view>

#include "app/core/CfgReply.h"
#include "app/core/DeviceData.h"
#include "app/core/DeviceInfo.h"
#include "app/core/TextEscape.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);

  static DEVICE_INFO_STRUCT* info = new DEVICE_INFO_STRUCT();
  ParseDeviceData(input, *info);
  FUZZ_CHECK(TextFits(info->firmwareVersion));
  FUZZ_CHECK(TextFits(info->name));
  FUZZ_CHECK(TextFits(info->callSign));
  FUZZ_CHECK(TextFits(info->dscMonitor));
  FUZZ_CHECK(TextFits(info->serialNumber));
  FUZZ_CHECK(TextFits(info->firmwareText));

  CfgReply reply = ParseCfgReply(input);
  FUZZ_CHECK(TextFits(reply.text));

  std::string text(input);
  UnescapeText(text);
  FUZZ_CHECK(text.size() <= input.size());

  // Round trip of a device text (the pages send at most a few dozen bytes).
  std::string original(input.substr(0, 64));
  std::string escaped = EscapeText(original);
  for (unsigned char c : escaped) FUZZ_CHECK(!IsReservedChar(c) || c == '^');
  std::string back = escaped;
  UnescapeText(back);
  if (original.find('\0') == std::string::npos) FUZZ_CHECK(back == original);
  return 0;
}
