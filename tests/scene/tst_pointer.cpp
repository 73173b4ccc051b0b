#include "app/mainwindow.h"
#include "items/diagramtextitem.h"
#include "scene/boardtools.h"
#include "scene/diagramscene.h"
#include "scenedriver.h"
#include "testsupport.h"
#include "viewdriver.h"

#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsPathItem>
#include <QGraphicsView>
#include <QLabel>
#include <QSignalSpy>

using Path = QList<QPointF>;

namespace {

int countOfType(const QGraphicsScene &scene, int type)
{
    const QList<QGraphicsItem *> items = scene.items();
    return int(std::count_if(items.cbegin(), items.cend(), [type](const QGraphicsItem *item) {
        return item->type() == type;
    }));
}

template<typename T>
QList<T *> itemsOf(const QGraphicsScene &scene)
{
    QList<T *> found;
    const QList<QGraphicsItem *> items = scene.items(Qt::AscendingOrder);
    for (QGraphicsItem *item : items) {
        if (item->type() == T::Type)
            found << static_cast<T *>(item);
    }
    return found;
}

QPen expectedPen(const QColor &color, qreal width)
{
    return QPen(QBrush(color, Qt::SolidPattern), width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

QPointF handleCentre(const QGraphicsItem *handle)
{
    return static_cast<const QGraphicsEllipseItem *>(handle)->rect().center();
}

} // namespace

class TestPointer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void gestureOutcome_data();
    void gestureOutcome();
    void nonLeftPressesCreateNothing_data();
    void nonLeftPressesCreateNothing();
    void stampedShapeIsStyledAndHandled();
    void lineStaysAsDrawn();
    void freehandRecordsRoundedPointsAndExactDots();
    void freehandPressSelectsButDoesNotMoveAShape();
    void firstDragAfterAGestureOnAHandleMovesTheShape_data();
    void firstDragAfterAGestureOnAHandleMovesTheShape();
    void spannedRectangle_data();
    void spannedRectangle();
    void textLabelIsPlacedAndModeReturns();
    void vertexDragMovesOneCorner();
    void draggedShapeCarriesItsHandles();
    void unknownModeBehavesLikeMove_data();
    void unknownModeBehavesLikeMove();

    void deletedShapeHandlesDriveNothing();
    void removedItemsMidGestureAreNotTouched_data();
    void removedItemsMidGestureAreNotTouched();
    void handlesOfAnotherShapeNeverReshapeTheCurrentOne();

    void coordinatesFollowThePointer();

private:
    DiagramScene *scene = nullptr;
    std::unique_ptr<QGraphicsView> view;
    std::unique_ptr<ViewDriver> pointer;
};

// Gestures go through a real view whose viewport shows the scene one to one.
void TestPointer::init()
{
    scene = new DiagramScene(nullptr, nullptr);
    scene->setSceneRect(0, 0, 1000, 800);
    view = std::make_unique<QGraphicsView>(scene);
    QVERIFY(showOneToOne(view.get(), QSize(1000, 800)));
    pointer = std::make_unique<ViewDriver>(view.get());
}

void TestPointer::cleanup()
{
    pointer.reset();
    view.reset();
    delete scene;
    scene = nullptr;
}

void TestPointer::gestureOutcome_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("itemType");
    QTest::addColumn<Path>("path");
    QTest::addColumn<int>("shapes");
    QTest::addColumn<int>("texts");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("paths");
    QTest::addColumn<int>("handles");
    QTest::addColumn<int>("modeAfter");
    QTest::addColumn<int>("itemSignals");
    QTest::addColumn<int>("textSignals");

