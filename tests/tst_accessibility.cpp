// What a screen reader hears. Every control the user can work in the main
// window and the update notice has a name through Qt's accessibility
// interface: the image buttons their tooltip texts (the notice's close button,
// which has no tooltip, its layout name), the footer's button and link their
// captions. The image buttons are buttons that can be pressed.
#include "platform/hyperlink_label.h"
#include "platform/image_button.h"
#include "platform/look.h"
#include "ui/main_window/main_window.h"
#include "update/update_notice.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>

#include <memory>

using namespace quillo;

namespace {

QString spokenName(QObject *control)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

// The controls a user can press, pick or type into.
QList<QWidget *> workableControls(QWidget *window)
{
    QList<QWidget *> controls;
    for (QWidget *child : window->findChildren<QWidget *>()) {
        if (qobject_cast<platform::ImageButton *>(child)
            || qobject_cast<platform::HyperlinkLabel *>(child)
            || qobject_cast<QAbstractButton *>(child) || qobject_cast<QTextEdit *>(child)
            || qobject_cast<QTabBar *>(child))
            controls << child;
    }
    return controls;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void names_data();
    void names();
    void everyWorkableControlHasAName_data();
    void everyWorkableControlHasAName();
    void everyCataloguePageHasAName();
    void imageButtonsAreButtons_data();
    void imageButtonsAreButtons();
    void pressActionClicksOnce();

private:
    QWidget *window(const QString &which) const;

    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<UpdateNotice> m_notice;
};

void TestAccessibility::initTestCase()
{
    platform::prepareLook();
}

void TestAccessibility::init()
{
    const auto opens = [](const QString &) { return true; };
    m_main = std::make_unique<MainWindow>(opens, opens, [] {});
    m_main->runCreatedEvent();
    m_notice = std::make_unique<UpdateNotice>(opens);
}

void TestAccessibility::cleanup()
{
    m_notice.reset();
    m_main.reset();
}

QWidget *TestAccessibility::window(const QString &which) const
{
    return which == QLatin1String("main") ? static_cast<QWidget *>(m_main.get()) : m_notice.get();
}

void TestAccessibility::names_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");

    const auto row = [](const char *window, const char *control, const char *name) {
        QTest::addRow("%s %s", window, control)
            << QString::fromUtf8(window) << QString::fromUtf8(control) << QString::fromUtf8(name);
    };
    row("main", "关闭", "关闭");
    row("main", "最小化", "最小化");
    row("main", "反馈", "反馈");
    row("main", "超级链接框1", "加入我们");
    row("main", "超级按钮1", "提交更多代码，一起完善Quillo盒子");
    row("main", "单选框80", "禁用表情");
    row("notice", "关闭", "关闭");
    row("notice", "按钮1", "点击更新");
}

void TestAccessibility::names()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, name);

    QWidget *widget = this->window(window)->findChild<QWidget *>(control);
    QVERIFY(widget);
    QCOMPARE(spokenName(widget), name);
}

void TestAccessibility::everyWorkableControlHasAName_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("main window") << QStringLiteral("main");
    QTest::newRow("update notice") << QStringLiteral("notice");
}

void TestAccessibility::everyWorkableControlHasAName()
{
    QFETCH(QString, window);

    const QList<QWidget *> controls = workableControls(this->window(window));
    QVERIFY(!controls.isEmpty());
    for (QWidget *control : controls) {
        if (spokenName(control).trimmed().isEmpty())
            QFAIL(qPrintable(QStringLiteral("%1 (%2) has no accessible name")
                                 .arg(control->objectName(),
                                      QString::fromLatin1(control->metaObject()->className()))));
    }
}

void TestAccessibility::everyCataloguePageHasAName()
{
    auto *tabs = m_main->findChild<QTabBar *>();
    QVERIFY(tabs);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(tabs);
    QVERIFY(accessible);
    // The tabs come first; the bar's scroll buttons follow them.
    QVERIFY(accessible->childCount() >= tabs->count());
    for (int i = 0; i < tabs->count(); ++i) {
        QVERIFY(!tabs->tabText(i).isEmpty());
        QCOMPARE(accessible->child(i)->text(QAccessible::Name), tabs->tabText(i));
    }
}

void TestAccessibility::imageButtonsAreButtons_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");

    QTest::newRow("main close") << QStringLiteral("main") << QStringLiteral("关闭");
    QTest::newRow("main minimize") << QStringLiteral("main") << QStringLiteral("最小化");
    QTest::newRow("main feedback") << QStringLiteral("main") << QStringLiteral("反馈");
    QTest::newRow("notice close") << QStringLiteral("notice") << QStringLiteral("关闭");
}

void TestAccessibility::imageButtonsAreButtons()
{
    QFETCH(QString, window);
    QFETCH(QString, control);

    auto *button = this->window(window)->findChild<platform::ImageButton *>(control);
    QVERIFY(button);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(button);
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), QAccessible::Button);
    QVERIFY(accessible->actionInterface());
    QVERIFY(accessible->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
}

void TestAccessibility::pressActionClicksOnce()
{
    QWidget host;
    auto *button = new platform::ImageButton(QIcon(), QIcon(), QIcon(), &host);
    QSignalSpy clicked(button, &platform::ImageButton::clicked);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(button);
    QVERIFY(accessible && accessible->actionInterface());

    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicked.count(), 1);
    // Other actions are no press.
    accessible->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
    QCOMPARE(clicked.count(), 1);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
