#pragma once

#include <QGuiApplication>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>

// Qt's own connection to the X server, for what Qt does not ask of it itself; none off X11.
inline xcb_connection_t *x11Connection()
{
    if (auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        return x11->connection();
    return nullptr;
}
#endif
