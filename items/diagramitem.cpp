#include "diagramitem.h"

#include <QDebug>
#include <QGraphicsScene>
#include <QGraphicsSceneContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>

namespace {

QPolygonF roundedRectFillPolygon()
{
    QPainterPath path;
    path.moveTo(200, 50);
    path.arcTo(150, 0, 50, 50, 0, 90);
    path.arcTo(50, 0, 50, 50, 90, 90);
    path.arcTo(50, 50, 50, 50, 180, 90);
    path.arcTo(150, 50, 50, 50, 270, 90);
    path.lineTo(200, 25);
    return path.toFillPolygon();
}

} // namespace

DiagramItem::DiagramItem(DiagramType diagramType, QMenu *contextMenu, QGraphicsItem *parent)
    : ReportsPresence(parent)
    , kind(diagramType)
    , contextMenu(contextMenu)
{
    buildOutline();
    QGraphicsPolygonItem::setPolygon(outline);
    setFlag(ItemIsMovable, true);
    setFlag(ItemIsSelectable, true);
    setFlag(ItemIsFocusable, true);
    setFlag(ItemSendsGeometryChanges, true);
    setFlag(ItemSendsScenePositionChanges, true);
    setCacheMode(DeviceCoordinateCache);
}

DiagramItem::~DiagramItem()
{
    // Give up focus while the item is whole: Qt's own focus-out during destruction
    // would build a fresh item cache that nothing frees any more.
    if (hasFocus())
        clearFocus();
}

void DiagramItem::buildOutline()
{
    switch (kind) {
    case Square:
        outline << QPointF(100, -100) << QPointF(100, 100) << QPointF(-100, 100)
                << QPointF(-100, -100);
        iconPolygon << QPointF(-100, -100) << QPointF(100, -100) << QPointF(100, 100)
                    << QPointF(-100, 100) << QPointF(-100, -100);
        break;
    case Diamond:
        outline << QPointF(0, 100) << QPointF(100, 0) << QPointF(0, -100) << QPointF(-100, 0);
        iconPolygon << QPointF(-100, 0) << QPointF(0, 100) << QPointF(100, 0) << QPointF(0, -100)
                    << QPointF(-100, 0);
        break;
    case RoundedRect:
        outline = roundedRectFillPolygon();
        iconPolygon = roundedRectFillPolygon();
        break;
    case Freehand:
        break;
    case CutRect:
    case FreeRect:
        qDebug("CUT!");
        break;
    default: // Parallelogram, and any value outside the enumeration
        outline << QPointF(-70, 80) << QPointF(120, 80) << QPointF(70, -80) << QPointF(-120, -80);
        iconPolygon << QPointF(-120, -80) << QPointF(-70, 80) << QPointF(120, 80)
                    << QPointF(70, -80) << QPointF(-120, -80);
        break;
    }
}

void DiagramItem::setOutline(const QPolygonF &polygon)
{
    outline = polygon;
    QGraphicsPolygonItem::setPolygon(outline);
}

void DiagramItem::setRectCorners(const QPointF &sceneCorner1, const QPointF &sceneCorner2)
{
    const QPointF a = mapFromScene(sceneCorner1);
    const QPointF b = mapFromScene(sceneCorner2);
    setOutline(QPolygonF() << a << QPointF(a.x(), b.y()) << b << QPointF(b.x(), a.y()));
}

QPixmap DiagramItem::image() const
{
    QPixmap pixmap(250, 250);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QPen(QBrush(Qt::black), 8, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.translate(125, 125);
    painter.drawPolyline(iconPolygon);
    return pixmap;
}

void DiagramItem::contextMenuEvent(QGraphicsSceneContextMenuEvent *event)
{
    // Without a menu a right-click does nothing at all, so it cannot silently drop a selection.
    if (!contextMenu) {
        event->ignore();
        return;
    }
    if (scene())
        scene()->clearSelection();
    setSelected(true);
    contextMenu->exec(event->screenPos());
}
