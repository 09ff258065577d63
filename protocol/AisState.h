#pragma once
// AIS receive state (fragment buffer, payload bits, decoded record, target table).
// SEAM: placeholder until the AIS assembly and decoder are built.
struct AisState {};
