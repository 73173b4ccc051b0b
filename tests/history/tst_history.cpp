#include "app/mainwindow.h"
#include "boardcompare.h"
#include "boardfile/boardfile.h"
#include "boardlookup.h"
#include "dotpainting.h"
#include "items/diagramitempixmap.h"
#include "items/diagramtextitem.h"
#include "items/pendot.h"
#include "scene/boardtools.h"
#include "scene/diagramscene.h"
#include "scene/gestures/pengesture.h"
#include "scenedriver.h"
#include "testsupport.h"

#include <QAction>
#include <QDebug>
#include <QGraphicsPixmapItem>
#include <QGraphicsView>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QRandomGenerator>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QUndoStack>
#include <QWidgetAction>

#include <cmath>

namespace {

// What the board shows, item by item in stacking order, without the handles.
QStringList board(const DiagramScene &scene)
{
    QStringList lines;
    QDebug(&lines.emplace_back()) << scene.backgroundBrush().color()
                                  << scene.backgroundBrush().style();
    const QList<QGraphicsItem *> items = scene.items(Qt::AscendingOrder);
    for (const QGraphicsItem *item : items) {
        if (scene.vertexHandles().contains(item))
            continue;
        QString &line = lines.emplace_back();
        QDebug(&line) << item->type() << item->pos() << item->zValue() << item->boundingRect();
        if (const auto *shape = qgraphicsitem_cast<const DiagramItem *>(item))
            QDebug(&line) << shape->polygon() << shape->brush().color();
        if (const auto *label = qgraphicsitem_cast<const DiagramTextItem *>(item))
            QDebug(&line) << label->toPlainText() << label->font() << label->defaultTextColor();
    }
    return lines;
}

enum Change {
    Stroke,
    Stamp,
    SpannedRect,
    Line,
    Drag,
    VertexDrag,
    Delete,
    Clear,
    ToFront,
    ToBack,
    FillColour,
    LabelFont,
    Cut,
    Highlight,
    Arrow,
    Erase,
    Background,
    Ellipse,
    Badge,
    LabelBox,
    Blur
};

// One board played twice, once with a stroke's dots in runs carried and painted by their
// stroke, and once with every dot at the top of the scene painting itself: whatever anyone can
// see or ask of the board must be the same.
class TwinBoards
{
public:
    TwinBoards()
    {
        flat.penGesture().setDotRunLength(1);
        flat.penGesture().setStrokesCarryDots(false);
        for (DiagramScene *scene : {&grouped, &flat})
            scene->setSceneRect(0, 0, 400, 300);
    }

    template<typename Act>
    void play(Act act)
    {
        for (DiagramScene *scene : {&grouped, &flat}) {
            SceneDriver driver(scene);
            act(*scene, driver);
        }
    }

    // Empty when both answer alike.
    QString difference()
    {
        QCoreApplication::processEvents(); // the scenes settle what they defer, as before a paint
        letDotsPaintThemselves(flat);
        if (boardListing(grouped, Painting::Aside) != boardListing(flat, Painting::Aside))
            return "listed items";
        if (const QString pixels = differenceInPixels(); !pixels.isEmpty())
            return pixels;
        const QList<QGraphicsItem *> a = grouped.items(Qt::AscendingOrder);
        const QList<QGraphicsItem *> b = flat.items(Qt::AscendingOrder);
        for (int x = 0; x < 400; x += 37) {
            for (int y = 0; y < 300; y += 29) {
                if (indexes(a, grouped.items(QPointF(x, y)))
                    != indexes(b, flat.items(QPointF(x, y))))
                    return QString("items at %1,%2").arg(x).arg(y);
                const QRectF area(x, y, 45, 25);
                if (indexes(a, grouped.items(area)) != indexes(b, flat.items(area)))
                    return QString("items in the area at %1,%2").arg(x).arg(y);
            }
        }
        // Qt finds what collides with an item in its index alone, which a stroke's carried dots
        // leave: the board asks it of what it restacks, never of a dot or for dots.
        for (qsizetype i = 0; i < a.size(); i += 1 + a.size() / 60) {
            if (dynamic_cast<const PenDot *>(a.at(i)))
                continue;
            if (indexes(a, withoutDots(a.at(i)->collidingItems()))
                != indexes(b, withoutDots(b.at(i)->collidingItems())))
                return QString("items colliding with item %1").arg(i);
        }
        return QString();
    }

