// Pointer handling of the board: what every mode shares (the items under the pointer, the vertex
// handles, the steps of the history), around the chosen mode's gesture.
#include "diagramscene.h"

#include "history/boardorder.h"
#include "history/moveitemscommand.h"
#include "items/diagramtextitem.h"
#include "scene/boardhost.h"
#include "scene/gestures/cutgesture.h"
#include "scene/gestures/pengesture.h"

#include <QCoreApplication>
#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsSceneMouseEvent>
#include <QPainterPath>
#include <QScopedValueRollback>

#include <algorithm>

namespace {

using VertexHandle = ReportsPresence<QGraphicsEllipseItem>;

constexpr qreal handleZValue = 100000000.0;
constexpr qreal outlineWidth = 2;

} // namespace

QPen DiagramScene::linePen(qreal width) const
{
    return QPen(QBrush(lineColor, Qt::SolidPattern),
                width,
                Qt::SolidLine,
                Qt::SquareCap,
                Qt::BevelJoin);
}

void DiagramScene::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    leftButtonHeld = true;
    pointerAt = event->scenePos();
    const QScopedValueRollback<bool> handling(handlingPointer, true);
    followStylus(event);

    BoardGesture &gesture = gestureFor(mode);
    gesture.press(*event);
    if (gesture.itemsTakePress())
        finishPress(event, gesture);
}

QPen DiagramScene::outlinePen() const
{
    return linePen(outlineWidth);
}

void DiagramScene::wireLabel(DiagramTextItem *label)
{
    connect(label, &DiagramTextItem::lostFocus, this, &DiagramScene::editorLostFocus);
    connect(label, &DiagramTextItem::selectedChange, this, &DiagramScene::itemSelected);
    connect(label, &DiagramTextItem::insertionCut, this, &DiagramScene::reportLabelInsertionCut);
    connect(label, &DiagramTextItem::editStarted, this, &DiagramScene::labelEditStarted);
}

void DiagramScene::finishPress(QGraphicsSceneMouseEvent *event, const BoardGesture &gesture)
{
    handleDragActive = false;
    if (!gesture.grabsHandles() || !grabHandleAt(event->scenePos())) {
        const QList<QGraphicsItem *> selected = selectedItems();
        if (!selected.isEmpty() && !selectionHasType(DiagramTextItem::Type))
            currentShape = qgraphicsitem_cast<DiagramItem *>(selected.first());
    }
    // The items under the pointer (or the hit handle) are selected and grabbed by Qt.
    QGraphicsScene::mousePressEvent(event);
    rememberDragStart();
}

// The second press of a double click goes to the items only, never through the modes; a drag
// it starts is still one step.
void DiagramScene::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event)
{
    const QScopedValueRollback<bool> handling(handlingPointer, true);
    QGraphicsScene::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) {
        leftButtonHeld = true;
        rememberDragStart();
    }
}

void DiagramScene::rememberDragStart()
{
    // Even a press that starts a stroke grabs the item under it, and a later change of tool or
    // zoom in the same gesture can still move that item. A press before the last release keeps
    // the places where the gesture began. A label not yet on record may still vanish
    // unrecorded: its place is part of its first step.
    QList<QGraphicsItem *> movable = selectedItems();
    movable.append(mouseGrabberItem()); // a picture moves without being selected
    for (QGraphicsItem *item : std::as_const(movable)) {
        if (item && (item->flags() & QGraphicsItem::ItemIsMovable) && isOnRecord(item)
            && !dragStart.contains(item))
            dragStart.insert(item, item->pos());
    }
}

// However many moves a drag had and however many items went along, it is one step.
void DiagramScene::recordDrag()
{
    QList<MoveItemsCommand::Move> moves;
    for (auto it = dragStart.cbegin(); it != dragStart.cend(); ++it) {
        QGraphicsItem *item = it.key();
        if (item->scene() == this && item->pos() != it.value())
            moves.append({item, it.value(), item->pos()});
    }
    dragStart.clear();
    if (!moves.isEmpty())
        history()->push(new MoveItemsCommand(moves, tr("mover")));
}

// The first time a gesture reshapes a shape, its outline before; a shape the gesture itself
// made is recorded whole instead. One gesture may reshape several shapes when the tool changes
// while it goes on.
void DiagramScene::noteReshape(DiagramItem *shape)
{
    if (outlinesBeforeReshape.contains(shape) || gestureItems.contains(shape) || !isOnRecord(shape))
        return;
    outlinesBeforeReshape.insert(shape, shape->polygon());
}

