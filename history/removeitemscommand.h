#pragma once

#include "itemscommand.h"

// Items taken off the board (Borrar, Limpiar, an emptied label); undo puts them back where they
// stood.
class RemoveItemsCommand : public ItemsCommand
{
public:
    // mayHold tells the items the history may hold, which alone can mark a place.
    RemoveItemsCommand(QGraphicsScene *scene,
                       const QList<QGraphicsItem *> &items,
                       const QString &text,
                       const std::function<bool(const QGraphicsItem *)> &mayHold)
        : ItemsCommand(scene, items, text)
    {
        rememberStacking(mayHold);
    }

    void undo() override { putOnBoard(); }
    void redo() override { takeOffBoard(); }
};
