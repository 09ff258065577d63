// The AIS message decoder: a type's layout walked over the payload bits, each field
// stored in the size of its kind; a message cut short keeps what it has.
#include "protocol/AisDecoder.h"

#include <algorithm>

#include "protocol/AisState.h"

namespace {

int32_t SignExtend(uint32_t value, int width) {
  const uint32_t sign = uint32_t{1} << (width - 1);
  return static_cast<int32_t>((value ^ sign) - sign);
}

template <typename T>
void Store(AisDecodedRecord& record, int position, T value) {
  std::memcpy(record.bytes + position, &value, sizeof value);
}

// Six-bit text: 0..31 are '@'..'_', 32..63 are themselves; padding is kept.
void StoreText(const PayloadBits& bits, int start, int chars, AisDecodedRecord& record,
               int position) {
  char* out = reinterpret_cast<char*>(record.bytes + position);
  for (int i = 0; i < chars; ++i) {
    const uint32_t v = GetPayloadBits(bits, start + 6 * i, 6);
    out[i] = static_cast<char>(v < 32 ? v + 64 : v);
  }
  out[chars] = '\0';
}

int LayoutIndex(const PayloadBits& bits, uint32_t type) {
  if (type == 24 && GetPayloadBits(bits, 38, 2) == 1) return kAisType24PartB;
  return static_cast<int>(type);
}

}  // namespace

const AisMsgTable* AisRecordLayout(const AisDecodedRecord& record) {
  const int type = record.Type();
  if (type == 24 && record.bytes[6] == 1) return AisLayout(kAisType24PartB);
  return type >= 1 && type <= 24 ? AisLayout(type) : nullptr;
}

bool DecodeAisPayload(const PayloadBits& bits, AisDecodedRecord& record) {
  const uint32_t type = GetPayloadBits(bits, 0, 6);
  record.bytes[0] = static_cast<uint8_t>(type);
  const AisMsgTable* layout =
      type >= 1 && type <= 24 ? AisLayout(LayoutIndex(bits, type)) : nullptr;
  if (layout == nullptr) return false;

  if (type == 24) record.bytes[6] = static_cast<uint8_t>(GetPayloadBits(bits, 38, 2));
  if (type == 22) {
    const uint32_t addressed = GetPayloadBits(bits, 139, 1);
    record.bytes[29] = static_cast<uint8_t>(addressed);
    if (addressed == 1) {
      Store(record, AisDecodedRecord::kType22Destination1, GetPayloadBits(bits, 69, 30));
      Store(record, AisDecodedRecord::kType22Destination2, GetPayloadBits(bits, 104, 30));
    }
  }

  const int bitCount = bits.bitCount;
  int bit = 6;
  int position = 1;
  for (int i = 1; i < layout->count; ++i) {
    const AisFieldEntry& entry = layout->entries[i];
    const int width = entry.width;
    const int left = bitCount - bit;
    if (width > left) {
      // A text cut by the end of the message keeps the whole characters it has
      // (an aid-to-navigation name extension is sent only as long as it is).
      if (entry.kind == AisFieldKind::kText && left >= 6)
        StoreText(bits, bit, left / 6, record, position);
      return true;
    }
    switch (entry.kind) {
      case AisFieldKind::kByte:
      case AisFieldKind::kTimeStamp:
        record.bytes[position] = static_cast<uint8_t>(GetPayloadBits(bits, bit, width));
        break;
      case AisFieldKind::kWord:
      case AisFieldKind::kAreaCode:
        Store(record, position, static_cast<uint16_t>(GetPayloadBits(bits, bit, width)));
        break;
      case AisFieldKind::kHeading: {
        const uint32_t heading = GetPayloadBits(bits, bit, width);
        Store(record, position, static_cast<uint16_t>(heading > 359 ? 511 : heading));
        break;
      }
      case AisFieldKind::kLong:
      case AisFieldKind::kIdentity:
      case AisFieldKind::kCommState:
      case AisFieldKind::kDimensions:
      case AisFieldKind::kEta:
        Store(record, position, GetPayloadBits(bits, bit, width));
        break;
      case AisFieldKind::kSignedScaled:
        Store(record, position,
              static_cast<float>(SignExtend(GetPayloadBits(bits, bit, width), width) *
                                 static_cast<double>(entry.scale)));
        break;
      case AisFieldKind::kScaled:
      case AisFieldKind::kCourse:
        Store(record, position,
              static_cast<float>(GetPayloadBits(bits, bit, width) *
                                 static_cast<double>(entry.scale)));
        break;
      case AisFieldKind::kRateOfTurn: {
        const double v = SignExtend(GetPayloadBits(bits, bit, width), width) * 0.21128248;
        Store(record, position, static_cast<float>(v < 0 ? -v * v : v * v));
        break;
      }
      case AisFieldKind::kLongitude:
      case AisFieldKind::kLatitude:
        Store(record, position,
              static_cast<float>(SignExtend(GetPayloadBits(bits, bit, width), width) *
                                 static_cast<double>(entry.scale) / 60.0));
        break;
      case AisFieldKind::kText:
        StoreText(bits, bit, width / 6, record, position);
        break;
      case AisFieldKind::kTextToEnd: {
        // Bounded by the record too, though a message that fits PayloadBits always fits.
        const int chars =
            std::max(0, std::min(left / 6, AisDecodedRecord::kCapacity - 1 - position));
        StoreText(bits, bit, chars, record, position);
        return true;
      }
      default:
        return false;
    }
    bit += width;
    position += AisFieldSize(entry);
  }
  return true;
}

bool InitAisMsgTables(AisState& ais) {
  ais.lastMessages = AisLastMessages{};
  return true;
}
