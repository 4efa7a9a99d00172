#include "platform/drag_mover.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace quillo::platform {

DragMover::DragMover(QWidget *window)
    : QObject(window)
    , m_window(window)
{
}

void DragMover::addSurface(QWidget *surface)
{
    surface->installEventFilter(this);
}

bool DragMover::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *press = static_cast<QMouseEvent *>(event);
        if (press->button() != Qt::LeftButton)
            return false;
        QWindow *handle = m_window->windowHandle();
        if (handle && handle->startSystemMove())
            return true;
        m_dragging = qobject_cast<QWidget *>(watched);
        m_grabOffset = press->globalPosition().toPoint() - m_window->pos();
        return true;
    }
    case QEvent::MouseMove:
        if (m_dragging == watched) {
            auto *move = static_cast<QMouseEvent *>(event);
            m_window->move(move->globalPosition().toPoint() - m_grabOffset);
            return true;
        }
        return false;
    case QEvent::MouseButtonRelease:
        if (m_dragging == watched && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            m_dragging = nullptr;
            return true;
        }
        return false;
    default:
        return false;
    }
}

} // namespace quillo::platform
