#include "ellipsegesture.h"

#include "items/ellipseitem.h"
#include "scene/diagramscene.h"

#include <QGraphicsSceneMouseEvent>
#include <QGuiApplication>

void EllipseGesture::press(const QGraphicsSceneMouseEvent &event)
{
    scene.clearSelection();
    origin = event.scenePos();
    auto *item = new EllipseItem(QRectF(origin, origin));
    item->setPen(scene.outlinePen());
    item->setBrush(scene.currentItemColor());
    made = item;
    scene.placeInGesture(item, DiagramScene::tr("elipse"));
}

// Only an ellipse this gesture began follows the pointer; with Shift held, a circle.
void EllipseGesture::move(const QPointF &pos)
{
    if (made && scene.isPartOfGesture(made))
        made->setRect(spannedTo(pos));
}

QRectF EllipseGesture::spannedTo(const QPointF &pos) const
{
    QPointF corner = pos;
    if (QGuiApplication::keyboardModifiers() & Qt::ShiftModifier) {
        const QPointF span = pos - origin;
        const qreal side = qMax(qAbs(span.x()), qAbs(span.y()));
        corner = origin + QPointF(span.x() < 0 ? -side : side, span.y() < 0 ? -side : side);
    }
    return QRectF(origin, corner).normalized();
}
