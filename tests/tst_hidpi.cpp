// The windows at twice the pixel density (QT_SCALE_FACTOR=2, set before the
// application starts): every image button paints its @2x image pixel for
// pixel, and every image the layouts name has such a twin.
#include "platform/image_button.h"
#include "platform/look.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/main_window_layout.h"
#include "update/update_notice.h"
#include "update/update_notice_layout.h"

#include <QApplication>
#include <QTest>

#include <memory>

using namespace quillo;
using State = platform::ImageButton::State;

Q_DECLARE_METATYPE(State)

namespace {

QImage rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

QString twinOf(const QString &path)
{
    return QString(path).replace(QStringLiteral(".png"), QStringLiteral("@2x.png"));
}

// Puts the button into the state as the pointer would.
void drive(platform::ImageButton *button, State state)
{
    const QPoint inside(12, 12);
    if (state == State::Hover) {
        QMouseEvent move(QEvent::MouseMove, inside, button->mapToGlobal(inside), Qt::NoButton,
                         Qt::NoButton, {});
        QApplication::sendEvent(button, &move);
    } else if (state == State::Pressed) {
        QTest::mousePress(button, Qt::LeftButton, {}, inside);
    }
}

QList<QString> layoutImages()
{
    QList<QString> paths;
    const auto collect = [&paths](const auto &rows) {
        for (const platform::ControlRow &row : rows) {
            for (std::string_view path : {row.look.images.normal, row.look.images.hover,
                                          row.look.images.pressed}) {
                if (!path.empty())
                    paths << platform::toQString(path);
            }
        }
    };
    collect(main_window::kControls);
    collect(update_notice::kControls);
    return paths;
}

} // namespace

class TestHiDpi : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void buttonsPaintTheirTwins_data();
    void buttonsPaintTheirTwins();
    void everyLayoutImageHasATwin();
    void loadImage_data();
    void loadImage();

private:
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<UpdateNotice> m_notice;
};

void TestHiDpi::initTestCase()
{
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    platform::prepareLook();
}

void TestHiDpi::init()
{
    const auto opens = [](const QString &) { return true; };
    m_main = std::make_unique<MainWindow>(opens, opens, [] {});
    m_notice = std::make_unique<UpdateNotice>(opens);
}

void TestHiDpi::cleanup()
{
    m_notice.reset();
    m_main.reset();
}

void TestHiDpi::buttonsPaintTheirTwins_data()
{
    QTest::addColumn<bool>("onNotice");
    QTest::addColumn<QString>("button");
    QTest::addColumn<State>("state");
    QTest::addColumn<QString>("image");

    const auto row = [](bool onNotice, const char *button, State state, const char *image) {
        QTest::addRow("%s %s %s", onNotice ? "notice" : "main", button, image + 9)
            << onNotice << QString::fromUtf8(button) << state << QString::fromLatin1(image);
    };
    row(false, "关闭", State::Normal, ":/images/close@2x.png");
    row(false, "关闭", State::Hover, ":/images/close_hover@2x.png");
    row(false, "关闭", State::Pressed, ":/images/close_pressed@2x.png");
    row(false, "最小化", State::Normal, ":/images/minimize@2x.png");
    row(false, "最小化", State::Hover, ":/images/minimize_hover@2x.png");
    row(false, "反馈", State::Normal, ":/images/feedback@2x.png");
    row(false, "反馈", State::Hover, ":/images/feedback_hover@2x.png");
    row(true, "关闭", State::Normal, ":/images/notice_close@2x.png");
    row(true, "关闭", State::Hover, ":/images/notice_close_hover@2x.png");
    row(true, "关闭", State::Pressed, ":/images/notice_close_pressed@2x.png");
}

void TestHiDpi::buttonsPaintTheirTwins()
{
    QFETCH(bool, onNotice);
    QFETCH(QString, button);
    QFETCH(State, state);
    QFETCH(QString, image);

    QWidget *window = onNotice ? static_cast<QWidget *>(m_notice.get()) : m_main.get();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto *imageButton = window->findChild<platform::ImageButton *>(button);
    QVERIFY(imageButton);
    drive(imageButton, state);
    QCOMPARE(imageButton->state(), state);

    const QImage expected(image);
    QCOMPARE(expected.size(), QSize(48, 48));
    const QImage shown = imageButton->grab().toImage();
    QCOMPARE(shown.size(), QSize(48, 48));
    QCOMPARE(rgb(shown), rgb(expected));
}

void TestHiDpi::everyLayoutImageHasATwin()
{
    const QList<QString> paths = layoutImages();
    QVERIFY(!paths.isEmpty());
    for (const QString &path : paths) {
        const QImage plain(path);
        const QImage twin(twinOf(path));
        QVERIFY2(!plain.isNull(), qPrintable(path));
        QVERIFY2(!twin.isNull(), qPrintable(twinOf(path) + QStringLiteral(" is missing")));
        QCOMPARE(twin.size(), plain.size() * 2);
        // Drawn afresh, yet the same picture: the backgrounds agree.
        QCOMPARE(twin.pixelColor(0, 0), plain.pixelColor(0, 0));
    }
}

void TestHiDpi::loadImage_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("devicePixels"); // of a 24 x 24 button; empty: no image

    QTest::newRow("with a twin") << QStringLiteral(":/images/close.png") << QSize(48, 48);
    // Without a twin the plain image is all there is; Qt scales it.
    QTest::newRow("without a twin") << QStringLiteral(":/icons/quillo.png") << QSize(16, 16);
    QTest::newRow("empty path") << QString() << QSize();
    QTest::newRow("no such file") << QStringLiteral(":/images/nothing.png") << QSize();
}

void TestHiDpi::loadImage()
{
    QFETCH(QString, path);
    QFETCH(QSize, devicePixels);

    const QIcon image = platform::loadImage(path);
    QCOMPARE(image.isNull(), devicePixels.isEmpty());
    if (!image.isNull())
        QCOMPARE(image.pixmap(QSize(24, 24), 2.0).size(), devicePixels);
}

int main(int argc, char *argv[])
{
    // Before the application reads it; CTest keeps the offscreen platform.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    TestHiDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hidpi.moc"
