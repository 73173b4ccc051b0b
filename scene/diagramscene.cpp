#include "diagramscene.h"

#include "history/additemscommand.h"
#include "history/boardorder.h"
#include "history/removeitemscommand.h"
#include "items/diagramitempixmap.h"
#include "items/diagramtextitem.h"
#include "items/ellipseitem.h"
#include "items/lasertrails.h"
#include "items/pendot.h"
#include "items/strokeitem.h"
#include "scene/boardhost.h"
#include "scene/gestures/cutgesture.h"
#include "scene/gestures/linegesture.h"
#include "scene/gestures/pengesture.h"

#include <QGraphicsLineItem>
#include <QTextCursor>

#include <algorithm>
#include <iterator>

namespace {

constexpr int indexDepth = 9;

template<typename Item>
void forgetIfSame(Item *&reference, const QGraphicsItem *item)
{
    if (reference == item)
        reference = nullptr;
}
// Enough to take back a long run of mistakes; what the oldest steps hold is freed beyond it.
constexpr int historyLimit = 100;

} // namespace

DiagramScene::DiagramScene(QMenu *itemMenu, QObject *parent)
    : QGraphicsScene(parent)
    , itemMenu(itemMenu)
    , mainWindow(qobject_cast<BoardHost *>(parent))
{
    qRegisterMetaType<DiagramTextItem *>();
    qRegisterMetaType<DiagramScene::Mode>();
    // Left to itself the index picks its depth once, from the few items of the first update,
    // and keeps it: a board of a million dots would share 32 cells, and every repaint and
    // press would sort through tens of thousands of them. More cells make presses quicker but
    // repaints of the whole board slower, since Qt sorts what every cell returns. With a
    // stroke's dots in runs (whose first dots Qt sorts their children under), 512 cells made
    // presses and small repaints on a board of a million dots about three times as quick as
    // 128, with no change seen in a whole-board repaint.
    setBspTreeDepth(indexDepth);
    createGestures();
    laser = new LaserTrails(this);
    connect(laser, &LaserTrails::changed, this, [this](const QRectF &area) { update(area); });
    undoStack = new QUndoStack(this);
    undoStack->setUndoLimit(historyLimit);
    connect(undoStack, &QUndoStack::indexChanged, this, &DiagramScene::followHistory);
}

// The history goes first, while the scene still holds its items: the steps free only what is off
// the board.
DiagramScene::~DiagramScene()
{
    delete undoStack;
}

void DiagramScene::setMode(DiagramScene::Mode newMode)
{
    mode = newMode;
    modeBeforeEraserEnd.reset(); // a tool chosen while the eraser end erases stays chosen
}

void DiagramScene::setItemType(DiagramItem::DiagramType type)
{
    itemType = type;
}

