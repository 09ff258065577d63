#include <gtest/gtest.h>

#include "app/core/Cek.h"
#include "app/core/TextEscape.h"

namespace {

TEST(TextEscape, ReservedCharactersBecomeHexEscapes) {
  EXPECT_EQ(EscapeText("A,B"), "A^2CB");
  EXPECT_EQ(EscapeText("50%"), "50%");
  EXPECT_EQ(EscapeText("~"), "^7E");
  EXPECT_EQ(EscapeText("^"), "^5E");
  EXPECT_EQ(EscapeText("!$*\\"), "^21^24^2A^5C");
  EXPECT_EQ(EscapeText(std::string("\x01\x7F\xC4", 3)), "^01^7F^C4");
  EXPECT_EQ(EscapeText(std::string(16, ',')).size(), 48u);
  for (int c = 0; c < 256; ++c) {
    bool reserved = c < 32 || c >= 126 || std::string("!$*,\\^").find(char(c)) != std::string::npos;
    EXPECT_EQ(IsReservedChar(static_cast<unsigned char>(c)), reserved) << c;
  }
}

TEST(TextEscape, UnescapeRestoresAndReportsWhetherItDecoded) {
  std::string text = "A^2CB";
  EXPECT_TRUE(UnescapeText(text));
  EXPECT_EQ(text, "A,B");
  text = "ABC";
  EXPECT_FALSE(UnescapeText(text));
  EXPECT_EQ(text, "ABC");
  for (std::string original : {"R.T.V.", "A,B*C", "^~!$\\", "FIRE1"}) {
    std::string round = EscapeText(original);
    UnescapeText(round);
    EXPECT_EQ(round, original);
  }
}

TEST(TextEscape, MalformedEscapesAreKeptNotOverrun) {
  std::string text = "A^2";
  EXPECT_TRUE(UnescapeText(text));
  EXPECT_EQ(text, "A^2");
  text = "^";
  EXPECT_TRUE(UnescapeText(text));
  EXPECT_EQ(text, "^");
  text = "^2c^ZZ";  // lower case is not a digit of the escape
  EXPECT_TRUE(UnescapeText(text));
  EXPECT_EQ(text, "^2c^ZZ");
  text = "AB^00CD";  // a NUL ends the device's text
  EXPECT_TRUE(UnescapeText(text));
  EXPECT_EQ(text, "AB");
  text = std::string(300, 'X') + "^41";
  EXPECT_TRUE(UnescapeText(text));
  EXPECT_EQ(text, std::string(200, 'X'));
}

TEST(CekKey, DecodesTheReportedKey) {
  EXPECT_EQ(DecodeCekKey("CEK", "4142", 'R'), "AB");
  EXPECT_EQ(DecodeCekKey("CEK", "00000000414243", 'R'), "ABC");
  EXPECT_EQ(DecodeCekKey("CEK", "41420043", 'R'), "AB");
  EXPECT_EQ(DecodeCekKey("CEK", "414", 'R'), std::string("A\x04"));
  EXPECT_EQ(DecodeCekKey("CEK", "41G2", 'R'), "A");
  EXPECT_EQ(DecodeCekKey("CEK", "", 'R'), "");
  // More than 16 leading zero bytes: the 17th stops the text.
  EXPECT_EQ(DecodeCekKey("CEK", std::string(34, '0') + "41", 'R'), "");
  EXPECT_EQ(DecodeCekKey("CEK", "4142", 'C'), std::nullopt);
  EXPECT_EQ(DecodeCekKey("TST", "4142", 'R'), std::nullopt);
}

TEST(CekKey, EncodesEachByteAsTwoUpperCaseDigits) {
  EXPECT_EQ(EncodeCekKey("AB"), "4142");
  EXPECT_EQ(EncodeCekKey("R.T.V."), "522E542E562E");
  EXPECT_EQ(EncodeCekKey(std::string("\xFF\x00", 2)), "FF00");
  EXPECT_EQ(EncodeCekKey(std::string(16, 'z')).size(), 32u);
}

}  // namespace
