#include "update/version_text.h"

#include "update/text_between.h"
#include "update/transcode.h"

namespace quillo::update {

std::string pageTextFrom(std::string_view pageBytes)
{
    std::string text = transcode(pageBytes, kPageEncoding, kWorkingEncoding);
    if (const std::size_t zero = text.find('\0'); zero != std::string::npos)
        text.resize(zero);
    return text;
}

std::string latestVersionIn(std::string_view pageText)
{
    return trimSpaces(
        textBetween(pageText, kVersionLeftMarker, kVersionRightMarker, 0, LetterCase::Exact));
}

bool isOwnVersion(std::string_view latestVersion)
{
    return latestVersion == kOwnVersion;
}

} // namespace quillo::update
