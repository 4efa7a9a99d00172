// The update notice as built from its table: every control's kind, parent
// and place on the window, the frame and the colours as drawn, the window's
// settings, its buttons and keys, and how it lives beside the main window.
#include "app/makers_site.h"
#include "app/window_list.h"
#include "platform/control_table.h"
#include "platform/gradient_label.h"
#include "platform/image_button.h"
#include "platform/look.h"
#include "ui/main_window/main_window.h"
#include "update/update_notice.h"
#include "update/update_notice_layout.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace quillo;

namespace {

QString productPage()
{
    return platform::toQString(kProductPage.view());
}

struct Notice {
    QStringList opened;
    bool openerSucceeds = true;
    bool aliveWhenOpened = false;
    QPointer<UpdateNotice> notice;

    Notice()
    {
        notice = new UpdateNotice([this](const QString &address) {
            opened << address;
            aliveWhenOpened = notice && notice->isVisible();
            return openerSucceeds;
        });
    }
    ~Notice() { delete notice.data(); }

    template <typename T = QWidget>
    T *find(const char *name) const
    {
        return notice->findChild<T *>(QString::fromUtf8(name));
    }
};

QColor pixel(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y);
}

} // namespace

class TestUpdateNotice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void controls_data();
    void controls();
    void stackingOrder();
    void windowSettings();
    void opensCentredWithTheFocusOnItsButton();
    void drawnFrameAndPanel();
    void header();
    void messageAndButtonUseTheDefaultFont();

    void updateButton_data();
    void updateButton();
    void closeButton();
    void closeButtonReleasedOutsideKeepsIt();
    void keys_data();
    void keys();
    void onlyTheButtonTakesTabFocus();

    void livesBesideTheMainWindow_data();
    void livesBesideTheMainWindow();
};

void TestUpdateNotice::initTestCase()
{
    platform::prepareLook();
}

void TestUpdateNotice::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<QRect>("onWindow"); // place on the window, frame included

    const auto row = [](const char *name, const char *className, const char *parent, QRect r) {
        QTest::newRow(name) << QString::fromUtf8(name) << QString::fromLatin1(className)
                            << QString::fromUtf8(parent) << r;
    };
    // The client area starts 3 pixels in (the frame) and the panel 1 pixel
    // up and left of it, so every control lies 2 pixels from its place.
    row("图片框1", "QWidget", "", QRect(2, 2, 378, 248));
    row("标签1", "quillo::platform::GradientLabel", "图片框1", QRect(2, 2, 60, 32));
    row("图片框2", "QWidget", "图片框1", QRect(2, 33, 340, 1));
    row("标签2", "QLabel", "图片框1", QRect(91, 91, 192, 64));
    row("按钮1", "QPushButton", "图片框1", QRect(131, 179, 120, 32));
    row("关闭", "quillo::platform::ImageButton", "图片框1", QRect(349, 8, 24, 24));
}

void TestUpdateNotice::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, parentName);
    QFETCH(QRect, onWindow);

    Notice n;
    QWidget *control = n.notice->findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(QString::fromLatin1(control->metaObject()->className()), className);
    QCOMPARE(control->parentWidget()->objectName(), parentName);
    QCOMPARE(QRect(control->mapTo(n.notice.data(), QPoint(0, 0)), control->size()), onWindow);
}

void TestUpdateNotice::stackingOrder()
{
    Notice n;
    QStringList bottomFirst;
    for (QObject *child : n.find("图片框1")->children()) {
        if (child->isWidgetType())
            bottomFirst << child->objectName();
    }
    QCOMPARE(bottomFirst, (QStringList{"图片框2", "标签1", "关闭", "标签2", "按钮1"}));
}

