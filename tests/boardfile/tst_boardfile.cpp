#include "boardcompare.h"
#include "boardfile/boardfile.h"
#include "boardfile/itemkinds.h"
#include "boardfile/writtenitems.h"
#include "items/diagramitempixmap.h"
#include "items/diagramtextitem.h"
#include "items/strokeitem.h"
#include "scene/boardtools.h"
#include "scene/diagramscene.h"
#include "scenedriver.h"
#include "testsupport.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSet>
#include <QUndoStack>

#include <cmath>

namespace {

// A board with every kind of item, moved, restacked and restyled.
void fillWithEveryKind(DiagramScene &scene)
{
    SceneDriver driver(&scene);
    scene.setMode(DiagramScene::DrawFreehand);
    QList<QPointF> path;
    for (int i = 0; i < 40; ++i)
        path << QPointF(20 + i * 7, 60 + 30 * std::sin(i * 0.4));
    driver.drag(path);
    scene.setPenWidth(15);
    driver.drag({{30, 250}, {60, 200}, {90, 260}});
    scene.setMode(DiagramScene::DrawHighlight);
    driver.drag({{20, 150}, {200, 170}, {100, 190}});
    scene.setItemType(DiagramItem::Diamond);
    scene.setMode(DiagramScene::InsertItem);
    scene.setItemColor(QColor(200, 40, 40, 180));
    driver.drag({{250, 120}, {250, 120}});
    scene.setMode(DiagramScene::InsertLine);
    driver.drag({{300, 20}, {380, 90}});
    scene.setMode(DiagramScene::InsertArrow);
    driver.drag({{380, 280}, {320, 200}});
    scene.setMode(DiagramScene::MoveItem);
    driver.drag({{250, 120}, {270, 140}}); // the diamond moves
    auto *label = new DiagramTextItem;
    label->setPlainText("HOLA\nmundo");
    label->setFont(QFont("DejaVu Serif", 18, QFont::Bold));
    label->setDefaultTextColor(Qt::darkGreen);
    label->setPos(120, 220);
    label->setZValue(1000);
    auto *picture = new diagramItemPixmap;
    QImage image(40, 30, QImage::Format_ARGB32);
    image.fill(QColor(20, 90, 200));
    picture->setPixmap(QPixmap::fromImage(image));
    picture->setOffset(300, 100);
    picture->setFlag(QGraphicsItem::ItemIsMovable); // as a finished cut
    picture->setZValue(-0.1);
    for (QGraphicsItem *item : std::initializer_list<QGraphicsItem *>{label, picture})
        scene.addItem(item);
    scene.recordAddition({label, picture}, "setup");
    scene.setBackgroundBrush(QBrush(QPixmap(":/images/background1.png")));
    scene.clearSelection();
    scene.hideHandles();
}

// The board holds an item of every kind the board file knows, each kind told apart by its
// numbers, and each item, taken off, comes back whole by undo.
void everyKindIsOnTheBoardAndComesBackByUndo(DiagramScene &scene)
{
    QSet<QString> names;
    QHash<int, const ItemKind *> firstOfType;
    QSet<int> fileKinds;
    for (const ItemKind *kind = ItemKinds::begin(); kind != ItemKinds::end(); ++kind) {
        names.insert(kind->name);
        // Kinds of one type: the one before tells its items apart from this one's.
        const ItemKind *before = firstOfType.value(kind->type);
        QVERIFY2(!before || before->sets, kind->name);
        firstOfType.insert(kind->type, kind);
        QVERIFY2(!fileKinds.contains(kind->fileKind), kind->name);
        fileKinds.insert(kind->fileKind);
    }
    const QStringList before = boardListing(scene);
    QSet<QString> onBoard;
    for (QGraphicsItem *item : scene.boardItems()) {
        const ItemKind *kind = ItemKinds::of(*item);
        QVERIFY(kind);
        if (onBoard.contains(kind->name))
            continue;
        onBoard.insert(kind->name);
        scene.removeFromBoard({item}, "take off");
        QCOMPARE_NE(boardListing(scene), before);
        scene.history()->undo();
        QCOMPARE(boardListing(scene), before);
    }
    QCOMPARE(onBoard, names);
}

} // namespace

