// The progress window's layout and its 50 ms animation; it will not close
// while the animation runs.
#include "wifi/widgets/ProcessingBar.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QTimer>

int TForm_ProcessingBar::SlideDirection = 1;

TForm_ProcessingBar::TForm_ProcessingBar(QWidget* owner, std::function<std::string()> statusText)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      statusText_(std::move(statusText)) {
  setObjectName("Form_ProcessingBar");
  setWindowTitle("Processing");
  setFixedSize(242, 47);
  setFont(QFont("Tahoma", 8));
  setWindowModality(Qt::ApplicationModal);
  Label_stage_text = new QLabel(this);
  Label_stage_text->setObjectName("Label_stage_text");
  Label_stage_text->setGeometry(0, 4, 248, 13);
  Gauge_statusII = new QFrame(this);
  Gauge_statusII->setObjectName("Gauge_statusII");
  Gauge_statusII->setGeometry(8, 25, 75, 17);
  Gauge_statusII->setAutoFillBackground(true);
  Gauge_statusII->setBackgroundRole(QPalette::Highlight);
  CGauge_status = new QFrame(this);
  CGauge_status->setObjectName("CGauge_status");
  CGauge_status->setGeometry(8, 70, 226, 16);
  Timer_status = new QTimer(this);
  Timer_status->setObjectName("Timer_status");
  Timer_status->setInterval(50);
  connect(Timer_status, &QTimer::timeout, this, [this] { Timer_statusTimer(); });
  FormCreate();
}

void TForm_ProcessingBar::FormCreate() {
  Timer_status->stop();
  Gauge_statusII->move(8, Gauge_statusII->y());
  Label_stage_text->setAlignment(Qt::AlignCenter);
  Timer_status->start();
}

void TForm_ProcessingBar::Timer_statusTimer() {
  CGauge_status->hide();
  int left = Gauge_statusII->x();
  if (SlideDirection == 0) {
    left -= 6;
    if (left < 21) {
      left = 20;
      SlideDirection = 1;
    }
  } else {
    left += 6;
    if (left >= 143) {
      left = 143;
      SlideDirection = 0;
    }
  }
  Gauge_statusII->move(left, Gauge_statusII->y());
  if (statusText_) Label_stage_text->setText(QString::fromStdString(statusText_()));
}

void TForm_ProcessingBar::reject() {
  // Escape and the window manager cannot end an operation's window.
  if (Timer_status->isActive()) return;
  QDialog::reject();
}

void TForm_ProcessingBar::closeEvent(QCloseEvent* event) {
  if (Timer_status->isActive()) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}
