// The progress window opened and closed without blocking, and the password
// asked modally; both centred on their owner.
#include "wifi/widgets/WiFiWindows.h"

#include <QLineEdit>
#include <QTimer>

namespace {
void CentreOn(QWidget* dialog, QWidget* owner) {
  if (!owner) return;
  const QPoint centre = owner->mapToGlobal(owner->rect().center());
  dialog->move(centre - QPoint(dialog->width() / 2, dialog->height() / 2));
}
}  // namespace

QtProgressWindow::~QtProgressWindow() {
  if (bar_) {
    bar_->Timer_status->stop();
    delete bar_.data();
  }
}

void QtProgressWindow::Open(std::function<void()> onFinished) {
  if (bar_) return;
  auto* bar = new TForm_ProcessingBar(owner_, statusText_);
  bar_ = bar;
  CentreOn(bar, owner_);
  QObject::connect(bar, &QDialog::finished, bar, [bar, onFinished] {
    bar->deleteLater();
    if (onFinished) onFinished();
  });
  bar->open();
}

void QtProgressWindow::Close() {
  if (!bar_) return;
  TForm_ProcessingBar* bar = bar_.data();
  bar_.clear();
  bar->Timer_status->stop();
  bar->close();
}

std::optional<std::string> QtPasswordPrompt::Ask() {
  TForm_password prompt(owner_);
  CentreOn(&prompt, owner_);
  if (onShown) QTimer::singleShot(0, &prompt, [this, &prompt] { onShown(prompt); });
  if (prompt.exec() != QDialog::Accepted) return std::nullopt;
  return prompt.Edit_password->text().toStdString();
}
