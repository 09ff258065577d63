#pragma once
// The about box's read-me text, cut into memo lines.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::size_t kReadMeChunkChars = 499;

// The memo lines of a read-me text: one per line of the text (CR LF or LF
// ends a line and is dropped), a line longer than `maxChars` characters
// continuing in further memo lines. A character is never split.
std::vector<std::string> SplitReadMe(std::string_view text,
                                     std::size_t maxChars = kReadMeChunkChars);

// The memo lines of the read-me file at `path` (read in `codePage` when it is
// not UTF-8); nullopt when it cannot be read, so the memo keeps its lines.
std::optional<std::vector<std::string>> LoadReadMeLines(const std::string& path,
                                                        const std::string& codePage);
