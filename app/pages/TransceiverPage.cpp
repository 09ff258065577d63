// The TRANSCEIVER page's lists, the warning shown while GPS output is off,
// and the ALR list held at "ON" until the device reports its setting.
#include "app/pages/TransceiverPage.h"

#include <QVBoxLayout>

#include "app/pages/PageBuild.h"
#include "ui/core/ConfigReport.h"

TransceiverPage::TransceiverPage(QTabWidget* pages) : QWidget(pages) {
  setObjectName("TabSheetTransceiver");
  pages->addTab(this, "TRANSCEIVER");
  auto* v = new QVBoxLayout(this);
  auto* form = NewPageForm();
  lblDscMonitoring = NewLabel(this, "lblDscMonitoring", "DSC Monitoring");
  ComboBoxDscMonitoring = NewList(this, "ComboBoxDscMonitoring", {"OFF", "ON"});
  form->addRow(lblDscMonitoring, ComboBoxDscMonitoring);
  lblGpsOutput = NewLabel(this, "lblGpsOutput", "GPS Update Rate");
  QStringList rates{"OFF"};
  for (int s = 1; s <= 10; ++s) rates << QString("%1s").arg(s);
  ComboBoxGpsOutput = NewList(this, "ComboBoxGpsOutput", rates);
  form->addRow(lblGpsOutput, ComboBoxGpsOutput);
  lblGsOffWarningMsg =
      NewLabel(this, "lblGsOffWarningMsg",
               "WARNING: All the input sentences will be filtered out (not forwarding).");
  lblGsOffWarningMsg->setStyleSheet("color: #c00000;");
  lblGsOffWarningMsg->setWordWrap(true);
  lblGsOffWarningMsg->setMinimumWidth(460);
  form->addRow(QString(), lblGsOffWarningMsg);
  LabelGPSMode = NewLabel(this, "LabelGPSMode", "GPS Mode");
  ComboBoxTransceiver_GPSMode =
      NewList(this, "ComboBoxTransceiver_GPSMode", {"Altitude higher than 500m", "At sea level"});
  form->addRow(LabelGPSMode, ComboBoxTransceiver_GPSMode);
  LabelALRSentence = NewLabel(this, "LabelALRSentence", "ALR Sentence");
  ComboBoxALRSentence = NewList(this, "ComboBoxALRSentence", {"OFF", "ON"});
  ComboBoxALRSentence->setCurrentIndex(1);  // "ON" until the device reports its setting
  form->addRow(LabelALRSentence, ComboBoxALRSentence);
  v->addLayout(form);
  v->addStretch(1);
  spbTransponder = NewButton(this, "spbTransponder", "Config");
  spbTransponder->hide();
  ComboBoxGpsOutputChange();

  connect(spbTransponder, &QPushButton::clicked, this, &TransceiverPage::ConfigRequested);
  connect(ComboBoxGpsOutput, &QComboBox::currentIndexChanged, this,
          [this] { ComboBoxGpsOutputChange(); });
  connect(ComboBoxALRSentence, &QComboBox::activated, this,
          [this] { ComboBoxALRSentenceChange(); });
}

TransceiverPageValues TransceiverPage::Values() const {
  TransceiverPageValues page;
  page.dscIndex = ComboBoxDscMonitoring->currentIndex();
  page.gpsOutputIndex = ComboBoxGpsOutput->currentIndex();
  page.gpsModeIndex = ComboBoxTransceiver_GPSMode->currentIndex();
  page.alrIndex = ComboBoxALRSentence->currentIndex();
  page.alrReplied = alrReplied_;
  return page;
}

void TransceiverPage::SetAlrIndex(int index) { ComboBoxALRSentence->setCurrentIndex(index); }

void TransceiverPage::ShowAlrReply(int32_t value) {
  alrReplied_ = true;
  ComboBoxALRSentence->setCurrentIndex(value == 0 ? 1 : 0);
}

void TransceiverPage::ShowDscMonitoring(int index) {
  ComboBoxDscMonitoring->setCurrentIndex(index);
}

void TransceiverPage::ShowGpsOutput(int index) { ComboBoxGpsOutput->setCurrentIndex(index); }

void TransceiverPage::ShowGpsMode(int index) {
  ComboBoxTransceiver_GPSMode->setCurrentIndex(index);
}

void TransceiverPage::FillReport(CONFIG_REPORT_DATA& report) {
  for (int i = 0; i < 2; ++i) {
    report.gpsModeItems[i] = ComboBoxTransceiver_GPSMode->itemText(i).toStdString();
    report.alrItems[i] = ComboBoxALRSentence->itemText(i).toStdString();
  }
  ComboBoxALRSentenceChange();
  report.alrIndex = ComboBoxALRSentence->currentIndex();
}

void TransceiverPage::ComboBoxGpsOutputChange() {
  lblGsOffWarningMsg->setVisible(ComboBoxGpsOutput->currentIndex() == 0);
}

void TransceiverPage::ComboBoxALRSentenceChange() {
  // Until the device has reported its ALR setting the list stays at "ON".
  if (!alrReplied_) ComboBoxALRSentence->setCurrentIndex(1);
}
