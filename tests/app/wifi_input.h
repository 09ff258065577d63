#pragma once
// Key and mouse input as the user gives it, sent to one widget.
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QString>
#include <QWidget>

inline void Key(QWidget* w, int key, Qt::KeyboardModifiers mods = {}, const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, key, mods, text);
  QApplication::sendEvent(w, &press);
  QKeyEvent release(QEvent::KeyRelease, key, mods, text);
  QApplication::sendEvent(w, &release);
}

inline void Type(QWidget* w, const QString& text) {
  for (QChar c : text) {
    const int key = c.isDigit() ? Qt::Key_0 + c.digitValue()
                    : (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')
                        ? Qt::Key_A + (c.toUpper().unicode() - 'A')
                        : Qt::Key_unknown;
    Key(w, key, {}, QString(c));
  }
}

inline void Click(QWidget* w, QPoint at = {5, 5}) {
  const QPointF p(at);
  QMouseEvent press(QEvent::MouseButtonPress, p, w->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                    {});
  QApplication::sendEvent(w, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, p, w->mapToGlobal(p), Qt::LeftButton,
                      Qt::NoButton, {});
  QApplication::sendEvent(w, &release);
}
