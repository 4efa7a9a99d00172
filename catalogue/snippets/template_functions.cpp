// Group box "模板函数": template tags used inside templates and the loop.
#include "catalogue/snippets/snippet_tables.h"

#include <array>

namespace quillo::snippets {

namespace {

constexpr int kGroup = 3;

// clang-format off
constexpr std::array kEntries{
    snippet(kGroup, 19, "日志或页面的标题", {16, 24, 120, 16}, R"(<?php the_title(); ?>)"),
    snippet(kGroup, 20, "日志内容", {165, 24, 72, 16}, R"(<?php the_content(); ?>)"),
    snippet(kGroup, 21, "日志或页面的URL地址", {310, 24, 136, 16}, R"(<?php the_permalink() ?>)"),
    snippet(kGroup, 22, "主循环样式一", {490, 24, 120, 16}, R"php(<?php if(have_posts()) : ?> //确认是否有日志
<?php while(have_posts()) : the_post(); ?> //如果有，则显示全部日志
<!-- 循环的文章html -->
<?php endwhile; ?> //结束PHP函数”while”
<?php endif; ?> //结束PHP函数”if”)php"),
    snippet(kGroup, 23, "主循环样式二", {648, 24, 96, 16}, R"php(<?php if(have_posts()) : ?> //确认是否有日志
<?php while(have_posts()) : the_post(); ?> //如果有，则显示全部日志
<!-- 循环的文章html -->
<?php endwhile; ?> //结束PHP函数”while”
<?php else: ?> //如果没有日志，则显示
<p>对叭起，这里暂时没有内容</p>
<?php endif;?>)php"),
    snippet(kGroup, 24, "header.php内容", {648, 176, 113, 16}, R"(<?php get_header(); ?>)"),
    snippet(kGroup, 25, "sidebar.php内容", {165, 176, 115, 16}, R"(<?php get_sidebar(); ?>)"),
    snippet(kGroup, 26, "footer.php内容", {310, 176, 112, 16}, R"(<?php get_footer(); ?>)"),
    snippet(kGroup, 27, "comments.php内容", {490, 176, 120, 16}, R"(<?php comments_template(); ?>)"),
    snippet(kGroup, 28, "显示日期", {16, 49, 80, 16}, R"(<?php the_time('m-d-y') ?>//时间格式请参照PHP格式)"),
    snippet(kGroup, 29, "日志的留言链接", {165, 49, 104, 16}, R"(<?php comments_popup_link(); ?>)"),
    snippet(kGroup, 30, "显示日志或页面所属分类", {310, 49, 128, 24}, R"(<?php the_category(',') ?>)"),
    snippet(kGroup, 31, "显示一篇日志或页面的作者", {490, 49, 144, 24}, R"(<?php the_author(); ?>)"),
    snippet(kGroup, 32, "显示一篇日志或页面的ID", {648, 49, 104, 23}, R"(<?php the_ID(); ?>)"),
    snippet(kGroup, 33, "显示一篇日志或页面的编辑链接", {16, 75, 120, 24}, R"(<?php edit_post_link(); ?>)"),
    snippet(kGroup, 34, "显示Blogroll中的链接", {165, 75, 96, 24}, R"(<?php get_links_list(); ?>)"),
    snippet(kGroup, 35, "显示一份博客的页面列表", {310, 75, 136, 24}, R"(<?php wp_list_pages(); ?>)"),
    snippet(kGroup, 36, "显示一份博客的分类列表", {490, 75, 144, 30}, R"(<?php wp_list_cats(); ?>)"),
    snippet(kGroup, 37, "下一篇日志的URL地址", {648, 75, 112, 24}, R"(<?php next_post_link('%link'); ?>)"),
    snippet(kGroup, 38, "上一篇日志的URL地址", {16, 106, 112, 24}, R"(<?php previous_post_link('%link'); ?>)"),
    snippet(kGroup, 39, "调用日历", {165, 106, 75, 24}, R"(<?php get_calendar(); ?>)"),
    snippet(kGroup, 40, "显示一份博客的日期存档列表", {310, 106, 136, 32}, R"(<?php wp_get_archives(); ?>)"),
    snippet(kGroup, 41, "显示上一页和下一页(分页)", {490, 106, 120, 24}, R"(<?php posts_nav_link(); ?>)"),
    snippet(kGroup, 42, "搜索表单返回的值", {648, 106, 120, 24}, R"(<?php the_search_query(); ?>)"),
    snippet(kGroup, 43, "返回翻译之后的文本", {16, 140, 112, 26}, R"(<?php _e('Message'); ?>)"),
    snippet(kGroup, 44, "注册链接", {165, 140, 75, 24}, R"(<?php wp_register(); ?>)"),
    snippet(kGroup, 45, "登录/登出链接", {310, 140, 120, 24}, R"(<?php wp_loginout(); ?>)"),
    snippet(kGroup, 46, "管理员的相关控制信息", {490, 140, 112, 24}, R"(<?php wp_meta(); ?>)"),
    snippet(kGroup, 47, "显示载入页面的时间", {648, 140, 104, 24}, R"(<?php timer_stop(1); ?>)"),
    snippet(kGroup, 48, "显示载入页面查询", {16, 176, 96, 24}, R"(<?php echo get_num_queries(); ?>)"),
};
// clang-format on

} // namespace

std::span<const SnippetEntry> templateFunctions()
{
    return kEntries;
}

} // namespace quillo::snippets
