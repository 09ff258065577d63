#pragma once
// The AIS target table: one slot per station heard, the last messages of some types kept
// whole, and the merge, reset and eviction of slots.
#include <cstdint>

#include "protocol/AisClock.h"
#include "protocol/AisDecoder.h"

struct AisState;

// What kind of station a slot holds.
enum AisTargetClass : uint8_t {
  kAisClassBaseStation = 0,      // base station or other station (types 4, 16, 17, 20, 22, 23)
  kAisClassSarAircraft = 1,      // 9
  kAisClassAidToNavigation = 2,  // 21
  kAisClassA = 3,                // 1, 2, 3, 5
  kAisClassB = 4,                // 18, 19, 24
  kAisClassEmpty = 5,
};

// Bits of AIS_TARGET_STRUCT::flags.
inline constexpr uint8_t kAisFlagAccuracy = 0x01;
inline constexpr uint8_t kAisFlagRaim = 0x02;
inline constexpr uint8_t kAisFlagDte = 0x04;

// Bits of AIS_TARGET_STRUCT::classBFlags.
inline constexpr uint8_t kAisClassBAssigned = 0x01;
inline constexpr uint8_t kAisClassBUnit = 0x02;
inline constexpr uint8_t kAisClassBDisplay = 0x04;
inline constexpr uint8_t kAisClassBDsc = 0x08;
inline constexpr uint8_t kAisClassBBand = 0x10;
inline constexpr uint8_t kAisClassBMsg22 = 0x20;

// Bits of AIS_TARGET_STRUCT::atonFlags.
inline constexpr uint8_t kAisAtonOffPosition = 0x01;
inline constexpr uint8_t kAisAtonTypeMask = 0x3E;  // type of aid, shifted left by 1
inline constexpr uint8_t kAisAtonVirtual = 0x40;
inline constexpr uint8_t kAisAtonAssigned = 0x80;

// One station heard. Bit-field members only have their low bits written by the
// merge (widths in the comments); their other bits keep their value.
struct AIS_TARGET_STRUCT {
  uint8_t targetClass;  // AisTargetClass
  uint32_t mmsi;
  uint8_t status;   // low 4 bits EPFD type, high 4 bits navigational status
  uint8_t flags;    // kAisFlag*
  float longitude;  // degrees; 181 not available
  float latitude;   // degrees; 91 not available
  float sog;        // knots
  float cog;        // degrees; 361 after a reset
  float heading;    // degrees; 511 not available
  char name[21];
  char callSign[8];
  uint8_t shipType;
  uint8_t dimD;   // 6 bits, metres
  uint8_t dimC;   // 6 bits
  uint16_t dimB;  // 9 bits
  uint16_t dimA;  // 9 bits
  uint32_t imo;
  float rot;           // degrees per minute
  uint8_t etaMinute;   // 6 bits
  uint8_t etaHour;     // 5 bits
  uint8_t etaDay;      // 5 bits
  uint8_t etaMonth;    // 4 bits
  uint8_t aisVersion;  // 2 bits
  float draught;       // metres
  char destination[21];
  char vendorId[8];
  uint8_t classBFlags;  // kAisClassB*
  uint8_t atonFlags;    // kAisAton*
  union {
    float altitude;          // SAR aircraft, metres
    char nameExtension[15];  // aid to navigation, up to 14 characters
  } extra;
  float reserved[2];
  uint8_t timeStampValid;  // the last position report's time stamp was below 60
  DateTimeStamp lastSeen;
  DateTimeStamp firstSeen;
  uint32_t vdmCount;
  uint32_t vdoCount;
};

// The target table: slot 0 is the own vessel (from VDO), then the stations heard.
struct AIS_TARGET_LIST_STRUCT {
  static constexpr int kSlots = 2250;

  AIS_TARGET_STRUCT slot[kSlots];
  int32_t count;  // slots in use, at least 1 (slot 0 always counts)
};

// The last message of a type kept whole (12, 14, 15, 20, 22, 23).
struct AisLastMessage {
  AisDecodedRecord record;
  int32_t channel;   // types 15 and 20 only
  int32_t reserved;  // types 15 and 20 only
  uint8_t present;
};

struct AisLastMessages {
  AisLastMessage type12;
  AisLastMessage type14;
  AisLastMessage type15;
  AisLastMessage type20;
  AisLastMessage type22;
  AisLastMessage type23;
};

// Merges a decoded message into its slot. Returns the slot index, or -1 when the
// record's type is outside 1..24. channel is the channel character minus '0';
// isOwn is true for VDO.
int UpdateAisTarget(AisState& ais, const AisDecodedRecord& record, int channel, int reserved,
                    bool isOwn);

// Empties the table (own-vessel slot included). Always true.
bool ClearAisTargets(AIS_TARGET_LIST_STRUCT& targets);

// Sets one slot to the not-available values.
void ResetAisTarget(AIS_TARGET_STRUCT& target);

// Resets and returns the slot among 1..count-1 heard least recently (the first of
// equals); -1 when there is no such slot.
int EvictOldestTarget(AIS_TARGET_LIST_STRUCT& targets);
