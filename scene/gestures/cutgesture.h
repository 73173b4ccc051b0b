#pragma once

#include "boardgesture.h"

#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QRect>

class DiagramItem;
class diagramItemPixmap;

// The region cut: a dragged rectangle becomes a picture on the board and an image on the
// clipboard. The screen is read a moment after the release, once the marking frame is gone; a
// cut ends as a cut whatever the mode is by its release. Other tools that turn a region of the
// screen into a picture derive from it and say what becomes of the pixels.
class CutGesture : public QObject, public BoardGesture
{
    Q_OBJECT

public:
    explicit CutGesture(DiagramScene &scene);

    void press(const QGraphicsSceneMouseEvent &event) override;
    bool sharesMoves() const override { return true; }
    bool handlesFollowDrags() const override { return false; }
    void move(const QPointF &pos) override;
    bool release(const QGraphicsSceneMouseEvent &event) override;
    void forget(const QGraphicsItem *item) override;
    bool holds(const QGraphicsItem *item) const override;

    // A cut press has been seen and its release not yet.
    bool underway() const { return pressed; }
    bool grabPending() const { return awaitingGrab; }
    diagramItemPixmap *newestPicture() const { return picture; }
    // Whether the item is part of a cut not yet done (its frame, its picture still without the
    // region), which may still vanish and is no part of the board's history.
    bool isUnfinishedPart(const QGraphicsItem *item) const;
    // Copies the region of a finished cut, if it waits for that.
    void copyRegion();

protected:
    // What becomes of the region's pixels: the cut shows them in its picture, with the grey
    // background, as one step, and puts them on the clipboard.
    virtual void keepRegion(const QPixmap &pixels, const QPoint &shift);
    // Said when the system gives no picture of the screen.
    virtual QString failureMessage() const;
    // Whether the board returns to the pointer once the region is marked.
    virtual bool returnsToPointer() const { return true; }
    // Gives the picture the pixels, moved by how far the part on the board's screen starts
    // within the region; it may be moved from now on. Null when the picture has gone meanwhile.
    diagramItemPixmap *showInPicture(const QPixmap &pixels, const QPointF &shift);

private:
    QPoint startScreenPos;
    QRect region;                         // the screen region a finished cut copies
    bool awaitingGrab = false;            // the cut is finished, its region not yet copied
    bool pressed = false;                 // a cut press has been seen and its release not yet
    DiagramItem *marker = nullptr;        // the marking rectangle of the cut being dragged
    diagramItemPixmap *picture = nullptr; // the newest cut picture
};
