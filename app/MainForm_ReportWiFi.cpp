// The report's view of the Wi-Fi page: its report record, and operation 8
// started as the other starters start it, whatever page is on screen.
#include "app/MainForm.h"
#include "wifi/core/WiFiSetup.h"

WIFI_GENERATE_REPORT_DATA& TForm1::ReportWiFiData() { return WiFiReportData; }

void TForm1::StartReportWiFiReload(std::function<void()> afterClose) {
  if (!WiFi) {
    if (afterClose) afterClose();
    return;
  }
  WiFi->SetWiFiOperation(WiFiOperation::LoadWiFiSettings);
  WiFi->ClearWiFiPage();
  WiFiData.cmdMode = 0;
  WiFi->Memo_WiFi.Clear();
  WiFi->ResetWiFiTimeouts();
  WiFi->WiFiStatusText = WiFiData.textLoad;
  if (!Timer_WiFi_function->Enabled()) Timer_WiFi_function->Start();
  WiFi->ShowProcessingBar(std::move(afterClose));
}
