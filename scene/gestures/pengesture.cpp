#include "pengesture.h"

#include "items/liveink.h"
#include "items/pendot.h"
#include "items/strokeitem.h"
#include "scene/diagramscene.h"

#include <QGraphicsLineItem>

// After any change Qt's scene walks every item at its top once, so a board of a million dots at
// the top would pay that walk on every pen move. The first dot of each run of a stroke carries
// the next ones as its children instead: same items, lines, pens and places (a dot sits at the
// scene's origin), stacked in the same order. Once the stroke is finished it carries the runs
// in turn, and only the stroke stays at the top.
void PenGesture::move(const QPointF &pos)
{
    underway = true; // also when the pen was chosen while the button was held
    points.append(pos.toPoint());
    const std::optional<qreal> pressure = scene.stylusPressure();
    const int penWidth = scene.freehandPenWidth();
    if (pressure || !widths.isEmpty()) {
        // Widths only for a stroke a stylus drew; a mouse's points on it have the pen's own.
        widths.resize(points.size() - 1, penWidth);
        widths.append(pressure ? pressedWidth(*pressure) : penWidth);
    }
    auto *dot = new PenDot(pos, dotPen());
    if (dotRunHead && dotsInRun < dotRunLength) {
        dot->setParentItem(dotRunHead); // joins the scene with it
        ++dotsInRun;
    } else {
        scene.place(dot);
        dotRunHead = dot;
        dotsInRun = 1;
        strokeRuns.append(dot);
    }
    showLive(dot);
    scene.addToGesture(dot, DiagramScene::tr("trazo"));
}

// From a third of the chosen width at the lightest touch to twice it at the firmest, in
// quarter pixels, so that dots of one width share a pen.
qreal PenGesture::pressedWidth(qreal pressure) const
{
    const qreal width = scene.freehandPenWidth() * (1.0 / 3 + qBound(0.0, pressure, 1.0) * 5 / 3);
    return qMax(1, qRound(width * 4)) / 4.0;
}

// A dot drawn with pressure has the width of its point.
const QPen &PenGesture::dotPen()
{
    if (widths.isEmpty())
        return strokePen();
    const int quarters = qRound(widths.last() * 4);
    const QPen &stroke = strokePen();
    auto found = pressurePens.find(quarters);
    if (found == pressurePens.end() || found->color() != stroke.color()) {
        QPen pen = stroke;
        pen.setWidthF(quarters / 4.0);
        pen.setCapStyle(Qt::RoundCap); // discs: a square would stick out where the width changes
        pen.setJoinStyle(Qt::RoundJoin);
        found = pressurePens.insert(quarters, pen);
    }
    return *found;
}

const QPen &PenGesture::strokePen()
{
    // Every dot and stroke of one colour shares one pen.
    const int penWidth = scene.freehandPenWidth();
    if (sharedStrokePen.color() != scene.currentLineColor()
        || sharedStrokePen.widthF() != penWidth) {
        sharedStrokePen = scene.linePen(penWidth);
        // Square ends suit the default pen; on a broader one the square of every dot would
        // stick out at each bend, so broader strokes are round, each dot a disc inside the ink.
        if (penWidth > DiagramScene::defaultPenWidth) {
            sharedStrokePen.setCapStyle(Qt::RoundCap);
            sharedStrokePen.setJoinStyle(Qt::RoundJoin);
        }
    }
    return sharedStrokePen;
}

// The dots paint nothing themselves; the ink under way shows them until the stroke does.
void PenGesture::showLive(QGraphicsLineItem *dot)
{
    if (!liveInk) {
        liveInk = new LiveInk;
        scene.addItem(liveInk);
    }
    liveInk->addDot(dot);
}

void PenGesture::finishStroke()
{
    if (liveInk) {
        scene.removeItem(liveInk);
        delete std::exchange(liveInk, nullptr);
    }
    if (!std::exchange(underway, false))
        return;
    // Of a stroke recorded part way, a rest that never moved on is only where it stood.
    if (std::exchange(continued, false) && points.size() < 2) {
        points.clear();
        widths.clear();
        return;
    }
    QPen pen = strokePen();
    if (!widths.isEmpty()) {
        widths.resize(points.size(), scene.freehandPenWidth());
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    auto *stroke = new StrokeItem(QPolygonF(QPolygon(points)), pen, std::exchange(widths, {}));
    stroke->setDotRuns(std::exchange(strokeRuns, {}));
    scene.place(stroke);
    if (carryDots)
        stroke->carryDotRuns();
    points.clear();
    dotRunHead = nullptr;
    scene.addToGesture(stroke, DiagramScene::tr("trazo"));
}

void PenGesture::finishSoFar()
{
    if (!underway || points.isEmpty())
        return;
    const QPoint reached = points.last();
    const bool pressed = !widths.isEmpty();
    const qreal reachedWidth = pressed ? widths.last() : scene.freehandPenWidth();
    finishStroke();
    if (scene.gestureUnderway() && scene.currentMode() == DiagramScene::DrawFreehand) {
        underway = true;
        continued = true;
        points.append(reached);
        if (pressed)
            widths.append(reachedWidth);
    }
}

bool PenGesture::isLiveInk(const QGraphicsItem *item) const
{
    return item == liveInk;
}

bool PenGesture::holds(const QGraphicsItem *item) const
{
    return item == dotRunHead || strokeRuns.contains(const_cast<QGraphicsItem *>(item));
}
