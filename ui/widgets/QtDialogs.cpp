// Message boxes and the save dialog on Qt: buttons and icons mapped to
// QMessageBox, the overwrite question left to the program.
#include "ui/widgets/QtDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

DialogResult QtDialogs::MessageBox(const std::string& text, const std::string& caption,
                                   DialogButtons buttons, DialogIcon icon) {
  QMessageBox box(parent_);
  box.setWindowTitle(QString::fromStdString(caption));
  box.setText(QString::fromStdString(text));
  switch (icon) {
    case DialogIcon::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case DialogIcon::Warning:
      box.setIcon(QMessageBox::Warning);
      break;
    case DialogIcon::Error:
      box.setIcon(QMessageBox::Critical);
      break;
    case DialogIcon::Question:
      box.setIcon(QMessageBox::Question);
      break;
    case DialogIcon::None:
      box.setIcon(QMessageBox::NoIcon);
      break;
  }
  switch (buttons) {
    case DialogButtons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case DialogButtons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Ok);
      break;
    case DialogButtons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::Yes);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Ok:
      return DialogResult::Ok;
    case QMessageBox::Yes:
      return DialogResult::Yes;
    case QMessageBox::No:
      return DialogResult::No;
    default:
      return DialogResult::Cancel;
  }
}

std::optional<std::string> QtDialogs::SaveFileName(const std::string& filter,
                                                   const std::string& defaultName,
                                                   const std::string& folder) {
  QFileDialog dialog(parent_);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  dialog.setNameFilter(QString::fromStdString(filter));
  dialog.setDefaultSuffix("TXT");
  if (!folder.empty()) dialog.setDirectory(QString::fromStdString(folder));
  if (!defaultName.empty()) dialog.selectFile(QString::fromStdString(defaultName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QDir::toNativeSeparators(dialog.selectedFiles().front()).toStdString();
}
