// Window-manager hints that Qt's window flags cannot express on X11. Qt
// never leaves a window's name empty (it puts the program's name there), and
// a window without a frame can still be moved, resized or minimized through
// the window manager. Elsewhere, and without a native window, these do
// nothing.
#pragma once

class QWidget;

namespace quillo::platform {

// Call once the native window exists (winId()) and before it is shown.
void clearWindowName(QWidget *window);
// The window manager may close the window, nothing else: no moving,
// resizing, minimizing or maximizing.
void allowOnlyClosing(QWidget *window);

} // namespace quillo::platform
