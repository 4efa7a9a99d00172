// The main window as built from its tables: every control's name, kind,
// parent and place on screen, what each title-bar and footer control does,
// and the catalogue's selection and click rules.
#include "app/makers_site.h"
#include "catalogue/catalogue_layout.h"
#include "catalogue/catalogue_view.h"
#include "catalogue/code_box.h"
#include "catalogue/snippet_radio_button.h"
#include "platform/control_table.h"
#include "platform/flat_colour_button.h"
#include "platform/hyperlink_label.h"
#include "platform/image_button.h"
#include "platform/look.h"
#include "platform/tooltip_service.h"
#include "ui/main_window/main_window.h"

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>

#include <memory>

using namespace quillo;

namespace {

QString productPage()
{
    return platform::toQString(kProductPage.view());
}

struct Window {
    QStringList opened;
    QStringList fallbackOpened;
    int versionChecks = 0;
    std::unique_ptr<MainWindow> window;

    Window()
    {
        window = std::make_unique<MainWindow>(
            [this](const QString &address) {
                opened << address;
                return true;
            },
            [this](const QString &address) {
                fallbackOpened << address;
                return true;
            },
            [this] { ++versionChecks; });
    }

    template <typename T = QWidget>
    T *find(const QString &name) const
    {
        return window->findChild<T *>(name);
    }

    QRadioButton *entry(int number) const
    {
        return find<QRadioButton>(QStringLiteral("单选框%1").arg(number));
    }
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void controls_data();
    void controls();
    void groupBoxes_data();
    void groupBoxes();
    void entriesSitInsideTheirGroupBoxes();
    void windowSettings();
    void codeBoxLiesAbovePanel();
    void codeBoxSettings();
    void createdEventRunsTheVersionCheckAfterTheTooltips();

    void titleBarButtons_data();
    void titleBarButtons();
    void closeDestroysAfterTheHandler();
    void minimizeAndRestoreKeepState();
    void escapeDoesNothing();

    void selectionStaysWithinItsGroupBox();
    void selectionsSurvivePageChanges();
    void pagesShowOnlyTheirGroupBoxes();
    void everyActivationFires();
    void linkEntryOpensTheArticleAndLeavesTheCodeBox();
    void snippetReplacesTheWholeCodeBox();
    void copyGivesPlainUtf8WithLinuxLineEnds();
    void selectionShowsOnlyWithFocus();

private:
    std::unique_ptr<Window> m_w;
};

void TestMainWindow::initTestCase()
{
    platform::prepareLook();
}

void TestMainWindow::init()
{
    m_w = std::make_unique<Window>();
}

void TestMainWindow::cleanup()
{
    m_w.reset();
}

void TestMainWindow::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<QRect>("onWindow"); // place in window coordinates

    const auto row = [](const char *name, const char *className, const char *parent, QRect r) {
        QTest::newRow(name) << QString::fromUtf8(name) << QString::fromLatin1(className)
                            << QString::fromUtf8(parent) << r;
    };
    // The panel overhangs the window by 8 pixels on the left, so every control
    // on it lies 8 pixels left of its panel place.
    row("图片框2", "QWidget", "", QRect(-8, 0, 800, 680));
    row("透明标签2", "QLabel", "图片框2", QRect(6, 14, 338, 24));
    row("反馈", "quillo::platform::ImageButton", "图片框2", QRect(687, 13, 24, 24));
    row("图片框4", "QWidget", "图片框2", QRect(716, 18, 1, 14));
    row("最小化", "quillo::platform::ImageButton", "图片框2", QRect(725, 13, 24, 24));
    row("关闭", "quillo::platform::ImageButton", "图片框2", QRect(755, 13, 24, 24));
    row("高级选择夹1", "quillo::CatalogueView", "图片框2", QRect(0, 56, 800, 392));
    row("TXT", "quillo::CodeBox", "", QRect(0, 448, 790, 168));
    row("透明标签1", "QLabel", "图片框2", QRect(8, 633, 64, 16));
    row("超级按钮1", "quillo::platform::FlatColourButton", "图片框2", QRect(272, 632, 200, 24));
    row("超级链接框1", "quillo::platform::HyperlinkLabel", "图片框2", QRect(708, 633, 60, 16));
    // Group boxes are placed from the tab control's top-left corner, header
    // strip included, not from a page's origin.
    row("分组框1", "QGroupBox", "高级选择夹1", QRect(10, 86, 774, 66));
    row("分组框3", "QGroupBox", "高级选择夹1", QRect(8, 224, 774, 224));
    row("单选框1", "quillo::SnippetRadioButton", "分组框1", QRect(15, 103, 73, 17));
    row("单选框48", "quillo::SnippetRadioButton", "分组框3", QRect(24, 400, 96, 24));
    row("单选框99", "quillo::SnippetRadioButton", "分组框7", QRect(664, 320, 96, 24));
}

