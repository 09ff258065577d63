// The SRM button text page: one upper-case edit, set from the device and read
// back for the write and the report.
#include "app/pages/SrmButtonPage.h"

#include <QVBoxLayout>

#include "app/pages/PageBuild.h"
#include "ui/core/ConfigReport.h"

SrmButtonPage::SrmButtonPage(QTabWidget* pages) : QWidget(pages) {
  setObjectName("TabSheetButtonSRM");
  pages->addTab(this, "SRM TEXT");
  auto* v = new QVBoxLayout(this);
  auto* form = NewPageForm();
  lblEdtSRMTextMsg14 = NewSrmTextEdit(this, "lblEdtSRMTextMsg14", "SRM Text", "MAYDAY");
  AddRow(form, lblEdtSRMTextMsg14);
  v->addLayout(form);
  v->addStretch(1);
  spbSRMButtonText = NewButton(this, "spbSRMButtonText", "Config");
  spbSRMButtonText->hide();

  connect(spbSRMButtonText, &QPushButton::clicked, this, &SrmButtonPage::ConfigRequested);
}

std::string SrmButtonPage::Text() const {
  return lblEdtSRMTextMsg14->text().toLatin1().toStdString();
}

void SrmButtonPage::ShowText(const std::string& bytes) {
  lblEdtSRMTextMsg14->setText(QString::fromLatin1(bytes.c_str()));
}

void SrmButtonPage::FillReport(CONFIG_REPORT_DATA& report) const {
  report.srmButtonLabel = lblEdtSRMTextMsg14->EditLabel->text().toStdString();
  report.srmButtonText = lblEdtSRMTextMsg14->text().toStdString();
}
