#pragma once
// One parsed or to-be-built sentence: the header and the per-formatter members,
// overlaid. Texts are bytes; every text member is NUL-terminated within its array
// unless its comment says otherwise.
#include <cstdint>

#include "protocol/VdmFields.h"

struct NMEA_TIME {
  uint8_t hour;  // 24 (with minute 60, second 60) when the field was empty
  uint8_t minute;
  uint8_t second;
  uint8_t hundredths;
};

struct NMEA_DATE {
  uint16_t year;  // 0 (with month 0, day 0) when the field was empty
  uint8_t month;
  uint8_t day;
};

struct NMEA_POSITION {
  float latitude;   // signed degrees, 91.0 when missing or out of range
  float longitude;  // signed degrees, 181.0 when missing or out of range
};

// --- positioning, heading and motion ---

struct GBS_STRUCT {
  NMEA_TIME time;
  float latitudeError;
  float longitudeError;
  float altitudeError;
  int8_t failedSatellite;  // -1 (255) when empty
  float missedDetectionProbability;
  float bias;
  float biasStdDev;
};

struct GGA_STRUCT {
  NMEA_TIME time;
  NMEA_POSITION position;
  uint8_t quality;         // 128 when empty
  int8_t satellitesInUse;  // 128 when empty; outside 0..12 becomes 0
  float hdop;              // outside 0..99.9 becomes 99.9
  float altitude;
  char altitudeUnit;
  float geoidalSeparation;
  char separationUnit;
  float differentialAge;
  int16_t differentialStationId;  // -1 when empty; outside 0..1023 becomes 1023
};

struct GLL_STRUCT {
  NMEA_POSITION position;
  NMEA_TIME time;
  char status;
  char mode;
};

struct GSA_STRUCT {
  char selectionMode;
  uint8_t fixMode;
  int8_t satelliteIds[12];  // 128 when empty
  float pdop;
  float hdop;
  float vdop;
};

struct GSV_STRUCT {
  int8_t totalSentences;
  int8_t sentenceNumber;
  uint8_t satellitesInView;
  uint8_t satellitesInSentence;  // 1..4, from the comma count
  uint8_t ids[4];
  int8_t elevations[4];
  uint16_t azimuths[4];  // 65535 when empty
  int8_t snr[4];
};

struct RMC_STRUCT {
  NMEA_TIME time;
  char status;
  NMEA_POSITION position;
  float speedKnots;
  float course;
  NMEA_DATE date;
  float magneticVariation;
  char variationDirection;  // 128 when empty
  char mode;
  char navigationalStatus;
};

struct VTG_STRUCT {
  float courseTrue;
  char unitT;  // 128 when empty
  float courseMagnetic;
  char unitM;
  float speedKnots;
  char unitN;
  float speedKmh;
  char unitK;
  char mode;
};

struct ZDA_STRUCT {
  NMEA_TIME time;
  int16_t year;  // -1 when empty
  int8_t month;  // 128 when empty
  int8_t day;
  int8_t zoneHours;
  int8_t zoneMinutes;
};

struct GNS_STRUCT {
  NMEA_TIME time;
  NMEA_POSITION position;
  char mode[2];             // first two characters as received
  char totalSatellites[2];  // first two characters as received
  float hdop;
  float antennaAltitude;
  float geoidalSeparation;
  float differentialAge;
  float referenceStationId;
};

struct HDT_STRUCT {
  float heading;  // 511.0 when empty
  char unit;
};

struct ROT_STRUCT {
  float rate;
  char status;
};

struct VBW_STRUCT {
  float waterLongitudinal;
  float waterTransverse;
  char waterStatus;
  float groundLongitudinal;
  float groundTransverse;
  char groundStatus;
};

struct DTM_STRUCT {
  char localDatum[4];
  char subdivision;
  NMEA_POSITION offset;
  float altitudeOffset;
  char referenceDatum[64];
};

struct GRS_STRUCT {
  NMEA_TIME time;
  char mode;
  float residuals[12];
};

struct GST_STRUCT {
  NMEA_TIME time;
  float rms;
  float semiMajorError;
  float semiMinorError;
  float orientation;
  float latitudeError;
  float longitudeError;
  float altitudeError;
};

struct OSD_STRUCT {
  float heading;
  char headingStatus;
  float course;
  char courseReference;
  float speed;
  char speedReference;
  float set;
  float drift;
  char speedUnits;
};

struct WPL_STRUCT {
  NMEA_POSITION position;
  char waypointId[80];
};

struct RMA_STRUCT {
  NMEA_POSITION position;
  char status;
};

// --- AIS station sentences ---

struct TXT_STRUCT {
  int8_t totalSentences;  // 128 when empty
  int8_t sentenceNumber;
  int8_t textId;
  char text[62];  // zero-filled; a 62-byte text has no NUL
};

struct ABK_STRUCT {
  uint32_t mmsi;
  int8_t channel;  // 0 for A, 1 for B ...; 128 when empty
  int8_t messageId;
  int8_t sequenceNumber;
  int8_t ackType;
};

struct ABM_STRUCT {
  int8_t totalSentences;
  int8_t sentenceNumber;
  int8_t sequentialId;  // 128 when empty
  int8_t fillBits;
  char payload[64];
  char channel;  // as received, 128 when empty
  uint8_t messageId;
  uint32_t destinationMmsi;
};

