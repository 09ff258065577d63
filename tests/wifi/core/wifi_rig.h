#pragma once
// The Wi-Fi set-up wired to a page, a host and a progress window made of
// plain fields, and to the simulated module behind a pass-through. One Tick
// is one second: the step timer, then the replies, then Timer2.
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tools/transponder-sim/WifiModuleSim.h"
#include "ui/core/Dialogs.h"
#include "ui/core/MessageTexts.h"
#include "wifi/core/WiFiSetup.h"

struct FakePage : WiFiPage {
  std::map<WiFiControl, std::string> text;
  std::map<WiFiControl, bool> checked, disabled, hidden, bold;
  std::map<WiFiControl, uint32_t> colour;
  std::map<WiFiControl, WiFiBackground> background;
  std::map<WiFiControl, int> maxLength;
  int channelIndex = -1;
  bool apTab = true;
  int rows = 0;
  std::map<std::pair<int, int>, std::string> cells;
  int selected = -1;
  int gridSetups = 0;
  uint32_t ip = 0;
  int ipFilled = 0;
  bool ipShown = false;
  bool ipEnabled = true;
  int focusedField = -1;
  std::optional<WiFiControl> focused;
  std::vector<std::string> memo;

  std::string Text(WiFiControl c) const override {
    if (c == WiFiControl::ComboBox_WiFi_Channel)
      return channelIndex >= 0 ? std::to_string(channelIndex + 1) : "";
    auto it = text.find(c);
    return it == text.end() ? "" : it->second;
  }
  void SetText(WiFiControl c, const std::string& t) override { text[c] = t; }
  bool Checked(WiFiControl c) const override { return Get(checked, c, false); }
  void SetChecked(WiFiControl c, bool on) override { checked[c] = on; }
  bool Enabled(WiFiControl c) const override { return !Get(disabled, c, false); }
  void SetEnabled(WiFiControl c, bool on) override { disabled[c] = !on; }
  bool Visible(WiFiControl c) const override { return !Get(hidden, c, false); }
  void SetVisible(WiFiControl c, bool on) override { hidden[c] = !on; }
  void SetFontColour(WiFiControl c, uint32_t bgr) override { colour[c] = bgr; }
  void SetBackground(WiFiControl c, WiFiBackground b) override { background[c] = b; }
  void SetBold(WiFiControl c, bool on) override { bold[c] = on; }
  void SetFocus(WiFiControl c) override { focused = c; }
  void SetMaxLength(WiFiControl c, int n) override { maxLength[c] = n; }
  int ChannelIndex() const override { return channelIndex; }
  void SetChannelIndex(int i) override { channelIndex = (i >= 0 && i < 11) ? i : -1; }
  bool ApTabShown() const override { return apTab; }
  void ShowModeTab(bool ap) override { apTab = ap; }
  int RowCount() const override { return rows; }
  void SetRowCount(int n) override { rows = n; }
  std::string Cell(int col, int row) const override {
    auto it = cells.find({col, row});
    return it == cells.end() ? "" : it->second;
  }
  void SetCell(int col, int row, const std::string& t) override { cells[{col, row}] = t; }
  int SelectedRow() const override { return selected; }
  void SelectRow(int row) override { selected = row; }
  void SetupNetworkGrid() override { ++gridSetups; }
  void RefreshNetworkGrid() override {}
  void IpClear() override { ip = 0, ipFilled = 0; }
  void IpSet(uint32_t a) override { ip = a, ipFilled = 4; }
  uint32_t IpGet(int* filled) const override {
    *filled = ipFilled;
    return ip;
  }
  bool IpIsBlank() const override { return ipFilled == 0; }
  void IpFocus(int field) override { focusedField = field; }
  void IpShow(bool on) override { ipShown = on; }
  void IpRecreate(bool enabled) override { ipEnabled = enabled, ip = 0, ipFilled = 0; }
  void MemoAppend(const std::string& line) override { memo.push_back(line); }
  void MemoDeleteFirst() override {
    if (!memo.empty()) memo.erase(memo.begin());
  }
  void MemoClear() override { memo.clear(); }

 private:
  template <class M, class V>
  static V Get(const M& m, WiFiControl c, V fallback) {
    auto it = m.find(c);
    return it == m.end() ? fallback : it->second;
  }
};

struct FakeHost : WiFiHost {
  std::vector<std::string> sends;
  std::function<void(const std::string&)> onSend;
  bool serial = true, tcp = false;
  std::string status;
  bool open = true, dataEnd = true;
  bool mainConfig = true, confWiFi = true;
  int staticShown = 0;
  bool tabVisible = false;
  bool timer = false;
  std::deque<std::function<void()>> posted;
  std::string clipboard;

