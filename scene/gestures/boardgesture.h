#pragma once

#include <QColor>
#include <QPointF>

class DiagramScene;
class QGraphicsItem;
class QGraphicsSceneMouseEvent;

// What the pointer does on the board while one mode is chosen. The scene forwards the left
// button's press, moves and release in that mode here and does only what every mode shares: the
// items under the pointer, the vertex handles and the history, which a gesture reaches through
// the scene's public functions. A gesture keeps what it has under way itself.
class BoardGesture
{
public:
    explicit BoardGesture(DiagramScene &scene)
        : scene(scene)
    {}
    virtual ~BoardGesture() = default;

    // A left press in the gesture's mode.
    virtual void press(const QGraphicsSceneMouseEvent &event) = 0;
    // Whether the items under the pointer take the press after the gesture (selected and
    // grabbed by Qt, a vertex handle grabbed), as they do for the pointer.
    virtual bool itemsTakePress() const { return false; }
    // Whether a press the items take may grab a vertex handle; a stroke begun on one is a stroke.
    virtual bool grabsHandles() const { return true; }
    // A move with the left button held in the gesture's mode.
    virtual void move(const QPointF &) {}
    // Whether the moves also reach the items, the coordinates and the handles first, as a
    // line's do; a marker's moves are its own.
    virtual bool sharesMoves() const { return false; }
    // Whether, in those moves, the handles follow a dragged shape; a line's or a cut's drag
    // draws rather than moves.
    virtual bool handlesFollowDrags() const { return true; }
    // The release in the gesture's mode; false when there was nothing of the gesture to end,
    // and the release settles the selection as it does in the pointer's mode.
    virtual bool release(const QGraphicsSceneMouseEvent &) { return true; }
    // Ends what the gesture has under way, whatever the mode is by now: at every release, and
    // before any other step of the history is recorded.
    virtual void finish() {}
    // A release settled the selection: what the gesture kept of its last press is done with.
    virtual void selectionSettled() {}
    // An item is leaving the board: a gesture that refers to it lets go.
    virtual void forget(const QGraphicsItem *) {}
    // Whether the gesture refers to the item, so that it must stay alive.
    virtual bool holds(const QGraphicsItem *) const { return false; }

    // The colour of its ink, for a tool whose ink has a colour of its own.
    void setInk(const QColor &colour) { inkColour = colour; }
    QColor ink() const { return inkColour; }

protected:
    DiagramScene &scene; // the board the gesture draws on

private:
    QColor inkColour;
};
