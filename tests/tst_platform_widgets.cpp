// Our widget layer: the image button's states, the hyperlink label's
// visited state and fallback, the tooltip's place, drag-to-move, and the
// gradient's columns.
#include "platform/drag_mover.h"
#include "platform/gradient_label.h"
#include "platform/hyperlink_label.h"
#include "platform/image_button.h"
#include "platform/look.h"
#include "platform/tooltip_service.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace quillo::platform;
using State = ImageButton::State;

Q_DECLARE_METATYPE(State)

namespace {

QPixmap filled(const QColor &colour)
{
    QPixmap pixmap(24, 24);
    pixmap.fill(colour);
    return pixmap;
}

QColor shownColour(QWidget *widget)
{
    return widget->grab().toImage().pixelColor(1, 1);
}

// The steps of a pointer gesture over a 24 x 24 button inside a host.
enum class Step { MoveIn, MoveOut, Press, Release, Leave };

} // namespace

Q_DECLARE_METATYPE(QList<Step>)

class TestPlatformWidgets : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void imageButton_data();
    void imageButton();
    void imageButtonShowsNormalImageWithoutOwnImage();

    void hyperlink_data();
    void hyperlink();
    void hyperlinkColours();

    void tooltipCentredBelow();
    void tooltipShowsAfterDelay();
    void tooltipIgnoresNullControl();

    void dragMovesTheWindow();

    void gradient_data();
    void gradient();
};

void TestPlatformWidgets::initTestCase()
{
    prepareLook();
}

void TestPlatformWidgets::imageButton_data()
{
    QTest::addColumn<QList<Step>>("steps");
    QTest::addColumn<State>("state");
    QTest::addColumn<int>("clicks");

    using enum Step;
    QTest::newRow("pointer over") << QList<Step>{MoveIn} << State::Hover << 0;
    QTest::newRow("pointer leaves") << QList<Step>{MoveIn, Leave} << State::Normal << 0;
    QTest::newRow("press") << QList<Step>{MoveIn, Press} << State::Pressed << 0;
    QTest::newRow("release inside clicks") << QList<Step>{MoveIn, Press, Release} << State::Normal << 1;
    QTest::newRow("slide off while held") << QList<Step>{MoveIn, Press, MoveOut} << State::Normal << 0;
    QTest::newRow("release outside fires nothing")
        << QList<Step>{MoveIn, Press, MoveOut, Release} << State::Normal << 0;
    QTest::newRow("slide back in while held")
        << QList<Step>{MoveIn, Press, MoveOut, MoveIn} << State::Pressed << 0;
    QTest::newRow("slide back in and release")
        << QList<Step>{MoveIn, Press, MoveOut, MoveIn, Release} << State::Normal << 1;
    QTest::newRow("two clicks")
        << QList<Step>{MoveIn, Press, Release, Press, Release} << State::Normal << 2;
}

void TestPlatformWidgets::imageButton()
{
    QFETCH(QList<Step>, steps);
    QFETCH(State, state);
    QFETCH(int, clicks);

    QWidget host;
    host.resize(100, 100);
    auto *button = new ImageButton(filled(Qt::blue), filled(Qt::yellow), filled(Qt::magenta), &host);
    button->setGeometry(38, 38, 24, 24);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QSignalSpy clicked(button, &ImageButton::clicked);

    const QPoint inside(12, 12);
    const QPoint outside(-30, -30);
    bool held = false;
    QPoint at = inside;
    for (Step step : steps) {
        switch (step) {
        case Step::MoveIn:
        case Step::MoveOut: {
            at = step == Step::MoveIn ? inside : outside;
            QMouseEvent move(QEvent::MouseMove, at, button->mapToGlobal(at), Qt::NoButton,
                             held ? Qt::LeftButton : Qt::NoButton, {});
            QApplication::sendEvent(button, &move);
            break;
        }
        case Step::Press:
            held = true;
            QTest::mousePress(button, Qt::LeftButton, {}, at);
            break;
        case Step::Release:
            held = false;
            QTest::mouseRelease(button, Qt::LeftButton, {}, at);
            break;
        case Step::Leave: {
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(button, &leave);
            break;
        }
        }
    }
    QCOMPARE(button->state(), state);
    QCOMPARE(clicked.count(), clicks);
    const QColor expected = state == State::Pressed ? QColor(Qt::magenta)
                          : state == State::Hover   ? QColor(Qt::yellow)
                                                    : QColor(Qt::blue);
    QCOMPARE(shownColour(button), expected);
}

