#include "cutgesture.h"

#include "items/diagramitem.h"
#include "items/diagramitempixmap.h"
#include "items/lasertrails.h"
#include "scene/boardhost.h"
#include "scene/diagramscene.h"
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

// Owned by the scene's gestures, not by a parent: the timer of a grab goes with it.
CutGesture::CutGesture(DiagramScene &scene)
    : BoardGesture(scene)
{}

void CutGesture::press(const QGraphicsSceneMouseEvent &event)
{
    // A grab still waiting belongs to the previous picture; finish it before a new one exists.
    copyRegion();
    // A press again before the release begins the cut anew: nothing of the unfinished one stays.
    if (pressed) {
        delete marker; // each clears its reference through forget()
        delete picture;
    }
    const QPointF pos = event.scenePos();
    scene.setSpanOrigin(pos);
    startScreenPos = event.screenPos();
    pressed = true;

    picture = new diagramItemPixmap;
    scene.place(picture);
    picture->setFlag(QGraphicsItem::ItemIsMovable, false);

    auto *frame = new DiagramItem(scene.currentItemType(), scene.shapeMenu());
    frame->setBrush(QBrush(QColor(Qt::transparent), Qt::SolidPattern));
    scene.place(frame);
    frame->setPen(scene.outlinePen());
    frame->setRectCorners(pos, pos);
    frame->setFlag(QGraphicsItem::ItemIsMovable, false);
    frame->setSelected(true);
    scene.setActiveShape(frame);
    marker = frame;
}

void CutGesture::move(const QPointF &pos)
{
    scene.spanActiveShape(pos);
}

bool CutGesture::release(const QGraphicsSceneMouseEvent &event)
{
    // A release whose press was made in another mode has no region to copy.
    if (!std::exchange(pressed, false))
        return false;
    delete marker; // clears marker and the active shape through forget()
    scene.setActiveShape(nullptr);
    if (returnsToPointer())
        scene.setMode(DiagramScene::MoveItem);
    const QPointF origin = scene.spanOrigin();
    const QPointF end = event.scenePos();
    if (picture)
        picture->setOffset(QPointF(qMin(origin.x(), end.x()), qMin(origin.y(), end.y())));
    // The picture is what the desktop shows there: no frame, selection outline, handle or laser
    // ink, which would stay on the board in it.
    scene.clearSelection();
    scene.hideHandles();
    scene.laserTrails()->clear();
    // The marked rectangle, whichever way it was dragged, press and release pixels included.
    region = markedRegion(startScreenPos, event.screenPos());
    awaitingGrab = true;
    QTimer::singleShot(frameClearedDelayMs, this, &CutGesture::copyRegion);
    return true;
}

void CutGesture::copyRegion()
{
    if (!std::exchange(awaitingGrab, false))
        return;
    // Only the board's screen is read; the picture starts where the part on it starts.
    BoardHost *host = scene.host();
    const QRect onScreen = host ? host->onBoardScreen(region) : QRect();
    const QPixmap pixmap = onScreen.isEmpty() ? QPixmap()
                                              : host->grabScreenArea(onScreen.x(),
                                                                     onScreen.y(),
                                                                     onScreen.width(),
                                                                     onScreen.height());
    if (pixmap.isNull()) {
        // Nothing to show for it: no empty picture on the board, nothing on the clipboard.
        delete picture; // clears picture through forget()
        scene.showStatus(failureMessage());
        return;
    }
    keepRegion(pixmap, onScreen.topLeft() - region.topLeft());
}

QString CutGesture::failureMessage() const
{
    return DiagramScene::tr(
        "No se pudo copiar la zona: el sistema no entregó la imagen de la pantalla");
}

void CutGesture::keepRegion(const QPixmap &pixels, const QPoint &shift)
{
    QGuiApplication::clipboard()->setPixmap(pixels, QClipboard::Clipboard);
    // The picture and the grey background are one step; the clipboard is left to the user. A
    // gesture begun meanwhile is a step of its own, before it.
    scene.recordPendingGesture();
    scene.history()->beginMacro(DiagramScene::tr("Cortar"));
    if (diagramItemPixmap *shown = showInPicture(pixels, shift))
        scene.recordAddition({shown}, DiagramScene::tr("Cortar"));
    scene.recordChange<QBrush>(
        DiagramScene::tr("Cortar"),
        [this](const QBrush &brush) { scene.setBackgroundBrush(brush); },
        scene.backgroundBrush(),
        QBrush(Qt::gray, Qt::SolidPattern));
    scene.history()->endMacro();
    scene.showStatus(DiagramScene::tr("Imagen copiada al portapapeles"));
}

diagramItemPixmap *CutGesture::showInPicture(const QPixmap &pixels, const QPointF &shift)
{
    if (!picture)
        return nullptr;
    // Movable only once it shows the region: until then no step may hold it.
    picture->setFlag(QGraphicsItem::ItemIsMovable, true);
    picture->setOffset(picture->offset() + shift);
    picture->setPixmap(pixels);
    return picture;
}

bool CutGesture::isUnfinishedPart(const QGraphicsItem *item) const
{
    return item == marker || (item == picture && (pressed || awaitingGrab));
}

void CutGesture::forget(const QGraphicsItem *item)
{
    if (item == marker)
        marker = nullptr;
    if (item == picture)
        picture = nullptr;
}

bool CutGesture::holds(const QGraphicsItem *item) const
{
    return item == picture;
}
