// The functions.php entries of "主题开发常用拓展功能" (82 to 98) where their
// exact form matters: quoted lines at their line numbers, hook registrations,
// tabs against blanks, the markup's indentation, the full-width punctuation
// as GBK characters, and what the code box does with the longest text.
#include "catalogue/catalogue_layout.h"
#include "catalogue/catalogue_view.h"
#include "catalogue/code_box.h"
#include "platform/control_table.h"
#include "platform/look.h"
#include "snippet_forms.h"
#include "ui/main_window/main_window.h"

#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>

#include <algorithm>
#include <string>
#include <vector>

using namespace quillo;

namespace {

constexpr int kFirstEntry = 82;
constexpr int kLastEntry = 98;
constexpr int kPage = 3;

using test::linesOf;

std::string indentOf(const std::string &line)
{
    return line.substr(0, line.find_first_not_of(" \t"));
}

bool isBlank(const std::string &line)
{
    return line.find_first_not_of(" \t") == std::string::npos;
}

const std::string kBannerTop = "/" + std::string(70, '*');
const std::string kBannerBottom = std::string(70, '*') + "/";

// Counts one double-byte character in GBK text, stepping character by
// character so that a trail byte and the next lead byte never pair up.
int countGbkCharacter(const std::string &gbk, const char *character)
{
    int count = 0;
    for (std::size_t i = 0; i < gbk.size();) {
        const auto lead = static_cast<unsigned char>(gbk[i]);
        if (lead < 0x81) {
            ++i;
            continue;
        }
        if (i + 1 < gbk.size() && gbk[i] == character[0] && gbk[i + 1] == character[1])
            ++count;
        i += 2;
    }
    return count;
}

QRadioButton *entryButton(const QWidget &window, int entry)
{
    return window.findChild<QRadioButton *>(QStringLiteral("单选框%1").arg(entry));
}

} // namespace

class TestSnippetsThemeExtensions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void quotedLines_data();
    void quotedLines();
    void containedLines_data();
    void containedLines();
    void fragments_data();
    void fragments();
    void stepsInOrder_data();
    void stepsInOrder();
    void tabsOnlyWhereWritten_data();
    void tabsOnlyWhereWritten();
    void indentKindPerPart_data();
    void indentKindPerPart();
    void blankIndentsGoByFours_data();
    void blankIndentsGoByFours();
    void defineValuesShareOneColumn();
    void navigationMarkupIndents_data();
    void navigationMarkupIndents();
    void relatedPostCardIndents();
    void fullWidthPunctuation_data();
    void fullWidthPunctuation();

    void clicksWriteTheWholeText_data();
    void clicksWriteTheWholeText();
    void longestTextScrollsVerticallyOnly_data();
    void longestTextScrollsVerticallyOnly();
};

void TestSnippetsThemeExtensions::initTestCase()
{
    platform::prepareLook();
}