QGraphicsItem *DiagramScene::firstSelectedItem() const
{
    const QList<QGraphicsItem *> selected = selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

DiagramItem *DiagramScene::firstSelectedShape() const
{
    return qgraphicsitem_cast<DiagramItem *>(firstSelectedItem());
}

bool DiagramScene::selectionHasType(int type) const
{
    const QList<QGraphicsItem *> selected = selectedItems();
    return std::any_of(selected.cbegin(), selected.cend(), [type](const QGraphicsItem *item) {
        return item->type() == type;
    });
}

// The setters store the value for new items and restyle only the first selected item, and only
// when it is of the matching kind.
void DiagramScene::setTextFont(const QFont &font)
{
    textFont = font;
    if (auto *text = qgraphicsitem_cast<DiagramTextItem *>(firstSelectedItem())) {
        changeItem<QFont>(
            text, tr("fuente"), [text](const QFont &f) { text->setFont(f); }, text->font(), textFont);
    }
}

void DiagramScene::setTextColor(const QColor &color)
{
    textColor = color;
    if (auto *text = qgraphicsitem_cast<DiagramTextItem *>(firstSelectedItem())) {
        changeItem<QColor>(
            text,
            tr("color"),
            [text](const QColor &c) { text->setDefaultTextColor(c); },
            text->defaultTextColor(),
            textColor);
    }
}

bool DiagramScene::isOnRecord(const QGraphicsItem *item) const
{
    if (pen->isLiveInk(item))
        return false;
    if (const auto *label = qgraphicsitem_cast<const DiagramTextItem *>(item))
        return label->isOnRecord();
    // A cut not yet done may still vanish: it may begin anew or its grab fail.
    return !isUnfinishedRegionPart(item) && !handles.contains(const_cast<QGraphicsItem *>(item));
}

void DiagramScene::setLabelsBoxed(bool boxed)
{
    boxedLabels = boxed;
    const QColor box = boxed ? itemColor : QColor();
    QList<DiagramTextItem *> recorded;
    for (QGraphicsItem *item : selectedItems()) {
        auto *label = qgraphicsitem_cast<DiagramTextItem *>(item);
        if (!label || label->box() == box)
            continue;
        if (isOnRecord(label))
            recorded.append(label);
        else
            label->setBox(box); // its step, when it gets one, holds it as it is by then
    }
    if (recorded.isEmpty())
        return;
    recordPendingGesture();
    undoStack->beginMacro(tr("recuadro"));
    for (DiagramTextItem *label : std::as_const(recorded)) {
        recordChange<QColor>(
            tr("recuadro"), [label](const QColor &c) { label->setBox(c); }, label->box(), box);
    }
    undoStack->endMacro();
}

// A shape's or an ellipse's fill.
void DiagramScene::setItemColor(const QColor &color)
{
    itemColor = color;
    QGraphicsItem *selected = firstSelectedItem();
    if (!selected
        || (selected->type() != DiagramItem::Type && selected->type() != EllipseItem::Type))
        return;
    auto *filled = static_cast<QAbstractGraphicsShapeItem *>(selected);
    changeItem<QBrush>(
        filled,
        tr("color"),
        [filled](const QBrush &b) { filled->setBrush(b); },
        filled->brush(),
        QBrush(itemColor, Qt::SolidPattern));
}

void DiagramScene::setLineColor(const QColor &color)
{
    lineColor = color;
}

void DiagramScene::recordAddition(const QList<QGraphicsItem *> &items, const QString &text)
{
    // Steps follow the order in which items joined the board, so that redo stacks them again as
    // they were: what a gesture under way made so far comes first.
    recordPendingGesture();
    recordArrival(items, text);
}

void DiagramScene::recordPendingGesture()
{
    if (!gestureItems.isEmpty() || !dragStart.isEmpty() || !outlinesBeforeReshape.isEmpty()
        || !erasedItems.isEmpty())
        recordGestureSoFar();
}

void DiagramScene::recordArrival(const QList<QGraphicsItem *> &items, const QString &text)
{
    // Items a command took off meanwhile belong to that command's step.
    QList<QGraphicsItem *> onBoard = items;
    onBoard.removeIf([this](const QGraphicsItem *item) { return item->scene() != this; });
    takeOnRecord(onBoard);
    if (!onBoard.isEmpty())
        undoStack->push(new AddItemsCommand(this, onBoard, text));
}

void DiagramScene::place(QGraphicsItem *item)
{
    // A stroke's dots and its ink stand together in the stacking order, as the board file keeps
    // them: whatever else joins the board while a stroke is drawn (a press before the last
    // release) comes after the whole stroke so far.
    if (pen && pen->strokeUnderway() && !dynamic_cast<PenDot *>(item)
        && !dynamic_cast<StrokeItem *>(item))
        recordGestureSoFar();
    BoardOrder::stamp(item, ++itemsPlaced);
    addItem(item);
}

// Qt would sort every item, each dot of every stroke among them, by its stacking order; the
// items at the top stack by their level and then by the order they joined the board (which the
// history keeps when they come back), so only those are sorted here.
QList<QGraphicsItem *> DiagramScene::boardItems() const
{
    QList<std::pair<std::pair<qreal, quint64>, QGraphicsItem *>> stacked;
    for (QGraphicsItem *item : topItems) {
        if (item->isVisible() && isOnRecord(item))
            stacked.append({{item->zValue(), BoardOrder::of(item)}, item});
    }
    std::sort(stacked.begin(), stacked.end());
    QList<QGraphicsItem *> kept;
    kept.reserve(stacked.size());
    for (const auto &entry : std::as_const(stacked))
        kept.append(entry.second);
    return kept;
}

void DiagramScene::placeRestored(QGraphicsItem *item)
{
    if (auto *stroke = dynamic_cast<StrokeItem *>(item)) {
        // A stroke's dots were drawn before it and stand under it.
        if (pen->strokesCarryDots()) {
            stroke->carryDotRuns();
        } else {
            for (QGraphicsItem *head : stroke->dotRuns())
                place(head);
        }
    }
    place(item);
    if (auto *label = qgraphicsitem_cast<DiagramTextItem *>(item))
        wireLabel(label);
}

// Labels the history holds are never destroyed behind its back: an emptied one leaves through
// removeFromBoard() like everything else.
void DiagramScene::takeOnRecord(const QList<QGraphicsItem *> &items)
{
    for (QGraphicsItem *item : items) {
        // The history orders items at the top of the board; a child goes with its top item.
        if (!item->parentItem() && !BoardOrder::of(item)) // put on the board by other hands
            BoardOrder::stamp(item, ++itemsPlaced);
        auto *label = qgraphicsitem_cast<DiagramTextItem *>(item);
        if (label && !label->isOnRecord()) {
            label->setOnRecord();
            label->markEditStart();
        }
    }
}

// An edit still open becomes a step of its own before any other step, as if the presenter had
// clicked elsewhere: a label that only an undone step knew could never be taken back.
void DiagramScene::finishLabelEdit()
{
    DiagramTextItem *label = labelBeingEdited;
    if (!label || label->textInteractionFlags() == Qt::NoTextInteraction)
        return;
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    editorLostFocus(label);
}

// One label at a time is open for editing: opening another closes the one before.
void DiagramScene::labelEditStarted(DiagramTextItem *label)
{
    if (labelBeingEdited != label)
        finishLabelEdit();
    labelBeingEdited = label;
}

// What a gesture under way has made, moved or reshaped so far becomes its steps before another
// step is recorded; the rest of the gesture makes steps of its own.
void DiagramScene::recordGestureSoFar()
{
    recordDrag();
    recordReshape();
    // A stroke under way becomes a whole stroke of its own, with its ink and its dots in one
    // step; the rest of it, from where it stands, another.
    pen->finishSoFar();
    finishGestures();
    // What the gesture made joins the board before its eraser may take any of it away again.
    recordArrival(std::exchange(gestureItems, {}), gestureStep);
    recordErasure();
}

void DiagramScene::removeFromBoard(const QList<QGraphicsItem *> &items, const QString &text)
{
    finishLabelEdit();
    recordGestureSoFar();
    QList<QGraphicsItem *> onBoard;
    for (QGraphicsItem *item : items) {
        // A cut under way keeps its frame and its picture, still without the region, until it
        // ends; handles are no drawing.
        if (item->scene() == this && !isUnfinishedRegionPart(item) && !handles.contains(item)
            && !pen->isLiveInk(item))
            onBoard.append(item);
    }
    takeOnRecord(onBoard);
    if (!onBoard.isEmpty())
        undoStack->push(new RemoveItemsCommand(this, onBoard, text));
}

void DiagramScene::clearBoard()
{
    laser->clear();
    finishLabelEdit();
    recordGestureSoFar();
    hideHandles();
    forgetHandles();
    QList<QGraphicsItem *> everything = items();
    everything.removeIf([](const QGraphicsItem *item) { return item->parentItem() != nullptr; });
    const QBrush cleared(Qt::transparent, Qt::SolidPattern);
    if (everything.isEmpty() && backgroundBrush() == cleared)
        return;
    undoStack->beginMacro(tr("Limpiar"));
    removeFromBoard(everything, tr("Limpiar"));
    recordChange<QBrush>(
        tr("Limpiar"),
        [this](const QBrush &b) { setBackgroundBrush(b); },
        backgroundBrush(),
        cleared);
    undoStack->endMacro();
}

// Handles stand on what the history left on the board: rebuilt on a shape that is still there
// (its outline may have changed), gone with one that left.
void DiagramScene::followHistory()
{
    if (handleOwner && handleOwner->scene() == this)
        showHandles(handleOwner);
}

void DiagramScene::editorLostFocus(DiagramTextItem *item)
{
    QTextCursor cursor = item->textCursor();
    cursor.clearSelection();
    item->setTextCursor(cursor);
    if (item->scene() != this)
        return;

    // A new label becomes a step once it holds text; an emptied one leaves the board, as a step
    // that can bring back what it said; an edit of an existing one is one step.
    const bool empty = item->toPlainText().isEmpty();
    if (!item->isOnRecord()) {
        if (empty) {
            removeItem(item);
            item->deleteLater();
            return;
        }
        recordAddition({item}, tr("texto"));
        return;
    }
    const QString before = item->textAtEditStart();
    if (empty) {
        item->setPlainText(before);
        removeFromBoard({item}, tr("Borrar texto"));
        return;
    }
    const QString after = item->toPlainText();
    recordChange<QString>(
        tr("editar texto"),
        [item](const QString &text) {
            if (item->toPlainText() != text)
                item->setPlainText(text);
            item->markEditStart();
        },
        before,
        after);
}

void DiagramScene::reportLabelInsertionCut()
{
    showStatus(tr("Texto recortado: una etiqueta admite hasta %1 caracteres")
                   .arg(DiagramTextItem::maximumLength));
}

void DiagramScene::showStatus(const QString &message)
{
    if (mainWindow)
        mainWindow->showStatus(message);
}

void DiagramScene::forgetHandles()
{
    handlePoints.clear();
    handles.clear();
    draggedHandle = nullptr;
    handleDragActive = false;
    handleOwner = nullptr;
}

// Whatever moves an item while the pointer is handled (a drag, a view that replays the pointer
// after zooming) is part of the gesture's drag step.
void DiagramScene::itemAboutToMove(QGraphicsItem *item)
{
    if (handlingPointer && isOnRecord(item) && !dragStart.contains(item))
        dragStart.insert(item, item->pos());
}

void DiagramScene::itemLeavingScene(QGraphicsItem *item)
{
    (dynamic_cast<PenDot *>(item) ? topDots : topItems).remove(item);
    forgetHandle(item);
    if (item == handleOwner)
        hideHandles();
    forgetIfSame(currentShape, item);
    forgetIfSame(pinnedShape, item);
    if (auto *shape = qgraphicsitem_cast<DiagramItem *>(item))
        outlinesBeforeReshape.remove(shape);
    for (const auto &[mode, gesture] : gestures)
        gesture->forget(item);
    dragStart.remove(item);
}

// An item put on the board by other hands takes its place in the order of the board as it joins,
// where Qt stacks it too; the vertex handles are no part of the board.
void DiagramScene::itemJoinedScene(QGraphicsItem *item)
{
    if (!BoardOrder::of(item) && !handles.contains(item))
        BoardOrder::stamp(item, ++itemsPlaced);
    (dynamic_cast<PenDot *>(item) ? topDots : topItems).insert(item);
}

void DiagramScene::itemLeavingTop(QGraphicsItem *item)
{
    (dynamic_cast<PenDot *>(item) ? topDots : topItems).remove(item);
}

QList<QGraphicsItem *> DiagramScene::reportedTopItems() const
{
    return topItems.values() + topDots.values();
}

bool DiagramScene::holdsReferenceTo(const QGraphicsItem *item) const
{
    if (!isOnRecord(item) || item == labelBeingEdited.data())
        return true;
    const QGraphicsItem *referred[] = {currentShape, pinnedShape, handleOwner};
    return std::find(std::begin(referred), std::end(referred), item) != std::end(referred)
           || gestureHolds(item);
}

// What the gesture under way made, erased, moved or reshaped.
bool DiagramScene::gestureHolds(const QGraphicsItem *item) const
{
    auto *held = const_cast<QGraphicsItem *>(item);
    const bool heldByAGesture = std::any_of(gestures.cbegin(),
                                            gestures.cend(),
                                            [item](const auto &g) { return g.second->holds(item); });
    return heldByAGesture || gestureItems.contains(held) || erasedItems.contains(held)
           || dragStart.contains(held)
           || outlinesBeforeReshape.contains(qgraphicsitem_cast<DiagramItem *>(held));
}

// Keeps the two lists parallel when a handle goes without hideHandles().
void DiagramScene::forgetHandle(QGraphicsItem *item)
{
    const qsizetype handleIndex = handles.indexOf(item);
    if (handleIndex < 0)
        return;
    handles.removeAt(handleIndex);
    if (handleIndex < handlePoints.size())
        handlePoints.removeAt(handleIndex);
    if (item == draggedHandle) {
        draggedHandle = nullptr;
        handleDragActive = false;
    }
}
