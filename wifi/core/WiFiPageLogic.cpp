// When the Wi-Fi tab and its controls are available, the address control and
// the progress window.
#include "wifi/core/WiFiSetup.h"

#include <utility>

#include "wifi/core/WiFiText.h"

using C = WiFiControl;

void WiFiSetup::CheckWiFiSetupLink() {
  if (!host_.TcpMediumChosen() && host_.ConnectionStatusText() != texts_.Disconnect) return;
  const bool running = host_.StepTimerEnabled();
  host_.SetStepTimerEnabled(false);
  // An operation cut off by the link must not leave the progress window up.
  if (running || progress_.IsOpen()) {
    wifi.cmdMode = 0;
    CloseProcessingBar();
  }
}

bool WiFiSetup::UpdateWiFiTabVisibility() {
  if (!host_.SerialMediumChosen()) {
    if (host_.StepTimerEnabled() || progress_.IsOpen()) EndEarly();
    host_.SetStepTimerEnabled(false);
    host_.SetWiFiTabVisible(false);
    return false;
  }
  host_.SetWiFiTabVisible(wifi.modulePresent == 1);
  return wifi.modulePresent == 1;
}

void WiFiSetup::EnableWiFiPageControls(bool enabled) {
  for (C c : {C::CheckBox_WiFi_Open, C::SpeedButton_WiFi_FactoryDefault, C::RadioButton_AP,
              C::RadioButton_STA, C::GroupBox_ConfigureMode, C::SpeedButton_WiFi_STA_connect,
              C::SpeedButton_WiFi_Update, C::StringGridWiFiList})
    page_.SetEnabled(c, enabled);
  UpdateRetryDhcpButton();
}

void WiFiSetup::EnableApSettingsControls(bool enabled) {
  for (C c : {C::GroupBox_ConfigureMode, C::RadioButton_AP, C::RadioButton_STA, C::Edit_WiFi_SSID,
              C::Edit_WiFi_password, C::CheckBox_WiFi_NonePassword, C::ComboBox_WiFi_Channel,
              C::CheckBox_WiFi_AutoSelect, C::Edit_WiFi_Port})
    page_.SetEnabled(c, enabled);
  if (enabled)
    CreateIpAddressControl();
  else
    CreateDisabledIpAddressControl();
  if (enabled || page_.Checked(C::RadioButton_STA) || report.reportLoad == 1)
    UpdateIpAddressControl();
  for (C c : {C::SpeedButton_WiFi_STA_connect, C::Edit_Hide_WiFi, C::SpeedButton_WiFi_Update,
              C::StringGridWiFiList})
    page_.SetEnabled(c, enabled);
}

void WiFiSetup::UpdateIpAddressControl() {
  HideIpAddressControl();
  if (host_.MainShowsConfig() && host_.ConfShowsWiFi() && page_.Checked(C::RadioButton_AP) &&
      report.reportLoad == 0) {
    page_.IpShow(true);
    wifi.ipControlShown = 1;
  }
}

void WiFiSetup::CreateIpAddressControl() {
  page_.IpRecreate(true);
  page_.IpShow(true);
  wifi.ipControlShown = 1;
}

void WiFiSetup::CreateDisabledIpAddressControl() {
  page_.IpRecreate(false);
  page_.IpShow(true);
  wifi.ipControlShown = 0;
}

void WiFiSetup::HideIpAddressControl() {
  page_.IpShow(false);
  wifi.ipControlShown = 0;
}

std::string WiFiSetup::FormatIpAddress() const {
  int filled = 0;
  return wifitext::FormatDottedQuad(page_.IpGet(&filled));
}

void WiFiSetup::ClearWiFiPage() {
  if (page_.Checked(C::RadioButton_AP)) {
    page_.SetText(C::Edit_WiFi_SSID, "");
    page_.SetText(C::Edit_WiFi_password, "");
    page_.SetChannelIndex(-1);
    page_.SetChecked(C::CheckBox_WiFi_AutoSelect, false);
    CheckBox_WiFi_AutoSelectClick();
    page_.IpClear();
    page_.SetText(C::Edit_WiFi_Port, "");
    return;
  }
  if (page_.Checked(C::RadioButton_STA)) {
    for (int row = 0; row < page_.RowCount(); ++row) page_.SetCell(0, row, "");
    page_.SetRowCount(0);
  }
  page_.SetText(C::Label_ShowIP, "n/a");
  page_.SetText(C::Label_ShowPort, "n/a");
}

