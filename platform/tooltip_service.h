// One tooltip window for the whole program, made on the first request. Tips
// show their text literally, centred below their control, with the style's
// wake-up delay, also while the window is inactive.
#pragma once

#include <QBasicTimer>
#include <QHash>
#include <QObject>
#include <QPointer>

#include <memory>

class QLabel;
class QWidget;

namespace quillo::platform {

class TooltipService : public QObject
{
    Q_OBJECT

public:
    explicit TooltipService(QObject *parent);
    ~TooltipService() override;

    // Does nothing for a null control.
    void add(QWidget *control, const QString &text);

    // The tip window, once made; for tests.
    QLabel *tipWindow() const { return m_tip.get(); }
    QWidget *shownFor() const;

    // Where the tip for the control goes, in global coordinates.
    static QPoint tipPosition(const QWidget *control, const QSize &tipSize);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    void show(QWidget *control);
    void hide();

    QHash<QObject *, QString> m_texts;
    std::unique_ptr<QLabel> m_tip; // a top-level window: no parent owns it
    QPointer<QWidget> m_pending;
    QPointer<QWidget> m_shownFor;
    QBasicTimer m_wakeUp;
    QBasicTimer m_fallAsleep;
    QBasicTimer m_autoHide;
};

} // namespace quillo::platform
