// Operation starters, time-outs and recovery.
#include "wifi/core/WiFiSetup.h"

using C = WiFiControl;

WiFiSetup::WiFiSetup(WIFI_DATA_STRUCT& w, WIFI_GENERATE_REPORT_DATA& r, AP_LIST_STRUCT& ap,
                     const MSG_TEXT_STRUCT& texts, WiFiPage& page, WiFiHost& host, Dialogs& dialogs,
                     ProgressWindow& progress, PasswordPrompt& password)
    : wifi(w),
      report(r),
      apList(ap),
      texts_(texts),
      page_(page),
      host_(host),
      dialogs_(dialogs),
      progress_(progress),
      password_(password) {
  Memo_WiFi.onChange = [this](WiFiMemo::Change change, const std::string& line) {
    switch (change) {
      case WiFiMemo::Change::Appended:
        page_.MemoAppend(line);
        break;
      case WiFiMemo::Change::FirstDeleted:
        page_.MemoDeleteFirst();
        break;
      case WiFiMemo::Change::Cleared:
        page_.MemoClear();
        break;
    }
    Memo_WiFiChange();
  };
}

void WiFiSetup::InitWiFiPage() {
  page_.SetText(C::Label_wifi_firmware_ver_AP, "");
  page_.SetMaxLength(C::Edit_WiFi_SSID, 32);
  page_.SetMaxLength(C::Edit_WiFi_password, 63);
  page_.SetMaxLength(C::Edit_WiFi_Port, 5);
  CreateIpAddressControl();
  HideIpAddressControl();
  host_.SetWiFiTabVisible(false);
  page_.ShowModeTab(true);
  InitWiFiData(wifi);
  MarkActiveWiFiMode(-1);
  apList.count = 0;
  page_.SetVisible(C::SpeedButton_retry_dhcp_ip, false);
  InitWiFiReportData(report);
}

void WiFiSetup::ResetWiFiTimeouts() {
  using namespace wifi_timeouts;
  wifi.timeoutEnterCmdMode = kEnterCmdMode;
  wifi.timeoutReadAp = kReadAp;
  wifi.timeoutApplyAp = kApplyAp;
  wifi.timeoutScan = kScan;
  wifi.timeoutConnect = kConnect;
  wifi.timeoutDisconnect = kDisconnect;
  wifi.timeoutDhcp = kDhcp;
  wifi.timeoutApplyReboot = kApplyReboot;
  wifi.timeoutEnable = kEnable;
  wifi.timeoutLoad = kLoad;
  wifi.timeoutFactoryReset = kFactoryReset;
  wifi.timeoutChangeMode = kChangeMode;
}

// The part every starter shares; the caller shows the progress window last.
void WiFiSetup::BeginOperation(WiFiOperation op, const std::string& status) {
  Memo_WiFi.Clear();
  ResetWiFiTimeouts();
  wifi.cmdMode = 0;
  WiFiStatusText = status;
  SetWiFiOperation(op);
  sentCommands_.clear();
  applyAcknowledged_ = false;
  host_.SetStepTimerEnabled(true);
}

void WiFiSetup::StartReadApSettings() {
  ClearWiFiPage();
  BeginOperation(WiFiOperation::ReadApSettings, wifi.textReadAp);
  ShowProcessingBar();
}

void WiFiSetup::StartScanNetworks() {
  apList.count = 0;
  ClearWiFiPage();
  nextScanLine_ = 10;
  scanLinesAtLastTick_ = -1;
  overLimitNoticeShown_ = false;
  BeginOperation(WiFiOperation::ScanNetworks, wifi.textScan);
  page_.SetupNetworkGrid();
  wifi.step = 0;
  ShowProcessingBar();
}

void WiFiSetup::StartConnectStation() {
  page_.SetText(C::Label_ShowIP, "n/a");
  page_.SetText(C::Label_ShowPort, "n/a");
  wifi.step = 0;
  wifi.stationLinked = 0;
  BeginOperation(WiFiOperation::ConnectStation, wifi.textConnect);
  ShowProcessingBar();
}

