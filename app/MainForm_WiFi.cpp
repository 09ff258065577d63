// The Wi-Fi set-up of the main window: its logic wired to the Wi-Fi page, the
// window's links and timers.
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QTabWidget>
#include <QTimer>

#include "app/MainForm.h"
#include "app/pages/StaticDataPage.h"
#include "app/pages/WiFiSetupPage.h"
#include "wifi/core/WiFiSetup.h"
#include "wifi/widgets/ControlHooks.h"
#include "wifi/widgets/WiFiWindows.h"

// What the set-up needs of the window around its page.
class FormWiFiHost : public WiFiHost {
 public:
  explicit FormWiFiHost(TForm1& f) : f_(f) {}
  bool SendRaw(const std::string& bytes) override { return f_.SendRaw(bytes); }
  bool SerialMediumChosen() const override { return f_.menus_.mnuSerialPort->isChecked(); }
  bool TcpMediumChosen() const override { return f_.menus_.mnuWiFi->isChecked(); }
  std::string ConnectionStatusText() const override { return f_.ConnectionStatusText(); }
  bool ConnectionOpen() const override { return f_.ConnectionOpen(); }
  bool DeviceDataEnd() const override { return f_.Session().DeviceDataEnd == 1; }
  bool MainShowsConfig() const override {
    return f_.PageControlMain->currentWidget() == f_.TabSheetConfig;
  }
  bool ConfShowsWiFi() const override {
    return f_.PageControlConf->currentWidget() == f_.TabSheetWiFi;
  }
  void ShowStaticTab() override { f_.PageControlConf->setCurrentWidget(f_.TabSheetStatic); }
  void SetWiFiTabVisible(bool visible) override {
    f_.PageControlConf->setTabVisible(f_.PageControlConf->indexOf(f_.TabSheetWiFi), visible);
  }
  bool StepTimerEnabled() const override { return f_.Timer_WiFi_function->Enabled(); }
  void SetStepTimerEnabled(bool on) override { f_.Timer_WiFi_function->SetEnabled(on); }
  void Post(std::function<void()> work) override { QTimer::singleShot(0, &f_, std::move(work)); }
  void CopyToClipboard(const std::string& text) override {
    QGuiApplication::clipboard()->setText(
        QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
  }

 private:
  TForm1& f_;
};

struct TForm1::WiFiParts {
  std::unique_ptr<FormWiFiHost> host;
  std::unique_ptr<QtProgressWindow> progress;
  std::unique_ptr<QtPasswordPrompt> password;
  std::unique_ptr<WiFiSetup> setup;
};

void TForm1::InitWiFiPage() {
  if (!wifiParts_) {
    auto parts = std::make_shared<WiFiParts>();
    parts->host = std::make_unique<FormWiFiHost>(*this);
    parts->progress =
        std::make_unique<QtProgressWindow>(this, [this] { return wifi_->WiFiStatusText; });
    parts->password = std::make_unique<QtPasswordPrompt>(this);
    parts->setup =
        std::make_unique<WiFiSetup>(WiFiData, WiFiReportData, ApList, texts_, *TabSheetWiFi,
                                    *parts->host, dialogs, *parts->progress, *parts->password);
    TabSheetWiFi->Attach(*parts->setup);
    wifi_ = parts->setup.get();
    wifiParts_ = std::move(parts);
  }
  wifi_->InitWiFiPage();
  // The memo's design text stands as its first line.
  if (wifi_->Memo_WiFi.LineCount() == 0) wifi_->Memo_WiFi.Append("Debug and Receive the command");
}

void TForm1::WireWiFiPage() {
  WiFiSetup* s = wifi_;
  new EventHook(this, QEvent::WindowActivate, [s] {
    s->FormOnActivate();
    return false;
  });
}

void TForm1::Timer_WiFi_functionTimer() { wifi_->Timer_WiFi_functionTimer(); }
void TForm1::CloseProcessingBar() { wifi_->CloseProcessingBar(); }
void TForm1::StartLoadWiFiSettings() { wifi_->StartLoadWiFiSettings(); }

bool TForm1::ProcessingBarRunning() {
  TForm_ProcessingBar* bar = wifiParts_ ? wifiParts_->progress->Bar() : nullptr;
  return bar && bar->Timer_status->isActive();
}
