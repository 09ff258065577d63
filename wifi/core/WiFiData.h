#pragma once
// The Wi-Fi set-up's records: the operations and their time-outs, the set-up
// state, the report record and the scanned network list.
#include <cstdint>
#include <string>

// The Wi-Fi module operations. The numbers are part of the state that other
// pages read and set, so they stay fixed.
enum class WiFiOperation : int32_t {
  None = 0,
  ReadApSettings = 1,
  ApplyApSettings = 2,
  ScanNetworks = 3,
  PasswordAccepted = 4,
  ConnectStation = 5,
  DisconnectStation = 6,
  DhcpClientIp = 7,
  LoadWiFiSettings = 8,
  ChangeMode = 9,
  EnableWiFi = 10,
  FactoryReset = 11,
  ApplyAndReboot = 12,
};

// Start values of the time-out countdowns, in one-second ticks.
namespace wifi_timeouts {
inline constexpr int32_t kEnterCmdMode = 15;
inline constexpr int32_t kReadAp = 15;
inline constexpr int32_t kApplyAp = 15;
inline constexpr int32_t kScan = 25;
inline constexpr int32_t kConnect = 60;
inline constexpr int32_t kDisconnect = 40;
inline constexpr int32_t kDhcp = 30;
inline constexpr int32_t kApplyReboot = 60;
inline constexpr int32_t kEnable = 20;
inline constexpr int32_t kLoad = 12;
inline constexpr int32_t kFactoryReset = 60;
inline constexpr int32_t kChangeMode = 30;
}  // namespace wifi_timeouts

// The Wi-Fi set-up state: one per program, held by the main window. The
// receive path sets cmdMode/step when the module answers "+ok"; the
// configuration replies set modulePresent; device changes and the connection
// set reloadNeeded. Everything else belongs to the Wi-Fi code.
struct WIFI_DATA_STRUCT {
  int32_t timeoutEnterCmdMode = wifi_timeouts::kEnterCmdMode;
  int32_t timeoutReadAp = wifi_timeouts::kReadAp;
  int32_t timeoutApplyAp = wifi_timeouts::kApplyAp;
  int32_t timeoutScan = wifi_timeouts::kScan;
  int32_t timeoutConnect = wifi_timeouts::kConnect;
  int32_t timeoutDisconnect = wifi_timeouts::kDisconnect;
  int32_t timeoutDhcp = wifi_timeouts::kDhcp;
  int32_t timeoutApplyReboot = wifi_timeouts::kApplyReboot;
  int32_t timeoutEnable = wifi_timeouts::kEnable;
  int32_t timeoutLoad = wifi_timeouts::kLoad;
  int32_t timeoutFactoryReset = wifi_timeouts::kFactoryReset;
  int32_t timeoutChangeMode = wifi_timeouts::kChangeMode;

  int32_t step = 0;  // tick counter of command-mode entry and of the operation
  uint8_t ipControlShown = 0;
  uint8_t stationLinked = 0;
  uint8_t cmdMode = 0;  // 1 once the module answered "+ok" to the pass-through
  WiFiOperation operation = WiFiOperation::None;
  std::string stationPassword = "0";  // "0": open network
  std::string joinSsid = "0";
  std::string linkedBssid = "0";
  int32_t modeShown = -1;  // -1 none, 0 access point, 1 client
  uint8_t modulePresent = 0;
  uint8_t reloadNeeded = 1;
  std::string pendingMessage;

  // Status texts, in their fixed order.
  std::string textEnabledNotice = "Wi-Fi function is enabled.";
  std::string textReadAp = "Reading Access Point settings...";
  std::string textApplyAp = "Apply settings...";
  std::string textScan = "Update Available Network List";
  std::string textConnect = "Connecting...";
  std::string textDisconnect = "Disconnecting...";
  std::string textDhcp = "Acquiring DHCP Client IP...";
  std::string textLoad = "Loading Wi-Fi Settings...";
  std::string textEnable = "Enable Wi-Fi Function...";
  std::string textDisable = "Disable Wi-Fi Function..";
  std::string textChangeMode = "Changing Wi-Fi mode...";
  std::string textFactoryReset = "Factory Reset";
  std::string textRebooting = "Rebooting the Wi-Fi Module";
};

// The module's settings as last read, for the configuration report.
struct WIFI_GENERATE_REPORT_DATA {
  uint8_t reportLoad = 0;  // 1 while a report gathers the settings off screen
  std::string firmwareVersion = "0";
  uint8_t enabled = 0;
  int32_t mode = -1;  // 0 access point, 1 client, -1 none
  std::string ipAddress = "0";
  std::string port = "n/a";
  std::string ssid = "0";
  std::string security = "0";  // "WPA2_AES" or "NONE"
  std::string key = "0";
  int32_t channel = -1;  // 0 automatic
  uint8_t linked = 0;
  int32_t dbm = 1;
};

// One network found by a scan.
struct AP_DATA_STRUCT {
  std::string ssid;
  int32_t signalClass = 0;  // image index 0-4
  int32_t security = 0;     // 5 secured, -1 open
  int32_t link = 0;         // 6 linked, -1 not
  int32_t dbm = 0;
  std::string securityText;
};

inline constexpr int kMaxAccessPoints = 100;

struct AP_LIST_STRUCT {
  AP_DATA_STRUCT entries[kMaxAccessPoints];
  int32_t count = 0;
};

// Resets the Wi-Fi state and the report record to their start-up values.
void InitWiFiData(WIFI_DATA_STRUCT& wifi);
void InitWiFiReportData(WIFI_GENERATE_REPORT_DATA& report);
