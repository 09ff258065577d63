// transponder-sim: a simulated transponder on a pseudo-terminal or a
// loopback TCP port, for trying the program and for end-to-end tests.
#include <csignal>
#include <pthread.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

#include "tools/transponder-sim/SimServer.h"
#include "tools/transponder-sim/WifiModuleSim.h"

namespace {

void Usage(FILE* f) {
    std::fputs(
        "usage: transponder-sim [--tcp PORT | --link PATH] [--log FILE] [faults]\n"
        "  (no --tcp)          serve on a pseudo-terminal; its path is printed\n"
        "  --link PATH         also make PATH a symlink to the pseudo-terminal\n"
        "  --tcp PORT          serve on 127.0.0.1:PORT instead\n"
        "  --log FILE          log received lines to FILE (default: standard error)\n"
        "  --mmsi N            the device's MMSI (default 0: not programmed)\n"
        "faults:\n"
        "  --silent            answer nothing, stream nothing\n"
        "  --no-dump-end       leave out the dump's end line\n"
        "  --lose-replies      drop the dump and every reply; the stream goes on\n"
        "  --bad-checksums     send every sentence with a wrong checksum\n"
        "  --garbage           a line of noise every second\n"
        "  --overlong          a 200-character line every second\n"
        "  --slow MS           send byte by byte, MS milliseconds apart\n"
        "  --drop-after N      drop the link after N bytes\n"
        "  --nul-bytes         NUL bytes inside sentences\n"
        "  --corrupt-copies    reports and fixes that never were, with wrong checksums\n"
        "  --broken-fragments  AIS fragments that never make a whole message\n"
        "traffic:\n"
        "  --fleet N           N more stations, reported in turn (up to 2000)\n"
        "  --line-rate BAUD    send no faster than a serial line at BAUD; with --fleet,\n"
        "                      180 reports a second keep a 115,200-baud line full\n",
        f);
}

}  // namespace

int main(int argc, char** argv) {
    int tcpPort = -1;
    std::string link, logPath;
    SimServer server;
    SimFaults faults;
    long mmsi = 0;
    int fleet = 0, lineRate = 0;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&](const char* what) -> const char* {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "transponder-sim: %s needs %s\n", a.c_str(), what);
                std::exit(2);
            }
            return argv[++i];
        };
        auto number = [&](const char* what, long lo, long hi) {
            const char* v = value(what);
            char* end = nullptr;
            long n = std::strtol(v, &end, 10);
            if (!*v || *end || n < lo || n > hi) {
                std::fprintf(stderr, "transponder-sim: bad %s for %s: %s\n", what, a.c_str(), v);
                std::exit(2);
            }
            return n;
        };
        if (a == "--tcp") tcpPort = int(number("a port", 1, 65535));
        else if (a == "--link") link = value("a path");
        else if (a == "--log") logPath = value("a file");
        else if (a == "--mmsi") mmsi = number("an MMSI", 0, 999999999);
        else if (a == "--silent") faults.silent = true;
        else if (a == "--no-dump-end") faults.noDumpEnd = true;
        else if (a == "--lose-replies") faults.loseReplies = true;
        else if (a == "--bad-checksums") faults.badChecksums = true;
        else if (a == "--garbage") faults.garbage = true;
        else if (a == "--overlong") faults.overlongLines = true;
        else if (a == "--slow") faults.slowDelayMs = int(number("milliseconds", 1, 10000));
        else if (a == "--drop-after") faults.dropAfterBytes = number("a byte count", 0, 1L << 40);
        else if (a == "--nul-bytes") faults.nulBytes = true;
        else if (a == "--corrupt-copies") faults.corruptCopies = true;
        else if (a == "--broken-fragments") faults.brokenFragments = true;
        else if (a == "--fleet") fleet = int(number("a station count", 1, 2000));
        else if (a == "--line-rate") lineRate = int(number("a baud rate", 1200, 4000000));
        else if (a == "-h" || a == "--help") {
            Usage(stdout);
            return 0;
        } else {
            std::fprintf(stderr, "transponder-sim: unknown option %s\n", a.c_str());
            Usage(stderr);
            return 2;
        }
    }
    if (tcpPort >= 0 && !link.empty()) {
        std::fputs("transponder-sim: --link is for the pseudo-terminal, not with --tcp\n", stderr);
        return 2;
    }

    FILE* log = stderr;
    if (!logPath.empty() && !(log = std::fopen(logPath.c_str(), "a"))) {
        std::fprintf(stderr, "transponder-sim: cannot open %s: %s\n", logPath.c_str(), std::strerror(errno));
        return 1;
    }
    server.With([&](TransponderSim& sim) {
        sim.faults = faults;
        sim.passThroughHandler = std::make_shared<WifiModuleSim>();
        sim.state.mmsi = uint32_t(mmsi);
        sim.fleetSize = fleet;
        sim.fleetReportsPerTick = fleet > 0 ? (lineRate > 0 ? 180 : 6) : 0;
        sim.onLine = [log](const std::string& line) {
            std::fprintf(log, "< %s\n", line.c_str());
            std::fflush(log);
        };
        return 0;
    });

    server.lineRateBaud = lineRate;

    // Blocked before the server thread starts, so that only sigwait sees them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    bool ok = tcpPort >= 0 ? server.StartTcp(tcpPort) : server.StartPty(link);
    if (!ok) {
        std::fprintf(stderr, "transponder-sim: %s\n", server.Error().c_str());
        return 1;
    }
    if (tcpPort >= 0) std::printf("listening on 127.0.0.1:%d\n", server.Port());
    else std::printf("%s\n", server.SlavePath().c_str());
    std::fflush(stdout);
    int sig = 0;
    sigwait(&stopSignals, &sig);
    server.Stop();
    if (log != stderr) std::fclose(log);
    return 0;
}
