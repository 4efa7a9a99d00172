// Start-up: environment, exit routine, main window (whose created event runs
// the version check), event loop; the end comes when the last window goes.
#include "app/exit_routines.h"
#include "app/makers_site.h"
#include "app/program_texts.h"
#include "app/window_list.h"
#include "platform/fetch_helper.h"
#include "platform/look.h"
#include "platform/url_opener.h"
#include "platform/window_system.h"
#include "ui/main_window/main_window.h"
#include "update/update_notice.h"
#include "update/version_check.h"

#include <QApplication>
#include <QIcon>
#include <QProcessEnvironment>

#include <future>

int main(int argc, char *argv[])
{
    quillo::platform::chooseWindowSystem();
    // The version page is fetched while Qt starts and the main window is
    // built, so the user waits for the network alone and its time-outs count
    // from the start; the created event still waits for it before any window
    // shows.
    auto versionPage = std::async(std::launch::async, [] {
        return quillo::update::fetchVersionPage(quillo::platform::fetchHelper(),
                                                quillo::kProductPage.view());
    });
    QApplication application(argc, argv);
    // Docks and compositors match the windows to the desktop entry by this.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUILLO_APP_ID));
    quillo::platform::prepareLook();
    // Every window without an icon of its own shows the program's.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quillo.png")));

    quillo::ProgramTexts texts;
    quillo::ExitRoutines exitRoutines;
    exitRoutines.add(&texts, [&texts] { texts.release(); });

    quillo::WindowList windows;
    const auto openUrl = quillo::platform::openWithDesktop;
    const auto fallbackOpenUrl = [](const QString &address) {
        return quillo::platform::openWithHtmlHandler(address, QProcessEnvironment::systemEnvironment());
    };
    const auto versionCheck = [&texts, &windows, &versionPage, openUrl] {
        const auto openNotice = [&windows, openUrl] { quillo::openUpdateNotice(windows, openUrl); };
        const auto fetched = [&versionPage](std::string_view address) {
            Q_ASSERT(address == quillo::kProductPage.view());
            return versionPage.get();
        };
        quillo::update::checkVersion(texts, fetched, openNotice);
    };
    auto *mainWindow = new quillo::MainWindow(openUrl, fallbackOpenUrl, versionCheck);
    windows.add(mainWindow);
    mainWindow->runCreatedEvent();
    mainWindow->showCentred();

    const int code = windows.exec();
    exitRoutines.run();
    return code;
}
