// Converting bytes between encodings with the C library's iconv, all or
// nothing: invalid input, input that ends inside a character, or a character
// the target encoding lacks gives empty bytes, never a partial result.
#pragma once

#include <string>
#include <string_view>

namespace quillo {

std::string transcode(std::string_view bytes, const char *from, const char *to);

} // namespace quillo
