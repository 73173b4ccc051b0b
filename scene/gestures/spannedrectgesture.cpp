#include "spannedrectgesture.h"

#include "items/diagramitem.h"
#include "scene/diagramscene.h"

#include <QGraphicsSceneMouseEvent>

void SpannedRectGesture::press(const QGraphicsSceneMouseEvent &event)
{
    scene.clearSelection();
    const QPointF pos = event.scenePos();
    scene.setSpanOrigin(pos);
    auto *shape = new DiagramItem(scene.currentItemType(), scene.shapeMenu());
    shape->setBrush(QBrush(scene.currentItemColor(), Qt::SolidPattern));
    scene.placeInGesture(shape, DiagramScene::tr("rectángulo"));
    shape->setPen(scene.outlinePen());
    shape->setRectCorners(pos, pos);
    shape->setFlag(QGraphicsItem::ItemIsMovable, false);
    shape->setSelected(true);
    scene.setActiveShape(shape);
}

void SpannedRectGesture::move(const QPointF &pos)
{
    scene.spanActiveShape(pos);
}

bool SpannedRectGesture::release(const QGraphicsSceneMouseEvent &)
{
    if (DiagramItem *shape = scene.activeShape()) {
        shape->setFlag(QGraphicsItem::ItemIsMovable, true);
        // The handles were built before the last move reshaped the rectangle; put them on its
        // final corners.
        if (shape == scene.shapeWithHandles())
            scene.showHandles(shape);
    }
    scene.setMode(DiagramScene::MoveItem);
    return true;
}
