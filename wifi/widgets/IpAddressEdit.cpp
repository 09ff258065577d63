// The IP-address control: digit-only fields of at most 255, and focus that
// moves on after a full field, on '.' and back on Backspace.
#include "wifi/widgets/IpAddressEdit.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QValidator>

namespace {

// Up to three digits of at most 255.
class OctetValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    if (input.isEmpty()) return Acceptable;
    if (input.size() > 3) return Invalid;
    for (QChar c : input)
      if (!c.isDigit() || c.unicode() > '9') return Invalid;
    return input.toInt() <= 255 ? Acceptable : Invalid;
  }
};

}  // namespace

IpAddressEdit::IpAddressEdit(QWidget* parent) : QWidget(parent) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  auto* validator = new OctetValidator(this);
  for (int i = 0; i < 4; ++i) {
    auto* f = new QLineEdit(this);
    f->setObjectName(QStringLiteral("IpField%1").arg(i));
    f->setAccessibleName(tr("IP address field %1").arg(i + 1));
    f->setValidator(validator);
    f->setAlignment(Qt::AlignCenter);
    f->setMaxLength(3);
    f->setFixedWidth(30);
    f->installEventFilter(this);
    fields_[static_cast<size_t>(i)] = f;
    row->addWidget(f);
    if (i < 3) row->addWidget(new QLabel(QStringLiteral("."), this));
    // A full field moves on to the next one.
    connect(f, &QLineEdit::textEdited, this, [this, i](const QString& text) {
      if (text.size() == 3 && i < 3) SetFieldFocus(i + 1);
    });
  }
  row->addStretch();
  setFocusProxy(fields_[0]);
}

void IpAddressEdit::Clear() {
  for (auto* f : fields_) f->clear();
}

void IpAddressEdit::SetAddress(uint32_t a) {
  for (int i = 0; i < 4; ++i)
    fields_[static_cast<size_t>(i)]->setText(QString::number((a >> (24 - 8 * i)) & 0xFF));
}

uint32_t IpAddressEdit::Address(int* filled) const {
  uint32_t a = 0;
  int n = 0;
  for (auto* f : fields_) {
    a <<= 8;
    if (f->text().isEmpty()) continue;
    ++n;
    a |= static_cast<uint32_t>(f->text().toInt()) & 0xFF;
  }
  if (filled) *filled = n;
  return a;
}

bool IpAddressEdit::IsBlank() const {
  int filled = 0;
  Address(&filled);
  return filled == 0;
}

void IpAddressEdit::SetFieldFocus(int field) {
  if (field < 0 || field > 3) return;
  fields_[static_cast<size_t>(field)]->setFocus();
  fields_[static_cast<size_t>(field)]->selectAll();
}

bool IpAddressEdit::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    for (int i = 0; i < 4; ++i) {
      if (watched != fields_[static_cast<size_t>(i)]) continue;
      // '.' moves to the next field, as in the platform's address control.
      if (key->text() == QLatin1String(".")) {
        if (i < 3 && !fields_[static_cast<size_t>(i)]->text().isEmpty()) SetFieldFocus(i + 1);
        return true;
      }
      if (key->key() == Qt::Key_Backspace && i > 0 &&
          fields_[static_cast<size_t>(i)]->text().isEmpty()) {
        SetFieldFocus(i - 1);
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}
