// Our HTTP client: one blocking GET with libcurl that returns the body bytes.
// It always goes to the server (no cache is read or written), sends no
// referrer, cookies or credentials, follows redirects, and keeps a slow or
// hostile server within fixed bounds of time and memory. The status code is
// not examined: an error page's body is as good as any.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

namespace quillo::platform {

struct HttpLimits {
    std::chrono::milliseconds connectTimeout{3000};
    std::chrono::milliseconds totalTimeout{8000}; // the whole exchange, redirects included
    long maxRedirects = 5;                        // only to http and https
    std::size_t maxBodyBytes = std::size_t{1} << 20; // more is dropped as if the line broke
};

struct HttpGet {
    std::string_view address;
    std::string_view userAgent;
};

// An HTTP/1.0 GET. Returns the body received, also when the exchange broke
// off part way (the bytes up to the break); empty when nothing arrived.
// Honours the standard proxy variables (http_proxy, no_proxy, ...).
std::string fetchBody(const HttpGet &request, const HttpLimits &limits = {});

} // namespace quillo::platform
