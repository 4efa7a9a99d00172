#include "update/update_notice.h"

#include "app/makers_site.h"
#include "app/window_list.h"
#include "platform/control_table.h"
#include "platform/image_button.h"
#include "platform/x11_window.h"
#include "update/update_notice_layout.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

namespace quillo {

using namespace update_notice;

using platform::control;

// A plain window, not a dialog: a dialog without a parent would be made
// transient for the whole program, and lose its own taskbar button.
UpdateNotice::UpdateNotice(platform::OpenUrl openUrl)
    : QFrame(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_openUrl(std::move(openUrl))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString());
    setFixedSize(kWidth, kHeight);
    // The window manager draws no frame, so the notice draws its own.
    setFrameStyle(QFrame::WinPanel | QFrame::Raised);
    setAutoFillBackground(true);

    auto *const clientArea = new QWidget(this);
    clientArea->setGeometry(kFrame, kFrame, kWidth - 2 * kFrame, kHeight - 2 * kFrame);
    platform::buildControls(clientArea, kControls);

    connect(control<QPushButton>(this, kUpdate), &QAbstractButton::clicked, this,
            &UpdateNotice::openProductPage);
    connect(control<platform::ImageButton>(this, kClose), &platform::ImageButton::clicked, this,
            [this] { destroyLater(this); });
}

void UpdateNotice::open()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - kWidth) / 2, area.y() + (area.height() - kHeight) / 2);
    }
    // Before the window manager first sees the window: it reads the hints
    // when it takes the window on.
    winId();
    platform::clearWindowName(this);
    platform::allowOnlyClosing(this);
    show();
    activateWindow();
    control<QPushButton>(this, kUpdate)->setFocus();
}

void UpdateNotice::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QFrame::keyPressEvent(event);
}

void UpdateNotice::openProductPage()
{
    // The outcome does not matter: the notice goes either way.
    if (m_openUrl)
        m_openUrl(platform::toQString(kProductPage.view()));
    destroyLater(this);
}

UpdateNotice *openUpdateNotice(WindowList &windows, platform::OpenUrl openUrl)
{
    auto *const notice = new UpdateNotice(std::move(openUrl));
    windows.add(notice);
    notice->open();
    return notice;
}

} // namespace quillo
