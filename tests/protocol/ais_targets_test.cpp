#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

#include "protocol/AisProcess.h"
#include "tests/protocol/ais_test_helpers.h"

namespace {

constexpr int kEmpty = -128;

class AisTargetsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ais->clock = clock.Source();
    InitAisMsgTables(*ais);
  }

  // One single-sentence message; true when ProcessAisSentence passes it on.
  bool Hear(const std::string& payload, int fillBits, const char* formatter = "VDM",
            char channel = 'A') {
    return ProcessAisSentence(*ais, formatter, MakePiece(1, 1, kEmpty, payload, fillBits, channel));
  }
  bool Hear(const AisBitWriter& w, const char* formatter = "VDM", char channel = 'A') {
    const ArmouredText a = w.Armoured();
    return Hear(a.text, a.fillBits, formatter, channel);
  }
  // A published two-sentence static and voyage report.
  bool HearEverDiadem() {
    const bool first = ProcessAisSentence(
        *ais, "VDM",
        MakePiece(2, 1, 1, "55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0NSQEp6ClRp8", 0));
    return !first && ProcessAisSentence(*ais, "VDM", MakePiece(2, 2, 1, "88888888880", 2));
  }
  const AIS_TARGET_STRUCT& Slot(int i) const { return ais->targets.slot[i]; }
  int Find(uint32_t mmsi) const {
    for (int i = 0; i < ais->targets.count; ++i) {
      if (Slot(i).mmsi == mmsi) return i;
    }
    return -1;
  }

  FakeClock clock;
  std::unique_ptr<AisState> ais = std::make_unique<AisState>();
};

// Published messages merged into their slots; expected values from the messages' definitions.
TEST_F(AisTargetsTest, ClassAPositionAndVoyageReports) {
  ASSERT_TRUE(Hear("15RTgt0PAso;90TKcjM8h6g208CQ", 0));
  ASSERT_TRUE(HearEverDiadem());
  ASSERT_TRUE(Hear("177KQJ5000G?tO`K>RA1wUbN0TKH", 0));
  ASSERT_EQ(ais->targets.count, 4);

  const AIS_TARGET_STRUCT& a = Slot(1);
  EXPECT_EQ(a.mmsi, 371798000u);
  EXPECT_EQ(a.targetClass, kAisClassA);
  EXPECT_NEAR(a.rot, -720.0, 0.05);  // raw -127: turning left faster than 5 degrees in 30 s
  EXPECT_NEAR(a.sog, 12.3, 1e-4);
  EXPECT_EQ(a.flags & kAisFlagAccuracy, kAisFlagAccuracy);
  EXPECT_NEAR(a.longitude, -123.395383, 1e-5);
  EXPECT_NEAR(a.latitude, 48.381633, 1e-5);
  EXPECT_FLOAT_EQ(a.cog, 224.0f);
  EXPECT_FLOAT_EQ(a.heading, 215.0f);
  EXPECT_EQ(a.timeStampValid, 1);
  EXPECT_EQ(a.vdmCount, 1u);

  const AIS_TARGET_STRUCT& v = Slot(2);
  EXPECT_EQ(v.mmsi, 351759000u);
  EXPECT_EQ(v.imo, 9134270u);
  EXPECT_STREQ(v.callSign, "3FOF8  ");  // padding is kept
  EXPECT_STREQ(v.name, "EVER DIADEM         ");
  EXPECT_EQ(v.shipType, 70);
  EXPECT_EQ((std::array{v.dimA, v.dimB, uint16_t{v.dimC}, uint16_t{v.dimD}}),
            (std::array<uint16_t, 4>{225, 70, 1, 31}));
  EXPECT_EQ(v.status & 0x0F, 1);  // EPFD GPS
  EXPECT_EQ((std::array{v.etaMonth, v.etaDay, v.etaHour, v.etaMinute}),
            (std::array<uint8_t, 4>{5, 15, 14, 0}));
  EXPECT_NEAR(v.draught, 12.2, 1e-4);
  EXPECT_STREQ(v.destination, "NEW YORK            ");
  EXPECT_EQ(v.flags & kAisFlagDte, 0);
  EXPECT_EQ(v.vdmCount, 1u);  // one message, though two sentences

  EXPECT_EQ(Slot(3).mmsi, 477553000u);
  EXPECT_EQ(Slot(3).status >> 4, 5);  // moored
  EXPECT_NEAR(Slot(3).longitude, -122.345833, 1e-5);
  EXPECT_NEAR(Slot(3).latitude, 47.582833, 1e-5);
  EXPECT_FLOAT_EQ(Slot(3).cog, 51.0f);
  EXPECT_FLOAT_EQ(Slot(3).heading, 181.0f);
}

