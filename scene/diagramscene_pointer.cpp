// Pointer handling of the board: each handler branches on the mode once and hands the work to a
// function named for what it does.
#include "diagramscene.h"

#include "history/boardorder.h"
#include "history/moveitemscommand.h"
#include "items/diagramtextitem.h"
#include "items/liveink.h"
#include "items/pendot.h"
#include "items/strokeitem.h"
#include "scene/boardhost.h"
#include "scene/gestures/boardgesture.h"

#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsSceneMouseEvent>
#include <QPainterPath>
#include <QScopedValueRollback>

#include <algorithm>

namespace {

using VertexHandle = ReportsPresence<QGraphicsEllipseItem>;
using StraightLine = ReportsPresence<QGraphicsLineItem>;

constexpr qreal textZValue = 1000.0;
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
    const QScopedValueRollback<bool> handling(handlingPointer, true);
    followStylus(event);

    const QPointF pos = event->scenePos();
    if (BoardGesture *gesture = gestureFor(mode)) {
        gesture->press(pos);
        return;
    }
    switch (mode) {
    case InsertItem:
        insertShapeAt(pos);
        break;
    case InsertLine:
        startLine(pos);
        return;
    case InsertText:
        insertTextAt(pos);
        break;
    case CutRegion:
        beginCut(event);
        return;
    case DrawRect:
        startSpannedRect(pos);
        break;
    case DrawFreehand:
        strokeUnderway = true; // even a click leaves its (empty) stroke
        break;
    default: // MoveItem and unknown values: the items handle the press
        break;
    }
    finishPress(event);
}

void DiagramScene::insertShapeAt(const QPointF &pos)
{
    // Placing the new shape is part of its own step, not a move.
    const QScopedValueRollback<bool> placing(handlingPointer, false);
    clearSelection();
    auto *shape = new DiagramItem(itemType, itemMenu);
    shape->setBrush(QBrush(itemColor, Qt::SolidPattern));
    place(shape);
    shape->setPen(linePen(outlineWidth));
    shape->setPos(pos);
    shape->setSelected(true);
    emit itemInserted(shape);
    // A receiver may have deleted the shape; the removal report has then cleared everything.
    if (shape->scene() != this)
        return;
    showHandles(shape);
    currentShape = shape;
    recordAddition({shape}, tr("forma"));
}

void DiagramScene::startLine(const QPointF &pos)
{
    lineInProgress = new StraightLine(QLineF(pos, pos));
    lineInProgress->setPen(outlinePen());
    place(lineInProgress);
    makePartOfGesture(lineInProgress, tr("línea"));
}

QPen DiagramScene::outlinePen() const
{
    return linePen(outlineWidth);
}

void DiagramScene::insertTextAt(const QPointF &pos)
{
    finishLabelEdit();
    clearSelection();
    auto *text = new DiagramTextItem();
    lastTextItem = text;
    text->setFont(textFont);
    text->setTextInteractionFlags(Qt::TextEditorInteraction);
    text->setZValue(textZValue);
    wireLabel(text);
    labelBeingEdited = text;
    place(text);
    text->setDefaultTextColor(textColor);
    text->setPos(pos);
    emit textInserted(text);
    // The label is placed; whatever the receiver chose, the next press selects and moves.
    mode = MoveItem;
}

void DiagramScene::wireLabel(DiagramTextItem *label)
{
    connect(label, &DiagramTextItem::lostFocus, this, &DiagramScene::editorLostFocus);
    connect(label, &DiagramTextItem::selectedChange, this, &DiagramScene::itemSelected);
    connect(label, &DiagramTextItem::insertionCut, this, &DiagramScene::reportLabelInsertionCut);
    connect(label, &DiagramTextItem::editStarted, this, &DiagramScene::labelEditStarted);
}

void DiagramScene::startSpannedRect(const QPointF &pos)
{
    clearSelection();
    dragStartScenePos = pos;
    auto *shape = new DiagramItem(itemType, itemMenu);
    shape->setBrush(QBrush(itemColor, Qt::SolidPattern));
    place(shape);
    shape->setPen(linePen(outlineWidth));
    shape->setRectCorners(dragStartScenePos, pos);
    shape->setFlag(QGraphicsItem::ItemIsMovable, false);
    shape->setSelected(true);
    currentShape = shape;
    makePartOfGesture(shape, tr("rectángulo"));
}