struct BBM_STRUCT {
  int8_t totalSentences;
  int8_t sentenceNumber;
  int8_t sequentialId;
  int8_t fillBits;
  char payload[64];
  int8_t channel;  // decimal
  uint8_t messageId;
};

struct ACA_STRUCT {
  char sequenceNumber;
  NMEA_POSITION northEast;
  NMEA_POSITION southWest;
  char zoneSize;
  uint16_t channelA;
  char bandwidthA;
  uint16_t channelB;
  char bandwidthB;
  char txRxMode;
  char powerLevel;
  char informationSource;
  char inUse;
  NMEA_TIME inUseChangeTime;
};

struct ACS_STRUCT {
  char sequenceNumber;
  uint32_t originatorMmsi;
  NMEA_TIME time;
  uint8_t day;
  uint8_t month;
  uint16_t year;
};

struct ACK_STRUCT {
  uint16_t alarmId;  // 1000 when empty
};

struct ALR_STRUCT {
  NMEA_TIME time;
  uint16_t alarmId;
  char condition;
  char ackState;
  char description[80];
};

struct SSD_STRUCT {
  char callSign[8];
  char name[21];
  uint16_t dimA;  // 512 when empty
  uint16_t dimB;
  uint8_t dimC;  // 64 when empty
  uint8_t dimD;
  uint8_t dteIndicator;  // 2 when empty
  char sourceId[52];     // an empty field keeps its blank
};

struct VSD_STRUCT {
  uint16_t shipType;  // 256 when empty
  float draught;      // metres
  uint16_t persons;   // 8192 when empty
  char destination[21];
  NMEA_TIME eta;
  uint8_t etaDay;              // 32 when empty
  uint8_t etaMonth;            // 13 when empty
  uint8_t navigationalStatus;  // 128 when empty
  uint8_t regionalFlags;
};

// --- proprietary and auxiliary ---

struct TST_STRUCT {
  uint32_t numberA;  // 99999 when empty
  uint8_t numberB;   // 99 when empty
  char letterC;
  char letterD;
  uint16_t command;  // 65535 when empty
};

struct DBG_STRUCT {
  int16_t ids[4];     // 999 when empty
  int32_t values[4];  // INT32_MIN when empty
};

struct MID_STRUCT {
  uint32_t identity1;  // 999999999 when empty
  uint32_t identity2;
};

struct CEK_STRUCT {
  uint8_t byte1;  // 255 when empty
  uint8_t byte2;
  uint8_t byte3;
  uint32_t number4;
  char key[80];
  char sentenceType;  // 'R' when empty
};

struct TPS_STRUCT {
  int16_t number;  // 999 when empty
  char text[86];
};

struct BDY_STRUCT {
  uint32_t number;  // 999999999 when empty
  char text2[21];
  char text3[21];
  uint8_t flag4;  // 9 when empty
  uint8_t flag5;
};

struct BTH_STRUCT {
  int16_t numbers[6];  // 256 when empty
  char text[76];
};

struct FRQ_STRUCT {
  uint32_t frequency1;  // 999999999 when empty
  uint32_t frequency2;
  uint8_t number1;  // 128 when empty
  uint8_t number2;
};

struct MOB_STRUCT {
  uint8_t identity[3];
  uint8_t number2;  // 255 when empty
  uint8_t byte3;    // 255 when empty
  uint8_t byte4;
  uint8_t byte4Present;
  uint8_t data[20];
  uint8_t dataCount;  // 0..9 in use
};

struct AIQ_STRUCT {
  uint8_t value;
};

struct SMG_STRUCT {
  char text[80];
  uint8_t value;
};

struct QUERY_STRUCT {
  char text[88];  // everything between the address field's comma and '*'
};

struct SENTENCE_STRUCT {
  char start;         // '$' or '!' as received
  char talker[3];     // "GP", "EC", or "P" for proprietary
  char formatter[4];  // "GGA", "VDM", ..., or "Q" for a query
  char subType;       // c of $PKVR,c,FFF,...; else 0
  union {
    GBS_STRUCT gbs;
    GGA_STRUCT gga;
    GLL_STRUCT gll;
    GSA_STRUCT gsa;
    GSV_STRUCT gsv;
    RMC_STRUCT rmc;
    VTG_STRUCT vtg;
    ZDA_STRUCT zda;
    GNS_STRUCT gns;
    HDT_STRUCT hdt;
    ROT_STRUCT rot;
    VBW_STRUCT vbw;
    DTM_STRUCT dtm;
    GRS_STRUCT grs;
    GST_STRUCT gst;
    OSD_STRUCT osd;
    WPL_STRUCT wpl;
    RMA_STRUCT rma;
    TXT_STRUCT txt;
    ABK_STRUCT abk;
    ABM_STRUCT abm;
    BBM_STRUCT bbm;
    VDM_STRUCT vdm;  // VDM and VDO share one layout
    ACA_STRUCT aca;
    ACS_STRUCT acs;
    ACK_STRUCT ack;
    ALR_STRUCT alr;
    SSD_STRUCT ssd;
    VSD_STRUCT vsd;
    TST_STRUCT tst;
    DBG_STRUCT dbg;
    MID_STRUCT mid;
    CEK_STRUCT cek;
    TPS_STRUCT tps;
    BDY_STRUCT bdy;
    BTH_STRUCT bth;
    FRQ_STRUCT frq;
    MOB_STRUCT mob;
    AIQ_STRUCT aiq;
    SMG_STRUCT smg;
    QUERY_STRUCT query;
  } fields;
};
