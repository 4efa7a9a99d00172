// The forms a snippet text is measured in: as the code box holds it (UTF-8,
// "\n" between lines) and as the catalogue was written (GBK, CR LF).
#pragma once

#include "catalogue/catalogue_layout.h"
#include "update/transcode.h"

#include <string>
#include <string_view>
#include <vector>

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

// Entry N's lines; a final line end starts no further line.
inline std::vector<std::string> linesOf(int entry)
{
    std::vector<std::string> lines;
    std::string_view text = catalogueEntry(entry)->text;
    if (text.ends_with('\n'))
        text.remove_suffix(1);
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        lines.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos)
            return lines;
        start = end + 1;
    }
}

} // namespace quillo::test
