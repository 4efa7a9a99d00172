// Group box "导航函数": navigation menus, from the plain call to a walker class.
#include "catalogue/snippets/snippet_tables.h"

#include <array>

namespace quillo::snippets {

namespace {

constexpr int kGroup = 2;

// clang-format off
constexpr std::array kEntries{
    snippet(kGroup, 15, "默认导航", {15, 25, 80, 16}, R"(<?php wp_nav_menu(); ?>)"),
    snippet(kGroup, 16, "指定的导航菜单", {119, 25, 112, 16}, R"(<?php wp_nav_menu( array('menu' => 'Project Nav' )); ?>)"),
    snippet(kGroup, 17, "基于分类的导航", {247, 25, 104, 16}, R"php(<ul id="menu">
<li <?php if(is_home()) { ?> class="current-cat" <?php } ?>>
<a href="<?php bloginfo('home'); ?>">Home</a></li>
<?php wp_list_categories('title_li=&orderby=id');?>
</ul>)php"),
    snippet(kGroup, 18, "自定义导航类", {383, 25, 96, 16}, R"php(//此代码放入导航菜单ul中
<?php
if ( has_nav_menu( 'top' ) ) :
    wp_nav_menu( array(
    'theme_location' => 'top',
        'container' => false,
        'items_wrap' => '%3$s',
        'menu_class'=>'dropdown-menu',
        'walker' => new description_walker(),
        'depth' => 0, ) );
endif;?> 
//自定义nav class,放置functions.php中
class description_walker extends Walker_Nav_Menu
{
	function start_el( &$output, $item, $depth = 0, $args = array(), $id = 0 )
	{
		global $wp_query;
		$indent = ( $depth ) ? str_repeat( "\t", $depth ) : '';
 
		$class_names = $value = '';
 
		$classes = empty( $item->classes ) ? array() : (array) $item->classes;
 
		$class_names = join( ' ', apply_filters( 'nav_menu_css_class', array_filter( $classes ), $item ) );
 
		$output .= $indent . '<li class="menu-item menu-item-type-custom menu-item-object-custom current-menu-item current_page_item menu-item-home current-menu-ancestor current-menu-parent menu-item-has-children dropdown default_menu active" id="menu-item-' . $item->ID . '">';
 
		$attributes  = ! empty( $item->attr_title ) ? ' title="'  . esc_attr( $item->attr_title ) . '"' : '';
		$attributes .= ! empty( $item->target )     ? ' target="' . esc_attr( $item->target     ) . '"' : '';
		$attributes .= ! empty( $item->xfn )        ? ' rel="'    . esc_attr( $item->xfn        ) . '"' : '';
		$attributes .= ! empty( $item->url )        ? ' href="'   . esc_attr( $item->url        ) . '"' : '';
 
		$description = ! empty( $item->description ) ? '<img src="' . esc_attr( $item->description ) . '" />' : '';
 
		if ( $depth != 0 ) { $description = ''; }
 
		$item_output = $args->before;
		$item_output .= '<a class="nav-link ajax-link"' . $attributes . '>';
		$item_output .= $args->link_before . apply_filters( 'the_title', $item->title, $item->ID );
		$item_output .= $description . $args->link_after;
		$item_output .= '</a>';
		$item_output .= $args->after;
 
		$output .= apply_filters( 'walker_nav_menu_start_el', $item_output, $item, $depth, $args, $id );
	}
})php"),
};
// clang-format on

} // namespace

std::span<const SnippetEntry> navigationFunctions()
{
    return kEntries;
}

} // namespace quillo::snippets
