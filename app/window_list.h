// The program's loaded windows. The program ends, with code 0, when the last
// of them has been destroyed while the event loop runs; a hidden or
// minimized window still counts.
#pragma once

#include <QObject>
#include <QSet>

class QWidget;

namespace quillo {

class WindowList : public QObject
{
    Q_OBJECT

public:
    explicit WindowList(QObject *parent = nullptr);

    // The window destroys itself (on request, or on the system's close
    // command); the list only watches it go.
    void add(QWidget *window);
    qsizetype count() const { return m_windows.size(); }

    // Runs the event loop until the last window is gone. Returns 0 at once,
    // without entering the loop, when there is no window.
    int exec();

private:
    void remove(QObject *window);

    QSet<QObject *> m_windows;
    bool m_loopRunning = false;
};

// Asks for a window to be destroyed once the current handler has returned,
// without a close query.
void destroyLater(QWidget *window);

} // namespace quillo
