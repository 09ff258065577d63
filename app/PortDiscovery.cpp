// Serial ports found in /sys/class/tty (phantom 8250 UARTs left out) and in
// KVOR_SERIAL_PORTS, named through udev, sorted naturally, and probed by an
// open and a lock.
#include "app/PortDiscovery.h"

#include <libudev.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace fs = std::filesystem;

bool NaturalLess(const std::string& a, const std::string& b) {
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    const bool da = std::isdigit(static_cast<unsigned char>(a[i]));
    const bool db = std::isdigit(static_cast<unsigned char>(b[j]));
    if (da && db) {
      size_t ei = i, ej = j;
      while (ei < a.size() && std::isdigit(static_cast<unsigned char>(a[ei]))) ++ei;
      while (ej < b.size() && std::isdigit(static_cast<unsigned char>(b[ej]))) ++ej;
      // Compare the numbers by value without converting (no overflow).
      size_t si = i, sj = j;
      while (si + 1 < ei && a[si] == '0') ++si;
      while (sj + 1 < ej && b[sj] == '0') ++sj;
      const size_t li = ei - si, lj = ej - sj;
      if (li != lj) return li < lj;
      const int c = a.compare(si, li, b, sj, lj);
      if (c != 0) return c < 0;
      i = ei;
      j = ej;
      continue;
    }
    if (a[i] != b[j]) return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]);
    ++i;
    ++j;
  }
  if (a.size() - i != b.size() - j) return a.size() - i < b.size() - j;
  return a < b;
}

std::string PortNameFromPath(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

void SortAndDedupPorts(std::vector<SerialPortInfo>& ports) {
  std::vector<SerialPortInfo> kept;
  std::set<std::string> seen;
  for (auto& p : ports)
    if (!p.path.empty() && seen.insert(p.path).second) kept.push_back(std::move(p));
  std::stable_sort(kept.begin(), kept.end(), [](const SerialPortInfo& x, const SerialPortInfo& y) {
    return NaturalLess(x.name, y.name);
  });
  ports = std::move(kept);
}

std::vector<SerialPortInfo> PortsFromList(const std::string& colonSeparated) {
  std::vector<SerialPortInfo> ports;
  size_t start = 0;
  while (start <= colonSeparated.size()) {
    size_t end = colonSeparated.find(':', start);
    if (end == std::string::npos) end = colonSeparated.size();
    std::string path = colonSeparated.substr(start, end - start);
    if (!path.empty()) ports.push_back({path, PortNameFromPath(path), {}});
    start = end + 1;
  }
  return ports;
}

bool PortPathExists(const std::string& path) {
  std::error_code ec;
  (void)fs::status(path, ec);
  return !(ec == std::errc::no_such_file_or_directory || ec == std::errc::not_a_directory);
}

bool ProbeSerialPort(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  // Another program holding the port holds this lock (the serial component
  // takes it too); TIOCEXCL already refused the open above for non-root.
  const bool free = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
  ::close(fd);
  return free;
}

namespace {

std::string ReadFirstLine(const fs::path& file) {
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);
  return line;
}

// The 8250 driver registers ports that have no UART behind them; their
// "type" reads 0 (unknown). Everything else with a device link is a port.
bool IsPhantomUart(const fs::path& entry) {
  std::error_code ec;
  if (!fs::exists(entry / "type", ec)) return false;
  return ReadFirstLine(entry / "type") == "0";
}

std::string FriendlyName(struct udev* udev, const std::string& name) {
  if (!udev) return {};
  struct udev_device* dev = udev_device_new_from_subsystem_sysname(udev, "tty", name.c_str());
  if (!dev) return {};
  std::string text;
  for (const char* key : {"ID_MODEL_FROM_DATABASE", "ID_MODEL"}) {
    if (const char* v = udev_device_get_property_value(dev, key)) {
      text = v;
      break;
    }
  }
  udev_device_unref(dev);
  if (!text.empty()) text += " (" + name + ")";
  return text;
}

}  // namespace

std::vector<SerialPortInfo> SystemPortDiscovery::Enumerate() {
  std::vector<SerialPortInfo> ports;
  struct udev* udev = udev_new();
  std::error_code ec;
  fs::directory_iterator it("/sys/class/tty", ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    // One entry that cannot be read is skipped; the others still count.
    std::error_code entryEc;
    const fs::path entry = it->path();
    if (!fs::exists(entry / "device", entryEc) || entryEc) continue;
    if (IsPhantomUart(entry)) continue;
    const std::string name = entry.filename().string();
    const std::string path = "/dev/" + name;
    if (!fs::exists(path, entryEc)) continue;
    ports.push_back({path, name, FriendlyName(udev, name)});
  }
  if (udev) udev_unref(udev);
  if (const char* extra = std::getenv("KVOR_SERIAL_PORTS")) {
    for (auto& p : PortsFromList(extra))
      if (PortPathExists(p.path)) ports.push_back(std::move(p));
  }
  SortAndDedupPorts(ports);
  return ports;
}

bool SystemPortDiscovery::Probe(const std::string& path) { return ProbeSerialPort(path); }

std::vector<SerialPortInfo> ListPortDiscovery::Enumerate() {
  std::vector<SerialPortInfo> ports;
  for (const auto& p : paths_) ports.push_back({p, PortNameFromPath(p), {}});
  SortAndDedupPorts(ports);
  return ports;
}

bool ListPortDiscovery::Probe(const std::string& path) { return ProbeSerialPort(path); }
