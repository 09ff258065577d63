#pragma once
// What Configure Device sends for each configuration tab, decided without
// widgets: each function takes the tab's values and returns the sentences
// (complete, checksum and CR LF included) or the message that refuses them.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "app/core/DeviceInfo.h"

struct ConfigRefusal {
  std::string text;
  std::string caption;
};

// One id/value pair of the debug-parameter sentence; 999 / INT32_MIN unused.
struct DbgEntry {
  int16_t id = 999;
  int32_t value = INT32_MIN;
};
using DbgEntries = std::array<DbgEntry, 4>;

// ---- static data ----
struct StaticPageValues {
  std::string mmsiText;
  bool mmsiEditable = true;  // false once the device reports a programmed MMSI
  std::string name;
  std::string callSign;
  int shipTypeRow = 0;
  // A ship type the device reported that the list does not hold; written back
  // as it is until the user picks a row.
  std::optional<uint16_t> keptShipType;
  int dimA = 0, dimB = 0, dimC = 0, dimD = 0;
};

// What goes into the MID, SSD (sent as "AI" and as "GP") and VSD records.
struct StaticDataWrite {
  std::optional<uint32_t> mid;  // only while the MMSI is editable
  std::string callSign;
  std::string name;
  uint16_t dimA = 0, dimB = 0;
  uint8_t dimC = 0, dimD = 0;
  uint16_t shipType = 0;
};

std::variant<StaticDataWrite, ConfigRefusal> PlanStaticDataWrite(const StaticPageValues& page);

// ---- transceiver ----
struct TransceiverPageValues {
  int dscIndex = 0;        // "OFF", "ON"
  int gpsOutputIndex = 0;  // "OFF", "1s" .. "10s"
  int gpsModeIndex = 0;    // "Altitude higher than 500m", "At sea level"
  int alrIndex = 0;        // "OFF", "ON"
  bool alrReplied = false;
};

struct TransceiverWrite {
  DbgEntries dbg;
  int alrIndex = 1;         // the ALR list as it stands after the write
  std::string alrSentence;  // "$PKVR,C,CFG,108,6,v,*hh\r\n"
};

TransceiverWrite PlanTransceiverWrite(const TransceiverPageValues& page);

// ---- baud rates ----
struct BaudRatePageValues {
  std::array<int, 4> index = {0, 0, 0, 0};  // "38400", "9600", "4800"; -1 none
  MultipleBaudType type = 0;
};

// A list without selection: it is set to its first entry and nothing is sent.
struct BaudListUnselected {
  int list = 0;  // 0..3
};

std::variant<DbgEntries, BaudListUnselected, ConfigRefusal> PlanBaudRateWrite(
    const BaudRatePageValues& page);

// ---- SRM texts and encryption ----
std::vector<std::string> PlanSrmTextWrite(const std::array<std::string, 4>& texts);
std::string PlanSrmButtonTextWrite(const std::string& text);

struct EncryptionPageValues {
  bool enabled = true;
  bool addressMode = true;
  std::string addressMmsi;  // must be nine digits when the address mode is on
  std::string key;          // up to 16 bytes
  uint32_t ownMmsi = 0;     // own vessel, from the AIS target table
};

// cekSequence is used by the CEK sentence and then incremented.
std::variant<std::vector<std::string>, ConfigRefusal> PlanEncryptionWrite(
    const EncryptionPageValues& page, uint32_t& cekSequence);

// Query of all SRM settings, sent when an SRM tab is chosen.
std::string SrmQuerySentence();

// The sentence with "*", its two checksum digits and CR LF appended.
std::string WithChecksum(const std::string& body);

// A text that cannot travel in a sentence field: the first reserved byte.
std::optional<char> FirstReservedChar(const std::string& text);
