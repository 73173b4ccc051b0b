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
class LaserTrails;
class LiveInk;
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

    // What the pen, the highlighter and the laser draw with until the presenter chooses.
    static constexpr int defaultPenWidth = 5;
    static QColor defaultHighlightColor() { return QColor(255, 230, 0, 110); }
    static QColor defaultLaserColor() { return QColor(255, 30, 30); }

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
    QGraphicsLineItem *lineBeingDrawn() const { return lineInProgress; }
    QGraphicsTextItem *newestTextItem() const { return lastTextItem; }
    diagramItemPixmap *newestCutPicture() const { return cutPixmapItem; }
    bool vertexDragActive() const { return handleDragActive; }
    bool gestureUnderway() const { return leftButtonHeld; }
    bool cutAwaitsItsGrab() const { return cutGrabPending; }
    // The width of freehand strokes; the highlighter's is a multiple of it.
    void setPenWidth(int width);
    void setHighlightColor(const QColor &color) { highlightColor = color; }
    QColor currentHighlightColor() const { return highlightColor; }
    void setLaserColor(const QColor &color) { laserColor = color; }
    QColor currentLaserColor() const { return laserColor; }
    // A stylus touching the board: how firmly, and with which end.
    struct Stylus
    {
        qreal pressure = 0;
        bool eraserEnd = false;
    };
    // Set by the view for the time it passes a stylus's event on as the mouse's: the pressure
    // widens the pen's ink, and the eraser end erases whatever tool is chosen.
    void setStylusDown(const std::optional<Stylus> &stylus) { stylusDown = stylus; }

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
    // How many dots of a stroke hang under one item at the top of the scene; 1 leaves every dot
    // there, as a board without grouping would.
    void setDotRunLength(int length) { dotRunLength = qMax(1, length); }
    // Whether every dot paints itself, as on a board before strokes painted their dots; for
    // comparisons with such a board.
    void setDotsPaintThemselves(bool themselves) { dotsPaintThemselves = themselves; }

    // For the gestures of the added tools: a new item joins the board as part of the gesture
    // under way; an item is erased by it (hidden now, taken off as one step at its end).
    void placeInGesture(QGraphicsItem *item, const QString &step);
    bool isPartOfGesture(const QGraphicsItem *item) const;
    void eraseInGesture(QGraphicsItem *item);
    // The pen of outlines and straight lines in the current line colour.
    QPen outlinePen() const;

    void itemLeavingScene(QGraphicsItem *item) override;
    void itemJoinedScene(QGraphicsItem *item) override;
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
    QPen linePen(qreal width) const;
    const QPen &strokePen();
    void showStatus(const QString &message);
    QGraphicsItem *firstSelectedItem() const;
    DiagramItem *firstSelectedShape() const;

    void insertShapeAt(const QPointF &pos);
    void startLine(const QPointF &pos);
    void insertTextAt(const QPointF &pos);
    void wireLabel(DiagramTextItem *label);
    void startSpannedRect(const QPointF &pos);
    void finishPress(QGraphicsSceneMouseEvent *event);
    bool grabHandleAt(const QPointF &pos);
    void releasePinnedShape();

    void extendStroke(const QPointF &pos);
    void followStylus(const QGraphicsSceneMouseEvent *event);
    void beginEraserEnd();
    void endEraserEnd();
    const QPen &dotPen();
    qreal pressedWidth(qreal pressure) const;
    void recordErasure();
    void createGestures();
    BoardGesture *gestureFor(Mode mode) const;
    void finishGestures();
    bool gestureHolds(const QGraphicsItem *item) const;
    void drag(const QPointF &pos, BoardGesture *gesture);
    void dragInMode(const QPointF &pos);
    void reportCoordinates(const QPointF &pos);
    bool dragVertex(const QPointF &pos);
    void followDraggedShape();
    void spanDraggedShape(const QPointF &pos);

    void finishGesture(QGraphicsSceneMouseEvent *event);
    void makePartOfGesture(QGraphicsItem *item, const QString &step);
    void finishStroke();
    void showLive(QGraphicsLineItem *dot);
    void finishSpannedRect();
    void settleSelection();
    void rememberDragStart();
    void recordDrag();
    void noteReshape(DiagramItem *shape);
    void recordReshape();
    void followHistory();
    void takeOnRecord(const QList<QGraphicsItem *> &items);
    // Records items already on the board as one step, with nothing of a gesture before them.
    void recordArrival(const QList<QGraphicsItem *> &items, const QString &text);
    // Puts a new item on the board, noting when it joined.
    void place(QGraphicsItem *item);
    void recordGestureSoFar();
    void recordPendingGesture();
    template<typename Value>
    void pushChange(const QString &text,
                    std::function<void(const Value &)> apply,
                    const Value &before,
                    const Value &after)
    {
        undoStack->push(new ChangeCommand<Value>(text, std::move(apply), before, after));
    }
    void endDragOf(QGraphicsItem *grabber);

    void beginCut(QGraphicsSceneMouseEvent *event);
    void finishCut(QGraphicsSceneMouseEvent *event);
    void copyCutRegion();

    QList<QPointF> handlePoints;    // outline points of handleOwner, item coordinates
    QList<QGraphicsItem *> handles; // entry i is the handle of handlePoints[i]
    DiagramItem::DiagramType itemType = DiagramItem::Square;
    QMenu *itemMenu;
    Mode mode = MoveItem;
    QGraphicsLineItem *lineInProgress = nullptr;
    QFont textFont;
    QPointer<QGraphicsTextItem> lastTextItem;
    QPointer<DiagramTextItem> labelBeingEdited; // the label whose edit began last
    QColor textColor = Qt::black;
    QColor itemColor = QColor(255, 255, 255, 100);
    QColor lineColor = Qt::black;
    QList<QPoint> penPoints;
    int penWidth = defaultPenWidth;
    QGraphicsItem *draggedHandle = nullptr;
    bool handleDragActive = false;
    DiagramItem *currentShape = nullptr;
    diagramItemPixmap *cutPixmapItem = nullptr;
    int draggedHandleIndex = 0;
    BoardHost *mainWindow; // the window showing the board; null for a board of its own
    QPointF dragStartScenePos;
    QPoint cutStartScreenPos;
    QPoint cutEndScreenPos;
    QPointF cutEndScenePos;
    QRect cutRegion;                    // the screen region a finished cut copies
    bool cutGrabPending = false;        // the cut is finished, its region not yet copied
    DiagramItem *handleOwner = nullptr; // the shape the handles stand on, if any
    DiagramItem *cutMarker = nullptr;   // the marking rectangle of the cut being dragged
    DiagramItem *pinnedShape = nullptr; // held still while one of its vertices is dragged
    bool cutGestureActive = false;      // a cut press has been seen and its release not yet
    bool handlingMove = false;          // a pointer move is being handled
    bool leftButtonHeld = false;        // a left press has been seen and its release not yet
    bool handlingPointer = false;       // a pointer event is being handled: moves are the user's
    QPen sharedStrokePen; // the pen of dots and strokes, rebuilt when the line colour changes

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
    QGraphicsItem *dotRunHead = nullptr; // the first dot of the stroke's current run
    int dotsInRun = 0;
    int dotRunLength = 16;
    QList<QGraphicsItem *> strokeRuns; // the first dots of the runs of the stroke under way
    LiveInk *liveInk = nullptr;        // shows the stroke under way
    bool dotsPaintThemselves = false;
    bool strokeUnderway = false;  // a stroke was begun and is not yet finished
    bool strokeContinued = false; // it goes on from a part already recorded
    QColor highlightColor = defaultHighlightColor();
    QColor laserColor = defaultLaserColor();
    LaserTrails *laser = nullptr;
    // The stylus whose event is being handled; none for a mouse.
    std::optional<Stylus> stylusDown;
    // A stylus's pressure at the pointer event being handled; none for a mouse.
    std::optional<qreal> stylusPressure;
    // The widths along the stroke under way, one for each of penPoints, when a stylus drew it.
    QList<qreal> penWidths;
    QHash<int, QPen> pressurePens; // dot pens by width in quarter pixels, for the pen and colour
    // The mode the stylus's eraser end stood in for, while it erases.
    std::optional<Mode> modeBeforeEraserEnd;
    QList<QGraphicsItem *> erasedItems; // hidden by the eraser gesture under way, recorded at its end
    // The gestures of the modes added beside the tool box's, by mode (see BoardTools).
    std::map<int, std::unique_ptr<BoardGesture>> gestures;
};
