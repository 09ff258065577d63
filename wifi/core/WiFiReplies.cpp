// The module's replies, read from the memo at fixed line positions. A reply
// that cannot be converted is skipped and what was set before stays.
#include "wifi/core/SplitDelimited.h"
#include "wifi/core/WiFiSetup.h"
#include "wifi/core/WiFiText.h"

using C = WiFiControl;
using wifitext::Contains;
using wifitext::WithoutFirst;

void WiFiSetup::Memo_WiFiChange() {
  // Parsers delete and clear memo lines themselves; such a change runs the
  // parser again here instead of nesting one call per deleted line.
  if (inMemoChange_) {
    memoChangedAgain_ = true;
    return;
  }
  inMemoChange_ = true;
  do {
    memoChangedAgain_ = false;
    if (!wifi.cmdMode) break;
    switch (wifi.operation) {
      case WiFiOperation::ReadApSettings:
        ParseApSettingsReplies();
        break;
      case WiFiOperation::ScanNetworks:
        ParseNetworkListReplies();
        break;
      case WiFiOperation::ConnectStation:
        ParseConnectReplies();
        break;
      case WiFiOperation::DisconnectStation:
        ParseDisconnectReplies();
        break;
      case WiFiOperation::DhcpClientIp:
        ParseDhcpReplies();
        break;
      case WiFiOperation::LoadWiFiSettings:
        ParseLoadSettingsReplies();
        break;
      case WiFiOperation::EnableWiFi:
        ParseEnableReplies();
        break;
      default:
        break;
    }
  } while (memoChangedAgain_);
  inMemoChange_ = false;
}

bool WiFiSetup::HasApSettingsEchoes() const {
  for (const char* echo :
       {"AT+APSSID=?", "AT+SECMODE=?", "AT+PSK=?", "AT+APCHAN=?", "AT+SYSIPSET=?", "AT+TCPPORT=?"})
    if (!Memo_WiFi.TextContains(echo)) return false;
  return true;
}

bool WiFiSetup::HasDhcpEchoes() const {
  return Memo_WiFi.TextContains("AT+SYSAPPLY") && Memo_WiFi.TextContains("AT+SYSIP") &&
         Memo_WiFi.TextContains("AT+TCPPORT=?");
}

bool WiFiSetup::IsApPasswordGiven() const {
  return page_.Checked(C::CheckBox_WiFi_NonePassword) || !page_.Text(C::Edit_WiFi_password).empty();
}

bool WiFiSetup::IsApChannelGiven() const {
  return page_.Checked(C::CheckBox_WiFi_AutoSelect) || page_.ChannelIndex() >= 0;
}

void WiFiSetup::UpdateFirmwareLabel() {
  page_.SetText(C::Label_wifi_firmware_ver_AP,
                "Wi-Fi Module Firmware Version: V" + report.firmwareVersion);
}

// The value after "+ok=" of a query reply; nothing when the line is no reply.
static std::optional<std::string> ReplyValue(const std::string& line) {
  size_t at = line.find("+ok=");
  if (at == std::string::npos) return std::nullopt;
  return line.substr(at + 4);
}

// The dotted address of an address reply "+ok=a.b.c.d,mask...".
static std::optional<std::string> AddressOfReply(const std::string& line) {
  if (!Contains(line, "+ok=")) return std::nullopt;
  auto fields = SplitDelimited(line, ',', false);
  if (!fields || fields->empty()) return std::nullopt;
  auto parts = SplitDelimited((*fields)[0], '=', false);
  if (!parts || parts->size() < 2) return std::nullopt;
  return (*parts)[1];
}

void WiFiSetup::ParseApSettingsReplies() {
  if (!Contains(Memo_WiFi.Line(0), "AT+APSSID=?")) {
    Memo_WiFi.DeleteFirst();
  } else if (HasApSettingsEchoes()) {
    FillApSettingsFromReplies();
  }
  UpdateFirmwareLabel();
}

