// The one-second step machine: which command goes out on which tick, and
// what ends each operation.
#include "wifi/core/WiFiSetup.h"
#include "wifi/core/WiFiText.h"

using C = WiFiControl;
using wifitext::Contains;

void WiFiSetup::Send(const std::string& bytes) {
  if (!bytes.empty()) host_.SendRaw(bytes);
}

void WiFiSetup::SendCommand(const std::string& command) {
  sentCommands_.push_back(command);
  Send(command + "\n");
}

void WiFiSetup::SendExitSentence() { Send(kWiFiExitSentence); }

// Every command sent since the memo was last cleared has its echo followed by
// a "+ok" reply, in order.
bool WiFiSetup::CommandsAcknowledged() const {
  int at = 0;
  for (const auto& command : sentCommands_) {
    while (at < Memo_WiFi.LineCount() && Memo_WiFi.Line(at) != command) ++at;
    if (at >= Memo_WiFi.LineCount()) return false;
    if (Memo_WiFi.Line(at + 1).rfind("+ok", 0) != 0) return false;
    at += 2;
  }
  return true;
}

void WiFiSetup::Timer_WiFi_functionTimer() {
  if (!wifi.cmdMode) {
    ShowProcessingBar();
    EnterWiFiCommandMode();
    return;
  }
  switch (wifi.operation) {
    case WiFiOperation::ReadApSettings:
      StepReadApSettings();
      break;
    case WiFiOperation::ApplyApSettings:
      StepApplyApSettings();
      break;
    case WiFiOperation::ScanNetworks:
      StepScanNetworks();
      break;
    case WiFiOperation::PasswordAccepted:
      StepPasswordAccepted();
      break;
    case WiFiOperation::ConnectStation:
      StepConnectStation();
      break;
    case WiFiOperation::DisconnectStation:
      StepDisconnectStation();
      break;
    case WiFiOperation::DhcpClientIp:
      StepDhcpClientIp();
      break;
    case WiFiOperation::LoadWiFiSettings:
      StepLoadWiFiSettings();
      break;
    case WiFiOperation::ChangeMode:
      StepChangeWiFiMode();
      break;
    case WiFiOperation::EnableWiFi:
      StepEnableWiFi();
      break;
    case WiFiOperation::FactoryReset:
      StepFactoryReset();
      break;
    case WiFiOperation::ApplyAndReboot:
      StepApplyAndReboot();
      break;
    case WiFiOperation::None:
      break;
  }
}

// Exit, enter, pause, until the receive path sees "+ok".
void WiFiSetup::EnterWiFiCommandMode() {
  if (wifi.cmdMode) return;
  ++wifi.step;
  if (wifi.step == 1)
    SendExitSentence();
  else if (wifi.step == 2)
    Send(kWiFiEnterSentence);
  else
    wifi.step = 0;
}

void WiFiSetup::StepReadApSettings() {
  static const char* const kQueries[] = {"AT+OPMODE=?", "AT+APSSID=?",   "AT+SECMODE=?", "AT+PSK=?",
                                         "AT+APCHAN=?", "AT+SYSIPSET=?", "AT+TCPPORT=?"};
  ++wifi.step;
  if (wifi.step >= 1 && wifi.step <= 7) {
    SendCommand(kQueries[wifi.step - 1]);
  } else if (wifi.step == 8) {
    CheckApSettingsComplete();
  } else if (wifi.step >= 9) {
    wifi.step = 0;
    Memo_WiFi.Clear();
  }
}

void WiFiSetup::StepApplyApSettings() {
  ++wifi.step;
  switch (wifi.step) {
    case 1:
      SendCommand("AT+OPMODE=0");
      break;
    case 2:
      SendCommand("AT+APSSID=" + page_.Text(C::Edit_WiFi_SSID));
      break;
    case 3:
      if (page_.Checked(C::CheckBox_WiFi_NonePassword)) {
        SendCommand("AT+SECMODE=NONE");
        ++wifi.step;  // no password to send
      } else {
        SendCommand("AT+SECMODE=WPA2-PSK");
      }
      break;
    case 4:
      SendCommand("AT+PSK=2," + page_.Text(C::Edit_WiFi_password));
      break;
    case 5:
      SendCommand(page_.Checked(C::CheckBox_WiFi_AutoSelect)
                      ? std::string("AT+APCHAN=0")
                      : "AT+APCHAN=" + page_.Text(C::ComboBox_WiFi_Channel));
      break;
    case 6:
      SendCommand("AT+SYSIPSET=" + FormatIpAddress() + ",255.255.255.0");
      break;
    case 7:
      SendCommand("AT+TCPPORT=" + page_.Text(C::Edit_WiFi_Port));
      break;
    default:
      // Only settings the module took are applied; otherwise this ends as the
      // time-out does.
      if (!CommandsAcknowledged()) {
        TimeOut("Apply \"Access Point\" settings timeout!");
        return;
      }
      Memo_WiFi.Clear();
      wifi.step = 0;
      sentCommands_.clear();
      SetWiFiOperation(WiFiOperation::ApplyAndReboot);
      break;
  }
}

