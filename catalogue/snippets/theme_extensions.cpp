// Group box "主题开发常用拓展功能": functions.php features for a theme.
#include "catalogue/snippets/snippet_tables.h"

#include "app/makers_site.h"

#include <array>

namespace quillo::snippets {

namespace {

constexpr int kGroup = 7;

// clang-format off
constexpr std::array kEntries{
    snippet(kGroup, 82, "获取文章第一张图片", {16, 24, 112, 32}, ""),
    snippet(kGroup, 83, "自动翻译标题为英文作为固定连接", {160, 24, 120, 32}, ""),
    snippet(kGroup, 84, "上一篇文章(带缩略图)", {312, 24, 80, 32}, ""),
    snippet(kGroup, 85, "下一篇文章(带缩略图)", {432, 24, 80, 32}, ""),
    snippet(kGroup, 86, "相关文章", {552, 26, 72, 24}, ""),
    snippet(kGroup, 87, "外部链接自动加nofollow", {656, 24, 96, 32}, ""),
    snippet(kGroup, 88, "图片自动alt标签", {16, 73, 112, 24}, ""),
    snippet(kGroup, 89, "搜索结果排除页面", {159, 73, 112, 32}, ""),
    snippet(kGroup, 90, "维护模式", {312, 73, 72, 24}, ""),
    snippet(kGroup, 91, "过滤HTTP 1.0的登录POST请求", {432, 73, 112, 32}, ""),
    snippet(kGroup, 92, "SMTP发邮件", {552, 73, 80, 32}, ""),
    snippet(kGroup, 93, "百度主动推送", {656, 73, 88, 32}, ""),
    snippet(kGroup, 94, "根据上传时间重命名文件", {16, 112, 104, 32}, ""),
    snippet(kGroup, 95, "搜索结果排除所有页面", {157, 114, 88, 32}, ""),
    snippet(kGroup, 96, "评论头像开启SSL", {312, 112, 80, 32}, ""),
    snippet(kGroup, 97, "输出文章特色图列表", {432, 112, 96, 40}, ""),
    snippet(kGroup, 98, "评论排行", {553, 120, 80, 24}, ""),
    SnippetEntry{99, "WP5.0+JS本地翻译(国际化)", kGroup, {656, 120, 96, 24}, EntryKind::Link, kArticlePage.view()},
};
// clang-format on

} // namespace

std::span<const SnippetEntry> themeExtensions()
{
    return kEntries;
}

} // namespace quillo::snippets
