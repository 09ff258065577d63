#pragma once
// The recorded receiver traffic in tests/data, as the tests and benchmarks
// read it. A file that is missing or empty is reported by its path, so that a
// checkout without it fails plainly instead of testing nothing.
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace recorded {

// KVOR_DATA_DIR is the repository's tests/data, set by the build.
inline std::string Path() { return std::string(KVOR_DATA_DIR) + "/ais-nmea.log"; }

// The whole file as bytes; false with `error` saying why.
inline bool ReadBytes(std::string& bytes, std::string& error) {
  const std::string path = Path();
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot read the recorded traffic " + path + ": " +
            (errno ? std::strerror(errno) : "open failed");
    return false;
  }
  std::ostringstream all;
  all << in.rdbuf();
  bytes = all.str();
  if (bytes.empty()) {
    error = "the recorded traffic " + path + " is empty";
    return false;
  }
  return true;
}

// Its lines without line ends; false with `error` saying why.
inline bool ReadLines(std::vector<std::string>& lines, std::string& error) {
  std::string bytes;
  if (!ReadBytes(bytes, error)) return false;
  lines.clear();
  std::istringstream in(bytes);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return true;
}

}  // namespace recorded
