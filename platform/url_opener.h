// Handing web addresses to the desktop. Windows and widgets take an OpenUrl
// at construction, so tests can put their own in its place.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QProcessEnvironment;

namespace quillo::platform {

// Returns whether the desktop took the address.
using OpenUrl = std::function<bool(const QString &address)>;

// The desktop's default handler for web addresses (xdg-open on Linux).
bool openWithDesktop(const QString &address);

// The command line the freedesktop MIME associations name for opening
// text/html: the default handler's Exec, cut before its first field code,
// split into program and arguments. Empty when none is registered.
QStringList htmlHandlerCommand(const QProcessEnvironment &environment);

// Starts htmlHandlerCommand() with the address appended, without a shell.
bool openWithHtmlHandler(const QString &address, const QProcessEnvironment &environment);

} // namespace quillo::platform
