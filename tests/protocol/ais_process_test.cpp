// AIS sentences through the codec's single entry, as the receive path feeds them.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "protocol/Protocol.h"
#include "tests/protocol/ais_test_helpers.h"
#include "tests/support/recorded_traffic.h"

namespace {

// A sentence with its checksum and CR LF.
std::string Line(std::string body) {
  EXPECT_TRUE(AppendChecksum(body));
  return body;
}

class AisProcessTest : public ::testing::Test {
 protected:
  void SetUp() override { state->ais.clock = clock.Source(); }
  bool Feed(const std::string& line) { return ProcessSentence(*state, std::string_view(line)); }
  int Find(uint32_t mmsi) const {
    for (int i = 0; i < state->ais.targets.count; ++i) {
      if (state->ais.targets.slot[i].mmsi == mmsi) return i;
    }
    return -1;
  }

  FakeClock clock;
  std::unique_ptr<ProtocolState> state = std::make_unique<ProtocolState>();
  const std::string part1 =
      Line("!AIVDM,2,1,1,A,55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0NSQEp6ClRp8,0");
  const std::string part2 = Line("!AIVDM,2,2,1,A,88888888880,2");
};

TEST_F(AisProcessTest, SingleAndTwoSentenceMessagesReachTheTable) {
  EXPECT_TRUE(Feed(Line("!AIVDM,1,1,,B,177KQJ5000G?tO`K>RA1wUbN0TKH,0")));
  EXPECT_EQ(Find(477553000), 1);

  EXPECT_FALSE(Feed(part1));  // not complete yet: the line is not passed on
  EXPECT_TRUE(Feed(part2));
  const int slot = Find(351759000);
  ASSERT_EQ(slot, 2);
  EXPECT_STREQ(state->ais.targets.slot[slot].destination, "NEW YORK            ");
  EXPECT_EQ(state->ais.targets.slot[slot].vdmCount, 1u);
}

TEST_F(AisProcessTest, ParametricSentenceBetweenPiecesLosesTheMessage) {
  EXPECT_FALSE(Feed(part1));
  EXPECT_TRUE(Feed(Line("$GPRMC,213950.00,A,5250.53669,N,00542.34920,E,0.020,,070420,,,A")));
  EXPECT_FALSE(Feed(part2));  // an orphan now
  EXPECT_EQ(Find(351759000), -1);
}

TEST_F(AisProcessTest, RefusedLineBetweenPiecesLeavesTheMessage) {
  EXPECT_FALSE(Feed(part1));
  std::string bad = Line("$GPRMC,213950.00,A,5250.53669,N,00542.34920,E,0.020,,070420,,,A");
  bad[bad.size() - 3] = bad[bad.size() - 3] == '0' ? '1' : '0';  // wrong checksum
  EXPECT_FALSE(Feed(bad));
  EXPECT_TRUE(Feed(part2));
  EXPECT_GT(Find(351759000), 0);
}

TEST_F(AisProcessTest, OwnVesselVdoCountsOnSlotZero) {
  EXPECT_TRUE(Feed(Line("!AIVDO,1,1,,A,B52K>;h00Fc>jpUlNV@ikwpUoP06,0")));
  EXPECT_EQ(state->ais.targets.slot[0].mmsi, 338087471u);
  EXPECT_EQ(state->ais.targets.slot[0].vdoCount, 1u);
}

TEST_F(AisProcessTest, UndecodableMessagesAreNotPassedOn) {
  EXPECT_FALSE(Feed(Line("!AIVDM,1,1,,A,177KQJ5000G?tO`K>RA1wUbN0TKH,1")));  // fill bits 1
  EXPECT_FALSE(Feed(Line("!AIVDM,1,1,,A,177KQJ5000G?tO`K>RA1wUbN0TKx,0")));  // not armour
  EXPECT_FALSE(Feed(Line("!AIVDM,1,1,,A,K77KQJ5000G?tO`K>RA1wUbN0TKH,0")));  // type 27
  EXPECT_EQ(state->ais.targets.count, 1);
}

TEST_F(AisProcessTest, RecordedTrafficDecodesEveryMessage) {
  std::vector<std::string> lines;
  std::string error;
  ASSERT_TRUE(recorded::ReadLines(lines, error)) << error;
  int messages = 0;
  int passedOn = 0;
  for (const std::string& line : lines) {
    if (line.rfind("!AIVDM,1,1", 0) == 0 || line.rfind("!AIVDM,2,2", 0) == 0) ++messages;
    const bool ais = line.rfind("!AIVDM", 0) == 0;
    if (Feed(line + "\r\n") && ais) ++passedOn;
  }
  ASSERT_GT(messages, 100);
  EXPECT_EQ(passedOn, messages);
  uint32_t heard = 0;
  std::set<uint32_t> mmsis;
  for (int i = 0; i < state->ais.targets.count; ++i) {
    heard += state->ais.targets.slot[i].vdmCount;
    mmsis.insert(state->ais.targets.slot[i].mmsi);
  }
  EXPECT_EQ(heard, static_cast<uint32_t>(messages));
  EXPECT_EQ(mmsis.size(), static_cast<size_t>(state->ais.targets.count));  // one slot per station
}

}  // namespace