void TestSnippetsThemeExtensions::quotedLines_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("line"); // 1-based; negative counts from the end
    QTest::addColumn<QString>("text");

    const auto row = [](int entry, int line, const std::string &text) {
        QTest::addRow("entry %d line %d", entry, line)
            << entry << line << QString::fromStdString(text);
    };
    const auto banner = [&row](int entry, int first, const std::string &title) {
        row(entry, first, kBannerTop);
        row(entry, first + 1, title);
        row(entry, first + 2, kBannerBottom);
    };
    const auto blockComment = [&row](int entry, const std::string &title) {
        row(entry, 1, "/**");
        row(entry, 2, " * " + title);
        row(entry, 3, " */");
    };

    // Quoted lines stay whole, however long.
    // clang-format off
    banner(82, 1, "\t\t\t获取文章第一张图片");
    row(82, 4, "function post_thumbnail_src(){");
    row(82, -1, "}");

    banner(83, 1, "\t\t自动翻译英文标题（百度翻译API）");
    row(83, 4, R"(define("CURL_TIMEOUT",   10);)");
    row(83, 5, R"(define("URL",            "http://api.fanyi.baidu.com/api/trans/vip/translate");)");
    row(83, 6, R"(define("APP_ID",         "替换为您的APPID"); //替换为您的APPID)");
    row(83, 7, R"(define("SEC_KEY",        "替换为您的密钥");//替换为您的密钥)");
    row(83, -1, "add_filter( 'sanitize_title', 'baidu_fanyi_title', 1 );");
    row(83, -2, "}");
    row(83, -3, "");

    row(84, 1, "// 上一篇文章");
    row(84, 2, "function my_get_previous_post() {");
    row(84, 9, "\t\t$output .= '<div class=\"post_navigation_item post_navigation_prev has_post_thumbnail  col-md-6\">");
    row(84, 24, "\t\t      </div>';");
    row(84, -1, "}");

    row(85, 1, "// 下一篇文章");
    row(85, 2, "function my_get_next_post() {");
    row(85, 9, "\t\t$output .= '<div class=\"post_navigation_item post_navigation_next has_post_thumbnail pull-right col-md-6\">");
    row(85, 24, "\t\t      </div>';");
    row(85, -1, "}");

    banner(86, 1, "\t\t\t相关文章");
    row(86, 4, "function link_post() {");
    row(86, -1, "}");

    blockComment(87, "外部链接自动加nofollow");
    row(87, 4, "add_filter( 'the_content', 'link_nofollow');");
    row(87, 5, "function link_nofollow( $content ) {");
    row(87, -3, "");
    row(87, -2, "    return $content;");

    blockComment(88, "图片自动alt标签");
    row(88, 4, "add_filter('the_content', 'auto_images_alt');");
    row(88, 5, "function auto_images_alt($content) {");

    blockComment(89, "搜索结果排除页面");
    row(89, 4, "add_filter('pre_get_posts','kelvo_exclude_page_from_search');");
    row(89, 5, "function kelvo_exclude_page_from_search($query) {");

    banner(90, 1, std::string(28, ' ') + "维护模式");
    row(90, 4, "if( 判断是否开启维护模式 ) add_action( 'get_header', 'wp_maintenance_mode' );");
    row(90, 5, "function wp_maintenance_mode() {");

    row(91, 1, "add_action( 'login_init','wlp_filter_http' );");
    row(91, 2, "function wlp_filter_http() {");
    row(91, 4, "        wlp_forbidden();");
    row(91, 5, "    }");
    row(91, 6, "}");

    row(92, 1, "add_action( 'phpmailer_init', 'mail_smtp' );");
    row(92, 2, "function mail_smtp( $phpmailer ) {");
    row(92, 3, "    $phpmailer->IsSMTP();");
    row(92, 4, "    $phpmailer->FromName = '发件人名称';");
    row(92, 5, "    $phpmailer->From = '邮件地址';");
    row(92, 6, "    $phpmailer->Host = 'SMTP服务器地址';");
    row(92, 7, "    $phpmailer->Port = 'SMTP服务器端口';");
    row(92, 8, "    $phpmailer->SMTPSecure = '';");
    row(92, 9, "    $phpmailer->SMTPAuth = true;");
    row(92, 10, "    $phpmailer->Username = '邮箱';");
    row(92, 11, "    $phpmailer->Password = '密码';");
    row(92, 12, "}");

    banner(93, 1, std::string(20, ' ') + "百度主动推送");
    row(93, 4, "");
    row(93, 5, "date_default_timezone_set('Asia/Shanghai');");
    row(93, 6, "add_action( 'publish_post', 'publish_bd_submit', 999 );");
    row(93, 7, "");
    row(93, 8, "function publish_bd_submit( $post_ID ) {");

    row(94, 1, "    add_filter('wp_handle_upload_prefilter', 'custom_upload_filter' );");
    row(94, 2, "        function custom_upload_filter( $file ){");
    row(94, 7, "            return $file;");
    row(94, 8, "        }");

    row(95, 1, "function search_filter_page($query) {");
    row(95, 7, "add_filter('pre_get_posts','search_filter_page');");

    row(96, 1, "    add_filter('get_avatar', '_get_ssl2_avatar');");
    row(96, 2, "//官方Gravatar头像调用ssl头像链接");
    row(96, 3, "function _get_ssl2_avatar($avatar) {");
    row(96, 6, "}");

    banner(97, 1, std::string(20, ' ') + "输出文章特色图");
    row(97, 4, "");
    row(97, 5, "function attachmentimage( $num = 9 ) {");
    row(97, -1, "}");

    row(98, 1, "/**");
    row(98, 2, " * 评论数据");
    row(98, 3, " */");
    row(98, 4, "function comments_data( $postid = false ) {");
    row(98, 5, "");
    row(98, -1, "}");
    // clang-format on
}

