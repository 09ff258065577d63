// The configuration report's text, entry by entry in its fixed layout with
// CR LF line ends, and its saving through an atomic write.
#include "ui/core/ConfigReport.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "protocol/SentenceFields.h"
#include "ui/core/AtomicFile.h"
#include "ui/core/Maker.h"

namespace {

// printf into a string of whatever length the entry needs.
std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  va_list copy;
  va_copy(copy, args);
  const int n = std::vsnprintf(nullptr, 0, fmt, copy);
  va_end(copy);
  std::string out;
  if (n > 0) {
    out.resize(static_cast<std::size_t>(n) + 1);
    std::vsnprintf(out.data(), out.size(), fmt, args);
    out.resize(static_cast<std::size_t>(n));
  }
  va_end(args);
  return out;
}

class Report {
 public:
  void Add(std::string entry) {
    text_ += entry;
    text_ += "\r\n";
  }
  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
};

const char* kSeparator43 = "===========================================";
const char* kSeparator36 = "====================================";

void AddBaudRates(Report& r, const CONFIG_REPORT_DATA& d) {
  const int* b = d.nmeaPortBaud;
  switch (d.multipleBaudType) {
    case 2:
      r.Add(Format("NMEA1 Baud Rate (Input) = %d", b[1]));
      r.Add(Format("NMEA1 Baud Rate (Output) = %d", b[0]));
      r.Add(Format("NMEA2 Baud Rate (Input) = %d", b[3]));
      r.Add(Format("NMEA2 Baud Rate (Output) = %d\r\n", b[2]));
      break;
    case 3:
      r.Add(Format("NMEA1 Baud Rate (Input) = %d", b[1]));
      r.Add(Format("NMEA1 Baud Rate (Output) = %d", b[0]));
      r.Add(Format("NMEA2 Baud Rate (Input/Output) = %d\r\n", b[3]));
      break;
    case 4:
      r.Add(Format("NMEA1 Baud Rate (Input) = %d", b[1]));
      r.Add(Format("NMEA1 Baud Rate (Output) = %d", b[0]));
      break;
    default:
      break;
  }
}

void AddEncryption(Report& r, const CONFIG_REPORT_DATA& d) {
  r.Add("\r\n");
  r.Add("[ENCRYPTION]");
  r.Add(Format("%s=%d", d.encryptionEnableCaption.c_str(), d.encryptionEnabled ? 1 : 0));
  r.Add(Format("%s=%d", d.encryptionAddressCaption.c_str(), d.encryptionAddressMode ? 1 : 0));
  if (d.encryptionAddressMode) {
    r.Add(Format("%s %s=%09d", d.encryptionAddressCaption.c_str(), d.encryptionMmsiCaption.c_str(),
                 FieldToInt(d.encryptionMmsiText)));
  }
  r.Add(Format("%s=%s", d.encryptionAsciiLabel.c_str(), d.encryptionAsciiText.c_str()));
}

void AddWiFi(Report& r, const CONFIG_REPORT_DATA& d) {
  const ReportWiFiCaptions& c = d.wifiCaptions;
  r.Add("[Wi-Fi]");
  r.Add(Format("Wi-Fi Module Firmware Version = V%s", d.wifiFirmwareVersion.c_str()));
  if (d.wifiEnabled == 0) {
    r.Add(Format("%s = OFF", c.wifiOpen.c_str()));
    return;
  }
  if (d.wifiEnabled != 1) return;
  r.Add(Format("%s = ON", c.wifiOpen.c_str()));
  const bool open = d.wifiSecurity == "NONE";
  if (d.wifiMode == 0) {
    r.Add(Format("%s = %s", c.modeGroup.c_str(), c.accessPoint.c_str()));
    if (d.wifiChannel == 0) {
      r.Add(Format("%s = %s", c.channel.c_str(), c.autoSelect.c_str()));
    } else {
      r.Add(Format("%s = %d", c.channel.c_str(), d.wifiChannel));
    }
    r.Add(Format("%s = %s", c.ipGroup.c_str(), d.wifiIpAddress.c_str()));
    r.Add(Format("Device %s = %s", c.portGroup.c_str(), d.wifiPort.c_str()));
    r.Add(Format("%s = %s", c.ssid.c_str(), d.wifiSsid.c_str()));
    r.Add(Format("Security mode = %s", d.wifiSecurity.c_str()));
    if (open) {
      r.Add(Format("%s =", c.password.c_str()));
    } else {
      r.Add(Format("%s= %s", c.password.c_str(), d.wifiKey.c_str()));
    }
  } else if (d.wifiMode == 1) {
    r.Add(Format("%s = %s", c.modeGroup.c_str(), c.client.c_str()));
    if (d.wifiLinked == 0) {
      r.Add("Connect status = Disconnected");
      return;
    }
    r.Add("Connect status = Connected");
    r.Add(Format("Signal Strength(RSSI) = %d dBm", d.wifiDbm));
    r.Add(Format("%s = %s", c.ipGroup.c_str(), d.wifiIpAddress.c_str()));
    r.Add(Format("Device %s = %s", c.portGroup.c_str(), d.wifiPort.c_str()));
    r.Add(Format("%s = %s", "SSID", d.wifiSsid.c_str()));
    r.Add(Format("Security mode = %s", d.wifiSecurity.c_str()));
    r.Add(open ? std::string("Password =") : Format("Password = %s", d.wifiKey.c_str()));
  }
}

}  // namespace

