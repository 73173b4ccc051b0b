#pragma once

#include "itemscommand.h"

// Items taken off the board (Borrar, Limpiar, an emptied label); undo puts them back where they
// stood.
class RemoveItemsCommand : public ItemsCommand
{
public:
    RemoveItemsCommand(QGraphicsScene *scene,
                       const QList<QGraphicsItem *> &items,
                       const QString &text)
        : ItemsCommand(scene, items, text)
    {}

    void undo() override { putOnBoard(); }
    void redo() override { takeOffBoard(); }
};
