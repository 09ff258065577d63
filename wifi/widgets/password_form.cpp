// The password window: no control characters, and Enter only for an empty
// answer (an open network) or a passphrase of 8 to 63 bytes.
#include "wifi/widgets/password_form.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

TForm_password::TForm_password(QWidget* owner) : QDialog(owner) {
  setObjectName("Form_password");
  setWindowTitle("Password is requested to join the network");
  setFixedSize(278, 45);
  setStyleSheet("QDialog { background: #F0FBFF; }");
  setFont(QFont("Tahoma", 8));
  Edit_password = new QLineEdit(this);
  Edit_password->setObjectName("Edit_password");
  Edit_password->setAccessibleName("Password");
  Edit_password->setGeometry(10, 11, 191, 21);
  // No line ends: the password goes out inside one command line.
  Edit_password->setValidator(
      new QRegularExpressionValidator(QRegularExpression("[^\\x00-\\x1f]*"), Edit_password));
  Button_password_enter = new QPushButton("Enter", this);
  Button_password_enter->setObjectName("Button_password_enter");
  Button_password_enter->setGeometry(207, 8, 63, 26);
  Button_password_enter->setDefault(true);
  connect(Edit_password, &QLineEdit::textChanged, this, [this] { Edit_password_OnChange(); });
  connect(Button_password_enter, &QPushButton::clicked, this,
          [this] { Button_password_enterClick(); });
  Button_password_enter->setEnabled(true);
}

void TForm_password::Edit_password_OnChange() {
  // Empty means an open network; otherwise a WPA2 passphrase of 8 to 63 bytes.
  const auto length = Edit_password->text().toUtf8().size();
  Button_password_enter->setEnabled(length == 0 || (length >= 8 && length <= 63));
}

void TForm_password::Button_password_enterClick() {
  if (!Button_password_enter->isEnabled()) return;
  if (Edit_password->text().isEmpty()) Edit_password->setText("0");
  accept();
}
