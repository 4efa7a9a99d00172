// Group box "网站统计功能": one-line blocks that each print one site figure.
#include "catalogue/snippets/snippet_tables.h"

#include <array>

namespace quillo::snippets {

namespace {

constexpr int kGroup = 5;

// clang-format off
constexpr std::array kEntries{
    snippet(kGroup, 62, "日志总数", {8, 24, 72, 16}, ""),
    snippet(kGroup, 63, "草稿数目", {100, 22, 80, 23}, ""),
    snippet(kGroup, 64, "评论总数", {184, 24, 80, 24}, ""),
    snippet(kGroup, 65, "成立时间", {273, 24, 74, 24}, ""),
    snippet(kGroup, 66, "标签总数", {366, 24, 72, 24}, ""),
    snippet(kGroup, 67, "页面总数", {468, 24, 72, 24}, ""),
    snippet(kGroup, 68, "分类总数", {572, 24, 72, 24}, ""),
    snippet(kGroup, 69, "链接总数", {673, 24, 72, 24}, ""),
    snippet(kGroup, 70, "用户总数", {8, 48, 72, 24}, ""),
    snippet(kGroup, 71, "最后更新", {99, 48, 72, 24}, ""),
};
// clang-format on

} // namespace

std::span<const SnippetEntry> siteStatistics()
{
    return kEntries;
}

} // namespace quillo::snippets
