// The text side of the version check on GBK bytes: the text-between routine
// with its placeholder, character-boundary scan, start positions and letter
// case; the trim; the comparison with our version; and the way from the
// page's UTF-8 bytes to GBK text.
#include "update/text_between.h"
#include "update/transcode.h"
#include "update/version_text.h"

#include <QTest>

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <vector>

using namespace quillo;
using namespace quillo::update;

namespace {

// GBK bytes of UTF-8 source text; the rows below are written in Chinese for
// reading, and a failed conversion must not turn a row into "" == "".
QByteArray g(const char *utf8)
{
    const std::string out = transcode(utf8, "UTF-8", "GBK");
    if (out.empty() && *utf8 != '\0')
        qFatal("no GBK for a test row: %s", utf8);
    return QByteArray(out.data(), qsizetype(out.size()));
}

// Raw bytes, zero bytes included.
template <std::size_t N>
QByteArray raw(const char (&bytes)[N])
{
    return QByteArray(bytes, N - 1);
}

std::string_view view(const QByteArray &bytes)
{
    return {bytes.constData(), std::size_t(bytes.size())};
}

QByteArray bytes(const std::string &s)
{
    return QByteArray(s.data(), qsizetype(s.size()));
}

} // namespace

class TestTextBetween : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textBetween_data();
    void textBetween();
    void findPosition_data();
    void findPosition();
    void markerCopies_data();
    void markerCopies();
    void trim_data();
    void trim();
    void ownVersion_data();
    void ownVersion();
    void pageText_data();
    void pageText();
    void markersAreTheGbkOfTheirText();
};

