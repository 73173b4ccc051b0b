#pragma once

#include "itemscommand.h"

// Items a gesture or a command has just put on the board. They are already there when the
// step is recorded; undo takes them off, redo puts them back.
class AddItemsCommand : public ItemsCommand
{
public:
    AddItemsCommand(QGraphicsScene *scene, const QList<QGraphicsItem *> &items, const QString &text)
        : ItemsCommand(scene, items, text)
    {}

    void undo() override { takeOffBoard(); }
    void redo() override { putOnBoard(); }
};
