#include <gtest/gtest.h>

#include "tests/protocol/codec_test_util.h"

namespace {
std::string Build(SENTENCE_STRUCT& r, const char* talker, const char* formatter) {
  std::strcpy(r.talker, talker);
  std::strcpy(r.formatter, formatter);
  std::string out;
  EXPECT_TRUE(FormatSentence(out, r));
  EXPECT_TRUE(VerifyChecksum(out));
  return Body(out);
}
}  // namespace

TEST(GSV, SatelliteBlocksByCommaCount) {
  SENTENCE_STRUCT r{};
  ASSERT_TRUE(ParseBody("$GPGSV,3,1,11,03,03,111,00,04,15,270,00,06,01,010,00,13,06,292,00", r));
  const GSV_STRUCT& g = r.fields.gsv;
  EXPECT_EQ(g.satellitesInSentence, 4);
  EXPECT_EQ(g.satellitesInView, 11);
  EXPECT_EQ(g.ids[3], 13);
  EXPECT_EQ(g.azimuths[3], 292);

  ASSERT_TRUE(ParseBody("$GPGSV,3,1,11,03,03,111,00,04,15,270,00", r));
  EXPECT_EQ(g.satellitesInSentence, 2);
  EXPECT_EQ(g.ids[1], 4);
  EXPECT_EQ(g.ids[2], 128);
  EXPECT_EQ(g.ids[3], 128);
  EXPECT_EQ(g.azimuths[2], 65535);
  EXPECT_EQ(g.azimuths[3], 65535);

  EXPECT_FALSE(ParseBody("$GPGSV,3,1,11,03,91,111,00", r));   // elevation
  EXPECT_FALSE(ParseBody("$GPGSV,3,1,11,03,10,360,00", r));   // azimuth
  EXPECT_FALSE(ParseBody("$GPGSV,3,1,11,03,10,100,100", r));  // SNR
  EXPECT_FALSE(ParseBody("$GPGSV,10,1,11,03,10,100,10", r));  // total
  EXPECT_TRUE(ParseBody("$GPGSV,3,1,11,03,,,", r));
  EXPECT_EQ(g.elevations[0], -128);
  EXPECT_EQ(g.snr[0], -128);

  EXPECT_FALSE(ParseBody("$GPGSV,3,1,11,03,03,111,00,1,2", r));  // 9 commas
  EXPECT_EQ(g.ids[0], 128);                                      // reset all the same
  EXPECT_EQ(g.azimuths[0], 65535);
}

TEST(GGA, RangeRulesReplaceValues) {
  SENTENCE_STRUCT r{};
  ASSERT_TRUE(ParseBody("$GPGGA,123519,4807.038,N,01131.000,E,1,15,120.0,545.4,M,46.9,M,,2000", r));
  const GGA_STRUCT& g = r.fields.gga;
  EXPECT_EQ(g.time.hour, 12);
  EXPECT_NEAR(g.position.latitude, 48.1173, 1e-4);
  EXPECT_EQ(g.quality, 1);
  EXPECT_EQ(g.satellitesInUse, 0);
  EXPECT_FLOAT_EQ(g.hdop, 99.9f);
  EXPECT_FLOAT_EQ(g.altitude, 545.4f);
  EXPECT_EQ(g.altitudeUnit, 'M');
  EXPECT_FLOAT_EQ(g.differentialAge, -100000.0f);
  EXPECT_EQ(g.differentialStationId, 1023);

  ASSERT_TRUE(ParseBody("$GPGGA,,,,,,,,,,,,,,", r));
  EXPECT_EQ(g.time.hour, 24);
  EXPECT_FLOAT_EQ(g.position.latitude, 91.0f);
  EXPECT_EQ(g.quality, 128);
  EXPECT_EQ(g.satellitesInUse, -128);
  EXPECT_FLOAT_EQ(g.hdop, -100000.0f);
  EXPECT_EQ(g.differentialStationId, -1);
}

