// The desktop portal's global shortcuts, as a desktop that offers them would answer, on the
// test's private session bus. It grants every request; "org.tavelo.FakePortal.Activate" makes
// it report that the user pressed the bound key. It prints what it was asked.
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QTimer>

#include <cstdio>

namespace {

const char portalPath[] = "/org/freedesktop/portal/desktop";
const char shortcutsInterface[] = "org.freedesktop.portal.GlobalShortcuts";

void say(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

class FakePortal : public QDBusVirtualObject
{
public:
    QString introspect(const QString &) const override { return QString(); }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        const QString member = message.member();
        if (member == "Get")
            return reply(message, connection, {QVariant::fromValue(QDBusVariant(1u))});
        if (member == "CreateSession")
            return createSession(message, connection);
        if (member == "BindShortcuts")
            return bindShortcuts(message, connection);
        if (member == "Activate")
            return activate(message, connection);
        connection.send(message.createErrorReply(QDBusError::UnknownMethod, member));
        return true;
    }

private:
    static bool reply(const QDBusMessage &message,
                      const QDBusConnection &connection,
                      const QList<QVariant> &arguments)
    {
        connection.send(message.createReply(arguments));
        return true;
    }

    static QString requestPath(const QDBusMessage &message, const QString &token)
    {
        const QString sender = message.service().mid(1).replace('.', '_');
        return QString("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
    }

    // Replies with the request's path, then answers on it, as a portal does.
    static bool grant(const QDBusMessage &message,
                      const QDBusConnection &connection,
                      const QString &token,
                      const QVariantMap &results)
    {
        const QString path = requestPath(message, token);
        reply(message, connection, {QVariant::fromValue(QDBusObjectPath(path))});
        QTimer::singleShot(100, [connection, path, results] {
            QDBusMessage response = QDBusMessage::createSignal(path,
                                                               "org.freedesktop.portal.Request",
                                                               "Response");
            response << 0u << results;
            QDBusConnection(connection).send(response);
        });
        return true;
    }

    bool createSession(const QDBusMessage &message, const QDBusConnection &connection)
    {
        const QVariantMap options = qdbus_cast<QVariantMap>(message.arguments().value(0));
        const QString sender = message.service().mid(1).replace('.', '_');
        session = QString("/org/freedesktop/portal/desktop/session/%1/%2")
                      .arg(sender, options.value("session_handle_token").toString());
        say("session " + options.value("session_handle_token").toString());
        return grant(message,
                     connection,
                     options.value("handle_token").toString(),
                     {{"session_handle", session}});
    }

    bool bindShortcuts(const QDBusMessage &message, const QDBusConnection &connection)
    {
        const QDBusArgument shortcuts = message.arguments().value(1).value<QDBusArgument>();
        shortcuts.beginArray();
        while (!shortcuts.atEnd()) {
            QVariantMap properties;
            shortcuts.beginStructure();
            shortcuts >> shortcut >> properties;
            shortcuts.endStructure();
            say(QString("bound %1 %2")
                    .arg(shortcut, properties.value("preferred_trigger").toString()));
        }
        shortcuts.endArray();
        const QVariantMap options = qdbus_cast<QVariantMap>(message.arguments().value(3));
        return grant(message, connection, options.value("handle_token").toString(), {});
    }

    bool activate(const QDBusMessage &message, const QDBusConnection &connection)
    {
        QDBusMessage activated = QDBusMessage::createSignal(portalPath,
                                                            shortcutsInterface,
                                                            "Activated");
        activated << QVariant::fromValue(QDBusObjectPath(session)) << shortcut << qulonglong(0)
                  << QVariantMap();
        QDBusConnection(connection).send(activated);
        say("activated " + shortcut);
        return reply(message, connection, {});
    }

    QString session;
    QString shortcut;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    FakePortal portal;
    if (!bus.registerVirtualObject(portalPath, &portal)
        || !bus.registerService("org.freedesktop.portal.Desktop")) {
        say("cannot take the portal's name");
        return 1;
    }
    say("ready");
    return app.exec();
}