void TestTextBetween::textBetween_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("left");
    QTest::addColumn<QByteArray>("right");
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("ignoreCase");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray left = g("版本号:");
    const QByteArray stop = g("。");
    const auto row = [](const char *name, const QByteArray &text, const QByteArray &l,
                        const QByteArray &r, int start, bool ignoreCase,
                        const QByteArray &expected) {
        QTest::newRow(name) << text << l << r << start << ignoreCase << expected;
    };

    // The markers and what lies between them.
    row("version", g("版本号:1.0。"), left, stop, 0, false, "1.0");
    row("left marker missing", g("版本:1.0。"), left, stop, 0, false, "");
    row("right marker missing", g("版本号:1.0"), left, stop, 0, false, "");
    row("right marker right after the left", g("版本号:。"), left, stop, 0, false, "");
    row("first left marker counts", g("版本号:1。版本号:2。"), left, stop, 0, false, "1");
    row("first right marker after the left", g("版本号:1。2。"), left, stop, 0, false, "1");
    row("right markers before the left do not count", g("。。版本号:1.0。"), left, stop, 0, false,
        "1.0");
    row("right marker only before the left", g("。版本号:1.0"), left, stop, 0, false, "");
    row("full-width colon is another character", g("版本号：1.0。"), left, stop, 0, false, "");
    row("markup stays", g("<p>版本号:<b>1.0</b>。</p>"), left, stop, 0, false, "<b>1.0</b>");
    row("Chinese between the markers", g("版本号:一点零。"), left, stop, 0, false, g("一点零"));
    row("zero byte is just a byte", raw("\0x\0" "1;"), "x", ";", 0, false, raw("\0" "1"));
    row("empty text", "", left, stop, 0, false, "");
    row("empty left marker", g("版本号:1.0。"), "", stop, 0, false, "");
    row("empty right marker", g("版本号:1.0。"), left, "", 0, false, "");

    // Matches start on character boundaries only. 啊！ is B0 A1 A3 A1: the
    // bytes of 。 (A1 A3) straddle its two characters.
    row("right marker straddling two characters", g("版本号:1.0啊！"), left, stop, 0, false, "");
    row("right marker after a straddling pair", g("版本号:1.0啊！。"), left, stop, 0, false,
        g("1.0啊！"));
    row("left marker on a trailing byte", raw("\xC1" "AB1;"), "AB", ";", 0, false, "");
    row("left marker after a trailing-byte look-alike", raw("\xC1" "ABAB1;"), "AB", ";", 0, false,
        "1");
    row("lead byte as the last byte", g("版本号:1.0") + raw("\xB0"), left, stop, 0, false, "");
    row("lead byte at the end is still compared", raw("x1\xB0"), "x", raw("\xB0"), 0, false, "1");
    row("marker longer than what is left", raw("x1\xB0"), "x", raw("\xB0\xA1"), 0, false, "");

    // Start positions count bytes from 1; anything below 1 is the beginning.
    const QByteArray twice = g("版本号:1。版本号:2。"); // 20 bytes, second marker at 11
    row("start 0", twice, left, stop, 0, false, "1");
    row("start 1", twice, left, stop, 1, false, "1");
    row("start -1", twice, left, stop, -1, false, "1");
    row("start INT_MIN", twice, left, stop, INT_MIN, false, "1");
    row("start inside the first character", twice, left, stop, 2, false, "2");
    row("start at the second marker", twice, left, stop, 11, false, "2");
    row("start just after the second marker begins", twice, left, stop, 12, false, "");
    row("start at the last byte", twice, left, stop, 20, false, "");
    row("start just past the end", twice, left, stop, 21, false, "");
    row("start INT_MAX", twice, left, stop, INT_MAX, false, "");
    row("start exactly at the left marker", "ab1;", "b", ";", 2, false, "1");
    row("start just after the left marker", "ab1;", "b", ";", 3, false, "");

    // The placeholder #引号 stands for one double quote, in both markers.
    row("placeholder around a letter", "x\"a\"mid;", g("#引号a#引号"), ";", 0, false, "mid");
    row("placeholder in both markers", "a=\"1.0\"", g("a=#引号"), g("#引号"), 0, false, "1.0");
    row("placeholders side by side", "x\"\"1;", g("#引号#引号"), ";", 0, false, "1");
    row("hash before a placeholder", "x#\"1;", g("##引号"), ";", 0, false, "1");
    row("the placeholder's own bytes are not a quote", g("#引号a#引号mid;"), g("#引号a#引号"), ";",
        0, false, "");
    // A3 23 is one character, so the # there does not start a placeholder.
    row("placeholder on a trailing byte stays as written", raw("\xA3#\xD2\xFD\xBA\xC5" "1;"),
        raw("\xA3#\xD2\xFD\xBA\xC5"), ";", 0, false, "1");
    row("placeholder on a trailing byte is no quote", raw("\xA3\"1;"),
        raw("\xA3#\xD2\xFD\xBA\xC5"), ";", 0, false, "");

    // Letter case: A-Z fold to a-z, byte by byte, and nothing else folds.
    row("exact case differs", "xabc1;", "ABC", ";", 0, false, "");
    row("ignore case", "xabc1;", "ABC", ";", 0, true, "1");
    row("ignore case in the right marker", "ABC1xyz", "abc", "XYZ", 0, true, "1");
    row("ignore case leaves bytes above 7F", raw("\xE1" "1;"), raw("\xC1"), ";", 0, true, "");
    row("ignore case folds a capital trailing byte", raw("\xB0" "A1;"), raw("\xB0" "a"), ";", 0,
        true, "1");
    row("exact case keeps a capital trailing byte", raw("\xB0" "A1;"), raw("\xB0" "a"), ";", 0,
        false, "");
    row("[ is not a capital of {", "{1;", "[", ";", 0, true, "");
    row("@ is not a capital of `", "`1;", "@", ";", 0, true, "");
    row("ignore case with Chinese markers", g("版本号:V1。"), left, stop, 0, true, "V1");
}

void TestTextBetween::textBetween()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, left);
    QFETCH(QByteArray, right);
    QFETCH(int, start);
    QFETCH(bool, ignoreCase);
    QFETCH(QByteArray, expected);

    // A buffer of exactly the text's size, so a sanitizer build sees any
    // read past its end (a QByteArray has a terminator there).
    const std::vector<char> exact(text.begin(), text.end());
    const std::string got =
        update::textBetween({exact.data(), exact.size()}, view(left), view(right), start,
                            ignoreCase ? LetterCase::IgnoreAscii : LetterCase::Exact);
    QCOMPARE(bytes(got), expected);
}

