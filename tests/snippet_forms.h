// The forms a snippet text is measured in: as the code box holds it (UTF-8,
// "\n" between lines) and as the catalogue was written (GBK, CR LF).
#pragma once

#include "update/transcode.h"

#include <string>
#include <string_view>

namespace quillo::test {

inline std::string withCrLf(std::string_view text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

inline std::string gbkCrLf(std::string_view utf8)
{
    return transcode(withCrLf(utf8), "UTF-8", "GBK");
}

} // namespace quillo::test
