#include "ui/main_window/main_window.h"

#include "app/makers_site.h"
#include "app/window_list.h"
#include "catalogue/catalogue_view.h"
#include "catalogue/code_box.h"
#include "platform/drag_mover.h"
#include "platform/flat_colour_button.h"
#include "platform/image_button.h"
#include "platform/tooltip_service.h"
#include "ui/main_window/main_window_layout.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace quillo {

using namespace main_window;

using platform::control;

MainWindow::MainWindow(platform::OpenUrl openUrl, platform::OpenUrl fallbackOpenUrl,
                       std::function<void()> versionCheck)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint)
    , m_openUrl(std::move(openUrl))
    , m_versionCheck(std::move(versionCheck))
    , m_tooltips(new platform::TooltipService(this))
{
    setWindowTitle(QString::fromLatin1(kTitle));
    setFixedSize(kWidth, kHeight);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    platform::BuildServices services;
    services.openUrl = m_openUrl;
    services.fallbackOpenUrl = std::move(fallbackOpenUrl);
    services.custom = [this](const ControlRow &row, QWidget *parent) {
        return makeOwnControl(row.name, parent);
    };
    const auto controls = platform::buildControls(this, kControls, services);

    auto *mover = new platform::DragMover(this);
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        if (kControls[i].kind == ControlKind::PictureBox)
            mover->addSurface(controls[i]);
    }

    connect(control<platform::ImageButton>(this, kClose), &platform::ImageButton::clicked, this,
            [this] { destroyLater(this); });
    connect(control<platform::ImageButton>(this, kMinimize), &platform::ImageButton::clicked, this,
            &QWidget::showMinimized);
    connect(control<platform::ImageButton>(this, kFeedback), &platform::ImageButton::clicked, this,
            &MainWindow::openProductPage);
    connect(control<platform::FlatColourButton>(this, kSubmitCode), &QAbstractButton::clicked, this,
            &MainWindow::openProductPage);
    connect(m_catalogue, &CatalogueView::snippetChosen, m_codeBox, &CodeBox::setSnippet);
}

QWidget *MainWindow::makeOwnControl(std::string_view name, QWidget *parent)
{
    if (name == kCatalogue)
        return m_catalogue = new CatalogueView(m_openUrl, parent);
    if (name == kCodeBox)
        return m_codeBox = new CodeBox(parent);
    return nullptr;
}

void MainWindow::runCreatedEvent()
{
    for (std::string_view name : {kClose, kMinimize, kFeedback}) {
        const auto row = std::find_if(kControls.begin(), kControls.end(),
                                      [name](const ControlRow &r) { return r.name == name; });
        m_tooltips->add(control<QWidget>(this, name), platform::toQString(row->look.tooltip));
    }
    if (m_versionCheck)
        m_versionCheck();
}

void MainWindow::showCentred()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - kWidth) / 2, area.y() + (area.height() - kHeight) / 2);
    }
    show();
}

void MainWindow::openProductPage()
{
    if (m_openUrl)
        m_openUrl(platform::toQString(kProductPage.view()));
}

} // namespace quillo
