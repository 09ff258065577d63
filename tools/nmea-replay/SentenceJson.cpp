// Each formatter's decoded fields under their own keys, in three groups: positioning,
// the AIS station's sentences, and the proprietary ones.
#include "tools/nmea-replay/SentenceJson.h"

#include <cstring>

namespace {

bool Is(const SENTENCE_STRUCT& r, const char* f) { return std::strncmp(r.formatter, f, 4) == 0; }

#define TEXT(json, key, array) json.Text(key, array, sizeof array)

void Positioning(JsonWriter& j, const SENTENCE_STRUCT& r) {
  const auto& f = r.fields;
  if (Is(r, "GBS")) {
    j.Time("time", f.gbs.time);
    j.Float("expected_latitude_error", f.gbs.latitudeError);
    j.Float("expected_longitude_error", f.gbs.longitudeError);
    j.Float("expected_altitude_error", f.gbs.altitudeError);
    j.Int("most_likely_failed_satellite", f.gbs.failedSatellite);
    j.Float("probability_of_missed_detection", f.gbs.missedDetectionProbability);
    j.Float("estimated_bias", f.gbs.bias);
    j.Float("standard_deviation_of_bias", f.gbs.biasStdDev);
  } else if (Is(r, "GGA")) {
    j.Time("time", f.gga.time);
    j.Position("position", f.gga.position);
    j.Int("quality_indicator", f.gga.quality);
    j.Int("satellites_in_use", f.gga.satellitesInUse);
    j.Float("hdop", f.gga.hdop);
    j.Float("altitude", f.gga.altitude);
    j.Char("altitude_unit", f.gga.altitudeUnit);
    j.Float("geoidal_separation", f.gga.geoidalSeparation);
    j.Char("separation_unit", f.gga.separationUnit);
    j.Float("age_of_differential_data", f.gga.differentialAge);
    j.Int("differential_station_id", f.gga.differentialStationId);
  } else if (Is(r, "GLL")) {
    j.Position("position", f.gll.position);
    j.Time("time", f.gll.time);
    j.Char("status", f.gll.status);
    j.Char("mode", f.gll.mode);
  } else if (Is(r, "GSA")) {
    j.Char("selection_mode", f.gsa.selectionMode);
    j.Int("fix_mode", f.gsa.fixMode);
    j.IntArray("satellite_ids", f.gsa.satelliteIds, 12);
    j.Float("pdop", f.gsa.pdop);
    j.Float("hdop", f.gsa.hdop);
    j.Float("vdop", f.gsa.vdop);
  } else if (Is(r, "GSV")) {
    j.Int("total_sentences", f.gsv.totalSentences);
    j.Int("sentence_number", f.gsv.sentenceNumber);
    j.Int("satellites_in_view", f.gsv.satellitesInView);
    j.Int("satellites_in_sentence", f.gsv.satellitesInSentence);
    j.IntArray("satellite_ids", f.gsv.ids, 4);
    j.IntArray("elevations", f.gsv.elevations, 4);
    j.IntArray("azimuths", f.gsv.azimuths, 4);
    j.IntArray("snr", f.gsv.snr, 4);
  } else if (Is(r, "RMC")) {
    j.Time("time", f.rmc.time);
    j.Char("status", f.rmc.status);
    j.Position("position", f.rmc.position);
    j.Float("speed_knots", f.rmc.speedKnots);
    j.Float("course", f.rmc.course);
    j.Date("date", f.rmc.date);
    j.Float("magnetic_variation", f.rmc.magneticVariation);
    j.Char("variation_direction", f.rmc.variationDirection);
    j.Char("mode_indicator", f.rmc.mode);
    j.Char("navigational_status", f.rmc.navigationalStatus);
  } else if (Is(r, "VTG")) {
    j.Float("course_true", f.vtg.courseTrue);
    j.Char("unit_t", f.vtg.unitT);
    j.Float("course_magnetic", f.vtg.courseMagnetic);
    j.Char("unit_m", f.vtg.unitM);
    j.Float("speed_knots", f.vtg.speedKnots);
    j.Char("unit_n", f.vtg.unitN);
    j.Float("speed_kmh", f.vtg.speedKmh);
    j.Char("unit_k", f.vtg.unitK);
    j.Char("mode_indicator", f.vtg.mode);
  } else if (Is(r, "ZDA")) {
    j.Time("time", f.zda.time);
    j.Int("year", f.zda.year);
    j.Int("month", f.zda.month);
    j.Int("day", f.zda.day);
    j.Int("local_zone_hours", f.zda.zoneHours);
    j.Int("local_zone_minutes", f.zda.zoneMinutes);
  } else if (Is(r, "GNS")) {
    j.Time("time", f.gns.time);
    j.Position("position", f.gns.position);
    j.Text("mode_indicator", f.gns.mode, 2);
    j.Text("total_satellites", f.gns.totalSatellites, 2);
    j.Float("hdop", f.gns.hdop);
    j.Float("antenna_altitude", f.gns.antennaAltitude);
    j.Float("geoidal_separation", f.gns.geoidalSeparation);
    j.Float("age_of_differential_data", f.gns.differentialAge);
    j.Float("reference_station_id", f.gns.referenceStationId);
  } else if (Is(r, "HDT")) {
    j.Float("heading", f.hdt.heading);
    j.Char("unit", f.hdt.unit);
  } else if (Is(r, "ROT")) {
    j.Float("rate_of_turn", f.rot.rate);
    j.Char("status", f.rot.status);
  } else if (Is(r, "VBW")) {
    j.Float("longitudinal_water_speed", f.vbw.waterLongitudinal);
    j.Float("transverse_water_speed", f.vbw.waterTransverse);
    j.Char("water_status", f.vbw.waterStatus);
    j.Float("longitudinal_ground_speed", f.vbw.groundLongitudinal);
    j.Float("transverse_ground_speed", f.vbw.groundTransverse);
    j.Char("ground_status", f.vbw.groundStatus);
  } else if (Is(r, "DTM")) {
    TEXT(j, "local_datum", f.dtm.localDatum);
    j.Char("subdivision", f.dtm.subdivision);
    j.Position("offset", f.dtm.offset);
    j.Float("altitude_offset", f.dtm.altitudeOffset);
    TEXT(j, "reference_datum", f.dtm.referenceDatum);
  } else if (Is(r, "GRS")) {
    j.Time("time", f.grs.time);
    j.Char("mode", f.grs.mode);
    j.BeginArray("residuals");
    for (float v : f.grs.residuals) j.Float({}, v);
    j.EndArray();
  } else if (Is(r, "GST")) {
    j.Time("time", f.gst.time);
    j.Float("rms", f.gst.rms);
    j.Float("semi_major_error", f.gst.semiMajorError);
    j.Float("semi_minor_error", f.gst.semiMinorError);
    j.Float("orientation", f.gst.orientation);
    j.Float("latitude_error", f.gst.latitudeError);
    j.Float("longitude_error", f.gst.longitudeError);
    j.Float("altitude_error", f.gst.altitudeError);
  } else if (Is(r, "OSD")) {
    j.Float("heading", f.osd.heading);
    j.Char("heading_status", f.osd.headingStatus);
    j.Float("course", f.osd.course);
    j.Char("course_reference", f.osd.courseReference);
    j.Float("speed", f.osd.speed);
    j.Char("speed_reference", f.osd.speedReference);
    j.Float("set", f.osd.set);
    j.Float("drift", f.osd.drift);
    j.Char("speed_units", f.osd.speedUnits);
  } else if (Is(r, "WPL")) {
    j.Position("position", f.wpl.position);
    TEXT(j, "waypoint_identifier", f.wpl.waypointId);
  } else if (Is(r, "RMA")) {
    j.Position("position", f.rma.position);
    j.Char("status", f.rma.status);
  }
}

void Binary(JsonWriter& j, int8_t total, int8_t number, int8_t sequentialId, int8_t fillBits,
            const char (&payload)[64]) {
  j.Int("total_sentences", total);
  j.Int("sentence_number", number);
  j.Int("sequential_message_id", sequentialId);
  j.Int("fill_bits", fillBits);
  TEXT(j, "payload", payload);
}

void Station(JsonWriter& j, const SENTENCE_STRUCT& r) {
  const auto& f = r.fields;
  if (Is(r, "TXT")) {
    j.Int("total_sentences", f.txt.totalSentences);
    j.Int("sentence_number", f.txt.sentenceNumber);
    j.Int("text_identifier", f.txt.textId);
    TEXT(j, "text", f.txt.text);
  } else if (Is(r, "ABK")) {
    j.Int("mmsi", f.abk.mmsi);
    j.Int("channel", f.abk.channel);
    j.Int("message_id", f.abk.messageId);
    j.Int("sequence_number", f.abk.sequenceNumber);
    j.Int("acknowledgement_type", f.abk.ackType);
  } else if (Is(r, "ABM")) {
    Binary(j, f.abm.totalSentences, f.abm.sentenceNumber, f.abm.sequentialId, f.abm.fillBits,
           f.abm.payload);
    j.Char("channel", f.abm.channel);
    j.Int("message_id", f.abm.messageId);
    j.Int("destination_mmsi", f.abm.destinationMmsi);
  } else if (Is(r, "BBM")) {
    Binary(j, f.bbm.totalSentences, f.bbm.sentenceNumber, f.bbm.sequentialId, f.bbm.fillBits,
           f.bbm.payload);
    j.Int("channel", f.bbm.channel);
    j.Int("message_id", f.bbm.messageId);
  } else if (Is(r, "VDM") || Is(r, "VDO")) {
    Binary(j, f.vdm.totalSentences, f.vdm.sentenceNumber, f.vdm.sequentialId, f.vdm.fillBits,
           f.vdm.payload);
    j.Char("channel", f.vdm.channel);
  } else if (Is(r, "ACA")) {
    j.Char("sequence_number", f.aca.sequenceNumber);
    j.Position("north_east_corner", f.aca.northEast);
    j.Position("south_west_corner", f.aca.southWest);
    j.Char("transition_zone_size", f.aca.zoneSize);
    j.Int("channel_a", f.aca.channelA);
    j.Char("channel_a_bandwidth", f.aca.bandwidthA);
    j.Int("channel_b", f.aca.channelB);
    j.Char("channel_b_bandwidth", f.aca.bandwidthB);
    j.Char("transmit_receive_mode", f.aca.txRxMode);
    j.Char("power_level", f.aca.powerLevel);
    j.Char("information_source", f.aca.informationSource);
    j.Char("in_use_flag", f.aca.inUse);
    j.Time("time_of_in_use_change", f.aca.inUseChangeTime);
  } else if (Is(r, "ACS")) {
    j.Char("sequence_number", f.acs.sequenceNumber);
    j.Int("originator_mmsi", f.acs.originatorMmsi);
    j.Time("time", f.acs.time);
    j.Int("day", f.acs.day);
    j.Int("month", f.acs.month);
    j.Int("year", f.acs.year);
  } else if (Is(r, "ACK")) {
    j.Int("alarm_id", f.ack.alarmId);
  } else if (Is(r, "ALR")) {
    j.Time("time_of_alarm_condition_change", f.alr.time);
    j.Int("alarm_id", f.alr.alarmId);
    j.Char("condition", f.alr.condition);
    j.Char("acknowledgement_state", f.alr.ackState);
    TEXT(j, "description_text", f.alr.description);
  } else if (Is(r, "SSD")) {
    TEXT(j, "call_sign", f.ssd.callSign);
    TEXT(j, "name", f.ssd.name);
    j.Int("dimension_a", f.ssd.dimA);
    j.Int("dimension_b", f.ssd.dimB);
    j.Int("dimension_c", f.ssd.dimC);
    j.Int("dimension_d", f.ssd.dimD);
    j.Int("dte_indicator", f.ssd.dteIndicator);
    TEXT(j, "source_identifier", f.ssd.sourceId);
  } else if (Is(r, "VSD")) {
    j.Int("type_of_ship_and_cargo", f.vsd.shipType);
    j.Float("maximum_static_draught", f.vsd.draught);
    j.Int("persons_on_board", f.vsd.persons);
    TEXT(j, "destination", f.vsd.destination);
    j.Time("estimated_time_of_arrival", f.vsd.eta);
    j.Int("day_of_arrival", f.vsd.etaDay);
    j.Int("month_of_arrival", f.vsd.etaMonth);
    j.Int("navigational_status", f.vsd.navigationalStatus);
    j.Int("regional_application_flags", f.vsd.regionalFlags);
  }
}

void Proprietary(JsonWriter& j, const SENTENCE_STRUCT& r) {
  const auto& f = r.fields;
  if (Is(r, "TST")) {
    j.Int("number_a", f.tst.numberA);
    j.Int("number_b", f.tst.numberB);
    j.Char("letter_c", f.tst.letterC);
    j.Char("letter_d", f.tst.letterD);
    j.Int("command", f.tst.command);
  } else if (Is(r, "DBG")) {
    j.IntArray("ids", f.dbg.ids, 4);
    j.IntArray("values", f.dbg.values, 4);
  } else if (Is(r, "MID")) {
    j.Int("identity_1", f.mid.identity1);
    j.Int("identity_2", f.mid.identity2);
  } else if (Is(r, "CEK")) {
    j.Int("byte_1", f.cek.byte1);
    j.Int("byte_2", f.cek.byte2);
    j.Int("byte_3", f.cek.byte3);
    j.Int("number_4", f.cek.number4);
    TEXT(j, "key_text", f.cek.key);
    j.Char("sentence_type", f.cek.sentenceType);
  } else if (Is(r, "TPS")) {
    j.Int("number", f.tps.number);
    TEXT(j, "text", f.tps.text);
  } else if (Is(r, "BDY")) {
    j.Int("number", f.bdy.number);
    TEXT(j, "text_2", f.bdy.text2);
    TEXT(j, "text_3", f.bdy.text3);
    j.Int("flag_4", f.bdy.flag4);
    j.Int("flag_5", f.bdy.flag5);
  } else if (Is(r, "BTH")) {
    j.IntArray("numbers", f.bth.numbers, 6);
    TEXT(j, "text", f.bth.text);
  } else if (Is(r, "FRQ")) {
    j.Int("frequency_1", f.frq.frequency1);
    j.Int("frequency_2", f.frq.frequency2);
    j.Int("number_1", f.frq.number1);
    j.Int("number_2", f.frq.number2);
  } else if (Is(r, "MOB")) {
    j.IntArray("identity", f.mob.identity, 3);
    j.Int("number_2", f.mob.number2);
    j.Int("byte_3", f.mob.byte3);
    j.Int("byte_4", f.mob.byte4);
    j.Bool("byte_4_present", f.mob.byte4Present != 0);
    j.IntArray("data", f.mob.data, f.mob.dataCount <= 20 ? f.mob.dataCount : 0);
  } else if (Is(r, "AIQ")) {
    j.Int("value", f.aiq.value);
  } else if (Is(r, "Smg")) {
    TEXT(j, "text", f.smg.text);
    j.Int("value", f.smg.value);
  } else if (Is(r, "Q")) {
    TEXT(j, "text", f.query.text);
  }
}

}  // namespace

void WriteSentenceFields(JsonWriter& json, const SENTENCE_STRUCT& record) {
  json.BeginObject("fields");
  Positioning(json, record);
  Station(json, record);
  Proprietary(json, record);
  json.EndObject();
}
