// Group box "网站统计功能": one-line blocks that each print one site figure.
#include "catalogue/snippets/snippet_tables.h"

#include <array>

namespace quillo::snippets {

namespace {

constexpr int kGroup = 5;

// clang-format off
constexpr std::array kEntries{
    snippet(kGroup, 62, "日志总数", {8, 24, 72, 16}, R"(<?php $count_posts = wp_count_posts(); echo $published_posts = $count_posts->publish; ?>)"),
    snippet(kGroup, 63, "草稿数目", {100, 22, 80, 23}, R"(<?php $count_posts = wp_count_posts(); echo $draft_posts = $count_posts->draft; ?>)"),
    snippet(kGroup, 64, "评论总数", {184, 24, 80, 24}, R"(<?php echo $wpdb->get_var("SELECT COUNT(*) FROM $wpdb->comments"); ?>)"),
    snippet(kGroup, 65, "成立时间", {273, 24, 74, 24}, R"(<?php echo floor((time()-strtotime('2019-8-18'))/86400); ?>)"),
    snippet(kGroup, 66, "标签总数", {366, 24, 72, 24}, R"(<?php echo $count_tags = wp_count_terms('post_tag'); ?>)"),
    snippet(kGroup, 67, "页面总数", {468, 24, 72, 24}, R"(<?php $count_pages = wp_count_posts('page'); echo $page_posts = $count_pages->publish; ?>)"),
    snippet(kGroup, 68, "分类总数", {572, 24, 72, 24}, R"(<?php echo $count_categories = wp_count_terms('category'); ?>)"),
    snippet(kGroup, 69, "链接总数", {673, 24, 72, 24}, R"(<?php $link = $wpdb->get_var("SELECT COUNT(*) FROM $wpdb->links WHERE link_visible = 'Y'"); echo $link; ?>)"),
    snippet(kGroup, 70, "用户总数", {8, 48, 72, 24}, R"(<?php $users = $wpdb->get_var("SELECT COUNT(ID) FROM $wpdb->users"); echo $users; ?>)"),
    snippet(kGroup, 71, "最后更新", {99, 48, 72, 24}, R"php(<?php $last = $wpdb->get_results("SELECT MAX(post_modified) AS MAX_m FROM $wpdb->posts WHERE (post_type = 'post' OR post_type = 'page') AND (post_status = 'publish' OR post_status = 'private')");$last = date('Y-n-j', strtotime($last[0]->MAX_m));echo $last; ?>)php"),
};
// clang-format on

} // namespace

std::span<const SnippetEntry> siteStatistics()
{
    return kEntries;
}

} // namespace quillo::snippets
