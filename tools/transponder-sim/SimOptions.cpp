// The simulator's options: the usage text and the parser, which refuses an unknown
// option, a missing value and a number out of its range.
#include "tools/transponder-sim/SimOptions.h"

#include <cstdlib>

const char* SimUsage() {
  return "usage: transponder-sim [--tcp PORT | --link PATH] [--log FILE] [faults]\n"
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
         "Wi-Fi module faults (behind the pass-through):\n"
         "  --wifi-never-ok        never answer a plain \"+ok\", not even on entering\n"
         "  --wifi-silent          take every command and answer nothing\n"
         "  --wifi-lose-reply CMD  lose the reply to the first command that starts with CMD\n"
         "  --wifi-stray-before CMD  a stray line before the echo of the first command\n"
         "                         that starts with CMD\n"
         "  --wifi-slow-link N     after a join, answer N link queries \"not linked\"\n"
         "  --wifi-scan-count N    a scan finds N made-up networks (up to 1000)\n"
         "  --wifi-quoted-names    a scan also finds names with commas and quotes\n"
         "  --wifi-malformed-scan  a scan also gives short and unreadable lines\n"
         "  --wifi-firmware VER    the module's firmware version (default 1.08)\n"
         "  --wifi-dhcp-address A  the address a joined network hands out\n"
         "                         (default 192.168.1.57)\n"
         "traffic:\n"
         "  --fleet N           N more stations, reported in turn (up to 2000)\n"
         "  --line-rate BAUD    send no faster than a serial line at BAUD; with --fleet,\n"
         "                      180 reports a second keep a 115,200-baud line full\n";
}

bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& o, std::string& error) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const std::string* v = nullptr;
    auto value = [&](const char* what) {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        error = a + " needs " + what;
        return false;
      }
      v = &args[++i];
      return true;
    };
    long n = 0;
    auto number = [&](const char* what, long lo, long hi) {
      if (!value(what)) return false;
      char* end = nullptr;
      n = std::strtol(v->c_str(), &end, 10);
      if (*end || n < lo || n > hi) {
        error = std::string("bad ") + what + " for " + a + ": " + *v;
        return false;
      }
      return true;
    };
    SimFaults& f = o.faults;
    WifiModuleSim::Faults& w = o.wifiFaults;
    bool ok = true;
    if (a == "--tcp")
      ok = number("a port", 1, 65535) && (o.tcpPort = int(n), true);
    else if (a == "--link")
      ok = value("a path") && (o.link = *v, true);
    else if (a == "--log")
      ok = value("a file") && (o.logPath = *v, true);
    else if (a == "--mmsi")
      ok = number("an MMSI", 0, 999999999) && (o.mmsi = n, true);
    else if (a == "--silent")
      f.silent = true;
    else if (a == "--no-dump-end")
      f.noDumpEnd = true;
    else if (a == "--lose-replies")
      f.loseReplies = true;
    else if (a == "--bad-checksums")
      f.badChecksums = true;
    else if (a == "--garbage")
      f.garbage = true;
    else if (a == "--overlong")
      f.overlongLines = true;
    else if (a == "--slow")
      ok = number("milliseconds", 1, 10000) && (f.slowDelayMs = int(n), true);
    else if (a == "--drop-after")
      ok = number("a byte count", 0, 1L << 40) && (f.dropAfterBytes = n, true);
    else if (a == "--nul-bytes")
      f.nulBytes = true;
    else if (a == "--corrupt-copies")
      f.corruptCopies = true;
    else if (a == "--broken-fragments")
      f.brokenFragments = true;
    else if (a == "--wifi-never-ok")
      w.neverOk = true;
    else if (a == "--wifi-silent")
      w.silent = true;
    else if (a == "--wifi-lose-reply")
      ok = value("a command") && (w.loseReplyTo = *v, true);
    else if (a == "--wifi-stray-before")
      ok = value("a command") && (w.strayBefore = *v, true);
    else if (a == "--wifi-slow-link")
      ok = number("a query count", 0, 1000) && (w.slowLinkPolls = int(n), true);
    else if (a == "--wifi-scan-count")
      ok = number("a network count", 0, 1000) && (w.scanCount = int(n), true);
    else if (a == "--wifi-quoted-names")
      w.quotedScanFields = true;
    else if (a == "--wifi-malformed-scan")
      w.malformedScanFields = true;
    else if (a == "--wifi-firmware")
      ok = value("a version") && (w.firmware = *v, true);
    else if (a == "--wifi-dhcp-address")
      ok = value("an address") && (w.dhcpAddress = *v, true);
    else if (a == "--fleet")
      ok = number("a station count", 1, 2000) && (o.fleet = int(n), true);
    else if (a == "--line-rate")
      ok = number("a baud rate", 1200, 4000000) && (o.lineRate = int(n), true);
    else if (a == "-h" || a == "--help")
      o.help = true;
    else {
      error = "unknown option " + a;
      ok = false;
    }
    if (!ok) return false;
  }
  if (o.tcpPort >= 0 && !o.link.empty()) {
    error = "--link is for the pseudo-terminal, not with --tcp";
    return false;
  }
  return true;
}
