#include "app/diagramview.h"
#include "items/lasertrails.h"
#include "items/pendot.h"
#include "items/strokeitem.h"
#include "scene/diagramscene.h"
#include "testsupport.h"
#include "viewdriver.h"

#include <QPointingDevice>
#include <QUndoStack>
#include <QWheelEvent>

using Path = QList<QPointF>;
using Pressures = QList<qreal>;

namespace {

template<typename Item>
QList<Item *> itemsOf(const QGraphicsScene &scene)
{
    QList<Item *> found;
    for (QGraphicsItem *item : scene.items(Qt::AscendingOrder)) {
        if (auto *wanted = dynamic_cast<Item *>(item))
            found << wanted;
    }
    return found;
}

// How many pixels of the column at x, between the rows top and bottom, show dark ink.
int inkHeight(const QImage &image, int x, int top, int bottom)
{
    int dark = 0;
    for (int y = top; y <= bottom; ++y)
        dark += qGray(image.pixel(x, y)) < 128;
    return dark;
}

bool isLaserRed(const QColor &color)
{
    return color.red() > 200 && color.green() < 150 && color.blue() < 150;
}

} // namespace

// Pointing that leaves nothing behind (the laser, the spotlight) and the pens that are not a
// mouse (a stylus with pressure and an eraser end, a finger), all through the board's own view.
class TestPointing : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void laserFadesAndLeavesTheBoardAsItWas_data();
    void laserFadesAndLeavesTheBoardAsItWas();
    void spotlightDarkensAllButThePointer();
    void stylus_data();
    void stylus();
    void twoFingersDrawOneStroke();

private:
    QImage shown() const { return view->viewport()->grab().toImage(); }
    void stylusEvent(QEvent::Type type,
                     const QPointF &scenePos,
                     qreal pressure,
                     const QPointingDevice &device);

    DiagramScene *scene = nullptr;
    std::unique_ptr<diagramview> view;
    std::unique_ptr<ViewDriver> pointer;
};

void TestPointing::init()
{
    scene = new DiagramScene(nullptr, nullptr);
    scene->setSceneRect(0, 0, 800, 600);
    scene->setBackgroundBrush(Qt::white);
    view = std::make_unique<diagramview>(scene);
    view->setLaserTrails(scene->laserTrails());
    QVERIFY(showOneToOne(view.get(), QSize(800, 600)));
    pointer = std::make_unique<ViewDriver>(view.get());
}

void TestPointing::cleanup()
{
    pointer.reset();
    view.reset();
    delete scene;
    scene = nullptr;
}

void TestPointing::laserFadesAndLeavesTheBoardAsItWas_data()
{
    QTest::addColumn<Path>("path");
    QTest::addColumn<QString>("takenBy"); // what takes it at once; empty for the fade

    const Path stroke{{100, 100}, {200, 160}, {300, 100}, {400, 180}};
    QTest::newRow("stroke") << stroke << "";
    QTest::newRow("click") << Path{{250, 250}} << "";
    QTest::newRow("Limpiar takes it at once") << stroke << "Limpiar";
    QTest::newRow("a cut takes it out of its picture") << stroke << "Cortar";
}