TEST(PositionParsers, RangeChecksRefuse) {
  SENTENCE_STRUCT r{};
  EXPECT_FALSE(ParseBody("$GPGNS,,,,,,AA,08,120.0,,,,", r));
  EXPECT_TRUE(ParseBody("$GPGNS,120000,,,,,AN,08,,,,,", r));
  EXPECT_EQ(r.fields.gns.mode[1], 'N');
  EXPECT_EQ(r.fields.gns.totalSatellites[1], '8');

  EXPECT_FALSE(ParseBody("$GPZDA,120000,0,5,2024,0,0", r));
  EXPECT_TRUE(ParseBody("$GPZDA,120000,7,5,2024,-13,0", r));
  EXPECT_EQ(r.fields.zda.zoneHours, -13);
  EXPECT_EQ(r.fields.zda.year, 2024);
  EXPECT_FALSE(ParseBody("$GPZDA,120000,7,5,2024,-14,0", r));
  EXPECT_FALSE(ParseBody("$GPZDA,120000,7,13,2024,0,0", r));

  EXPECT_FALSE(ParseBody("$GPVTG,1,TT,,M,,N,,K,A", r));
  ASSERT_TRUE(ParseBody("$GPVTG,,,,,,,,,A", r));
  EXPECT_EQ(static_cast<unsigned char>(r.fields.vtg.unitT), 128);
  EXPECT_EQ(static_cast<unsigned char>(r.fields.vtg.unitK), 128);
  EXPECT_FLOAT_EQ(r.fields.vtg.courseTrue, -100000.0f);
}

TEST(RMC, ThreeLayouts) {
  SENTENCE_STRUCT r{};
  ASSERT_TRUE(ParseBody("$GPRMC,081836,A,3751.65,S,14507.36,E,000.0,360.0,130998,011.3,E", r));
  EXPECT_EQ(r.fields.rmc.mode, 'A');
  EXPECT_EQ(r.fields.rmc.variationDirection, 'E');
  EXPECT_NEAR(r.fields.rmc.position.latitude, -37.8608, 1e-4);
  EXPECT_EQ(r.fields.rmc.date.year, 2098);  // two-digit years count from 2000
  r.fields.rmc.navigationalStatus = 'Z';
  ASSERT_TRUE(ParseBody("$GPRMC,081836,A,3751.65,S,14507.36,E,0.5,,130998,,,D", r));
  EXPECT_EQ(r.fields.rmc.mode, 'D');
  EXPECT_EQ(r.fields.rmc.navigationalStatus, 'Z');
  EXPECT_EQ(static_cast<unsigned char>(r.fields.rmc.variationDirection), 128);
  ASSERT_TRUE(ParseBody("$GNRMC,081836,A,3751.65,S,14507.36,E,0.5,,130998,,,D,V", r));
  EXPECT_EQ(r.fields.rmc.navigationalStatus, 'V');
}

TEST(OtherPositionParsers, FillTheirMembers) {
  SENTENCE_STRUCT r{};
  ASSERT_TRUE(ParseBody("$GPGLL,4916.45,N,12311.12,W,225444,A,A", r));
  EXPECT_NEAR(r.fields.gll.position.longitude, -123.1853, 1e-4);
  EXPECT_EQ(r.fields.gll.status, 'A');
  ASSERT_TRUE(ParseBody("$GPGBS,015509.00,-0.031,-0.186,0.219,19,0.000,-0.354,6.972", r));
  EXPECT_EQ(r.fields.gbs.failedSatellite, 19);
  EXPECT_FLOAT_EQ(r.fields.gbs.biasStdDev, 6.972f);
  ASSERT_TRUE(ParseBody("$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1", r));
  EXPECT_EQ(r.fields.gsa.fixMode, 3);
  EXPECT_EQ(r.fields.gsa.satelliteIds[2], -128);
  ASSERT_TRUE(ParseBody("$HEHDT,,T", r));
  EXPECT_FLOAT_EQ(r.fields.hdt.heading, 511.0f);
  ASSERT_TRUE(ParseBody("$TIROT,-3.5,A", r));
  EXPECT_FLOAT_EQ(r.fields.rot.rate, -3.5f);
  ASSERT_TRUE(ParseBody("$VMVBW,1.5,,A,2.5,0.1,V", r));
  EXPECT_FLOAT_EQ(r.fields.vbw.waterTransverse, 0.0f);
  ASSERT_TRUE(ParseBody("$GPDTM,W84LONGER,,0.0,N,0.0,E,12.5,W84", r));
  EXPECT_STREQ(r.fields.dtm.localDatum, "W84");  // cut to its capacity
  EXPECT_FLOAT_EQ(r.fields.dtm.altitudeOffset, 12.5f);
  ASSERT_TRUE(ParseBody("$GPWPL,4917.16,N,12310.64,W,003", r));
  EXPECT_STREQ(r.fields.wpl.waypointId, "003");
  ASSERT_TRUE(ParseBody("$GPRMA,A,4917.16,N,12310.64,W,,,12.2,,,", r));
  EXPECT_EQ(r.fields.rma.status, 'A');
  EXPECT_FALSE(ParseBody("$GPRMA,A,4917.16", r));  // too short
  ASSERT_TRUE(ParseBody("$GPGST,172814.0,0.006,0.023,0.020,273.6,0.023,0.020,0.031", r));
  EXPECT_FLOAT_EQ(r.fields.gst.orientation, 273.6f);
  ASSERT_TRUE(ParseBody("$GPGRS,220320.0,0,-0.8,-0.2,-0.1,-0.2,0.8,0.6,,,,,,", r));
  EXPECT_FLOAT_EQ(r.fields.grs.residuals[5], 0.6f);
  EXPECT_FLOAT_EQ(r.fields.grs.residuals[11], -100000.0f);
  ASSERT_TRUE(ParseBody("$RAOSD,35.1,A,36.0,P,10.2,P,,,N", r));
  EXPECT_FLOAT_EQ(r.fields.osd.set, 0.0f);
  EXPECT_EQ(r.fields.osd.speedUnits, 'N');
}

