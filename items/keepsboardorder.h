#pragma once

#include <QtGlobal>

// An item that keeps the order in which it joined the board itself (see BoardOrder), in room it
// has anyway, instead of in Qt's item data, which costs a map of its own: some 200 bytes for
// each of the tens of thousands of run heads of a full board.
class KeepsBoardOrder
{
public:
    quint64 boardOrder = 0;
};
