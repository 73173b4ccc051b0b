// The region cut: a dragged rectangle becomes a picture on the board and an image on the
// clipboard.
#include "diagramscene.h"

#include "items/diagramitempixmap.h"
#include "items/lasertrails.h"
#include "scene/boardhost.h"
#include "scene/markedregion.h"

#include <QClipboard>
#include <QGraphicsSceneMouseEvent>
#include <QGuiApplication>
#include <QTimer>

namespace {

// Time for the board to repaint without the marking frame and for a compositor to show that,
// before the screen is read.
constexpr int frameClearedDelayMs = 200;

} // namespace

void DiagramScene::beginCut(QGraphicsSceneMouseEvent *event)
{
    // A grab still waiting belongs to the previous picture; finish it before a new one exists.
    copyCutRegion();
    // A press again before the release begins the cut anew: nothing of the unfinished one stays.
    if (cutGestureActive) {
        delete cutMarker; // each clears its reference through itemLeavingScene()
        delete cutPixmapItem;
    }
    const QPointF pos = event->scenePos();
    dragStartScenePos = pos;
    cutStartScreenPos = event->screenPos();
    cutGestureActive = true;

    cutPixmapItem = new diagramItemPixmap;
    place(cutPixmapItem);
    cutPixmapItem->setFlag(QGraphicsItem::ItemIsMovable, false);

    auto *marker = new DiagramItem(itemType, itemMenu);
    marker->setBrush(QBrush(QColor(Qt::transparent), Qt::SolidPattern));
    place(marker);
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
    cutEndScreenPos = event->screenPos();
    cutEndScenePos = event->scenePos();
    delete cutMarker; // clears cutMarker and currentShape through itemLeavingScene()
    currentShape = nullptr;
    mode = MoveItem;
    if (cutPixmapItem) {
        cutPixmapItem->setOffset(QPointF(qMin(dragStartScenePos.x(), cutEndScenePos.x()),
                                         qMin(dragStartScenePos.y(), cutEndScenePos.y())));
    }
    // The picture is what the desktop shows there: no frame, selection outline, handle or laser
    // ink, which would stay on the board in it.
    clearSelection();
    hideHandles();
    laser->clear();
    // The marked rectangle, whichever way it was dragged, press and release pixels included.
    cutRegion = markedRegion(cutStartScreenPos, cutEndScreenPos);
    cutGrabPending = true;
    QTimer::singleShot(frameClearedDelayMs, this, &DiagramScene::copyCutRegion);
}

void DiagramScene::copyCutRegion()
{
    if (!std::exchange(cutGrabPending, false))
        return;
    // Only the board's screen is read; the picture starts where the part on it starts.
    const QRect region = mainWindow ? mainWindow->onBoardScreen(cutRegion) : QRect();
    const QPixmap pixmap = region.isEmpty() ? QPixmap()
                                            : mainWindow->grabScreenArea(region.x(),
                                                                         region.y(),
                                                                         region.width(),
                                                                         region.height());
    if (pixmap.isNull()) {
        // Nothing to show for it: no empty picture on the board, nothing on the clipboard.
        delete cutPixmapItem; // clears cutPixmapItem through itemLeavingScene()
        showStatus(tr("No se pudo copiar la zona: el sistema no entregó la imagen de la pantalla"));
        return;
    }
    QGuiApplication::clipboard()->setPixmap(pixmap, QClipboard::Clipboard);
    // The picture and the grey background are one step; the clipboard is left to the user. A
    // gesture begun meanwhile is a step of its own, before it.
    recordPendingGesture();
    history()->beginMacro(tr("Cortar"));
    if (cutPixmapItem) {
        // Movable only once it shows the region: until then no step may hold it.
        cutPixmapItem->setFlag(QGraphicsItem::ItemIsMovable, true);
        cutPixmapItem->setOffset(cutPixmapItem->offset() + region.topLeft() - cutRegion.topLeft());
        cutPixmapItem->setPixmap(pixmap);
        recordAddition({cutPixmapItem}, tr("Cortar"));
    }
    recordChange<QBrush>(
        tr("Cortar"),
        [this](const QBrush &brush) { setBackgroundBrush(brush); },
        backgroundBrush(),
        QBrush(Qt::gray, Qt::SolidPattern));
    history()->endMacro();
    showStatus(tr("Imagen copiada al portapapeles"));
}
