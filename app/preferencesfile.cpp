#include "preferencesfile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>

namespace {

// The board keeps eight short values; anything near these sizes is not its store.
constexpr qint64 maximumStoreSize = 1024 * 1024;
// A longer line could not be part of a sound store.
constexpr qint64 maximumLineLength = maximumStoreSize;
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

// The value of a numeric escape whose first character (x, or an octal digit) is at i; i is left
// on its last digit.
char numericEscape(const QByteArray &line, qsizetype &i)
{
    const char first = line.at(i);
    const int base = first == 'x' ? 16 : 8;
    uint value = first == 'x' ? 0 : uint(first - '0');
    while (i + 1 < line.size()) {
        const int digit = hexValue(line.at(i + 1));
        if (digit < 0 || digit >= base)
            break;
        value = (value * base + uint(digit)) & 0xffff;
        ++i;
    }
    return char(value & 0xff);
}

// The character an escape stands for, the character after the backslash being at i; i is left
// on the escape's last character.
char escaped(const QByteArray &line, qsizetype &i)
{
    static const QByteArray simple("a\ab\bf\fn\nr\rt\tv\v");
    const char next = line.at(i);
    const qsizetype simpleAt = simple.indexOf(next);
    if (simpleAt >= 0 && simpleAt % 2 == 0)
        return simple.at(simpleAt + 1);
    if (next == 'x' || (next >= '0' && next <= '7'))
        return numericEscape(line, i);
    return next;
}

// The bytes of a line with the store's backslash escapes undone, as Qt's reader hands them to
// the stream that decodes a stored value.
QByteArray unescaped(const QByteArray &line)
{
    QByteArray bytes;
    bytes.reserve(line.size());
    for (qsizetype i = 0; i < line.size(); ++i) {
        const bool escape = line.at(i) == '\\' && i + 1 < line.size();
        bytes.append(escape ? escaped(line, ++i) : line.at(i));
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

// How many backslashes end the physical line read so far, trailing blanks aside; before is the
// count that ended the pieces of it read earlier.
qsizetype endingBackslashes(const QByteArray &piece, qsizetype before)
{
    const QByteArray trimmed = piece.trimmed();
    qsizetype count = 0;
    while (count < trimmed.size() && trimmed.at(trimmed.size() - 1 - count) == '\\')
        ++count;
    return count == trimmed.size() ? before + count : count;
}

// The store's sound lines, a line continued with a trailing backslash joined to the next as Qt's
// reader joins them. The file is read a piece at a time, so a line of any length is passed over
// without being held whole; so is everything past what a store could hold.
struct StoreLines
{
    QList<QByteArray> sound;
    bool damaged = false;
};

class StoreLineReader
{
public:
    StoreLines read(QIODevice &file)
    {
        while (!file.atEnd())
            take(file.readLine(maximumLineLength));
        if (!current.isEmpty() || overlong)
            finishLine();
        return lines;
    }

private:
    // A piece of a physical line, its end included when it has one.
    void take(QByteArray piece)
    {
        const bool ended = piece.endsWith('\n');
        if (ended)
            piece.chop(1);
        backslashes = endingBackslashes(piece, backslashes);
        if (!overlong)
            current += piece;
        if (current.size() >= maximumLineLength) {
            overlong = true;
            current.clear();
        }
        if (!ended)
            return; // the same physical line, read on
        const bool goesOn = backslashes % 2 == 1;
        backslashes = 0;
        if (!goesOn)
            finishLine();
        else if (!overlong)
            current += '\n';
    }

    void finishLine()
    {
        if (overlong || !isSoundLine(current) || keptBytes + current.size() > maximumStoreSize) {
            lines.damaged = true;
        } else {
            keptBytes += current.size() + 1;
            lines.sound.append(current);
        }
        current.clear();
        overlong = false;
    }

    StoreLines lines;
    qint64 keptBytes = 0;
    QByteArray current;        // the logical line read so far
    bool overlong = false;     // it grew past any sound line and is no longer kept
    qsizetype backslashes = 0; // ending the physical line read so far
};

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

    StoreLines lines;
    lines.damaged = !info.isFile() || info.size() > maximumStoreSize;
    if (info.isFile()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return QString(); // Qt cannot read it either; nothing to fear from it
        const StoreLines read = StoreLineReader().read(file);
        lines.sound = read.sound;
        lines.damaged |= read.damaged;
    }
    if (!lines.damaged)
        return QString();

    const QString aside = asideName(path);
    if (!QDir().rename(path, aside))
        return QString();
    if (!lines.sound.isEmpty()) {
        QSaveFile rewritten(path);
        if (rewritten.open(QIODevice::WriteOnly)) {
            rewritten.write(lines.sound.join('\n'));
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

bool storeLockFree(const QString &storePath, int waitMs)
{
    QLockFile lock(storePath + ".lock");
    // Stale only when its owner is gone, as Qt's store judges it: never by its age, which would
    // take the lock from a program still writing.
    lock.setStaleLockTime(0);
    // A lock that cannot be made at all (no folder yet) holds nobody up.
    return lock.tryLock(waitMs) || lock.error() != QLockFile::LockFailedError;
}

} // namespace Preferences
