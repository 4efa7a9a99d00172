#include "platform/hyperlink_label.h"

#include <QMouseEvent>
#include <QPainter>

namespace quillo::platform {

HyperlinkLabel::HyperlinkLabel(const QString &caption, const QString &address, OpenUrl open,
                               OpenUrl fallback, QWidget *parent)
    : QWidget(parent)
    , m_caption(caption)
    , m_address(address)
    , m_open(std::move(open))
    , m_fallback(std::move(fallback))
{
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(caption);
}

QColor HyperlinkLabel::captionColour() const
{
    if (m_hovered)
        return kHoverColour;
    return m_visited ? kVisitedColour : kNormalColour;
}

void HyperlinkLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(captionColour());
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, m_caption);
}

void HyperlinkLabel::enterEvent(QEnterEvent *)
{
    setHovered(true);
}

void HyperlinkLabel::leaveEvent(QEvent *)
{
    setHovered(false);
}

void HyperlinkLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    bool opened = m_open && m_open(m_address);
    if (!opened && m_fallback)
        opened = m_fallback(m_address);
    m_visited = opened;
    update();
}

void HyperlinkLabel::setHovered(bool hovered)
{
    if (m_hovered == hovered)
        return;
    m_hovered = hovered;
    update();
}

} // namespace quillo::platform