void DiagramScene::recordReshape()
{
    const QHash<DiagramItem *, QPolygonF> reshaped = std::exchange(outlinesBeforeReshape, {});
    for (auto it = reshaped.cbegin(); it != reshaped.cend(); ++it) {
        DiagramItem *shape = it.key();
        if (shape->scene() != this)
            continue;
        pushChange<QPolygonF>(
            tr("vértice"),
            [shape](const QPolygonF &outline) { shape->setOutline(outline); },
            it.value(),
            shape->polygon());
    }
}

bool DiagramScene::grabHandleAt(const QPointF &pos)
{
    for (int i = 0; i < handles.size(); ++i) {
        if (!handles.at(i)->contains(pos))
            continue;
        // A movable selected shape would follow the handle; pin it while its vertex moves.
        if (DiagramItem *shape = firstSelectedShape()) {
            releasePinnedShape(); // one pinned at a time, whatever pressed before the release
            shape->setFlag(QGraphicsItem::ItemIsMovable, false);
            currentShape = shape;
            pinnedShape = shape;
        }
        draggedHandle = handles.at(i);
        draggedHandleIndex = i;
        handleDragActive = true;
        return true;
    }
    return false;
}

void DiagramScene::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    // A label being edited scrolls the view to keep its cursor visible, and the view replays
    // the pointer after scrolling, which moves the cursor again: a move that arrives while one
    // is handled is such a replay, and answering it could go on without end.
    if (handlingMove)
        return;
    const QScopedValueRollback<bool> handling(handlingMove, true);
    const QScopedValueRollback<bool> pointer(handlingPointer, true);

    const QPointF pos = event->scenePos();
    pointerAt = pos;
    const bool leftHeld = event->buttons() & Qt::LeftButton;
    followStylus(event);
    BoardGesture &gesture = gestureFor(mode);
    if (leftHeld && !gesture.sharesMoves()) {
        gesture.move(pos);
        return;
    }

    QGraphicsScene::mouseMoveEvent(event);
    reportCoordinates(pos);
    if (leftHeld)
        drag(pos, gesture);
}

// A move with the left button held: a vertex follows its handle, or the handles follow the
// dragged shape and the mode's gesture goes on.
void DiagramScene::drag(const QPointF &pos, BoardGesture &gesture)
{
    if (handleDragActive) {
        if (dragVertex(pos))
            return;
    } else {
        followDraggedShape(gesture);
    }
    gesture.move(pos);
}

void DiagramScene::reportCoordinates(const QPointF &pos)
{
    if (mainWindow)
        mainWindow->setCoordinates(QString("%1, %2").arg(pos.x()).arg(pos.y()));
}

bool DiagramScene::dragVertex(const QPointF &pos)
{
    handleDragActive = false;
    // Only the handles' own shape may be reshaped by them; any other pairing would write one
    // shape's vertices into another.
    if (!handles.contains(draggedHandle) || !currentShape || currentShape != handleOwner)
        return false;
    noteReshape(currentShape);
    handlePoints[draggedHandleIndex] = currentShape->mapFromScene(pos);
    handleDragActive = true;
    currentShape->setOutline(QPolygonF(handlePoints));
    return true;
}

void DiagramScene::followDraggedShape(const BoardGesture &gesture)
{
    if (!gesture.handlesFollowDrags() || selectionHasType(DiagramTextItem::Type))
        return;
    if (DiagramItem *shape = firstSelectedShape())
        showHandles(shape);
}

void DiagramScene::spanActiveShape(const QPointF &pos)
{
    if (currentShape) {
        noteReshape(currentShape);
        currentShape->setRectCorners(spanFrom, pos);
    }
}

void DiagramScene::releasePinnedShape()
{
    if (DiagramItem *shape = std::exchange(pinnedShape, nullptr))
        shape->setFlag(QGraphicsItem::ItemIsMovable, true);
}

void DiagramScene::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    {
        const QScopedValueRollback<bool> handling(handlingPointer, true);
        QGraphicsScene::mouseReleaseEvent(event);
    }
    if (!(event->buttons() & Qt::LeftButton))
        leftButtonHeld = false;
    // Whatever the gesture became, a shape pinned for a vertex drag moves again on the next one.
    releasePinnedShape();
    finishGesture(event);
    // What the gesture made, moved or reshaped are its steps, even when the mode changed while it
    // went on.
    recordGestureSoFar();
    if (!leftButtonHeld)
        endEraserEnd();
}

void DiagramScene::letGo()
{
    if (!leftButtonHeld && !pen->strokeUnderway() && !regionUnderway())
        return;
    QGraphicsSceneMouseEvent release(QEvent::GraphicsSceneMouseRelease);
    release.setButton(Qt::LeftButton);
    release.setButtons(Qt::NoButton);
    release.setScenePos(pointerAt);
    release.setLastScenePos(pointerAt);
    release.setButtonDownScenePos(Qt::LeftButton, pointerAt);
    QCoreApplication::sendEvent(this, &release); // Qt's scene lets its grabber go too
}