void WiFiSetup::FillApSettingsFromReplies() {
  const WiFiMemo& m = Memo_WiFi;
  if (page_.Text(C::Edit_WiFi_SSID).empty()) {
    if (auto ssid = ReplyValue(m.Line(1))) page_.SetText(C::Edit_WiFi_SSID, *ssid);
  }
  if (!IsApPasswordGiven()) {
    const std::string security = WithoutFirst(m.Line(3), "+ok=");
    if (security == "NONE") {
      page_.SetChecked(C::CheckBox_WiFi_NonePassword, true);
      CheckBox_WiFi_NonePasswordClick();
    } else if (auto psk = ReplyValue(m.Line(5));
               security == "WPA2-PSK" && psk && psk->rfind("2,", 0) == 0) {
      // The key is what follows "+ok=2,", as the module sends it back on Apply.
      page_.SetText(C::Edit_WiFi_password, psk->substr(2));
      page_.SetChecked(C::CheckBox_WiFi_NonePassword, false);
      CheckBox_WiFi_NonePasswordClick();
    }
  }
  if (!IsApChannelGiven()) {
    if (auto channel = ReplyValue(m.Line(7))) {
      if (*channel == "0") {
        page_.SetChecked(C::CheckBox_WiFi_AutoSelect, true);
        CheckBox_WiFi_AutoSelectClick();
      } else if (auto n = wifitext::ParseInt(*channel)) {
        page_.SetChannelIndex(*n >= 1 && *n <= 11 ? *n - 1 : -1);
      }
    }
  }
  if (page_.IpIsBlank()) {
    if (auto text = AddressOfReply(m.Line(9))) {
      if (auto address = wifitext::ParseDottedQuad(*text)) {
        page_.SetText(C::Label_ShowIP, *text);
        page_.IpSet(*address);
      }
    }
  }
  if (page_.Text(C::Edit_WiFi_Port).empty()) {
    auto port = ReplyValue(m.Line(11));
    if (port && wifitext::ParseInt(*port) && port->size() <= 5 && (*port)[0] != '-') {
      page_.SetText(C::Edit_WiFi_Port, *port);
      page_.SetText(C::Label_ShowPort, page_.Text(C::Edit_WiFi_Port));
    }
  }
}

void WiFiSetup::CheckApSettingsComplete() {
  if (page_.Text(C::Edit_WiFi_SSID).empty() || !IsApPasswordGiven() || !IsApChannelGiven() ||
      page_.IpIsBlank() || page_.Text(C::Edit_WiFi_Port).empty())
    return;
  wifi.step = 0;
  SendExitSentence();
  wifi.cmdMode = 0;
  host_.SetStepTimerEnabled(false);
  CloseProcessingBar();
  wifi.reloadNeeded = 0;
  if (!wifi.pendingMessage.empty()) {
    Box(wifi.pendingMessage, "Wireless network", DialogButtons::Ok, DialogIcon::Information);
    wifi.pendingMessage.clear();
  }
  FillWiFiReportData();
}

void WiFiSetup::ParseAddressReplies(int k) {
  auto text = AddressOfReply(Memo_WiFi.Line(k));
  if (!text) return;
  std::string address = *text;
  if (address == "0.0.0.0")
    address = "n/a";
  else if (!wifitext::ParseDottedQuad(address))
    return;
  page_.SetText(C::Label_ShowIP, address);
  if (page_.Text(C::Label_ShowIP) == "n/a") {
    page_.SetText(C::Label_ShowPort, "n/a");
  } else if (Contains(Memo_WiFi.Line(k + 2), "+ok=")) {
    page_.SetText(C::Label_ShowPort, WithoutFirst(Memo_WiFi.Line(k + 2), "+ok="));
  }
}

void WiFiSetup::SetLinkState(bool linked) {
  wifi.stationLinked = linked ? 1 : 0;
  page_.SetText(C::Label_STA_Connect_Status, linked ? "Connected" : "Disconnected");
  page_.SetFontColour(C::Label_STA_Connect_Status, linked ? kWiFiBlue : kWiFiSilver);
  page_.SetText(C::SpeedButton_WiFi_STA_connect, linked ? "Disconnect" : "Connect");
}

void WiFiSetup::ParseNetworkListReplies() {
  const WiFiMemo& m = Memo_WiFi;
  if (m.LineCount() > 3) ParseAddressReplies(1);
  // Only the module's answer tells the link; another line there tells nothing.
  if (Contains(m.Line(4), "AT+STALINK") && Contains(m.Line(5), "+ok=")) {
    const bool linked = Contains(m.Line(5), "dBm");
    SetLinkState(linked);
    wifi.linkedBssid = linked ? WithoutFirst(m.Line(5), "+ok=").substr(0, 17) : "0";
  }
  if (m.LineCount() > 10) {
    if (Contains(m.Line(6), "AT+PSK=?")) {
      // "+ok=2,<key>"
      if (auto value = ReplyValue(m.Line(7)))
        report.key = value->size() > 2 ? value->substr(2) : "";
    }
    if (Contains(m.Line(8), "AT+SCAN") && Contains(m.Line(9), "+ok=")) {
      if (nextScanLine_ > m.LineCount()) nextScanLine_ = 10;
      // Each result line is taken once, in order.
      while (nextScanLine_ < m.LineCount()) ParseScanLine(m.Line(nextScanLine_++));
    }
  }
  UpdateFirmwareLabel();
}