    // Empty when both boards look alike, at any scale and in any part. Only the edges of what is
    // painted may differ: there Qt leaves out a dot painting itself whose ink reaches in from
    // outside (its bounds are smaller than its ink), while a stroke paints that ink.
    QString differenceInPixels()
    {
        for (qreal scale : {0.5, 1.0, 1.5}) {
            // Wherever strokes wandered, and areas whose edges cut through strokes and dots.
            for (const QRectF &area : {QRectF(-200, -200, 800, 700),
                                       QRectF(0, 0, 200, 150),
                                       QRectF(123.5, 77, 91, 61.25)}) {
                if (inside(renderedArea(grouped, area, scale))
                    != inside(renderedArea(flat, area, scale)))
                    return QString("pixels of %1 rendered at %2").arg(area.x()).arg(scale);
            }
            if (inside(shown(grouped, scale)) != inside(shown(flat, scale)))
                return QString("pixels shown by a view at %1").arg(scale);
            const QRect part(101, 67, 93, 71);
            const QRect within = part.adjusted(12, 12, -12, -12);
            if (shown(grouped, scale, part).copy(within) != shown(flat, scale, part).copy(within))
                return QString("pixels a view repaints in part at %1").arg(scale);
        }
        return QString();
    }

    // An image without the edges that ink from outside could reach.
    static QImage inside(const QImage &image)
    {
        const int edge = 12;
        return image.copy(image.rect().adjusted(edge, edge, -edge, -edge));
    }

    DiagramScene grouped{nullptr, nullptr};
    DiagramScene flat{nullptr, nullptr};

    // What a view of the board paints: only the items reaching what it shows.
    // A part alone is painted as a view repaints part of itself.
    static QImage shown(DiagramScene &scene, qreal scale, const QRect &part = QRect())
    {
        QGraphicsView view(&scene);
        view.scale(scale, scale);
        view.setFrameShape(QFrame::NoFrame);
        view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.resize(400, 300);
        view.setSceneRect(scene.sceneRect());
        // Drawn afresh, not from the shapes' pixmap caches, which depend on when they were made.
        QList<QGraphicsItem *> cached;
        for (QGraphicsItem *item : scene.items()) {
            if (item->cacheMode() != QGraphicsItem::NoCache) {
                item->setCacheMode(QGraphicsItem::NoCache);
                cached << item;
            }
        }
        QImage image = view.viewport()->grab().toImage();
        if (part.isValid()) {
            image.fill(Qt::transparent);
            view.viewport()->render(&image, QPoint(), QRegion(part));
        }
        for (QGraphicsItem *item : std::as_const(cached))
            item->setCacheMode(QGraphicsItem::DeviceCoordinateCache);
        return image;
    }

private:
    static QList<QGraphicsItem *> withoutDots(QList<QGraphicsItem *> items)
    {
        items.removeIf([](const QGraphicsItem *item) { return dynamic_cast<const PenDot *>(item); });
        return items;
    }

    // Where each item stands in the board's stacking order.
    static QList<qsizetype> indexes(const QList<QGraphicsItem *> &board,
                                    const QList<QGraphicsItem *> &items)
    {
        QList<qsizetype> found;
        for (QGraphicsItem *item : items)
            found << board.indexOf(item);
        return found;
    }
};

QAbstractButton *backgroundCell(const MainWindow &window, const QString &name)
{
    const auto *menuButton = window.findChild<QToolButton *>("backgroundButton");
    const auto *cells = qobject_cast<QWidgetAction *>(menuButton->menu()->actions().first());
    for (QToolButton *cell : cells->defaultWidget()->findChildren<QToolButton *>()) {
        if (cell->text() == name)
            return cell;
    }
    return nullptr;
}

} // namespace

class TestHistory : public QObject
{
    Q_OBJECT

private slots:
    void everyChangeIsOneStepBackAndForth_data();
    void everyChangeIsOneStepBackAndForth();
    void toolChangedWithinAGesture_data();
    void toolChangedWithinAGesture();
    void labelEditingIsOneBoardStep();
    void discardedStepsFreeWhatOnlyTheyHeld();
    void groupedDotsLookLikeDotsAtTheTop();
};