    const Path click{{300, 200}};
    const Path drag{{300, 200}, {320, 230}, {350, 260}};
    QTest::newRow("stamp a square") << int(DiagramScene::InsertItem) << 0 << click << 1 << 0 << 0
                                    << 0 << 4 << int(DiagramScene::InsertItem) << 1 << 0;
    QTest::newRow("stamp a diamond and drag it")
        << int(DiagramScene::InsertItem) << 1 << drag << 1 << 0 << 0 << 0 << 4
        << int(DiagramScene::InsertItem) << 1 << 0;
    QTest::newRow("straight line") << int(DiagramScene::InsertLine) << 0 << drag << 0 << 0 << 1 << 0
                                   << 0 << int(DiagramScene::InsertLine) << 0 << 0;
    QTest::newRow("text label") << int(DiagramScene::InsertText) << 0 << click << 0 << 1 << 0 << 0
                                << 0 << int(DiagramScene::MoveItem) << 0 << 1;
    QTest::newRow("freehand click leaves an empty path")
        << int(DiagramScene::DrawFreehand) << 4 << click << 0 << 0 << 0 << 1 << 0
        << int(DiagramScene::DrawFreehand) << 0 << 0;
    QTest::newRow("freehand stroke: one dot per move and a path")
        << int(DiagramScene::DrawFreehand) << 4 << drag << 0 << 0 << 2 << 1 << 0
        << int(DiagramScene::DrawFreehand) << 0 << 0;
    QTest::newRow("spanned rectangle") << int(DiagramScene::DrawRect) << 6 << drag << 1 << 0 << 0
                                       << 0 << 4 << int(DiagramScene::MoveItem) << 0 << 0;
    QTest::newRow("move on empty board") << int(DiagramScene::MoveItem) << 0 << drag << 0 << 0 << 0
                                         << 0 << 0 << int(DiagramScene::MoveItem) << 0 << 0;
}

void TestPointer::gestureOutcome()
{
    QFETCH(int, mode);
    QFETCH(int, itemType);
    QFETCH(Path, path);
    expectCutMessage(itemType);
    scene->setItemType(DiagramItem::DiagramType(itemType));
    scene->setMode(DiagramScene::Mode(mode));
    QSignalSpy itemSignals(scene, &DiagramScene::itemInserted);
    QSignalSpy textSignals(scene, &DiagramScene::textInserted);

    pointer->drag(path);

    QTEST(countOfType(*scene, DiagramItem::Type), "shapes");
    QTEST(countOfType(*scene, DiagramTextItem::Type), "texts");
    QTEST(countOfType(*scene, QGraphicsLineItem::Type), "lines");
    QTEST(countOfType(*scene, QGraphicsPathItem::Type), "paths");
    QTEST(countOfType(*scene, QGraphicsEllipseItem::Type), "handles");
    QTEST(int(scene->vertexHandles().size()), "handles");
    QTEST(int(scene->currentMode()), "modeAfter");
    QTEST(int(itemSignals.count()), "itemSignals");
    QTEST(int(textSignals.count()), "textSignals");
}

void TestPointer::nonLeftPressesCreateNothing_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("button");
    for (int mode = 0; mode <= 6; ++mode) {
        QTest::addRow("right press, mode %d", mode) << mode << int(Qt::RightButton);
        QTest::addRow("middle press, mode %d", mode) << mode << int(Qt::MiddleButton);
    }
}

void TestPointer::nonLeftPressesCreateNothing()
{
    QFETCH(int, mode);
    QFETCH(int, button);
    auto *shape = new DiagramItem(DiagramItem::Square, nullptr);
    scene->addItem(shape);
    shape->setPos(300, 200);
    scene->setMode(DiagramScene::Mode(mode));
    QSignalSpy itemSignals(scene, &DiagramScene::itemInserted);

    pointer->press(QPointF(300, 200), Qt::MouseButton(button));

    QCOMPARE(scene->items(), QList<QGraphicsItem *>{shape});
    QVERIFY(scene->selectedItems().isEmpty());
    QVERIFY(!scene->mouseGrabberItem());
    QCOMPARE(itemSignals.count(), 0);
}

void TestPointer::stampedShapeIsStyledAndHandled()
{
    scene->setItemColor(Qt::yellow);
    scene->setLineColor(Qt::blue);
    scene->setMode(DiagramScene::InsertItem);
    pointer->drag({{300, 200}});

    const QList<DiagramItem *> shapes = itemsOf<DiagramItem>(*scene);
    QCOMPARE(shapes.size(), 1);
    DiagramItem *shape = shapes.first();
    QCOMPARE(shape->pos(), QPointF(300, 200));
    QVERIFY(shape->isSelected());
    QCOMPARE(shape->zValue(), 0.0);
    QCOMPARE(shape->brush(), QBrush(Qt::yellow, Qt::SolidPattern));
    QCOMPARE(shape->pen(), expectedPen(Qt::blue, 2));
    QCOMPARE(scene->activeShape(), shape);
    QCOMPARE(scene->shapeWithHandles(), shape);

    // One red handle per outline vertex, centred one unit up-left of it, above everything.
    const QPolygonF outline = shape->polygon();
    QCOMPARE(scene->vertexHandles().size(), outline.size());
    for (int i = 0; i < outline.size(); ++i) {
        const auto *handle = static_cast<QGraphicsEllipseItem *>(scene->vertexHandles().at(i));
        QCOMPARE(handle->rect().center(), shape->mapToScene(outline.at(i)) - QPointF(1, 1));
        QCOMPARE(handle->rect().size(), QSizeF(8, 8));
        QCOMPARE(handle->brush().color(), QColor(Qt::red));
        QCOMPARE(handle->zValue(), 100000000.0);
        QCOMPARE(handle->flags(), QGraphicsItem::ItemIsMovable);
    }
}

