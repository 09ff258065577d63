// The GPS page's position texts: degrees and decimal minutes from the
// coordinate formatter, turned into UTF-8.
#include "app/core/GpsStatus.h"
#include "app/core/GpsText.h"
#include "app/core/Subfun.h"

void PositionTexts(float lon, float lat, std::string& lonText, std::string& latText) {
  if (!PositionAvailable(lon, lat)) {
    lonText = latText = "N/A";
    return;
  }
  std::string lonBytes, latBytes;
  FormatLatLon(&lonBytes, &latBytes, lon, lat, 3, 0);
  lonText = Latin1ToUtf8(lonBytes);
  latText = Latin1ToUtf8(latBytes);
}
