// Reply splitting, the network list's image indexes, and the checks of the
// access-point settings.
#include <gtest/gtest.h>

#include "tests/wifi/core/wifi_rig.h"
#include "wifi/core/SplitDelimited.h"
#include "wifi/core/WiFiText.h"

using C = WiFiControl;
using Fields = std::vector<std::string>;

TEST(SplitDelimited, StrictKeepsBlanksAndHonoursQuotes) {
  EXPECT_EQ(*SplitDelimited("Dock 7,aa:bb,6,-77 dBm,WPA2-PSK", ',', true),
            (Fields{"Dock 7", "aa:bb", "6", "-77 dBm", "WPA2-PSK"}));
  EXPECT_EQ(*SplitDelimited("\"Cafe, Up\",x,,\"a\"\"b\"", ',', true),
            (Fields{"Cafe, Up", "x", "", "a\"b"}));
  EXPECT_EQ(*SplitDelimited("a,", ',', true), (Fields{"a", ""}));
  EXPECT_TRUE(SplitDelimited("", ',', true)->empty());
  EXPECT_FALSE(SplitDelimited("\"open,x", ',', true));
  EXPECT_FALSE(SplitDelimited("\"a\"b,c", ',', true));
}

TEST(SplitDelimited, LooseSplitsAtBlanksToo) {
  EXPECT_EQ(*SplitDelimited("+ok=10.0.0.1,255.0.0.0", ',', false),
            (Fields{"+ok=10.0.0.1", "255.0.0.0"}));
  EXPECT_EQ(*SplitDelimited("  a b ,c", ',', false), (Fields{"a", "b", "c"}));
  EXPECT_EQ(*SplitDelimited("\"x y\"", ',', false), (Fields{"x y"}));
}

TEST(WiFiText, DottedQuadIsRefusedOutsideItsRange) {
  EXPECT_EQ(*wifitext::ParseDottedQuad("192.168.2.1"), 0xC0A80201u);
  EXPECT_EQ(*wifitext::ParseDottedQuad("0.0.0.0"), 0u);
  for (const char* bad :
       {"256.1.1.1", "1.2.3", "1.2.3.4.5", "1..3.4", "a.b.c.d", "-1.2.3.4", "", "?"})
    EXPECT_FALSE(wifitext::ParseDottedQuad(bad)) << bad;
}

TEST(AccessPointList, ImageIndexes) {
  EXPECT_EQ(SignalClassOf(-1), 4);
  EXPECT_EQ(SignalClassOf(-50), 4);
  EXPECT_EQ(SignalClassOf(-51), 3);
  EXPECT_EQ(SignalClassOf(-70), 2);
  EXPECT_EQ(SignalClassOf(-80), 1);
  EXPECT_EQ(SignalClassOf(-81), 0);
  EXPECT_EQ(SignalClassOf(-99998), 0);
  EXPECT_EQ(SignalClassOf(0), -1);  // no reading: no bars
  EXPECT_EQ(SignalClassOf(-99999), -1);
  EXPECT_EQ(SecurityCodeOf("NONE"), -1);
  EXPECT_EQ(SecurityCodeOf("none"), 5);
  EXPECT_EQ(SecurityCodeOf("WPA2-PSK"), 5);
  EXPECT_EQ(LinkCodeOf("a4:2b:b0:11:22:33", "A4:2B:B0:11:22:33"), 6);
  EXPECT_EQ(LinkCodeOf("A4:2B:B0:11:22:33", "a4:2b:b0:11:22:33"), -1);
  EXPECT_EQ(LinkCodeOf("a4:2b:b0:11:22:33", "0"), -1);
}

TEST(AccessPointList, RowColours) {
  EXPECT_EQ(NetworkRowColour(0, false), 0xECECECu);
  EXPECT_EQ(NetworkRowColour(1, false), 0xFFFFFFu);
  EXPECT_EQ(NetworkRowColour(2, true), 0x808080u);
}

namespace {
// The replies of an access-point read, fed straight into the memo.
void FeedApReplies(WiFiRig& r, const std::string& security, const std::string& channel,
                   const std::string& address) {
  r.wifi.cmdMode = 1;
  r.wifi.operation = WiFiOperation::ReadApSettings;
  for (const std::string& line :
       {std::string("AT+OPMODE=?"), std::string("+ok=0"), std::string("AT+APSSID=?"),
        std::string("+ok=Bridge"), std::string("AT+SECMODE=?"), "+ok=" + security,
        std::string("AT+PSK=?"), std::string("+ok=2,abcdefgh"), std::string("AT+APCHAN=?"),
        "+ok=" + channel, std::string("AT+SYSIPSET=?"), "+ok=" + address + ",255.255.255.0",
        std::string("AT+TCPPORT=?"), std::string("+ok=3333")})
    r.setup.OnSerialLine(line);
}
}  // namespace

