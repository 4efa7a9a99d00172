// The whole version check against a real HTTP server on 127.0.0.1, reached
// as the proxy for the version page's address: the page texts it keeps, when
// it opens the notice, and the request the server receives.
#include "app/program_texts.h"
#include "update/transcode.h"
#include "update/version_check.h"

#include "local_http_server.h"

#include <QElapsedTimer>
#include <QTest>

#include <cstdlib>

using namespace quillo;
using test::Answer;
using test::LocalHttpServer;
using namespace std::string_view_literals;

namespace {

constexpr std::size_t kMiB = std::size_t{1} << 20;

// GBK of UTF-8 source text, never silently empty.
std::string g(std::string_view utf8)
{
    const std::string out = transcode(utf8, "UTF-8", "GBK");
    if (out.empty() && !utf8.empty())
        qFatal("no GBK for a test row");
    return out;
}

QByteArray bytes(std::string_view s)
{
    return QByteArray(s.data(), qsizetype(s.size()));
}

std::string ok(std::string_view body)
{
    return test::httpAnswer(200, body);
}

enum class Way { Answer, Silence };

std::string fetchPage(std::string_view address)
{
    return update::fetchVersionPage(QUILLO_FETCH_HELPER, address);
}

} // namespace

class TestVersionCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void check_data();
    void check();
    void request();
    void replacesEarlierTexts();

private:
    std::unique_ptr<LocalHttpServer> m_server;
};

void TestVersionCheck::initTestCase()
{
    // The page's own host is never looked up: libcurl sends the request to
    // the proxy, which is the test's server.
    for (const char *name : {"HTTP_PROXY", "all_proxy", "ALL_PROXY", "no_proxy", "NO_PROXY"})
        unsetenv(name);
}

void TestVersionCheck::init()
{
    m_server = std::make_unique<LocalHttpServer>();
    QVERIFY(m_server->port() != 0);
    setenv("http_proxy", m_server->origin().c_str(), 1);
}

void TestVersionCheck::check_data()
{
    QTest::addColumn<QByteArray>("answer");      // to the version page
    QTest::addColumn<QByteArray>("movedAnswer"); // to any other address
    QTest::addColumn<int>("way");
    QTest::addColumn<QByteArray>("pageText");    // GBK
    QTest::addColumn<QByteArray>("latest");      // GBK
    QTest::addColumn<bool>("notice");

    const auto row = [](const char *name, const std::string &answer, const std::string &pageText,
                        const std::string &latest, bool notice, const std::string &moved = {}) {
        QTest::newRow(name) << bytes(answer) << bytes(moved) << int(Way::Answer) << bytes(pageText)
                            << bytes(latest) << notice;
    };
    const auto page = [&row](const char *name, const std::string &utf8, const std::string &latest,
                             bool notice) { row(name, ok(utf8), g(utf8), latest, notice); };
    const auto failing = [&row](const char *name, const std::string &utf8) {
        row(name, ok(utf8), "", "", true);
    };

    page("our version", "<p>版本号:1.0。</p>", "1.0", false);
    page("spaces around it", "<p>版本号: 1.0 。</p>", "1.0", false);
    page("full-width space before it", "<p>版本号:　1.0。</p>", "1.0", false);
    page("mixed spaces", "版本号:　 1.0 　。", "1.0", false);
    page("newer version", "<p>版本号:1.1。</p>", "1.1", true);
    page("older version", "<p>版本号:0.9。</p>", "0.9", true);
    page("tab before it", "<p>版本号:\t1.0。</p>", "\t1.0", true);
    page("line break before it", "<p>版本号:\r\n1.0。</p>", "\r\n1.0", true);
    page("full-width colon", "<p>版本号：1.0。</p>", "", true);
    page("markup between the markers", "<p>版本号:<b>1.0</b>。</p>", "<b>1.0</b>", true);
    page("no full stop after it", "<p>版本号:1.0</p>", "", true);
    page("nothing between the markers", "<p>版本号:。</p>", "", true);
    page("first marker counts", "版本号:1.0。版本号:1.1。", "1.0", false);
    page("full stops before the marker", "。。版本号:1.0。", "1.0", false);
    page("no marker at all", "<html><body>Quillo</body></html>", "", true);
    failing("emoji elsewhere on the page", "<!-- 🙂 --><p>版本号:1.0。</p>");
    failing("character outside GB2312", "<p>體</p><p>版本号:1.0。</p>");
    failing("not UTF-8", "\xFF<p>版本号:1.0。</p>");
    row("zero byte before the marker", ok(std::string("a\0版本号:1.0。"sv)), "a", "", true);
    row("zero byte after the version", ok(std::string("版本号:1.0。\0x"sv)), g("版本号:1.0。"),
        "1.0", false);

    const std::string marked = "<p>版本号:1.0。</p>";
    row("404 page holding the marker", test::httpAnswer(404, marked), g(marked), "1.0", false);
    row("500 page without the marker", test::httpAnswer(500, "<h1>Error</h1>"), "<h1>Error</h1>",
        "", true);
    row("redirect", test::redirectTo("http://www.quillo.example/moved.html"), g(marked), "1.0",
        false, ok(marked));
    row("relative redirect", test::redirectTo("/moved.html"), g(marked), "1.0", false, ok(marked));
    row("redirect loop", test::redirectTo("/moved.html"), "", "", true,
        test::redirectTo("/moved.html"));
    row("empty body", ok(""), "", "", true);
    row("closed without an answer", "", "", "", true);

    const std::string cut = "<p>版本号:1.0。</p><p>more";
    row("body cut short after the version", test::httpAnswer(200, cut, {}, 4096), g(cut), "1.0",
        false);
    const std::string brokenChar = "<p>版本号:1.0。</p>\xE6\x9B";
    row("body cut inside a character", test::httpAnswer(200, brokenChar, {}, 4096), "", "", true);

    const std::string versionFirst = marked + std::string(2 * kMiB, 'x');
    row("body over the limit, version before it", ok(versionFirst),
        g(versionFirst.substr(0, kMiB)), "1.0", false);
    const std::string versionAfter = std::string(kMiB, 'x') + marked;
    row("body over the limit, version beyond it", ok(versionAfter), std::string(kMiB, 'x'), "",
        true);

    QTest::newRow("server that never answers") << QByteArray() << QByteArray()
                                               << int(Way::Silence) << QByteArray() << QByteArray()
                                               << true;
}