void WiFiSetup::StartDisconnectStation() {
  wifi.stationLinked = 1;
  page_.SetText(C::Label_ShowIP, "n/a");
  page_.SetText(C::Label_ShowPort, "n/a");
  BeginOperation(WiFiOperation::DisconnectStation, wifi.textDisconnect);
  ShowProcessingBar();
}

void WiFiSetup::StartLoadWiFiSettings() {
  if (!host_.MainShowsConfig() || !host_.ConfShowsWiFi()) return;
  ClearWiFiPage();
  BeginOperation(WiFiOperation::LoadWiFiSettings, wifi.textLoad);
  ShowProcessingBar();
}

void WiFiSetup::StartReportRefresh(std::function<void()> afterClose) {
  const bool apOnScreen = host_.MainShowsConfig() && host_.ConfShowsWiFi() &&
                          page_.Checked(WiFiControl::RadioButton_AP);
  report.reportLoad = apOnScreen ? 0 : 1;
  ClearWiFiPage();
  BeginOperation(WiFiOperation::LoadWiFiSettings, wifi.textLoad);
  ShowProcessingBar(std::move(afterClose));
}

// After operations 5, 6, 10 and 11 the settings are loaded again; when that
// cannot start (the Wi-Fi tab is not shown) the operation ends here instead
// of leaving the timer and the progress window running.
void WiFiSetup::ContinueWithLoad() {
  StartLoadWiFiSettings();
  if (wifi.operation != WiFiOperation::LoadWiFiSettings) EndEarly();
}

void WiFiSetup::EndEarly() {
  host_.SetStepTimerEnabled(false);
  wifi.cmdMode = 0;
  CloseProcessingBar();
}

void WiFiSetup::StartChangeWiFiMode(std::function<void(bool)> done) {
  const DialogButtons buttons = DialogButtons::OkCancel;
  if (page_.Checked(C::RadioButton_AP)) {
    if (Box("You are about to switch to [Client mode].\n\nDo you want to continue?",
            "Wireless network", buttons, DialogIcon::Information) != DialogResult::Ok) {
      SetWiFiModeRadios(0);
      if (done) done(false);
      return;
    }
    SetWiFiModeRadios(1);
  } else if (page_.Checked(C::RadioButton_STA)) {
    if (Box("You are about to switch to [Access Point mode].\n\nDo you want to continue?",
            "Wireless network", buttons, DialogIcon::Information) != DialogResult::Ok) {
      SetWiFiModeRadios(1);
      if (done) done(false);
      return;
    }
    SetWiFiModeRadios(0);
  } else {
    if (done) done(false);
    return;
  }
  wifi.step = 0;
  BeginOperation(WiFiOperation::ChangeMode, wifi.textChangeMode);
  ShowProcessingBar([done] {
    if (done) done(true);
  });
}

void WiFiSetup::SpeedButton_WiFi_FactoryDefaultClick() {
  if (!CheckDeviceConnected()) return;
  if (Box("Factory Wi-Fi settings will be restored.\n\nDo you want to continue? ",
          "Wi-Fi Factory Reset", DialogButtons::YesNo) == DialogResult::No)
    return;
  wifi.step = 0;
  page_.SetText(C::Label_ShowIP, "n/a");
  page_.SetText(C::Label_ShowPort, "n/a");
  BeginOperation(WiFiOperation::FactoryReset, wifi.textFactoryReset);
  ShowProcessingBar();
}

void WiFiSetup::ShowApModePage() {
  wifi.cmdMode = 0;
  page_.SetVisible(C::GroupBox_AccessPoint, true);
  page_.SetVisible(C::GroupBox_STA, false);
  page_.ShowModeTab(true);
  UpdateIpAddressControl();
  StartReadApSettings();
}

void WiFiSetup::ShowClientModePage() {
  wifi.cmdMode = 0;
  UpdateIpAddressControl();
  page_.SetVisible(C::GroupBox_AccessPoint, false);
  page_.SetVisible(C::GroupBox_STA, true);
  page_.ShowModeTab(false);
  StartScanNetworks();
}

