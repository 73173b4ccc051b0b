#pragma once

#include <QGuiApplication>
#include <QList>

#include <cstdlib>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>

// Qt's own connection to the X server, for what Qt does not ask of it itself; none off X11.
inline xcb_connection_t *x11Connection()
{
    if (auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        return x11->connection();
    return nullptr;
}

// The keysyms the X server maps each keycode to, from the lowest keycode on, in groups of
// perKeycode; empty when the server gives no map.
struct X11KeyboardMap
{
    int lowestKeycode = 0;
    int perKeycode = 0;
    QList<xcb_keysym_t> keysyms;
};

inline X11KeyboardMap x11KeyboardMap(xcb_connection_t *connection)
{
    const xcb_setup_t *setup = xcb_get_setup(connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    xcb_get_keyboard_mapping_reply_t *mapping = xcb_get_keyboard_mapping_reply(
        connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, count), nullptr);
    X11KeyboardMap map;
    if (!mapping)
        return map;
    const xcb_keysym_t *keysyms = xcb_get_keyboard_mapping_keysyms(mapping);
    map.lowestKeycode = setup->min_keycode;
    map.perKeycode = mapping->keysyms_per_keycode;
    map.keysyms = QList<xcb_keysym_t>(keysyms, keysyms + count * map.perKeycode);
    std::free(mapping);
    return map;
}
#endif
