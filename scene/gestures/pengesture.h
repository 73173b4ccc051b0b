#pragma once

#include "boardgesture.h"

#include <QHash>
#include <QList>
#include <QPen>
#include <QPoint>

class LiveInk;
class QGraphicsLineItem;

// The pen: a freehand stroke from the press to the release, in the line colour and the pen's
// width, widening with a stylus's pressure. A dot goes down at every point as it is drawn; the
// release makes the stroke that stands for them. Whatever the mode is by then, a stroke under
// way ends as a stroke.
class PenGesture : public BoardGesture
{
public:
    using BoardGesture::BoardGesture;

    void press(const QGraphicsSceneMouseEvent &) override { underway = true; }
    bool itemsTakePress() const override { return true; }
    bool grabsHandles() const override { return false; }
    void move(const QPointF &pos) override;
    bool holds(const QGraphicsItem *item) const override;

    // Whether a stroke was begun and is not yet finished.
    bool strokeUnderway() const { return underway; }
    // Makes the stroke under way (an empty one for a click).
    void finishStroke();
    // The stroke so far becomes a whole stroke of its own; while the pen still draws, the rest
    // goes on from where it stands as another.
    void finishSoFar();
    // Whether the item is the ink that shows the stroke under way, which is no part of the board.
    bool isLiveInk(const QGraphicsItem *item) const;
    void setDotRunLength(int length) { dotRunLength = qMax(1, length); }
    // Whether a finished stroke carries its runs of dots (see StrokeItem), or leaves them at the
    // top of the scene as they were drawn.
    void setStrokesCarryDots(bool carry) { carryDots = carry; }
    bool strokesCarryDots() const { return carryDots; }

private:
    qreal pressedWidth(qreal pressure) const;
    const QPen &dotPen();
    const QPen &strokePen();
    void showLive(QGraphicsLineItem *dot);

    QList<QPoint> points;
    // The widths along the stroke, one for each point, when a stylus drew it.
    QList<qreal> widths;
    QGraphicsItem *dotRunHead = nullptr; // the first dot of the stroke's current run
    int dotsInRun = 0;
    int dotRunLength = 16;
    bool carryDots = true;
    QList<QGraphicsItem *> strokeRuns; // the first dots of the runs of the stroke
    LiveInk *liveInk = nullptr;        // shows the stroke under way
    bool underway = false;             // a stroke was begun and is not yet finished
    bool continued = false;            // it goes on from a part already recorded
    QPen sharedStrokePen;          // the pen of dots and strokes, rebuilt when the colour changes
    QHash<int, QPen> pressurePens; // dot pens by width in quarter pixels
};
