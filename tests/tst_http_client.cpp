// Our HTTP client against a real server on 127.0.0.1: the request it sends,
// which bytes count as the body (error pages, breaks, the size limit), the
// redirects it follows and refuses, and that a silent or slow server cannot
// hold it past its time limit.
#include "platform/http_client.h"

#include "local_http_server.h"

#include <QElapsedTimer>
#include <QTest>

#include <cstdlib>

using namespace quillo::platform;
using test::Answer;
using test::LocalHttpServer;

namespace {

constexpr std::string_view kAgent = "Quillo test agent/1.0";

std::string get(const LocalHttpServer &server, std::string_view path, const HttpLimits &limits = {})
{
    const std::string address = server.origin() + std::string(path);
    return fetchBody({.address = address, .userAgent = kAgent}, limits);
}

QByteArray bytes(const std::string &s)
{
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

std::string pattern(std::size_t size)
{
    std::string out(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        out[i] = static_cast<char>('a' + i % 26);
    return out;
}

} // namespace

class TestHttpClient : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void body_data();
    void body();
    void requestProperties();
    void redirects_data();
    void redirects();
    void redirectedRequestCarriesNoReferrerOrCookie();
    void slowServerIsCutAtTheTimeLimitKeepingWhatArrived();
    void silentServerGivesEmptyBytes();
    void refusedConnectionGivesEmptyBytes();

private:
    std::unique_ptr<LocalHttpServer> m_server;
};

void TestHttpClient::initTestCase()
{
    // Straight to the test's own server, whatever the environment says.
    for (const char *name : {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy",
                             "ALL_PROXY", "no_proxy", "NO_PROXY"})
        unsetenv(name);
}

void TestHttpClient::init()
{
    m_server = std::make_unique<LocalHttpServer>();
    QVERIFY(m_server->port() != 0);
}

void TestHttpClient::body_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<qsizetype>("limit");
    QTest::addColumn<QByteArray>("expected");

    const std::string page = "<p>\xE7\x89\x88 1.0</p>";
    const std::string big = pattern(3000);
    const auto row = [](const char *name, const std::string &answer, std::size_t limit,
                        const std::string &expected) {
        QTest::newRow(name) << bytes(answer) << qsizetype(limit) << bytes(expected);
    };
    const std::size_t mib = std::size_t{1} << 20;
    row("ok page", test::httpAnswer(200, page), mib, page);
    row("404 page is still a body", test::httpAnswer(404, page), mib, page);
    row("500 page is still a body", test::httpAnswer(500, page), mib, page);
    row("empty body", test::httpAnswer(200, ""), mib, "");
    row("binary body with zero bytes", test::httpAnswer(200, std::string("a\0b\0", 4)), mib,
        std::string("a\0b\0", 4));
    row("cut short keeps what arrived", test::httpAnswer(200, page, {}, 1000), mib, page);
    row("no length, ends when the server closes",
        "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n" + page, mib, page);
    row("closed before any answer", "", mib, "");
    row("garbage instead of an answer", "not http at all\r\n\r\n", mib, "");
    row("body at the limit is whole", test::httpAnswer(200, big), 3000, big);
    row("body over the limit is cut there", test::httpAnswer(200, big), 1000, big.substr(0, 1000));
    row("over the limit, no length given",
        "HTTP/1.0 200 OK\r\n\r\n" + big, 1000, big.substr(0, 1000));
    const std::string overMib = pattern(mib + 4096);
    row("default limit is one MiB", test::httpAnswer(200, overMib), mib, overMib.substr(0, mib));
}

void TestHttpClient::body()
{
    QFETCH(QByteArray, answer);
    QFETCH(qsizetype, limit);
    QFETCH(QByteArray, expected);

    m_server->setAnswer({Answer::Kind::Bytes, answer.toStdString()});
    HttpLimits limits;
    limits.maxBodyBytes = static_cast<std::size_t>(limit);
    const std::string got = get(*m_server, "/page.html", limits);
    QCOMPARE(qsizetype(got.size()), expected.size());
    QCOMPARE(bytes(got), expected);
}

void TestHttpClient::requestProperties()
{
    m_server->setAnswer({Answer::Kind::Bytes, test::httpAnswer(200, "x")});
    QCOMPARE(get(*m_server, "/quillo-tessaly.html"), std::string("x"));

    const auto requests = m_server->requests();
    QCOMPARE(requests.size(), std::size_t{1});
    const test::Request &request = requests.front();
    QCOMPARE(request.line, std::string("GET /quillo-tessaly.html HTTP/1.0"));
    QCOMPARE(request.header("User-Agent"), std::optional<std::string>(kAgent));
    QCOMPARE(request.header("Accept"), std::optional<std::string>("*/*"));
    QCOMPARE(request.header("Pragma"), std::optional<std::string>("no-cache"));
    QCOMPARE(request.header("Cache-Control"), std::optional<std::string>("no-cache"));
    const std::string host = "127.0.0.1:" + std::to_string(m_server->port());
    QCOMPARE(request.header("Host"), std::optional<std::string>(host));
    for (const char *absent : {"Referer", "Authorization", "Cookie", "If-Modified-Since",
                               "If-None-Match", "Accept-Encoding", "Range"})
        QVERIFY2(!request.header(absent), absent);
}

