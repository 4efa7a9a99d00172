// The site optimisation entries (72 to 81): their quoted lines at their line
// numbers, the banners, the tabs, the empty lines that must stay empty, and
// the full-width punctuation.
#include "catalogue/catalogue_layout.h"
#include "snippet_forms.h"

#include <QRegularExpression>
#include <QTest>

#include <string>
#include <vector>

using namespace quillo;

namespace {

using test::linesOf;

const std::string kBannerTop = "/" + std::string(70, '*');
const std::string kBannerBottom = std::string(70, '*') + "/";

} // namespace

class TestSnippetsSiteOptimisation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void quotedLines_data();
    void quotedLines();
    void banners_data();
    void banners();
    void emptyLinesStayEmpty();
    void tabsStayTabs_data();
    void tabsStayTabs();
    void fullWidthPunctuation_data();
    void fullWidthPunctuation();
    void noPhpTags();
};

void TestSnippetsSiteOptimisation::quotedLines_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    const auto row = [](int entry, int line, const char *text) {
        QTest::addRow("entry %d line %d", entry, line) << entry << line << QString::fromUtf8(text);
    };
    // clang-format off
    row(72, 4, "add_filter('show_admin_bar', '__return_false');");
    row(72, 5, "remove_action('wp_head', 'feed_links', 2);");
    row(72, 10, "remove_action('wp_head', 'parent_post_rel_link', 10, 0);");
    row(72, 24, "remove_action('publish_future_post', 'check_and_publish_future_post', 10, 1);");
    row(72, 28, "remove_filter('rest_pre_serve_request', '_oembed_rest_pre_serve_request', 10, 4);");
    row(72, 29, "remove_filter('oembed_dataparse', 'wp_filter_oembed_result', 10);");
    row(72, 33, "add_shortcode('reply', 'reply_to_read');");
    row(73, 1, "add_filter('pre_site_transient_update_core',create_function('$a',\"return null;\")); // 关闭核心提示");
    row(73, 2, "add_filter('pre_site_transient_update_plugins',create_function('$a',\"return null;\")); // 关闭插件提示");
    row(73, 3, "add_filter('pre_site_transient_update_themes',create_function('$a',\"return null;\")); // 关闭主题提示");
    row(74, 1, "remove_action('admin_init','_maybe_update_core');// 禁止 WordPress 检查更新");
    row(74, 2, "remove_action('admin_init','_maybe_update_plugins');// 禁止 WordPress 更新插件");
    row(74, 3, "remove_action('admin_init','_maybe_update_themes'); // 禁止 WordPress 更新主题");
    row(75, 1, "//禁用文章自动保存");
    row(75, 2, "add_action('wp_print_scripts','disable_autosave');");
    row(75, 5, "}");
    row(76, 1, "//禁用文章修订版本");
    row(76, 2, "add_filter( 'wp_revisions_to_keep', 'specs_wp_revisions_to_keep', 10, 2 );");
    row(77, 1, "// 阻止站内文章互相Pingback ");
    row(77, 7, "}");
    row(77, 8, "add_action('pre_ping','theme_noself_ping');");
    row(78, 1, "// 禁用难用的Gutenberg（古腾堡） 编辑器");
    row(78, 2, "add_filter('use_block_editor_for_post', '__return_false');");
    row(79, 1, "/**");
    row(79, 2, " * 禁止后台加载谷歌字体");
    row(79, 3, " */");
    row(79, 10, "add_action('init', 'wp_remove_open_sans_from_wp_core');");
    row(80, 5, "\tremove_action('wp_head', 'print_emoji_detection_script', 7);");
    row(80, 14, "add_action('init', 'disable_emojis');");
    row(80, 20, "\t} else {");
    row(80, 22, "\t}");
    row(80, 23, "}");
    row(81, 4, "add_filter( 'get_avatar' , 'mervan_custom_avatar' , 10 , 5 );");
    row(81, 9, "    // $id_or_email的值：后台右上角登录用户头像为id，其他为邮箱，下面做一个判断");
    row(81, 28, "    // 参数404 onerror 方法 - 速度最快");
    // The avatar comes from Gravatar's secure host, the fallback through onerror.
    row(81, 29, "    $avatar = \"<img alt='{$alt}' src='//secure.gravatar.com/avatar/{$email_hash}?d=404' "
                "onerror='javascript:this.src=\\\"{$src}\\\";this.onerror=null;' "
                "class='avatar avatar-{$size} photo' height='{$size}' width='{$size}' />\";");
    row(81, 31, "    // 参数default_img 方法 - 速度稍逊");
    row(81, 32, "    // $src = urlencode( $src );");
    row(81, 33, "    //$avatar = \"<img alt='{$alt}' src='//secure.gravatar.com/avatar/{$email_hash}?d={$src}' "
                "class='avatar avatar-{$size} photo' height='{$size}' width='{$size}' />\";");
    row(81, 36, "}");
    // clang-format on
}

