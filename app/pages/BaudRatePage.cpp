// The BAUD RATE page's lists: shown by the device type, set from the dump and
// the rate replies, and read back as the rates to write and report.
#include "app/pages/BaudRatePage.h"

#include <QVBoxLayout>

#include "app/core/CfgReply.h"
#include "app/pages/PageBuild.h"
#include "ui/core/MessageTexts.h"

BaudRatePage::BaudRatePage(QTabWidget* pages) : QWidget(pages) {
  setObjectName("TabSheetBaudRate");
  pages->addTab(this, "BAUD RATE");
  auto* v = new QVBoxLayout(this);
  auto* form = NewPageForm();
  const QStringList rates = {"38400", "9600", "4800"};
  LabelUartNo1 = NewLabel(this, "LabelUartNo1", "NMEA 1 Input");
  cbx_NMEABaudRateNo1 = NewList(this, "cbx_NMEABaudRateNo1", rates);
  LabelUartNo2 = NewLabel(this, "LabelUartNo2", "NMEA 1 Output");
  cbx_NMEABaudRateNo2 = NewList(this, "cbx_NMEABaudRateNo2", rates);
  LabelUartNo3 = NewLabel(this, "LabelUartNo3", "NMEA 2 Input");
  cbx_NMEABaudRateNo3 = NewList(this, "cbx_NMEABaudRateNo3", rates);
  LabelUartNo4 = NewLabel(this, "LabelUartNo4", "NMEA 2 Output");
  cbx_NMEABaudRateNo4 = NewList(this, "cbx_NMEABaudRateNo4", rates);
  for (QComboBox* c : Lists()) c->setMinimumWidth(120);
  form->addRow(LabelUartNo1, cbx_NMEABaudRateNo1);
  form->addRow(LabelUartNo2, cbx_NMEABaudRateNo2);
  form->addRow(LabelUartNo3, cbx_NMEABaudRateNo3);
  form->addRow(LabelUartNo4, cbx_NMEABaudRateNo4);
  // Ports 3 and 4 only for device types that have them.
  for (QWidget* w : std::initializer_list<QWidget*>{LabelUartNo3, cbx_NMEABaudRateNo3, LabelUartNo4,
                                                    cbx_NMEABaudRateNo4})
    w->hide();
  v->addLayout(form);
  v->addStretch(1);
  spbBaudRate = NewButton(this, "spbBaudRate", "Config");
  spbBaudRate->hide();

  connect(spbBaudRate, &QPushButton::clicked, this, &BaudRatePage::ConfigRequested);
}

std::array<QComboBox*, 4> BaudRatePage::Lists() const {
  return {cbx_NMEABaudRateNo1, cbx_NMEABaudRateNo2, cbx_NMEABaudRateNo3, cbx_NMEABaudRateNo4};
}

BaudRatePageValues BaudRatePage::Values() const {
  BaudRatePageValues page;
  for (int i = 0; i < 4; ++i) page.index[i] = Lists()[i]->currentIndex();
  return page;
}

void BaudRatePage::SelectFirstRate(int list) {
  if (list >= 0 && list < 4) Lists()[list]->setCurrentIndex(0);
}

void BaudRatePage::ReleaseConfigButton() { spbBaudRate->SetDown(false); }

bool BaudRatePage::ShowNmeaPorts(MultipleBaudType type, const MSG_TEXT_STRUCT& texts) {
  auto third = [this](bool shown) {
    LabelUartNo3->setVisible(shown);
    cbx_NMEABaudRateNo3->setVisible(shown);
  };
  auto fourth = [this](bool shown) {
    LabelUartNo4->setVisible(shown);
    cbx_NMEABaudRateNo4->setVisible(shown);
  };
  switch (type) {
    case 1:
      third(true);
      LabelUartNo2->setText("NMEA Input");
      return true;
    case 2:
      third(true);
      fourth(true);
      LabelUartNo3->setText(QString::fromStdString(texts.BAUD_2In));
      return true;
    case 3:
      third(true);
      fourth(false);
      LabelUartNo3->setText(QString::fromStdString(texts.BAUD_2));
      return true;
    case 4:
      third(false);
      fourth(false);
      return true;
    default:
      third(false);
      fourth(false);
      return false;
  }
}

void BaudRatePage::ShowThirdPortCaption(const std::string& caption) {
  LabelUartNo3->setText(QString::fromStdString(caption));
}

void BaudRatePage::ShowDumpRates(int no2Index, int no3Index) {
  cbx_NMEABaudRateNo2->setCurrentIndex(no2Index);
  cbx_NMEABaudRateNo3->setCurrentIndex(no3Index);
}

bool BaudRatePage::ShowRateReply(int32_t sub, int32_t code) {
  QComboBox* list = nullptr;
  switch (sub) {
    case 10:
      list = cbx_NMEABaudRateNo2;
      break;
    case 11:
      list = cbx_NMEABaudRateNo1;
      break;
    case 20:
      list = cbx_NMEABaudRateNo4;
      break;
    case 21:
      list = cbx_NMEABaudRateNo3;
      break;
    default:
      return false;
  }
  const int index = BaudIndexForRateCode(code);
  if (index < 0) return false;
  list->setCurrentIndex(index);
  return true;
}

void BaudRatePage::PortRates(int32_t (&rates)[4]) const {
  rates[0] = BaudRateOfIndex(cbx_NMEABaudRateNo2->currentIndex());
  rates[1] = BaudRateOfIndex(cbx_NMEABaudRateNo1->currentIndex());
  rates[2] = BaudRateOfIndex(cbx_NMEABaudRateNo4->currentIndex());
  rates[3] = BaudRateOfIndex(cbx_NMEABaudRateNo3->currentIndex());
}
