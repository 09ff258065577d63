#include <gtest/gtest.h>

#include "tests/protocol/codec_test_util.h"

namespace {
std::string Build(SENTENCE_STRUCT& r, const char* talker, const char* formatter) {
  std::strcpy(r.talker, talker);
  std::strcpy(r.formatter, formatter);
  std::string out;
  EXPECT_TRUE(FormatSentence(out, r)) << formatter;
  return Body(out);
}
const std::string k28 = "15M67FC000G?ufbE`FepT@3n00Sa";
}  // namespace

TEST(VDM, PiecesAndTheirLimits) {
  SENTENCE_STRUCT r{};
  ASSERT_TRUE(ParseBody("!AIVDM,1,1,,A," + k28 + ",0", r));
  const VDM_STRUCT& v = r.fields.vdm;
  EXPECT_EQ(v.totalSentences, 1);
  EXPECT_EQ(v.sentenceNumber, 1);
  EXPECT_EQ(v.sequentialId, -128);
  EXPECT_EQ(v.channel, 'A');
  EXPECT_EQ(v.fillBits, 0);
  EXPECT_EQ(std::string(v.payload), k28);
  EXPECT_EQ(r.start, '!');

  EXPECT_FALSE(ParseBody("!AIVDM,1,1,,A," + k28 + ",", r));
  EXPECT_EQ(v.fillBits, -128);
  EXPECT_FALSE(ParseBody("!AIVDM,1,1,,A," + k28 + ",6", r));
  EXPECT_FALSE(ParseBody("!AIVDM,10,1,,A," + k28 + ",0", r));
  EXPECT_TRUE(ParseBody("!AIVDO,0,1,,," + k28 + ",0", r));
  EXPECT_EQ(static_cast<unsigned char>(v.channel), 128);

  const std::string p63(63, '0');
  const std::string p64(64, '0');
  EXPECT_FALSE(ParseBody("!AIVDM,2,1,,A," + p63 + ",0", r));
  EXPECT_TRUE(ParseBody("!AIVDM,2,1,3,A," + p63 + ",0", r));
  EXPECT_EQ(std::strlen(v.payload), 63u);
  EXPECT_FALSE(ParseBody("!AIVDM,2,1,3,A," + p64 + ",0", r));

  std::strcpy(r.formatter, "OLD");
  EXPECT_FALSE(ParseBody("!AIVDM,1,1,,A," + k28, r));  // wrong count: member cleared first
  EXPECT_EQ(v.payload[0], '\0');
  EXPECT_EQ(v.totalSentences, 0);
}

TEST(VDM, BuildWritesTheReceivedChannel) {
  SENTENCE_STRUCT r{};
  ASSERT_TRUE(ParseBody("!AIVDM,2,1,3,B," + k28 + ",2", r));
  EXPECT_EQ(Build(r, "AI", "VDM"), "!AIVDM,2,1,3,B," + k28 + ",2");
  r.fields.vdm.channel = 1;  // a number is the offset from 'A'
  r.fields.vdm.sequentialId = static_cast<int8_t>(-128);
  EXPECT_EQ(Build(r, "AI", "VDO"), "!AIVDO,2,1,,B," + k28 + ",2");
  r.fields.vdm.payload[3] = ',';
  std::string out;
  EXPECT_FALSE(FormatSentence(out, r));  // a comma would shift the fields
}

TEST(TXT, RangesAndText) {
  SENTENCE_STRUCT r{};
  EXPECT_FALSE(ParseBody("$AITXT,0,1,1,TEXT", r));
  ASSERT_TRUE(ParseBody("$AITXT,,,,TEXT", r));
  EXPECT_EQ(r.fields.txt.totalSentences, -128);
  EXPECT_EQ(r.fields.txt.textId, -128);
  ASSERT_TRUE(ParseBody("$AITXT,1,1,1," + std::string(70, 'x'), r));
  EXPECT_EQ(std::string(r.fields.txt.text, 62), std::string(61, 'x') + '\0');
  ASSERT_TRUE(ParseBody("$AITXT,1,1,1," + std::string(62, 'y'), r));
  EXPECT_EQ(std::string(r.fields.txt.text, 62), std::string(62, 'y'));
}