void TestPointing::laserFadesAndLeavesTheBoardAsItWas()
{
    QFETCH(Path, path);
    QFETCH(QString, takenBy);
    scene->setMode(DiagramScene::DrawFreehand);
    pointer->drag({{600, 500}, {650, 520}}); // something on the board, which stays
    scene->setMode(DiagramScene::DrawLaser);
    scene->setPenWidth(12);
    const QPoint onTheInk = path.first().toPoint() + QPoint(0, 4); // beside its bright core
    const QList<QGraphicsItem *> board = scene->boardItems();
    const int steps = scene->history()->count();
    const QImage before = shown();
    QVERIFY(!scene->laserTrails()->isTicking());

    pointer->drag(path);

    QVERIFY(isLaserRed(shown().pixelColor(onTheInk)));
    QVERIFY(scene->laserTrails()->isTicking());
    QCOMPARE(scene->boardItems(), board);
    QCOMPARE(scene->history()->count(), steps);
    QCOMPARE(scene->currentMode(), DiagramScene::DrawLaser);
    if (takenBy == "Limpiar") {
        scene->clearBoard();
        QVERIFY(scene->laserTrails()->isEmpty());
    } else if (takenBy == "Cortar") {
        scene->setMode(DiagramScene::CutRegion);
        pointer->drag({{50, 50}, {450, 250}});
        QVERIFY(scene->laserTrails()->isEmpty());
    } else {
        QTest::qWait(LaserTrails::holdMs / 2);
        QVERIFY(isLaserRed(shown().pixelColor(onTheInk))); // still fully there
        QTRY_VERIFY_WITH_TIMEOUT(scene->laserTrails()->isEmpty(), 3 * LaserTrails::holdMs);
        QCOMPARE(shown(), before);
        QCOMPARE(scene->boardItems(), board);
    }
    QVERIFY(!scene->laserTrails()->isTicking());
}

