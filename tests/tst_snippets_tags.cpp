// The tag entries (1 to 71) against the catalogue: every caption, place and
// text it quotes, entry 18's walker class statement by statement (separator
// lines, tabs, alignment), the full-width punctuation, where Chinese may
// appear, and clicks through the real radio buttons.
#include "catalogue/catalogue_layout.h"
#include "catalogue/catalogue_view.h"
#include "catalogue/code_box.h"
#include "platform/control_table.h"
#include "platform/look.h"
#include "snippet_forms.h"
#include "ui/main_window/main_window.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

using namespace quillo;

namespace {

using test::linesOf;

// The last entry of each of the groups 1 to 5.
constexpr int kLastEntryOfGroup[] = { 14, 18, 48, 61, 71 };

int groupOf(int entry)
{
    const auto *last
        = std::lower_bound(std::begin(kLastEntryOfGroup), std::end(kLastEntryOfGroup), entry);
    return static_cast<int>(last - std::begin(kLastEntryOfGroup)) + 1;
}

int pageOf(int entry)
{
    for (const GroupBox &group : catalogueGroups()) {
        for (const SnippetEntry &row : group.entries) {
            if (row.number == entry)
                return group.page;
        }
    }
    return 0;
}

QRect rectOf(const Place &place)
{
    return QRect(place.left, place.top, place.width, place.height);
}

bool isAscii(std::string_view text)
{
    return std::all_of(
        text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The separator lines of entry 18, each a single blank.
const std::vector<int> kWalkerSeparators { 19, 21, 23, 25, 27, 32, 34, 36, 43 };

} // namespace

class TestSnippetsTags : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rows_data();
    void rows();
    void radioButtonsShowTheRows();
    void walkerQuotedLines_data();
    void walkerQuotedLines();
    void walkerStatements_data();
    void walkerStatements();
    void walkerSeparatorsHoldOneBlank();
    void walkerIndentsWithTabs();
    void walkerAttributesLineUp();
    void fullWidthPunctuation_data();
    void fullWidthPunctuation();
    void chineseOnlyWhereTheCatalogueHasIt();
    void clicksFillTheCodeBox_data();
    void clicksFillTheCodeBox();
    void aLaterClickReplacesEverything_data();
    void aLaterClickReplacesEverything();
};

void TestSnippetsTags::rows_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("text"); // null: described, not quoted