void TestHttpClient::redirects_data()
{
    QTest::addColumn<int>("hops");         // redirects before the page
    QTest::addColumn<QString>("finalLocation"); // where the last redirect goes; empty: the page
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<int>("connections"); // each exchange has a connection of its own

    QTest::newRow("one redirect") << 1 << QString() << QByteArray("page") << 2;
    QTest::newRow("five redirects are followed") << 5 << QString() << QByteArray("page") << 6;
    QTest::newRow("a sixth is not") << 6 << QString() << QByteArray() << 6;
    QTest::newRow("to a file") << 1 << QStringLiteral("file:///etc/hostname") << QByteArray() << 1;
    QTest::newRow("to ftp") << 1 << QStringLiteral("ftp://127.0.0.1:%1/page") << QByteArray() << 1;
    QTest::newRow("to a scheme nobody knows") << 1 << QStringLiteral("quillo://page")
                                              << QByteArray() << 1;
}

void TestHttpClient::redirects()
{
    QFETCH(int, hops);
    QFETCH(QString, finalLocation);
    QFETCH(QByteArray, expected);
    QFETCH(int, connections);

    const std::string last = finalLocation.contains(QLatin1String("%1"))
                                 ? finalLocation.arg(m_server->port()).toStdString()
                                 : finalLocation.toStdString();
    m_server->setAnswers([hops, last](const test::Request &request) {
        // /hop/0 -> /hop/1 -> ... -> /hop/<hops> which is the page; each
        // redirect's own body must not end up in the result.
        const std::string target = request.target();
        const int hop = std::atoi(target.substr(target.rfind('/') + 1).c_str());
        if (hop < hops) {
            const bool isLast = hop + 1 == hops && !last.empty();
            return Answer{Answer::Kind::Bytes,
                          test::redirectTo(isLast ? last : "/hop/" + std::to_string(hop + 1),
                                           "moved")};
        }
        return Answer{Answer::Kind::Bytes, test::httpAnswer(200, "page")};
    });
    const std::string got = get(*m_server, "/hop/0");
    QCOMPARE(bytes(got), expected);
    QCOMPARE(m_server->connections(), connections);
    QCOMPARE(int(m_server->requests().size()), connections);
}

void TestHttpClient::redirectedRequestCarriesNoReferrerOrCookie()
{
    m_server->setAnswers([](const test::Request &request) {
        if (request.target() == "/first")
            return Answer{Answer::Kind::Bytes,
                          test::redirectTo("/second", {}, "Set-Cookie: session=1; Path=/\r\n")};
        return Answer{Answer::Kind::Bytes, test::httpAnswer(200, "second")};
    });
    QCOMPARE(get(*m_server, "/first"), std::string("second"));
    const auto requests = m_server->requests();
    QCOMPARE(requests.size(), std::size_t{2});
    QCOMPARE(requests[1].line, std::string("GET /second HTTP/1.0"));
    QVERIFY(!requests[1].header("Referer"));
    QVERIFY(!requests[1].header("Cookie"));
    QCOMPARE(requests[1].header("Cache-Control"), std::optional<std::string>("no-cache"));
}

void TestHttpClient::slowServerIsCutAtTheTimeLimitKeepingWhatArrived()
{
    // One byte every 50 ms, 30 s in all: never idle, so only a limit on the
    // whole exchange stops it.
    m_server->setAnswer({Answer::Kind::Drip, test::httpAnswer(200, pattern(600))});
    HttpLimits limits;
    limits.totalTimeout = std::chrono::milliseconds(1000);
    const std::string got = get(*m_server, "/slow", limits);
    QVERIFY2(!got.empty(), "the bytes that arrived count");
    QVERIFY(got.size() < 600);
    QCOMPARE(got, pattern(600).substr(0, got.size()));
}

void TestHttpClient::silentServerGivesEmptyBytes()
{
    m_server->setAnswer(Answer::silence());
    HttpLimits limits;
    limits.totalTimeout = std::chrono::milliseconds(500);
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(get(*m_server, "/silent", limits), std::string());
    // Bounds the wait only: the server gives up long after this.
    const auto silence = std::chrono::milliseconds(LocalHttpServer::kSilenceAtMost);
    QVERIFY(timer.elapsed() < silence.count() / 2);
}

void TestHttpClient::refusedConnectionGivesEmptyBytes()
{
    int port = 0;
    {
        LocalHttpServer closed;
        port = closed.port();
    }
    const std::string address = "http://127.0.0.1:" + std::to_string(port) + "/";
    QCOMPARE(fetchBody({.address = address, .userAgent = kAgent}), std::string());
}

QTEST_GUILESS_MAIN(TestHttpClient)
#include "tst_http_client.moc"
