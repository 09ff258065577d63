// The thin controls' behaviour: accessibility that presses buttons the way a
// user does, timers that post their ticks, upper-case edits and the
// double-click label.
#include "app/FormControls.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMetaObject>
#include <QPointer>

namespace {

// A button to assistive technology, with its checked state. Its action is a
// Space press, the keyboard's click: it takes the path a user's press takes,
// through the click handler of the connect button and through the filter that
// asks before the Wi-Fi mode or the module's power changes, so nothing changes
// behind a handler.
class PressableButton : public QAccessibleWidget {
 public:
  PressableButton(QAbstractButton* button, QAccessible::Role role)
      : QAccessibleWidget(button, role) {}

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
      return QAccessibleWidget::text(t);
    // The caption without its mnemonic marks ("&&" stands for "&").
    const QString caption = Button()->text();
    QString name;
    for (qsizetype i = 0; i < caption.size(); ++i) {
      if (caption[i] == QLatin1Char('&') && ++i == caption.size()) break;
      name += caption[i];
    }
    return name;
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.checkable = true;
    s.checked = Button()->isChecked();
    s.pressed = Button()->isDown();
    return s;
  }

  QStringList actionNames() const override {
    QStringList names;
    if (widget()->isEnabled())
      names << (role() == QAccessible::Button ? pressAction() : toggleAction());
    return names + QAccessibleWidget::actionNames();
  }

  void doAction(const QString& name) override {
    if (name != pressAction() && name != toggleAction()) {
      QAccessibleWidget::doAction(name);
      return;
    }
    if (!widget()->isEnabled()) return;
    QPointer<QAbstractButton> button = Button();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QCoreApplication::sendEvent(button, &press);
    // The press may have closed the window the button lives in.
    if (!button) return;
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QCoreApplication::sendEvent(button, &release);
  }

 private:
  QAbstractButton* Button() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* ControlAccessible(const QString& className, QObject* object) {
  // Asked class by class from the most derived up: only our own classes here,
  // anything else falls through to Qt's interfaces.
  if (className == QLatin1String("TSpeedButton")) {
    auto* button = qobject_cast<TSpeedButton*>(object);
    if (button && button->isCheckable()) return new PressableButton(button, QAccessible::Button);
  } else if (className == QLatin1String("TRadioButton")) {
    if (auto* radio = qobject_cast<TRadioButton*>(object))
      return new PressableButton(radio, QAccessible::RadioButton);
  } else if (className == QLatin1String("TCheckBox")) {
    if (auto* box = qobject_cast<TCheckBox*>(object))
      return new PressableButton(box, QAccessible::CheckBox);
  }
  return nullptr;
}

}  // namespace

void InstallControlAccessibility() { QAccessible::installFactory(ControlAccessible); }

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