void TestPointing::spotlightDarkensAllButThePointer()
{
    scene->setMode(DiagramScene::DrawFreehand);
    pointer->drag({{350, 280}, {450, 320}});
    const QList<QGraphicsItem *> items = scene->items();
    const QImage before = shown();

    view->setSpotlight(true);
    pointer->move({400, 300});
    const QImage lit = shown();
    QCOMPARE(lit.pixel(400, 300), before.pixel(400, 300));
    QCOMPARE(lit.pixel(360, 282), before.pixel(360, 282)); // the ink in the circle
    QVERIFY(qGray(lit.pixel(750, 550)) < qGray(before.pixel(750, 550)) / 2);
    QVERIFY(qGray(lit.pixel(400, 510)) < qGray(before.pixel(400, 510)) / 2);

    const int radius = view->spotlightRadius();
    for (int notch = 0; notch < 3; ++notch) {
        QWheelEvent wheel(QPointF(400, 300),
                          view->viewport()->mapToGlobal(QPointF(400, 300)),
                          QPoint(),
                          QPoint(0, 120),
                          Qt::NoButton,
                          Qt::NoModifier,
                          Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(view->viewport(), &wheel);
    }
    QVERIFY(view->spotlightRadius() > radius && view->spotlightRadius() > 210);
    QCOMPARE(shown().pixel(400, 510), before.pixel(400, 510)); // now inside the circle
    QCOMPARE(view->transform(), QTransform()); // the wheel sized the circle, nothing else

    view->setSpotlight(false);
    QCOMPARE(shown(), before);
    QCOMPARE(scene->items(), items);
}

void TestPointing::stylusEvent(QEvent::Type type,
                               const QPointF &scenePos,
                               qreal pressure,
                               const QPointingDevice &device)
{
    const QPointF local = view->mapFromScene(scenePos);
    const Qt::MouseButton button = type == QEvent::TabletMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons = type == QEvent::TabletRelease ? Qt::NoButton : Qt::LeftButton;
    ::sendStylus(view.get(), type, local, &device, pressure, button, buttons);
}

void TestPointing::stylus_data()
{
    QTest::addColumn<bool>("eraserEnd");
    QTest::addColumn<Pressures>("pressures");

    QTest::newRow("rising pressure") << false << Pressures{0.05, 0.2, 0.4, 0.6, 0.8, 1.0};
    QTest::newRow("eraser end") << true << Pressures{0.5, 0.5, 0.5, 0.5, 0.5};
}

// Pressure widens the ink from a third of the pen to twice it, in the dots, the stroke and its
// picture; the eraser end erases while the pen stays the tool.
void TestPointing::stylus()
{
    QFETCH(bool, eraserEnd);
    QFETCH(Pressures, pressures);
    const auto pointerType = eraserEnd ? QPointingDevice::PointerType::Eraser
                                       : QPointingDevice::PointerType::Pen;
    const QPointingDevice stylus("stylus",
                                 7,
                                 QInputDevice::DeviceType::Stylus,
                                 pointerType,
                                 QInputDevice::Capability::Position
                                     | QInputDevice::Capability::Pressure,
                                 1,
                                 2);
    scene->setPenWidth(9);
    scene->setMode(DiagramScene::DrawFreehand);
    pointer->drag(
        {{230, 100}, {230, 150}, {230, 250}, {230, 300}}); // a mouse stroke, the pen's own width
    QCOMPARE(itemsOf<StrokeItem>(*scene).size(), 1);
    QVERIFY(itemsOf<StrokeItem>(*scene).first()->pointWidths().isEmpty());

    const qreal y = 200;
    stylusEvent(QEvent::TabletPress, {100, y}, pressures.first(), stylus);
    for (int i = 1; i < pressures.size(); ++i)
        stylusEvent(QEvent::TabletMove, {100 + i * 40.0, y}, pressures.at(i), stylus);
    stylusEvent(QEvent::TabletRelease, {100 + pressures.size() * 40.0, y}, 0, stylus);

    QCOMPARE(scene->currentMode(), DiagramScene::DrawFreehand);
    const QList<StrokeItem *> strokes = itemsOf<StrokeItem>(*scene);
    if (eraserEnd) {
        QVERIFY(std::none_of(strokes.cbegin(), strokes.cend(), [](const StrokeItem *stroke) {
            return stroke->isVisible();
        }));
        QCOMPARE(scene->boardItems().size(), 0);
        scene->history()->undo();
        QCOMPARE(scene->boardItems().size(), 1);
        return;
    }
    QCOMPARE(strokes.size(), 2);
    const QList<qreal> widths = strokes.last()->pointWidths();
    QCOMPARE(widths.size(), pressures.size() - 1);
    QVERIFY(std::is_sorted(widths.cbegin(), widths.cend()));
    QVERIFY(widths.first() < 9 && widths.last() > 9);
    QVERIFY(widths.first() >= 3 && widths.last() <= 18);
    QList<qreal> dotWidths;
    for (PenDot *dot : itemsOf<PenDot>(*scene)) {
        if (dot->line().p1().y() == y)
            dotWidths << dot->pen().widthF();
    }
    QCOMPARE(dotWidths, widths);
    const QImage picture = shown();
    QVERIFY(inkHeight(picture, 145, 150, 250) < inkHeight(picture, 290, 150, 250) - 6);
}

// Qt turns the first finger into the mouse; a second finger on the screen meanwhile draws no
// line to where it touches.
void TestPointing::twoFingersDrawOneStroke()
{
    const std::unique_ptr<QPointingDevice> touchScreen(QTest::createTouchDevice());
    QPointingDevice *screen = touchScreen.get();
    QWidget *viewport = view->viewport();
    scene->setMode(DiagramScene::DrawFreehand);
    QTest::touchEvent(viewport, screen).press(0, QPoint(100, 100));
    QTest::touchEvent(viewport, screen).move(0, QPoint(140, 120));
    QTest::touchEvent(viewport, screen).move(0, QPoint(180, 140)).press(1, QPoint(600, 500));
    QTest::touchEvent(viewport, screen).move(0, QPoint(220, 160)).move(1, QPoint(620, 520));
    QTest::touchEvent(viewport, screen).release(0, QPoint(220, 160)).stationary(1);
    QTest::touchEvent(viewport, screen).release(1, QPoint(620, 520));

    const QList<StrokeItem *> strokes = itemsOf<StrokeItem>(*scene);
    QCOMPARE(strokes.size(), 1);
    QVERIFY(strokes.first()->path().elementCount() >= 3);
    QVERIFY(strokes.first()->sceneBoundingRect().right() < 300);
    for (const PenDot *dot : itemsOf<PenDot>(*scene))
        QVERIFY(dot->line().p1().x() < 300);
}

TAVELO_TEST_MAIN(TestPointing)
#include "tst_pointing.moc"
