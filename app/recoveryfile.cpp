#include "recoveryfile.h"

#include "boardfile/boardfile.h"
#include "scene/boardpages.h"
#include "scene/diagramscene.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUndoStack>

namespace {

constexpr int saveDelayMs = 1500;
constexpr int sliceMs = 8; // half a frame at 60 Hz: the pen never waits long on a copy

// The copy shows what was on the screen: its folder is its user's alone.
void makePrivateFolder(const QString &folder)
{
    QDir().mkpath(folder);
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// Returns why the copy could not be written; empty once it is on disk.
QString writeFile(const QString &path, const QByteArrayList &parts)
{
    // The folder may have gone since the board started.
    if (!QFileInfo(QFileInfo(path).absolutePath()).isDir())
        makePrivateFolder(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    for (const QByteArray &part : parts)
        file.write(part);
    if (!file.commit())
        return file.errorString();
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return QString();
}

} // namespace

RecoveryFile::RecoveryFile(BoardPages *pages, const QString &path, QObject *parent)
    : QObject(parent)
    , pages(pages)
    , path(path)
{
    writer.setMaxThreadCount(1);
    saveTimer.setSingleShot(true);
    saveTimer.setInterval(saveDelayMs);
    connect(&saveTimer, &QTimer::timeout, this, &RecoveryFile::saveWhenIdle);
    nextSlice.setSingleShot(true);
    nextSlice.setInterval(0);
    connect(&nextSlice, &QTimer::timeout, this, &RecoveryFile::saveWhenIdle);
    for (DiagramScene *page : pages->all())
        watch(page);
    connect(pages, &BoardPages::added, this, &RecoveryFile::watch);
    connect(pages, &BoardPages::changed, this, &RecoveryFile::scheduleSave);
    makePrivateFolder(QFileInfo(path).absolutePath());
}

void RecoveryFile::watch(DiagramScene *page)
{
    connect(page->history(),
            &QUndoStack::indexChanged,
            this,
            &RecoveryFile::scheduleSave,
            Qt::UniqueConnection);
}

RecoveryFile::~RecoveryFile()
{
    writer.waitForDone();
}

QString RecoveryFile::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)
           + "/recovery.tavelo";
}

QString RecoveryFile::restore()
{
    QFile file(path);
    if (!file.exists())
        return QString();
    QString reason;
    bool restored = false;
    if (!QFileInfo(path).isFile() || file.size() > BoardFile::largestFile) {
        reason = tr("no es un archivo del tablero");
    } else if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString();
    } else {
        restored = BoardFile::load(*pages, file.readAll(), &reason, &written);
        file.close();
    }
    if (restored)
        return tr("Dibujos recuperados: el tablero no se cerró con Salir");
    // Kept for whoever wants to look at it, never read again.
    const QString aside = path + ".damaged-"
                          + QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss");
    QFile::rename(path, aside);
    return tr("Archivo de recuperación apartado en %1: %2").arg(aside, reason);
}

void RecoveryFile::scheduleSave()
{
    saveTimer.start();
}

void RecoveryFile::saveWhenIdle()
{
    // The pen is never kept waiting: a gesture under way puts the copy off.
    if (pages->currentPage()->gestureUnderway()) {
        saveTimer.start();
        return;
    }
    // What was never copied (the first copy of a full board, a board just opened) is encoded a
    // few milliseconds at a time between the board's events; the copy then takes those bytes.
    const QList<const DiagramScene *> board(pages->all().cbegin(), pages->all().cend());
    if (!BoardFile::encodeUnwritten(board, written, sliceMs)) {
        nextSlice.start();
        return;
    }
    saveNow();
}

void RecoveryFile::saveNow()
{
    saveTimer.stop();
    nextSlice.stop();
    // Only what changed since the last copy is encoded here; the rest is shared with it.
    const QList<const DiagramScene *> board(pages->all().cbegin(), pages->all().cend());
    writer.start([this, path = path, parts = BoardFile::saveInParts(board, written)] {
        const QString problem = writeFile(path, parts);
        // Told on the board's thread; dropped if the board has gone meanwhile.
        QMetaObject::invokeMethod(
            this, [this, problem] { noteWrite(problem); }, Qt::QueuedConnection);
    });
}

void RecoveryFile::noteWrite(const QString &problem)
{
    const bool keeps = problem.isEmpty();
    if (keeps == keeping)
        return;
    keeping = keeps;
    emit keepingChanged(keeping, problem);
}

void RecoveryFile::discard()
{
    saveTimer.stop();
    nextSlice.stop();
    writer.waitForDone();
    QFile::remove(path);
}
