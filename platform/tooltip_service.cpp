#include "platform/tooltip_service.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QTimerEvent>
#include <QToolTip>

namespace quillo::platform {

namespace {

constexpr int kAutoHideMs = 10000;

} // namespace

TooltipService::TooltipService(QObject *parent)
    : QObject(parent)
{
}

TooltipService::~TooltipService() = default;

void TooltipService::add(QWidget *control, const QString &text)
{
    if (!control)
        return;
    if (!m_tip) {
        m_tip = std::make_unique<QLabel>();
        m_tip->setWindowFlags(Qt::ToolTip | Qt::BypassGraphicsProxyWidget);
        m_tip->setTextFormat(Qt::PlainText);
        m_tip->setForegroundRole(QPalette::ToolTipText);
        m_tip->setBackgroundRole(QPalette::ToolTipBase);
        m_tip->setPalette(QToolTip::palette());
        m_tip->setFont(QToolTip::font());
        m_tip->setFrameStyle(QFrame::Box | QFrame::Plain);
        m_tip->setLineWidth(1);
        m_tip->setMargin(2);
        m_tip->setAutoFillBackground(true);
        m_tip->setAttribute(Qt::WA_ShowWithoutActivating);
        m_tip->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    m_texts.insert(control, text);
    control->installEventFilter(this);
    connect(control, &QObject::destroyed, this, [this](QObject *gone) { m_texts.remove(gone); });
}

QWidget *TooltipService::shownFor() const
{
    return m_tip && m_tip->isVisible() ? m_shownFor.data() : nullptr;
}

QPoint TooltipService::tipPosition(const QWidget *control, const QSize &tipSize)
{
    const QPoint below = control->mapToGlobal(QPoint(control->width() / 2, control->height()));
    QPoint at(below.x() - tipSize.width() / 2, below.y());
    if (const QScreen *screen = control->screen()) {
        const QRect area = screen->geometry();
        at.setX(qBound(area.left(), at.x(), area.right() + 1 - tipSize.width()));
        // No room below: above the control instead.
        if (at.y() + tipSize.height() > area.bottom() + 1)
            at.setY(control->mapToGlobal(QPoint(0, 0)).y() - tipSize.height());
    }
    return at;
}

bool TooltipService::eventFilter(QObject *watched, QEvent *event)
{
    auto *control = qobject_cast<QWidget *>(watched);
    if (!control || !m_texts.contains(watched))
        return false;
    switch (event->type()) {
    case QEvent::Enter:
        if (m_fallAsleep.isActive()) {
            show(control);
        } else {
            m_pending = control;
            m_wakeUp.start(control->style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), this);
        }
        break;
    case QEvent::Leave:
    case QEvent::MouseButtonPress:
    case QEvent::Hide:
    case QEvent::WindowDeactivate:
        m_wakeUp.stop();
        if (m_shownFor == control)
            hide();
        break;
    case QEvent::ToolTip:
        return true; // ours, not Qt's
    default:
        break;
    }
    return false;
}

void TooltipService::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_wakeUp.timerId()) {
        m_wakeUp.stop();
        if (m_pending && m_pending->underMouse())
            show(m_pending);
    } else if (event->timerId() == m_fallAsleep.timerId()) {
        m_fallAsleep.stop();
    } else if (event->timerId() == m_autoHide.timerId()) {
        hide();
    }
}

void TooltipService::show(QWidget *control)
{
    m_tip->setText(m_texts.value(control));
    m_tip->adjustSize();
    m_tip->move(tipPosition(control, m_tip->size()));
    m_shownFor = control;
    m_tip->show();
    m_tip->raise();
    m_autoHide.start(kAutoHideMs, this);
}

void TooltipService::hide()
{
    if (!m_tip->isVisible())
        return;
    m_tip->hide();
    m_autoHide.stop();
    m_fallAsleep.start(m_shownFor ? m_shownFor->style()->styleHint(QStyle::SH_ToolTip_FallAsleepDelay)
                                  : 2000,
                       this);
    m_shownFor = nullptr;
}

} // namespace quillo::platform
