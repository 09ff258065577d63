// The connection panel built and laid out, and the small calls through which
// the window fills its port and rate lists, mode, buttons and status.
#include "app/pages/ConnectionPanel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "app/pages/PageBuild.h"

ConnectionPanel::ConnectionPanel(QWidget* parent) : QWidget(parent) {
  setObjectName("ConnectionPanel");
  QWidget* top = this;
  auto* row = new QHBoxLayout(top);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(12);

  // Both groups share one cell: only one of them is ever shown.
  auto* groups = new QGridLayout;
  groups->setContentsMargins(0, 0, 0, 0);
  GroupBoxSerialConnectionMode = Named(new QGroupBox("Serial Port and Baud Rate Setting", top),
                                       "GroupBoxSerialConnectionMode");
  auto* serial = new QVBoxLayout(GroupBoxSerialConnectionMode);
  auto* modes = new QHBoxLayout;
  RadioButtonConnectionModeAuto = Named(new QRadioButton("Auto", GroupBoxSerialConnectionMode),
                                        "RadioButtonConnectionModeAuto");
  RadioButtonConnectionModeManual = Named(new QRadioButton("Manual", GroupBoxSerialConnectionMode),
                                          "RadioButtonConnectionModeManual");
  RadioButtonConnectionModeManual->setChecked(true);
  modes->addWidget(RadioButtonConnectionModeAuto);
  modes->addWidget(RadioButtonConnectionModeManual);
  modes->addStretch(1);
  serial->addLayout(modes);

  PageControlDetectComPortMode =
      Named(new QTabWidget(GroupBoxSerialConnectionMode), "PageControlDetectComPortMode");
  PageControlDetectComPortMode->setDocumentMode(true);
  TabSheetAutoConnectComPort =
      NewPage(PageControlDetectComPortMode, "TabSheetAutoConnectComPort", "Auto");
  TabSheetManualDetectComPort =
      NewPage(PageControlDetectComPortMode, "TabSheetManualDetectComPort", "Manual");
  {
    auto* g = new QGridLayout(TabSheetAutoConnectComPort);
    g->setContentsMargins(0, 4, 0, 0);
    LabelAutoComPort = NewLabel(TabSheetAutoConnectComPort, "LabelAutoComPort", "Serial Port");
    EditAutoDetectComPort = Named(new TEdit(TabSheetAutoConnectComPort), "EditAutoDetectComPort");
    LabelAutoBaudRate = NewLabel(TabSheetAutoConnectComPort, "LabelAutoBaudRate", "Baud Rate");
    EditAutoDetectBaudRate = Named(new TEdit(TabSheetAutoConnectComPort), "EditAutoDetectBaudRate");
    for (auto* e : {EditAutoDetectComPort, EditAutoDetectBaudRate}) {
      e->setReadOnly(true);
      e->setFocusPolicy(Qt::NoFocus);
    }
    g->addWidget(LabelAutoComPort, 0, 0);
    g->addWidget(EditAutoDetectComPort, 0, 1);
    g->addWidget(LabelAutoBaudRate, 0, 2);
    g->addWidget(EditAutoDetectBaudRate, 0, 3);
    g->setColumnStretch(1, 2);
    g->setColumnStretch(3, 1);
  }
  {
    auto* g = new QGridLayout(TabSheetManualDetectComPort);
    g->setContentsMargins(0, 4, 0, 0);
    lblSerialPort = NewLabel(TabSheetManualDetectComPort, "lblSerialPort", "Serial Port");
    cbxComPort = Named(new QComboBox(TabSheetManualDetectComPort), "cbxComPort");
    // A typed device path is used as it is.
    cbxComPort->setEditable(true);
    cbxComPort->setInsertPolicy(QComboBox::NoInsert);
    cbxComPort->setMinimumContentsLength(12);
    lblBaudRate = NewLabel(TabSheetManualDetectComPort, "lblBaudRate", "Baud Rate");
    cbxBaudRate = Named(new QComboBox(TabSheetManualDetectComPort), "cbxBaudRate");
    g->addWidget(lblSerialPort, 0, 0);
    g->addWidget(cbxComPort, 0, 1);
    g->addWidget(lblBaudRate, 0, 2);
    g->addWidget(cbxBaudRate, 0, 3);
    g->setColumnStretch(1, 2);
    g->setColumnStretch(3, 1);
  }
  serial->addWidget(PageControlDetectComPortMode);
  groups->addWidget(GroupBoxSerialConnectionMode, 0, 0);

  GroupBoxWiFiConnectionMode =
      Named(new QGroupBox("Wi-Fi Setting", top), "GroupBoxWiFiConnectionMode");
  {
    auto* g = new QGridLayout(GroupBoxWiFiConnectionMode);
    LabelEditWiFi_TCP_IP =
        NewLabeledEdit(GroupBoxWiFiConnectionMode, "LabelEditWiFi_TCP_IP", "IP Address");
    LabelEditWiFi_TCP_IP->setText("192.168.2.1");
    LabelEditWiFi_TCP_IP->setMaxLength(15);
    LabelEditWiFi_TCP_IP->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9.]{0,15}"), LabelEditWiFi_TCP_IP));
    LabelEditWiFi_Port = NewLabeledEdit(GroupBoxWiFiConnectionMode, "LabelEditWiFi_Port", "Port");
    LabelEditWiFi_Port->setText("3333");
    LabelEditWiFi_Port->setMaxLength(5);
    LabelEditWiFi_Port->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9]{0,5}"), LabelEditWiFi_Port));
    g->addWidget(LabelEditWiFi_TCP_IP->EditLabel, 0, 0);
    g->addWidget(LabelEditWiFi_TCP_IP, 0, 1);
    g->addWidget(LabelEditWiFi_Port->EditLabel, 0, 2);
    g->addWidget(LabelEditWiFi_Port, 0, 3);
    g->setColumnStretch(1, 3);
    g->setColumnStretch(3, 1);
    g->setRowStretch(1, 1);
  }
  GroupBoxWiFiConnectionMode->hide();
  groups->addWidget(GroupBoxWiFiConnectionMode, 0, 0);
  row->addLayout(groups, 1);

  // Connect button and status on the right.
  auto* side = new QGridLayout;
  side->setVerticalSpacing(6);
  OpenPort = NewButton(top, "OpenPort", "Connect");
  OpenPort->setCheckable(true);
  OpenPort->setMinimumSize(130, 36);
  btnExit = NewButton(top, "btnExit", "EXIT");
  btnExit->setMinimumSize(90, 36);
  LabelConnectionStatus = Named(new TLabel("Disconnect...", top), "LabelConnectionStatus");
  LabelConnectionStatus->setMinimumWidth(130);
  LabelConnectionStatus->setAlignment(Qt::AlignCenter);
  lblFirmVer = NewLabel(top, "lblFirmVer", "");
  lblFirmVer->setMinimumWidth(300);
  side->addWidget(OpenPort, 0, 0);
  side->addWidget(btnExit, 0, 1);
  side->addWidget(LabelConnectionStatus, 1, 0);
  side->addWidget(lblFirmVer, 2, 0, 1, 2);
  side->setRowStretch(3, 1);
  row->addLayout(side);
  connect(OpenPort, &QPushButton::clicked, this, &ConnectionPanel::ConnectClicked);
  connect(btnExit, &QPushButton::clicked, this, &ConnectionPanel::ExitClicked);
  connect(LabelConnectionStatus, &TLabel::DblClick, this, &ConnectionPanel::StatusDoubleClicked);
  connect(cbxComPort, &QComboBox::currentTextChanged, this, &ConnectionPanel::PortTextChanged);
  connect(cbxBaudRate, &QComboBox::currentIndexChanged, this, &ConnectionPanel::BaudIndexChanged);
  connect(RadioButtonConnectionModeAuto, &QRadioButton::clicked, this,
          &ConnectionPanel::ModeClicked);
  connect(RadioButtonConnectionModeManual, &QRadioButton::clicked, this,
          &ConnectionPanel::ModeClicked);
}

