#include "diagramview.h"

#include "items/lasertrails.h"
#include "scene/diagramscene.h"

#include <QCursor>
#include <QPainter>
#include <QPainterPath>
#include <QTabletEvent>

namespace {

constexpr int smallestRadius = 40;
constexpr int largestRadius = 800;
constexpr qreal radiusStep = 1.25;
// Dark enough to draw the eye to the circle, light enough to keep the rest readable.
const QColor spotlightShade(0, 0, 0, 170);

} // namespace

diagramview::diagramview(QGraphicsScene *scene)
    : QGraphicsView(scene)
    , viewScene(scene)
{
    followZoom();
}

void diagramview::followZoom()
{
    const QTransform zoom = transform();
    const bool oneToOne = qFuzzyCompare(zoom.m11(), 1.0) && qFuzzyCompare(zoom.m22(), 1.0)
                          && qFuzzyIsNull(zoom.m12()) && qFuzzyIsNull(zoom.m21());
    pinned = oneToOne;
    if (pinned) {
        pinToScreen();
        return;
    }
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setAlignment(Qt::AlignCenter);
    setSceneRect(QRectF()); // the scene's own rectangle again
}

// The view shows exactly the part of the scene its viewport covers, from the scene's origin:
// with nothing beyond it, Qt has nothing to scroll to, whatever asks (a label keeping its
// cursor in sight, a wheel, a drag past the edge).
void diagramview::pinToScreen()
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setSceneRect(QRectF(QPointF(0, 0), maximumViewportSize()));
}

void diagramview::resizeEvent(QResizeEvent *event)
{
    if (pinned)
        pinToScreen();
    QGraphicsView::resizeEvent(event);
}

diagramview::~diagramview() = default;

void diagramview::setLaserTrails(LaserTrails *trails)
{
    laser = trails;
}

void diagramview::showScene(DiagramScene *page)
{
    viewScene = page;
    setScene(page);
    setLaserTrails(page->laserTrails());
    followZoom();
}

void diagramview::drawForeground(QPainter *painter, const QRectF &rect)
{
    if (laser)
        laser->paint(painter, rect);
    if (spotlightOn)
        paintSpotlight(painter);
}

void diagramview::paintSpotlight(QPainter *painter) const
{
    painter->save();
    painter->resetTransform(); // the viewport's pixels
    painter->setRenderHint(QPainter::Antialiasing);
    QPainterPath shade;
    shade.setFillRule(Qt::OddEvenFill);
    shade.addRect(viewport()->rect());
    shade.addEllipse(QPointF(spotlightCentre), radius, radius);
    painter->fillPath(shade, spotlightShade);
    painter->restore();
}

QRect diagramview::spotlightCircle() const
{
    return QRect(spotlightCentre - QPoint(radius, radius), QSize(2 * radius, 2 * radius))
        .adjusted(-2, -2, 2, 2);
}

void diagramview::setSpotlight(bool on)
{
    if (on == spotlightOn)
        return;
    spotlightOn = on;
    if (on) {
        viewport()->setMouseTracking(true); // the circle follows the pointer without a button
        spotlightCentre = viewport()->mapFromGlobal(QCursor::pos());
    }
    viewport()->update();
    emit spotlightToggled(on);
}

void diagramview::setSpotlightRadius(int pixels)
{
    const int bounded = qBound(smallestRadius, pixels, largestRadius);
    if (bounded == radius)
        return;
    const QRect before = spotlightCircle();
    radius = bounded;
    if (spotlightOn)
        viewport()->update(before | spotlightCircle());
    emit spotlightResized(radius);
}

void diagramview::stepSpotlight(int direction)
{
    setSpotlightRadius(qRound(direction > 0 ? radius * radiusStep : radius / radiusStep));
}

// Only the circle's old and new places change as it follows the pointer.
void diagramview::moveSpotlight(const QPoint &to)
{
    if (to == spotlightCentre)
        return;
    const QRect before = spotlightCircle();
    spotlightCentre = to;
    viewport()->update(before | spotlightCircle());
}

void diagramview::mouseMoveEvent(QMouseEvent *event)
{
    if (spotlightOn)
        moveSpotlight(event->position().toPoint());
    QGraphicsView::mouseMoveEvent(event);
}

void diagramview::wheelEvent(QWheelEvent *event)
{
    if (!spotlightOn) {
        QGraphicsView::wheelEvent(event);
        return;
    }
    if (const int steps = event->angleDelta().y(); steps != 0)
        stepSpotlight(steps > 0 ? +1 : -1);
    event->accept();
}

bool diagramview::viewportEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
        followStylus(static_cast<QTabletEvent *>(event));
        return true;
    default:
        return QGraphicsView::viewportEvent(event);
    }
}

// A stylus draws as the mouse does: its events go on as the mouse's, and the board learns its
// pressure and which end touches for the time of each. Taken here, the stylus's events are not
// turned into the mouse's a second time by Qt.
void diagramview::followStylus(QTabletEvent *event)
{
    auto *board = qobject_cast<DiagramScene *>(scene());
    if (board) {
        board->setStylusDown(
            DiagramScene::Stylus{event->pressure(),
                                 event->pointerType() == QPointingDevice::PointerType::Eraser});
    }
    QMouseEvent mouse(event->type() == QEvent::TabletPress     ? QEvent::MouseButtonPress
                      : event->type() == QEvent::TabletRelease ? QEvent::MouseButtonRelease
                                                               : QEvent::MouseMove,
                      event->position(),
                      event->globalPosition(),
                      event->button(),
                      event->buttons(),
                      event->modifiers(),
                      event->pointingDevice());
    switch (mouse.type()) {
    case QEvent::MouseButtonPress:
        mousePressEvent(&mouse);
        break;
    case QEvent::MouseButtonRelease:
        mouseReleaseEvent(&mouse);
        break;
    default:
        mouseMoveEvent(&mouse);
        break;
    }
    if (board)
        board->setStylusDown(std::nullopt);
    event->accept();
}
