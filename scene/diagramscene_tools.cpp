// What the board's tools share: the pen's width, the background, the gestures of the modes and
// the eraser's step.
#include "diagramscene.h"

#include "history/removeitemscommand.h"
#include "scene/boardtools.h"
#include "scene/gestures/cutgesture.h"
#include "scene/gestures/linegesture.h"
#include "scene/gestures/pengesture.h"

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
        if (!tool->gesture || gestures.count(tool->mode))
            continue;
        gestures[tool->mode] = tool->gesture(*this);
        if (tool->inks)
            gestures[tool->mode]->setInk(tool->inks->choices.first().colour);
    }
    pen = &dynamic_cast<PenGesture &>(gestureFor(DrawFreehand));
    cut = &dynamic_cast<CutGesture &>(gestureFor(CutRegion));
    for (const auto &[mode, gesture] : gestures) {
        if (auto *region = dynamic_cast<CutGesture *>(gesture.get()))
            regionGestures.append(region);
    }
    line = &dynamic_cast<LineGesture &>(gestureFor(InsertLine));
}

// An unknown mode acts as the pointer.
BoardGesture &DiagramScene::gestureFor(Mode mode) const
{
    auto found = gestures.find(int(mode));
    if (found == gestures.end())
        found = gestures.find(int(MoveItem));
    return *found->second;
}

void DiagramScene::finishGestures()
{
    for (const auto &[mode, gesture] : gestures)
        gesture->finish();
}

void DiagramScene::takeOptionsFrom(const DiagramScene &other)
{
    setMode(other.mode);
    itemType = other.itemType;
    textFont = other.textFont;
    textColor = other.textColor;
    itemColor = other.itemColor;
    lineColor = other.lineColor;
    penWidth = other.penWidth;
    for (const auto &[mode, gesture] : gestures)
        gesture->setInk(other.ink(Mode(mode)));
    setSceneRect(other.sceneRect());
}

void DiagramScene::setInk(Mode mode, const QColor &colour)
{
    gestureFor(mode).setInk(colour);
}

QColor DiagramScene::ink(Mode mode) const
{
    return gestureFor(mode).ink();
}

QGraphicsLineItem *DiagramScene::lineBeingDrawn() const
{
    return line->lineBeingDrawn();
}

diagramItemPixmap *DiagramScene::newestCutPicture() const
{
    return cut->newestPicture();
}

bool DiagramScene::cutAwaitsItsGrab() const
{
    return std::any_of(regionGestures.cbegin(), regionGestures.cend(), [](const CutGesture *each) {
        return each->grabPending();
    });
}

CutGesture *DiagramScene::regionUnderway() const
{
    for (CutGesture *region : regionGestures) {
        if (region->underway())
            return region;
    }
    return nullptr;
}

bool DiagramScene::isUnfinishedRegionPart(const QGraphicsItem *item) const
{
    return std::any_of(regionGestures.cbegin(),
                       regionGestures.cend(),
                       [item](const CutGesture *each) { return each->isUnfinishedPart(item); });
}