void TestHistory::everyChangeIsOneStepBackAndForth_data()
{
    QTest::addColumn<int>("change");
    QTest::addColumn<QString>("undoText");
    QTest::newRow("freehand stroke") << int(Stroke) << "Deshacer trazo";
    QTest::newRow("stamped shape") << int(Stamp) << "Deshacer forma";
    QTest::newRow("spanned rectangle") << int(SpannedRect) << "Deshacer rectángulo";
    QTest::newRow("straight line") << int(Line) << "Deshacer línea";
    QTest::newRow("drag of two selected items, many moves") << int(Drag) << "Deshacer mover";
    QTest::newRow("vertex drag") << int(VertexDrag) << "Deshacer vértice";
    QTest::newRow("Borrar") << int(Delete) << "Deshacer Borrar";
    QTest::newRow("Limpiar") << int(Clear) << "Deshacer Limpiar";
    QTest::newRow("Enviar al frente") << int(ToFront) << "Deshacer Enviar al frente";
    QTest::newRow("Enviar al fondo") << int(ToBack) << "Deshacer Enviar al fondo";
    QTest::newRow("fill colour") << int(FillColour) << "Deshacer color";
    QTest::newRow("label font") << int(LabelFont) << "Deshacer fuente";
    QTest::newRow("cut") << int(Cut) << "Deshacer Cortar";
    QTest::newRow("highlighter") << int(Highlight) << "Deshacer resaltador";
    QTest::newRow("arrow") << int(Arrow) << "Deshacer flecha";
    QTest::newRow("eraser over a stroke and a shape") << int(Erase) << "Deshacer borrador";
    QTest::newRow("black board") << int(Background) << "Deshacer fondo";
    QTest::newRow("ellipse") << int(Ellipse) << "Deshacer elipse";
    QTest::newRow("numbered badge") << int(Badge) << "Deshacer número";
    QTest::newRow("label on a box") << int(LabelBox) << "Deshacer recuadro";
    QTest::newRow("blur") << int(Blur) << "Deshacer Difuminar";
}

