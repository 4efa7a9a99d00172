// Group box "模板函数": template tags used inside templates and the loop.
#include "catalogue/snippets/snippet_tables.h"

#include <array>

namespace quillo::snippets {

namespace {

constexpr int kGroup = 3;

// clang-format off
constexpr std::array kEntries{
    snippet(kGroup, 19, "日志或页面的标题", {16, 24, 120, 16}, ""),
    snippet(kGroup, 20, "日志内容", {165, 24, 72, 16}, ""),
    snippet(kGroup, 21, "日志或页面的URL地址", {310, 24, 136, 16}, ""),
    snippet(kGroup, 22, "主循环样式一", {490, 24, 120, 16}, ""),
    snippet(kGroup, 23, "主循环样式二", {648, 24, 96, 16}, ""),
    snippet(kGroup, 24, "header.php内容", {648, 176, 113, 16}, ""),
    snippet(kGroup, 25, "sidebar.php内容", {165, 176, 115, 16}, ""),
    snippet(kGroup, 26, "footer.php内容", {310, 176, 112, 16}, ""),
    snippet(kGroup, 27, "comments.php内容", {490, 176, 120, 16}, ""),
    snippet(kGroup, 28, "显示日期", {16, 49, 80, 16}, ""),
    snippet(kGroup, 29, "日志的留言链接", {165, 49, 104, 16}, ""),
    snippet(kGroup, 30, "显示日志或页面所属分类", {310, 49, 128, 24}, ""),
    snippet(kGroup, 31, "显示一篇日志或页面的作者", {490, 49, 144, 24}, ""),
    snippet(kGroup, 32, "显示一篇日志或页面的ID", {648, 49, 104, 23}, ""),
    snippet(kGroup, 33, "显示一篇日志或页面的编辑链接", {16, 75, 120, 24}, ""),
    snippet(kGroup, 34, "显示Blogroll中的链接", {165, 75, 96, 24}, ""),
    snippet(kGroup, 35, "显示一份博客的页面列表", {310, 75, 136, 24}, ""),
    snippet(kGroup, 36, "显示一份博客的分类列表", {490, 75, 144, 30}, ""),
    snippet(kGroup, 37, "下一篇日志的URL地址", {648, 75, 112, 24}, ""),
    snippet(kGroup, 38, "上一篇日志的URL地址", {16, 106, 112, 24}, ""),
    snippet(kGroup, 39, "调用日历", {165, 106, 75, 24}, ""),
    snippet(kGroup, 40, "显示一份博客的日期存档列表", {310, 106, 136, 32}, ""),
    snippet(kGroup, 41, "显示上一页和下一页(分页)", {490, 106, 120, 24}, ""),
    snippet(kGroup, 42, "搜索表单返回的值", {648, 106, 120, 24}, ""),
    snippet(kGroup, 43, "返回翻译之后的文本", {16, 140, 112, 26}, ""),
    snippet(kGroup, 44, "注册链接", {165, 140, 75, 24}, ""),
    snippet(kGroup, 45, "登录/登出链接", {310, 140, 120, 24}, ""),
    snippet(kGroup, 46, "管理员的相关控制信息", {490, 140, 112, 24}, ""),
    snippet(kGroup, 47, "显示载入页面的时间", {648, 140, 104, 24}, ""),
    snippet(kGroup, 48, "显示载入页面查询", {16, 176, 96, 24}, ""),
};
// clang-format on

} // namespace

std::span<const SnippetEntry> templateFunctions()
{
    return kEntries;
}

} // namespace quillo::snippets
