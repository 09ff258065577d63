// Decoded records, checked against the field definitions of ITU-R M.1371, of
// published example messages and of messages built field by field.
#include <gtest/gtest.h>

#include <string>

#include "protocol/AisDecoder.h"
#include "tests/protocol/ais_test_helpers.h"

namespace {

constexpr double kDeg = 1e-5;  // f32 degrees keep about this much

AisRecordReader Read(const AisDecodedRecord& record) {
  return AisRecordReader(record, *AisRecordLayout(record));
}

TEST(AisDecoderPublished, BaseStationReportWithItsUtcDate) {
  namespace f = ais_base;
  AisDecodedRecord rec;
  ASSERT_TRUE(DecodeText("403OviQuMGCqWrRO9>E6fE700@GO", 0, rec));
  const AisRecordReader r = Read(rec);
  EXPECT_EQ(rec.Type(), 4);
  EXPECT_EQ(r.U32(f::kMmsi), 3669702u);
  EXPECT_EQ(r.U16(f::kYear), 2007);
  EXPECT_EQ(r.U8(f::kMonth), 5);
  EXPECT_EQ(r.U8(f::kDay), 14);
  EXPECT_EQ(r.U8(f::kHour), 19);
  EXPECT_EQ(r.U8(f::kMinute), 57);
  EXPECT_EQ(r.U8(f::kSecond), 39);
  EXPECT_NEAR(r.F32(f::kLon), -76.352362, kDeg);
  EXPECT_NEAR(r.F32(f::kLat), 36.883767, kDeg);
  EXPECT_EQ(r.U8(f::kEpfd), 7);  // surveyed
}

TEST(AisDecoderPublished, TypesOneToThreeShareALayout) {
  for (const char* id : {"1", "2", "3"}) {
    AisDecodedRecord rec;
    ASSERT_TRUE(DecodeText(std::string(id) + "5RTgt0PAso;90TKcjM8h6g208CQ", 0, rec));
    EXPECT_EQ(rec.Type(), id[0] - '0');
    EXPECT_EQ(Read(rec).U32(ais_pos_a::kMmsi), 371798000u);
    EXPECT_EQ(Read(rec).U16(ais_pos_a::kHeading), 215);
    EXPECT_EQ(Read(rec).U8(ais_pos_a::kTimeStamp), 33);
  }
}

TEST(AisDecoderPublished, StaticDataReportPartNumberPicksTheLayout) {
  AisDecodedRecord rec;
  ASSERT_TRUE(DecodeText("H42O55i18tMET00000000000000", 2, rec));
  EXPECT_EQ(rec.bytes[6], 0);
  EXPECT_EQ(AisRecordLayout(rec), AisLayout(24));
  ASSERT_TRUE(DecodeText("H42O55lti4hhhilD3nink000?050", 0, rec));
  EXPECT_EQ(rec.bytes[6], 1);
  EXPECT_EQ(AisRecordLayout(rec), AisLayout(kAisType24PartB));
}

TEST(AisDecoderPublished, AidToNavigationOfTwoSentences) {
  AisDecodedRecord rec;
  ASSERT_TRUE(DecodeText("E4eHJhPR37q0000000000000000KUOSc=rq4h00000a@20", 4, rec));
  EXPECT_EQ(rec.Type(), 21);
  EXPECT_EQ(Read(rec).U32(ais_aton::kMmsi), 316021442u);
  EXPECT_STREQ(Read(rec).Text(ais_aton::kName), "DFO2@@@@@@@@@@@@@@@@");
  EXPECT_STREQ(Read(rec).Text(ais_aton::kNameExtension), "");  // 272 bits: none
}

// A class A position report with chosen raw values.
ArmouredText PositionReport(int rot, int64_t lon, int64_t lat, int heading) {
  AisBitWriter w;
  w.Put(1, 6).Put(0, 2).Put(123456789, 30).Put(0, 4).PutSigned(rot, 8).Put(0, 10).Put(0, 1);
  w.PutSigned(lon, 28).PutSigned(lat, 27).Put(3600, 12).Put(heading, 9).Put(60, 6).Put(0, 24);
  return w.Armoured();
}

TEST(AisDecoderFields, RateOfTurnPositionAndHeadingMarkers) {
  namespace f = ais_pos_a;
  AisDecodedRecord rec;
  for (const auto& [rot, perMinute] :
       {std::pair{-127, -720.0}, std::pair{127, 720.0}, std::pair{0, 0.0}}) {
    ASSERT_TRUE(DecodeText(PositionReport(rot, 0, 0, 0), rec));
    EXPECT_NEAR(Read(rec).F32(f::kRateOfTurn), perMinute, 0.05) << rot;
  }

  ASSERT_TRUE(DecodeText(PositionReport(0, 181 * 600000, 91 * 600000, 511), rec));
  EXPECT_FLOAT_EQ(Read(rec).F32(f::kLon), 181.0f);
  EXPECT_FLOAT_EQ(Read(rec).F32(f::kLat), 91.0f);
  EXPECT_EQ(Read(rec).U16(f::kHeading), 511);
  EXPECT_FLOAT_EQ(Read(rec).F32(f::kCog), 360.0f);

  ASSERT_TRUE(DecodeText(PositionReport(0, -600000, -300000, 400), rec));
  EXPECT_FLOAT_EQ(Read(rec).F32(f::kLon), -1.0f);
  EXPECT_FLOAT_EQ(Read(rec).F32(f::kLat), -0.5f);
  EXPECT_EQ(Read(rec).U16(f::kHeading), 511);

  ASSERT_TRUE(DecodeText(PositionReport(0, 0, 0, 359), rec));
  EXPECT_EQ(Read(rec).U16(f::kHeading), 359);
}

TEST(AisDecoderFields, ShortMessageKeepsTheFieldsItHas) {
  namespace f = ais_static_a;
  // The first 296 bits of a published type 5: it ends inside the draught.
  AisDecodedRecord rec;
  ASSERT_TRUE(DecodeText("55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0N", 4, rec));
  const AisRecordReader r = Read(rec);
  EXPECT_STREQ(r.Text(f::kName), "EVER DIADEM         ");
  EXPECT_EQ(r.U32(f::kEta), (5u << 16) | (15u << 11) | (14u << 6));
  EXPECT_FLOAT_EQ(r.F32(f::kDraught), 0.0f);
  EXPECT_STREQ(r.Text(f::kDestination), "");
}

TEST(AisDecoderFields, AidToNavigationNameExtensionOfAnyLength) {
  for (const char* ext : {"", "LIGHT", "LIGHT 7 GREEN1"}) {
    AisBitWriter w;
    w.Put(21, 6).Put(0, 2).Put(993456789, 30).Put(14, 5).PutText("NORTH PIER", 20).Put(1, 1);
    w.PutSigned(-44400000, 28).PutSigned(24000000, 27).Put(0, 30).Put(7, 4).Put(30, 6).Put(0, 9);
    w.Put(0, 1).Put(1, 1).Put(0, 2).PutText(ext, static_cast<int>(std::strlen(ext)));
    AisDecodedRecord rec;
    ASSERT_TRUE(DecodeText(w.Armoured(), rec)) << ext;
    EXPECT_EQ(Read(rec).U8(ais_aton::kVirtual), 1);
    EXPECT_STREQ(Read(rec).Text(ais_aton::kNameExtension), ext);
  }
}

TEST(AisDecoderFields, ChannelManagementAddressedForm) {
  AisBitWriter w;
  w.Put(22, 6).Put(0, 2).Put(2503000, 30).Put(0, 2).Put(2087, 12).Put(2088, 12).Put(0, 5);
  w.Put(211000001, 30).Put(0, 5).Put(244000002, 30).Put(0, 5).Put(1, 1).Put(0, 28);
  AisDecodedRecord rec;
  ASSERT_TRUE(DecodeText(w.Armoured(), rec));
  EXPECT_EQ(rec.bytes[29], 1);
  uint32_t first = 0, second = 0;
  std::memcpy(&first, rec.bytes + AisDecodedRecord::kType22Destination1, 4);
  std::memcpy(&second, rec.bytes + AisDecodedRecord::kType22Destination2, 4);
  EXPECT_EQ(first, 211000001u);
  EXPECT_EQ(second, 244000002u);
}

TEST(AisDecoderFields, TypesOutsideOneToTwentyFourFail) {
  for (int type : {0, 25, 26, 27, 63}) {
    AisBitWriter w;
    w.Put(type, 6).Put(0, 162);
    AisDecodedRecord rec;
    EXPECT_FALSE(DecodeText(w.Armoured(), rec)) << type;
  }
}

TEST(AisDecoderFields, LayoutsSpanTheirMessages) {
  // Message lengths in bits from the message definitions.
  for (const auto& [index, bits] : {std::pair{1, 168},
                                    {4, 168},
                                    {5, 424},
                                    {7, 168},
                                    {9, 168},
                                    {10, 72},
                                    {15, 160},
                                    {17, 120},
                                    {18, 168},
                                    {19, 312},
                                    {20, 160},
                                    {21, 360},
                                    {22, 168},
                                    {23, 160},
                                    {24, 160},
                                    {kAisType24PartB, 168}}) {
    const AisMsgTable* t = AisLayout(index);
    ASSERT_NE(t, nullptr);
    int total = 0;
    for (int i = 0; i < t->count; ++i) total += t->entries[i].width;
    EXPECT_EQ(total, bits) << "layout " << index;
  }
}

}  // namespace
