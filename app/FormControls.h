#pragma once
// Thin Qt widgets that carry what the main window's handlers rely on: a Tag,
// a label beside an edit, a double-click signal, and timers whose handlers
// tests call tick by tick.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>

#include <functional>

// A one-shot-free periodic timer. Its handler never runs inside the QTimer's
// own slot: the tick is posted, so a handler that opens a modal box does not
// stop the timer from ticking. With live timers off (tests) only the
// Enabled state is kept and nothing fires by itself.
class TTimer : public QObject {
  Q_OBJECT
 public:
  TTimer(QObject* parent, const char* name, int intervalMs, bool live);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);
  void Start() { SetEnabled(true); }
  void Stop() { SetEnabled(false); }
  int Interval() const { return interval_; }
  std::function<void()> OnTimer;

 private:
  QTimer timer_;
  int interval_;
  bool live_;
  bool enabled_ = false;
};

// A button with a Tag; OpenPort is one that toggles (checkable), announced
// to assistive technology as a toggle button.
class TSpeedButton : public QPushButton {
  Q_OBJECT
 public:
  using QPushButton::QPushButton;
  int Tag = 0;
  // The "down" state of a toggle button.
  bool Down() const { return isChecked(); }
  void SetDown(bool down) { setChecked(down); }
};

// A choice whose state only its handler changes, after asking (the Wi-Fi
// mode choices): it is not exclusive by itself, yet still a radio button to
// assistive technology.
class TRadioButton : public QRadioButton {
  Q_OBJECT
 public:
  using QRadioButton::QRadioButton;
};

// A box whose state only its handler changes, after asking ("Enable Wi-Fi"):
// its accessible action is a user's press, not a bare toggle.
class TCheckBox : public QCheckBox {
  Q_OBJECT
 public:
  using QCheckBox::QCheckBox;
};

// Lets assistive technology see the toggling TSpeedButton, TRadioButton and
// TCheckBox as what they look like; their accessible action is the press a
// user gives them. Once per program; later calls do nothing.
void InstallControlAccessibility();

// A label with a Tag and a double-click signal.
class TLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
  int Tag = 0;
 signals:
  void DblClick();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

class TEdit : public QLineEdit {
  Q_OBJECT
 public:
  using QLineEdit::QLineEdit;
  int Tag = 0;
  // Typed letters become upper case, as the device only takes those.
  void SetUpperCaseOnly();
};

// An edit with its own caption label, placed beside it by the form. The
// language files set the label (EditLabel), the code reads the edit.
class TLabeledEdit : public TEdit {
  Q_OBJECT
 public:
  TLabeledEdit(const QString& caption, QWidget* parent);
  QLabel* EditLabel;
};

class TStringGrid : public QTableWidget {
  Q_OBJECT
 public:
  using QTableWidget::QTableWidget;
  int Tag = 0;
};
