#pragma once

#include <QList>
#include <QUndoCommand>

#include <functional>

class QGraphicsItem;
class QGraphicsScene;

// A step that puts items on the board or takes them off. Items taken off are kept alive here,
// never destroyed while a step can bring them back; whichever step last took them off owns them
// and frees them when it is discarded. Items come back exactly where they stood in the stacking
// order.
class ItemsCommand : public QUndoCommand
{
public:
    ~ItemsCommand() override;

protected:
    // items: lowest in the stacking order first, as they were added.
    ItemsCommand(QGraphicsScene *scene, const QList<QGraphicsItem *> &items, const QString &text);

    // For items that are on the board now and will leave it: puts them in stacking order and
    // notes what lies above each, so that they can return to the same places. Only items the
    // history may hold (never destroyed behind its back) serve as such marks.
    void rememberStacking(const std::function<bool(const QGraphicsItem *)> &mayHold);
    void putOnBoard();
    void takeOffBoard();

private:
    QGraphicsScene *scene;
    QList<QGraphicsItem *> items; // in stacking order, lowest first
    // For each item, the item of the same stacking level just above it that stays on the board,
    // or null: a returning item is stacked back under it.
    QList<QGraphicsItem *> itemsAbove;
    bool ownsItems = false; // the items are off the board because of this step
};
