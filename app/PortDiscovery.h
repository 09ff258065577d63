#pragma once
// Which serial ports the PC has, and which of them can be opened now.
#include <memory>
#include <string>
#include <vector>

struct SerialPortInfo {
  std::string path;          // what is opened: "/dev/ttyUSB0"
  std::string name;          // what the port box shows: "ttyUSB0"
  std::string friendlyName;  // from udev where it has one; may be empty
};

class PortDiscovery {
 public:
  virtual ~PortDiscovery() = default;
  // Present ports, naturally sorted by name, no two with the same path.
  virtual std::vector<SerialPortInfo> Enumerate() = 0;
  // True when the port could be opened exclusively at this moment.
  virtual bool Probe(const std::string& path) = 0;
};

// The PC's own ports: /sys/class/tty entries with a device link (friendly
// names from udev), plus those colon-separated paths of KVOR_SERIAL_PORTS
// that lead to something (a virtual port that has gone is not offered).
class SystemPortDiscovery : public PortDiscovery {
 public:
  std::vector<SerialPortInfo> Enumerate() override;
  bool Probe(const std::string& path) override;
};

// A fixed list (tests, and ports a caller knows of); probing is the real one.
class ListPortDiscovery : public PortDiscovery {
 public:
  explicit ListPortDiscovery(std::vector<std::string> paths) : paths_(std::move(paths)) {}
  std::vector<SerialPortInfo> Enumerate() override;
  bool Probe(const std::string& path) override;
  void SetPaths(std::vector<std::string> paths) { paths_ = std::move(paths); }

 private:
  std::vector<std::string> paths_;
};

// False only when nothing is at the path any more (a dangling link too);
// a path that cannot be looked at counts as there.
bool PortPathExists(const std::string& path);

// Opens the port as the serial component would (exclusive), then closes it.
bool ProbeSerialPort(const std::string& path);

// "ttyUSB2" before "ttyUSB10".
bool NaturalLess(const std::string& a, const std::string& b);

// The last component of a path as given ("/tmp/sim/port" -> "port").
std::string PortNameFromPath(const std::string& path);

// Sorts naturally by name and drops repeated paths (first kept).
void SortAndDedupPorts(std::vector<SerialPortInfo>& ports);

// Ports named by KVOR_SERIAL_PORTS (or the given text), in the order given.
std::vector<SerialPortInfo> PortsFromList(const std::string& colonSeparated);
