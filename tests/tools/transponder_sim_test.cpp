#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>

#include "protocol/Protocol.h"
#include "tools/transponder-sim/TransponderSim.h"

namespace {

std::string Sentence(const std::string& body) { return TransponderSim::WithChecksum(body); }

std::string Joined(const std::vector<std::string>& lines) {
  std::string s;
  for (auto& l : lines) s += l;
  return s;
}

bool Has(const std::vector<std::string>& lines, const std::string& text) {
  for (auto& l : lines)
    if (l.find(text) != std::string::npos) return true;
  return false;
}

TEST(TransponderSim, TestCommandGetsTheWholeDump) {
  TransponderSim sim;
  sim.state.mmsi = 2000;
  auto dump = sim.HandleLine(Sentence("$PTST,,,,,00016"));
  ASSERT_FALSE(dump.empty());
  EXPECT_EQ(dump.back(), "[DEVICE DATA END]\r\n");
  for (const char* key :
       {"[FwVersion]=", "[GPS_OnOff]=1",
        "[GPS_RI]=", "[MultipleBaudRate]=", "[GPS_NAV5_dynModel]=", "4 SRM box:(4)",
        "[SYSTEM DATA END]", "MMSI:(000002000)", "Name:(SIM VESSEL)", "Call Sign:(SIM1234)\r\n",
        "Ship Cargo Type:(37) A:(10) B:(4) C:(2) D:(3)", "DSC Monitor:(1)",
        "NMEA_TX=(38400) NMEA_RX=(38400)", "S/N:(SIM00012345)\r\n", "Firmware:SIM-B1 V1.0.0\r\n"})
    EXPECT_TRUE(Has(dump, key)) << key;
  // Keys that are sought from the fifth character on are not at the start.
  for (auto& l : dump) {
    EXPECT_LE(l.size(), 84u) << l;
    EXPECT_NE(l.rfind("Name:(", 0), 0u);
    EXPECT_NE(l.rfind("DSC Monitor:(", 0), 0u);
  }
  EXPECT_EQ(sim.HandleLine(Sentence("$PTST,,,,,00017")), dump);  // Read Device
  EXPECT_EQ(sim.TakeOutput(), Joined(dump) + Joined(dump));
  EXPECT_EQ(sim.ReceivedLines().size(), 2u);
}

TEST(TransponderSim, ConfigurationQueriesAreAnswered) {
  TransponderSim sim;
  sim.state.srmTexts[1] = "A,B";
  auto srm = sim.HandleLine(Sentence("$PKVR,Q,CFG,30,0,0,"));
  ASSERT_EQ(srm.size(), 6u);
  for (auto& l : srm) EXPECT_TRUE(VerifyChecksum(l)) << l;
  EXPECT_EQ(srm[0].substr(0, srm[0].find('*')), "$PKVR,R,CFG,30,1,1,");
  EXPECT_EQ(srm[2].substr(0, srm[2].find('*')), "$PKVR,R,CFG,30,5,1,A^2CB");
  EXPECT_EQ(srm[5].substr(0, srm[5].find('*')), "$PKVR,R,CFG,30,3,14,MAYDAY");

  auto options = sim.HandleLine(Sentence("$PKVR,Q,CFG,108,3,0,"));
  EXPECT_EQ(options.size(), 7u);
  EXPECT_TRUE(Has(options, "$PKVR,R,CFG,108,109,1,*"));
  EXPECT_TRUE(Has(options, "$PKVR,R,CFG,108,6,0,*"));  // ALR on
  auto rates = sim.HandleLine(Sentence("$PKVR,Q,CFG,183,0,0,"));
  EXPECT_EQ(rates.size(), 4u);
  EXPECT_TRUE(Has(rates, "$PKVR,R,CFG,183,21,2,*"));

  auto vsd = sim.HandleLine("$AIAIQ,VSD*3C");
  ASSERT_EQ(vsd.size(), 1u);
  EXPECT_EQ(vsd[0].substr(0, vsd[0].find('*')), "$AIVSD,37,02.1,4,HOME PORT,,,,0,0");
  auto ssd = sim.HandleLine("$AIAIQ,SSD*39");
  ASSERT_EQ(ssd.size(), 1u);
  EXPECT_EQ(ssd[0].substr(0, ssd[0].find('*')), "$AISSD,SIM1234,SIM VESSEL,10,4,2,3,0,AI");

  // A query with a wrong checksum is not taken.
  EXPECT_TRUE(sim.HandleLine("$AIAIQ,SSD*38").empty());
  EXPECT_TRUE(sim.HandleLine("$AIAIQ,SSD").empty());
}

TEST(TransponderSim, WritesChangeWhatTheNextReadShows) {
  TransponderSim sim;
  sim.HandleLine(Sentence("$PMID,211000001,999999999"));
  sim.HandleLine(Sentence("$ECSSD,DJ1234,SEA STAR,20,5,3,4,,AI"));
  sim.HandleLine(Sentence("$ECVSD,70,,,,,,,,16"));
  sim.HandleLine(Sentence("$PKVR,C,CFG,30,5,2,HELP ^2C NOW"));
  sim.HandleLine(Sentence("$PKVR,C,CFG,30,3,14,SOS"));
  sim.HandleLine(Sentence("$PKVR,C,CFG,108,3,1,"));
  sim.HandleLine(Sentence("$PKVR,C,CFG,108,4,1,"));
  sim.HandleLine(Sentence("$PKVR,C,CFG,108,5,244123456,"));
  sim.HandleLine(Sentence("$PKVR,C,CFG,108,6,1,"));
  sim.HandleLine(Sentence("$PDBG,101,0,050,2,051,5,703,4"));
  sim.HandleLine(Sentence("$PDBG,040,5,042,6,038,5,039,6"));
  sim.HandleLine(Sentence("$AICEK,1,1,0,211000001,4142,C"));
  EXPECT_TRUE(sim.TakeOutput().empty());  // writes get no answer

  auto dump = sim.HandleLine(Sentence("$PTST,,,,,00017"));
  EXPECT_TRUE(Has(dump, "MMSI:(211000001)"));
  EXPECT_TRUE(Has(dump, "Name:(SEA STAR)"));
  EXPECT_TRUE(Has(dump, "Call Sign:(DJ1234)"));
  EXPECT_TRUE(Has(dump, "Ship Cargo Type:(70) A:(20) B:(5) C:(3) D:(4)"));
  EXPECT_TRUE(Has(dump, "DSC Monitor:(0)"));
  EXPECT_TRUE(Has(dump, "[GPS_RI]=5"));
  EXPECT_TRUE(Has(dump, "[GPS_NAV5_dynModel]=4"));
  EXPECT_TRUE(Has(dump, "NMEA_TX=(9600) NMEA_RX=(4800)"));

  auto srm = sim.HandleLine(Sentence("$PKVR,Q,CFG,30,0,0,"));
  EXPECT_TRUE(Has(srm, "$PKVR,R,CFG,30,5,2,HELP ^2C NOW*"));
  EXPECT_EQ(sim.state.srmTexts[2], "HELP , NOW");
  EXPECT_TRUE(Has(srm, "$PKVR,R,CFG,30,3,14,SOS*"));
  auto options = sim.HandleLine(Sentence("$PKVR,Q,CFG,108,3,0,"));
  EXPECT_TRUE(Has(options, "$PKVR,R,CFG,108,3,1,*"));
  EXPECT_TRUE(Has(options, "$PKVR,R,CFG,108,4,1,*"));
  EXPECT_TRUE(Has(options, "$PKVR,R,CFG,108,5,244123456,*"));
  EXPECT_TRUE(Has(options, "$PKVR,R,CFG,108,6,1,*"));
  auto rates = sim.HandleLine(Sentence("$PKVR,Q,CFG,183,0,0,"));
  EXPECT_TRUE(Has(rates, "183,10,6,"));
  EXPECT_TRUE(Has(rates, "183,11,5,"));
  EXPECT_TRUE(Has(rates, "183,20,6,"));
  EXPECT_TRUE(Has(rates, "183,21,5,"));
  auto cek = sim.HandleLine(Sentence("$AIAIQ,CEK"));
  ASSERT_EQ(cek.size(), 1u);
  EXPECT_EQ(cek[0].substr(0, cek[0].find('*')),
            "$AICEK,1,1,0,211000001,00000000000000000000000000004142,R");
  EXPECT_TRUE(Has(sim.HandleLine("$AIAIQ,VSD*3C"), "$AIVSD,70,"));

  // A programmed MMSI stays.
  sim.HandleLine(Sentence("$PMID,366000002,999999999"));
  EXPECT_EQ(sim.state.mmsi, 211000001u);
}

struct RecordingModule : PassThroughHandler {
  std::vector<std::string> lines;
  std::vector<std::string> OnLine(const std::string& line) override {
    lines.push_back(line);
    return {line, "+ok"};
  }
};

TEST(TransponderSim, PassThroughHandsLinesToTheModule) {
  TransponderSim sim;
  auto module = std::make_shared<RecordingModule>();
  sim.passThroughHandler = module;
  EXPECT_TRUE(sim.HandleLine("$PDBG,163,1,,,,,,*14").empty());
  ASSERT_TRUE(sim.state.passThrough);
  EXPECT_EQ(sim.HandleLine("AT+WMODE"), (std::vector<std::string>{"AT+WMODE\r\n", "+ok\r\n"}));
  EXPECT_TRUE(sim.Tick().empty());  // the stream would break the module's replies
  sim.HandleLine("$PDBG,163,0,,,,,,*15");
  EXPECT_FALSE(sim.state.passThrough);
  EXPECT_EQ(module->lines, std::vector<std::string>{"AT+WMODE"});
  EXPECT_FALSE(sim.Tick().empty());
}

TEST(TransponderSim, FaultSwitches) {
  TransponderSim sim;
  const std::string tst = Sentence("$PTST,,,,,00016");
  sim.faults.noDumpEnd = true;
  auto dump = sim.HandleLine(tst);
  EXPECT_FALSE(dump.empty());
  EXPECT_FALSE(Has(dump, "[DEVICE DATA END]"));

  sim.faults = {};
  sim.faults.loseReplies = true;
  EXPECT_TRUE(sim.HandleLine(tst).empty());
  EXPECT_TRUE(sim.HandleLine("$AIAIQ,SSD*39").empty());
  EXPECT_FALSE(sim.Tick().empty());

  sim.faults = {};
  sim.faults.silent = true;
  EXPECT_TRUE(sim.HandleLine(tst).empty());
  EXPECT_TRUE(sim.Tick().empty());
  sim.HandleLine(Sentence("$PKVR,C,CFG,108,3,1,"));  // still heard and logged
  EXPECT_EQ(sim.ReceivedLines().back(), Sentence("$PKVR,C,CFG,108,3,1,").substr(0, 23));

  sim.faults = {};
  sim.faults.badChecksums = true;
  for (auto& l : sim.Tick()) EXPECT_FALSE(VerifyChecksum(l)) << l;
  for (auto& l : sim.HandleLine(Sentence("$PKVR,Q,CFG,108,3,0,")))
    EXPECT_FALSE(VerifyChecksum(l)) << l;

  sim.faults = {};
  sim.faults.garbage = true;
  sim.faults.overlongLines = true;
  auto stream = sim.Tick();
  bool longLine = false, noise = false;
  for (auto& l : stream) {
    if (l.size() > 150) longLine = true;
    if (l[0] != '$' && l[0] != '!') noise = true;
  }
  EXPECT_TRUE(longLine);
  EXPECT_TRUE(noise);
}

TEST(TransponderSim, ReceivedBytesAreSplitIntoLines) {
  TransponderSim sim;
  const std::string q = "$AIAIQ,SSD*39\r\n";
  sim.Receive(q.substr(0, 5));
  EXPECT_TRUE(sim.ReceivedLines().empty());
  sim.Receive(q.substr(5) + std::string("\0", 1) + "$AIAIQ,VSD*3C\r\n");
  ASSERT_EQ(sim.ReceivedLines().size(), 2u);
  EXPECT_EQ(sim.ReceivedLines()[1], "$AIAIQ,VSD*3C");
  EXPECT_NE(sim.TakeOutput().find("$AIVSD"), std::string::npos);
  // An endless run without LF is cut, not kept whole.
  sim.Receive(std::string(100000, 'x') + "\n");
  EXPECT_LE(sim.ReceivedLines().back().size(), 1024u);
}

TEST(TransponderSim, StreamIsAValidGpsCycleAndAisTraffic) {
  TransponderSim sim;
  sim.state.mmsi = 211000001;
  ProtocolState protocol;
  std::map<std::string, int> formatters;
  for (int second = 0; second < 12; ++second) {
    auto lines = sim.Tick();
    int gsv = 0;
    for (auto& l : lines) {
      EXPECT_TRUE(VerifyChecksum(l)) << l;
      EXPECT_LE(l.size(), 82u) << l;
      ++formatters[l.substr(3, 3)];
      if (l.compare(3, 3, "GSV") == 0) ++gsv;
      std::string copy = l;
      ProcessSentence(protocol, copy);
    }
    EXPECT_EQ(gsv, 3);
  }
  EXPECT_EQ(formatters["RMC"], 12);
  EXPECT_EQ(formatters["GGA"], 12);
  EXPECT_EQ(formatters["GSA"], 12);
  EXPECT_EQ(formatters["VDO"], 4);
  EXPECT_GE(formatters["VDM"], 12);

  // The decoder reads the payloads: every vessel with its position, one
  // with its name, and the own vessel in slot 0.
  const auto& t = protocol.ais.targets;
  EXPECT_EQ(t.slot[0].mmsi, 211000001u);
  EXPECT_NEAR(t.slot[0].latitude, sim.state.lat, 0.01);
  std::map<uint32_t, const AIS_TARGET_STRUCT*> seen;
  for (int i = 1; i < t.count; ++i) seen[t.slot[i].mmsi] = &t.slot[i];
  ASSERT_EQ(seen.size(), 3u);
  ASSERT_TRUE(seen.count(416123456));
  EXPECT_NEAR(seen[416123456]->latitude, 25.06, 0.01);
  EXPECT_NEAR(seen[416123456]->longitude, 121.58, 0.01);
  EXPECT_NEAR(seen[416123456]->sog, 12.3, 0.05);
  ASSERT_TRUE(seen.count(416987654));
  EXPECT_EQ(std::string(seen[416987654]->name).rfind("SEA BREEZE", 0), 0u);

  EXPECT_EQ(protocol.gnss.fixMode, 3);
  EXPECT_EQ(protocol.gnss.satellitesInView, 10);
  EXPECT_TRUE(protocol.gnss.positionValid);
  EXPECT_NEAR(protocol.gnss.latitude, sim.state.lat, 0.001);
}

}  // namespace
