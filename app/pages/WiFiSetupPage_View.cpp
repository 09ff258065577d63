// The Wi-Fi page as the set-up sees it: texts as the module's bytes, states,
// the channel, the mode tab, the network list, the address and the memo.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QValidator>

#include "app/FormControls.h"
#include "app/pages/WiFiSetupPage.h"
#include "ui/core/TextDecode.h"
#include "wifi/widgets/ControlHooks.h"
#include "wifi/widgets/IpAddressEdit.h"

using C = WiFiControl;

namespace {

QString CurrentText(const QWidget* w) {
  if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
  if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
  if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
  if (auto* cb = qobject_cast<const QComboBox*>(w))
    return cb->currentIndex() < 0 ? QString() : cb->currentText();
  return {};
}

// The module's bytes of a list cell.
constexpr int kBytesRole = Qt::UserRole + 1;

// The network list reads a name that is not UTF-8 as Big5, in every
// interface language.
const char* const kNetworkListCodePage = "CP950";

// 0x00BBGGRR to a colour.
QColor FromBgr(uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

}  // namespace

QWidget* WiFiSetupPage::Widget(WiFiControl c) const {
  switch (c) {
    case C::CheckBox_WiFi_Open:
      return CheckBox_WiFi_Open;
    case C::SpeedButton_WiFi_FactoryDefault:
      return SpeedButton_WiFi_FactoryDefault;
    case C::GroupBox_ConfigureMode:
      return GroupBox_ConfigureMode;
    case C::RadioButton_AP:
      return RadioButton_AP;
    case C::RadioButton_STA:
      return RadioButton_STA;
    case C::GroupBox_AccessPoint:
      return GroupBox_AccessPoint;
    case C::GroupBox_STA:
      return GroupBox_STA;
    case C::Edit_WiFi_SSID:
      return Edit_WiFi_SSID;
    case C::Edit_WiFi_password:
      return Edit_WiFi_password;
    case C::CheckBox_WiFi_NonePassword:
      return CheckBox_WiFi_NonePassword;
    case C::ComboBox_WiFi_Channel:
      return ComboBox_WiFi_Channel;
    case C::CheckBox_WiFi_AutoSelect:
      return CheckBox_WiFi_AutoSelect;
    case C::Edit_WiFi_Port:
      return Edit_WiFi_Port;
    case C::Label_ShowIP:
      return Label_ShowIP;
    case C::Label_ShowPort:
      return Label_ShowPort;
    case C::Label_STA_Connect_Status:
      return Label_STA_Connect_Status;
    case C::Label_wifi_firmware_ver_AP:
      return Label_wifi_firmware_ver_AP;
    case C::SpeedButton_WiFi_STA_connect:
      return SpeedButton_WiFi_STA_connect;
    case C::SpeedButton_WiFi_Update:
      return SpeedButton_WiFi_Update;
    case C::SpeedButton_retry_dhcp_ip:
      return SpeedButton_retry_dhcp_ip;
    case C::StringGridWiFiList:
      return StringGridWiFiList;
    case C::Edit_Hide_WiFi:
      return Edit_Hide_WiFi;
    case C::Memo_WiFi:
      return Memo_WiFi;
  }
  return nullptr;
}

std::string WiFiSetupPage::Decoded(const std::string& bytes) const {
  return decode_ ? decode_(bytes) : DecodeText(bytes, {});
}

QString WiFiSetupPage::Shown(const std::string& bytes) const {
  return QString::fromStdString(Decoded(bytes));
}

std::string WiFiSetupPage::Text(WiFiControl c) const {
  const QString now = CurrentText(Widget(c));
  auto kept = kept_.find(c);
  if (kept != kept_.end() && kept->second.shown == now) return kept->second.bytes;
  return now.toUtf8().toStdString();
}

void WiFiSetupPage::SetText(WiFiControl c, const std::string& text) {
  QWidget* w = Widget(c);
  if (auto* e = qobject_cast<QLineEdit*>(w)) {
    // Replies are set as they came; the edit's own limits are for typing.
    const QValidator* v = e->validator();
    e->setValidator(nullptr);
    e->setText(Shown(text));
    e->setValidator(v);
  } else if (auto* l = qobject_cast<QLabel*>(w)) {
    l->setText(Shown(text));
  } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
    b->setText(Shown(text));
  } else {
    return;
  }
  kept_[c] = {text, CurrentText(w)};
}

bool WiFiSetupPage::Checked(WiFiControl c) const {
  auto* b = qobject_cast<QAbstractButton*>(Widget(c));
  return b && b->isChecked();
}

void WiFiSetupPage::SetChecked(WiFiControl c, bool checked) {
  auto* b = qobject_cast<QAbstractButton*>(Widget(c));
  if (!b) return;
  // An exclusive radio cannot be unchecked directly.
  const bool exclusive = b->autoExclusive();
  b->setAutoExclusive(false);
  b->setChecked(checked);
  b->setAutoExclusive(exclusive);
}

bool WiFiSetupPage::Enabled(WiFiControl c) const {
  QWidget* w = Widget(c);
  return w && !w->testAttribute(Qt::WA_ForceDisabled);
}

void WiFiSetupPage::SetEnabled(WiFiControl c, bool enabled) {
  if (QWidget* w = Widget(c)) w->setEnabled(enabled);
}