void TestUpdateNotice::windowSettings()
{
    Notice n;
    UpdateNotice *notice = n.notice;
    QVERIFY(notice->isWindow());
    QVERIFY(!notice->parentWidget());
    QCOMPARE(notice->windowType(), Qt::Window); // not a dialog: no owner, own taskbar button
    QVERIFY(notice->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(notice->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(notice->windowModality(), Qt::NonModal);
    QCOMPARE(notice->size(), QSize(380, 250));
    QCOMPARE(notice->minimumSize(), QSize(380, 250));
    QCOMPARE(notice->maximumSize(), QSize(380, 250));
    QVERIFY(notice->windowTitle().isEmpty());
    QVERIFY(notice->testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(!notice->isVisible()); // created hidden
}

void TestUpdateNotice::opensCentredWithTheFocusOnItsButton()
{
    Notice n;
    n.notice->open();
    QVERIFY(QTest::qWaitForWindowExposed(n.notice.data()));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(n.notice->pos(), QPoint(screen.x() + (screen.width() - 380) / 2,
                                     screen.y() + (screen.height() - 250) / 2));
    QTRY_COMPARE(n.notice->focusWidget(), n.find("按钮1"));
}

void TestUpdateNotice::drawnFrameAndPanel()
{
    Notice n;
    const QImage shot = n.notice->grab().toImage();
    const QColor white(255, 255, 255);
    const QColor face = n.notice->palette().color(QPalette::Window);
    QVERIFY(face != white);

    // A raised frame: two lines, lighter at the top and left than at the
    // bottom and right, then one line of the dialog face.
    for (const auto &[outer, inner, third] :
         {std::tuple{QPoint(0, 125), QPoint(1, 125), QPoint(2, 125)},
          std::tuple{QPoint(190, 0), QPoint(190, 1), QPoint(190, 2)}}) {
        QVERIFY(pixel(shot, outer.x(), outer.y()) != white
                || pixel(shot, inner.x(), inner.y()) != white);
        QCOMPARE(pixel(shot, third.x(), third.y()), face);
    }
    const auto lightness = [&](int x, int y) { return pixel(shot, x, y).lightness(); };
    QVERIFY(lightness(0, 125) > lightness(379, 125));
    QVERIFY(lightness(1, 125) > lightness(378, 125));
    QVERIFY(lightness(190, 0) > lightness(190, 249));
    QCOMPARE(pixel(shot, 377, 125), face);
    QCOMPARE(pixel(shot, 190, 247), face);

    // The panel covers the whole client area in white, to its clipped edges.
    for (const QPoint p : {QPoint(3, 200), QPoint(376, 200), QPoint(200, 246), QPoint(376, 246),
                           QPoint(100, 60), QPoint(370, 40)})
        QCOMPARE(pixel(shot, p.x(), p.y()), white);

    // The divider, covered by the header where they meet.
    QCOMPARE(pixel(shot, 100, 33), QColor(233, 233, 233));
    QCOMPARE(pixel(shot, 341, 33), QColor(233, 233, 233));
    QCOMPARE(pixel(shot, 342, 33), white);
}

void TestUpdateNotice::header()
{
    Notice n;
    const QImage shot = n.notice->grab().toImage();
    const std::array stops{platform::kBrandBlue, platform::kBrandBlue, platform::kLightBlue};
    // Row 4 of the header holds no text. Column 0 lies under the frame.
    for (int column = 1; column < 60; ++column) {
        const platform::Rgb expected = platform::gradientColumn(column, 60, stops);
        QCOMPARE(pixel(shot, 2 + column, 2 + 4), expected.toColor());
    }
    QCOMPARE(pixel(shot, 2 + 10, 2 + 4), QColor(3, 155, 229)); // left half plain
    QCOMPARE(pixel(shot, 2 + 59, 2 + 4).blue(), 252);
    // Its bottom row lies over the divider's first 60 pixels.
    QCOMPARE(pixel(shot, 2 + 40, 33), platform::gradientColumn(40, 60, stops).toColor());

    // White text on it (far lighter than any gradient colour), and the
    // header's font.
    bool whiteText = false;
    for (int y = 3; y < 34 && !whiteText; ++y) {
        for (int x = 3; x < 62 && !whiteText; ++x)
            whiteText = pixel(shot, x, y).lightness() > 230;
    }
    QVERIFY(whiteText);
    const QFont font = n.find("标签1")->font();
    QCOMPARE(font.pixelSize(), 12);
    QCOMPARE(font.weight(), QFont::Normal);
    const QString family = QFontInfo(font).family();
    QVERIFY2(family.contains(QStringLiteral("Hei")), qPrintable(family));
}

void TestUpdateNotice::messageAndButtonUseTheDefaultFont()
{
    Notice n;
    auto *message = n.find<QLabel>("标签2");
    QCOMPARE(message->text(), QStringLiteral("Quillo盒子有新版本啦！"));
    QCOMPARE(message->alignment(), Qt::AlignCenter);
    QVERIFY(!message->wordWrap());
    QCOMPARE(message->font(), QApplication::font());
    auto *button = n.find<QPushButton>("按钮1");
    QCOMPARE(button->text(), QStringLiteral("点击更新"));
    QCOMPARE(button->font(), QApplication::font());
    QVERIFY(!button->isDefault());
    QVERIFY(!button->autoDefault());

    // Red text on white.
    const QImage shot = message->grab().toImage();
    bool red = false;
    for (int y = 0; y < shot.height() && !red; ++y) {
        for (int x = 0; x < shot.width() && !red; ++x) {
            const QColor c = shot.pixelColor(x, y);
            red = c.red() == 255 && c.green() < 80 && c.blue() < 80;
        }
    }
    QVERIFY(red);
    QCOMPARE(shot.pixelColor(2, 2), QColor(255, 255, 255));
}

void TestUpdateNotice::updateButton_data()
{
    QTest::addColumn<bool>("openerSucceeds");
    QTest::newRow("desktop takes the page") << true;
    QTest::newRow("desktop refuses it") << false;
}

void TestUpdateNotice::updateButton()
{
    QFETCH(bool, openerSucceeds);
    Notice n;
    n.openerSucceeds = openerSucceeds;
    n.notice->open();
    QVERIFY(QTest::qWaitForWindowExposed(n.notice.data()));
    QTest::mouseClick(n.find("按钮1"), Qt::LeftButton);
    QCOMPARE(n.opened, QStringList{productPage()});
    QVERIFY(n.aliveWhenOpened); // the page first, then the notice goes
    QVERIFY(n.notice);          // not inside the handler
    QTRY_VERIFY(!n.notice);
    QCOMPARE(n.opened, QStringList{productPage()});
}

void TestUpdateNotice::closeButton()
{
    Notice n;
    n.notice->open();
    QVERIFY(QTest::qWaitForWindowExposed(n.notice.data()));
    QWidget *close = n.find("关闭");
    QTest::mouseClick(close, Qt::LeftButton, {}, close->rect().center());
    QVERIFY(n.notice);
    QTRY_VERIFY(!n.notice);
    QVERIFY(n.opened.isEmpty());
}

void TestUpdateNotice::closeButtonReleasedOutsideKeepsIt()
{
    Notice n;
    n.notice->open();
    QVERIFY(QTest::qWaitForWindowExposed(n.notice.data()));
    auto *close = n.find<platform::ImageButton>("关闭");
    QTest::mousePress(close, Qt::LeftButton, {}, close->rect().center());
    QCOMPARE(close->state(), platform::ImageButton::State::Pressed);
    QTest::mouseRelease(close, Qt::LeftButton, {}, QPoint(-30, 40));
    QTest::qWait(50);
    QVERIFY(n.notice);
    QVERIFY(n.notice->isVisible());
}

void TestUpdateNotice::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Esc") << int(Qt::Key_Escape) << true;
    QTest::newRow("Return") << int(Qt::Key_Return) << false;
    QTest::newRow("Enter") << int(Qt::Key_Enter) << false;
}

void TestUpdateNotice::keys()
{
    QFETCH(int, key);
    QFETCH(bool, closes);
    Notice n;
    n.notice->open();
    QVERIFY(QTest::qWaitForWindowExposed(n.notice.data()));
    QWidget *button = n.find("按钮1");
    QTRY_COMPARE(n.notice->focusWidget(), button);
    // Keys go to the focused button first and reach the notice through it.
    QTest::keyClick(button, Qt::Key(key));
    if (closes) {
        QTRY_VERIFY(!n.notice);
    } else {
        QTest::qWait(50);
        QVERIFY(n.notice);
        QCOMPARE(n.notice->focusWidget(), button);
    }
    QVERIFY(n.opened.isEmpty());
}

void TestUpdateNotice::onlyTheButtonTakesTabFocus()
{
    Notice n;
    for (QWidget *child : n.notice->findChildren<QWidget *>()) {
        const bool tabStop = child->focusPolicy() & Qt::TabFocus;
        QCOMPARE(tabStop, child->objectName() == QStringLiteral("按钮1"));
    }
}

void TestUpdateNotice::livesBesideTheMainWindow_data()
{
    QTest::addColumn<bool>("mainFirst");
    QTest::newRow("main window closed first") << true;
    QTest::newRow("notice closed first") << false;
}

void TestUpdateNotice::livesBesideTheMainWindow()
{
    QFETCH(bool, mainFirst);

    WindowList windows;
    QStringList opened;
    const platform::OpenUrl openUrl = [&opened](const QString &address) {
        opened << address;
        return true;
    };
    QPointer<UpdateNotice> notice;
    bool mainHiddenWhenNoticeOpened = false;
    QPointer<MainWindow> main;
    main = new MainWindow(openUrl, {}, [&] {
        mainHiddenWhenNoticeOpened = !main->isVisible();
        notice = openUpdateNotice(windows, openUrl);
    });
    windows.add(main);
    main->runCreatedEvent();
    QVERIFY(notice);
    QVERIFY(notice->isVisible());
    QVERIFY(mainHiddenWhenNoticeOpened);
    main->showCentred();
    QCOMPARE(windows.count(), 2);

    QWidget *first = mainFirst ? static_cast<QWidget *>(main.data()) : notice.data();
    QWidget *second = mainFirst ? static_cast<QWidget *>(notice.data()) : main.data();
    bool secondAliveAfterFirst = false;
    QTimer::singleShot(0, first, [&] {
        auto *close = first->findChild<platform::ImageButton *>(QStringLiteral("关闭"));
        QTest::mouseClick(close, Qt::LeftButton, {}, close->rect().center());
    });
    QTimer::singleShot(100, second, [&] {
        secondAliveAfterFirst = second->isVisible();
        // The notice's own way out is its update button.
        if (second == notice.data())
            QTest::mouseClick(notice->findChild<QPushButton *>(QStringLiteral("按钮1")),
                              Qt::LeftButton);
        else
            destroyLater(second);
    });
    // Guards the test, not the program: a loop that never ends fails here.
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, this, [] { QCoreApplication::exit(99); });
    guard.start(5000);

    QCOMPARE(windows.exec(), 0);
    QVERIFY(secondAliveAfterFirst);
    QVERIFY(!main);
    QVERIFY(!notice);
    QCOMPARE(opened, mainFirst ? QStringList{productPage()} : QStringList{});
}

QTEST_MAIN(TestUpdateNotice)
#include "tst_update_notice.moc"