void TestSnippetsSiteOptimisation::quotedLines()
{
    QFETCH(int, entry);
    QFETCH(int, line);
    QFETCH(QString, text);
    const auto lines = linesOf(entry);
    QVERIFY(line <= static_cast<int>(lines.size()));
    QCOMPARE(QString::fromStdString(lines[line - 1]), text);
}

void TestSnippetsSiteOptimisation::banners_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("title");
    QTest::newRow("entry 72") << 72 << QStringLiteral("\t\t\t去除多余代码");
    QTest::newRow("entry 80") << 80 << QStringLiteral("\t\t\t\t\t\t\t禁用表情");
    QTest::newRow("entry 81") << 81 << QStringLiteral("\t\t\t\t\t\t\t随机加载头像");
}

void TestSnippetsSiteOptimisation::banners()
{
    QFETCH(int, entry);
    QFETCH(QString, title);
    const auto lines = linesOf(entry);
    QCOMPARE(lines[0], kBannerTop);
    QCOMPARE(QString::fromStdString(lines[1]), title);
    QCOMPARE(lines[2], kBannerBottom);
}

void TestSnippetsSiteOptimisation::emptyLinesStayEmpty()
{
    const auto lines = linesOf(81);
    std::vector<int> empty;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find_first_not_of(" \t") == std::string::npos) {
            QVERIFY2(lines[i].empty(), qPrintable(QString::number(i + 1)));
            empty.push_back(static_cast<int>(i) + 1);
        }
    }
    QCOMPARE(empty, (std::vector<int> { 6, 8, 11, 13, 21, 23, 25, 27, 30, 34 }));
}

void TestSnippetsSiteOptimisation::tabsStayTabs_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("indent");
    QTest::newRow("entry 75 statement") << 75 << 4 << QStringLiteral("  \t");
    QTest::newRow("entry 76 statement") << 76 << 4 << QStringLiteral("  \t");
    QTest::newRow("entry 80 body") << 80 << 12 << QStringLiteral("\t");
    QTest::newRow("entry 80 inner array") << 80 << 18 << QStringLiteral("\t\t\t");
    QTest::newRow("entry 80 array close") << 80 << 19 << QStringLiteral("\t\t");
    QTest::newRow("entry 81 placeholder") << 81 << 15 << QStringLiteral("    \t");
    QTest::newRow("entry 81 array close") << 81 << 20 << QStringLiteral("    ");
    QTest::newRow("entry 77 loop body") << 77 << 6 << QStringLiteral("            ");
}

void TestSnippetsSiteOptimisation::tabsStayTabs()
{
    QFETCH(int, entry);
    QFETCH(int, line);
    QFETCH(QString, indent);
    const QString text = QString::fromStdString(linesOf(entry)[line - 1]);
    const qsizetype end = text.indexOf(QRegularExpression(QStringLiteral("[^ \\t]")));
    QCOMPARE(text.left(end), indent);
}

void TestSnippetsSiteOptimisation::fullWidthPunctuation_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QByteArray>("gbk");
    QTest::addColumn<int>("times");
    QTest::newRow("entry 78 left parenthesis") << 78 << QByteArray("\xA3\xA8") << 1;
    QTest::newRow("entry 78 right parenthesis") << 78 << QByteArray("\xA3\xA9") << 1;
    QTest::newRow("entry 81 colon") << 81 << QByteArray("\xA3\xBA") << 1;
    QTest::newRow("entry 81 commas") << 81 << QByteArray("\xA3\xAC") << 2;
}

void TestSnippetsSiteOptimisation::fullWidthPunctuation()
{
    QFETCH(int, entry);
    QFETCH(QByteArray, gbk);
    QFETCH(int, times);
    const QByteArray text = QByteArray::fromStdString(test::gbkCrLf(catalogueEntry(entry)->text));
    QCOMPARE(text.count(gbk), times);
}

void TestSnippetsSiteOptimisation::noPhpTags()
{
    // These go inside an existing functions.php.
    for (int number = 72; number <= 81; ++number) {
        const std::string_view text = catalogueEntry(number)->text;
        QVERIFY2(text.find("<?php") == std::string_view::npos
                && text.find("?>") == std::string_view::npos,
            qPrintable(QString::number(number)));
    }
}

QTEST_APPLESS_MAIN(TestSnippetsSiteOptimisation)
#include "tst_snippets_site_optimisation.moc"
