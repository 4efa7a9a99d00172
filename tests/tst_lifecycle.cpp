// The end of the program: it quits with 0 exactly when its last window has
// been destroyed while the event loop runs, and the exit routines run once.
#include "app/exit_routines.h"
#include "app/program_texts.h"
#include "app/window_list.h"

#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

using namespace quillo;

class TestLifecycle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void endsWhenTheLastWindowGoes_data();
    void endsWhenTheLastWindowGoes();
    void noWindowNoLoop();
    void destroyLaterWaitsForTheHandler();
    void systemCloseDestroys();
    void exitRoutinesRunOnceInOrder();
    void releaseEmptiesTheTexts();
};

void TestLifecycle::endsWhenTheLastWindowGoes_data()
{
    QTest::addColumn<bool>("mainFirst");
    QTest::addColumn<bool>("minimizeOne");
    QTest::newRow("main window first") << true << false;
    QTest::newRow("notice first") << false << false;
    QTest::newRow("a minimized window still counts") << true << true;
}

void TestLifecycle::endsWhenTheLastWindowGoes()
{
    QFETCH(bool, mainFirst);
    QFETCH(bool, minimizeOne);

    WindowList windows;
    QPointer<QWidget> main = new QWidget;
    QPointer<QWidget> notice = new QWidget;
    windows.add(main);
    windows.add(notice);
    main->show();
    notice->show();
    QWidget *first = mainFirst ? main.data() : notice.data();
    QWidget *second = mainFirst ? notice.data() : main.data();

    // Hiding must not end anything; only destruction does.
    bool ranOnAfterFirst = false;
    QTimer::singleShot(0, first, [&] {
        if (minimizeOne)
            second->showMinimized();
        first->hide();
        destroyLater(first);
    });
    QTimer::singleShot(50, second, [&] {
        ranOnAfterFirst = true;
        QCOMPARE(windows.count(), 1);
        destroyLater(second);
    });
    // Guards the test, not the program: a loop that never ends fails here.
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, this, [] { QCoreApplication::exit(99); });
    guard.start(5000);

    QCOMPARE(windows.exec(), 0);
    QVERIFY(ranOnAfterFirst);
    QVERIFY(!main);
    QVERIFY(!notice);
    QCOMPARE(windows.count(), 0);
}

void TestLifecycle::noWindowNoLoop()
{
    WindowList windows;
    QCOMPARE(windows.exec(), 0);
}

void TestLifecycle::destroyLaterWaitsForTheHandler()
{
    WindowList windows;
    QPointer<QWidget> window = new QWidget;
    windows.add(window);
    destroyLater(window);
    QVERIFY(window);
    QCOMPARE(windows.count(), 1);
    QTRY_VERIFY(!window);
    QCOMPARE(windows.count(), 0);
}

void TestLifecycle::systemCloseDestroys()
{
    WindowList windows;
    QPointer<QWidget> window = new QWidget;
    windows.add(window);
    window->show();
    window->close();
    QTRY_VERIFY(!window);
}

void TestLifecycle::exitRoutinesRunOnceInOrder()
{
    QStringList ran;
    ExitRoutines routines;
    const int a = 0;
    const int b = 0;
    routines.add(&a, [&] { ran << QStringLiteral("a"); });
    routines.add(&b, [&] { ran << QStringLiteral("b"); });
    routines.add(&a, [&] { ran << QStringLiteral("a again"); }); // already listed
    routines.run();
    routines.run();
    QCOMPARE(ran, (QStringList{"a", "b"}));
}

void TestLifecycle::releaseEmptiesTheTexts()
{
    ProgramTexts texts{"page", "1.1"};
    texts.release();
    QVERIFY(texts.pageText.empty());
    QVERIFY(texts.latestVersion.empty());
    texts.release(); // empty texts need no release, and may get one
}

QTEST_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
