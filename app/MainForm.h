#pragma once
// The main window: the composition of the connection panel and the pages,
// the two links, the connection's state machine, the timers and the menus.
// Its handlers keep their fixed names and forward to where the work lives.
#include <QMainWindow>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/FormControls.h"
#include "app/MainFormOptions.h"
#include "app/MainMenus.h"
#include "app/core/CfgReply.h"
#include "app/core/ConfigPages.h"
#include "app/core/ConnectionSession.h"
#include "app/core/DeviceInfo.h"
#include "links/LineCutter.h"
#include "links/SerialLink.h"
#include "links/TcpLink.h"
#include "protocol/ProtocolState.h"
#include "ui/core/MessageTexts.h"
#include "wifi/core/WiFiData.h"

class QAction;
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
  void ClearCheckRequeryTimer();  // a second after the clear button: ask again

  // ---- frame, menus, keys ----------------------------------------------------
  bool FormCloseQuery();  // true: the window may close (port closed, language stored)
  void btnExitClick();
  void mnuAboutClick();
  void mnuSerialPortClick();
  void mnuWiFiClick();
  void mnuLangTraChineseClick(QAction* item);  // every language item; its Tag is data()
  void SelectConnectionMedium(int medium, QAction* menuItem);
  // F1 (STATIC DATA) and F12 (DATA LOG) wherever the focus is; others do nothing.
  void FormKeyUp(int key);
  void PageControlMainChange();
  void PageControlConfChange();
  void CreateInformationWindows();  // the about box and the agreement window
  void ApplySavedLanguage();

  // ---- ports and connection --------------------------------------------------
  void DeviceChangeNotice();  // from the udev monitor
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
  bool QueryDevice(int command);  // the test sentence, then the configuration queries

  // ---- receive and send -----------------------------------------------------
  // Cut into lines and handed on; false when a handler ended the link or the window.
  bool SerialRxHandler(std::string_view bytes);
  bool TcpRxHandler(std::string_view bytes);
  bool SendRaw(const char* buffer, size_t length);
  bool SendRaw(const std::string& bytes) { return SendRaw(bytes.data(), bytes.size()); }
  bool SendSentence(std::string text);  // with "*", the checksum and CR LF
  bool SendRecordSentence(const char* talker, const char* formatter);
  static constexpr size_t kSerialLineLimit = 82;  // longest line handed on
  static constexpr size_t kTcpLineLimit = 100;

  // ---- configuration pages and device data ----------------------------------
  // Arms the handshake (no line), or offers it a received line (CR LF included).
  void DeviceHandshake(const std::string& line = std::string());
  void ParseDeviceData(const std::string& line);
  void ParseCekSentence();         // the CEK sentence in the incoming record
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
  bool ProcessingBarRunning();  // the progress window is open, its timer running
  void CloseProcessingBar();
  void WriteConfigReport();  // from the event queue, after a running Wi-Fi reload

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
  const std::string& SerialLine() const { return serialLines_.Partial(); }  // being received
  const std::string& TcpLine() const { return tcpLines_.Partial(); }
  int ConnectionMedium() const { return medium_; }  // 0 serial port, 1 Wi-Fi (TCP)
  bool ConnectionOpen() const;  // the connect button's Tag is 1: open or being made
  std::string ConnectionStatusText() const;
  bool DeviceChanged() const { return deviceChanged_ != 0; }
  int32_t CurrentSrmMode() const { return SrmMode; }  // 3 SRM text, 4 SRM buttons
  int32_t LanguageIndex() const { return languageIndex_; }
  void SetLanguageIndex(int32_t index) { languageIndex_ = index; }
  int32_t FontCharset() const { return fontCharset_; }  // kept only: Qt renders Unicode
  const std::string& SettingsFile() const { return settingsFile_; }
  int32_t ReportCountdown() const { return reportCountdown_; }  // 255 idle; report at 0
  void SetReportCountdown(int32_t ticks) { reportCountdown_ = ticks; }
  // What opens a saved report; its stamp {year, month, day, hour, minute, second}.
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
  void FormResize();
  // MainForm_Ports.cpp, MainForm_Connection.cpp, MainForm_Tcp.cpp: the connection.
  void InitLinks();
  void InitConnectionSession();
  void InitSerialPort();
  void CheckConnectedPortPresent(bool connected);
  std::string PortPathForText(const std::string& text) const;
  bool IsListedPort(const std::string& path) const;
  void ToggleSerialConnection();
  void OpenComPort(const SerialPortInfo& port);
  void OpenSerialPort(const std::string& path);
  void SetAutoBaud(int index);
  int CheckManualPort();
  void SetConnectionStatus(const std::string& text);
  void ToggleTcpConnection();
  void SetTcpConnectedUi(bool on);
  void TcpDisconnectHandler();
  // MainForm_ReceiveSend.cpp: lines cut from a link's bytes and handed on.
  bool HandleReceivedBytes(std::string_view bytes, bool serial);
  void HandleLine(std::string& line, bool serial);
  void ReportSendFailure();
  // MainForm_DeviceData.cpp, MainForm_ConfigPages.cpp, MainForm_SrmPages.cpp.
  void WireConfigPages();
  void ResetDeviceInfo();
  void ClearSessionDeviceInfo();
  CfgReply ParseCfgReply(const std::string& line);
  void HandleCfgReply(const CfgReply& reply);
  void SelectSrmMode();
  void ShowSrmTabs();
  void ShowNmeaPorts();
  void ShowStaticVoyageData(const SENTENCE_STRUCT& record);
  bool ConfigDeviceConnected();
  bool SendConfigLines(const std::vector<std::string>& lines);
  bool ShowRefusal(const ConfigRefusal& refusal);
  // MainForm_Diagnosis*.cpp, MainForm_Gps.cpp: the diagnosis pages.
  void WireDiagnosisPages();
  void DispatchStatusSentence(const std::string& line);
  void UpdateCheckImages(const SysCheckView& v);
  void CreateSatelliteChart();
  void ResetGpsCounters();
  void UpdateGpsStatus();
  void CountAisReports();
  SysCheckView SystemCheckNow() const;
  // MainForm_WiFi.cpp: the Wi-Fi page's set-up.
  void InitWiFiPage();
  void WireWiFiPage();
  // MainForm_Language.cpp, MainForm_Report.cpp.
  void WireLanguageAndReport();
  void LoadLanguageFile(const std::string& path, const std::string& codePage);
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
  std::shared_ptr<int> alive_ = std::make_shared<int>(0);  // posted work holds it weakly

  // The window's own settings and state.
  std::string appDir_;  // with its trailing separator
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
  std::string listedOpenPort_;  // the open port, once a rebuild found it listed
  uint8_t deviceChanged_ = 0;
  int32_t deviceChangeTicks_ = 0;
  std::unique_ptr<ConnectionHost> connectionHost_;
  std::unique_ptr<ConnectionSession> session_;
  std::unique_ptr<SerialLink> serial_;
  std::unique_ptr<TcpLink> tcp_;
  Link* link_ = nullptr;  // the chosen medium's link: every send goes to it
  LineCutter serialLines_;
  LineCutter tcpLines_;

  // What the device said of its SRM pages, and the key sentences sent.
  uint8_t SrmButtonSupported = 0;
  uint8_t SrmTextSupported = 0;
  int32_t SrmMode = 0;
  uint32_t CekSequence = 0;

  // The Wi-Fi set-up: its state, report record, networks and logic.
  WIFI_DATA_STRUCT WiFiData;
  WIFI_GENERATE_REPORT_DATA WiFiReportData;
  AP_LIST_STRUCT ApList;
  WiFiSetup* wifi_ = nullptr;  // owned by wifiParts_
  std::shared_ptr<WiFiParts> wifiParts_;

  // Timers.
  TTimer* Timer1;
  TTimer* TimerConnection;
  TTimer* Timer2;
  TTimer* TimerUpdateSysChk;
  TTimer* Timer_WiFi_function;
  TTimer* TimerClearCheck = nullptr;

  MainMenus menus_;

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