class TestBoardFile : public QObject
{
    Q_OBJECT

private slots:
    void boardFileGivesBackTheBoard();
    void fileOfTheFirstVersionReads();
    void pictureOfAScreenAt200PercentReadsBack();
    void damagedBoardFileIsRefused();
};

// Written to a file and read back, the board lists the same items and looks the same.
void TestBoardFile::boardFileGivesBackTheBoard()
{
    DiagramScene original(nullptr, nullptr);
    original.setSceneRect(0, 0, 400, 300);
    fillWithEveryKind(original);
    // A stylus's stroke, its ink widening as it was pressed harder.
    auto *pressed = new StrokeItem(QPolygonF({{40, 280}, {90, 270}, {140, 285}}),
                                   QPen(Qt::darkBlue, 1, Qt::SolidLine, Qt::RoundCap),
                                   {2.5, 7.25, 13});
    // And a touch of the stylus: one point, whose dot is all it shows.
    auto *touch = new StrokeItem(QPolygonF({{200, 280}}), pressed->pen(), {6.5});
    for (QGraphicsItem *item : std::initializer_list<QGraphicsItem *>{pressed, touch})
        original.addItem(item);
    original.recordAddition({pressed, touch}, "stylus");
    // The kinds that came after the file of the first version.
    SceneDriver driver(&original);
    original.setMode(DiagramScene::Mode(BoardTools::find("elipse")->mode));
    driver.drag({{300, 200}, {340, 230}, {380, 260}});
    original.setMode(DiagramScene::Mode(BoardTools::find("numeros")->mode));
    driver.drag({{60, 120}, {60, 120}});
    auto *boxed = new DiagramTextItem;
    boxed->setPlainText("caja");
    boxed->setPos(200, 30);
    original.addItem(boxed);
    original.recordAddition({boxed}, "label");
    boxed->setSelected(true);
    original.setItemColor(QColor(250, 220, 90));
    original.setLabelsBoxed(true);
    original.clearSelection();
    everyKindIsOnTheBoardAndComesBackByUndo(original);
    if (QTest::currentTestFailed())
        return;
    const QByteArray file = BoardFile::save(original);

    // Encoded ahead a slice at a time, a stroke taken off and put back meanwhile, the copy is
    // the file as written at once.
    WrittenItems sliced;
    const QList<const DiagramScene *> page{&original};
    QVERIFY(!BoardFile::encodeUnwritten(page, sliced, 0));
    original.removeFromBoard({original.boardItems().first()}, "take off");
    const QByteArray without = BoardFile::save(original);
    while (!BoardFile::encodeUnwritten(page, sliced, 0)) {
    }
    QCOMPARE(BoardFile::saveInParts(original, sliced).join(), without);
    original.history()->undo();
    QVERIFY(BoardFile::encodeUnwritten(page, sliced, 0));
    QCOMPARE(BoardFile::saveInParts(original, sliced).join(), file);

    DiagramScene restored(nullptr, nullptr);
    restored.setSceneRect(0, 0, 400, 300);
    QString error;
    WrittenItems read;
    QVERIFY2(BoardFile::load(restored, file, &error, &read), qPrintable(error));
    // The next copy takes what was read for the strokes and pictures as it stands in the file.
    QCOMPARE(BoardFile::saveInParts(restored, read).join(), file);
    QCOMPARE(boardListing(restored), boardListing(original));
    QCOMPARE(renderedInk(restored), renderedInk(original));
    QCOMPARE(restored.backgroundBrush().textureImage(), original.backgroundBrush().textureImage());
    QCOMPARE(BoardFile::save(restored), file);
    // What came back behaves as before: an undo step takes the restored stroke away whole.
    restored.setMode(DiagramScene::Erase);
    SceneDriver(&restored).drag({{90, 20}, {90, 100}});
    QVERIFY(boardListing(restored).size() < boardListing(original).size() - 30);
    restored.history()->undo();
    QCOMPARE(boardListing(restored), boardListing(original));
}

