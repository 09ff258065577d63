// Every operation driven tick by tick against the simulated module, with the
// exact bytes that go out.
#include <gtest/gtest.h>

#include "tests/wifi/core/wifi_rig.h"

using C = WiFiControl;
using Sends = std::vector<std::string>;

namespace {

Sends At(std::initializer_list<const char*> commands) {
  Sends s;
  for (const char* c : commands) s.push_back(std::string(c) + "\n");
  return s;
}

Sends Join(std::initializer_list<Sends> parts) {
  Sends all;
  for (auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

const Sends kEntry = {kExit, kEnter};
const Sends kReadAp = At({"AT+OPMODE=?", "AT+APSSID=?", "AT+SECMODE=?", "AT+PSK=?", "AT+APCHAN=?",
                          "AT+SYSIPSET=?", "AT+TCPPORT=?"});
const Sends kLoad = At({"AT+WLANEN=?", "AT+OPMODE=?", "AT+VER"});
const Sends kScan = At({"AT+SYSIP", "AT+TCPPORT=?", "AT+STALINK", "AT+PSK=?", "AT+SCAN"});

// The page as a load in access-point mode leaves it.
void LoadAp(WiFiRig& r) {
  r.setup.StartLoadWiFiSettings();
  ASSERT_GT(r.RunToEnd(), 0);
  r.TakeSends();
  r.dialogs.shown.clear();
}

void ToClientMode(WiFiRig& r) {
  r.link.module.settings.opMode = 1;
  r.page.checked[C::RadioButton_AP] = false;
  r.page.checked[C::RadioButton_STA] = true;
  r.page.apTab = false;
}

}  // namespace

TEST(WiFiOperations, LoadOnAnAccessPointReadsItsSettings) {
  WiFiRig r;
  r.setup.StartLoadWiFiSettings();
  EXPECT_TRUE(r.progress.open);
  EXPECT_EQ(r.setup.WiFiStatusText, "Loading Wi-Fi Settings...");
  EXPECT_EQ(r.RunToEnd(), 17);
  EXPECT_EQ(r.TakeSends(), Join({kEntry, kLoad, kEntry, kReadAp, {kExit}}));

  EXPECT_EQ(r.page.Text(C::Edit_WiFi_SSID), "KVOR-AIS");
  EXPECT_EQ(r.page.Text(C::Edit_WiFi_password), "12345678");
  EXPECT_FALSE(r.page.Checked(C::CheckBox_WiFi_NonePassword));
  EXPECT_EQ(r.page.channelIndex, 5);
  EXPECT_EQ(r.setup.FormatIpAddress(), "192.168.2.1");
  EXPECT_EQ(r.page.Text(C::Label_ShowIP), "192.168.2.1");
  EXPECT_EQ(r.page.Text(C::Edit_WiFi_Port), "3333");
  EXPECT_EQ(r.page.Text(C::Label_ShowPort), "3333");
  EXPECT_EQ(r.page.Text(C::Label_wifi_firmware_ver_AP), "Wi-Fi Module Firmware Version: V1.08");
  EXPECT_TRUE(r.page.Checked(C::CheckBox_WiFi_Open));
  EXPECT_EQ(r.wifi.modeShown, 0);
  EXPECT_TRUE(r.page.bold[C::RadioButton_AP]);
  EXPECT_EQ(r.wifi.cmdMode, 0);
  EXPECT_EQ(r.wifi.reloadNeeded, 0);
  EXPECT_FALSE(r.progress.open);
  EXPECT_TRUE(r.dialogs.shown.empty());

  EXPECT_EQ(r.report.enabled, 1);
  EXPECT_EQ(r.report.mode, 0);
  EXPECT_EQ(r.report.ssid, "KVOR-AIS");
  EXPECT_EQ(r.report.security, "WPA2_AES");
  EXPECT_EQ(r.report.key, "12345678");
  EXPECT_EQ(r.report.channel, 6);
  EXPECT_EQ(r.report.ipAddress, "192.168.2.1");
  EXPECT_EQ(r.report.port, "3333");
  EXPECT_EQ(r.report.firmwareVersion, "1.08");
}

TEST(WiFiOperations, OpenAutoChannelAccessPointIsRead) {
  WiFiRig r;
  r.link.module.settings.apSecurity = "NONE";
  r.link.module.settings.apChannel = 0;
  LoadAp(r);
  EXPECT_TRUE(r.page.Checked(C::CheckBox_WiFi_NonePassword));
  EXPECT_EQ(r.page.Text(C::Edit_WiFi_password), "");
  EXPECT_FALSE(r.page.Enabled(C::Edit_WiFi_password));
  EXPECT_TRUE(r.page.Checked(C::CheckBox_WiFi_AutoSelect));
  EXPECT_EQ(r.page.channelIndex, -1);
  EXPECT_EQ(r.report.security, "NONE");
  EXPECT_EQ(r.report.key, "0");
  EXPECT_EQ(r.report.channel, 0);
}

TEST(WiFiOperations, LoadOnAClientScansTheNetworks) {
  WiFiRig r;
  r.link.module.settings.opMode = 1;
  r.setup.StartLoadWiFiSettings();
  EXPECT_EQ(r.RunToEnd(), 16);  // the list is complete one quiet tick after it came
  EXPECT_EQ(r.TakeSends(), Join({kEntry, kLoad, kEntry, kScan, {kExit}}));
  EXPECT_TRUE(r.page.Checked(C::RadioButton_STA));
  EXPECT_FALSE(r.page.Checked(C::RadioButton_AP));
  EXPECT_FALSE(r.page.apTab);
  EXPECT_EQ(r.wifi.modeShown, 1);
  EXPECT_EQ(r.apList.count, 4);
  EXPECT_EQ(r.page.rows, 4);
  EXPECT_EQ(r.page.Cell(0, 0), "HarbourNet");
  EXPECT_EQ(r.page.Cell(0, 3), "Yacht Club");
  EXPECT_EQ(r.apList.entries[1].security, -1);
  EXPECT_EQ(r.apList.entries[0].signalClass, 4);
  EXPECT_EQ(r.apList.entries[2].signalClass, 1);
  EXPECT_EQ(r.page.Text(C::Label_STA_Connect_Status), "Disconnected");
  EXPECT_EQ(r.wifi.linkedBssid, "0");
  EXPECT_EQ(r.page.Text(C::Label_ShowIP), "n/a");
  EXPECT_EQ(r.page.Text(C::Label_ShowPort), "n/a");
  EXPECT_EQ(r.report.mode, 1);
  EXPECT_EQ(r.report.linked, 0);
  EXPECT_EQ(r.wifi.joinSsid, "0");
  EXPECT_EQ(r.page.selected, 0);
  EXPECT_FALSE(r.progress.open);
}

TEST(WiFiOperations, LoadOnADisabledModuleEndsWithItsNotice) {
  WiFiRig r;
  r.link.module.settings.enabled = false;
  r.setup.StartLoadWiFiSettings();
  EXPECT_EQ(r.RunToEnd(), 5);
  EXPECT_EQ(r.TakeSends(), Join({kEntry, kLoad, {kExit}}));
  EXPECT_FALSE(r.page.Checked(C::CheckBox_WiFi_Open));
  EXPECT_FALSE(r.page.Enabled(C::Edit_WiFi_SSID));
  EXPECT_FALSE(r.page.ipEnabled);
  EXPECT_FALSE(r.progress.open);
  EXPECT_EQ(r.report.enabled, 0);
  EXPECT_EQ(r.wifi.reloadNeeded, 0);
  // Shown after the received line was handled, not inside it.
  ASSERT_EQ(r.dialogs.shown.size(), 1u);
  EXPECT_EQ(r.dialogs.shown[0].caption, "Wireless network");
  EXPECT_EQ(r.dialogs.shown[0].text.rfind("Wi-Fi function is disabled.", 0), 0u);
}

TEST(WiFiOperations, LoadDoesNothingOffTheWiFiTab) {
  WiFiRig r;
  r.host.confWiFi = false;
  r.setup.StartLoadWiFiSettings();
  EXPECT_FALSE(r.host.timer);
  EXPECT_FALSE(r.progress.open);
  EXPECT_EQ(r.wifi.operation, WiFiOperation::None);
}

TEST(WiFiOperations, ApplyAccessPointSettingsThenReboot) {
  WiFiRig r;
  LoadAp(r);
  r.page.text[C::Edit_WiFi_SSID] = "Bridge";
  r.page.text[C::Edit_WiFi_password] = "seaworthy";
  r.page.channelIndex = 10;
  r.page.IpSet(0xC0A80A01);  // 192.168.10.1
  r.page.text[C::Edit_WiFi_Port] = "4000";
  r.setup.spbWiFiClick();
  ASSERT_EQ(r.dialogs.shown.size(), 1u);
  EXPECT_EQ(r.dialogs.shown[0].caption, "Device Configuration");
  EXPECT_EQ(r.page.Text(C::Label_ShowIP), "n/a");

  r.Ticks(2 + 8);  // entry, then seven commands and the check
  EXPECT_EQ(r.TakeSends(),
            Join({kEntry, At({"AT+OPMODE=0", "AT+APSSID=Bridge", "AT+SECMODE=WPA2-PSK",
                              "AT+PSK=2,seaworthy", "AT+APCHAN=11",
                              "AT+SYSIPSET=192.168.10.1,255.255.255.0", "AT+TCPPORT=4000"})}));
  EXPECT_EQ(r.wifi.operation, WiFiOperation::ApplyAndReboot);
  EXPECT_EQ(r.wifi.cmdMode, 1);

  r.Tick();
  EXPECT_EQ(r.setup.WiFiStatusText, "Rebooting the Wi-Fi Module");
  EXPECT_EQ(r.TakeSends(), At({"AT+APPLY"}));
  EXPECT_EQ(r.link.module.Reboots(), 1);
  r.Ticks(28);  // to step 29: nothing goes out
  EXPECT_TRUE(r.TakeSends().empty());
  r.Tick();  // step 30: exit, no sentence yet
  EXPECT_EQ(r.TakeSends(), Sends{kExit});
  EXPECT_TRUE(r.host.timer);
  r.Tick();  // 31 -> 29
  r.Tick();  // 30 again: the transponder's sentence is in
  EXPECT_EQ(r.TakeSends(), Sends{kExit});
  EXPECT_FALSE(r.host.timer);
  EXPECT_FALSE(r.progress.open);
  EXPECT_EQ(r.page.Text(C::Label_ShowIP), "192.168.10.1");
  EXPECT_EQ(r.page.Text(C::Label_ShowPort), "4000");
  EXPECT_EQ(r.wifi.modeShown, 0);
  EXPECT_EQ(r.BoxTexts().back(), "Changes successfully applied");
  EXPECT_EQ(r.link.module.settings.apSsid, "Bridge");
  EXPECT_EQ(r.link.module.settings.apChannel, 11);
  EXPECT_EQ(r.link.module.settings.tcpPort, "4000");
}

TEST(WiFiOperations, ApplyOpenAutoChannelSkipsThePassword) {
  WiFiRig r;
  LoadAp(r);
  r.page.checked[C::CheckBox_WiFi_NonePassword] = true;
  r.page.checked[C::CheckBox_WiFi_AutoSelect] = true;
  r.page.channelIndex = -1;
  r.setup.StartApplyApSettings();
  r.Ticks(2 + 7);
  EXPECT_EQ(r.TakeSends(),
            Join({kEntry, At({"AT+OPMODE=0", "AT+APSSID=KVOR-AIS", "AT+SECMODE=NONE", "AT+APCHAN=0",
                              "AT+SYSIPSET=192.168.2.1,255.255.255.0", "AT+TCPPORT=3333"})}));
  EXPECT_EQ(r.wifi.operation, WiFiOperation::ApplyAndReboot);
}

TEST(WiFiOperations, ApplyDeclinedSendsNothing) {
  WiFiRig r;
  LoadAp(r);
  r.dialogs.answers.push_back(DialogResult::No);
  r.setup.StartApplyApSettings();
  EXPECT_FALSE(r.host.timer);
  r.Ticks(3);
  EXPECT_TRUE(r.TakeSends().empty());
}

TEST(WiFiOperations, ConnectToASecuredNetworkThenLoad) {
  WiFiRig r;
  ToClientMode(r);
  r.setup.StartLoadWiFiSettings();
  r.RunToEnd();
  r.TakeSends();
  r.page.selected = 0;  // HarbourNet, secured
  r.setup.StringGridWiFiList_OnClick();
  EXPECT_EQ(r.wifi.joinSsid, "HarbourNet");
  r.prompt.answer = "harbour2024";
  r.setup.SpeedButton_WiFi_STA_connectClick();
  EXPECT_EQ(r.prompt.asked, 1);
  EXPECT_EQ(r.wifi.operation, WiFiOperation::PasswordAccepted);
  EXPECT_EQ(r.wifi.stationPassword, "harbour2024");

  r.Ticks(2);  // entry
  r.Tick();    // operation 4 hands over to 5, which enters again
  EXPECT_EQ(r.wifi.operation, WiFiOperation::ConnectStation);
  EXPECT_EQ(r.setup.WiFiStatusText, "Connecting...");
  r.Ticks(2);
  EXPECT_EQ(r.TakeSends(), Join({kEntry, kEntry}));
  r.Ticks(30);  // the first group's replies show the link: it ends at step 30
  EXPECT_EQ(
      r.TakeSends(),
      Join({At({"AT+STA=HarbourNet", "AT+SECMODE=WPA2-PSK", "AT+PSK=2,harbour2024", "AT+WAPPLY",
                "AT+SYSAPPLY", "AT+STALINK", "AT+STA=?", "AT+SYSIP", "AT+TCPPORT=?"}),
            {kExit}}));
  EXPECT_EQ(r.wifi.stationLinked, 1);
  EXPECT_EQ(r.wifi.operation, WiFiOperation::LoadWiFiSettings);
  EXPECT_TRUE(r.progress.open);
  r.RunToEnd();
  EXPECT_EQ(r.page.Text(C::Label_STA_Connect_Status), "Connected");
  EXPECT_EQ(r.page.colour[C::Label_STA_Connect_Status], kWiFiBlue);
  EXPECT_EQ(r.wifi.linkedBssid, "A4:2B:B0:11:22:33");
  EXPECT_EQ(r.apList.entries[0].link, 6);
  EXPECT_EQ(r.page.selected, 0);
  EXPECT_EQ(r.page.Text(C::Label_ShowIP), "192.168.1.57");
  EXPECT_EQ(r.page.Text(C::Label_ShowPort), "3333");
  EXPECT_EQ(r.report.ssid, "HarbourNet");
  EXPECT_EQ(r.report.dbm, -48);
  EXPECT_EQ(r.report.security, "WPA2_AES");
  EXPECT_EQ(r.report.key, "harbour2024");
  EXPECT_EQ(r.report.linked, 1);
  EXPECT_EQ(r.report.ipAddress, "192.168.1.57");
  EXPECT_TRUE(r.page.Visible(C::SpeedButton_retry_dhcp_ip));
}

TEST(WiFiOperations, ConnectToAnOpenNetworkNeedsNoPassword) {
  WiFiRig r;
  ToClientMode(r);
  r.setup.StartLoadWiFiSettings();
  r.RunToEnd();
  r.TakeSends();
  r.page.selected = 1;  // Marina-Guest, open
  r.setup.ConnectStation();
  EXPECT_EQ(r.prompt.asked, 0);
  EXPECT_EQ(r.wifi.operation, WiFiOperation::ConnectStation);
  r.Ticks(2 + 4);
  EXPECT_EQ(r.TakeSends(),
            Join({kEntry, At({"AT+STA=Marina-Guest", "AT+SECMODE=NONE", "AT+PSK=2,0"})}));
}

TEST(WiFiOperations, DisconnectTheLinkedNetwork) {
  WiFiRig r;
  ToClientMode(r);
  r.link.module.settings.staSsid = "Marina-Guest";
  r.link.module.settings.staSecurity = "NONE";
  r.link.module.Receive("AT+WAPPLY");  // linked before the program looks
  r.setup.StartLoadWiFiSettings();
  r.RunToEnd();
  r.TakeSends();
  ASSERT_EQ(r.page.selected, 1);
  r.setup.StringGridWiFiList_OnClick();
  EXPECT_EQ(r.page.Text(C::SpeedButton_WiFi_STA_connect), "Disconnect");
  r.setup.ConnectStation();
  EXPECT_EQ(r.BoxTexts().back(),
            "Existing connection will be disconnected.\n\nDo you want to continue?");
  EXPECT_EQ(r.wifi.operation, WiFiOperation::DisconnectStation);
  r.Ticks(2 + 3);
  EXPECT_EQ(r.TakeSends(), Join({kEntry, At({"AT+STA=#62940%+*D318E?", "AT+WAPPLY"})}));
  r.Tick();  // the replies are in: ends, and the load follows
  EXPECT_EQ(r.TakeSends(), Sends{kExit});
  EXPECT_EQ(r.wifi.stationLinked, 0);
  EXPECT_EQ(r.page.Text(C::Label_STA_Connect_Status), "Disconnected");
  EXPECT_EQ(r.page.colour[C::Label_STA_Connect_Status], kWiFiSilver);
  EXPECT_EQ(r.wifi.operation, WiFiOperation::LoadWiFiSettings);
  EXPECT_FALSE(r.link.module.Linked());
}

TEST(WiFiOperations, DisconnectDeclinedChangesNothing) {
  WiFiRig r;
  r.apList.count = 1;
  r.apList.entries[0] = {"Linked", 3, 5, 6, -55, "WPA2-PSK"};
  r.page.cells[{0, 0}] = "Linked";
  r.page.selected = 0;
  r.dialogs.answers.push_back(DialogResult::No);
  r.setup.ConnectStation();
  EXPECT_FALSE(r.host.timer);
  EXPECT_EQ(r.wifi.operation, WiFiOperation::None);
}

TEST(WiFiOperations, DhcpRetryReadsTheClientAddress) {
  WiFiRig r;
  ToClientMode(r);
  r.link.module.settings.staSsid = "Marina-Guest";
  r.link.module.settings.staSecurity = "NONE";
  r.link.module.Receive("AT+WAPPLY");
  r.setup.SpeedButton_retry_dhcp_ipClick();
  EXPECT_EQ(r.setup.WiFiStatusText, "Acquiring DHCP Client IP...");
  EXPECT_EQ(r.RunToEnd(), 2 + 9);
  EXPECT_EQ(r.TakeSends(),
            Join({kEntry, At({"AT+SYSAPPLY", "AT+SYSIP", "AT+TCPPORT=?"}), {kExit}}));
  EXPECT_EQ(r.page.Text(C::Label_ShowIP), "192.168.1.57");
  EXPECT_EQ(r.page.Text(C::Label_ShowPort), "3333");
  EXPECT_FALSE(r.progress.open);
}

TEST(WiFiOperations, ChangeToClientModeAndBack) {
  WiFiRig r;
  LoadAp(r);
  r.setup.RadioButton_STA_OnMouseDown();
  EXPECT_EQ(r.BoxTexts().back(),
            "You are about to switch to [Client mode].\n\nDo you want to continue?");
  EXPECT_EQ(r.wifi.operation, WiFiOperation::ChangeMode);
  EXPECT_TRUE(r.page.Checked(C::RadioButton_STA));
  r.Ticks(2 + 20);
  EXPECT_EQ(r.TakeSends(), Join({kEntry, At({"AT+DHCPDEN=0", "AT+DHCPCEN=1", "AT+OPMODE=1",
                                             "AT+SYSAPPLY", "AT+WAPPLY"})}));
  EXPECT_EQ(r.wifi.operation, WiFiOperation::ScanNetworks);
  EXPECT_EQ(r.wifi.modeShown, 1);
  r.RunToEnd();
  EXPECT_EQ(r.TakeSends(), Join({kEntry, kScan, {kExit}}));
  EXPECT_EQ(r.link.module.settings.opMode, 1);
  EXPECT_TRUE(r.page.Visible(C::GroupBox_AccessPoint) == false);
  // The page follows once the progress window has closed.
  EXPECT_FALSE(r.page.apTab);
  EXPECT_TRUE(r.page.Visible(C::GroupBox_STA));

  r.setup.RadioButton_APMouseDown();
  r.Ticks(2 + 20);
  EXPECT_EQ(r.TakeSends(), Join({kEntry, At({"AT+DHCPDEN=1", "AT+DHCPCEN=0", "AT+OPMODE=0",
                                             "AT+SYSAPPLY", "AT+WAPPLY"})}));
  EXPECT_EQ(r.wifi.operation, WiFiOperation::ReadApSettings);
  r.RunToEnd();
  EXPECT_TRUE(r.page.apTab);
  EXPECT_EQ(r.page.Text(C::Edit_WiFi_SSID), "KVOR-AIS");
}

TEST(WiFiOperations, ModeChangeCancelledPutsTheRadiosBack) {
  WiFiRig r;
  LoadAp(r);
  r.dialogs.answers.push_back(DialogResult::Cancel);
  r.setup.RadioButton_STA_OnMouseDown();
  EXPECT_TRUE(r.page.Checked(C::RadioButton_AP));
  EXPECT_FALSE(r.page.Checked(C::RadioButton_STA));
  EXPECT_FALSE(r.host.timer);
  // The checked radio does nothing at all.
  r.setup.RadioButton_APMouseDown();
  EXPECT_EQ(r.dialogs.shown.size(), 1u);
}

TEST(WiFiOperations, DisableAndEnableTheFunction) {
  WiFiRig r;
  LoadAp(r);
  r.setup.CheckBox_WiFi_Open_OnMouseDown();
  EXPECT_EQ(r.BoxTexts().back(), "Wi-Fi function will be disabled.\n\nDo you want to continue?");
  EXPECT_FALSE(r.page.Checked(C::CheckBox_WiFi_Open));
  EXPECT_EQ(r.setup.WiFiStatusText, "Disable Wi-Fi Function..");
  EXPECT_EQ(r.RunToEnd(), 2 + 15);
  EXPECT_EQ(r.TakeSends(),
            Join({kEntry, At({"AT+WLANEN=0", "AT+WAPPLY", "AT+SYSIP", "AT+TCPPORT=?"}), {kExit}}));
  EXPECT_FALSE(r.link.module.settings.enabled);
  EXPECT_EQ(r.BoxTexts().back().rfind("Wi-Fi function is disabled.", 0), 0u);
  EXPECT_FALSE(r.page.Enabled(C::Edit_WiFi_SSID));
  EXPECT_EQ(r.page.Text(C::Label_ShowIP), "n/a");

  r.setup.CheckBox_WiFi_Open_OnMouseDown();
  EXPECT_EQ(r.setup.WiFiStatusText, "Enable Wi-Fi Function...");
  r.Ticks(2 + 15);
  EXPECT_EQ(r.TakeSends(),
            Join({kEntry, At({"AT+WLANEN=1", "AT+WAPPLY", "AT+SYSIP", "AT+TCPPORT=?"}), {kExit}}));
  EXPECT_EQ(r.page.Text(C::Label_ShowIP), "192.168.2.1");
  EXPECT_EQ(r.page.Text(C::Label_ShowPort), "3333");
  EXPECT_EQ(r.wifi.operation, WiFiOperation::LoadWiFiSettings);
  EXPECT_TRUE(r.page.Enabled(C::Edit_WiFi_SSID));
  r.RunToEnd();
  // The notice waits for the end of the read that follows.
  EXPECT_EQ(r.BoxTexts().back(), "Wi-Fi function is enabled.");
  EXPECT_TRUE(r.wifi.pendingMessage.empty());
}

TEST(WiFiOperations, FactoryResetThenLoad) {
  WiFiRig r;
  r.link.module.settings.apSsid = "Changed";
  LoadAp(r);
  r.setup.SpeedButton_WiFi_FactoryDefaultClick();
  ASSERT_EQ(r.dialogs.shown.size(), 1u);
  EXPECT_EQ(r.dialogs.shown[0].caption, "Wi-Fi Factory Reset");
  EXPECT_EQ(r.setup.WiFiStatusText, "Factory Reset");
  r.Ticks(2 + 3);
  EXPECT_EQ(r.TakeSends(), Join({kEntry, At({"AT+FACTDEF", "AT+APPLY"})}));
  EXPECT_EQ(r.setup.WiFiStatusText, "Rebooting the Wi-Fi Module");
  r.Ticks(26);  // to step 29
  EXPECT_TRUE(r.TakeSends().empty());
  r.Tick();
  EXPECT_EQ(r.TakeSends(), (Sends{kExit, kExit}));
  r.Ticks(2);
  EXPECT_EQ(r.TakeSends(), (Sends{kExit, kExit}));
  EXPECT_EQ(r.wifi.operation, WiFiOperation::LoadWiFiSettings);
  EXPECT_TRUE(r.progress.open);
  r.RunToEnd();
  EXPECT_EQ(r.page.Text(C::Edit_WiFi_SSID), "KVOR-AIS");
}

TEST(WiFiOperations, FactoryResetShowsNoAddressForZero) {
  WiFiRig r;
  r.setup.SpeedButton_WiFi_FactoryDefaultClick();  // the page holds no address
  r.Ticks(2 + 32);
  EXPECT_EQ(r.page.Text(C::Label_ShowIP), "n/a");
  EXPECT_EQ(r.wifi.operation, WiFiOperation::LoadWiFiSettings);
}

TEST(WiFiOperations, FactoryResetNeedsAConnectedDeviceAndAYes) {
  WiFiRig r;
  r.host.dataEnd = false;
  r.setup.SpeedButton_WiFi_FactoryDefaultClick();
  EXPECT_EQ(r.BoxTexts(), std::vector<std::string>{"Please connect device first!"});
  r.host.dataEnd = true;
  r.dialogs.answers.push_back(DialogResult::No);
  r.setup.SpeedButton_WiFi_FactoryDefaultClick();
  EXPECT_FALSE(r.host.timer);
}

TEST(WiFiOperations, ASecondStartReplacesTheFirst) {
  WiFiRig r;
  r.setup.StartLoadWiFiSettings();
  r.Ticks(4);
  r.setup.SpeedButton_retry_dhcp_ipClick();
  EXPECT_EQ(r.wifi.operation, WiFiOperation::DhcpClientIp);
  EXPECT_EQ(r.wifi.timeoutLoad, wifi_timeouts::kLoad);
  EXPECT_EQ(r.wifi.cmdMode, 0);
  EXPECT_EQ(r.progress.opens, 1);
}

TEST(WiFiOperations, ReportRefreshLoadsOffTheWiFiTab) {
  WiFiRig r;
  r.host.confWiFi = false;
  bool after = false;
  r.setup.StartReportRefresh([&] { after = true; });
  EXPECT_EQ(r.report.reportLoad, 1);
  EXPECT_EQ(r.wifi.operation, WiFiOperation::LoadWiFiSettings);
  EXPECT_GT(r.RunToEnd(), 0);
  EXPECT_TRUE(after);  // once the whole chain has ended
  EXPECT_EQ(r.report.ssid, "KVOR-AIS");
  EXPECT_FALSE(r.page.ipShown);
}
