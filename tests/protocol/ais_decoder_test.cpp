// Decoded values of published example messages, checked against the field
// definitions of ITU-R M.1371, plus messages built field by field.
#include <gtest/gtest.h>

#include <string>

#include "protocol/AisDecoder.h"
#include "ais_test_helpers.h"

namespace {

struct Decoded {
  AisDecodedRecord record{};
  const AisMsgTable* layout = nullptr;
  AisRecordReader Reader() const { return AisRecordReader(record, *layout); }
};

Decoded Decode(const std::string& payload, int fillBits) {
  Decoded d;
  EXPECT_TRUE(DecodeText(payload, fillBits, d.record)) << payload;
  d.layout = AisRecordLayout(d.record);
  EXPECT_NE(d.layout, nullptr);
  return d;
}

constexpr double kDeg = 1e-5;  // 1/10000 minute is about 1.7e-6 degrees; f32 keeps about 1e-5

TEST(AisDecoderPublished, PositionReportClassA) {
  namespace f = ais_pos_a;
  const Decoded moored = Decode("177KQJ5000G?tO`K>RA1wUbN0TKH", 0);
  const AisRecordReader a = moored.Reader();
  EXPECT_EQ(moored.record.Type(), 1);
  EXPECT_EQ(a.U32(f::kMmsi), 477553000u);
  EXPECT_EQ(a.U8(f::kNavStatus), 5);  // moored
  EXPECT_FLOAT_EQ(a.F32(f::kRateOfTurn), 0.0f);
  EXPECT_FLOAT_EQ(a.F32(f::kSog), 0.0f);
  EXPECT_NEAR(a.F32(f::kLon), -122.345833, kDeg);
  EXPECT_NEAR(a.F32(f::kLat), 47.582833, kDeg);
  EXPECT_FLOAT_EQ(a.F32(f::kCog), 51.0f);
  EXPECT_EQ(a.U16(f::kHeading), 181);
  EXPECT_EQ(a.U8(f::kTimeStamp), 15);

  const Decoded turning = Decode("15RTgt0PAso;90TKcjM8h6g208CQ", 0);
  const AisRecordReader b = turning.Reader();
  EXPECT_EQ(b.U32(f::kMmsi), 371798000u);
  EXPECT_EQ(b.U8(f::kNavStatus), 0);
  EXPECT_NEAR(b.F32(f::kRateOfTurn), -720.0, 0.05);  // raw -127: turning left faster than 5 degrees/30 s
  EXPECT_NEAR(b.F32(f::kSog), 12.3, 1e-4);
  EXPECT_EQ(b.U8(f::kAccuracy), 1);
  EXPECT_NEAR(b.F32(f::kLon), -123.395383, kDeg);
  EXPECT_NEAR(b.F32(f::kLat), 48.381633, kDeg);
  EXPECT_FLOAT_EQ(b.F32(f::kCog), 224.0f);
  EXPECT_EQ(b.U16(f::kHeading), 215);
  EXPECT_EQ(b.U8(f::kTimeStamp), 33);

  // Types 2 and 3 share the layout: only the id differs.
  for (const char* id : {"2", "3"}) {
    const Decoded other = Decode(std::string(id) + "5RTgt0PAso;90TKcjM8h6g208CQ", 0);
    EXPECT_EQ(other.record.Type(), id[0] - '0');
    EXPECT_EQ(other.Reader().U32(f::kMmsi), 371798000u);
    EXPECT_EQ(other.Reader().U16(f::kHeading), 215);
  }
}

TEST(AisDecoderPublished, BaseStationReport) {
  namespace f = ais_base;
  const Decoded d = Decode("403OviQuMGCqWrRO9>E6fE700@GO", 0);
  const AisRecordReader r = d.Reader();
  EXPECT_EQ(d.record.Type(), 4);
  EXPECT_EQ(r.U32(f::kMmsi), 3669702u);
  EXPECT_EQ(r.U16(f::kYear), 2007);
  EXPECT_EQ(r.U8(f::kMonth), 5);
  EXPECT_EQ(r.U8(f::kDay), 14);
  EXPECT_EQ(r.U8(f::kHour), 19);
  EXPECT_EQ(r.U8(f::kMinute), 57);
  EXPECT_EQ(r.U8(f::kSecond), 39);
  EXPECT_EQ(r.U8(f::kAccuracy), 1);
  EXPECT_NEAR(r.F32(f::kLon), -76.352362, kDeg);
  EXPECT_NEAR(r.F32(f::kLat), 36.883767, kDeg);
  EXPECT_EQ(r.U8(f::kEpfd), 7);  // surveyed
}

TEST(AisDecoderPublished, StaticAndVoyageDataOfTwoSentences) {
  namespace f = ais_static_a;
  const Decoded d = Decode("55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0NSQEp6ClRp888888888880", 2);
  const AisRecordReader r = d.Reader();
  EXPECT_EQ(d.record.Type(), 5);
  EXPECT_EQ(r.U32(f::kMmsi), 351759000u);
  EXPECT_EQ(r.U8(f::kAisVersion), 0);
  EXPECT_EQ(r.U32(f::kImo), 9134270u);
  EXPECT_STREQ(r.Text(f::kCallSign), "3FOF8  ");  // padding is kept
  EXPECT_STREQ(r.Text(f::kName), "EVER DIADEM         ");
  EXPECT_EQ(r.U8(f::kShipType), 70);
  EXPECT_EQ(r.U32(f::kDimensions), (225u << 21) | (70u << 12) | (1u << 6) | 31u);
  EXPECT_EQ(r.U8(f::kEpfd), 1);
  EXPECT_EQ(r.U32(f::kEta), (5u << 16) | (15u << 11) | (14u << 6) | 0u);
  EXPECT_NEAR(r.F32(f::kDraught), 12.2, 1e-4);
  EXPECT_STREQ(r.Text(f::kDestination), "NEW YORK            ");
  EXPECT_EQ(r.U8(f::kDte), 0);
}

TEST(AisDecoderPublished, SarAircraft) {
  namespace f = ais_sar;
  const Decoded d = Decode("91b55wi;hbOS@OdQAC062Ch2089h", 0);
  const AisRecordReader r = d.Reader();
  EXPECT_EQ(d.record.Type(), 9);
  EXPECT_EQ(r.U32(f::kMmsi), 111232511u);
  EXPECT_EQ(r.U16(f::kAltitude), 303);
  EXPECT_FLOAT_EQ(r.F32(f::kSog), 42.0f);
  EXPECT_NEAR(r.F32(f::kLon), -6.27884, kDeg);
  EXPECT_NEAR(r.F32(f::kLat), 58.144, kDeg);
  EXPECT_NEAR(r.F32(f::kCog), 154.5, 1e-4);
  EXPECT_EQ(r.U8(f::kTimeStamp), 15);
  EXPECT_EQ(r.U8(f::kDte), 1);
}

TEST(AisDecoderPublished, ClassBPositionReports) {
  {
    namespace f = ais_pos_b;
    const Decoded d = Decode("B52K>;h00Fc>jpUlNV@ikwpUoP06", 0);
    const AisRecordReader r = d.Reader();
    EXPECT_EQ(d.record.Type(), 18);
    EXPECT_EQ(r.U32(f::kMmsi), 338087471u);
    EXPECT_NEAR(r.F32(f::kSog), 0.1, 1e-6);
    EXPECT_NEAR(r.F32(f::kLon), -74.072132, kDeg);
    EXPECT_NEAR(r.F32(f::kLat), 40.684547, kDeg);
    EXPECT_NEAR(r.F32(f::kCog), 79.6, 1e-4);
    EXPECT_EQ(r.U16(f::kHeading), 511);
    EXPECT_EQ(r.U8(f::kTimeStamp), 49);
    EXPECT_EQ(r.U8(f::kUnitFlag), 1);
    EXPECT_EQ(r.U8(f::kDisplayFlag), 0);
    EXPECT_EQ(r.U8(f::kDscFlag), 1);
    EXPECT_EQ(r.U8(f::kBandFlag), 1);
    EXPECT_EQ(r.U8(f::kMsg22Flag), 1);
    EXPECT_EQ(r.U8(f::kAssigned), 0);
  }
  {
    namespace f = ais_pos_b_ext;
    const Decoded d = Decode("C5N3SRgPEnJGEBT>NhWAwwo862PaLELTBJ:V00000000S0D:R220", 0);
    const AisRecordReader r = d.Reader();
    EXPECT_EQ(d.record.Type(), 19);
    EXPECT_EQ(r.U32(f::kMmsi), 367059850u);
    EXPECT_NEAR(r.F32(f::kSog), 8.7, 1e-4);
    EXPECT_NEAR(r.F32(f::kLon), -88.810392, kDeg);
    EXPECT_NEAR(r.F32(f::kLat), 29.543695, kDeg);
    EXPECT_NEAR(r.F32(f::kCog), 335.9, 1e-3);
    EXPECT_EQ(r.U16(f::kHeading), 511);
    EXPECT_EQ(r.U8(f::kTimeStamp), 46);
    EXPECT_STREQ(r.Text(f::kName), "CAPT.J.RIMES@@@@@@@@");
    EXPECT_EQ(r.U8(f::kShipType), 70);
    EXPECT_EQ(r.U32(f::kDimensions), (5u << 21) | (21u << 12) | (4u << 6) | 4u);
    EXPECT_EQ(r.U8(f::kEpfd), 1);
  }
}

TEST(AisDecoderPublished, StaticDataReportPartsAAndB) {
  const Decoded a = Decode("H42O55i18tMET00000000000000", 2);
  EXPECT_EQ(a.record.Type(), 24);
  EXPECT_EQ(a.record.bytes[6], 0);  // part number
  EXPECT_EQ(a.Reader().U32(ais_static_b_a::kMmsi), 271041815u);
  EXPECT_STREQ(a.Reader().Text(ais_static_b_a::kName), "PROGUY@@@@@@@@@@@@@@");

  namespace f = ais_static_b_b;
  const Decoded b = Decode("H42O55lti4hhhilD3nink000?050", 0);
  const AisRecordReader r = b.Reader();
  EXPECT_EQ(b.record.bytes[6], 1);
  EXPECT_EQ(b.layout, AisLayout(kAisType24PartB));
  EXPECT_EQ(r.U32(f::kMmsi), 271041815u);
  EXPECT_EQ(r.U8(f::kShipType), 60);
  EXPECT_STREQ(r.Text(f::kVendorId), "1D00014");
  EXPECT_STREQ(r.Text(f::kCallSign), "TC6163@");
  EXPECT_EQ(r.U32(f::kDimensions), (0u << 21) | (15u << 12) | (0u << 6) | 5u);
}

TEST(AisDecoderPublished, AidToNavigationOfTwoSentences) {
  const Decoded d = Decode("E4eHJhPR37q0000000000000000KUOSc=rq4h00000a@20", 4);
  EXPECT_EQ(d.record.Type(), 21);
  EXPECT_EQ(d.Reader().U32(ais_aton::kMmsi), 316021442u);
  EXPECT_STREQ(d.Reader().Text(ais_aton::kName), "DFO2@@@@@@@@@@@@@@@@");
  EXPECT_STREQ(d.Reader().Text(ais_aton::kNameExtension), "");  // 272 bits: no extension
}

// A class A position report with chosen raw values.
ArmouredText PositionReport(int rot, int64_t lon, int64_t lat, int heading) {
  AisBitWriter w;
  w.Put(1, 6).Put(0, 2).Put(123456789, 30).Put(0, 4).PutSigned(rot, 8).Put(0, 10).Put(0, 1);
  w.PutSigned(lon, 28).PutSigned(lat, 27).Put(3600, 12).Put(heading, 9).Put(60, 6).Put(0, 2).Put(0, 3);
  w.Put(0, 1).Put(0, 19);
  return w.Armoured();
}

TEST(AisDecoderFields, RateOfTurnPositionAndHeadingMarkers) {
  namespace f = ais_pos_a;
  struct Case {
    int rot;
    float degreesPerMinute;
  };
  for (const Case c : {Case{-127, -720.0f}, Case{127, 720.0f}, Case{0, 0.0f}}) {
    AisDecodedRecord rec;
    ASSERT_TRUE(DecodeText(PositionReport(c.rot, 0, 0, 0), rec));
    EXPECT_NEAR(AisRecordReader(rec, *AisLayout(1)).F32(f::kRateOfTurn), c.degreesPerMinute, 0.05) << c.rot;
  }

  AisDecodedRecord rec;
  ASSERT_TRUE(DecodeText(PositionReport(0, 181 * 600000, 91 * 600000, 511), rec));
  AisRecordReader r(rec, *AisLayout(1));
  EXPECT_FLOAT_EQ(r.F32(f::kLon), 181.0f);
  EXPECT_FLOAT_EQ(r.F32(f::kLat), 91.0f);
  EXPECT_EQ(r.U16(f::kHeading), 511);
  EXPECT_FLOAT_EQ(r.F32(f::kCog), 360.0f);

  ASSERT_TRUE(DecodeText(PositionReport(0, -600000, -300000, 400), rec));
  EXPECT_FLOAT_EQ(r.F32(f::kLon), -1.0f);
  EXPECT_FLOAT_EQ(r.F32(f::kLat), -0.5f);
  EXPECT_EQ(r.U16(f::kHeading), 511);

  ASSERT_TRUE(DecodeText(PositionReport(0, 0, 0, 359), rec));
  EXPECT_EQ(r.U16(f::kHeading), 359);
}

TEST(AisDecoderFields, ShortMessagesKeepTheFieldsTheyHave) {
  namespace f = ais_static_a;
  // The first 296 bits of the two-sentence type 5 above: it ends inside the draught.
  AisDecodedRecord rec;
  ASSERT_TRUE(DecodeText("55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0N", 4, rec));
  AisRecordReader r(rec, *AisLayout(5));
  EXPECT_EQ(r.U32(f::kMmsi), 351759000u);
  EXPECT_STREQ(r.Text(f::kName), "EVER DIADEM         ");
  EXPECT_EQ(r.U32(f::kEta), (5u << 16) | (15u << 11) | (14u << 6));
  EXPECT_FLOAT_EQ(r.F32(f::kDraught), 0.0f);
  EXPECT_STREQ(r.Text(f::kDestination), "");
  EXPECT_EQ(r.U8(f::kDte), 0);
}

// An aid-to-navigation report whose name extension has `extension` characters.
ArmouredText AidToNavigation(const std::string& extension) {
  AisBitWriter w;
  w.Put(21, 6).Put(0, 2).Put(993456789, 30).Put(14, 5).PutText("NORTH PIER", 20).Put(1, 1);
  w.PutSigned(-74 * 600000 - 123456, 28).PutSigned(40 * 600000 + 654321, 27);
  w.Put((5u << 21) | (6u << 12) | (2u << 6) | 3u, 30).Put(7, 4).Put(30, 6).Put(1, 1).Put(0, 8);
  w.Put(0, 1).Put(1, 1).Put(0, 1).Put(0, 1).PutText(extension, static_cast<int>(extension.size()));
  return w.Armoured();
}

TEST(AisDecoderFields, AidToNavigationNameExtensionOfAnyLength) {
  namespace f = ais_aton;
  for (const char* ext : {"", "LIGHT", "LIGHT 7 GREEN1"}) {
    AisDecodedRecord rec;
    ASSERT_TRUE(DecodeText(AidToNavigation(ext), rec)) << ext;
    AisRecordReader r(rec, *AisLayout(21));
    EXPECT_EQ(r.U32(f::kMmsi), 993456789u);
    EXPECT_EQ(r.U8(f::kAidType), 14);
    EXPECT_STREQ(r.Text(f::kName), "NORTH PIER@@@@@@@@@@");
    EXPECT_NEAR(r.F32(f::kLon), -74.0 - 123456 / 600000.0, kDeg);
    EXPECT_NEAR(r.F32(f::kLat), 40.0 + 654321 / 600000.0, kDeg);
    EXPECT_EQ(r.U8(f::kTimeStamp), 30);
    EXPECT_EQ(r.U8(f::kVirtual), 1);
    EXPECT_STREQ(r.Text(f::kNameExtension), ext);
  }
}

TEST(AisDecoderFields, ChannelManagementAddressedForm) {
  AisBitWriter w;
  w.Put(22, 6).Put(0, 2).Put(2503000, 30).Put(0, 2).Put(2087, 12).Put(2088, 12).Put(0, 4).Put(0, 1);
  w.Put(211000001, 30).Put(0, 5).Put(244000002, 30).Put(0, 5);
  w.Put(1, 1).Put(0, 1).Put(0, 1).Put(4, 3).Put(0, 23);
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
    EXPECT_EQ(rec.Type(), type);
  }
}

TEST(AisDecoderFields, LayoutsSpanTheirMessages) {
  // Bits each layout covers, from the message definitions.
  struct Span {
    int index;
    int bits;
  };
  for (const Span s : {Span{1, 168}, Span{4, 168}, Span{5, 424}, Span{9, 168}, Span{10, 72}, Span{15, 160},
                       Span{17, 120}, Span{18, 168}, Span{19, 312}, Span{20, 160}, Span{21, 360},
                       Span{22, 168}, Span{23, 160}, Span{24, 160}, Span{kAisType24PartB, 168}, Span{7, 168}}) {
    const AisMsgTable* t = AisLayout(s.index);
    ASSERT_NE(t, nullptr);
    int total = 0;
    for (int i = 0; i < t->count; ++i) total += t->entries[i].width;
    EXPECT_EQ(total, s.bits) << "layout " << s.index;
  }
}

}  // namespace
