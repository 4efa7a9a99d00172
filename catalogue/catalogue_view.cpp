#include "catalogue/catalogue_view.h"

#include "catalogue/catalogue_layout.h"
#include "catalogue/snippet_radio_button.h"
#include "platform/control_table.h"
#include "platform/look.h"

#include <QGroupBox>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace quillo {

namespace {

constexpr int kHeaderPixelSize = 12;

QString entryName(int number)
{
    return QStringLiteral("单选框%1").arg(number);
}

QString groupName(int number)
{
    return QStringLiteral("分组框%1").arg(number);
}

} // namespace

CatalogueView::CatalogueView(platform::OpenUrl openUrl, QWidget *parent)
    : QWidget(parent)
    , m_openUrl(std::move(openUrl))
    , m_tabBar(new QTabBar(this))
{
    m_tabBar->setFont(platform::fontOf(platform::kSimSunLatin, kHeaderPixelSize));
    m_tabBar->setDrawBase(false);
    m_tabBar->setExpanding(false);
    m_tabBar->setUsesScrollButtons(true);
    for (const CataloguePage &page : kCataloguePages) {
        const int index = m_tabBar->addTab(platform::toQString(page.caption));
        m_tabBar->setTabToolTip(index, platform::toQString(page.tooltip));
    }
    m_tabBar->setGeometry(0, 0, m_tabBar->sizeHint().width(), kHeaderStripHeight);

    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    for (const GroupBox &group : catalogueGroups()) {
        auto *box = new QGroupBox(platform::toQString(group.caption), this);
        box->setObjectName(groupName(group.number));
        box->setGeometry(group.place.left, group.place.top, group.place.width, group.place.height);
        box->setPalette(white);
        box->setAutoFillBackground(true);
        for (const SnippetEntry &entry : group.entries) {
            auto *button = new SnippetRadioButton(platform::toQString(entry.caption), box);
            button->setObjectName(entryName(entry.number));
            button->setGeometry(entry.place.left, entry.place.top, entry.place.width,
                                entry.place.height);
            connect(button, &QAbstractButton::clicked, this, [this, &entry] { activate(entry); });
        }
        m_groups.append({box, group.page});
    }
    connect(m_tabBar, &QTabBar::currentChanged, this, &CatalogueView::showPage);
    showPage(m_tabBar->currentIndex());
}

int CatalogueView::currentPage() const
{
    return m_tabBar->currentIndex() + 1;
}

void CatalogueView::showPage(int index)
{
    for (const PageGroup &group : std::as_const(m_groups))
        group.box->setVisible(group.page == index + 1);
}

void CatalogueView::activate(const SnippetEntry &entry)
{
    if (entry.kind == EntryKind::Link) {
        if (m_openUrl)
            m_openUrl(platform::toQString(entry.text));
        return;
    }
    if (!entry.text.empty())
        Q_EMIT snippetChosen(platform::toQString(entry.text));
}

void CatalogueView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect pageArea(0, kHeaderStripHeight, width(), height() - kHeaderStripHeight);
    painter.fillRect(pageArea, Qt::white);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = pageArea;
    frame.shape = QTabBar::RoundedNorth;
    frame.tabBarRect = m_tabBar->geometry();
    frame.selectedTabRect = m_tabBar->tabRect(m_tabBar->currentIndex());
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}

void CatalogueView::mousePressEvent(QMouseEvent *event)
{
    // Taken here so a press on the catalogue never reaches the panel below
    // and moves the window.
    event->accept();
}

} // namespace quillo