TEST_F(AisTargetsTest, OtherStationClasses) {
  ASSERT_TRUE(Hear("B52K>;h00Fc>jpUlNV@ikwpUoP06", 0));
  const AIS_TARGET_STRUCT& b = Slot(Find(338087471));
  EXPECT_EQ(b.targetClass, kAisClassB);
  EXPECT_NEAR(b.sog, 0.1, 1e-6);
  EXPECT_NEAR(b.longitude, -74.072132, 1e-5);
  EXPECT_NEAR(b.latitude, 40.684547, 1e-5);
  EXPECT_NEAR(b.cog, 79.6, 1e-4);
  EXPECT_FLOAT_EQ(b.heading, 511.0f);
  EXPECT_EQ(b.classBFlags, kAisClassBUnit | kAisClassBDsc | kAisClassBBand | kAisClassBMsg22);

  ASSERT_TRUE(Hear("C5N3SRgPEnJGEBT>NhWAwwo862PaLELTBJ:V00000000S0D:R220", 0));
  const AIS_TARGET_STRUCT& ext = Slot(Find(367059850));
  EXPECT_EQ(ext.targetClass, kAisClassB);
  EXPECT_NEAR(ext.sog, 8.7, 1e-4);
  EXPECT_NEAR(ext.longitude, -88.810392, 1e-5);
  EXPECT_NEAR(ext.latitude, 29.543695, 1e-5);
  EXPECT_NEAR(ext.cog, 335.9, 1e-3);
  EXPECT_STREQ(ext.name, "CAPT.J.RIMES@@@@@@@@");
  EXPECT_EQ(ext.shipType, 70);
  EXPECT_EQ((std::array{ext.dimA, ext.dimB, uint16_t{ext.dimC}, uint16_t{ext.dimD}}),
            (std::array<uint16_t, 4>{5, 21, 4, 4}));

  ASSERT_TRUE(Hear("91b55wi;hbOS@OdQAC062Ch2089h", 0));
  const AIS_TARGET_STRUCT& sar = Slot(Find(111232511));
  EXPECT_EQ(sar.targetClass, kAisClassSarAircraft);
  EXPECT_FLOAT_EQ(sar.extra.altitude, 303.0f);
  EXPECT_FLOAT_EQ(sar.sog, 42.0f);
  EXPECT_NEAR(sar.longitude, -6.27884, 1e-5);
  EXPECT_NEAR(sar.latitude, 58.144, 1e-5);
  EXPECT_NEAR(sar.cog, 154.5, 1e-4);
  EXPECT_EQ(sar.flags & kAisFlagDte, kAisFlagDte);

  ASSERT_TRUE(Hear("403OviQuMGCqWrRO9>E6fE700@GO", 0));
  const AIS_TARGET_STRUCT& base = Slot(Find(3669702));
  EXPECT_EQ(base.targetClass, kAisClassBaseStation);
  EXPECT_EQ(base.status & 0x0F, 7);
  EXPECT_EQ(base.flags & kAisFlagAccuracy, kAisFlagAccuracy);

  // Aid to navigation: type 14, off position, virtual, with a name extension of 5 characters.
  AisBitWriter w;
  w.Put(21, 6).Put(0, 2).Put(993456789, 30).Put(14, 5).PutText("NORTH PIER", 20).Put(1, 1);
  w.PutSigned(-44400000, 28)
      .PutSigned(24000000, 27)
      .Put(0, 30)
      .Put(7, 4)
      .Put(61, 6)
      .Put(1, 1)
      .Put(0, 8);
  w.Put(0, 1).Put(1, 1).Put(0, 2).PutText("LIGHT", 5);
  ASSERT_TRUE(Hear(w));
  const AIS_TARGET_STRUCT& aton = Slot(Find(993456789));
  EXPECT_EQ(aton.targetClass, kAisClassAidToNavigation);
  EXPECT_EQ(aton.atonFlags, kAisAtonOffPosition | (14 << 1) | kAisAtonVirtual);
  EXPECT_STREQ(aton.name, "NORTH PIER@@@@@@@@@@");
  EXPECT_STREQ(aton.extra.nameExtension, "LIGHT");
  EXPECT_FLOAT_EQ(aton.longitude, -74.0f);
  EXPECT_FLOAT_EQ(aton.latitude, 40.0f);
  EXPECT_EQ(aton.timeStampValid, 0);  // 61: positioning system inoperative
}