void WiFiSetup::CheckWiFiTimeouts() {
  if (!host_.StepTimerEnabled()) return;
  if (!wifi.cmdMode) {
    if (--wifi.timeoutEnterCmdMode < 1) TimeOut("Enter to configuration mode timeout!");
    return;
  }
  int32_t* counter = nullptr;
  const char* message = nullptr;
  switch (wifi.operation) {
    case WiFiOperation::ReadApSettings:
      counter = &wifi.timeoutReadAp, message = "Reading Access Point settings timeout!";
      break;
    case WiFiOperation::ApplyApSettings:
      counter = &wifi.timeoutApplyAp, message = "Apply \"Access Point\" settings timeout!";
      break;
    case WiFiOperation::ScanNetworks:
      counter = &wifi.timeoutScan, message = "Update Available Network List timeout!";
      break;
    case WiFiOperation::ConnectStation:
      counter = &wifi.timeoutConnect, message = "Connecting timeout!";
      break;
    case WiFiOperation::DisconnectStation:
      counter = &wifi.timeoutDisconnect, message = "Disconnecting timeout!";
      break;
    case WiFiOperation::DhcpClientIp:
      counter = &wifi.timeoutDhcp, message = "Acquiring DHCP Client IP timeout!";
      break;
    case WiFiOperation::LoadWiFiSettings:
      counter = &wifi.timeoutLoad, message = "Loading Wi-Fi settings timeout!";
      break;
    case WiFiOperation::ChangeMode:
      counter = &wifi.timeoutChangeMode, message = "Changing Wi-Fi mode timeout!";
      break;
    case WiFiOperation::EnableWiFi:
      counter = &wifi.timeoutEnable, message = "\"Wi-Fi Function\" timeout!";
      break;
    case WiFiOperation::FactoryReset:
      counter = &wifi.timeoutFactoryReset, message = "Factory Reset timeout!";
      break;
    case WiFiOperation::ApplyAndReboot:
      counter = &wifi.timeoutApplyReboot, message = "Apply the setting timeout!";
      break;
    case WiFiOperation::None:
    case WiFiOperation::PasswordAccepted:
      return;
  }
  if (--*counter >= 1) return;
  if (wifi.operation == WiFiOperation::DhcpClientIp) {
    // The page stays where it is; only this counter starts again.
    host_.SetStepTimerEnabled(false);
    wifi.timeoutDhcp = wifi_timeouts::kDhcp;
    CloseProcessingBar();
    SendExitSentence();
    wifi.cmdMode = 0;
    Box(message, "WARNING", DialogButtons::Ok, DialogIcon::Error);
    return;
  }
  TimeOut(message);
}

void WiFiSetup::TimeOut(const std::string& message) {
  host_.SetStepTimerEnabled(false);
  if (wifi.operation == WiFiOperation::EnableWiFi)
    page_.SetChecked(C::CheckBox_WiFi_Open, !page_.Checked(C::CheckBox_WiFi_Open));
  CloseProcessingBar();
  if (wifi.operation == WiFiOperation::LoadWiFiSettings ||
      wifi.operation == WiFiOperation::ChangeMode) {
    wifi.modeShown = -1;
    MarkActiveWiFiMode(-1);
  }
  // Leave pass-through before the box waits for the user.
  AbortWiFiOperation();
  Box(message, "WARNING", DialogButtons::Ok, DialogIcon::Error);
}

void WiFiSetup::AbortWiFiOperation() {
  ResetWiFiTimeouts();
  host_.ShowStaticTab();
  wifi.reloadNeeded = 1;
  UpdateIpAddressControl();
  SendExitSentence();
  // Out of command mode, so ordinary transponder lines reach no reply parser.
  wifi.cmdMode = 0;
}

void WiFiSetup::OnSerialLine(const std::string& line) {
  Memo_WiFi.Append(line);
  // Only a running operation puts the module into pass-through, so a late or
  // stray "+ok" at any other time is not taken for the module's answer.
  if (!wifi.cmdMode && line == "+ok" && host_.StepTimerEnabled()) {
    Memo_WiFi.Clear();
    wifi.cmdMode = 1;
    wifi.step = 0;
  }
}
