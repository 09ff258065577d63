// The reply log's lines and the change notice each edit sends.
#include "wifi/core/WiFiMemo.h"

const std::string& WiFiMemo::Line(int i) const {
  static const std::string empty;
  if (i < 0 || i >= LineCount()) return empty;
  return lines_[static_cast<size_t>(i)];
}

std::string WiFiMemo::Text() const {
  std::string all;
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (i) all += "\r\n";
    all += lines_[i];
  }
  return all;
}

bool WiFiMemo::TextContains(const std::string& needle) const {
  for (const auto& l : lines_)
    if (l.find(needle) != std::string::npos) return true;
  return needle.empty();
}

void WiFiMemo::Append(const std::string& line) {
  lines_.push_back(line);
  if (onChange) onChange(Change::Appended, line);
}

void WiFiMemo::DeleteFirst() {
  if (lines_.empty()) return;
  lines_.erase(lines_.begin());
  if (onChange) onChange(Change::FirstDeleted, {});
}

void WiFiMemo::Clear() {
  lines_.clear();
  if (onChange) onChange(Change::Cleared, {});
}