void ConnectionPanel::ShowMedium(bool serial) {
  GroupBoxSerialConnectionMode->hide();
  GroupBoxWiFiConnectionMode->hide();
  (serial ? GroupBoxSerialConnectionMode : GroupBoxWiFiConnectionMode)->show();
}

void ConnectionPanel::EqualizeGroups() {
  const int height = std::max(GroupBoxSerialConnectionMode->sizeHint().height(),
                              GroupBoxWiFiConnectionMode->sizeHint().height());
  GroupBoxSerialConnectionMode->setMinimumHeight(height);
  GroupBoxWiFiConnectionMode->setMinimumHeight(height);
}

void ConnectionPanel::InitPages() {
  PageControlDetectComPortMode->tabBar()->hide();
  PageControlDetectComPortMode->setCurrentWidget(TabSheetManualDetectComPort);
  lblFirmVer->clear();
}

bool ConnectionPanel::AutoMode() const { return RadioButtonConnectionModeAuto->isChecked(); }

void ConnectionPanel::ShowModePage(bool hasPorts) {
  if (RadioButtonConnectionModeAuto->isChecked()) {
    PageControlDetectComPortMode->setCurrentWidget(TabSheetAutoConnectComPort);
    ClearAutoDetect();
  } else {
    PageControlDetectComPortMode->setCurrentWidget(TabSheetManualDetectComPort);
    if (!hasPorts)
      cbxComPort->setEditText("N/A");
    else
      cbxComPort->setCurrentIndex(0);
    cbxBaudRate->setCurrentIndex(0);
  }
}

