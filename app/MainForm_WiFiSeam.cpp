// Stubs of the Wi-Fi page; replaced by its own implementation.
#include "app/MainForm.h"

void TForm1::WireWiFiPage() {}
void TForm1::InitWiFiPage() {}
void TForm1::CheckWiFiSetupLink() {}
void TForm1::CheckWiFiTimeouts() {}
void TForm1::UpdateIpAddressControl() {}
bool TForm1::UpdateWiFiTabVisibility() { return false; }
void TForm1::Memo_WiFiChange() {}
void TForm1::Timer_WiFi_functionTimer() {}
bool TForm1::ProcessingBarRunning() { return false; }
void TForm1::CloseProcessingBar() {}
