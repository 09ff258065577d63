// The configuration report offered after "Read Device": the Wi-Fi settings
// loaded again first, the question, the save dialog, the file and its viewer.
#include <QDateTime>
#include <QDesktopServices>
#include <QLabel>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>

#include <filesystem>
#include <memory>

#include "app/MainForm.h"
#include "app/pages/EncryptionPage.h"
#include "app/pages/SrmButtonPage.h"
#include "app/pages/SrmTextPage.h"
#include "app/pages/StaticDataPage.h"
#include "app/pages/TransceiverPage.h"
#include "app/pages/WiFiSetupPage.h"
#include "ui/core/ConfigReport.h"
#include "ui/core/Maker.h"
#include "ui/widgets/About.h"
#include "wifi/core/WiFiData.h"
#include "wifi/core/WiFiSetup.h"

namespace {

std::string Text(const QString& s) { return s.toStdString(); }
// Device texts are bytes, shown as Latin-1 like everywhere in the window.
std::string DeviceText(const char* bytes) { return QString::fromLatin1(bytes).toStdString(); }

bool TabShown(QTabWidget* tabs, QWidget* page) { return tabs->isTabVisible(tabs->indexOf(page)); }

}  // namespace

// What the report shows, from the device information and the page controls.
CONFIG_REPORT_DATA TForm1::CollectReportData(const WIFI_GENERATE_REPORT_DATA& wifi) const {
  CONFIG_REPORT_DATA d;
  d.versionLabel = about_ ? Text(about_->Label6->text()) : kVersionText;
  if (reportClock_) {
    const auto t = reportClock_();
    d.time = {t[0], t[1], t[2], t[3], t[4], t[5]};
  }
  const DEVICE_INFO_STRUCT& info = deviceInfo_;
  d.serialNumber = DeviceText(info.serialNumber);
  d.firmwareText = DeviceText(info.firmwareText);
  d.name = DeviceText(info.name);
  d.callSign = DeviceText(info.callSign);
  d.mmsi = info.mmsi;
  TabSheetStatic->FillReport(d);
  d.dimA = info.dimA;
  d.dimB = info.dimB;
  d.dimC = info.dimC;
  d.dimD = info.dimD;

  d.dscMonitor = DeviceText(info.dscMonitor);
  d.gpsOutputOn = info.gpsOutputOn;
  d.gpsReportInterval = info.gpsReportInterval;
  d.gpsDynModel = info.gpsDynModel;
  TabSheetTransceiver->FillReport(d);

  d.multipleBaudType = info.multipleBaudType;
  for (int i = 0; i < 4; ++i) d.nmeaPortBaud[i] = info.nmeaPortBaud[i];

  d.srmTextShown = TabShown(PageControlConf, TabSheetSRMText);
  TabSheetSRMText->FillReport(d);
  d.srmButtonShown = TabShown(PageControlConf, TabSheetButtonSRM);
  TabSheetButtonSRM->FillReport(d);

  d.encryptionShown = TabShown(PageControlConf, TabSheetEncryption);
  TabSheetEncryption->FillReport(d);

  TabSheetWiFi->FillReport(wifi, d);
  return d;
}

void TForm1::WireReport() {
  openReportFile_ = [](const std::string& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
  };
  reportClock_ = [] {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return std::array<int, 6>{d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
  };
}

void TForm1::RefreshWiFiBeforeReport() {
  reportStep_ = ReportStep::WaitingForWiFi;
  std::weak_ptr<int> alive = alive_;
  wifi_->StartReportRefresh([this, alive] {
    if (!alive.expired() && reportStep_ == ReportStep::WaitingForWiFi) PostConfigReport();
  });
}

void TForm1::WriteConfigReport() {
  if (reportStep_ == ReportStep::Posted) return;
  // The Wi-Fi lines are to be current: while the reload runs, its progress
  // window's end brings the report.
  if (reportStep_ == ReportStep::WaitingForWiFi && ProcessingBarRunning()) return;
  PostConfigReport();
}

void TForm1::PostConfigReport() {
  reportStep_ = ReportStep::Posted;
  // Not inside Timer2's tick: the Wi-Fi time-outs it counts keep running
  // while the report's boxes are open.
  std::weak_ptr<int> alive = alive_;
  QTimer::singleShot(0, this, [this, alive] {
    if (!alive.expired()) RunConfigReport();
  });
}

void TForm1::RunConfigReport() {
  reportStep_ = ReportStep::Idle;
  WIFI_GENERATE_REPORT_DATA& wifiReport = WiFiReportData;
  if (dialogs.MessageBox("Do you want to save report?", "Save", DialogButtons::OkCancel,
                         DialogIcon::Question) != DialogResult::Ok) {
    wifiReport.reportLoad = 0;
    return;
  }
  const CONFIG_REPORT_DATA data = CollectReportData(wifiReport);
  const std::string text = BuildConfigReport(data);
  wifiReport.reportLoad = 0;
  TabSheetStatic->ShowRecord(text);

  auto chosen = dialogs.SaveFileName("Report File (*.TXT)", ReportFileName(deviceInfo_.mmsi), "");
  if (!chosen || chosen->empty()) return;
  std::string path = *chosen;
  // The dialog's default extension.
  if (std::filesystem::path(path).extension().empty()) path += ".TXT";
  if (std::filesystem::exists(path) &&
      dialogs.MessageBox("File already exists. Do you want to overwrite?", "Warning",
                         DialogButtons::YesNo, DialogIcon::Warning) != DialogResult::Yes) {
    return;
  }
  std::string error;
  if (!SaveConfigReport(path, text, &error)) {
    dialogs.MessageBox(error, "Error", DialogButtons::Ok, DialogIcon::Error);
    return;
  }
  if (openReportFile_) openReportFile_(path);
}

void TForm1::SetReportFileOpener(std::function<void(const std::string& path)> open) {
  openReportFile_ = std::move(open);
}

void TForm1::SetReportClock(std::function<std::array<int, 6>()> clock) {
  reportClock_ = std::move(clock);
}
