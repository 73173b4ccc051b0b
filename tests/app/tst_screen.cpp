#include "app/diagramview.h"
#include "app/mainwindow.h"
#include "app/preferences.h"
#include "app/screenchoice.h"
#include "app/screengeometry.h"
#include "boardlookup.h"
#include "items/diagramitempixmap.h"
#include "scene/diagramscene.h"
#include "scene/markedregion.h"
#include "scenedriver.h"
#include "testsupport.h"

#include <QAction>
#include <QClipboard>
#include <QCursor>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QWindow>

namespace {

// The widgets that the strip hides, in no particular order.
QList<QWidget *> boardPanels(const MainWindow &window)
{
    QList<QWidget *> panels{window.statusBar(),
                            window.findChild<diagramview *>(),
                            window.findChild<QWidget *>("viewPanel"),
                            window.findChild<QWidget *>("toolBox"),
                            window.findChild<QLabel *>("coordinatesLabel")};
    for (const char *title : {"Edit", "Font", "Color", "Pointer type"})
        panels << toolBarNamed(window, title);
    return panels;
}

QList<QWidget *> capturePanels(const MainWindow &window)
{
    return {toolBarNamed(window, "Font"),
            toolBarNamed(window, "Color"),
            toolBarNamed(window, "Pointer type"),
            window.findChild<QWidget *>("toolBox"),
            window.findChild<QLabel *>("coordinatesLabel")};
}

void putOnScreen(MainWindow &window, QScreen *screen)
{
    window.windowHandle()->setScreen(screen);
    window.setGeometry(screen->geometry());
    QTRY_COMPARE(window.screen(), screen);
}

} // namespace

class TestScreen : public QObject
{
    Q_OBJECT

private slots:
    void opensOnTheRememberedScreen_data();
    void opensOnTheRememberedScreen();
    void minimizeAndRestoreOnEachScreen_data();
    void minimizeAndRestoreOnEachScreen();
    void commandsInAnyOrder();
    void minimizedBoardIgnoresTheMaximizeKey();
    void sceneRectFollowsTheScreen();
    void globalToScreenLocal_data();
    void globalToScreenLocal();
    void markedRegionIsNormalizedAndInclusive_data();
    void markedRegionIsNormalizedAndInclusive();
    void onlyRealPicturesCountAsGrabs_data();
    void onlyRealPicturesCountAsGrabs();
    void desktopPartOfAScreen_data();
    void desktopPartOfAScreen();

    void captureHidesThePanelsForTheGrab();
    void captureRequestWhileWaitingIsIgnored();
    void cutMakesAPictureAndAClipboardImage_data();
    void cutMakesAPictureAndAClipboardImage();
    void cutPressDoesNotTouchTheShapeUnderIt();
    void aboutBox();
};

void TestScreen::opensOnTheRememberedScreen_data()
{
    QTest::addColumn<QString>("remembered");
    QTest::addColumn<QString>("expected"); // the screen's name
    QScreen *last = QGuiApplication::screens().last();
    const QString pointed = QGuiApplication::screenAt(QCursor::pos())->name();
    const QString where = ScreenChoice::remembered(last).section(';', 1);
    QTest::newRow("remembered by name") << ScreenChoice::remembered(last) << last->name();
    QTest::newRow("renamed, found where it stood") << "renamed;" + where << last->name();
    QTest::newRow("gone: the screen under the pointer") << "gone;9000;9000;10;10" << pointed;
    QTest::newRow("nothing sound remembered") << "\x01;;x;;" << pointed;
}

void TestScreen::opensOnTheRememberedScreen()
{
    QFETCH(QString, remembered);
    QFETCH(QString, expected);
    {
        QSettings store("Corvane Group", "CorvaneTaveloWindow2");
        store.setValue(Preferences::screen.key, remembered);
    }
    MainWindow window;
    QTRY_COMPARE(window.screen()->name(), expected);
    QTRY_COMPARE(window.geometry(), window.screen()->availableGeometry());
    clearStore();
}

void TestScreen::minimizeAndRestoreOnEachScreen_data()
{
    QTest::addColumn<int>("screenIndex");
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (int i = 0; i < screens.size(); ++i) {
        const QRect g = screens.at(i)->geometry();
        QTest::addRow("screen %d at %d,%d", i, g.x(), g.y()) << i;
    }
}

