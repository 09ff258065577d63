// Wiring of the diagnosis pages, the page-change and key handlers, and what
// the window does when it is resized.
#include <QEvent>
#include <QShortcut>
#include <QTabWidget>

#include <functional>

#include "app/MainForm.h"
#include "app/pages/DataLogPage.h"
#include "app/pages/GpsStatusPage.h"
#include "app/pages/StaticDataPage.h"
#include "app/pages/SystemCheckPage.h"
#include "wifi/core/WiFiSetup.h"

namespace {

// Calls back on a watched widget's resize.
class ResizeWatch : public QObject {
 public:
  ResizeWatch(QObject* parent, std::function<void()> onResize)
      : QObject(parent), onResize_(std::move(onResize)) {}
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Resize) onResize_();
    return false;
  }

 private:
  std::function<void()> onResize_;
};

}  // namespace

void TForm1::WireDiagnosisPages() {
  TimerClearCheck = new TTimer(this, "TimerClearCheck", 1000, liveTimers_);
  TimerClearCheck->OnTimer = [this] { ClearCheckRequeryTimer(); };

  connect(TabSheetSystemCheck, &SystemCheckPage::ClearCheckRequested, this,
          [this] { SpeedButtonClearCheckClick(); });
  connect(TabSheetDataLog, &DataLogPage::SendCommandRequested, this,
          [this] { ButtonCustomSendCommandClick(); });
  connect(PageControlMain, &QTabWidget::currentChanged, this, [this] { PageControlMainChange(); });
  // Window-wide, so they work whichever control has the focus: edits, spin
  // boxes and editable lists take every key release themselves.
  for (Qt::Key key : {Qt::Key_F1, Qt::Key_F12}) {
    auto* shortcut = new QShortcut(QKeySequence(key), this);
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setAutoRepeat(false);
    connect(shortcut, &QShortcut::activated, this, [this, key] { FormKeyUp(key); });
  }

  installEventFilter(new ResizeWatch(this, [this] { FormResize(); }));
}

void TForm1::FormResize() {
  TabSheetGpsStatus->PlaceSatelliteIdLabel();
  // The window keeps its top edge 40 pixels down the screen; a maximised
  // window is the window manager's to place.
  if (isVisible() && !isMaximized() && !isFullScreen() && y() != 40) move(x(), 40);
}

void TForm1::FormKeyUp(int key) {
  if (key == Qt::Key_F12) {
    PageControlMain->setCurrentWidget(TabSheetDiagnosis);
    PageControlDiagnosis->setCurrentWidget(TabSheetDataLog);
    wifi_->UpdateIpAddressControl();
    SpeedButtonSetting->hide();
    SpeedButtonReload->hide();
  } else if (key == Qt::Key_F1) {
    PageControlMain->setCurrentWidget(TabSheetConfig);
    PageControlConf->setCurrentWidget(TabSheetStatic);
    wifi_->UpdateIpAddressControl();
    SpeedButtonSetting->show();
    SpeedButtonReload->show();
  }
}

void TForm1::PageControlMainChange() {
  wifi_->UpdateIpAddressControl();
  const bool config = PageControlMain->currentIndex() == 0;
  SpeedButtonSetting->setVisible(config);
  SpeedButtonReload->setVisible(config);
}
