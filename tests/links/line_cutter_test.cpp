// Cutting received bytes into lines: pieces joined, noise dropped, runs
// without LF bounded, and a consumer that ends the session mid-run.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "links/LineCutter.h"

namespace {

struct Collect {
  std::vector<std::string>* lines;
  bool operator()(std::string& line) {
    lines->push_back(line);
    return true;
  }
};

TEST(LineCutter, JoinsPiecesAndDropsNulAndCr) {
  LineCutter cutter;
  std::vector<std::string> lines;
  EXPECT_TRUE(cutter.Feed(std::string_view("$GP\0R", 5), Collect{&lines}));
  EXPECT_TRUE(cutter.Feed("MC\r\n\n!AI", Collect{&lines}));
  EXPECT_EQ(lines, (std::vector<std::string>{"$GPRMC", ""}));
  EXPECT_EQ(cutter.Partial(), "!AI");
}

TEST(LineCutter, ALongRunIsHandedOnAtTheLimitAndItsRestSkipped) {
  LineCutter cutter;
  std::vector<std::string> lines;
  const std::string run(LineCutter::kLimit + 300, 'A');
  cutter.Feed(run, Collect{&lines});
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], std::string(LineCutter::kLimit, 'A'));
  EXPECT_TRUE(cutter.Partial().empty());
  cutter.Feed("tail\n$NEXT\n", Collect{&lines});
  EXPECT_EQ(lines.back(), "$NEXT");
  EXPECT_EQ(lines.size(), 2u);
}

TEST(LineCutter, DropForgetsTheLineAndCanSkipToTheNextLf) {
  LineCutter cutter;
  std::vector<std::string> lines;
  cutter.Feed("$HALF", Collect{&lines});
  cutter.Drop(true);  // bytes went missing: the rest of this line is no line
  cutter.Feed("OTHER\n$WHOLE\n", Collect{&lines});
  EXPECT_EQ(lines, (std::vector<std::string>{"$WHOLE"}));

  cutter.Feed("$OLD", Collect{&lines});
  cutter.Drop();
  cutter.Feed("$NEW\n", Collect{&lines});
  EXPECT_EQ(lines.back(), "$NEW");
}

TEST(LineCutter, AConsumerThatStopsLeavesTheRestUnreadAndMayStartAfresh) {
  LineCutter cutter;
  std::vector<std::string> lines;
  // The consumer ends the session at the first line, clearing the cutter.
  EXPECT_FALSE(cutter.Feed("$ONE\n$TWO\n$THR", [&](std::string& line) {
    lines.push_back(line);
    cutter.Drop();
    return false;
  }));
  EXPECT_EQ(lines, (std::vector<std::string>{"$ONE"}));
  EXPECT_TRUE(cutter.Partial().empty());

  // At the limit the skip is armed before the consumer runs: a consumer that
  // starts a new session disarms it, and the next bytes start a line.
  lines.clear();
  cutter.Feed(std::string(LineCutter::kLimit, 'B') + "tail", [&](std::string& line) {
    lines.push_back(line);
    cutter.Drop();
    return false;
  });
  cutter.Feed("$FRESH\n", Collect{&lines});
  EXPECT_EQ(lines.back(), "$FRESH");
}

}  // namespace
