#include "platform/image_button.h"

#include <QMouseEvent>
#include <QPainter>

namespace quillo::platform {

ImageButton::ImageButton(const QPixmap &normal, const QPixmap &hover, const QPixmap &pressed,
                         QWidget *parent)
    : QWidget(parent)
    , m_normal(normal)
    , m_hover(hover)
    , m_pressed(pressed)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, imageFor(m_state));
}

void ImageButton::enterEvent(QEnterEvent *event)
{
    setState(event->buttons() & Qt::LeftButton ? State::Pressed : State::Hover);
}

void ImageButton::leaveEvent(QEvent *)
{
    setState(State::Normal);
}

void ImageButton::mouseMoveEvent(QMouseEvent *event)
{
    if (!rect().contains(event->position().toPoint()))
        setState(State::Normal);
    else
        setState(event->buttons() & Qt::LeftButton ? State::Pressed : State::Hover);
}

void ImageButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        setState(State::Pressed);
}

void ImageButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const bool inside = rect().contains(event->position().toPoint());
    setState(State::Normal);
    if (inside)
        Q_EMIT clicked();
}

void ImageButton::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    update();
}

const QPixmap &ImageButton::imageFor(State state) const
{
    switch (state) {
    case State::Hover:
        return m_hover.isNull() ? m_normal : m_hover;
    case State::Pressed:
        return m_pressed.isNull() ? m_normal : m_pressed;
    case State::Normal:
        break;
    }
    return m_normal;
}

} // namespace quillo::platform
