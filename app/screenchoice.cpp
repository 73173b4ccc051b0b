#include "screenchoice.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QStringList>

namespace {

// The name may hold any character; the four numbers after the last separators are the
// geometry.
constexpr QChar separator = u';';

QRect rememberedGeometry(const QStringList &parts)
{
    if (parts.size() < 5)
        return QRect();
    int numbers[4] = {};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        numbers[i] = parts.at(parts.size() - 4 + i).toInt(&ok);
        if (!ok)
            return QRect();
    }
    return QRect(numbers[0], numbers[1], numbers[2], numbers[3]);
}

QScreen *withGeometry(const QRect &geometry)
{
    if (!geometry.isValid())
        return nullptr;
    for (QScreen *screen : QGuiApplication::screens()) {
        if (screen->geometry() == geometry)
            return screen;
    }
    return nullptr;
}

} // namespace

namespace ScreenChoice {

QString remembered(const QScreen *screen)
{
    const QRect g = screen->geometry();
    return QStringList{screen->name(),
                       QString::number(g.x()),
                       QString::number(g.y()),
                       QString::number(g.width()),
                       QString::number(g.height())}
        .join(separator);
}

QScreen *atStart(const QString &remembered, const QPoint &pointer)
{
    const QStringList parts = remembered.split(separator);
    const QString name = parts.size() >= 5 ? parts.mid(0, parts.size() - 4).join(separator)
                                           : QString();
    if (QScreen *screen = named(name))
        return screen;
    if (QScreen *screen = withGeometry(rememberedGeometry(parts)))
        return screen;
    if (QScreen *screen = QGuiApplication::screenAt(pointer))
        return screen;
    return QGuiApplication::primaryScreen();
}

QScreen *named(const QString &name)
{
    if (name.isEmpty())
        return nullptr;
    for (QScreen *screen : QGuiApplication::screens()) {
        if (screen->name() == name)
            return screen;
    }
    return nullptr;
}

QScreen *after(const QScreen *screen)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (screens.isEmpty())
        return nullptr;
    const qsizetype index = screens.indexOf(const_cast<QScreen *>(screen));
    return screens.at((index + 1) % screens.size());
}

QString describe(const QScreen *screen)
{
    return QString("%1 (%2 x %3)")
        .arg(screen->name())
        .arg(screen->size().width())
        .arg(screen->size().height());
}

QString describeAll()
{
    QStringList all;
    for (const QScreen *screen : QGuiApplication::screens())
        all << describe(screen);
    return all.join(", ");
}

} // namespace ScreenChoice
