#pragma once
// Joining VDM/VDO pieces into one AIS message, turning its armoured text into bits, and
// reading bit fields from them.
#include <cstdint>

#include "protocol/VdmFields.h"

// The pieces of at most one encapsulated AIS message, joined in order.
struct FragmentBuffer {
  static constexpr int kPayloadCapacity = 172;  // characters, without the NUL

  uint8_t total;         // sentences of the message
  uint8_t number;        // number of the last sentence taken in
  uint8_t sequentialId;  // 0..9, or 128 when the sentence left it empty
  uint8_t channel;       // channel character of the first sentence, or 128
  char payload[kPayloadCapacity + 1];
  uint8_t fillBits;   // of the last sentence
  char formatter[4];  // "VDM" or "VDO", of the first sentence
};

// The message bits, most significant bit of each byte first.
struct PayloadBits {
  static constexpr int kCapacity = 127;  // bytes; the longest message needs 126

  uint8_t payload[kCapacity];
  uint16_t bitCount;
  uint8_t spare[5];
};

// Takes one VDM/VDO piece into the buffer; true when the buffer holds a whole message.
bool AssembleFragments(const char* formatter, const VDM_STRUCT& piece, FragmentBuffer& buffer);

// True when the fragment continues the stored message.
bool IsNextFragment(const FragmentBuffer& stored, const FragmentBuffer& fragment);

// Turns the buffer's armoured text into bits; false on a bad character, fill-bit
// value, or a text too long for PayloadBits.
bool DearmourPayload(const FragmentBuffer& buffer, PayloadBits& bits);

// Unsigned value of `width` bits (1..32) from bit `start`; bits past the buffer read as 0.
uint32_t GetPayloadBits(const PayloadBits& bits, int start, int width);