void TestMainWindow::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, parentName);
    QFETCH(QRect, onWindow);

    QWidget *control = m_w->find(name);
    QVERIFY2(control, qPrintable(name));
    QCOMPARE(QString::fromLatin1(control->metaObject()->className()), className);
    QWidget *parent = control->parentWidget();
    QCOMPARE(parent == m_w->window.get() ? QString() : parent->objectName(), parentName);
    const QPoint at = control->mapTo(m_w->window.get(), QPoint(0, 0));
    QCOMPARE(QRect(at, control->size()), onWindow);
}

void TestMainWindow::groupBoxes_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");

    QTest::newRow("group 1") << 1 << "头部常用函数" << 1 << 1 << 14;
    QTest::newRow("group 2") << 2 << "导航函数" << 1 << 15 << 18;
    QTest::newRow("group 3") << 3 << "模板函数" << 1 << 19 << 48;
    QTest::newRow("group 4") << 4 << "判断标签" << 2 << 49 << 61;
    QTest::newRow("group 5") << 5 << "网站统计功能" << 2 << 62 << 71;
    QTest::newRow("group 6") << 6 << "网站优化" << 3 << 72 << 81;
    QTest::newRow("group 7") << 7 << "主题开发常用拓展功能" << 3 << 82 << 99;
}

void TestMainWindow::groupBoxes()
{
    QFETCH(int, group);
    QFETCH(QString, caption);
    QFETCH(int, page);
    QFETCH(int, first);
    QFETCH(int, last);

    auto *box = m_w->find<QGroupBox>(QStringLiteral("分组框%1").arg(group));
    QVERIFY(box);
    QCOMPARE(box->title(), caption);
    m_w->window->catalogue()->tabBar()->setCurrentIndex(page - 1);
    QVERIFY(!box->isHidden());

    const auto buttons = box->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly);
    QCOMPARE(buttons.size(), last - first + 1);
    for (int number = first; number <= last; ++number) {
        QRadioButton *button = m_w->entry(number);
        QVERIFY2(button, qPrintable(QString::number(number)));
        QCOMPARE(button->parentWidget(), box);
        QCOMPARE(button->text(), platform::toQString(catalogueEntry(number)->caption));
    }
}

void TestMainWindow::entriesSitInsideTheirGroupBoxes()
{
    // Every caption must be readable: inside its group box, below the box's
    // caption line, and clear of every other entry of the box.
    for (const GroupBox &group : catalogueGroups()) {
        auto *box = m_w->find<QGroupBox>(QStringLiteral("分组框%1").arg(group.number));
        const QRect inside = box->rect().adjusted(1, 10, -1, -1);
        QList<QRect> taken;
        for (const SnippetEntry &entry : group.entries) {
            const QRect place = m_w->entry(entry.number)->geometry();
            QVERIFY2(inside.contains(place), qPrintable(QString::number(entry.number)));
            for (const QRect &other : std::as_const(taken))
                QVERIFY2(!other.intersects(place), qPrintable(QString::number(entry.number)));
            taken << place;
        }
        // Group boxes of one page do not overlap, and stay inside the tab
        // control.
        QVERIFY(QRect(0, 20, 800, 372).contains(box->geometry()));
    }
}

void TestMainWindow::windowSettings()
{
    MainWindow *window = m_w->window.get();
    QCOMPARE(window->size(), QSize(790, 679));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QCOMPARE(window->windowTitle(), QStringLiteral("Quillo - Tessaly"));
    QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(window->windowFlags() & Qt::WindowStaysOnTopHint));
    QCOMPARE(m_w->find<QLabel>(QStringLiteral("透明标签2"))->text(),
             QStringLiteral("Quillo - Tessaly www.quillo.example 出品"));
    QCOMPARE(m_w->find<QLabel>(QStringLiteral("透明标签1"))->text(), QStringLiteral("版本：1.0"));

    window->showCentred();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(window->pos(), QPoint((screen.width() - 790) / 2, (screen.height() - 679) / 2));
    // Page 1 current, nothing selected, the code box empty.
    QCOMPARE(window->catalogue()->currentPage(), 1);
    for (int number = 1; number <= 99; ++number)
        QVERIFY(!m_w->entry(number)->isChecked());
    QVERIFY(window->codeBox()->toPlainText().isEmpty());
}

void TestMainWindow::codeBoxLiesAbovePanel()
{
    MainWindow *window = m_w->window.get();
    QWidget *hit = window->childAt(400, 520);
    QVERIFY(hit);
    QVERIFY(hit == window->codeBox() || window->codeBox()->isAncestorOf(hit));
    // The footer below it belongs to the panel again.
    QCOMPARE(window->childAt(200, 660)->objectName(), QStringLiteral("图片框2"));
}

