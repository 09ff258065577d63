// Handshake, device-data dump and configuration replies.
#include <QTabWidget>

#include "app/MainForm.h"
#include "app/core/DeviceData.h"
#include "app/core/TextEscape.h"
#include "app/pages/BaudRatePage.h"
#include "app/pages/ConnectionPanel.h"
#include "app/pages/EncryptionPage.h"
#include "app/pages/SrmButtonPage.h"
#include "app/pages/SrmTextPage.h"
#include "app/pages/StaticDataPage.h"
#include "app/pages/TransceiverPage.h"
#include "ui/core/LanguageLoader.h"
#include "wifi/core/WiFiSetup.h"

namespace {

QString Bytes(const char* text) { return QString::fromLatin1(text); }

void SetTabShown(QTabWidget* pages, QWidget* tab, bool shown) {
  int index = pages->indexOf(tab);
  if (index >= 0) pages->setTabVisible(index, shown);
}

}  // namespace

void TForm1::ResetDeviceInfo() {
  for (uint8_t& flag : deviceInfo_.checkFlags) flag = 0;
}

// A new session: the device information cleared except its check flags,
// nothing shown of a programmed MMSI, and no SRM page chosen.
void TForm1::ClearSessionDeviceInfo() {
  TabSheetStatic->HideMmsiCantProg();
  ClearDeviceInfoKeepFlags(deviceInfo_);
  SrmMode = 0;
  SrmButtonSupported = 0;
  SrmTextSupported = 0;
}

// Shows the NMEA ports of the baud-rate tab by the device type.
void TForm1::ShowNmeaPorts() {
  if (!TabSheetBaudRate->ShowNmeaPorts(deviceInfo_.multipleBaudType, texts_))
    deviceInfo_.multipleBaudType = 0;
}

void TForm1::ParseDeviceData(const std::string& line) {
  DeviceDataUpdate u = ::ParseDeviceData(line, deviceInfo_);
  if (u.mmsi)
    TabSheetStatic->ShowMmsi(deviceInfo_.mmsi, MmsiCantProgText(deviceInfo_.mmsi, texts_));
  if (u.name) TabSheetStatic->ShowName(deviceInfo_.name);
  if (u.callSign) TabSheetStatic->ShowCallSign(deviceInfo_.callSign);
  if (u.shipCargo) {
    TabSheetStatic->ShowReportedShipType(deviceInfo_.shipCargoType);
    TabSheetStatic->ShowDimensions(deviceInfo_.dimA, deviceInfo_.dimB, deviceInfo_.dimC,
                                   deviceInfo_.dimD);
  }
  if (u.dscMonitor) TabSheetTransceiver->ShowDscMonitoring(u.dscMonitorIndex);
  if (u.firmwareText)
    connectionPanel_->ShowFirmware(
        ("Firmware Version: " + Bytes(deviceInfo_.firmwareText)).toStdString());
  if (u.nmeaRates) TabSheetBaudRate->ShowDumpRates(u.nmeaNo2Index, u.nmeaNo3Index);
  if (u.gpsOutputIndex) TabSheetTransceiver->ShowGpsOutput(*u.gpsOutputIndex);
  if (u.gpsDynModel) TabSheetTransceiver->ShowGpsMode(u.gpsModeIndex);
  if (u.srmBoxes) SelectSrmMode();
  if (u.systemDataEnd) ShowSrmTabs();
  if (u.cfgReply) HandleCfgReply(*u.cfgReply);
}

CfgReply TForm1::ParseCfgReply(const std::string& line) { return ::ParseCfgReply(line); }

void TForm1::HandleCfgReply(const CfgReply& reply) {
  const int32_t v = reply.value;
  const bool flag = v == 0 || v == 1;
  if (reply.id == 30) {
    if (reply.sub == 1 && (v & 1)) {
      SrmButtonSupported = (v >> 1) & 1;
      SelectSrmMode();
    } else if (reply.sub == 3 && v == 14) {
      std::string text = reply.text;
      UnescapeText(text);
      TabSheetButtonSRM->ShowText(text);
    } else if (reply.sub == 5 && v >= 0 && v <= 3) {
      std::string text = reply.text;
      UnescapeText(text);
      TabSheetSRMText->ShowText(v, text);
    }
  } else if (reply.id == 108) {
    switch (reply.sub) {
      case 1:
        if (flag) {
          SrmTextSupported = static_cast<uint8_t>(v);
          SelectSrmMode();
        }
        break;
      case 2:
        if (flag) SetTabShown(PageControlConf, TabSheetEncryption, v == 1);
        break;
      case 3:
        if (flag) TabSheetEncryption->ShowEncryptionOn(v == 1);
        break;
      case 4:
        if (flag) TabSheetEncryption->ShowAddressMode(v == 1);
        break;
      case 5:
        if (v >= 0) TabSheetEncryption->ShowAddressMmsi(v);
        break;
      case 6:
        TabSheetTransceiver->ShowAlrReply(v);
        break;
      case 109:
        WiFiData.modulePresent = v == 1 ? 1 : 0;
        wifi_->UpdateWiFiTabVisibility();
        break;
      default:
        break;
    }
  } else if (reply.id == 183) {
    if (TabSheetBaudRate->ShowRateReply(reply.sub, v))
      TabSheetBaudRate->PortRates(deviceInfo_.nmeaPortBaud);
  }
}

void TForm1::SelectSrmMode() {
  if (deviceInfo_.srmBoxes == 4 || SrmTextSupported == 1) SrmMode = 3;
  if (deviceInfo_.srmBoxes == 1 || SrmButtonSupported == 1) SrmMode = 4;
}

void TForm1::ShowSrmTabs() {
  SetTabShown(PageControlConf, TabSheetSRMText, SrmMode == 3);
  SetTabShown(PageControlConf, TabSheetButtonSRM, SrmMode == 4);
}
