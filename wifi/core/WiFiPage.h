#pragma once
// The Wi-Fi page as the set-up logic sees it: control names, colours and an
// interface the real page and the tests implement.
#include <cstdint>
#include <string>

// The controls of the Wi-Fi page that the set-up logic reads and writes. The
// names are those of the main window's members.
enum class WiFiControl {
  CheckBox_WiFi_Open,
  SpeedButton_WiFi_FactoryDefault,
  GroupBox_ConfigureMode,
  RadioButton_AP,
  RadioButton_STA,
  GroupBox_AccessPoint,
  GroupBox_STA,
  Edit_WiFi_SSID,
  Edit_WiFi_password,
  CheckBox_WiFi_NonePassword,
  ComboBox_WiFi_Channel,
  CheckBox_WiFi_AutoSelect,
  Edit_WiFi_Port,
  Label_ShowIP,
  Label_ShowPort,
  Label_STA_Connect_Status,
  Label_wifi_firmware_ver_AP,
  SpeedButton_WiFi_STA_connect,
  SpeedButton_WiFi_Update,
  SpeedButton_retry_dhcp_ip,
  StringGridWiFiList,
  Edit_Hide_WiFi,
  Memo_WiFi,
};

// Colours in the 0x00BBGGRR form.
inline constexpr uint32_t kWiFiBlue = 0xFF0000;
inline constexpr uint32_t kWiFiSilver = 0xC0C0C0;

enum class WiFiBackground { Window, ButtonFace };

class WiFiPage {
 public:
  virtual ~WiFiPage() = default;

  // Texts and cells are bytes, as the module sends and takes them, in
  // whatever code page. The page shows them decoded and gives back the very
  // bytes it was given until the user changes the text; what the user typed
  // comes back as UTF-8.
  virtual std::string Text(WiFiControl c) const = 0;
  virtual void SetText(WiFiControl c, const std::string& text) = 0;
  virtual bool Checked(WiFiControl c) const = 0;
  // Only sets the state; the logic runs the click handlers itself.
  virtual void SetChecked(WiFiControl c, bool checked) = 0;
  virtual bool Enabled(WiFiControl c) const = 0;
  virtual void SetEnabled(WiFiControl c, bool enabled) = 0;
  virtual bool Visible(WiFiControl c) const = 0;
  virtual void SetVisible(WiFiControl c, bool visible) = 0;
  virtual void SetFontColour(WiFiControl c, uint32_t bgr) = 0;
  virtual void SetBackground(WiFiControl c, WiFiBackground b) = 0;
  virtual void SetBold(WiFiControl c, bool bold) = 0;
  virtual void SetFocus(WiFiControl c) = 0;
  virtual void SetMaxLength(WiFiControl c, int bytes) = 0;

  // ComboBox_WiFi_Channel: items "1" to "11"; -1 no selection.
  virtual int ChannelIndex() const = 0;
  virtual void SetChannelIndex(int index) = 0;

  // PageControl_WiFiMode: true while TabSheet_AP is shown.
  virtual bool ApTabShown() const = 0;
  virtual void ShowModeTab(bool accessPoint) = 0;

  // StringGridWiFiList. Rows are the access-point entries, column 0 the name.
  virtual int RowCount() const = 0;
  virtual void SetRowCount(int rows) = 0;
  virtual std::string Cell(int col, int row) const = 0;
  virtual void SetCell(int col, int row, const std::string& text) = 0;
  virtual int SelectedRow() const = 0;
  virtual void SelectRow(int row) = 0;
  virtual void SetupNetworkGrid() = 0;    // six columns and their widths
  virtual void RefreshNetworkGrid() = 0;  // redraw the images after an entry changed

  // The IP-address control: four fields of 0-255.
  virtual void IpClear() = 0;
  virtual void IpSet(uint32_t address) = 0;  // first field in the highest byte
  virtual uint32_t IpGet(int* filledFields) const = 0;
  virtual bool IpIsBlank() const = 0;
  virtual void IpFocus(int field) = 0;
  virtual void IpShow(bool shown) = 0;
  virtual void IpRecreate(bool enabled) = 0;  // the address is not kept

  // The hidden reply memo mirrors the lines the logic keeps.
  virtual void MemoAppend(const std::string& line) = 0;
  virtual void MemoDeleteFirst() = 0;
  virtual void MemoClear() = 0;
};
