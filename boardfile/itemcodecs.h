#pragma once

#include <QGraphicsItem>

#include <memory>
#include <optional>
#include <vector>

class BoardReader;
class BoardWriter;
class QMenu;

// An item read from a board file, with the dots a stroke carries (which the stroke does not
// own): owned here until the board takes them.
struct ReadItem
{
    std::unique_ptr<QGraphicsItem> item;
    std::vector<std::unique_ptr<QGraphicsItem>> dotRuns;
    qint64 bodyFrom = 0; // where in the file the item's body stands, after its header
    qint64 bodyTo = 0;
};

// How each kind of item is written to the board file and read back: one codec per kind, each
// with its own writer and reader, and a dispatch over them.
namespace ItemCodecs {

// Writes the item, header first; false, with nothing written, for an item no codec takes.
bool write(BoardWriter &out, const QGraphicsItem &item);
// The two halves of write(): the header (the item's kind, level and place), false with nothing
// written for an item no codec takes; then what its kind writes of it.
bool writeHeader(BoardWriter &out, const QGraphicsItem &item);
void writeBody(BoardWriter &out, const QGraphicsItem &item);
// For an item whose body never changes once it is on the board, a number that differs for
// another item or another version of it; none for an item that may change.
std::optional<quint64> unchangingIdentity(const QGraphicsItem &item);
// Reads one item, header first; result.item is empty where the file is not sound. Shapes get
// itemMenu as their context menu.
ReadItem read(BoardReader &in, QMenu *itemMenu);

} // namespace ItemCodecs
