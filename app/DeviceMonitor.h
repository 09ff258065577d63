#pragma once
// Hot-plug notices for serial ports: a libudev monitor on the tty subsystem.
// Any add or remove counts; where udev is not there (a container), the
// monitor stays silent and the program runs without notices.
#include <QObject>

#include <functional>

class QSocketNotifier;
struct udev;
struct udev_monitor;

class DeviceMonitor : public QObject {
  Q_OBJECT
 public:
  DeviceMonitor(QObject* parent, std::function<void()> onChange);
  ~DeviceMonitor() override;
  bool Active() const { return notifier_ != nullptr; }

 private:
  void Drain();
  std::function<void()> onChange_;
  struct udev* udev_ = nullptr;
  struct udev_monitor* monitor_ = nullptr;
  QSocketNotifier* notifier_ = nullptr;
};
