#include "items/arrowitem.h"
#include "items/highlightitem.h"
#include "items/pendot.h"
#include "items/strokeitem.h"
#include "scene/diagramscene.h"
#include "scenedriver.h"
#include "testsupport.h"

#include <QGraphicsPathItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPainter>
#include <QPainterPath>

#include <QSet>

#include <cmath>

namespace {

const QPen strokePen(
    QBrush(Qt::black, Qt::SolidPattern), 5, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);

QPolygonF wanderingStroke(int points)
{
    QPolygonF stroke;
    for (int i = 0; i < points; ++i)
        stroke << QPointF(10 + i * 3.0, 200 + 150 * std::sin(i * 0.05) + (i % 7));
    return stroke;
}

QImage renderArea(QGraphicsItem *item, const QRectF &area)
{
    QGraphicsScene scene;
    scene.setSceneRect(0, 0, 1000, 500);
    scene.addItem(item);
    QImage image(area.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    scene.render(&painter, QRectF(image.rect()), area);
    painter.end();
    scene.removeItem(item);
    return image;
}

QGraphicsPathItem *plainStroke(const QPolygonF &points)
{
    QPainterPath path;
    path.addPolygon(points);
    auto *item = new QGraphicsPathItem(path);
    item->setPen(strokePen);
    return item;
}

} // namespace

// The board's own stroke and dot items answer and paint exactly like Qt's plain items.
class TestStrokeItems : public QObject
{
    Q_OBJECT

private slots:
    void strokePaintsLikeAPlainPath_data();
    void strokePaintsLikeAPlainPath();
    void strokeHitsItsInk();
    void strokeKeepsItsPathAndType();
    void dotMatchesAPlainLine();
    void highlightIsEvenlyTranslucent_data();
    void highlightIsEvenlyTranslucent();
    void arrowHeadPointsWhereTheDragEnded_data();
    void arrowHeadPointsWhereTheDragEnded();
};

void TestStrokeItems::strokePaintsLikeAPlainPath_data()
{
    QTest::addColumn<QRectF>("area");
    QTest::newRow("whole board") << QRectF(0, 0, 1000, 500);
    QTest::newRow("small area on the stroke") << QRectF(100, 150, 40, 30);
    QTest::newRow("area across a bend") << QRectF(300, 20, 200, 120);
    QTest::newRow("area off the stroke") << QRectF(900, 450, 50, 40);
}

void TestStrokeItems::strokePaintsLikeAPlainPath()
{
    QFETCH(QRectF, area);
    const QPolygonF points = wanderingStroke(300);
    std::unique_ptr<QGraphicsPathItem> plain(plainStroke(points));
    StrokeItem stroke(points, strokePen);
    const QImage expected = renderArea(plain.get(), area);
    const QImage actual = renderArea(&stroke, area);
    QCOMPARE(actual, expected);
}

void TestStrokeItems::strokeHitsItsInk()
{
    // Qt's plain path item also counts the area its open path encloses; a stroke is
    // hit where its ink is.
    const QPolygonF points = wanderingStroke(300);
    QPainterPath path;
    path.addPolygon(points);
    QPainterPathStroker stroker(strokePen);
    const QPainterPath ink = stroker.createStroke(path);
    const StrokeItem stroke(points, strokePen);
    int hits = 0;
    for (qreal y = 40; y < 380; y += 1.7) {
        for (qreal x = 0; x < 920; x += 2.3) {
            const QPointF probe(x, y);
            const bool expected = ink.contains(probe);
            QVERIFY2(stroke.contains(probe) == expected,
                     qPrintable(QString("at %1, %2").arg(x).arg(y)));
            QPainterPath pixel;
            pixel.addRect(QRectF(probe, QSizeF(1, 1)));
            QCOMPARE(stroke.collidesWithPath(pixel, Qt::IntersectsItemShape), ink.intersects(pixel));
            hits += expected ? 1 : 0;
        }
    }
    QVERIFY(hits > 100); // the probes did cross the stroke
    // Long sweeps too, as the eraser's between two pointer events: the area the open path
    // encloses is no ink.
    int enclosed = 0;
    for (qreal y = 60; y < 360; y += 23) {
        for (qreal x = 0; x < 850; x += 41) {
            QPainterPath sweep;
            sweep.addRect(QRectF(x, y, 70, 6));
            QCOMPARE(stroke.collidesWithPath(sweep, Qt::IntersectsItemShape), ink.intersects(sweep));
            enclosed += path.contains(sweep) && !ink.intersects(sweep) ? 1 : 0;
        }
    }
    QVERIFY(enclosed > 5); // some sweeps lay in the enclosed area
}

void TestStrokeItems::strokeKeepsItsPathAndType()
{
    const QPolygonF points{{0, 1}, {11, -4}};
    const StrokeItem stroke(points, strokePen);
    QCOMPARE(stroke.type(), int(QGraphicsPathItem::Type));
    QCOMPARE(stroke.path().elementCount(), 2);
    QCOMPARE(QPointF(stroke.path().elementAt(1)), QPointF(11, -4));
    QCOMPARE(stroke.pen(), strokePen);
    QCOMPARE(stroke.brush(), QBrush());
    QCOMPARE(stroke.boundingRect(),
             std::unique_ptr<QGraphicsPathItem>(plainStroke(points))->boundingRect());

    const StrokeItem empty(QPolygonF(), strokePen);
    QVERIFY(empty.path().isEmpty());
    QVERIFY(!empty.contains(QPointF(0, 0)));
}

void TestStrokeItems::dotMatchesAPlainLine()
{
    const PenDot dot(QPointF(10.5, -3.5), strokePen);
    QGraphicsLineItem plain(QLineF(QPointF(10.5, -3.5), QPointF(10.5, -3.5)));
    plain.setPen(strokePen);
    QCOMPARE(dot.type(), int(QGraphicsLineItem::Type));
    QCOMPARE(dot.boundingRect(), plain.boundingRect());
    for (const QPointF probe : {QPointF(10.5, -3.5),
                                QPointF(12.9, -1.2),
                                QPointF(13.5, -3.5),
                                QPointF(8.2, -5.8),
                                QPointF(20, 20)})
        QCOMPARE(dot.contains(probe), plain.contains(probe));
    // A dot paints nothing itself; the stroke carrying it paints it under its own ink, as a
    // plain line under a plain path would look.
    auto *painted = new PenDot(QPointF(30.5, 27.5), strokePen);
    QVERIFY(painted->flags() & QGraphicsItem::ItemHasNoContents);
    StrokeItem stroke(QPolygonF({{10, 30}, {50, 30}}), strokePen);
    stroke.setDotRuns({painted});
    QGraphicsScene owner; // the dot's own scene, as a board would hold it
    owner.addItem(painted);
    std::unique_ptr<QGraphicsPathItem> plainPath(plainStroke(QPolygonF({{10, 30}, {50, 30}})));
    QGraphicsLineItem plainDot(QLineF(30.5, 27.5, 30.5, 27.5), plainPath.get());
    plainDot.setPen(strokePen);
    plainDot.setFlag(QGraphicsItem::ItemStacksBehindParent);
    QCOMPARE(renderArea(&stroke, QRectF(0, 0, 60, 60)),
             renderArea(plainPath.get(), QRectF(0, 0, 60, 60)));
}

void TestStrokeItems::highlightIsEvenlyTranslucent_data()
{
    QTest::addColumn<bool>("released");
    QTest::newRow("while drawn") << false;
    QTest::newRow("finished") << true;
}

// A figure of eight drawn over itself, with the pointer lingering at its crossing: every inked
// pixel has the same colour, whether the board paints it whole or area by area as a view
// repaints what changed.
void TestStrokeItems::highlightIsEvenlyTranslucent()
{
    QFETCH(bool, released);
    DiagramScene scene(nullptr, nullptr);
    scene.setSceneRect(0, 0, 300, 200);
    scene.setMode(DiagramScene::DrawHighlight);
    SceneDriver driver(&scene);
    driver.press(QPointF(150, 100));
    for (int loop = 0; loop < 2; ++loop) {
        for (int i = 0; i <= 60; ++i) {
            const qreal t = i * 2 * M_PI / 60;
            driver.move(QPointF(150 + 100 * std::sin(t), 100 + 50 * std::sin(2 * t)));
            if (i % 30 == 0) { // lingering: many events a pixel apart
                for (int j = 0; j < 20; ++j)
                    driver.move(QPointF(150 + j % 2, 100));
            }
        }
    }
    if (released)
        driver.release(QPointF(150, 100));

    // A view repainting one square at a time, as it repaints what changed.
    QGraphicsView view(&scene);
    view.setFrameShape(QFrame::NoFrame);
    view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.resize(300, 200);
    auto render = [&view](int tile) {
        QImage image(300, 200, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        for (int y = 0; y < 200; y += tile) {
            for (int x = 0; x < 300; x += tile) {
                view.viewport()->render(&image,
                                        QPoint(x, y),
                                        QRegion(x, y, tile, tile),
                                        QWidget::DrawChildren);
            }
        }
        return image;
    };
    const QImage whole = render(300);
    const QRgb paper = whole.pixel(0, 0); // the view's own background, far from the ink
    QSet<QRgb> inks;
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 300; ++x) {
            if (whole.pixel(x, y) != paper)
                inks.insert(whole.pixel(x, y));
        }
    }
    QCOMPARE(inks.size(), 1);
    const QRgb ink = *inks.cbegin();
    QVERIFY(qBlue(ink) > qBlue(paper) / 4 && qBlue(ink) < qBlue(paper)); // the paper shows through
    QCOMPARE(whole.pixel(150, 100), ink);                                // the crossing is inked
    QCOMPARE(render(23), whole);
}

