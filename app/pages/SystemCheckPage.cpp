// The SYSTEM CHECK page: its controls, the values and pictures of a refresh,
// and the report counts.
#include "app/pages/SystemCheckPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/pages/PageBuild.h"

namespace {
void SetLabelText(QLabel* label, const std::string& text) {
  const QString t = QString::fromStdString(text);
  if (label->text() != t) label->setText(t);
}
}  // namespace

SystemCheckPage::SystemCheckPage(QTabWidget* pages) : QWidget(pages) {
  setObjectName("TabSheetSystemCheck");
  pages->addTab(this, "SYSTEM CHECK");
  ImageListSysChk[kCheckImageFail] = QPixmap(QStringLiteral(":/images/check_fail.png"));
  ImageListSysChk[kCheckImagePass] = QPixmap(QStringLiteral(":/images/check_pass.png"));

  QWidget* p = this;
  auto* v = new QVBoxLayout(p);
  auto* g = new QGridLayout;
  g->setHorizontalSpacing(16);
  g->setVerticalSpacing(10);
  auto image = [p](const char* name) {
    auto* l = NewLabel(p, name, "");
    l->setFixedSize(24, 24);
    l->setScaledContents(true);
    return l;
  };
  int r = 0;
  // Items with one value: picture, caption, value.
  const struct {
    QLabel **caption, **value, **image;
    const char *captionName, *captionText, *valueName, *valueText, *imageName;
  } values[] = {{&lblChkFwVer, &lblValFwVer, &ImageChkFwVer, "lblChkFwVer", "Firmware Version",
                 "lblValFwVer", "---------", "ImageChkFwVer"},
                {&lblChkProdSN, &lblValProdSN, &ImageChkProdSN, "lblChkProdSN",
                 "Product Serial No.", "lblValProdSN", "---------", "ImageChkProdSN"},
                {&lblChkMMSI, &lblValMMSI, &ImageChkMMSI, "lblChkMMSI", "MMSI ", "lblValMMSI",
                 "000000000", "ImageChkMMSI"},
                {&lblChkGPS, &lblValGps, &ImageChkGps, "lblChkGPS", "GPS", "lblValGps", "Lost",
                 "ImageChkGps"}};
  for (const auto& item : values) {
    *item.caption = NewLabel(p, item.captionName, item.captionText);
    *item.value = NewLabel(p, item.valueName, item.valueText);
    (*item.value)->setMinimumWidth(160);
    *item.image = image(item.imageName);
    g->addWidget(*item.image, r, 0);
    g->addWidget(*item.caption, r, 1);
    g->addWidget(*item.value, r++, 2, 1, 4);
  }
  // Items with a count per channel: picture, caption, then caption and count of A and of B.
  const struct {
    QLabel **caption, **captionA, **countA, **captionB, **countB, **image;
    const char *captionName, *captionText, *captionAName, *countAName, *captionBName, *countBName,
        *imageName;
  } counts[] = {{&lblChkTx, &lblChkTxCntChA, &lblValTxCntA, &lblChkTxCntChB, &lblValTxCntB,
                 &ImageChkTx, "lblChkTx", "TX position reports", "lblChkTxCntChA", "lblValTxCntA",
                 "lblChkTxCntChB", "lblValTxCntB", "ImageChkTx"},
                {&lblChkRx, &lblChkRxCntChA, &lblValRxCntA, &lblChkRxCntChB, &lblValRxCntB,
                 &ImageChkRx, "lblChkRx", "RX position reports", "lblChkRxCntChA", "lblValRxCntA",
                 "lblChkRxCntChB", "lblValRxCntB", "ImageChkRx"}};
  for (const auto& item : counts) {
    *item.caption = NewLabel(p, item.captionName, item.captionText);
    *item.captionA = NewLabel(p, item.captionAName, "Channel A: ");
    *item.countA = NewLabel(p, item.countAName, "0");
    *item.captionB = NewLabel(p, item.captionBName, "Channel B: ");
    *item.countB = NewLabel(p, item.countBName, "0");
    *item.image = image(item.imageName);
    int c = 0;
    for (QLabel* l :
         {*item.image, *item.caption, *item.captionA, *item.countA, *item.captionB, *item.countB})
      g->addWidget(l, r, c++);
    ++r;
    for (QLabel* l : {*item.countA, *item.countB}) l->setMinimumWidth(60);
  }
  g->setColumnStretch(6, 1);
  v->addLayout(g);
  v->addStretch(1);
  auto* h = new QHBoxLayout;
  h->addStretch(1);
  SpeedButtonClearCheck = NewButton(p, "SpeedButtonClearCheck", "Reset checks");
  SpeedButtonClearCheck->setMinimumWidth(120);
  h->addWidget(SpeedButtonClearCheck);
  v->addLayout(h);

  connect(SpeedButtonClearCheck, &QPushButton::clicked, this,
          &SystemCheckPage::ClearCheckRequested);
}

void SystemCheckPage::ShowValues(const SysCheckView& v) {
  SetLabelText(lblValFwVer, v.fwVer);
  SetLabelText(lblValMMSI, v.mmsi);
  SetLabelText(lblValProdSN, v.prodSn);
  SetLabelText(lblValGps, v.gps);
  SetLabelText(lblValTxCntA, v.txCntA);
  SetLabelText(lblValTxCntB, v.txCntB);
  SetLabelText(lblValRxCntA, v.rxCntA);
  SetLabelText(lblValRxCntB, v.rxCntB);
}

void SystemCheckPage::ShowCheckImages(const SysCheckView& v) {
  SetCheckImage(ImageChkFwVer, v.passed[kCheckFirmware]);
  SetCheckImage(ImageChkProdSN, v.passed[kCheckSerialNumber]);
  SetCheckImage(ImageChkMMSI, v.passed[kCheckMmsi]);
  SetCheckImage(ImageChkGps, v.passed[kCheckGps]);
  SetCheckImage(ImageChkTx, v.passed[kCheckTx]);
  SetCheckImage(ImageChkRx, v.passed[kCheckRx]);
}

void SystemCheckPage::SetCheckImage(QLabel* image, bool passed) {
  const int index = passed ? kCheckImagePass : kCheckImageFail;
  image->setPixmap(ImageListSysChk[index]);
  // Tests and screen readers see the result without looking at pixels.
  image->setProperty("checkPassed", passed);
  image->setAccessibleName(passed ? QStringLiteral("pass") : QStringLiteral("fail"));
}

void SystemCheckPage::CountAisReports(const char* formatter, char channel) {
  ::CountAisReports(counters_, formatter, channel);
}

void SystemCheckPage::ResetReportCounters() { counters_ = {}; }
