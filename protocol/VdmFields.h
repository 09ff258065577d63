#pragma once
// The VDM/VDO member of SENTENCE_STRUCT: one piece of an encapsulated AIS message.
// Shared by the sentence codec (which fills it) and the AIS assembly (which reads it).
#include <cstdint>

struct VDM_STRUCT {
  int8_t totalSentences;  // 0..9
  int8_t sentenceNumber;  // 0..9
  int8_t sequentialId;    // 0..9, or 128 (as int8_t: -128) when empty
  int8_t fillBits;        // 0..5, or 128 when empty
  char payload[64];       // at most 63 characters and NUL
  char channel;           // channel character as received, 128 when empty
};
