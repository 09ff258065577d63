// Time-outs and the module's faults, each provoked by its simulator switch.
#include <gtest/gtest.h>

#include "tests/wifi/core/wifi_rig.h"

using C = WiFiControl;

namespace {

void ToClientMode(WiFiRig& r) {
  r.link.module.settings.opMode = 1;
  r.page.checked[C::RadioButton_AP] = false;
  r.page.checked[C::RadioButton_STA] = true;
  r.page.apTab = false;
}

bool Sent(const WiFiRig& r, const std::string& bytes) {
  for (auto& s : r.host.sends)
    if (s == bytes) return true;
  return false;
}

}  // namespace

TEST(WiFiTimeouts, NoOkEndsTheEntryAfterFifteenTicks) {
  WiFiRig r;
  r.link.module.faults.neverOk = true;
  std::string lastSendAtBox;
  r.dialogs.onShow = [&] { lastSendAtBox = r.host.sends.back(); };
  r.setup.StartLoadWiFiSettings();
  r.Ticks(14);
  EXPECT_TRUE(r.dialogs.shown.empty());
  r.Tick();
  ASSERT_EQ(r.dialogs.shown.size(), 1u);
  EXPECT_EQ(r.dialogs.shown[0].text, "Enter to configuration mode timeout!");
  EXPECT_EQ(r.dialogs.shown[0].caption, "WARNING");
  EXPECT_EQ(r.dialogs.shown[0].icon, DialogIcon::Error);
  // The transponder leaves pass-through before the box waits.
  EXPECT_EQ(lastSendAtBox, kExit);
  EXPECT_EQ(r.host.staticShown, 1);
  EXPECT_EQ(r.wifi.reloadNeeded, 1);
  EXPECT_FALSE(r.host.timer);
  EXPECT_FALSE(r.progress.open);
  EXPECT_EQ(r.wifi.modeShown, -1);  // operation 8 leaves no mode marked
  EXPECT_EQ(r.wifi.timeoutEnterCmdMode, wifi_timeouts::kEnterCmdMode);
}

TEST(WiFiTimeouts, AfterATimeOutLinesReachNoParser) {
  WiFiRig r;
  r.link.module.faults.loseReplyTo = "AT+APSSID=?";
  r.link.module.settings.apSsid = "";  // the read can never complete
  r.setup.StartReadApSettings();
  r.Ticks(2 + 15);
  ASSERT_EQ(r.BoxTexts(), std::vector<std::string>{"Reading Access Point settings timeout!"});
  EXPECT_EQ(r.wifi.cmdMode, 0);
  const size_t sends = r.host.sends.size();
  // A late "+ok" and replies of the old operation change nothing any more.
  for (const char* line : {"+ok", "AT+APSSID=?", "+ok=Rogue", "AT+SECMODE=?", "+ok=NONE",
                           "AT+PSK=?", "+ok=2,", "AT+APCHAN=?", "+ok=3", "AT+SYSIPSET=?",
                           "+ok=10.0.0.1,255.0.0.0", "AT+TCPPORT=?", "+ok=4444"})
    r.setup.OnSerialLine(line);
  r.Ticks(3);
  EXPECT_EQ(r.wifi.cmdMode, 0);
  EXPECT_EQ(r.page.Text(C::Edit_WiFi_SSID), "");
  EXPECT_TRUE(r.page.IpIsBlank());
  EXPECT_EQ(r.host.sends.size(), sends);
  EXPECT_EQ(r.dialogs.shown.size(), 1u);
}

TEST(WiFiTimeouts, EnableTimeOutPutsTheBoxBack) {
  WiFiRig r;
  r.link.module.faults.neverOk = true;
  r.setup.CheckBox_WiFi_Open_OnMouseDown();
  EXPECT_FALSE(r.page.Checked(C::CheckBox_WiFi_Open));
  r.Ticks(15);
  EXPECT_TRUE(r.page.Checked(C::CheckBox_WiFi_Open));
}

