#pragma once

#include "itemscommand.h"

// Items a gesture or a command has just put on the board. They are already there when the
// step is recorded; undo takes them off, redo puts them back.
class AddItemsCommand : public ItemsCommand
{
public:
    // Items recorded long after they joined the board (a cut's picture waits for its grab) may
    // have others above them already: keepPlaceAmong, which tells the items the history may
    // hold, makes the step remember where they stand, at the cost of one look at the board.
    AddItemsCommand(QGraphicsScene *scene,
                    const QList<QGraphicsItem *> &items,
                    const QString &text,
                    const std::function<bool(const QGraphicsItem *)> &keepPlaceAmong = {})
        : ItemsCommand(scene, items, text)
    {
        if (keepPlaceAmong)
            rememberStacking(keepPlaceAmong);
    }

    void undo() override { takeOffBoard(); }
    void redo() override { putOnBoard(); }
};
