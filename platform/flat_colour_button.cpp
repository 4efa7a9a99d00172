#include "platform/flat_colour_button.h"

#include <QPainter>

namespace quillo::platform {

FlatColourButton::FlatColourButton(const QString &caption, const QColor &background,
                                   const QColor &captionColour, QWidget *parent)
    : QAbstractButton(parent)
    , m_background(background)
    , m_captionColour(captionColour)
{
    setText(caption);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
}

void FlatColourButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    if (isDown() || m_hovered) {
        const QColor light = palette().color(QPalette::Light);
        const QColor shadow = palette().color(QPalette::Dark);
        const QColor topLeft = isDown() ? shadow : light;
        const QColor bottomRight = isDown() ? light : shadow;
        const QRect r = rect().adjusted(0, 0, -1, -1);
        painter.setPen(topLeft);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    }
    painter.setPen(m_captionColour);
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text());
}

void FlatColourButton::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void FlatColourButton::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}

} // namespace quillo::platform
