// Configure Device, Read Device, the change of configuration tab, and the
// writes of the transceiver and baud-rate pages.
#include <QTabWidget>

#include "app/MainForm.h"
#include "app/core/ConfigRecords.h"
#include "app/pages/BaudRatePage.h"
#include "app/pages/ConnectionPanel.h"
#include "app/pages/EncryptionPage.h"
#include "app/pages/SrmButtonPage.h"
#include "app/pages/SrmTextPage.h"
#include "app/pages/StaticDataPage.h"
#include "app/pages/TransceiverPage.h"
#include "app/pages/WiFiSetupPage.h"
#include "wifi/core/WiFiSetup.h"

namespace {

const char kPlainCaption[] = "Kvor AIS Configuration";

}  // namespace

void TForm1::WireConfigPages() {
  protocol_->showStaticVoyageData = [this](const SENTENCE_STRUCT& record) {
    ShowStaticVoyageData(record);
  };

  connect(SpeedButtonSetting, &QPushButton::clicked, this, [this] { SpeedButtonSettingClick(); });
  connect(SpeedButtonReload, &QPushButton::clicked, this, [this] { SpeedButtonReloadClick(); });
  connect(PageControlConf, &QTabWidget::currentChanged, this, [this] { PageControlConfChange(); });
  connect(TabSheetStatic, &StaticDataPage::ConfigRequested, this,
          [this] { SpeedButtonStaticDataClick(); });
  connect(TabSheetTransceiver, &TransceiverPage::ConfigRequested, this,
          [this] { spbTransponderClick(); });
  connect(TabSheetBaudRate, &BaudRatePage::ConfigRequested, this, [this] { spbBaudRateClick(); });
  connect(TabSheetSRMText, &SrmTextPage::ConfigRequested, this, [this] { spbSRMTextClick(); });
  connect(TabSheetButtonSRM, &SrmButtonPage::ConfigRequested, this,
          [this] { spbSRMButtonTextClick(); });
  connect(TabSheetEncryption, &EncryptionPage::ConfigRequested, this,
          [this] { spbConfigEncryptionClick(); });
}

bool TForm1::ConfigDeviceConnected() {
  if (wifi_) return wifi_->CheckDeviceConnected();
  if (connectionPanel_->ConnectTag() == 1 && session_->DeviceDataEnd == 1) return true;
  dialogs.MessageBox("Please connect device first!", kPlainCaption, DialogButtons::Ok);
  return false;
}

// Sends whole lines in order; at the first failure the link is closed,
// PortOpenError shown, and false returned.
bool TForm1::SendConfigLines(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    if (SendRaw(line)) continue;
    // Stop at once: the rest would leave the device half configured.
    ReportSendFailure();
    return false;
  }
  return true;
}

bool TForm1::ShowRefusal(const ConfigRefusal& refusal) {
  dialogs.MessageBox(refusal.text, refusal.caption, DialogButtons::Ok,
                     refusal.caption == "Warning" ? DialogIcon::Warning : DialogIcon::None);
  return false;
}

void TForm1::SpeedButtonSettingClick() {
  if (!ConfigDeviceConnected()) return;
  QWidget* tab = PageControlConf->currentWidget();
  if (tab == TabSheetWiFi) {
    wifi_->WiFiConfigureDevice();  // no question asked on this tab
    return;
  }
  if (dialogs.MessageBox("Do you want to configure the device?", "Configuration",
                         DialogButtons::OkCancel, DialogIcon::Question) != DialogResult::Ok)
    return;
  if (tab == TabSheetStatic)
    SpeedButtonStaticDataClick();
  else if (tab == TabSheetTransceiver)
    spbTransponderClick();
  else if (tab == TabSheetEncryption)
    spbConfigEncryptionClick();
  else if (tab == TabSheetBaudRate)
    spbBaudRateClick();
  else if (tab == TabSheetSRMText)
    spbSRMTextClick();
  else if (tab == TabSheetButtonSRM)
    spbSRMButtonTextClick();
}

void TForm1::SpeedButtonReloadClick() {
  if (!ConfigDeviceConnected()) return;
  if (PageControlConf->currentWidget() == TabSheetWiFi && !wifi_->WiFiReadDevice()) return;
  QueryDevice(17);
  reportCountdown_ = 1;
}

void TForm1::PageControlConfChange() {
  QWidget* tab = PageControlConf->currentWidget();
  if (connectionPanel_->ConnectTag() == 1 && (tab == TabSheetSRMText || tab == TabSheetButtonSRM))
    SendRaw(SrmQuerySentence());
  wifi_->UpdateIpAddressControl();
  if (PageControlMain->currentWidget() == TabSheetConfig && tab == TabSheetWiFi &&
      connectionPanel_->StatusText() == texts_.Connected && WiFiData.reloadNeeded) {
    wifi_->EnableWiFiPageControls(true);
    StartLoadWiFiSettings();
  }
}

void TForm1::spbTransponderClick() {
  TransceiverWrite write = PlanTransceiverWrite(TabSheetTransceiver->Values());
  auto dbg = BuildDbgLine(*protocol_, write.dbg);
  if (!dbg || !SendConfigLines({*dbg})) return;
  TabSheetTransceiver->SetAlrIndex(write.alrIndex);
  SendConfigLines({write.alrSentence});
}

void TForm1::spbBaudRateClick() {
  BaudRatePageValues page = TabSheetBaudRate->Values();
  page.type = deviceInfo_.multipleBaudType;
  auto plan = PlanBaudRateWrite(page);
  if (auto* unselected = std::get_if<BaudListUnselected>(&plan)) {
    TabSheetBaudRate->SelectFirstRate(unselected->list);
    return;
  }
  if (auto* refusal = std::get_if<ConfigRefusal>(&plan)) {
    ShowRefusal(*refusal);
    return;
  }
  if (auto line = BuildDbgLine(*protocol_, std::get<DbgEntries>(plan))) SendConfigLines({*line});
  TabSheetBaudRate->ReleaseConfigButton();
}

void TForm1::ComboBoxGpsOutputChange() { TabSheetTransceiver->ComboBoxGpsOutputChange(); }

void TForm1::ComboBoxALRSentenceChange() { TabSheetTransceiver->ComboBoxALRSentenceChange(); }
