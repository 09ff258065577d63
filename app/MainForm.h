#pragma once
// The main window: the composition of the connection panel and the pages,
// the two links, the connection's state machine, the timers and the menus.
// Its handlers keep their fixed names and forward to where the work lives.
#include <QMainWindow>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/FormControls.h"
#include "app/PortDiscovery.h"
#include "app/core/CfgReply.h"
#include "app/core/ConfigPages.h"
#include "app/core/ConnectionSession.h"
#include "app/core/DeviceInfo.h"
#include "links/SerialLink.h"
#include "links/TcpLink.h"
#include "links/UiDispatcher.h"
#include "protocol/ProtocolState.h"
#include "ui/core/Dialogs.h"
#include "ui/core/MessageTexts.h"
#include "wifi/core/WiFiData.h"

class QAction;
class QActionGroup;
class QMenu;
class QTabWidget;
class BaudRatePage;
class ConnectionPanel;
class DataLogPage;
class DeviceMonitor;
class EncryptionPage;
class GpsStatusPage;
class SrmButtonPage;
class SrmTextPage;
class StaticDataPage;
class SystemCheckPage;
class TfrmAbout;
class TfrmAgreement;
class TransceiverPage;
class WiFiSetup;
class WiFiSetupPage;
struct CONFIG_REPORT_DATA;
struct SysCheckView;

// What a test (or another host) hands the window instead of the real thing.
// Every member left empty means the real one.
struct TForm1Options {
  Dialogs* dialogs = nullptr;            // not owned; Qt message boxes when null
  std::shared_ptr<PortDiscovery> ports;  // the PC's ports when null
  UiDispatcher* dispatcher = nullptr;    // not owned; the Qt event loop when null
  std::string documentsDir;              // the user's Documents folder when empty
  std::string appDir;                    // the program's folder when empty
  bool liveTimers = true;                // false: timers only keep Enabled; tests tick
  bool deviceMonitor = true;             // false: no udev monitor
  CommSystem* commSystem = nullptr;      // not owned; the system's own calls when null
};

