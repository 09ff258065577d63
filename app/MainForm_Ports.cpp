// The serial component, the lists of present and openable ports, and the
// port and baud-rate selectors.
#include <algorithm>

#include "app/MainForm.h"
#include "app/pages/ConnectionPanel.h"

namespace {

// Baud-rate texts by the component's setting, and the rates offered.
const char* const kBaudTexts[] = {"110",   "300",   "600",    "1200",   "2400",
                                  "4800",  "9600",  "14400",  "19200",  "38400",
                                  "56000", "57600", "115200", "128000", "256000"};
const TBaudRate kOfferedBauds[] = {br115200};
constexpr int kOfferedBaudCount = 1;

TBaudRate OfferedBaud(int index) {
  return kOfferedBauds[std::clamp(index, 0, kOfferedBaudCount - 1)];
}

}  // namespace

void TForm1::InitLinks() {
  serial_ =
      std::make_unique<SerialLink>(*dispatcher_, commSystem_ ? *commSystem_ : CommSystem::Posix());
  serial_->onReceived = [this](std::string_view bytes, bool) { return SerialRxHandler(bytes); };
  // A hang-up is how a port goes away here: count it as a device change,
  // so the lists are rebuilt and a vanished port's connection is closed.
  // The port's own hang-up is sure news: the next tick already acts on it.
  serial_->onEnded = [this] {
    DeviceChangeNotice();
    deviceChangeTicks_ = std::max(deviceChangeTicks_, 1);
  };
  tcp_ = std::make_unique<TcpLink>(*dispatcher_);
  tcp_->onReceived = [this](std::string_view bytes, bool gapBefore) {
    if (gapBefore) {
      // The line in progress lost its tail, and what follows starts
      // somewhere inside a line: neither half is handed on.
      tcpLines_.Drop(true);
    }
    return TcpRxHandler(bytes);
  };
  tcp_->onEnded = [this] { TcpDisconnectHandler(); };
  link_ = serial_.get();
}

void TForm1::InitSerialPort() {
  TComm* comm = Comm();
  comm->SetDeviceName(std::string());
  comm->SetBaudRate(br115200);
  comm->SetParity(paNone);
  comm->SetDataBits(da8);
  comm->SetStopBits(sb10);
  EnumComPorts();
  ProbeComPorts();
  FillComPortCombo();
  std::vector<std::string> bauds;
  for (int i = 0; i < kOfferedBaudCount; ++i) bauds.emplace_back(kBaudTexts[kOfferedBauds[i]]);
  connectionPanel_->SetBauds(bauds);
  if (!comPorts_.empty()) {
    connectionPanel_->SelectFirstPort();
    comm->SetDeviceName(comPorts_.front().path);
  } else {
    connectionPanel_->SetPortText("N/A");
  }
}

void TForm1::EnumComPorts() {
  // An open port that a rebuild finds listed was named from the list; one
  // that leaves the list has gone. A typed path goes only with its device.
  if (!Comm()->IsOpen())
    listedOpenPort_.clear();
  else if (IsListedPort(Comm()->DeviceName()))
    listedOpenPort_ = Comm()->DeviceName();
  comPorts_ = ports_->Enumerate();
  // The lists hold 256 ports, as the selector and the detection expect.
  if (comPorts_.size() > 256) comPorts_.resize(256);
}

bool TForm1::IsListedPort(const std::string& path) const {
  return std::any_of(comPorts_.begin(), comPorts_.end(),
                     [&](const SerialPortInfo& p) { return p.path == path; });
}

void TForm1::ProbeComPorts() {
  openablePorts_.clear();
  for (const auto& port : comPorts_) {
    // The port of our own open connection is in use by us, not openable.
    if (Comm()->IsOpen() && Comm()->DeviceName() == port.path) continue;
    if (ports_->Probe(port.path)) openablePorts_.push_back(port);
  }
}

void TForm1::FillComPortCombo() {
  std::string remembered;
  if (session_->DeviceConnected == 1) remembered = connectionPanel_->PortText();
  connectionPanel_->ShowPorts(comPorts_, remembered,
                              Comm()->IsOpen() && Comm()->DeviceName() == remembered);
  cbxComPortChange();
}

// The device path for the port box's text: a listed name gives its path,
// any other text is taken as a path as it is.
std::string TForm1::PortPathForText(const std::string& text) const {
  for (const auto& port : comPorts_)
    if (port.name == text) return port.path;
  return text;
}

void TForm1::CheckConnectedPortPresent(bool connected) {
  if (!connected || !Comm()->IsOpen()) return;
  const std::string& open = Comm()->DeviceName();
  const bool gone =
      Comm()->HungUp() || !PortPathExists(open) || (open == listedOpenPort_ && !IsListedPort(open));
  if (gone && menus_.mnuSerialPort->isChecked()) ToggleConnection();
}

void TForm1::cbxComPortChange() {
  if (Comm()->IsOpen()) return;
  const std::string text = connectionPanel_->PortText();
  if (text == "N/A") return;
  Comm()->SetDeviceName(PortPathForText(text));
}

void TForm1::cbxBaudRateChange() {
  const int index = connectionPanel_->BaudIndex();
  if (index < 0) return;
  // The component refuses a change of rate while the port is in a bad state;
  // keep the old rate then.
  try {
    Comm()->SetBaudRate(OfferedBaud(index));
  } catch (const ECommError&) {
  }
}

void TForm1::SetAutoBaud(int index) {
  connectionPanel_->SetBaudIndex(std::clamp(index, 0, kOfferedBaudCount - 1));
  try {
    Comm()->SetBaudRate(OfferedBaud(index));
  } catch (const ECommError&) {
  }
  connectionPanel_->ShowAutoBaud(connectionPanel_->BaudText());
}

void TForm1::RadioButtonConnectionModeAutoClick() {
  EnumComPorts();
  ProbeComPorts();
  FillComPortCombo();
  connectionPanel_->ShowModePage(!comPorts_.empty());
}