TEST(WiFiReplies, AccessPointRepliesAfterResynchronisation) {
  WiFiRig r;
  FeedApReplies(r, "WPA2-PSK", "6", "10.1.2.3");
  EXPECT_EQ(r.setup.Memo_WiFi.Line(0), "AT+APSSID=?");  // the OPMODE pair was dropped
  EXPECT_EQ(r.page.memo.size(), 12u);
  EXPECT_EQ(r.page.Text(C::Edit_WiFi_SSID), "Bridge");
  EXPECT_EQ(r.page.Text(C::Edit_WiFi_password), "abcdefgh");
  EXPECT_EQ(r.page.channelIndex, 5);
  EXPECT_EQ(r.page.Text(C::Label_ShowIP), "10.1.2.3");
  EXPECT_EQ(r.page.ip, 0x0A010203u);
  EXPECT_EQ(r.page.Text(C::Label_ShowPort), "3333");
  // A setting the page holds is not overwritten by a later run.
  r.page.text[C::Edit_WiFi_SSID] = "Mine";
  r.setup.OnSerialLine("late");
  EXPECT_EQ(r.page.Text(C::Edit_WiFi_SSID), "Mine");
}

TEST(WiFiReplies, UnknownSecurityAndBadChannelStayUnset) {
  WiFiRig r;
  FeedApReplies(r, "WEP", "x", "0.0.0.0");
  EXPECT_FALSE(r.setup.IsApPasswordGiven());
  EXPECT_FALSE(r.setup.IsApChannelGiven());
  EXPECT_EQ(r.page.Text(C::Label_ShowIP), "0.0.0.0");  // shown unchanged here
  WiFiRig far;
  FeedApReplies(far, "NONE", "14", "10.0.0.1");
  EXPECT_TRUE(far.page.Checked(C::CheckBox_WiFi_NonePassword));
  EXPECT_FALSE(far.page.Enabled(C::Edit_WiFi_password));
  EXPECT_EQ(far.page.channelIndex, -1);
}

// A line where the reply should be that is no "+ok=" reply (an error, noise)
// is skipped: what was known before stays.
TEST(WiFiReplies, LinesThatAreNoAnswerLeaveVersionKeyAndLink) {
  WiFiRig load;
  load.report.firmwareVersion = "1.08";
  load.wifi.cmdMode = 1;
  load.wifi.operation = WiFiOperation::LoadWiFiSettings;
  for (const char* line : {"AT+WLANEN=?", "+ok=1", "AT+OPMODE=?", "+ok=0", "AT+VER", "+ERR=-1"})
    load.setup.OnSerialLine(line);
  EXPECT_EQ(load.wifi.operation, WiFiOperation::ChangeMode);  // the rest of the load counts
  EXPECT_EQ(load.report.firmwareVersion, "1.08");

  WiFiRig scan;
  scan.report.key = "harbour2024";
  scan.wifi.cmdMode = 1;
  scan.wifi.operation = WiFiOperation::ScanNetworks;
  for (const char* line :
       {"AT+SYSIP", "+ok=0.0.0.0,0.0.0.0,0.0.0.0", "AT+TCPPORT=?", "+ok=3333", "AT+STALINK",
        "A4:2B:B0:11:22:33,HarbourNet,-48 dBm", "AT+PSK=?", "+ERR=-1", "AT+SCAN",
        "+ok=", "HarbourNet,a4:2b:b0:11:22:33,1,-48 dBm,WPA2-PSK"})
    scan.setup.OnSerialLine(line);
  EXPECT_EQ(scan.report.key, "harbour2024");
  EXPECT_EQ(scan.wifi.stationLinked, 0);
  EXPECT_EQ(scan.wifi.linkedBssid, "0");
  ASSERT_EQ(scan.apList.count, 1);
  EXPECT_EQ(scan.apList.entries[0].link, -1);
  EXPECT_EQ(scan.report.ssid, "0");
}