// A stylus's pressure sets the width of what it draws, and its eraser end erases whatever tool
// is chosen; the view that turned the stylus's event into this one told which.
void DiagramScene::followStylus(const QGraphicsSceneMouseEvent *event)
{
    pressureNow = stylusDown ? std::optional<qreal>(stylusDown->pressure) : std::nullopt;
    if (stylusDown && stylusDown->eraserEnd && event->type() == QEvent::GraphicsSceneMousePress)
        beginEraserEnd();
}

void DiagramScene::beginEraserEnd()
{
    if (mode == Erase || modeBeforeEraserEnd)
        return;
    pen->finishStroke(); // a stroke under way ends where the eraser begins
    modeBeforeEraserEnd = mode;
    mode = Erase;
}

void DiagramScene::endEraserEnd()
{
    if (modeBeforeEraserEnd)
        mode = *std::exchange(modeBeforeEraserEnd, std::nullopt);
}

void DiagramScene::finishGesture(QGraphicsSceneMouseEvent *event)
{
    // A cut ends as a cut even if the tool changed while it was dragged: its marker never stays.
    if (CutGesture *region = regionUnderway()) {
        region->release(*event);
        return;
    }
    // A stroke ends as a stroke even if the tool changed while it was drawn, and so does what
    // any other tool had under way.
    pen->finishStroke();
    const bool gestureEnded = gestureFor(mode).release(*event);
    finishGestures();
    if (!gestureEnded)
        settleSelection();
}

void DiagramScene::addToGesture(QGraphicsItem *item, const QString &step)
{
    gestureItems.append(item);
    gestureStep = step;
}

void DiagramScene::placeInGesture(QGraphicsItem *item, const QString &step)
{
    place(item);
    addToGesture(item, step);
}

bool DiagramScene::isPartOfGesture(const QGraphicsItem *item) const
{
    return gestureItems.contains(const_cast<QGraphicsItem *>(item));
}

void DiagramScene::settleSelection()
{
    if (selectedItems().isEmpty()) {
        hideHandles();
    } else if (!selectionHasType(DiagramTextItem::Type)) {
        hideHandles();
        if (currentShape)
            currentShape->setFlag(QGraphicsItem::ItemIsMovable, true);
        currentShape = firstSelectedShape();
        if (currentShape)
            showHandles(currentShape);
    }
    for (const auto &[mode, gesture] : gestures)
        gesture->selectionSettled();
}

void DiagramScene::showHandles(DiagramItem *shape)
{
    hideHandles();
    handlePoints = shape->polygon();
    handleOwner = shape;
    const QPen pen(QBrush(Qt::red, Qt::SolidPattern),
                   3.0,
                   Qt::SolidLine,
                   Qt::SquareCap,
                   Qt::BevelJoin);
    const QBrush brush(QColor("red"), Qt::SolidPattern);
    for (const QPointF &point : std::as_const(handlePoints)) {
        const QPointF centre = shape->mapToScene(point);
        auto *handle = new VertexHandle(centre.x() - 5, centre.y() - 5, 8, 8);
        handle->setPen(pen);
        handle->setBrush(brush);
        handle->setFlag(QGraphicsItem::ItemIsMovable);
        handle->setZValue(handleZValue);
        handles.append(handle); // before it joins: no part of the board
        addItem(handle);
    }
}

// Qt's scene remembers where the dragged items started until an item sees the release; a
// grabber destroyed mid-drag never sees it, and the next drag would then place items from
// those stale starting points. A release with no buttons ends that bookkeeping and nothing else.
void DiagramScene::endDragOf(QGraphicsItem *grabber)
{
    QGraphicsSceneMouseEvent release(QEvent::GraphicsSceneMouseRelease);
    release.setButton(Qt::NoButton);
    release.setButtons(Qt::NoButton);
    sendEvent(grabber, &release);
}

void DiagramScene::hideHandles()
{
    // Take the list first: each deletion reports back through itemLeavingScene().
    const QList<QGraphicsItem *> doomed = std::exchange(handles, {});
    draggedHandle = nullptr;
    handleDragActive = false;
    handleOwner = nullptr;
    // This runs on every move of a dragged shape, so each handle leaves the way that costs the
    // scene least on a board of a million dots: newest first, so it comes off the end of the
    // scene's list of items (one from the middle makes the scene renumber them all at the next
    // addition), and taken out before it is destroyed, so the index drops it from the cells it
    // covers (one destroyed in the scene makes the index sweep every cell).
    std::for_each(doomed.crbegin(), doomed.crend(), [this](QGraphicsItem *handle) {
        if (handle == mouseGrabberItem())
            endDragOf(handle);
        if (handle->scene() == this)
            removeItem(handle);
        delete handle;
    });
}
