// From the version page's bytes to the latest version: transcoding, the cut
// at the first zero byte, the text between the markers, the trim, and the
// comparison with our own version. No network and no widgets here.
#pragma once

#include <string>
#include <string_view>

namespace quillo::update {

inline constexpr std::string_view kOwnVersion = "1.0";
// "版本号:" in GBK, with an ASCII colon.
inline constexpr std::string_view kVersionLeftMarker = "\xB0\xE6\xB1\xBE\xBA\xC5:";
// "。" in GBK.
inline constexpr std::string_view kVersionRightMarker = "\xA1\xA3";
inline constexpr char kPageEncoding[] = "UTF-8";
inline constexpr char kWorkingEncoding[] = "GB2312";

// The page as GBK text: all of it converted, or nothing, and then only the
// part before the first zero byte.
std::string pageTextFrom(std::string_view pageBytes);

// The trimmed text between the markers; empty when they are not there.
std::string latestVersionIn(std::string_view pageText);

// Byte for byte, letter case included.
bool isOwnVersion(std::string_view latestVersion);

} // namespace quillo::update
