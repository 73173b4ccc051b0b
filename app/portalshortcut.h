#pragma once

#include <QDBusMessage>
#include <QKeySequence>
#include <QObject>
#include <QVariantMap>

// The board's toggle as a global shortcut of the XDG desktop portal
// (org.freedesktop.portal.GlobalShortcuts), the way a desktop that offers it gives a program a
// key whichever window has the focus, Wayland windows included. The session has a fixed token,
// so the desktop can remember the key the user confirmed for it. Every answer of the portal
// comes later, as a signal.
class PortalShortcut : public QObject
{
    Q_OBJECT

public:
    explicit PortalShortcut(QObject *parent = nullptr);

    // Whether the session's portal offers global shortcuts; asks it, waiting timeoutMs at most.
    static bool isOffered(int timeoutMs);
    // The portal's text for a key ("CTRL+ALT+d").
    static QString triggerText(const QKeySequence &key);

    // Asks for a session and binds the toggle in it, suggesting the key.
    void bind(const QKeySequence &preferred, const QString &description);

signals:
    void bound(const QString &trigger); // the desktop's words for the key, when it gives them
    void failed(const QString &reason);
    void activated();

private slots:
    void handleResponse(uint response, const QVariantMap &results);
    void handleActivated(const QDBusMessage &message);

private:
    enum class Step { None, CreatingSession, Binding };
    bool request(const QString &method, const QList<QVariant> &arguments, const QString &token);
    void sessionCreated(const QVariantMap &results);
    void shortcutsBound(const QVariantMap &results);

    Step step = Step::None;
    QString requestPath; // where the answer to the pending request comes
    QString session;
    QKeySequence preferredKey;
    QString keyDescription;
};
