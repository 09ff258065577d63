// The SRM TEXT page's four upper-case edits with their defaults, set from the
// device and read back for the write and the report.
#include "app/pages/SrmTextPage.h"

#include <QVBoxLayout>

#include "app/pages/PageBuild.h"
#include "ui/core/ConfigReport.h"

SrmTextPage::SrmTextPage(QTabWidget* pages) : QWidget(pages) {
  setObjectName("TabSheetSRMText");
  pages->addTab(this, "SRM TEXT");
  auto* v = new QVBoxLayout(this);
  auto* form = NewPageForm();
  struct Row {
    TLabeledEdit** edit;
    const char* name;
    const char* caption;
    const char* text;
  } rows[] = {{&lblEdtSRMText1, "lblEdtSRMText1", "SRM Text 1", "R.T.V."},
              {&lblEdtSRMText2, "lblEdtSRMText2", "SRM Text 2", "FIRE1"},
              {&lblEdtSRMText3, "lblEdtSRMText3", "SRM Text 3", "FIRE2"},
              {&lblEdtSRMText4, "lblEdtSRMText4", "SRM Text 4 ", "FIRE3"}};
  for (auto& r : rows) {
    *r.edit = NewSrmTextEdit(this, r.name, r.caption, r.text);
    AddRow(form, *r.edit);
  }
  v->addLayout(form);
  v->addStretch(1);
  spbSRMText = NewButton(this, "spbSRMText", "Config");
  spbSRMText->hide();

  connect(spbSRMText, &QPushButton::clicked, this, &SrmTextPage::ConfigRequested);
}

std::array<TLabeledEdit*, 4> SrmTextPage::edits() const {
  return {lblEdtSRMText1, lblEdtSRMText2, lblEdtSRMText3, lblEdtSRMText4};
}

std::array<std::string, 4> SrmTextPage::Texts() const {
  std::array<std::string, 4> texts;
  for (int i = 0; i < 4; ++i) texts[i] = edits()[i]->text().toLatin1().toStdString();
  return texts;
}

void SrmTextPage::ShowText(int n, const std::string& bytes) {
  if (n >= 0 && n < 4) edits()[n]->setText(QString::fromLatin1(bytes.c_str()));
}

void SrmTextPage::FillReport(CONFIG_REPORT_DATA& report) const {
  for (int i = 0; i < 4; ++i) {
    report.srmTextLabels[i] = edits()[i]->EditLabel->text().toStdString();
    report.srmTexts[i] = edits()[i]->text().toStdString();
  }
}
