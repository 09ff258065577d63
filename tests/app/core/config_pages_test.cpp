#include <gtest/gtest.h>

#include <memory>

#include "app/core/ConfigPages.h"
#include "app/core/ConfigRecords.h"
#include "protocol/Protocol.h"

namespace {

using Lines = std::vector<std::string>;

std::string L(const char* withChecksum) { return std::string(withChecksum) + "\r\n"; }

StaticPageValues EditedStaticPage() {
  StaticPageValues page;
  page.mmsiText = "211000001";
  page.name = "SEA STAR";
  page.callSign = "AB1234";
  page.shipTypeRow = 19;  // 70 = Cargo ship
  page.dimA = 10;
  page.dimB = 20;
  page.dimC = 5;
  page.dimD = 5;
  return page;
}

TEST(StaticDataWrite, ExactSentencesFromTheRecords) {
  auto state = std::make_unique<ProtocolState>();
  auto plan = PlanStaticDataWrite(EditedStaticPage());
  ASSERT_TRUE(std::holds_alternative<StaticDataWrite>(plan));
  auto lines = BuildStaticDataLines(*state, std::get<StaticDataWrite>(plan));
  ASSERT_TRUE(lines);
  EXPECT_EQ(*lines,
            (Lines{L("$PMID,211000001,000000000*13"), L("$ECSSD,AB1234,SEA STAR,10,20,5,5,0,AI*1D"),
                   L("$ECSSD,AB1234,SEA STAR,10,20,5,5,0,GP*02"),
                   L("$ECVSD,70,00.0,0,,000000.00,00,00,0,*5C")}));
  EXPECT_EQ(state->proprietary.midIdentity1, 211000001u);
  EXPECT_EQ(state->aisData.regionalFlags, 16);
}

TEST(StaticDataWrite, ProgrammedMmsiIsNeitherSentNorChecked) {
  auto state = std::make_unique<ProtocolState>();
  StaticPageValues page = EditedStaticPage();
  page.mmsiEditable = false;
  page.mmsiText = "999999999";  // what an empty received MID leaves
  state->proprietary.midIdentity1 = 999999999;
  auto plan = PlanStaticDataWrite(page);
  ASSERT_TRUE(std::holds_alternative<StaticDataWrite>(plan));
  auto lines = BuildStaticDataLines(*state, std::get<StaticDataWrite>(plan));
  ASSERT_TRUE(lines);
  ASSERT_EQ(lines->size(), 3u);
  EXPECT_EQ((*lines)[0].substr(0, 6), "$ECSSD");
  EXPECT_EQ((*lines)[2].substr(0, 6), "$ECVSD");
}

TEST(StaticDataWrite, Refusals) {
  auto refusal = [](const StaticPageValues& page) {
    auto plan = PlanStaticDataWrite(page);
    return std::holds_alternative<ConfigRefusal>(plan) ? std::get<ConfigRefusal>(plan).text
                                                       : std::string();
  };
  StaticPageValues page = EditedStaticPage();
  page.mmsiText = "21100000";
  EXPECT_EQ(refusal(page), "MMSI Setting Failure");
  page.mmsiText = "21100000A";
  EXPECT_EQ(refusal(page), "MMSI Setting Failure");
  page.mmsiText = "999999999";
  EXPECT_EQ(refusal(page), "MMSI Setting Failure");
  page.mmsiText = "999999998";
  EXPECT_EQ(refusal(page), "");

  page = EditedStaticPage();
  page.name = "SEA,STAR";
  EXPECT_NE(refusal(page).find("Ship Name"), std::string::npos);
  page = EditedStaticPage();
  page.callSign = "AB*1";
  EXPECT_NE(refusal(page).find("Call Sign"), std::string::npos);
  page = EditedStaticPage();
  page.shipTypeRow = -1;
  EXPECT_FALSE(refusal(page).empty());
}

TEST(StaticDataWrite, UnknownReportedShipTypeIsWrittenBack) {
  auto state = std::make_unique<ProtocolState>();
  StaticPageValues page = EditedStaticPage();
  page.shipTypeRow = 0;
  page.keptShipType = 99;
  auto lines = BuildStaticDataLines(*state, std::get<StaticDataWrite>(PlanStaticDataWrite(page)));
  ASSERT_TRUE(lines);
  EXPECT_EQ(lines->back(), L("$ECVSD,99,00.0,0,,000000.00,00,00,0,*5B"));
}

TEST(BaudRateWrite, DeviceTypes) {
  auto state = std::make_unique<ProtocolState>();
  auto dbg = [&](BaudRatePageValues page) {
    auto plan = PlanBaudRateWrite(page);
    return std::holds_alternative<DbgEntries>(plan)
               ? BuildDbgLine(*state, std::get<DbgEntries>(plan)).value_or("")
               : std::string();
  };
  EXPECT_EQ(dbg({{0, 1, 2, 0}, 2}), L("$PDBG,040,2,042,5,038,6,039,2*11"));
  EXPECT_EQ(dbg({{0, 1, 0, 0}, 0}), L("$PDBG,040,0,042,2,,,,*11"));
  auto entries = [](BaudRatePageValues page) {
    return std::get<DbgEntries>(PlanBaudRateWrite(page));
  };
  DbgEntries e = entries({{2, 1, 2, 0}, 1});
  EXPECT_EQ(e[0].id, 40);
  EXPECT_EQ(e[0].value, 2);  // raw index, no table
  EXPECT_EQ(e[1].id, 38);
  EXPECT_EQ(e[1].value, 4);
  EXPECT_EQ(e[2].id, 39);
  EXPECT_EQ(e[2].value, 5);
  EXPECT_EQ(e[3].id, 999);
  e = entries({{1, 2, 1, 2}, 3});
  EXPECT_EQ(e[2].id, 38);
  EXPECT_EQ(e[2].value, 5);
  EXPECT_EQ(e[3].id, 999);
  e = entries({{1, 2, 1, 2}, 4});
  EXPECT_EQ(e[1].value, 6);
  EXPECT_EQ(e[2].id, 999);
}

TEST(BaudRateWrite, UnselectedListAndUnknownType) {
  auto plan = PlanBaudRateWrite({{0, -1, -1, 0}, 2});
  ASSERT_TRUE(std::holds_alternative<BaudListUnselected>(plan));
  EXPECT_EQ(std::get<BaudListUnselected>(plan).list, 1);
  plan = PlanBaudRateWrite({{0, 0, 0, 0}, 5});
  ASSERT_TRUE(std::holds_alternative<ConfigRefusal>(plan));
  EXPECT_EQ(std::get<ConfigRefusal>(plan).text, "Unknown device type! The setting is abort!");
  EXPECT_EQ(std::get<ConfigRefusal>(plan).caption, "Warning");
}

TEST(SrmWrite, NoTextCanBreakTheSentence) {
  // Every byte that could break the sentence is escaped: nothing but the
  // final '*' and the CR LF, and a single '$'.
  std::string line = PlanSrmButtonTextWrite("$*!,\\^~\r\n");
  EXPECT_EQ(line.find('*'), line.size() - 5);
  EXPECT_EQ(line.rfind('$'), 0u);
  EXPECT_TRUE(VerifyChecksum(line));
}

TEST(EncryptionWrite, AddressMmsiMustHaveNineDigits) {
  EncryptionPageValues page;
  page.addressMmsi = "12345";
  uint32_t sequence = 4;
  auto plan = PlanEncryptionWrite(page, sequence);
  ASSERT_TRUE(std::holds_alternative<ConfigRefusal>(plan));
  EXPECT_EQ(sequence, 4u);
  page.addressMode = false;  // not sent, so not checked
  EXPECT_TRUE(std::holds_alternative<Lines>(PlanEncryptionWrite(page, sequence)));
}

}  // namespace