class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit TForm1(QWidget* parent = nullptr);
  explicit TForm1(const TForm1Options& options, QWidget* parent = nullptr);
  ~TForm1() override;

  // ---- the window's timers, one tick a call --------------------------------
  void Timer1Timer();
  void Timer2Timer();
  void TimerConnectionTimer();
  void TimerUpdateSysChkTimer();
  void Timer_WiFi_functionTimer();
  // One second after the clear button: ask the device again if still connected.
  void ClearCheckRequeryTimer();

  // ---- frame, menus, keys ----------------------------------------------------
  // The close query; true when the window may close (the port is closed and
  // the language stored then).
  bool FormCloseQuery();
  void btnExitClick();
  void mnuAboutClick();
  void mnuSerialPortClick();
  void mnuWiFiClick();
  // The language menu's items; the language is the item's Tag (data()).
  void mnuLangTraChineseClick(QAction* item);
  void SelectConnectionMedium(int medium, QAction* menuItem);
  // F1 (STATIC DATA) and F12 (DATA LOG) wherever the focus is; others do nothing.
  void FormKeyUp(int key);
  void PageControlMainChange();
  void PageControlConfChange();
  // Creates the about box and the agreement window (the program's entry).
  void CreateInformationWindows();
  void ApplySavedLanguage();

  // ---- ports and connection --------------------------------------------------
  // A device-change notice (from the udev monitor).
  void DeviceChangeNotice();
  void EnumComPorts();
  void ProbeComPorts();
  void FillComPortCombo();
  void cbxComPortChange();
  void cbxBaudRateChange();
  void RadioButtonConnectionModeAutoClick();
  void OpenPortClick();
  void ToggleConnection();
  void ResetSession();
  void LabelConnectionStatusDblClick();
  bool ValidateTcpSettings();
  // The test sentence with the command, and the configuration queries.
  bool QueryDevice(int command);

  // ---- receive and send -----------------------------------------------------
  // What each link received, cut into lines and handed on; false when a
  // handler ended the link (or the window) before the bytes' end.
  bool SerialRxHandler(std::string_view bytes);
  bool TcpRxHandler(std::string_view bytes);
  bool SendRaw(const char* buffer, size_t length);
  bool SendRaw(const std::string& bytes) { return SendRaw(bytes.data(), bytes.size()); }
  // Appends "*", the checksum and CR LF, then sends.
  bool SendSentence(std::string text);
  bool SendRecordSentence(const char* talker, const char* formatter);
  // Longest line handed on, per link; bytes kept at most without an LF.
  static constexpr size_t kSerialLineLimit = 82;
  static constexpr size_t kTcpLineLimit = 100;
  static constexpr size_t kLineAccumulatorLimit = 1024;

  // ---- configuration pages and device data ----------------------------------
  // Arms the handshake (no line), or offers it a received line (CR LF included).
  void DeviceHandshake(const std::string& line = std::string());
  void ParseDeviceData(const std::string& line);
  // A parsed CEK sentence in the incoming record (the status dispatcher calls it).
  void ParseCekSentence();
  void SpeedButtonSettingClick();  // Configure Device
  void SpeedButtonReloadClick();   // Read Device
  void SpeedButtonStaticDataClick();
  void spbTransponderClick();
  void spbBaudRateClick();
  void spbSRMTextClick();
  void spbSRMButtonTextClick();
  void spbConfigEncryptionClick();
  void cbxShipTypeChange();
  void cbxShipCargoTypeClick();  // the user picked a row
  void ComboBoxGpsOutputChange();
  void ComboBoxALRSentenceChange();
  void cbxEncrptionEnableClick();
  void cbxEncryptionAddressModeClick();

  // ---- diagnosis pages -------------------------------------------------------
  void SpeedButtonClearCheckClick();
  void btnClearLogClick();
  void btnSaveLogClick();
  void ButtonCustomSendCommandClick();

  // ---- Wi-Fi page and the report ---------------------------------------------
  void StartLoadWiFiSettings();
  // True while the progress window is open with its timer running.
  bool ProcessingBarRunning();
  void CloseProcessingBar();
  // Offers the report once the event queue is reached (and after a running
  // Wi-Fi reload has ended).
  void WriteConfigReport();

  // ---- what the window holds, for its other windows and for tests ------------
  ConnectionSession& Session() const { return *session_; }
  TComm* Comm() const { return &serial_->Port(); }
  const TcpLink& Tcp() const { return *tcp_; }
  ProtocolState& Protocol() const { return *protocol_; }
  DEVICE_INFO_STRUCT& DeviceInfo() { return deviceInfo_; }
  const MSG_TEXT_STRUCT& Texts() const { return texts_; }
  WiFiSetup& WiFi() const { return *wifi_; }
  TfrmAbout* About() const { return about_; }
  TfrmAgreement* Agreement() const { return agreement_; }
  const std::vector<SerialPortInfo>& ComPortList() const { return comPorts_; }
  const std::vector<SerialPortInfo>& OpenablePortList() const { return openablePorts_; }
  // The line each link is receiving.
  const std::string& SerialLine() const { return serialLine_; }
  const std::string& TcpLine() const { return tcpLine_; }
  int ConnectionMedium() const { return medium_; }  // 0 serial port, 1 Wi-Fi (TCP)
  // The connect button's Tag is 1: a connection is open or being made.
  bool ConnectionOpen() const;
  std::string ConnectionStatusText() const;
  bool DeviceChanged() const { return deviceChanged_ != 0; }
  // 3 the SRM text page is shown, 4 the SRM button page, else neither.
  int32_t CurrentSrmMode() const { return SrmMode; }
  int32_t LanguageIndex() const { return languageIndex_; }
  void SetLanguageIndex(int32_t index) { languageIndex_ = index; }
  // The old font character set of the language; Qt renders Unicode, so it is only kept.
  int32_t FontCharset() const { return fontCharset_; }
  const std::string& SettingsFile() const { return settingsFile_; }
  // 255 idle; "Read Device" sets 1, and the report follows at 0.
  int32_t ReportCountdown() const { return reportCountdown_; }
  void SetReportCountdown(int32_t ticks) { reportCountdown_ = ticks; }
  // What opens a saved report, and the local time {year, month, day, hour,
  // minute, second} it is stamped with.
  void SetReportFileOpener(std::function<void(const std::string& path)> open);
  void SetReportClock(std::function<std::array<int, 6>()> clock);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  friend class FormConnectionHost;
  friend class FormWiFiHost;
  struct WiFiParts;

  // MainForm_Build.cpp, MainForm.cpp: the frame and its start.
  void BuildFrame();
  void WireFrame();
  void InitSettingsPaths(const std::string& documentsDir, const std::string& appDir);
  void LayoutConnectionGroups();
  void InitConnectionPages();
  void FormResize();
  // MainForm_Ports.cpp, MainForm_Connection.cpp, MainForm_Tcp.cpp: the connection.
  void InitLinks();
  void InitConnectionSession();
  void InitSerialPort();
  void CheckConnectedPortPresent(bool connected);
  // The device path for the port box's text: a listed name gives its path,
  // any other text is taken as a path as it is.
  std::string PortPathForText(const std::string& text) const;
  bool IsListedPort(const std::string& path) const;
  void ToggleSerialConnection();
  void ConnectionStep();
  void OpenComPort(const SerialPortInfo& port);
  // Opens the port at path with RTS and DTR raised; left closed on failure.
  void OpenSerialPort(const std::string& path);
  void SetAutoBaud(int index);
  int CheckManualPort();
  void SetConnectionStatus(const std::string& text);
  void ToggleTcpConnection();
  void SetTcpConnectedUi(bool on);
  void TcpDisconnectHandler();
  // MainForm_ReceiveSend.cpp: lines cut from a link's bytes and handed on.
  bool HandleReceivedBytes(const char* data, size_t count, bool serial);
  void HandleLine(std::string& line, bool serial);
  void ReportSendFailure();
  // MainForm_DeviceData.cpp, MainForm_ConfigPages.cpp, MainForm_SrmPages.cpp.
  void WireConfigPages();
  void ResetDeviceInfo();
  // A new session: the device information cleared except its check flags,
  // nothing shown of a programmed MMSI, and no SRM page chosen.
  void ClearSessionDeviceInfo();
  CfgReply ParseCfgReply(const std::string& line);
  void HandleCfgReply(const CfgReply& reply);
  void SelectSrmMode();
  void ShowSrmTabs();
  // Shows the NMEA ports of the baud-rate tab by the device type.
  void ShowNmeaPorts();
  // After a stored SSD or VSD (the codec calls it through the protocol state).
  void ShowStaticVoyageData(const SENTENCE_STRUCT& record);
  bool ConfigDeviceConnected();
  // Sends whole lines in order; at the first failure the link is closed,
  // PortOpenError shown, and false returned.
  bool SendConfigLines(const std::vector<std::string>& lines);
  bool ShowRefusal(const ConfigRefusal& refusal);
  void SetWiFiModulePresent(bool present);
  // MainForm_Diagnosis*.cpp, MainForm_Gps.cpp: the diagnosis pages.
  void WireDiagnosisPages();
  // A received line (CR LF included) for the status sentences.
  void DispatchStatusSentence(const std::string& line);
  // The six pictures; the TX and RX results go into the device information.
  void UpdateCheckImages();
  void CreateSatelliteChart();
  void ResetGpsCounters();
  // After a stored GNSS sentence, and after an AIS one that began with '!'.
  void UpdateGpsStatus();
  void CountAisReports();
  // The six items as the device dump, the own vessel and the counts stand now.
  SysCheckView SystemCheckNow() const;
  // The custom command took the Wi-Fi module over: no operation is current.
  void SetWiFiOperationNone();
  // MainForm_WiFi.cpp: the Wi-Fi page's set-up.
  void InitWiFiPage();
  void WireWiFiPage();
  void CheckWiFiSetupLink();
  void CheckWiFiTimeouts();
  void UpdateIpAddressControl();
  bool UpdateWiFiTabVisibility();
  void WiFiConfigureDevice();
  bool WiFiReadDevice();  // false when Wi-Fi is off
  void EnableWiFiPageControls(bool enabled);
  void FillWiFiReportData();
  // MainForm_Language.cpp, MainForm_Report.cpp.
  void WireLanguageAndReport();
  void LoadLanguageFile(const std::string& path, const std::string& codePage);
  void ShowAbout();
  void WireReport();
  void RefreshWiFiBeforeReport();
  void PostConfigReport();
  void RunConfigReport();
  CONFIG_REPORT_DATA CollectReportData(const WIFI_GENERATE_REPORT_DATA& wifi) const;

  // Before `dialogs`, which may refer to it.
  std::unique_ptr<Dialogs> ownedDialogs_;
  Dialogs& dialogs;
  MSG_TEXT_STRUCT texts_;
  std::unique_ptr<ProtocolState> protocol_;
  DEVICE_INFO_STRUCT deviceInfo_;
  std::unique_ptr<UiDispatcher> ownedDispatcher_;
  UiDispatcher* dispatcher_;
  std::shared_ptr<PortDiscovery> ports_;
  CommSystem* commSystem_ = nullptr;
  DeviceMonitor* deviceMonitor_ = nullptr;
  bool liveTimers_;
  bool closing_ = false;
  // Posted work holds a weak reference: a window that is gone gets nothing.
  std::shared_ptr<int> alive_ = std::make_shared<int>(0);

  // The window's own settings and state.
  std::string appDir_;       // with its trailing separator
  std::string settingsDir_;  // with its trailing separator
  std::string settingsFile_;
  int32_t languageIndex_ = 0;
  int32_t fontCharset_ = 238;
  int8_t medium_ = 0;
  int32_t reportCountdown_ = 255;
  enum class ReportStep { Idle, WaitingForWiFi, Posted };
  ReportStep reportStep_ = ReportStep::Idle;
  std::function<void(const std::string& path)> openReportFile_;
  std::function<std::array<int, 6>()> reportClock_;

  // Ports and links.
  std::vector<SerialPortInfo> comPorts_;
  std::vector<SerialPortInfo> openablePorts_;
  // The open port's path once a rebuild found it listed (see EnumComPorts).
  std::string listedOpenPort_;
  uint8_t deviceChanged_ = 0;
  int32_t deviceChangeTicks_ = 0;
  std::unique_ptr<ConnectionHost> connectionHost_;
  std::unique_ptr<ConnectionSession> session_;
  std::unique_ptr<SerialLink> serial_;
  std::unique_ptr<TcpLink> tcp_;
  Link* link_ = nullptr;  // the chosen medium's link: every send goes to it
  std::string serialLine_;
  std::string tcpLine_;
  // An over-long run on a link is skipped up to its next LF.
  bool serialSkipping_ = false;
  bool tcpSkipping_ = false;

  // What the device said of its SRM pages, and the key sentences sent.
  uint8_t SrmButtonSupported = 0;
  uint8_t SrmTextSupported = 0;
  int32_t SrmMode = 0;
  uint32_t CekSequence = 0;

  // The Wi-Fi set-up: its state, report record, networks and logic.
  WIFI_DATA_STRUCT WiFiData;
  WIFI_GENERATE_REPORT_DATA WiFiReportData;
  AP_LIST_STRUCT ApList;
  uint8_t& ipControlShown = WiFiData.ipControlShown;
  uint8_t& reloadNeeded = WiFiData.reloadNeeded;
  WiFiSetup* wifi_ = nullptr;  // owned by wifiParts_
  std::shared_ptr<WiFiParts> wifiParts_;

  // Timers.
  TTimer* Timer1;
  TTimer* TimerConnection;
  TTimer* Timer2;
  TTimer* TimerUpdateSysChk;
  TTimer* Timer_WiFi_function;
  TTimer* TimerClearCheck = nullptr;

  // Menus.
  QMenu* mnuFile;
  QAction* mnuExit;
  QMenu* mnuOption;
  QAction* mnuOptionAction;
  QMenu* mnuConnection;
  QAction* mnuConnectionAction;  // the Connection submenu's own item
  QAction* mnuSerialPort;
  QAction* mnuWiFi;
  QActionGroup* mnuConnectionGroup;
  QMenu* mnuLanguage;
  QAction* mnuLanguageAction;
  QAction* mnuLangEnglish;
  QAction* mnuLangTraChinese;
  QAction* mnuLangSimpChinese;
  QAction* mnuLangRussian;
  QActionGroup* mnuLanguageGroup;
  QMenu* mnuHelp;
  QAction* mnuAbout;

  // The connection panel, the page controls and one member per page.
  ConnectionPanel* connectionPanel_ = nullptr;
  QTabWidget* PageControlMain;
  QWidget* TabSheetConfig;
  QWidget* TabSheetDiagnosis;
  QTabWidget* PageControlConf;
  QTabWidget* PageControlDiagnosis;
  TSpeedButton* SpeedButtonSetting;
  TSpeedButton* SpeedButtonReload;
  StaticDataPage* TabSheetStatic;
  TransceiverPage* TabSheetTransceiver;
  BaudRatePage* TabSheetBaudRate;
  SrmTextPage* TabSheetSRMText;
  SrmButtonPage* TabSheetButtonSRM;
  EncryptionPage* TabSheetEncryption;
  WiFiSetupPage* TabSheetWiFi;
  SystemCheckPage* TabSheetSystemCheck;
  GpsStatusPage* TabSheetGpsStatus;
  DataLogPage* TabSheetDataLog;
  TfrmAbout* about_ = nullptr;
  TfrmAgreement* agreement_ = nullptr;
};
