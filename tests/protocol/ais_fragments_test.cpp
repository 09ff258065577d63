#include <gtest/gtest.h>

#include <string>

#include "protocol/AisFragments.h"
#include "tests/protocol/ais_test_helpers.h"

namespace {

constexpr int kEmpty = -128;  // sequential id field left empty

TEST(AisAssembly, JoinsPiecesOfOneMessageInOrder) {
  FragmentBuffer buffer{};
  EXPECT_TRUE(
      AssembleFragments("VDM", MakePiece(1, 1, kEmpty, "177KQJ5000G?tO`K>RA1wUbN0TKH", 0), buffer));
  EXPECT_STREQ(buffer.payload, "177KQJ5000G?tO`K>RA1wUbN0TKH");

  EXPECT_FALSE(AssembleFragments("VDM", MakePiece(3, 1, 4, "AAA", 0, 'B'), buffer));
  EXPECT_FALSE(
      AssembleFragments("VDM", MakePiece(3, 2, 4, "BBB", 0, 'A'), buffer));  // channel not compared
  EXPECT_TRUE(AssembleFragments("VDM", MakePiece(3, 3, 4, "CC", 4, 'A'), buffer));
  EXPECT_STREQ(buffer.payload, "AAABBBCC");
  EXPECT_EQ(buffer.fillBits, 4);
  EXPECT_EQ(buffer.channel, 'B');  // of the first piece
  EXPECT_STREQ(buffer.formatter, "VDM");
}

TEST(AisAssembly, PieceThatDoesNotContinueStartsOverOrIsDropped) {
  FragmentBuffer buffer{};
  // Another sequential id: the pair never completes.
  EXPECT_FALSE(AssembleFragments("VDM", MakePiece(2, 1, 1, "AAA", 0), buffer));
  EXPECT_FALSE(AssembleFragments("VDM", MakePiece(2, 2, 2, "BBB", 0), buffer));
  EXPECT_FALSE(AssembleFragments("VDM", MakePiece(2, 2, 1, "BBB", 0), buffer));

  // A first piece again replaces the stored one.
  EXPECT_FALSE(AssembleFragments("VDM", MakePiece(2, 1, 1, "AAA", 0), buffer));
  EXPECT_FALSE(AssembleFragments("VDM", MakePiece(2, 1, 1, "XXX", 0), buffer));
  EXPECT_TRUE(AssembleFragments("VDM", MakePiece(2, 2, 1, "YYY", 0), buffer));
  EXPECT_STREQ(buffer.payload, "XXXYYY");

  // A VDO piece does not continue a VDM message.
  EXPECT_FALSE(AssembleFragments("VDM", MakePiece(2, 1, 5, "AAA", 0), buffer));
  EXPECT_FALSE(AssembleFragments("VDO", MakePiece(2, 2, 5, "BBB", 0), buffer));
}

TEST(AisAssembly, OrphanPiecesNeverMakeAMessage) {
  FragmentBuffer buffer{};
  // Pieces 2 and 3 of a message whose first piece was lost.
  EXPECT_FALSE(AssembleFragments("VDM", MakePiece(3, 2, 7, "BBB", 0), buffer));
  EXPECT_FALSE(AssembleFragments("VDM", MakePiece(3, 3, 7, "CCC", 0), buffer));
  EXPECT_STREQ(buffer.payload, "");
  // A stale message in the buffer is dropped by the orphan, not extended later.
  EXPECT_FALSE(AssembleFragments("VDM", MakePiece(3, 1, 8, "AAA", 0), buffer));
  EXPECT_FALSE(AssembleFragments("VDM", MakePiece(3, 3, 8, "CCC", 0), buffer));
  EXPECT_FALSE(AssembleFragments("VDM", MakePiece(3, 2, 8, "BBB", 0), buffer));
  EXPECT_FALSE(AssembleFragments("VDM", MakePiece(3, 3, 8, "CCC", 0), buffer));
}

TEST(AisAssembly, JoinedPayloadPastTheBufferIsDropped) {
  FragmentBuffer buffer{};
  const std::string piece(62, '0');
  EXPECT_FALSE(AssembleFragments("VDM", MakePiece(3, 1, 1, piece, 0), buffer));
  EXPECT_FALSE(AssembleFragments("VDM", MakePiece(3, 2, 1, piece, 0), buffer));
  EXPECT_FALSE(AssembleFragments("VDM", MakePiece(3, 3, 1, piece, 0), buffer));  // 186 characters
  EXPECT_STREQ(buffer.payload, "");

  // 172 characters exactly still fit the buffer.
  EXPECT_FALSE(AssembleFragments("VDM", MakePiece(3, 1, 2, piece, 0), buffer));
  EXPECT_FALSE(AssembleFragments("VDM", MakePiece(3, 2, 2, piece, 0), buffer));
  EXPECT_TRUE(AssembleFragments("VDM", MakePiece(3, 3, 2, std::string(48, '0'), 0), buffer));
  EXPECT_EQ(std::string(buffer.payload).size(), 172u);
}

bool Dearmour(const std::string& text, int fillBits, PayloadBits& bits) {
  FragmentBuffer buffer{};
  std::strncpy(buffer.payload, text.c_str(), FragmentBuffer::kPayloadCapacity);
  buffer.fillBits = static_cast<uint8_t>(fillBits);
  return DearmourPayload(buffer, bits);
}

TEST(AisDearmour, FillBitsDecideTheBitCount) {
  PayloadBits bits{};
  ASSERT_TRUE(Dearmour("0123w", 0, bits));  // the character after the last group is not used
  EXPECT_EQ(bits.bitCount, 24);
  EXPECT_EQ(GetPayloadBits(bits, 0, 24), 0x001083u);  // 0, 1, 2, 3 in six bits each

  ASSERT_TRUE(Dearmour("0000w`W", 2, bits));  // 4n + 3 characters
  EXPECT_EQ(bits.bitCount, 24 + 16);
  EXPECT_EQ(GetPayloadBits(bits, 24, 16), 0xFE89u);  // 63, 40, 39; the last two bits are fill

  ASSERT_TRUE(Dearmour("0000ww", 4, bits));  // 4n + 2 characters
  EXPECT_EQ(bits.bitCount, 24 + 8);
  EXPECT_EQ(GetPayloadBits(bits, 24, 8), 0xFFu);

  for (int fill : {1, 3, 5, 6}) EXPECT_FALSE(Dearmour("0000ww", fill, bits)) << fill;
  EXPECT_FALSE(Dearmour("0000w", 2, bits));  // fill bits promise characters that are not there
}

TEST(AisDearmour, RefusesCharactersOutsideTheArmour) {
  PayloadBits bits{};
  struct Case {
    const char* text;
    int fillBits;
  };
  for (const Case c : {Case{"000X", 0}, Case{"000x", 0}, Case{"000_", 0}, Case{"000 ", 0},
                       Case{"00/0", 0}, Case{"0000w^", 4}, Case{"0000w~w", 2}}) {
    EXPECT_FALSE(Dearmour(c.text, c.fillBits, bits)) << c.text;
  }
}

TEST(AisDearmour, RefusesATextTooLongForThePayloadBits) {
  PayloadBits bits{};
  EXPECT_TRUE(Dearmour(std::string(168, 'w'), 0, bits));  // 1008 bits, the longest message
  EXPECT_EQ(bits.bitCount, 1008);
  EXPECT_TRUE(Dearmour(std::string(170, 'w'), 4, bits));  // 1016 bits, all 127 bytes
  EXPECT_EQ(GetPayloadBits(bits, 1008, 8), 0xFFu);
  EXPECT_FALSE(Dearmour(std::string(171, 'w'), 2, bits));  // would need 128 bytes
  EXPECT_FALSE(Dearmour(std::string(172, 'w'), 0, bits));
}

TEST(AisPayloadBits, ReadsFieldsAcrossByteBoundaries) {
  PayloadBits bits{};
  const uint8_t pattern[] = {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC};
  std::memcpy(bits.payload, pattern, sizeof pattern);
  // 64 bits 0x123456789ABC0000; width 30 at 5 spans five bytes.
  const uint64_t all = 0x123456789ABC0000ull;
  for (int start : {0, 3, 5, 7, 8, 13}) {
    for (int width : {1, 6, 17, 30, 32}) {
      const uint64_t expected = (all >> (64 - start - width)) & ((1ull << width) - 1);
      EXPECT_EQ(GetPayloadBits(bits, start, width), expected) << start << "/" << width;
    }
  }
  // Bits past the buffer read as zero.
  std::memset(bits.payload, 0xFF, sizeof bits.payload);
  bits.bitCount = 0xFFFF;
  EXPECT_EQ(GetPayloadBits(bits, 1012, 8), 0xF0u);
  EXPECT_EQ(GetPayloadBits(bits, 1016, 32), 0u);
  EXPECT_EQ(GetPayloadBits(bits, 0, 0), 0u);
  EXPECT_EQ(GetPayloadBits(bits, -1, 8), 0u);
}

}  // namespace
