// The writes of the SRM text, SRM button text and encryption pages, and the
// encryption key the device reports.
#include <cstring>

#include "app/MainForm.h"
#include "app/core/Cek.h"
#include "app/core/ConfigPages.h"
#include "app/pages/EncryptionPage.h"
#include "app/pages/SrmButtonPage.h"
#include "app/pages/SrmTextPage.h"

void TForm1::spbSRMTextClick() { SendConfigLines(PlanSrmTextWrite(TabSheetSRMText->Texts())); }

void TForm1::spbSRMButtonTextClick() {
  SendConfigLines({PlanSrmButtonTextWrite(TabSheetButtonSRM->Text())});
}

void TForm1::spbConfigEncryptionClick() {
  EncryptionPageValues page = TabSheetEncryption->Values();
  page.ownMmsi = protocol_->ais.targets.slot[0].mmsi;
  auto plan = PlanEncryptionWrite(page, CekSequence);
  if (auto* refusal = std::get_if<ConfigRefusal>(&plan)) {
    ShowRefusal(*refusal);
    return;
  }
  SendConfigLines(std::get<std::vector<std::string>>(plan));
}

void TForm1::cbxEncrptionEnableClick() { TabSheetEncryption->cbxEncrptionEnableClick(); }

void TForm1::cbxEncryptionAddressModeClick() {
  TabSheetEncryption->cbxEncryptionAddressModeClick();
}

void TForm1::ParseCekSentence() {
  const SENTENCE_STRUCT& record = protocol_->incoming;
  const CEK_STRUCT& cek = record.fields.cek;
  std::string formatter(record.formatter, strnlen(record.formatter, sizeof record.formatter));
  std::string key(cek.key, strnlen(cek.key, sizeof cek.key));
  if (auto text = DecodeCekKey(formatter, key, cek.sentenceType))
    TabSheetEncryption->ShowKey(*text);
}
