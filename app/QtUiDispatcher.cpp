#include "app/QtUiDispatcher.h"

#include <QMetaObject>

void QtUiDispatcher::Post(std::function<void()> fn) {
  QMetaObject::invokeMethod(context_, std::move(fn), Qt::QueuedConnection);
}