void TestSnippetsThemeExtensions::quotedLines()
{
    QFETCH(int, entry);
    QFETCH(int, line);
    QFETCH(QString, text);
    const auto lines = linesOf(entry);
    const int count = static_cast<int>(lines.size());
    const int index = line > 0 ? line - 1 : count + line;
    QVERIFY(index >= 0 && index < count);
    QCOMPARE(QString::fromStdString(lines[index]), text);
}

void TestSnippetsThemeExtensions::containedLines_data()
{
    // Lines whose place the layout leaves open but whose text is fixed.
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("times");

    const auto row = [](const char *name, int entry, const std::string &text, int times = 1) {
        QTest::newRow(name) << entry << QString::fromStdString(text) << times;
    };
    // clang-format off
    row("82 thumbnail test", 82, "    if( has_post_thumbnail() ){    //如果有特色缩略图，则输出缩略图地址");
    row("82 no image comment", 82, "            //如果日志中没有图片，则显示随机图片");
    row("82 random number", 82, "\t\t\t//$random = mt_rand(0, 4);");
    row("82 false address", 82, "            $post_thumbnail_src = false;    //如果需要随机图片请打开上面三行，关闭此行");
    row("82 echo", 82, "    echo $post_thumbnail_src;");
    row("83 entry comment", 83, "//翻译入口");
    row("83 request comment", 83, "//发起网络请求");
    row("83 translate", 83, "function translate1($query, $from, $to)");
    row("83 sign", 83, "function buildSign($query, $appID, $salt, $secKey)");
    row("83 call", 83, R"(function call($url, $args = null, $method = "post", $timeout = CURL_TIMEOUT, $headers = array()))");
    row("83 call once", 83, R"(function callOnce($url, $args = null, $method = "post", $withCookie = false, $timeout = CURL_TIMEOUT, $headers = array()))");
    row("83 convert", 83, "function convert(&$args)");
    row("83 title filter", 83, "function baidu_fanyi_title( $title ) {");
    row("83 salt", 83, "        'salt' => rand(10000,99999),");
    row("84 label", 84, "\t\t          <span class=\"post_navigation_title title\">Previous Post:</span>");
    row("85 label", 85, "\t\t          <span class=\"post_navigation_title title\">Next Post:</span>");
    row("86 loop", 86, "\twhile( have_posts() ) { the_post(); ?>");
    row("86 none found", 86, "\tif ( $i == 0 ) echo '<li>没有相关文章!</li>';");
    row("86 first-image call", 86, "\t                <div class=\"blog_post_banner blog_post_image\" style=\"background-image: url(<?php post_thumbnail_src();?>);\">");
    row("86 thumbnail comment", 86, "\t                <!-- .post-thumbnail -->");
    row("86 title link", 86, "\t                \t<a title=\"<?php the_title(); ?>\" href=\"<?php the_permalink(); ?>\"><?php the_title(); ?></a>");
    row("86 order", 86, "\t\t'orderby' => 'comment_date',");
    row("87 target pattern", 87, R"(            $pattern = '/target\s*=\s*"\s*_blank\s*"/';)");
    row("87 rel pattern", 87, R"(            $pattern = '/rel\s*=\s*"\s*[n|d]ofollow\s*"/';)");
    row("87 site address", 87, "        $srcUrl = get_option( 'siteurl' );");
    row("88 global post", 88, "    global $post;");
    row("89 post type", 89, "        $query->set('post_type', 'post');");
    row("90 message", 90, "            '正在维护，请稍后在来',", 2);
    row("90 status", 90, "            array( 'response' => '503' )");
    row("91 protocol test", 91, R"(    if ( preg_match( '/1\.0/', $_SERVER['SERVER_PROTOCOL'] ) ) { )");
    row("93 log file comment", 93, "        //生成日志文件");
    row("93 content type", 93, "            CURLOPT_HTTPHEADER => array( 'Content-Type: text/plain' ),");
    row("94 new name", 94, "            $name = date('YmdHis') . rand(10,99) . '.' . $ext;//为了避免时间重复，再加一段2位的随机数");
    row("95 post type", 95, "        $query->set('post_type', 'post');");
    row("97 list start", 97, "\t$output = '<ul class=\"no-bullet thumbnails jr_col_3\">';");
    row("97 thumbnail key", 97, "\t\t'meta_key' => '_thumbnail_id',");
    row("97 showposts", 97, "\t\t'showposts' => $num, // 默认显示9个特色图像");
    row("97 posts per page", 97, "\t\t'posts_per_page' => $num, // 默认显示9个特色图像");
    row("97 order by", 97, "\t\t'orderby' => 'date', // 按发布时间先后顺序获取特色图像，可选：'title'、'rand'、'comment_count'等");
    row("97 loop end", 97, "\t\tendwhile;");
    row("98 image comment", 98, " * 文章图");
    row("98 size comment", 98, " * 特色图");
    row("98 thumbnail size", 98, " * thumbnail (缩略图尺寸)");
    row("98 medium size", 98, " * medium （中等尺寸）");
    row("98 large size", 98, " * large （大尺寸）");
    row("98 full size", 98, " * full （原始尺寸）");
    row("98 ranking title", 98, std::string(20, ' ') + "评论排行");
    row("98 block comment ends", 98, " */", 3);
    row("98 banner top", 98, kBannerTop);
    row("98 post comments", 98, "\t\t// 当前文章评论");
    row("98 all comments", 98, "\t\t// 所有评论");
    row("98 commenters", 98, "\t// 计算评论的人数");
    row("98 comment count", 98, "\t// 获取评论数量");
    row("98 outside a post", 98, "\t\t// 非文章下忽略 直接调用 count");
    row("98 site-wide count", 98, "\t\t\t// 计算访客个人在整站的评论总数");
    row("98 ranking", 98, "function max_comment_user( $limit = 4 ) {");
    row("98 post image", 98, "function get_post_image( $id, $size = 'large', $default = false ) {");
    row("98 catch image", 98, "function get_catch_image() {");
    // clang-format on
}

