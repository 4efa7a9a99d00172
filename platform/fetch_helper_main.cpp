// quillo-fetch ADDRESS USER_AGENT CONNECT_MS TOTAL_MS MAX_REDIRECTS MAX_BODY_BYTES
//
// Our HTTP client as a program (see fetch_helper.h): one GET, the body on
// standard output, nothing else. Quillo starts it; it is not meant for users.
#include "platform/fetch_helper.h"
#include "platform/http_client.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    std::vector<std::string_view> arguments(argv + 1, argv + argc);
    std::string address;
    std::string userAgent;
    quillo::platform::HttpLimits limits;
    if (!quillo::platform::parseFetchHelperArguments(arguments, address, userAgent, limits)) {
        std::fputs("usage: quillo-fetch ADDRESS USER_AGENT CONNECT_MS TOTAL_MS MAX_REDIRECTS "
                   "MAX_BODY_BYTES\n",
                   stderr);
        return 2;
    }
    const std::string body = quillo::platform::fetchBody({.address = address, .userAgent = userAgent},
                                                         limits);
    return std::fwrite(body.data(), 1, body.size(), stdout) == body.size() && std::fflush(stdout) == 0
               ? 0
               : 1;
}
