// Wiring of the diagnosis pages, the page-change and key handlers, and what
// the window does when it is resized.
#include <QEvent>
#include <QShortcut>
#include <QTabWidget>

#include "app/MainForm.h"
#include "app/pages/DataLogPage.h"
#include "app/pages/StaticDataPage.h"
#include "app/pages/SystemCheckPage.h"
#include "wifi/core/WiFiSetup.h"
#include "wifi/widgets/ControlHooks.h"

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

  new EventHook(this, QEvent::Resize, [this] {
    FormResize();
    return false;
  });
}

void TForm1::FormResize() {
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
