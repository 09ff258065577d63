#pragma once
// The Wi-Fi module set-up: its class, declared once for the several files
// that implement it, and the network list's image and colour rules.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/core/Dialogs.h"
#include "ui/core/MessageTexts.h"
#include "wifi/core/PassThrough.h"
#include "wifi/core/WiFiData.h"
#include "wifi/core/WiFiHost.h"
#include "wifi/core/WiFiMemo.h"
#include "wifi/core/WiFiPage.h"

// The network name sent to drop the station link.
inline constexpr const char* kWiFiDummySsid = "#62940%+*D318E?";

// The longest network name the module takes, in bytes.
inline constexpr size_t kMaxSsidBytes = 32;

// Image indexes of the network list.
int SignalClassOf(int dbm);
int SecurityCodeOf(const std::string& text);
int LinkCodeOf(const std::string& bssid, const std::string& linkedBssid);

// Background of a row of the network list, 0x00BBGGRR.
uint32_t NetworkRowColour(int row, bool selected);

// The Wi-Fi module set-up: the operations, their one-second steps, the reply
// parsers, the network list and the page's actions. It works on the state
// records it is given and talks to the window only through its interfaces,
// so every operation can be driven tick by tick.
class WiFiSetup {
 public:
  WiFiSetup(WIFI_DATA_STRUCT& wifi, WIFI_GENERATE_REPORT_DATA& report, AP_LIST_STRUCT& apList,
            const MSG_TEXT_STRUCT& texts, WiFiPage& page, WiFiHost& host, Dialogs& dialogs,
            ProgressWindow& progress, PasswordPrompt& password);

  WIFI_DATA_STRUCT& wifi;
  WIFI_GENERATE_REPORT_DATA& report;
  AP_LIST_STRUCT& apList;
  WiFiMemo Memo_WiFi;
  std::string WiFiStatusText;  // shown by the progress window
  // Where ConnectStation takes the network from: the hidden-name edit (1) or the list.
  int Edit_Hide_WiFi_Tag = 0;
  int StringGridWiFiList_Tag = 0;

  // --- state and operations
  void InitWiFiPage();
  void SetWiFiOperation(WiFiOperation op) { wifi.operation = op; }
  void ResetWiFiTimeouts();
  void StartReadApSettings();
  void StartScanNetworks();
  void StartConnectStation();
  void StartDisconnectStation();
  void StartLoadWiFiSettings();
  // Asks, then runs operation 9; `done` gets whether the change was accepted,
  // once the progress window has closed.
  void StartChangeWiFiMode(std::function<void(bool)> done);
  void SpeedButton_WiFi_FactoryDefaultClick();
  void ShowApModePage();
  void ShowClientModePage();
  void CheckWiFiTimeouts();
  void AbortWiFiOperation();

  // --- receive path: every line of the serial link
  void OnSerialLine(const std::string& line);

  // --- step machine
  void Timer_WiFi_functionTimer();
  void EnterWiFiCommandMode();

  // --- page
  void CheckWiFiSetupLink();
  bool UpdateWiFiTabVisibility();
  void EnableWiFiPageControls(bool enabled);
  void EnableApSettingsControls(bool enabled);
  void UpdateIpAddressControl();
  void CreateIpAddressControl();
  void CreateDisabledIpAddressControl();
  void HideIpAddressControl();
  std::string FormatIpAddress() const;
  void ClearWiFiPage();
  void ShowProcessingBar(std::function<void()> afterClose = {});
  void CloseProcessingBar();
  void CheckBox_WiFi_AutoSelectClick();
  void FormOnActivate();
  void StringGridWiFiList_OnDblClick();
  // Ctrl+Shift+M toggles the reply memo; true when the key was that one.
  bool Edit_WiFi_SSIDKeyDown(int key, bool ctrl, bool shift);
  bool Edit_Hide_WiFiKeyDown(int key, bool ctrl, bool shift);

