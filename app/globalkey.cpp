#include "globalkey.h"

#include <QGuiApplication>

#if QT_CONFIG(xcb)
#include "app/x11connection.h"

#include <xcb/xcb.h>
#endif

namespace {

#if QT_CONFIG(xcb)

xcb_window_t rootWindow(xcb_connection_t *connection)
{
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

// The X keysym of the keys a global key may use: letters, digits, F1 to F12 and space.
quint32 keysymOf(Qt::Key key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return 'a' + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return '0' + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return 0xffbe + (key - Qt::Key_F1);
    if (key == Qt::Key_Space)
        return ' ';
    return 0;
}

quint8 keycodeOf(xcb_connection_t *connection, quint32 keysym)
{
    const X11KeyboardMap map = x11KeyboardMap(connection);
    const qsizetype at = map.keysyms.indexOf(keysym);
    return at < 0 ? 0 : quint8(map.lowestKeycode + at / map.perKeycode);
}

quint16 x11Modifiers(Qt::KeyboardModifiers modifiers)
{
    quint16 mask = 0;
    if (modifiers & Qt::ControlModifier)
        mask |= XCB_MOD_MASK_CONTROL;
    if (modifiers & Qt::AltModifier)
        mask |= XCB_MOD_MASK_1;
    if (modifiers & Qt::ShiftModifier)
        mask |= XCB_MOD_MASK_SHIFT;
    if (modifiers & Qt::MetaModifier)
        mask |= XCB_MOD_MASK_4;
    return mask;
}

// The key must work whether Caps Lock or Num Lock is on, which X counts as modifiers too.
const quint16 lockVariants[] = {0,
                                XCB_MOD_MASK_LOCK,
                                XCB_MOD_MASK_2,
                                XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};

#endif

} // namespace

bool GlobalKey::canBeGlobal(const QKeySequence &key)
{
    if (key.count() != 1)
        return false;
    const Qt::Key pressed = key[0].key();
    const bool offered = (pressed >= Qt::Key_A && pressed <= Qt::Key_Z)
                         || (pressed >= Qt::Key_0 && pressed <= Qt::Key_9)
                         || (pressed >= Qt::Key_F1 && pressed <= Qt::Key_F12)
                         || pressed == Qt::Key_Space;
    const Qt::KeyboardModifiers held = key[0].keyboardModifiers();
    const Qt::KeyboardModifiers holding = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return offered && (held & holding) && !(held & ~(holding | Qt::ShiftModifier));
}

GlobalKey::GlobalKey(QObject *parent)
    : QObject(parent)
{}

GlobalKey::~GlobalKey()
{
    release();
}

bool GlobalKey::grab(const QKeySequence &key, QString *reason)
{
    release();
#if QT_CONFIG(xcb)
    xcb_connection_t *connection = x11Connection();
    if (!connection) {
        *reason = tr("este escritorio no permite teclas globales");
        return false;
    }
    const quint32 keysym = key.isEmpty() ? 0 : keysymOf(key[0].key());
    keycode = keysym ? keycodeOf(connection, keysym) : 0;
    if (!keycode) {
        *reason = tr("la tecla %1 no se puede usar").arg(key.toString(QKeySequence::NativeText));
        return false;
    }
    modifiers = x11Modifiers(key[0].keyboardModifiers());
    if (!grabEveryLockVariant(connection)) {
        *reason = tr("otro programa usa la tecla %1").arg(key.toString(QKeySequence::NativeText));
        return false;
    }
    qGuiApp->installNativeEventFilter(this);
    return true;
#else
    Q_UNUSED(key);
    *reason = tr("este escritorio no permite teclas globales");
    return false;
#endif
}

#if QT_CONFIG(xcb)
// The key with every combination of Caps Lock and Num Lock, so it fires whichever is on; all or
// none of them.
bool GlobalKey::grabEveryLockVariant(xcb_connection_t *connection)
{
    const xcb_window_t root = rootWindow(connection);
    for (quint16 lock : lockVariants) {
        xcb_generic_error_t *error = xcb_request_check(connection,
                                                       xcb_grab_key_checked(connection,
                                                                            1,
                                                                            root,
                                                                            modifiers | lock,
                                                                            keycode,
                                                                            XCB_GRAB_MODE_ASYNC,
                                                                            XCB_GRAB_MODE_ASYNC));
        if (error) {
            free(error);
            grabbed = true; // give back the variants already taken
            release();
            return false;
        }
    }
    grabbed = true;
    return true;
}
#endif

void GlobalKey::release()
{
    if (!grabbed)
        return;
    grabbed = false;
    if (qGuiApp)
        qGuiApp->removeNativeEventFilter(this);
#if QT_CONFIG(xcb)
    if (xcb_connection_t *connection = x11Connection()) {
        const xcb_window_t root = rootWindow(connection);
        for (quint16 lock : lockVariants)
            xcb_ungrab_key(connection, keycode, root, modifiers | lock);
        xcb_flush(connection);
    }
#endif
}

bool GlobalKey::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
#if QT_CONFIG(xcb)
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & ~0x80) != XCB_KEY_PRESS)
        return false;
    const auto *press = static_cast<const xcb_key_press_event_t *>(message);
    const quint16 locks = XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2;
    if (press->detail != keycode || (press->state & ~locks) != modifiers)
        return false;
    emit activated();
    return true;
#else
    Q_UNUSED(eventType);
    Q_UNUSED(message);
    return false;
#endif
}