// Undo gives back the board as it was before the change, redo as it was after, and the change
// is exactly one step named on the button.
void TestHistory::everyChangeIsOneStepBackAndForth()
{
    QFETCH(int, change);
    MainWindow window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *scene = window.findChild<DiagramScene *>();
    SceneDriver driver(scene);
    QUndoStack *history = scene->history();
    expectCutMessage(change == SpannedRect || change == Cut ? 6 : -1);

    // A board with a stroke under two overlapping shapes and a label.
    driver.drag({{100, 300}, {300, 320}, {500, 340}});
    auto *lower = new DiagramItem(DiagramItem::Square, nullptr);
    auto *upper = new DiagramItem(DiagramItem::Diamond, nullptr);
    auto *label = new DiagramTextItem;
    label->setPlainText("HOLA");
    for (QGraphicsItem *item : std::initializer_list<QGraphicsItem *>{lower, upper, label})
        scene->addItem(item);
    scene->recordAddition({lower, upper, label}, "setup");
    lower->setPos(300, 300);
    upper->setPos(350, 330);
    label->setPos(600, 100);
    scene->setMode(DiagramScene::MoveItem);
    const int stepsBefore = history->count();
    const QStringList before = board(*scene);

    switch (Change(change)) {
    case Stroke:
        scene->setMode(DiagramScene::DrawFreehand);
        driver.drag({{600, 500}, {610, 505}, {620, 515}, {640, 530}});
        break;
    case Stamp:
        scene->setItemType(DiagramItem::Parallelogram);
        scene->setMode(DiagramScene::InsertItem);
        driver.drag({{700, 400}, {700, 400}});
        break;
    case SpannedRect:
        scene->setItemType(DiagramItem::FreeRect);
        scene->setMode(DiagramScene::DrawRect);
        driver.drag({{700, 400}, {750, 430}, {800, 480}});
        break;
    case Line:
        scene->setMode(DiagramScene::InsertLine);
        driver.drag({{700, 400}, {750, 430}, {800, 480}});
        break;
    case Drag:
        lower->setSelected(true);
        label->setSelected(true);
        driver.drag({{300, 300}, {310, 300}, {320, 310}, {340, 330}, {360, 340}});
        break;
    case VertexDrag:
        upper->setSelected(true);
        scene->showHandles(upper);
        driver.drag({{349, 429}, {360, 440}, {380, 470}}); // the vertex (0, 100) of the diamond
        break;
    case Delete:
        lower->setSelected(true);
        label->setSelected(true);
        actionNamed(window, "&Borrar")->trigger();
        break;
    case Clear:
        actionNamed(window, "Limpiar")->trigger();
        break;
    case ToFront:
    case ToBack:
        (change == ToFront ? lower : upper)->setSelected(true);
        actionNamed(window, change == ToFront ? "Enviar al frente" : "Enviar al fondo")->trigger();
        break;
    case FillColour:
        upper->setSelected(true);
        scene->setItemColor(Qt::red);
        break;
    case LabelFont:
        label->setSelected(true);
        scene->setTextFont(QFont("DejaVu Serif", 30));
        break;
    case Cut:
        scene->setItemType(DiagramItem::CutRect);
        scene->setMode(DiagramScene::CutRegion);
        driver.drag({{700, 400}, {750, 430}, {800, 480}});
        QTRY_COMPARE(history->count(), stepsBefore + 1);
        break;
    case Highlight:
        scene->setMode(DiagramScene::DrawHighlight);
        driver.drag({{600, 500}, {650, 520}, {700, 500}, {650, 480}});
        break;
    case Arrow:
        scene->setMode(DiagramScene::InsertArrow);
        driver.drag({{700, 400}, {750, 430}, {800, 480}});
        break;
    case Erase:
        scene->setMode(DiagramScene::Erase);
        // The stroke's ink runs from (300, 320) to (500, 340), under the shapes at its left.
        driver.drag({{480, 322}, {482, 322}}); // inside the stroke's box, clear of its ink
        QCOMPARE(history->count(), stepsBefore);
        // One quick sweep across the stroke, then round the diamond and up through the square.
        driver.drag({{470, 290}, {470, 380}, {470, 440}, {230, 440}, {220, 220}});
        for (const QGraphicsItem *item : scene->items())
            QVERIFY(!dynamic_cast<const PenDot *>(item)); // the stroke's dots went with it
        QVERIFY(!lower->scene() && upper->scene() && label->scene());
        break;
    case Background:
        backgroundCell(window, "Pizarra negra")->click();
        QCOMPARE(scene->backgroundBrush().color(), QColor(Qt::black));
        break;
    case LabelBox:
        label->setSelected(true);
        scene->setLabelsBoxed(true);
        break;
    case Ellipse:
    case Badge:
        scene->setMode(
            DiagramScene::Mode(BoardTools::find(change == Ellipse ? "elipse" : "numeros")->mode));
        driver.drag({{700, 400}, {750, 430}, {800, 480}});
        break;
    case Blur:
        scene->setMode(DiagramScene::Mode(BoardTools::find("difuminar")->mode));
        driver.drag({{700, 400}, {750, 430}, {800, 480}});
        QTRY_COMPARE(history->count(), stepsBefore + 1);
        break;
    }
    const QStringList after = board(*scene);

    QVERIFY(after != before);
    QCOMPARE(history->count(), stepsBefore + 1);
    QTEST(actionNamed(window, history->undoText().isEmpty() ? "" : "Deshacer " + history->undoText())
              ->text(),
          "undoText");
    history->undo();
    QCOMPARE(board(*scene), before);
    QVERIFY(scene->vertexHandles().isEmpty() || scene->shapeWithHandles()->scene() == scene);
    history->redo();
    QCOMPARE(board(*scene), after);
    history->undo();
    QCOMPARE(board(*scene), before);
}

void TestHistory::toolChangedWithinAGesture_data()
{
    QTest::addColumn<int>("meanwhile");
    QTest::newRow("a highlight erased by the drag that drew it") << 0;
    QTest::newRow("a shape stamped by a press before the stroke's release") << 1;
    QTest::newRow("Limpiar while a cut is dragged") << 2;
    QTest::newRow("vertices of two shapes dragged before one release") << 3;
    QTest::newRow("a colour picked while a rectangle is spanned") << 4;
}

