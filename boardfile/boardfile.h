#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QSize>
#include <QString>

#include <QList>

class BoardPages;
class DiagramScene;
class WrittenItems;

// The board as a file (see docs/board-file-format.md) and back: its pages, or one page. Items
// leave the board for the file through the scene's list of what is on the board, and come back
// through its one way in for restored items.
namespace BoardFile {

QByteArray save(const DiagramScene &scene);
QByteArrayList saveInParts(const QList<const DiagramScene *> &pages, WrittenItems &written);
// The same file as the parts it is made of, in order, taking from written what an earlier
// writing wrote for what has not changed since, and keeping there what this one writes.
QByteArrayList saveInParts(const DiagramScene &scene, WrittenItems &written);
// Encodes into written, ahead of a writing, what never changes once made and was never written
// (strokes, pictures), until budgetMs have passed; true once nothing is left. A board never
// written then costs its writer a slice at a time instead of all at once.
bool encodeUnwritten(const QList<const DiagramScene *> &pages, WrittenItems &written, int budgetMs);
// Puts what the file holds on the board, or nothing and the reason when the file is not sound:
// every item is made before any joins the board.
// What it read for the items that never change is kept in read, for the next writing.
// A file of one page.
bool load(DiagramScene &scene, const QByteArray &data, QString *error, WrittenItems *read = nullptr);
// The board becomes the file's pages, the first shown. The pages it had are handed over in
// replaced when asked for, deleted otherwise.
bool load(BoardPages &pages,
          const QByteArray &data,
          QString *error,
          WrittenItems *read = nullptr,
          QList<DiagramScene *> *replaced = nullptr);
// The size of the board's area on its screen when it was written; empty when the file does not
// tell or is not a board file.
QSize boardSize(const QByteArray &data);
// Larger files are refused before they are read.
inline constexpr qint64 largestFile = qint64(1) << 31;

} // namespace BoardFile
