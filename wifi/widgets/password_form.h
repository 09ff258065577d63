#pragma once
// The password window the Wi-Fi page opens before joining a secured network.
#include <QDialog>

class QLineEdit;
class QPushButton;

// Asks the password of the network the station is to join.
class TForm_password : public QDialog {
  Q_OBJECT
 public:
  explicit TForm_password(QWidget* owner = nullptr);

  QLineEdit* Edit_password;
  QPushButton* Button_password_enter;

  void Edit_password_OnChange();
  void Button_password_enterClick();
};
