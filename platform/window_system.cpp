#include "platform/window_system.h"

#include <QProcessEnvironment>

namespace quillo::platform {

bool shouldRunOnXWayland(const QProcessEnvironment &environment)
{
    const auto isSet
        = [&environment](const QString &name) { return !environment.value(name).isEmpty(); };
    // Qt treats an empty QT_QPA_PLATFORM as unset, and so do we.
    if (isSet(QStringLiteral("QT_QPA_PLATFORM")))
        return false;
    const bool wayland
        = environment.value(QStringLiteral("XDG_SESSION_TYPE")) == QLatin1String("wayland")
        || isSet(QStringLiteral("WAYLAND_DISPLAY"));
    return wayland && isSet(QStringLiteral("DISPLAY"));
}

void chooseWindowSystem()
{
    if (shouldRunOnXWayland(QProcessEnvironment::systemEnvironment()))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

} // namespace quillo::platform
