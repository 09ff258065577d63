#pragma once
// The connection panel across the top of the main window: the serial port
// and baud rate (found automatically or chosen), the Wi-Fi link's address
// and port, the connect button, the connection status and the firmware line.
#include <QWidget>

#include <cstdint>
#include <string>
#include <vector>

#include "app/PortDiscovery.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QTabWidget;
class TEdit;
class TLabel;
class TLabeledEdit;
class TSpeedButton;

class ConnectionPanel : public QWidget {
  Q_OBJECT

 public:
  explicit ConnectionPanel(QWidget* parent);

  // Shows the group of the chosen medium; both keep one height, so the pages
  // below do not move when the medium changes.
  void ShowMedium(bool serial);
  void EqualizeGroups();
  // The detection page follows the radio buttons; their tabs are not shown.
  void InitPages();

  // ---- serial port
  bool AutoMode() const;
  // The page of the chosen mode (RadioButtonConnectionModeAutoClick).
  void ShowModePage(bool hasPorts);
  // The port box's list. remembered: the text to choose again; kept as typed
  // text when keepTyped and it is not in the list.
  void ShowPorts(const std::vector<SerialPortInfo>& ports, const std::string& remembered,
                 bool keepTyped);
  std::string PortText() const;
  void SetPortText(const std::string& text);
  // The entry of that name chosen (none chosen when there is none).
  void SelectPort(const std::string& name);
  // The entry of that name chosen, or the name shown as typed text.
  void ShowPort(const std::string& name);
  void SelectFirstPort();
  void SetBauds(const std::vector<std::string>& bauds);
  int BaudIndex() const;
  void SetBaudIndex(int index);
  std::string BaudText() const;
  // What automatic detection is trying.
  void ShowAutoPort(const std::string& port);
  void ShowAutoBaud(const std::string& baud);
  void ClearAutoDetect();
  // The serial settings can be changed only while no connection is open.
  void EnableSerialSettings(bool on);

  // ---- Wi-Fi (TCP) link
  std::string TcpAddress() const;
  std::string TcpPortText() const;
  void EnableTcpSettings(bool on);

  // ---- the connect button: its Tag is 1 while a connection is open or being made
  int ConnectTag() const;
  void SetConnectTag(int tag);
  bool ConnectDown() const;
  void SetConnectDown(bool down);
  void SetConnectCaption(const std::string& caption);

  // ---- status and firmware
  std::string StatusText() const;
  // The status label's colour (0xRRGGBB), enabled or greyed.
  void SetStatusLook(uint32_t rgb, bool enabled);
  void ShowStatusText(const std::string& text);
  // One phase of the blinking "connecting" text.
  void BlinkStatus(const std::string& text, bool red);
  void ShowFirmware(const std::string& text);

 signals:
  void ConnectClicked();
  void ExitClicked();
  void StatusDoubleClicked();
  void PortTextChanged();
  void BaudIndexChanged();
  void ModeClicked();

 private:
  QGroupBox* GroupBoxSerialConnectionMode;
  QRadioButton* RadioButtonConnectionModeAuto;
  QRadioButton* RadioButtonConnectionModeManual;
  QTabWidget* PageControlDetectComPortMode;
  QWidget* TabSheetAutoConnectComPort;
  QLabel* LabelAutoComPort;
  TEdit* EditAutoDetectComPort;
  QLabel* LabelAutoBaudRate;
  TEdit* EditAutoDetectBaudRate;
  QWidget* TabSheetManualDetectComPort;
  QLabel* lblSerialPort;
  QComboBox* cbxComPort;
  QLabel* lblBaudRate;
  QComboBox* cbxBaudRate;
  QGroupBox* GroupBoxWiFiConnectionMode;
  TLabeledEdit* LabelEditWiFi_TCP_IP;
  TLabeledEdit* LabelEditWiFi_Port;
  TSpeedButton* OpenPort;
  TLabel* LabelConnectionStatus;
  QLabel* lblFirmVer;
  TSpeedButton* btnExit;
};
