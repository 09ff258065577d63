#pragma once
// The device side of the serial and TCP protocol: answers the test command
// with the device-data dump, answers the configuration queries, applies the
// configuration writes, and streams GPS and AIS traffic one second at a time.
// Not thread-safe: SimServer serialises access.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tools/transponder-sim/PassThroughHandler.h"

struct SimDeviceState {
  // Identity and static data.
  uint32_t mmsi = 0;  // 0: not yet programmed (one MID write sets it)
  std::string name = "SIM VESSEL";
  std::string callSign = "SIM1234";
  int shipType = 37;
  int dimA = 10, dimB = 4, dimC = 2, dimD = 3;
  std::string serialNumber = "SIM00012345";
  std::string firmwareText = "SIM-B1 V1.0.0";
  std::string firmwareVersion = "1.0.0";
  // Voyage data.
  double draught = 2.1;
  int persons = 4;
  std::string destination = "HOME PORT";
  int navStatus = 0;
  // Transceiver.
  bool dscMonitor = true;
  bool gpsOutputOn = true;
  int gpsReportInterval = 1;
  int gpsDynModel = 5;
  int nmeaTx = 38400, nmeaRx = 38400;
  bool multipleBaud = true;            // the dump has a "[MultipleBaudRate]=" line
  int nmeaPortCode[4] = {2, 2, 2, 2};  // items 183/10, 183/11, 183/20, 183/21
  bool alrOutputOn = true;             // item 108/6: 0 on
  // SRM.
  int srmBoxes = 4;
  int srmCapabilities = 1;  // item 30/1: bit 0 valid, bit 1 button
  bool srmTextSupported = true;
  std::string srmTexts[4] = {"MAN OVERBOARD", "FIRE ON BOARD", "NEED ASSISTANCE", "TEST"};
  std::string srmButtonText = "MAYDAY";
  // Encryption.
  bool encryptionSupported = true;
  bool encryptionOn = false;
  bool addressMode = false;
  uint32_t addressMmsi = 0;
  std::string cekKeyHex;  // as the last AICEK carried it
  // Wi-Fi module.
  bool wifiPresent = true;
  bool passThrough = false;
  // Own position and motion.
  double lat = 25.0417, lon = 121.5519;
  double sog = 5.2, cog = 45.0;
};

struct SimFaults {
  bool silent = false;           // says nothing at all
  bool noDumpEnd = false;        // the dump lacks "[DEVICE DATA END]"
  bool loseReplies = false;      // dump and replies are dropped; the stream goes on
  bool badChecksums = false;     // every sentence carries a wrong checksum
  bool garbage = false;          // a line of noise each second
  bool overlongLines = false;    // a line of 200 characters each second
  bool nulBytes = false;         // NUL bytes inside sentences (a receiver drops them)
  bool corruptCopies = false;    // reports and fixes that never were, with a wrong checksum
  bool brokenFragments = false;  // AIS fragments that never make a whole message
  // Transport faults, applied by SimServer.
  int slowDelayMs = 0;       // delay between single bytes
  long dropAfterBytes = -1;  // the link drops after this many bytes
};

class TransponderSim {
 public:
  TransponderSim();

  SimDeviceState state;
  SimFaults faults;

  // Bytes from the program; complete lines are handled, the replies queued.
  void Receive(std::string_view bytes);
  // One line without its CR LF; returns the lines sent back (with CR LF)
  // and queues them too.
  std::vector<std::string> HandleLine(const std::string& line);
  // One second of the stream: the GPS cycle, and AIS traffic.
  std::vector<std::string> Tick();
  // What is queued to be sent, and clears it.
  std::string TakeOutput();

  // Every received line, in order, without CR LF.
  const std::vector<std::string>& ReceivedLines() const { return received_; }
  void ClearReceived() { received_.clear(); }
  // Called with each received line (the program logs them).
  std::function<void(const std::string&)> onLine;
  // The Wi-Fi module; without one, pass-through lines get no answer.
  std::shared_ptr<PassThroughHandler> passThroughHandler;

  uint64_t Ticks() const { return ticks_; }

  // Stations beyond the three, and how many of their reports each stream
  // second carries (a class A station sends its static report now and
  // then as two sentences, a class B one its name).
  int fleetSize = 0;
  int fleetReportsPerTick = 0;
  static uint32_t FleetMmsi(int index);
  // Stations that appear only in the faulty sentences, never to be shown.
  static bool IsGhostMmsi(uint32_t mmsi);
  // Each stream sentence a receiver should take, without its CR LF and
  // without the NULs of the nulBytes fault, in the order sent.
  std::function<void(const std::string&)> onStreamSentence;

  // The dump as the device sends it (without the fault switches).
  std::vector<std::string> DeviceDataDump() const;
  static std::string WithChecksum(std::string body);  // "*hh\r\n" appended

 private:
  std::vector<std::string> HandleSentence(const std::string& line);
  std::vector<std::string> CfgQuery(int id, int sub);
  void CfgWrite(int id, int sub, int value, const std::string& text);
  void ApplyDbg(const std::vector<std::string>& f);
  void ApplySsd(const std::vector<std::string>& f);
  void ApplyVsd(const std::vector<std::string>& f);
  std::string SsdReply();
  std::string VsdReply();
  std::string CekReply();
  std::vector<std::string> GpsCycle();
  std::vector<std::string> AisTraffic();
  std::vector<std::string> FleetTraffic();
  // Lines of the fault switches, each with whether a receiver takes it
  // (a broken fragment is a sound sentence all the same).
  std::vector<std::pair<std::string, bool>> FaultyLines(const std::vector<std::string>& valid);
  // The stream as sent: faulty lines between the valid ones.
  std::vector<std::string> Mix(const std::vector<std::string>& valid,
                               const std::vector<std::pair<std::string, bool>>& faulty);
  std::string Out(std::string line);  // applies the checksum fault
  void Queue(const std::vector<std::string>& lines);

  std::string pending_;  // partial received line
  std::string output_;
  std::vector<std::string> received_;
  uint64_t ticks_ = 0;
  unsigned noise_ = 12345;
  int aisSequence_ = 0;
  long fleetCursor_ = 0;
};

// Reserved characters of a sentence field as "^" and two hex digits, and back.
std::string SimEscape(const std::string& text);
std::string SimUnescape(const std::string& text);
