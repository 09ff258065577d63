#pragma once
#include <cstdint>
#include <string_view>

// Decimal text to a number as the device's fields are read: leading blanks,
// an optional sign, digits up to the first other character; 0 without digits.
// Saturates instead of overflowing.
int32_t FieldToInt32(std::string_view text);
