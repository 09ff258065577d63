// The ENCRYPTION page's controls, enabled by its two check boxes, set from the
// device's replies and read back for the write and the report.
#include "app/pages/EncryptionPage.h"

#include <QCheckBox>
#include <QVBoxLayout>

#include "app/pages/PageBuild.h"
#include "ui/core/ConfigReport.h"

EncryptionPage::EncryptionPage(QTabWidget* pages) : QWidget(pages) {
  setObjectName("TabSheetEncryption");
  pages->addTab(this, "ENCRYPTION");
  auto* v = new QVBoxLayout(this);
  cbxEncrptionEnable = Named(new QCheckBox("Encrption Enable", this), "cbxEncrptionEnable");
  cbxEncrptionEnable->setChecked(true);
  cbxEncryptionAddressMode =
      Named(new QCheckBox("Security Address Mode", this), "cbxEncryptionAddressMode");
  cbxEncryptionAddressMode->setChecked(true);
  v->addWidget(cbxEncrptionEnable);
  v->addWidget(cbxEncryptionAddressMode);
  auto* form = NewPageForm();
  LabelEncryptionMMSINumber = NewLabel(this, "LabelEncryptionMMSINumber", "MMSI");
  MaskEditEncryptionAddressMMSI = NewMmsiEdit(this, "MaskEditEncryptionAddressMMSI");
  MaskEditEncryptionAddressMMSI->setMinimumWidth(120);
  form->addRow(LabelEncryptionMMSINumber, MaskEditEncryptionAddressMMSI);
  LabeledEditEncryptionASCII =
      NewLabeledEdit(this, "LabeledEditEncryptionASCII", "Encryption Code");
  LabeledEditEncryptionASCII->setMaxLength(16);
  LabeledEditEncryptionASCII->setValidator(PrintableAscii(LabeledEditEncryptionASCII));
  LabeledEditEncryptionASCII->setText("R.T.V.");
  LabeledEditEncryptionASCII->setMinimumWidth(200);
  AddRow(form, LabeledEditEncryptionASCII);
  v->addLayout(form);
  v->addStretch(1);
  spbConfigEncryption = NewButton(this, "spbConfigEncryption", "Config");
  spbConfigEncryption->hide();
  EnableEncryptionControls(cbxEncrptionEnable->isChecked());

  connect(spbConfigEncryption, &QPushButton::clicked, this, &EncryptionPage::ConfigRequested);
  connect(cbxEncrptionEnable, &QCheckBox::clicked, this, [this] { cbxEncrptionEnableClick(); });
  connect(cbxEncryptionAddressMode, &QCheckBox::clicked, this,
          [this] { cbxEncryptionAddressModeClick(); });
}

EncryptionPageValues EncryptionPage::Values() const {
  EncryptionPageValues page;
  page.enabled = cbxEncrptionEnable->isChecked();
  page.addressMode = cbxEncryptionAddressMode->isChecked();
  page.addressMmsi = MaskEditEncryptionAddressMMSI->text().toStdString();
  page.key = LabeledEditEncryptionASCII->text().toLatin1().toStdString();
  return page;
}

void EncryptionPage::ShowEncryptionOn(bool on) {
  cbxEncrptionEnable->setChecked(on);
  cbxEncrptionEnableClick();
}

void EncryptionPage::ShowAddressMode(bool on) {
  cbxEncryptionAddressMode->setChecked(on);
  cbxEncryptionAddressModeClick();
}

void EncryptionPage::ShowAddressMmsi(int32_t mmsi) {
  MaskEditEncryptionAddressMMSI->setText(NineDigits(mmsi));
}

void EncryptionPage::ShowKey(const std::string& bytes) {
  LabeledEditEncryptionASCII->setText(QString::fromLatin1(bytes.c_str()));
}

void EncryptionPage::FillReport(CONFIG_REPORT_DATA& report) const {
  report.encryptionEnableCaption = cbxEncrptionEnable->text().toStdString();
  report.encryptionEnabled = cbxEncrptionEnable->isChecked();
  report.encryptionAddressCaption = cbxEncryptionAddressMode->text().toStdString();
  report.encryptionAddressMode = cbxEncryptionAddressMode->isChecked();
  report.encryptionMmsiCaption = LabelEncryptionMMSINumber->text().toStdString();
  report.encryptionMmsiText = MaskEditEncryptionAddressMMSI->text().toStdString();
  report.encryptionAsciiLabel = LabeledEditEncryptionASCII->EditLabel->text().toStdString();
  report.encryptionAsciiText = LabeledEditEncryptionASCII->text().toStdString();
}

void EncryptionPage::cbxEncrptionEnableClick() {
  EnableEncryptionControls(cbxEncrptionEnable->isChecked());
}

void EncryptionPage::cbxEncryptionAddressModeClick() {
  EnableAddressControls(cbxEncryptionAddressMode->isChecked());
}

void EncryptionPage::EnableEncryptionControls(bool on) {
  cbxEncryptionAddressMode->setEnabled(on);
  EnableAddressControls(cbxEncryptionAddressMode->isChecked());
  LabeledEditEncryptionASCII->setEnabled(on);
  LabeledEditEncryptionASCII->EditLabel->setEnabled(on);
}

bool EncryptionPage::EncryptionEnabled() const { return cbxEncrptionEnable->isChecked(); }

void EncryptionPage::EnableAddressControls(bool on) {
  const bool enabled = EncryptionEnabled() && on;
  LabelEncryptionMMSINumber->setEnabled(enabled);
  MaskEditEncryptionAddressMMSI->setEnabled(enabled);
}
