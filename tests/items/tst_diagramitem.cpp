#include "app/diagramview.h"
#include "items/diagramitem.h"
#include "items/diagramitempixmap.h"
#include "items/diagramtextitem.h"
#include "testsupport.h"

#include <QClipboard>
#include <QGraphicsScene>
#include <QGraphicsSceneContextMenuEvent>
#include <QGraphicsSceneDragDropEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTextDocument>
#include <QTextFrame>
#include <QTimer>

namespace {

QStringList capturedDebug;

void captureDebug(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg)
        capturedDebug << message;
}

QPolygonF poly(std::initializer_list<QPointF> points)
{
    return QPolygonF(QList<QPointF>(points));
}

bool fullyTransparent(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0)
                return false;
        }
    }
    return true;
}

void closeMenuSoon()
{
    QTimer::singleShot(0, [] {
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
    });
}

} // namespace

class TestDiagramItem : public QObject
{
    Q_OBJECT

private slots:
    void outlineOfEachKind_data();
    void outlineOfEachKind();
    void roundedRectOutlineSpansItsBox();
    void constructorSetsFlagsAndCache();
    void rectCornersAreMappedIntoTheItem_data();
    void rectCornersAreMappedIntoTheItem();
    void imageDrawsTheOutlineOnly_data();
    void imageDrawsTheOutlineOnly();
    void onlyRectangleKindsSayCut_data();
    void onlyRectangleKindsSayCut();
    void contextMenuSelectsOnlyThisShape();
    void noMenuLeavesSelectionAlone();

    void textItemFocusOutStopsEditing();
    void textItemDoubleClickStartsEditing_data();
    void textItemDoubleClickStartsEditing();
    void textItemReportsSelectionChanges();
    void textItemTakesPlainTextOnly_data();
    void textItemTakesPlainTextOnly();

    void viewAndPictureItem();
};

void TestDiagramItem::outlineOfEachKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QPolygonF>("outline");
    const QPolygonF parallelogram = poly({{-70, 80}, {120, 80}, {70, -80}, {-120, -80}});
    QTest::newRow("square") << 0 << poly({{100, -100}, {100, 100}, {-100, 100}, {-100, -100}});
    QTest::newRow("diamond") << 1 << poly({{0, 100}, {100, 0}, {0, -100}, {-100, 0}});
    QTest::newRow("parallelogram") << 3 << parallelogram;
    QTest::newRow("freehand has none") << 4 << QPolygonF();
    QTest::newRow("cut rectangle has none") << 5 << QPolygonF();
    QTest::newRow("free rectangle has none") << 6 << QPolygonF();
    QTest::newRow("kind 7 falls back") << 7 << parallelogram;
    QTest::newRow("kind -1 falls back") << -1 << parallelogram;
}

void TestDiagramItem::outlineOfEachKind()
{
    QFETCH(int, kind);
    QFETCH(QPolygonF, outline);
    expectCutMessage(kind);
    const DiagramItem item(DiagramItem::DiagramType(kind), nullptr);
    QCOMPARE(item.polygon(), outline);
    QCOMPARE(item.QGraphicsPolygonItem::polygon(), outline);
    QCOMPARE(item.type(), 65551);
}

void TestDiagramItem::roundedRectOutlineSpansItsBox()
{
    const DiagramItem item(DiagramItem::RoundedRect, nullptr);
    const QRectF box = item.polygon().boundingRect();
    QCOMPARE(box, QRectF(50, 0, 150, 100));
    // The corners are cut by the arcs: the box's own corner is outside the outline.
    QVERIFY(!item.polygon().containsPoint(QPointF(51, 1), Qt::OddEvenFill));
    QVERIFY(item.polygon().containsPoint(QPointF(125, 50), Qt::OddEvenFill));
}

void TestDiagramItem::constructorSetsFlagsAndCache()
{
    const DiagramItem item(DiagramItem::Square, nullptr);
    const QGraphicsItem::GraphicsItemFlags expected = QGraphicsItem::ItemIsMovable
                                                      | QGraphicsItem::ItemIsSelectable
                                                      | QGraphicsItem::ItemIsFocusable
                                                      | QGraphicsItem::ItemSendsGeometryChanges
                                                      | QGraphicsItem::ItemSendsScenePositionChanges;
    QCOMPARE(item.flags(), expected);
    QCOMPARE(item.cacheMode(), QGraphicsItem::DeviceCoordinateCache);
}

