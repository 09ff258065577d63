#pragma once
// The bridge from the protocol's records to the GPS page model, so the model
// itself needs no protocol headers.
#include "app/core/GpsStatus.h"
#include "protocol/AisTargets.h"
#include "protocol/GroupRecords.h"

// What the GPS page reads after a GNSS sentence was stored: the group record
// and the own-vessel slot of the target table.
GpsSentenceInput GpsInputFromRecords(const char* formatter, const GNSS_DATA_STRUCT& gnss,
                                     const AIS_TARGET_STRUCT& ownVessel);