bool WiFiSetupPage::Visible(WiFiControl c) const {
  QWidget* w = Widget(c);
  return w && !w->isHidden();
}

void WiFiSetupPage::SetVisible(WiFiControl c, bool visible) {
  QWidget* w = Widget(c);
  if (!w) return;
  if (c == C::Memo_WiFi && visible) w->setFixedHeight(316);
  w->setVisible(visible);
}

void WiFiSetupPage::SetFontColour(WiFiControl c, uint32_t bgr) {
  // A style sheet, since one may already colour the widget.
  if (QWidget* w = Widget(c)) w->setStyleSheet("color: " + FromBgr(bgr).name() + ";");
}

void WiFiSetupPage::SetBackground(WiFiControl c, WiFiBackground b) {
  QWidget* w = Widget(c);
  if (!w) return;
  QPalette p = w->palette();
  p.setColor(QPalette::Base, b == WiFiBackground::ButtonFace ? p.color(QPalette::Button)
                                                             : QPalette().color(QPalette::Base));
  w->setPalette(p);
}

void WiFiSetupPage::SetBold(WiFiControl c, bool bold) {
  if (QWidget* w = Widget(c)) {
    QFont f = w->font();
    f.setBold(bold);
    w->setFont(f);
  }
}

void WiFiSetupPage::SetFocus(WiFiControl c) {
  if (QWidget* w = Widget(c)) w->setFocus();
}

void WiFiSetupPage::SetMaxLength(WiFiControl c, int bytes) {
  auto* e = qobject_cast<QLineEdit*>(Widget(c));
  if (!e) return;
  if (c == C::Edit_WiFi_Port)
    e->setMaxLength(bytes);
  else
    LimitCommandText(e, bytes);
}

int WiFiSetupPage::ChannelIndex() const { return ComboBox_WiFi_Channel->currentIndex(); }

void WiFiSetupPage::SetChannelIndex(int index) {
  ComboBox_WiFi_Channel->setCurrentIndex(index < ComboBox_WiFi_Channel->count() ? index : -1);
}

bool WiFiSetupPage::ApTabShown() const {
  return PageControl_WiFiMode->currentWidget() == TabSheet_AP;
}

void WiFiSetupPage::ShowModeTab(bool ap) {
  PageControl_WiFiMode->setCurrentWidget(ap ? TabSheet_AP : TabSheet_STA);
}

int WiFiSetupPage::RowCount() const { return StringGridWiFiList->rowCount(); }

void WiFiSetupPage::SetRowCount(int rows) { StringGridWiFiList->setRowCount(rows); }

std::string WiFiSetupPage::Cell(int col, int row) const {
  auto* item = StringGridWiFiList->item(row, col);
  if (!item) return {};
  const QVariant bytes = item->data(kBytesRole);
  return bytes.isValid() ? bytes.toByteArray().toStdString() : item->text().toUtf8().toStdString();
}

void WiFiSetupPage::SetCell(int col, int row, const std::string& text) {
  QTableWidget* g = StringGridWiFiList;
  if (row < 0 || col < 0 || row >= g->rowCount() || col >= g->columnCount()) return;
  auto* item = g->item(row, col);
  if (!item) g->setItem(row, col, item = new QTableWidgetItem);
  item->setText(QString::fromStdString(DecodeText(text, kNetworkListCodePage)));
  item->setData(kBytesRole, QByteArray::fromStdString(text));
}

int WiFiSetupPage::SelectedRow() const { return StringGridWiFiList->currentRow(); }

void WiFiSetupPage::SelectRow(int row) {
  if (row >= 0 && row < StringGridWiFiList->rowCount()) StringGridWiFiList->setCurrentCell(row, 0);
}

void WiFiSetupPage::SetupNetworkGrid() {
  QTableWidget* g = StringGridWiFiList;
  g->setColumnCount(6);
  const int widths[] = {220, 50, 30, 60, 200};
  for (int i = 0; i < 5; ++i) g->setColumnWidth(i, widths[i]);
}

void WiFiSetupPage::RefreshNetworkGrid() { StringGridWiFiList->viewport()->update(); }

void WiFiSetupPage::IpClear() { IpAddressHandle->Clear(); }
void WiFiSetupPage::IpSet(uint32_t a) { IpAddressHandle->SetAddress(a); }
uint32_t WiFiSetupPage::IpGet(int* filled) const { return IpAddressHandle->Address(filled); }
bool WiFiSetupPage::IpIsBlank() const { return IpAddressHandle->IsBlank(); }
void WiFiSetupPage::IpFocus(int field) { IpAddressHandle->SetFieldFocus(field); }
void WiFiSetupPage::IpShow(bool shown) { IpAddressHandle->setVisible(shown); }

void WiFiSetupPage::IpRecreate(bool enabled) {
  IpAddressHandle->Clear();
  IpAddressHandle->setEnabled(enabled);
}

// The memo holds the received bytes one to one, as Latin-1.
void WiFiSetupPage::MemoAppend(const std::string& line) {
  Memo_WiFi->appendPlainText(QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())));
}

void WiFiSetupPage::MemoDeleteFirst() {
  QTextCursor cursor(Memo_WiFi->document()->firstBlock());
  cursor.select(QTextCursor::BlockUnderCursor);
  cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
}

void WiFiSetupPage::MemoClear() { Memo_WiFi->clear(); }
