#include <gtest/gtest.h>

#include "tests/protocol/codec_test_util.h"

TEST(ParseSentence, RefusesBadFramingBeforeTouchingTheRecord) {
  SENTENCE_STRUCT r{};
  std::strcpy(r.formatter, "OLD");
  std::string noLf = WithChecksum("$GPHDT,12.0,T");
  noLf.pop_back();
  EXPECT_FALSE(ParseSentence(noLf, r));
  std::string badSum = "$GPHDT,12.0,T*00\r\n";
  EXPECT_FALSE(ParseSentence(badSum, r));
  std::string withNul = WithChecksum("$GPHDT,12.0,T");
  withNul[8] = '\0';
  EXPECT_FALSE(ParseSentence(withNul, r));
  std::string tooLong = WithChecksum("$GPTXT,1,1,1," + std::string(86, 'x'));
  EXPECT_FALSE(ParseSentence(tooLong, r));
  EXPECT_STREQ(r.formatter, "OLD");
}

TEST(ParseSentence, AddressForms) {
  SENTENCE_STRUCT r{};
  std::string wrapped = WithChecksum("$PKVR,A,DBG,163,1,,,,,,");
  ASSERT_TRUE(ParseSentence(wrapped, r));
  EXPECT_STREQ(r.talker, "P");
  EXPECT_STREQ(r.formatter, "DBG");
  EXPECT_EQ(r.subType, 'A');
  EXPECT_EQ(r.start, '$');
  EXPECT_EQ(wrapped.compare(6, 5, "$PDBG"), 0);  // then cut into fields
  EXPECT_EQ(r.fields.dbg.ids[0], 163);
  EXPECT_EQ(r.fields.dbg.values[0], 1);

  std::string unknown = WithChecksum("$PKVR,c,XYZ,1,2");
  EXPECT_FALSE(ParseSentence(unknown, r));
  EXPECT_STREQ(r.talker, "P");
  EXPECT_STREQ(r.formatter, "XYZ");
  EXPECT_EQ(r.subType, 'c');

  EXPECT_FALSE(ParseBody("$ECGPQ,RMC", r));  // a query needs nine commas
  EXPECT_STREQ(r.talker, "EC");
  EXPECT_STREQ(r.formatter, "Q");
  EXPECT_EQ(r.subType, 0);
  ASSERT_TRUE(ParseBody("$ECAIQ,a,b,c,d,e,f,g,h,i", r));
  EXPECT_STREQ(r.formatter, "Q");
  EXPECT_STREQ(r.fields.query.text, "a,b,c,d,e,f,g,h,i");

  // The dispatch looks at the formatter only.
  ASSERT_TRUE(ParseBody("$PHDT,90.0,T", r));
  EXPECT_STREQ(r.talker, "P");
  EXPECT_FLOAT_EQ(r.fields.hdt.heading, 90.0f);
  EXPECT_TRUE(ParseBody("$PAIQ,Smg,7", r));
  EXPECT_EQ(r.fields.aiq.value, 7);
  EXPECT_FALSE(ParseBody("$PAIQ,Abc,7", r));
  EXPECT_TRUE(ParseBody("$PKVR,x,Smg,hello,3", r));
  EXPECT_STREQ(r.fields.smg.text, "hello");
  EXPECT_TRUE(ParseBody("$GPSmg, ,3", r));
  EXPECT_STREQ(r.fields.smg.text, " ");
}

TEST(ParseSentence, CommaCountsOfTheTable) {
  SENTENCE_STRUCT r{};
  EXPECT_FALSE(ParseBody("$GPGSV,1,1,1,01,02,003,04,1,2", r));  // 9 commas
  EXPECT_TRUE(ParseBody("$GPGSV,1,1,1,01,02,003,04", r));
  EXPECT_FALSE(ParseBody("$GPRMC,,,,,,,,,,", r));      // 10
  EXPECT_FALSE(ParseBody("$GPRMC,,,,,,,,,,,,,,", r));  // 14
  EXPECT_FALSE(ParseBody("$GPHDT,1", r));
  EXPECT_FALSE(ParseBody("$GPXYZ,1,2", r));
}

TEST(ParseSentence, MalformedButChecksumValidLinesAreRefused) {
  SENTENCE_STRUCT r{};
  // The checksum covers up to the first '*', so this line passes it.
  std::string hdt = "$GPHDT,1*" + std::string(WithChecksum("$GPHDT,1").substr(9, 2)) + ",T\r\n";
  EXPECT_TRUE(VerifyChecksum(hdt));
  EXPECT_FALSE(ParseSentence(hdt, r));

  for (const char* body : {"$GPGGA,1,2,3,4,5,6,7,8,9,10,11,12,13", "$GPVTG,1,2,3,4,5,6,7,8",
                           "$PTST,1,2,3,4", "$AIVDM,1,1,,A,15M67FC000G?ufbE`FepT@3n00Sa"}) {
    // One field short of its count, with a stray comma behind the checksum.
    std::string line = WithChecksum(body);
    line.insert(line.size() - 2, ",");
    EXPECT_FALSE(ParseSentence(line, r)) << body;
  }
}

