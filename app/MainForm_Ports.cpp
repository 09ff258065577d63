// The serial component, the lists of present and openable ports, and the
// port and baud-rate selectors.
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include <algorithm>

#include "app/MainForm.h"

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
    DeviceChangeTicks = std::max(DeviceChangeTicks, 1);
  };
  tcp_ = std::make_unique<TcpLink>(*dispatcher_);
  tcp_->onReceived = [this](std::string_view bytes, bool gapBefore) {
    if (gapBefore) {
      // The line in progress lost its tail, and what follows starts
      // somewhere inside a line: neither half is handed on.
      TcpLine.clear();
      tcpSkipping_ = true;
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
  cbxBaudRate->blockSignals(true);
  cbxBaudRate->clear();
  for (int i = 0; i < kOfferedBaudCount; ++i) cbxBaudRate->addItem(kBaudTexts[kOfferedBauds[i]]);
  cbxBaudRate->setCurrentIndex(0);
  cbxBaudRate->blockSignals(false);
  if (!ComPortList.empty())
    cbxComPort->setCurrentIndex(0);
  else
    cbxComPort->setEditText("N/A");
  if (!ComPortList.empty()) Comm()->SetDeviceName(ComPortList.front().path);
}

void TForm1::EnumComPorts() {
  // An open port that a rebuild finds listed was named from the list; one
  // that leaves the list has gone. A typed path goes only with its device.
  if (!Comm()->IsOpen())
    listedOpenPort_.clear();
  else if (IsListedPort(Comm()->DeviceName()))
    listedOpenPort_ = Comm()->DeviceName();
  ComPortList = ports_->Enumerate();
  // The lists hold 256 ports, as the selector and the detection expect.
  if (ComPortList.size() > 256) ComPortList.resize(256);
}

bool TForm1::IsListedPort(const std::string& path) const {
  return std::any_of(ComPortList.begin(), ComPortList.end(),
                     [&](const SerialPortInfo& p) { return p.path == path; });
}

void TForm1::ProbeComPorts() {
  OpenablePortList.clear();
  for (const auto& port : ComPortList) {
    // The port of our own open connection is in use by us, not openable.
    if (Comm()->IsOpen() && Comm()->DeviceName() == port.path) continue;
    if (ports_->Probe(port.path)) OpenablePortList.push_back(port);
  }
}

void TForm1::FillComPortCombo() {
  std::string remembered;
  if (session_->DeviceConnected == 1) remembered = cbxComPort->currentText().toStdString();
  cbxComPort->blockSignals(true);
  cbxComPort->clear();
  for (const auto& port : ComPortList) {
    cbxComPort->addItem(QString::fromStdString(port.name), QString::fromStdString(port.path));
    if (!port.friendlyName.empty())
      cbxComPort->setItemData(cbxComPort->count() - 1, QString::fromStdString(port.friendlyName),
                              Qt::ToolTipRole);
  }
  const int found =
      remembered.empty() ? -1 : cbxComPort->findText(QString::fromStdString(remembered));
  if (ComPortList.empty()) {
    cbxComPort->addItem("N/A");
    cbxComPort->setCurrentIndex(0);
  } else {
    cbxComPort->setCurrentIndex(found >= 0 ? found : 0);
  }
  // A typed path stays shown while it is the open port.
  if (found < 0 && !remembered.empty() && Comm()->IsOpen() && Comm()->DeviceName() == remembered)
    cbxComPort->setEditText(QString::fromStdString(remembered));
  cbxComPort->blockSignals(false);
  cbxComPortChange();
}

std::string TForm1::PortPathForText(const std::string& text) const {
  for (const auto& port : ComPortList)
    if (port.name == text) return port.path;
  return text;
}

void TForm1::CheckConnectedPortPresent(bool connected) {
  if (!connected || !Comm()->IsOpen()) return;
  const std::string& open = Comm()->DeviceName();
  const bool gone =
      Comm()->HungUp() || !PortPathExists(open) || (open == listedOpenPort_ && !IsListedPort(open));
  if (gone && mnuSerialPort->isChecked()) ToggleConnection();
}

void TForm1::cbxComPortChange() {
  if (Comm()->IsOpen()) return;
  const std::string text = cbxComPort->currentText().toStdString();
  if (text == "N/A") return;
  Comm()->SetDeviceName(PortPathForText(text));
}

void TForm1::cbxBaudRateChange() {
  const int index = cbxBaudRate->currentIndex();
  if (index < 0) return;
  // The component refuses a change of rate while the port is in a bad state;
  // keep the old rate then.
  try {
    Comm()->SetBaudRate(OfferedBaud(index));
  } catch (const ECommError&) {
  }
}

void TForm1::SetAutoBaud(int index) {
  cbxBaudRate->setCurrentIndex(std::clamp(index, 0, kOfferedBaudCount - 1));
  try {
    Comm()->SetBaudRate(OfferedBaud(index));
  } catch (const ECommError&) {
  }
  EditAutoDetectBaudRate->setText(cbxBaudRate->currentText());
}

void TForm1::RadioButtonConnectionModeAutoClick() {
  EnumComPorts();
  ProbeComPorts();
  FillComPortCombo();
  if (RadioButtonConnectionModeAuto->isChecked()) {
    PageControlDetectComPortMode->setCurrentWidget(TabSheetAutoConnectComPort);
    EditAutoDetectComPort->clear();
    EditAutoDetectBaudRate->clear();
  } else {
    PageControlDetectComPortMode->setCurrentWidget(TabSheetManualDetectComPort);
    if (ComPortList.empty())
      cbxComPort->setEditText("N/A");
    else
      cbxComPort->setCurrentIndex(0);
    cbxBaudRate->setCurrentIndex(0);
  }
}
