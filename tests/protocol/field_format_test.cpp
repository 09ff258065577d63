#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "protocol/FieldFormat.h"

namespace {
std::string Printf(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}
std::string PrintfInt(const char* format, long long value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}
}  // namespace

// The builders' formatting must give what the C library gives in the C locale.
TEST(FieldFormat, MatchesPrintfInTheCLocale) {
  uint32_t seed = 99;
  auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
  for (int i = 0; i < 5000; ++i) {
    const float value =
        static_cast<float>(static_cast<int32_t>(next())) / static_cast<float>(1 + next() % 100000);
    std::string out;
    AppendFixed(out, value, 2);
    ASSERT_EQ(out, Printf("%4.2f", value)) << value;
    out.clear();
    AppendFixed(out, value, 3);
    ASSERT_EQ(out, Printf("%5.3f", value)) << value;
    out.clear();
    AppendFixed(out, value, 1, 4);
    ASSERT_EQ(out, Printf("%04.1f", value)) << value;
    const long long n = static_cast<int32_t>(next()) >> (next() % 31);
    for (int width : {2, 3, 5, 9}) {
      out.clear();
      AppendInt(out, n, width);
      const std::string format = "%0" + std::to_string(width) + "lld";
      ASSERT_EQ(out, PrintfInt(format.c_str(), n)) << n;
    }
  }
}

TEST(FieldFormat, CharsAndTextsThatWouldBreakASentence) {
  std::string out;
  AppendChar(out, 'A');
  AppendChar(out, '\0');
  AppendChar(out, static_cast<char>(128));
  AppendChar(out, '*');
  AppendChar(out, '\r');
  EXPECT_EQ(out, "A");
  EXPECT_TRUE(AppendText(out, "NAME \xC3\xA9", 16));
  EXPECT_FALSE(AppendText(out, "A,B", 16));
  EXPECT_FALSE(AppendText(out, "A\r\n", 16));
  char unterminated[4] = {'W', 'X', 'Y', 'Z'};
  EXPECT_TRUE(AppendText(out, unterminated, sizeof unterminated));
  EXPECT_EQ(out, "ANAME \xC3\xA9WXYZ");
}
