#pragma once

#include <QAbstractNativeEventFilter>
#include <QKeySequence>
#include <QObject>

// A key that reaches the board whichever window has the focus. On X11 the board grabs it at the
// X server and gives it back when it goes; elsewhere (Wayland gives a program no such grab)
// grab() says why it cannot, and the desktop's own key settings can run the board's command
// line instead.
class GlobalKey : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    explicit GlobalKey(QObject *parent = nullptr);
    ~GlobalKey() override;

    // Letters, digits, F1 to F12 and space, held with Ctrl, Alt or Meta (Shift may join them):
    // a key that leaves ordinary typing to the other programs.
    static bool canBeGlobal(const QKeySequence &key);

    // False, with the reason in plain words, when the key cannot be had (another program holds
    // it, the key is not one the board can grab, or the desktop allows no grabs).
    bool grab(const QKeySequence &key, QString *reason);
    void release();

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

signals:
    void activated();

private:
    bool grabEveryLockVariant(struct xcb_connection_t *connection);

    quint8 keycode = 0;
    quint16 modifiers = 0;
    bool grabbed = false;
};
