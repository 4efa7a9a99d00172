#include "update/text_between.h"

#include <algorithm>

namespace quillo::update {

namespace {

constexpr std::string_view kFullWidthSpace = "\xA1\xA1";

bool isLeadByte(char byte)
{
    return static_cast<unsigned char>(byte) >= 0x80;
}

// The byte count of the character starting at `at`; a lead byte that ends
// the text counts alone.
std::size_t characterLength(std::string_view text, std::size_t at)
{
    return isLeadByte(text[at]) && at + 1 < text.size() ? 2 : 1;
}

// Not tolower(): a locale could fold bytes above 7F, and those are halves of
// two-byte characters.
char foldAscii(char byte)
{
    return byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte - 'A' + 'a') : byte;
}

bool matchesAt(std::string_view text, std::size_t at, std::string_view needle,
               LetterCase letterCase)
{
    if (text.size() - at < needle.size())
        return false;
    for (std::size_t i = 0; i < needle.size(); ++i) {
        const char a = text[at + i];
        const char b = needle[i];
        if (letterCase == LetterCase::IgnoreAscii ? foldAscii(a) != foldAscii(b) : a != b)
            return false;
    }
    return true;
}

// 0-based offset of the first match at a character boundary counted from
// `from`.
std::optional<std::size_t> findFrom(std::string_view text, std::string_view needle,
                                    std::size_t from, LetterCase letterCase)
{
    if (needle.empty())
        return std::nullopt;
    for (std::size_t at = from; at < text.size();) {
        if (matchesAt(text, at, needle, letterCase))
            return at;
        // A lead byte as the last byte steps past the end.
        at += isLeadByte(text[at]) ? 2 : 1;
    }
    return std::nullopt;
}

std::size_t offsetOf(std::int32_t start)
{
    return start < 1 ? 0 : static_cast<std::size_t>(start) - 1;
}

bool isSpaceCharacter(std::string_view character)
{
    return character == " " || character == kFullWidthSpace;
}

} // namespace

std::string withQuotes(std::string_view marker)
{
    std::string out;
    out.reserve(marker.size());
    for (std::size_t at = 0; at < marker.size();) {
        if (marker.substr(at).starts_with(kQuotePlaceholder)) {
            out += '"';
            at += kQuotePlaceholder.size();
            continue;
        }
        const std::size_t length = characterLength(marker, at);
        out.append(marker.substr(at, length));
        at += length;
    }
    return out;
}

std::optional<std::size_t> findText(std::string_view text, std::string_view needle,
                                    std::int32_t start, LetterCase letterCase)
{
    const auto found = findFrom(text, needle, offsetOf(start), letterCase);
    return found ? std::optional(*found + 1) : std::nullopt;
}

std::string textBetween(std::string_view text, std::string_view left, std::string_view right,
                        std::int32_t start, LetterCase letterCase)
{
    const std::string leftMarker = withQuotes(left);
    const std::string rightMarker = withQuotes(right);
    const auto leftAt = findFrom(text, leftMarker, offsetOf(start), letterCase);
    if (!leftAt)
        return {};
    const std::size_t middle = *leftAt + leftMarker.size();
    const auto rightAt = findFrom(text, rightMarker, middle, letterCase);
    if (!rightAt)
        return {};
    return std::string(text.substr(middle, *rightAt - middle));
}

std::string trimSpaces(std::string_view text)
{
    // Walk the characters from the start: from the end alone, A1 A1 could be
    // the second half of one character and the first half of the next.
    std::size_t first = text.size();
    std::size_t end = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = characterLength(text, at);
        if (!isSpaceCharacter(text.substr(at, length))) {
            first = std::min(first, at);
            end = at + length;
        }
        at += length;
    }
    return first < end ? std::string(text.substr(first, end - first)) : std::string();
}

} // namespace quillo::update
