// Stubs of the language, report and about box; replaced by their own
// implementation.
#include "app/MainForm.h"

void TForm1::WireLanguageAndReport() {}
void TForm1::CreateInformationWindows() {}
void TForm1::ApplySavedLanguage() {}
void TForm1::RefreshWiFiBeforeReport() {}
void TForm1::WriteConfigReport() {}
void TForm1::ShowAbout() {}