void TestTextBetween::findPosition_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("needle");
    QTest::addColumn<int>("start");
    QTest::addColumn<qsizetype>("expected"); // -1: not found

    QTest::newRow("positions count bytes from 1")
        << g("ab版c") << QByteArray("c") << 0 << qsizetype(5);
    QTest::newRow("first byte is position 1")
        << QByteArray("abc") << QByteArray("a") << 1 << qsizetype(1);
    QTest::newRow("found at the start position") << QByteArray("abcabc") << QByteArray("a") << 4
                                                 << qsizetype(4);
    QTest::newRow("lone lead byte at the end") << raw("ab\xB0") << raw("\xB0") << 0 << qsizetype(3);
    QTest::newRow("straddling match missed from the start") << g("啊！") << g("。") << 1
                                                            << qsizetype(-1);
    // From a trailing byte the characters are counted anew.
    QTest::newRow("straddling match found from a trailing byte") << g("啊！") << g("。") << 2
                                                                 << qsizetype(2);
    QTest::newRow("start past the end")
        << QByteArray("abc") << QByteArray("c") << 4 << qsizetype(-1);
    QTest::newRow("empty needle") << QByteArray("abc") << QByteArray() << 0 << qsizetype(-1);
    QTest::newRow("empty text") << QByteArray() << QByteArray("a") << 0 << qsizetype(-1);
}

void TestTextBetween::findPosition()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, needle);
    QFETCH(int, start);
    QFETCH(qsizetype, expected);

    const auto found = findText(view(text), view(needle), start, LetterCase::Exact);
    QCOMPARE(found ? qsizetype(*found) : qsizetype(-1), expected);
}

void TestTextBetween::markerCopies_data()
{
    QTest::addColumn<QByteArray>("marker");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("no placeholder") << g("版本号:") << g("版本号:");
    QTest::newRow("one placeholder") << g("#引号") << QByteArray("\"");
    QTest::newRow("placeholder between Chinese") << g("版#引号本") << g("版\"本");
    QTest::newRow("half a placeholder") << g("#引") << g("#引");
    QTest::newRow("placeholder on a trailing byte") << raw("\xA3#\xD2\xFD\xBA\xC5")
                                                    << raw("\xA3#\xD2\xFD\xBA\xC5");
    QTest::newRow("lead byte at the end") << raw("#\xD2\xFD\xBA\xC5\xB0") << raw("\"\xB0");
}

void TestTextBetween::markerCopies()
{
    QFETCH(QByteArray, marker);
    QFETCH(QByteArray, expected);
    QCOMPARE(bytes(withQuotes(view(marker))), expected);
}

void TestTextBetween::trim_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("nothing to trim") << QByteArray("1.0") << QByteArray("1.0");
    QTest::newRow("ASCII spaces") << QByteArray("  1.0 ") << QByteArray("1.0");
    QTest::newRow("full-width spaces") << g("　1.0　　") << QByteArray("1.0");
    QTest::newRow("mixed spaces") << g(" 　 1.0　 ") << QByteArray("1.0");
    QTest::newRow("spaces inside stay") << g("1 .　0") << g("1 .　0");
    QTest::newRow("tab stays") << QByteArray("\t1.0") << QByteArray("\t1.0");
    QTest::newRow("line ends stay") << QByteArray(" \r\n1.0\r\n ") << QByteArray("\r\n1.0\r\n");
    QTest::newRow("spaces only") << QByteArray("   ") << QByteArray();
    QTest::newRow("full-width spaces only") << g("　　") << QByteArray();
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("Chinese at both ends") << g(" 版本 ") << g("版本");
    // D7 A1 is one character; the A1 after it is a lone lead byte, so the
    // last two bytes A1 A1 are no full-width space.
    QTest::newRow("A1 A1 across a character boundary")
        << raw("\xD7\xA1\xA1") << raw("\xD7\xA1\xA1");
    QTest::newRow("full-width space after a character ending in A1")
        << raw("\xD7\xA1\xA1\xA1") << raw("\xD7\xA1");
    QTest::newRow("lone lead byte at the end") << raw("1.0 \xA1") << raw("1.0 \xA1");
    QTest::newRow("space as a trailing byte") << raw(" \xB0 ") << raw("\xB0 ");
    QTest::newRow("full-width space then a lone lead byte") << raw("\xA1\xA1\xA1") << raw("\xA1");
}

