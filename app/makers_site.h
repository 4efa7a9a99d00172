// The makers' web site: the one host name, and every address and text that
// carries it. Joined at compile time so each address stays a plain constant.
#pragma once

#include <cstddef>
#include <string_view>

namespace quillo {

namespace detail {

template <std::size_t N>
struct JoinedText {
    char chars[N]{};
    constexpr std::string_view view() const { return {chars, N - 1}; }
};

template <std::size_t... N>
constexpr auto join(const char (&...parts)[N])
{
    JoinedText<(N + ...) - sizeof...(N) + 1> out;
    std::size_t at = 0;
    ((at = [&](const char *part, std::size_t size) {
          for (std::size_t i = 0; i + 1 < size; ++i)
              out.chars[at + i] = part[i];
          return at + size - 1;
      }(parts, N)),
     ...);
    return out;
}

} // namespace detail

inline constexpr char kMakersHost[] = "www.quillo.example";

inline constexpr auto kTitleText = detail::join("Quillo - Tessaly ", kMakersHost, " 出品");
inline constexpr auto kProductPage = detail::join("http://", kMakersHost, "/quillo-tessaly.html");
inline constexpr auto kArticlePage =
    detail::join("http://", kMakersHost, "/wordpress-5-0-javascript-local.html");
// The QQ group's invitation goes through the makers' site, so it stays
// under the one host.
inline constexpr auto kChatGroupInvitation = detail::join("http://", kMakersHost, "/qq-group.html");

} // namespace quillo
