// The networks of the last scan, choosing one to join, and the station page's
// small handlers.
#include <algorithm>
#include <cctype>

#include "wifi/core/SplitDelimited.h"
#include "wifi/core/WiFiSetup.h"
#include "wifi/core/WiFiText.h"

using C = WiFiControl;

int SignalClassOf(int dbm) {
  if (dbm >= -50 && dbm <= -1) return 4;
  if (dbm >= -60 && dbm <= -51) return 3;
  if (dbm >= -70 && dbm <= -61) return 2;
  if (dbm >= -80 && dbm <= -71) return 1;
  if (dbm >= -99998 && dbm <= -81) return 0;
  return -1;  // not a reading: no bars at all
}

int SecurityCodeOf(const std::string& text) { return text == "NONE" ? -1 : 5; }

int LinkCodeOf(const std::string& bssid, const std::string& linkedBssid) {
  // "0" stands for no link: no scanned BSSID can be the linked one then.
  if (linkedBssid == "0" || linkedBssid.empty()) return -1;
  std::string upper = bssid;
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return upper == linkedBssid ? 6 : -1;
}

void WiFiSetup::ParseScanLine(const std::string& line) {
  if (apList.count >= kMaxAccessPoints) {
    if (!overLimitNoticeShown_) {
      overLimitNoticeShown_ = true;
      ShowLater(
          "Over 100 access points are detected.\n\nNote: Pellis shows up to 100 access points "
          "only. ",
          "Notice", DialogIcon::Error);
    }
    return;
  }
  auto fields = SplitDelimited(line, ',', true);
  if (!fields || fields->size() < 5) return;
  const auto dbm = wifitext::ParseInt(wifitext::WithoutFirst((*fields)[3], " dBm"));
  if (!dbm) return;

  // Entry i is row i of the list, so a skipped line leaves no gap.
  const int i = apList.count;
  AP_DATA_STRUCT& e = apList.entries[i];
  e.ssid = (*fields)[0];
  e.signalClass = SignalClassOf(*dbm);
  e.security = SecurityCodeOf((*fields)[4]);
  e.link = LinkCodeOf((*fields)[1], wifi.linkedBssid);
  e.dbm = *dbm;
  e.securityText = (*fields)[4];
  if (e.link == 6) {
    report.ssid = e.ssid;
    report.dbm = e.dbm;
    report.security = e.security == 5 ? "WPA2_AES" : "NONE";
  }
  apList.count = i + 1;
  if (page_.RowCount() < apList.count) page_.SetRowCount(apList.count);
  page_.SetCell(0, i, e.ssid);
  page_.RefreshNetworkGrid();
}

static bool ValidSsid(const std::string& ssid) {
  return !ssid.empty() && ssid.size() <= kMaxSsidBytes;
}

void WiFiSetup::ConnectStation() {
  ResetWiFiTimeouts();
  bool needPassword = true;
  if (Edit_Hide_WiFi_Tag != 1) {
    const int row = page_.SelectedRow();
    if (row < 0 || row >= apList.count || !ValidSsid(apList.entries[row].ssid)) {
      Box("Invaild SSID.", "WARNING", DialogButtons::Ok, DialogIcon::Error);
      return;
    }
    const AP_DATA_STRUCT& e = apList.entries[row];
    needPassword = e.security == 5;
    wifi.joinSsid = page_.Cell(0, row);
    if (e.link == 6) {
      if (Box("Existing connection will be disconnected.\n\nDo you want to continue?",
              "Wireless network", DialogButtons::YesNo) != DialogResult::No)
        StartDisconnectStation();
      return;
    }
  } else {
    const std::string name = page_.Text(C::Edit_Hide_WiFi);
    // The module takes at most 32 bytes; a longer name is no network name.
    if (!ValidSsid(name)) {
      Box("Invaild SSID.", "WARNING", DialogButtons::Ok, DialogIcon::Error);
      return;
    }
    wifi.joinSsid = name;
  }
  if (needPassword) {
    auto typed = password_.Ask();
    if (!typed) return;
    wifi.stationPassword = typed->empty() ? "0" : *typed;
    wifi.cmdMode = 0;
    host_.SetStepTimerEnabled(true);
    SetWiFiOperation(WiFiOperation::PasswordAccepted);
    return;
  }
  wifi.stationPassword = "0";
  StartConnectStation();
}

void WiFiSetup::SpeedButton_WiFi_STA_connectClick() {
  if (CheckDeviceConnected()) spbWiFiClick();
}

void WiFiSetup::StringGridWiFiList_OnClick() {
  Edit_Hide_WiFi_Tag = 0;
  StringGridWiFiList_Tag = 1;
  const int row = page_.SelectedRow();
  wifi.joinSsid = page_.Cell(0, row);
  const bool linked = row >= 0 && row < apList.count && apList.entries[row].link == 6;
  page_.SetText(C::SpeedButton_WiFi_STA_connect, linked ? "Disconnect" : "Connect");
}

void WiFiSetup::Edit_Hide_WiFiClick() {
  Edit_Hide_WiFi_Tag = 1;
  StringGridWiFiList_Tag = 0;
}

void WiFiSetup::SpeedButton_WiFi_UpdateClick() {
  if (!CheckDeviceConnected()) return;
  if (page_.Checked(C::RadioButton_AP))
    ShowApModePage();
  else
    ShowClientModePage();
}

void WiFiSetup::SpeedButton_retry_dhcp_ipClick() {
  if (!CheckDeviceConnected()) return;
  page_.SetText(C::Label_ShowIP, "n/a");
  page_.SetText(C::Label_ShowPort, "n/a");
  wifi.step = 0;
  BeginOperation(WiFiOperation::DhcpClientIp, wifi.textDhcp);
  ShowProcessingBar();
}

void WiFiSetup::Memo_WiFiDblClick() { host_.CopyToClipboard(Memo_WiFi.Text()); }

void WiFiSetup::UpdateRetryDhcpButton() {
  const bool show = !page_.ApTabShown() && page_.Text(C::Label_STA_Connect_Status) == "Connected" &&
                    host_.ConnectionStatusText() == texts_.Connected &&
                    page_.Checked(C::CheckBox_WiFi_Open);
  page_.SetVisible(C::SpeedButton_retry_dhcp_ip, show);
  page_.SetEnabled(C::SpeedButton_retry_dhcp_ip, show);
}

bool WiFiSetup::CheckDeviceConnected() {
  if (host_.ConnectionOpen() && host_.DeviceDataEnd()) return true;
  Box("Please connect device first!", "Kvor AIS Configuration", DialogButtons::Ok);
  return false;
}
