#pragma once
// The simulator program's command line: where it serves, what it logs, and
// the faults of the transponder and of its Wi-Fi module.
#include <string>
#include <vector>

#include "tools/transponder-sim/TransponderSim.h"
#include "tools/transponder-sim/WifiModuleSim.h"

struct SimOptions {
  int tcpPort = -1;  // -1: a pseudo-terminal
  std::string link, logPath;
  long mmsi = 0;
  int fleet = 0, lineRate = 0;
  SimFaults faults;
  WifiModuleSim::Faults wifiFaults;
  bool help = false;
};

// The arguments after the program's name. False with `error` set when one
// is unknown, lacks its value or has a bad one.
bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options, std::string& error);

// What --help prints.
const char* SimUsage();
