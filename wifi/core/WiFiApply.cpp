// The report record, and the actions that change the module's configuration.
#include "wifi/core/WiFiSetup.h"
#include "wifi/core/WiFiText.h"

using C = WiFiControl;

void WiFiSetup::FillWiFiReportData() {
  report.enabled = page_.Checked(C::CheckBox_WiFi_Open) ? 1 : 0;
  if (!report.enabled) return;
  if (page_.Checked(C::RadioButton_AP)) {
    report.mode = 0;
    const bool open = page_.Checked(C::CheckBox_WiFi_NonePassword);
    report.ssid = page_.Text(C::Edit_WiFi_SSID);
    report.security = open ? "NONE" : "WPA2_AES";
    report.key = open ? "0" : page_.Text(C::Edit_WiFi_password);
    if (page_.Checked(C::CheckBox_WiFi_AutoSelect))
      report.channel = 0;
    else
      report.channel = wifitext::ParseInt(page_.Text(C::ComboBox_WiFi_Channel)).value_or(-1);
    report.ipAddress = page_.Text(C::Label_ShowIP);
    report.port = page_.Text(C::Label_ShowPort);
  } else if (page_.Checked(C::RadioButton_STA)) {
    report.mode = 1;
    const std::string status = page_.Text(C::Label_STA_Connect_Status);
    if (status == "Disconnected") {
      report.linked = 0;
    } else if (status == "Connected") {
      report.linked = 1;
      report.ipAddress = page_.Text(C::Label_ShowIP);
      report.port = page_.Text(C::Label_ShowPort);
    }
  }
}

void WiFiSetup::SetWiFiModeRadios(int mode) {
  if (mode != 0 && mode != 1) return;
  const C chosen = mode == 0 ? C::RadioButton_AP : C::RadioButton_STA;
  const C other = mode == 0 ? C::RadioButton_STA : C::RadioButton_AP;
  if (host_.MainShowsConfig() && host_.ConfShowsWiFi() && page_.Enabled(chosen))
    page_.SetFocus(chosen);
  page_.SetChecked(chosen, true);
  page_.SetChecked(other, false);
}

void WiFiSetup::MarkActiveWiFiMode(int mode) {
  page_.SetBold(C::RadioButton_AP, mode == 0);
  page_.SetBold(C::RadioButton_STA, mode == 1);
}

bool WiFiSetup::ValidateAccessPointSettings() {
  auto refuse = [this](const char* text) {
    Box(text, "WARNING", DialogButtons::Ok, DialogIcon::Error);
    return false;
  };
  if (page_.Text(C::Edit_WiFi_SSID).empty())
    return refuse("The wireless network must have a name (SSID).");
  if (!IsApPasswordGiven()) return refuse("Invalid password format.");
  if (!page_.Checked(C::CheckBox_WiFi_NonePassword)) {
    const size_t length = page_.Text(C::Edit_WiFi_password).size();  // bytes, as sent
    if (length < 8 || length > 63)
      return refuse(
          "Invalid password format. Password between 8 and 63 alpha-numeric characters is "
          "allowed.");
  }
  if (!IsApChannelGiven()) return refuse("Invalid channel.");
  if (page_.IpIsBlank()) return refuse("Invalid IP address.");
  int filled = 0;
  page_.IpGet(&filled);
  if (filled != 4) return refuse("Invalid IP address.");
  if (FormatIpAddress() == "0.0.0.0") return refuse("Invalid IP address.");
  const std::string port = page_.Text(C::Edit_WiFi_Port);
  if (port.empty()) return refuse("Invalid port value.");
  const auto number = wifitext::ParseInt(port);
  if (!number || *number < 3000 || *number > 65535) return refuse("Invalid port value.");
  return true;
}

void WiFiSetup::spbWiFiClick() {
  if (page_.Checked(C::RadioButton_AP))
    StartApplyApSettings();
  else
    ConnectStation();
}

