#include "items/diagramitempixmap.h"
#include "items/diagramtextitem.h"
#include "scene/diagramscene.h"
#include "testsupport.h"

#include <QGraphicsLineItem>
#include <QPointer>
#include <QTextCursor>

class TestDiagramScene : public QObject
{
    Q_OBJECT

private slots:
    void freshSceneState();
    void modeIsRegisteredAndStoresAnyValue();
    void itemColorRestylesOnlyAFirstSelectedShape();
    void textSettersRestyleOnlyAFirstSelectedLabel();
    void textSettersWithoutLabelOnlyStore();
    void lineColorNeverChangesExistingItems();
    void selectionHasType();
    void editorLostFocus_data();
    void editorLostFocus();
    void handlesFollowTheirShapeOutOfTheScene_data();
    void handlesFollowTheirShapeOutOfTheScene();
    void forgetHandlesTouchesNoItem();
};

void TestDiagramScene::freshSceneState()
{
    DiagramScene scene(nullptr, nullptr);
    QCOMPARE(scene.currentMode(), DiagramScene::MoveItem);
    QCOMPARE(scene.currentItemType(), DiagramItem::Square);
    QCOMPARE(scene.currentTextColor(), QColor(Qt::black));
    QCOMPARE(scene.currentLineColor(), QColor(Qt::black));
    QCOMPARE(scene.currentItemColor(), QColor(255, 255, 255, 100));
    QCOMPARE(scene.currentTextFont(), QFont());
    QCOMPARE(scene.freehandPenWidth(), 5);
    QVERIFY(scene.vertexHandles().isEmpty());
    QVERIFY(!scene.activeShape());
    QVERIFY(!scene.newestCutPicture());
    QCOMPARE(scene.backgroundBrush().style(), Qt::NoBrush);
    QVERIFY(scene.sceneRect().isEmpty());
}

void TestDiagramScene::modeIsRegisteredAndStoresAnyValue()
{
    QCOMPARE(QMetaType::fromType<DiagramScene::Mode>().name(), "DiagramScene::Mode");
    DiagramScene scene(nullptr, nullptr);
    QVERIFY(QMetaObject::invokeMethod(&scene,
                                      "setMode",
                                      Q_ARG(DiagramScene::Mode, DiagramScene::Mode(42))));
    QCOMPARE(int(scene.currentMode()), 42);
    QVERIFY(QMetaType::fromName("DiagramTextItem*").isValid());
}

void TestDiagramScene::itemColorRestylesOnlyAFirstSelectedShape()
{
    DiagramScene scene(nullptr, nullptr);
    auto *shape = new DiagramItem(DiagramItem::Square, nullptr);
    auto *text = new DiagramTextItem;
    scene.addItem(shape);
    scene.addItem(text);
    shape->setBrush(Qt::white);
    shape->setSelected(true);
    text->setSelected(true);

    scene.setItemColor(Qt::red);

    const bool shapeFirst = scene.selectedItems().first() == shape;
    QCOMPARE(shape->brush().color(), shapeFirst ? QColor(Qt::red) : QColor(Qt::white));
    QCOMPARE(scene.currentItemColor(), QColor(Qt::red));

    text->setSelected(false);
    scene.setItemColor(Qt::green);
    QCOMPARE(shape->brush(), QBrush(Qt::green, Qt::SolidPattern));
}

void TestDiagramScene::textSettersRestyleOnlyAFirstSelectedLabel()
{
    DiagramScene scene(nullptr, nullptr);
    auto *first = new DiagramTextItem;
    auto *second = new DiagramTextItem;
    scene.addItem(first);
    scene.addItem(second);
    first->setSelected(true);
    second->setSelected(true);
    const QColor before = first->defaultTextColor();

    QFont font("DejaVu Serif", 21);
    scene.setTextColor(Qt::blue);
    scene.setTextFont(font);

    auto *restyled = static_cast<DiagramTextItem *>(scene.selectedItems().first());
    auto *untouched = restyled == first ? second : first;
    QCOMPARE(restyled->defaultTextColor(), QColor(Qt::blue));
    QCOMPARE(restyled->font(), font);
    QCOMPARE(untouched->defaultTextColor(), before);
    QVERIFY(untouched->font() != font);
}

void TestDiagramScene::textSettersWithoutLabelOnlyStore()
{
    DiagramScene scene(nullptr, nullptr);
    auto *shape = new DiagramItem(DiagramItem::Square, nullptr);
    scene.addItem(shape);
    shape->setSelected(true);
    const QBrush brush = shape->brush();

    scene.setTextColor(Qt::yellow);
    scene.setTextFont(QFont("DejaVu Sans Mono", 30));

    QCOMPARE(scene.currentTextColor(), QColor(Qt::yellow));
    QCOMPARE(scene.currentTextFont(), QFont("DejaVu Sans Mono", 30));
    QCOMPARE(shape->brush(), brush);
}