void TestPointer::lineStaysAsDrawn()
{
    auto *left = new DiagramItem(DiagramItem::Square, nullptr);
    auto *right = new DiagramItem(DiagramItem::Square, nullptr);
    scene->addItem(left);
    scene->addItem(right);
    right->setPos(500, 500);
    scene->setLineColor(Qt::red);
    scene->setMode(DiagramScene::InsertLine);

    pointer->drag({{0, 0}, {60, 20}, {500, 500}});

    const QList<QGraphicsLineItem *> lines = itemsOf<QGraphicsLineItem>(*scene);
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines.first()->line(), QLineF(0, 0, 500, 500));
    QCOMPARE(lines.first()->flags(), QGraphicsItem::GraphicsItemFlags());
    QCOMPARE(lines.first()->pen(), expectedPen(Qt::red, 2));
    QCOMPARE(left->pos(), QPointF(0, 0));
    QCOMPARE(right->pos(), QPointF(500, 500));
    QCOMPARE(scene->currentMode(), DiagramScene::InsertLine);
}

void TestPointer::freehandRecordsRoundedPointsAndExactDots()
{
    scene->setLineColor(Qt::green);
    scene->setMode(DiagramScene::DrawFreehand);
    SceneDriver driver(scene);
    driver.press(QPointF(0.4, 0.6));
    driver.move(QPointF(0.4, 0.6));
    driver.move(QPointF(10.5, -3.5));
    QCOMPARE(countOfType(*scene, QGraphicsPathItem::Type), 0);
    driver.release(QPointF(10.5, -3.5));

    const QList<QGraphicsLineItem *> dots = itemsOf<QGraphicsLineItem>(*scene);
    QCOMPARE(dots.size(), 2);
    QCOMPARE(dots.at(0)->line(), QLineF(QPointF(0.4, 0.6), QPointF(0.4, 0.6)));
    QCOMPARE(dots.at(1)->line(), QLineF(QPointF(10.5, -3.5), QPointF(10.5, -3.5)));
    QCOMPARE(dots.at(0)->pen(), expectedPen(Qt::green, 5));

    const QList<QGraphicsPathItem *> paths = itemsOf<QGraphicsPathItem>(*scene);
    QCOMPARE(paths.size(), 1);
    const QPainterPath path = paths.first()->path();
    QCOMPARE(path.elementCount(), 2);
    QCOMPARE(QPointF(path.elementAt(0)), QPointF(0, 1));
    QCOMPARE(QPointF(path.elementAt(1)), QPointF(11, -4));
    QCOMPARE(paths.first()->pen(), expectedPen(Qt::green, 5));
    QCOMPARE(paths.first()->brush(), QBrush());
    // The stroke lies over its dots.
    QVERIFY(scene->items(Qt::DescendingOrder).first() == paths.first());
}

void TestPointer::freehandPressSelectsButDoesNotMoveAShape()
{
    auto *shape = new DiagramItem(DiagramItem::Square, nullptr);
    scene->addItem(shape);
    shape->setPos(300, 200);
    scene->setMode(DiagramScene::DrawFreehand);

    pointer->drag({{300, 200}, {350, 250}, {400, 300}});

    QVERIFY(shape->isSelected());
    QCOMPARE(shape->pos(), QPointF(300, 200));
    QCOMPARE(countOfType(*scene, QGraphicsLineItem::Type), 2);
}

void TestPointer::firstDragAfterAGestureOnAHandleMovesTheShape_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("pen stroke") << int(DiagramScene::DrawFreehand);
    QTest::newRow("text label") << int(DiagramScene::InsertText);
    QTest::newRow("spanned rectangle") << int(DiagramScene::DrawRect);
    QTest::newRow("vertex drag") << int(DiagramScene::MoveItem);
}

