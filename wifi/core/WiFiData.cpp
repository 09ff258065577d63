// Resetting the Wi-Fi records to their start-up values.
#include "wifi/core/WiFiData.h"

void InitWiFiData(WIFI_DATA_STRUCT& wifi) { wifi = WIFI_DATA_STRUCT{}; }

void InitWiFiReportData(WIFI_GENERATE_REPORT_DATA& report) { report = WIFI_GENERATE_REPORT_DATA{}; }
