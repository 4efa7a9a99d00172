#include "platform/x11_window.h"

#include <QGuiApplication>
#include <QWidget>
#include <qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace quillo::platform {

namespace {

xcb_connection_t *x11Connection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t *connection, std::string_view name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(
        connection, false, static_cast<std::uint16_t>(name.size()), name.data());
    xcb_intern_atom_reply_t *const reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    if (!reply)
        return XCB_ATOM_NONE;
    const xcb_atom_t value = reply->atom;
    std::free(reply);
    return value;
}

} // namespace

void clearWindowName(QWidget *window)
{
    xcb_connection_t *const connection = x11Connection();
    if (!connection || !window->internalWinId())
        return;
    const auto id = static_cast<xcb_window_t>(window->internalWinId());
    const xcb_atom_t netWmName = atom(connection, "_NET_WM_NAME");
    const xcb_atom_t utf8 = atom(connection, "UTF8_STRING");
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NAME, XCB_ATOM_STRING,
                        8, 0, nullptr);
    if (netWmName != XCB_ATOM_NONE && utf8 != XCB_ATOM_NONE)
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, netWmName, utf8, 8, 0,
                            nullptr);
    xcb_flush(connection);
}

void allowOnlyClosing(QWidget *window)
{
    xcb_connection_t *const connection = x11Connection();
    if (!connection || !window->internalWinId())
        return;
    const xcb_atom_t motifHints = atom(connection, "_MOTIF_WM_HINTS");
    if (motifHints == XCB_ATOM_NONE)
        return;
    // flags (functions and decorations given), functions, decorations,
    // input mode, status.
    constexpr std::uint32_t kFunctionsAndDecorations = 1u | 2u;
    constexpr std::uint32_t kFunctionClose = 1u << 5;
    const std::array<std::uint32_t, 5> hints{kFunctionsAndDecorations, kFunctionClose, 0, 0, 0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE,
                        static_cast<xcb_window_t>(window->internalWinId()), motifHints, motifHints,
                        32, static_cast<std::uint32_t>(hints.size()), hints.data());
    xcb_flush(connection);
}

} // namespace quillo::platform