TEST(ParseSentence, EveryCutOfAValidLineIsACleanRefusal) {
  const char* bodies[] = {
      "$GPGGA,213950.00,5250.53669,N,00542.34920,E,1,09,1.03,-6.0,M,45.8,M,,",
      "$GPRMC,213950.00,A,5250.53669,N,00542.34920,E,0.020,,070420,,,A",
      "$GPGSV,3,1,10,03,39,230,23,08,31,170,31,10,08,058,31,11,65,149,31",
      "$GPGSA,A,3,11,32,14,28,22,03,10,08,17,,,,2.02,1.03,1.74",
      "$GPVTG,,T,,M,0.020,N,0.038,K,A",
      "!AIVDM,1,1,,B,13aDp<PP000IwSlN?Wm@0?wN2<1T,0",
      "$PKVR,A,DBG,163,1,,,,,,",
      "$PKVR,R,MOB,0A1B2C,1,FF,05,A1B2",
      "$ECVSD,36,2.5,3,HOME,120000.00,01,02,0,0",
      "$ECSSD,CALL,NAME,10,20,3,4,0,AI",
      "$AIAIQ,a,b,c,d,e,f,g,h,i",
  };
  for (const char* body : bodies) {
    const std::string line = WithChecksum(body);
    SENTENCE_STRUCT whole{};
    std::string copy = line;
    ASSERT_TRUE(ParseSentence(copy, whole)) << body;
    for (std::size_t cut = 0; cut < line.size(); ++cut) {
      SENTENCE_STRUCT r{};
      std::string part = line.substr(0, cut);
      EXPECT_FALSE(ParseSentence(part, r)) << body << " cut at " << cut;
      // The same cut, closed again with a fresh checksum, must also end cleanly.
      std::string head = line.substr(0, std::min(cut, line.find('*')));
      std::string reclosed = WithChecksum(head);
      (void)ParseSentence(reclosed, r);
    }
  }
}

TEST(FormatSentence, UnknownFormatterAndOversizeLinesAreRefused) {
  SENTENCE_STRUCT r{};
  std::strcpy(r.talker, "GP");
  std::strcpy(r.formatter, "GGA");
  std::string out = "stale";
  EXPECT_FALSE(FormatSentence(out, r));
  EXPECT_TRUE(out.empty());

  std::strcpy(r.talker, "EC");
  std::strcpy(r.formatter, "SSD");
  SSD_STRUCT& ssd = r.fields.ssd;
  std::strcpy(ssd.callSign, "ABCDEFG");
  std::strcpy(ssd.name, "NAME OF TWENTY CHARS");
  ssd.dimA = ssd.dimB = 511;
  ssd.dimC = ssd.dimD = 63;
  ssd.dteIndicator = 1;
  std::memset(ssd.sourceId, 'S', sizeof ssd.sourceId - 1);
  ssd.sourceId[sizeof ssd.sourceId - 1] = '\0';
  EXPECT_FALSE(FormatSentence(out, r));  // would exceed the 100-byte send buffer
  EXPECT_TRUE(out.empty());
  ssd.sourceId[2] = '\0';
  std::strcpy(r.talker, ",A");  // as a damaged line can leave it
  EXPECT_FALSE(FormatSentence(out, r));
  std::strcpy(r.talker, "EC");
  EXPECT_TRUE(FormatSentence(out, r));
  EXPECT_EQ(Body(out), "$ECSSD,ABCDEFG,NAME OF TWENTY CHARS,511,511,63,63,1,SS");
  EXPECT_LE(out.size(), 99u);
}

TEST(ParseSentence, MutatedLinesNeverMisbehave) {
  // Damaged traffic, checksums made valid again so the parsers themselves are reached.
  const char* bodies[] = {
      "$GPGGA,213950.00,5250.53669,N,00542.34920,E,1,09,1.03,-6.0,M,45.8,M,,",
      "$GPGSV,3,1,10,03,39,230,23,08,31,170,31,10,08,058,31,11,65,149,31",
      "!AIVDM,2,1,9,B,55R3Vn82=ILTQ3KKS>1<D60Dq@E918U<F222221J1`?164vc03S1CCAD,0",
      "$PKVR,R,MOB,0A1B2C,1,FF,05,A1B2",
      "$ECSSD,CALL,NAME,10,20,3,4,0,AI",
      "$GPZDA,201530.00,04,07,2002,00,00",
  };
  const char alphabet[] = ",*$!P .-0123456789AEKNQRSVWZ\r\n";
  uint32_t seed = 12345;
  auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
  auto state = FreshState();
  for (int round = 0; round < 20000; ++round) {
    std::string body = bodies[round % std::size(bodies)];
    for (int edits = 1 + next() % 4; edits > 0; --edits) {
      const std::size_t at = next() % body.size();
      const char c = alphabet[next() % (sizeof alphabet - 1)];
      switch (next() % 3) {
        case 0:
          body[at] = c;
          break;
        case 1:
          body.insert(body.begin() + static_cast<std::ptrdiff_t>(at), c);
          break;
        default:
          if (body.size() > 1) body.erase(at, 1);
          break;
      }
    }
    std::string line = body + "*00\r\n";
    if (body.find('*') == std::string::npos) line = WithChecksum(body);
    (void)ProcessSentence(*state, line);
  }
  std::string out;
  for (const char* formatter :
       {"RMC", "GSA", "GBS", "HDT", "SSD", "VSD", "ALR", "ACK", "DBG", "MOB", "BTH"}) {
    if (BuildSentence(*state, out, formatter, "GP")) {
      EXPECT_LE(out.size(), 99u);
      EXPECT_TRUE(VerifyChecksum(out)) << out;
    }
  }
}
