// Finding the default text/html handler in the freedesktop MIME
// associations, and starting it without a shell when the desktop refuses an
// address.
#include "platform/url_opener.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

using namespace quillo::platform;

namespace {

// A home, config and data tree of its own, so the machine's associations
// never leak in.
class XdgTree
{
public:
    XdgTree()
    {
        for (const char *dir : {"home/.config", "home/.local/share/applications", "etc/xdg",
                                "share/applications"})
            QDir(m_root.path()).mkpath(QLatin1String(dir));
        m_env.insert(QStringLiteral("HOME"), path("home"));
        m_env.insert(QStringLiteral("XDG_CONFIG_HOME"), path("home/.config"));
        m_env.insert(QStringLiteral("XDG_DATA_HOME"), path("home/.local/share"));
        m_env.insert(QStringLiteral("XDG_CONFIG_DIRS"), path("etc/xdg"));
        m_env.insert(QStringLiteral("XDG_DATA_DIRS"), path("share"));
    }

    QString path(const char *relative) const { return m_root.filePath(QLatin1String(relative)); }

    void write(const char *relative, const QByteArray &content) const
    {
        QFile file(path(relative));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    void desktopFile(const char *id, const QByteArray &exec) const
    {
        write(QByteArray("share/applications/").append(id).constData(),
              "[Desktop Entry]\nType=Application\nName=Browser\nExec=" + exec
                  + "\n\n[Desktop Action new]\nExec=wrong %u\n");
    }

    const QProcessEnvironment &env() const { return m_env; }

private:
    QTemporaryDir m_root;
    QProcessEnvironment m_env;
};

} // namespace

class TestUrlOpener : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void command_data();
    void command();
    void choosesTheFirstInstalledDefault();
    void userChoiceWinsOverSystem();
    void fallsBackToTheMimeCache();
    void nothingRegistered();
    void startsWithoutShell();
};

void TestUrlOpener::command_data()
{
    QTest::addColumn<QByteArray>("exec");
    QTest::addColumn<QStringList>("command");

    QTest::newRow("cut before %u") << QByteArray("firefox-esr %u") << QStringList{"firefox-esr"};
    QTest::newRow("options kept") << QByteArray("chromium --new-window %U")
                                  << QStringList{"chromium", "--new-window"};
    QTest::newRow("quoted program with blanks")
        << QByteArray(R"("/opt/my browser/run" -x %f)") << QStringList{"/opt/my browser/run", "-x"};
    QTest::newRow("escaped quote inside quotes")
        << QByteArray(R"(sh "a\"b" %u)") << QStringList{"sh", "a\"b"};
    QTest::newRow("%% is a percent sign, not a code")
        << QByteArray("browser --fmt=%%d %u") << QStringList{"browser", "--fmt=%d"};
    QTest::newRow("no field code") << QByteArray("browser --flag") << QStringList{"browser", "--flag"};
    QTest::newRow("later codes dropped too")
        << QByteArray("browser %u --after %i") << QStringList{"browser"};
    // \s becomes a blank before quoting is read, so it separates arguments.
    QTest::newRow("escaped blank") << QByteArray(R"(my\sbrowser %u)") << QStringList{"my", "browser"};
}

void TestUrlOpener::command()
{
    QFETCH(QByteArray, exec);
    QFETCH(QStringList, command);
    XdgTree tree;
    tree.write("home/.config/mimeapps.list", "[Default Applications]\ntext/html=browser.desktop;\n");
    tree.desktopFile("browser.desktop", exec);
    QCOMPARE(htmlHandlerCommand(tree.env()), command);
}

void TestUrlOpener::choosesTheFirstInstalledDefault()
{
    XdgTree tree;
    tree.write("etc/xdg/mimeapps.list",
               "[Default Applications]\ntext/plain=editor.desktop\n"
               "text/html=missing.desktop;second.desktop;third.desktop\n");
    tree.desktopFile("second.desktop", "second %u");
    tree.desktopFile("third.desktop", "third %u");
    QCOMPARE(htmlHandlerCommand(tree.env()), QStringList{"second"});
}

void TestUrlOpener::userChoiceWinsOverSystem()
{
    XdgTree tree;
    tree.write("etc/xdg/mimeapps.list", "[Default Applications]\ntext/html=system.desktop\n");
    tree.write("home/.config/mimeapps.list", "[Default Applications]\ntext/html=user.desktop\n");
    tree.desktopFile("system.desktop", "system %u");
    tree.desktopFile("user.desktop", "user %u");
    QCOMPARE(htmlHandlerCommand(tree.env()), QStringList{"user"});
}

void TestUrlOpener::fallsBackToTheMimeCache()
{
    XdgTree tree;
    tree.write("share/applications/mimeinfo.cache", "[MIME Cache]\ntext/html=cached.desktop;\n");
    tree.desktopFile("cached.desktop", "cached %U");
    QCOMPARE(htmlHandlerCommand(tree.env()), QStringList{"cached"});
}

void TestUrlOpener::nothingRegistered()
{
    XdgTree tree;
    QVERIFY(htmlHandlerCommand(tree.env()).isEmpty());
    QVERIFY(!openWithHtmlHandler(QStringLiteral("http://x.example/"), tree.env()));
}

void TestUrlOpener::startsWithoutShell()
{
    XdgTree tree;
    const QString record = tree.path("args");
    tree.write("share/record.sh",
               "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"" + record.toUtf8() + "\"\n");
    QFile::setPermissions(tree.path("share/record.sh"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    tree.write("home/.config/mimeapps.list", "[Default Applications]\ntext/html=rec.desktop\n");
    tree.desktopFile("rec.desktop", tree.path("share/record.sh").toUtf8() + " --marker %u");

    // Shell syntax in the address must arrive as it stands.
    const QString address = QStringLiteral("http://x.example/a b;echo $HOME`id`");
    QVERIFY(openWithHtmlHandler(address, tree.env()));
    const auto recorded = [&] {
        QFile file(record);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    QTRY_COMPARE(recorded(), QStringLiteral("--marker\n") + address + u'\n');
}

QTEST_GUILESS_MAIN(TestUrlOpener)
#include "tst_url_opener.moc"
