#include <gtest/gtest.h>

#include "tests/protocol/codec_test_util.h"

TEST(Classify, FamiliesByFormatter) {
  SENTENCE_STRUCT r{};
  const std::pair<const char*, SentenceGroup> cases[] = {
      {"GGA", GROUP_GNSS}, {"ZDA", GROUP_GNSS}, {"HDT", GROUP_MOTION}, {"LR2", GROUP_LONG_RANGE},
      {"VDO", GROUP_AIS},  {"TXT", GROUP_AIS},  {"DSE", GROUP_DSC},    {"CEK", GROUP_PROPRIETARY},
      {"DTM", GROUP_NONE}, {"Q", GROUP_NONE},   {"Smg", GROUP_NONE},   {"gga", GROUP_NONE},
  };
  for (const auto& [formatter, group] : cases) {
    std::strcpy(r.formatter, formatter);
    EXPECT_EQ(ClassifySentence(r), group) << formatter;
  }
}

TEST(GnssStore, ValidFlagsFollowEachSentence) {
  auto s = FreshState();
  ASSERT_TRUE(Feed(*s, "$GPGGA,123519,4807.038,N,01131.000,E,0,08,0.9,545.4,M,46.9,M,,"));
  EXPECT_EQ(s->gnss.positionValid, 0);
  EXPECT_EQ(s->gnss.fixUpdated, 1);
  EXPECT_EQ(s->gnss.timeValid[0], 1);
  EXPECT_EQ(s->gnss.source, SOURCE_GP);
  EXPECT_STREQ(s->gnss.lastFormatter, "GGA");
  ASSERT_TRUE(Feed(*s, "$GNGLL,4916.45,N,12311.12,W,225444,A,A"));
  EXPECT_EQ(s->gnss.positionValid, 1);
  EXPECT_EQ(s->gnss.source, SOURCE_GN);

  // A later empty time clears time-valid rather than showing the old one as valid.
  ASSERT_TRUE(Feed(*s, "$GPGGA,,,,,,1,08,0.9,545.4,M,46.9,M,,"));
  EXPECT_EQ(s->gnss.timeValid[0], 0);
  EXPECT_EQ(s->gnss.timeValid[1], 0);
  ASSERT_TRUE(Feed(*s, "$GPZDA,201530.00,04,07,2002,00,00"));
  EXPECT_EQ(s->gnss.timeValid[0], 1);
  EXPECT_EQ(s->gnss.date.year, 2002);
  ASSERT_TRUE(Feed(*s, "$GPZDA,201530.00,,,,,"));
  EXPECT_EQ(s->gnss.timeValid[0], 0);
  ASSERT_TRUE(Feed(*s, "$GPRMC,081836,A,3751.65,S,14507.36,E,000.0,360.0,130998,011.3,E"));
  EXPECT_EQ(s->gnss.timeValid[1], 1);
  EXPECT_EQ(s->gnss.courseValid, 1);
  ASSERT_TRUE(Feed(*s, "$GPRMC,081836,V,3751.65,S,14507.36,E,000.0,360.5,,011.3,E"));
  EXPECT_EQ(s->gnss.courseValid, 0);
  EXPECT_EQ(s->gnss.positionValid, 0);
  EXPECT_EQ(s->gnss.timeValid[0], 0);  // no date

  ASSERT_TRUE(Feed(*s, "$GPZDA,201530.00,04,07,2002,00,00"));
  ASSERT_TRUE(Feed(*s, "$GPGLL,4916.45,N,12311.12,W,201531.00,A,A"));
  EXPECT_EQ(s->gnss.timeValid[0], 1);
  ASSERT_TRUE(Feed(*s, "$GPGLL,4916.45,N,12311.12,W,,A,A"));
  EXPECT_EQ(s->gnss.timeValid[0], 0);
}

