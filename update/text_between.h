// Searching, cutting and trimming GBK text the way the version check reads
// the version page. GBK text is a byte string: ASCII bytes stand alone, a
// byte of 80 to FF leads a two-byte character. Positions count bytes from 1.
// Searches move from character to character, so a match never starts on the
// second byte of a two-byte character.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillo::update {

enum class LetterCase {
    Exact,
    IgnoreAscii, // A-Z match a-z, byte by byte; no other byte is folded
};

// "#引号" in GBK: inside a marker it stands for one double quote.
inline constexpr std::string_view kQuotePlaceholder = "#\xD2\xFD\xBA\xC5";

// The marker with every placeholder that starts on a character boundary
// replaced by a double quote, left to right, without rescanning.
std::string withQuotes(std::string_view marker);

// The 1-based position of needle in text, searching from `start` (below 1:
// the beginning); none when absent, when start lies past the end, or when
// the needle is empty.
std::optional<std::size_t> findText(std::string_view text, std::string_view needle,
                                    std::int32_t start, LetterCase letterCase);

// The text between the first left marker found from `start` and the first
// right marker after it; empty when either is missing.
std::string textBetween(std::string_view text, std::string_view left, std::string_view right,
                        std::int32_t start, LetterCase letterCase);

// Text without ASCII spaces and full-width spaces (A1 A1) at either end.
std::string trimSpaces(std::string_view text);

} // namespace quillo::update