    const auto row = [](int entry, const char *caption, QRect place,
                         std::initializer_list<const char *> lines) {
        QString text;
        for (const char *line : lines) {
            if (!text.isNull())
                text += QLatin1Char('\n');
            text += QString::fromUtf8(line);
        }
        QTest::addRow("entry %d", entry) << entry << QString::fromUtf8(caption) << place << text;
    };
    // clang-format off
    row(1, "博客名称", {5, 17, 73, 17}, {R"(<?php bloginfo('name'); ?>)"});
    row(2, "站点描述", {98, 17, 75, 17}, {R"(<?php bloginfo('description'); ?>)"});
    row(3, "站点根链接", {194, 17, 80, 17}, {R"(<?php site_url(); ?>)"});
    row(4, "文章或页面标题", {298, 18, 104, 17}, {R"(<?php wp_title(); ?>)"});
    row(5, "style所在目录", {430, 17, 104, 17}, {R"(<?php get_stylesheet_directory(); ?>)"});
    row(6, "style路径", {558, 17, 80, 17}, {R"(<?php bloginfo('stylesheet_url'); ?>)"});
    row(7, "pingback 链接", {661, 17, 103, 17}, {R"(<?php bloginfo('pingback_url'); ?>)"});
    row(8, "主题路径", {6, 42, 88, 17}, {R"(<?php bloginfo('template_url'); ?>)"});
    row(9, "WP版本", {298, 42, 67, 17}, {R"(<?php bloginfo('version'); ?>)"});
    row(10, "atom 链接", {429, 42, 88, 17}, {R"(<?php bloginfo('atom_url'); ?>)"}); // ours to choose
    row(11, "rss2 链接", {193, 42, 80, 17}, {R"(<?php bloginfo('rss2_url'); ?>)"});
    row(12, "博客域名", {558, 42, 72, 17}, {R"(<?php bloginfo('url'); ?>)"});
    row(13, "html版本", {661, 42, 88, 17}, {R"(<?php bloginfo('html_type'); ?>)"});
    row(14, "字符集", {98, 42, 72, 17}, {R"(<?php bloginfo('charset'); ?>)"});
    row(15, "默认导航", {15, 25, 80, 16}, {R"(<?php wp_nav_menu(); ?>)"});
    row(16, "指定的导航菜单", {119, 25, 112, 16}, {R"(<?php wp_nav_menu( array('menu' => 'Project Nav' )); ?>)"});
    row(17, "基于分类的导航", {247, 25, 104, 16},
        {R"(<ul id="menu">)",
         R"(<li <?php if(is_home()) { ?> class="current-cat" <?php } ?>>)",
         R"(<a href="<?php bloginfo('home'); ?>">Home</a></li>)",
         R"(<?php wp_list_categories('title_li=&orderby=id');?>)",
         R"(</ul>)"});
    row(18, "自定义导航类", {383, 25, 96, 16}, {}); // described: walker tests below
    row(19, "日志或页面的标题", {16, 24, 120, 16}, {R"(<?php the_title(); ?>)"});
    row(20, "日志内容", {165, 24, 72, 16}, {R"(<?php the_content(); ?>)"});
    row(21, "日志或页面的URL地址", {310, 24, 136, 16}, {R"(<?php the_permalink() ?>)"});
    row(22, "主循环样式一", {490, 24, 120, 16},
        {R"(<?php if(have_posts()) : ?> //确认是否有日志)",
         R"(<?php while(have_posts()) : the_post(); ?> //如果有，则显示全部日志)",
         R"(<!-- 循环的文章html -->)",
         R"(<?php endwhile; ?> //结束PHP函数”while”)",
         R"(<?php endif; ?> //结束PHP函数”if”)"});
    row(23, "主循环样式二", {648, 24, 96, 16},
        {R"(<?php if(have_posts()) : ?> //确认是否有日志)",
         R"(<?php while(have_posts()) : the_post(); ?> //如果有，则显示全部日志)",
         R"(<!-- 循环的文章html -->)",
         R"(<?php endwhile; ?> //结束PHP函数”while”)",
         R"(<?php else: ?> //如果没有日志，则显示)",
         R"(<p>对叭起，这里暂时没有内容</p>)",
         R"(<?php endif;?>)"});
    row(24, "header.php内容", {648, 176, 113, 16}, {R"(<?php get_header(); ?>)"});
    row(25, "sidebar.php内容", {165, 176, 115, 16}, {R"(<?php get_sidebar(); ?>)"});
    row(26, "footer.php内容", {310, 176, 112, 16}, {R"(<?php get_footer(); ?>)"});
    row(27, "comments.php内容", {490, 176, 120, 16}, {R"(<?php comments_template(); ?>)"});
    row(28, "显示日期", {16, 49, 80, 16}, {R"(<?php the_time('m-d-y') ?>//时间格式请参照PHP格式)"});
    row(29, "日志的留言链接", {165, 49, 104, 16}, {R"(<?php comments_popup_link(); ?>)"});
    row(30, "显示日志或页面所属分类", {310, 49, 128, 24}, {R"(<?php the_category(',') ?>)"});
    row(31, "显示一篇日志或页面的作者", {490, 49, 144, 24}, {R"(<?php the_author(); ?>)"});
    row(32, "显示一篇日志或页面的ID", {648, 49, 104, 23}, {R"(<?php the_ID(); ?>)"});
    row(33, "显示一篇日志或页面的编辑链接", {16, 75, 120, 24}, {R"(<?php edit_post_link(); ?>)"});
    row(34, "显示Blogroll中的链接", {165, 75, 96, 24}, {R"(<?php get_links_list(); ?>)"});
    row(35, "显示一份博客的页面列表", {310, 75, 136, 24}, {R"(<?php wp_list_pages(); ?>)"});
    row(36, "显示一份博客的分类列表", {490, 75, 144, 30}, {R"(<?php wp_list_cats(); ?>)"});
    row(37, "下一篇日志的URL地址", {648, 75, 112, 24}, {R"(<?php next_post_link('%link'); ?>)"});
    row(38, "上一篇日志的URL地址", {16, 106, 112, 24}, {R"(<?php previous_post_link('%link'); ?>)"});
    row(39, "调用日历", {165, 106, 75, 24}, {R"(<?php get_calendar(); ?>)"});
    row(40, "显示一份博客的日期存档列表", {310, 106, 136, 32}, {R"(<?php wp_get_archives(); ?>)"});
    row(41, "显示上一页和下一页(分页)", {490, 106, 120, 24}, {R"(<?php posts_nav_link(); ?>)"});
    row(42, "搜索表单返回的值", {648, 106, 120, 24}, {R"(<?php the_search_query(); ?>)"});
    row(43, "返回翻译之后的文本", {16, 140, 112, 26}, {R"(<?php _e('Message'); ?>)"});
    row(44, "注册链接", {165, 140, 75, 24}, {R"(<?php wp_register(); ?>)"});
    row(45, "登录/登出链接", {310, 140, 120, 24}, {R"(<?php wp_loginout(); ?>)"});
    row(46, "管理员的相关控制信息", {490, 140, 112, 24}, {R"(<?php wp_meta(); ?>)"});
    row(47, "显示载入页面的时间", {648, 140, 104, 24}, {R"(<?php timer_stop(1); ?>)"});
    row(48, "显示载入页面查询", {16, 176, 96, 24}, {R"(<?php echo get_num_queries(); ?>)"});
    row(49, "是否为首页", {7, 26, 80, 25}, {R"(<?php is_home(); ?>)"});
    row(50, "判断第二页", {120, 24, 80, 25}, {R"(<?php is_paged(); ?>)"});
    row(51, "是否为文章页面", {231, 24, 104, 25}, {R"(<?php is_single(); ?>)"});
    row(52, "是否为page", {7, 86, 88, 24}, {R"(<?php is_page(); ?>)"});
    row(53, "是否为分类", {386, 24, 80, 25}, {R"(<?php is_category(); ?>)"});
    row(54, "是否为存档页面", {513, 24, 104, 25}, {R"(<?php is_archive(); ?>)"});
    row(55, "是否为搜索面", {7, 60, 96, 15}, {R"(<?php is_search(); ?>)"});
    row(56, "是否为404", {655, 24, 88, 25}, {R"(<?php is_404(); ?>)"});
    row(57, "是否为标签页面", {230, 60, 104, 16}, {R"(<?php is_tag(); ?>)"});
    row(58, "是否为日期存档页面", {384, 56, 96, 28}, {R"(<?php is_date(); ?>)"});
    row(59, "是否为年份存档页面", {515, 57, 100, 28}, {R"(<?php is_year(); ?>)"});
    row(60, "是否为月份存档页面", {654, 60, 104, 24}, {R"(<?php is_month(); ?>)"});
    row(61, "是否为天存档页面", {120, 57, 80, 24}, {R"(<?php is_day(); ?>)"});
    row(62, "日志总数", {8, 24, 72, 16}, {R"(<?php $count_posts = wp_count_posts(); echo $published_posts = $count_posts->publish; ?>)"});
    row(63, "草稿数目", {100, 22, 80, 23}, {R"(<?php $count_posts = wp_count_posts(); echo $draft_posts = $count_posts->draft; ?>)"});
    row(64, "评论总数", {184, 24, 80, 24}, {R"(<?php echo $wpdb->get_var("SELECT COUNT(*) FROM $wpdb->comments"); ?>)"});
    row(65, "成立时间", {273, 24, 74, 24}, {R"(<?php echo floor((time()-strtotime('2019-8-18'))/86400); ?>)"});
    row(66, "标签总数", {366, 24, 72, 24}, {R"(<?php echo $count_tags = wp_count_terms('post_tag'); ?>)"});
    row(67, "页面总数", {468, 24, 72, 24}, {R"(<?php $count_pages = wp_count_posts('page'); echo $page_posts = $count_pages->publish; ?>)"});
    row(68, "分类总数", {572, 24, 72, 24}, {R"(<?php echo $count_categories = wp_count_terms('category'); ?>)"});
    row(69, "链接总数", {673, 24, 72, 24}, {R"(<?php $link = $wpdb->get_var("SELECT COUNT(*) FROM $wpdb->links WHERE link_visible = 'Y'"); echo $link; ?>)"});
    row(70, "用户总数", {8, 48, 72, 24}, {R"(<?php $users = $wpdb->get_var("SELECT COUNT(ID) FROM $wpdb->users"); echo $users; ?>)"});
    row(71, "最后更新", {99, 48, 72, 24}, {R"t(<?php $last = $wpdb->get_results("SELECT MAX(post_modified) AS MAX_m FROM $wpdb->posts WHERE (post_type = 'post' OR post_type = 'page') AND (post_status = 'publish' OR post_status = 'private')");$last = date('Y-n-j', strtotime($last[0]->MAX_m));echo $last; ?>)t"});
    // clang-format on
}

