#include "app/window_list.h"

#include <QApplication>
#include <QWidget>

namespace quillo {

WindowList::WindowList(QObject *parent)
    : QObject(parent)
{
    // Hiding a window must not end the program; only destruction counts.
    QGuiApplication::setQuitOnLastWindowClosed(false);
}

void WindowList::add(QWidget *window)
{
    // The system's close command destroys the window, as a close button does.
    window->setAttribute(Qt::WA_DeleteOnClose);
    m_windows.insert(window);
    connect(window, &QObject::destroyed, this, &WindowList::remove);
}

void WindowList::remove(QObject *window)
{
    m_windows.remove(window);
    if (m_windows.isEmpty() && m_loopRunning)
        QMetaObject::invokeMethod(
            this, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

int WindowList::exec()
{
    if (m_windows.isEmpty())
        return 0;
    m_loopRunning = true;
    const int code = QCoreApplication::exec();
    m_loopRunning = false;
    return code;
}

void destroyLater(QWidget *window)
{
    window->deleteLater();
}

} // namespace quillo
