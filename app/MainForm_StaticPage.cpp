// The static-data page: MMSI, name, call sign, ship type and dimensions.
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

#include "app/MainForm.h"
#include "app/core/ConfigRecords.h"
#include "app/core/ShipType.h"

void TForm1::SpeedButtonStaticDataClick() {
  StaticPageValues page;
  page.mmsiText = MaskEditMMSI->text().toStdString();
  page.mmsiEditable = MaskEditMMSI->isEnabled();
  page.name = lblEdtName->text().toLatin1().toStdString();
  page.callSign = lblEdtCallSign->text().toLatin1().toStdString();
  page.shipTypeRow = cbxShipType->currentIndex();
  page.keptShipType = KeptShipType;
  page.dimA = CSpinEditA->value();
  page.dimB = CSpinEditB->value();
  page.dimC = CSpinEditC->value();
  page.dimD = CSpinEditD->value();
  auto plan = PlanStaticDataWrite(page);
  if (auto* refusal = std::get_if<ConfigRefusal>(&plan)) {
    ShowRefusal(*refusal);
    return;
  }
  auto lines = BuildStaticDataLines(*Protocol, std::get<StaticDataWrite>(plan));
  if (!lines || !SendConfigLines(*lines)) return;
  QueryDevice(16);
}

void TForm1::cbxShipTypeChange() {
  uint8_t code = 0;
  if (GetShipTypeCode(cbxShipType->currentIndex(), code))
    stShipCargoType->setText(QString::number(code));
}

void TForm1::cbxShipCargoTypeClick() {
  KeptShipType.reset();
  cbxShipTypeChange();
}

void TForm1::ShowStaticVoyageData(const SENTENCE_STRUCT& record) {
  const std::string formatter(record.formatter, strnlen(record.formatter, sizeof record.formatter));
  const AIS_DATA_STRUCT& ais = Protocol->aisData;
  if (formatter == "VSD") {
    DeviceInfo.shipCargoType = ais.shipType;
    ShowReportedShipType(ais.shipType);
  } else if (formatter == "SSD") {
    bool inRange = ais.dimA <= 511 && ais.dimB <= 511 && ais.dimC <= 63 && ais.dimD <= 63;
    DeviceInfo.dimA = inRange ? ais.dimA : 0;
    DeviceInfo.dimB = inRange ? ais.dimB : 0;
    DeviceInfo.dimC = inRange ? ais.dimC : 0;
    DeviceInfo.dimD = inRange ? ais.dimD : 0;
    CSpinEditA->setValue(DeviceInfo.dimA);
    CSpinEditB->setValue(DeviceInfo.dimB);
    CSpinEditC->setValue(DeviceInfo.dimC);
    CSpinEditD->setValue(DeviceInfo.dimD);
  }
}