TEST(SSD, EmptyFieldsAndBuild) {
  SENTENCE_STRUCT r{};
  ASSERT_TRUE(ParseBody("$AISSD,,,,,,,,", r));
  const SSD_STRUCT& s = r.fields.ssd;
  EXPECT_STREQ(s.callSign, "");
  EXPECT_STREQ(s.name, "");
  EXPECT_EQ(s.dimA, 512);
  EXPECT_EQ(s.dimB, 512);
  EXPECT_EQ(s.dimC, 64);
  EXPECT_EQ(s.dimD, 64);
  EXPECT_EQ(s.dteIndicator, 2);
  EXPECT_STREQ(s.sourceId, " ");
  EXPECT_EQ(Build(r, "EC", "SSD"), "$ECSSD,,,,,,,, ");

  ASSERT_TRUE(ParseBody("$AISSD,TOOLONGCALL,A NAME LONGER THAN TWENTY,511,0,63,1,0,AI", r));
  EXPECT_STREQ(s.callSign, "TOOLONG");
  EXPECT_STREQ(s.name, "A NAME LONGER THAN T");
  EXPECT_EQ(Build(r, "EC", "SSD"), "$ECSSD,TOOLONG,A NAME LONGER THAN T,511,0,63,1,0,AI");
}

TEST(VSD, RulesOfEachField) {
  SENTENCE_STRUCT r{};
  ASSERT_TRUE(ParseBody("$AIVSD,,,,,,,,,", r));
  VSD_STRUCT& v = r.fields.vsd;
  EXPECT_EQ(v.shipType, 256);
  EXPECT_FLOAT_EQ(v.draught, -100000.0f);
  EXPECT_EQ(v.persons, 8192);
  EXPECT_EQ(v.eta.hour, 24);
  EXPECT_EQ(v.etaDay, 32);
  EXPECT_EQ(v.etaMonth, 13);
  EXPECT_EQ(v.navigationalStatus, 128);
  EXPECT_EQ(v.regionalFlags, 0);
  EXPECT_EQ(Build(r, "EC", "VSD"), "$ECVSD,,,,,,,,,0");

  ASSERT_TRUE(ParseBody("$AIVSD,300,5.0,8191,PORT,230500.00,31,12,15,15", r));
  EXPECT_EQ(v.shipType, 300 & 0xFF);
  EXPECT_EQ(Build(r, "EC", "VSD"), "$ECVSD,44,05.0,8191,PORT,230500.00,31,12,15,15");
  v.draught = 25.5f;
  v.persons = 8192;
  v.regionalFlags = 16;
  EXPECT_EQ(Build(r, "EC", "VSD"), "$ECVSD,44,25.5,,PORT,230500.00,31,12,15,");
  v.draught = 25.6f;
  EXPECT_EQ(Build(r, "EC", "VSD").substr(0, 12), "$ECVSD,44,,,");
  v.draught = -0.1f;
  EXPECT_EQ(Build(r, "EC", "VSD").substr(0, 12), "$ECVSD,44,,,");
}

