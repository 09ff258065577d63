// The user agreement window's layout and text; both buttons only hide it.
#include "ui/widgets/AgreementForm.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/core/Maker.h"

namespace {

QFont Px(const char* family, int px, bool bold = false) {
  QFont f(family);
  f.setPixelSize(px);
  f.setBold(bold);
  return f;
}

const char* kAgreementText =
    "PLEASE READ THIS AGREEMENT CAREFULLY BEFORE USING THIS SOFTWARE.\n\n"
    "BY INSTALLING, COPYING OR USING THE SOFTWARE YOU ACCEPT THE TERMS OF THIS "
    "AGREEMENT. THE SOFTWARE IS PROVIDED \"AS IS\", WITHOUT WARRANTY OF ANY KIND. "
    "THE MAKER IS NOT LIABLE FOR ANY DAMAGE ARISING FROM ITS USE, INCLUDING A "
    "WRONGLY CONFIGURED TRANSPONDER.\n\n"
    "IF YOU DO NOT AGREE TO THESE TERMS, DO NOT USE THE SOFTWARE AND REMOVE IT "
    "FROM YOUR COMPUTER.";

}  // namespace

TfrmAgreement::TfrmAgreement(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName("frmAgreement");
  setWindowTitle(QString());
  setFixedSize(376, 323);
  setFont(Px("Tahoma", 11));

  StaticTextAgreement =
      new QLabel(QString::fromUtf8(kMakerName) + " Software License Agreement", this);
  StaticTextAgreement->setObjectName("StaticTextAgreement");
  StaticTextAgreement->setFont(Px("Arial", 13, true));
  StaticTextAgreement->setGeometry(16, 8, 345, 33);
  StaticTextAgreement->setWordWrap(true);

  MemoAgreement = new QPlainTextEdit(this);
  MemoAgreement->setObjectName("MemoAgreement");
  MemoAgreement->setReadOnly(true);
  MemoAgreement->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  MemoAgreement->setFrameShadow(QFrame::Sunken);
  MemoAgreement->setGeometry(16, 56, 345, 209);
  MemoAgreement->setPlainText(QString::fromUtf8(kAgreementText));

  ButtonAgree = new QPushButton("Agree", this);
  ButtonAgree->setObjectName("ButtonAgree");
  ButtonAgree->setGeometry(64, 279, 75, 33);
  connect(ButtonAgree, &QPushButton::clicked, this, &TfrmAgreement::ButtonAgreeClick);

  ButtonCancel = new QPushButton("Cancel", this);
  ButtonCancel->setObjectName("ButtonCancel");
  ButtonCancel->setGeometry(232, 279, 75, 33);
  connect(ButtonCancel, &QPushButton::clicked, this, &TfrmAgreement::ButtonCancelClick);
}

void TfrmAgreement::ButtonAgreeClick() { hide(); }
void TfrmAgreement::ButtonCancelClick() { hide(); }