void TestSnippetsThemeExtensions::containedLines()
{
    QFETCH(int, entry);
    QFETCH(QString, text);
    QFETCH(int, times);
    const auto lines = linesOf(entry);
    const std::string wanted = text.toStdString();
    QCOMPARE(static_cast<int>(std::count(lines.begin(), lines.end(), wanted)), times);
}

void TestSnippetsThemeExtensions::fragments_data()
{
    // Code and markup quoted exactly, wherever in the text they stand.
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("fragment");
    QTest::addColumn<int>("times");

    const auto row = [](int entry, const char *fragment, int times = 1) {
        QTest::addRow("entry %d %s", entry, fragment)
            << entry << QString::fromUtf8(fragment) << times;
    };
    // clang-format off
    row(82, "get_post_thumbnail_id($post->ID)");
    row(82, "mt_rand(0, 4)");
    row(84, R"(<i class="fa fa-angle-double-left"></i>)");
    row(84, R"(<span class="post_navigation_title title">Previous Post:</span>)");
    row(84, R"(rel="prev")", 3);
    row(84, "display: block;height:60px;width:60px;background-image: url(");
    row(84, "get_permalink( $previous_post )", 4);
    row(85, R"(<i class="fa fa-angle-double-right"></i>)");
    row(85, R"(<span class="post_navigation_title title">Next Post:</span>)");
    row(85, R"(rel="next")", 3);
    row(85, "get_permalink( $next_post )", 4);
    row(86, "background-image: url(<?php post_thumbnail_src();?>);");
    row(86, R"(<a title="<?php the_title(); ?>" href="<?php the_permalink(); ?>">)", 2);
    row(86, R"(class="blog_post_container col-md-4 post-81 post type-post status-publish format-image )"
            R"(has-post-thumbnail hentry category-life-style tag-girl tag-work post_format-post-format-image")");
    row(87, R"(' target="_blank" ')");
    row(87, R"(' rel="nofollow" ')");
    row(87, "PREG_SET_ORDER");
    row(88, R"('<a$1href=$2$3.$4$5 alt="' . $post->post_title . '" title="' . $post->post_title . '"$6>')");
    row(93, R"("http://data.zz.baidu.com/urls?site=)");
    row(93, R"(THEME_DIR . "/baiduSubmit.txt")");
    row(93, R"("\n提交失败：")");
    row(93, R"(":\n网址：")");
    row(93, R"("\n提交成功：")");
    row(96, R"('/.*\/avatar\/(.*)\?s=([\d]+)&.*/')");
    row(96, R"('<img src="https://secure.gravatar.com/avatar/$1?s=$2&d=mm" class="avatar avatar-$2" height="50" width="50">')");
    row(97, "wp_get_attachment_image_src( get_post_thumbnail_id(get_the_ID()) )");
    row(97, R"(title="图片来源:' . get_the_title() . '")");
    row(97, "wp_reset_postdata();");
    row(98, "get_comments( 'status=approve&type=comment&post_id='.$postid )");
    row(98, "get_comment_count($postid)");
    row(98, "get_comment_count()");
    row(98, "get_comments( array( 'author_email' => $email ) )");
    row(98, "get_bloginfo( 'admin_email' )");
    row(98, "wp_get_attachment_image_src( get_post_thumbnail_id( $id ), $size )");
    row(98, R"(<ul class="items attention">)");
    row(98, R"(class="item tips-top")");
    row(98, R"(rel="nofollow" target="_blank")");
    // clang-format on
}

void TestSnippetsThemeExtensions::fragments()
{
    QFETCH(int, entry);
    QFETCH(QString, fragment);
    QFETCH(int, times);
    const QString text = platform::toQString(catalogueEntry(entry)->text);
    QCOMPARE(text.count(fragment), times);
}

void TestSnippetsThemeExtensions::stepsInOrder_data()
{
    // Fields, settings and functions in the order the code runs them.
    QTest::addColumn<int>("entry");
    QTest::addColumn<QStringList>("steps");

    const auto row = [](const char *name, int entry, const QStringList &steps) {
        QTest::newRow(name) << entry << steps;
    };
    row("83 request fields", 83,
        { "'q' =>", "'appid' =>", "'salt' =>", "'from' =>", "'to' =>", "$args['sign']",
            "call(URL, $args)", "json_decode(" });
    row("83 functions", 83,
        { "function translate1(", "function buildSign(", "function call(", "function callOnce(",
            "function convert(", "function baidu_fanyi_title(" });
    row("86 query", 86,
        { "'category__in' =>", "'post__not_in' =>", "'caller_get_posts' => 1",
            "'orderby' => 'comment_date'", "'posts_per_page' => $post_num" });
    row("92 mailer", 92,
        { "->IsSMTP();", "->FromName =", "->From =", "->Host =", "->Port =", "->SMTPSecure = '';",
            "->SMTPAuth = true;", "->Username =", "->Password =" });
    row("93 transfer", 93,
        { "CURLOPT_URL =>", "CURLOPT_POST => true", "CURLOPT_RETURNTRANSFER => true",
            "CURLOPT_POSTFIELDS =>", "CURLOPT_HTTPHEADER =>", "curl_exec(", "time()", "filemtime(",
            "提交失败", "提交成功", "fwrite(", "fclose(" });
    row("97 query", 97,
        { "'meta_key' =>", "'showposts' =>", "'posts_per_page' =>", "'orderby' =>",
            "'ignore_sticky_posts' => 1", "'order' => 'DESC'" });
    row("98 record", 98,
        { "'recent_id' =>", "'author' =>", "'email' =>", "'url' =>", "'date' =>", "'number' => 1",
            "'content' =>", "'count' =>", "'total_count' =>" });
    row("98 functions", 98,
        { "function comments_data(", "function get_catch_image(", "function get_post_image(",
            "function max_comment_user(" });
}

void TestSnippetsThemeExtensions::stepsInOrder()
{
    QFETCH(int, entry);
    QFETCH(QStringList, steps);
    const QString text = platform::toQString(catalogueEntry(entry)->text);
    qsizetype from = 0;
    for (const QString &step : steps) {
        const qsizetype at = text.indexOf(step, from);
        QVERIFY2(at >= 0, qPrintable(step));
        from = at + step.size();
    }
}

void TestSnippetsThemeExtensions::tabsOnlyWhereWritten_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<bool>("holdsTabs");
    for (int entry = kFirstEntry; entry <= kLastEntry; ++entry) {
        const bool tabs = entry <= 86 || entry >= 97;
        QTest::addRow("entry %d", entry) << entry << tabs;
    }
}

