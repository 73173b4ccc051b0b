#pragma once

#include "items/keepsboardorder.h"

#include <QGraphicsItem>

// The order in which items joined the board. Qt stacks the items of one level in the order they
// joined its scene and forgets that order when one leaves; the history keeps it on the item, so
// that an item brought back stands where it stood, whatever levels changed meanwhile.
namespace BoardOrder {

inline constexpr int dataKey = 0x7a7e;

inline void stamp(QGraphicsItem *item, quint64 order)
{
    if (auto *keeper = dynamic_cast<KeepsBoardOrder *>(item))
        keeper->boardOrder = order;
    else
        item->setData(dataKey, order);
}

// 0 for an item never stamped.
inline quint64 of(const QGraphicsItem *item)
{
    if (const auto *keeper = dynamic_cast<const KeepsBoardOrder *>(item))
        return keeper->boardOrder;
    return item->data(dataKey).toULongLong();
}

} // namespace BoardOrder
