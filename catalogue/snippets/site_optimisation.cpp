// Group box "网站优化": functions.php code that trims a WordPress site.
#include "catalogue/snippets/snippet_tables.h"

#include <array>

namespace quillo::snippets {

namespace {

constexpr int kGroup = 6;

// clang-format off
constexpr std::array kEntries{
    snippet(kGroup, 72, "去除多余代码", {16, 20, 96, 24}, R"php(/**********************************************************************
			去除多余代码
**********************************************************************/
add_filter('show_admin_bar', '__return_false');
remove_action('wp_head', 'feed_links', 2);
remove_action('wp_head', 'feed_links_extra', 3);
remove_action('wp_head', 'rsd_link');
remove_action('wp_head', 'wlwmanifest_link');
remove_action('wp_head', 'index_rel_link');
remove_action('wp_head', 'parent_post_rel_link', 10, 0);
remove_action('wp_head', 'start_post_rel_link', 10, 0);
remove_action('wp_head', 'adjacent_posts_rel_link_wp_head', 10, 0);
remove_action('wp_head', 'locale_stylesheet');
remove_action('wp_head', 'noindex', 1);
remove_action('wp_head', 'wp_print_head_scripts', 9);
remove_action('wp_head', 'wp_generator');
remove_action('wp_head', 'rel_canonical');
remove_action('wp_head', 'wp_shortlink_wp_head', 10, 0);
remove_action('wp_head', 'wp_oembed_add_host_js');
remove_action('wp_head', 'wp_resource_hints', 2);
remove_action('wp_head', 'rest_output_link_wp_head', 10);
remove_action('wp_head', 'wp_oembed_add_discovery_links', 10);
remove_action('wp_footer', 'wp_print_footer_scripts');
remove_action('publish_future_post', 'check_and_publish_future_post', 10, 1);
remove_action('template_redirect', 'wp_shortlink_header', 11, 0);
remove_action('template_redirect', 'rest_output_link_header', 11, 0);
remove_action('rest_api_init', 'wp_oembed_register_route');
remove_filter('rest_pre_serve_request', '_oembed_rest_pre_serve_request', 10, 4);
remove_filter('oembed_dataparse', 'wp_filter_oembed_result', 10);
remove_filter('oembed_response_data', 'get_oembed_response_data_rich', 10, 4);
add_filter('rest_enabled', '__return_false');
add_filter('rest_jsonp_enabled', '__return_false');
add_shortcode('reply', 'reply_to_read');)php"),
    snippet(kGroup, 73, "关闭提示", {152, 20, 80, 24}, R"php(add_filter('pre_site_transient_update_core',create_function('$a',"return null;")); // 关闭核心提示
add_filter('pre_site_transient_update_plugins',create_function('$a',"return null;")); // 关闭插件提示
add_filter('pre_site_transient_update_themes',create_function('$a',"return null;")); // 关闭主题提示)php"),
    snippet(kGroup, 74, "禁用更新", {280, 20, 72, 24}, R"php(remove_action('admin_init','_maybe_update_core');// 禁止 WordPress 检查更新
remove_action('admin_init','_maybe_update_plugins');// 禁止 WordPress 更新插件
remove_action('admin_init','_maybe_update_themes'); // 禁止 WordPress 更新主题)php"),
    snippet(kGroup, 75, "禁用文章自动保存", {392, 20, 88, 24}, R"php(//禁用文章自动保存
add_action('wp_print_scripts','disable_autosave');
function disable_autosave(){
  	wp_deregister_script('autosave');
})php"),
    snippet(kGroup, 76, "禁用文章修订版本", {528, 20, 72, 24}, R"php(//禁用文章修订版本
add_filter( 'wp_revisions_to_keep', 'specs_wp_revisions_to_keep', 10, 2 );
function specs_wp_revisions_to_keep( $num, $post ) {
  	return 0;
})php"),
    snippet(kGroup, 77, "阻止站内文章互相Pingback", {648, 20, 104, 24}, R"php(// 阻止站内文章互相Pingback 
function theme_noself_ping( &$links ) {
    $home = get_theme_mod( 'home' );
    foreach ( $links as $l => $link )
        if ( 0 === strpos( $link, $home ) )
            unset( $links[$l] );
}
add_action('pre_ping','theme_noself_ping');)php"),
    snippet(kGroup, 78, "禁用古腾堡编辑器", {16, 56, 88, 32}, R"php(// 禁用难用的Gutenberg（古腾堡） 编辑器
add_filter('use_block_editor_for_post', '__return_false');
remove_action('wp_enqueue_scripts', 'wp_common_block_scripts_and_styles');)php"),
    snippet(kGroup, 79, "禁止后台加载谷歌字体", {152, 56, 96, 32}, R"php(/**
 * 禁止后台加载谷歌字体
 */
function wp_remove_open_sans_from_wp_core()
    {
        wp_deregister_style('open-sans');
        wp_register_style('open-sans', false);
        wp_enqueue_style('open-sans', '');
    }
add_action('init', 'wp_remove_open_sans_from_wp_core');)php"),
    snippet(kGroup, 80, "禁用表情", {280, 56, 72, 24}, R"php(/**********************************************************************
							禁用表情
**********************************************************************/
function disable_emojis() {
	remove_action('wp_head', 'print_emoji_detection_script', 7);
	remove_action('admin_print_scripts', 'print_emoji_detection_script');
	remove_action('wp_print_styles', 'print_emoji_styles');
	remove_action('admin_print_styles', 'print_emoji_styles');
	remove_filter('the_content_feed', 'wp_staticize_emoji');
	remove_filter('comment_text_rss', 'wp_staticize_emoji');
	remove_filter('wp_mail', 'wp_staticize_emoji_for_email');
	add_filter('tiny_mce_plugins', 'disable_emojis_tinymce');
}
add_action('init', 'disable_emojis');
function disable_emojis_tinymce($plugins) {
	if (is_array($plugins)) {
		return array_diff($plugins, array(
			'wpemoji',
		));
	} else {
		return array();
	}
})php"),
    snippet(kGroup, 81, "随机评论头像", {392, 56, 88, 24}, R"php(/**********************************************************************
							随机加载头像
**********************************************************************/
add_filter( 'get_avatar' , 'mervan_custom_avatar' , 10 , 5 );
function mervan_custom_avatar( $avatar, $id_or_email, $size, $default, $alt) {

    global $comment,$current_user;

    // $id_or_email的值：后台右上角登录用户头像为id，其他为邮箱，下面做一个判断
    $current_email =  is_int( $id_or_email ) ? get_user_by( 'ID', $id_or_email )->user_email : $id_or_email;

    $email = ! empty( $comment->comment_author_email ) ? $comment->comment_author_email : $current_email ;

    $random_avatar_arr = array(
    	'头像地址1',
    	'头像地址2',
    	'头像地址3',
    	'头像地址4',
    	'头像地址5'
    );

    $email_hash = md5( strtolower( trim( $email ) ) );

    $random_avatar = array_rand( $random_avatar_arr, 1 );

    $src = $random_avatar_arr[ $random_avatar ] ;

    // 参数404 onerror 方法 - 速度最快
    $avatar = "<img alt='{$alt}' src='//secure.gravatar.com/avatar/{$email_hash}?d=404' onerror='javascript:this.src=\"{$src}\";this.onerror=null;' class='avatar avatar-{$size} photo' height='{$size}' width='{$size}' />";

    // 参数default_img 方法 - 速度稍逊
    // $src = urlencode( $src );
    //$avatar = "<img alt='{$alt}' src='//secure.gravatar.com/avatar/{$email_hash}?d={$src}' class='avatar avatar-{$size} photo' height='{$size}' width='{$size}' />";

    return $avatar;
})php"),
};
// clang-format on

} // namespace

std::span<const SnippetEntry> siteOptimisation()
{
    return kEntries;
}

} // namespace quillo::snippets