// Success needs a transponder sentence after the exit sentence: the
// pass-through has then ended.
static bool SentenceSeen(const WiFiMemo& memo) {
  return memo.TextContains("$") || memo.TextContains("!");
}

void WiFiSetup::StepApplyAndReboot() {
  ++wifi.step;
  if (wifi.step == 1) {
    WiFiStatusText = wifi.textRebooting;
    SendCommand("AT+APPLY");
  } else if (wifi.step == 29) {
    if (!CommandsAcknowledged()) {
      TimeOut("Apply the setting timeout!");
      return;
    }
    Memo_WiFi.Clear();
  } else if (wifi.step == 30) {
    SendExitSentence();
    if (SentenceSeen(Memo_WiFi)) {
      CloseProcessingBar();
      page_.SetText(C::Label_ShowIP, FormatIpAddress());
      page_.SetText(C::Label_ShowPort, page_.Text(C::Edit_WiFi_Port));
      wifi.cmdMode = 0;
      host_.SetStepTimerEnabled(false);
      wifi.modeShown = 0;
      MarkActiveWiFiMode(0);
      Box("Changes successfully applied", "Wireless network", DialogButtons::Ok);
    }
  } else if (wifi.step >= 31) {
    wifi.step = 29;
  }
}

void WiFiSetup::StepFactoryReset() {
  ++wifi.step;
  if (wifi.step == 1) {
    SendCommand("AT+FACTDEF");
  } else if (wifi.step == 3) {
    WiFiStatusText = wifi.textRebooting;
    SendCommand("AT+APPLY");
  } else if (wifi.step == 29) {
    Memo_WiFi.Clear();
  } else if (wifi.step == 30) {
    SendExitSentence();
    SendExitSentence();
    if (SentenceSeen(Memo_WiFi)) {
      const std::string address = FormatIpAddress();
      if (address == "0.0.0.0") {
        page_.SetText(C::Label_ShowIP, "n/a");
      } else {
        page_.SetText(C::Label_ShowIP, address);
        page_.SetText(C::Label_ShowPort, page_.Text(C::Edit_WiFi_Port));
      }
      wifi.cmdMode = 0;
      UpdateIpAddressControl();
      EnableApSettingsControls(true);
      ContinueWithLoad();
    }
  } else if (wifi.step >= 31) {
    wifi.step = 29;
  }
}

void WiFiSetup::StepPasswordAccepted() { StartConnectStation(); }

void WiFiSetup::StepConnectStation() {
  ++wifi.step;
  switch (wifi.step) {
    case 1:
      SendCommand("AT+STA=" + wifi.joinSsid);
      break;
    case 3:
      SendCommand(wifi.stationPassword == "0" ? "AT+SECMODE=NONE" : "AT+SECMODE=WPA2-PSK");
      break;
    case 4:
      SendCommand("AT+PSK=2," + wifi.stationPassword);
      break;
    case 5:
      SendCommand("AT+WAPPLY");
      break;
    case 21:
      SendCommand("AT+SYSAPPLY");
      break;
    case 26:
      SendCommand("AT+STALINK");
      break;
    case 27:
      SendCommand("AT+STA=?");
      break;
    case 28:
      SendCommand("AT+SYSIP");
      break;
    case 29:
      SendCommand("AT+TCPPORT=?");
      break;
    case 30:
      // A fresh memo, so the next group's replies are read, not the first one's.
      wifi.step = 20;
      Memo_WiFi.Clear();
      break;
    default:
      break;
  }
  if (wifi.stationLinked == 1) {
    wifi.step = 0;
    SendExitSentence();
    wifi.cmdMode = 0;
    page_.SetText(C::Label_STA_Connect_Status, "Connected");
    page_.SetFontColour(C::Label_STA_Connect_Status, kWiFiBlue);
    host_.SetStepTimerEnabled(false);
    ContinueWithLoad();
  }
}

void WiFiSetup::StepDisconnectStation() {
  ++wifi.step;
  if (wifi.step == 1)
    SendCommand(std::string("AT+STA=") + kWiFiDummySsid);
  else if (wifi.step == 3)
    SendCommand("AT+WAPPLY");
  if (wifi.stationLinked == 0) {
    wifi.step = 0;
    SendExitSentence();
    wifi.cmdMode = 0;
    page_.SetText(C::Label_STA_Connect_Status, "Disconnected");
    page_.SetFontColour(C::Label_STA_Connect_Status, kWiFiSilver);
    host_.SetStepTimerEnabled(false);
    ContinueWithLoad();
  }
}

void WiFiSetup::StepDhcpClientIp() {
  ++wifi.step;
  switch (wifi.step) {
    case 1:
      SendCommand("AT+SYSAPPLY");
      break;
    case 6:
      SendCommand("AT+SYSIP");
      break;
    case 8:
      SendCommand("AT+TCPPORT=?");
      break;
    case 9:
      wifi.step = 0;
      Memo_WiFi.Clear();  // the next cycle's replies start at line 0 again
      break;
    default:
      break;
  }
  if (page_.Text(C::Label_ShowIP) != "n/a") {
    wifi.step = 0;
    SendExitSentence();
    wifi.cmdMode = 0;
    host_.SetStepTimerEnabled(false);
    CloseProcessingBar();
  }
}