// A gesture that starts on a red handle must not leave the shape pinned.
void TestPointer::firstDragAfterAGestureOnAHandleMovesTheShape()
{
    QFETCH(int, mode);
    auto *shape = new DiagramItem(DiagramItem::Square, nullptr);
    scene->addItem(shape);
    shape->setPos(300, 300);
    shape->setSelected(true);
    scene->showHandles(shape);
    const QPolygonF outline = shape->polygon();
    scene->setItemType(DiagramItem::FreeRect);
    scene->setMode(DiagramScene::Mode(mode));
    expectCutMessage(mode == DiagramScene::DrawRect ? DiagramItem::FreeRect : -1);

    // The handle of the vertex (100, -100), at scene (400, 200).
    pointer->drag({{399, 199}, {420, 220}, {450, 250}});
    if (mode == DiagramScene::DrawFreehand)
        QCOMPARE(shape->polygon(), outline);
    scene->setMode(DiagramScene::MoveItem);
    pointer->drag({{300, 300}, {310, 310}, {330, 340}});
    QCOMPARE(shape->pos(), QPointF(330, 340));
}

void TestPointer::spannedRectangle_data()
{
    QTest::addColumn<Path>("path");
    QTest::addColumn<QPolygonF>("outline");
    QTest::newRow("dragged down-right")
        << Path{{10, 10}, {40, 30}}
        << QPolygonF(QList<QPointF>{{10, 10}, {10, 30}, {40, 30}, {40, 10}});
    QTest::newRow("dragged up-left")
        << Path{{40, 30}, {20, 20}, {10, 10}}
        << QPolygonF(QList<QPointF>{{40, 30}, {40, 10}, {10, 10}, {10, 30}});
    QTest::newRow("click without a move")
        << Path{{25, 35}} << QPolygonF(QList<QPointF>{{25, 35}, {25, 35}, {25, 35}, {25, 35}});
}

void TestPointer::spannedRectangle()
{
    QFETCH(Path, path);
    QFETCH(QPolygonF, outline);
    QTest::ignoreMessage(QtDebugMsg, "CUT!");
    scene->setItemType(DiagramItem::FreeRect);
    scene->setMode(DiagramScene::DrawRect);

    pointer->drag(path);

    const QList<DiagramItem *> shapes = itemsOf<DiagramItem>(*scene);
    QCOMPARE(shapes.size(), 1);
    QCOMPARE(shapes.first()->polygon(), outline);
    QCOMPARE(shapes.first()->pos(), QPointF(0, 0));
    QVERIFY(shapes.first()->flags() & QGraphicsItem::ItemIsMovable);
    QCOMPARE(scene->currentMode(), DiagramScene::MoveItem);
    // After a drag the handles stand on the final corners, not on those of the move before.
    if (path.size() == 1)
        return;
    QCOMPARE(scene->vertexHandles().size(), 4);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(handleCentre(scene->vertexHandles().at(i)), outline.at(i) - QPointF(1, 1));
}

void TestPointer::textLabelIsPlacedAndModeReturns()
{
    QFont font("DejaVu Serif", 17);
    scene->setTextFont(font);
    scene->setTextColor(Qt::red);
    scene->setMode(DiagramScene::InsertText);
    // Whatever the receiver does to the mode, the label's press ends in the move mode.
    connect(scene, &DiagramScene::textInserted, scene, [this] {
        scene->setMode(DiagramScene::DrawRect);
    });

    pointer->drag({{50, 60}});

    const QList<DiagramTextItem *> texts = itemsOf<DiagramTextItem>(*scene);
    QCOMPARE(texts.size(), 1);
    DiagramTextItem *label = texts.first();
    QCOMPARE(label->pos(), QPointF(50, 60));
    QCOMPARE(label->zValue(), 1000.0);
    QCOMPARE(label->textInteractionFlags(), Qt::TextEditorInteraction);
    QCOMPARE(label->font(), font);
    QCOMPARE(label->defaultTextColor(), QColor(Qt::red));
    QCOMPARE(scene->newestTextItem(), label);
    QCOMPARE(scene->currentMode(), DiagramScene::MoveItem);

    scene->clearSelection();
    QSignalSpy forwarded(scene, &DiagramScene::itemSelected);
    label->setSelected(true);
    QCOMPARE(forwarded.count(), 1);
}

