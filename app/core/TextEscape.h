#pragma once
// Texts inside proprietary configuration sentences: bytes that would break
// the sentence travel as '^' and two upper-case hexadecimal digits.
#include <string>

// True for a byte that must travel escaped.
bool IsReservedChar(unsigned char c);

// The escaped form of in (a 16-byte text needs at most 48 bytes).
std::string EscapeText(const std::string& in);

// Decodes text in place; false (text unchanged) when it holds no '^'.
// Only the first 200 bytes are taken. A '^' not followed by two upper-case
// hexadecimal digits is kept as it is; "^00" ends the text, as the device's
// zero-terminated texts do.
bool UnescapeText(std::string& text);
