#pragma once
// What the Wi-Fi page adds to plain Qt controls: the byte limit of texts that
// go out in an AT command, a press that only runs a handler, and a handler
// hooked to one kind of event.
#include <QEvent>
#include <QObject>

#include <functional>

class QAbstractButton;
class QLineEdit;

// Text edits whose contents go out inside one AT command line: no control
// characters, and at most `bytes` bytes of UTF-8. A text already longer (the
// module's own, shown decoded) can still be shortened.
void LimitCommandText(QLineEdit* edit, int bytes);

// Runs `handler` in place of a press on a button, so the handler decides
// the button's state (a mouse-down handler).
class PressFilter : public QObject {
  Q_OBJECT
 public:
  PressFilter(QAbstractButton* button, std::function<void()> handler);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void()> handler_;
};

// Runs `handler` on one kind of event of `target`; true swallows the event.
class EventHook : public QObject {
  Q_OBJECT
 public:
  EventHook(QObject* target, QEvent::Type type, std::function<bool()> handler);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QEvent::Type type_;
  std::function<bool()> handler_;
};
