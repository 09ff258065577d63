#pragma once
// Hands work from the links' worker threads to the Qt event loop of the
// user-interface thread. Work posted for a context that has been destroyed
// is dropped by Qt, so nothing reaches a window after it is gone.
#include <QObject>

#include "links/UiDispatcher.h"

class QtUiDispatcher : public UiDispatcher {
 public:
  explicit QtUiDispatcher(QObject* context) : context_(context) {}
  void Post(std::function<void()> fn) override;

 private:
  QObject* context_;
};
