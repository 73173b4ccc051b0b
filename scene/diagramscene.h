#pragma once

#include "history/changecommand.h"
#include "items/diagramitem.h"
#include "items/diagramtextitem.h"
#include "items/itempresencelistener.h"

#include <QColor>
#include <QFont>
#include <QGraphicsScene>
#include <QList>
#include <QPen>
#include <QPointer>
#include <QSet>
#include <QUndoStack>

#include <map>
#include <memory>
#include <optional>

class BoardHost;
class BoardGesture;
class CutGesture;
class LineGesture;
class PenGesture;
class LaserTrails;
class QGraphicsLineItem;
class QGraphicsTextItem;
class QMenu;
class diagramItemPixmap;

// The board's scene: everything drawn, the interaction mode and the formatting for new items.
//
// Everything the presenter changes on the board is a step of its history: items join the board
// through recordAddition() (gestures add them as they go, then record them) and leave it only
// through removeFromBoard() or clearBoard(), which keep them alive for undo; changes of one
// value go through recordChange().
//
// The scene keeps plain references to single items (the shape with handles, the line being
// drawn, the newest cut picture, the dragged handle). Each of those item classes reports when it
// leaves the scene, and itemLeavingScene() forgets it, so a stale reference is never used.
class DiagramScene : public QGraphicsScene, public ItemPresenceListener
{
    Q_OBJECT

public:
    // A fixed underlying type: any int may be stored, and unknown values act as MoveItem.
    enum Mode : int {
        InsertItem,
        InsertLine,
        InsertText,
        MoveItem,
        DrawFreehand,
        CutRegion,
        DrawRect,
        DrawHighlight,
        Erase,
        InsertArrow,
        DrawLaser
    };
    Q_ENUM(Mode)

    DiagramScene(QMenu *itemMenu, QObject *parent);
    ~DiagramScene() override;

    void setTextFont(const QFont &font);
    void setTextFontForNewItems(const QFont &font) { textFont = font; }
    void setTextColor(const QColor &color);
    void setItemColor(const QColor &color);
    void setLineColor(const QColor &color);
    bool selectionHasType(int type) const;
    void forgetHandles();

    void showHandles(DiagramItem *shape);
    void hideHandles();

    QUndoStack *history() const { return undoStack; }
    // Whether the history may hold the item: not a handle, the cut's marking frame, or a label
    // that is still being made.
    bool isOnRecord(const QGraphicsItem *item) const;
    void recordAddition(const QList<QGraphicsItem *> &items, const QString &text);
    void removeFromBoard(const QList<QGraphicsItem *> &items, const QString &text);
    void clearBoard();
    void finishLabelEdit();
    // Applies after through apply and records the change as one step; nothing when the value
    // does not change.
    template<typename Value>
    void recordChange(const QString &text,
                      std::function<void(const Value &)> apply,
                      const Value &before,
                      const Value &after)
    {
        if (before == after)
            return;
        // What a gesture under way made or moved so far becomes its steps first: the change may
        // concern it, and a step must never refer to an item no earlier step put on the board.
        recordPendingGesture();
        pushChange<Value>(text, std::move(apply), before, after);
    }
    // The same for a change of one item; an item the history may not hold (a label still being
    // made, the cut's frame) simply changes, as part of what it is becoming.
    template<typename Value>
    void changeItem(const QGraphicsItem *item,
                    const QString &text,
                    std::function<void(const Value &)> apply,
                    const Value &before,
                    const Value &after)
    {
        if (isOnRecord(item))
            recordChange<Value>(text, std::move(apply), before, after);
        else
            apply(after);
    }

    // What the pen draws with until the presenter chooses.
    static constexpr int defaultPenWidth = 5;