void WiFiSetup::StartApplyApSettings() {
  if (!ValidateAccessPointSettings()) return;
  SetWiFiOperation(WiFiOperation::ApplyApSettings);
  wifi.cmdMode = 0;
  if (Box("New Wi-Fi settings will be applied after system reboot.\n\nDo you want to continue?",
          "Device Configuration", DialogButtons::YesNo) == DialogResult::No)
    return;
  page_.SetText(C::Label_ShowIP, "n/a");
  page_.SetText(C::Label_ShowPort, "n/a");
  wifi.step = 0;
  BeginOperation(WiFiOperation::ApplyApSettings, wifi.textApplyAp);
  ShowProcessingBar();
}

void WiFiSetup::RadioButton_STA_OnMouseDown() {
  if (page_.Checked(C::RadioButton_STA)) return;
  if (!CheckDeviceConnected()) {
    SetWiFiModeRadios(0);
    return;
  }
  auto showClient = [this] {
    SetWiFiModeRadios(1);
    UpdateIpAddressControl();
    page_.SetVisible(C::GroupBox_AccessPoint, false);
    page_.SetVisible(C::GroupBox_STA, true);
    page_.ShowModeTab(false);
    UpdateRetryDhcpButton();
  };
  // After a load that found the function off nothing is sent: only the page changes.
  if (wifi.operation == WiFiOperation::LoadWiFiSettings) {
    showClient();
    return;
  }
  StartChangeWiFiMode([this, showClient](bool accepted) {
    if (accepted)
      showClient();
    else
      SetWiFiModeRadios(0);
  });
}

void WiFiSetup::RadioButton_APMouseDown() {
  if (page_.Checked(C::RadioButton_AP)) return;
  if (!CheckDeviceConnected()) {
    SetWiFiModeRadios(1);
    return;
  }
  auto showAp = [this] {
    SetWiFiModeRadios(0);
    wifi.ipControlShown = 1;
    page_.IpShow(true);
    UpdateIpAddressControl();
    page_.SetVisible(C::GroupBox_AccessPoint, true);
    page_.SetVisible(C::GroupBox_STA, false);
    page_.ShowModeTab(true);
    UpdateRetryDhcpButton();
  };
  if (wifi.operation == WiFiOperation::LoadWiFiSettings) {
    showAp();
    return;
  }
  StartChangeWiFiMode([this, showAp](bool accepted) {
    if (accepted)
      showAp();
    else
      SetWiFiModeRadios(1);
  });
}

void WiFiSetup::CheckBox_WiFi_Open_OnMouseDown() {
  if (!CheckDeviceConnected()) return;
  const bool wasOn = page_.Checked(C::CheckBox_WiFi_Open);
  const char* question = wasOn ? "Wi-Fi function will be disabled.\n\nDo you want to continue?"
                               : "Wi-Fi function will be enabled.\n\nDo you want to continue?";
  if (Box(question, "Wireless network", DialogButtons::YesNo) == DialogResult::No) return;
  page_.SetChecked(C::CheckBox_WiFi_Open, !wasOn);
  page_.SetText(C::Label_ShowIP, "n/a");
  page_.SetText(C::Label_ShowPort, "n/a");
  BeginOperation(WiFiOperation::EnableWiFi, wasOn ? wifi.textDisable : wifi.textEnable);
  ShowProcessingBar([this] { UpdateRetryDhcpButton(); });
}

void WiFiSetup::CheckBox_WiFi_NonePasswordClick() {
  const bool none = page_.Checked(C::CheckBox_WiFi_NonePassword);
  if (none) page_.SetText(C::Edit_WiFi_password, "");
  page_.SetEnabled(C::Edit_WiFi_password, !none);
  page_.SetBackground(C::Edit_WiFi_password,
                      none ? WiFiBackground::ButtonFace : WiFiBackground::Window);
}

void WiFiSetup::WiFiConfigureDevice() {
  if (page_.Checked(C::CheckBox_WiFi_Open))
    spbWiFiClick();
  else
    Box("Please Enable Wi-Fi first!", "Kvor AIS Configuration", DialogButtons::Ok);
}

bool WiFiSetup::WiFiReadDevice() {
  if (page_.Checked(C::CheckBox_WiFi_Open)) return true;
  Box("Please Enable Wi-Fi first!", "Kvor AIS Configuration", DialogButtons::Ok);
  return false;
}
