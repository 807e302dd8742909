#pragma once
// The program's connection to the X server, when Qt runs on X11; null under
// any other window system (Wayland, the offscreen platform of the tests).

#include <QGuiApplication>
#include <xcb/xcb.h>

namespace platform {

inline xcb_connection_t* X11Connection()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

} // namespace platform
