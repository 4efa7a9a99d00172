// The choice between XWayland and native Wayland, made from the environment
// before QApplication exists.
#include "platform/window_system.h"

#include <QHash>
#include <QProcessEnvironment>
#include <QTest>

using quillo::platform::chooseWindowSystem;
using quillo::platform::shouldRunOnXWayland;

using Variables = QList<std::pair<QString, QString>>;
Q_DECLARE_METATYPE(Variables)

namespace {

const QStringList kNames{QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("WAYLAND_DISPLAY"),
                         QStringLiteral("DISPLAY"), QStringLiteral("QT_QPA_PLATFORM")};

} // namespace

class TestWindowSystem : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void decision_data();
    void decision();
    void choiceReachesQt_data();
    void choiceReachesQt();

private:
    QHash<QString, QByteArray> m_saved;
};

void TestWindowSystem::initTestCase()
{
    for (const QString &name : kNames) {
        if (qEnvironmentVariableIsSet(qPrintable(name)))
            m_saved.insert(name, qgetenv(qPrintable(name)));
    }
}

void TestWindowSystem::cleanup()
{
    for (const QString &name : kNames) {
        if (m_saved.contains(name))
            qputenv(qPrintable(name), m_saved.value(name));
        else
            qunsetenv(qPrintable(name));
    }
}

void TestWindowSystem::decision_data()
{
    QTest::addColumn<Variables>("variables");
    QTest::addColumn<bool>("xwayland");

    const std::pair<QString, QString> waylandSession{"XDG_SESSION_TYPE", "wayland"};
    const std::pair<QString, QString> waylandDisplay{"WAYLAND_DISPLAY", "wayland-0"};
    const std::pair<QString, QString> xDisplay{"DISPLAY", ":0"};

    QTest::newRow("Wayland session with XWayland")
        << Variables{waylandSession, waylandDisplay, xDisplay} << true;
    QTest::newRow("Wayland display without a session type")
        << Variables{waylandDisplay, xDisplay} << true;
    QTest::newRow("Wayland session type without a Wayland display")
        << Variables{waylandSession, xDisplay} << true;
    QTest::newRow("Wayland without XWayland") << Variables{waylandSession, waylandDisplay} << false;
    QTest::newRow("Wayland with an empty DISPLAY")
        << Variables{waylandSession, waylandDisplay, {"DISPLAY", ""}} << false;
    QTest::newRow("user chose wayland")
        << Variables{waylandSession, waylandDisplay, xDisplay, {"QT_QPA_PLATFORM", "wayland"}}
        << false;
    QTest::newRow("user chose a list of platforms")
        << Variables{waylandSession, waylandDisplay, xDisplay, {"QT_QPA_PLATFORM", "wayland;xcb"}}
        << false;
    QTest::newRow("an empty QT_QPA_PLATFORM is no choice")
        << Variables{waylandSession, waylandDisplay, xDisplay, {"QT_QPA_PLATFORM", ""}} << true;
    QTest::newRow("X11 session") << Variables{{"XDG_SESSION_TYPE", "x11"}, xDisplay} << false;
    QTest::newRow("X11 session, no session type") << Variables{xDisplay} << false;
    QTest::newRow("text console") << Variables{{"XDG_SESSION_TYPE", "tty"}} << false;
    QTest::newRow("empty environment") << Variables{} << false;
}

void TestWindowSystem::decision()
{
    QFETCH(Variables, variables);
    QFETCH(bool, xwayland);

    QProcessEnvironment environment;
    for (const auto &[name, value] : variables)
        environment.insert(name, value);
    QCOMPARE(shouldRunOnXWayland(environment), xwayland);
}

void TestWindowSystem::choiceReachesQt_data()
{
    QTest::addColumn<QByteArray>("chosenBefore"); // empty: QT_QPA_PLATFORM unset
    QTest::addColumn<QByteArray>("platformAfter");

    QTest::newRow("nothing chosen: xcb") << QByteArray() << QByteArray("xcb");
    QTest::newRow("the user's choice stays") << QByteArray("wayland") << QByteArray("wayland");
}

void TestWindowSystem::choiceReachesQt()
{
    QFETCH(QByteArray, chosenBefore);
    QFETCH(QByteArray, platformAfter);

    qputenv("XDG_SESSION_TYPE", "wayland");
    qputenv("WAYLAND_DISPLAY", "wayland-0");
    qputenv("DISPLAY", ":0");
    if (chosenBefore.isEmpty())
        qunsetenv("QT_QPA_PLATFORM");
    else
        qputenv("QT_QPA_PLATFORM", chosenBefore);

    chooseWindowSystem();
    QCOMPARE(qgetenv("QT_QPA_PLATFORM"), platformAfter);
}

QTEST_GUILESS_MAIN(TestWindowSystem)
#include "tst_window_system.moc"