void TestDiagramScene::lineColorNeverChangesExistingItems()
{
    DiagramScene scene(nullptr, nullptr);
    auto *shape = new DiagramItem(DiagramItem::Square, nullptr);
    scene.addItem(shape);
    shape->setPen(QPen(Qt::black, 2));
    shape->setSelected(true);
    QGraphicsLineItem *line = scene.addLine(0, 0, 10, 10, QPen(Qt::black));

    scene.setLineColor(Qt::green);

    QCOMPARE(scene.currentLineColor(), QColor(Qt::green));
    QCOMPARE(shape->pen().color(), QColor(Qt::black));
    QCOMPARE(line->pen().color(), QColor(Qt::black));
}

void TestDiagramScene::selectionHasType()
{
    DiagramScene scene(nullptr, nullptr);
    QVERIFY(!scene.selectionHasType(DiagramItem::Type));
    auto *shape = new DiagramItem(DiagramItem::Square, nullptr);
    auto *text = new DiagramTextItem;
    scene.addItem(shape);
    scene.addItem(text);
    shape->setSelected(true);
    QVERIFY(scene.selectionHasType(DiagramItem::Type));
    QVERIFY(!scene.selectionHasType(DiagramTextItem::Type));
    text->setSelected(true);
    QVERIFY(scene.selectionHasType(DiagramTextItem::Type));
}

void TestDiagramScene::editorLostFocus_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("survives");
    QTest::newRow("empty label vanishes") << QString() << false;
    QTest::newRow("one blank stays") << QString(" ") << true;
    QTest::newRow("a line break stays") << QString("\n") << true;
    QTest::newRow("words stay") << QString("hola mundo") << true;
}

void TestDiagramScene::editorLostFocus()
{
    QFETCH(QString, text);
    QFETCH(bool, survives);
    DiagramScene scene(nullptr, nullptr);
    QPointer<DiagramTextItem> label = new DiagramTextItem;
    label->setPlainText(text);
    scene.addItem(label);
    QTextCursor cursor = label->textCursor();
    cursor.select(QTextCursor::Document);
    label->setTextCursor(cursor);

    scene.editorLostFocus(label);

    if (survives) {
        QCOMPARE(label->scene(), &scene);
        QVERIFY(!label->textCursor().hasSelection());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(label);
    } else {
        // Out of the scene at once, destroyed only once control is back in the event loop.
        QVERIFY(label);
        QVERIFY(!label->scene());
        QVERIFY(scene.items().isEmpty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!label);
    }
}

void TestDiagramScene::handlesFollowTheirShapeOutOfTheScene_data()
{
    QTest::addColumn<bool>("deleteIt");
    QTest::newRow("shape deleted") << true;
    QTest::newRow("shape removed") << false;
}

void TestDiagramScene::handlesFollowTheirShapeOutOfTheScene()
{
    QFETCH(bool, deleteIt);
    DiagramScene scene(nullptr, nullptr);
    auto *shape = new DiagramItem(DiagramItem::Diamond, nullptr);
    auto *bystander = new DiagramItem(DiagramItem::Square, nullptr);
    scene.addItem(shape);
    scene.addItem(bystander);
    scene.showHandles(shape);
    QCOMPARE(scene.vertexHandles().size(), 4);
    QCOMPARE(scene.vertexHandlePoints(), QList<QPointF>(shape->polygon()));

    if (deleteIt) {
        delete shape;
    } else {
        scene.removeItem(shape);
        delete shape;
    }

    QVERIFY(scene.vertexHandles().isEmpty());
    QVERIFY(!scene.shapeWithHandles());
    QCOMPARE(scene.items(), QList<QGraphicsItem *>{bystander});
}

void TestDiagramScene::forgetHandlesTouchesNoItem()
{
    DiagramScene scene(nullptr, nullptr);
    auto *shape = new DiagramItem(DiagramItem::Square, nullptr);
    scene.addItem(shape);
    scene.showHandles(shape);
    scene.clear();
    QVERIFY(scene.items().isEmpty());
    scene.forgetHandles();
    QVERIFY(scene.vertexHandles().isEmpty());
    QVERIFY(scene.vertexHandlePoints().isEmpty());
    QVERIFY(!scene.vertexDragActive());
    QVERIFY(!scene.shapeWithHandles());
}

TAVELO_TEST_MAIN(TestDiagramScene)
#include "tst_diagramscene.moc"
