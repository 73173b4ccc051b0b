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
constexpr qreal weakestLens = 1.25;
constexpr qreal strongestLens = 8.0;
constexpr qreal lensStep = 1.25;

} // namespace

diagramview::diagramview(QGraphicsScene *scene)
    : QGraphicsView(scene)
    , viewScene(scene)
{
    followZoom();
    connect(&rings, &ClickRings::changed, this, [this](const QRect &area) {
        viewport()->update(area);
    });
    connect(&keys, &KeyEcho::changed, this, [this] {
        const QRect box = keys.isShown() ? keys.boxIn(viewport()->rect()) : QRect();
        viewport()->update(keysBox | box);
        keysBox = box;
    });
}

void diagramview::clearEchoes()
{
    rings.clear();
    keys.clear();
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
    // The lens keeps its area; the scroll bars it hides may resize the viewport.
    if (lens) {
        QGraphicsView::resizeEvent(event);
        showLens();
        return;
    }
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
    if (lens)
        showLens();
    else
        followZoom();
}

void diagramview::startLens(const QPixmap &desktop)
{
    if (lens)
        return;
    lens = Lens{desktop,
                mapToScene(viewport()->rect()).boundingRect(),
                transform(),
                2.0,
                viewport()->mapFromGlobal(QCursor::pos())};
    viewport()->setMouseTracking(true); // it pans as the pointer moves without a button
    showLens();
    emit lensToggled(true);
    emit lensZoomed(lens->zoom);
}

void diagramview::stopLens()
{
    if (!lens)
        return;
    const QTransform unzoomed = lens->unzoomed;
    lens.reset();
    setTransform(unzoomed);
    followZoom();
    viewport()->update();
    emit lensToggled(false);
}

void diagramview::stepLens(int direction)
{
    if (!lens)
        return;
    const qreal zoom = qBound(weakestLens,
                              direction > 0 ? lens->zoom * lensStep : lens->zoom / lensStep,
                              strongestLens);
    if (qFuzzyCompare(zoom, lens->zoom))
        return;
    lens->zoom = zoom;
    showLens();
    emit lensZoomed(zoom);
}

// The pointer's place in the viewport chooses the part shown: at an edge of the screen, that
// edge of the area; under the pointer, the point of the area the pointer would be over unzoomed.
void diagramview::showLens()
{
    const QSizeF shown = lens->area.size() / lens->zoom;
    const QSizeF room = lens->area.size() - shown;
    const QSize viewportSize = viewport()->size();
    const qreal across = qBound(0.0, lens->pointer.x() / qMax(1, viewportSize.width()), 1.0);
    const qreal down = qBound(0.0, lens->pointer.y() / qMax(1, viewportSize.height()), 1.0);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTransform(QTransform(lens->unzoomed).scale(lens->zoom, lens->zoom));
    setSceneRect(
        QRectF(lens->area.topLeft() + QPointF(across * room.width(), down * room.height()), shown));
}

void diagramview::drawBackground(QPainter *painter, const QRectF &rect)
{
    if (lens && !lens->desktop.isNull()) {
        painter->save();
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        painter->drawPixmap(lens->area, lens->desktop, QRectF(lens->desktop.rect()));
        painter->restore();
    }
    QGraphicsView::drawBackground(painter, rect);
}

void diagramview::drawForeground(QPainter *painter, const QRectF &rect)
{
    if (laser)
        laser->paint(painter, rect);
    if (spotlightOn)
        paintSpotlight(painter);
    if (!rings.isEmpty() || keys.isShown()) {
        painter->save();
        painter->resetTransform(); // the viewport's pixels
        rings.paint(painter);
        keys.paint(painter, viewport()->rect());
        painter->restore();
    }
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
    // While a button is held the view stands still, so that what is drawn follows the pointer.
    if (lens && event->buttons() == Qt::NoButton && event->position() != lens->pointer) {
        lens->pointer = event->position();
        showLens();
    }
    if (spotlightOn)
        moveSpotlight(event->position().toPoint());
    QGraphicsView::mouseMoveEvent(event);
}

void diagramview::wheelEvent(QWheelEvent *event)
{
    if (lens) {
        if (const int steps = event->angleDelta().y(); steps != 0)
            stepLens(steps > 0 ? +1 : -1);
        event->accept();
        return;
    }
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
