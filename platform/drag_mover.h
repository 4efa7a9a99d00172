// Moves a borderless window when the user drags one of its surfaces (the
// blue panel and its picture boxes). The window manager does the move where
// it can; elsewhere the window follows the pointer itself.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class QWidget;

namespace quillo::platform {

class DragMover : public QObject
{
    Q_OBJECT

public:
    explicit DragMover(QWidget *window);

    // Presses on the surface start a move; they go no further.
    void addSurface(QWidget *surface);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *const m_window;
    QPointer<QWidget> m_dragging; // the surface of a move we do ourselves
    QPoint m_grabOffset;
};

} // namespace quillo::platform
