#include "ui/widgets/About.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>

#include <unistd.h>
#include <cstdio>
#include <fstream>

#include "ui/widgets/AboutPicture.h"
#include "ui/widgets/JpegImage.h"

namespace {

std::string WriteTemp(const std::string& bytes) {
  char tmpl[] = "/tmp/kvor-readme-XXXXXX";
  const int fd = mkstemp(tmpl);
  ::close(fd);
  std::ofstream(tmpl, std::ios::binary) << bytes;
  return tmpl;
}

void Click(QWidget* w) {
  const QPointF at(w->width() / 2.0, w->height() / 2.0);
  QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(w, &press);
  QApplication::sendEvent(w, &release);
}

QStringList MemoLines(QPlainTextEdit* memo) {
  QStringList lines;
  for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next()) lines << b.text();
  return lines;
}

}  // namespace

TEST(About, ReadMeFillsTheMemoInChunks) {
  TfrmAbout about;
  const QStringList design = MemoLines(about.Memo1);
  about.LoadReadMe("/nonexistent/ReadMe-TW.txt", "CP950");
  EXPECT_EQ(MemoLines(about.Memo1), design);

  const std::string path = WriteTemp(std::string(600, 'x') + "\r\nsecond\r\n");
  about.LoadReadMe(path);
  const QStringList lines = MemoLines(about.Memo1);
  EXPECT_EQ(lines, (QStringList{QString(499, 'x'), QString(101, 'x'), "second"}));
  // A language without a read-me keeps the last one that had one.
  about.LoadReadMe("/nonexistent/ReadMe-CN.txt", "CP936");
  EXPECT_EQ(MemoLines(about.Memo1), lines);
  std::remove(path.c_str());

  const std::string empty = WriteTemp("");
  about.LoadReadMe(empty);
  EXPECT_TRUE(about.Memo1->toPlainText().isEmpty());
  std::remove(empty.c_str());

  // An old Big5 read-me.
  const std::string big5 = WriteTemp("\xA4\xA4\xA4\xE5\r\n");
  about.LoadReadMe(big5, "CP950");
  EXPECT_EQ(about.Memo1->toPlainText(), QString::fromUtf8("中文"));
  std::remove(big5.c_str());
}

TEST(About, MakerLabelsOpenTheWebAddress) {
  TfrmAbout about;
  std::vector<QUrl> opened;
  about.OpenUrl = [&](const QUrl& url) { opened.push_back(url); };
  about.show();
  Click(about.lblCompanyName);
  Click(about.lblWebUrl);
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[0], opened[1]);
  EXPECT_EQ(opened[0].scheme(), "https");
}

TEST(About, PictureIsDecodedAndBadDataRefused) {
  const QImage image = DecodeJpeg(kAboutPictureJpeg, kAboutPictureJpegSize);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(290, 98));
  TfrmAbout about;
  EXPECT_FALSE(about.Image2->pixmap().isNull());

  const unsigned char garbage[] = "not a jpeg at all";
  EXPECT_TRUE(DecodeJpeg(garbage, sizeof garbage).isNull());
  EXPECT_TRUE(DecodeJpeg(kAboutPictureJpeg, 200).isNull());  // cut short
  EXPECT_TRUE(DecodeJpeg(nullptr, 0).isNull());
}