TEST(WiFiReplies, PasswordIsWhatFollowsTheReplyHead) {
  WiFiRig r;
  r.wifi.cmdMode = 1;
  r.wifi.operation = WiFiOperation::ReadApSettings;
  for (const char* line : {"AT+APSSID=?", "+ok=Bridge", "AT+SECMODE=?", "+ok=WPA2-PSK", "AT+PSK=?",
                           "\x7F+ok=2,abcdefgh", "AT+APCHAN=?", "+ok=6", "AT+SYSIPSET=?",
                           "+ok=10.1.2.3,255.255.255.0", "AT+TCPPORT=?", "+ok=3333"})
    r.setup.OnSerialLine(line);
  // Apply sends this key back to the module: nothing in front of the reply belongs to it.
  EXPECT_EQ(r.page.Text(C::Edit_WiFi_password), "abcdefgh");
  EXPECT_FALSE(r.page.Checked(C::CheckBox_WiFi_NonePassword));
}

TEST(WiFiReplies, ZeroAddressShowsNoAddressOrPort) {
  WiFiRig r;
  r.wifi.cmdMode = 1;
  r.wifi.operation = WiFiOperation::EnableWiFi;
  for (const char* line : {"AT+WLANEN=1", "+ok", "AT+WAPPLY", "+ok", "AT+SYSIP",
                           "+ok=0.0.0.0,0.0.0.0,0.0.0.0", "AT+TCPPORT=?", "+ok=3333"})
    r.setup.OnSerialLine(line);
  EXPECT_EQ(r.setup.Memo_WiFi.Line(0), "AT+SYSIP");
  EXPECT_EQ(r.page.Text(C::Label_ShowIP), "n/a");
  EXPECT_EQ(r.page.Text(C::Label_ShowPort), "n/a");
}

TEST(WiFiReplies, NothingIsParsedOutsideCommandMode) {
  WiFiRig idle;
  idle.wifi.operation = WiFiOperation::ReadApSettings;
  for (const char* line : {"AT+APSSID=?", "+ok=Bridge"}) idle.setup.OnSerialLine(line);
  EXPECT_EQ(idle.page.Text(C::Edit_WiFi_SSID), "");
  EXPECT_EQ(idle.setup.Memo_WiFi.LineCount(), 2);
}

TEST(WiFiReplies, OkEntersCommandModeOnlyForARunningOperation) {
  WiFiRig r;
  r.setup.OnSerialLine("+ok");
  EXPECT_EQ(r.wifi.cmdMode, 0);
  r.host.timer = true;
  r.wifi.step = 2;
  r.setup.OnSerialLine("+ok=1");
  EXPECT_EQ(r.wifi.cmdMode, 0);
  r.setup.OnSerialLine("+ok");
  EXPECT_EQ(r.wifi.cmdMode, 1);
  EXPECT_EQ(r.wifi.step, 0);
  EXPECT_EQ(r.setup.Memo_WiFi.LineCount(), 0);
  EXPECT_TRUE(r.page.memo.empty());
}

namespace {
void ValidAp(WiFiRig& r) {
  r.page.text[C::Edit_WiFi_SSID] = "Bridge";
  r.page.text[C::Edit_WiFi_password] = "12345678";
  r.page.channelIndex = 0;
  r.page.IpSet(0xC0A80201);
  r.page.text[C::Edit_WiFi_Port] = "3000";
}
std::string Refusal(WiFiRig& r) {
  r.dialogs.shown.clear();
  if (r.setup.ValidateAccessPointSettings()) return "";
  EXPECT_EQ(r.dialogs.shown.at(0).caption, "WARNING");
  return r.dialogs.shown.at(0).text;
}
}  // namespace

TEST(WiFiValidation, AccessPointSettingsMessages) {
  const std::string longPassword =
      "Invalid password format. Password between 8 and 63 alpha-numeric characters is allowed.";
  WiFiRig r;
  ValidAp(r);
  EXPECT_EQ(Refusal(r), "");
  r.page.text[C::Edit_WiFi_SSID] = "";
  EXPECT_EQ(Refusal(r), "The wireless network must have a name (SSID).");
  ValidAp(r);
  r.page.text[C::Edit_WiFi_password] = "";
  EXPECT_EQ(Refusal(r), "Invalid password format.");
  r.page.text[C::Edit_WiFi_password] = "1234567";
  EXPECT_EQ(Refusal(r), longPassword);
  r.page.text[C::Edit_WiFi_password] = std::string(64, 'p');
  EXPECT_EQ(Refusal(r), longPassword);
  r.page.text[C::Edit_WiFi_password] = std::string(63, 'p');
  EXPECT_EQ(Refusal(r), "");
  r.page.text[C::Edit_WiFi_password] = "";
  r.page.checked[C::CheckBox_WiFi_NonePassword] = true;
  EXPECT_EQ(Refusal(r), "");
  r.page.channelIndex = -1;
  EXPECT_EQ(Refusal(r), "Invalid channel.");
  r.page.checked[C::CheckBox_WiFi_AutoSelect] = true;
  EXPECT_EQ(Refusal(r), "");
  r.page.IpClear();
  EXPECT_EQ(Refusal(r), "Invalid IP address.");
  r.page.ipFilled = 3;
  EXPECT_EQ(Refusal(r), "Invalid IP address.");
  r.page.IpSet(0);
  EXPECT_EQ(Refusal(r), "Invalid IP address.");
  r.page.IpSet(0x0A000001);
  for (const char* port : {"", "2999", "65536"}) {
    r.page.text[C::Edit_WiFi_Port] = port;
    EXPECT_EQ(Refusal(r), "Invalid port value.") << port;
  }
  r.page.text[C::Edit_WiFi_Port] = "65535";
  EXPECT_EQ(Refusal(r), "");
}