void TestStrokeItems::arrowHeadPointsWhereTheDragEnded_data()
{
    QTest::addColumn<QPointF>("end");
    QTest::newRow("right") << QPointF(260, 100);
    QTest::newRow("left") << QPointF(40, 100);
    QTest::newRow("up and left") << QPointF(90, 20);
    QTest::newRow("down") << QPointF(150, 190);
}

void TestStrokeItems::arrowHeadPointsWhereTheDragEnded()
{
    QFETCH(QPointF, end);
    const QPointF start(150, 100);
    DiagramScene scene(nullptr, nullptr);
    scene.setSceneRect(0, 0, 300, 200);
    scene.setMode(DiagramScene::InsertArrow);
    SceneDriver(&scene).drag({start, (start + end) / 2, end});
    QList<ArrowItem *> arrows;
    for (QGraphicsItem *item : scene.items()) {
        if (auto *arrow = qgraphicsitem_cast<ArrowItem *>(item))
            arrows << arrow;
    }
    QCOMPARE(arrows.size(), 1);
    const QPolygonF head = arrows.first()->mapToScene(arrows.first()->head());
    QCOMPARE(head.first(), end);
    // The head's base lies on the line, behind the tip.
    const QLineF base((head.at(1) + head.at(2)) / 2, end);
    QVERIFY(std::abs(base.angleTo(QLineF(start, end))) < 0.01
            || std::abs(base.angleTo(QLineF(start, end)) - 360) < 0.01);
    QVERIFY(base.length() >= 10 && base.length() < QLineF(start, end).length() / 2 + 0.01);

    QImage image(300, 200, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    scene.render(&painter, QRectF(image.rect()), scene.sceneRect());
    painter.end();
    const QPointF direction = (end - start) / QLineF(start, end).length();
    QVERIFY(qAlpha(image.pixel((end - direction * 4).toPoint())) > 0);  // inside the head
    QVERIFY(qAlpha(image.pixel((end + direction * 6).toPoint())) == 0); // nothing beyond its tip
}

TAVELO_TEST_MAIN(TestStrokeItems)
#include "tst_strokeitems.moc"
