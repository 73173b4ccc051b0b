#include "highlightgesture.h"

#include "items/highlightitem.h"
#include "scene/diagramscene.h"

#include <QGraphicsSceneMouseEvent>

namespace {

// The highlighter is this many times as broad as the pen.
constexpr int widthFactor = 4;
// Far below anything else: the other ink and the shapes are never hidden under it, whatever
// stacking they are given.
constexpr qreal highlightZValue = -1e6;

} // namespace

void HighlightGesture::press(const QGraphicsSceneMouseEvent &event)
{
    const QPointF pos = event.scenePos();
    finish();
    scene.clearSelection();
    QPen marker(ink());
    marker.setWidthF(scene.freehandPenWidth() * widthFactor);
    auto *stroke = new HighlightItem(pos, marker);
    stroke->setZValue(highlightZValue);
    highlight = stroke;
    scene.placeInGesture(stroke, DiagramScene::tr("resaltador"));
}

void HighlightGesture::move(const QPointF &pos)
{
    if (highlight)
        highlight->extend(pos);
}

void HighlightGesture::finish()
{
    if (HighlightItemBase *done = std::exchange(highlight, nullptr))
        done->finish();
}

void HighlightGesture::forget(const QGraphicsItem *item)
{
    if (item == highlight)
        highlight = nullptr;
}

bool HighlightGesture::holds(const QGraphicsItem *item) const
{
    return item == highlight;
}
