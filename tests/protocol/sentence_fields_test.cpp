#include <gtest/gtest.h>

#include "tests/protocol/codec_test_util.h"

TEST(Checksum, UpperCaseDigitsPassOthersFail) {
  EXPECT_TRUE(VerifyChecksum(WithChecksum("$GPGGA,,,")));
  EXPECT_TRUE(VerifyChecksum("$AJ*0B\r\n"));
  EXPECT_FALSE(VerifyChecksum("$AJ*0b\r\n"));
  EXPECT_FALSE(VerifyChecksum("$AJ*0C\r\n"));

  // Digits outside 0-9 and A-F used to read as values (':' as 10).
  EXPECT_TRUE(VerifyChecksum("$AB*03\r\n"));
  EXPECT_FALSE(VerifyChecksum("$AB*0:\r\n"));
  EXPECT_FALSE(VerifyChecksum("$AB*G3\r\n"));
  EXPECT_FALSE(VerifyChecksum("$AB*/3\r\n"));
  EXPECT_FALSE(VerifyChecksum("$AB03\r\n"));  // no '*'
  EXPECT_FALSE(VerifyChecksum("$AB*0"));      // digits cut short
  EXPECT_FALSE(VerifyChecksum(""));
}

TEST(Checksum, AppendWritesXorAfterStart) {
  std::string text = "$PKVR,Q,CFG";
  ASSERT_TRUE(AppendChecksum(text));
  unsigned x = 0;
  for (char c : std::string("PKVR,Q,CFG")) x ^= static_cast<unsigned char>(c);
  char expected[8];
  std::snprintf(expected, sizeof expected, "*%02X\r\n", x);
  EXPECT_EQ(text, std::string("$PKVR,Q,CFG") + expected);

  std::string starred = "$A*";
  EXPECT_FALSE(AppendChecksum(starred));
  std::string huge(65535, 'A');
  EXPECT_FALSE(AppendChecksum(huge));
  EXPECT_EQ(huge.size(), 65535u);
}

TEST(PadEmptyFields, BlanksEmptyFieldsAndRefusesLongLines) {
  std::string line = "$GPGGA,,,*hh\r\n";
  ASSERT_TRUE(PadEmptyFields(line));
  EXPECT_EQ(line, "$GPGGA, , , *hh\r\n");

  std::string tail = "$GPGGA,1,";
  ASSERT_TRUE(PadEmptyFields(tail));
  EXPECT_EQ(tail, "$GPGGA,1,");  // a trailing empty field without '*' gets no blank

  std::string fits(96, 'A');
  fits += "\r\n";  // 98 characters
  EXPECT_TRUE(PadEmptyFields(fits));
  std::string tooLong(97, 'A');
  tooLong += "\r\n";  // 99
  EXPECT_FALSE(PadEmptyFields(tooLong));
  EXPECT_EQ(tooLong.size(), 99u);

  std::string grows(94, 'A');
  grows += ",,\r\n";  // 98, padded to 99
  const std::string before = grows;
  EXPECT_FALSE(PadEmptyFields(grows));
  EXPECT_EQ(grows, before);
}

TEST(HasCommaCount, CountsEveryComma) {
  EXPECT_FALSE(HasCommaCount("abc", 0));
  EXPECT_TRUE(HasCommaCount("$A,b*00,\r\n", 2));
  EXPECT_FALSE(HasCommaCount("$A,b", 2));
}

TEST(FieldCursor, SplitsOnlyDelimitedFields) {
  char text[] = "a,b";
  FieldCursor cursor(text);
  EXPECT_STREQ(cursor.NextField(','), "a");
  EXPECT_EQ(cursor.NextField(','), nullptr);
  EXPECT_EQ(cursor.NextField(','), nullptr);

  char last[] = "b*";
  FieldCursor star(last);
  EXPECT_STREQ(star.NextField('*'), "b");

  char blanks[] = "  x, ,";
  FieldCursor spaces(blanks);
  EXPECT_STREQ(spaces.NextField(','), "x");
  EXPECT_STREQ(spaces.NextField(','), " ");
}

TEST(FieldReader, MissingFieldReadsEmptyAndRefuses) {
  char text[] = "$GPHDT,1*52,T\r\n";
  FieldReader reader(text);
  EXPECT_STREQ(reader.Next(), "1*52");
  EXPECT_STREQ(reader.Last(), " ");
  EXPECT_FALSE(reader.Complete());
}

TEST(FieldToInt, ParsesLikeTheDeviceTexts) {
  EXPECT_EQ(FieldToInt("  -42x"), -42);
  EXPECT_EQ(FieldToInt("+7"), 7);
  EXPECT_EQ(FieldToInt(" "), 0);
  EXPECT_EQ(FieldToInt("abc"), 0);
}

// Only the low-order 32 bits are kept: read as unsigned, a ten-digit field is
// exact up to 4,294,967,295; wider numbers wrap round.
TEST(FieldToInt, KeepsTheLowOrderBits) {
  EXPECT_EQ(FieldToInt("2147483647"), INT32_MAX);
  EXPECT_EQ(FieldToInt("-2147483648"), INT32_MIN);
  EXPECT_EQ(static_cast<uint32_t>(FieldToInt("2147483648")), 2147483648u);
  EXPECT_EQ(static_cast<uint32_t>(FieldToInt("3381581370")), 3381581370u);
  EXPECT_EQ(static_cast<uint32_t>(FieldToInt("4294967295")), 4294967295u);
  EXPECT_EQ(FieldToInt("4294967295"), -1);
  EXPECT_EQ(FieldToInt("4294967296"), 0);
  EXPECT_EQ(FieldToInt("12884901895"), 7);
  EXPECT_EQ(FieldToInt("99999999999999"), 276447231);
  EXPECT_EQ(FieldToInt("-99999999999999"), -276447231);
  EXPECT_EQ(FieldToInt("18446744073709551621"), 5);
  EXPECT_EQ(FieldToInt(std::string_view("33815813701", 10)), static_cast<int32_t>(3381581370u));
}

