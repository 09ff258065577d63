#pragma once
// The Wi-Fi module behind the transponder: while pass-through is on, every
// line the simulator receives goes here and the lines returned are sent back.
#include <string>
#include <vector>

class PassThroughHandler {
 public:
  virtual ~PassThroughHandler() = default;
  // line comes without its CR LF; each reply is sent with CR LF appended.
  virtual std::vector<std::string> OnLine(const std::string& line) = 0;
  // Pass-through has begun: what the module sends first.
  virtual std::vector<std::string> OnEnter() { return {}; }
};