TEST_F(AisTargetsTest, StaticDataReportPartsMergeByTheirOwnLayout) {
  ASSERT_TRUE(Hear("H42O55lti4hhhilD3nink000?050", 0));  // part B first
  const int slot = Find(271041815);
  ASSERT_GT(slot, 0);
  EXPECT_EQ(Slot(slot).targetClass, kAisClassB);
  EXPECT_EQ(Slot(slot).shipType, 60);
  EXPECT_STREQ(Slot(slot).vendorId, "1D00014");
  EXPECT_STREQ(Slot(slot).callSign, "TC6163@");
  EXPECT_EQ(Slot(slot).dimB, 15);
  EXPECT_EQ(Slot(slot).dimD, 5);
  EXPECT_STREQ(Slot(slot).name, "");

  ASSERT_TRUE(Hear("H42O55i18tMET00000000000000", 2));
  EXPECT_STREQ(Slot(slot).name, "PROGUY@@@@@@@@@@@@@@");
  EXPECT_EQ(Slot(slot).shipType, 60);

  // Part numbers 2 and 3 are read as part A: no ship type, vendor or dimensions from name bytes.
  for (int part : {2, 3}) {
    AisBitWriter w;
    w.Put(24, 6).Put(0, 2).Put(271041815, 30).Put(part, 2).PutText("ZZZZZZZZZZZZZZZZZZZZ", 20);
    ASSERT_TRUE(Hear(w));
    EXPECT_EQ(Slot(slot).shipType, 60) << part;
    EXPECT_STREQ(Slot(slot).vendorId, "1D00014");
    EXPECT_STREQ(Slot(slot).callSign, "TC6163@");
    EXPECT_EQ(Slot(slot).dimB, 15);
  }
}

TEST_F(AisTargetsTest, OwnVesselSlot) {
  // Before any VDO, a station with MMSI 0 matches the empty own-vessel slot.
  AisBitWriter zero;
  zero.Put(1, 6).Put(0, 2).Put(0, 30).Put(0, 130);
  ASSERT_TRUE(Hear(zero));
  EXPECT_EQ(ais->targets.count, 1);
  EXPECT_EQ(Slot(0).vdmCount, 1u);

  ASSERT_TRUE(Hear("B52K>;h00Fc>jpUlNV@ikwpUoP06", 0, "VDO", 'B'));
  EXPECT_EQ(Slot(0).mmsi, 338087471u);
  EXPECT_EQ(Slot(0).targetClass, kAisClassB);
  EXPECT_EQ(Slot(0).vdoCount, 1u);
  EXPECT_EQ(Slot(0).vdmCount, 0u);  // taking the MMSI makes the slot new
  EXPECT_NEAR(Slot(0).longitude, -74.072132, 1e-5);

  // A VDM with the own MMSI updates slot 0; a VDO with another MMSI keeps it.
  ASSERT_TRUE(Hear("B52K>;h00Fc>jpUlNV@ikwpUoP06", 0, "VDM"));
  EXPECT_EQ(Slot(0).vdmCount, 1u);
  ASSERT_TRUE(Hear("177KQJ5000G?tO`K>RA1wUbN0TKH", 0, "VDO"));
  EXPECT_EQ(Slot(0).mmsi, 338087471u);
  EXPECT_EQ(Slot(0).vdoCount, 2u);
  EXPECT_EQ(ais->targets.count, 1);
}

