#pragma once
// The main window: the connection panel, the configuration and diagnosis
// pages, and the connection to the transponder over a serial port or TCP.
#include <QMainWindow>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
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
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QWidget;
class DeviceMonitor;
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

  // Before `dialogs`, which may refer to it.
  std::unique_ptr<Dialogs> ownedDialogs_;

 public:
  explicit TForm1(QWidget* parent = nullptr);
  explicit TForm1(const TForm1Options& options, QWidget* parent = nullptr);
  ~TForm1() override;

  // ---- start-up, housekeeping timers, close, medium --------------------
  void Timer1Timer();
  void Timer2Timer();
  // The close query; true when the window may close (the port is closed
  // and the language stored then).
  bool FormCloseQuery();
  void btnExitClick();
  void mnuAboutClick();
  void mnuSerialPortClick();
  void mnuWiFiClick();
  void SelectConnectionMedium(int medium, QAction* menuItem);
  void LayoutConnectionGroups();
  void InitConnectionPages();
  // A device-change notice (from the udev monitor; tests call it).
  void DeviceChangeNotice();

  // ---- ports ------------------------------------------------------------
  void InitSerialPort();
  void EnumComPorts();
  void ProbeComPorts();
  void FillComPortCombo();
  void CheckConnectedPortPresent(bool connected);
  void cbxComPortChange();
  void cbxBaudRateChange();
  void RadioButtonConnectionModeAutoClick();
  // The device path for the text of the port box: a listed name gives its
  // path, any other text is taken as a path as it is.
  std::string PortPathForText(const std::string& text) const;
  bool IsListedPort(const std::string& path) const;

  // ---- serial connection and detection ----------------------------------
  void OpenPortClick();
  void ToggleConnection();
  void ToggleSerialConnection();
  void ResetSession();
  void ConnectionStep();
  void OpenComPort(const SerialPortInfo& port);
  // Opens the port at path with RTS and DTR raised; left closed on failure.
  void OpenSerialPort(const std::string& path);
  // The serial port's settings can be changed only while no connection is open.
  void SetAutoBaud(int index);
  int CheckManualPort();
  bool QueryDevice(int command);
  void TimerConnectionTimer();
  void SetConnectionStatus(const std::string& text);
  void LabelConnectionStatusDblClick();

  // ---- TCP connection ---------------------------------------------------
  void ToggleTcpConnection();
  void SetTcpConnectedUi(bool on);
  void TcpDisconnectHandler();
  bool ValidateTcpSettings();

  // ---- receive and send -------------------------------------------------
  // What each link received, cut into lines and handed on; false when a
  // handler ended the link (or the window) before the bytes' end.
  bool SerialRxHandler(std::string_view bytes);
  bool TcpRxHandler(std::string_view bytes);
  // The serial port component, and the TCP medium's link.
  TComm* Comm() const { return &serial_->Port(); }
  // The connection's state machine: detection, ticks, the handshake.
  ConnectionSession& Session() const { return *session_; }
  // The connect button's Tag is 1: a connection is open or being made.
  bool ConnectionOpen() const;
  std::string ConnectionStatusText() const;
  const TcpLink& Tcp() const { return *tcp_; }
  bool SendRaw(const char* buffer, size_t length);
  bool SendRaw(const std::string& bytes) { return SendRaw(bytes.data(), bytes.size()); }
  // Appends "*", the checksum and CR LF, then sends.
  bool SendSentence(std::string text);
  bool SendRecordSentence(const char* talker, const char* formatter);

  // Longest line handed on, per link; bytes kept at most without an LF.
  static constexpr size_t kSerialLineLimit = 82;
  static constexpr size_t kTcpLineLimit = 100;
  static constexpr size_t kLineAccumulatorLimit = 1024;

  // ---- state ------------------------------------------------------------
  Dialogs& dialogs;
  MSG_TEXT_STRUCT Texts;
  std::unique_ptr<ProtocolState> Protocol;

  std::vector<SerialPortInfo> ComPortList;
  std::vector<SerialPortInfo> OpenablePortList;
  uint8_t DeviceChanged = 0;
  std::string SerialLine;
  std::string TcpLine;
  int32_t LanguageIndex = 0;

  std::string AppDir;       // with its trailing separator
  std::string SettingsDir;  // with its trailing separator
  std::string SettingsFile;
  int8_t ConnectionMedium = 0;    // 0 serial port, 1 Wi-Fi (TCP)
  int32_t ReportCountdown = 255;  // 255 idle; "Read Device" sets 1
  int32_t DeviceChangeTicks = 0;

  // ---- timers -------------------------------------------------------------
  TTimer* Timer1;
  TTimer* TimerConnection;
  TTimer* Timer2;
  TTimer* TimerUpdateSysChk;
  TTimer* Timer_WiFi_function;

  // ---- menus ------------------------------------------------------------
  QMenu* mnuFile;
  QAction* mnuExit;
  QMenu* mnuOption;
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
  QAction* mnuOptionAction;

  // ---- main pages -------------------------------------------------------
  QTabWidget* PageControlMain;
  QWidget* TabSheetConfig;
  QWidget* TabSheetDiagnosis;
  QTabWidget* PageControlConf;
  QTabWidget* PageControlDiagnosis;
  TSpeedButton* SpeedButtonSetting;
  TSpeedButton* SpeedButtonReload;

  // STATIC DATA
  class StaticDataPage* TabSheetStatic;

  // TRANSCEIVER
  class TransceiverPage* TabSheetTransceiver;

  // BAUD RATE
  class BaudRatePage* TabSheetBaudRate;

  // SRM TEXT (four texts) and SRM TEXT (the button's text)
  class SrmTextPage* TabSheetSRMText;
  class SrmButtonPage* TabSheetButtonSRM;

  // ENCRYPTION
  class EncryptionPage* TabSheetEncryption;

  // Wi-Fi
  class WiFiSetupPage* TabSheetWiFi;

  // DATA LOG
  class DataLogPage* TabSheetDataLog;

  // ==== configuration pages and device data ====
  // Wires the configuration pages' handlers; called once the controls exist.
  void WireConfigPages();
  // The constructor's start values: the six check flags cleared.
  void ResetDeviceInfo();
  // A new session: the device information cleared except its check flags,
  // nothing shown of a programmed MMSI, and no SRM page chosen.
  void ClearSessionDeviceInfo();
  // Arms the handshake (no line), or offers it a received line (CR LF included).
  void DeviceHandshake(const std::string& line = std::string());
  void ParseDeviceData(const std::string& line);
  CfgReply ParseCfgReply(const std::string& line);
  void HandleCfgReply(const CfgReply& reply);
  void SelectSrmMode();
  void ShowSrmTabs();
  // SrmMode: 3 the SRM text page is shown, 4 the SRM button page, else neither.
  int32_t CurrentSrmMode() const { return SrmMode; }
  // Shows the NMEA ports of the baud-rate tab by DeviceInfo.multipleBaudType.
  void ShowNmeaPorts();
  // After a stored SSD or VSD (the codec calls it through Protocol).
  void ShowStaticVoyageData(const SENTENCE_STRUCT& record);
  // A parsed CEK sentence in Protocol->incoming (the status dispatcher calls it).
  void ParseCekSentence();
  void cbxShipTypeChange();
  void cbxShipCargoTypeClick();    // the user picked a row
  void SpeedButtonSettingClick();  // Configure Device
  void SpeedButtonReloadClick();   // Read Device
  void PageControlConfChange();
  void SpeedButtonStaticDataClick();
  void spbTransponderClick();
  void spbBaudRateClick();
  void ComboBoxGpsOutputChange();
  void ComboBoxALRSentenceChange();
  void spbSRMTextClick();
  void spbSRMButtonTextClick();
  void spbConfigEncryptionClick();
  void cbxEncrptionEnableClick();
  void cbxEncryptionAddressModeClick();

  DEVICE_INFO_STRUCT DeviceInfo;

 private:
  // What the device said of its SRM pages.
  uint8_t SrmButtonSupported = 0;
  uint8_t SrmTextSupported = 0;
  int32_t SrmMode = 0;
  uint32_t CekSequence = 0;  // encryption-key sentences sent in this run
  bool ConfigDeviceConnected();
  // Sends whole lines in order; at the first failure the link is closed,
  // PortOpenError shown, and false returned.
  bool SendConfigLines(const std::vector<std::string>& lines);
  bool ShowRefusal(const ConfigRefusal& refusal);
  void SetWiFiModulePresent(bool present);

 public:
  // ==== end configuration pages and device data ====

  // ==== diagnosis pages ====
  void WireDiagnosisPages();
  // A received line (CR LF included) for the status sentences.
  void DispatchStatusSentence(const std::string& line);
  // The six pictures; the TX and RX results go into DeviceInfo for the report.
  void UpdateCheckImages();
  void CreateSatelliteChart();
  // Satellite lists and AIS report counters zeroed.
  void ResetGpsCounters();
  void TimerUpdateSysChkTimer();
  // F1 (STATIC DATA) and F12 (DATA LOG), from the window's short-cuts
  // wherever the focus is; key is a Qt::Key, others do nothing.
  void FormKeyUp(int key);
  // After a stored GNSS sentence, and after an AIS one that began with '!'.
  void UpdateGpsStatus();
  void CountAisReports();
  // System check.
  void SpeedButtonClearCheckClick();
  // One second after the clear button: ask the device again if still connected.
  void ClearCheckRequeryTimer();
  // Data log, custom command, page change, layout.
  void btnClearLogClick();
  void btnSaveLogClick();
  void ButtonCustomSendCommandClick();
  void PageControlMainChange();
  void FormResize();
  // The custom command took the Wi-Fi module over: no operation is current.
  void SetWiFiOperationNone();

 private:
  // The six items as the device dump, the own vessel and the counts stand now.
  SysCheckView SystemCheckNow() const;

  class SystemCheckPage* TabSheetSystemCheck;
  class GpsStatusPage* TabSheetGpsStatus;
  TTimer* TimerClearCheck = nullptr;

 public:
  // ==== end diagnosis pages ====

  // ==== Wi-Fi page ====
  void WireWiFiPage();
  void InitWiFiPage();
  void CheckWiFiSetupLink();
  void CheckWiFiTimeouts();
  void UpdateIpAddressControl();
  bool UpdateWiFiTabVisibility();
  void Timer_WiFi_functionTimer();
  // True while the progress window is open with its timer running.
  bool ProcessingBarRunning();
  void CloseProcessingBar();
  // Configure Device and Read Device on the Wi-Fi tab (after the connection
  // check): apply or connect; false from Read Device when Wi-Fi is off.
  void WiFiConfigureDevice();
  bool WiFiReadDevice();
  void EnableWiFiPageControls(bool enabled);
  void StartLoadWiFiSettings();
  void FillWiFiReportData();

  // The Wi-Fi set-up state, the report record and the last scan's networks.
  WIFI_DATA_STRUCT WiFiData;
  WIFI_GENERATE_REPORT_DATA WiFiReportData;
  AP_LIST_STRUCT ApList;
  // Flags of the Wi-Fi set-up state that the connection code sets or reads.
  uint8_t& ipControlShown = WiFiData.ipControlShown;
  uint8_t& reloadNeeded = WiFiData.reloadNeeded;
  uint8_t& cmdMode = WiFiData.cmdMode;
  int32_t& wifiStep = WiFiData.step;
  // The set-up logic (operations, steps, parsers); owned by wifiParts_.
  class WiFiSetup* WiFi = nullptr;

 private:
  struct WiFiParts;
  std::shared_ptr<WiFiParts> wifiParts_;

 public:
  // ==== end Wi-Fi page ====

  // ==== language, report, about ====
  void WireLanguageAndReport();
  // Creates the about box and the agreement window (the program's entry).
  void CreateInformationWindows();
  void ApplySavedLanguage();
  void RefreshWiFiBeforeReport();
  // Offers the report once the event queue is reached (and after a running
  // Wi-Fi reload has ended); RunConfigReport is the report itself.
  void WriteConfigReport();
  void RunConfigReport();
  void ShowAbout();
  // The language menu's items; the language is the item's Tag (data()).
  void mnuLangTraChineseClick(QAction* item);
  void LoadLanguageFile(const std::string& path, const std::string& codePage);

  class TfrmAbout* frmAbout = nullptr;
  class TfrmAgreement* frmAgreement = nullptr;
  // The old font character set of the language; Qt renders Unicode, so it is only kept.
  int32_t FontCharset = 238;
  // Opens the saved report; the local time {year, month, day, hour, minute,
  // second} it is stamped with. Tests replace both.
  std::function<void(const std::string& path)> OpenReportFile;
  std::function<std::array<int, 6>()> ReportClock;

 private:
  void WireReport();
  void PostConfigReport();
  enum class ReportStep { Idle, WaitingForWiFi, Posted };
  ReportStep reportStep_ = ReportStep::Idle;

 public:
  // ==== end language, report, about ====

 protected:
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  void BuildFrame();
  void WireFrame();
  void InitSettingsPaths(const std::string& documentsDir, const std::string& appDir);
  // One received byte run of a link, cut into lines and handed on; false
  // when a handler ended the link (or the window) before the run's end.
  bool HandleReceivedBytes(const char* data, size_t count, bool serial);
  void HandleLine(std::string& line, bool serial);
  void ReportSendFailure();
  // Makes both links; the serial one is the current link.
  void InitLinks();
  void InitConnectionSession();

  std::unique_ptr<UiDispatcher> ownedDispatcher_;
  UiDispatcher* dispatcher_;
  std::shared_ptr<PortDiscovery> ports_;
  DeviceMonitor* deviceMonitor_ = nullptr;
  // The open port's path once a rebuild found it listed (see EnumComPorts).
  std::string listedOpenPort_;
  CommSystem* commSystem_ = nullptr;
  bool liveTimers_;
  bool closing_ = false;
  // Posted work holds a weak reference: a window that is gone gets nothing.
  std::shared_ptr<int> alive_ = std::make_shared<int>(0);
  // An over-long run on a link is skipped up to its next LF.
  bool serialSkipping_ = false;
  bool tcpSkipping_ = false;
  friend class FormConnectionHost;
  class ConnectionPanel* connectionPanel_ = nullptr;
  std::unique_ptr<ConnectionHost> connectionHost_;
  std::unique_ptr<ConnectionSession> session_;
  std::unique_ptr<SerialLink> serial_;
  std::unique_ptr<TcpLink> tcp_;
  // The chosen medium's link: every send goes to it.
  Link* link_ = nullptr;
};
