#pragma once
// The Wi-Fi operations' progress window as a Qt dialog.
#include <QDialog>

#include <functional>
#include <string>

class QFrame;
class QLabel;
class QTimer;

// The progress window of a Wi-Fi operation: a block sliding to and fro and
// the operation's status text. The user cannot close it while it animates.
class TForm_ProcessingBar : public QDialog {
  Q_OBJECT
 public:
  // statusText gives the main window's current status text.
  TForm_ProcessingBar(QWidget* owner, std::function<std::string()> statusText);

  QLabel* Label_stage_text;
  QTimer* Timer_status;
  QFrame* Gauge_statusII;
  QFrame* CGauge_status;

  void FormCreate();
  void Timer_statusTimer();

  // 1 moving right, 0 left; kept from one showing to the next.
  static int SlideDirection;

 public slots:
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  std::function<std::string()> statusText_;
};