  // --- reply parsing
  void Memo_WiFiChange();
  bool HasApSettingsEchoes() const;
  bool HasDhcpEchoes() const;
  bool IsApPasswordGiven() const;
  bool IsApChannelGiven() const;
  void CheckApSettingsComplete();

  // --- network list and selection
  void ParseScanLine(const std::string& line);
  void ConnectStation();
  void SpeedButton_WiFi_STA_connectClick();
  void StringGridWiFiList_OnClick();
  void Edit_Hide_WiFiClick();
  void SpeedButton_WiFi_UpdateClick();
  void SpeedButton_retry_dhcp_ipClick();
  void Memo_WiFiDblClick();
  void UpdateRetryDhcpButton();
  bool CheckDeviceConnected();

  // --- report record and applying settings
  void FillWiFiReportData();
  void SetWiFiModeRadios(int mode);
  void MarkActiveWiFiMode(int mode);
  bool ValidateAccessPointSettings();
  void spbWiFiClick();
  void StartApplyApSettings();
  void RadioButton_APMouseDown();
  void RadioButton_STA_OnMouseDown();
  void CheckBox_WiFi_Open_OnMouseDown();
  void CheckBox_WiFi_NonePasswordClick();

  // Before a configuration report: the settings are loaded again wherever the
  // page is; `afterClose` runs once the progress window has closed.
  void StartReportRefresh(std::function<void()> afterClose = {});

  // Called by Configure Device and Read Device on the Wi-Fi tab.
  void WiFiConfigureDevice();
  bool WiFiReadDevice();  // false: Wi-Fi is off, nothing is to be read

 private:
  // step functions
  void StepReadApSettings();
  void StepApplyApSettings();
  void StepScanNetworks();
  void StepPasswordAccepted();
  void StepConnectStation();
  void StepDisconnectStation();
  void StepDhcpClientIp();
  void StepLoadWiFiSettings();
  void StepChangeWiFiMode();
  void StepEnableWiFi();
  void StepFactoryReset();
  void StepApplyAndReboot();

  // parsers
  void ParseApSettingsReplies();
  void FillApSettingsFromReplies();
  void ParseNetworkListReplies();
  void ParseConnectReplies();
  void ParseDisconnectReplies();
  void ParseDhcpReplies();
  void ParseLoadSettingsReplies();
  void ParseEnableReplies();
  void ParseAddressReplies(int k);
  void ShowWiFiModeFromReply(const std::string& line);
  void UpdateFirmwareLabel();

  // helpers
  void BeginOperation(WiFiOperation op, const std::string& status);
  void SendExitSentence();
  void Send(const std::string& bytes);
  void SendCommand(const std::string& command);  // appends the LF, remembers it
  bool CommandsAcknowledged() const;
  void EndEarly();
  void TimeOut(const std::string& message);
  void ContinueWithLoad();
  void ShowLater(const std::string& text, const std::string& caption, DialogIcon icon);
  // Every box of the set-up goes through here, so that what follows a closed
  // progress window waits until no box of the set-up is up or waiting.
  DialogResult Box(const std::string& text, const std::string& caption, DialogButtons buttons,
                   DialogIcon icon = DialogIcon::None);
  void AfterBoxes(std::function<void()> work);
  void BoxDone();
  void SetLinkState(bool linked);

  const MSG_TEXT_STRUCT& texts_;
  WiFiPage& page_;
  WiFiHost& host_;
  Dialogs& dialogs_;
  ProgressWindow& progress_;
  PasswordPrompt& password_;

  bool inMemoChange_ = false;
  bool memoChangedAgain_ = false;
  int nextScanLine_ = 10;         // first memo line of the scan not yet taken
  int scanLinesAtLastTick_ = -1;  // memo lines at the previous scan tick
  bool overLimitNoticeShown_ = false;
  std::vector<std::string> sentCommands_;  // AT lines of ops 2 and 12, for the acknowledgement test
  bool applyAcknowledged_ = false;
  int boxesPending_ = 0;                           // up, or posted to come up
  std::vector<std::function<void()>> afterBoxes_;  // held until none is
};
