// Every snippet text against the sizes the catalogue gives for it: line
// counts, byte counts in the GBK, CR LF form, the rule for a final line end,
// and that GBK holds every character.
#include "catalogue/catalogue_layout.h"
#include "snippet_forms.h"

#include <QTest>

#include <algorithm>

using namespace quillo;

namespace {

struct Expected {
    int entry;
    int lines;
    int gbkBytes; // 0: no count given
    bool endsWithLineEnd;
};

// clang-format off
constexpr Expected kExpected[] = {
    {1, 1, 26, false}, {2, 1, 0, false}, {3, 1, 0, false}, {4, 1, 0, false}, {5, 1, 0, false},
    {6, 1, 0, false}, {7, 1, 0, false}, {8, 1, 0, false}, {9, 1, 0, false}, {10, 1, 0, false},
    {11, 1, 0, false}, {12, 1, 0, false}, {13, 1, 0, false}, {14, 1, 0, false},
    {15, 1, 0, false}, {16, 1, 0, false}, {17, 5, 188, false}, {18, 46, 0, false},
    {19, 1, 0, false}, {20, 1, 0, false}, {21, 1, 0, false}, {22, 5, 218, false},
    {23, 7, 269, false}, {24, 1, 0, false}, {25, 1, 0, false}, {26, 1, 0, false},
    {27, 1, 0, false}, {28, 1, 49, false}, {29, 1, 0, false}, {30, 1, 0, false},
    {31, 1, 0, false}, {32, 1, 0, false}, {33, 1, 0, false}, {34, 1, 0, false},
    {35, 1, 0, false}, {36, 1, 0, false}, {37, 1, 0, false}, {38, 1, 0, false},
    {39, 1, 0, false}, {40, 1, 0, false}, {41, 1, 0, false}, {42, 1, 0, false},
    {43, 1, 0, false}, {44, 1, 0, false}, {45, 1, 0, false}, {46, 1, 0, false},
    {47, 1, 0, false}, {48, 1, 0, false},
    {49, 1, 19, false}, {50, 1, 0, false}, {51, 1, 0, false}, {52, 1, 0, false},
    {53, 1, 0, false}, {54, 1, 0, false}, {55, 1, 0, false}, {56, 1, 0, false},
    {57, 1, 0, false}, {58, 1, 0, false}, {59, 1, 0, false}, {60, 1, 0, false},
    {61, 1, 0, false}, {62, 1, 0, false}, {63, 1, 0, false}, {64, 1, 69, false},
    {65, 1, 59, false}, {66, 1, 0, false}, {67, 1, 0, false}, {68, 1, 0, false},
    {69, 1, 106, false}, {70, 1, 84, false}, {71, 1, 259, false},
    {72, 33, 0, false}, {73, 3, 0, false}, {74, 3, 0, false}, {75, 5, 0, false},
    {76, 5, 0, false}, {77, 8, 0, false}, {78, 3, 0, false}, {79, 10, 0, false},
    {80, 23, 0, false}, {81, 36, 0, false},
    {82, 23, 0, false}, {83, 121, 0, false}, {84, 30, 0, false}, {85, 30, 0, true},
    {86, 36, 0, false}, {87, 32, 0, false}, {88, 11, 0, false}, {89, 10, 0, false},
    {90, 12, 0, false}, {91, 6, 0, false}, {92, 12, 0, false}, {93, 44, 0, false},
    {94, 8, 0, false}, {95, 7, 0, false}, {96, 6, 0, false}, {97, 27, 0, true},
    {98, 140, 0, true},
};
// clang-format on

int lineCount(std::string_view text, bool endsWithLineEnd)
{
    const auto breaks = std::count(text.begin(), text.end(), '\n');
    return static_cast<int>(endsWithLineEnd ? breaks : breaks + 1);
}

} // namespace

class TestSnippetTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sizes_data();
    void sizes();
};

void TestSnippetTexts::sizes_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("gbkBytes");
    QTest::addColumn<bool>("endsWithLineEnd");
    for (const Expected &e : kExpected) {
        QTest::addRow("entry %d", e.entry) << e.entry << e.lines << e.gbkBytes << e.endsWithLineEnd;
    }
}

void TestSnippetTexts::sizes()
{
    QFETCH(int, entry);
    QFETCH(int, lines);
    QFETCH(int, gbkBytes);
    QFETCH(bool, endsWithLineEnd);

    const SnippetEntry *snippet = catalogueEntry(entry);
    QVERIFY(snippet);
    QCOMPARE(snippet->kind, EntryKind::Snippet);
    const std::string_view text = snippet->text;
    QVERIFY2(!text.empty(), "the text is not written");

    QVERIFY2(text.find('\r') == std::string_view::npos, "lines are separated by \\n alone");
    QCOMPARE(text.ends_with('\n'), endsWithLineEnd);
    QVERIFY2(!text.ends_with("\n\n"), "at most one final line end");
    QCOMPARE(lineCount(text, endsWithLineEnd), lines);

    const std::string gbk = test::gbkCrLf(text);
    QVERIFY2(!gbk.empty(), "GBK holds every character");
    QCOMPARE(transcode(gbk, "GBK", "UTF-8"), test::withCrLf(text));
    if (gbkBytes != 0)
        QCOMPARE(static_cast<int>(gbk.size()), gbkBytes);
}

QTEST_APPLESS_MAIN(TestSnippetTexts)
#include "tst_snippet_texts.moc"