void TestScreen::minimizeAndRestoreOnEachScreen()
{
    QFETCH(int, screenIndex);
    QScreen *screen = QGuiApplication::screens().at(screenIndex);
    MainWindow window;
    putOnScreen(window, screen);
    auto *maximizeButton = window.findChild<QPushButton *>("maximizeButton");

    actionNamed(window, "Minimizar")->trigger();

    QVERIFY(maximizeButton->isVisible());
    for (QWidget *panel : boardPanels(window))
        QVERIFY2(panel->isHidden(), qPrintable(panel->objectName() + panel->windowTitle()));
    QVERIFY(window.findChild<QWidget *>("leftPanel")->isVisible());
    QCOMPARE(window.minimumSize(), QSize(90, 25));
    QCOMPARE(window.maximumSize(), QSize(90, 25));
    QTRY_COMPARE(window.size(), QSize(90, 25));
    QCOMPARE(window.pos(), screen->geometry().topLeft());

    QTest::mouseClick(maximizeButton, Qt::LeftButton);

    QVERIFY(maximizeButton->isHidden());
    for (QWidget *panel : boardPanels(window))
        QVERIFY(panel->isVisible());
    QCOMPARE(window.minimumSize(), screen->size());
    QCOMPARE(window.maximumSize(), QSize(90, 25));
    QVERIFY(window.windowState() & Qt::WindowMaximized);
}

void TestScreen::commandsInAnyOrder()
{
    MainWindow window;
    for (const char *command : {"Maximizar", "Minimizar", "Minimizar", "Maximizar", "Maximizar"})
        actionNamed(window, command)->trigger();
    for (QWidget *panel : boardPanels(window))
        QVERIFY(panel->isVisible());
    QVERIFY(window.findChild<QPushButton *>("maximizeButton")->isHidden());
}

void TestScreen::minimizedBoardIgnoresTheMaximizeKey()
{
    MainWindow window;
    QVERIFY(QTest::qWaitForWindowActive(&window));
    actionNamed(window, "Minimizar")->trigger();
    QTest::keyClick(&window, Qt::Key_M, Qt::ControlModifier);
    QVERIFY(toolBarNamed(window, "Edit")->isHidden());
    QVERIFY(window.findChild<QPushButton *>("maximizeButton")->isVisible());
}

void TestScreen::sceneRectFollowsTheScreen()
{
    MainWindow window;
    auto *scene = window.findChild<DiagramScene *>();
    const QSize screen = window.screen()->size();
    QCOMPARE(scene->sceneRect(), QRectF(QPointF(0, 0), screen));
    QTRY_COMPARE(scene->sceneRect(), QRectF(0, 0, screen.width(), screen.height() - 150));

    actionNamed(window, "Minimizar")->trigger();
    QTRY_COMPARE(window.size(), QSize(90, 25));
    QCOMPARE(scene->sceneRect(), QRectF(QPointF(0, 0), screen));

    scene->setSceneRect(0, 0, 1, 1);
    QResizeEvent resize(QSize(10, 10), window.size());
    QApplication::sendEvent(&window, &resize);
    QCOMPARE(scene->sceneRect(), QRectF(QPointF(0, 0), screen));
}

void TestScreen::globalToScreenLocal_data()
{
    QTest::addColumn<QRect>("global");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("local");
    QTest::newRow("primary screen")
        << QRect(100, 100, 200, 50) << QRect(0, 0, 1280, 800) << QRect(100, 100, 200, 50);
    QTest::newRow("second screen right of primary")
        << QRect(1380, 100, 200, 50) << QRect(1280, 0, 1024, 768) << QRect(100, 100, 200, 50);
    QTest::newRow("second screen left of primary")
        << QRect(-924, 150, 200, 50) << QRect(-1024, 100, 1024, 768) << QRect(100, 50, 200, 50);
    QTest::newRow("second screen above primary")
        << QRect(10, -700, 20, 30) << QRect(0, -768, 1024, 768) << QRect(10, 68, 20, 30);
}

void TestScreen::globalToScreenLocal()
{
    QFETCH(QRect, global);
    QFETCH(QRect, screen);
    QTEST(toScreenLocal(global, screen), "local");
}