    Mode currentMode() const { return mode; }
    DiagramItem::DiagramType currentItemType() const { return itemType; }
    QFont currentTextFont() const { return textFont; }
    QColor currentTextColor() const { return textColor; }
    QColor currentItemColor() const { return itemColor; }
    QColor currentLineColor() const { return lineColor; }
    int freehandPenWidth() const { return penWidth; }
    const QList<QGraphicsItem *> &vertexHandles() const { return handles; }
    const QList<QPointF> &vertexHandlePoints() const { return handlePoints; }
    DiagramItem *shapeWithHandles() const { return handleOwner; }
    DiagramItem *activeShape() const { return currentShape; }
    QGraphicsLineItem *lineBeingDrawn() const;
    QGraphicsTextItem *newestTextItem() const { return lastTextItem; }
    diagramItemPixmap *newestCutPicture() const;
    bool vertexDragActive() const { return handleDragActive; }
    bool gestureUnderway() const { return leftButtonHeld; }
    // The board turns to another page while the button is held here: what the press began ends
    // as its release would, so nothing stays half made on a page no longer shown.
    void letGo();
    // A finished cut, or another region of the screen, waits to read its pixels.
    bool cutAwaitsItsGrab() const;
    // New labels, and the labels selected, get a box in the fill colour behind their text, or
    // lose it: one step for the selected ones.
    void setLabelsBoxed(bool boxed);
    bool labelsBoxed() const { return boxedLabels; }
    // The width of freehand strokes; the highlighter's is a multiple of it.
    void setPenWidth(int width);
    // The tool, the formatting for new items, the pen's width, the inks and the rectangle of
    // another page, which this one takes on as it is shown.
    void takeOptionsFrom(const DiagramScene &other);
    // The colour of the ink of a mode whose tool has one of its own.
    void setInk(Mode mode, const QColor &colour);
    QColor ink(Mode mode) const;
    // A stylus touching the board: how firmly, and with which end.
    struct Stylus
    {
        qreal pressure = 0;
        bool eraserEnd = false;
    };
    // Set by the view for the time it passes a stylus's event on as the mouse's: the pressure
    // widens the pen's ink, and the eraser end erases whatever tool is chosen.
    void setStylusDown(const std::optional<Stylus> &stylus) { stylusDown = stylus; }
    // A stylus's pressure at the pointer event being handled; none for a mouse.
    std::optional<qreal> stylusPressure() const { return pressureNow; }

    // The laser pointer's fading ink, which the views paint over the board.
    LaserTrails *laserTrails() const { return laser; }
    // What makes up the board, bottom first: the items the history holds, without the dots a
    // stroke carries (it stands for them) or what is hidden while a gesture erases it.
    QList<QGraphicsItem *> boardItems() const;
    // The one way in for an item read back from a file: it joins the board with no step of
    // the history (the board starts from it), a stroke with its dots under it.
    void placeRestored(QGraphicsItem *item);
    // The menu new shapes offer.
    QMenu *shapeMenu() const { return itemMenu; }
    // What the board shows under the drawings, as one step of the history.
    void setBoardBackground(const QBrush &brush);
    // The pen's gesture, which draws the strokes.
    PenGesture &penGesture() const { return *pen; }

    // For the gestures. Puts a new item on the board, noting when it joined; it becomes a step
    // once recorded.
    void place(QGraphicsItem *item);
    // A new item joins the board as part of the gesture under way, or an item already on it
    // becomes part of it; an item is erased by it (hidden now, taken off as one step at its end).
    void placeInGesture(QGraphicsItem *item, const QString &step);
    void addToGesture(QGraphicsItem *item, const QString &step);
    bool isPartOfGesture(const QGraphicsItem *item) const;
    void eraseInGesture(QGraphicsItem *item);
    // What the gesture under way made or moved so far becomes its steps.
    void recordPendingGesture();
    // The pen of outlines and straight lines in the current line colour, and one of that width.
    QPen outlinePen() const;
    QPen linePen(qreal width) const;
    // The shape the pointer works on: the one just placed, spanned or held by a handle.
    void setActiveShape(DiagramItem *shape) { currentShape = shape; }
    // A spanned shape reaches from the origin to where the pointer is.
    void setSpanOrigin(const QPointF &pos) { spanFrom = pos; }
    QPointF spanOrigin() const { return spanFrom; }
    void spanActiveShape(const QPointF &pos);
    void wireLabel(DiagramTextItem *label);
    void noteNewestText(QGraphicsTextItem *text) { lastTextItem = text; }
    void showStatus(const QString &message);
    // The window showing the board; null for a board of its own.
    BoardHost *host() const { return mainWindow; }

    void itemLeavingScene(QGraphicsItem *item) override;
    void itemJoinedScene(QGraphicsItem *item) override;
    void itemLeavingTop(QGraphicsItem *item) override;
    QList<QGraphicsItem *> reportedTopItems() const override;
    void forgetHandle(QGraphicsItem *item);
    void itemAboutToMove(QGraphicsItem *item) override;
    bool holdsReferenceTo(const QGraphicsItem *item) const override;

signals:
    void itemInserted(DiagramItem *item);
    void textInserted(QGraphicsTextItem *item);
    void itemSelected(QGraphicsItem *item);

public slots:
    void setMode(DiagramScene::Mode mode);
    void setItemType(DiagramItem::DiagramType type);
    void editorLostFocus(DiagramTextItem *item);
    void reportLabelInsertionCut();
    void labelEditStarted(DiagramTextItem *label);

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event) override;

