#include "wifi/widgets/QtWiFiPage.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QValidator>

using C = WiFiControl;

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// 0x00BBGGRR to a colour.
QColor FromBgr(uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

class CommandTextValidator : public QValidator {
 public:
  CommandTextValidator(int bytes, QObject* parent) : QValidator(parent), bytes_(bytes) {}
  State validate(QString& input, int&) const override {
    for (QChar c : input)
      if (c.unicode() < 0x20 || c.unicode() == 0x7F) return Invalid;
    return input.toUtf8().size() <= bytes_ ? Acceptable : Invalid;
  }

 private:
  int bytes_;
};

}  // namespace

void LimitCommandText(QLineEdit* edit, int bytes) {
  if (!edit) return;
  edit->setValidator(new CommandTextValidator(bytes, edit));
}

QtWiFiPage::QtWiFiPage(const WiFiPageWidgets& w) : w_(w) {
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

std::string QtWiFiPage::Text(WiFiControl c) const {
  QWidget* w = Widget(c);
  if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text().toStdString();
  if (auto* l = qobject_cast<QLabel*>(w)) return l->text().toStdString();
  if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text().toStdString();
  if (auto* cb = qobject_cast<QComboBox*>(w)) return cb->currentIndex() < 0 ? "" : cb->currentText().toStdString();
  return {};
}

void QtWiFiPage::SetText(WiFiControl c, const std::string& text) {
  QWidget* w = Widget(c);
  if (auto* e = qobject_cast<QLineEdit*>(w)) {
    // Replies are set as they came; the edit's own limits are for typing.
    const QValidator* v = e->validator();
    e->setValidator(nullptr);
    e->setText(Q(text));
    e->setValidator(v);
  } else if (auto* l = qobject_cast<QLabel*>(w)) {
    l->setText(Q(text));
  } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
    b->setText(Q(text));
  }
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
  return item ? item->text().toStdString() : std::string();
}

void QtWiFiPage::SetCell(int col, int row, const std::string& text) {
  QTableWidget* g = w_.StringGridWiFiList;
  if (row < 0 || col < 0 || row >= g->rowCount() || col >= g->columnCount()) return;
  if (auto* item = g->item(row, col))
    item->setText(Q(text));
  else
    g->setItem(row, col, new QTableWidgetItem(Q(text)));
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
  if (skipAppend_) {
    skipAppend_ = false;
    return;
  }
  w_.Memo_WiFi->appendPlainText(QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())));
}

void QtWiFiPage::MemoDeleteFirst() {
  QTextCursor cursor(w_.Memo_WiFi->document()->firstBlock());
  cursor.select(QTextCursor::BlockUnderCursor);
  cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
}

void QtWiFiPage::MemoClear() { w_.Memo_WiFi->clear(); }

PressFilter::PressFilter(QAbstractButton* button, std::function<void()> handler)
    : QObject(button), handler_(std::move(handler)) {
  button->installEventFilter(this);
}

bool PressFilter::eventFilter(QObject*, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && handler_) handler_();
      return true;
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
      return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
      auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() != Qt::Key_Space && key->key() != Qt::Key_Select) return false;
      if (event->type() == QEvent::KeyPress && !key->isAutoRepeat() && handler_) handler_();
      return true;
    }
    default:
      return false;
  }
}