TEST(WiFiValidation, ReportFillByMode) {
  WiFiRig r;
  ValidAp(r);
  r.page.checked[C::CheckBox_WiFi_AutoSelect] = true;
  r.setup.FillWiFiReportData();
  EXPECT_EQ(r.report.channel, 0);
  r.page.checked[C::RadioButton_AP] = false;
  r.page.checked[C::RadioButton_STA] = true;
  r.page.text[C::Label_STA_Connect_Status] = "Disconnected";
  r.page.text[C::Label_ShowIP] = "10.0.0.9";
  r.report.ipAddress = "old";
  r.setup.FillWiFiReportData();
  EXPECT_EQ(r.report.mode, 1);
  EXPECT_EQ(r.report.linked, 0);
  EXPECT_EQ(r.report.ipAddress, "old");
  r.page.checked[C::CheckBox_WiFi_Open] = false;
  r.report.mode = 7;
  r.setup.FillWiFiReportData();
  EXPECT_EQ(r.report.enabled, 0);
  EXPECT_EQ(r.report.mode, 7);
}

TEST(WiFiPageLogic, TabVisibilityAndTheAddressControl) {
  WiFiRig r;
  EXPECT_TRUE(r.setup.UpdateWiFiTabVisibility());
  EXPECT_TRUE(r.host.tabVisible);
  r.wifi.modulePresent = 0;
  EXPECT_FALSE(r.setup.UpdateWiFiTabVisibility());
  EXPECT_FALSE(r.host.tabVisible);
  r.wifi.modulePresent = 1;
  r.host.serial = false;
  r.host.timer = true;
  EXPECT_FALSE(r.setup.UpdateWiFiTabVisibility());
  EXPECT_FALSE(r.host.timer);

  r.setup.UpdateIpAddressControl();
  EXPECT_TRUE(r.page.ipShown);
  EXPECT_EQ(r.wifi.ipControlShown, 1);
  r.host.mainConfig = false;
  r.setup.UpdateIpAddressControl();
  EXPECT_FALSE(r.page.ipShown);
  r.host.mainConfig = true;
  r.report.reportLoad = 1;
  r.setup.UpdateIpAddressControl();
  EXPECT_FALSE(r.page.ipShown);
}

TEST(WiFiPageLogic, MemoToggleAndDoubleClickGuards) {
  WiFiRig r;
  r.page.hidden[C::Memo_WiFi] = true;
  EXPECT_FALSE(r.setup.Edit_WiFi_SSIDKeyDown('M', true, false));
  EXPECT_FALSE(r.page.Visible(C::Memo_WiFi));
  EXPECT_TRUE(r.setup.Edit_WiFi_SSIDKeyDown('M', true, true));
  EXPECT_TRUE(r.page.Visible(C::Memo_WiFi));
  r.setup.Edit_Hide_WiFiKeyDown('M', true, true);
  EXPECT_FALSE(r.page.Visible(C::Memo_WiFi));
  EXPECT_EQ(r.page.Text(C::SpeedButton_WiFi_STA_connect), "Connect");

  r.setup.StringGridWiFiList_OnDblClick();  // empty list
  EXPECT_TRUE(r.dialogs.shown.empty());
  EXPECT_EQ(r.prompt.asked, 0);
  r.host.open = false;
  r.setup.StringGridWiFiList_OnDblClick();
  EXPECT_EQ(r.BoxTexts(), std::vector<std::string>{"Please connect device first!"});
}