  bool SendRaw(const std::string& bytes) override {
    sends.push_back(bytes);
    if (onSend) onSend(bytes);
    return true;
  }
  bool SerialMediumChosen() const override { return serial; }
  bool TcpMediumChosen() const override { return tcp; }
  std::string ConnectionStatusText() const override { return status; }
  bool ConnectionOpen() const override { return open; }
  bool DeviceDataEnd() const override { return dataEnd; }
  bool MainShowsConfig() const override { return mainConfig; }
  bool ConfShowsWiFi() const override { return confWiFi; }
  void ShowStaticTab() override {
    ++staticShown;
    confWiFi = false;
  }
  void SetWiFiTabVisible(bool on) override { tabVisible = on; }
  bool StepTimerEnabled() const override { return timer; }
  void SetStepTimerEnabled(bool on) override { timer = on; }
  void Post(std::function<void()> work) override { posted.push_back(std::move(work)); }
  void CopyToClipboard(const std::string& t) override { clipboard = t; }
  void RunPosted() {
    while (!posted.empty()) {
      auto work = std::move(posted.front());
      posted.pop_front();
      work();
    }
  }
};

struct FakeProgress : ProgressWindow {
  bool open = false;
  int opens = 0;
  std::function<void()> onFinished;
  bool IsOpen() const override { return open; }
  void Open(std::function<void()> finished) override {
    open = true;
    ++opens;
    onFinished = std::move(finished);
  }
  void Close() override {
    open = false;
    if (auto f = std::move(onFinished)) f();
  }
};

struct FakePrompt : PasswordPrompt {
  std::optional<std::string> answer;
  int asked = 0;
  std::optional<std::string> Ask() override {
    ++asked;
    return answer;
  }
};

// The transponder's side of the serial link: the two pass-through sentences,
// the module behind them, and a sentence of its own each second outside.
struct SimLink {
  WifiModuleSim module;
  bool passThrough = false;
  bool talks = true;  // the transponder's own sentences outside pass-through
  std::deque<std::string> pending;
  std::string partial;

  void FromProgram(const std::string& bytes) {
    for (char c : bytes) {
      if (c == '\r') continue;
      if (c != '\n') {
        partial += c;
        continue;
      }
      std::string line;
      line.swap(partial);
      if (line == "$PDBG,163,1,,,,,,*14") {
        passThrough = true;
        for (auto& l : module.Enter()) pending.push_back(l);
      } else if (line == "$PDBG,163,0,,,,,,*15") {
        passThrough = false;
        module.Leave();
      } else if (passThrough) {
        for (auto& l : module.Receive(line)) pending.push_back(l);
      }
    }
  }
  void Deliver(WiFiSetup& setup) {
    if (!passThrough && talks)
      pending.push_back("$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A");
    while (!pending.empty()) {
      std::string line = pending.front();
      pending.pop_front();
      setup.OnSerialLine(line);
    }
  }
};

// Boxes, with a look at what was sent before each one.
struct RigDialogs : RecordingDialogs {
  std::function<void()> onShow;
  DialogResult MessageBox(const std::string& text, const std::string& caption,
                          DialogButtons buttons, DialogIcon icon) override {
    if (onShow) onShow();
    return RecordingDialogs::MessageBox(text, caption, buttons, icon);
  }
};

struct WiFiRig {
  WIFI_DATA_STRUCT wifi;
  WIFI_GENERATE_REPORT_DATA report;
  AP_LIST_STRUCT apList;
  MSG_TEXT_STRUCT texts;
  FakePage page;
  FakeHost host;
  RigDialogs dialogs;
  FakeProgress progress;
  FakePrompt prompt;
  SimLink link;
  WiFiSetup setup{wifi, report, apList, texts, page, host, dialogs, progress, prompt};

  WiFiRig() {
    InitDefaultTexts(texts);
    host.status = texts.Connected;
    host.onSend = [this](const std::string& bytes) { link.FromProgram(bytes); };
    setup.InitWiFiPage();
    page.checked[WiFiControl::RadioButton_AP] = true;
    page.checked[WiFiControl::CheckBox_WiFi_Open] = true;
    wifi.modulePresent = 1;
  }

  void Tick() {
    if (host.timer) setup.Timer_WiFi_functionTimer();
    link.Deliver(setup);
    setup.CheckWiFiSetupLink();
    setup.CheckWiFiTimeouts();
    host.RunPosted();
  }
  void Ticks(int n) {
    for (int i = 0; i < n; ++i) Tick();
  }
  // Ticks until the step timer stops, at most `limit`; the ticks taken.
  int RunToEnd(int limit = 200) {
    for (int i = 1; i <= limit; ++i) {
      Tick();
      if (!host.timer) return i;
    }
    return -1;
  }
  std::vector<std::string> TakeSends() {
    auto s = std::move(host.sends);
    host.sends.clear();
    return s;
  }
  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> t;
    for (auto& b : dialogs.shown) t.push_back(b.text);
    return t;
  }
};

inline const std::string kExit = "$PDBG,163,0,,,,,,*15\r\n";
inline const std::string kEnter = "$PDBG,163,1,,,,,,*14\r\n";
