#pragma once

#include <QPointF>

class DiagramScene;
class QGraphicsItem;

// What one of the board's added tools does with the pointer while its mode is chosen. The
// scene's pointer handlers forward the left button's press and moves in that mode here; the
// scene keeps the history and the board's one way in and out, which a gesture reaches through
// the scene's public functions.
class BoardGesture
{
public:
    explicit BoardGesture(DiagramScene &scene)
        : scene(scene)
    {}
    virtual ~BoardGesture() = default;

    // A left press in the gesture's mode.
    virtual void press(const QPointF &pos) = 0;
    // A move with the left button held in the gesture's mode.
    virtual void move(const QPointF &pos) = 0;
    // The release in the gesture's mode; false when there was nothing of the gesture to end,
    // and the release settles the selection as it does in the pointer's mode.
    virtual bool release() { return true; }
    // Ends what the gesture has under way, whatever the mode is by now: at every release, and
    // before any other step of the history is recorded.
    virtual void finish() {}
    // Whether the moves also reach the items and the coordinates first, as a line's do; a
    // marker's moves are its own.
    virtual bool sharesMoves() const { return false; }
    // An item is leaving the board: a gesture that refers to it lets go.
    virtual void forget(const QGraphicsItem *) {}

protected:
    DiagramScene &scene; // the board the gesture draws on
};
