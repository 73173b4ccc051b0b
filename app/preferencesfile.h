#pragma once

#include <QString>
#include <QStringList>

// Qt's settings reader trusts its file: a value nested thousands of levels deep overflows its
// stack, and a named pipe in the file's place blocks the start for ever. These checks run
// before Qt reads the store.
namespace Preferences {

// The files Qt's store reads for this application in the user's scope: the application's own
// and the organisation's shared one.
QStringList userStoreFiles(const QString &organization, const QString &application);

// A store file that is not a regular file, is too large, or holds values nested too deep is moved to a name next to it (nothing is deleted), and the lines that pass
// are written back in its place. Returns the name it was moved to; empty when the file was
// sound, absent or could not be moved.
QString setAsideIfDamaged(const QString &path);

// Both of the above for every store file; the names files were moved to.
QStringList setAsideDamagedStores(const QString &organization, const QString &application);

// Whether the lock Qt's store takes to write the file at storePath is free, waiting up to waitMs
// for it. Qt waits without end for a lock that another running program holds.
bool storeLockFree(const QString &storePath, int waitMs);

} // namespace Preferences
