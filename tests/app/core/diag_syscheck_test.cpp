#include <gtest/gtest.h>

#include "app/core/SysCheck.h"
#include "app/core/SysCheckCounters.h"

TEST(AisReportCounters, ChannelsCountAsTheDeviceReportsThem) {
  AisReportCounts c;
  CountAisReports(c, "VDM", 'A');
  CountAisReports(c, "VDM", 'B');
  CountAisReports(c, "VDM", static_cast<char>(128));  // empty channel
  CountAisReports(c, "VDM", '1');
  CountAisReports(c, "VDO", 'A');
  CountAisReports(c, "VDO", 'x');  // empty channel of a VDO
  CountAisReports(c, "VDO", 'B');
  CountAisReports(c, "VDO", 'B');
  EXPECT_EQ(c.rxA, 1u);
  EXPECT_EQ(c.rxB, 3u);
  EXPECT_EQ(c.txA, 1u);
  EXPECT_EQ(c.txB, 2u);
  EXPECT_EQ(c.lastRxChannel, '1');
  EXPECT_EQ(c.lastTxChannel, 'B');
}

TEST(SystemCheck, NothingKnownFailsEveryItem) {
  SysCheckView v = ComputeSystemCheck({});
  EXPECT_EQ(v.fwVer, "---------");
  EXPECT_EQ(v.prodSn, "---------");
  EXPECT_EQ(v.mmsi, "000000000");
  EXPECT_EQ(v.gps, "Lost");
  EXPECT_EQ(v.txCntA, "0");
  EXPECT_EQ(v.rxCntB, "0");
  for (bool p : v.passed) EXPECT_FALSE(p);
}

TEST(SystemCheck, ItemsPassFromTheirOwnSources) {
  SysCheckInputs in;
  in.firmwareSeen = true;
  in.firmwareText = "V1.2.3";
  in.serialSeen = true;
  in.serialText = "SN0001";
  in.ownMmsi = 123456789;
  in.ownLon = 5.8f;
  in.ownLat = 52.8f;
  in.ownTimeStampValid = true;
  in.counters.txB = 1;
  in.counters.rxA = 4000000000u;
  in.counters.rxB = 4000000000u;
  SysCheckView v = ComputeSystemCheck(in);
  EXPECT_EQ(v.fwVer, "V1.2.3");
  EXPECT_EQ(v.prodSn, "SN0001");
  EXPECT_EQ(v.mmsi, " 123456789");
  EXPECT_EQ(v.gps, "Fixed");
  EXPECT_EQ(v.txCntB, "1");
  EXPECT_EQ(v.rxCntA, "4000000000");
  for (bool p : v.passed) EXPECT_TRUE(p);

  // The programmed MMSI of the dump comes before the own-vessel one.
  in.mmsiProgrammed = true;
  in.deviceMmsi = 2000;
  EXPECT_EQ(ComputeSystemCheck(in).mmsi, " 000002000");

  // A position without a valid time stamp is no fix; neither is the missing marker.
  in.ownTimeStampValid = false;
  EXPECT_FALSE(ComputeSystemCheck(in).passed[kCheckGps]);
  in.ownTimeStampValid = true;
  in.ownLon = 181.0f;
  EXPECT_EQ(ComputeSystemCheck(in).gps, "Lost");
  in.ownLon = -180.0f;
  in.ownLat = -90.05f;
  EXPECT_EQ(ComputeSystemCheck(in).gps, "Fixed");
}
