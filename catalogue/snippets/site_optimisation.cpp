// Group box "网站优化": functions.php code that trims a WordPress site.
#include "catalogue/snippets/snippet_tables.h"

#include <array>

namespace quillo::snippets {

namespace {

constexpr int kGroup = 6;

// clang-format off
constexpr std::array kEntries{
    snippet(kGroup, 72, "去除多余代码", {16, 20, 96, 24}, ""),
    snippet(kGroup, 73, "关闭提示", {152, 20, 80, 24}, ""),
    snippet(kGroup, 74, "禁用更新", {280, 20, 72, 24}, ""),
    snippet(kGroup, 75, "禁用文章自动保存", {392, 20, 88, 24}, ""),
    snippet(kGroup, 76, "禁用文章修订版本", {528, 20, 72, 24}, ""),
    snippet(kGroup, 77, "阻止站内文章互相Pingback", {648, 20, 104, 24}, ""),
    snippet(kGroup, 78, "禁用古腾堡编辑器", {16, 56, 88, 32}, ""),
    snippet(kGroup, 79, "禁止后台加载谷歌字体", {152, 56, 96, 32}, ""),
    snippet(kGroup, 80, "禁用表情", {280, 56, 72, 24}, ""),
    snippet(kGroup, 81, "随机评论头像", {392, 56, 88, 24}, ""),
};
// clang-format on

} // namespace

std::span<const SnippetEntry> siteOptimisation()
{
    return kEntries;
}

} // namespace quillo::snippets
