#pragma once

#include "boardfile/writtenitems.h"

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>

class BoardPages;
class DiagramScene;

// Keeps the drawings safe from a crash: a copy of the board, rewritten a moment after each change
// (never while a gesture is under way, and written to disk away from the pen's thread), which
// the next start puts back when the board did not end through Salir. The copy shows what was on
// the screen, so only its user may read it.
class RecoveryFile : public QObject
{
    Q_OBJECT

public:
    // A copy of every page of the board.
    RecoveryFile(BoardPages *pages, const QString &path, QObject *parent = nullptr);
    ~RecoveryFile() override;

    // In the user's data folder.
    static QString defaultPath();

    // Puts back what an unclean end left. Returns what to tell the user, empty when there was
    // nothing to put back; a damaged or unknown file is moved aside and named.
    QString restore();
    void scheduleSave();
    void saveNow();
    // Returns once every copy asked for so far is on disk.
    void flush() { writer.waitForDone(); }
    // The board ended as it should: there is nothing to recover.
    void discard();

signals:
    // Said once when the copies stop reaching the disk (no room, no permission), with why, and
    // once when they reach it again.
    void keepingChanged(bool keeping, const QString &problem);

private:
    void saveWhenIdle();
    void noteWrite(const QString &problem);
    void watch(DiagramScene *page);

    BoardPages *pages;
    QString path;
    QTimer saveTimer;
    QTimer nextSlice;     // a board never copied is encoded a slice at a time
    QThreadPool writer;   // one thread: writes land in order
    WrittenItems written; // what the last copy wrote for what does not change
    bool keeping = true;  // the last copy reached the disk
};
