// Wiring of the diagnosis pages, the page-change and key handlers, and the
// placement of the chart's axis caption.
#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTabWidget>

#include "app/MainForm.h"
#include "app/pages/DataLogPage.h"
#include "app/pages/StaticDataPage.h"

namespace {

// Calls back on a watched widget's resize, and on its move when asked to.
class GeometryWatch : public QObject {
 public:
  GeometryWatch(QObject* parent, bool moves, std::function<void()> onChange)
      : QObject(parent), moves_(moves), onChange_(std::move(onChange)) {}
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Resize || (moves_ && e->type() == QEvent::Move)) onChange_();
    return false;
  }

 private:
  bool moves_;
  std::function<void()> onChange_;
};

constexpr int kSatelliteIdBand = 20;  // the caption's strip at the chart's foot

void PlaceSatelliteIdLabel(QLabel* label, QChartView* chart) {
  if (label->parentWidget() != chart->parentWidget()) return;
  label->setGeometry(chart->x(), chart->y() + chart->height() - kSatelliteIdBand, chart->width(),
                     kSatelliteIdBand);
  label->raise();
}

}  // namespace

void TForm1::WireDiagnosisPages() {
  TimerClearCheck = new TTimer(this, "TimerClearCheck", 1000, liveTimers_);
  TimerClearCheck->OnTimer = [this] { ClearCheckRequeryTimer(); };

  connect(SpeedButtonClearCheck, &QPushButton::clicked, this,
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

  // The caption sits in a strip kept free at the chart's foot, under the PRNs.
  if (QLayout* l = lblSatelliteID->parentWidget()->layout()) l->removeWidget(lblSatelliteID);
  Chart1->chart()->setMargins(QMargins(4, 4, 4, kSatelliteIdBand + 2));
  lblSatelliteID->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  lblSatelliteID->setAttribute(Qt::WA_TransparentForMouseEvents);
  Chart1->installEventFilter(
      new GeometryWatch(this, true, [this] { PlaceSatelliteIdLabel(lblSatelliteID, Chart1); }));
  installEventFilter(new GeometryWatch(this, false, [this] { FormResize(); }));
  PlaceSatelliteIdLabel(lblSatelliteID, Chart1);
}

void TForm1::FormResize() {
  PlaceSatelliteIdLabel(lblSatelliteID, Chart1);
  // The window keeps its top edge 40 pixels down the screen; a maximised
  // window is the window manager's to place.
  if (isVisible() && !isMaximized() && !isFullScreen() && y() != 40) move(x(), 40);
}

void TForm1::FormKeyUp(int key) {
  if (key == Qt::Key_F12) {
    PageControlMain->setCurrentWidget(TabSheetDiagnosis);
    PageControlDiagnosis->setCurrentWidget(TabSheetDataLog);
    UpdateIpAddressControl();
    SpeedButtonSetting->hide();
    SpeedButtonReload->hide();
  } else if (key == Qt::Key_F1) {
    PageControlMain->setCurrentWidget(TabSheetConfig);
    PageControlConf->setCurrentWidget(TabSheetStatic);
    UpdateIpAddressControl();
    SpeedButtonSetting->show();
    SpeedButtonReload->show();
  }
}

void TForm1::PageControlMainChange() {
  UpdateIpAddressControl();
  const bool config = PageControlMain->currentIndex() == 0;
  SpeedButtonSetting->setVisible(config);
  SpeedButtonReload->setVisible(config);
}
