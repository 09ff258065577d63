#pragma once
// The group records: what the last sentences of each family (GNSS, motion, AIS station,
// proprietary) left, kept between lines and read back when a sentence is built.
#include <cstdint>

#include "protocol/SentenceStruct.h"

// The family of a formatter; one device-data group record per family.
enum SentenceGroup : int {
  GROUP_NONE = 0,
  GROUP_GNSS = 1,
  GROUP_MOTION = 2,
  GROUP_LONG_RANGE = 3,
  GROUP_AIS = 4,
  GROUP_DSC = 5,
  GROUP_PROPRIETARY = 6,
};

// Talker of the last stored sentence.
enum SourceCode : uint8_t {
  SOURCE_OTHER = 0,
  SOURCE_GP = 1,
  SOURCE_GL = 2,
  SOURCE_GN = 3,
  SOURCE_LC = 4,
  SOURCE_IN = 6,
};

// Valid flags are set once a good value has been seen and then stay set, except
// the ones marked "assigned", which follow every store.

struct GNSS_DATA_STRUCT {
  uint8_t source;
  NMEA_TIME utcTime;  // GGA, GBS, GLL, RMC, ZDA
  float latitude;     // GGA, GLL, RMC
  float longitude;
  uint8_t quality;              // GGA
  char selectionMode;           // GSA
  uint8_t fixMode;              // GSA
  float geoidalSeparation;      // GGA
  NMEA_DATE date;               // RMC, ZDA
  char mode;                    // RMC, GLL, VTG
  char status;                  // RMC, GLL
  float courseTrue;             // RMC, VTG
  float courseMagnetic;         // VTG
  float speedKnots;             // RMC, VTG
  float speedKmh;               // VTG
  uint8_t satellitesInUse;      // GGA; GSA: its ids above 0
  uint8_t fixUpdated;           // set by every GGA, cleared by the GPS page
  int8_t activeSatellites[12];  // GSA
  float pdop;
  float hdop;
  float vdop;
  uint8_t satellitesInView;  // GSV
  uint8_t gsvTotalSentences;
  uint8_t gsvSentenceNumber;
  uint8_t gsvSatellitesInSentence;
  uint8_t satelliteIds[4];  // only the last GSV sentence's satellites
  int8_t elevations[4];
  uint16_t azimuths[4];
  int8_t snr[4];
  float latitudeError;  // GBS
  float longitudeError;
  float altitudeError;
  int8_t failedSatellite;
  float missedDetectionProbability;
  float bias;
  float biasStdDev;
  uint8_t timeValid[2];   // assigned on every GGA, RMC and ZDA; both set together
  uint8_t positionValid;  // assigned: GGA, GLL, RMC
  uint8_t courseValid;    // assigned: RMC
  uint8_t gbsValid[2];
  char lastFormatter[4];
};

struct MOTION_DATA_STRUCT {
  uint8_t source;
  uint8_t gnsHour;  // GNS; hundredths are not kept
  uint8_t gnsMinute;
  uint8_t gnsSecond;
  float latitude;
  float longitude;
  char mode[2];
  char totalSatellites;  // the second character of the GNS field
  float hdop;
  float antennaAltitude;
  float geoidalSeparation;
  float differentialAge;
  float referenceStationId;
  float heading;  // HDT
  uint8_t headingValid;
  float rateOfTurn;         // ROT
  float waterLongitudinal;  // VBW
  float waterTransverse;
  char status;  // VBW water status and ROT status share it
  float groundLongitudinal;
  float groundTransverse;
  char groundStatus;
};

// No formatter of the long-range and DSC families is parsed or built.
struct LONG_RANGE_DATA_STRUCT {
  uint8_t source;
};

struct DSC_DATA_STRUCT {
  uint8_t source;
};

// ALR as the AIS record keeps it: the description cut to 60 bytes.
struct ALR_RECORD_STRUCT {
  NMEA_TIME time;
  uint16_t alarmId;
  char condition;
  char ackState;
  char description[61];
};

