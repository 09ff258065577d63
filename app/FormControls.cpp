#include "app/FormControls.h"

#include <QMetaObject>
#include <QPointer>

TTimer::TTimer(QObject* parent, const char* name, int intervalMs, bool live)
    : QObject(parent), interval_(intervalMs), live_(live) {
  setObjectName(name);
  timer_.setInterval(intervalMs);
  QObject::connect(&timer_, &QTimer::timeout, this, [this] {
    // Posted, not called: see the class comment.
    QMetaObject::invokeMethod(
        this,
        [this] {
          if (enabled_ && OnTimer) OnTimer();
        },
        Qt::QueuedConnection);
  });
}

void TTimer::SetEnabled(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  if (!live_) return;
  if (on)
    timer_.start();
  else
    timer_.stop();
}

void TLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  QLabel::mouseDoubleClickEvent(event);
  emit DblClick();
}

void TEdit::SetUpperCaseOnly() {
  QObject::connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
    const QString upper = text.toUpper();
    if (upper == text) return;
    const int pos = cursorPosition();
    setText(upper);
    setCursorPosition(pos);
  });
}

TLabeledEdit::TLabeledEdit(const QString& caption, QWidget* parent)
    : TEdit(parent), EditLabel(new QLabel(caption, parent)) {
  EditLabel->setBuddy(this);
}
