// The texts of the tag entries (1 to 71) where their exact form matters:
// quoted lines at their line numbers, the walker class's blank separator
// lines and tabs, the full-width punctuation, and clicks through the real
// radio buttons.
#include "catalogue/catalogue_layout.h"
#include "catalogue/catalogue_view.h"
#include "catalogue/code_box.h"
#include "platform/control_table.h"
#include "platform/look.h"
#include "snippet_forms.h"
#include "ui/main_window/main_window.h"

#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include <string>
#include <vector>

using namespace quillo;

namespace {

std::vector<std::string> linesOf(int entry)
{
    std::vector<std::string> lines;
    const std::string_view text = catalogueEntry(entry)->text;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        lines.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos)
            return lines;
        start = end + 1;
    }
}

} // namespace

class TestSnippetsTags : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void quotedLines_data();
    void quotedLines();
    void walkerSeparatorsHoldOneBlank();
    void walkerIndentsWithTabs();
    void fullWidthPunctuation_data();
    void fullWidthPunctuation();
    void oneLineTagsOpenAndClosePhp();
    void clicksFillTheCodeBox_data();
    void clicksFillTheCodeBox();
};

void TestSnippetsTags::quotedLines_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("line"); // 1-based
    QTest::addColumn<QString>("text");

    const auto row = [](int entry, int line, const char *text) {
        QTest::addRow("entry %d line %d", entry, line) << entry << line << QString::fromUtf8(text);
    };
    row(1, 1, "<?php bloginfo('name'); ?>");
    row(10, 1, "<?php bloginfo('atom_url'); ?>");
    row(11, 1, "<?php bloginfo('rss2_url'); ?>");
    row(16, 1, "<?php wp_nav_menu( array('menu' => 'Project Nav' )); ?>");
    row(17, 2, R"(<li <?php if(is_home()) { ?> class="current-cat" <?php } ?>>)");
    row(17, 3, R"(<a href="<?php bloginfo('home'); ?>">Home</a></li>)");
    row(17, 5, "</ul>");
    row(18, 1, "//此代码放入导航菜单ul中");
    row(18, 2, "<?php");
    row(18, 3, "if ( has_nav_menu( 'top' ) ) :");
    row(18, 5, "    'theme_location' => 'top',");
    row(18, 8, "        'menu_class'=>'dropdown-menu',");
    row(18, 10, "        'depth' => 0, ) );");
    row(18, 11, "endif;?> ");
    row(18, 12, "//自定义nav class,放置functions.php中");
    row(18, 13, "class description_walker extends Walker_Nav_Menu");
    row(18, 14, "{");
    row(18, 45, "\t}");
    row(18, 46, "}");
    row(21, 1, "<?php the_permalink() ?>");
    row(22, 4, "<?php endwhile; ?> //结束PHP函数”while”");
    row(22, 5, "<?php endif; ?> //结束PHP函数”if”");
    row(23, 5, "<?php else: ?> //如果没有日志，则显示");
    row(23, 6, "<p>对叭起，这里暂时没有内容</p>");
    row(23, 7, "<?php endif;?>");
    row(28, 1, "<?php the_time('m-d-y') ?>//时间格式请参照PHP格式");
    row(30, 1, "<?php the_category(',') ?>");
    row(49, 1, "<?php is_home(); ?>");
    row(65, 1, "<?php echo floor((time()-strtotime('2019-8-18'))/86400); ?>");
    row(69, 1, R"(<?php $link = $wpdb->get_var("SELECT COUNT(*) FROM $wpdb->links WHERE link_visible = 'Y'"); echo $link; ?>)");
}

void TestSnippetsTags::quotedLines()
{
    QFETCH(int, entry);
    QFETCH(int, line);
    QFETCH(QString, text);
    const auto lines = linesOf(entry);
    QVERIFY(line <= static_cast<int>(lines.size()));
    QCOMPARE(QString::fromStdString(lines[line - 1]), text);
}

void TestSnippetsTags::walkerSeparatorsHoldOneBlank()
{
    const auto lines = linesOf(18);
    std::vector<int> blankLines;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find_first_not_of(" \t") == std::string::npos)
            blankLines.push_back(static_cast<int>(i) + 1);
    }
    QCOMPARE(blankLines.size(), std::size_t(9));
    for (int number : blankLines)
        QCOMPARE(QString::fromStdString(lines[number - 1]), QStringLiteral(" "));
}

void TestSnippetsTags::walkerIndentsWithTabs()
{
    // The method's head and braces sit one tab in, its body two; the
    // template part above uses blanks only.
    const auto lines = linesOf(18);
    for (int number = 1; number <= 14; ++number)
        QVERIFY2(lines[number - 1].find('\t') == std::string::npos, qPrintable(QString::number(number)));
    QVERIFY(lines[14].starts_with("\tfunction start_el(") && !lines[14].starts_with("\t\t"));
    QCOMPARE(QString::fromStdString(lines[15]), QStringLiteral("\t{"));
    for (int number = 17; number <= 44; ++number) {
        const std::string &line = lines[number - 1];
        if (line != " ")
            QVERIFY2(line.starts_with("\t\t") && line[2] != '\t', qPrintable(QString::number(number)));
    }
    // The tab escape passed to str_repeat is written as an escape.
    QVERIFY(lines[17].find(R"(str_repeat( "\t", $depth ))") != std::string::npos);
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

void TestSnippetsTags::oneLineTagsOpenAndClosePhp()
{
    // Groups 1, 4 and 5 and most of 3 are single lines in one PHP tag; the
    // three exceptions of group 3 are kept by the quoted rows above.
    for (int number : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 19, 20, 24, 25, 26,
                       27, 29, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47,
                       48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63, 64, 65, 66,
                       67, 68, 69, 70, 71}) {
        const std::string_view text = catalogueEntry(number)->text;
        QVERIFY2(text.starts_with("<?php ") && text.ends_with("; ?>"), qPrintable(QString::number(number)));
        QVERIFY2(text.find('\n') == std::string_view::npos, qPrintable(QString::number(number)));
    }
}

void TestSnippetsTags::clicksFillTheCodeBox_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QList<int>>("entries");
    QTest::newRow("header") << 1 << QList<int>{1, 14, 7};
    QTest::newRow("navigation") << 1 << QList<int>{18, 15, 17};
    QTest::newRow("template") << 1 << QList<int>{22, 23, 48, 28};
    QTest::newRow("conditional") << 2 << QList<int>{49, 61, 52};
    QTest::newRow("statistics") << 2 << QList<int>{71, 62, 65};
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
        QCOMPARE(window.codeBox()->toPlainText(), platform::toQString(catalogueEntry(number)->text));
    }
}

QTEST_MAIN(TestSnippetsTags)
#include "tst_snippets_tags.moc"
