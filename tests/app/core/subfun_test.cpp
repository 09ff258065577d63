#include <gtest/gtest.h>

#include <cmath>

#include "app/core/ShipType.h"
#include "app/core/Subfun.h"

namespace {

std::string Lat(double lat, int format, int mode = 0) {
  std::string lon, text;
  FormatLatLon(&lon, &text, 0.0, lat, format, mode);
  return text;
}

std::string Lon(double lon, int format, int mode = 0) {
  std::string text, lat;
  FormatLatLon(&text, &lat, lon, 0.0, format, mode);
  return text;
}

TEST(FormatLatLon, EveryFormatOfOneLatitude) {
  EXPECT_EQ(Lat(25.5, 0), "25d30m0sN");
  EXPECT_EQ(Lat(25.5, 1),
            " 25\xB0"
            "30'N");
  EXPECT_EQ(Lat(25.5, 2),
            " 25\xB0"
            "30'00\"N");
  EXPECT_EQ(Lat(25.5, 3),
            " 25\xB0"
            "30.0000'N");
  EXPECT_EQ(Lat(25.5, 7), " 25\xB0N");
}

TEST(FormatLatLon, HemispheresAndTruncation) {
  EXPECT_EQ(Lat(-33.8765, 3),
            " 33\xB0"
            "52.5900'S");
  EXPECT_EQ(Lon(121.5, 3),
            "121\xB0"
            "30.0000'E");
  EXPECT_EQ(Lon(-0.5, 3),
            "  0\xB0"
            "30.0000'W");
  EXPECT_EQ(Lat(0.5, 3),
            "  0\xB0"
            "30.0000'N");
  EXPECT_EQ(Lat(-0.5, 3),
            "  0\xB0"
            "30.0000'S");
  EXPECT_EQ(Lat(0.0, 3),
            "  0\xB0"
            "00.0000'N");
  EXPECT_EQ(Lon(0.0, 3),
            "  0\xB0"
            "00.0000'E");
}

TEST(FormatLatLon, ModeOneUsesTheTwoByteDegreeSign) {
  EXPECT_EQ(Lat(25.5, 1, 1),
            " 25\xA2\x58"
            "30'N");
}

TEST(FormatLatLon, NullTextLeavesBothUntouched) {
  std::string lon = "keep";
  FormatLatLon(&lon, nullptr, 1.0, 2.0, 3, 0);
  EXPECT_EQ(lon, "keep");
  std::string lat = "keep";
  FormatLatLon(nullptr, &lat, 1.0, 2.0, 3, 0);
  EXPECT_EQ(lat, "keep");
}

TEST(FormatLatLon, MissingAndCorruptValuesStayInBounds) {
  // The "no position" markers and values a corrupt record could hold.
  EXPECT_EQ(Lat(91.0, 3),
            " 91\xB0"
            "00.0000'N");
  EXPECT_EQ(Lon(181.0, 3),
            "181\xB0"
            "00.0000'E");
  EXPECT_EQ(Lat(1e300, 3),
            "  0\xB0"
            "00.0000'N");
  EXPECT_EQ(Lat(std::nan(""), 3).size(), Lat(0.0, 3).size());
}

TEST(ShipTypeTable, CodesAndIndexCheck) {
  uint8_t code = 0;
  ASSERT_TRUE(GetShipTypeCode(17, code));
  EXPECT_EQ(code, 59);
  ASSERT_TRUE(GetShipTypeCode(20, code));
  EXPECT_EQ(code, 80);
  code = 7;
  EXPECT_FALSE(GetShipTypeCode(-1, code));
  EXPECT_FALSE(GetShipTypeCode(21, code));
  EXPECT_EQ(code, 7);
  EXPECT_EQ(FindShipTypeRow(59), 17);
  EXPECT_EQ(FindShipTypeRow(20), 0);
  EXPECT_EQ(FindShipTypeRow(99), -1);
  EXPECT_STREQ(ShipTypeTable[17].text, "59 = Resolution 18(Mob-83)");
}

}  // namespace
