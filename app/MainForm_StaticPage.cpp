// The static-data page's write, and the static and voyage data the device
// sends back shown on it.
#include <cstring>

#include "app/MainForm.h"
#include "app/core/ConfigRecords.h"
#include "app/pages/StaticDataPage.h"

void TForm1::SpeedButtonStaticDataClick() {
  auto plan = PlanStaticDataWrite(TabSheetStatic->Values());
  if (auto* refusal = std::get_if<ConfigRefusal>(&plan)) {
    ShowRefusal(*refusal);
    return;
  }
  auto lines = BuildStaticDataLines(*protocol_, std::get<StaticDataWrite>(plan));
  if (!lines || !SendConfigLines(*lines)) return;
  QueryDevice(16);
}

void TForm1::cbxShipTypeChange() { TabSheetStatic->cbxShipTypeChange(); }

void TForm1::cbxShipCargoTypeClick() { TabSheetStatic->cbxShipCargoTypeClick(); }

// After a stored SSD or VSD (the codec calls it through the protocol state).
void TForm1::ShowStaticVoyageData(const SENTENCE_STRUCT& record) {
  const std::string formatter(record.formatter, strnlen(record.formatter, sizeof record.formatter));
  const AIS_DATA_STRUCT& ais = protocol_->aisData;
  if (formatter == "VSD") {
    deviceInfo_.shipCargoType = ais.shipType;
    TabSheetStatic->ShowReportedShipType(ais.shipType);
  } else if (formatter == "SSD") {
    bool inRange = ais.dimA <= 511 && ais.dimB <= 511 && ais.dimC <= 63 && ais.dimD <= 63;
    deviceInfo_.dimA = inRange ? ais.dimA : 0;
    deviceInfo_.dimB = inRange ? ais.dimB : 0;
    deviceInfo_.dimC = inRange ? ais.dimC : 0;
    deviceInfo_.dimD = inRange ? ais.dimD : 0;
    TabSheetStatic->ShowDimensions(deviceInfo_.dimA, deviceInfo_.dimB, deviceInfo_.dimC,
                                   deviceInfo_.dimD);
  }
}