void TestSnippetsThemeExtensions::tabsOnlyWhereWritten()
{
    QFETCH(int, entry);
    QFETCH(bool, holdsTabs);
    const std::string_view text = catalogueEntry(entry)->text;
    QCOMPARE(text.find('\t') != std::string_view::npos, holdsTabs);
}

void TestSnippetsThemeExtensions::indentKindPerPart_data()
{
    // Parts of the tab entries indented by one kind of character only;
    // comment lines inside /** */ and banner titles are left out.
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<bool>("tabs");
    QTest::newRow("83 translation client") << 83 << 4 << 109 << false;
    QTest::newRow("83 title filter") << 83 << 112 << 121 << true;
    QTest::newRow("84 function") << 84 << 1 << 8 << true;
    QTest::newRow("84 after the markup") << 84 << 25 << 30 << true;
    QTest::newRow("85 function") << 85 << 1 << 8 << true;
    QTest::newRow("85 after the markup") << 85 << 25 << 30 << true;
    QTest::newRow("86 query") << 86 << 4 << 19 << true;
    QTest::newRow("97 function") << 97 << 4 << 27 << true;
    QTest::newRow("98 whole text") << 98 << 1 << 140 << true;
}

void TestSnippetsThemeExtensions::indentKindPerPart()
{
    QFETCH(int, entry);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(bool, tabs);
    const auto lines = linesOf(entry);
    QVERIFY(last <= static_cast<int>(lines.size()));
    for (int number = first; number <= last; ++number) {
        const std::string &line = lines[number - 1];
        const bool bannerTitle = number > 1 && lines[number - 2] == kBannerTop;
        if (line.starts_with(" *") || bannerTitle)
            continue;
        const std::string indent = indentOf(line);
        QVERIFY2(indent.find(tabs ? ' ' : '\t') == std::string::npos,
            qPrintable(QStringLiteral("line %1").arg(number)));
    }
}

