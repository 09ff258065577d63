// Watches udev for tty devices coming and going and calls back once per burst
// of events; a monitor that cannot be set up simply stays silent.
#include "app/DeviceMonitor.h"

#include <libudev.h>
#include <QSocketNotifier>

#include <cstring>

DeviceMonitor::DeviceMonitor(QObject* parent, std::function<void()> onChange)
    : QObject(parent), onChange_(std::move(onChange)) {
  udev_ = udev_new();
  if (!udev_) return;
  monitor_ = udev_monitor_new_from_netlink(udev_, "udev");
  if (!monitor_ || udev_monitor_filter_add_match_subsystem_devtype(monitor_, "tty", nullptr) < 0 ||
      udev_monitor_enable_receiving(monitor_) < 0) {
    if (monitor_) udev_monitor_unref(monitor_);
    monitor_ = nullptr;
    return;
  }
  const int fd = udev_monitor_get_fd(monitor_);
  if (fd < 0) return;
  notifier_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] { Drain(); });
}

DeviceMonitor::~DeviceMonitor() {
  delete notifier_;
  if (monitor_) udev_monitor_unref(monitor_);
  if (udev_) udev_unref(udev_);
}

void DeviceMonitor::Drain() {
  bool counted = false;
  while (struct udev_device* dev = udev_monitor_receive_device(monitor_)) {
    const char* action = udev_device_get_action(dev);
    if (action && (std::strcmp(action, "add") == 0 || std::strcmp(action, "remove") == 0))
      counted = true;
    udev_device_unref(dev);
  }
  if (counted && onChange_) onChange_();
}
