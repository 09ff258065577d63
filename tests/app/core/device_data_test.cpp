#include <gtest/gtest.h>

#include <cstring>

#include "app/core/CfgReply.h"
#include "app/core/DeviceData.h"
#include "protocol/Protocol.h"

namespace {

std::string Signed(std::string body) {
  EXPECT_TRUE(AppendChecksum(body));
  return body;
}

TEST(DeviceData, ValuesAreCutToTheirFieldAndNeedTheirTerminator) {
  DEVICE_INFO_STRUCT info;
  ParseDeviceData("Ship Name:(" + std::string(60, 'N') + ")\r\n", info);
  EXPECT_EQ(std::strlen(info.name), sizeof info.name - 1);
  ParseDeviceData("Call Sign:(" + std::string(40, 'C') + ")\r\n", info);
  EXPECT_EQ(std::strlen(info.callSign), sizeof info.callSign - 1);
  ParseDeviceData("Firmware:" + std::string(70, 'F') + "\r\n", info);
  EXPECT_EQ(std::strlen(info.firmwareText), sizeof info.firmwareText - 1);
  ParseDeviceData("S/N:(" + std::string(70, 'S') + ")\r\n", info);
  EXPECT_EQ(std::strlen(info.serialNumber), sizeof info.serialNumber - 1);
  // No closing text: the old value is gone and nothing is read past the line.
  ParseDeviceData("Ship Name:(HALF", info);
  EXPECT_STREQ(info.name, "");
  ParseDeviceData("Call Sign:(XY)", info);  // no CR LF after ')'
  EXPECT_STREQ(info.callSign, "");
  // The name key counts from the fifth character on.
  ParseDeviceData("Name:(EARLY)\r\n", info);
  EXPECT_STREQ(info.name, "");
}

TEST(DeviceData, ShipTypeAndDimensions) {
  DEVICE_INFO_STRUCT info;
  auto u = ParseDeviceData("Ship Cargo Type:(70) A:(10) B:(20) C:(5) D:(5)\r\n", info);
  EXPECT_TRUE(u.shipCargo);
  EXPECT_EQ(u.shipTypeRow, 19);
  EXPECT_EQ(info.shipCargoType, 70);
  EXPECT_EQ(info.dimA, 10);
  EXPECT_EQ(info.dimB, 20);
  EXPECT_EQ(info.dimC, 5);
  EXPECT_EQ(info.dimD, 5);
  u = ParseDeviceData("Ship Cargo Type:(99) B:(7)\r\n", info);
  EXPECT_EQ(u.shipTypeRow, -1);
  EXPECT_EQ(info.dimA, 10);  // a missing key leaves its value
  EXPECT_EQ(info.dimB, 7);
}

TEST(DeviceData, MmsiIsUnsigned) {
  DEVICE_INFO_STRUCT info;
  ParseDeviceData("MMSI:(3381581370)\r\n", info);
  EXPECT_EQ(info.mmsi, 3381581370u);
  EXPECT_TRUE(info.checkFlags[2]);
  ParseDeviceData("MMSI:(0)\r\n", info);
  EXPECT_EQ(info.mmsi, 0u);
  EXPECT_FALSE(info.checkFlags[2]);
}

TEST(DeviceData, ListSelections) {
  DEVICE_INFO_STRUCT info;
  auto u = ParseDeviceData("NMEA_TX=(4800) NMEA_RX=(38400)\r\n", info);
  EXPECT_EQ(u.nmeaNo2Index, 0);
  EXPECT_EQ(u.nmeaNo3Index, 2);
  u = ParseDeviceData("NMEA_TX=(9600) NMEA_RX=(115200)\r\n", info);
  EXPECT_EQ(u.nmeaNo3Index, 1);
  EXPECT_EQ(u.nmeaNo2Index, 0);  // no such entry

  EXPECT_EQ(ParseDeviceData("02. DSC Monitor:(1)\r\n", info).dscMonitorIndex, 1);
  EXPECT_EQ(ParseDeviceData("02. DSC Monitor:(0)\r\n", info).dscMonitorIndex, 0);

  EXPECT_EQ(ParseDeviceData("[GPS_RI]=5\r\n", info).gpsOutputIndex, 0);  // output still off
  ParseDeviceData("[GPS_OnOff]=1\r\n", info);
  EXPECT_EQ(info.gpsOutputOn, 1);
  EXPECT_EQ(ParseDeviceData("[GPS_RI]=5\r\n", info).gpsOutputIndex, 5);
  EXPECT_EQ(info.gpsReportInterval, 5);
  EXPECT_EQ(ParseDeviceData("[GPS_RI]=11\r\n", info).gpsOutputIndex, std::nullopt);
  EXPECT_EQ(ParseDeviceData("[GPS_RI]=-1\r\n", info).gpsOutputIndex, std::nullopt);

  EXPECT_EQ(ParseDeviceData("[GPS_NAV5_dynModel]=4\r\n", info).gpsModeIndex, 0);
  EXPECT_EQ(ParseDeviceData("[GPS_NAV5_dynModel]=5\r\n", info).gpsModeIndex, 1);
  EXPECT_EQ(ParseDeviceData("[GPS_NAV5_dynModel]=2\r\n", info).gpsModeIndex, 1);

  ParseDeviceData("[MultipleBaudRate]=3\r\n", info);
  EXPECT_EQ(info.multipleBaudType, 2);
  EXPECT_TRUE(ParseDeviceData("4 SRM box:(4)\r\n", info).srmBoxes);
  EXPECT_EQ(info.srmBoxes, 4);
  EXPECT_TRUE(ParseDeviceData("[SYSTEM DATA END]\r\n", info).systemDataEnd);
}

TEST(DeviceData, ConfigurationRepliesNeedTheirChecksum) {
  DEVICE_INFO_STRUCT info;
  auto u = ParseDeviceData(Signed("$PKVR,R,CFG,183,10,5,"), info);
  ASSERT_TRUE(u.cfgReply);
  EXPECT_EQ(u.cfgReply->id, 183);
  EXPECT_EQ(u.cfgReply->sub, 10);
  EXPECT_EQ(u.cfgReply->value, 5);
  std::string bad = Signed("$PKVR,R,CFG,183,10,5,");
  bad[bad.size() - 3] = bad[bad.size() - 3] == '0' ? '1' : '0';
  EXPECT_FALSE(ParseDeviceData(bad, info).cfgReply);
  EXPECT_FALSE(ParseDeviceData(Signed("$PKVR,R,CFG,,10,5,"), info).cfgReply);  // id 0
}

TEST(CfgReply, FieldsAndTheirEmptyValues) {
  CfgReply r = ParseCfgReply("$PKVR,R,CFG,30,5,1,A^2CB*00\r\n");
  EXPECT_EQ(r.id, 30);
  EXPECT_EQ(r.sub, 5);
  EXPECT_EQ(r.value, 1);
  EXPECT_STREQ(r.text, "A^2CB");
  r = ParseCfgReply("$PKVR,R,CFG,108,6,,*00\r\n");
  EXPECT_EQ(r.value, 255);
  EXPECT_STREQ(r.text, "");
  r = ParseCfgReply("$PKVR,R,CFG,108,6*00\r\n");  // fields missing altogether
  EXPECT_EQ(r.id, 108);
  EXPECT_EQ(r.sub, 6);
  EXPECT_EQ(r.value, 255);
  r = ParseCfgReply("$PKVR,C,CFG,108,6,1,*00\r\n");
  EXPECT_EQ(r.id, 0);
  EXPECT_EQ(r.value, 0);
  r = ParseCfgReply("$PKVR,R,CFG,30,5,0," + std::string(300, 'T') + "*00\r\n");
  EXPECT_EQ(std::strlen(r.text), 99u);
  r = ParseCfgReply("$PKVR");
  EXPECT_EQ(r.id, 0);
}

TEST(CfgReply, RateCodes) {
  EXPECT_EQ(BaudIndexForRateCode(2), 0);
  EXPECT_EQ(BaudIndexForRateCode(5), 1);
  EXPECT_EQ(BaudIndexForRateCode(6), 2);
  EXPECT_EQ(BaudIndexForRateCode(0), 0);
  EXPECT_EQ(BaudIndexForRateCode(7), -1);
  EXPECT_EQ(BaudIndexForRateCode(-1), -1);
  EXPECT_EQ(BaudRateOfIndex(1), 9600);
  EXPECT_EQ(BaudRateOfIndex(-1), 0);
}

}  // namespace
