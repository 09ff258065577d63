// Merging decoded AIS messages into the target table: a station's slot found or taken
// (the one heard least recently when the table is full), and each type's fields written
// into it.
#include "protocol/AisTargets.h"

#include <algorithm>
#include <cstring>

#include "protocol/AisState.h"

namespace {

template <typename T>
void SetBits(T& field, unsigned mask, unsigned value) {
  field = static_cast<T>((field & ~mask) | (value & mask));
}

template <size_t N>
void CopyText(char (&out)[N], const char* text) {
  const size_t length = strnlen(text, N - 1);
  std::memcpy(out, text, length);
  out[length] = '\0';
}

void SetFlag(AIS_TARGET_STRUCT& t, uint8_t bit, uint8_t on) { SetBits(t.flags, bit, on ? bit : 0); }

void SetEpfd(AIS_TARGET_STRUCT& t, uint8_t epfd) { SetBits(t.status, 0x0F, epfd); }

// Packed 30 bits: A 21-29, B 12-20, C 6-11, D 0-5.
void SetDimensions(AIS_TARGET_STRUCT& t, uint32_t packed) {
  SetBits(t.dimA, 0x1FF, packed >> 21);
  SetBits(t.dimB, 0x1FF, packed >> 12);
  SetBits(t.dimC, 0x3F, packed >> 6);
  SetBits(t.dimD, 0x3F, packed);
}

// Packed 20 bits: month 16-19, day 11-15, hour 6-10, minute 0-5.
void SetEta(AIS_TARGET_STRUCT& t, uint32_t packed) {
  SetBits(t.etaMonth, 0x0F, packed >> 16);
  SetBits(t.etaDay, 0x1F, packed >> 11);
  SetBits(t.etaHour, 0x1F, packed >> 6);
  SetBits(t.etaMinute, 0x3F, packed);
}

void SetPosition(AIS_TARGET_STRUCT& t, const AisRecordReader& r, int accuracy, int lon, int lat) {
  SetFlag(t, kAisFlagAccuracy, r.U8(accuracy));
  t.longitude = r.F32(lon);
  t.latitude = r.F32(lat);
}

void MergePositionA(AIS_TARGET_STRUCT& t, const AisRecordReader& r) {
  namespace f = ais_pos_a;
  t.targetClass = kAisClassA;
  SetBits(t.status, 0xF0, r.U8(f::kNavStatus) << 4);
  t.rot = r.F32(f::kRateOfTurn);
  t.sog = r.F32(f::kSog);
  SetPosition(t, r, f::kAccuracy, f::kLon, f::kLat);
  t.cog = r.F32(f::kCog);
  t.heading = r.U16(f::kHeading);
  SetFlag(t, kAisFlagRaim, r.U8(f::kRaim));
  t.timeStampValid = r.U8(f::kTimeStamp) < 60;
}

void MergeBaseStation(AIS_TARGET_STRUCT& t, const AisRecordReader& r) {
  namespace f = ais_base;
  t.targetClass = kAisClassBaseStation;
  SetPosition(t, r, f::kAccuracy, f::kLon, f::kLat);
  SetEpfd(t, r.U8(f::kEpfd));
  SetFlag(t, kAisFlagRaim, r.U8(f::kRaim));
}

void MergeStaticVoyage(AIS_TARGET_STRUCT& t, const AisRecordReader& r) {
  namespace f = ais_static_a;
  t.targetClass = kAisClassA;
  SetBits(t.aisVersion, 0x03, r.U8(f::kAisVersion));
  t.imo = r.U32(f::kImo);
  CopyText(t.callSign, r.Text(f::kCallSign));
  CopyText(t.name, r.Text(f::kName));
  t.shipType = r.U8(f::kShipType);
  SetDimensions(t, r.U32(f::kDimensions));
  SetEpfd(t, r.U8(f::kEpfd));
  SetEta(t, r.U32(f::kEta));
  t.draught = r.F32(f::kDraught);
  CopyText(t.destination, r.Text(f::kDestination));
  SetFlag(t, kAisFlagDte, r.U8(f::kDte));
}

void MergeSarAircraft(AIS_TARGET_STRUCT& t, const AisRecordReader& r) {
  namespace f = ais_sar;
  t.targetClass = kAisClassSarAircraft;
  t.extra.altitude = r.U16(f::kAltitude);
  t.sog = r.F32(f::kSog);
  SetPosition(t, r, f::kAccuracy, f::kLon, f::kLat);
  t.cog = r.F32(f::kCog);
  SetFlag(t, kAisFlagDte, r.U8(f::kDte));
  SetFlag(t, kAisFlagRaim, r.U8(f::kRaim));
}

void MergePositionB(AIS_TARGET_STRUCT& t, const AisRecordReader& r) {
  namespace f = ais_pos_b;
  t.targetClass = kAisClassB;
  t.sog = r.F32(f::kSog);
  SetPosition(t, r, f::kAccuracy, f::kLon, f::kLat);
  t.cog = r.F32(f::kCog);
  t.heading = r.U16(f::kHeading);
  SetFlag(t, kAisFlagRaim, r.U8(f::kRaim));
  const unsigned classB =
      (r.U8(f::kAssigned) ? kAisClassBAssigned : 0) | (r.U8(f::kUnitFlag) ? kAisClassBUnit : 0) |
      (r.U8(f::kDisplayFlag) ? kAisClassBDisplay : 0) | (r.U8(f::kDscFlag) ? kAisClassBDsc : 0) |
      (r.U8(f::kBandFlag) ? kAisClassBBand : 0) | (r.U8(f::kMsg22Flag) ? kAisClassBMsg22 : 0);
  SetBits(t.classBFlags, 0x3F, classB);
  t.timeStampValid = r.U8(f::kTimeStamp) < 60;
}

void MergePositionBExtended(AIS_TARGET_STRUCT& t, const AisRecordReader& r) {
  namespace f = ais_pos_b_ext;
  t.targetClass = kAisClassB;
  t.sog = r.F32(f::kSog);
  SetPosition(t, r, f::kAccuracy, f::kLon, f::kLat);
  t.cog = r.F32(f::kCog);
  t.heading = r.U16(f::kHeading);
  CopyText(t.name, r.Text(f::kName));
  t.shipType = r.U8(f::kShipType);
  SetDimensions(t, r.U32(f::kDimensions));
  SetEpfd(t, r.U8(f::kEpfd));
  SetFlag(t, kAisFlagRaim, r.U8(f::kRaim));
  SetFlag(t, kAisFlagDte, r.U8(f::kDte));
  t.timeStampValid = r.U8(f::kTimeStamp) < 60;
}

void MergeAidToNavigation(AIS_TARGET_STRUCT& t, const AisRecordReader& r) {
  namespace f = ais_aton;
  t.targetClass = kAisClassAidToNavigation;
  CopyText(t.name, r.Text(f::kName));
  SetPosition(t, r, f::kAccuracy, f::kLon, f::kLat);
  SetDimensions(t, r.U32(f::kDimensions));
  SetEpfd(t, r.U8(f::kEpfd));
  SetFlag(t, kAisFlagRaim, r.U8(f::kRaim));
  t.atonFlags = static_cast<uint8_t>((r.U8(f::kOffPosition) ? kAisAtonOffPosition : 0) |
                                     ((r.U8(f::kAidType) << 1) & kAisAtonTypeMask) |
                                     (r.U8(f::kVirtual) ? kAisAtonVirtual : 0) |
                                     (r.U8(f::kAssigned) ? kAisAtonAssigned : 0));
  CopyText(t.extra.nameExtension, r.Text(f::kNameExtension));
  t.timeStampValid = r.U8(f::kTimeStamp) < 60;
}

void MergeStaticReport(AIS_TARGET_STRUCT& t, const AisDecodedRecord& record) {
  t.targetClass = kAisClassB;
  // Same rule as the decoder: only part number 1 was read as part B.
  const AisMsgTable* layout = AisRecordLayout(record);
  const AisRecordReader r(record, *layout);
  if (layout == AisLayout(kAisType24PartB)) {
    namespace f = ais_static_b_b;
    t.shipType = r.U8(f::kShipType);
    CopyText(t.vendorId, r.Text(f::kVendorId));
    CopyText(t.callSign, r.Text(f::kCallSign));
    SetDimensions(t, r.U32(f::kDimensions));
  } else {
    CopyText(t.name, r.Text(ais_static_b_a::kName));
  }
}

void KeepLastMessage(AisLastMessage& last, const AisDecodedRecord& record, int channel,
                     int reserved) {
  last.record = record;
  last.channel = channel;
  last.reserved = reserved;
  last.present = 1;
}

// A slot taken by a new station starts from nothing, not from what its last
// occupant left behind.
void BlankTarget(AIS_TARGET_STRUCT& target) {
  std::memset(&target, 0, sizeof target);
  ResetAisTarget(target);
}

uint32_t RecordMmsi(const AisDecodedRecord& record) {
  uint32_t mmsi;
  std::memcpy(&mmsi, record.bytes + 2, sizeof mmsi);  // entry 2 of every layout
  return mmsi;
}

}  // namespace

