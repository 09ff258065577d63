// Every member of the six group records under its own key, in the records' order;
// text arrays end at their first NUL or at their size, whichever comes first.
#include "tools/nmea-replay/RecordJson.h"

#include "tools/nmea-replay/Json.h"

#define TEXT(json, key, array) json.Text(key, array, sizeof array)

namespace {

void Gnss(JsonWriter& j, const GNSS_DATA_STRUCT& g) {
  j.Int("source", g.source);
  j.Time("utc_time", g.utcTime);
  j.Float("latitude", g.latitude);
  j.Float("longitude", g.longitude);
  j.Int("quality_indicator", g.quality);
  j.Char("selection_mode", g.selectionMode);
  j.Int("fix_mode", g.fixMode);
  j.Float("geoidal_separation", g.geoidalSeparation);
  j.Date("date", g.date);
  j.Char("mode_indicator", g.mode);
  j.Char("status", g.status);
  j.Float("course_over_ground_true", g.courseTrue);
  j.Float("course_magnetic", g.courseMagnetic);
  j.Float("speed_over_ground_knots", g.speedKnots);
  j.Float("speed_over_ground_kmh", g.speedKmh);
  j.Int("satellites_in_use", g.satellitesInUse);
  j.Int("fix_update_flag", g.fixUpdated);
  j.IntArray("active_satellite_ids", g.activeSatellites, 12);
  j.Float("pdop", g.pdop);
  j.Float("hdop", g.hdop);
  j.Float("vdop", g.vdop);
  j.Int("satellites_in_view", g.satellitesInView);
  j.Int("gsv_total_sentences", g.gsvTotalSentences);
  j.Int("gsv_sentence_number", g.gsvSentenceNumber);
  j.Int("gsv_satellites_in_sentence", g.gsvSatellitesInSentence);
  j.IntArray("satellite_ids", g.satelliteIds, 4);
  j.IntArray("elevations", g.elevations, 4);
  j.IntArray("azimuths", g.azimuths, 4);
  j.IntArray("snr", g.snr, 4);
  j.Float("expected_latitude_error", g.latitudeError);
  j.Float("expected_longitude_error", g.longitudeError);
  j.Float("expected_altitude_error", g.altitudeError);
  j.Int("most_likely_failed_satellite", g.failedSatellite);
  j.Float("probability_of_missed_detection", g.missedDetectionProbability);
  j.Float("estimated_bias", g.bias);
  j.Float("standard_deviation_of_bias", g.biasStdDev);
  j.IntArray("time_valid", g.timeValid, 2);
  j.Int("position_valid", g.positionValid);
  j.Int("course_valid", g.courseValid);
  j.IntArray("gbs_valid", g.gbsValid, 2);
  TEXT(j, "last_formatter", g.lastFormatter);
}

void Motion(JsonWriter& j, const MOTION_DATA_STRUCT& m) {
  j.Int("source", m.source);
  j.Int("gns_hour", m.gnsHour);
  j.Int("gns_minute", m.gnsMinute);
  j.Int("gns_second", m.gnsSecond);
  j.Float("latitude", m.latitude);
  j.Float("longitude", m.longitude);
  j.Text("mode_indicator", m.mode, 2);
  j.Char("total_satellites", m.totalSatellites);
  j.Float("hdop", m.hdop);
  j.Float("antenna_altitude", m.antennaAltitude);
  j.Float("geoidal_separation", m.geoidalSeparation);
  j.Float("age_of_differential_data", m.differentialAge);
  j.Float("reference_station_id", m.referenceStationId);
  j.Float("true_heading", m.heading);
  j.Int("heading_valid", m.headingValid);
  j.Float("rate_of_turn", m.rateOfTurn);
  j.Float("longitudinal_water_speed", m.waterLongitudinal);
  j.Float("transverse_water_speed", m.waterTransverse);
  j.Char("status", m.status);
  j.Float("longitudinal_ground_speed", m.groundLongitudinal);
  j.Float("transverse_ground_speed", m.groundTransverse);
  j.Char("ground_speed_status", m.groundStatus);
}

void Ais(JsonWriter& j, const AIS_DATA_STRUCT& a) {
  j.Int("source", a.source);
  j.Int("txt_total_sentences", a.txtTotalSentences);
  j.Int("txt_sentence_number", a.txtSentenceNumber);
  j.Int("txt_text_identifier", a.txtTextId);
  TEXT(j, "txt_text", a.txtText);
  j.Int("mmsi", a.mmsi);
  j.Float("abk_message_id", a.abkMessageId);
  j.Int("abk_sequence_number", a.abkSequenceNumber);
  j.Int("abk_acknowledgement_type", a.abkAckType);
  j.Char("sequence_number", a.sequenceNumber);
  j.Float("aca_north_east_latitude", a.acaNorthEastLatitude);
  j.Float("aca_north_east_longitude", a.acaNorthEastLongitude);
  j.Float("aca_south_west_latitude", a.acaSouthWestLatitude);
  j.Float("aca_south_west_longitude", a.acaSouthWestLongitude);
  j.Char("aca_transition_zone_size", a.acaZoneSize);
  j.Int("channel_a", a.channelA);
  j.Char("channel_a_bandwidth", a.bandwidthA);
  j.Int("channel_b", a.channelB);
  j.Char("channel_b_bandwidth", a.bandwidthB);
  j.Char("transmit_receive_mode", a.txRxMode);
  j.Char("power_level", a.powerLevel);
  j.Char("information_source", a.informationSource);
  j.Char("in_use_flag", a.inUse);
  j.IntArray("time_block", a.timeBlock, 7);
  TEXT(j, "call_sign", a.callSign);
  j.Int("call_sign_valid", a.callSignValid);
  TEXT(j, "name", a.name);
  j.Int("name_valid", a.nameValid);
  j.Int("dimension_a", a.dimA);
  j.Int("dimension_b", a.dimB);
  j.Int("dimension_c", a.dimC);
  j.Int("dimension_d", a.dimD);
  j.Int("dimensions_valid", a.dimensionsValid);
  j.Int("dte_indicator", a.dteIndicator);
  j.Int("dte_valid", a.dteValid);
  TEXT(j, "source_identifier", a.sourceId);
  j.Int("type_of_ship_and_cargo", a.shipType);
  j.Int("ship_type_valid", a.shipTypeValid);
  j.Float("maximum_static_draught", a.draught);
  j.Int("draught_valid", a.draughtValid);
  j.Int("persons_on_board", a.persons);
  j.Int("persons_valid", a.personsValid);
  TEXT(j, "destination", a.destination);
  j.Int("destination_valid", a.destinationValid);
  j.Time("eta", a.eta);
  j.Int("eta_day", a.etaDay);
  j.Int("eta_month", a.etaMonth);
  j.Int("eta_valid", a.etaValid);
  j.Int("navigational_status", a.navigationalStatus);
  j.Int("navigational_status_valid", a.navigationalStatusValid);
  j.Int("regional_application_flags", a.regionalFlags);
  j.Int("binary_total_sentences", a.binaryTotalSentences);
  j.Int("binary_sentence_number", a.binarySentenceNumber);
  j.Int("binary_sequential_message_id", a.binarySequentialId);
  j.Int("binary_fill_bits", a.binaryFillBits);
  TEXT(j, "binary_payload", a.binaryPayload);
  j.Char("channel", a.channel);
  j.Int("binary_message_id", a.binaryMessageId);
  j.Int("ack_alarm_id", a.ackAlarmId);
  j.Int("alarm_id_valid", a.ackAlarmIdValid);
  j.BeginObject("alr");
  j.Time("time", a.alr.time);
  j.Int("alarm_id", a.alr.alarmId);
  j.Char("condition", a.alr.condition);
  j.Char("acknowledgement_state", a.alr.ackState);
  TEXT(j, "description", a.alr.description);
  j.EndObject();
}

void Proprietary(JsonWriter& j, const PROPRIETARY_DATA_STRUCT& p) {
  j.Int("mid_identity_1", p.midIdentity1);
  j.Int("identity_1_valid", p.midIdentity1Valid);
  j.Int("mid_identity_2", p.midIdentity2);
  j.Int("identity_2_valid", p.midIdentity2Valid);
  j.Int("bdy_number", p.bdyNumber);
  TEXT(j, "bdy_text_2", p.bdyText2);
  TEXT(j, "bdy_text_3", p.bdyText3);
  j.Int("bdy_flag_4", p.bdyFlag4);
  j.Int("bdy_flag_5", p.bdyFlag5);
  j.Int("bdy_valid", p.bdyValid);
  j.Int("tst_number_a", p.tstNumberA);
  j.Int("tst_number_b", p.tstNumberB);
  j.Char("tst_letter_c", p.tstLetterC);
  j.Int("number_a_valid", p.tstNumberAValid);
  j.Char("tst_letter_d", p.tstLetterD);
  j.Int("letter_d_valid", p.tstLetterDValid);
  j.Int("tst_command", p.tstCommand);
  j.Int("command_valid", p.tstCommandValid);
  j.Int("frq_frequency_1", p.frqFrequency1);
  j.Int("frq_frequency_2", p.frqFrequency2);
  j.Int("frq_number_1", p.frqNumber1);
  j.Int("frq_number_2", p.frqNumber2);
  j.Int("pair_1_valid", p.frqPair1Valid);
  j.Int("pair_2_valid", p.frqPair2Valid);
  j.IntArray("bth_numbers", p.bthNumbers, 6);
  j.Int("numbers_valid", p.bthNumbersValid);
  TEXT(j, "bth_text", p.bthText);
  j.Int("text_valid", p.bthTextValid);
  j.IntArray("dbg_ids", p.dbgIds, 4);
  j.IntArray("dbg_values", p.dbgValues, 4);
  j.IntArray("id_valid", p.dbgIdValid, 4);
  j.Char("dbg_sub_type", p.dbgSubType);
  j.Int("tps_number", p.tpsNumber);
  TEXT(j, "tps_text", p.tpsText);
  j.Int("tps_valid", p.tpsValid);
  j.IntArray("mob_identity", p.mobIdentity, 3);
  j.Int("mob_number_2", p.mobNumber2);
  j.Int("mob_byte_3", p.mobByte3);
  j.Int("mob_byte_4", p.mobByte4);
  j.Int("mob_byte_4_present", p.mobByte4Present);
  j.IntArray("mob_data", p.mobData, p.mobDataCount <= 20 ? p.mobDataCount : 0);
  j.Int("mob_data_count", p.mobDataCount);
  j.Int("cek_number_4", p.cekNumber4);
  TEXT(j, "cek_key_text", p.cekKey);
  j.Char("cek_sentence_type", p.cekSentenceType);
}

template <typename Fill>
void Record(std::string& out, const char* name, int group, Fill fill) {
  JsonWriter j(out);
  j.BeginObject();
  j.Text("record", name, 64);
  j.Int("group", group);
  fill(j);
  j.EndObject();
  out += '\n';
}

}  // namespace

void WriteGroupRecords(std::string& out, const ProtocolState& state) {
  Record(out, "GNSS_DATA_STRUCT", 1, [&](JsonWriter& j) { Gnss(j, state.gnss); });
  Record(out, "MOTION_DATA_STRUCT", 2, [&](JsonWriter& j) { Motion(j, state.motion); });
  Record(out, "LONG_RANGE_DATA_STRUCT", 3,
         [&](JsonWriter& j) { j.Int("source", state.longRange.source); });
  Record(out, "AIS_DATA_STRUCT", 4, [&](JsonWriter& j) { Ais(j, state.aisData); });
  Record(out, "DSC_DATA_STRUCT", 5, [&](JsonWriter& j) { j.Int("source", state.dsc.source); });
  Record(out, "PROPRIETARY_DATA_STRUCT", 6,
         [&](JsonWriter& j) { Proprietary(j, state.proprietary); });
}