void TestPointer::vertexDragMovesOneCorner()
{
    scene->setMode(DiagramScene::InsertItem);
    ViewDriver &driver = *pointer;
    driver.drag({{300, 200}});
    DiagramItem *shape = itemsOf<DiagramItem>(*scene).first();
    scene->setMode(DiagramScene::MoveItem);

    // The first vertex (100, -100) sits at scene (400, 100); its handle is centred at (399, 99).
    driver.press(QPointF(399, 99));
    QVERIFY(scene->vertexDragActive());
    QVERIFY(!(shape->flags() & QGraphicsItem::ItemIsMovable));
    driver.move(QPointF(420, 80));
    driver.move(QPointF(450, 60));
    QCOMPARE(shape->polygon().first(), QPointF(150, -140));
    QCOMPARE(shape->pos(), QPointF(300, 200));
    driver.release(QPointF(450, 60));

    const QPolygonF expected(QList<QPointF>{{150, -140}, {100, 100}, {-100, 100}, {-100, -100}});
    QCOMPARE(shape->polygon(), expected);
    QVERIFY(shape->flags() & QGraphicsItem::ItemIsMovable);
    QCOMPARE(scene->vertexHandles().size(), 4);
    QCOMPARE(handleCentre(scene->vertexHandles().first()), QPointF(449, 59));

    // The shape can be moved again as a whole.
    driver.drag({{300, 200}, {320, 220}, {340, 240}});
    QCOMPARE(shape->pos(), QPointF(340, 240));
}

void TestPointer::draggedShapeCarriesItsHandles()
{
    auto *shape = new DiagramItem(DiagramItem::Diamond, nullptr);
    scene->addItem(shape);
    shape->setPos(300, 300);
    shape->setSelected(true);
    scene->setMode(DiagramScene::MoveItem);
    ViewDriver &driver = *pointer;

    driver.press(QPointF(300, 300));
    driver.move(QPointF(320, 310));
    QCOMPARE(shape->pos(), QPointF(320, 310));
    QCOMPARE(handleCentre(scene->vertexHandles().first()), QPointF(320, 410) - QPointF(1, 1));
    driver.move(QPointF(350, 330));
    QCOMPARE(handleCentre(scene->vertexHandles().first()), QPointF(350, 430) - QPointF(1, 1));
    driver.release(QPointF(350, 330));
    QCOMPARE(scene->vertexHandles().size(), 4);
    QCOMPARE(scene->activeShape(), shape);
}

void TestPointer::unknownModeBehavesLikeMove_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("selectedFirst");
    // The first value past the tools' modes is the one a new tool would take next.
    int pastTheKnown = 0;
    for (const BoardTools::Tool *tool = BoardTools::begin(); tool != BoardTools::end(); ++tool)
        pastTheKnown = qMax(pastTheKnown, tool->mode + 1);
    for (const int mode : {pastTheKnown, 42, -1}) {
        QTest::addRow("mode %d, shape not yet selected", mode) << mode << false;
        QTest::addRow("mode %d, shape selected", mode) << mode << true;
    }
}

// Whatever tools the board gains, a mode it does not know picks up and moves as the pointer does.
void TestPointer::unknownModeBehavesLikeMove()
{
    QFETCH(int, mode);
    QFETCH(bool, selectedFirst);
    auto *shape = new DiagramItem(DiagramItem::Square, nullptr);
    scene->addItem(shape);
    shape->setPos(300, 200);
    if (selectedFirst) {
        scene->setMode(DiagramScene::MoveItem);
        pointer->drag({{300, 200}});
        QVERIFY(shape->isSelected());
    }
    scene->setMode(DiagramScene::Mode(mode));

    pointer->drag({{300, 200}, {310, 210}, {330, 250}});

    QCOMPARE(scene->items().size(), 1 + 4);
    QCOMPARE(shape->pos(), QPointF(330, 250));
    QCOMPARE(scene->shapeWithHandles(), shape);
    QCOMPARE(int(scene->currentMode()), mode);
}

