#pragma once
// Decoding one AIS message's bits into a flat record by its type's layout, and reading
// the record's fields back by entry index.
#include <cstdint>
#include <cstring>

#include "protocol/AisFieldTables.h"
#include "protocol/AisFragments.h"

struct AisState;

// One decoded message: byte 0 the message type, then each layout entry after the
// id in table order, in the size of its kind, without gaps (native byte order).
// Type 22 in its addressed form adds the two destination MMSIs at bytes 37 and 41.
struct AisDecodedRecord {
  static constexpr int kCapacity = 171;
  static constexpr int kType22Destination1 = 37;
  static constexpr int kType22Destination2 = 41;

  uint8_t bytes[kCapacity];

  uint8_t Type() const { return bytes[0]; }
};

// Links the layouts and marks the last-message records empty. Always true.
bool InitAisMsgTables(AisState& ais);

// Decodes `bits` into `record` (cleared by the caller). True also when the message
// ends before its layout does; false for a type that is not decoded.
bool DecodeAisPayload(const PayloadBits& bits, AisDecodedRecord& record);

// Layout a decoded record was written by (type 24 by its part number); null for
// a type that is not decoded.
const AisMsgTable* AisRecordLayout(const AisDecodedRecord& record);

// Reads the fields of a decoded record by entry index of its layout.
class AisRecordReader {
 public:
  AisRecordReader(const AisDecodedRecord& record, const AisMsgTable& layout)
      : record_(record), layout_(layout) {}

  uint8_t U8(int entry) const { return record_.bytes[layout_.offset[entry]]; }
  uint16_t U16(int entry) const { return Load<uint16_t>(layout_.offset[entry]); }
  uint32_t U32(int entry) const { return Load<uint32_t>(layout_.offset[entry]); }
  float F32(int entry) const { return Load<float>(layout_.offset[entry]); }
  const char* Text(int entry) const {
    return reinterpret_cast<const char*>(record_.bytes + layout_.offset[entry]);
  }

 private:
  template <typename T>
  T Load(int offset) const {
    T value;
    std::memcpy(&value, record_.bytes + offset, sizeof value);
    return value;
  }

  const AisDecodedRecord& record_;
  const AisMsgTable& layout_;
};
