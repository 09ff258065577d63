#include <clocale>
#include <string>

#include <gtest/gtest.h>

#include "tests/protocol/codec_test_util.h"

namespace {
// A two-piece message from the recorded traffic.
const char* kFirst =
    "!AIVDM,2,1,9,B,55R3Vn82=ILTQ3KKS>1<D60Dq@E918U<F222221J1`?164vc03S1CCAD,0*2A\r\n";
const char* kSecond = "!AIVDM,2,2,9,B,`88888888888880,2*76\r\n";
const char* kRmc = "$GPRMC,213950.00,A,5250.53669,N,00542.34920,E,0.020,,070420,,,A*7D\r\n";

bool Process(ProtocolState& s, const char* line) {
  std::string copy = line;
  return ProcessSentence(s, copy);
}
}  // namespace

TEST(ProcessSentence, ParsesStoresAndPassesPlainSentencesOn) {
  auto s = FreshState();
  EXPECT_TRUE(Process(*s, kRmc));
  EXPECT_STREQ(s->incoming.formatter, "RMC");
  EXPECT_EQ(s->gnss.positionValid, 1);
  EXPECT_TRUE(ProcessSentence(*s, std::string_view(kRmc)));  // the copying overload

  std::string bad = kRmc;
  bad[8] = '7';
  EXPECT_FALSE(ProcessSentence(*s, bad));
  std::string unknown = WithChecksum("$GPXXX,1");
  EXPECT_FALSE(ProcessSentence(*s, unknown));
}

TEST(ProcessSentence, OnlyAnUnbrokenRunCompletesAnAisMessage) {
  auto s = FreshState();
  EXPECT_FALSE(Process(*s, kFirst));
  EXPECT_TRUE(Process(*s, kSecond));

  // A refused line leaves the half-assembled message in place.
  EXPECT_FALSE(Process(*s, kFirst));
  EXPECT_FALSE(Process(*s, "$GPRMC,bad*00\r\n"));
  EXPECT_TRUE(Process(*s, kSecond));

  // A parsed sentence between the pieces discards the first one.
  EXPECT_FALSE(Process(*s, kFirst));
  EXPECT_TRUE(Process(*s, kRmc));
  EXPECT_FALSE(Process(*s, kSecond));

  // So does an ABM: it is never assembled.
  EXPECT_FALSE(Process(*s, kFirst));
  EXPECT_TRUE(Feed(*s, "!AIABM,1,1,0,211000001,2,6,15M67FC000G?ufbE`FepT@3n00Sa,0"));
  EXPECT_FALSE(Process(*s, kSecond));
}

TEST(DumpHelpers, CopyAfterKeyAndIntAfterKey) {
  char out[8] = "xxxxxxx";
  EXPECT_TRUE(CopyAfterKey(out, "Name:(", 0, "Name:(BOAT)"));
  EXPECT_STREQ(out, "xxxxxxx");
  EXPECT_FALSE(CopyAfterKey(out, "Name:(", -1, "Name:(BOAT)"));
  EXPECT_FALSE(CopyAfterKey(out, "Call:(", 3, "Name:(BOAT)"));
  EXPECT_TRUE(CopyAfterKey(out, "Name:(", 4, "Name:(BOAT)"));
  EXPECT_EQ(std::string(out, 4), "BOAT");
  // Only what the text holds is copied, however many bytes are asked for.
  char tail[8] = "-------";
  EXPECT_TRUE(CopyAfterKey(tail, "(", 7, "Name:(AB"));
  EXPECT_EQ(std::string(tail), "AB-----");

  int32_t mmsi = 5;
  EXPECT_TRUE(IntAfterKey(mmsi, "MMSI:(", "xx MMSI:(123456789)\r\n"));
  EXPECT_EQ(mmsi, 123456789);
  EXPECT_FALSE(IntAfterKey(mmsi, "S/N:(", "MMSI:(1)"));
  EXPECT_EQ(mmsi, 123456789);
  EXPECT_TRUE(IntAfterKey(mmsi, "MMSI:(", "MMSI:()"));
  EXPECT_EQ(mmsi, 0);
}

TEST(SmallHelpers, TimestampAndCompare) {
  EXPECT_EQ(FormatTimestamp(2016, 3, 5, 7, 8, 9), "2016/03/05 07:08:09");
  const int32_t a = 3, b = 10, big = INT32_MAX, small = INT32_MIN;
  EXPECT_LT(CompareInt(&a, &b), 0);
  EXPECT_GT(CompareInt(&b, &a), 0);
  EXPECT_EQ(CompareInt(&a, &a), 0);
  EXPECT_GT(CompareInt(&big, &small), 0);  // no overflow into the wrong sign
}

TEST(Locale, FieldsStayLocaleFreeUnderAGermanLocale) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr)
    GTEST_SKIP() << "de_DE.UTF-8 is not installed";
  auto s = FreshState();
  const bool parsed = Feed(*s, "$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1");
  std::string out;
  const bool built = BuildSentence(*s, out, "GSA", "GP");
  s->aisData.draught = 5.25f;
  s->aisData.shipType = 256;
  s->aisData.persons = 8192;
  s->aisData.eta.hour = 24;
  s->aisData.etaDay = 32;
  s->aisData.etaMonth = 13;
  s->aisData.navigationalStatus = 128;
  s->aisData.regionalFlags = 16;
  std::string vsd;
  const bool builtVsd = BuildSentence(*s, vsd, "VSD", "EC");
  std::setlocale(LC_ALL, previous.c_str());

  ASSERT_TRUE(parsed);
  EXPECT_FLOAT_EQ(s->gnss.pdop, 2.5f);
  ASSERT_TRUE(built);
  EXPECT_EQ(Body(out), "$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.50,1.30,2.10");
  ASSERT_TRUE(builtVsd);
  EXPECT_EQ(Body(vsd), "$ECVSD,,05.2,,,,,,,");
}
