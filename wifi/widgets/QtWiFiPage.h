#pragma once
#include <functional>
#include <map>

#include "wifi/core/WiFiPage.h"
#include "wifi/widgets/IpAddressEdit.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableWidget;
class QWidget;

// The Wi-Fi page's widgets, wherever the window keeps them.
struct WiFiPageWidgets {
  QCheckBox* CheckBox_WiFi_Open = nullptr;
  QPushButton* SpeedButton_WiFi_FactoryDefault = nullptr;
  QGroupBox* GroupBox_ConfigureMode = nullptr;
  QRadioButton* RadioButton_AP = nullptr;
  QRadioButton* RadioButton_STA = nullptr;
  QTabWidget* PageControl_WiFiMode = nullptr;
  QWidget* TabSheet_AP = nullptr;
  QWidget* TabSheet_STA = nullptr;
  QGroupBox* GroupBox_AccessPoint = nullptr;
  QGroupBox* GroupBox_STA = nullptr;
  QLineEdit* Edit_WiFi_SSID = nullptr;
  QLineEdit* Edit_WiFi_password = nullptr;
  QCheckBox* CheckBox_WiFi_NonePassword = nullptr;
  QComboBox* ComboBox_WiFi_Channel = nullptr;
  QCheckBox* CheckBox_WiFi_AutoSelect = nullptr;
  QLineEdit* Edit_WiFi_Port = nullptr;
  QLabel* Label_ShowIP = nullptr;
  QLabel* Label_ShowPort = nullptr;
  QLabel* Label_STA_Connect_Status = nullptr;
  QLabel* Label_wifi_firmware_ver_AP = nullptr;
  QPushButton* SpeedButton_WiFi_STA_connect = nullptr;
  QPushButton* SpeedButton_WiFi_Update = nullptr;
  QPushButton* SpeedButton_retry_dhcp_ip = nullptr;
  QTableWidget* StringGridWiFiList = nullptr;
  QLineEdit* Edit_Hide_WiFi = nullptr;
  QPlainTextEdit* Memo_WiFi = nullptr;
  IpAddressEdit* IpAddressHandle = nullptr;
};

// The page interface of the Wi-Fi set-up over real widgets.
class QtWiFiPage : public WiFiPage {
 public:
  // `decode` turns the module's bytes into UTF-8 for display; by default
  // what is not UTF-8 shows as U+FFFD.
  explicit QtWiFiPage(const WiFiPageWidgets& w,
                      std::function<std::string(const std::string&)> decode = {});

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

  QWidget* Widget(WiFiControl c) const;

 private:
  QString Shown(const std::string& bytes) const;

  // The bytes a control was given, with the text shown for them: while the
  // control still shows that text, its text is those bytes.
  struct Kept {
    std::string bytes;
    QString shown;
  };

  WiFiPageWidgets w_;
  std::function<std::string(const std::string&)> decode_;
  std::map<WiFiControl, QWidget*> map_;
  std::map<WiFiControl, Kept> kept_;
};