TEST(GnssStore, SatellitesOfTheLastGsvAndGsa) {
  auto s = FreshState();
  ASSERT_TRUE(Feed(*s, "$GPGSV,3,1,11,03,03,111,00,04,15,270,00,06,01,010,00,13,06,292,00"));
  ASSERT_TRUE(Feed(*s, "$GPGSV,3,2,11,14,25,170,00,16,57,208,39"));
  EXPECT_EQ(s->gnss.gsvSatellitesInSentence, 2);
  EXPECT_EQ(s->gnss.satelliteIds[0], 14);
  EXPECT_EQ(s->gnss.satelliteIds[2], 6);  // left from the previous sentence
  EXPECT_EQ(s->gnss.satelliteIds[3], 13);
  ASSERT_TRUE(Feed(*s, "$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1"));
  EXPECT_EQ(s->gnss.satellitesInUse, 5);
  EXPECT_FLOAT_EQ(s->gnss.hdop, 1.3f);
  ASSERT_TRUE(Feed(*s, "$GPGBS,015509.00,-0.031,-0.186,0.219,19,0.000,-0.354,6.972"));
  EXPECT_EQ(s->gnss.gbsValid[0], 1);
}

TEST(AisStore, StaticAndVoyageData) {
  auto s = FreshState();
  int shown = 0;
  s->showStaticVoyageData = [&shown](const SENTENCE_STRUCT& r) {
    shown += ClassifySentence(r) == GROUP_AIS;
  };
  ASSERT_TRUE(Feed(*s, "$AISSD,CALL,NAME,512,20,3,4,0,AIS"));
  EXPECT_EQ(s->aisData.callSignValid, 1);
  EXPECT_EQ(s->aisData.dimA, 512);
  EXPECT_EQ(s->aisData.dimensionsValid, 0);
  EXPECT_STREQ(s->aisData.sourceId, "AI");  // cut to two
  ASSERT_TRUE(Feed(*s, "$AISSD,,,10,20,3,4,0,AI"));
  EXPECT_STREQ(s->aisData.callSign, "");
  EXPECT_EQ(s->aisData.callSignValid, 1);  // stays set
  EXPECT_EQ(s->aisData.dimensionsValid, 1);
  EXPECT_EQ(shown, 2);
  (void)Feed(*s,
             "!AIVDO,1,1,,,15M67FC000G?ufbE`FepT@3n00Sa,0");  // stored whatever the AIS steps say
  EXPECT_EQ(s->aisData.channel, 'x');
}

TEST(AisStore, ChannelManagementNeverChangesTheEta) {
  auto s = FreshState();
  ASSERT_TRUE(Feed(*s, "$AIVSD,36,2.5,3,HOME,120000.00,01,02,0,0"));
  EXPECT_EQ(s->aisData.etaValid, 1);
  ASSERT_TRUE(Feed(*s, "$AIACS,1,211000001,101010.50,07,05,2024"));
  ASSERT_TRUE(
      Feed(*s, "$AIACA,1,5000.0,N,00100.0,E,4900.0,N,00200.0,W,2,2087,0,2088,0,0,0,C,1,090000"));
  EXPECT_EQ(s->aisData.timeBlock[0], 9);
  std::string out;
  ASSERT_TRUE(BuildSentence(*s, out, "VSD", "EC"));
  EXPECT_EQ(Body(out), "$ECVSD,36,02.5,3,HOME,120000.00,01,02,0,0");
}

TEST(BuildSentence, FromTheGroupRecords) {
  auto s = FreshState();
  std::string out;
  PROPRIETARY_DATA_STRUCT& p = s->proprietary;
  for (int i = 0; i < 4; ++i) {
    p.dbgIds[i] = 999;
    p.dbgValues[i] = INT32_MIN;
  }
  p.dbgIds[0] = 703;
  p.dbgValues[0] = 2;
  p.dbgSubType = 'A';
  ASSERT_TRUE(BuildSentence(*s, out, "DBG", "P"));
  EXPECT_EQ(Body(out), "$PKVR,A,DBG,703,2,,,,,,");
  EXPECT_TRUE(VerifyChecksum(out));

  p.tstNumberA = 99999;
  p.tstNumberB = 99;
  p.tstLetterC = p.tstLetterD = '@';
  p.tstCommand = 17;
  ASSERT_TRUE(BuildSentence(*s, out, "TST", "P"));
  EXPECT_EQ(out, WithChecksum("$PTST,,,,,00017"));

  p.midIdentity1 = 211000001;
  p.midIdentity2 = 999999999;
  ASSERT_TRUE(BuildSentence(*s, out, "MID", "P"));
  EXPECT_EQ(Body(out), "$PMID,211000001,999999999");

  AIS_DATA_STRUCT& a = s->aisData;
  std::strcpy(a.callSign, "PD1234");
  std::strcpy(a.name, "VESSEL");
  a.dimA = 10;
  a.dimB = 5;
  a.dimC = 2;
  a.dimD = 3;
  a.dteIndicator = 0;
  std::strcpy(a.sourceId, "AI");
  ASSERT_TRUE(BuildSentence(*s, out, "SSD", "EC"));
  EXPECT_EQ(Body(out), "$ECSSD,PD1234,VESSEL,10,5,2,3,0,AI");
  std::strcpy(a.name, "BAD*NAME");
  EXPECT_FALSE(BuildSentence(*s, out, "SSD", "EC"));
  EXPECT_TRUE(out.empty());

  EXPECT_FALSE(BuildSentence(*s, out, "GGA", "GP"));  // no builder
  EXPECT_FALSE(BuildSentence(*s, out, "DTM", "GP"));
}

