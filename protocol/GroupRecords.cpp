// Filing parsed sentences into the group records and loading them back for a
// build: the choice of group, and the AIS and proprietary records.
#include "protocol/GroupRecords.h"

#include <cstring>

#include "protocol/GroupFiling.h"
#include "protocol/Protocol.h"

using group_records::Is;
using group_records::LoadGnss;
using group_records::LoadMotion;
using group_records::StoreGnss;
using group_records::StoreMotion;

namespace {

bool OneOf(const SENTENCE_STRUCT& r, std::initializer_list<const char*> formatters) {
  for (const char* f : formatters) {
    if (Is(r, f)) return true;
  }
  return false;
}

uint8_t SourceOf(const SENTENCE_STRUCT& r) {
  if (std::strncmp(r.talker, "GP", 3) == 0) return SOURCE_GP;
  if (std::strncmp(r.talker, "GL", 3) == 0) return SOURCE_GL;
  if (std::strncmp(r.talker, "GN", 3) == 0) return SOURCE_GN;
  if (std::strncmp(r.talker, "IN", 3) == 0) return SOURCE_IN;
  if (std::strncmp(r.talker, "LC", 3) == 0) return SOURCE_LC;
  return SOURCE_OTHER;
}

template <std::size_t N>
void CopyCut(char (&destination)[N], const char* source, std::size_t sourceCapacity) {
  const std::size_t length = strnlen(source, sourceCapacity < N - 1 ? sourceCapacity : N - 1);
  std::memcpy(destination, source, length);
  destination[length] = '\0';
}

void StoreBinary(AIS_DATA_STRUCT& a, int8_t total, int8_t number, int8_t sequentialId,
                 int8_t fillBits, const char (&payload)[64]) {
  a.binaryTotalSentences = total;
  a.binarySentenceNumber = number;
  a.binarySequentialId = sequentialId;
  a.binaryFillBits = fillBits;
  CopyCut(a.binaryPayload, payload, sizeof payload);
}

void StoreAis(const SENTENCE_STRUCT& r, AIS_DATA_STRUCT& a) {
  const auto& f = r.fields;
  if (Is(r, "TXT")) {
    a.txtTotalSentences = f.txt.totalSentences;
    a.txtSentenceNumber = f.txt.sentenceNumber;
    a.txtTextId = f.txt.textId;
    std::memcpy(a.txtText, f.txt.text, sizeof a.txtText);
  } else if (Is(r, "ABK")) {
    a.mmsi = f.abk.mmsi;
    a.channel = static_cast<char>(f.abk.channel);
    a.abkMessageId = f.abk.messageId;
    a.abkSequenceNumber = static_cast<uint8_t>(f.abk.sequenceNumber);
    a.abkAckType = static_cast<uint8_t>(f.abk.ackType);
  } else if (Is(r, "ACA")) {
    a.sequenceNumber = f.aca.sequenceNumber;
    a.acaNorthEastLatitude = f.aca.northEast.latitude;
    a.acaNorthEastLongitude = f.aca.northEast.longitude;
    a.acaSouthWestLatitude = f.aca.southWest.latitude;
    a.acaSouthWestLongitude = f.aca.southWest.longitude;
    a.acaZoneSize = f.aca.zoneSize;
    a.channelA = f.aca.channelA;
    a.bandwidthA = f.aca.bandwidthA;
    a.channelB = f.aca.channelB;
    a.bandwidthB = f.aca.bandwidthB;
    a.txRxMode = f.aca.txRxMode;
    a.powerLevel = f.aca.powerLevel;
    a.informationSource = f.aca.informationSource;
    a.inUse = f.aca.inUse;
    a.timeBlock[0] = f.aca.inUseChangeTime.hour;
    a.timeBlock[1] = f.aca.inUseChangeTime.minute;
    a.timeBlock[2] = f.aca.inUseChangeTime.second;
  } else if (Is(r, "ACS")) {
    a.sequenceNumber = f.acs.sequenceNumber;
    a.mmsi = f.acs.originatorMmsi;
    a.timeBlock[0] = f.acs.time.hour;
    a.timeBlock[1] = f.acs.time.minute;
    a.timeBlock[2] = f.acs.time.second;
    a.timeBlock[3] = f.acs.time.hundredths;
    a.timeBlock[4] = f.acs.day;
    a.timeBlock[5] = f.acs.month;
    a.timeBlock[6] = static_cast<uint8_t>(f.acs.year);
  } else if (Is(r, "SSD")) {
    CopyCut(a.callSign, f.ssd.callSign, sizeof f.ssd.callSign);
    if (a.callSign[0] != '\0') a.callSignValid = 1;
    CopyCut(a.name, f.ssd.name, sizeof f.ssd.name);
    if (a.name[0] != '\0') a.nameValid = 1;
    a.dimA = f.ssd.dimA;
    a.dimB = f.ssd.dimB;
    a.dimC = f.ssd.dimC;
    a.dimD = f.ssd.dimD;
    if (a.dimA < 512 && a.dimB < 512 && a.dimC < 64 && a.dimD < 64) a.dimensionsValid = 1;
    a.dteIndicator = f.ssd.dteIndicator;
    if (a.dteIndicator <= 1) a.dteValid = 1;
    CopyCut(a.sourceId, f.ssd.sourceId, sizeof f.ssd.sourceId);
  } else if (Is(r, "VSD")) {
    a.shipType = f.vsd.shipType;
    if (a.shipType < 256) a.shipTypeValid = 1;
    a.draught = f.vsd.draught;
    if (a.draught <= 25.5f) a.draughtValid = 1;
    a.persons = f.vsd.persons;
    if (a.persons < 8192) a.personsValid = 1;
    CopyCut(a.destination, f.vsd.destination, sizeof f.vsd.destination);
    if (a.destination[0] != '\0') a.destinationValid = 1;
    a.eta = f.vsd.eta;
    a.etaDay = f.vsd.etaDay;
    a.etaMonth = f.vsd.etaMonth;
    if (a.eta.hour < 24 && a.etaDay < 32 && a.etaMonth < 13) a.etaValid = 1;
    a.navigationalStatus = f.vsd.navigationalStatus;
    if (a.navigationalStatus < 16) a.navigationalStatusValid = 1;
    a.regionalFlags = f.vsd.regionalFlags;
  } else if (Is(r, "ABM")) {
    StoreBinary(a, f.abm.totalSentences, f.abm.sentenceNumber, f.abm.sequentialId, f.abm.fillBits,
                f.abm.payload);
    a.channel = f.abm.channel;
    a.binaryMessageId = f.abm.messageId;
    a.mmsi = f.abm.destinationMmsi;
  } else if (Is(r, "BBM")) {
    StoreBinary(a, f.bbm.totalSentences, f.bbm.sentenceNumber, f.bbm.sequentialId, f.bbm.fillBits,
                f.bbm.payload);
    a.channel = static_cast<char>(f.bbm.channel);
    a.binaryMessageId = f.bbm.messageId;
  } else if (Is(r, "VDM") || Is(r, "VDO")) {
    StoreBinary(a, f.vdm.totalSentences, f.vdm.sentenceNumber, f.vdm.sequentialId, f.vdm.fillBits,
                f.vdm.payload);
    a.channel = f.vdm.channel;
    if (Is(r, "VDO") && static_cast<unsigned char>(a.channel) == 128) a.channel = 'x';
  } else if (Is(r, "ACK")) {
    a.ackAlarmId = f.ack.alarmId;
    if (a.ackAlarmId < 1000) a.ackAlarmIdValid = 1;
  } else if (Is(r, "ALR")) {
    a.alr.time = f.alr.time;
    a.alr.alarmId = f.alr.alarmId;
    a.alr.condition = f.alr.condition;
    a.alr.ackState = f.alr.ackState;
    CopyCut(a.alr.description, f.alr.description, sizeof f.alr.description);
  }
}

void LoadAis(const AIS_DATA_STRUCT& a, SENTENCE_STRUCT& r) {
  auto& f = r.fields;
  if (Is(r, "SSD")) {
    CopyCut(f.ssd.callSign, a.callSign, sizeof a.callSign);
    CopyCut(f.ssd.name, a.name, sizeof a.name);
    f.ssd.dimA = a.dimA;
    f.ssd.dimB = a.dimB;
    f.ssd.dimC = a.dimC;
    f.ssd.dimD = a.dimD;
    f.ssd.dteIndicator = a.dteIndicator;
    CopyCut(f.ssd.sourceId, a.sourceId, sizeof a.sourceId);
  } else if (Is(r, "VSD")) {
    f.vsd.shipType = a.shipType;
    f.vsd.draught = a.draught;
    f.vsd.persons = a.persons;
    CopyCut(f.vsd.destination, a.destination, sizeof a.destination);
    f.vsd.eta = a.eta;
    f.vsd.etaDay = a.etaDay;
    f.vsd.etaMonth = a.etaMonth;
    f.vsd.navigationalStatus = a.navigationalStatus;
    f.vsd.regionalFlags = a.regionalFlags;
  } else if (Is(r, "ALR")) {
    f.alr.time = a.alr.time;
    f.alr.alarmId = a.alr.alarmId;
    f.alr.condition = a.alr.condition;
    f.alr.ackState = a.alr.ackState;
    CopyCut(f.alr.description, a.alr.description, sizeof a.alr.description);
  } else if (Is(r, "ACK")) {
    f.ack.alarmId = a.ackAlarmId;
  }
}

void StoreProprietary(const SENTENCE_STRUCT& r, PROPRIETARY_DATA_STRUCT& p) {
  const auto& f = r.fields;
  if (Is(r, "MID")) {
    p.midIdentity1 = f.mid.identity1;
    if (p.midIdentity1 < 999999999) p.midIdentity1Valid = 1;
    p.midIdentity2 = f.mid.identity2;
    if (p.midIdentity2 < 999999999) p.midIdentity2Valid = 1;
  } else if (Is(r, "BDY")) {
    p.bdyNumber = f.bdy.number;
    CopyCut(p.bdyText2, f.bdy.text2, sizeof f.bdy.text2);
    CopyCut(p.bdyText3, f.bdy.text3, sizeof f.bdy.text3);
    p.bdyFlag4 = f.bdy.flag4;
    p.bdyFlag5 = f.bdy.flag5;
    if (p.bdyNumber < 999999999 || p.bdyFlag5 == 1) p.bdyValid = 1;
  } else if (Is(r, "TST")) {
    p.tstNumberA = f.tst.numberA;
    p.tstNumberB = f.tst.numberB;
    p.tstLetterC = f.tst.letterC;
    if (p.tstNumberA < 99999) p.tstNumberAValid = 1;
    p.tstLetterD = f.tst.letterD;
    if (p.tstLetterD >= 'A' && p.tstLetterD <= 'Z') p.tstLetterDValid = 1;
    p.tstCommand = f.tst.command;
    if (p.tstCommand != 65535) p.tstCommandValid = 1;
  } else if (Is(r, "FRQ")) {
    p.frqFrequency1 = f.frq.frequency1;
    p.frqFrequency2 = f.frq.frequency2;
    p.frqNumber1 = f.frq.number1;
    p.frqNumber2 = f.frq.number2;
    if (p.frqFrequency1 < 999999999 && p.frqNumber1 <= 10) p.frqPair1Valid = 1;
    if (p.frqFrequency2 < 999999999 && p.frqNumber2 <= 10) p.frqPair2Valid = 1;
  } else if (Is(r, "BTH")) {
    bool bytes = true;
    for (int i = 0; i < 6; ++i) {
      p.bthNumbers[i] = f.bth.numbers[i];
      bytes = bytes && f.bth.numbers[i] <= 255;
    }
    if (bytes) p.bthNumbersValid = 1;
    CopyCut(p.bthText, f.bth.text, sizeof f.bth.text);
    if (p.bthText[0] != '\0') p.bthTextValid = 1;
  } else if (Is(r, "DBG")) {
    for (int i = 0; i < 4; ++i) {
      p.dbgIds[i] = f.dbg.ids[i];
      p.dbgValues[i] = f.dbg.values[i];
      // 999 is the empty marker, not an id.
      if (p.dbgIds[i] >= 0 && p.dbgIds[i] < 999) p.dbgIdValid[i] = 1;
    }
    p.dbgSubType = r.subType;
  } else if (Is(r, "TPS")) {
    p.tpsNumber = f.tps.number;
    CopyCut(p.tpsText, f.tps.text, sizeof f.tps.text);
    if (p.tpsNumber >= 0) p.tpsValid = 1;
  } else if (Is(r, "MOB")) {
    std::memcpy(p.mobIdentity, f.mob.identity, sizeof p.mobIdentity);
    p.mobNumber2 = f.mob.number2;
    p.mobByte3 = f.mob.byte3;
    if (f.mob.byte4Present != 0) p.mobByte4 = f.mob.byte4;
    p.mobByte4Present = f.mob.byte4Present;
    const bool inRange = f.mob.dataCount >= 1 && f.mob.dataCount <= 19;
    p.mobDataCount = inRange ? f.mob.dataCount : 0;
    if (inRange) std::memcpy(p.mobData, f.mob.data, f.mob.dataCount);
  } else if (Is(r, "CEK")) {
    p.cekNumber4 = f.cek.number4;
    CopyCut(p.cekKey, f.cek.key, sizeof f.cek.key);
    p.cekSentenceType = f.cek.sentenceType;
  }
}

void LoadProprietary(const PROPRIETARY_DATA_STRUCT& p, SENTENCE_STRUCT& r) {
  auto& f = r.fields;
  if (Is(r, "MID")) {
    f.mid.identity1 = p.midIdentity1;
    f.mid.identity2 = p.midIdentity2;
  } else if (Is(r, "BDY")) {
    f.bdy.number = p.bdyNumber;
    CopyCut(f.bdy.text2, p.bdyText2, sizeof p.bdyText2);
    CopyCut(f.bdy.text3, p.bdyText3, sizeof p.bdyText3);
    f.bdy.flag4 = p.bdyFlag4;
    f.bdy.flag5 = p.bdyFlag5;
  } else if (Is(r, "TST")) {
    f.tst.numberA = p.tstNumberA;
    f.tst.numberB = p.tstNumberB;
    f.tst.letterC = p.tstLetterC;
    f.tst.letterD = p.tstLetterD;
    f.tst.command = p.tstCommand;
  } else if (Is(r, "FRQ")) {
    f.frq.frequency1 = p.frqFrequency1;
    f.frq.frequency2 = p.frqFrequency2;
    f.frq.number1 = p.frqNumber1;
    f.frq.number2 = p.frqNumber2;
  } else if (Is(r, "BTH")) {
    std::memcpy(f.bth.numbers, p.bthNumbers, sizeof p.bthNumbers);
    CopyCut(f.bth.text, p.bthText, sizeof p.bthText);
  } else if (Is(r, "DBG")) {
    std::memcpy(f.dbg.ids, p.dbgIds, sizeof p.dbgIds);
    std::memcpy(f.dbg.values, p.dbgValues, sizeof p.dbgValues);
    r.subType = p.dbgSubType;
  } else if (Is(r, "TPS")) {
    f.tps.number = p.tpsNumber;
    CopyCut(f.tps.text, p.tpsText, sizeof p.tpsText);
  } else if (Is(r, "MOB")) {
    std::memcpy(f.mob.identity, p.mobIdentity, sizeof p.mobIdentity);
    f.mob.number2 = p.mobNumber2;
    f.mob.byte3 = p.mobByte3;
    f.mob.byte4 = p.mobByte4;
    f.mob.byte4Present = p.mobByte4Present;
    const bool inRange = p.mobDataCount >= 1 && p.mobDataCount <= 19;
    f.mob.dataCount = inRange ? p.mobDataCount : 0;
    if (inRange) std::memcpy(f.mob.data, p.mobData, p.mobDataCount);
  }
}

}  // namespace

