#include "app/diagramview.h"
#include "app/mainwindow.h"
#include "app/zorder.h"
#include "boardlookup.h"
#include "items/diagramtextitem.h"
#include "scene/diagramscene.h"
#include "testsupport.h"

#include <QAction>
#include <QGraphicsPathItem>
#include <QPointer>

using ZValues = QList<qreal>;

namespace {

// Items stacked in the given order; "shape" kinds are shapes, the others strokes or labels.
struct Stack
{
    std::vector<std::unique_ptr<QGraphicsItem>> owned;
    QList<QGraphicsItem *> items;

    Stack(const ZValues &zValues, const QList<bool> &isShape)
    {
        for (int i = 0; i < zValues.size(); ++i) {
            std::unique_ptr<QGraphicsItem> item;
            if (isShape.value(i, true))
                item = std::make_unique<DiagramItem>(DiagramItem::Square, nullptr);
            else
                item = std::make_unique<QGraphicsPathItem>();
            item->setZValue(zValues.at(i));
            items << item.get();
            owned.push_back(std::move(item));
        }
    }
};

} // namespace

class TestItemCommands : public QObject
{
    Q_OBJECT

private slots:
    void stackingRule_data();
    void stackingRule();
    void bringToFrontAndSendToBackOnTheBoard();
    void deleteRemovesTheWholeSelection();
    void clearEmptiesTheBoard();
};

void TestItemCommands::stackingRule_data()
{
    QTest::addColumn<ZValues>("colliding");
    QTest::addColumn<QList<bool>>("isShape");
    QTest::addColumn<qreal>("front");
    QTest::addColumn<qreal>("back");
    const QList<bool> shapes{true, true};
    QTest::newRow("above 1 and 2") << ZValues{1.0, 2.0} << shapes << 2.1 << 0.0;
    QTest::newRow("above 2 and 1") << ZValues{2.0, 1.0} << shapes << 2.1 << 0.0;
    QTest::newRow("below -0.5 and 0") << ZValues{-0.5, 0.0} << shapes << 0.1 << -0.6;
    QTest::newRow("below 0 and -0.5") << ZValues{0.0, -0.5} << shapes << 0.1 << -0.6;
    QTest::newRow("list order decides: 0.25 then 0.3")
        << ZValues{0.25, 0.3} << shapes << 0.35 << 0.0;
    QTest::newRow("list order decides: 0.3 then 0.25")
        << ZValues{0.3, 0.25} << shapes << 0.4 << 0.0;
    QTest::newRow("nothing colliding") << ZValues{} << QList<bool>{} << 0.0 << 0.0;
    QTest::newRow("only strokes and labels count for nothing")
        << ZValues{5.0, -5.0} << QList<bool>{false, false} << 0.0 << 0.0;
    QTest::newRow("only shapes below zero, raised to zero")
        << ZValues{-1.0, -2.0} << shapes << 0.0 << -2.1;
}

void TestItemCommands::stackingRule()
{
    QFETCH(ZValues, colliding);
    QFETCH(QList<bool>, isShape);
    const Stack stack(colliding, isShape);
    QTEST(frontZValue(stack.items), "front");
    QTEST(backZValue(stack.items), "back");
}

void TestItemCommands::bringToFrontAndSendToBackOnTheBoard()
{
    MainWindow window;
    auto *scene = window.findChild<DiagramScene *>();
    auto *moved = new DiagramItem(DiagramItem::Square, nullptr);
    auto *low = new DiagramItem(DiagramItem::Square, nullptr);
    auto *high = new DiagramItem(DiagramItem::Diamond, nullptr);
    auto *faraway = new DiagramItem(DiagramItem::Square, nullptr);
    for (DiagramItem *item : {moved, low, high, faraway})
        scene->addItem(item);
    low->setZValue(1.0);
    high->setZValue(2.0);
    faraway->setZValue(7.0);
    faraway->setPos(2000, 2000);
    moved->setSelected(true);

    actionNamed(window, "Enviar al frente")->trigger();
    QCOMPARE(moved->zValue(), 2.1);
    actionNamed(window, "Enviar al fondo")->trigger();
    QCOMPARE(moved->zValue(), 0.0);

    // Only the first selected item moves.
    low->setSelected(true);
    QGraphicsItem *first = scene->selectedItems().first();
    QGraphicsItem *second = scene->selectedItems().last();
    const qreal secondBefore = second->zValue();
    actionNamed(window, "Enviar al frente")->trigger();
    QVERIFY(first->zValue() > 2.0);
    QCOMPARE(second->zValue(), secondBefore);
}

void TestItemCommands::deleteRemovesTheWholeSelection()
{
    MainWindow window;
    auto *scene = window.findChild<DiagramScene *>();
    QPointer<DiagramTextItem> label = new DiagramTextItem;
    auto *shape = new DiagramItem(DiagramItem::Square, nullptr);
    auto *stroke = scene->addPath(QPainterPath(QPointF(0, 0)));
    auto *keptShape = new DiagramItem(DiagramItem::Diamond, nullptr);
    scene->addItem(label);
    scene->addItem(shape);
    scene->addItem(keptShape);
    stroke->setFlag(QGraphicsItem::ItemIsSelectable);
    for (QGraphicsItem *item : std::initializer_list<QGraphicsItem *>{label, shape, stroke})
        item->setSelected(true);
    scene->showHandles(shape);

    actionNamed(window, "&Borrar")->trigger();

    QVERIFY(label && !label->scene()); // off the board, kept for undo
    QCOMPARE(scene->items(), QList<QGraphicsItem *>{keptShape});
    QVERIFY(scene->vertexHandles().isEmpty());
    actionNamed(window, "&Borrar")->trigger(); // empty selection: nothing happens
    QCOMPARE(scene->items().size(), 1);
}

void TestItemCommands::clearEmptiesTheBoard()
{
    MainWindow window;
    auto *scene = window.findChild<DiagramScene *>();
    scene->setMode(DiagramScene::InsertItem);
    scene->setItemType(DiagramItem::Diamond);
    auto *shape = new DiagramItem(DiagramItem::Square, nullptr);
    scene->addItem(shape);
    scene->showHandles(shape);
    scene->addLine(0, 0, 10, 10);
    scene->setBackgroundBrush(QBrush(Qt::gray, Qt::SolidPattern)); // as a cut leaves it

    actionNamed(window, "Limpiar")->trigger();

    QVERIFY(scene->items().isEmpty());
    QVERIFY(scene->vertexHandles().isEmpty());
    QVERIFY(!scene->activeShape());
    QCOMPARE(scene->backgroundBrush(), QBrush(Qt::transparent, Qt::SolidPattern));
    QCOMPARE(scene->currentMode(), DiagramScene::InsertItem);
    QCOMPARE(scene->currentItemType(), DiagramItem::Diamond);
}

TAVELO_TEST_MAIN(TestItemCommands)
#include "tst_itemcommands.moc"