void TestSnippetsTags::rows()
{
    QFETCH(int, entry);
    QFETCH(QString, caption);
    QFETCH(QRect, place);
    QFETCH(QString, text);

    const SnippetEntry *row = catalogueEntry(entry);
    QVERIFY(row);
    QCOMPARE(row->number, entry);
    QCOMPARE(row->group, groupOf(entry));
    QCOMPARE(row->kind, EntryKind::Snippet);
    QCOMPARE(platform::toQString(row->caption), caption);
    QCOMPARE(rectOf(row->place), place);
    if (!text.isNull())
        QCOMPARE(platform::toQString(row->text), text);
}

void TestSnippetsTags::radioButtonsShowTheRows()
{
    platform::prepareLook();
    MainWindow window([](const QString &) { return true; }, {}, {});
    for (int entry = 1; entry <= 71; ++entry) {
        const SnippetEntry *row = catalogueEntry(entry);
        auto *button = window.findChild<QRadioButton *>(QStringLiteral("单选框%1").arg(entry));
        QVERIFY2(button, qPrintable(QString::number(entry)));
        QCOMPARE(
            button->parentWidget()->objectName(), QStringLiteral("分组框%1").arg(groupOf(entry)));
        QCOMPARE(button->text(), platform::toQString(row->caption));
        QCOMPARE(button->geometry(), rectOf(row->place));
        QVERIFY(!button->isChecked());
    }
}

