// Group box "头部常用函数": one-line template tags for header.php.
#include "catalogue/snippets/snippet_tables.h"

#include <array>

namespace quillo::snippets {

namespace {

constexpr int kGroup = 1;

// clang-format off
constexpr std::array kEntries{
    snippet(kGroup, 1, "博客名称", {5, 17, 73, 17}, R"(<?php bloginfo('name'); ?>)"),
    snippet(kGroup, 2, "站点描述", {98, 17, 75, 17}, R"(<?php bloginfo('description'); ?>)"),
    snippet(kGroup, 3, "站点根链接", {194, 17, 80, 17}, R"(<?php site_url(); ?>)"),
    snippet(kGroup, 4, "文章或页面标题", {298, 18, 104, 17}, R"(<?php wp_title(); ?>)"),
    snippet(kGroup, 5, "style所在目录", {430, 17, 104, 17}, R"(<?php get_stylesheet_directory(); ?>)"),
    snippet(kGroup, 6, "style路径", {558, 17, 80, 17}, R"(<?php bloginfo('stylesheet_url'); ?>)"),
    snippet(kGroup, 7, "pingback 链接", {661, 17, 103, 17}, R"(<?php bloginfo('pingback_url'); ?>)"),
    snippet(kGroup, 8, "主题路径", {6, 42, 88, 17}, R"(<?php bloginfo('template_url'); ?>)"),
    snippet(kGroup, 9, "WP版本", {298, 42, 67, 17}, R"(<?php bloginfo('version'); ?>)"),
    snippet(kGroup, 10, "atom 链接", {429, 42, 88, 17}, R"(<?php bloginfo('atom_url'); ?>)"),
    snippet(kGroup, 11, "rss2 链接", {193, 42, 80, 17}, R"(<?php bloginfo('rss2_url'); ?>)"),
    snippet(kGroup, 12, "博客域名", {558, 42, 72, 17}, R"(<?php bloginfo('url'); ?>)"),
    snippet(kGroup, 13, "html版本", {661, 42, 88, 17}, R"(<?php bloginfo('html_type'); ?>)"),
    snippet(kGroup, 14, "字符集", {98, 42, 72, 17}, R"(<?php bloginfo('charset'); ?>)"),
};
// clang-format on

} // namespace

std::span<const SnippetEntry> headerFunctions()
{
    return kEntries;
}

} // namespace quillo::snippets