void TestTextBetween::trim()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);
    QCOMPARE(bytes(trimSpaces(view(text))), expected);
}

void TestTextBetween::ownVersion_data()
{
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<bool>("isOwn");

    QTest::newRow("1.0") << QByteArray("1.0") << true;
    QTest::newRow("1.1") << QByteArray("1.1") << false;
    QTest::newRow("0.9") << QByteArray("0.9") << false;
    QTest::newRow("1.00") << QByteArray("1.00") << false;
    QTest::newRow("1") << QByteArray("1") << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("untrimmed") << QByteArray("1.0 ") << false;
    QTest::newRow("zero byte after it") << raw("1.0\0") << false;
    QTest::newRow("full-width digit") << g("１.0") << false;
    QTest::newRow("letter O for zero") << QByteArray("1.O") << false;
}

void TestTextBetween::ownVersion()
{
    QFETCH(QByteArray, version);
    QFETCH(bool, isOwn);
    QCOMPARE(isOwnVersion(view(version)), isOwn);
}

void TestTextBetween::pageText_data()
{
    QTest::addColumn<QByteArray>("page"); // UTF-8, as fetched
    QTest::addColumn<QByteArray>("expected"); // GBK

    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("ASCII") << QByteArray("<p>1.0</p>") << QByteArray("<p>1.0</p>");
    QTest::newRow("Chinese")
        << QByteArray("版本号:1.0。") << raw("\xB0\xE6\xB1\xBE\xBA\xC5:1.0\xA1\xA3");
    QTest::newRow("full-width space") << QByteArray("　") << raw("\xA1\xA1");
    QTest::newRow("emoji anywhere") << QByteArray("版本号:1.0。<!-- 🙂 -->") << QByteArray();
    // In GBK but not in GB2312: converting to GBK would let it through.
    QTest::newRow("traditional-only character") << QByteArray("體 版本号:1.0。") << QByteArray();
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF版本号:1.0。") << QByteArray();
    QTest::newRow("invalid byte") << QByteArray("\xFF版本号:1.0。") << QByteArray();
    QTest::newRow("ends inside a character") << QByteArray("版本号:1.0。\xE7\x89") << QByteArray();
    QTest::newRow("overlong encoding") << QByteArray("a\xC0\xAF") << QByteArray();
    QTest::newRow("encoded surrogate") << QByteArray("a\xED\xA0\x80") << QByteArray();
    QTest::newRow("zero byte cuts the text") << raw("ab\0版本号:1.0。") << QByteArray("ab");
    QTest::newRow("zero byte first") << raw("\0版本号:1.0。") << QByteArray();
    QTest::newRow("invalid after a zero byte still fails") << raw("ab\0\xFF") << QByteArray();
}

void TestTextBetween::pageText()
{
    QFETCH(QByteArray, page);
    QFETCH(QByteArray, expected);
    QCOMPARE(bytes(pageTextFrom(view(page))), expected);
}

void TestTextBetween::markersAreTheGbkOfTheirText()
{
    const auto array = [](std::string_view s) { return QByteArray(s.data(), qsizetype(s.size())); };
    QCOMPARE(array(kVersionLeftMarker), g("版本号:"));
    QCOMPARE(array(kVersionRightMarker), g("。"));
    QCOMPARE(array(kQuotePlaceholder), g("#引号"));
}

QTEST_APPLESS_MAIN(TestTextBetween)
#include "tst_text_between.moc"
