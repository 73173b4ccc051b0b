#include "rawinput.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

#if QT_CONFIG(xcb)
#include "app/x11connection.h"

#include <xcb/xcb.h>
#include <xcb/xinput.h>
#endif

namespace {

struct NamedKeysym
{
    quint32 keysym;
    Qt::Key key;
};

// The keys that type nothing, as X names them.
const NamedKeysym namedKeys[] = {
    {0xff08, Qt::Key_Backspace}, {0xff09, Qt::Key_Tab},      {0xfe20, Qt::Key_Tab},
    {0xff0d, Qt::Key_Return},    {0xff8d, Qt::Key_Enter},    {0xff1b, Qt::Key_Escape},
    {0xffff, Qt::Key_Delete},    {0xff63, Qt::Key_Insert},   {0xff50, Qt::Key_Home},
    {0xff57, Qt::Key_End},       {0xff55, Qt::Key_PageUp},   {0xff56, Qt::Key_PageDown},
    {0xff51, Qt::Key_Left},      {0xff52, Qt::Key_Up},       {0xff53, Qt::Key_Right},
    {0xff54, Qt::Key_Down},      {0xff61, Qt::Key_Print},    {0xff67, Qt::Key_Menu},
    {0xff13, Qt::Key_Pause},     {0xffe5, Qt::Key_CapsLock},
};

const std::pair<quint32, Qt::KeyboardModifier> modifierKeys[] = {
    {0xffe1, Qt::ShiftModifier},
    {0xffe2, Qt::ShiftModifier},
    {0xffe3, Qt::ControlModifier},
    {0xffe4, Qt::ControlModifier},
    {0xffe9, Qt::AltModifier},
    {0xffea, Qt::AltModifier},
    {0xffe7, Qt::MetaModifier},
    {0xffe8, Qt::MetaModifier},
    {0xffeb, Qt::MetaModifier},
    {0xffec, Qt::MetaModifier},
};

} // namespace

RawInput::RawInput(QObject *parent)
    : QObject(parent)
{}