void TestVersionCheck::check()
{
    QFETCH(QByteArray, answer);
    QFETCH(QByteArray, movedAnswer);
    QFETCH(int, way);
    QFETCH(QByteArray, pageText);
    QFETCH(QByteArray, latest);
    QFETCH(bool, notice);

    if (Way(way) == Way::Silence) {
        m_server->setAnswer(Answer::silence());
    } else {
        const Answer page{Answer::Kind::Bytes, answer.toStdString()};
        const Answer moved{Answer::Kind::Bytes, movedAnswer.toStdString()};
        m_server->setAnswers([page, moved](const test::Request &request) {
            return request.target() == "http://www.quillo.example/quillo-tessaly.html" ? page
                                                                                        : moved;
        });
    }

    ProgramTexts texts;
    int notices = 0;
    QElapsedTimer timer;
    timer.start();
    update::checkVersion(texts, fetchPage, [&notices] { ++notices; });

    // Bounds the wait only: the server's silence lasts far longer.
    const auto silence = std::chrono::milliseconds(LocalHttpServer::kSilenceAtMost);
    QVERIFY(timer.elapsed() < silence.count() / 2);
    QCOMPARE(qsizetype(texts.pageText.size()), pageText.size());
    QCOMPARE(bytes(texts.pageText), pageText);
    QCOMPARE(bytes(texts.latestVersion), latest);
    QCOMPARE(notices, notice ? 1 : 0);
    QVERIFY(m_server->connections() >= 1);
}

void TestVersionCheck::request()
{
    m_server->setAnswer({Answer::Kind::Bytes, ok("<p>版本号:1.0。</p>")});
    ProgramTexts texts;
    update::checkVersion(texts, fetchPage, [] {});

    const auto requests = m_server->requests();
    QCOMPARE(requests.size(), std::size_t{1});
    const test::Request &r = requests.front();
    QCOMPARE(r.line, std::string("GET http://www.quillo.example/quillo-tessaly.html HTTP/1.0"));
    QCOMPARE(r.header("Host"), std::optional<std::string>("www.quillo.example"));
    QCOMPARE(r.header("User-Agent"),
             std::optional<std::string>("Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)"));
    QCOMPARE(r.header("Accept"), std::optional<std::string>("*/*"));
    QCOMPARE(r.header("Pragma"), std::optional<std::string>("no-cache"));
    QCOMPARE(r.header("Cache-Control"), std::optional<std::string>("no-cache"));
    for (const char *absent : {"Referer", "Authorization", "Proxy-Authorization", "Cookie",
                               "If-Modified-Since", "If-None-Match"})
        QVERIFY2(!r.header(absent), absent);
}

void TestVersionCheck::replacesEarlierTexts()
{
    m_server->setAnswer({Answer::Kind::Bytes, ok("<p>版本号:1.1。</p>")});
    ProgramTexts texts{"old page", "0.1"};
    update::checkVersion(texts, fetchPage, [] {});
    QCOMPARE(texts.pageText, g("<p>版本号:1.1。</p>"));
    QCOMPARE(texts.latestVersion, std::string("1.1"));
}

QTEST_GUILESS_MAIN(TestVersionCheck)
#include "tst_version_check.moc"
