#pragma once
// The transponder's Wi-Fi module as seen through the pass-through: each line
// it receives is echoed, then answered "+ok" or "+ok=value". It keeps its
// settings and its station link, and has switches for the faults a real
// module shows.
#include <cstdint>
#include <string>
#include <vector>

#include "tools/transponder-sim/PassThroughHandler.h"

class WifiModuleSim : public PassThroughHandler {
 public:
  struct Network {
    std::string ssid;   // as sent in the scan line (may carry quotes)
    std::string bssid;  // lower case in scan lines
    int channel = 6;
    int dbm = -50;
    std::string security;  // "NONE", "WPA2-PSK" ...
    std::string password;  // what joining needs
  };

  struct Settings {
    bool enabled = true;
    int opMode = 0;  // 0 access point, 1 client
    std::string apSsid = "KVOR-AIS";
    std::string apSecurity = "WPA2-PSK";
    std::string apPsk = "12345678";
    int apChannel = 6;
    std::string apAddress = "192.168.2.1";
    std::string apMask = "255.255.255.0";
    std::string tcpPort = "3333";
    bool dhcpServer = true;
    bool dhcpClient = false;
    std::string staSsid;
    std::string staSecurity = "NONE";
    std::string staPsk;
  };

  struct Faults {
    bool neverOk = false;              // no reply is ever "+ok"
    bool silent = false;               // takes commands but answers nothing (a hung module)
    std::string loseReplyTo;           // the reply to the first command starting so is lost
    std::string strayBefore;           // a stray line goes out before the echo of this command
    int slowLinkPolls = 0;             // link queries answered "not linked" after a join
    int scanCount = -1;                // -1: the configured networks; else that many made up
    bool quotedScanFields = false;     // names with commas and quotes, quoted
    bool malformedScanFields = false;  // some lines short, bad signal or an open quote
    std::string firmware = "1.08";
    std::string dhcpAddress = "192.168.1.57";
  };

  WifiModuleSim();

  Settings settings;
  Faults faults;
  std::vector<Network> networks;  // what a scan finds

  // Pass-through begins: the module's greeting.
  std::vector<std::string> Enter();
  // One line from the program (no line end); the lines sent back.
  std::vector<std::string> Receive(const std::string& line);
  void Leave() {}

  std::vector<std::string> OnLine(const std::string& line) override { return Receive(line); }
  std::vector<std::string> OnEnter() override { return Enter(); }

  bool Linked() const { return linked_; }
  const std::string& LinkedBssid() const { return linkedBssid_; }
  int Reboots() const { return reboots_; }
  // Every line received, in order.
  const std::vector<std::string>& Received() const { return received_; }

 private:
  std::string Answer(const std::string& command);
  std::vector<std::string> ScanLines() const;
  std::string LinkReply();
  void ApplyStation();

  bool linked_ = false;
  std::string linkedBssid_;
  int linkedDbm_ = 0;
  int pollsUntilLinked_ = 0;
  bool lossDone_ = false;
  bool strayDone_ = false;
  int reboots_ = 0;
  std::vector<std::string> received_;
};