void ConnectionPanel::ShowPorts(const std::vector<SerialPortInfo>& ports,
                                const std::string& remembered, bool keepTyped) {
  cbxComPort->blockSignals(true);
  cbxComPort->clear();
  for (const auto& port : ports) {
    cbxComPort->addItem(QString::fromStdString(port.name), QString::fromStdString(port.path));
    if (!port.friendlyName.empty())
      cbxComPort->setItemData(cbxComPort->count() - 1, QString::fromStdString(port.friendlyName),
                              Qt::ToolTipRole);
  }
  const int found =
      remembered.empty() ? -1 : cbxComPort->findText(QString::fromStdString(remembered));
  if (ports.empty()) {
    cbxComPort->addItem("N/A");
    cbxComPort->setCurrentIndex(0);
  } else {
    cbxComPort->setCurrentIndex(found >= 0 ? found : 0);
  }
  // A typed path stays shown while it is the open port.
  if (found < 0 && !remembered.empty() && keepTyped)
    cbxComPort->setEditText(QString::fromStdString(remembered));
  cbxComPort->blockSignals(false);
}

std::string ConnectionPanel::PortText() const { return cbxComPort->currentText().toStdString(); }

void ConnectionPanel::SetPortText(const std::string& text) {
  cbxComPort->setEditText(QString::fromStdString(text));
}

void ConnectionPanel::SelectPort(const std::string& name) {
  cbxComPort->setCurrentIndex(cbxComPort->findText(QString::fromStdString(name)));
}

void ConnectionPanel::ShowPort(const std::string& name) {
  const int index = cbxComPort->findText(QString::fromStdString(name));
  if (index >= 0)
    cbxComPort->setCurrentIndex(index);
  else
    cbxComPort->setEditText(QString::fromStdString(name));
}

void ConnectionPanel::SelectFirstPort() { cbxComPort->setCurrentIndex(0); }

void ConnectionPanel::SetBauds(const std::vector<std::string>& bauds) {
  cbxBaudRate->blockSignals(true);
  cbxBaudRate->clear();
  for (const auto& b : bauds) cbxBaudRate->addItem(QString::fromStdString(b));
  cbxBaudRate->setCurrentIndex(0);
  cbxBaudRate->blockSignals(false);
}

int ConnectionPanel::BaudIndex() const { return cbxBaudRate->currentIndex(); }

void ConnectionPanel::SetBaudIndex(int index) { cbxBaudRate->setCurrentIndex(index); }

std::string ConnectionPanel::BaudText() const { return cbxBaudRate->currentText().toStdString(); }

void ConnectionPanel::ShowAutoPort(const std::string& port) {
  EditAutoDetectComPort->setText(QString::fromStdString(port));
}

void ConnectionPanel::ShowAutoBaud(const std::string& baud) {
  EditAutoDetectBaudRate->setText(QString::fromStdString(baud));
}

void ConnectionPanel::ClearAutoDetect() {
  EditAutoDetectComPort->clear();
  EditAutoDetectBaudRate->clear();
}

void ConnectionPanel::EnableSerialSettings(bool on) {
  for (QWidget* w : {static_cast<QWidget*>(GroupBoxSerialConnectionMode),
                     static_cast<QWidget*>(RadioButtonConnectionModeAuto),
                     static_cast<QWidget*>(RadioButtonConnectionModeManual),
                     static_cast<QWidget*>(cbxComPort), static_cast<QWidget*>(cbxBaudRate)})
    w->setEnabled(on);
}

std::string ConnectionPanel::TcpAddress() const {
  return LabelEditWiFi_TCP_IP->text().toStdString();
}

std::string ConnectionPanel::TcpPortText() const {
  return LabelEditWiFi_Port->text().toStdString();
}

void ConnectionPanel::EnableTcpSettings(bool on) {
  LabelEditWiFi_Port->setEnabled(on);
  LabelEditWiFi_TCP_IP->setEnabled(on);
}

int ConnectionPanel::ConnectTag() const { return OpenPort->Tag; }

void ConnectionPanel::SetConnectTag(int tag) { OpenPort->Tag = tag; }

bool ConnectionPanel::ConnectDown() const { return OpenPort->Down(); }

void ConnectionPanel::SetConnectDown(bool down) { OpenPort->SetDown(down); }

void ConnectionPanel::SetConnectCaption(const std::string& caption) {
  OpenPort->setText(QString::fromStdString(caption));
}

std::string ConnectionPanel::StatusText() const {
  return LabelConnectionStatus->text().toStdString();
}

void ConnectionPanel::SetStatusLook(uint32_t rgb, bool enabled) {
  LabelConnectionStatus->setEnabled(enabled);
  LabelConnectionStatus->setStyleSheet(QString("color: #%1;").arg(rgb, 6, 16, QChar('0')));
}

void ConnectionPanel::ShowStatusText(const std::string& text) {
  LabelConnectionStatus->setText(QString::fromStdString(text));
}

void ConnectionPanel::BlinkStatus(const std::string& text, bool red) {
  LabelConnectionStatus->setStyleSheet(red ? "color: #ff0000;" : "color: #000000;");
  LabelConnectionStatus->setText(QString::fromStdString(text));
}

void ConnectionPanel::ShowFirmware(const std::string& text) {
  lblFirmVer->setText(QString::fromStdString(text));
}