void TestPointer::deletedShapeHandlesDriveNothing()
{
    scene->setMode(DiagramScene::InsertItem);
    ViewDriver &driver = *pointer;
    driver.drag({{300, 200}});
    scene->setMode(DiagramScene::MoveItem);
    DiagramItem *shape = itemsOf<DiagramItem>(*scene).first();
    QCOMPARE(scene->vertexHandles().size(), 4);

    delete shape; // what the delete command does to the selection

    QVERIFY(scene->vertexHandles().isEmpty());
    QVERIFY(!scene->activeShape());
    QVERIFY(scene->items().isEmpty());
    driver.press(QPointF(399, 99));
    QVERIFY(!scene->vertexDragActive());
    driver.move(QPointF(450, 60));
    driver.release(QPointF(450, 60));
    QVERIFY(scene->items().isEmpty());
}

void TestPointer::removedItemsMidGestureAreNotTouched_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("clearBoard"); // else only the selection is deleted
    for (int mode : {int(DiagramScene::InsertLine),
                     int(DiagramScene::DrawRect),
                     int(DiagramScene::DrawFreehand),
                     int(DiagramScene::InsertItem),
                     int(DiagramScene::MoveItem)}) {
        QTest::addRow("mode %d, board cleared", mode) << mode << true;
        QTest::addRow("mode %d, selection deleted", mode) << mode << false;
    }
}

void TestPointer::removedItemsMidGestureAreNotTouched()
{
    QFETCH(int, mode);
    QFETCH(bool, clearBoard);
    if (mode == DiagramScene::DrawRect)
        expectCutMessage(DiagramItem::FreeRect);
    auto *shape = new DiagramItem(DiagramItem::Square, nullptr);
    scene->addItem(shape);
    shape->setPos(500, 500);
    shape->setSelected(true);
    scene->showHandles(shape);
    scene->setItemType(mode == DiagramScene::DrawRect ? DiagramItem::FreeRect : DiagramItem::Square);
    scene->setMode(DiagramScene::Mode(mode));

    ViewDriver &driver = *pointer;
    driver.press(QPointF(500, 500));
    driver.move(QPointF(520, 510));
    if (clearBoard)
        scene->clearBoard();
    else
        scene->removeFromBoard(scene->selectedItems(), "Borrar");
    driver.move(QPointF(540, 530));
    driver.release(QPointF(540, 530));

    QVERIFY(!scene->lineBeingDrawn() || scene->lineBeingDrawn()->scene() == scene);
    QVERIFY(!scene->activeShape() || scene->activeShape()->scene() == scene);
    for (QGraphicsItem *handle : scene->vertexHandles())
        QCOMPARE(handle->scene(), scene);
    QVERIFY(!scene->shapeWithHandles() || scene->shapeWithHandles()->scene() == scene);
}

void TestPointer::handlesOfAnotherShapeNeverReshapeTheCurrentOne()
{
    auto *withHandles = new DiagramItem(DiagramItem::Square, nullptr);
    auto *other = new DiagramItem(DiagramItem::Diamond, nullptr);
    scene->addItem(withHandles);
    scene->addItem(other);
    withHandles->setPos(300, 300);
    other->setPos(700, 300);
    scene->showHandles(withHandles);
    other->setSelected(true); // selected elsewhere, e.g. by a pen press
    const QPolygonF otherOutline = other->polygon();

    scene->setMode(DiagramScene::MoveItem);
    pointer->drag({{399, 199}, {420, 150}, {450, 120}});

    QCOMPARE(other->polygon(), otherOutline);
}

void TestPointer::coordinatesFollowThePointer()
{
    MainWindow window;
    auto *boardScene = window.findChild<DiagramScene *>();
    auto *label = window.findChild<QLabel *>("coordinatesLabel");
    QVERIFY(boardScene && label);
    QCOMPARE(label->text(), QString("0,0"));
    SceneDriver driver(boardScene);

    driver.move(QPointF(12.5, 300));
    QCOMPARE(label->text(), QString("12.5, 300"));

    // Not while a stroke is drawn (the board starts with the pen) ...
    driver.press(QPointF(40, 40));
    driver.move(QPointF(41, 42));
    QCOMPARE(label->text(), QString("12.5, 300"));
    driver.release(QPointF(41, 42));

    // ... but in every other mode, button held or not.
    boardScene->setMode(DiagramScene::InsertLine);
    driver.press(QPointF(40, 40));
    driver.move(QPointF(-3.25, 7));
    QCOMPARE(label->text(), QString("-3.25, 7"));
    driver.release(QPointF(-3.25, 7));
}

TAVELO_TEST_MAIN(TestPointer)
#include "tst_pointer.moc"
