#pragma once
// The user agreement window, whose captions the language files translate.
#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The user agreement. Created and translated with the other windows; the
// program never shows it, and neither button records an answer.
class TfrmAgreement : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmAgreement(QWidget* parent = nullptr);

  QLabel* StaticTextAgreement;
  QPlainTextEdit* MemoAgreement;
  QPushButton* ButtonAgree;
  QPushButton* ButtonCancel;

  void ButtonAgreeClick();
  void ButtonCancelClick();
};