void TestSnippetsTags::walkerQuotedLines_data()
{
    QTest::addColumn<int>("line"); // 1-based
    QTest::addColumn<QString>("text");

    const auto row = [](int line, const char *text) {
        QTest::addRow("line %d", line) << line << QString::fromUtf8(text);
    };
    row(1, "//此代码放入导航菜单ul中");
    row(2, "<?php");
    row(3, "if ( has_nav_menu( 'top' ) ) :");
    row(5, "    'theme_location' => 'top',");
    row(8, "        'menu_class'=>'dropdown-menu',");
    row(10, "        'depth' => 0, ) );");
    row(11, "endif;?> ");
    row(12, "//自定义nav class,放置functions.php中");
    row(13, "class description_walker extends Walker_Nav_Menu");
    row(14, "{");
    row(16, "\t{");
    row(45, "\t}");
    row(46, "}");
}

void TestSnippetsTags::walkerQuotedLines()
{
    QFETCH(int, line);
    QFETCH(QString, text);
    const auto lines = linesOf(18);
    QCOMPARE(lines.size(), std::size_t(46));
    QCOMPARE(QString::fromStdString(lines[line - 1]), text);
}

void TestSnippetsTags::walkerStatements_data()
{
    // What the catalogue fixes of each line it describes rather than quotes:
    // the names, keys, filters and literals, in the order they must appear.
    QTest::addColumn<int>("line"); // 1-based
    QTest::addColumn<QStringList>("fragments");

    const auto row = [](int line, std::initializer_list<const char *> fragments) {
        QStringList list;
        for (const char *fragment : fragments)
            list << QString::fromUtf8(fragment);
        QTest::addRow("line %d", line) << line << list;
    };
    // clang-format off
    row(4, {"    wp_nav_menu(", "array("});
    row(6, {"        'container'", "=>", "false,"});
    row(7, {"        'items_wrap'", "=>", "'%3$s',"});
    row(9, {"        'walker'", "=>", "new description_walker"});
    row(15, {"function start_el(", "&$output,", "$item,", "$depth = 0,", "$args = array(),", "$id = 0", ")"});
    row(17, {"global $wp_query;"});
    row(18, {"$indent =", "$depth", "str_repeat(", R"("\t")", "$depth", "''"});
    row(20, {"$class_names", "=", "$value", "=", "''", ";"});
    row(22, {"$classes =", "$item->classes", "array()", "(array)", "$item->classes", ";"});
    row(24, {"$class_names =", "join(", "' '", "apply_filters(", "'nav_menu_css_class'", "array_filter(", "$classes", "$item", ";"});
    row(26, {"$output .=", "$indent", R"('<li class="menu-item menu-item-type-custom menu-item-object-custom current-menu-item current_page_item menu-item-home current-menu-ancestor current-menu-parent menu-item-has-children dropdown default_menu active" id="menu-item-')", "$item->ID", R"('">')", ";"});
    row(28, {"$attributes ", "=", "$item->attr_title", "?", R"(' title="')", "esc_attr(", "$item->attr_title", R"('"')", ":", "''", ";"});
    row(29, {"$attributes .=", "$item->target", "?", R"(' target="')", "esc_attr(", "$item->target", R"('"')", ":", "''", ";"});
    row(30, {"$attributes .=", "$item->xfn", "?", R"(' rel="')", "esc_attr(", "$item->xfn", R"('"')", ":", "''", ";"});
    row(31, {"$attributes .=", "$item->url", "?", R"(' href="')", "esc_attr(", "$item->url", R"('"')", ":", "''", ";"});
    row(33, {"$description =", "$item->description", "?", R"('<img src="')", "esc_attr(", "$item->description", ":", "''", ";"});
    row(35, {"$depth", "0", "$description = ''", ";"});
    row(37, {"$item_output = $args->before;"});
    row(38, {"$item_output .=", R"('<a class="nav-link ajax-link")", "$attributes", ";"});
    row(39, {"$item_output .=", "$args->link_before", "apply_filters(", "'the_title'", "$item->title", "$item->ID", ";"});
    row(40, {"$item_output .=", "$description", "$args->link_after", ";"});
    row(41, {"$item_output .=", "'</a>'", ";"});
    row(42, {"$item_output .=", "$args->after", ";"});
    row(44, {"$output .=", "apply_filters(", "'walker_nav_menu_start_el'", "$item_output", "$item", "$depth", "$args", "$id", ";"});
    // clang-format on
}

void TestSnippetsTags::walkerStatements()
{
    QFETCH(int, line);
    QFETCH(QStringList, fragments);
    const QString text = QString::fromStdString(linesOf(18)[line - 1]);
    qsizetype from = 0;
    for (const QString &fragment : std::as_const(fragments)) {
        const qsizetype at = text.indexOf(fragment, from);
        QVERIFY2(at >= 0,
            qPrintable(QStringLiteral("%1 not found in order in: %2").arg(fragment, text)));
        from = at + fragment.size();
    }
    // The li tag's class attribute is fixed: the computed class names are
    // not written.
    if (line == 26)
        QVERIFY(!text.contains(QStringLiteral("$class_names")));
}

void TestSnippetsTags::walkerSeparatorsHoldOneBlank()
{
    const auto lines = linesOf(18);
    std::vector<int> blankLines;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find_first_not_of(" \t") == std::string::npos)
            blankLines.push_back(static_cast<int>(i) + 1);
    }
    QCOMPARE(blankLines, kWalkerSeparators);
    for (int number : blankLines)
        QCOMPARE(QString::fromStdString(lines[number - 1]), QStringLiteral(" "));
}