namespace {
NMEA_POSITION LatLon(const char* fields) {
  std::string text = std::string("$X,") + fields + ",";
  FieldReader reader(text.data());
  NMEA_POSITION p{};
  ParseLatLonFields(reader, reader.Next(), p);
  return p;
}
}  // namespace

TEST(LatLon, ConvertsHemispheresAndKeepsMarkersPositive) {
  EXPECT_NEAR(LatLon("4916.45,N,12311.12,W").latitude, 49.274166, 1e-5);
  EXPECT_NEAR(LatLon("4916.45,N,12311.12,W").longitude, -123.185333, 1e-5);
  EXPECT_NEAR(LatLon("4916.45,S,12311.12,E").latitude, -49.274166, 1e-5);
  EXPECT_FLOAT_EQ(LatLon("9130.00,N,00000.00,E").latitude, 91.0f);
  EXPECT_FLOAT_EQ(LatLon(" ,S, ,W").latitude, 91.0f);
  EXPECT_FLOAT_EQ(LatLon(" ,S, ,W").longitude, 181.0f);
  EXPECT_FLOAT_EQ(LatLon("9130.00,S,18100.00,W").latitude, 91.0f);
  EXPECT_FLOAT_EQ(LatLon("9130.00,S,18100.00,W").longitude, 181.0f);
  // A negative magnitude beyond the limit is out of range too.
  EXPECT_FLOAT_EQ(LatLon("-9130.00,N,-18100.00,E").latitude, 91.0f);
  EXPECT_FLOAT_EQ(LatLon("-9130.00,N,-18100.00,E").longitude, 181.0f);
  EXPECT_FLOAT_EQ(LatLon("1e30,N,nan,E").latitude, 91.0f);
  EXPECT_FLOAT_EQ(LatLon("1e30,N,nan,E").longitude, 0.0f);
}

TEST(TimeField, HoursMinutesSecondsAndRoundedHundredths) {
  NMEA_TIME t{1, 2, 3, 77};
  ParseTimeField("123519.00", t);
  EXPECT_EQ(t.hour, 12);
  EXPECT_EQ(t.minute, 35);
  EXPECT_EQ(t.second, 19);
  EXPECT_EQ(t.hundredths, 0);
  ParseTimeField("000000.10", t);
  EXPECT_EQ(t.hundredths, 10);
  ParseTimeField("235959.999", t);
  EXPECT_EQ(t.second, 59);
  EXPECT_EQ(t.hundredths, 99);
  ParseTimeField("120000.5", t);
  EXPECT_EQ(t.hundredths, 50);
  ParseTimeField("120000.125", t);
  EXPECT_EQ(t.hundredths, 13);

  t.hundredths = 42;
  ParseTimeField(" ", t);
  EXPECT_EQ(t.hour, 24);
  EXPECT_EQ(t.minute, 60);
  EXPECT_EQ(t.second, 60);
  EXPECT_EQ(t.hundredths, 42);

  ParseTimeField("26800000", t);  // no time of day; must not wrap into a valid one
  EXPECT_EQ(t.hour, 24);
  ParseTimeField("-120000", t);
  EXPECT_EQ(t.hour, 24);
}

TEST(DateField, DayMonthYear) {
  NMEA_DATE d{};
  ParseDateField("230394", d);
  EXPECT_EQ(d.year, 2094);
  EXPECT_EQ(d.month, 3);
  EXPECT_EQ(d.day, 23);
  ParseDateField(" ", d);
  EXPECT_EQ(d.year, 0);
  EXPECT_EQ(d.month, 0);
  EXPECT_EQ(d.day, 0);
  ParseDateField("-10101", d);
  EXPECT_EQ(d.year, 0);
}

TEST(DegToNmeaMinutes, SplitsDegreesMinutesFraction) {
  int16_t deg, min;
  uint32_t frac;
  DegToNmeaMinutes(49.5f, deg, min, frac);
  EXPECT_EQ(deg, 49);
  EXPECT_EQ(min, 30);
  EXPECT_EQ(frac, 0u);
}

TEST(SixBitAndHex, Alphabet) {
  EXPECT_EQ(SixBitValue('0'), 0);
  EXPECT_EQ(SixBitValue('W'), 39);
  EXPECT_EQ(SixBitValue('`'), 40);
  EXPECT_EQ(SixBitValue('w'), 63);
  EXPECT_EQ(SixBitValue('X'), -1);
  EXPECT_EQ(SixBitValue('_'), -1);
  EXPECT_EQ(SixBitValue('x'), -1);
  EXPECT_EQ(SixBitValue('/'), -1);
  EXPECT_EQ(SixBitValue(static_cast<char>(0xC0)), -1);

  uint8_t b = 7;
  EXPECT_TRUE(HexToByte("", b));
  EXPECT_EQ(b, 0);
  EXPECT_TRUE(HexToByte("A5", b));
  EXPECT_EQ(b, 0xA5);
  EXPECT_FALSE(HexToByte("a5", b));
  EXPECT_TRUE(HexToByte("1FF", b));
  EXPECT_EQ(b, 0xFF);
}
