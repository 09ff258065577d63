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
}  // namespace

TEST(TST, ParseAndBuild) {
  SENTENCE_STRUCT r{};
  ASSERT_TRUE(ParseBody("$PTST,12345,07,a,B,00017", r));
  EXPECT_EQ(r.fields.tst.numberA, 12345u);
  EXPECT_EQ(r.fields.tst.numberB, 7);
  EXPECT_EQ(r.fields.tst.letterC, 'a');
  EXPECT_EQ(r.fields.tst.letterD, 'B');
  EXPECT_EQ(r.fields.tst.command, 17);
  const TST_STRUCT before = r.fields.tst;
  EXPECT_FALSE(ParseBody("$PTST,1,2,c,D,5,6", r));
  EXPECT_EQ(std::memcmp(&before, &r.fields.tst, sizeof before), 0);
  ASSERT_TRUE(ParseBody("$PTST,,,,,", r));
  EXPECT_EQ(r.fields.tst.numberA, 99999u);
  EXPECT_EQ(r.fields.tst.letterC, ' ');
  EXPECT_EQ(r.fields.tst.command, 65535);

  r.fields.tst = {99999, 99, '@', '@', 16};
  std::strcpy(r.talker, "P");
  std::strcpy(r.formatter, "TST");
  std::string out;
  ASSERT_TRUE(FormatSentence(out, r));
  EXPECT_EQ(out, WithChecksum("$PTST,,,,,00016"));
}

TEST(DBG, WrappedAndPlainBuilds) {
  SENTENCE_STRUCT r{};
  DBG_STRUCT& d = r.fields.dbg;
  for (int i = 0; i < 4; ++i) {
    d.ids[i] = 999;
    d.values[i] = INT32_MIN;
  }
  d.ids[0] = 163;
  d.values[0] = 1;
  r.subType = 'C';
  EXPECT_EQ(Build(r, "P", "DBG"), "$PKVR,C,DBG,163,1,,,,,,");
  r.subType = 0;
  EXPECT_EQ(Build(r, "P", "DBG"), "$PDBG,163,1,,,,,,");
  d.ids[1] = 50;
  d.values[1] = -5;
  EXPECT_EQ(Build(r, "P", "DBG"), "$PDBG,163,1,050,-5,,,,");

  ASSERT_TRUE(ParseBody("$PDBG,163,1,,,,,,", r));
  EXPECT_EQ(d.ids[1], 999);
  EXPECT_EQ(d.values[3], INT32_MIN);
}

TEST(MID, NineDigitsWithTheMarkerWritten) {
  SENTENCE_STRUCT r{};
  r.fields.mid = {123456789, 999999999};
  EXPECT_EQ(Build(r, "P", "MID"), "$PMID,123456789,999999999");
  r.fields.mid = {1000000000, 5};
  EXPECT_EQ(Build(r, "P", "MID"), "$PMID,,000000005");
  ASSERT_TRUE(ParseBody("$PMID,,211000001", r));
  EXPECT_EQ(r.fields.mid.identity1, 999999999u);
  EXPECT_EQ(r.fields.mid.identity2, 211000001u);
}

TEST(BTH, AllNumbersOrNone) {
  SENTENCE_STRUCT r{};
  ASSERT_TRUE(ParseBody("$PBTH,1,2,3,4,5,300,TEXT", r));
  EXPECT_EQ(Build(r, "P", "BTH"), "$PBTH,,,,,,,TEXT");
  r.fields.bth.numbers[5] = 6;
  EXPECT_EQ(Build(r, "P", "BTH"), "$PBTH,001,002,003,004,005,006,TEXT");
  ASSERT_TRUE(ParseBody("$PBTH,,,,,,,", r));
  EXPECT_EQ(r.fields.bth.numbers[0], 256);
  EXPECT_STREQ(r.fields.bth.text, "");
}