std::string ReportFileName(uint32_t mmsi) { return Format("%09u", mmsi); }

std::string BuildConfigReport(const CONFIG_REPORT_DATA& d) {
  Report r;
  const ReportTime& t = d.time;
  r.Add(kSeparator43);
  r.Add("   Kvor AIS Configuration Report ");
  r.Add(Format("      %s", d.versionLabel.c_str()));
  r.Add(Format("       %04d/%02d/%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
               t.second));
  r.Add(kSeparator43);
  r.Add(Format("       Serial Number = %s", d.serialNumber.c_str()));
  r.Add(Format("      Firmware Version = %s", d.firmwareText.c_str()));
  r.Add("   ====================================\r\n");

  r.Add("[STATIC DATA]");
  r.Add(Format("Ship Name = %s", d.name.c_str()));
  r.Add(Format("Ship Callsign = %s", d.callSign.c_str()));
  r.Add(Format("Ship MMSI = %09u", d.mmsi));
  r.Add(Format("Ship Type = %s", d.shipType.c_str()));
  r.Add(Format("Ship Dimension A = %3d, B = %3d", d.dimA, d.dimB));
  r.Add(Format("               C = %3d, D = %3d\r\n", d.dimC, d.dimD));

  r.Add("[TRANSCEIVER]");
  r.Add(!d.dscMonitor.empty() && d.dscMonitor[0] == '1' ? "DSC Monitoring = ON"
                                                        : "DSC Monitoring = OFF");
  r.Add(d.gpsOutputOn != 0 ? "GPS Output = ON" : "GPS Output = OFF");
  r.Add(Format("GPS report rate = %d", d.gpsReportInterval));
  r.Add(Format("GPS Mode = %s", d.gpsModeItems[d.gpsDynModel == 4 ? 0 : 1].c_str()));
  r.Add(Format("ALR Sentence = %s", d.alrItems[d.alrIndex == 0 ? 0 : 1].c_str()));
  r.Add("\r\n");

  r.Add("[BAUD RATE]");
  AddBaudRates(r, d);
  if (d.srmTextShown) {
    r.Add("\r\n");
    r.Add("[SRM TEXT]");
    for (int i = 0; i < 4; ++i) {
      r.Add(Format("%s=\"%s\"", d.srmTextLabels[i].c_str(), d.srmTexts[i].c_str()));
    }
  }
  if (d.srmButtonShown) {
    r.Add("\r\n");
    r.Add("[SRM BUTTON TEXT]");
    r.Add(Format("%s=\"%s\"", d.srmButtonLabel.c_str(), d.srmButtonText.c_str()));
  }
  if (d.encryptionShown) AddEncryption(r, d);
  if (d.wifiShown) AddWiFi(r, d);
  r.Add("\r\n");

  r.Add(kSeparator36);
  r.Add(Format("  Copyright (C) %d-%04d", kMakerFirstYear, t.year));
  r.Add(Format("  %s", kMakerName));
  r.Add(Format("  %s", kMakerWebText));
  r.Add(kSeparator36);
  return r.Take();
}

bool SaveConfigReport(const std::string& path, const std::string& text, std::string* error) {
  std::string reason;
  if (WriteFileAtomically(path, text, &reason)) return true;
  if (error) *error = "Cannot create file \"" + path + "\". " + reason;
  return false;
}
