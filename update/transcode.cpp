#include "update/transcode.h"

#include <cerrno>
#include <iconv.h>

namespace quillo {

std::string transcode(std::string_view bytes, const char *from, const char *to)
{
    if (bytes.empty())
        return {};
    const iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return {};
    std::string out(bytes.size() * 2 + 16, '\0');
    char *in = const_cast<char *>(bytes.data());
    std::size_t inLeft = bytes.size();
    std::size_t written = 0;
    bool ok = true;
    while (inLeft > 0) {
        char *outAt = out.data() + written;
        std::size_t outLeft = out.size() - written;
        const std::size_t result = iconv(cd, &in, &inLeft, &outAt, &outLeft);
        written = out.size() - outLeft;
        if (result == static_cast<std::size_t>(-1) && errno == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        // glibc counts characters it could not convert exactly in the
        // result instead of failing; either way the whole result goes.
        if (result != 0) {
            ok = false;
            break;
        }
    }
    iconv_close(cd);
    if (!ok)
        return {};
    out.resize(written);
    return out;
}

} // namespace quillo