// A file written before the board file had a module of its own, or pages, reads as the same
// board of one page, and what is written of it again reads back the same.
void TestBoardFile::fileOfTheFirstVersionReads()
{
    QFile written(QStringLiteral(BOARD_FILE_FIXTURE));
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray file = written.readAll();
    DiagramScene restored(nullptr, nullptr);
    restored.setSceneRect(0, 0, 400, 300);
    QString error;
    QVERIFY2(BoardFile::load(restored, file, &error), qPrintable(error));
    DiagramScene drawn(nullptr, nullptr);
    drawn.setSceneRect(0, 0, 400, 300);
    fillWithEveryKind(drawn);
    QCOMPARE(boardListing(restored), boardListing(drawn));
    DiagramScene again(nullptr, nullptr);
    again.setSceneRect(0, 0, 400, 300);
    QVERIFY2(BoardFile::load(again, BoardFile::save(restored), &error), qPrintable(error));
    QCOMPARE(boardListing(again), boardListing(drawn));
}

// A cut from a screen at 200 % has twice the pixels it shows; it comes back no larger than it
// was, so that it is selected and erased where it shows.
void TestBoardFile::pictureOfAScreenAt200PercentReadsBack()
{
    DiagramScene original(nullptr, nullptr);
    original.setSceneRect(0, 0, 100, 100);
    QImage sharp(40, 30, QImage::Format_ARGB32_Premultiplied);
    sharp.fill(QColor(20, 90, 200));
    sharp.setDevicePixelRatio(2);
    auto *picture = new diagramItemPixmap;
    picture->setPixmap(QPixmap::fromImage(sharp));
    picture->setOffset(10, 20);
    picture->setFlag(QGraphicsItem::ItemIsMovable); // as a finished cut
    original.addItem(picture);
    original.recordAddition({picture}, "setup");

    DiagramScene restored(nullptr, nullptr);
    restored.setSceneRect(0, 0, 100, 100);
    QString error;
    QVERIFY2(BoardFile::load(restored, BoardFile::save(original), &error), qPrintable(error));
    QCOMPARE(boardListing(restored), boardListing(original));
    QCOMPARE(renderedInk(restored), renderedInk(original));
}

// Any part of a file, or noise, is refused as a whole and leaves the board as it was. The soak
// script asks for thousands of noisy files (TAVELO_FUZZ_INPUTS) under the sanitizers.
void TestBoardFile::damagedBoardFileIsRefused()
{
    DiagramScene original(nullptr, nullptr);
    fillWithEveryKind(original);
    const QByteArray file = BoardFile::save(original);
    QList<QByteArray> damaged;
    for (qsizetype cut = 0; cut < file.size(); cut += 1 + file.size() / 97)
        damaged << file.left(cut);
    QRandomGenerator rng(17);
    const int noisyFiles = qMax(40, qEnvironmentVariableIntValue("TAVELO_FUZZ_INPUTS"));
    for (int i = 0; i < noisyFiles; ++i) {
        QByteArray noisy = file;
        for (int flips = 0; flips < 1 + i % 5; ++flips)
            noisy[rng.bounded(int(noisy.size()))] = char(rng.bounded(256));
        if (i % 3 == 1) // and cut short
            noisy.truncate(rng.bounded(int(noisy.size())));
        damaged << noisy;
    }
    // Counts of pages and of items the file cannot hold.
    const QByteArray manyPages = file.left(8) + QByteArray::fromHex("ffffffff") + file.mid(12);
    const QByteArray manyItems = file.left(21) + QByteArray::fromHex("ffffffff") + file.mid(25);
    const QByteArray hugeScreen = file.left(12) + QByteArray::fromHex("7fffffff") + file.mid(16);
    const QList<QByteArray> refused{manyPages,
                                    manyItems,
                                    hugeScreen,
                                    QByteArray(5000, '\xff'),
                                    QByteArray()};
    for (const QByteArray &bad : std::as_const(damaged) + refused) {
        DiagramScene scene(nullptr, nullptr);
        QString error;
        const bool read = BoardFile::load(scene, bad, &error);
        QVERIFY(read || !error.isEmpty());
        QVERIFY(read || scene.items().isEmpty());
        QVERIFY(!read || !refused.contains(bad));
    }
    // The future is refused by name.
    QByteArray future = file;
    future[7] = char(3);
    DiagramScene scene(nullptr, nullptr);
    QString error;
    QVERIFY(!BoardFile::load(scene, future, &error));
    QVERIFY2(error.contains("3"), qPrintable(error));
}

TAVELO_TEST_MAIN(TestBoardFile)
#include "tst_boardfile.moc"
