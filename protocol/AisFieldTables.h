#pragma once
// The AIS message layouts: how each field is read and stored, the lookup by message
// type, and the entry indices the target table reads.
#include <cstdint>

// How a field of an AIS message is read and stored in AisDecodedRecord.
// The codes are fixed: several codes share a storage size and differ only in use.
enum class AisFieldKind : uint8_t {
  kByte = 0,          // unsigned, stored as u8
  kWord = 1,          // unsigned, u16
  kAreaCode = 2,      // unsigned, u16 (designated area code)
  kLong = 3,          // unsigned, u32
  kIdentity = 4,      // unsigned, u32 (MMSI, IMO, long spares)
  kSignedScaled = 5,  // signed times scale, f32
  kScaled = 6,        // unsigned times scale, f32
  kText = 7,          // width / 6 six-bit characters and a NUL
  kTextToEnd = 8,     // six-bit characters to the end of the message and a NUL
  kRateOfTurn = 9,    // sign(v) * (v / 4.733)^2, f32 degrees per minute
  kLongitude = 11,    // signed times scale / 60, f32 degrees
  kLatitude = 12,     // signed times scale / 60, f32 degrees
  kCourse = 13,       // unsigned times scale, f32
  kHeading = 14,      // unsigned, above 359 becomes 511, u16
  kTimeStamp = 15,    // unsigned, u8
  kCommState = 16,    // unsigned, u32
  kDimensions = 17,   // packed A, B, C, D (9, 9, 6, 6 bits), u32
  kEta = 18,          // packed month, day, hour, minute (4, 5, 5, 6 bits), u32
};

struct AisFieldEntry {
  int16_t width;  // bits
  AisFieldKind kind;
  float scale;
};

// One message layout; entry 0 is always the 6-bit message id.
struct AisMsgTable {
  static constexpr int kMaxEntries = 24;

  int32_t count;
  const AisFieldEntry* entries;
  uint8_t offset[kMaxEntries];  // record position of each entry
};

// Directory index of type 24 part B; type 24 part A is under 24.
inline constexpr int kAisType24PartB = 25;

// Layout of a message type (1..24) or kAisType24PartB; null for any other index.
const AisMsgTable* AisLayout(int index);

// Bytes a field of this kind takes in the record; 0 for kTextToEnd (its length
// depends on the message) and for a code that is not a kind.
constexpr int AisFieldSize(const AisFieldEntry& entry) {
  switch (entry.kind) {
    case AisFieldKind::kByte:
    case AisFieldKind::kTimeStamp:
      return 1;
    case AisFieldKind::kWord:
    case AisFieldKind::kAreaCode:
    case AisFieldKind::kHeading:
      return 2;
    case AisFieldKind::kLong:
    case AisFieldKind::kIdentity:
    case AisFieldKind::kCommState:
    case AisFieldKind::kDimensions:
    case AisFieldKind::kEta:
    case AisFieldKind::kSignedScaled:
    case AisFieldKind::kScaled:
    case AisFieldKind::kCourse:
    case AisFieldKind::kRateOfTurn:
    case AisFieldKind::kLongitude:
    case AisFieldKind::kLatitude:
      return 4;
    case AisFieldKind::kText:
      return entry.width / 6 + 1;
    case AisFieldKind::kTextToEnd:
      return 0;
  }
  return 0;
}

// Entry indices of the layouts that the target table reads.
namespace ais_pos_a {  // types 1, 2, 3
enum : int {
  kMmsi = 2,
  kNavStatus,
  kRateOfTurn,
  kSog,
  kAccuracy,
  kLon,
  kLat,
  kCog,
  kHeading,
  kTimeStamp,
  kManoeuvre,
  kSpare,
  kRaim,
  kCommState
};
}
namespace ais_base {  // types 4, 11
enum : int {
  kMmsi = 2,
  kYear,
  kMonth,
  kDay,
  kHour,
  kMinute,
  kSecond,
  kAccuracy,
  kLon,
  kLat,
  kEpfd,
  kSpare,
  kRaim,
  kCommState
};
}
namespace ais_static_a {  // type 5
enum : int {
  kMmsi = 2,
  kAisVersion,
  kImo,
  kCallSign,
  kName,
  kShipType,
  kDimensions,
  kEpfd,
  kEta,
  kDraught,
  kDestination,
  kDte,
  kSpare
};
}
namespace ais_sar {  // type 9
enum : int {
  kMmsi = 2,
  kAltitude,
  kSog,
  kAccuracy,
  kLon,
  kLat,
  kCog,
  kTimeStamp,
  kRegional,
  kDte,
  kSpare,
  kAssigned,
  kRaim,
  kCommSelector,
  kCommState
};
}
namespace ais_pos_b {  // type 18
enum : int {
  kMmsi = 2,
  kRegional,
  kSog,
  kAccuracy,
  kLon,
  kLat,
  kCog,
  kHeading,
  kTimeStamp,
  kRegional2,
  kUnitFlag,
  kDisplayFlag,
  kDscFlag,
  kBandFlag,
  kMsg22Flag,
  kAssigned,
  kRaim,
  kCommSelector,
  kCommState
};
}
namespace ais_pos_b_ext {  // type 19
enum : int {
  kMmsi = 2,
  kRegional,
  kSog,
  kAccuracy,
  kLon,
  kLat,
  kCog,
  kHeading,
  kTimeStamp,
  kRegional2,
  kName,
  kShipType,
  kDimensions,
  kEpfd,
  kRaim,
  kDte,
  kAssigned,
  kSpare
};
}
namespace ais_aton {  // type 21
enum : int {
  kMmsi = 2,
  kAidType,
  kName,
  kAccuracy,
  kLon,
  kLat,
  kDimensions,
  kEpfd,
  kTimeStamp,
  kOffPosition,
  kAtonStatus,
  kRaim,
  kVirtual,
  kAssigned,
  kSpare,
  kNameExtension,
  kSpare2
};
}
namespace ais_static_b_a {  // type 24 part A
enum : int { kMmsi = 2, kPartNumber, kName };
}
namespace ais_static_b_b {  // type 24 part B
enum : int { kMmsi = 2, kPartNumber, kShipType, kVendorId, kCallSign, kDimensions, kSpare };
}