TEST(MOB, HexFields) {
  SENTENCE_STRUCT r{};
  ASSERT_TRUE(ParseBody("$PMOB,0A1B2C,3,FF,05,A1B2C3", r));
  const MOB_STRUCT& m = r.fields.mob;
  EXPECT_EQ(m.identity[0], 0x0A);
  EXPECT_EQ(m.identity[2], 0x2C);
  EXPECT_EQ(m.byte3, 0xFF);
  EXPECT_EQ(m.byte4, 0x05);
  EXPECT_EQ(m.byte4Present, 1);
  EXPECT_EQ(m.dataCount, 3);
  EXPECT_EQ(m.data[2], 0xC3);
  EXPECT_EQ(Build(r, "P", "MOB"), "$PMOB,0A1B2C,3,FF,05,A1B2C3");

  EXPECT_FALSE(ParseBody("$PMOB,0a1b2c,3,FF,05,A1", r));
  ASSERT_TRUE(ParseBody("$PMOB,0A1B,3,1,,A1B2C", r));
  EXPECT_EQ(m.identity[0], 0);
  EXPECT_EQ(m.byte3, 1);
  EXPECT_EQ(m.byte4Present, 0);
  EXPECT_EQ(m.dataCount, 0);
  EXPECT_EQ(Build(r, "P", "MOB"), "$PMOB,000000,3,01,,");
  ASSERT_TRUE(ParseBody("$PMOB,,3,1,,A1ZZ", r));
  EXPECT_EQ(m.dataCount, 0);
  ASSERT_TRUE(ParseBody("$PMOB,,3,1,," + std::string(20, 'A'), r));
  EXPECT_EQ(m.dataCount, 0);
  EXPECT_FALSE(ParseBody("$PMOB,,3,G,,", r));
}

TEST(ProprietaryParsers, EmptyValuesAndTexts) {
  SENTENCE_STRUCT r{};
  ASSERT_TRUE(ParseBody("$PCEK,,,,,,", r));
  EXPECT_EQ(r.fields.cek.byte1, 255);
  EXPECT_EQ(r.fields.cek.number4, 255u);
  EXPECT_STREQ(r.fields.cek.key, "");
  EXPECT_EQ(r.fields.cek.sentenceType, 'R');
  ASSERT_TRUE(ParseBody("$PCEK,1,2,3,4," + std::string(70, 'K') + ",C", r));
  EXPECT_EQ(std::string(r.fields.cek.key), std::string(70, 'K'));
  EXPECT_EQ(r.fields.cek.sentenceType, 'C');

  ASSERT_TRUE(ParseBody("$PBDY,,NAME THAT IS TOO LONG FOR IT,,1,0", r));
  EXPECT_EQ(r.fields.bdy.number, 999999999u);
  EXPECT_STREQ(r.fields.bdy.text2, "NAME THAT IS TOO LON");
  EXPECT_STREQ(r.fields.bdy.text3, "");
  EXPECT_EQ(Build(r, "P", "BDY"), "$PBDY,,NAME THAT IS TOO LON,,1,0");

  ASSERT_TRUE(ParseBody("$PFRQ,161975000,1,,11", r));
  EXPECT_EQ(r.fields.frq.frequency2, 999999999u);
  EXPECT_EQ(Build(r, "P", "FRQ"), "$PFRQ,161975000,1,,");

  ASSERT_TRUE(ParseBody("$PTPS,,", r));
  EXPECT_EQ(r.fields.tps.number, 999);
  r.fields.tps.number = 7;
  std::strcpy(r.fields.tps.text, "OK");
  EXPECT_EQ(Build(r, "P", "TPS"), "$PTPS,007,OK");

  EXPECT_FALSE(ParseBody("$AIAIQ,CEK", r));  // a query, and one comma
}

// The unsigned 32-bit numbers of the proprietary sentences keep ten digits exact.
TEST(ProprietaryParsers, UnsignedNumbersUpToThirtyTwoBits) {
  SENTENCE_STRUCT r{};
  ASSERT_TRUE(ParseBody("$PTST,4294967295,07,a,B,00017", r));
  EXPECT_EQ(r.fields.tst.numberA, 4294967295u);
  ASSERT_TRUE(ParseBody("$PMID,3381581370,2147483648", r));
  EXPECT_EQ(r.fields.mid.identity1, 3381581370u);
  EXPECT_EQ(r.fields.mid.identity2, 2147483648u);
  ASSERT_TRUE(ParseBody("$PBDY,3381581370,A,B,1,0", r));
  EXPECT_EQ(r.fields.bdy.number, 3381581370u);
  ASSERT_TRUE(ParseBody("$PFRQ,2147483648,1,4294967295,11", r));
  EXPECT_EQ(r.fields.frq.frequency1, 2147483648u);
  EXPECT_EQ(r.fields.frq.frequency2, 4294967295u);
  ASSERT_TRUE(ParseBody("$PCEK,1,2,3,3381581370,KEY,C", r));
  EXPECT_EQ(r.fields.cek.number4, 3381581370u);
}
