// The field layouts of the AIS message types 1 to 24, their record offsets worked out at
// compile time and checked where the target table relies on them.
#include "protocol/AisFieldTables.h"

#include <cstddef>

namespace {

using K = AisFieldKind;

template <size_t N>
constexpr AisMsgTable MakeTable(const AisFieldEntry (&entries)[N]) {
  static_assert(N <= AisMsgTable::kMaxEntries);
  AisMsgTable table{static_cast<int32_t>(N), entries, {}};
  int position = 1;  // byte 0 holds the message type
  for (size_t i = 1; i < N; ++i) {
    table.offset[i] = static_cast<uint8_t>(position);
    position += AisFieldSize(entries[i]);
  }
  return table;
}

// Position report, class A (types 1, 2, 3).
constexpr AisFieldEntry kPositionA[] = {
    {6, K::kByte, 1},        // message id
    {2, K::kByte, 1},        // repeat indicator
    {30, K::kIdentity, 1},   // MMSI
    {4, K::kByte, 1},        // navigational status
    {8, K::kRateOfTurn, 1},  // rate of turn
    {10, K::kScaled, 0.1f},  // speed over ground, knots
    {1, K::kByte, 1},        // position accuracy
    {28, K::kLongitude, 0.0001f},
    {27, K::kLatitude, 0.0001f},
    {12, K::kCourse, 0.1f},  // course over ground, degrees
    {9, K::kHeading, 1},     // true heading, degrees
    {6, K::kTimeStamp, 1},   // time stamp, second
    {2, K::kByte, 1},        // special manoeuvre indicator
    {3, K::kByte, 1},        // spare
    {1, K::kByte, 1},        // RAIM flag
    {19, K::kCommState, 1},  // communication state
};

// Base station report (4) and UTC/date response (11).
constexpr AisFieldEntry kBaseStation[] = {
    {6, K::kByte, 1},       // message id
    {2, K::kByte, 1},       // repeat indicator
    {30, K::kIdentity, 1},  // MMSI
    {14, K::kWord, 1},      // UTC year
    {4, K::kByte, 1},       // UTC month
    {5, K::kByte, 1},       // UTC day
    {5, K::kByte, 1},       // UTC hour
    {6, K::kByte, 1},       // UTC minute
    {6, K::kByte, 1},       // UTC second
    {1, K::kByte, 1},       // position accuracy
    {28, K::kLongitude, 0.0001f},
    {27, K::kLatitude, 0.0001f},
    {4, K::kByte, 1},        // type of position fixing device (EPFD)
    {10, K::kWord, 1},       // spare
    {1, K::kByte, 1},        // RAIM flag
    {19, K::kCommState, 1},  // communication state
};

// Static and voyage related data (5).
constexpr AisFieldEntry kStaticVoyage[] = {
    {6, K::kByte, 1},         // message id
    {2, K::kByte, 1},         // repeat indicator
    {30, K::kIdentity, 1},    // MMSI
    {2, K::kByte, 1},         // AIS version indicator
    {30, K::kIdentity, 1},    // IMO number
    {42, K::kText, 1},        // call sign, 7 characters
    {120, K::kText, 1},       // name, 20 characters
    {8, K::kByte, 1},         // type of ship and cargo
    {30, K::kDimensions, 1},  // dimensions A, B, C, D
    {4, K::kByte, 1},         // EPFD type
    {20, K::kEta, 1},         // ETA month, day, hour, minute
    {8, K::kScaled, 0.1f},    // maximum present static draught, metres
    {120, K::kText, 1},       // destination, 20 characters
    {1, K::kByte, 1},         // DTE
    {1, K::kByte, 1},         // spare
};

// Addressed binary message (6).
constexpr AisFieldEntry kAddressedBinary[] = {
    {6, K::kByte, 1},       // message id
    {2, K::kByte, 1},       // repeat indicator
    {30, K::kIdentity, 1},  // source MMSI
    {2, K::kByte, 1},       // sequence number
    {30, K::kIdentity, 1},  // destination MMSI
    {1, K::kByte, 1},       // retransmit flag
    {1, K::kByte, 1},       // spare
    {10, K::kAreaCode, 1},  // designated area code (DAC)
    {6, K::kByte, 1},       // function identifier (FI)
    {6, K::kTextToEnd, 1},  // application data
};

// Binary acknowledge (7) and safety related acknowledge (13).
constexpr AisFieldEntry kAcknowledge[] = {
    {6, K::kByte, 1},       // message id
    {2, K::kByte, 1},       // repeat indicator
    {30, K::kIdentity, 1},  // source MMSI
    {2, K::kByte, 1},       // spare
    {30, K::kIdentity, 1},  // destination MMSI 1
    {2, K::kByte, 1},       // sequence number 1
    {30, K::kIdentity, 1},  // destination MMSI 2
    {2, K::kByte, 1},       // sequence number 2
    {30, K::kIdentity, 1},  // destination MMSI 3
    {2, K::kByte, 1},       // sequence number 3
    {30, K::kIdentity, 1},  // destination MMSI 4
    {2, K::kByte, 1},       // sequence number 4
};

// Binary broadcast message (8).
constexpr AisFieldEntry kBroadcastBinary[] = {
    {6, K::kByte, 1},       // message id
    {2, K::kByte, 1},       // repeat indicator
    {30, K::kIdentity, 1},  // source MMSI
    {2, K::kByte, 1},       // spare
    {10, K::kAreaCode, 1},  // designated area code (DAC)
    {6, K::kByte, 1},       // function identifier (FI)
    {6, K::kTextToEnd, 1},  // application data
};

// SAR aircraft position report (9).
constexpr AisFieldEntry kSarAircraft[] = {
    {6, K::kByte, 1},       // message id
    {2, K::kByte, 1},       // repeat indicator
    {30, K::kIdentity, 1},  // MMSI
    {12, K::kWord, 1},      // altitude, metres
    {10, K::kScaled, 1},    // speed over ground, knots
    {1, K::kByte, 1},       // position accuracy
    {28, K::kLongitude, 0.0001f},
    {27, K::kLatitude, 0.0001f},
    {12, K::kCourse, 0.1f},  // course over ground
    {6, K::kTimeStamp, 1},   // time stamp
    {8, K::kByte, 1},        // regional reserved
    {1, K::kByte, 1},        // DTE
    {3, K::kByte, 1},        // spare
    {1, K::kByte, 1},        // assigned mode flag
    {1, K::kByte, 1},        // RAIM flag
    {1, K::kByte, 1},        // communication state selector
    {19, K::kCommState, 1},  // communication state
};

// UTC/date inquiry (10).
constexpr AisFieldEntry kUtcInquiry[] = {
    {6, K::kByte, 1},       // message id
    {2, K::kByte, 1},       // repeat indicator
    {30, K::kIdentity, 1},  // source MMSI
    {2, K::kByte, 1},       // spare
    {30, K::kIdentity, 1},  // destination MMSI
    {2, K::kByte, 1},       // spare
};

// Addressed safety related message (12).
constexpr AisFieldEntry kAddressedSafety[] = {
    {6, K::kByte, 1},       // message id
    {2, K::kByte, 1},       // repeat indicator
    {30, K::kIdentity, 1},  // source MMSI
    {2, K::kByte, 1},       // sequence number
    {30, K::kIdentity, 1},  // destination MMSI
    {1, K::kByte, 1},       // retransmit flag
    {1, K::kByte, 1},       // spare
    {6, K::kTextToEnd, 1},  // safety related text
};

// Safety related broadcast message (14).
constexpr AisFieldEntry kBroadcastSafety[] = {
    {6, K::kByte, 1},       // message id
    {2, K::kByte, 1},       // repeat indicator
    {30, K::kIdentity, 1},  // source MMSI
    {2, K::kByte, 1},       // spare
    {6, K::kTextToEnd, 1},  // safety related text
};

// Interrogation (15).
constexpr AisFieldEntry kInterrogation[] = {
    {6, K::kByte, 1},       // message id
    {2, K::kByte, 1},       // repeat indicator
    {30, K::kIdentity, 1},  // source MMSI
    {2, K::kByte, 1},       // spare
    {30, K::kIdentity, 1},  // destination MMSI 1
    {6, K::kByte, 1},       // message id 1.1
    {12, K::kWord, 1},      // slot offset 1.1
    {2, K::kByte, 1},       // spare
    {6, K::kByte, 1},       // message id 1.2
    {12, K::kWord, 1},      // slot offset 1.2
    {2, K::kByte, 1},       // spare
    {30, K::kIdentity, 1},  // destination MMSI 2
    {6, K::kByte, 1},       // message id 2.1
    {12, K::kWord, 1},      // slot offset 2.1
    {2, K::kByte, 1},       // spare
};

// Assigned mode command (16).
constexpr AisFieldEntry kAssignedMode[] = {
    {6, K::kByte, 1},       // message id
    {2, K::kByte, 1},       // repeat indicator
    {30, K::kIdentity, 1},  // source MMSI
    {2, K::kByte, 1},       // spare
    {30, K::kIdentity, 1},  // destination MMSI A
    {12, K::kWord, 1},      // offset A
    {10, K::kWord, 1},      // increment A
    {30, K::kIdentity, 1},  // destination MMSI B
    {12, K::kWord, 1},      // offset B
    {10, K::kWord, 1},      // increment B
    {4, K::kByte, 1},       // spare
};

// DGNSS broadcast binary message (17).
constexpr AisFieldEntry kDgnss[] = {
    {6, K::kByte, 1},           // message id
    {2, K::kByte, 1},           // repeat indicator
    {30, K::kIdentity, 1},      // source MMSI
    {2, K::kByte, 1},           // spare
    {18, K::kLongitude, 0.1f},  // longitude, 1/10 minute
    {17, K::kLatitude, 0.1f},   // latitude, 1/10 minute
    {5, K::kByte, 1},           // spare
    {6, K::kByte, 1},           // message type
    {10, K::kWord, 1},          // station id
    {13, K::kWord, 1},          // Z count
    {3, K::kByte, 1},           // sequence number
    {5, K::kByte, 1},           // N (words)
    {3, K::kByte, 1},           // health
};

// Standard class B position report (18).
constexpr AisFieldEntry kPositionB[] = {
    {6, K::kByte, 1},        // message id
    {2, K::kByte, 1},        // repeat indicator
    {30, K::kIdentity, 1},   // MMSI
    {8, K::kByte, 1},        // regional reserved
    {10, K::kScaled, 0.1f},  // speed over ground, knots
    {1, K::kByte, 1},        // position accuracy
    {28, K::kLongitude, 0.0001f},
    {27, K::kLatitude, 0.0001f},
    {12, K::kCourse, 0.1f},  // course over ground
    {9, K::kHeading, 1},     // true heading
    {6, K::kTimeStamp, 1},   // time stamp
    {2, K::kByte, 1},        // regional reserved
    {1, K::kByte, 1},        // class B unit flag
    {1, K::kByte, 1},        // class B display flag
    {1, K::kByte, 1},        // class B DSC flag
    {1, K::kByte, 1},        // class B band flag
    {1, K::kByte, 1},        // class B message 22 flag
    {1, K::kByte, 1},        // mode flag (assigned)
    {1, K::kByte, 1},        // RAIM flag
    {1, K::kByte, 1},        // communication state selector
    {19, K::kCommState, 1},  // communication state
};

// Extended class B position report (19).
constexpr AisFieldEntry kPositionBExtended[] = {
    {6, K::kByte, 1},        // message id
    {2, K::kByte, 1},        // repeat indicator
    {30, K::kIdentity, 1},   // MMSI
    {8, K::kByte, 1},        // regional reserved
    {10, K::kScaled, 0.1f},  // speed over ground, knots
    {1, K::kByte, 1},        // position accuracy
    {28, K::kLongitude, 0.0001f},
    {27, K::kLatitude, 0.0001f},
    {12, K::kCourse, 0.1f},   // course over ground
    {9, K::kHeading, 1},      // true heading
    {6, K::kTimeStamp, 1},    // time stamp
    {4, K::kByte, 1},         // regional reserved
    {120, K::kText, 1},       // name, 20 characters
    {8, K::kByte, 1},         // type of ship and cargo
    {30, K::kDimensions, 1},  // dimensions A, B, C, D
    {4, K::kByte, 1},         // EPFD type
    {1, K::kByte, 1},         // RAIM flag
    {1, K::kByte, 1},         // DTE
    {1, K::kByte, 1},         // assigned mode flag
    {4, K::kByte, 1},         // spare
};

// Data link management (20).
constexpr AisFieldEntry kDataLink[] = {
    {6, K::kByte, 1},       // message id
    {2, K::kByte, 1},       // repeat indicator
    {30, K::kIdentity, 1},  // source MMSI
    {2, K::kByte, 1},       // spare
    {12, K::kWord, 1},      // offset 1
    {4, K::kByte, 1},       // number of slots 1
    {3, K::kByte, 1},       // time-out 1
    {11, K::kWord, 1},      // increment 1
    {12, K::kWord, 1},      // offset 2
    {4, K::kByte, 1},       // number of slots 2
    {3, K::kByte, 1},       // time-out 2
    {11, K::kWord, 1},      // increment 2
    {12, K::kWord, 1},      // offset 3
    {4, K::kByte, 1},       // number of slots 3
    {3, K::kByte, 1},       // time-out 3
    {11, K::kWord, 1},      // increment 3
    {12, K::kWord, 1},      // offset 4
    {4, K::kByte, 1},       // number of slots 4
    {3, K::kByte, 1},       // time-out 4
    {11, K::kWord, 1},      // increment 4
};

// Aid-to-navigation report (21).
constexpr AisFieldEntry kAidToNavigation[] = {
    {6, K::kByte, 1},       // message id
    {2, K::kByte, 1},       // repeat indicator
    {30, K::kIdentity, 1},  // MMSI
    {5, K::kByte, 1},       // type of aid to navigation
    {120, K::kText, 1},     // name, 20 characters
    {1, K::kByte, 1},       // position accuracy
    {28, K::kLongitude, 0.0001f},
    {27, K::kLatitude, 0.0001f},
    {30, K::kDimensions, 1},  // dimensions A, B, C, D
    {4, K::kByte, 1},         // EPFD type
    {6, K::kTimeStamp, 1},    // time stamp
    {1, K::kByte, 1},         // off-position indicator
    {8, K::kByte, 1},         // AtoN status
    {1, K::kByte, 1},         // RAIM flag
    {1, K::kByte, 1},         // virtual AtoN flag
    {1, K::kByte, 1},         // assigned mode flag
    {1, K::kByte, 1},         // spare
    {84, K::kText, 1},        // name extension, up to 14 characters
    {4, K::kByte, 1},         // spare
};

// Channel management (22).
constexpr AisFieldEntry kChannelManagement[] = {
    {6, K::kByte, 1},           // message id
    {2, K::kByte, 1},           // repeat indicator
    {30, K::kIdentity, 1},      // MMSI
    {2, K::kByte, 1},           // spare
    {12, K::kWord, 1},          // channel A
    {12, K::kWord, 1},          // channel B
    {4, K::kByte, 1},           // Tx/Rx mode
    {1, K::kByte, 1},           // power
    {18, K::kLongitude, 0.1f},  // longitude 1, 1/10 minute
    {17, K::kLatitude, 0.1f},   // latitude 1
    {18, K::kLongitude, 0.1f},  // longitude 2
    {17, K::kLatitude, 0.1f},   // latitude 2
    {1, K::kByte, 1},           // addressed or broadcast flag
    {1, K::kByte, 1},           // channel A bandwidth
    {1, K::kByte, 1},           // channel B bandwidth
    {3, K::kByte, 1},           // transitional zone size
    {23, K::kIdentity, 1},      // spare
};

// Group assignment command (23).
constexpr AisFieldEntry kGroupAssignment[] = {
    {6, K::kByte, 1},           // message id
    {2, K::kByte, 1},           // repeat indicator
    {30, K::kIdentity, 1},      // source MMSI
    {2, K::kByte, 1},           // spare
    {18, K::kLongitude, 0.1f},  // longitude 1, 1/10 minute
    {17, K::kLatitude, 0.1f},   // latitude 1
    {18, K::kLongitude, 0.1f},  // longitude 2
    {17, K::kLatitude, 0.1f},   // latitude 2
    {4, K::kByte, 1},           // station type
    {8, K::kByte, 1},           // type of ship and cargo
    {22, K::kIdentity, 1},      // spare
    {2, K::kByte, 1},           // Tx/Rx mode
    {4, K::kByte, 1},           // reporting interval
    {4, K::kByte, 1},           // quiet time
    {6, K::kByte, 1},           // spare
};

// Static data report, part A (24, part number 0).
constexpr AisFieldEntry kStaticPartA[] = {
    {6, K::kByte, 1},       // message id
    {2, K::kByte, 1},       // repeat indicator
    {30, K::kIdentity, 1},  // MMSI
    {2, K::kByte, 1},       // part number
    {120, K::kText, 1},     // name, 20 characters
};

// Static data report, part B (24, part number 1).
constexpr AisFieldEntry kStaticPartB[] = {
    {6, K::kByte, 1},         // message id
    {2, K::kByte, 1},         // repeat indicator
    {30, K::kIdentity, 1},    // MMSI
    {2, K::kByte, 1},         // part number
    {8, K::kByte, 1},         // type of ship and cargo
    {42, K::kText, 1},        // vendor id, 7 characters
    {42, K::kText, 1},        // call sign, 7 characters
    {30, K::kDimensions, 1},  // dimensions A, B, C, D
    {6, K::kByte, 1},         // spare
};

constexpr AisMsgTable kTablePositionA = MakeTable(kPositionA);
constexpr AisMsgTable kTableBaseStation = MakeTable(kBaseStation);
constexpr AisMsgTable kTableStaticVoyage = MakeTable(kStaticVoyage);
constexpr AisMsgTable kTableAddressedBinary = MakeTable(kAddressedBinary);
constexpr AisMsgTable kTableAcknowledge = MakeTable(kAcknowledge);
constexpr AisMsgTable kTableBroadcastBinary = MakeTable(kBroadcastBinary);
constexpr AisMsgTable kTableSarAircraft = MakeTable(kSarAircraft);
constexpr AisMsgTable kTableUtcInquiry = MakeTable(kUtcInquiry);
constexpr AisMsgTable kTableAddressedSafety = MakeTable(kAddressedSafety);
constexpr AisMsgTable kTableBroadcastSafety = MakeTable(kBroadcastSafety);
constexpr AisMsgTable kTableInterrogation = MakeTable(kInterrogation);
constexpr AisMsgTable kTableAssignedMode = MakeTable(kAssignedMode);
constexpr AisMsgTable kTableDgnss = MakeTable(kDgnss);
constexpr AisMsgTable kTablePositionB = MakeTable(kPositionB);
constexpr AisMsgTable kTablePositionBExtended = MakeTable(kPositionBExtended);
constexpr AisMsgTable kTableDataLink = MakeTable(kDataLink);
constexpr AisMsgTable kTableAidToNavigation = MakeTable(kAidToNavigation);
constexpr AisMsgTable kTableChannelManagement = MakeTable(kChannelManagement);
constexpr AisMsgTable kTableGroupAssignment = MakeTable(kGroupAssignment);
constexpr AisMsgTable kTableStaticPartA = MakeTable(kStaticPartA);
constexpr AisMsgTable kTableStaticPartB = MakeTable(kStaticPartB);

constexpr const AisMsgTable* kDirectory[] = {
    nullptr,                   // 0: not a message type
    &kTablePositionA,          // 1
    &kTablePositionA,          // 2
    &kTablePositionA,          // 3
    &kTableBaseStation,        // 4
    &kTableStaticVoyage,       // 5
    &kTableAddressedBinary,    // 6
    &kTableAcknowledge,        // 7
    &kTableBroadcastBinary,    // 8
    &kTableSarAircraft,        // 9
    &kTableUtcInquiry,         // 10
    &kTableBaseStation,        // 11
    &kTableAddressedSafety,    // 12
    &kTableAcknowledge,        // 13
    &kTableBroadcastSafety,    // 14
    &kTableInterrogation,      // 15
    &kTableAssignedMode,       // 16
    &kTableDgnss,              // 17
    &kTablePositionB,          // 18
    &kTablePositionBExtended,  // 19
    &kTableDataLink,           // 20
    &kTableAidToNavigation,    // 21
    &kTableChannelManagement,  // 22
    &kTableGroupAssignment,    // 23
    &kTableStaticPartA,        // 24, part A
    &kTableStaticPartB,        // 24, part B
};
static_assert(sizeof kDirectory / sizeof kDirectory[0] == kAisType24PartB + 1);

// The record offsets the target table relies on (type 22's extra MMSIs follow its spare at 37).
static_assert(kTableChannelManagement.offset[12] == 29);
static_assert(kTableChannelManagement.offset[16] + 4 == 37);
static_assert(kTableStaticPartA.offset[3] == 6 && kTableStaticPartB.offset[3] == 6);

}  // namespace

const AisMsgTable* AisLayout(int index) {
  if (index < 0 || index > kAisType24PartB) return nullptr;
  return kDirectory[index];
}
