// AIS message assembly: pieces joined only in order and within the buffer, the six-bit
// armour decoded with every character and fill-bit count checked, and bit reads that
// never go past the payload.
#include "protocol/AisFragments.h"

#include <array>
#include <cstring>

namespace {

// Six-bit armour: '0'..'W' are 0..39, '`'..'w' are 40..63; anything else is bad (-1).
constexpr std::array<int8_t, 256> MakeArmourTable() {
  std::array<int8_t, 256> table{};
  for (int c = 0; c < 256; ++c) {
    if (c >= '0' && c <= 'W') {
      table[c] = static_cast<int8_t>(c - '0');
    } else if (c >= '`' && c <= 'w') {
      table[c] = static_cast<int8_t>(c - '8');
    } else {
      table[c] = -1;
    }
  }
  return table;
}

constexpr std::array<int8_t, 256> kArmour = MakeArmourTable();

// Up to four characters as one big-endian group of 6-bit values; -1 on a bad character.
int32_t ArmourGroup(const char* text, int count) {
  int32_t value = 0;
  for (int i = 0; i < count; ++i) {
    const int8_t v = kArmour[static_cast<uint8_t>(text[i])];
    if (v < 0) return -1;
    value = (value << 6) | v;
  }
  return value;
}

void ClearBuffer(FragmentBuffer& buffer) { std::memset(&buffer, 0, sizeof buffer); }

}  // namespace

bool IsNextFragment(const FragmentBuffer& stored, const FragmentBuffer& fragment) {
  return std::memcmp(stored.formatter, fragment.formatter, sizeof stored.formatter) == 0 &&
         stored.total == fragment.total && stored.sequentialId == fragment.sequentialId &&
         static_cast<int8_t>(fragment.number) == static_cast<int8_t>(stored.number + 1);
}

bool AssembleFragments(const char* formatter, const VDM_STRUCT& piece, FragmentBuffer& buffer) {
  FragmentBuffer fragment{};
  fragment.total = static_cast<uint8_t>(piece.totalSentences);
  fragment.number = static_cast<uint8_t>(piece.sentenceNumber);
  fragment.sequentialId = static_cast<uint8_t>(piece.sequentialId);
  fragment.channel = static_cast<uint8_t>(piece.channel);
  const size_t length = strnlen(piece.payload, sizeof piece.payload - 1);
  std::memcpy(fragment.payload, piece.payload, length);
  fragment.fillBits = static_cast<uint8_t>(piece.fillBits);
  std::strncpy(fragment.formatter, formatter, sizeof fragment.formatter - 1);

  if (IsNextFragment(buffer, fragment)) {
    const size_t stored = strnlen(buffer.payload, FragmentBuffer::kPayloadCapacity);
    if (stored + length > FragmentBuffer::kPayloadCapacity) {
      // Too long for any AIS message: drop it rather than cut it.
      ClearBuffer(buffer);
      return false;
    }
    std::memcpy(buffer.payload + stored, fragment.payload, length + 1);
    buffer.number = fragment.number;
    if (buffer.total != buffer.number) return false;
    buffer.fillBits = fragment.fillBits;
    return true;
  }

  // Pieces 2..n whose first piece was lost can never make a whole message.
  if (fragment.number != 1) {
    ClearBuffer(buffer);
    return false;
  }
  buffer = fragment;
  return fragment.total == 1;
}

bool DearmourPayload(const FragmentBuffer& buffer, PayloadBits& bits) {
  std::memset(&bits, 0, sizeof bits);
  const char* text = buffer.payload;
  const int length = static_cast<int>(strnlen(text, FragmentBuffer::kPayloadCapacity));
  const int groups = length / 4;
  const int rest = length - groups * 4;

  int tailChars = 0;
  int tailBytes = 0;
  switch (buffer.fillBits) {
    case 0:
      break;
    case 2:
      tailChars = 3;
      tailBytes = 2;
      break;
    case 4:
      tailChars = 2;
      tailBytes = 1;
      break;
    default:
      return false;
  }
  if (rest < tailChars) return false;  // the fill bits promise characters that are not there
  if (groups * 3 + tailBytes > PayloadBits::kCapacity) return false;

  uint8_t* out = bits.payload;
  for (int g = 0; g < groups; ++g, text += 4) {
    const int32_t v = ArmourGroup(text, 4);
    if (v < 0) return false;
    *out++ = static_cast<uint8_t>(v >> 16);
    *out++ = static_cast<uint8_t>(v >> 8);
    *out++ = static_cast<uint8_t>(v);
  }
  if (tailChars > 0) {
    const int32_t v = ArmourGroup(text, tailChars);
    if (v < 0) return false;
    const int bitsRead = tailChars * 6;
    *out++ = static_cast<uint8_t>(v >> (bitsRead - 8));
    if (tailBytes == 2) *out++ = static_cast<uint8_t>(v >> (bitsRead - 16));
  }
  bits.bitCount = static_cast<uint16_t>((groups * 3 + tailBytes) * 8);
  return true;
}

uint32_t GetPayloadBits(const PayloadBits& bits, int start, int width) {
  if (start < 0 || width < 1 || width > 32) return 0;
  const int first = start / 8;
  if (first >= PayloadBits::kCapacity) return 0;
  // Five bytes from the field's first byte, as a 40-bit value; past the buffer they are 0.
  const uint8_t* p = bits.payload + first;
  uint64_t window = 0;
  if (first + 5 <= PayloadBits::kCapacity) {
    window = (uint64_t{p[0]} << 32) | (uint64_t{p[1]} << 24) | (uint64_t{p[2]} << 16) |
             (uint64_t{p[3]} << 8) | p[4];
  } else {
    for (int i = 0; i < 5; ++i)
      window = (window << 8) | (first + i < PayloadBits::kCapacity ? p[i] : 0);
  }
  window <<= start % 8;  // the field now starts at bit 39
  return static_cast<uint32_t>((window >> (40 - width)) & ((uint64_t{1} << width) - 1));
}
