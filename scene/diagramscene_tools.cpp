// What the board's added tools share: the pen's width, the background, the gestures of the
// added modes and the eraser's step.
#include "diagramscene.h"

#include "history/removeitemscommand.h"
#include "scene/boardtools.h"
#include "scene/gestures/boardgesture.h"

void DiagramScene::setPenWidth(int width)
{
    penWidth = qBound(1, width, 64);
}

void DiagramScene::setBoardBackground(const QBrush &brush)
{
    finishLabelEdit();
    recordGestureSoFar();
    recordChange<QBrush>(
        tr("fondo"), [this](const QBrush &b) { setBackgroundBrush(b); }, backgroundBrush(), brush);
}

void DiagramScene::eraseInGesture(QGraphicsItem *item)
{
    if (item->scene() == this && item->isVisible()) {
        item->hide();
        erasedItems.append(item);
    }
}

void DiagramScene::recordErasure()
{
    QList<QGraphicsItem *> erased = std::exchange(erasedItems, {});
    erased.removeIf([this](const QGraphicsItem *item) { return item->scene() != this; });
    if (erased.isEmpty())
        return;
    // They leave the board as they were, so that undo brings them back in sight.
    for (QGraphicsItem *item : std::as_const(erased))
        item->show();
    takeOnRecord(erased);
    undoStack->push(new RemoveItemsCommand(this, erased, tr("borrador")));
}

void DiagramScene::createGestures()
{
    for (const BoardTools::Tool *tool = BoardTools::begin(); tool != BoardTools::end(); ++tool) {
        if (tool->gesture)
            gestures[tool->mode] = tool->gesture(*this);
    }
}

BoardGesture *DiagramScene::gestureFor(Mode mode) const
{
    const auto found = gestures.find(int(mode));
    return found == gestures.end() ? nullptr : found->second.get();
}

void DiagramScene::finishGestures()
{
    for (const auto &[mode, gesture] : gestures)
        gesture->finish();
}