void TestSnippetsTags::walkerIndentsWithTabs()
{
    // The method's head and braces sit one tab in, its body two; the
    // template part above uses blanks only.
    const auto lines = linesOf(18);
    for (int number = 1; number <= 14; ++number)
        QVERIFY2(
            lines[number - 1].find('\t') == std::string::npos, qPrintable(QString::number(number)));
    QVERIFY(lines[14].starts_with("\tfunction start_el(") && !lines[14].starts_with("\t\t"));
    QCOMPARE(QString::fromStdString(lines[15]), QStringLiteral("\t{"));
    for (int number = 17; number <= 44; ++number) {
        const std::string &line = lines[number - 1];
        if (line != " ")
            QVERIFY2(
                line.starts_with("\t\t") && line[2] != '\t', qPrintable(QString::number(number)));
    }
    // The tab escape passed to str_repeat is written as an escape.
    QVERIFY(lines[17].find(R"(str_repeat( "\t", $depth ))") != std::string::npos);
}

void TestSnippetsTags::walkerAttributesLineUp()
{
    // The four $attributes statements line up their ? and their calls.
    const auto lines = linesOf(18);
    for (const char *column : { "?", "esc_attr(" }) {
        const std::size_t first = lines[27].find(column);
        QVERIFY(first != std::string::npos);
        for (int number = 29; number <= 31; ++number)
            QVERIFY2(lines[number - 1].find(column) == first,
                qPrintable(QStringLiteral("%1 on line %2").arg(column).arg(number)));
    }
}

