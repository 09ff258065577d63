#pragma once
// Builds AIS messages field by field (widths as in ITU-R M.1371), so a test can
// make a message that no published example covers.
#include <cstdint>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "protocol/AisState.h"

struct ArmouredText {
  std::string text;
  int fillBits;
};

class AisBitWriter {
 public:
  AisBitWriter& Put(uint64_t value, int width) {
    for (int i = width - 1; i >= 0; --i) bits_.push_back(i < 64 && ((value >> i) & 1) != 0);
    return *this;
  }
  AisBitWriter& PutSigned(int64_t value, int width) {
    return Put(static_cast<uint64_t>(value), width);
  }
  // Six-bit text: '@'..'_' are 0..31, ' '..'?' are 32..63; padded with '@'.
  AisBitWriter& PutText(const std::string& text, int chars) {
    for (int i = 0; i < chars; ++i) {
      const unsigned char c = i < static_cast<int>(text.size()) ? text[i] : '@';
      Put(c >= 64 ? c - 64 : c, 6);
    }
    return *this;
  }
  int Size() const { return static_cast<int>(bits_.size()); }
  ArmouredText Armoured() const {
    ArmouredText out;
    out.text = Armoured(&out.fillBits);
    return out;
  }

  // Armoured text and fill bits, the way a transmitter sends them: the message
  // is whole bytes, the text whole characters.
  std::string Armoured(int* fillBits) const {
    std::vector<bool> padded = bits_;
    padded.resize((padded.size() + 7) / 8 * 8, false);
    *fillBits = (6 - padded.size() % 6) % 6;
    padded.resize(padded.size() + *fillBits, false);
    std::string out;
    for (size_t i = 0; i < padded.size(); i += 6) {
      int v = 0;
      for (int k = 0; k < 6; ++k) v = (v << 1) | (padded[i + k] ? 1 : 0);
      out.push_back(static_cast<char>(v < 40 ? v + '0' : v + '8'));
    }
    return out;
  }

 private:
  std::vector<bool> bits_;
};

inline VDM_STRUCT MakePiece(int total, int number, int sequentialId, const std::string& payload,
                            int fillBits, char channel = 'A') {
  VDM_STRUCT piece{};
  piece.totalSentences = static_cast<int8_t>(total);
  piece.sentenceNumber = static_cast<int8_t>(number);
  piece.sequentialId = static_cast<int8_t>(sequentialId);
  piece.fillBits = static_cast<int8_t>(fillBits);
  piece.channel = channel;
  std::strncpy(piece.payload, payload.c_str(), sizeof piece.payload - 1);
  return piece;
}

// De-armours and decodes one payload; false when either step refuses it.
inline bool DecodeText(const std::string& payload, int fillBits, AisDecodedRecord& record) {
  FragmentBuffer buffer{};
  std::strncpy(buffer.payload, payload.c_str(), FragmentBuffer::kPayloadCapacity);
  buffer.fillBits = static_cast<uint8_t>(fillBits);
  PayloadBits bits{};
  record = AisDecodedRecord{};
  return DearmourPayload(buffer, bits) && DecodeAisPayload(bits, record);
}

inline bool DecodeText(const ArmouredText& armoured, AisDecodedRecord& record) {
  return DecodeText(armoured.text, armoured.fillBits, record);
}

// A local clock that tests move by hand.
struct FakeClock {
  std::tm now{};
  FakeClock() { Set(2024, 6, 1, 12, 0, 0); }
  void Set(int year, int month, int day, int hour, int minute, int second) {
    now = std::tm{};
    now.tm_year = year - 1900;
    now.tm_mon = month - 1;
    now.tm_mday = day;
    now.tm_hour = hour;
    now.tm_min = minute;
    now.tm_sec = second;
  }
  void Advance(int seconds) {
    now.tm_sec += seconds;
    Normalise();
  }
  LocalClock Source() {
    return [this] { return now; };
  }

 private:
  void Normalise() {
    std::time_t t = timegm(&now);
    gmtime_r(&t, &now);
  }
};