void TestMainWindow::codeBoxSettings()
{
    CodeBox *box = m_w->window->codeBox();
    QVERIFY(!box->isReadOnly());
    QCOMPARE(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    QCOMPARE(box->frameShadow(), QFrame::Sunken);
    QCOMPARE(box->font().pixelSize(), 12);
    // "宋体" must resolve to an installed Song face, not a Latin fallback.
    const QString family = QFontInfo(box->font()).family();
    QVERIFY2(family.contains(QStringLiteral("UMing")) || family.contains(QStringLiteral("Serif CJK")),
             qPrintable(family));
}

void TestMainWindow::createdEventRunsTheVersionCheckAfterTheTooltips()
{
    MainWindow *window = m_w->window.get();
    int tooltipsWhenChecked = -1;
    Window probe;
    probe.window = std::make_unique<MainWindow>(platform::OpenUrl(), platform::OpenUrl(), [&] {
        tooltipsWhenChecked = probe.window->tooltips()->tipWindow() ? 1 : 0;
    });
    probe.window->runCreatedEvent();
    QCOMPARE(tooltipsWhenChecked, 1);
    QVERIFY(!probe.window->isVisible());

    QCOMPARE(m_w->versionChecks, 0);
    window->runCreatedEvent();
    QCOMPARE(m_w->versionChecks, 1);
}

void TestMainWindow::titleBarButtons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("opens");
    QTest::newRow("feedback") << "反馈" << productPage();
    QTest::newRow("submit code") << "超级按钮1" << productPage();
}

void TestMainWindow::titleBarButtons()
{
    QFETCH(QString, name);
    QFETCH(QString, opens);
    m_w->window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_w->window.get()));
    QWidget *button = m_w->find(name);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    QCOMPARE(m_w->opened, QStringList{opens});
    QVERIFY(m_w->window->isVisible());
}

void TestMainWindow::closeDestroysAfterTheHandler()
{
    QPointer<MainWindow> window = m_w->window.release();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto *close = window->findChild<platform::ImageButton *>(QStringLiteral("关闭"));
    QTest::mouseClick(close, Qt::LeftButton, {}, close->rect().center());
    QVERIFY(window); // not inside the handler
    QTRY_VERIFY(!window);
}

void TestMainWindow::minimizeAndRestoreKeepState()
{
    MainWindow *window = m_w->window.get();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    m_w->entry(99)->click();
    window->codeBox()->setPlainText(QStringLiteral("kept"));
    auto *minimize = m_w->find<platform::ImageButton>(QStringLiteral("最小化"));
    QTest::mouseClick(minimize, Qt::LeftButton, {}, minimize->rect().center());
    QTRY_VERIFY(window->windowState() & Qt::WindowMinimized);
    window->showNormal();
    QVERIFY(!(window->windowState() & Qt::WindowMinimized));
    QCOMPARE(window->codeBox()->toPlainText(), QStringLiteral("kept"));
    QVERIFY(m_w->entry(99)->isChecked());
}

void TestMainWindow::escapeDoesNothing()
{
    QPointer<MainWindow> window = m_w->window.get();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTest::keyClick(window, Qt::Key_Escape);
    QTest::keyClick(window->codeBox(), Qt::Key_Escape);
    QCoreApplication::processEvents();
    QVERIFY(window);
    QVERIFY(window->isVisible());
}

void TestMainWindow::selectionStaysWithinItsGroupBox()
{
    m_w->window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_w->window.get()));
    QTest::mouseClick(m_w->entry(1), Qt::LeftButton);
    QTest::mouseClick(m_w->entry(2), Qt::LeftButton);
    QTest::mouseClick(m_w->entry(15), Qt::LeftButton);
    QVERIFY(!m_w->entry(1)->isChecked());
    QVERIFY(m_w->entry(2)->isChecked());
    QVERIFY(m_w->entry(15)->isChecked());
}

void TestMainWindow::selectionsSurvivePageChanges()
{
    MainWindow *window = m_w->window.get();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTabBar *tabs = window->catalogue()->tabBar();
    QTest::mouseClick(m_w->entry(19), Qt::LeftButton);
    tabs->setCurrentIndex(2);
    QTest::mouseClick(m_w->entry(80), Qt::LeftButton);
    QTest::mouseClick(m_w->entry(98), Qt::LeftButton);
    const QString text = window->codeBox()->toPlainText();
    tabs->setCurrentIndex(0);
    tabs->setCurrentIndex(1);
    tabs->setCurrentIndex(2);
    QVERIFY(m_w->entry(19)->isChecked());
    QVERIFY(m_w->entry(80)->isChecked());
    QVERIFY(m_w->entry(98)->isChecked());
    QCOMPARE(window->codeBox()->toPlainText(), text);
}

