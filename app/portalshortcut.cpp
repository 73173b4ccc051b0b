#include "portalshortcut.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusReply>
#include <QDBusVariant>
#include <QFileInfo>
#include <QRandomGenerator>

namespace {

const char portalService[] = "org.freedesktop.portal.Desktop";
const char portalPath[] = "/org/freedesktop/portal/desktop";
const char shortcutsInterface[] = "org.freedesktop.portal.GlobalShortcuts";
const char requestInterface[] = "org.freedesktop.portal.Request";
const char toggleId[] = "toggle-pass-through";
// The same every start, so the desktop finds the key the user confirmed last time.
const char sessionToken[] = "tavelo_board";

// One shortcut as the portal passes it: its id and its properties.
struct Shortcut
{
    QString id;
    QVariantMap properties;
};

QDBusArgument &operator<<(QDBusArgument &out, const Shortcut &shortcut)
{
    out.beginStructure();
    out << shortcut.id << shortcut.properties;
    out.endStructure();
    return out;
}

const QDBusArgument &operator>>(const QDBusArgument &in, Shortcut &shortcut)
{
    in.beginStructure();
    in >> shortcut.id >> shortcut.properties;
    in.endStructure();
    return in;
}

} // namespace

Q_DECLARE_METATYPE(Shortcut)

namespace {

QString expectedRequestPath(const QDBusConnection &bus, const QString &token)
{
    const QString sender = bus.baseService().mid(1).replace(u'.', u'_');
    return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
}

QString newToken()
{
    return QStringLiteral("tavelo%1").arg(QRandomGenerator::global()->generate());
}

} // namespace

PortalShortcut::PortalShortcut(QObject *parent)
    : QObject(parent)
{
    qDBusRegisterMetaType<Shortcut>();
    qDBusRegisterMetaType<QList<Shortcut>>();
}

bool PortalShortcut::isOffered(int timeoutMs)
{
    // No bus named: asking would make D-Bus start one for the X display, for nothing.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS")
        && (runtime.isEmpty() || !QFileInfo::exists(runtime + "/bus")))
        return false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage get = QDBusMessage::createMethodCall(portalService,
                                                      portalPath,
                                                      "org.freedesktop.DBus.Properties",
                                                      "Get");
    get << QString(shortcutsInterface) << QString("version");
    const QDBusReply<QDBusVariant> reply = bus.call(get, QDBus::Block, timeoutMs);
    return reply.isValid() && reply.value().variant().toUInt() >= 1;
}

QString PortalShortcut::triggerText(const QKeySequence &key)
{
    if (key.isEmpty())
        return QString();
    const QString text = QKeySequence(key[0]).toString(QKeySequence::PortableText);
    // The key is after the last '+' that joins, which may itself be the key ("Ctrl++").
    const qsizetype join = text.lastIndexOf(u'+', text.size() - 2);
    const QString name = text.mid(join + 1);
    const QStringList parts = join < 0 ? QStringList() : text.left(join).split(u'+');
    QStringList trigger;
    for (const QString &modifier : std::as_const(parts)) {
        trigger << (modifier == "Ctrl"    ? "CTRL"
                    : modifier == "Alt"   ? "ALT"
                    : modifier == "Shift" ? "SHIFT"
                    : modifier == "Meta"  ? "LOGO"
                                          : modifier.toUpper());
    }
    // Keys by their XKB names: letters in lower case, the others as Qt spells them.
    trigger << (name.size() == 1 ? name.toLower() : name);
    return trigger.join('+');
}

void PortalShortcut::bind(const QKeySequence &preferred, const QString &description)
{
    preferredKey = preferred;
    keyDescription = description;
    QDBusConnection::sessionBus().connect(portalService,
                                          portalPath,
                                          shortcutsInterface,
                                          "Activated",
                                          this,
                                          SLOT(handleActivated(QDBusMessage)));
    const QString token = newToken();
    const QVariantMap options{{"handle_token", token}, {"session_handle_token", sessionToken}};
    step = Step::CreatingSession;
    if (!request("CreateSession", {options}, token))
        emit failed(tr("el portal no abrió una sesión"));
}

// Listens where the portal will answer, then asks; an older portal may name another place.
bool PortalShortcut::request(const QString &method,
                             const QList<QVariant> &arguments,
                             const QString &token)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    const auto listen = [&](const QString &path, bool on) {
        const char *slot = SLOT(handleResponse(uint, QVariantMap));
        on ? bus.connect(portalService, path, requestInterface, "Response", this, slot)
           : bus.disconnect(portalService, path, requestInterface, "Response", this, slot);
    };
    requestPath = expectedRequestPath(bus, token);
    listen(requestPath, true);
    QDBusMessage call = QDBusMessage::createMethodCall(portalService,
                                                       portalPath,
                                                       shortcutsInterface,
                                                       method);
    call.setArguments(arguments);
    const QDBusReply<QDBusObjectPath> reply = bus.call(call, QDBus::Block, 5000);
    if (!reply.isValid()) {
        listen(requestPath, false);
        return false;
    }
    if (reply.value().path() != requestPath) {
        listen(requestPath, false);
        requestPath = reply.value().path();
        listen(requestPath, true);
    }
    return true;
}

void PortalShortcut::handleResponse(uint response, const QVariantMap &results)
{
    const Step answered = std::exchange(step, Step::None);
    if (response != 0) {
        emit failed(response == 1 ? tr("el escritorio no lo permitió")
                                  : tr("el portal no pudo atar la tecla"));
        return;
    }
    if (answered == Step::CreatingSession)
        sessionCreated(results);
    else if (answered == Step::Binding)
        shortcutsBound(results);
}

void PortalShortcut::sessionCreated(const QVariantMap &results)
{
    const QVariant handle = results.value("session_handle");
    session = handle.canConvert<QDBusObjectPath>() ? handle.value<QDBusObjectPath>().path()
                                                   : handle.toString();
    if (session.isEmpty()) {
        emit failed(tr("el portal no abrió una sesión"));
        return;
    }
    const QList<Shortcut> shortcuts{
        {toggleId,
         {{"description", keyDescription}, {"preferred_trigger", triggerText(preferredKey)}}}};
    const QString token = newToken();
    step = Step::Binding;
    if (!request("BindShortcuts",
                 {QVariant::fromValue(QDBusObjectPath(session)),
                  QVariant::fromValue(shortcuts),
                  QString(),
                  QVariantMap{{"handle_token", token}}},
                 token))
        emit failed(tr("el portal no ató la tecla"));
}

void PortalShortcut::shortcutsBound(const QVariantMap &results)
{
    QString trigger;
    const QVariant answered = results.value("shortcuts");
    if (answered.canConvert<QDBusArgument>()) {
        const QList<Shortcut> shortcuts = qdbus_cast<QList<Shortcut>>(answered);
        for (const Shortcut &shortcut : shortcuts) {
            if (shortcut.id == toggleId)
                trigger = shortcut.properties.value("trigger_description").toString();
        }
    }
    emit bound(trigger);
}

// The arguments are the session, the shortcut's id, a time stamp and options.
void PortalShortcut::handleActivated(const QDBusMessage &message)
{
    const QList<QVariant> arguments = message.arguments();
    if (arguments.size() < 2)
        return;
    const QString from = arguments.at(0).value<QDBusObjectPath>().path();
    if (from == session && arguments.at(1).toString() == toggleId)
        emit activated();
}