void WiFiSetup::StepScanNetworks() {
  ++wifi.step;
  switch (wifi.step) {
    case 1:
      SendCommand("AT+SYSIP");
      break;
    case 2:
      SendCommand("AT+TCPPORT=?");
      break;
    case 3:
      SendCommand("AT+STALINK");
      break;
    case 4:
      SendCommand("AT+PSK=?");
      break;
    case 5:
      SendCommand("AT+SCAN");
      break;
    default:
      break;
  }
  // The list is complete once the scan's "+ok=" is in and then a whole tick
  // brought no new line, or the list is full.
  const int lines = Memo_WiFi.LineCount();
  const bool quiet = lines == scanLinesAtLastTick_;
  scanLinesAtLastTick_ = lines;
  const bool scanAnswered =
      Contains(Memo_WiFi.Line(8), "AT+SCAN") && Contains(Memo_WiFi.Line(9), "+ok=");
  if (wifi.step <= 5 || !scanAnswered || !(quiet || apList.count >= kMaxAccessPoints)) return;

  wifi.step = 0;
  SendExitSentence();
  wifi.cmdMode = 0;
  CloseProcessingBar();
  host_.SetStepTimerEnabled(false);
  wifi.joinSsid = "0";
  page_.SelectRow(0);
  for (int i = 0; i < apList.count; ++i) {
    if (apList.entries[i].link == 6) {
      page_.SelectRow(i);
      break;
    }
  }
  wifi.reloadNeeded = 0;
  if (!wifi.pendingMessage.empty()) {
    Box(wifi.pendingMessage, "Wireless network", DialogButtons::Ok, DialogIcon::Information);
    wifi.pendingMessage.clear();
  }
  UpdateRetryDhcpButton();
  FillWiFiReportData();
}

void WiFiSetup::StepLoadWiFiSettings() {
  ++wifi.step;
  switch (wifi.step) {
    case 1:
      SendCommand("AT+WLANEN=?");
      break;
    case 2:
      SendCommand("AT+OPMODE=?");
      break;
    case 3:
      SendCommand("AT+VER");
      break;
    case 4:
      break;
    default:
      wifi.step = 0;
      Memo_WiFi.Clear();
      break;
  }
}

void WiFiSetup::StepChangeWiFiMode() {
  const bool ap = page_.Checked(C::RadioButton_AP);
  if (!ap && !page_.Checked(C::RadioButton_STA)) {
    // No mode to switch to: nothing sensible can be sent.
    wifi.step = 0;
    SendExitSentence();
    wifi.modeShown = -1;
    MarkActiveWiFiMode(-1);
    EndEarly();
    return;
  }
  ++wifi.step;
  switch (wifi.step) {
    case 1:
      SendCommand(ap ? "AT+DHCPDEN=1" : "AT+DHCPDEN=0");
      break;
    case 2:
      SendCommand(ap ? "AT+DHCPCEN=0" : "AT+DHCPCEN=1");
      break;
    case 3:
      SendCommand(ap ? "AT+OPMODE=0" : "AT+OPMODE=1");
      break;
    case 4:
      SendCommand("AT+SYSAPPLY");
      break;
    case 9:
      SendCommand("AT+WAPPLY");
      break;
    default:
      break;
  }
  if (wifi.step <= 19) return;
  // Settle: the module stays in command mode for the operation that follows.
  UpdateRetryDhcpButton();
  wifi.step = 0;
  if (ap) {
    wifi.modeShown = 0;
    MarkActiveWiFiMode(0);
    ShowApModePage();
  } else {
    wifi.modeShown = 1;
    MarkActiveWiFiMode(1);
    ShowClientModePage();
  }
}

void WiFiSetup::StepEnableWiFi() {
  const bool enable = page_.Checked(C::CheckBox_WiFi_Open);
  ++wifi.step;
  switch (wifi.step) {
    case 1:
      SendCommand(enable ? "AT+WLANEN=1" : "AT+WLANEN=0");
      break;
    case 2:
      SendCommand("AT+WAPPLY");
      break;
    case 13:
      SendCommand("AT+SYSIP");
      break;
    case 14:
      SendCommand("AT+TCPPORT=?");
      break;
    default:
      break;
  }
  if (wifi.step < 15) return;
  wifi.step = 0;
  SendExitSentence();
  wifi.cmdMode = 0;
  host_.SetStepTimerEnabled(false);
  if (!enable) {
    CloseProcessingBar();
    EnableApSettingsControls(false);
    Box("Wi-Fi function is disabled.\n\nYou can check \"Enable Wi-Fi\" box to enable Wi-Fi "
        "function again.",
        "Wireless network", DialogButtons::Ok, DialogIcon::Information);
  } else {
    EnableApSettingsControls(true);
    wifi.pendingMessage = wifi.textEnabledNotice;
    ContinueWithLoad();
  }
}
