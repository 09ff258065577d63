// Every byte exchanged with the transponder: received bytes cut into lines
// and handed on in a fixed order; one send operation for both media.
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <algorithm>
#include <chrono>

#include "app/MainForm.h"
#include "app/pages/DataLogPage.h"
#include "protocol/Protocol.h"
#include "wifi/core/WiFiSetup.h"

void TForm1::SerialRxHandler(uint32_t count) {
  if (!Comm || count == 0) return;
  // What is left after a turn's share waits in the port's queue, and raises
  // the next event once input and timers have had their turn. The bytes
  // asked for are waiting, so no read waits for more.
  const auto until = std::chrono::steady_clock::now() + kReceiveTurnTime;
  char buffer[kReceivePiece];
  for (size_t left = std::min<size_t>(count, kReceiveSlice); left > 0;) {
    int n = 0;
    try {
      n = Comm->ReadData(buffer, static_cast<uint32_t>(std::min(left, sizeof buffer)));
    } catch (const ECommError&) {
      return;
    }
    if (n <= 0) return;
    left -= std::min(left, static_cast<size_t>(n));
    if (!HandleReceivedBytes(buffer, static_cast<size_t>(n), true)) return;
    if (std::chrono::steady_clock::now() >= until) return;
  }
}

void TForm1::TcpRxHandler(const std::string& bytes) {
  HandleReceivedBytes(bytes.data(), bytes.size(), false);
}

bool TForm1::HandleReceivedBytes(const char* data, size_t count, bool serial) {
  std::string& line = serial ? SerialLine : TcpLine;
  bool& skipping = serial ? serialSkipping_ : tcpSkipping_;
  // A handler may end the link (a failed send closes it) or the window:
  // what is left of this run belongs to no session then.
  const uint64_t generation = tcpGeneration_;
  auto ended = [&] {
    return closing_ || (serial ? !(Comm && Comm->IsOpen()) : tcpGeneration_ != generation);
  };
  for (size_t i = 0; i < count; ++i) {
    const char c = data[i];
    if (c == '\0' || c == '\r') continue;
    if (c == '\n') {
      if (skipping) {
        skipping = false;
        line.clear();
        continue;
      }
      // Taken out first: a consumer may start a new session, which clears
      // the line being received.
      std::string finished = std::move(line);
      line.clear();
      HandleLine(finished, serial);
      if (ended()) return false;
      continue;
    }
    if (skipping) continue;
    line.push_back(c);
    if (line.size() >= kLineAccumulatorLimit) {
      // An endless run without LF: an over-long line, logged and dropped;
      // the rest of it up to the next LF is skipped.
      std::string finished = std::move(line);
      line.clear();
      skipping = true;
      HandleLine(finished, serial);
      if (ended()) return false;
    }
  }
  return true;
}

void TForm1::HandleLine(std::string& line, bool serial) {
  if (TabSheetDataLog->LogEnabled()) TabSheetDataLog->AppendDataLog(line);
  // The serial link also carries the Wi-Fi module's replies.
  if (serial) WiFi->OnSerialLine(line);
  if (line.size() > (serial ? kSerialLineLimit : kTcpLineLimit)) return;
  const std::string full = line + "\r\n";
  DispatchStatusSentence(full);
  DeviceHandshake(full);
  ParseDeviceData(full);
}

bool TForm1::SendRaw(const char* buffer, size_t length) {
  if (mnuSerialPort->isChecked()) {
    if (!Comm || !Comm->IsOpen()) return false;
    // Done only when every byte went out.
    size_t sent = 0;
    try {
      while (sent < length) {
        const int n = Comm->WriteData(buffer + sent, static_cast<uint32_t>(length - sent));
        if (n <= 0) return false;
        sent += static_cast<size_t>(n);
      }
    } catch (const ECommError&) {
      return false;
    }
    return true;
  }
  if (mnuWiFi->isChecked()) {
    if (!TcpClient || length == 0) return false;
    // A failed send ends the link; its disconnect notice tidies the window.
    return TcpClient->SendData(buffer, static_cast<int>(length));
  }
  return false;
}

bool TForm1::SendSentence(std::string text) {
  if (!AppendChecksum(text)) return false;
  return SendRaw(text);
}

bool TForm1::SendRecordSentence(const char* talker, const char* formatter) {
  std::string sentence;
  if (!BuildSentence(*Protocol, sentence, formatter, talker)) return false;
  if (SendRaw(sentence)) return true;
  // Ports that do not open are expected while trying them in turn.
  const bool autoDetecting = RadioButtonConnectionModeAuto->isChecked() &&
                             mnuSerialPort->isChecked() && ConnectState == 1 && !DeviceConnected;
  if (autoDetecting) return false;
  // On TCP the link's end is its own notice; nothing more to say.
  if (mnuWiFi->isChecked()) return false;
  ReportSendFailure();
  return false;
}

void TForm1::ReportSendFailure() {
  if (OpenPort->Down()) ToggleConnection();
  dialogs.MessageBox(Texts.PortOpenError, Texts.Error, DialogButtons::Ok, DialogIcon::Error);
}