void TestPlatformWidgets::imageButtonShowsNormalImageWithoutOwnImage()
{
    // The feedback and minimize buttons have no pressed image.
    QWidget host;
    auto *button = new ImageButton(filled(Qt::blue), filled(Qt::yellow), QPixmap(), &host);
    button->setGeometry(0, 0, 24, 24);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(button->state(), State::Pressed);
    QCOMPARE(shownColour(button), QColor(Qt::blue));
}

void TestPlatformWidgets::hyperlink_data()
{
    QTest::addColumn<QList<bool>>("desktopResults");  // one per press
    QTest::addColumn<QList<bool>>("fallbackResults"); // one per fallback call
    QTest::addColumn<int>("fallbackCalls");
    QTest::addColumn<bool>("visited");

    QTest::newRow("desktop opens") << QList<bool>{true} << QList<bool>{} << 0 << true;
    QTest::newRow("desktop refuses, fallback opens") << QList<bool>{false} << QList<bool>{true} << 1 << true;
    QTest::newRow("both refuse") << QList<bool>{false} << QList<bool>{false} << 1 << false;
    QTest::newRow("a later failure clears visited")
        << QList<bool>{true, false} << QList<bool>{false} << 1 << false;
    QTest::newRow("a later success sets it again")
        << QList<bool>{false, true} << QList<bool>{false} << 1 << true;
}

void TestPlatformWidgets::hyperlink()
{
    QFETCH(QList<bool>, desktopResults);
    QFETCH(QList<bool>, fallbackResults);
    QFETCH(int, fallbackCalls);
    QFETCH(bool, visited);

    const QString address = QStringLiteral("http://www.quillo.example/qq-group.html");
    QStringList desktopGot;
    QStringList fallbackGot;
    QWidget host;
    auto *link = new HyperlinkLabel(
        QStringLiteral("加入我们"), address,
        [&](const QString &a) {
            desktopGot << a;
            return desktopResults.value(desktopGot.size() - 1);
        },
        [&](const QString &a) {
            fallbackGot << a;
            return fallbackResults.value(fallbackGot.size() - 1);
        },
        &host);
    link->setGeometry(0, 0, 60, 16);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));

    for (qsizetype i = 0; i < desktopResults.size(); ++i) {
        // The press opens, not the release.
        QTest::mousePress(link, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(desktopGot.size(), i + 1);
        QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(5, 5));
    }
    QCOMPARE(desktopGot, QStringList(desktopResults.size(), address));
    QCOMPARE(fallbackGot.size(), fallbackCalls);
    QCOMPARE(link->isVisited(), visited);
}

