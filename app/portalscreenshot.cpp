#include "portalscreenshot.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QFile>
#include <QRandomGenerator>
#include <QTimer>
#include <QUrl>

namespace {

const char portalService[] = "org.freedesktop.portal.Desktop";
const char portalPath[] = "/org/freedesktop/portal/desktop";
const char requestInterface[] = "org.freedesktop.portal.Request";

// Where the portal will publish the answer to a request made with this token; listening there
// before asking leaves no gap in which the answer could be missed.
QString requestPath(const QDBusConnection &bus, const QString &token)
{
    const QString sender = bus.baseService().mid(1).replace(u'.', u'_');
    return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
}

bool listen(QDBusConnection &bus, const QString &path, QObject *receiver)
{
    return bus.connect(portalService,
                       path,
                       requestInterface,
                       "Response",
                       receiver,
                       SLOT(handleResponse(uint, QVariantMap)));
}

void stopListening(QDBusConnection &bus, const QString &path, QObject *receiver)
{
    bus.disconnect(portalService,
                   path,
                   requestInterface,
                   "Response",
                   receiver,
                   SLOT(handleResponse(uint, QVariantMap)));
}

} // namespace

QImage PortalScreenshot::take(int timeoutMs)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return QImage();

    PortalScreenshot request;
    const QString token = QStringLiteral("tavelo%1").arg(QRandomGenerator::global()->generate());
    QString path = requestPath(bus, token);
    listen(bus, path, &request);

    QDBusMessage call = QDBusMessage::createMethodCall(portalService,
                                                       portalPath,
                                                       "org.freedesktop.portal.Screenshot",
                                                       "Screenshot");
    call << QString() << QVariantMap{{"handle_token", token}, {"interactive", false}};
    const QDBusReply<QDBusObjectPath> reply = bus.call(call, QDBus::Block, timeoutMs);
    if (!reply.isValid()) {
        stopListening(bus, path, &request);
        return QImage();
    }
    // Older portals choose the path themselves.
    if (reply.value().path() != path) {
        stopListening(bus, path, &request);
        path = reply.value().path();
        listen(bus, path, &request);
    }

    QTimer::singleShot(timeoutMs, &request.waiting, &QEventLoop::quit);
    request.waiting.exec();
    stopListening(bus, path, &request);

    const QString file = QUrl(request.fileUri).toLocalFile();
    if (file.isEmpty())
        return QImage();
    QImage image(file);
    QFile::remove(file);
    return image;
}

void PortalScreenshot::handleResponse(uint response, const QVariantMap &results)
{
    if (response == 0)
        fileUri = results.value("uri").toString();
    waiting.quit();
}
