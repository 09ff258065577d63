// The connection's steps tick by tick: the handshake on the dump's end line,
// automatic detection across ports and rates, and the manual and TCP time-outs.
#include "app/core/ConnectionSession.h"

void ConnectionSession::Reset() {
  ConnectState = 0;
  ConnectTick = 0;
  DeviceDataEnd = 0;
  DeviceConnected = 0;
}

void ConnectionSession::DeviceHandshake(const std::string& line) {
  switch (ConnectState) {
    case 0:
      if (DeviceConnected && host_.ConnectControlDown()) return;
      DeviceDataEnd = 0;
      DeviceConnected = 0;
      ConnectState = 1;
      ConnectTick = 0;
      return;
    case 1:
      if (line.empty() || DeviceConnected) return;
      if (line.find("!AI") == std::string::npos && line.find("$GP") == std::string::npos &&
          line.find("[DEVICE DATA END]") != std::string::npos)
        DeviceDataEnd = 1;
      if (!DeviceDataEnd) return;
      DeviceConnected = 1;
      ConnectTick = 0;
      ConnectState = 2;
      host_.DeviceFound();
      return;
    default:
      return;
  }
}

void ConnectionSession::Tick() {
  ConnectionStep();
  WiFiConnectionTick();
  ++ConnectTick;
}

void ConnectionSession::Fail(ConnectionMessage message) {
  ConnectState = 0;
  ConnectFailed = 1;
  host_.Show(message);
}

void ConnectionSession::ConnectionStep() {
  // A failed attempt is closed on the next tick whatever came meanwhile: a
  // device that streams sentences would otherwise re-arm the handshake and
  // keep the failed port open.
  if (ConnectFailed && ConnectState != 0) ConnectState = 0;
  switch (ConnectState) {
    case 0:
      if (DeviceConnected || ConnectFailed) {
        // Both flags are cleared before closing, so that the close (which
        // may come back here) finds nothing pending.
        DeviceConnected = 0;
        ConnectFailed = 0;
        host_.ToggleConnection();
      }
      return;
    case 1:
      break;
    default:
      return;
  }
  // The automatic branch tries serial ports; it belongs to the serial medium.
  if (host_.AutoDetection() && host_.SerialMediumChosen()) {
    if (ConnectTick == 0) {
      const int openable = host_.OpenablePortCount();
      ConnectTimeout = openable > 6 ? openable * 3 + 2 : 20;
      if (openable < 1) {
        Fail(ConnectionMessage::NoSerialPortExist);
        return;
      }
    }
    if (ConnectTick > ConnectTimeout) {
      Fail(ConnectionMessage::AutoDetectTimeOut);
      return;
    }
    AutoDetectStep();
    return;
  }
  if (ConnectTick == 0) {
    ConnectTimeout = 20;
    if (host_.SerialMediumChosen()) {
      if (!host_.SerialPortOpen()) host_.OpenChosenPort();
      if (!host_.SerialPortOpen()) {
        Fail(ConnectionMessage::PortOpenError);
        return;
      }
    }
  }
  ManualConnectStep();
}

void ConnectionSession::AutoDetectStep() {
  if (DeviceConnected) return;
  if (ConnectTick == 0) {
    AutoPortIndex = 0;
    AutoBaudIndex = 0;
  }
  switch (ConnectTick % 3) {
    case 0:
      host_.SetAutoBaud(AutoBaudIndex);
      if (AutoBaudIndex == 0) {
        // The ports can go while they are tried: with none left the detection
        // ends as it does when there is none at its start.
        const int openable = host_.OpenablePortCount();
        if (openable < 1) {
          Fail(ConnectionMessage::NoSerialPortExist);
          return;
        }
        if (AutoPortIndex >= openable) AutoPortIndex = 0;
        host_.OpenOpenablePort(AutoPortIndex);
        ++AutoPortIndex;
        DeviceDataEnd = 0;
      }
      if (!host_.QueryDevice(16)) return;
      if (AutoBaudIndex > 0) --AutoBaudIndex;
      break;
    case 2:
      host_.QueryDevice(16);
      break;
    default:
      break;
  }
}

void ConnectionSession::ManualConnectStep() {
  if (DeviceConnected) return;
  // Returns the device from the Wi-Fi module's command mode, should it be there.
  host_.SendPassThroughExit();
  if (ConnectTick > 20) {
    Fail(ConnectionMessage::ManualConnectTimeOut);
    return;
  }
  if (ConnectTick % 3 == 0 || ConnectTick % 3 == 2) host_.QueryDevice(16);
}

void ConnectionSession::WiFiConnectionTick() {
  if (!host_.TcpMediumChosen() || !host_.TcpLinkOpen() || ConnectTick < 1) return;
  if (ConnectTick % 2 == 1) host_.QueryDevice(16);
  if (ConnectTick > 15) {
    ConnectState = 0;
    host_.ToggleConnection();
    ConnectFailed = 0;
  }
}

void ConnectionSession::ForceDataEnd(bool connectionOpen) {
  if (!connectionOpen || DeviceDataEnd != 0) return;
  DeviceDataEnd = 1;
  DeviceHandshake("CHECK PASS");
}

ConnectionSession::Status ConnectionSession::NextStatus() {
  if (DeviceConnected) return Status::Connected;
  blink_ = (blink_ + 1) % 8;
  return blink_ < 3 ? Status::ConnectingRed : Status::ConnectingBlack;
}
