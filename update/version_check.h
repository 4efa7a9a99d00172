// The start-up version check: fetch the version page, keep its text and the
// latest version found on it in the program-wide texts, and open the update
// notice when that version is not ours. Every failure ends in an empty latest
// version, and so in the notice; nothing is shown or logged otherwise.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace quillo {

struct ProgramTexts;

namespace update {

inline constexpr std::string_view kUserAgent =
    "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";

// The page's bytes, or empty bytes when it could not be fetched.
using FetchPage = std::function<std::string(std::string_view address)>;

// The check's request, made by the fetch helper (platform/fetch_helper.h).
std::string fetchVersionPage(const std::string &fetchHelper, std::string_view address);

// Blocks until the page has been fetched or the fetch has failed.
void checkVersion(ProgramTexts &texts, const FetchPage &fetch,
                  const std::function<void()> &openNotice);

} // namespace update
} // namespace quillo
