#pragma once

#include "itemcodecs.h"

#include <QtGlobal>

class BoardReader;
class BoardWriter;
class QGraphicsItem;
class QMenu;

// Every kind of item the board keeps, described once: its type number, its number in the board
// file, how it is written and read back (reading is how an item of the kind is made from a
// file), and whether bring to front and send to back count it. A new kind of item is its class
// and a row here.
struct ItemKind
{
    const char *name;
    int type;        // what QGraphicsItem::type() answers for its items
    quint8 fileKind; // written before each item; never reused once a file may hold it
    // Whether an item of that type is of this kind, for the kinds that share a type; null
    // where the type alone tells.
    bool (*sets)(const QGraphicsItem &item);
    void (*write)(BoardWriter &out, const QGraphicsItem &item);
    ReadItem (*read)(BoardReader &in, QMenu *itemMenu);
    bool restacks;
};

namespace ItemKinds {

const ItemKind *begin();
const ItemKind *end();
// The kind of the item; null for what the board does not keep (a handle, a dot of a stroke).
const ItemKind *of(const QGraphicsItem &item);
// The kind written as that number; null for none.
const ItemKind *withFileKind(quint8 fileKind);

} // namespace ItemKinds