void TestDiagramItem::rectCornersAreMappedIntoTheItem_data()
{
    QTest::addColumn<QPointF>("itemPos");
    QTest::addColumn<QPointF>("corner1");
    QTest::addColumn<QPointF>("corner2");
    QTest::addColumn<QPolygonF>("outline");
    QTest::newRow("item at origin, dragged down-right")
        << QPointF(0, 0) << QPointF(10, 10) << QPointF(40, 30)
        << poly({{10, 10}, {10, 30}, {40, 30}, {40, 10}});
    QTest::newRow("item moved, dragged up-left")
        << QPointF(100, 50) << QPointF(140, 80) << QPointF(110, 60)
        << poly({{40, 30}, {40, 10}, {10, 10}, {10, 30}});
    QTest::newRow("equal corners give four equal vertices")
        << QPointF(0, 0) << QPointF(7, 9) << QPointF(7, 9)
        << poly({{7, 9}, {7, 9}, {7, 9}, {7, 9}});
}

void TestDiagramItem::rectCornersAreMappedIntoTheItem()
{
    QFETCH(QPointF, itemPos);
    QFETCH(QPointF, corner1);
    QFETCH(QPointF, corner2);
    QFETCH(QPolygonF, outline);
    QTest::ignoreMessage(QtDebugMsg, "CUT!");
    DiagramItem item(DiagramItem::FreeRect, nullptr);
    item.setPos(itemPos);
    item.setRectCorners(corner1, corner2);
    QCOMPARE(item.polygon(), outline);
    QCOMPARE(item.QGraphicsPolygonItem::polygon(), outline);
}

void TestDiagramItem::imageDrawsTheOutlineOnly_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QPoint>("inkedPixel"); // a point on the outline, or (-1, -1) for none
    QTest::newRow("square corner") << 0 << QPoint(25, 25);
    QTest::newRow("diamond tip") << 1 << QPoint(25, 125);
    QTest::newRow("parallelogram corner") << 3 << QPoint(5, 45);
    QTest::newRow("freehand is blank") << 4 << QPoint(-1, -1);
    QTest::newRow("cut rectangle is blank") << 5 << QPoint(-1, -1);
    QTest::newRow("free rectangle is blank") << 6 << QPoint(-1, -1);
}

void TestDiagramItem::imageDrawsTheOutlineOnly()
{
    QFETCH(int, kind);
    QFETCH(QPoint, inkedPixel);
    expectCutMessage(kind);
    const QImage image = DiagramItem(DiagramItem::DiagramType(kind), nullptr).image().toImage();
    QCOMPARE(image.size(), QSize(250, 250));
    if (inkedPixel.x() < 0) {
        QVERIFY(fullyTransparent(image));
        return;
    }
    QCOMPARE(image.pixelColor(inkedPixel), QColor(Qt::black));
    // Outline only: the middle of the shape stays clear.
    QCOMPARE(qAlpha(image.pixel(125, 125)), 0);
}

void TestDiagramItem::onlyRectangleKindsSayCut_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("messages");
    for (int kind : {0, 1, 2, 3, 4, 7})
        QTest::addRow("kind %d says nothing", kind) << kind << QStringList();
    QTest::newRow("cut rectangle") << 5 << QStringList{"CUT!"};
    QTest::newRow("free rectangle") << 6 << QStringList{"CUT!"};
}

void TestDiagramItem::onlyRectangleKindsSayCut()
{
    QFETCH(int, kind);
    QFETCH(QStringList, messages);
    capturedDebug.clear();
    const QtMessageHandler previous = qInstallMessageHandler(captureDebug);
    {
        const DiagramItem item(DiagramItem::DiagramType(kind), nullptr);
    }
    qInstallMessageHandler(previous);
    QCOMPARE(capturedDebug, messages);
}

