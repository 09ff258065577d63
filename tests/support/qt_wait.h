#pragma once
// Letting the window's event loop run while a test waits: for a time, or
// until something holds.
#include <QCoreApplication>
#include <QElapsedTimer>

#include <functional>

inline void Pump(int ms) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// True once done() holds; false when ms passed first.
inline bool WaitFor(const std::function<bool()>& done, int ms = 3000) {
  QElapsedTimer t;
  t.start();
  while (!done()) {
    if (t.elapsed() > ms) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  return true;
}
