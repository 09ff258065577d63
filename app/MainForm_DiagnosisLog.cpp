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
    // The custom command took the Wi-Fi module over: no operation is current.
    wifi_->SetWiFiOperation(WiFiOperation::None);
  }
  if (!SendRaw(cmd.bytes)) ReportSendFailure();
}