void TestScreen::markedRegionIsNormalizedAndInclusive_data()
{
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<QRect>("region");
    QTest::newRow("dragged down-right")
        << QPoint(100, 100) << QPoint(299, 149) << QRect(100, 100, 200, 50);
    QTest::newRow("dragged up-left")
        << QPoint(299, 149) << QPoint(100, 100) << QRect(100, 100, 200, 50);
    QTest::newRow("dragged down-left")
        << QPoint(299, 100) << QPoint(100, 149) << QRect(100, 100, 200, 50);
    QTest::newRow("click") << QPoint(7, 9) << QPoint(7, 9) << QRect(7, 9, 1, 1);
    QTest::newRow("left of the primary screen")
        << QPoint(-50, 10) << QPoint(-10, 20) << QRect(-50, 10, 41, 11);
}

void TestScreen::markedRegionIsNormalizedAndInclusive()
{
    QFETCH(QPoint, press);
    QFETCH(QPoint, release);
    QTEST(markedRegion(press, release), "region");
}

void TestScreen::onlyRealPicturesCountAsGrabs_data()
{
    QTest::addColumn<QImage>("grab");
    QTest::addColumn<bool>("usable");
    QImage black(40, 30, QImage::Format_ARGB32);
    black.fill(Qt::black);
    QImage clear(40, 30, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    QImage faint = black.copy();
    faint.setPixel(39, 29, qRgb(10, 10, 10));
    QTest::newRow("null") << QImage() << false;
    QTest::newRow("empty") << QImage(0, 0, QImage::Format_RGB32) << false;
    QTest::newRow("all black, as Xwayland hands it out") << black << false;
    QTest::newRow("all transparent") << clear << false;
    QTest::newRow("black but for one faint pixel") << faint << true;
}

void TestScreen::onlyRealPicturesCountAsGrabs()
{
    QFETCH(QImage, grab);
    QTEST(isUsableGrab(grab), "usable");
}

void TestScreen::desktopPartOfAScreen_data()
{
    QTest::addColumn<QList<QRect>>("geometries"); // logical, as Qt gives them
    QTest::addColumn<QList<qreal>>("scales");
    QTest::addColumn<int>("marked");         // the screen whose region is wanted
    QTest::addColumn<qreal>("pictureScale"); // 0 for each screen's own device pixels
    const QRect primary(0, 0, 800, 600);
    QTest::newRow("one screen") << QList<QRect>{primary} << QList<qreal>{1} << 0 << 0.0;
    QTest::newRow("one screen at 200 %") << QList<QRect>{primary} << QList<qreal>{2} << 0 << 0.0;
    QTest::newRow("second screen right of the primary")
        << QList<QRect>{primary, {800, 0, 800, 600}} << QList<qreal>{1, 1} << 1 << 0.0;
    QTest::newRow("second screen left of the primary")
        << QList<QRect>{primary, {-800, 0, 800, 600}} << QList<qreal>{1, 1} << 1 << 0.0;
    QTest::newRow("200 % screen right of a 100 % one")
        << QList<QRect>{primary, {800, 0, 400, 300}} << QList<qreal>{1, 2} << 1 << 0.0;
    QTest::newRow("100 % screen right of a 200 % one")
        << QList<QRect>{{0, 0, 400, 300}, {800, 0, 800, 600}} << QList<qreal>{2, 1} << 1 << 0.0;
    QTest::newRow("the whole desktop evenly scaled by a compositor")
        << QList<QRect>{primary, {800, 0, 800, 600}} << QList<qreal>{2, 2} << 1 << 2.0;
}

// The marked region is found in a picture of the whole desktop, whatever its layout and scales,
// and comes in the screen's own device pixels.
void TestScreen::desktopPartOfAScreen()
{
    QFETCH(QList<QRect>, geometries);
    QFETCH(QList<qreal>, scales);
    QFETCH(int, marked);
    QFETCH(qreal, pictureScale);
    QList<ScreenArea> screens;
    QRect logical;
    QRect device;
    for (int i = 0; i < geometries.size(); ++i) {
        screens.append({geometries.at(i), scales.at(i)});
        logical |= geometries.at(i);
        device |= QRect(geometries.at(i).topLeft(), geometries.at(i).size() * scales.at(i));
    }
    const ScreenArea &screen = screens.at(marked);
    const QRect region(100, 50, 200, 100); // in the screen's own coordinates
    // Where the region lies in the picture, and the picture.
    QRectF inPicture;
    QImage desktop;
    if (pictureScale == 0) {
        desktop = QImage(device.size(), QImage::Format_RGB32);
        inPicture = QRectF(QPointF(screen.geometry.topLeft() - device.topLeft())
                               + QPointF(region.topLeft()) * screen.scale,
                           QSizeF(region.size()) * screen.scale);
    } else {
        desktop = QImage(logical.size() * pictureScale, QImage::Format_RGB32);
        inPicture = QRectF(QPointF(region.topLeft() + screen.geometry.topLeft() - logical.topLeft())
                               * pictureScale,
                           QSizeF(region.size()) * pictureScale);
    }
    desktop.fill(Qt::white);
    QPainter(&desktop).fillRect(inPicture, Qt::blue);

    const QImage part = desktopPart(desktop, screens, screen, region);

    QCOMPARE(part.size(), region.size() * screen.scale);
    QCOMPARE(part.devicePixelRatio(), screen.scale);
    const QRect corners = part.rect();
    for (const QPoint probe :
         {corners.topLeft(), corners.topRight(), corners.bottomLeft(), corners.bottomRight()})
        QCOMPARE(part.pixelColor(probe), QColor(Qt::blue));
}

void TestScreen::captureHidesThePanelsForTheGrab()
{
    MainWindow window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clipboardChanges(QGuiApplication::clipboard(), &QClipboard::dataChanged);
    QToolBar *edit = toolBarNamed(window, "Edit");
    bool hiddenWhileWaiting = false;
    qreal opacityWhileWaiting = -1;
    QTimer::singleShot(300, &window, [&] {
        hiddenWhileWaiting = true;
        for (QWidget *panel : capturePanels(window))
            hiddenWhileWaiting &= panel->isHidden();
        hiddenWhileWaiting &= edit->isVisible() && window.statusBar()->isVisible();
        auto *effect = qobject_cast<QGraphicsOpacityEffect *>(edit->graphicsEffect());
        opacityWhileWaiting = effect ? effect->opacity() : -1;
    });

    actionNamed(window, "Copiar")->trigger();

    QVERIFY(hiddenWhileWaiting);
    QCOMPARE(opacityWhileWaiting, 0.0);
    for (QWidget *panel : capturePanels(window))
        QVERIFY(panel->isVisible());
    auto *effect = qobject_cast<QGraphicsOpacityEffect *>(edit->graphicsEffect());
    QVERIFY(effect);
    QCOMPARE(effect->opacity(), 1.0);
    QCOMPARE(window.statusBar()->currentMessage(), QString("Escritorio copiado al portapapeles"));
    QCOMPARE(clipboardChanges.count(), 1);
    QCOMPARE(QGuiApplication::clipboard()->pixmap().size(), window.size());
}

void TestScreen::captureRequestWhileWaitingIsIgnored()
{
    MainWindow window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clipboardChanges(QGuiApplication::clipboard(), &QClipboard::dataChanged);
    bool pendingSeen = false;
    QTimer::singleShot(200, &window, [&] {
        pendingSeen = window.isCapturePending();
        actionNamed(window, "Copiar")->trigger(); // returns at once
    });

    actionNamed(window, "Copiar")->trigger();

    QVERIFY(pendingSeen);
    QVERIFY(!window.isCapturePending());
    QCOMPARE(clipboardChanges.count(), 1);
    auto *effect = qobject_cast<QGraphicsOpacityEffect *>(
        toolBarNamed(window, "Edit")->graphicsEffect());
    QCOMPARE(effect->opacity(), 1.0);
    for (QWidget *panel : capturePanels(window))
        QVERIFY(panel->isVisible());

    // A later capture works as the first did.
    actionNamed(window, "Copiar")->trigger();
    QCOMPARE(clipboardChanges.count(), 2);
}

void TestScreen::cutMakesAPictureAndAClipboardImage_data()
{
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPointF>("offset");
    QTest::newRow("dragged down-right")
        << QPoint(100, 100) << QPoint(299, 149) << QSize(200, 50) << QPointF(100, 100);
    QTest::newRow("dragged up-left")
        << QPoint(299, 149) << QPoint(100, 100) << QSize(200, 50) << QPointF(100, 100);
    QTest::newRow("click") << QPoint(300, 300) << QPoint(300, 300) << QSize(1, 1)
                           << QPointF(300, 300);
    // Only the board's screen can be read: the part beyond its edges is left out.
    QTest::newRow("dragged from beyond the screen's top-left corner")
        << QPoint(-50, -30) << QPoint(99, 49) << QSize(100, 50) << QPointF(0, 0);
}

void TestScreen::cutMakesAPictureAndAClipboardImage()
{
    QFETCH(QPoint, press);
    QFETCH(QPoint, release);
    QFETCH(QSize, size);
    QFETCH(QPointF, offset);
    MainWindow window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *scene = window.findChild<DiagramScene *>();
    scene->setItemType(DiagramItem::CutRect);
    scene->setMode(DiagramScene::CutRegion);
    // Scene and screen coordinates coincide here: the grab reads the board's own window.
    SceneDriver driver(scene);
    QTest::ignoreMessage(QtDebugMsg, "CUT!");

    driver.press(press);
    QCOMPARE(scene->selectedItems().size(), 1);
    driver.move((QPointF(press) + QPointF(release)) / 2);
    driver.move(release);
    driver.release(release);
    // The screen is read once the board has repainted without the marking frame.
    QTRY_COMPARE(window.statusBar()->currentMessage(), QString("Imagen copiada al portapapeles"));

    const QList<QGraphicsItem *> items = scene->items();
    QCOMPARE(items.size(), 1);
    auto *picture = static_cast<diagramItemPixmap *>(items.first());
    QCOMPARE(picture->type(), int(QGraphicsPixmapItem::Type));
    QCOMPARE(scene->newestCutPicture(), picture);
    QCOMPARE(picture->pixmap().size(), size);
    QCOMPARE(picture->offset(), offset);
    QCOMPARE(picture->pos(), QPointF(0, 0));
    QVERIFY(picture->flags() & QGraphicsItem::ItemIsMovable);
    QVERIFY(!(picture->flags() & QGraphicsItem::ItemIsSelectable));
    QVERIFY(!scene->activeShape());
    QCOMPARE(scene->currentMode(), DiagramScene::MoveItem);
    QCOMPARE(scene->backgroundBrush(), QBrush(Qt::gray, Qt::SolidPattern));
    QCOMPARE(QGuiApplication::clipboard()->pixmap().size(), size);
}

void TestScreen::cutPressDoesNotTouchTheShapeUnderIt()
{
    MainWindow window;
    auto *scene = window.findChild<DiagramScene *>();
    auto *shape = new DiagramItem(DiagramItem::Square, nullptr);
    scene->addItem(shape);
    shape->setPos(400, 400);
    scene->setItemType(DiagramItem::CutRect);
    scene->setMode(DiagramScene::CutRegion);
    QTest::ignoreMessage(QtDebugMsg, "CUT!");
    SceneDriver driver(scene);
    driver.press(QPointF(400, 400));
    QVERIFY(!shape->isSelected());
    QVERIFY(!scene->mouseGrabberItem());
    driver.move(QPointF(450, 450));
    QCOMPARE(shape->pos(), QPointF(400, 400));
    driver.release(QPointF(450, 450));
    QCOMPARE(shape->pos(), QPointF(400, 400));
    QVERIFY(!shape->isSelected());
}

void TestScreen::aboutBox()
{
    MainWindow window;
    QString title;
    QString text;
    QString keys;
    QTimer::singleShot(0, &window, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        title = box->windowTitle();
        text = box->text();
        keys = box->informativeText();
        box->accept();
    });
    actionNamed(window, "A&bout")->trigger();
    QCOMPARE(title, QString("Tablero Tavelo"));
    QCOMPARE(text, QString("Tablero para presentar una pantalla en videollamada"));
    for (const char *key : {"Ctrl+H", "Ctrl+E", "Ctrl+Z", "F1"})
        QVERIFY2(keys.contains(key), key);
}

TAVELO_TEST_MAIN(TestScreen)
#include "tst_screen.moc"
