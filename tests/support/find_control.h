#pragma once
// A control of a window found by its name, as the language loader and
// assistive tools find it. A name that is not there fails the test.
#include <QObject>
#include <QString>

#include <memory>
#include <stdexcept>
#include <string>

template <class T = QObject>
T* Find(const QObject& root, const char* name) {
  T* found = root.findChild<T*>(QString::fromLatin1(name));
  if (!found) throw std::runtime_error(std::string("no control named ") + name);
  return found;
}

template <class T = QObject>
T* Find(const QObject* root, const char* name) {
  return Find<T>(*root, name);
}

template <class T = QObject, class W>
T* Find(const std::unique_ptr<W>& root, const char* name) {
  return Find<T>(*root, name);
}