void WiFiSetup::ShowProcessingBar(std::function<void()> afterClose) {
  if (progress_.IsOpen()) {
    // Already open: as a modal call would, this returns at once.
    if (afterClose) afterClose();
    return;
  }
  // An operation's end may close the window and then show a box (a time-out,
  // a notice); what was waiting for the window comes after that box.
  progress_.Open([this, afterClose] {
    if (afterClose) host_.Post([this, afterClose] { AfterBoxes(afterClose); });
  });
}

DialogResult WiFiSetup::Box(const std::string& text, const std::string& caption,
                            DialogButtons buttons, DialogIcon icon) {
  ++boxesPending_;
  const DialogResult answer = dialogs_.MessageBox(text, caption, buttons, icon);
  BoxDone();
  return answer;
}

// A box raised while a received line is handled waits until that is done.
void WiFiSetup::ShowLater(const std::string& text, const std::string& caption, DialogIcon icon) {
  ++boxesPending_;
  host_.Post([this, text, caption, icon] {
    dialogs_.MessageBox(text, caption, DialogButtons::Ok, icon);
    BoxDone();
  });
}

void WiFiSetup::AfterBoxes(std::function<void()> work) {
  if (boxesPending_ > 0)
    afterBoxes_.push_back(std::move(work));
  else
    work();
}

void WiFiSetup::BoxDone() {
  if (--boxesPending_ > 0 || afterBoxes_.empty()) return;
  // Posted, not run here: the caller of the box goes on first.
  for (auto& work : std::exchange(afterBoxes_, {})) host_.Post([this, work] { AfterBoxes(work); });
}

void WiFiSetup::CloseProcessingBar() {
  if (progress_.IsOpen()) progress_.Close();
}

void WiFiSetup::CheckBox_WiFi_AutoSelectClick() {
  if (!page_.Checked(C::CheckBox_WiFi_AutoSelect)) {
    page_.SetEnabled(C::ComboBox_WiFi_Channel, true);
    page_.SetBackground(C::ComboBox_WiFi_Channel, WiFiBackground::Window);
  } else {
    page_.SetEnabled(C::ComboBox_WiFi_Channel, false);
    page_.SetChannelIndex(-1);
    page_.SetBackground(C::ComboBox_WiFi_Channel, WiFiBackground::ButtonFace);
  }
}

void WiFiSetup::FormOnActivate() {
  if (host_.ConfShowsWiFi()) UpdateIpAddressControl();
}

void WiFiSetup::StringGridWiFiList_OnDblClick() {
  if (!CheckDeviceConnected()) return;
  if (page_.Cell(0, 0).empty()) return;
  page_.SetText(C::Edit_Hide_WiFi, "");
  Edit_Hide_WiFi_Tag = 0;
  StringGridWiFiList_Tag = 1;
  ConnectStation();
}

static bool ToggleMemo(WiFiPage& page, int key, bool ctrl, bool shift) {
  if (key != 77 || !ctrl || !shift) return false;
  page.SetVisible(C::Memo_WiFi, !page.Visible(C::Memo_WiFi));
  return true;
}

bool WiFiSetup::Edit_WiFi_SSIDKeyDown(int key, bool ctrl, bool shift) {
  return ToggleMemo(page_, key, ctrl, shift);
}

bool WiFiSetup::Edit_Hide_WiFiKeyDown(int key, bool ctrl, bool shift) {
  if (page_.Enabled(C::SpeedButton_WiFi_STA_connect))
    page_.SetText(C::SpeedButton_WiFi_STA_connect, "Connect");
  return ToggleMemo(page_, key, ctrl, shift);
}

uint32_t NetworkRowColour(int row, bool selected) {
  if (selected) return 0x808080;
  return (row % 2) ? 0xFFFFFF : 0xECECEC;
}
