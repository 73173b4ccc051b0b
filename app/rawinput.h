#pragma once

#include <QAbstractNativeEventFilter>
#include <QHash>
#include <QObject>
#include <QPoint>

// Every press of a mouse button and of a key on the X server, whichever window it goes to, as
// the X server's input extension reports it (XInput 2 raw events): the board shows them while
// the presenter asks it to. Nothing is kept. Where there is no X server (Wayland) start() says
// why it cannot listen.
class RawInput : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    explicit RawInput(QObject *parent = nullptr);
    ~RawInput() override;

    bool start(QString *reason);
    bool isListening() const { return listening; }

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

    // The key a keysym stands for, Qt::Key_unknown for none.
    static Qt::Key keyOf(quint32 keysym);
    // The modifier a keysym stands for, none for another key.
    static Qt::KeyboardModifier modifierOf(quint32 keysym);

signals:
    // 1 the left, 2 the middle, 3 the right button; where the pointer is, in global coordinates.
    void buttonPressed(Qt::MouseButton button, const QPoint &global);
    // A key other than a modifier, with the modifiers held and, for a key that types, its text.
    void keyPressed(Qt::Key key, Qt::KeyboardModifiers modifiers, const QString &text);

private:
    void readKeyboardMapping();
    // A raw event of the X server's input extension.
    void followRawEvent(const void *message);
    bool followModifier(quint32 keycode, bool pressed);
    void followKey(quint32 keycode, bool pressed);

    bool listening = false;
    quint8 inputOpcode = 0;
    QHash<quint32, std::pair<quint32, quint32>> keysyms; // keycode: plain and shifted keysym
    Qt::KeyboardModifiers held;
};