private:
    // The region gesture with a press and no release yet, if any.
    CutGesture *regionUnderway() const;
    // A region not yet read may still vanish: it may begin anew or its grab fail.
    bool isUnfinishedRegionPart(const QGraphicsItem *item) const;
    QGraphicsItem *firstSelectedItem() const;
    DiagramItem *firstSelectedShape() const;

    void finishPress(QGraphicsSceneMouseEvent *event, const BoardGesture &gesture);
    bool grabHandleAt(const QPointF &pos);
    void releasePinnedShape();

    void followStylus(const QGraphicsSceneMouseEvent *event);
    void beginEraserEnd();
    void endEraserEnd();
    void recordErasure();
    void createGestures();
    BoardGesture &gestureFor(Mode mode) const;
    void finishGestures();
    bool gestureHolds(const QGraphicsItem *item) const;
    void drag(const QPointF &pos, BoardGesture &gesture);
    void reportCoordinates(const QPointF &pos);
    bool dragVertex(const QPointF &pos);
    void followDraggedShape(const BoardGesture &gesture);

    void finishGesture(QGraphicsSceneMouseEvent *event);
    void settleSelection();
    void rememberDragStart();
    void recordDrag();
    void noteReshape(DiagramItem *shape);
    void recordReshape();
    void followHistory();
    void takeOnRecord(const QList<QGraphicsItem *> &items);
    // Records items already on the board as one step, with nothing of a gesture before them.
    void recordArrival(const QList<QGraphicsItem *> &items, const QString &text);
    void recordGestureSoFar();
    template<typename Value>
    void pushChange(const QString &text,
                    std::function<void(const Value &)> apply,
                    const Value &before,
                    const Value &after)
    {
        undoStack->push(new ChangeCommand<Value>(text, std::move(apply), before, after));
    }
    void endDragOf(QGraphicsItem *grabber);

    QList<QPointF> handlePoints;    // outline points of handleOwner, item coordinates
    QList<QGraphicsItem *> handles; // entry i is the handle of handlePoints[i]
    DiagramItem::DiagramType itemType = DiagramItem::Square;
    QMenu *itemMenu;
    Mode mode = MoveItem;
    QFont textFont;
    QPointer<QGraphicsTextItem> lastTextItem;
    QPointer<DiagramTextItem> labelBeingEdited; // the label whose edit began last
    QColor textColor = Qt::black;
    QColor itemColor = QColor(255, 255, 255, 100);
    QColor lineColor = Qt::black;
    int penWidth = defaultPenWidth;
    QGraphicsItem *draggedHandle = nullptr;
    bool handleDragActive = false;
    DiagramItem *currentShape = nullptr;
    int draggedHandleIndex = 0;
    BoardHost *mainWindow;              // the window showing the board; null for a board of its own
    QPointF spanFrom;                   // where a spanned shape starts
    DiagramItem *handleOwner = nullptr; // the shape the handles stand on, if any
    DiagramItem *pinnedShape = nullptr; // held still while one of its vertices is dragged
    bool handlingMove = false;          // a pointer move is being handled
    bool leftButtonHeld = false;        // a left press has been seen and its release not yet
    bool boxedLabels = false;           // new labels get a box behind their text
    QPointF pointerAt;                  // where the pointer was last seen on this page
    bool handlingPointer = false;       // a pointer event is being handled: moves are the user's

    QUndoStack *undoStack;
    quint64 itemsPlaced = 0; // the order of the last item that joined the board
    // At the top of the scene, reporting their presence: the first dots of the strokes' runs,
    // which the strokes stand for, apart from the rest.
    QSet<QGraphicsItem *> topItems;
    QSet<QGraphicsItem *> topDots;
    QList<QGraphicsItem *> gestureItems;       // made by the gesture under way, recorded at its end
    QString gestureStep;                       // what the history calls them
    QHash<QGraphicsItem *, QPointF> dragStart; // where the items a drag may move started
    // The existing shapes the gesture under way reshapes, with their outlines before.
    QHash<DiagramItem *, QPolygonF> outlinesBeforeReshape;
    LaserTrails *laser = nullptr;
    // The stylus whose event is being handled; none for a mouse.
    std::optional<Stylus> stylusDown;
    std::optional<qreal> pressureNow;
    // The mode the stylus's eraser end stood in for, while it erases.
    std::optional<Mode> modeBeforeEraserEnd;
    QList<QGraphicsItem *> erasedItems; // hidden by the eraser gesture under way, recorded at its end
    // The gesture of every mode, by mode (see BoardTools); those whose work outlasts their
    // mode's choice also by name.
    std::map<int, std::unique_ptr<BoardGesture>> gestures;
    PenGesture *pen = nullptr;
    CutGesture *cut = nullptr;
    QList<CutGesture *> regionGestures; // the cut's and every other that reads a region
    LineGesture *line = nullptr;
};
