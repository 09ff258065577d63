// The checks and sentences of each configuration tab's write: the MMSI,
// reserved characters, dimension limits, baud-rate tables, SRM texts and the
// CEK key.
#include "app/core/ConfigPages.h"

#include <cstdio>

#include "app/core/Cek.h"
#include "app/core/ShipType.h"
#include "app/core/TextEscape.h"
#include "protocol/Protocol.h"

namespace {

const char kMmsiFailure[] = "MMSI Setting Failure";
const char kPlainCaption[] = "Kvor AIS Configuration";

bool NineDigits(const std::string& text) {
  if (text.size() < 9) return false;
  for (int i = 0; i < 9; ++i)
    if (text[i] < '0' || text[i] > '9') return false;
  return true;
}

std::string Format(const char* format, long a, long b, long c) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, format, a, b, c);
  return buffer;
}

std::optional<ConfigRefusal> RefuseReserved(const std::string& text, const char* what) {
  if (auto c = FirstReservedChar(text)) {
    std::string shown = *c >= 32 && *c < 127 ? std::string(1, *c) : std::string("?");
    return ConfigRefusal{std::string(what) + " must not contain \"" + shown +
                             "\": the characters ! $ * , \\ ^ ~ cannot be sent to the device.",
                         "Warning"};
  }
  return std::nullopt;
}

}  // namespace

std::string WithChecksum(const std::string& body) {
  std::string line = body;
  if (!AppendChecksum(line)) return std::string();
  return line;
}

std::optional<char> FirstReservedChar(const std::string& text) {
  for (char c : text)
    if (IsReservedChar(static_cast<unsigned char>(c))) return c;
  return std::nullopt;
}

std::variant<StaticDataWrite, ConfigRefusal> PlanStaticDataWrite(const StaticPageValues& page) {
  StaticDataWrite w;
  // A programmed MMSI is not sent, so it is not checked either: a stale value
  // must never block writing the rest.
  if (page.mmsiEditable) {
    if (!NineDigits(page.mmsiText)) return ConfigRefusal{kMmsiFailure, kPlainCaption};
    uint32_t mmsi = static_cast<uint32_t>(FieldToInt(page.mmsiText.substr(0, 9)));
    if (mmsi >= 999999999u) return ConfigRefusal{kMmsiFailure, kPlainCaption};
    w.mid = mmsi;
  }
  if (auto r = RefuseReserved(page.name, "Ship Name")) return *r;
  if (auto r = RefuseReserved(page.callSign, "Call Sign")) return *r;
  w.name = page.name.substr(0, 20);
  w.callSign = page.callSign.substr(0, 7);
  auto clamp = [](int v, int hi) { return v < 0 ? 0 : v > hi ? hi : v; };
  w.dimA = static_cast<uint16_t>(clamp(page.dimA, 511));
  w.dimB = static_cast<uint16_t>(clamp(page.dimB, 511));
  w.dimC = static_cast<uint8_t>(clamp(page.dimC, 63));
  w.dimD = static_cast<uint8_t>(clamp(page.dimD, 63));
  uint8_t code = 0;
  if (page.keptShipType) {
    w.shipType = *page.keptShipType;
  } else if (GetShipTypeCode(page.shipTypeRow, code)) {
    w.shipType = code;
  } else {
    return ConfigRefusal{"Please select the ship and cargo type.", "Warning"};
  }
  return w;
}

TransceiverWrite PlanTransceiverWrite(const TransceiverPageValues& page) {
  TransceiverWrite w;
  bool outputOn = page.gpsOutputIndex > 0;
  w.dbg[0] = {101, page.dscIndex == 1 ? 1 : 0};
  w.dbg[1] = {50, outputOn ? 2 : 1};
  if (outputOn) w.dbg[2] = {51, page.gpsOutputIndex};
  w.dbg[3] = {703, page.gpsModeIndex == 0 ? 4 : 5};
  // Until the device has reported its ALR setting the list stays at "ON".
  w.alrIndex = page.alrReplied ? page.alrIndex : 1;
  w.alrSentence = WithChecksum(Format("$PKVR,C,CFG,%ld,%ld,%ld,", 108, 6, w.alrIndex == 0 ? 1 : 0));
  return w;
}

