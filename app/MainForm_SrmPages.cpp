// The SRM text, SRM button text and encryption pages.
#include <QCheckBox>
#include <QLabel>
#include <QRegularExpressionValidator>

#include <cstring>

#include "app/MainForm.h"
#include "app/core/Cek.h"
#include "app/core/ConfigPages.h"
#include "app/pages/SrmButtonPage.h"
#include "app/pages/SrmTextPage.h"

namespace {

std::string Latin1(const QString& text) { return text.toLatin1().toStdString(); }

// Device texts are printable ASCII; reserved characters are escaped on sending.
QValidator* PrintableAscii(QObject* parent) {
  return new QRegularExpressionValidator(QRegularExpression("[\\x20-\\x7E]*"), parent);
}

}  // namespace

void TForm1::InitSrmAndEncryptionControls() {
  cbxEncrptionEnable->setText("Encrption Enable");
  cbxEncrptionEnable->setChecked(true);
  cbxEncryptionAddressMode->setText("Security Address Mode");
  cbxEncryptionAddressMode->setChecked(true);
  MaskEditEncryptionAddressMMSI->setMaxLength(9);
  MaskEditEncryptionAddressMMSI->setValidator(new QRegularExpressionValidator(
      QRegularExpression("[0-9]{0,9}"), MaskEditEncryptionAddressMMSI));
  MaskEditEncryptionAddressMMSI->setText("000000000");
  LabeledEditEncryptionASCII->EditLabel->setText("Encryption Code");
  LabeledEditEncryptionASCII->setMaxLength(16);
  LabeledEditEncryptionASCII->setValidator(PrintableAscii(LabeledEditEncryptionASCII));
  LabeledEditEncryptionASCII->setText("R.T.V.");
  EnableEncryptionControls(cbxEncrptionEnable->isChecked());
}

void TForm1::spbSRMTextClick() { SendConfigLines(PlanSrmTextWrite(TabSheetSRMText->Texts())); }

void TForm1::spbSRMButtonTextClick() {
  SendConfigLines({PlanSrmButtonTextWrite(TabSheetButtonSRM->Text())});
}

void TForm1::spbConfigEncryptionClick() {
  EncryptionPageValues page;
  page.enabled = cbxEncrptionEnable->isChecked();
  page.addressMode = cbxEncryptionAddressMode->isChecked();
  page.addressMmsi = MaskEditEncryptionAddressMMSI->text().toStdString();
  page.key = Latin1(LabeledEditEncryptionASCII->text());
  page.ownMmsi = Protocol->ais.targets.slot[0].mmsi;
  auto plan = PlanEncryptionWrite(page, CekSequence);
  if (auto* refusal = std::get_if<ConfigRefusal>(&plan)) {
    ShowRefusal(*refusal);
    return;
  }
  SendConfigLines(std::get<std::vector<std::string>>(plan));
}

void TForm1::cbxEncrptionEnableClick() {
  EnableEncryptionControls(cbxEncrptionEnable->isChecked());
}

void TForm1::cbxEncryptionAddressModeClick() {
  EnableAddressControls(cbxEncryptionAddressMode->isChecked());
}

void TForm1::EnableEncryptionControls(bool on) {
  cbxEncryptionAddressMode->setEnabled(on);
  EnableAddressControls(cbxEncryptionAddressMode->isChecked());
  LabeledEditEncryptionASCII->setEnabled(on);
  LabeledEditEncryptionASCII->EditLabel->setEnabled(on);
}

bool TForm1::EncryptionEnabled() { return cbxEncrptionEnable->isChecked(); }

void TForm1::EnableAddressControls(bool on) {
  bool enabled = EncryptionEnabled() && on;
  LabelEncryptionMMSINumber->setEnabled(enabled);
  MaskEditEncryptionAddressMMSI->setEnabled(enabled);
}

void TForm1::ParseCekSentence() {
  const SENTENCE_STRUCT& record = Protocol->incoming;
  const CEK_STRUCT& cek = record.fields.cek;
  std::string formatter(record.formatter, strnlen(record.formatter, sizeof record.formatter));
  std::string key(cek.key, strnlen(cek.key, sizeof cek.key));
  if (auto text = DecodeCekKey(formatter, key, cek.sentenceType))
    LabeledEditEncryptionASCII->setText(QString::fromLatin1(text->c_str()));
}
