// The update notice: a small always-on-top window without a title bar that
// says a newer version exists. Its button hands the product page to the
// desktop and then closes it; its close button and Esc only close it. It has
// no owner, so it outlives the main window, and it cannot be dragged.
#pragma once

#include "platform/url_opener.h"

#include <QFrame>

namespace quillo {

class WindowList;

class UpdateNotice : public QFrame
{
    Q_OBJECT

public:
    explicit UpdateNotice(platform::OpenUrl openUrl);

    // Centres the notice on the primary screen, shows it and gives it the
    // focus; returns at once.
    void open();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void openProductPage();

    const platform::OpenUrl m_openUrl;
};

// Creates the notice, adds it to the program's windows and opens it.
UpdateNotice *openUpdateNotice(WindowList &windows, platform::OpenUrl openUrl);

} // namespace quillo
