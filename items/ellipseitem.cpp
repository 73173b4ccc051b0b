#include "ellipseitem.h"

EllipseItemBase::EllipseItemBase(const QRectF &rect)
    : QGraphicsEllipseItem(rect)
{
    setFlags(ItemIsSelectable | ItemIsMovable | ItemSendsGeometryChanges);
}