void TestSnippetsThemeExtensions::blankIndentsGoByFours_data()
{
    QTest::addColumn<int>("entry");
    for (int entry = 87; entry <= 96; ++entry)
        QTest::addRow("entry %d", entry) << entry;
}

void TestSnippetsThemeExtensions::blankIndentsGoByFours()
{
    // Four blanks per level; the banners' titles of 90 and 93 sit 28 and
    // 20 blanks in, the block comments' inner lines one blank.
    QFETCH(int, entry);
    const auto lines = linesOf(entry);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string &line = lines[i];
        if (line.starts_with(" *") || isBlank(line))
            continue;
        QVERIFY2(indentOf(line).size() % 4 == 0, qPrintable(QStringLiteral("line %1").arg(i + 1)));
        QVERIFY2(!line.ends_with(' ') || (entry == 91 && i == 2),
            qPrintable(QStringLiteral("trailing blank on line %1").arg(i + 1)));
    }
}

void TestSnippetsThemeExtensions::defineValuesShareOneColumn()
{
    const auto lines = linesOf(83);
    std::vector<std::size_t> columns;
    for (int number = 4; number <= 7; ++number) {
        const std::string &line = lines[number - 1];
        const std::size_t comma = line.find("\",");
        QVERIFY(line.starts_with("define(\"") && comma != std::string::npos);
        columns.push_back(line.find_first_not_of(' ', comma + 2));
    }
    QVERIFY(std::ranges::all_of(columns, [&](std::size_t c) { return c == columns.front(); }));
}