void ResetAisTarget(AIS_TARGET_STRUCT& t) {
  t.longitude = 181.0f;
  t.latitude = 91.0f;
  t.targetClass = kAisClassEmpty;
  t.reserved[0] = -1.0f;
  t.reserved[1] = -1.0f;
  t.mmsi = 0;
  t.imo = 0;
  SetBits(t.status, 0xF0, 0);
  t.rot = 0.0f;
  t.cog = 361.0f;
  t.heading = 511.0f;
  t.sog = 0.0f;
  SetFlag(t, kAisFlagAccuracy, 0);
  SetFlag(t, kAisFlagDte, 1);
  t.name[0] = '\0';
  t.callSign[0] = '\0';
  t.lastSeen = GetEmptyDateTime();
}

bool ClearAisTargets(AIS_TARGET_LIST_STRUCT& targets) {
  for (AIS_TARGET_STRUCT& t : targets.slot) {
    t.mmsi = 0;
    t.longitude = 181.0f;
    t.latitude = 91.0f;
    t.targetClass = kAisClassEmpty;
    t.reserved[0] = 0.0f;
    t.timeStampValid = 0;
  }
  targets.count = 1;
  AIS_TARGET_STRUCT& own = targets.slot[0];
  SetBits(own.status, 0xF0, 0);
  own.sog = 0.0f;
  SetFlag(own, kAisFlagAccuracy, 0);
  own.cog = 0.0f;
  own.heading = 0.0f;
  own.targetClass = kAisClassA;
  return true;
}

