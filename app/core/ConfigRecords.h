#pragma once
// The record-built writes: the decided values go into the device-data records
// and the lines are built from there, as the device expects them. nullopt when
// a line cannot be built.
#include <optional>
#include <string>
#include <vector>

#include "app/core/ConfigPages.h"

struct ProtocolState;

// MID (when the MMSI is sent), SSD with source "AI", SSD with source "GP", VSD.
std::optional<std::vector<std::string>> BuildStaticDataLines(ProtocolState& state,
                                                             const StaticDataWrite& write);

// The debug-parameter sentence "$PDBG,..." of the transceiver and baud-rate tabs.
std::optional<std::string> BuildDbgLine(ProtocolState& state, const DbgEntries& entries);