void TestMainWindow::pagesShowOnlyTheirGroupBoxes()
{
    MainWindow *window = m_w->window.get();
    QTabBar *tabs = window->catalogue()->tabBar();
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(0), QStringLiteral("基础标签"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("拓展标签"));
    QCOMPARE(tabs->tabText(2), QStringLiteral("基础功能"));
    QCOMPARE(tabs->tabToolTip(0), QStringLiteral("常用全局标签，整站都可以用"));
    QVERIFY(tabs->tabToolTip(1).isEmpty());
    QVERIFY(tabs->tabToolTip(2).isEmpty());
    QCOMPARE(tabs->height(), 20);

    const int pageOf[] = {0, 1, 1, 1, 2, 2, 3, 3};
    for (int page = 1; page <= 3; ++page) {
        tabs->setCurrentIndex(page - 1);
        for (int group = 1; group <= 7; ++group) {
            auto *box = m_w->find<QGroupBox>(QStringLiteral("分组框%1").arg(group));
            QCOMPARE(!box->isHidden(), pageOf[group] == page);
        }
    }
}

void TestMainWindow::everyActivationFires()
{
    // The link entry shows each activation, as it needs no text: mouse
    // clicks, also on the selected entry, and Space.
    MainWindow *window = m_w->window.get();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->catalogue()->tabBar()->setCurrentIndex(2);
    QRadioButton *link = m_w->entry(99);
    QTest::mouseClick(link, Qt::LeftButton);
    QTest::mouseClick(link, Qt::LeftButton);
    link->setFocus();
    QTest::keyClick(link, Qt::Key_Space);
    QCOMPARE(m_w->opened.size(), 3);
    // A press that slides off before the release is no activation.
    QTest::mousePress(link, Qt::LeftButton);
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(-30, -30));
    QCOMPARE(m_w->opened.size(), 3);
}

void TestMainWindow::linkEntryOpensTheArticleAndLeavesTheCodeBox()
{
    MainWindow *window = m_w->window.get();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->catalogue()->tabBar()->setCurrentIndex(2);
    window->codeBox()->setPlainText(QStringLiteral("user text"));
    QTest::mouseClick(m_w->entry(82), Qt::LeftButton);
    const QString before = window->codeBox()->toPlainText();
    QTest::mouseClick(m_w->entry(99), Qt::LeftButton);
    QCOMPARE(m_w->opened,
             QStringList{QStringLiteral("http://www.quillo.example/wordpress-5-0-javascript-local.html")});
    QCOMPARE(window->codeBox()->toPlainText(), before);
    QVERIFY(m_w->entry(99)->isChecked());
    QVERIFY(!m_w->entry(82)->isChecked());
}

void TestMainWindow::snippetReplacesTheWholeCodeBox()
{
    MainWindow *window = m_w->window.get();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const SnippetEntry *first = catalogueEntry(1);
    if (first->text.empty())
        QSKIP("entry 1 has no text yet");
    window->codeBox()->setPlainText(QStringLiteral("edited by the user\nover two lines"));
    QTest::mouseClick(m_w->entry(1), Qt::LeftButton);
    QCOMPARE(window->codeBox()->toPlainText(), platform::toQString(first->text));
    window->codeBox()->appendPlainText(QStringLiteral("more"));
    QTest::mouseClick(m_w->entry(1), Qt::LeftButton);
    QCOMPARE(window->codeBox()->toPlainText(), platform::toQString(first->text));
}

void TestMainWindow::copyGivesPlainUtf8WithLinuxLineEnds()
{
    CodeBox *box = m_w->window->codeBox();
    const QString text = QStringLiteral("<?php\n\t// 注释，全角”\n}");
    box->setSnippet(text);
    box->selectAll();
    box->copy();
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    QVERIFY(copied);
    QCOMPARE(copied->text(), text);
    QCOMPARE(copied->data(QStringLiteral("text/plain")), text.toUtf8());
}

void TestMainWindow::selectionShowsOnlyWithFocus()
{
    MainWindow *window = m_w->window.get();
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    CodeBox *box = window->codeBox();
    box->setSnippet(QStringLiteral("selected text selected text"));
    box->selectAll();
    const QColor highlight = box->palette().color(QPalette::Active, QPalette::Highlight);
    const auto showsHighlight = [&] {
        const QImage shot = box->viewport()->grab().toImage();
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (shot.pixelColor(x, y) == highlight)
                    return true;
        return false;
    };
    box->setFocus();
    QTRY_VERIFY(box->hasFocus());
    QVERIFY(showsHighlight());
    m_w->find(QStringLiteral("超级按钮1"))->setFocus();
    QTRY_VERIFY(!box->hasFocus());
    QVERIFY(!showsHighlight());
    QVERIFY(box->textCursor().hasSelection()); // hidden, not lost
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