int EvictOldestTarget(AIS_TARGET_LIST_STRUCT& targets) {
  const int count = std::clamp(targets.count, 0, AIS_TARGET_LIST_STRUCT::kSlots);
  int oldest = -1;
  uint32_t oldestStamp = 0;
  for (int i = 1; i < count; ++i) {
    const AIS_TARGET_STRUCT& t = targets.slot[i];
    const uint32_t stamp = StampToSeconds(t.lastSeen.date, t.lastSeen.time);
    if (oldest < 0 || stamp < oldestStamp) {
      oldest = i;
      oldestStamp = stamp;
    }
  }
  if (oldest >= 0) ResetAisTarget(targets.slot[oldest]);
  return oldest;
}

int UpdateAisTarget(AisState& ais, const AisDecodedRecord& record, int channel, int reserved,
                    bool isOwn) {
  const int type = record.Type();
  if (type < 1 || type > 24) return -1;
  AIS_TARGET_LIST_STRUCT& targets = ais.targets;
  const uint32_t mmsi = RecordMmsi(record);

  int index = -1;
  bool isNew = false;
  if (isOwn) {
    index = 0;
    if (targets.count < 1) {
      targets.count = 1;
      isNew = true;
    }
    if (targets.slot[0].mmsi == 0) {
      targets.slot[0].mmsi = mmsi;
      isNew = true;
    }
  } else {
    const int count = std::clamp(targets.count, 0, AIS_TARGET_LIST_STRUCT::kSlots);
    for (int i = 0; i < count; ++i) {
      if (targets.slot[i].mmsi == mmsi) {
        index = i;
        break;
      }
    }
    if (index < 0) {
      if (count < AIS_TARGET_LIST_STRUCT::kSlots) {
        index = count;
        targets.count = count + 1;
      } else {
        index = EvictOldestTarget(targets);
        if (index < 0) return -1;
      }
      BlankTarget(targets.slot[index]);
      targets.slot[index].mmsi = mmsi;
      isNew = true;
    }
  }

  AIS_TARGET_STRUCT& t = targets.slot[index];
  const std::tm now = ReadLocalClock(ais.clock);
  t.lastSeen = DateTimeStamp{PackDateYmd(now), PackTimeHms(now)};
  if (isNew) {
    t.vdmCount = 0;
    t.vdoCount = 0;
    t.firstSeen = t.lastSeen;
  }

  const AisMsgTable* layout = AisRecordLayout(record);
  const AisRecordReader r(record, *layout);
  switch (type) {
    case 1:
    case 2:
    case 3:
      MergePositionA(t, r);
      break;
    case 4:
      MergeBaseStation(t, r);
      break;
    case 5:
      MergeStaticVoyage(t, r);
      break;
    case 9:
      MergeSarAircraft(t, r);
      break;
    case 16:
    case 17:
      t.targetClass = kAisClassBaseStation;
      break;
    case 18:
      MergePositionB(t, r);
      break;
    case 19:
      MergePositionBExtended(t, r);
      break;
    case 20:
      t.targetClass = kAisClassBaseStation;
      KeepLastMessage(ais.lastMessages.type20, record, channel, reserved);
      break;
    case 21:
      MergeAidToNavigation(t, r);
      break;
    case 22:
      t.targetClass = kAisClassBaseStation;
      KeepLastMessage(ais.lastMessages.type22, record, 0, 0);
      break;
    case 23:
      t.targetClass = kAisClassBaseStation;
      KeepLastMessage(ais.lastMessages.type23, record, 0, 0);
      break;
    case 24:
      MergeStaticReport(t, record);
      break;
    case 12:
      KeepLastMessage(ais.lastMessages.type12, record, 0, 0);
      break;
    case 14:
      KeepLastMessage(ais.lastMessages.type14, record, 0, 0);
      break;
    case 15:
      KeepLastMessage(ais.lastMessages.type15, record, channel, reserved);
      break;
    default:
      break;  // 6, 7, 8, 10, 11, 13: heard, nothing merged
  }
  return index;
}