// Whatever a gesture made, and whatever tool took over before its release, undoing every step
// gives back the board before it, redoing them the board after it, and its file reads back as
// the same board.
void TestHistory::toolChangedWithinAGesture()
{
    QFETCH(int, meanwhile);
    DiagramScene scene(nullptr, nullptr);
    scene.setSceneRect(0, 0, 400, 300);
    SceneDriver driver(&scene);
    scene.setMode(DiagramScene::InsertLine);
    driver.drag({{20, 20}, {380, 280}});
    DiagramItem *first = nullptr;
    DiagramItem *second = nullptr;
    if (meanwhile == 3) {
        first = new DiagramItem(DiagramItem::Square, nullptr);
        second = new DiagramItem(DiagramItem::Square, nullptr);
        first->setPos(100, 100);
        second->setPos(320, 200);
        scene.addItem(first);
        scene.addItem(second);
        scene.recordAddition({first, second}, "setup");
    }
    const QStringList before = board(scene);
    const int stepsBefore = scene.history()->index();

    if (meanwhile == 0) {
        scene.setMode(DiagramScene::DrawHighlight);
        driver.press({100, 150});
        driver.move({200, 150});
        scene.setMode(DiagramScene::Erase);
        driver.move({150, 150});
        driver.release({150, 150});
    } else if (meanwhile == 1) {
        scene.setMode(DiagramScene::DrawFreehand);
        driver.press({50, 250});
        for (int x = 60; x < 200; x += 10)
            driver.move({qreal(x), 250});
        scene.setItemType(DiagramItem::Square);
        scene.setMode(DiagramScene::InsertItem);
        driver.press({120, 240});
        driver.release({120, 240});
    } else if (meanwhile == 3) {
        // A vertex of each, the second shape chosen by a press before the first drag's release
        // (a change of colour meanwhile rebuilt the handles, so the press reaches the shape).
        scene.setMode(DiagramScene::MoveItem);
        first->setSelected(true);
        scene.showHandles(first);
        driver.press({199, -1});
        driver.move({180, 20});
        scene.setItemColor(Qt::red);
        driver.press({320, 200});
        driver.move({321, 200});
        const QPointF vertex = scene.vertexHandles().at(0)->sceneBoundingRect().center();
        driver.press(vertex);
        driver.move(vertex + QPointF(-40, 40));
        driver.release(vertex + QPointF(-40, 40));
    } else if (meanwhile == 4) {
        // Then the last step is taken back and a new one discards it with what only it held.
        scene.setItemType(DiagramItem::FreeRect);
        scene.setMode(DiagramScene::DrawRect);
        driver.press({50, 50});
        driver.move({100, 80});
        scene.activeShape()->setSelected(true); // as when the press lands on another item
        scene.setItemColor(Qt::red);
        driver.move({150, 120});
        driver.release({150, 120});
        scene.history()->undo();
        scene.setMode(DiagramScene::InsertLine);
        driver.drag({{10, 290}, {390, 290}});
    } else {
        expectCutMessage(DiagramItem::CutRect);
        scene.setItemType(DiagramItem::CutRect);
        scene.setMode(DiagramScene::CutRegion);
        driver.press({100, 100});
        driver.move({200, 150});
        scene.clearBoard();
        driver.release({200, 150});
        // Without a window there is no screen to read: the cut leaves nothing.
        QTRY_VERIFY(!scene.cutAwaitsItsGrab());
    }
    scene.clearSelection();
    scene.hideHandles();
    const QStringList after = board(scene);

    QUndoStack *history = scene.history();
    while (history->index() > stepsBefore)
        history->undo();
    QCOMPARE(board(scene), before);
    while (history->canRedo())
        history->redo();
    QCOMPARE(board(scene), after);

    DiagramScene restored(nullptr, nullptr);
    restored.setSceneRect(0, 0, 400, 300);
    QString error;
    QVERIFY2(BoardFile::load(restored, BoardFile::save(scene), &error), qPrintable(error));
    QCOMPARE(boardListing(restored), boardListing(scene));
}

// A label becomes a step once it holds text; a later edit is one step once editing ends.
void TestHistory::labelEditingIsOneBoardStep()
{
    MainWindow window;
    auto *scene = window.findChild<DiagramScene *>();
    QUndoStack *history = scene->history();
    scene->setMode(DiagramScene::InsertText);
    SceneDriver driver(scene);
    driver.drag({{400, 300}, {400, 300}});
    auto *label = qobject_cast<DiagramTextItem *>(scene->newestTextItem());
    QVERIFY(label);
    QCOMPARE(history->count(), 0); // an empty label is no step yet
    label->textCursor().insertText("HOLA");
    QFocusEvent focusOut(QEvent::FocusOut);
    scene->sendEvent(label, &focusOut);
    QCOMPARE(history->count(), 1);

    label->setTextInteractionFlags(Qt::TextEditorInteraction);
    label->markEditStart();
    QTextCursor cursor = label->textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(" MUNDO");
    QCOMPARE(history->count(), 1); // while editing, the text has its own undo
    scene->sendEvent(label, &focusOut);
    QCOMPARE(history->count(), 2);
    QCOMPARE(history->undoText(), QString("editar texto"));

    history->undo();
    QCOMPARE(label->toPlainText(), QString("HOLA"));
    history->undo();
    QVERIFY(!label->scene());
    history->redo();
    history->redo();
    QCOMPARE(label->toPlainText(), QString("HOLA MUNDO"));
    QCOMPARE(label->scene(), scene);
}

