// Which of Qt's window systems the program runs on. Its windows open centred
// and the update notice stays above the others; Wayland compositors grant
// neither to clients, X11 does. So in a Wayland session that has XWayland the
// program runs through Qt's xcb platform, unless the user chose a platform.
// Without XWayland it runs natively: the compositor places the windows and
// drag-to-move goes through the compositor (QWindow::startSystemMove).
#pragma once

class QProcessEnvironment;

namespace quillo::platform {

// True for a Wayland session with an X server beside it (DISPLAY set) in
// which QT_QPA_PLATFORM is unset or empty.
bool shouldRunOnXWayland(const QProcessEnvironment &environment);

// Sets QT_QPA_PLATFORM to xcb when shouldRunOnXWayland() says so. Qt reads
// the variable when QApplication is constructed, so call this before.
void chooseWindowSystem();

} // namespace quillo::platform
