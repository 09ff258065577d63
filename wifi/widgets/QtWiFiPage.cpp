#include "wifi/widgets/QtWiFiPage.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QValidator>

#include "ui/core/TextDecode.h"
#include "wifi/widgets/ControlHooks.h"

using C = WiFiControl;

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

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

// 0x00BBGGRR to a colour.
QColor FromBgr(uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

}  // namespace

QtWiFiPage::QtWiFiPage(const WiFiPageWidgets& w,
                       std::function<std::string(const std::string&)> decode)
    : w_(w), decode_(std::move(decode)) {
  map_ = {{C::CheckBox_WiFi_Open, w.CheckBox_WiFi_Open},
          {C::SpeedButton_WiFi_FactoryDefault, w.SpeedButton_WiFi_FactoryDefault},
          {C::GroupBox_ConfigureMode, w.GroupBox_ConfigureMode},
          {C::RadioButton_AP, w.RadioButton_AP},
          {C::RadioButton_STA, w.RadioButton_STA},
          {C::GroupBox_AccessPoint, w.GroupBox_AccessPoint},
          {C::GroupBox_STA, w.GroupBox_STA},
          {C::Edit_WiFi_SSID, w.Edit_WiFi_SSID},
          {C::Edit_WiFi_password, w.Edit_WiFi_password},
          {C::CheckBox_WiFi_NonePassword, w.CheckBox_WiFi_NonePassword},
          {C::ComboBox_WiFi_Channel, w.ComboBox_WiFi_Channel},
          {C::CheckBox_WiFi_AutoSelect, w.CheckBox_WiFi_AutoSelect},
          {C::Edit_WiFi_Port, w.Edit_WiFi_Port},
          {C::Label_ShowIP, w.Label_ShowIP},
          {C::Label_ShowPort, w.Label_ShowPort},
          {C::Label_STA_Connect_Status, w.Label_STA_Connect_Status},
          {C::Label_wifi_firmware_ver_AP, w.Label_wifi_firmware_ver_AP},
          {C::SpeedButton_WiFi_STA_connect, w.SpeedButton_WiFi_STA_connect},
          {C::SpeedButton_WiFi_Update, w.SpeedButton_WiFi_Update},
          {C::SpeedButton_retry_dhcp_ip, w.SpeedButton_retry_dhcp_ip},
          {C::StringGridWiFiList, w.StringGridWiFiList},
          {C::Edit_Hide_WiFi, w.Edit_Hide_WiFi},
          {C::Memo_WiFi, w.Memo_WiFi}};
}

QWidget* QtWiFiPage::Widget(WiFiControl c) const {
  auto it = map_.find(c);
  return it == map_.end() ? nullptr : it->second;
}

QString QtWiFiPage::Shown(const std::string& bytes) const {
  return Q(decode_ ? decode_(bytes) : DecodeText(bytes, {}));
}

std::string QtWiFiPage::Text(WiFiControl c) const {
  const QString now = CurrentText(Widget(c));
  auto kept = kept_.find(c);
  if (kept != kept_.end() && kept->second.shown == now) return kept->second.bytes;
  return now.toUtf8().toStdString();
}

