#pragma once
// The Wi-Fi set-up's reply log, kept apart from the widget that mirrors it.
#include <functional>
#include <string>
#include <vector>

// The reply log: every line received on the serial link, in order. The reply
// parsers read it at fixed line positions; every change is reported so that
// they can run and the page's memo can mirror it.
class WiFiMemo {
 public:
  enum class Change { Appended, FirstDeleted, Cleared };
  std::function<void(Change, const std::string&)> onChange;

  int LineCount() const { return static_cast<int>(lines_.size()); }
  // A line past the last one reads as empty, so a test on it simply fails.
  const std::string& Line(int i) const;
  // The whole text, lines joined by CR LF.
  std::string Text() const;
  bool TextContains(const std::string& needle) const;

  void Append(const std::string& line);
  void DeleteFirst();
  void Clear();

 private:
  std::vector<std::string> lines_;
};
