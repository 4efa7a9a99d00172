// Group box "判断标签": conditional tags, each the bare call inside a PHP tag.
#include "catalogue/snippets/snippet_tables.h"

#include <array>

namespace quillo::snippets {

namespace {

constexpr int kGroup = 4;

// clang-format off
constexpr std::array kEntries{
    snippet(kGroup, 49, "是否为首页", {7, 26, 80, 25}, R"(<?php is_home(); ?>)"),
    snippet(kGroup, 50, "判断第二页", {120, 24, 80, 25}, R"(<?php is_paged(); ?>)"),
    snippet(kGroup, 51, "是否为文章页面", {231, 24, 104, 25}, R"(<?php is_single(); ?>)"),
    snippet(kGroup, 52, "是否为page", {7, 86, 88, 24}, R"(<?php is_page(); ?>)"),
    snippet(kGroup, 53, "是否为分类", {386, 24, 80, 25}, R"(<?php is_category(); ?>)"),
    snippet(kGroup, 54, "是否为存档页面", {513, 24, 104, 25}, R"(<?php is_archive(); ?>)"),
    snippet(kGroup, 55, "是否为搜索面", {7, 60, 96, 15}, R"(<?php is_search(); ?>)"),
    snippet(kGroup, 56, "是否为404", {655, 24, 88, 25}, R"(<?php is_404(); ?>)"),
    snippet(kGroup, 57, "是否为标签页面", {230, 60, 104, 16}, R"(<?php is_tag(); ?>)"),
    snippet(kGroup, 58, "是否为日期存档页面", {384, 56, 96, 28}, R"(<?php is_date(); ?>)"),
    snippet(kGroup, 59, "是否为年份存档页面", {515, 57, 100, 28}, R"(<?php is_year(); ?>)"),
    snippet(kGroup, 60, "是否为月份存档页面", {654, 60, 104, 24}, R"(<?php is_month(); ?>)"),
    snippet(kGroup, 61, "是否为天存档页面", {120, 57, 80, 24}, R"(<?php is_day(); ?>)"),
};
// clang-format on

} // namespace

std::span<const SnippetEntry> conditionalTags()
{
    return kEntries;
}

} // namespace quillo::snippets
