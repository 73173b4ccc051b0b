#pragma once

#include <QEventLoop>
#include <QImage>
#include <QObject>
#include <QString>
#include <QVariantMap>

// A screenshot of the whole desktop through the XDG desktop portal
// (org.freedesktop.portal.Screenshot), the way Wayland desktops hand the screen to
// applications. Used where the window system's own grab gives nothing.
class PortalScreenshot : public QObject
{
    Q_OBJECT

public:
    // Asks the portal and waits in a local event loop (input and repaints go on) for its answer,
    // at most timeoutMs. A null image when there is no session bus or portal, the user or the
    // portal refuses, or no answer comes in time. The file the portal writes is removed once
    // read: the picture was taken for the board, not for the user's folders.
    static QImage take(int timeoutMs);

private slots:
    void handleResponse(uint response, const QVariantMap &results);

private:
    PortalScreenshot() = default;

    QEventLoop waiting;
    QString fileUri;
};
