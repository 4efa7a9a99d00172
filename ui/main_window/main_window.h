// The borderless main window: the blue panel with its own title bar, the
// catalogue, the code box and the footer. It is created hidden; the start-up
// runs its created event (tooltips, then the version check) and shows it.
#pragma once

#include "platform/url_opener.h"

#include <QWidget>

#include <functional>

namespace quillo {

class CatalogueView;
class CodeBox;
namespace platform {
class TooltipService;
}

class MainWindow : public QWidget
{
    Q_OBJECT

public:
    // versionCheck runs inside the created event, after the tooltips.
    MainWindow(platform::OpenUrl openUrl, platform::OpenUrl fallbackOpenUrl,
               std::function<void()> versionCheck);

    void runCreatedEvent();
    void showCentred();

    CodeBox *codeBox() const { return m_codeBox; }
    CatalogueView *catalogue() const { return m_catalogue; }
    platform::TooltipService *tooltips() const { return m_tooltips; }

private:
    QWidget *makeOwnControl(std::string_view name, QWidget *parent);
    void openProductPage();

    const platform::OpenUrl m_openUrl;
    const std::function<void()> m_versionCheck;
    platform::TooltipService *const m_tooltips;
    CatalogueView *m_catalogue = nullptr;
    CodeBox *m_codeBox = nullptr;
};

} // namespace quillo
