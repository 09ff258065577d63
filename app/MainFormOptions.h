#pragma once
// What a test (or another host) hands the main window instead of the real
// thing: dialogs, ports, the event loop, folders, timers and system calls.
#include <memory>
#include <string>

#include "app/PortDiscovery.h"
#include "links/CommSystem.h"
#include "links/UiDispatcher.h"
#include "ui/core/Dialogs.h"

// Every member left empty means the real one.
struct TForm1Options {
  Dialogs* dialogs = nullptr;            // not owned; Qt message boxes when null
  std::shared_ptr<PortDiscovery> ports;  // the PC's ports when null
  UiDispatcher* dispatcher = nullptr;    // not owned; the Qt event loop when null
  std::string documentsDir;              // the user's Documents folder when empty
  std::string appDir;                    // the program's folder when empty
  bool liveTimers = true;                // false: timers only keep Enabled; tests tick
  bool deviceMonitor = true;             // false: no udev monitor
  CommSystem* commSystem = nullptr;      // not owned; the system's own calls when null
};