TEST(RmcBuilder, PositionDateAndTime) {
  SENTENCE_STRUCT r{};
  RMC_STRUCT& m = r.fields.rmc;
  m.time = {23, 59, 59, 50};
  m.status = 'A';
  m.position = {0.0f, 0.0f};
  m.speedKnots = 1.5f;
  m.course = -100000.0f;
  m.date = {2024, 5, 7};
  m.magneticVariation = -100000.0f;
  m.variationDirection = static_cast<char>(128);
  m.mode = 'A';
  EXPECT_EQ(Build(r, "GP", "RMC"),
            "$GPRMC,235959.50,A,0000.00000,S,00000.00000,W,1.500,,070524,,,A");
  m.time.hour = 24;
  m.position = {91.0f, 181.0f};
  m.date.year = 0;
  EXPECT_EQ(Build(r, "GP", "RMC"), "$GPRMC,,A,,,,,1.500,,,,,A");
  m.position = {-49.5f, 123.25f};
  m.variationDirection = 'E';
  m.magneticVariation = 3.0f;
  EXPECT_EQ(Build(r, "GP", "RMC"), "$GPRMC,,A,4930.00000,S,12315.00000,E,1.500,,,3.00,E,A");
}

TEST(OtherPositionBuilders, RulesOfTheirFields) {
  SENTENCE_STRUCT r{};
  r.fields.hdt.heading = 360.0f;
  EXPECT_EQ(Build(r, "HE", "HDT"), "$HEHDT,360.0,T");
  r.fields.hdt.heading = 511.0f;
  EXPECT_EQ(Build(r, "HE", "HDT"), "$HEHDT,,T");
  r.fields.hdt.heading = -0.5f;
  EXPECT_EQ(Build(r, "HE", "HDT"), "$HEHDT,,T");

  GSA_STRUCT& gsa = r.fields.gsa;
  gsa = {};
  gsa.selectionMode = 'A';
  gsa.fixMode = 3;
  gsa.satelliteIds[0] = 3;
  gsa.satelliteIds[2] = static_cast<int8_t>(-128);
  gsa.pdop = 1.5f;
  gsa.hdop = -100000.0f;
  gsa.vdop = 2.25f;
  EXPECT_EQ(Build(r, "GP", "GSA"), "$GPGSA,A,3,03,,,,,,,,,,,,1.50,,2.25");

  GBS_STRUCT& gbs = r.fields.gbs;
  gbs = {};
  gbs.time = {24, 60, 60, 0};
  gbs.latitudeError = -0.031f;
  gbs.longitudeError = -100000.0f;
  gbs.altitudeError = 12.0f;
  gbs.failedSatellite = -1;
  gbs.missedDetectionProbability = -99999.0f;
  gbs.bias = 0.0f;
  gbs.biasStdDev = 7.0f;
  EXPECT_EQ(Build(r, "GP", "GBS"), "$GPGBS,,-0.03,,12.00,,-99999.00,0.00,7.00");
}