void TestDiagramItem::contextMenuSelectsOnlyThisShape()
{
    QGraphicsScene scene;
    QMenu menu;
    menu.addAction("entry");
    auto *clicked = new DiagramItem(DiagramItem::Square, &menu);
    auto *other = new DiagramItem(DiagramItem::Diamond, &menu);
    scene.addItem(clicked);
    scene.addItem(other);
    other->setSelected(true);

    QSignalSpy shown(&menu, &QMenu::aboutToShow);
    closeMenuSoon();
    QGraphicsSceneContextMenuEvent event(QEvent::GraphicsSceneContextMenu);
    event.setScreenPos(QPoint(40, 50));
    scene.sendEvent(clicked, &event);

    QCOMPARE(shown.count(), 1);
    QCOMPARE(scene.selectedItems(), QList<QGraphicsItem *>{clicked});
}

void TestDiagramItem::noMenuLeavesSelectionAlone()
{
    QGraphicsScene scene;
    auto *clicked = new DiagramItem(DiagramItem::Square, nullptr);
    auto *other = new DiagramItem(DiagramItem::Diamond, nullptr);
    scene.addItem(clicked);
    scene.addItem(other);
    other->setSelected(true);

    QGraphicsSceneContextMenuEvent event(QEvent::GraphicsSceneContextMenu);
    scene.sendEvent(clicked, &event);

    QVERIFY(!event.isAccepted());
    QCOMPARE(scene.selectedItems(), QList<QGraphicsItem *>{other});
}

void TestDiagramItem::textItemFocusOutStopsEditing()
{
    QGraphicsScene scene;
    auto *text = new DiagramTextItem;
    QCOMPARE(text->type(), 65539);
    QCOMPARE(text->flags() & (QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemIsSelectable),
             QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemIsSelectable);
    text->setPlainText("hola");
    text->setTextInteractionFlags(Qt::TextEditorInteraction);
    scene.addItem(text);
    QSignalSpy lost(text, &DiagramTextItem::lostFocus);

    QFocusEvent focusOut(QEvent::FocusOut, Qt::OtherFocusReason);
    scene.sendEvent(text, &focusOut);

    QCOMPARE(text->textInteractionFlags(), Qt::NoTextInteraction);
    QCOMPARE(lost.count(), 1);
    QCOMPARE(lost.at(0).at(0).value<DiagramTextItem *>(), text);
    QCOMPARE(text->scene(), &scene);
}

void TestDiagramItem::textItemDoubleClickStartsEditing_data()
{
    QTest::addColumn<int>("flagsBefore");
    QTest::addColumn<int>("flagsAfter");
    QTest::newRow("not editing") << int(Qt::NoTextInteraction) << int(Qt::TextEditorInteraction);
    QTest::newRow("already editing")
        << int(Qt::TextEditorInteraction) << int(Qt::TextEditorInteraction);
    QTest::newRow("selectable only is left alone")
        << int(Qt::TextSelectableByMouse) << int(Qt::TextSelectableByMouse);
}

void TestDiagramItem::textItemDoubleClickStartsEditing()
{
    QFETCH(int, flagsBefore);
    QFETCH(int, flagsAfter);
    QGraphicsScene scene;
    auto *text = new DiagramTextItem;
    text->setPlainText("hola");
    scene.addItem(text);
    text->setTextInteractionFlags(Qt::TextInteractionFlags(flagsBefore));

    QGraphicsSceneMouseEvent doubleClick(QEvent::GraphicsSceneMouseDoubleClick);
    doubleClick.setButton(Qt::LeftButton);
    doubleClick.setButtons(Qt::LeftButton);
    scene.sendEvent(text, &doubleClick);

    QCOMPARE(int(text->textInteractionFlags()), flagsAfter);
}

void TestDiagramItem::textItemReportsSelectionChanges()
{
    QGraphicsScene scene;
    auto *text = new DiagramTextItem;
    scene.addItem(text);
    QSignalSpy changed(text, &DiagramTextItem::selectedChange);

    text->setSelected(true);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).value<QGraphicsItem *>(), text);
    text->setPos(30, 40);
    QCOMPARE(changed.count(), 1);
    text->setSelected(false);
    QCOMPARE(changed.count(), 2);
}