TEST(WiFiTimeouts, DhcpTimeOutLeavesThePage) {
  WiFiRig r;
  ToClientMode(r);  // not linked: the address stays 0.0.0.0
  r.wifi.reloadNeeded = 0;
  std::string lastSendAtBox;
  r.dialogs.onShow = [&] { lastSendAtBox = r.host.sends.back(); };
  r.setup.SpeedButton_retry_dhcp_ipClick();
  r.Ticks(2 + 30);
  EXPECT_EQ(r.BoxTexts(), std::vector<std::string>{"Acquiring DHCP Client IP timeout!"});
  EXPECT_EQ(lastSendAtBox, kExit);
  EXPECT_EQ(r.host.staticShown, 0);
  EXPECT_EQ(r.wifi.reloadNeeded, 0);
  EXPECT_EQ(r.wifi.timeoutDhcp, 30);
  EXPECT_EQ(r.wifi.cmdMode, 0);
  EXPECT_FALSE(r.progress.open);
}

TEST(WiFiTimeouts, StoppedLinkStopsTheCountdown) {
  WiFiRig r;
  r.setup.StartLoadWiFiSettings();
  r.Tick();
  r.host.status = r.texts.Disconnect;
  r.Tick();
  EXPECT_FALSE(r.host.timer);
  EXPECT_FALSE(r.progress.open);  // the operation is over, so is its window
  const int counter = r.wifi.timeoutEnterCmdMode;
  r.Ticks(20);
  EXPECT_EQ(r.wifi.timeoutEnterCmdMode, counter);
  EXPECT_TRUE(r.dialogs.shown.empty());
}

TEST(WiFiFaults, StrayLineBeforeTheAnchorIsDropped) {
  WiFiRig r;
  r.link.module.faults.strayBefore = "AT+APSSID=?";
  r.setup.StartReadApSettings();
  EXPECT_GT(r.RunToEnd(60), 0);
  EXPECT_EQ(r.page.Text(C::Edit_WiFi_SSID), "KVOR-AIS");
  EXPECT_TRUE(r.dialogs.shown.empty());

  WiFiRig load;
  load.link.module.faults.strayBefore = "AT+WLANEN=?";
  load.setup.StartLoadWiFiSettings();
  EXPECT_GT(load.RunToEnd(60), 0);
  EXPECT_EQ(load.page.Text(C::Edit_WiFi_Port), "3333");
}

TEST(WiFiFaults, LostReplyIsReadOnTheNextCycle) {
  WiFiRig r;
  r.link.module.faults.loseReplyTo = "AT+WLANEN=?";
  r.setup.StartLoadWiFiSettings();
  r.Ticks(2 + 5);
  EXPECT_EQ(r.wifi.operation, WiFiOperation::LoadWiFiSettings);
  r.Ticks(3);  // the second five-tick cycle has all the replies
  EXPECT_EQ(r.wifi.operation, WiFiOperation::ChangeMode);
  EXPECT_GT(r.RunToEnd(), 0);
  EXPECT_EQ(r.setup.FormatIpAddress(), "192.168.2.1");
  EXPECT_TRUE(r.dialogs.shown.empty());
}

TEST(WiFiFaults, SlowLinkUpIsSeenInALaterConnectCycle) {
  WiFiRig r;
  ToClientMode(r);
  r.link.module.faults.slowLinkPolls = 2;
  r.page.text[C::Edit_Hide_WiFi] = "Dock 7";
  r.setup.Edit_Hide_WiFiClick();
  r.prompt.answer = "dock7dock7";
  r.setup.ConnectStation();
  EXPECT_EQ(r.wifi.joinSsid, "Dock 7");
  // Entry, hand-over, entry again, then two unlinked cycles and a linked one.
  r.Ticks(5);
  r.Ticks(30 + 10 + 10);
  EXPECT_EQ(r.wifi.stationLinked, 1);
  EXPECT_EQ(r.wifi.operation, WiFiOperation::LoadWiFiSettings);
  EXPECT_TRUE(r.dialogs.shown.empty());
}

TEST(WiFiFaults, LostAddressReplyInDhcpIsNotMisread) {
  WiFiRig r;
  ToClientMode(r);
  r.link.module.settings.staSsid = "Marina-Guest";
  r.link.module.settings.staSecurity = "NONE";
  r.link.module.Receive("AT+WAPPLY");
  r.link.module.faults.loseReplyTo = "AT+SYSIP";
  r.setup.SpeedButton_retry_dhcp_ipClick();
  EXPECT_EQ(r.RunToEnd(60), 2 + 18);
  EXPECT_EQ(r.page.Text(C::Label_ShowIP), "192.168.1.57");
  EXPECT_EQ(r.page.Text(C::Label_ShowPort), "3333");
}

