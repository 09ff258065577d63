#pragma once
// The connection to the transponder as a state machine of its own: the
// detection's state and ticks, automatic detection across the openable
// ports, the manual and TCP time-outs, and the handshake that the dump's end
// line completes. The window feeds it ticks and received lines and does what
// it asks through ConnectionHost; a test drives it tick by tick.
#include <cstdint>
#include <string>

// What the session shows in a message box.
enum class ConnectionMessage {
  NoSerialPortExist,
  AutoDetectTimeOut,
  PortOpenError,
  ManualConnectTimeOut
};

// What the session needs of the window around it.
class ConnectionHost {
 public:
  virtual ~ConnectionHost() = default;
  virtual bool SerialMediumChosen() const = 0;  // mnuSerialPort checked
  virtual bool TcpMediumChosen() const = 0;     // mnuWiFi checked
  virtual bool AutoDetection() const = 0;       // RadioButtonConnectionModeAuto checked
  virtual bool ConnectControlDown() const = 0;  // OpenPort down
  virtual int OpenablePortCount() const = 0;
  virtual bool SerialPortOpen() const = 0;
  virtual bool TcpLinkOpen() const = 0;
  // Manual detection: the port in the port box, at the chosen rate.
  virtual void OpenChosenPort() = 0;
  // Automatic detection: the openable port at index, shown as tried.
  virtual void OpenOpenablePort(int index) = 0;
  virtual void SetAutoBaud(int index) = 0;
  // The test sentence with the command and the configuration queries.
  virtual bool QueryDevice(int command) = 0;
  virtual void SendPassThroughExit() = 0;
  // The handshake is through: the pages that follow the device, and the
  // static and voyage data asked for.
  virtual void DeviceFound() = 0;
  // The connect control's toggle: here it always closes what is open.
  virtual void ToggleConnection() = 0;
  virtual void Show(ConnectionMessage message) = 0;
};

class ConnectionSession {
 public:
  explicit ConnectionSession(ConnectionHost& host) : host_(host) {}

  int32_t ConnectState = 0;  // 0 idle, 1 detecting, 2 connected
  int32_t ConnectTick = 0;   // Timer1 ticks of the current detection
  uint8_t DeviceDataEnd = 0;
  uint8_t DeviceConnected = 0;
  uint8_t ConnectFailed = 0;
  int32_t ConnectTimeout = 0;
  int32_t AutoPortIndex = 0;
  int32_t AutoBaudIndex = 0;

  // A new session: nothing detected, nothing connected.
  void Reset();
  // Arms the handshake (no line), or offers it a received line (CR LF included).
  void DeviceHandshake(const std::string& line = std::string());
  // One Timer1 tick: the serial step, the TCP step, then the tick counted.
  void Tick();
  void ConnectionStep();
  // The user vouches for a device whose dump never ended.
  void ForceDataEnd(bool connectionOpen);

  // What TimerConnection shows while detecting: the blink's next phase.
  enum class Status { Connected, ConnectingRed, ConnectingBlack };
  Status NextStatus();

 private:
  void AutoDetectStep();
  void ManualConnectStep();
  void WiFiConnectionTick();
  void Fail(ConnectionMessage message);

  ConnectionHost& host_;
  int blink_ = 0;  // eighths of the blink's cycle
};
