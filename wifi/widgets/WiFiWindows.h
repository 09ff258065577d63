#pragma once
// The Qt side of the set-up's progress window and password prompt.
#include <QPointer>

#include <functional>
#include <string>

#include "wifi/core/WiFiHost.h"
#include "wifi/widgets/ProcessingBar.h"
#include "wifi/widgets/password_form.h"

// At most one progress window, centred on the owner and opened without a
// nested event loop, so the step timer keeps ticking while it is up.
class QtProgressWindow : public ProgressWindow {
 public:
  QtProgressWindow(QWidget* owner, std::function<std::string()> statusText)
      : owner_(owner), statusText_(std::move(statusText)) {}
  ~QtProgressWindow() override;
  bool IsOpen() const override { return !bar_.isNull(); }
  void Open(std::function<void()> onFinished) override;
  void Close() override;
  TForm_ProcessingBar* Bar() const { return bar_.data(); }

 private:
  QWidget* owner_;
  std::function<std::string()> statusText_;
  QPointer<TForm_ProcessingBar> bar_;
};

// The password prompt, shown modally from a user's click.
class QtPasswordPrompt : public PasswordPrompt {
 public:
  explicit QtPasswordPrompt(QWidget* owner) : owner_(owner) {}
  std::optional<std::string> Ask() override;
  // Tests answer the prompt while it is up.
  std::function<void(TForm_password&)> onShown;

 private:
  QWidget* owner_;
};