TEST(BuildSentence, ReceivedThenSentBack) {
  auto s = FreshState();
  ASSERT_TRUE(Feed(*s, "$PKVR,B,DBG,050,1,051,5,,,,"));
  EXPECT_EQ(s->proprietary.dbgSubType, 'B');
  EXPECT_EQ(s->proprietary.dbgIdValid[1], 1);
  EXPECT_EQ(s->proprietary.dbgIdValid[2], 0);
  std::string out;
  ASSERT_TRUE(BuildSentence(*s, out, "DBG", "P"));
  EXPECT_EQ(Body(out), "$PKVR,B,DBG,050,1,051,5,,,,");

  ASSERT_TRUE(Feed(*s, "$PBTH,1,2,3,4,5,6,A TEXT LONGER THAN TWENTY-FOUR"));
  EXPECT_STREQ(s->proprietary.bthText, "A TEXT LONGER THAN TWENT");
  ASSERT_TRUE(BuildSentence(*s, out, "BTH", "P"));
  EXPECT_EQ(Body(out), "$PBTH,001,002,003,004,005,006,A TEXT LONGER THAN TWENT");

  ASSERT_TRUE(Feed(*s, "$PMOB,0A1B2C,3,FF,05,A1B2C3"));
  ASSERT_TRUE(Feed(*s, "$PMOB,0A1B2C,3,FF,,A1B2C3"));
  EXPECT_EQ(s->proprietary.mobByte4, 5);  // kept while absent
  EXPECT_EQ(s->proprietary.mobByte4Present, 0);
  ASSERT_TRUE(BuildSentence(*s, out, "MOB", "P"));
  EXPECT_EQ(Body(out), "$PMOB,0A1B2C,3,FF,,A1B2C3");

  ASSERT_TRUE(Feed(*s, "$GPRMC,081836.25,A,3751.65,S,14507.36,E,0.5,54.7,130998,,,D"));
  ASSERT_TRUE(BuildSentence(*s, out, "MOB", "P"));  // leaves other bytes in the union
  ASSERT_TRUE(BuildSentence(*s, out, "RMC", "GP"));
  EXPECT_EQ(Body(out), "$GPRMC,081836.25,A,3751.64993,S,14507.35992,E,0.500,54.70,130998,,,D");

  ASSERT_TRUE(Feed(*s, "$HEHDT,271.5,T"));
  EXPECT_EQ(s->motion.headingValid, 1);
  ASSERT_TRUE(BuildSentence(*s, out, "HDT", "HE"));
  EXPECT_EQ(Body(out), "$HEHDT,271.5,T");
}

TEST(GroupRecords, GroupNoneChangesNothing) {
  auto s = FreshState();
  const auto before = std::make_unique<ProtocolState>();
  ASSERT_TRUE(Feed(*s, "$GPDTM,W84,,0.0,N,0.0,E,0.0,W84"));
  EXPECT_EQ(std::memcmp(&before->gnss, &s->gnss, sizeof s->gnss), 0);
  EXPECT_EQ(std::memcmp(&before->aisData, &s->aisData, sizeof s->aisData), 0);
  EXPECT_EQ(std::memcmp(&before->proprietary, &s->proprietary, sizeof s->proprietary), 0);
}