AisDecodedRecord PositionRecord(uint32_t mmsi) {
  AisDecodedRecord record{};
  record.bytes[0] = 1;
  std::memcpy(record.bytes + 2, &mmsi, sizeof mmsi);
  return record;
}

TEST_F(AisTargetsTest, FullTableReusesTheStationHeardLeastRecently) {
  for (uint32_t i = 1; i < AIS_TARGET_LIST_STRUCT::kSlots; ++i) {
    if (i > 3) clock.Advance(1);  // slots 1..3 share one stamp
    ASSERT_EQ(UpdateAisTarget(*ais, PositionRecord(1000 + i), 0, 0, false), static_cast<int>(i));
  }
  ASSERT_EQ(ais->targets.count, AIS_TARGET_LIST_STRUCT::kSlots);
  clock.Advance(1);
  ASSERT_EQ(UpdateAisTarget(*ais, PositionRecord(1001), 0, 0, false), 1);  // heard again

  // Slots 2 and 3 are now the oldest, with equal stamps: the first of them goes.
  ais->targets.slot[2].vdmCount = 9;
  std::strcpy(ais->targets.slot[2].destination, "OLD PORT");
  clock.Set(2024, 6, 2, 8, 30, 0);
  const int reused = UpdateAisTarget(*ais, PositionRecord(999999), 0, 0, false);
  EXPECT_EQ(reused, 2);
  EXPECT_EQ(ais->targets.count, AIS_TARGET_LIST_STRUCT::kSlots);
  const AIS_TARGET_STRUCT& t = Slot(2);
  EXPECT_EQ(t.mmsi, 999999u);
  EXPECT_EQ(t.vdmCount, 0u);
  EXPECT_STREQ(t.destination, "");  // nothing left of the evicted station
  EXPECT_EQ(t.firstSeen.date.day, 2);
  EXPECT_EQ(t.firstSeen.time.hour, 8);
  EXPECT_EQ(t.firstSeen.time.minute, 30);
  EXPECT_EQ(UpdateAisTarget(*ais, PositionRecord(999998), 0, 0, false), 3);
  EXPECT_EQ(Find(1002), -1);
  EXPECT_EQ(Find(1001), 1);
}

TEST_F(AisTargetsTest, ClearEmptiesTheTableAndNewSlotsStartBlank) {
  ASSERT_TRUE(HearEverDiadem());
  ASSERT_TRUE(ClearAisTargets(ais->targets));
  EXPECT_EQ(ais->targets.count, 1);
  EXPECT_EQ(Slot(1).mmsi, 0u);
  EXPECT_EQ(Slot(1).targetClass, kAisClassEmpty);
  EXPECT_FLOAT_EQ(Slot(0).cog, 0.0f);
  EXPECT_EQ(Slot(0).targetClass, kAisClassA);

  ASSERT_TRUE(Hear("177KQJ5000G?tO`K>RA1wUbN0TKH", 0));
  EXPECT_EQ(Slot(1).mmsi, 477553000u);
  EXPECT_STREQ(Slot(1).name, "");
  EXPECT_STREQ(Slot(1).destination, "");
  EXPECT_EQ(Slot(1).imo, 0u);
  EXPECT_EQ(Slot(1).shipType, 0);
}

