// The simulator program's command line.
#include <gtest/gtest.h>

#include "tools/transponder-sim/SimOptions.h"

namespace {

SimOptions Parsed(const std::vector<std::string>& args) {
  SimOptions o;
  std::string error;
  EXPECT_TRUE(ParseSimOptions(args, o, error)) << error;
  return o;
}

std::string Refusal(const std::vector<std::string>& args) {
  SimOptions o;
  std::string error;
  EXPECT_FALSE(ParseSimOptions(args, o, error));
  return error;
}

TEST(SimOptions, EveryWiFiFaultHasASwitch) {
  const WifiModuleSim::Faults none;
  const SimOptions o = Parsed(
      {"--wifi-never-ok", "--wifi-silent", "--wifi-lose-reply", "AT+VER", "--wifi-stray-before",
       "AT+APSSID=?", "--wifi-slow-link", "3", "--wifi-scan-count", "101", "--wifi-quoted-names",
       "--wifi-malformed-scan", "--wifi-firmware", "2.00", "--wifi-dhcp-address", "10.1.2.3"});
  const WifiModuleSim::Faults& w = o.wifiFaults;
  EXPECT_TRUE(w.neverOk);
  EXPECT_TRUE(w.silent);
  EXPECT_EQ(w.loseReplyTo, "AT+VER");
  EXPECT_EQ(w.strayBefore, "AT+APSSID=?");
  EXPECT_EQ(w.slowLinkPolls, 3);
  EXPECT_EQ(w.scanCount, 101);
  EXPECT_TRUE(w.quotedScanFields);
  EXPECT_TRUE(w.malformedScanFields);
  EXPECT_EQ(w.firmware, "2.00");
  EXPECT_EQ(w.dhcpAddress, "10.1.2.3");
  // Nothing given, nothing changed; and the transponder's own faults are apart.
  const SimOptions plain = Parsed({"--silent"});
  EXPECT_TRUE(plain.faults.silent);
  EXPECT_FALSE(plain.wifiFaults.silent);
  EXPECT_EQ(plain.wifiFaults.scanCount, none.scanCount);
  EXPECT_EQ(plain.wifiFaults.firmware, none.firmware);
  EXPECT_EQ(plain.wifiFaults.dhcpAddress, none.dhcpAddress);
  EXPECT_FALSE(o.faults.silent);
}

TEST(SimOptions, HelpListsEveryWiFiSwitch) {
  EXPECT_TRUE(Parsed({"--help"}).help);
  EXPECT_TRUE(Parsed({"-h"}).help);
  const std::string usage = SimUsage();
  for (const char* s :
       {"--wifi-never-ok", "--wifi-silent", "--wifi-lose-reply CMD", "--wifi-stray-before CMD",
        "--wifi-slow-link N", "--wifi-scan-count N", "--wifi-quoted-names", "--wifi-malformed-scan",
        "--wifi-firmware VER", "--wifi-dhcp-address A"})
    EXPECT_NE(usage.find(std::string("  ") + s + " "), std::string::npos) << s;
}

TEST(SimOptions, BadValuesAreRefused) {
  EXPECT_EQ(Refusal({"--wifi-lose-reply"}), "--wifi-lose-reply needs a command");
  EXPECT_EQ(Refusal({"--wifi-stray-before", ""}), "--wifi-stray-before needs a command");
  EXPECT_EQ(Refusal({"--wifi-scan-count", "1001"}),
            "bad a network count for --wifi-scan-count: 1001");
  EXPECT_EQ(Refusal({"--wifi-scan-count", "-1"}), "bad a network count for --wifi-scan-count: -1");
  EXPECT_EQ(Refusal({"--wifi-slow-link", "2x"}), "bad a query count for --wifi-slow-link: 2x");
  EXPECT_EQ(Refusal({"--wifi-firmware"}), "--wifi-firmware needs a version");
  EXPECT_EQ(Refusal({"--wifi-fast"}), "unknown option --wifi-fast");
  EXPECT_EQ(Refusal({"--tcp", "70000"}), "bad a port for --tcp: 70000");
  EXPECT_EQ(Refusal({"--tcp", "3333", "--link", "/tmp/x"}),
            "--link is for the pseudo-terminal, not with --tcp");
}

TEST(SimOptions, ServingAndTrafficSwitches) {
  const SimOptions o =
      Parsed({"--tcp", "3333", "--log", "sim.log", "--mmsi", "211000001", "--slow", "5",
              "--drop-after", "100", "--fleet", "400", "--line-rate", "115200", "--garbage"});
  EXPECT_EQ(o.tcpPort, 3333);
  EXPECT_EQ(o.logPath, "sim.log");
  EXPECT_EQ(o.mmsi, 211000001);
  EXPECT_EQ(o.faults.slowDelayMs, 5);
  EXPECT_EQ(o.faults.dropAfterBytes, 100);
  EXPECT_EQ(o.fleet, 400);
  EXPECT_EQ(o.lineRate, 115200);
  EXPECT_TRUE(o.faults.garbage);
  EXPECT_EQ(Parsed({"--link", "/tmp/kvor-sim"}).link, "/tmp/kvor-sim");
}

}  // namespace