void TestSnippetsTags::fullWidthPunctuation_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QByteArray>("gbk");
    QTest::addColumn<int>("times");

    // ” is A1 B1 and ， is A3 AC in GBK; never their ASCII look-alikes.
    QTest::newRow("entry 22 quotes") << 22 << QByteArray("\xA1\xB1") << 4;
    QTest::newRow("entry 22 comma") << 22 << QByteArray("\xA3\xAC") << 1;
    QTest::newRow("entry 23 quotes") << 23 << QByteArray("\xA1\xB1") << 2;
    QTest::newRow("entry 23 commas") << 23 << QByteArray("\xA3\xAC") << 3;
}

void TestSnippetsTags::fullWidthPunctuation()
{
    QFETCH(int, entry);
    QFETCH(QByteArray, gbk);
    QFETCH(int, times);
    const QByteArray text = QByteArray::fromStdString(test::gbkCrLf(catalogueEntry(entry)->text));
    QCOMPARE(text.count(gbk), times);
    QVERIFY(!text.contains('"'));
}

void TestSnippetsTags::chineseOnlyWhereTheCatalogueHasIt()
{
    // Entries 22, 23 and 28 carry Chinese comments and markup; entry 18 only
    // in its two comment lines; every other tag entry is plain ASCII.
    for (int entry = 1; entry <= 71; ++entry) {
        if (entry == 22 || entry == 23 || entry == 28)
            continue;
        const auto lines = linesOf(entry);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const bool comment = entry == 18 && (i == 0 || i == 11);
            QVERIFY2(isAscii(lines[i]) != comment,
                qPrintable(QStringLiteral("entry %1 line %2").arg(entry).arg(i + 1)));
        }
    }
}

void TestSnippetsTags::clicksFillTheCodeBox_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QList<int>>("entries");
    QTest::newRow("header") << 1 << QList<int> { 1, 14, 7 };
    QTest::newRow("navigation") << 1 << QList<int> { 18, 15, 17 };
    QTest::newRow("template") << 1 << QList<int> { 22, 23, 48, 28 };
    QTest::newRow("conditional") << 2 << QList<int> { 49, 61, 52 };
    QTest::newRow("statistics") << 2 << QList<int> { 71, 62, 65 };
}

void TestSnippetsTags::clicksFillTheCodeBox()
{
    QFETCH(int, page);
    QFETCH(QList<int>, entries);
    platform::prepareLook();
    MainWindow window([](const QString &) { return true; }, {}, {});
    window.catalogue()->tabBar()->setCurrentIndex(page - 1);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (int number : entries) {
        window.codeBox()->setPlainText(QStringLiteral("the user's own edits"));
        auto *button = window.findChild<QRadioButton *>(QStringLiteral("单选框%1").arg(number));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(
            window.codeBox()->toPlainText(), platform::toQString(catalogueEntry(number)->text));
    }
}

void TestSnippetsTags::aLaterClickReplacesEverything_data()
{
    // Clicks one after another, with no edit in between, across pages where
    // the entries lie on different ones.
    QTest::addColumn<QList<int>>("entries");
    QTest::newRow("entry 1 twice") << QList<int> { 1, 1 };
    QTest::newRow("entry 49 twice") << QList<int> { 49, 49 };
    QTest::newRow("22 then 23") << QList<int> { 22, 23 };
    QTest::newRow("23 then 22") << QList<int> { 23, 22 };
    QTest::newRow("18 then 49") << QList<int> { 18, 49 };
    QTest::newRow("23 then 71") << QList<int> { 23, 71 };
    QTest::newRow("17 then 16") << QList<int> { 17, 16 };
    QTest::newRow("64 then 18") << QList<int> { 64, 18 };
}

void TestSnippetsTags::aLaterClickReplacesEverything()
{
    QFETCH(QList<int>, entries);
    platform::prepareLook();
    MainWindow window([](const QString &) { return true; }, {}, {});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (int number : std::as_const(entries)) {
        window.catalogue()->tabBar()->setCurrentIndex(pageOf(number) - 1);
        auto *button = window.findChild<QRadioButton *>(QStringLiteral("单选框%1").arg(number));
        QVERIFY(button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(
            window.codeBox()->toPlainText(), platform::toQString(catalogueEntry(number)->text));
    }
    const QString text = window.codeBox()->toPlainText();
    QCOMPARE(text.count(QLatin1Char('\n')) + 1, static_cast<int>(linesOf(entries.last()).size()));
    QVERIFY(!text.endsWith(QLatin1Char('\n')));
}

QTEST_MAIN(TestSnippetsTags)
#include "tst_snippets_tags.moc"
