// Every byte exchanged with the transponder: received bytes cut into lines
// and handed on in a fixed order; one send operation for both media.
#include "app/MainForm.h"
#include "app/pages/ConnectionPanel.h"
#include "app/pages/DataLogPage.h"
#include "protocol/Protocol.h"
#include "wifi/core/WiFiSetup.h"

bool TForm1::SerialRxHandler(std::string_view bytes) { return HandleReceivedBytes(bytes, true); }

bool TForm1::TcpRxHandler(std::string_view bytes) { return HandleReceivedBytes(bytes, false); }

bool TForm1::HandleReceivedBytes(std::string_view bytes, bool serial) {
  // A handler may end the link (a failed send closes it) or the window:
  // what is left of this run belongs to no session then.
  const Link& link = serial ? static_cast<const Link&>(*serial_) : *tcp_;
  const uint64_t closes = link.Closes();
  LineCutter& cutter = serial ? serialLines_ : tcpLines_;
  return cutter.Feed(bytes, [&](std::string& line) {
    HandleLine(line, serial);
    return !closing_ && link.Closes() == closes;
  });
}

void TForm1::HandleLine(std::string& line, bool serial) {
  if (TabSheetDataLog->LogEnabled()) TabSheetDataLog->AppendDataLog(line);
  // The serial link also carries the Wi-Fi module's replies.
  if (serial) wifi_->OnSerialLine(line);
  if (line.size() > (serial ? kSerialLineLimit : kTcpLineLimit)) return;
  const std::string full = line + "\r\n";
  DispatchStatusSentence(full);
  DeviceHandshake(full);
  ParseDeviceData(full);
}

bool TForm1::SendRaw(const char* buffer, size_t length) { return link_->Send(buffer, length); }

bool TForm1::SendSentence(std::string text) {
  if (!AppendChecksum(text)) return false;
  return SendRaw(text);
}

bool TForm1::SendRecordSentence(const char* talker, const char* formatter) {
  std::string sentence;
  if (!BuildSentence(*protocol_, sentence, formatter, talker)) return false;
  if (SendRaw(sentence)) return true;
  // Ports that do not open are expected while trying them in turn.
  const bool autoDetecting = connectionPanel_->AutoMode() && menus_.mnuSerialPort->isChecked() &&
                             session_->ConnectState == 1 && !session_->DeviceConnected;
  if (autoDetecting) return false;
  // On TCP the link's end is its own notice; nothing more to say.
  if (menus_.mnuWiFi->isChecked()) return false;
  ReportSendFailure();
  return false;
}

void TForm1::ReportSendFailure() {
  if (connectionPanel_->ConnectDown()) ToggleConnection();
  dialogs.MessageBox(texts_.PortOpenError, texts_.Error, DialogButtons::Ok, DialogIcon::Error);
}
