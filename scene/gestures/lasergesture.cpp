#include "lasergesture.h"

#include "items/lasertrails.h"
#include "scene/diagramscene.h"

#include <QGraphicsSceneMouseEvent>

namespace {

// Thick enough to find on a shared screen whatever the pen's width.
constexpr qreal minimumWidth = 5;

} // namespace

void LaserGesture::press(const QGraphicsSceneMouseEvent &event)
{
    const QPointF pos = event.scenePos();
    const qreal width = qMax<qreal>(minimumWidth, scene.freehandPenWidth());
    scene.laserTrails()->begin(pos, ink(), width);
}

void LaserGesture::move(const QPointF &pos)
{
    scene.laserTrails()->extend(pos);
}

void LaserGesture::finish()
{
    scene.laserTrails()->end();
}
