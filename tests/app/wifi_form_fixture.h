#pragma once
// A real TForm1 on a pseudo-terminal whose far end is the simulated
// transponder with the simulated Wi-Fi module behind its pass-through.
// Tick() is one second: the step timer, the replies, the transponder's own
// sentences, then Timer2.
#include <QTabWidget>

#include <poll.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/app/pty_form_fixture.h"
#include "tests/support/find_control.h"
#include "tools/transponder-sim/TransponderSim.h"
#include "tools/transponder-sim/WifiModuleSim.h"
#include "wifi/core/WiFiSetup.h"

class WiFiFormTest : public PtyFormTest {
 protected:
  void SetUp() override {
    PtyFormTest::SetUp();
    sim.passThroughHandler = module;
  }

  // Connected over the pty, the device reporting its Wi-Fi module, the
  // configuration page on the Wi-Fi tab.
  void ConnectToWiFiTab() {
    OpenManually();
    ASSERT_TRUE(form->Comm()->IsOpen());
    // The handshake: the dump and the configuration replies.
    for (int i = 0; i < 5 && form->Session().DeviceConnected != 1; ++i) {
      Exchange();
      form->Timer1Timer();
    }
    ASSERT_TRUE(WaitFor([&] { return form->Session().DeviceConnected == 1; }));
    Exchange();
    form->TimerConnectionTimer();
    ASSERT_EQ(form->WiFi().wifi.modulePresent, 1);  // reported by the device
    Find<QTabWidget>(form, "PageControlMain")
        ->setCurrentWidget(Find<QWidget>(form, "TabSheetConfig"));
    Find<QTabWidget>(form, "PageControlConf")
        ->setCurrentWidget(Find<QWidget>(form, "TabSheetWiFi"));
    Exchange();
    sent.clear();
  }

  // What the window sent goes to the transponder and its answers come back,
  // until the window has nothing more to say.
  void Exchange() {
    Converse([&](const std::string& bytes) {
      for (char c : bytes) {
        if (c == '\r') continue;
        if (c != '\n') {
          partial_ += c;
          continue;
        }
        std::string line;
        line.swap(partial_);
        sent.push_back(line);
        sim.HandleLine(line);
      }
      return sim.TakeOutput();
    });
  }

  // Returns once the window has read every byte: an answer still in the pty
  // would reach it only after the test's next step, out of turn.
  void Reply(const std::string& bytes) {
    if (!bytes.empty()) Device(bytes);
  }

  void Tick() {
    if (Find<TTimer>(form, "Timer_WiFi_function")->Enabled()) form->Timer_WiFi_functionTimer();
    Exchange();
    sim.Tick();
    Reply(sim.TakeOutput());
    Exchange();
    form->Timer2Timer();
    Exchange();
  }

  int RunToEnd(int limit = 80) {
    for (int i = 1; i <= limit; ++i) {
      Tick();
      if (!Find<TTimer>(form, "Timer_WiFi_function")->Enabled()) return i;
    }
    return -1;
  }

  TransponderSim sim;
  std::shared_ptr<WifiModuleSim> module = std::make_shared<WifiModuleSim>();
  std::vector<std::string> sent;  // lines the window sent, without line ends
  std::string partial_;
};