void TestPlatformWidgets::hyperlinkColours()
{
    QWidget host;
    auto *link = new HyperlinkLabel(QStringLiteral("加入我们"), QStringLiteral("http://x.example/"),
                                    [](const QString &) { return true; }, {}, &host);
    link->setGeometry(0, 0, 60, 16);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QEvent leave(QEvent::Leave); // wherever an earlier test left the pointer
    QApplication::sendEvent(link, &leave);
    QCOMPARE(link->captionColour(), QColor(3, 155, 229));
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(link, &enter);
    QCOMPARE(link->captionColour(), QColor(51, 153, 255));
    QTest::mousePress(link, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(link->captionColour(), QColor(51, 153, 255)); // hover wins over visited
    QApplication::sendEvent(link, &leave);
    QCOMPARE(link->captionColour(), QColor(128, 0, 0));
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
}

void TestPlatformWidgets::tooltipCentredBelow()
{
    QWidget host;
    host.setGeometry(100, 100, 300, 200);
    auto *button = new QWidget(&host);
    button->setGeometry(40, 20, 24, 24);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    const QPoint origin = host.mapToGlobal(QPoint(0, 0));
    const QPoint at = TooltipService::tipPosition(button, QSize(40, 18));
    QCOMPARE(at, origin + QPoint(40 + 12 - 20, 20 + 24));
}

void TestPlatformWidgets::tooltipShowsAfterDelay()
{
    QWidget host;
    host.resize(200, 100);
    auto *button = new QWidget(&host);
    button->setGeometry(40, 20, 24, 24);
    TooltipService tooltips(&host);
    QVERIFY(!tooltips.tipWindow()); // made by the first request
    tooltips.add(button, QStringLiteral("&关闭"));
    QVERIFY(tooltips.tipWindow());
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));

    QTest::mouseMove(button, QPoint(12, 12));
    QTRY_COMPARE(tooltips.shownFor(), button);
    // Literal text: no access-key prefix processing.
    QCOMPARE(tooltips.tipWindow()->text(), QStringLiteral("&关闭"));
    const QSize size = tooltips.tipWindow()->size();
    QCOMPARE(tooltips.tipWindow()->pos(), TooltipService::tipPosition(button, size));

    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(12, 12));
    QVERIFY(!tooltips.shownFor());
}

void TestPlatformWidgets::tooltipIgnoresNullControl()
{
    QObject owner;
    TooltipService tooltips(&owner);
    tooltips.add(nullptr, QStringLiteral("x"));
    QVERIFY(!tooltips.tipWindow());
}

void TestPlatformWidgets::dragMovesTheWindow()
{
    // Offscreen there is no window manager to take the move, so the window
    // follows the pointer itself.
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setGeometry(100, 100, 300, 200);
    auto *surface = new QWidget(&window);
    surface->setGeometry(0, 0, 300, 100);
    auto *button = new QPushButton(&window);
    button->setGeometry(10, 150, 80, 24);
    auto *mover = new DragMover(&window);
    mover->addSurface(surface);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint start = window.pos();

    QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(50, 50));
    QMouseEvent move(QEvent::MouseMove, QPointF(80, 70), surface->mapToGlobal(QPointF(80, 70)),
                     Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(surface, &move);
    QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(80, 70));
    QCOMPARE(window.pos(), start + QPoint(30, 20));

    // A button is no surface.
    const QPoint before = window.pos();
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    QMouseEvent buttonMove(QEvent::MouseMove, QPointF(50, 50), button->mapToGlobal(QPointF(50, 50)),
                           Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(button, &buttonMove);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(50, 50));
    QCOMPARE(window.pos(), before);
}

void TestPlatformWidgets::gradient_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("width");
    QTest::addColumn<QColor>("colour");

    // The update notice's header: plain blue on the left half, shading to
    // light blue on the right.
    QTest::newRow("first column") << 0 << 60 << QColor(3, 155, 229);
    QTest::newRow("end of left half") << 29 << 60 << QColor(3, 155, 229);
    QTest::newRow("start of right half") << 30 << 60 << QColor(3, 155, 229);
    QTest::newRow("right half, one third") << 40 << 60 << QColor(3 + 59 * 10 / 30, 155 + 36 * 10 / 30, 229 + 24 * 10 / 30);
    QTest::newRow("last column") << 59 << 60 << QColor(3 + 59 * 29 / 30, 155 + 36 * 29 / 30, 229 + 24 * 29 / 30);
    QTest::newRow("odd width, past the last segment") << 60 << 61 << QColor(62, 191, 253);
}

void TestPlatformWidgets::gradient()
{
    QFETCH(int, x);
    QFETCH(int, width);
    QFETCH(QColor, colour);
    constexpr Rgb stops[] = {{3, 155, 229}, {3, 155, 229}, {62, 191, 253}};
    QCOMPARE(gradientColumn(x, width, stops).toColor(), colour);
}

QTEST_MAIN(TestPlatformWidgets)
#include "tst_platform_widgets.moc"