TEST(StationSentences, OtherParsersAndBuilders) {
  SENTENCE_STRUCT r{};
  r.fields.ack.alarmId = 7;
  EXPECT_EQ(Build(r, "EC", "ACK"), "$ECACK,007");
  r.fields.ack.alarmId = 1000;
  EXPECT_EQ(Build(r, "EC", "ACK"), "$ECACK,");
  ASSERT_TRUE(ParseBody("$AIACK,", r));
  EXPECT_EQ(r.fields.ack.alarmId, 1000);

  ASSERT_TRUE(ParseBody("$AIABK,0,B,6,3,0", r));
  EXPECT_EQ(r.fields.abk.mmsi, 0u);
  EXPECT_EQ(r.fields.abk.channel, 1);
  EXPECT_EQ(Build(r, "AI", "ABK"), "$AIABK,,B,6,3,0");

  ASSERT_TRUE(ParseBody("$AIALR,235959.99,29,A,V," + std::string(69, 'd'), r));
  EXPECT_EQ(std::strlen(r.fields.alr.description), 69u);
  EXPECT_EQ(r.fields.alr.time.hundredths, 99);
  r.fields.alr.description[20] = '\0';
  EXPECT_EQ(Build(r, "AI", "ALR"), "$AIALR,235959.99,29,A,V," + std::string(20, 'd'));

  ASSERT_TRUE(ParseBody(
      "$AIACA,1,5000.0,N,00100.0,E,4900.0,N,00200.0,W,2,2087,0,2088,0,0,0,C,1,120000", r));
  EXPECT_NEAR(r.fields.aca.southWest.longitude, -2.0f, 1e-5);
  EXPECT_EQ(r.fields.aca.channelB, 2088);
  EXPECT_EQ(r.fields.aca.inUseChangeTime.hour, 12);
  ASSERT_TRUE(ParseBody("$AIACS,1,211000001,101010.50,07,05,2024", r));
  EXPECT_EQ(r.fields.acs.originatorMmsi, 211000001u);
  EXPECT_EQ(r.fields.acs.year, 2024);

  ASSERT_TRUE(ParseBody("!AIABM,1,1,0,211000001,2,6," + k28 + ",0", r));
  EXPECT_EQ(r.fields.abm.destinationMmsi, 211000001u);
  EXPECT_EQ(r.fields.abm.channel, '2');
  EXPECT_EQ(Build(r, "AI", "ABM"), "!AIABM,1,1,0,211000001,2,6," + k28 + ",0");
  ASSERT_TRUE(ParseBody("!AIBBM,1,1,,3,8," + k28 + ",4", r));
  EXPECT_EQ(r.fields.bbm.channel, 3);
  EXPECT_EQ(Build(r, "AI", "BBM"), "!AIBBM,1,1,,3,8," + k28 + ",4");
}

// MMSIs are unsigned 32-bit: ten digits come through exact, to the group record.
TEST(StationParsers, TenDigitMmsisAreExact) {
  SENTENCE_STRUCT r{};
  ASSERT_TRUE(ParseBody("!AIABM,1,1,0,3381581370,2,6," + k28 + ",0", r));
  EXPECT_EQ(r.fields.abm.destinationMmsi, 3381581370u);
  EXPECT_EQ(Build(r, "AI", "ABM"), "!AIABM,1,1,0,3381581370,2,6," + k28 + ",0");
  auto s = FreshState();
  ASSERT_TRUE(Feed(*s, "!AIABM,1,1,0,3381581370,2,6," + k28 + ",0"));
  EXPECT_EQ(s->aisData.mmsi, 3381581370u);

  ASSERT_TRUE(ParseBody("$AIABK,4294967295,B,6,3,0", r));
  EXPECT_EQ(r.fields.abk.mmsi, 4294967295u);
  ASSERT_TRUE(ParseBody("$AIABK,2147483648,B,6,3,0", r));
  EXPECT_EQ(r.fields.abk.mmsi, 2147483648u);
  ASSERT_TRUE(ParseBody("$AIACS,1,3381581370,101010.50,07,05,2024", r));
  EXPECT_EQ(r.fields.acs.originatorMmsi, 3381581370u);
  // Wider than 32 bits: the low-order bits.
  ASSERT_TRUE(ParseBody("$AIACS,1,4294967297,101010.50,07,05,2024", r));
  EXPECT_EQ(r.fields.acs.originatorMmsi, 1u);
}
