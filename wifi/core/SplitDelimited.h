#pragma once
// Splitting the Wi-Fi module's replies into fields: the scan's network lines
// and the address answers.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Splits a delimited text into fields, double quote as the quote character
// ("" inside quotes is one quote). Strict: only the delimiter separates and a
// quoted field must be closed and followed by the delimiter or the end;
// anything else is malformed (nullopt). Not strict: blanks (1-32) also end a
// field and are skipped around fields, and a quote left open runs to the end.
// An empty text has no fields; a trailing delimiter adds an empty field.
std::optional<std::vector<std::string>> SplitDelimited(std::string_view text, char delimiter,
                                                       bool strict);
