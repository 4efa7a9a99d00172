// The HTTP exchange in a process of its own. quillo-fetch is our HTTP client
// as a small program: it takes one request on its command line and writes
// the body to its standard output. libcurl and the thirty-odd libraries under
// it load in that process, on another core, while Qt starts here; linked into
// the program they would cost every start some 15 ms before main().
#pragma once

#include "platform/http_client.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillo::platform {

// The helper's installed place, relative to the program's own folder.
inline constexpr std::string_view kFetchHelperFromProgram = QUILLO_FETCH_FROM_BINDIR;
inline constexpr std::string_view kFetchHelperName = "quillo-fetch";

// The helper for a program in programFolder: its installed place, else next
// to the program (a build tree). Empty when neither is an executable file.
std::string fetchHelperFor(const std::string &programFolder);

// fetchHelperFor() the running program.
std::string fetchHelper();

// The time limits count from the moment the program asks, not from the
// helper's own start: the helper is told when that was, on the system-wide
// monotonic clock, in milliseconds.
std::chrono::milliseconds monotonicNow();

struct FetchHelperRequest {
    std::string address;
    std::string userAgent;
    HttpLimits limits;
    std::chrono::milliseconds askedAt{0};
};

// The helper's command line for one request.
std::vector<std::string> fetchHelperArguments(const HttpGet &request, const HttpLimits &limits,
                                              std::chrono::milliseconds askedAt);

// Reads the request back from that command line (without the program name);
// empty when it is not one.
std::optional<FetchHelperRequest> parseFetchHelperArguments(
    const std::vector<std::string_view> &arguments);

// The limits left at `now` for a request asked at `askedAt`: both time-outs
// shortened by the time gone, never below a millisecond (zero would mean
// none to libcurl).
HttpLimits limitsLeft(const HttpLimits &limits, std::chrono::milliseconds askedAt,
                      std::chrono::milliseconds now);

// fetchBody() through the helper: the same bytes, the same limits. Empty when
// the helper cannot be started. A helper that outlives the time limit (plus a
// second's grace) is killed, and what it wrote until then counts.
std::string fetchBodyWithHelper(const std::string &helper, const HttpGet &request,
                                const HttpLimits &limits = {});

} // namespace quillo::platform
