// The SYSTEM CHECK page: six items refreshed every second, each with a pass
// or fail picture, and the clear button that starts them over.
#include <QLabel>
#include <QPixmap>

#include "app/MainForm.h"
#include "app/core/SysCheck.h"
#include "app/core/SysCheckRecords.h"
#include "app/pages/ConnectionPanel.h"
#include "protocol/AisTargets.h"

namespace {
void SetLabelText(QLabel* label, const std::string& text) {
  const QString t = QString::fromStdString(text);
  if (label->text() != t) label->setText(t);
}
}  // namespace

void TForm1::TimerUpdateSysChkTimer() {
  const SysCheckView v = ComputeSystemCheck(
      SysCheckInputsFrom(DeviceInfo, Protocol->ais.targets.slot[0], ReportCounters));
  SetLabelText(lblValFwVer, v.fwVer);
  SetLabelText(lblValMMSI, v.mmsi);
  SetLabelText(lblValProdSN, v.prodSn);
  SetLabelText(lblValGps, v.gps);
  SetLabelText(lblValTxCntA, v.txCntA);
  SetLabelText(lblValTxCntB, v.txCntB);
  SetLabelText(lblValRxCntA, v.rxCntA);
  SetLabelText(lblValRxCntB, v.rxCntB);
  UpdateCheckImages();
}

void TForm1::UpdateCheckImages() {
  if (ImageListSysChk[kCheckImagePass].isNull()) {
    ImageListSysChk[kCheckImageFail] = QImage(QStringLiteral(":/images/check_fail.png"));
    ImageListSysChk[kCheckImagePass] = QImage(QStringLiteral(":/images/check_pass.png"));
  }
  const SysCheckView v = ComputeSystemCheck(
      SysCheckInputsFrom(DeviceInfo, Protocol->ais.targets.slot[0], ReportCounters));
  SetCheckImage(ImageChkFwVer, v.passed[kCheckFirmware]);
  SetCheckImage(ImageChkProdSN, v.passed[kCheckSerialNumber]);
  SetCheckImage(ImageChkMMSI, v.passed[kCheckMmsi]);
  SetCheckImage(ImageChkGps, v.passed[kCheckGps]);
  SetCheckImage(ImageChkTx, v.passed[kCheckTx]);
  SetCheckImage(ImageChkRx, v.passed[kCheckRx]);
  // The configuration report reads these two.
  DeviceInfo.checkFlags[kFlagTxPassed] = v.passed[kCheckTx] ? 1 : 0;
  DeviceInfo.checkFlags[kFlagRxPassed] = v.passed[kCheckRx] ? 1 : 0;
}

void TForm1::SetCheckImage(QLabel* image, bool passed) {
  const int index = passed ? kCheckImagePass : kCheckImageFail;
  image->setPixmap(QPixmap::fromImage(ImageListSysChk[index]));
  // Tests and screen readers see the result without looking at pixels.
  image->setProperty("checkPassed", passed);
  image->setAccessibleName(passed ? QStringLiteral("pass") : QStringLiteral("fail"));
}

void TForm1::SpeedButtonClearCheckClick() {
  ReportCounters.txA = ReportCounters.txB = ReportCounters.rxA = ReportCounters.rxB = 0;
  for (uint8_t& f : DeviceInfo.checkFlags) f = 0;
  ClearAisTargets(Protocol->ais.targets);
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
