// quillo-fetch ADDRESS USER_AGENT CONNECT_MS TOTAL_MS MAX_REDIRECTS MAX_BODY_BYTES ASKED_AT_MS
//
// Our HTTP client as a program (see fetch_helper.h): one GET, the body on
// standard output, nothing else. Quillo starts it; it is not meant for users.
#include "platform/fetch_helper.h"
#include "platform/http_client.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    using namespace quillo::platform;
    const auto request =
        parseFetchHelperArguments(std::vector<std::string_view>(argv + 1, argv + argc));
    if (!request) {
        std::fputs("usage: quillo-fetch ADDRESS USER_AGENT CONNECT_MS TOTAL_MS MAX_REDIRECTS "
                   "MAX_BODY_BYTES ASKED_AT_MS\n",
                   stderr);
        return 2;
    }
    const std::string body =
        fetchBody({.address = request->address, .userAgent = request->userAgent},
                  limitsLeft(request->limits, request->askedAt, monotonicNow()));
    const bool written = std::fwrite(body.data(), 1, body.size(), stdout) == body.size();
    return written && std::fflush(stdout) == 0 ? 0 : 1;
}