struct AIS_DATA_STRUCT {
  uint8_t source;
  int8_t txtTotalSentences;
  int8_t txtSentenceNumber;
  int8_t txtTextId;
  char txtText[62];  // a 62-byte text has no NUL
  uint32_t mmsi;     // ABK MMSI, ABM destination, ACS originator: shared
  float abkMessageId;
  uint8_t abkSequenceNumber;
  uint8_t abkAckType;
  char sequenceNumber;  // ACA and ACS: shared
  float acaNorthEastLatitude;
  float acaNorthEastLongitude;
  float acaSouthWestLatitude;
  float acaSouthWestLongitude;
  char acaZoneSize;
  uint16_t channelA;
  char bandwidthA;
  uint16_t channelB;
  char bandwidthB;
  char txRxMode;
  char powerLevel;
  char informationSource;
  char inUse;
  // ACA: in-use change hour, minute, second; ACS: hour, minute, second,
  // hundredths, day, month, low byte of the year.
  uint8_t timeBlock[7];
  char callSign[8];
  uint8_t callSignValid;
  char name[21];
  uint8_t nameValid;
  uint16_t dimA;
  uint16_t dimB;
  uint8_t dimC;
  uint8_t dimD;
  uint8_t dimensionsValid;
  uint8_t dteIndicator;
  uint8_t dteValid;
  char sourceId[3];
  uint16_t shipType;
  uint8_t shipTypeValid;
  float draught;
  uint8_t draughtValid;
  uint16_t persons;
  uint8_t personsValid;
  char destination[21];
  uint8_t destinationValid;
  // The ETA has storage of its own, so that ACA and ACS never change what a
  // later VSD sends to the device.
  NMEA_TIME eta;
  uint8_t etaDay;
  uint8_t etaMonth;
  uint8_t etaValid;
  uint8_t navigationalStatus;
  uint8_t navigationalStatusValid;
  uint8_t regionalFlags;
  int8_t binaryTotalSentences;  // ABM, BBM, VDM, VDO: shared
  int8_t binarySentenceNumber;
  int8_t binarySequentialId;
  int8_t binaryFillBits;
  char binaryPayload[64];
  char channel;             // ABK, ABM, BBM, VDM, VDO: shared; VDO stores 'x' for empty
  uint8_t binaryMessageId;  // ABM, BBM
  uint16_t ackAlarmId;
  uint8_t ackAlarmIdValid;
  ALR_RECORD_STRUCT alr;
};

struct PROPRIETARY_DATA_STRUCT {
  uint32_t midIdentity1;
  uint8_t midIdentity1Valid;
  uint32_t midIdentity2;
  uint8_t midIdentity2Valid;
  uint32_t bdyNumber;
  char bdyText2[21];
  char bdyText3[21];
  uint8_t bdyFlag4;
  uint8_t bdyFlag5;
  uint8_t bdyValid;
  uint32_t tstNumberA;
  uint8_t tstNumberB;
  char tstLetterC;
  uint8_t tstNumberAValid;
  char tstLetterD;
  uint8_t tstLetterDValid;
  uint16_t tstCommand;
  uint8_t tstCommandValid;
  uint32_t frqFrequency1;
  uint32_t frqFrequency2;
  uint8_t frqNumber1;
  uint8_t frqNumber2;
  uint8_t frqPair1Valid;
  uint8_t frqPair2Valid;
  int16_t bthNumbers[6];
  uint8_t bthNumbersValid;
  char bthText[25];
  uint8_t bthTextValid;
  int16_t dbgIds[4];
  int32_t dbgValues[4];
  uint8_t dbgIdValid[4];
  char dbgSubType;  // assigned: header sub-type of the stored DBG; read by the DBG build
  int16_t tpsNumber;
  char tpsText[25];
  uint8_t tpsValid;
  uint8_t mobIdentity[3];
  uint8_t mobNumber2;
  uint8_t mobByte3;
  uint8_t mobByte4;
  uint8_t mobByte4Present;
  uint8_t mobData[20];
  uint8_t mobDataCount;
  uint32_t cekNumber4;
  char cekKey[80];
  char cekSentenceType;
};