class ScanSizes : public ::testing::TestWithParam<int> {};

TEST_P(ScanSizes, ScanEndsWhenTheListIsComplete) {
  WiFiRig r;
  ToClientMode(r);
  r.link.module.faults.scanCount = GetParam();
  r.setup.StartScanNetworks();
  const int listed = std::min(GetParam(), 100);
  // Complete one quiet tick after the list came, or at once when it is full.
  EXPECT_EQ(r.RunToEnd(40), listed == 100 ? 2 + 6 : 2 + 7);
  EXPECT_EQ(r.apList.count, listed);
  EXPECT_EQ(r.page.rows, listed);
  if (listed > 0) {
    char last[16];
    std::snprintf(last, sizeof last, "Net-%03d", listed);
    EXPECT_EQ(r.page.Cell(0, listed - 1), last);
  }
  const bool over = GetParam() > 100;
  EXPECT_EQ(r.dialogs.shown.size(), over ? 1u : 0u);
  if (over) {
    EXPECT_EQ(r.dialogs.shown[0].caption, "Notice");
    EXPECT_EQ(r.dialogs.shown[0].text.rfind("Over 100 access points are detected.", 0), 0u);
  }
}

INSTANTIATE_TEST_SUITE_P(Networks, ScanSizes, ::testing::Values(0, 1, 2, 100, 101, 130));

TEST(WiFiFaults, QuotedAndMalformedScanLines) {
  WiFiRig r;
  ToClientMode(r);
  r.link.module.faults.quotedScanFields = true;
  r.link.module.faults.malformedScanFields = true;
  r.setup.StartScanNetworks();
  EXPECT_GT(r.RunToEnd(40), 0);
  // Four configured, two quoted; the three broken lines leave no rows.
  ASSERT_EQ(r.apList.count, 6);
  EXPECT_EQ(r.page.rows, 6);
  EXPECT_EQ(r.page.Cell(0, 4), "Cafe, Upstairs");
  EXPECT_EQ(r.apList.entries[4].dbm, -58);
  EXPECT_EQ(r.page.Cell(0, 5), "Say \"hi\"");
  EXPECT_EQ(r.apList.entries[5].security, -1);
  EXPECT_TRUE(r.dialogs.shown.empty());
}

// "0" is the link's "none": a network that shows BSSID 0 is not the linked one.
TEST(WiFiFaults, BssidZeroIsNotTakenForTheLink) {
  EXPECT_EQ(LinkCodeOf("0", "0"), -1);
  EXPECT_EQ(LinkCodeOf("", ""), -1);
  WiFiRig r;
  ToClientMode(r);
  r.link.module.networks[1].bssid = "0";
  r.setup.StartScanNetworks();
  EXPECT_GT(r.RunToEnd(40), 0);
  ASSERT_EQ(r.apList.count, 4);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(r.apList.entries[i].link, -1) << i;
  EXPECT_EQ(r.page.selected, 0);
  EXPECT_EQ(r.report.ssid, "0");
  EXPECT_EQ(r.page.Text(C::Label_STA_Connect_Status), "Disconnected");
}

TEST(WiFiFaults, UnreadableAccessPointRepliesAreSkipped) {
  WiFiRig r;
  r.link.module.settings.apAddress = "192.168.2.300";
  r.link.module.settings.tcpPort = "port";
  r.page.text[C::Label_ShowIP] = "n/a";
  r.setup.StartReadApSettings();
  r.Ticks(2 + 15);
  EXPECT_TRUE(r.page.IpIsBlank());
  EXPECT_EQ(r.page.Text(C::Label_ShowIP), "n/a");
  EXPECT_EQ(r.page.Text(C::Edit_WiFi_Port), "");
  EXPECT_EQ(r.page.Text(C::Edit_WiFi_SSID), "KVOR-AIS");  // what could be read stays
  EXPECT_EQ(r.BoxTexts(), std::vector<std::string>{"Reading Access Point settings timeout!"});
}