void WiFiSetup::ParseConnectReplies() {
  const WiFiMemo& m = Memo_WiFi;
  if (!Contains(m.Line(0), "AT+SYSAPPLY")) {
    Memo_WiFi.DeleteFirst();
    return;
  }
  if (Contains(m.Line(1), "+ok") && Contains(m.Line(2), "AT+STALINK") &&
      Contains(m.Line(4), "AT+STA=?") && Contains(m.Line(6), "AT+SYSIP") &&
      Contains(m.Line(8), "AT+TCPPORT"))
    SetLinkState(Contains(m.Line(3), "dBm"));
}

void WiFiSetup::ParseDisconnectReplies() {
  const WiFiMemo& m = Memo_WiFi;
  if (m.LineCount() >= 4 && Contains(m.Line(0), "AT+STA") && Contains(m.Line(1), "+ok") &&
      Contains(m.Line(2), "AT+WAPPLY") && Contains(m.Line(3), "+ok")) {
    SetLinkState(false);
    page_.SetText(C::Label_ShowIP, "n/a");
    page_.SetText(C::Label_ShowPort, "n/a");
  }
}

void WiFiSetup::ParseDhcpReplies() {
  if (Memo_WiFi.LineCount() <= 5) return;
  if (HasDhcpEchoes())
    ParseAddressReplies(3);
  else
    Memo_WiFi.Clear();
}

void WiFiSetup::ShowWiFiModeFromReply(const std::string& line) {
  if (Contains(line, "+ok=0")) {
    SetWiFiModeRadios(0);
    page_.SetVisible(C::GroupBox_AccessPoint, true);
    page_.SetVisible(C::GroupBox_STA, false);
    page_.ShowModeTab(true);
  } else if (Contains(line, "+ok=1")) {
    SetWiFiModeRadios(1);
    page_.SetVisible(C::GroupBox_AccessPoint, false);
    page_.SetVisible(C::GroupBox_STA, true);
    page_.ShowModeTab(false);
  }
}

void WiFiSetup::ParseLoadSettingsReplies() {
  const WiFiMemo& m = Memo_WiFi;
  if (!Contains(m.Line(0), "AT+WLANEN=?")) {
    Memo_WiFi.DeleteFirst();
    return;
  }
  if (m.LineCount() <= 5 || !Contains(m.Line(2), "AT+OPMODE=?") || !Contains(m.Line(4), "AT+VER"))
    return;
  const bool enabled = Contains(m.Line(1), "+ok=1");
  // Anything but the two answers is no answer: the cycle asks again.
  if (!enabled && !Contains(m.Line(1), "+ok=0")) return;
  const std::string mode = m.Line(3);
  const auto version = ReplyValue(m.Line(5));
  page_.SetChecked(C::CheckBox_WiFi_Open, enabled);
  page_.SetEnabled(C::CheckBox_WiFi_Open, true);
  page_.SetEnabled(C::SpeedButton_WiFi_FactoryDefault, true);
  ShowWiFiModeFromReply(mode);
  UpdateIpAddressControl();
  if (enabled) {
    wifi.step = 18;
    SetWiFiOperation(WiFiOperation::ChangeMode);
  } else {
    wifi.step = 4;
    SendExitSentence();
    wifi.cmdMode = 0;
    host_.SetStepTimerEnabled(false);
    EnableApSettingsControls(false);
    CloseProcessingBar();
    FillWiFiReportData();
    wifi.reloadNeeded = 0;
    if (host_.MainShowsConfig() && host_.ConfShowsWiFi())
      ShowLater(
          "Wi-Fi function is disabled.\n\nYou can check \"Enable Wi-Fi\" box to enable Wi-Fi "
          "function again.",
          "Wireless network", DialogIcon::Information);
  }
  if (version) report.firmwareVersion = *version;
}

void WiFiSetup::ParseEnableReplies() {
  const WiFiMemo& m = Memo_WiFi;
  if (!Contains(m.Line(0), "AT+SYSIP")) {
    if (m.LineCount() == 0) return;
    Memo_WiFi.DeleteFirst();
  }
  if (Contains(m.Line(0), "AT+SYSIP") && Contains(m.Line(2), "AT+TCPPORT=?") &&
      Contains(m.Line(3), "+ok="))
    ParseAddressReplies(1);
}
