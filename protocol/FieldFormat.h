#pragma once
// printf-like field formatting without the C locale: a German locale must not
// turn "2.50" into "2,50" on the wire.
#include <cstddef>
#include <string>

void AppendInt(std::string& out, long long value, int width = 0);  // zero-padded to width
void AppendFixed(std::string& out, double value, int precision, int zeroWidth = 0);
void AppendChar(std::string& out, char c);  // NUL and 128 give an empty field
// False when a text would break the sentence's framing (control characters,
// or one of , * $ !).
bool AppendText(std::string& out, const char* text, std::size_t capacity);
