// Framing checks, the header, and the two formatter tables.
#include <cstring>

#include "protocol/Protocol.h"
#include "protocol/SentenceFields.h"
#include "protocol/SentenceParsers.h"

namespace {

constexpr uint32_t Key(const char (&f)[4]) {
  return (static_cast<uint32_t>(static_cast<unsigned char>(f[0])) << 16) |
         (static_cast<uint32_t>(static_cast<unsigned char>(f[1])) << 8) |
         static_cast<uint32_t>(static_cast<unsigned char>(f[2]));
}
constexpr uint32_t Key(const char (&f)[2]) {
  return static_cast<uint32_t>(static_cast<unsigned char>(f[0])) << 16;
}

// The formatter is NUL-padded in its four bytes, so a one-letter formatter has
// zeros in the low bytes.
uint32_t FormatterKey(const char* formatter) {
  return (static_cast<uint32_t>(static_cast<unsigned char>(formatter[0])) << 16) |
         (static_cast<uint32_t>(static_cast<unsigned char>(formatter[1])) << 8) |
         static_cast<uint32_t>(static_cast<unsigned char>(formatter[2]));
}

using Parser = bool (*)(char*, SENTENCE_STRUCT&);
using Builder = bool (*)(std::string&, const SENTENCE_STRUCT&);

Parser FindParser(uint32_t key) {
  switch (key) {
    case Key("ABK"):
      return ParseABK;
    case Key("ABM"):
      return ParseABM;
    case Key("ACA"):
      return ParseACA;
    case Key("ACK"):
      return ParseACK;
    case Key("ACS"):
      return ParseACS;
    case Key("AIQ"):
      return ParseAIQ;
    case Key("ALR"):
      return ParseALR;
    case Key("BBM"):
      return ParseBBM;
    case Key("BDY"):
      return ParseBDY;
    case Key("BTH"):
      return ParseBTH;
    case Key("CEK"):
      return ParseCEK;
    case Key("DBG"):
      return ParseDBG;
    case Key("DTM"):
      return ParseDTM;
    case Key("FRQ"):
      return ParseFRQ;
    case Key("GBS"):
      return ParseGBS;
    case Key("GGA"):
      return ParseGGA;
    case Key("GLL"):
      return ParseGLL;
    case Key("GNS"):
      return ParseGNS;
    case Key("GRS"):
      return ParseGRS;
    case Key("GSA"):
      return ParseGSA;
    case Key("GST"):
      return ParseGST;
    case Key("GSV"):
      return ParseGSV;
    case Key("HDT"):
      return ParseHDT;
    case Key("MID"):
      return ParseMID;
    case Key("MOB"):
      return ParseMOB;
    case Key("OSD"):
      return ParseOSD;
    case Key("Q"):
      return ParseQuery;
    case Key("RMA"):
      return ParseRMA;
    case Key("RMC"):
      return ParseRMC;
    case Key("ROT"):
      return ParseROT;
    case Key("Smg"):
      return ParseSmg;
    case Key("SSD"):
      return ParseSSD;
    case Key("TPS"):
      return ParseTPS;
    case Key("TST"):
      return ParseTST;
    case Key("TXT"):
      return ParseTXT;
    case Key("VBW"):
      return ParseVBW;
    case Key("VDM"):
      return ParseVDM;
    case Key("VDO"):
      return ParseVDO;
    case Key("VSD"):
      return ParseVSD;
    case Key("VTG"):
      return ParseVTG;
    case Key("WPL"):
      return ParseWPL;
    case Key("ZDA"):
      return ParseZDA;
    default:
      return nullptr;
  }
}

Builder FindBuilder(uint32_t key) {
  switch (key) {
    case Key("ABK"):
      return FormatABK;
    case Key("ABM"):
      return FormatABM;
    case Key("ACK"):
      return FormatACK;
    case Key("ALR"):
      return FormatALR;
    case Key("BBM"):
      return FormatBBM;
    case Key("BDY"):
      return FormatBDY;
    case Key("BTH"):
      return FormatBTH;
    case Key("DBG"):
      return FormatDBG;
    case Key("FRQ"):
      return FormatFRQ;
    case Key("GBS"):
      return FormatGBS;
    case Key("GSA"):
      return FormatGSA;
    case Key("HDT"):
      return FormatHDT;
    case Key("MID"):
      return FormatMID;
    case Key("MOB"):
      return FormatMOB;
    case Key("RMC"):
      return FormatRMC;
    case Key("SSD"):
      return FormatSSD;
    case Key("TPS"):
      return FormatTPS;
    case Key("TST"):
      return FormatTST;
    case Key("VDM"):
      return FormatVDM;
    case Key("VDO"):
      return FormatVDO;
    case Key("VSD"):
      return FormatVSD;
    default:
      return nullptr;
  }
}

// Copies up to three characters of the line from `from` into a formatter.
void TakeFormatter(const std::string& line, std::size_t from, char (&formatter)[4]) {
  std::memset(formatter, 0, sizeof formatter);
  for (std::size_t i = 0; i < 3 && from + i < line.size(); ++i) formatter[i] = line[from + i];
}

// A talker or formatter that would add a field or end the sentence early.
bool AddressSafe(const char* text, std::size_t capacity) {
  for (std::size_t i = 0; i < capacity && text[i] != '\0'; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c <= ' ' || c >= 0x7F || c == ',' || c == '*' || c == '$' || c == '!') return false;
  }
  return true;
}

}  // namespace

bool ParseSentence(std::string& line, SENTENCE_STRUCT& record) {
  const std::size_t n = line.size();
  if (n < 2 || line[n - 1] != '\n' || line[n - 2] != '\r') return false;
  if (std::memchr(line.data(), '\0', n) != nullptr) return false;  // a NUL would hide fields
  if (!VerifyChecksum(line)) return false;
  if (!PadEmptyFields(line)) return false;

  std::memset(record.talker, 0, sizeof record.talker);
  std::memset(record.formatter, 0, sizeof record.formatter);
  record.subType = 0;
  record.start = line[0];

  std::size_t offset = 0;
  if (line.size() > 1 && line[1] == 'P') {
    record.talker[0] = 'P';
    TakeFormatter(line, 2, record.formatter);
    if (std::strcmp(record.formatter, "KVR") == 0) {
      if (line.size() < 8) return false;
      // $PKVR,c,FFF,... is parsed as $PFFF,... with sub-type c.
      record.subType = line[6];
      line[6] = '$';
      line[7] = 'P';
      offset = 6;
      TakeFormatter(line, 8, record.formatter);
    }
  } else if (line.size() > 5 && line[5] == 'Q') {
    record.talker[0] = line[1];
    record.talker[1] = line[2];
    record.formatter[0] = 'Q';
  } else {
    if (line.size() > 1) record.talker[0] = line[1];
    if (line.size() > 2) record.talker[1] = line[2];
    TakeFormatter(line, 3, record.formatter);
  }

  const Parser parser = FindParser(FormatterKey(record.formatter));
  return parser != nullptr && parser(line.data() + offset, record);
}

bool FormatSentence(std::string& out, const SENTENCE_STRUCT& record) {
  out.clear();
  const Builder builder = FindBuilder(FormatterKey(record.formatter));
  if (builder == nullptr || !AddressSafe(record.talker, sizeof record.talker) ||
      !builder(out, record) || !AppendChecksum(out) || out.size() + 1 > kSendBuffer) {
    out.clear();
    return false;
  }
  return true;
}