TEST(WiFiFaults, ApplyWithoutAcknowledgementsEndsAsATimeOut) {
  WiFiRig r;
  r.setup.StartReadApSettings();
  r.RunToEnd();
  r.link.module.faults.loseReplyTo = "AT+APSSID=";
  r.host.sends.clear();
  r.setup.StartApplyApSettings();
  r.Ticks(2 + 8);
  EXPECT_FALSE(Sent(r, "AT+APPLY\n"));
  EXPECT_EQ(r.BoxTexts().back(), "Apply \"Access Point\" settings timeout!");
  EXPECT_FALSE(r.host.timer);
  EXPECT_EQ(r.wifi.cmdMode, 0);

  WiFiRig reboot;
  reboot.setup.StartReadApSettings();
  reboot.RunToEnd();
  reboot.link.module.faults.loseReplyTo = "AT+APPLY";
  reboot.setup.StartApplyApSettings();
  reboot.RunToEnd(100);
  const auto boxes = reboot.BoxTexts();
  EXPECT_EQ(boxes.back(), "Apply the setting timeout!");
  for (auto& b : boxes) EXPECT_NE(b, "Changes successfully applied");
}

TEST(WiFiFaults, LoadOffTheWiFiTabEndsTheOperation) {
  WiFiRig r;
  ToClientMode(r);
  r.page.text[C::Edit_Hide_WiFi] = "Marina-Guest";
  r.setup.Edit_Hide_WiFiClick();
  r.prompt.answer = "";  // open network given as hidden: "0"
  r.setup.ConnectStation();
  EXPECT_EQ(r.wifi.stationPassword, "0");
  r.Ticks(5);
  r.host.confWiFi = false;  // the user went to another tab
  r.Ticks(30);
  EXPECT_EQ(r.wifi.stationLinked, 1);
  EXPECT_FALSE(r.host.timer);
  EXPECT_FALSE(r.progress.open);
  EXPECT_EQ(r.wifi.cmdMode, 0);
}

TEST(WiFiFaults, NetworkNameLimits) {
  WiFiRig r;
  r.setup.Edit_Hide_WiFiClick();
  r.prompt.answer = std::nullopt;
  r.page.text[C::Edit_Hide_WiFi] = "";
  r.setup.ConnectStation();
  r.page.text[C::Edit_Hide_WiFi] = std::string(33, 'N');
  r.setup.ConnectStation();
  std::string wide;
  for (int i = 0; i < 17; ++i) wide += "\xC3\xA9";  // 17 characters, 34 bytes
  r.page.text[C::Edit_Hide_WiFi] = wide;
  r.setup.ConnectStation();
  EXPECT_EQ(r.BoxTexts(), std::vector<std::string>(3, "Invaild SSID."));
  EXPECT_EQ(r.prompt.asked, 0);
  r.page.text[C::Edit_Hide_WiFi] = std::string(32, 'N');
  r.setup.ConnectStation();
  EXPECT_EQ(r.prompt.asked, 1);  // a hidden network always asks; closed: nothing starts
  EXPECT_FALSE(r.host.timer);
}

TEST(WiFiFaults, SelectedRowBeyondTheList) {
  WiFiRig r;
  r.apList.count = 2;
  r.apList.entries[5] = {"Stale", 4, 5, -1, -40, "WPA2-PSK"};
  r.page.rows = 6;
  r.page.selected = 5;
  r.setup.StringGridWiFiList_OnClick();
  r.setup.ConnectStation();
  EXPECT_EQ(r.BoxTexts(), std::vector<std::string>{"Invaild SSID."});
  r.page.selected = -1;
  r.setup.ConnectStation();
  EXPECT_EQ(r.dialogs.shown.size(), 2u);
  EXPECT_EQ(r.prompt.asked, 0);
  EXPECT_FALSE(r.host.timer);
}

// Each operation that can hang, with its counter's length and message.
struct HangCase {
  const char* name;
  std::function<void(WiFiRig&)> start;
  int ticks;  // counted from the tick that began command mode
  const char* message;
};

class OperationTimeOuts : public ::testing::TestWithParam<HangCase> {};