void DiagramScene::finishPress(QGraphicsSceneMouseEvent *event)
{
    handleDragActive = false;
    // A pen stroke that starts on a handle is just a stroke.
    const bool mayGrabHandle = mode != DrawFreehand;
    if (!mayGrabHandle || !grabHandleAt(event->scenePos())) {
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
    const bool leftHeld = event->buttons() & Qt::LeftButton;
    followStylus(event);
    if (mode == DrawFreehand && leftHeld) {
        extendStroke(pos);
        return;
    }
    BoardGesture *gesture = leftHeld ? gestureFor(mode) : nullptr;
    if (gesture && !gesture->sharesMoves()) {
        gesture->move(pos);
        return;
    }

    QGraphicsScene::mouseMoveEvent(event);
    reportCoordinates(pos);
    if (leftHeld)
        drag(pos, gesture);
}

// A move with the left button held: a vertex follows its handle, or the handles follow the
// dragged shape and the mode's gesture goes on.
void DiagramScene::drag(const QPointF &pos, BoardGesture *gesture)
{
    if (handleDragActive) {
        if (dragVertex(pos))
            return;
    } else {
        followDraggedShape();
    }
    if (gesture)
        gesture->move(pos);
    else
        dragInMode(pos);
}

void DiagramScene::dragInMode(const QPointF &pos)
{
    switch (mode) {
    case InsertLine:
        // Only a line this gesture began follows the pointer; one already on record stays.
        if (lineInProgress && gestureItems.contains(lineInProgress))
            lineInProgress->setLine(QLineF(lineInProgress->line().p1(), pos));
        break;
    case CutRegion:
    case DrawRect:
        spanDraggedShape(pos);
        break;
    default:
        break;
    }
}

// After any change Qt's scene walks every item at its top once, so a board of a million dots at
// the top pays that walk on every pen move. The first dot of each run of a stroke carries the
// next ones as its children instead: same items, lines, pens and places (a dot sits at the
// scene's origin), stacked in the same order, with a sixteenth of the walk. Runs of 16 measured
// best: shorter ones leave more to walk, longer ones slow every press down.
void DiagramScene::extendStroke(const QPointF &pos)
{
    strokeUnderway = true; // also when the pen was chosen while the button was held
    penPoints.append(pos.toPoint());
    if (stylusPressure || !penWidths.isEmpty()) {
        // Widths only for a stroke a stylus drew; a mouse's points on it have the pen's own.
        penWidths.resize(penPoints.size() - 1, penWidth);
        penWidths.append(stylusPressure ? pressedWidth(*stylusPressure) : penWidth);
    }
    auto *dot = new PenDot(pos, dotPen());
    if (dotRunHead && dotsInRun < dotRunLength) {
        dot->setParentItem(dotRunHead); // joins the scene with it
        ++dotsInRun;
    } else {
        place(dot);
        dotRunHead = dot;
        dotsInRun = 1;
        strokeRuns.append(dot);
    }
    showLive(dot);
    makePartOfGesture(dot, tr("trazo"));
}

// From a third of the chosen width at the lightest touch to twice it at the firmest, in
// quarter pixels, so that dots of one width share a pen.
qreal DiagramScene::pressedWidth(qreal pressure) const
{
    const qreal width = penWidth * (1.0 / 3 + qBound(0.0, pressure, 1.0) * 5 / 3);
    return qMax(1, qRound(width * 4)) / 4.0;
}

// A dot drawn with pressure has the width of its point.
const QPen &DiagramScene::dotPen()
{
    if (penWidths.isEmpty())
        return strokePen();
    const int quarters = qRound(penWidths.last() * 4);
    const QPen &stroke = strokePen();
    auto found = pressurePens.find(quarters);
    if (found == pressurePens.end() || found->color() != stroke.color()) {
        QPen pen = stroke;
        pen.setWidthF(quarters / 4.0);
        pen.setCapStyle(Qt::RoundCap); // discs: a square would stick out where the width changes
        pen.setJoinStyle(Qt::RoundJoin);
        found = pressurePens.insert(quarters, pen);
    }
    return *found;
}

const QPen &DiagramScene::strokePen()
{
    // Every dot and stroke of one colour shares one pen.
    if (sharedStrokePen.color() != lineColor || sharedStrokePen.widthF() != penWidth) {
        sharedStrokePen = linePen(penWidth);
        // Square ends suit the default pen; on a broader one the square of every dot would
        // stick out at each bend, so broader strokes are round, each dot a disc inside the ink.
        if (penWidth > defaultPenWidth) {
            sharedStrokePen.setCapStyle(Qt::RoundCap);
            sharedStrokePen.setJoinStyle(Qt::RoundJoin);
        }
    }
    return sharedStrokePen;
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

void DiagramScene::followDraggedShape()
{
    if (mode == InsertLine || mode == CutRegion || selectionHasType(DiagramTextItem::Type))
        return;
    if (DiagramItem *shape = firstSelectedShape())
        showHandles(shape);
}

void DiagramScene::spanDraggedShape(const QPointF &pos)
{
    if (currentShape) {
        noteReshape(currentShape);
        currentShape->setRectCorners(dragStartScenePos, pos);
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

// A stylus's pressure sets the width of what it draws, and its eraser end erases whatever tool
// is chosen; the view that turned the stylus's event into this one told which.
void DiagramScene::followStylus(const QGraphicsSceneMouseEvent *event)
{
    stylusPressure = stylusDown ? std::optional<qreal>(stylusDown->pressure) : std::nullopt;
    if (stylusDown && stylusDown->eraserEnd && event->type() == QEvent::GraphicsSceneMousePress)
        beginEraserEnd();
}

void DiagramScene::beginEraserEnd()
{
    if (mode == Erase || modeBeforeEraserEnd)
        return;
    finishStroke(); // a stroke under way ends where the eraser begins
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
    if (cutGestureActive) {
        finishCut(event);
        return;
    }
    // A stroke ends as a stroke even if the tool changed while it was drawn, and so does what
    // any other tool had under way.
    finishStroke();
    BoardGesture *gesture = gestureFor(mode);
    const bool gestureEnded = gesture && gesture->release();
    finishGestures();
    if (gestureEnded || (mode == InsertLine && lineInProgress))
        return; // the line stays exactly as drawn
    switch (mode) {
    case DrawFreehand:
        break;
    case DrawRect:
        finishSpannedRect();
        break;
    default:
        settleSelection();
        break;
    }
}

void DiagramScene::makePartOfGesture(QGraphicsItem *item, const QString &step)
{
    gestureItems.append(item);
    gestureStep = step;
}

void DiagramScene::placeInGesture(QGraphicsItem *item, const QString &step)
{
    place(item);
    makePartOfGesture(item, step);
}

bool DiagramScene::isPartOfGesture(const QGraphicsItem *item) const
{
    return gestureItems.contains(const_cast<QGraphicsItem *>(item));
}

// The dots paint nothing themselves; the ink under way shows them until the stroke does.
void DiagramScene::showLive(QGraphicsLineItem *dot)
{
    if (dotsPaintThemselves) {
        dot->setFlag(QGraphicsItem::ItemHasNoContents, false);
        return;
    }
    if (!liveInk) {
        liveInk = new LiveInk;
        addItem(liveInk);
    }
    liveInk->addDot(dot);
}

void DiagramScene::finishStroke()
{
    if (liveInk) {
        removeItem(liveInk);
        delete std::exchange(liveInk, nullptr);
    }
    if (!std::exchange(strokeUnderway, false))
        return;
    // Of a stroke recorded part way, a rest that never moved on is only where it stood.
    if (std::exchange(strokeContinued, false) && penPoints.size() < 2) {
        penPoints.clear();
        penWidths.clear();
        return;
    }
    QPen pen = strokePen();
    if (!penWidths.isEmpty()) {
        penWidths.resize(penPoints.size(), penWidth);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    auto *stroke = new StrokeItem(QPolygonF(QPolygon(penPoints)), pen, std::exchange(penWidths, {}));
    stroke->setDotRuns(std::exchange(strokeRuns, {}), !dotsPaintThemselves);
    place(stroke);
    penPoints.clear();
    dotRunHead = nullptr;
    makePartOfGesture(stroke, tr("trazo"));
}

void DiagramScene::finishSpannedRect()
{
    if (currentShape) {
        currentShape->setFlag(QGraphicsItem::ItemIsMovable, true);
        // The handles were built before the last move reshaped the rectangle; put them on its
        // final corners.
        if (currentShape == handleOwner)
            showHandles(currentShape);
    }
    mode = MoveItem;
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
    lineInProgress = nullptr;
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