void TestDiagramItem::textItemTakesPlainTextOnly_data()
{
    QTest::addColumn<bool>("byDrop");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("cut");
    QTest::addColumn<QString>("typedAfter");
    const QString nested = QString("<table><tr><td>").repeated(3000) + "x"
                           + QString("</td></tr></table>").repeated(3000);
    const QString localImage = "<p>a<img src=\"file:///etc/hostname\">b</p>";
    const QString blocks = "<style>p{}</style><p>a &amp;  b</p><div>c&#33;</div>";
    const QString huge(3 * DiagramTextItem::maximumLength, QChar('y'));
    for (const bool byDrop : {false, true}) {
        const char *how = byDrop ? "dropped" : "pasted";
        QTest::addRow("%s: 3000 nested tables", how)
            << byDrop << QString() << nested << "x" << false << QString();
        QTest::addRow("%s: a local image", how)
            << byDrop << QString() << localImage << "ab" << false << QString();
        QTest::addRow("%s: blocks and entities", how)
            << byDrop << QString() << blocks << "a & b\nc!" << false << QString();
        QTest::addRow("%s: plain text beside HTML", how) << byDrop << "plain"
                                                         << "<b>rich</b>"
                                                         << "plain" << false << QString();
        QTest::addRow("%s: more than a label takes", how)
            << byDrop << huge << QString() << huge.left(DiagramTextItem::maximumLength - 4) << true
            << QString();
    }
    QTest::newRow("typed into a full label")
        << false << huge << QString() << huge.left(DiagramTextItem::maximumLength - 4) << true
        << "z\n";
}

// Rich text from the clipboard could load local files onto the shared screen or exhaust the
// layout; a label takes the words only, and no more than it can hold.
void TestDiagramItem::textItemTakesPlainTextOnly()
{
    QFETCH(bool, byDrop);
    QFETCH(QString, plain);
    QFETCH(QString, html);
    QGraphicsScene scene;
    auto *text = new DiagramTextItem;
    text->setPlainText("HOLA");
    text->setTextInteractionFlags(Qt::TextEditorInteraction);
    scene.addItem(text);
    scene.setFocusItem(text);
    QSignalSpy cut(text, &DiagramTextItem::insertionCut);
    auto *data = new QMimeData;
    if (!plain.isEmpty())
        data->setText(plain);
    if (!html.isEmpty())
        data->setHtml(html);

    if (byDrop) {
        QGraphicsSceneDragDropEvent drop(QEvent::GraphicsSceneDrop);
        drop.setMimeData(data);
        drop.setPos(QPointF(0, 0));
        drop.setProposedAction(Qt::MoveAction);
        scene.sendEvent(text, &drop);
        delete data;
    } else {
        QGuiApplication::clipboard()->setMimeData(data);
        QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
        scene.sendEvent(text, &paste);
    }

    QFETCH(QString, typedAfter);
    for (const QChar c : typedAfter) {
        const bool newline = c == '\n';
        QKeyEvent key(QEvent::KeyPress,
                      newline ? Qt::Key_Return : Qt::Key_Z,
                      Qt::NoModifier,
                      newline ? QString("\r") : QString(c));
        scene.sendEvent(text, &key);
    }
    const QString inserted = text->toPlainText().remove("HOLA");
    QTEST(inserted, "expected");
    QCOMPARE(text->document()->rootFrame()->childFrames().size(), 0);
    QVERIFY(!text->toPlainText().contains(QChar::ObjectReplacementCharacter));
    QTEST(cut.count() > 0, "cut");
}

void TestDiagramItem::viewAndPictureItem()
{
    QGraphicsScene scene;
    diagramview view(&scene);
    QCOMPARE(view.metaObject()->className(), "diagramview");
    QCOMPARE(qobject_cast<diagramview *>(static_cast<QObject *>(&view)), &view);
    QCOMPARE(view.scene(), &scene);

    const diagramItemPixmap picture;
    QVERIFY(picture.pixmap().isNull());
    QCOMPARE(picture.offset(), QPointF(0, 0));
    QVERIFY(picture.boundingRect().isEmpty());
    QCOMPARE(picture.type(), int(QGraphicsPixmapItem::Type));
}

TAVELO_TEST_MAIN(TestDiagramItem)
#include "tst_diagramitem.moc"