SentenceGroup ClassifySentence(const SENTENCE_STRUCT& r) {
  if (OneOf(r, {"GGA", "GLL", "GBS", "GSA", "GSV", "RMC", "VTG", "ZDA"})) return GROUP_GNSS;
  if (OneOf(r, {"ROT", "HDT", "VBW", "GNS"})) return GROUP_MOTION;
  if (OneOf(r, {"LRI", "LRF", "LR1", "LR2", "LR3"})) return GROUP_LONG_RANGE;
  if (OneOf(r,
            {"ABK", "ACA", "ACK", "ACS", "ALR", "SSD", "VSD", "ABM", "BBM", "VDM", "VDO", "TXT"}))
    return GROUP_AIS;
  if (OneOf(r, {"DSC", "DSE", "DSI", "DSR"})) return GROUP_DSC;
  if (OneOf(r, {"MID", "BDY", "TST", "FRQ", "BTH", "DBG", "TPS", "MOB", "CEK"}))
    return GROUP_PROPRIETARY;
  return GROUP_NONE;
}

void StoreSentence(ProtocolState& state, const SENTENCE_STRUCT& record) {
  switch (ClassifySentence(record)) {
    case GROUP_GNSS:
      state.gnss.source = SourceOf(record);
      StoreGnss(record, state.gnss);
      break;
    case GROUP_MOTION:
      state.motion.source = SourceOf(record);
      StoreMotion(record, state.motion);
      break;
    case GROUP_LONG_RANGE:
      state.longRange.source = SourceOf(record);
      break;
    case GROUP_AIS:
      state.aisData.source = SourceOf(record);
      StoreAis(record, state.aisData);
      if (state.showStaticVoyageData) state.showStaticVoyageData(record);
      break;
    case GROUP_DSC:
      state.dsc.source = SourceOf(record);
      break;
    case GROUP_PROPRIETARY:
      StoreProprietary(record, state.proprietary);
      break;
    case GROUP_NONE:
      break;
  }
}

void LoadSentence(const ProtocolState& state, SENTENCE_STRUCT& record) {
  switch (ClassifySentence(record)) {
    case GROUP_GNSS:
      LoadGnss(state.gnss, record);
      break;
    case GROUP_MOTION:
      LoadMotion(state.motion, record);
      break;
    case GROUP_AIS:
      LoadAis(state.aisData, record);
      break;
    case GROUP_PROPRIETARY:
      LoadProprietary(state.proprietary, record);
      break;
    default:
      break;
  }
}

bool BuildSentence(ProtocolState& state, std::string& out, std::string_view formatter,
                   std::string_view talker) {
  SENTENCE_STRUCT& record = state.outgoing;
  std::memset(record.talker, 0, sizeof record.talker);
  std::memset(record.formatter, 0, sizeof record.formatter);
  talker.copy(record.talker, 2);
  formatter.copy(record.formatter, 3);
  LoadSentence(state, record);
  return FormatSentence(out, record);
}
