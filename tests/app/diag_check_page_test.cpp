// The SYSTEM CHECK page: values, pictures and the clear button.
#include <QLabel>

#include "app/core/SysCheckRecords.h"
#include "tests/app/diag_fixture.h"
#include "tests/support/find_control.h"

namespace {

class DiagCheckPage : public DiagFormTest {
 protected:
  std::vector<bool> Pictures() {
    std::vector<bool> out;
    for (QLabel* l : {Find<QLabel>(form, "ImageChkFwVer"), Find<QLabel>(form, "ImageChkProdSN"),
                      Find<QLabel>(form, "ImageChkMMSI"), Find<QLabel>(form, "ImageChkGps"),
                      Find<QLabel>(form, "ImageChkTx"), Find<QLabel>(form, "ImageChkRx")}) {
      EXPECT_FALSE(l->pixmap().isNull());
      out.push_back(l->property("checkPassed").toBool());
    }
    return out;
  }
};

TEST_F(DiagCheckPage, EverythingFailsBeforeTheDeviceSpeaks) {
  EXPECT_EQ(Pictures(), std::vector<bool>(6, false));
  form->TimerUpdateSysChkTimer();
  EXPECT_EQ(Text(Find<QLabel>(form, "lblValFwVer")), "---------");
  EXPECT_EQ(Text(Find<QLabel>(form, "lblValProdSN")), "---------");
  EXPECT_EQ(Text(Find<QLabel>(form, "lblValMMSI")), "000000000");
  EXPECT_EQ(Text(Find<QLabel>(form, "lblValGps")), "Lost");
  EXPECT_EQ(Text(Find<QLabel>(form, "lblValTxCntA")), "0");
  // Pass and fail pictures are different pictures.
  EXPECT_NE(CheckPage()->CheckImages()[0].toImage(), CheckPage()->CheckImages()[1].toImage());
  EXPECT_EQ(CheckPage()->CheckImages()[0].size(), QSize(24, 24));
}

TEST_F(DiagCheckPage, ItemsPassFromDumpPositionAndTraffic) {
  Connect({"Firmware:V1.02\r\n", "S/N:(KV12345678)\r\n", "MMSI:(0)\r\n"});
  form->TimerUpdateSysChkTimer();
  EXPECT_EQ(Text(Find<QLabel>(form, "lblValFwVer")), "V1.02");
  EXPECT_EQ(Text(Find<QLabel>(form, "lblValProdSN")), "KV12345678");
  EXPECT_EQ(Text(Find<QLabel>(form, "lblValMMSI")), "000000000");
  EXPECT_EQ(Pictures(), (std::vector<bool>{true, true, false, false, false, false}));

  DeviceLines({PositionReport18("VDO", 'A', 123456789, 5.8, 52.8, 0.1, 90, 12),
               PositionReport18("VDM", 'B', 211000002, 5.9, 52.9, 1, 10, 5),
               PositionReport18("VDM", 'B', 211000003, 5.9, 52.9, 1, 10, 5)});
  form->TimerUpdateSysChkTimer();
  EXPECT_EQ(Text(Find<QLabel>(form, "lblValMMSI")), " 123456789");
  EXPECT_EQ(Text(Find<QLabel>(form, "lblValGps")), "Fixed");
  EXPECT_EQ(Text(Find<QLabel>(form, "lblValTxCntA")), "1");
  EXPECT_EQ(Text(Find<QLabel>(form, "lblValTxCntB")), "0");
  EXPECT_EQ(Text(Find<QLabel>(form, "lblValRxCntA")), "0");
  EXPECT_EQ(Text(Find<QLabel>(form, "lblValRxCntB")), "2");
  EXPECT_EQ(Pictures(), std::vector<bool>(6, true));
  EXPECT_EQ(form->DeviceInfo().checkFlags[kFlagTxPassed], 1);
  EXPECT_EQ(form->DeviceInfo().checkFlags[kFlagRxPassed], 1);

  // A report whose time stamp is not available is no fix.
  DeviceLines({PositionReport18("VDO", 'A', 123456789, 5.8, 52.8, 0.1, 90, 60)});
  form->TimerUpdateSysChkTimer();
  EXPECT_EQ(Text(Find<QLabel>(form, "lblValGps")), "Lost");
}

TEST_F(DiagCheckPage, ClearFailsEverythingThenAsksTheDeviceASecondLater) {
  Connect({"Firmware:V1.02\r\n", "S/N:(KV1)\r\n", "MMSI:(123456789)\r\n"});
  DeviceLines({PositionReport18("VDO", 'A', 123456789, 5.8, 52.8, 0.1, 90, 12)});
  form->TimerUpdateSysChkTimer();
  EXPECT_EQ(Text(Find<QLabel>(form, "lblValMMSI")), " 123456789");
  ASSERT_EQ(Pictures()[0], true);
  Sent();

  form->SpeedButtonClearCheckClick();
  EXPECT_EQ(Pictures(), std::vector<bool>(6, false));
  EXPECT_EQ(Text(Find<QLabel>(form, "lblValMMSI")), "000000000");
  EXPECT_EQ(Text(Find<QLabel>(form, "lblValGps")), "Lost");
  EXPECT_EQ(CheckPage()->ReportCounters().txA, 0u);
  EXPECT_EQ(form->DeviceInfo().checkFlags[kFlagTxPassed], 0);
  // Nothing is sent at once and the window does not block.
  EXPECT_TRUE(Sent().empty());
  EXPECT_TRUE(Find<TTimer>(form, "TimerClearCheck")->Enabled());
  form->ClearCheckRequeryTimer();
  EXPECT_FALSE(Find<TTimer>(form, "TimerClearCheck")->Enabled());
  auto sent = Sent();
  ASSERT_FALSE(sent.empty());
  EXPECT_EQ(sent[0].rfind("$PTST,", 0), 0u) << sent[0];
  EXPECT_NE(sent[0].find(",00017*"), std::string::npos) << sent[0];  // test command 17

  // The device answers: the items pass again.
  DeviceLines({"Firmware:V1.02", "S/N:(KV1)", "MMSI:(123456789)"});
  form->TimerUpdateSysChkTimer();
  EXPECT_EQ(Pictures(), (std::vector<bool>{true, true, true, false, false, false}));
}

TEST_F(DiagCheckPage, ClearWhileDisconnectedAsksNothing) {
  form->SpeedButtonClearCheckClick();
  form->ClearCheckRequeryTimer();
  EXPECT_TRUE(Sent().empty());
  EXPECT_TRUE(dialogs.shown.empty());
}

}  // namespace
