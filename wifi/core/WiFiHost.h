#pragma once
// What the Wi-Fi set-up calls out to, as interfaces: the main window, the
// progress window and the password prompt; tests stand in for each.
#include <functional>
#include <optional>
#include <string>

// What the Wi-Fi set-up needs from the main window around its page.
class WiFiHost {
 public:
  virtual ~WiFiHost() = default;
  virtual bool SendRaw(const std::string& bytes) = 0;
  virtual bool SerialMediumChosen() const = 0;           // mnuSerialPort checked
  virtual bool TcpMediumChosen() const = 0;              // mnuWiFi checked
  virtual std::string ConnectionStatusText() const = 0;  // LabelConnectionStatus
  virtual bool ConnectionOpen() const = 0;               // OpenPort.Tag is 1
  virtual bool DeviceDataEnd() const = 0;
  virtual bool MainShowsConfig() const = 0;  // PageControlMain on TabSheetConfig
  virtual bool ConfShowsWiFi() const = 0;    // PageControlConf on TabSheetWiFi
  virtual void ShowStaticTab() = 0;          // PageControlConf to TabSheetStatic
  virtual void SetWiFiTabVisible(bool visible) = 0;
  virtual bool StepTimerEnabled() const = 0;  // Timer_WiFi_function
  // Enabling a running timer leaves its phase alone.
  virtual void SetStepTimerEnabled(bool enabled) = 0;
  // Runs `work` once the current event has been handled (zero-delay).
  virtual void Post(std::function<void()> work) = 0;
  virtual void CopyToClipboard(const std::string& text) = 0;
};

// The progress window. Open does not block: onFinished runs once it closed.
class ProgressWindow {
 public:
  virtual ~ProgressWindow() = default;
  virtual bool IsOpen() const = 0;
  virtual void Open(std::function<void()> onFinished) = 0;
  virtual void Close() = 0;
};

// The network password prompt: the text on Enter ("0" when left empty),
// nothing when closed otherwise.
class PasswordPrompt {
 public:
  virtual ~PasswordPrompt() = default;
  virtual std::optional<std::string> Ask() = 0;
};
