#include "platform/http_client.h"

#include <curl/curl.h>

#include <algorithm>
#include <memory>

namespace quillo::platform {

namespace {

struct Body {
    std::string bytes;
    std::size_t limit;
};

std::size_t receive(char *data, std::size_t size, std::size_t count, void *userData)
{
    auto *body = static_cast<Body *>(userData);
    const std::size_t length = size * count;
    const std::size_t room = body->limit - body->bytes.size();
    body->bytes.append(data, std::min(length, room));
    // Taking less than offered makes libcurl abort the transfer there.
    return length <= room ? length : 0;
}

struct EasyDeleter {
    void operator()(CURL *handle) const { curl_easy_cleanup(handle); }
};
struct ListDeleter {
    void operator()(curl_slist *list) const { curl_slist_free_all(list); }
};

} // namespace

std::string fetchBody(const HttpGet &request, const HttpLimits &limits)
{
    const std::unique_ptr<CURL, EasyDeleter> curl(curl_easy_init());
    if (!curl)
        return {};
    CURL *const handle = curl.get();

    // No Accept-Encoding is offered, so the body limit counts what we keep,
    // never a compressed size.
    curl_slist *list = nullptr;
    for (const char *header : {"Accept: */*", "Pragma: no-cache", "Cache-Control: no-cache"}) {
        curl_slist *const longer = curl_slist_append(list, header);
        if (!longer) {
            curl_slist_free_all(list);
            return {};
        }
        list = longer;
    }
    const std::unique_ptr<curl_slist, ListDeleter> headers(list);

    const std::string address(request.address);
    const std::string userAgent(request.userAgent);
    Body body{{}, limits.maxBodyBytes};

    bool ok = true;
    const auto set = [&](CURLoption option, auto value) {
        ok = ok && curl_easy_setopt(handle, option, value) == CURLE_OK;
    };
    set(CURLOPT_URL, address.c_str());
    set(CURLOPT_HTTPGET, 1L);
    set(CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
    set(CURLOPT_USERAGENT, userAgent.c_str());
    set(CURLOPT_HTTPHEADER, headers.get());
    set(CURLOPT_PROTOCOLS_STR, "http,https");
    set(CURLOPT_FOLLOWLOCATION, 1L);
    set(CURLOPT_MAXREDIRS, limits.maxRedirects);
    set(CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    set(CURLOPT_AUTOREFERER, 0L);
    set(CURLOPT_NETRC, static_cast<long>(CURL_NETRC_IGNORED));
    set(CURLOPT_UNRESTRICTED_AUTH, 0L);
    set(CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.connectTimeout.count()));
    set(CURLOPT_TIMEOUT_MS, static_cast<long>(limits.totalTimeout.count()));
    // Time-outs without SIGALRM: we are a GUI program with other threads.
    set(CURLOPT_NOSIGNAL, 1L);
    set(CURLOPT_WRITEFUNCTION, &receive);
    set(CURLOPT_WRITEDATA, &body);
    if (!ok)
        return {};

    // Whatever the outcome, the bytes that arrived are the answer.
    curl_easy_perform(handle);
    return std::move(body.bytes);
}

} // namespace quillo::platform