void TestSnippetsThemeExtensions::navigationMarkupIndents_data()
{
    QTest::addColumn<int>("entry");
    QTest::newRow("previous") << 84;
    QTest::newRow("next") << 85;
}

void TestSnippetsThemeExtensions::navigationMarkupIndents()
{
    // The markup inside the one string: two tabs, then 6, 8 or 10 blanks.
    QFETCH(int, entry);
    const auto lines = linesOf(entry);
    QVERIFY(lines[8].ends_with("\">") && lines[8].find("'<div") != std::string::npos);
    for (int number = 10; number <= 24; ++number) {
        const std::string indent = indentOf(lines[number - 1]);
        QVERIFY2(indent == "\t\t" + std::string(6, ' ') || indent == "\t\t" + std::string(8, ' ')
                || indent == "\t\t" + std::string(10, ' '),
            qPrintable(QStringLiteral("line %1").arg(number)));
    }
    QVERIFY(lines[23].ends_with("';"));
    QVERIFY(lines[24].find('\'') == std::string::npos);
}

void TestSnippetsThemeExtensions::relatedPostCardIndents()
{
    // After the loop head PHP is left, an empty line, then the card: 14
    // lines of one tab and 4, 8, 12 or 16 blanks, and PHP again.
    const auto lines = linesOf(86);
    const auto loop
        = std::ranges::find(lines, std::string("\twhile( have_posts() ) { the_post(); ?>"));
    QVERIFY(loop != lines.end());
    const std::size_t head = static_cast<std::size_t>(loop - lines.begin());
    QVERIFY(head + 16 < lines.size());
    QCOMPARE(QString::fromStdString(lines[head + 1]), QString());
    for (std::size_t i = head + 2; i < head + 16; ++i) {
        std::string indent = indentOf(lines[i]);
        if (indent.size() > 1 && indent.ends_with('\t')) {
            // Only the link inside the heading sits a tab further in.
            QVERIFY2(lines[i - 1].find("<h4 ") != std::string::npos,
                qPrintable(QStringLiteral("line %1").arg(i + 1)));
            indent.pop_back();
        }
        const std::size_t blanks = indent.size() - 1;
        QVERIFY2(indent.starts_with('\t') && indent.find('\t', 1) == std::string::npos
                && blanks % 4 == 0 && blanks >= 4 && blanks <= 16,
            qPrintable(QStringLiteral("line %1").arg(i + 1)));
    }
    QVERIFY(lines[head + 2].starts_with(
        "\t    <div id=\"post-81\" class=\"blog_post_container col-md-4 post-81 "));
    QCOMPARE(QString::fromStdString(lines[head + 15]), QStringLiteral("\t    </div>"));
    QCOMPARE(QString::fromStdString(lines[head + 16]),
        QStringLiteral("\t<?php $i++;} wp_reset_query();"));
}

void TestSnippetsThemeExtensions::fullWidthPunctuation_data()
{
    // （ A3 A8, ） A3 A9, ， A3 AC, ： A3 BA and 、 A1 A2 in GBK; every entry
    // of the group holds exactly these, never an ASCII look-alike instead.
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("openParens");
    QTest::addColumn<int>("closeParens");
    QTest::addColumn<int>("commas");
    QTest::addColumn<int>("colons");
    QTest::addColumn<int>("enumerationCommas");
    for (int entry = kFirstEntry; entry <= kLastEntry; ++entry) {
        int open = 0, close = 0, commas = 0, colons = 0, enumeration = 0;
        switch (entry) {
        case 82:
            commas = 3;
            break;
        case 83:
            open = close = 1;
            break;
        case 90:
            commas = 2;
            break;
        case 93:
            colons = 3;
            break;
        case 94:
            commas = 1;
            break;
        case 97:
            commas = 1;
            colons = 1;
            enumeration = 2;
            break;
        case 98:
            open = close = 3;
            break;
        default:
            break;
        }
        QTest::addRow("entry %d", entry)
            << entry << open << close << commas << colons << enumeration;
    }
}

