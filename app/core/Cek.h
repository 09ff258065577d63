#pragma once
// The encryption key as it travels in a CEK sentence's key field.
#include <cstdint>
#include <optional>
#include <string>

// The key text of an encryption-key report: the hexadecimal key field decoded
// two digits at a time (an odd last digit alone, decoding stops at the first
// non-hexadecimal character), up to 16 leading zero bytes skipped, ending at
// the first zero byte. nullopt for a report that is not of sentence type 'R'
// or a formatter that is not CEK.
std::optional<std::string> DecodeCekKey(const std::string& formatter, const std::string& keyHex,
                                        char sentenceType);

// The key field of an outgoing CEK sentence: "%02X" of each byte.
std::string EncodeCekKey(const std::string& key);
