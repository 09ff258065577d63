#pragma once
// The program's message boxes and save dialog, on Qt.
#include <QPointer>
#include <QWidget>

#include "ui/core/Dialogs.h"

class QtDialogs : public Dialogs {
 public:
  explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  DialogResult MessageBox(const std::string& text, const std::string& caption,
                          DialogButtons buttons, DialogIcon icon = DialogIcon::None) override;
  // The program asks its own overwrite question, so the dialog does not.
  std::optional<std::string> SaveFileName(const std::string& filter, const std::string& defaultName,
                                          const std::string& folder) override;

 private:
  QPointer<QWidget> parent_;
};