void TestSnippetsThemeExtensions::fullWidthPunctuation()
{
    QFETCH(int, entry);
    QFETCH(int, openParens);
    QFETCH(int, closeParens);
    QFETCH(int, commas);
    QFETCH(int, colons);
    QFETCH(int, enumerationCommas);
    const std::string gbk = test::gbkCrLf(catalogueEntry(entry)->text);
    QVERIFY(!gbk.empty());
    QCOMPARE(countGbkCharacter(gbk, "\xA3\xA8"), openParens);
    QCOMPARE(countGbkCharacter(gbk, "\xA3\xA9"), closeParens);
    QCOMPARE(countGbkCharacter(gbk, "\xA3\xAC"), commas);
    QCOMPARE(countGbkCharacter(gbk, "\xA3\xBA"), colons);
    QCOMPARE(countGbkCharacter(gbk, "\xA1\xA2"), enumerationCommas);
}

void TestSnippetsThemeExtensions::clicksWriteTheWholeText_data()
{
    QTest::addColumn<QList<int>>("entries");
    QTest::newRow("first row") << QList<int> { 82, 83, 84, 85, 86, 87 };
    QTest::newRow("second row") << QList<int> { 88, 89, 90, 91, 92, 93 };
    QTest::newRow("third row") << QList<int> { 94, 95, 96, 97, 98 };
    QTest::newRow("same entry twice") << QList<int> { 97, 97 };
    QTest::newRow("twins") << QList<int> { 89, 95, 89 };
    QTest::newRow("caller after callee") << QList<int> { 82, 86 };
}

void TestSnippetsThemeExtensions::clicksWriteTheWholeText()
{
    QFETCH(QList<int>, entries);
    MainWindow window([](const QString &) { return true; }, {}, {});
    window.catalogue()->tabBar()->setCurrentIndex(kPage - 1);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (int number : entries) {
        window.codeBox()->setPlainText(QStringLiteral("the user's own edits"));
        QRadioButton *button = entryButton(window, number);
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(button->isChecked());
        QCOMPARE(
            window.codeBox()->toPlainText(), platform::toQString(catalogueEntry(number)->text));
    }
}

void TestSnippetsThemeExtensions::longestTextScrollsVerticallyOnly_data()
{
    QTest::addColumn<int>("shortEntry");
    QTest::newRow("avatar over SSL") << 96;
    QTest::newRow("HTTP 1.0 filter") << 91;
}

void TestSnippetsThemeExtensions::longestTextScrollsVerticallyOnly()
{
    QFETCH(int, shortEntry);
    MainWindow window([](const QString &) { return true; }, {}, {});
    window.catalogue()->tabBar()->setCurrentIndex(kPage - 1);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    CodeBox *box = window.codeBox();

    QTest::mouseClick(entryButton(window, 98), Qt::LeftButton);
    QCOMPARE(box->toPlainText(), platform::toQString(catalogueEntry(98)->text));
    QCOMPARE(
        box->document()->blockCount(), 141); // 140 lines and the empty one after the last line end
    QTRY_VERIFY(box->verticalScrollBar()->isVisible());
    QVERIFY(box->verticalScrollBar()->maximum() > 0);
    QVERIFY(!box->horizontalScrollBar()->isVisible());

    QTest::mouseClick(entryButton(window, shortEntry), Qt::LeftButton);
    QCOMPARE(box->toPlainText(), platform::toQString(catalogueEntry(shortEntry)->text));
    QTRY_VERIFY(!box->verticalScrollBar()->isVisible());
    QVERIFY(!box->horizontalScrollBar()->isVisible());
}

QTEST_MAIN(TestSnippetsThemeExtensions)
#include "tst_snippets_theme_extensions.moc"