RawInput::~RawInput()
{
    if (listening)
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

namespace {

// Keysyms below 256 are Latin-1 characters, which Qt numbers as their capitals.
Qt::Key latinKey(quint32 keysym)
{
    if (keysym >= 'a' && keysym <= 'z')
        return Qt::Key(Qt::Key_A + int(keysym - 'a'));
    if (keysym >= 0xe0 && keysym <= 0xfe && keysym != 0xf7)
        return Qt::Key(keysym - 0x20);
    return Qt::Key(keysym);
}

} // namespace

Qt::Key RawInput::keyOf(quint32 keysym)
{
    if ((keysym >= 0x20 && keysym <= 0x7e) || (keysym >= 0xa0 && keysym <= 0xff))
        return latinKey(keysym);
    if (keysym >= 0xffbe && keysym <= 0xffc9)
        return Qt::Key(Qt::Key_F1 + int(keysym - 0xffbe));
    for (const NamedKeysym &named : namedKeys) {
        if (named.keysym == keysym)
            return named.key;
    }
    return Qt::Key_unknown;
}

Qt::KeyboardModifier RawInput::modifierOf(quint32 keysym)
{
    for (const auto &[modifierKeysym, modifier] : modifierKeys) {
        if (modifierKeysym == keysym)
            return modifier;
    }
    return Qt::NoModifier;
}

bool RawInput::start(QString *reason)
{
    if (listening)
        return true;
#if QT_CONFIG(xcb)
    xcb_connection_t *connection = x11Connection();
    const xcb_query_extension_reply_t *extension = connection
                                                       ? xcb_get_extension_data(connection,
                                                                                &xcb_input_id)
                                                       : nullptr;
    if (!extension || !extension->present) {
        *reason = tr("este escritorio no deja ver los clics y las teclas de otras ventanas");
        return false;
    }
    inputOpcode = extension->major_opcode;
    struct
    {
        xcb_input_event_mask_t head;
        quint32 mask;
    } raw{{XCB_INPUT_DEVICE_ALL_MASTER, 1},
          XCB_INPUT_XI_EVENT_MASK_RAW_KEY_PRESS | XCB_INPUT_XI_EVENT_MASK_RAW_KEY_RELEASE
              | XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_PRESS};
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_input_xi_select_events(connection, root, 1, &raw.head);
    xcb_flush(connection);
    readKeyboardMapping();
    QCoreApplication::instance()->installNativeEventFilter(this);
    listening = true;
    return true;
#else
    *reason = tr("este escritorio no deja ver los clics y las teclas de otras ventanas");
    return false;
#endif
}

// The plain and the shifted keysym of every keycode, read once: the keyboard's layout as the X
// server maps it.
void RawInput::readKeyboardMapping()
{
#if QT_CONFIG(xcb)
    const X11KeyboardMap map = x11KeyboardMap(x11Connection());
    for (qsizetype at = 0; map.perKeycode > 0 && at + map.perKeycode <= map.keysyms.size();
         at += map.perKeycode) {
        const xcb_keysym_t plain = map.keysyms.at(at);
        const xcb_keysym_t shifted = map.perKeycode > 1 ? map.keysyms.at(at + 1) : 0;
        keysyms.insert(quint32(map.lowestKeycode + at / map.perKeycode),
                       {plain, shifted ? shifted : plain});
    }
#endif
}

bool RawInput::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
#if QT_CONFIG(xcb)
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    const quint8 type = event->response_type & 0x7f;
    if (type == XCB_KEY_PRESS || type == XCB_KEY_RELEASE) {
        // While the board holds a grab (its global key, from the key's press to its release)
        // the X server withholds the raw events from it and sends it the keys instead: a
        // modifier let go meanwhile would otherwise stay held.
        const auto *key = static_cast<const xcb_key_press_event_t *>(message);
        followModifier(key->detail, type == XCB_KEY_PRESS);
    } else if (type == XCB_GE_GENERIC) {
        followRawEvent(message);
    }
#else
    Q_UNUSED(eventType);
    Q_UNUSED(message);
#endif
    return false; // Qt's own handling goes on
}

void RawInput::followRawEvent(const void *message)
{
#if QT_CONFIG(xcb)
    const auto *generic = static_cast<const xcb_ge_generic_event_t *>(message);
    if (generic->extension != inputOpcode)
        return;
    switch (generic->event_type) {
    case XCB_INPUT_RAW_BUTTON_PRESS: {
        const auto *press = static_cast<const xcb_input_raw_button_press_event_t *>(message);
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::MiddleButton, Qt::RightButton};
        if (press->detail >= 1 && press->detail <= 3)
            emit buttonPressed(buttons[press->detail - 1], QCursor::pos());
        break;
    }
    case XCB_INPUT_RAW_KEY_PRESS:
    case XCB_INPUT_RAW_KEY_RELEASE: {
        const auto *key = static_cast<const xcb_input_raw_key_press_event_t *>(message);
        followKey(key->detail, generic->event_type == XCB_INPUT_RAW_KEY_PRESS);
        break;
    }
    default:
        break;
    }
#else
    Q_UNUSED(message);
#endif
}

// Whether the key is a modifier, which it then follows.
bool RawInput::followModifier(quint32 keycode, bool pressed)
{
    const Qt::KeyboardModifier modifier = modifierOf(keysyms.value(keycode).first);
    if (modifier != Qt::NoModifier)
        held.setFlag(modifier, pressed);
    return modifier != Qt::NoModifier;
}

void RawInput::followKey(quint32 keycode, bool pressed)
{
    if (followModifier(keycode, pressed))
        return;
    const auto [plain, shifted] = keysyms.value(keycode);
    const Qt::Key key = keyOf(plain);
    if (!pressed || key == Qt::Key_unknown)
        return;
    const quint32 typed = held.testFlag(Qt::ShiftModifier) ? shifted : plain;
    const bool types = typed >= 0x20 && typed <= 0xff && typed != 0x7f;
    emit keyPressed(key, held, types ? QString(QChar(char16_t(typed))) : QString());
}
