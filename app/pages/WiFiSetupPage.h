#pragma once
// The Wi-Fi page: the module's access-point and client settings, the network
// list, the hidden reply memo, and the view the Wi-Fi set-up reads and writes.
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "wifi/core/WiFiPage.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QRadioButton;
class QTabWidget;
class IpAddressEdit;
class TCheckBox;
class TEdit;
class TRadioButton;
class TSpeedButton;
class TStringGrid;
class WiFiSetup;
struct CONFIG_REPORT_DATA;
struct WIFI_GENERATE_REPORT_DATA;

class WiFiSetupPage : public QWidget, public WiFiPage {
  Q_OBJECT

 public:
  // Added to pages as the tab "TabSheetWiFi". `decode` turns the module's
  // bytes into UTF-8 for display; by default what is not UTF-8 shows as U+FFFD.
  explicit WiFiSetupPage(QTabWidget* pages,
                         std::function<std::string(const std::string&)> decode = {});

  // Hooks the page's controls to the set-up that drives them, and makes the
  // address control; once, before the set-up first runs.
  void Attach(WiFiSetup& setup);

  // The Wi-Fi part of the configuration report: the page's captions, and the
  // module's settings with its names and key decoded as the page shows them.
  void FillReport(const WIFI_GENERATE_REPORT_DATA& wifi, CONFIG_REPORT_DATA& d) const;

  // WiFiPage
  std::string Text(WiFiControl c) const override;
  void SetText(WiFiControl c, const std::string& text) override;
  bool Checked(WiFiControl c) const override;
  void SetChecked(WiFiControl c, bool checked) override;
  bool Enabled(WiFiControl c) const override;
  void SetEnabled(WiFiControl c, bool enabled) override;
  bool Visible(WiFiControl c) const override;
  void SetVisible(WiFiControl c, bool visible) override;
  void SetFontColour(WiFiControl c, uint32_t bgr) override;
  void SetBackground(WiFiControl c, WiFiBackground b) override;
  void SetBold(WiFiControl c, bool bold) override;
  void SetFocus(WiFiControl c) override;
  void SetMaxLength(WiFiControl c, int bytes) override;
  int ChannelIndex() const override;
  void SetChannelIndex(int index) override;
  bool ApTabShown() const override;
  void ShowModeTab(bool accessPoint) override;
  int RowCount() const override;
  void SetRowCount(int rows) override;
  std::string Cell(int col, int row) const override;
  void SetCell(int col, int row, const std::string& text) override;
  int SelectedRow() const override;
  void SelectRow(int row) override;
  void SetupNetworkGrid() override;
  void RefreshNetworkGrid() override;
  void IpClear() override;
  void IpSet(uint32_t address) override;
  uint32_t IpGet(int* filledFields) const override;
  bool IpIsBlank() const override;
  void IpFocus(int field) override;
  void IpShow(bool shown) override;
  void IpRecreate(bool enabled) override;
  void MemoAppend(const std::string& line) override;
  void MemoDeleteFirst() override;
  void MemoClear() override;

 private:
  void BuildAccessPointTab();
  void BuildClientTab();
  QWidget* Widget(WiFiControl c) const;
  std::string Decoded(const std::string& bytes) const;
  QString Shown(const std::string& bytes) const;

  std::function<std::string(const std::string&)> decode_;
  // The bytes a control was given, with the text shown for them: while the
  // control still shows that text, its text is those bytes.
  struct Kept {
    std::string bytes;
    QString shown;
  };
  std::map<WiFiControl, Kept> kept_;
  std::vector<QPixmap> ImageListWiFi;  // 0 to 4 signal bars, 5 lock, 6 linked

  QTabWidget* pages_;
  TEdit* Edit_cover;
  QLabel* Label_wifi_firmware_ver_AP;
  TCheckBox* CheckBox_WiFi_Open;
  TSpeedButton* SpeedButton_WiFi_FactoryDefault;
  QGroupBox* GroupBox_ConfigureMode;
  TRadioButton* RadioButton_AP;
  TRadioButton* RadioButton_STA;
  QTabWidget* PageControl_WiFiMode;
  QWidget* TabSheet_AP;
  QGroupBox* GroupBox_AccessPoint;
  QLabel* Label_SSID;
  TEdit* Edit_WiFi_SSID;
  QLabel* Label_Password;
  TEdit* Edit_WiFi_password;
  QCheckBox* CheckBox_WiFi_NonePassword;
  QLabel* Label_Channel;
  QComboBox* ComboBox_WiFi_Channel;
  QCheckBox* CheckBox_WiFi_AutoSelect;
  QGroupBox* GroupBox_IP;  // the IP-address control goes in here
  IpAddressEdit* IpAddressHandle = nullptr;
  QGroupBox* GroupBox_Port;
  TEdit* Edit_WiFi_Port;
  QWidget* TabSheet_STA;
  QGroupBox* GroupBox_STA;
  TStringGrid* StringGridWiFiList;
  TEdit* Edit_Hide_WiFi;
  TSpeedButton* SpeedButton_WiFi_STA_connect;
  TSpeedButton* SpeedButton_WiFi_Update;
  TSpeedButton* SpeedButton_retry_dhcp_ip;
  QLabel* Label_STA_Connect_Status;
  QLabel* Label_ShowIP;
  QLabel* Label_ShowPort;
  TSpeedButton* spbWiFi;
  QPlainTextEdit* Memo_WiFi;
};
