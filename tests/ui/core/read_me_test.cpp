#include "ui/core/ReadMe.h"

#include <gtest/gtest.h>

#include "ui/core/Utf8.h"

using Lines = std::vector<std::string>;

TEST(ReadMe, SplitsLinesAndLongLines) {
  EXPECT_EQ(SplitReadMe(""), Lines{});
  EXPECT_EQ(SplitReadMe("a\r\nb\n\nc"), (Lines{"a", "b", "", "c"}));
  EXPECT_EQ(SplitReadMe("a\n"), Lines{"a"});
  const Lines l = SplitReadMe(std::string(1200, 'x') + "\r\nend\r\n");
  ASSERT_EQ(l.size(), 4u);
  EXPECT_EQ(l[0].size(), 499u);
  EXPECT_EQ(l[1].size(), 499u);
  EXPECT_EQ(l[2].size(), 202u);
  EXPECT_EQ(l[3], "end");
  // Exactly the limit: one memo line, no empty one after it.
  EXPECT_EQ(SplitReadMe(std::string(499, 'y') + "\n").size(), 1u);
}

TEST(ReadMe, LimitCountsCharactersNotBytes) {
  std::string cjk;
  for (int i = 0; i < 600; ++i) cjk += "說";
  const Lines l = SplitReadMe(cjk);
  ASSERT_EQ(l.size(), 2u);
  EXPECT_EQ(utf8::CountChars(l[0]), 499u);
  EXPECT_EQ(utf8::CountChars(l[1]), 101u);
  EXPECT_TRUE(utf8::IsValid(l[0]) && utf8::IsValid(l[1]));
}
