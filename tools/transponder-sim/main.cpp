// transponder-sim: a simulated transponder on a pseudo-terminal or a
// loopback TCP port, for trying the program and for end-to-end tests.
#include <pthread.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "tools/transponder-sim/SimOptions.h"
#include "tools/transponder-sim/SimServer.h"
#include "tools/transponder-sim/WifiModuleSim.h"

int main(int argc, char** argv) {
  SimOptions o;
  std::string error;
  if (!ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc), o, error)) {
    std::fprintf(stderr, "transponder-sim: %s\n", error.c_str());
    std::fputs(SimUsage(), stderr);
    return 2;
  }
  if (o.help) {
    std::fputs(SimUsage(), stdout);
    return 0;
  }
  FILE* log = stderr;
  if (!o.logPath.empty() && !(log = std::fopen(o.logPath.c_str(), "a"))) {
    std::fprintf(stderr, "transponder-sim: cannot open %s: %s\n", o.logPath.c_str(),
                 std::strerror(errno));
    return 1;
  }
  SimServer server;
  server.With([&](TransponderSim& sim) {
    sim.faults = o.faults;
    auto module = std::make_shared<WifiModuleSim>();
    module->faults = o.wifiFaults;
    sim.passThroughHandler = module;
    sim.state.mmsi = uint32_t(o.mmsi);
    sim.fleetSize = o.fleet;
    sim.fleetReportsPerTick = o.fleet > 0 ? (o.lineRate > 0 ? 180 : 6) : 0;
    sim.onLine = [log](const std::string& line) {
      std::fprintf(log, "< %s\n", line.c_str());
      std::fflush(log);
    };
    return 0;
  });

  server.lineRateBaud = o.lineRate;

  // Blocked before the server thread starts, so that only sigwait sees them.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
  bool ok = o.tcpPort >= 0 ? server.StartTcp(o.tcpPort) : server.StartPty(o.link);
  if (!ok) {
    std::fprintf(stderr, "transponder-sim: %s\n", server.Error().c_str());
    return 1;
  }
  if (o.tcpPort >= 0)
    std::printf("listening on 127.0.0.1:%d\n", server.Port());
  else
    std::printf("%s\n", server.SlavePath().c_str());
  std::fflush(stdout);
  int sig = 0;
  sigwait(&stopSignals, &sig);
  server.Stop();
  if (log != stderr) std::fclose(log);
  return 0;
}
