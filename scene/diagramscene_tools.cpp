// The drawing tools beside the pen: widths, the highlighter, the eraser, and the board's
// background.
#include "diagramscene.h"

#include "history/removeitemscommand.h"
#include "items/highlightitem.h"
#include "items/pendot.h"
#include "items/strokeitem.h"

#include <QPainterPath>
#include <QPainterPathStroker>

namespace {

// The highlighter is this many times as broad as the pen.
constexpr int highlightWidthFactor = 4;
// Far below anything else: the other ink and the shapes are never hidden under it, whatever
// stacking they are given.
constexpr qreal highlightZValue = -1e6;
constexpr qreal eraserRadius = 8;

} // namespace

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

void DiagramScene::startHighlight(const QPointF &pos)
{
    finishHighlight();
    clearSelection();
    QPen marker(highlightColor);
    marker.setWidthF(penWidth * highlightWidthFactor);
    auto *highlight = new HighlightItem(pos, marker);
    highlight->setZValue(highlightZValue);
    place(highlight);
    highlightInProgress = highlight;
    makePartOfGesture(highlight, tr("resaltador"));
}

void DiagramScene::extendHighlight(const QPointF &pos)
{
    if (highlightInProgress)
        highlightInProgress->extend(pos);
}

void DiagramScene::finishHighlight()
{
    if (HighlightItemBase *highlight = std::exchange(highlightInProgress, nullptr))
        highlight->finish();
}

// What the eraser may take: whatever holds ink, but not the handles, the cut's frame, a cut not
// yet copied or a label still being made. A stroke's dots go with the stroke, whose ink covers
// them.
bool DiagramScene::isErasable(const QGraphicsItem *item) const
{
    return item->isVisible() && !item->parentItem() && isOnRecord(item)
           && !dynamic_cast<const PenDot *>(item);
}

// Everything whose ink the eraser touches vanishes at once; the gesture's end records it as one
// step.
void DiagramScene::eraseAt(const QPointF &pos)
{
    // The whole way from the last place the eraser was seen, so that a quick sweep misses
    // nothing between two pointer events.
    QPainterPath way;
    way.moveTo(lastEraserPos.value_or(pos));
    way.lineTo(pos);
    QPainterPathStroker sweep;
    sweep.setWidth(2 * eraserRadius);
    sweep.setCapStyle(Qt::RoundCap);
    QPainterPath eraser = sweep.createStroke(way);
    eraser.addEllipse(pos, eraserRadius, eraserRadius);
    eraser.setFillRule(Qt::WindingFill);
    lastEraserPos = pos;
    const QList<QGraphicsItem *> touched = items(eraser, Qt::IntersectsItemShape);
    for (QGraphicsItem *item : touched) {
        if (!isErasable(item))
            continue;
        QList<QGraphicsItem *> parts{item};
        if (const auto *stroke = dynamic_cast<const StrokeItem *>(item))
            parts += stroke->dotRuns();
        for (QGraphicsItem *part : std::as_const(parts)) {
            if (part->scene() == this && part->isVisible()) {
                part->hide();
                erasedItems.append(part);
            }
        }
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