void QtWiFiPage::SetText(WiFiControl c, const std::string& text) {
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

bool QtWiFiPage::Checked(WiFiControl c) const {
  auto* b = qobject_cast<QAbstractButton*>(Widget(c));
  return b && b->isChecked();
}

void QtWiFiPage::SetChecked(WiFiControl c, bool checked) {
  auto* b = qobject_cast<QAbstractButton*>(Widget(c));
  if (!b) return;
  // An exclusive radio cannot be unchecked directly.
  const bool exclusive = b->autoExclusive();
  b->setAutoExclusive(false);
  b->setChecked(checked);
  b->setAutoExclusive(exclusive);
}

bool QtWiFiPage::Enabled(WiFiControl c) const {
  QWidget* w = Widget(c);
  return w && !w->testAttribute(Qt::WA_ForceDisabled);
}

void QtWiFiPage::SetEnabled(WiFiControl c, bool enabled) {
  if (QWidget* w = Widget(c)) w->setEnabled(enabled);
}

bool QtWiFiPage::Visible(WiFiControl c) const {
  QWidget* w = Widget(c);
  return w && !w->isHidden();
}

void QtWiFiPage::SetVisible(WiFiControl c, bool visible) {
  QWidget* w = Widget(c);
  if (!w) return;
  if (c == C::Memo_WiFi && visible) w->setFixedHeight(316);
  w->setVisible(visible);
}

void QtWiFiPage::SetFontColour(WiFiControl c, uint32_t bgr) {
  // A style sheet, since one may already colour the widget.
  if (QWidget* w = Widget(c)) w->setStyleSheet("color: " + FromBgr(bgr).name() + ";");
}

void QtWiFiPage::SetBackground(WiFiControl c, WiFiBackground b) {
  QWidget* w = Widget(c);
  if (!w) return;
  QPalette p = w->palette();
  p.setColor(QPalette::Base, b == WiFiBackground::ButtonFace ? p.color(QPalette::Button)
                                                             : QPalette().color(QPalette::Base));
  w->setPalette(p);
}

void QtWiFiPage::SetBold(WiFiControl c, bool bold) {
  if (QWidget* w = Widget(c)) {
    QFont f = w->font();
    f.setBold(bold);
    w->setFont(f);
  }
}

void QtWiFiPage::SetFocus(WiFiControl c) {
  if (QWidget* w = Widget(c)) w->setFocus();
}

void QtWiFiPage::SetMaxLength(WiFiControl c, int bytes) {
  auto* e = qobject_cast<QLineEdit*>(Widget(c));
  if (!e) return;
  if (c == C::Edit_WiFi_Port)
    e->setMaxLength(bytes);
  else
    LimitCommandText(e, bytes);
}

int QtWiFiPage::ChannelIndex() const { return w_.ComboBox_WiFi_Channel->currentIndex(); }

void QtWiFiPage::SetChannelIndex(int index) {
  w_.ComboBox_WiFi_Channel->setCurrentIndex(index < w_.ComboBox_WiFi_Channel->count() ? index : -1);
}

bool QtWiFiPage::ApTabShown() const {
  return w_.PageControl_WiFiMode->currentWidget() == w_.TabSheet_AP;
}

void QtWiFiPage::ShowModeTab(bool ap) {
  w_.PageControl_WiFiMode->setCurrentWidget(ap ? w_.TabSheet_AP : w_.TabSheet_STA);
}

int QtWiFiPage::RowCount() const { return w_.StringGridWiFiList->rowCount(); }

void QtWiFiPage::SetRowCount(int rows) { w_.StringGridWiFiList->setRowCount(rows); }

std::string QtWiFiPage::Cell(int col, int row) const {
  auto* item = w_.StringGridWiFiList->item(row, col);
  if (!item) return {};
  const QVariant bytes = item->data(kBytesRole);
  return bytes.isValid() ? bytes.toByteArray().toStdString() : item->text().toUtf8().toStdString();
}

void QtWiFiPage::SetCell(int col, int row, const std::string& text) {
  QTableWidget* g = w_.StringGridWiFiList;
  if (row < 0 || col < 0 || row >= g->rowCount() || col >= g->columnCount()) return;
  auto* item = g->item(row, col);
  if (!item) g->setItem(row, col, item = new QTableWidgetItem);
  item->setText(Shown(text));
  item->setData(kBytesRole, QByteArray::fromStdString(text));
}

int QtWiFiPage::SelectedRow() const { return w_.StringGridWiFiList->currentRow(); }

void QtWiFiPage::SelectRow(int row) {
  if (row >= 0 && row < w_.StringGridWiFiList->rowCount())
    w_.StringGridWiFiList->setCurrentCell(row, 0);
}

void QtWiFiPage::SetupNetworkGrid() {
  QTableWidget* g = w_.StringGridWiFiList;
  g->setColumnCount(6);
  const int widths[] = {220, 50, 30, 60, 200};
  for (int i = 0; i < 5; ++i) g->setColumnWidth(i, widths[i]);
}

void QtWiFiPage::RefreshNetworkGrid() { w_.StringGridWiFiList->viewport()->update(); }

void QtWiFiPage::IpClear() { w_.IpAddressHandle->Clear(); }
void QtWiFiPage::IpSet(uint32_t a) { w_.IpAddressHandle->SetAddress(a); }
uint32_t QtWiFiPage::IpGet(int* filled) const { return w_.IpAddressHandle->Address(filled); }
bool QtWiFiPage::IpIsBlank() const { return w_.IpAddressHandle->IsBlank(); }
void QtWiFiPage::IpFocus(int field) { w_.IpAddressHandle->SetFieldFocus(field); }
void QtWiFiPage::IpShow(bool shown) { w_.IpAddressHandle->setVisible(shown); }

void QtWiFiPage::IpRecreate(bool enabled) {
  w_.IpAddressHandle->Clear();
  w_.IpAddressHandle->setEnabled(enabled);
}

// The memo holds the received bytes one to one, as Latin-1.
void QtWiFiPage::MemoAppend(const std::string& line) {
  w_.Memo_WiFi->appendPlainText(
      QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())));
}

void QtWiFiPage::MemoDeleteFirst() {
  QTextCursor cursor(w_.Memo_WiFi->document()->firstBlock());
  cursor.select(QTextCursor::BlockUnderCursor);
  cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
}

void QtWiFiPage::MemoClear() { w_.Memo_WiFi->clear(); }
