// The SYSTEM CHECK page's refresh every second, from the device dump, the
// own vessel and the report counts, and the clear button that starts it over.
#include "app/MainForm.h"
#include "app/core/SysCheck.h"
#include "app/core/SysCheckRecords.h"
#include "app/pages/ConnectionPanel.h"
#include "app/pages/SystemCheckPage.h"
#include "protocol/AisTargets.h"

// The six items as the device dump, the own vessel and the counts stand now.
SysCheckView TForm1::SystemCheckNow() const {
  return ComputeSystemCheck(SysCheckInputsFrom(deviceInfo_, protocol_->ais.targets.slot[0],
                                               TabSheetSystemCheck->ReportCounters()));
}

void TForm1::TimerUpdateSysChkTimer() {
  const SysCheckView v = SystemCheckNow();
  TabSheetSystemCheck->ShowValues(v);
  UpdateCheckImages(v);
}

// The six pictures; the TX and RX results go into the device information.
void TForm1::UpdateCheckImages(const SysCheckView& v) {
  TabSheetSystemCheck->ShowCheckImages(v);
  // The configuration report reads these two.
  deviceInfo_.checkFlags[kFlagTxPassed] = v.passed[kCheckTx] ? 1 : 0;
  deviceInfo_.checkFlags[kFlagRxPassed] = v.passed[kCheckRx] ? 1 : 0;
}

void TForm1::SpeedButtonClearCheckClick() {
  TabSheetSystemCheck->ResetReportCounters();
  for (uint8_t& f : deviceInfo_.checkFlags) f = 0;
  ClearAisTargets(protocol_->ais.targets);
  TimerUpdateSysChkTimer();
  // A second's pause before asking again, without holding up the receive path.
  if (TimerClearCheck) {
    TimerClearCheck->Stop();
    TimerClearCheck->Start();
  }
}

void TForm1::ClearCheckRequeryTimer() {
  if (TimerClearCheck) TimerClearCheck->Stop();
  if (connectionPanel_->ConnectTag() == 1) QueryDevice(17);
}
