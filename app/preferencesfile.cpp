#include "preferencesfile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>

namespace {

// The board keeps eight short values; anything near these sizes is not its store.
constexpr qint64 maximumStoreSize = 1024 * 1024;
// Each level of a nested value starts with a container header; a sound value has a few.
constexpr int maximumContainerHeaders = 32;

bool readNothing(QIODevice &, QSettings::SettingsMap &)
{
    return true;
}

bool writeNothing(QIODevice &, const QSettings::SettingsMap &)
{
    return true;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The bytes of a line with the store's backslash escapes undone, as Qt's reader hands them to
// the stream that decodes a stored value.
QByteArray unescaped(const QByteArray &line)
{
    static const QByteArray simple("a\ab\bf\fn\nr\rt\tv\v");
    QByteArray bytes;
    bytes.reserve(line.size());
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char c = line.at(i);
        if (c != '\\' || i + 1 == line.size()) {
            bytes.append(c);
            continue;
        }
        const char next = line.at(++i);
        const qsizetype simpleAt = simple.indexOf(next);
        if (simpleAt >= 0 && simpleAt % 2 == 0) {
            bytes.append(simple.at(simpleAt + 1));
        } else if (next == 'x' || (next >= '0' && next <= '7')) {
            const int base = next == 'x' ? 16 : 8;
            uint value = next == 'x' ? 0 : uint(next - '0');
            while (i + 1 < line.size()) {
                const int digit = hexValue(line.at(i + 1));
                if (digit < 0 || digit >= base)
                    break;
                value = (value * base + uint(digit)) & 0xffff;
                ++i;
            }
            bytes.append(char(value & 0xff));
        } else {
            bytes.append(next);
        }
    }
    return bytes;
}

// How many headers of a list, map, hash or named type a stored value holds: an upper bound of
// how deep it nests.
int containerHeaders(const QByteArray &bytes)
{
    int count = 0;
    for (qsizetype i = 0; i + 3 < bytes.size(); ++i) {
        if (bytes.at(i) != 0 || bytes.at(i + 1) != 0 || bytes.at(i + 2) != 0)
            continue;
        const char type = bytes.at(i + 3);
        if (type == 8 || type == 9 || type == 28 || type == 127)
            ++count;
    }
    return count;
}

bool isSoundLine(const QByteArray &line)
{
    return containerHeaders(unescaped(line)) <= maximumContainerHeaders;
}

// The store's lines, a line continued with a trailing backslash joined to the next as Qt's
// reader joins them.
QList<QByteArray> logicalLines(const QByteArray &text)
{
    QList<QByteArray> lines;
    QByteArray current;
    for (const QByteArray &physical : text.split('\n')) {
        current += physical;
        const QByteArray trimmed = current.trimmed();
        qsizetype backslashes = 0;
        while (backslashes < trimmed.size() && trimmed.at(trimmed.size() - 1 - backslashes) == '\\')
            ++backslashes;
        if (backslashes % 2 == 1) {
            current += '\n';
            continue;
        }
        lines.append(std::exchange(current, {}));
    }
    if (!current.isEmpty())
        lines.append(current);
    return lines;
}

QString asideName(const QString &path)
{
    const QString stamp = QDateTime::currentDateTime().toString("yyyyMMdd-hhmmss");
    QString name = path + ".damaged-" + stamp;
    for (int n = 2; QFileInfo::exists(name) || QFileInfo(name).isSymLink(); ++n)
        name = path + ".damaged-" + stamp + "-" + QString::number(n);
    return name;
}

} // namespace

namespace Preferences {

QStringList userStoreFiles(const QString &organization, const QString &application)
{
    // A format whose files never exist tells where Qt keeps the store without reading it.
    static const QSettings::Format probeFormat = QSettings::registerFormat("tavelo-probe",
                                                                           readNothing,
                                                                           writeNothing);
    const QSettings probe(probeFormat, QSettings::UserScope, organization, application);
    const QFileInfo probed(probe.fileName());
    const QString folder = probed.absolutePath();
    return {folder + "/" + probed.completeBaseName() + ".conf", folder + ".conf"};
}

QString setAsideIfDamaged(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return QString();

    QList<QByteArray> kept;
    bool damaged = !info.isFile() || info.size() > maximumStoreSize;
    if (info.isFile()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return QString(); // Qt cannot read it either; nothing to fear from it
        QList<QByteArray> lines = logicalLines(file.read(maximumStoreSize));
        if (info.size() > maximumStoreSize && !lines.isEmpty())
            lines.removeLast(); // cut short by the size limit
        for (const QByteArray &line : std::as_const(lines)) {
            if (isSoundLine(line))
                kept.append(line);
            else
                damaged = true;
        }
    }
    if (!damaged)
        return QString();

    const QString aside = asideName(path);
    if (!QDir().rename(path, aside))
        return QString();
    if (!kept.isEmpty()) {
        QSaveFile rewritten(path);
        if (rewritten.open(QIODevice::WriteOnly)) {
            rewritten.write(kept.join('\n'));
            rewritten.commit();
        }
    }
    return aside;
}

QStringList setAsideDamagedStores(const QString &organization, const QString &application)
{
    QStringList moved;
    for (const QString &path : userStoreFiles(organization, application)) {
        const QString aside = setAsideIfDamaged(path);
        if (!aside.isEmpty())
            moved.append(aside);
    }
    return moved;
}

} // namespace Preferences
