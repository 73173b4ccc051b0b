// The region cut: a dragged rectangle becomes a picture on the board and an image on the
// clipboard.
#include "diagramscene.h"

#include "app/mainwindow.h"
#include "app/screengeometry.h"
#include "items/diagramitempixmap.h"

#include <QClipboard>
#include <QGraphicsSceneMouseEvent>
#include <QGuiApplication>
#include <QStatusBar>

void DiagramScene::beginCut(QGraphicsSceneMouseEvent *event)
{
    const QPointF pos = event->scenePos();
    dragStartScenePos = pos;
    cutStartScreenPos = event->screenPos();
    cutGestureActive = true;

    cutPixmapItem = new diagramItemPixmap;
    addItem(cutPixmapItem);
    cutPixmapItem->setFlag(QGraphicsItem::ItemIsMovable, false);

    auto *marker = new DiagramItem(itemType, itemMenu);
    marker->setBrush(QBrush(QColor(Qt::transparent), Qt::SolidPattern));
    addItem(marker);
    marker->setPen(linePen(2));
    marker->setRectCorners(dragStartScenePos, pos);
    marker->setFlag(QGraphicsItem::ItemIsMovable, false);
    marker->setSelected(true);
    currentShape = marker;
    cutMarker = marker;
}

void DiagramScene::finishCut(QGraphicsSceneMouseEvent *event)
{
    // A release whose press was made in another mode has no region to copy.
    if (!std::exchange(cutGestureActive, false))
        return;
    if (cutPixmapItem)
        cutPixmapItem->setFlag(QGraphicsItem::ItemIsMovable, true);
    cutEndScreenPos = event->screenPos();
    cutEndScenePos = event->scenePos();
    delete cutMarker; // clears cutMarker and currentShape through itemLeavingScene()
    currentShape = nullptr;
    mode = MoveItem;
    copyCutRegion();
}

void DiagramScene::copyCutRegion()
{
    // The marked rectangle, whichever way it was dragged, press and release pixels included.
    const QRect region = markedRegion(cutStartScreenPos, cutEndScreenPos);
    const QPixmap pixmap = mainWindow ? mainWindow->grabScreenArea(region.x(),
                                                                   region.y(),
                                                                   region.width(),
                                                                   region.height())
                                      : QPixmap();
    if (cutPixmapItem) {
        cutPixmapItem->setPixmap(pixmap);
        cutPixmapItem->setOffset(QPointF(qMin(dragStartScenePos.x(), cutEndScenePos.x()),
                                         qMin(dragStartScenePos.y(), cutEndScenePos.y())));
    }
    QGuiApplication::clipboard()->setPixmap(pixmap, QClipboard::Clipboard);
    setBackgroundBrush(QBrush(Qt::gray, Qt::SolidPattern));
    if (mainWindow)
        mainWindow->statusBar()->showMessage(tr("Imagen copiada al portapapeles"), 0);
}
