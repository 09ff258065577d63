#pragma once
// Letting the window's event loop run while a test waits: for a time, or
// until something holds.
#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QElapsedTimer>

#include <functional>

// At least one pass, however late this thread runs.
inline void Pump(int ms) {
  QElapsedTimer t;
  t.start();
  do QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  while (t.elapsed() < ms);
}

// Runs what is queued, and what that queues in turn, until a pass of the
// loop finds nothing to do; false when it never did.
inline bool Settle() {
  QAbstractEventDispatcher* loop = QAbstractEventDispatcher::instance();
  for (int pass = 0; pass < 100; ++pass)
    if (!loop->processEvents(QEventLoop::AllEvents)) return true;
  return false;
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