// Items that only undone steps keep alive are freed when a new change discards those steps, and
// the history never grows past its limit.
void TestHistory::discardedStepsFreeWhatOnlyTheyHeld()
{
    MainWindow window;
    auto *scene = window.findChild<DiagramScene *>();
    QUndoStack *history = scene->history();
    QPointer<DiagramTextItem> label = new DiagramTextItem;
    scene->addItem(label);
    scene->recordAddition({label}, "texto");
    history->undo();
    QVERIFY(label && !label->scene()); // off the board, kept for redo

    scene->setMode(DiagramScene::DrawFreehand);
    SceneDriver driver(scene);
    driver.drag({{100, 100}, {120, 120}});
    QVERIFY(!label);

    for (int i = 0; i < 2 * history->undoLimit(); ++i)
        driver.drag({{100.0, 100.0 + i}, {120.0, 120.0 + i}});
    QCOMPARE(history->count(), history->undoLimit());
    QCOMPARE(scene->items().size(), (2 * history->undoLimit() + 1) * 2);
}

void TestHistory::groupedDotsLookLikeDotsAtTheTop()
{
    TwinBoards boards;
    QRandomGenerator rng(20261209);
    auto somewhere = [&rng] { return QPointF(rng.bounded(390.0), rng.bounded(290.0)); };
    qsizetype mostItems = 0;
    for (int step = 0; step < 120; ++step) {
        const int choice = int(rng.bounded(10));
        QString done;
        if (choice < 4) {
            // Strokes shorter and longer than a run, some of them crossing others.
            QList<QPointF> path{somewhere()};
            const int moves = int(rng.bounded(1, 60));
            for (int i = 0; i < moves; ++i)
                path << path.last() + QPointF(rng.bounded(18.0) - 9, rng.bounded(18.0) - 9);
            boards.play([&](DiagramScene &scene, SceneDriver &driver) {
                scene.setMode(DiagramScene::DrawFreehand);
                driver.press(path.first());
                for (qsizetype i = 1; i < path.size(); ++i)
                    driver.move(path.at(i));
            });
            // While it is drawn, and once it is done.
            const QString underWay = boards.differenceInPixels();
            QVERIFY2(underWay.isEmpty(),
                     qPrintable(QString("step %1 (stroke under way): %2").arg(step).arg(underWay)));
            boards.play([&](DiagramScene &, SceneDriver &driver) { driver.release(path.last()); });
            done = "stroke";
        } else if (choice < 6) {
            const QPointF from = somewhere();
            const QPointF to = somewhere();
            const auto mode = choice == 4 ? DiagramScene::InsertItem : DiagramScene::InsertLine;
            boards.play([&](DiagramScene &scene, SceneDriver &driver) {
                scene.setMode(mode);
                driver.drag({from, to});
            });
            done = "shape or line";
        } else if (choice < 7) {
            const QPointF from = somewhere();
            const QPointF to = somewhere();
            boards.play([&](DiagramScene &scene, SceneDriver &driver) {
                scene.setMode(DiagramScene::MoveItem);
                driver.drag({from, (from + to) / 2, to});
            });
            done = "drag";
        } else if (choice < 9) {
            const bool back = choice == 7;
            boards.play([&](DiagramScene &scene, SceneDriver &) {
                back ? scene.history()->undo() : scene.history()->redo();
            });
            done = back ? "undo" : "redo";
        } else {
            boards.play([](DiagramScene &scene, SceneDriver &) { scene.clearBoard(); });
            done = "Limpiar";
        }
        const QString difference = boards.difference();
        QVERIFY2(difference.isEmpty(),
                 qPrintable(QString("step %1 (%2): %3").arg(step).arg(done, difference)));
        mostItems = qMax(mostItems, boards.grouped.items().size());
    }
    QVERIFY(mostItems > 200); // the boards compared were not all but empty
}

TAVELO_TEST_MAIN(TestHistory)
#include "tst_history.moc"
