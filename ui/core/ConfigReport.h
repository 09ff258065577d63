#pragma once
// The configuration report: the data it is built from, its text, its file
// name and its saving.
#include <cstdint>
#include <string>

// The local date and time the report is stamped with; taken once per report.
struct ReportTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// The Wi-Fi page's captions the report's Wi-Fi lines are labelled with.
struct ReportWiFiCaptions {
  std::string wifiOpen;     // CheckBox_WiFi_Open
  std::string modeGroup;    // GroupBox_ConfigureMode
  std::string accessPoint;  // RadioButton_AP
  std::string client;       // RadioButton_STA
  std::string channel;      // Label_Channel
  std::string autoSelect;   // CheckBox_WiFi_AutoSelect
  std::string ipGroup;      // GroupBox_IP
  std::string portGroup;    // GroupBox_Port
  std::string ssid;         // Label_SSID
  std::string password;     // Label_Password
};

// Everything a configuration report shows, copied from the device
// information, the Wi-Fi report record and the main window's controls.
// Texts are UTF-8; captions follow the current language.
struct CONFIG_REPORT_DATA {
  std::string versionLabel;  // the about box's version label
  ReportTime time;

  std::string serialNumber;
  std::string firmwareText;
  std::string name;
  std::string callSign;
  uint32_t mmsi = 0;
  std::string shipType;  // shown text of cbxShipType
  int dimA = 0, dimB = 0, dimC = 0, dimD = 0;

  std::string dscMonitor;  // first character '1': on
  int gpsOutputOn = 0;
  int gpsReportInterval = 0;
  int gpsDynModel = 0;  // 4: item 0 of the GPS mode list, else item 1
  std::string gpsModeItems[2];
  int alrIndex = 1;  // selection of ComboBoxALRSentence
  std::string alrItems[2];

  int multipleBaudType = 0;
  int nmeaPortBaud[4] = {};

  bool srmTextShown = false;
  std::string srmTextLabels[4];
  std::string srmTexts[4];
  bool srmButtonShown = false;
  std::string srmButtonLabel;
  std::string srmButtonText;

  bool encryptionShown = false;
  std::string encryptionEnableCaption;
  bool encryptionEnabled = false;
  std::string encryptionAddressCaption;
  bool encryptionAddressMode = false;
  std::string encryptionMmsiCaption;  // LabelEncryptionMMSINumber
  std::string encryptionMmsiText;     // MaskEditEncryptionAddressMMSI, read as a number
  std::string encryptionAsciiLabel;
  std::string encryptionAsciiText;

  bool wifiShown = false;
  ReportWiFiCaptions wifiCaptions;
  std::string wifiFirmwareVersion;
  int wifiEnabled = 0;
  int wifiMode = -1;  // 0 access point, 1 client
  std::string wifiIpAddress;
  std::string wifiPort;
  std::string wifiSsid;
  std::string wifiSecurity;
  std::string wifiKey;
  int wifiChannel = -1;  // 0: automatic
  int wifiLinked = 0;
  int wifiDbm = 0;
};

// The report as it is saved: every entry followed by CR LF.
std::string BuildConfigReport(const CONFIG_REPORT_DATA& data);

// The proposed file name: the MMSI in nine digits.
std::string ReportFileName(uint32_t mmsi);

// Writes the report through a temporary file and a rename. On failure false,
// with `error` set to `Cannot create file "<path>". <reason>`, and any earlier
// file of that name left whole.
bool SaveConfigReport(const std::string& path, const std::string& text, std::string* error);
