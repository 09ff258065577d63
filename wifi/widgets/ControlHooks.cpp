// The command-text validator, the press filter and the event hook.
#include "wifi/widgets/ControlHooks.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QValidator>

namespace {

class CommandTextValidator : public QValidator {
 public:
  CommandTextValidator(int bytes, QLineEdit* edit)
      : QValidator(edit), bytes_(bytes), held_(edit->text().toUtf8().size()) {
    // The edit has taken the new text in already when it asks.
    QObject::connect(edit, &QLineEdit::textChanged, this,
                     [this](const QString& text) { held_ = text.toUtf8().size(); });
  }
  State validate(QString& input, int&) const override {
    for (QChar c : input)
      if (c.unicode() < 0x20 || c.unicode() == 0x7F) return Invalid;
    const qsizetype size = input.toUtf8().size();
    if (size <= bytes_) return Acceptable;
    return size < held_ ? Intermediate : Invalid;
  }

 private:
  int bytes_;
  qsizetype held_;  // the edit's text, in bytes
};

}  // namespace

void LimitCommandText(QLineEdit* edit, int bytes) {
  if (!edit) return;
  edit->setValidator(new CommandTextValidator(bytes, edit));
}

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

EventHook::EventHook(QObject* target, QEvent::Type type, std::function<bool()> handler)
    : QObject(target), type_(type), handler_(std::move(handler)) {
  target->installEventFilter(this);
}

bool EventHook::eventFilter(QObject*, QEvent* event) {
  return event->type() == type_ && handler_();
}