TEST_P(OperationTimeOuts, ShowTheirMessage) {
  WiFiRig r;
  GetParam().start(r);
  r.dialogs.shown.clear();
  r.Ticks(1 + GetParam().ticks - 1);
  EXPECT_TRUE(r.dialogs.shown.empty());
  r.Tick();
  ASSERT_EQ(r.dialogs.shown.size(), 1u);
  EXPECT_EQ(r.dialogs.shown[0].text, GetParam().message);
  EXPECT_EQ(r.dialogs.shown[0].caption, "WARNING");
  EXPECT_FALSE(r.host.timer);
  EXPECT_FALSE(r.progress.open);
  EXPECT_EQ(r.host.sends.back(), kExit);
}

INSTANTIATE_TEST_SUITE_P(
    WiFi, OperationTimeOuts,
    ::testing::Values(
        HangCase{"Scan",
                 [](WiFiRig& r) {
                   r.link.module.faults.silent = true;
                   r.link.module.settings.opMode = 1;
                   r.setup.StartScanNetworks();
                 },
                 25, "Update Available Network List timeout!"},
        HangCase{"Connect",
                 [](WiFiRig& r) {
                   r.link.module.settings.opMode = 1;
                   r.wifi.joinSsid = "HarbourNet";
                   r.wifi.stationPassword = "wrong-password";
                   r.setup.StartConnectStation();
                 },
                 60, "Connecting timeout!"},
        HangCase{"Disconnect",
                 [](WiFiRig& r) {
                   r.link.module.faults.silent = true;
                   r.setup.StartDisconnectStation();
                 },
                 40, "Disconnecting timeout!"},
        HangCase{"Load",
                 [](WiFiRig& r) {
                   r.link.module.faults.silent = true;
                   r.setup.StartLoadWiFiSettings();
                 },
                 12, "Loading Wi-Fi settings timeout!"},
        HangCase{"FactoryReset",
                 [](WiFiRig& r) {
                   r.link.talks = false;  // no sentence ever shows the pass-through ended
                   r.setup.SpeedButton_WiFi_FactoryDefaultClick();
                 },
                 60, "Factory Reset timeout!"},
        HangCase{"ApplyAndReboot",
                 [](WiFiRig& r) {
                   r.link.talks = false;
                   r.page.text[WiFiControl::Edit_WiFi_SSID] = "Bridge";
                   r.page.checked[WiFiControl::CheckBox_WiFi_NonePassword] = true;
                   r.page.checked[WiFiControl::CheckBox_WiFi_AutoSelect] = true;
                   r.page.IpSet(0x0A000001);
                   r.page.text[WiFiControl::Edit_WiFi_Port] = "3333";
                   r.setup.StartApplyApSettings();
                 },
                 7 + 60,
                 "Apply the setting timeout!"}),  // after operation 2 (no password: 7 ticks)
    [](const auto& info) { return std::string(info.param.name); });

// The report question waits for the progress window; when the operation ends
// in a box of its own, the question waits for that box too.
TEST(WiFiTimeouts, WhatWaitsForTheWindowComesAfterTheOperationsBox) {
  struct Case {
    std::function<void(WifiModuleSim&)> fault;
    const char* box;
  };
  const Case cases[] = {
      {[](WifiModuleSim& m) { m.faults.neverOk = true; }, "Enter to configuration mode timeout!"},
      {[](WifiModuleSim& m) { m.faults.silent = true; }, "Loading Wi-Fi settings timeout!"},
      {[](WifiModuleSim& m) { m.settings.enabled = false; },
       "Wi-Fi function is disabled.\n\nYou can check \"Enable Wi-Fi\" box to enable Wi-Fi "
       "function again."},
  };
  for (const Case& c : cases) {
    WiFiRig r;
    c.fault(r.link.module);
    // The real box runs what is posted while it is up.
    r.dialogs.whileOpen = [&] { r.host.RunPosted(); };
    r.setup.StartReportRefresh([&] {
      r.dialogs.MessageBox("Do you want to save report?", "Save", DialogButtons::OkCancel,
                           DialogIcon::Question);
    });
    EXPECT_GT(r.RunToEnd(), 0) << c.box;
    r.host.RunPosted();
    EXPECT_EQ(r.BoxTexts(), (std::vector<std::string>{c.box, "Do you want to save report?"}));
    EXPECT_EQ(r.dialogs.mostOpenAtOnce, 1) << c.box;
  }
}
