// The about box: its fixed layout and colours, the maker's links, and the
// read-me text of the current language.
#include "ui/widgets/About.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "ui/core/Maker.h"
#include "ui/core/ReadMe.h"
#include "ui/widgets/AboutPicture.h"
#include "ui/widgets/JpegImage.h"

namespace {

QFont ArialPx(int px, bool bold = false) {
  QFont f("Arial");
  f.setPixelSize(px);
  f.setBold(bold);
  return f;
}

const char* kDesignReadMe =
    "Vantrel configuration tool\n"
    "Kvor Marine Electronics\n"
    "\n"
    "Connect the transponder by USB or Wi-Fi, then press Connect.";

}  // namespace

void TClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit Clicked();
  }
}

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent) {
  setObjectName("frmAbout");
  setWindowTitle(QString());
  setFixedSize(406, 352);
  setFont(ArialPx(11));
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(0xFF, 0xFB, 0xF0));  // cream
  setPalette(pal);
  setAutoFillBackground(true);

  StaticTextProduct = new QLabel(QString::fromUtf8(kProductName), this);
  StaticTextProduct->setObjectName("StaticTextProduct");
  StaticTextProduct->setAlignment(Qt::AlignCenter);
  StaticTextProduct->setGeometry(176, 8, 222, 22);
  QFont productFont = ArialPx(17);
  productFont.setItalic(true);
  StaticTextProduct->setFont(productFont);

  Image2 = new QLabel(this);
  Image2->setObjectName("Image2");
  Image2->setGeometry(16, 6, 145, 49);
  Image2->setScaledContents(true);
  const QImage picture = DecodeJpeg(kAboutPictureJpeg, kAboutPictureJpegSize);
  if (!picture.isNull()) Image2->setPixmap(QPixmap::fromImage(picture));

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName("Memo1");
  Memo1->setReadOnly(true);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setGeometry(16, 71, 372, 217);
  Memo1->setFont(ArialPx(12));
  QPalette memoPal = Memo1->palette();
  memoPal.setColor(QPalette::Text, QColor(0x00, 0x00, 0x80));  // navy
  Memo1->setPalette(memoPal);
  Memo1->setPlainText(QString::fromUtf8(kDesignReadMe));

  btnOK = new QPushButton("OK", this);
  btnOK->setObjectName("btnOK");
  btnOK->setGeometry(168, 314, 73, 33);
  btnOK->setDefault(true);
  connect(btnOK, &QPushButton::clicked, this, &TfrmAbout::btnOKClick);

  Label6 = new QLabel(QString::fromUtf8(kVersionText), this);
  Label6->setObjectName("Label6");
  Label6->setFont(ArialPx(12, true));
  QPalette blue = Label6->palette();
  blue.setColor(QPalette::WindowText, Qt::blue);
  Label6->setPalette(blue);
  Label6->move(216, 51);
  Label6->adjustSize();

  LabelProfessional = new QLabel("Professional Edition", this);
  LabelProfessional->setObjectName("LabelProfessional");
  QFont italic = ArialPx(12);
  italic.setItalic(true);
  LabelProfessional->setFont(italic);
  QPalette purple = LabelProfessional->palette();
  purple.setColor(QPalette::WindowText, QColor(0x80, 0x00, 0x80));
  LabelProfessional->setPalette(purple);
  LabelProfessional->move(216, 34);
  LabelProfessional->adjustSize();

  lblCompanyName = new TClickLabel(QString::fromUtf8(kMakerName), this);
  lblCompanyName->setObjectName("lblCompanyName");
  lblCompanyName->setCursor(Qt::PointingHandCursor);
  lblCompanyName->move(16, 294);
  lblCompanyName->adjustSize();

  lblWebUrl = new TClickLabel(QString::fromUtf8(kMakerWebText), this);
  lblWebUrl->setObjectName("lblWebUrl");
  lblWebUrl->setCursor(Qt::PointingHandCursor);
  lblWebUrl->setFont(ArialPx(12));
  lblWebUrl->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  lblWebUrl->setGeometry(263, 294, 125, 16);

  OpenUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
  connect(lblCompanyName, &TClickLabel::Clicked, this, &TfrmAbout::lblCompanyNameClick);
  connect(lblWebUrl, &TClickLabel::Clicked, this, &TfrmAbout::lblCompanyNameClick);

  FormCreate();
}

void TfrmAbout::FormCreate() {
  StaticTextProduct->setText(QString::fromUtf8(kProductName));
  QPalette black = StaticTextProduct->palette();
  black.setColor(QPalette::WindowText, Qt::black);
  StaticTextProduct->setPalette(black);
  QFont f = StaticTextProduct->font();
  f.setItalic(false);
  f.setBold(true);
  StaticTextProduct->setFont(f);
  LabelProfessional->hide();
}

void TfrmAbout::FormShow() {
  // Whatever a language file put there, the box names the product.
  StaticTextProduct->setText(QString::fromUtf8(kProductName));
}

void TfrmAbout::showEvent(QShowEvent* event) {
  FormShow();
  if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
  QDialog::showEvent(event);
}

void TfrmAbout::btnOKClick() { hide(); }

void TfrmAbout::lblCompanyNameClick() {
  // No browser, no network: nothing to tell the user.
  if (OpenUrl) OpenUrl(QUrl(QString::fromUtf8(kMakerWebUrl)));
}

void TfrmAbout::LoadReadMe(const std::string& path, const std::string& codePage) {
  const auto lines = LoadReadMeLines(path, codePage);
  if (!lines) return;
  Memo1->clear();
  for (const auto& line : *lines) {
    Memo1->appendPlainText(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
  }
  Memo1->moveCursor(QTextCursor::Start);
}
