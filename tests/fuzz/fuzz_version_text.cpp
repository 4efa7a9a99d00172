// libFuzzer target over the text side of the version check: the
// text-between routine with markers, start and letter case taken from the
// input, and the way from page bytes to the trimmed latest version. The
// sanitizers catch reads out of bounds; the checks below catch results that
// cannot be right.
//
// Input: [flags][start: 4 bytes, little endian][left length][right length]
// [left marker][right marker][text]. The text is also fed to the page path
// as the page's bytes.
#include "update/text_between.h"
#include "update/transcode.h"
#include "update/version_text.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

void check(bool ok)
{
    if (!ok)
        __builtin_trap();
}

std::string_view take(std::string_view &input, std::size_t count)
{
    const std::string_view out = input.substr(0, count);
    input.remove_prefix(out.size());
    return out;
}

unsigned char byteOf(std::string_view &input)
{
    const std::string_view b = take(input, 1);
    return b.empty() ? 0 : static_cast<unsigned char>(b[0]);
}

bool startsWithSpace(std::string_view text)
{
    return text.starts_with(' ') || text.starts_with("\xA1\xA1");
}

void checkTrim(std::string_view text)
{
    const std::string trimmed = quillo::update::trimSpaces(text);
    check(text.find(trimmed) != std::string_view::npos);
    check(!startsWithSpace(trimmed));
    check(quillo::update::trimSpaces(trimmed) == trimmed);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace quillo::update;
    const std::string_view whole(reinterpret_cast<const char *>(data), size);
    std::string_view input = whole;

    const unsigned char flags = byteOf(input);
    std::uint32_t startBits = 0;
    for (int i = 0; i < 4; ++i)
        startBits |= std::uint32_t{byteOf(input)} << (8 * i);
    const auto start = static_cast<std::int32_t>(startBits);
    const std::size_t leftLength = byteOf(input) % 32;
    const std::size_t rightLength = byteOf(input) % 16;
    // Copies of exactly their size, so reads past an end are seen.
    const std::string left(take(input, leftLength));
    const std::string right(take(input, rightLength));
    const std::string text(input);
    const LetterCase letterCase = flags & 1 ? LetterCase::IgnoreAscii : LetterCase::Exact;

    const std::string between = textBetween(text, left, right, start, letterCase);
    check(between.size() < text.size() || between.empty());
    check(text.find(between) != std::string::npos);
    if (const auto at = findText(text, withQuotes(left), start, letterCase))
        check(*at >= 1 && *at <= text.size());
    checkTrim(between);
    checkTrim(text);

    // The page path: whatever the converter keeps must turn back into the
    // page's bytes up to the first zero byte.
    const std::string page = pageTextFrom(text);
    check(page.find('\0') == std::string::npos);
    if (!page.empty())
        check(quillo::transcode(page, kWorkingEncoding, kPageEncoding)
              == std::string_view(text).substr(0, text.find('\0')));
    const std::string latest = latestVersionIn(page);
    check(page.find(latest) != std::string::npos);
    check(!startsWithSpace(latest));
    return 0;
}
