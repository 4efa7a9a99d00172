// PHP's own parser accepts every snippet. Template markup (groups 1 to 5)
// is linted as it stands; functions.php code (groups 6 and 7) gets the
// opening tag the user's file already has.
#include "catalogue/catalogue_layout.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace quillo;

class TestPhpLint : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void lint_data();
    void lint();
};

void TestPhpLint::initTestCase()
{
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("php")).isEmpty(),
             "php-cli is not installed: run scripts/setup.sh");
}

void TestPhpLint::lint_data()
{
    QTest::addColumn<QByteArray>("source");
    for (const GroupBox &group : catalogueGroups()) {
        for (const SnippetEntry &entry : group.entries) {
            if (entry.kind != EntryKind::Snippet)
                continue;
            QByteArray source(entry.text.data(), static_cast<qsizetype>(entry.text.size()));
            if (group.number >= 6)
                source.prepend("<?php\n");
            QTest::addRow("entry %d", entry.number) << source;
        }
    }
}

void TestPhpLint::lint()
{
    QFETCH(QByteArray, source);
    QProcess php;
    php.start(QStringLiteral("php"), {QStringLiteral("-l")});
    QVERIFY(php.waitForStarted());
    php.write(source);
    php.closeWriteChannel();
    QVERIFY(php.waitForFinished());
    const QByteArray output = php.readAllStandardOutput() + php.readAllStandardError();
    QVERIFY2(php.exitCode() == 0, output.constData());
}

QTEST_APPLESS_MAIN(TestPhpLint)
#include "tst_php_lint.moc"
