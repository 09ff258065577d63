#pragma once
// Cuts a link's bytes into lines. NUL and CR are dropped and LF ends a line.
// A run without LF is handed on when it reaches kLimit bytes, and the rest of
// it, up to the next LF, is skipped.
#include <cstddef>
#include <string>
#include <string_view>

class LineCutter {
 public:
  static constexpr std::size_t kLimit = 1024;

  // Hands each finished line to onLine(std::string&). The line is already out
  // of the cutter then, so onLine may Drop() for a new session. Returns false,
  // and leaves the rest of the bytes unread, as soon as onLine returns false.
  template <class OnLine>
  bool Feed(std::string_view bytes, OnLine&& onLine) {
    for (const char c : bytes) {
      if (c == '\0' || c == '\r') continue;
      if (c == '\n') {
        if (skipping_) {
          skipping_ = false;
          line_.clear();
          continue;
        }
        std::string finished = Take();
        if (!onLine(finished)) return false;
        continue;
      }
      if (skipping_) continue;
      line_.push_back(c);
      if (line_.size() >= kLimit) {
        std::string finished = Take();
        skipping_ = true;
        if (!onLine(finished)) return false;
      }
    }
    return true;
  }

  // Forgets the line being received; with skipRest, everything up to the
  // next LF goes too (its start was lost).
  void Drop(bool skipRest = false) {
    line_.clear();
    skipping_ = skipRest;
  }

  const std::string& Partial() const { return line_; }

 private:
  std::string Take() {
    std::string taken = std::move(line_);
    line_.clear();
    return taken;
  }

  std::string line_;
  bool skipping_ = false;
};