TEST_F(AisTargetsTest, LastMessagesOfSomeTypesAreKeptWhole) {
  AisBitWriter safety;
  safety.Put(14, 6).Put(0, 2).Put(351809000, 30).Put(0, 2).PutText("RCVD YR TEST MSG", 16);
  ASSERT_TRUE(Hear(safety));
  const AisLastMessage& last = ais->lastMessages.type14;
  EXPECT_EQ(last.present, 1);
  EXPECT_STREQ(reinterpret_cast<const char*>(last.record.bytes + 7), "RCVD YR TEST MSG");
  EXPECT_EQ(Slot(Find(351809000)).targetClass, kAisClassEmpty);  // class unchanged

  AisBitWriter link;
  link.Put(20, 6)
      .Put(0, 2)
      .Put(2300000, 30)
      .Put(0, 2)
      .Put(100, 12)
      .Put(2, 4)
      .Put(7, 3)
      .Put(750, 11);
  ASSERT_TRUE(Hear(link, "VDM", 'B'));
  EXPECT_EQ(ais->lastMessages.type20.present, 1);
  EXPECT_EQ(ais->lastMessages.type20.channel, 'B' - '0');
  EXPECT_EQ(Slot(Find(2300000)).targetClass, kAisClassBaseStation);

  InitAisMsgTables(*ais);
  EXPECT_EQ(ais->lastMessages.type14.present, 0);
  EXPECT_EQ(ais->lastMessages.type20.present, 0);
}

TEST_F(AisTargetsTest, OnlyVdmAndVdoAreDecoded) {
  ASSERT_FALSE(
      ProcessAisSentence(*ais, "VDM", MakePiece(2, 1, 3, "55?MbV02;H;s<HtKR20EHE:0@T4@Dn", 0)));
  // An ABM carries a message to send, not one heard: passed on, never a target.
  EXPECT_TRUE(
      ProcessAisSentence(*ais, "ABM", MakePiece(1, 1, 0, "177KQJ5000G?tO`K>RA1wUbN0TKH", 0)));
  EXPECT_TRUE(
      ProcessAisSentence(*ais, "BBM", MakePiece(1, 1, 0, "177KQJ5000G?tO`K>RA1wUbN0TKH", 0)));
  EXPECT_EQ(ais->targets.count, 1);
  EXPECT_STREQ(ais->fragments.payload, "");  // the pending VDM piece is gone too
}

TEST(AisStamps, SecondsCountIgnoresLeapDaysAndCenturies) {
  const TimeHms noon = MakeTimeHms(12, 0, 0);
  // 1 March is day 60 in leap and common years alike.
  EXPECT_EQ(
      StampToSeconds(MakeDateYmd(2024, 3, 1), noon) - StampToSeconds(MakeDateYmd(2024, 1, 1), noon),
      59u * 86400u);
  EXPECT_EQ(
      StampToSeconds(MakeDateYmd(2024, 3, 1), noon) - StampToSeconds(MakeDateYmd(2023, 3, 1), noon),
      365u * 86400u);
  EXPECT_EQ(StampToSeconds(MakeDateYmd(2016, 7, 4), noon),
            StampToSeconds(MakeDateYmd(2116, 7, 4), noon));
  EXPECT_EQ(StampToSeconds(MakeDateYmd(2001, 1, 1), MakeTimeHms(0, 0, 1)) -
                StampToSeconds(MakeDateYmd(2000, 12, 31), MakeTimeHms(23, 59, 59)),
            2u);
  EXPECT_LT(StampToSeconds(MakeDateYmd(2024, 0, 0), MakeTimeHms(0, 0, 0)),
            StampToSeconds(MakeDateYmd(2024, 1, 1), MakeTimeHms(0, 0, 0)));
}

}  // namespace
