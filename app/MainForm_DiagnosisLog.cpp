// The DATA LOG page's handlers, and the custom command sent from it.
#include "app/MainForm.h"
#include "app/core/DataLog.h"
#include "app/pages/DataLogPage.h"
#include "wifi/core/WiFiSetup.h"

void TForm1::btnClearLogClick() { TabSheetDataLog->btnClearLogClick(); }

void TForm1::btnSaveLogClick() { TabSheetDataLog->btnSaveLogClick(); }

void TForm1::ButtonCustomSendCommandClick() {
  const CustomCommand cmd = PrepareCustomCommand(TabSheetDataLog->CommandText());
  if (cmd.stopWiFi) {
    Timer_WiFi_function->Stop();
    SetWiFiOperationNone();
  }
  if (!SendRaw(cmd.bytes)) ReportSendFailure();
}

void TForm1::SetWiFiOperationNone() {
  if (wifi_) wifi_->SetWiFiOperation(WiFiOperation::None);
}
