// The AIS target slots as JSON lines; a count beyond the list's slots is capped, and an
// aid to navigation's name bytes are never read as an altitude.
#include "tools/nmea-replay/TargetJson.h"

#include <cmath>

#include "tools/nmea-replay/Json.h"

void WriteAisTargets(std::string& out, const AIS_TARGET_LIST_STRUCT& targets) {
  const int count = targets.count < AIS_TARGET_LIST_STRUCT::kSlots ? targets.count
                                                                   : AIS_TARGET_LIST_STRUCT::kSlots;
  for (int i = 0; i < count; ++i) {
    const AIS_TARGET_STRUCT& t = targets.slot[i];
    JsonWriter j(out);
    j.BeginObject();
    j.Int("slot", i);
    j.Int("class", t.targetClass);
    j.Int("mmsi", t.mmsi);
    j.Int("status", t.status);
    j.Int("flags", t.flags);
    j.Float("lon", t.longitude);
    j.Float("lat", t.latitude);
    j.Float("sog", t.sog);
    j.Float("cog", t.cog);
    j.Float("heading", t.heading);
    j.Text("name", t.name, sizeof t.name);
    j.Text("callsign", t.callSign, sizeof t.callSign);
    j.Int("shiptype", t.shipType);
    j.Int("dim_a", t.dimA);
    j.Int("dim_b", t.dimB);
    j.Int("dim_c", t.dimC);
    j.Int("dim_d", t.dimD);
    j.Int("imo", t.imo);
    j.Float("rot", t.rot);
    j.Int("eta_month", t.etaMonth);
    j.Int("eta_day", t.etaDay);
    j.Int("eta_hour", t.etaHour);
    j.Int("eta_minute", t.etaMinute);
    j.Int("ais_version", t.aisVersion);
    j.Float("draught", t.draught);
    j.Text("destination", t.destination, sizeof t.destination);
    j.Text("vendor", t.vendorId, sizeof t.vendorId);
    j.Int("classb_flags", t.classBFlags);
    j.Int("aton", t.atonFlags);
    // An aid to navigation keeps its name extension in these bytes, not a number.
    j.Float("altitude", t.targetClass == kAisClassAidToNavigation ? NAN : t.extra.altitude);
    j.Int("ts_valid", t.timeStampValid);
    j.Int("vdm", t.vdmCount);
    j.Int("vdo", t.vdoCount);
    j.EndObject();
    out += '\n';
  }
}