std::variant<DbgEntries, BaudListUnselected, ConfigRefusal> PlanBaudRateWrite(
    const BaudRatePageValues& page) {
  for (int i = 0; i < 4; ++i)
    if (page.index[i] < 0) return BaudListUnselected{i};
  static const int32_t T0[] = {0, 2, 1}, T1[] = {2, 4, 5}, T2[] = {2, 5, 6};
  auto at = [&](const int32_t* table, int list) { return table[page.index[list] % 3]; };
  for (int i = 0; i < 4; ++i)
    if (page.index[i] > 2) return ConfigRefusal{"Unknown baud rate!", "Warning"};
  DbgEntries e;
  switch (page.type) {
    case 0:
      e[0] = {40, page.index[0]};
      e[1] = {42, at(T0, 1)};
      break;
    case 1:
      e[0] = {40, page.index[0]};
      e[1] = {38, at(T1, 1)};
      e[2] = {39, at(T1, 2)};
      break;
    case 2:
      e[0] = {40, at(T2, 0)};
      e[1] = {42, at(T2, 1)};
      e[2] = {38, at(T2, 2)};
      e[3] = {39, at(T2, 3)};
      break;
    case 3:
      e[0] = {40, at(T2, 0)};
      e[1] = {42, at(T2, 1)};
      e[2] = {38, at(T2, 2)};
      break;
    case 4:
      e[0] = {40, at(T2, 0)};
      e[1] = {42, at(T2, 1)};
      break;
    default:
      return ConfigRefusal{"Unknown device type! The setting is abort!", "Warning"};
  }
  return e;
}

std::vector<std::string> PlanSrmTextWrite(const std::array<std::string, 4>& texts) {
  std::vector<std::string> lines;
  for (int n = 0; n < 4; ++n)
    lines.push_back(
        WithChecksum("$PKVR,C,CFG,30,5," + std::to_string(n) + "," + EscapeText(texts[n])));
  return lines;
}

std::string PlanSrmButtonTextWrite(const std::string& text) {
  return WithChecksum("$PKVR,C,CFG,30,3,14," + EscapeText(text));
}

std::variant<std::vector<std::string>, ConfigRefusal> PlanEncryptionWrite(
    const EncryptionPageValues& page, uint32_t& cekSequence) {
  std::vector<std::string> lines;
  if (!page.enabled) {
    lines.push_back(WithChecksum("$PKVR,C,CFG,108,3,0,"));
    return lines;
  }
  if (page.addressMode && !NineDigits(page.addressMmsi))
    return ConfigRefusal{"The encryption address MMSI must have 9 digits.", "Warning"};
  lines.push_back(WithChecksum("$PKVR,C,CFG,108,3,1,"));
  if (page.addressMode) {
    lines.push_back(WithChecksum("$PKVR,C,CFG,108,4,1,"));
    lines.push_back(WithChecksum(
        Format("$PKVR,C,CFG,108,5,%09ld,", FieldToInt(page.addressMmsi.substr(0, 9)), 0, 0)));
  } else {
    lines.push_back(WithChecksum("$PKVR,C,CFG,108,4,0,"));
  }
  char cek[128];
  std::snprintf(cek, sizeof cek, "$AICEK,1,1,%u,%09u,%s,C", cekSequence, page.ownMmsi,
                EncodeCekKey(page.key.substr(0, 16)).c_str());
  ++cekSequence;
  lines.push_back(WithChecksum(cek));
  return lines;
}

std::string SrmQuerySentence() { return WithChecksum("$PKVR,Q,CFG,30,0,0,"); }
