#include "xsession.h"

#include "screenpixels.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>

#include <functional>

namespace {

using ScreenPixels::boundsOf;
using ScreenPixels::isInk;
using ScreenPixels::isMagenta;
using ScreenPixels::near;

// Where the board's controls stand on a 1280 x 800 screen: the four bars on the first row, the
// added ones on the second.
namespace Layout {
const QPoint copyButton(161, 18);
const QPoint fillMenuArrow(643, 18);
const QRect fillButtonColourBar(612, 26, 16, 4);
const QRect lineButton(745, 4, 28, 28);
const QPoint minimizeButton(1193, 18);
const QPoint exitButton(1259, 18);
const QRect eraserButton(142, 44, 28, 28);
const QPoint backgroundButton(366, 58);
const QPoint blackBoardCell(570, 110); // in the background button's menu
const QPoint saveButton(399, 58);
const QPoint labelBoxButton(498, 58); // "Recuadro", after Elipse and Números
const QPoint stripMaximizeButton(40, 12);
const QPoint formaTool(27, 252);
const QPoint lapizTool(27, 423);
const QPoint cortarTool(27, 527);
const QPoint libreTool(27, 579);
const QRect toolbars(0, 0, 1280, 78);
const int panelRight = 80; // the left panel, whose coordinates label follows the pointer
const int statusTop = 776;
} // namespace Layout

// A small window of the desktop, under the board at (560, 300), and its id; empty when it did
// not show within ten seconds.
QString openNote(XSession &session, const QString &text, QProcess **process)
{
    *process = session.launch("xmessage", {"-geometry", "+560+300", "-buttons", "Listo:0", text});
    QString window;
    for (int attempt = 0; attempt < 100 && *process && window.isEmpty(); ++attempt) {
        window = session.run("xdotool", {"search", "--name", "xmessage"}).section('\n', 0, 0);
        if (window.isEmpty())
            QTest::qWait(100);
    }
    return window;
}

// How much the grey levels of an area spread: high over fine detail, near nothing over a flat
// colour.
double greyVariance(const QImage &image, const QRect &area)
{
    double sum = 0;
    double squares = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const int grey = qGray(image.pixel(x, y));
            sum += grey;
            squares += grey * grey;
        }
    }
    const double count = double(area.width()) * area.height();
    return squares / count - (sum / count) * (sum / count);
}

int countPixels(const QImage &image, const QRect &area, const std::function<bool(QRgb)> &test)
{
    int count = 0;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            count += test(image.pixel(x, y)) ? 1 : 0;
    }
    return count;
}

// Pixels of the drawing area that differ between two shots outside the allowed rectangles. The
// left panel (its coordinates label follows the pointer) and the status line are left out.
int changesOutside(const QImage &before, const QImage &after, const QList<QRect> &allowed)
{
    int changes = 0;
    for (int y = Layout::toolbars.bottom() + 1; y < Layout::statusTop; ++y) {
        for (int x = Layout::panelRight; x < before.width(); ++x) {
            const bool inAllowed = std::any_of(allowed.cbegin(),
                                               allowed.cend(),
                                               [x, y](const QRect &r) { return r.contains(x, y); });
            if (!inAllowed && !near(before.pixel(x, y), after.pixel(x, y), 8))
                ++changes;
        }
    }
    return changes;
}

} // namespace

class TestBoardEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void boardCoversTheScreen();
    void desktopShowsThroughTheBoard();
    void freehandStrokeShowsWhereDrawn();
    void spannedRectangleShowsWhereDrawn();
    void formaStampsASquare();
    void copyPutsTheAnnotatedDesktopOnTheClipboard();
    void saveWritesWhatCopiarCopies();
    void cutCopiesTheMarkedRegion();
    void undoAndRedoGiveBackTheBoard();
    void highlighterAndEraserByKeys();
    void pointingLeavesNoMark();
    void minimizeAndRestore();
    void passThroughLetsTheDesktopTakeClicks();
    void drawingsSurviveAKill();
    void fillColourSurvivesARestart();
    void trayShowsTheBoardsIcon();
    void boardNeverScrolls();
    void onlyTheChosenToolShowsChosen();
    void addedBarsAreInReachOnASmallScreen();
    void ellipsesBadgesAndBoxedLabelsShowWhereDrawn();
    void blurHidesTheRegionAndLeavesTheClipboard();
    void lensMagnifiesTheDesktopAndDrawsInPlace();
    void settingsWindowTakesANewGlobalKey();
    void clicksAndKeysShowToTheAudience();
    void boardOfTwoPagesIsSavedOpenedAndExported();
    void commandLineAnswersWithoutADisplay();
    void boardFollowsTheSharedScreen();

private:
    XSession session;
};

void TestBoardEndToEnd::initTestCase()
{
    QString error;
    QVERIFY2(session.start(&error), qPrintable(error));
    QVERIFY2(session.startBoard(&error), qPrintable(error));
}

void TestBoardEndToEnd::boardCoversTheScreen()
{
    QCOMPARE(session.boardGeometry(), QRect(0, 0, XSession::screenWidth, XSession::screenHeight));
    // What task switchers show.
    QVERIFY(session.run("xprop", {"-id", session.boardWindow(), "_NET_WM_NAME", "WM_NAME"})
                .contains("= \"Tablero Tavelo\"\nWM_NAME(STRING) = \"Tablero Tavelo\""));
    const QImage shot = session.screenshot("started");
    // "Sistema listo" in white at the bottom-left, over the mid-tone desktop.
    const int white = countPixels(shot, QRect(0, Layout::statusTop, 120, 24), [](QRgb p) {
        return near(p, qRgb(255, 255, 255), 40);
    });
    QVERIFY2(white > 30, qPrintable(QString::number(white)));
    // The toolbars paint their own opaque background.
    QVERIFY(countPixels(shot, QRect(850, 5, 300, 25), [](QRgb p) { return qGray(p) > 200; })
            > 300 * 20);
}

void TestBoardEndToEnd::desktopShowsThroughTheBoard()
{
    const QImage shot = session.screenshot();
    const QImage desktop = session.desktopPicture();
    // Across the view the desktop shows under a faint white tint: a little lighter, never
    // hidden. The orange block of the picture stays orange.
    for (const QPoint probe : {QPoint(700, 200), QPoint(200, 650), QPoint(1100, 400)}) {
        const QRgb seen = shot.pixel(probe);
        const QRgb under = desktop.pixel(probe);
        QVERIFY2(near(seen, under, 16),
                 qPrintable(QString("%1 over %2").arg(seen, 0, 16).arg(under, 0, 16)));
        QVERIFY(qGray(seen) >= qGray(under));
    }
    QVERIFY(near(shot.pixel(1075, 610), qRgb(224, 128, 48), 16));
}

void TestBoardEndToEnd::freehandStrokeShowsWhereDrawn()
{
    const QImage before = session.screenshot();
    session.drag({{400, 300}, {700, 300}, {700, 360}});
    const QImage after = session.screenshot("freehand");

    // The pen records from the first move on, one step after the press point.
    const int inkOnPath = countPixels(after, QRect(440, 298, 250, 5), isInk);
    QVERIFY2(inkOnPath > 250 * 3, qPrintable(QString::number(inkOnPath)));
    QVERIFY(countPixels(after, QRect(698, 310, 5, 40), isInk) > 40 * 3);
    QCOMPARE(changesOutside(before, after, {QRect(392, 292, 316, 76)}), 0);
}

void TestBoardEndToEnd::spannedRectangleShowsWhereDrawn()
{
    session.click(Layout::libreTool.x(), Layout::libreTool.y());
    const QImage before = session.screenshot();
    session.drag({{500, 450}, {600, 500}, {700, 550}});
    const QImage after = session.screenshot("rectangle");

    // An outline on all four sides (dashed while selected), the desktop still visible inside,
    // handles on the corners.
    QVERIFY(countPixels(after, QRect(505, 449, 190, 3), isInk) > 190);
    QVERIFY(countPixels(after, QRect(505, 549, 190, 3), isInk) > 190);
    QVERIFY(countPixels(after, QRect(499, 455, 3, 90), isInk) > 90);
    QVERIFY(countPixels(after, QRect(699, 455, 3, 90), isInk) > 90);
    QCOMPARE(countPixels(after, QRect(520, 470, 160, 60), isInk), 0);
    QCOMPARE(changesOutside(before, after, {QRect(490, 440, 220, 120)}), 0);
}

void TestBoardEndToEnd::formaStampsASquare()
{
    session.click(Layout::formaTool.x(), Layout::formaTool.y());
    const QImage before = session.screenshot();
    session.click(1000, 250);
    const QImage after = session.screenshot("square");
    // A 200 x 200 square centred on the click (its selection outline dashed), with red handles
    // on its corners.
    QVERIFY(countPixels(after, QRect(910, 149, 180, 3), isInk) > 180);
    QVERIFY(countPixels(after, QRect(899, 160, 3, 180), isInk) > 180);
    const int red = countPixels(after, QRect(1090, 140, 14, 14), [](QRgb p) {
        return qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60;
    });
    QVERIFY2(red > 20, qPrintable(QString::number(red)));
    // The rectangle drawn before loses its selection; nothing else changes.
    QCOMPARE(changesOutside(before, after, {QRect(890, 140, 220, 220), QRect(490, 440, 220, 120)}),
             0);
}

void TestBoardEndToEnd::copyPutsTheAnnotatedDesktopOnTheClipboard()
{
    const QImage board = session.screenshot();
    session.click(Layout::copyButton.x(), Layout::copyButton.y());
    QTest::qWait(2000);
    const QImage copied = session.clipboardImage();
    copied.save(QString(SCREENSHOT_DIR) + "/copied.png");
    QCOMPARE(copied.size(), QSize(XSession::screenWidth, XSession::screenHeight));

    // The stroke is there, and where the toolbars stand the desktop shows instead.
    QVERIFY(countPixels(copied, QRect(440, 298, 250, 5), isInk) > 250 * 3);
    const QImage desktop = session.desktopPicture();
    int desktopLike = 0;
    for (int x = 10; x < 1270; x += 10)
        desktopLike += near(copied.pixel(x, 20), desktop.pixel(x, 20), 40) ? 1 : 0;
    QVERIFY2(desktopLike > 110, qPrintable(QString::number(desktopLike)));
    QVERIFY(!near(board.pixel(900, 20), copied.pixel(900, 20), 40));
    const QImage after = session.screenshot();
    QVERIFY(near(after.pixel(900, 20), board.pixel(900, 20), 8)); // the toolbars are back
}

// Ctrl+S asks where, then writes the screen as the audience sees it: what Copiar puts on the
// clipboard.
void TestBoardEndToEnd::saveWritesWhatCopiarCopies()
{
    session.xdotool({"key", "ctrl+c"});
    QTest::qWait(2000);
    const QImage copied = session.clipboardImage();
    // A name typed without an extension becomes a PNG picture all the same.
    const QString path = session.homePath() + "/guardado.png";
    session.xdotool({"key", "ctrl+s"});
    QTest::qWait(1500); // the file dialog
    session.xdotool({"key", "ctrl+a"});
    session.xdotool({"type", session.homePath() + "/guardado"});
    session.xdotool({"key", "Return"});
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(path), 10000);
    QTest::qWait(300);
    const QImage saved(path);
    saved.save(QString(SCREENSHOT_DIR) + "/saved.png");
    QCOMPARE(saved.size(), copied.size());
    // Edge to edge, but for the status line, whose message changed in between.
    int differing = 0;
    for (int y = 0; y < Layout::statusTop; y += 2) {
        for (int x = 0; x < saved.width(); x += 2)
            differing += near(saved.pixel(x, y), copied.pixel(x, y), 8) ? 0 : 1;
    }
    QVERIFY2(differing < 10, qPrintable(QString::number(differing)));
    // Only the picture is left in the folder: nothing half-written beside it.
    QCOMPARE(QDir(session.homePath()).entryList({"guardado*"}, QDir::Files),
             QStringList{"guardado.png"});
}

void TestBoardEndToEnd::cutCopiesTheMarkedRegion()
{
    const QImage before = session.screenshot("before-cut");
    session.click(Layout::cortarTool.x(), Layout::cortarTool.y());
    session.drag({{280, 480}, {380, 530}, {479, 579}});
    QTest::qWait(1000);
    const QImage cut = session.clipboardImage();
    cut.save(QString(SCREENSHOT_DIR) + "/cut.png");
    session.screenshot("after-cut");

    QCOMPARE(cut.size(), QSize(200, 100));
    // Edge to edge, the clipboard image is the screen region as it was: the marking frame and
    // its selection outline are not in it.
    int differing = 0;
    for (int y = 0; y < cut.height(); ++y) {
        for (int x = 0; x < cut.width(); ++x)
            differing += near(cut.pixel(x, y), before.pixel(280 + x, 480 + y), 12) ? 0 : 1;
    }
    QVERIFY2(differing <= 20, qPrintable(QString("%1 of 20000 pixels differ").arg(differing)));
}

// Draw, stamp, move, Limpiar: four steps back give the board before them pixel for pixel, four
// steps forward the board after them.
void TestBoardEndToEnd::undoAndRedoGiveBackTheBoard()
{
    QTest::qWait(500);
    const QImage before = session.screenshot("before-history");
    session.click(Layout::lapizTool.x(), Layout::lapizTool.y());
    session.drag({{300, 660}, {500, 660}, {520, 700}});
    session.click(Layout::formaTool.x(), Layout::formaTool.y());
    session.click(800, 600);
    session.drag({{800, 600}, {900, 620}, {950, 630}});
    session.xdotool({"key", "ctrl+l"});
    QTest::qWait(500);
    const QImage after = session.screenshot("after-history");
    QVERIFY(changesOutside(before, after, {}) > 0);

    for (int step = 0; step < 4; ++step) {
        session.xdotool({"key", "ctrl+z"});
        QTest::qWait(300);
    }
    QCOMPARE(changesOutside(before, session.screenshot("undone"), {}), 0);
    for (int step = 0; step < 4; ++step) {
        session.xdotool({"key", "ctrl+shift+z"});
        QTest::qWait(300);
    }
    QCOMPARE(changesOutside(after, session.screenshot("redone"), {}), 0);
    // Back to the board before, for the tests that follow.
    for (int step = 0; step < 4; ++step)
        session.xdotool({"key", "ctrl+z"});
    QTest::qWait(500);
}

// Ctrl+H marks over the desktop with an even translucent ink, also where the stroke runs over
// itself; Ctrl+E wipes the whole stroke with one touch, and one undo brings it back.
void TestBoardEndToEnd::highlighterAndEraserByKeys()
{
    QTest::qWait(300);
    const QImage before = session.screenshot();
    session.xdotool({"key", "ctrl+h"});
    session.drag({{300, 460}, {500, 460}, {700, 460}, {500, 462}, {400, 460}});
    QTest::qWait(300);
    const QImage marked = session.screenshot("highlighter");
    // Two places over the same grey of the desktop picture.
    const QRgb once = marked.pixel(330, 460);  // one pass
    const QRgb twice = marked.pixel(450, 460); // three passes
    const QRgb under = before.pixel(330, 460);
    QVERIFY(near(under, before.pixel(450, 460), 3));
    QVERIFY2(near(once, twice, 3), qPrintable(QString("%1 %2").arg(once, 0, 16).arg(twice, 0, 16)));
    // Yellow over the desktop, which still shows through: redder and greener, not opaque.
    QVERIFY(qRed(once) > qRed(under) + 40 && qBlue(once) < qBlue(under));
    QVERIFY(qBlue(once) > 20);
    QVERIFY(changesOutside(before, marked, {QRect(270, 425, 460, 70)}) == 0);

    session.xdotool({"key", "ctrl+e"});
    session.drag({{300, 452}, {320, 452}}); // over the highlight alone
    QTest::qWait(300);
    QCOMPARE(changesOutside(before, session.screenshot("erased"), {}), 0);
    session.xdotool({"key", "ctrl+z"});
    QTest::qWait(300);
    QCOMPARE(changesOutside(marked, session.screenshot("erasure-undone"), {}), 0);
    // Back to the pen and the board before, for the tests that follow.
    session.xdotool({"key", "ctrl+z"});
    session.xdotool({"key", "ctrl+4"});
    QTest::qWait(300);
}

// The laser's stroke shows, then fades and leaves the screen as it was; the spotlight darkens
// all but the circle around the pointer until Esc.
void TestBoardEndToEnd::pointingLeavesNoMark()
{
    QTest::qWait(300);
    const QImage before = session.screenshot();
    const auto laserRed = [](QRgb pixel) {
        return qRed(pixel) > 200 && qGreen(pixel) < 120 && qBlue(pixel) < 120;
    };
    const QRect path(280, 540, 340, 80);
    session.xdotool({"key", "ctrl+shift+l"});
    session.drag({{300, 560}, {450, 600}, {600, 560}});
    const QImage pointed = session.screenshot("laser");
    QVERIFY(countPixels(pointed, path, laserRed) > countPixels(before, path, laserRed) + 300);
    QCOMPARE(changesOutside(before, pointed, {path}), 0);
    QTest::qWait(2000);
    QCOMPARE(changesOutside(before, session.screenshot("laser-gone"), {}), 0);

    session.xdotool({"mousemove", "640", "400"});
    session.xdotool({"key", "ctrl+shift+o"});
    QTest::qWait(300);
    const QImage lit = session.screenshot("spotlight");
    QVERIFY(near(lit.pixel(640, 400), before.pixel(640, 400), 8));
    for (const QPoint far : {QPoint(1100, 650), QPoint(200, 120)})
        QVERIFY(qGray(lit.pixel(far)) < qGray(before.pixel(far)) * 0.6 + 1);
    session.xdotool({"key", "Escape"});
    QTest::qWait(300);
    QCOMPARE(changesOutside(before, session.screenshot("spotlight-off"), {}), 0);
    session.xdotool({"key", "ctrl+4"});
}

// Ctrl+Alt+D, pressed while another window has the focus, lets clicks through to the window under
// the board while the drawing stays on screen; "--toggle" from the shell takes them back.
void TestBoardEndToEnd::passThroughLetsTheDesktopTakeClicks()
{
    session.drag({{300, 200}, {500, 200}, {520, 230}});
    QProcess *message = nullptr;
    const QString window = openNote(session, "debajo del tablero", &message);
    QVERIFY(!window.isEmpty());
    const QRect geometry = session.windowGeometry(window);
    const QPoint button(geometry.left() + 25, geometry.bottom() - 14);
    session.click(button.x(), button.y());
    QVERIFY(!message->waitForFinished(700)); // the board, above it, took that click

    session.xdotool({"windowactivate", "--sync", window});
    session.xdotool({"key", "ctrl+alt+d"});
    QTest::qWait(500);
    const QImage passing = session.screenshot("pass-through");
    QVERIFY(countPixels(passing, QRect(440, 198, 50, 5), isInk) > 50 * 3); // the drawing stays
    // The indicator in the top-right corner, over the faded toolbars.
    QVERIFY(countPixels(passing,
                        QRect(900, 5, 370, 30),
                        [](QRgb p) { return qRed(p) > 120 && qGreen(p) < 90 && qBlue(p) < 90; })
            > 200);
    session.click(button.x(), button.y());
    QVERIFY(message->waitForFinished(5000)); // the click reached the window under the board

    bool ok = false;
    session.run(BOARD_EXECUTABLE, {"--toggle"}, &ok);
    QVERIFY(ok);
    QTest::qWait(500);
    const QImage back = session.screenshot("pass-through-off");
    QVERIFY(countPixels(back, QRect(850, 5, 300, 25), [](QRgb p) { return qGray(p) > 200; })
            > 300 * 20); // the toolbars are back
    session.drag({{300, 600}, {500, 600}});
    QVERIFY(countPixels(session.screenshot(), QRect(340, 598, 150, 5), isInk) > 150 * 3);
    session.xdotool({"key", "ctrl+z"});
    session.xdotool({"key", "ctrl+z"});
    QTest::qWait(300);
}

// Killed without warning, the board comes back with its drawings where they were; a recovery
// copy that makes no sense is set aside and the board starts empty.
void TestBoardEndToEnd::drawingsSurviveAKill()
{
    session.xdotool({"key", "ctrl+h"});
    session.drag({{700, 650}, {900, 660}});
    session.xdotool({"key", "ctrl+4"});
    session.drag({{700, 600}, {900, 640}, {950, 700}});
    QTest::qWait(2500); // the copy is written a moment after the last change
    const QImage before = session.screenshot("before-kill");
    session.killBoard();
    QString error;
    QVERIFY2(session.startBoard(&error), qPrintable(error));
    const QImage after = session.screenshot("after-kill");
    QCOMPARE(changesOutside(before, after, {}), 0);
    const QString recovery = session.homePath()
                             + "/.local/share/Corvane Group/CorvaneTaveloWindow2/recovery.tavelo";
    QVERIFY(QFile::exists(recovery));
    // Readable by its user alone, in a folder only its user may enter.
    const auto othersMay = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
                           | QFileDevice::ReadOther | QFileDevice::WriteOther
                           | QFileDevice::ExeOther;
    QVERIFY(!(QFileInfo(recovery).permissions() & othersMay));
    QVERIFY(!(QFileInfo(QFileInfo(recovery).absolutePath()).permissions() & othersMay));

    session.killBoard();
    QFile garbage(recovery);
    QVERIFY(garbage.open(QIODevice::WriteOnly | QIODevice::Truncate));
    garbage.write(QByteArray("TVLB") + QByteArray(3000, '\x7f'));
    garbage.close();
    QVERIFY2(session.startBoard(&error), qPrintable(error));
    const QImage fresh = session.screenshot("after-garbage");
    QVERIFY(countPixels(fresh, QRect(750, 610, 100, 30), isInk) == 0); // an empty board
    QVERIFY(
        !QDir(QFileInfo(recovery).absolutePath()).entryList({"recovery.tavelo.damaged-*"}).isEmpty());
}

void TestBoardEndToEnd::minimizeAndRestore()
{
    session.click(Layout::minimizeButton.x(), Layout::minimizeButton.y());
    QTest::qWait(500);
    QCOMPARE(session.boardGeometry(), QRect(0, 0, 90, 25));
    session.screenshot("minimized");

    session.click(Layout::stripMaximizeButton.x(), Layout::stripMaximizeButton.y());
    QTest::qWait(800);
    QCOMPARE(session.boardGeometry(), QRect(0, 0, XSession::screenWidth, XSession::screenHeight));
    session.screenshot("restored");
}

void TestBoardEndToEnd::fillColourSurvivesARestart()
{
    session.click(Layout::fillMenuArrow.x(), Layout::fillMenuArrow.y());
    QTest::qWait(300);
    session.screenshot("fill-menu");
    for (int i = 0; i < 5; ++i) // "Rojo" is the fifth entry
        session.xdotool({"key", "Down"});
    session.xdotool({"key", "Return"});
    QTest::qWait(300);
    const QImage picked = session.screenshot("fill-picked");
    auto isRed = [](QRgb p) { return qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60; };
    QVERIFY(countPixels(picked, Layout::fillButtonColourBar, isRed) > 40);

    session.click(Layout::exitButton.x(), Layout::exitButton.y());
    QTRY_VERIFY_WITH_TIMEOUT(!session.boardRunning(), 20000);
    // A clean exit: also no leak or error report when built with the sanitizers.
    QCOMPARE(session.boardExitCode(), 0);
    session.stopBoard();
    QString error;
    QVERIFY2(session.startBoard(&error), qPrintable(error));
    const QImage restarted = session.screenshot("restarted");
    QVERIFY(countPixels(restarted, Layout::fillButtonColourBar, isRed) > 40);
}

// With a tray on the desktop the board puts its icon there; the board itself is unchanged.
void TestBoardEndToEnd::trayShowsTheBoardsIcon()
{
    QVERIFY(session.launch("trayer",
                           {"--edge",
                            "bottom",
                            "--align",
                            "right",
                            "--widthtype",
                            "request",
                            "--height",
                            "24",
                            "--SetDockType",
                            "true"}));
    QTest::qWait(1000);
    session.stopBoard();
    QString error;
    QVERIFY2(session.startBoard(&error), qPrintable(error));
    QCOMPARE(session.boardGeometry(), QRect(0, 0, XSession::screenWidth, XSession::screenHeight));
    const QStringList windows = session
                                    .run("xdotool",
                                         {"search",
                                          "--onlyvisible",
                                          "--class",
                                          "CorvaneTaveloWindow2"})
                                    .split('\n', Qt::SkipEmptyParts);
    const bool iconShown = std::any_of(windows.cbegin(), windows.cend(), [this](const QString &w) {
        const QRect geometry = session.windowGeometry(w);
        return geometry.width() <= 64 && geometry.height() <= 64 && geometry.width() > 0;
    });
    QVERIFY2(iconShown, qPrintable(windows.join(' ')));
}

// Whatever is typed, pasted or wheeled at the edge of the screen, the board lies still over the
// desktop: a stroke stays on the pixels it was drawn on, and no scroll bar shows.
void TestBoardEndToEnd::boardNeverScrolls()
{
    session.xdotool({"key", "ctrl+4"});
    session.drag({{900, 400}, {1000, 400}, {1040, 430}});
    QTest::qWait(300);
    const QImage drawn = session.screenshot();
    QVERIFY(countPixels(drawn, QRect(930, 398, 60, 5), isInk) > 60 * 3);

    session.xdotool({"key", "ctrl+5"});
    session.click(1150, 500);
    session.xdotool({"type", "--delay", "5", "Una etiqueta larga junto al borde de la pantalla"});
    bool ok = false;
    session.run("sh",
                {"-c",
                 "printf '%s' ' y un texto pegado que sigue mucho más allá del borde derecho' "
                 "| xclip -selection clipboard >/dev/null 2>&1"},
                &ok);
    QVERIFY(ok);
    session.xdotool({"key", "ctrl+v"});
    for (const char *wheel : {"6", "7", "6", "6"}) // to the left and to the right
        session.xdotool({"click", wheel});
    QTest::qWait(300);
    const QImage typed = session.screenshot("typed-at-the-edge");
    QCOMPARE(changesOutside(drawn, typed, {QRect(1140, 480, 140, 50)}), 0);
    session.xdotool({"key", "ctrl+4"});
    session.xdotool({"key", "ctrl+l"});
    QTest::qWait(300);
}

// After the line, choosing another tool leaves the line's button as it was before: only the
// chosen tool shows pressed.
void TestBoardEndToEnd::onlyTheChosenToolShowsChosen()
{
    const auto looksAlike = [](const QImage &a, const QImage &b, const QRect &area) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (!near(a.pixel(x, y), b.pixel(x, y), 8))
                    return false;
            }
        }
        return true;
    };
    const QImage penChosen = session.screenshot();
    session.xdotool({"key", "ctrl+9"});
    QTest::qWait(300);
    const QImage lineChosen = session.screenshot("line-chosen");
    QVERIFY(!looksAlike(penChosen, lineChosen, Layout::lineButton));
    session.xdotool({"key", "ctrl+e"});
    QTest::qWait(300);
    const QImage eraserChosen = session.screenshot("eraser-chosen");
    QVERIFY(looksAlike(penChosen, eraserChosen, Layout::lineButton));
    QVERIFY(!looksAlike(penChosen, eraserChosen, Layout::eraserButton));
    session.xdotool({"key", "ctrl+4"});
    QTest::qWait(300);
}

// On a 1280 x 800 screen every button of the added bars stands in sight: none hides behind Qt's
// extension button.
void TestBoardEndToEnd::addedBarsAreInReachOnASmallScreen()
{
    session.click(Layout::backgroundButton.x(), Layout::backgroundButton.y());
    QTest::qWait(500);
    session.click(Layout::blackBoardCell.x(), Layout::blackBoardCell.y());
    QTest::qWait(500);
    QCOMPARE(qGray(session.screenshot("black-board").pixel(640, 400)), 0);
    session.xdotool({"key", "ctrl+z"});

    session.click(Layout::saveButton.x(), Layout::saveButton.y());
    QString dialog;
    QTRY_VERIFY_WITH_TIMEOUT(!(dialog = session.run("xdotool",
                                                    {"search",
                                                     "--onlyvisible",
                                                     "--name",
                                                     "Guardar el tablero como imagen"}))
                                  .isEmpty(),
                             5000);
    session.xdotool({"key", "Escape"});
    QTest::qWait(500);
}

// Elipse spans an ellipse (a circle with Shift held) in the line colour; Números puts a badge at
// each click, and the second one goes again with Ctrl+Z; with Recuadro on, a label has a box.
void TestBoardEndToEnd::ellipsesBadgesAndBoxedLabelsShowWhereDrawn()
{
    session.xdotool({"key", "ctrl+l"});
    session.xdotool({"key", "ctrl+shift+c"});
    session.drag({{700, 450}, {800, 480}, {900, 520}});
    session.xdotool({"keydown", "shift"});
    session.drag({{300, 450}, {350, 470}, {400, 480}});
    session.xdotool({"keyup", "shift"});
    session.xdotool({"key", "ctrl+shift+n"});
    session.click(600, 650);
    session.click(700, 650);
    const QImage drawn = session.screenshot("ellipse-and-badges");
    // The ellipse's outline at its left and right ends, none beyond its bottom.
    QVERIFY(countPixels(drawn, QRect(697, 482, 6, 6), isInk) > 0);
    QVERIFY(countPixels(drawn, QRect(897, 482, 6, 6), isInk) > 0);
    QCOMPARE(countPixels(drawn, QRect(780, 530, 40, 10), isInk), 0);
    // Shift made the second a circle: its outline reaches 100 pixels down, at its bottom.
    QVERIFY(countPixels(drawn, QRect(340, 545, 20, 10), isInk) > 0);
    // Each badge is a dark disc about 32 pixels across at the pen's usual width.
    const auto discLeftOf = [](int x) { return QRect(x - 13, 646, 5, 9); }; // beside the digits
    for (const int x : {600, 700})
        QVERIFY(countPixels(drawn, discLeftOf(x), isInk) > 5 * 9 * 3 / 4);
    session.xdotool({"key", "ctrl+z"});
    QTest::qWait(300);
    const QImage undone = session.screenshot("second-badge-undone");
    QVERIFY(countPixels(undone, discLeftOf(600), isInk) > 5 * 9 * 3 / 4);
    QCOMPARE(countPixels(undone, discLeftOf(700), isInk), 0);

    // With "Recuadro" on, a new label stands on a box in the fill colour.
    const QRect beside(902, 256, 4, 10); // within the box's margin, left of the text
    session.click(Layout::labelBoxButton.x(), Layout::labelBoxButton.y());
    session.xdotool({"key", "ctrl+5"});
    session.click(900, 250);
    session.xdotool({"type", "Hola"});
    session.click(1100, 700);
    const QImage boxed = session.screenshot("label-on-a-box");
    const auto covered = [&undone](const QImage &image, const QRect &area) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                count += near(image.pixel(x, y), undone.pixel(x, y), 30) ? 0 : 1;
        }
        return count;
    };
    QCOMPARE(covered(boxed, beside), beside.width() * beside.height());
    session.click(Layout::labelBoxButton.x(), Layout::labelBoxButton.y());
}

// A region of fine detail becomes flat blocks over it, one step of the history; the clipboard
// keeps what it had.
void TestBoardEndToEnd::blurHidesTheRegionAndLeavesTheClipboard()
{
    session.xdotool({"key", "ctrl+l"});
    bool ok = false;
    session.run("sh",
                {"-c", "printf sin-cambios | xclip -selection clipboard -i >/dev/null 2>&1"},
                &ok);
    QVERIFY(ok);
    const QRect checker = ScreenPixels::checkerArea;
    const QRect inside = checker.adjusted(15, 15, -15, -15); // clear of the blocks at the edges
    const double detail = greyVariance(session.screenshot(), inside);
    QVERIFY2(detail > 2000, qPrintable(QString::number(detail)));

    session.xdotool({"key", "ctrl+shift+b"});
    session.drag({checker.topLeft(), checker.center(), checker.bottomRight()});
    QTest::qWait(1000);
    const double blurred = greyVariance(session.screenshot("blurred"), inside);
    QVERIFY2(blurred < detail / 50, qPrintable(QString::number(blurred)));
    QCOMPARE(session.run("xclip", {"-selection", "clipboard", "-o"}), QString("sin-cambios"));

    session.xdotool({"key", "ctrl+z"});
    QTest::qWait(300);
    QVERIFY(greyVariance(session.screenshot(), inside) > detail / 2);
    session.xdotool({"key", "ctrl+8"});
}

// Around the pointer the desktop shows twice as large; a stroke drawn meanwhile lands where it
// was drawn on the board, half as long once the lens is left, and the desktop is itself again.
void TestBoardEndToEnd::lensMagnifiesTheDesktopAndDrawsInPlace()
{
    session.xdotool({"key", "ctrl+l"});
    const QPoint pointer(330, 530); // within the magenta block
    const QRect block = boundsOf(session.screenshot(), QRect(200, 400, 300, 300), isMagenta);
    QVERIFY(block.contains(pointer));
    session.xdotool({"mousemove", QString::number(pointer.x()), QString::number(pointer.y())});
    session.xdotool({"key", "ctrl+shift+x"});
    QTest::qWait(2000);
    const QImage zoomed = session.screenshot("lens");
    // Twice as large, the point under the pointer staying under it.
    QVERIFY(
        ScreenPixels::isTwiceAroundPointer(boundsOf(zoomed, QRect(100, 300, 500, 450), isMagenta),
                                           block,
                                           pointer));

    session.xdotool({"key", "ctrl+4"});
    session.drag({{300, 650}, {350, 650}, {400, 650}});
    const QImage drawnZoomed = session.screenshot("lens-stroke");
    QVERIFY(countPixels(drawnZoomed, QRect(320, 648, 70, 4), isInk) > 70 * 3);
    session.xdotool({"key", "Escape"});
    QTest::qWait(500);
    const QImage left = session.screenshot("lens-left");
    QVERIFY(countPixels(left, QRect(310, 649, 35, 3), isInk) > 35 * 2);
    QCOMPARE(countPixels(left, QRect(360, 640, 60, 20), isInk), 0);
    QCOMPARE(boundsOf(left, QRect(200, 400, 300, 300), isMagenta), block);
    session.xdotool({"key", "ctrl+8"});
}

// Ctrl+, opens "Preferencias"; a key pressed into its first field is the global key from then
// on, and the old one no longer is.
void TestBoardEndToEnd::settingsWindowTakesANewGlobalKey()
{
    const auto settingsWindow = [this] {
        return session.run("xdotool", {"search", "--onlyvisible", "--name", "^Preferencias$"});
    };
    session.xdotool({"key", "ctrl+comma"});
    QTRY_VERIFY_WITH_TIMEOUT(!settingsWindow().isEmpty(), 10000);
    session.screenshot("settings-window");
    session.xdotool({"key", "ctrl+alt+g"}); // into the key's field, which has the focus
    QTest::qWait(1600);                     // the field takes what was pressed after a second
    session.xdotool({"key", "Tab"});
    session.xdotool({"key", "Escape"});
    QTRY_VERIFY_WITH_TIMEOUT(settingsWindow().isEmpty(), 5000);

    // The indicator's red, left of the exit button's.
    const auto passingThrough = [this](const char *shotName) {
        QTest::qWait(700);
        return countPixels(session.screenshot(shotName),
                           QRect(900, 5, 280, 30),
                           [](QRgb p) { return qRed(p) > 120 && qGreen(p) < 90 && qBlue(p) < 90; })
               > 200;
    };
    session.xdotool({"key", "ctrl+alt+g"});
    QVERIFY(passingThrough("new-global-key"));
    session.xdotool({"key", "ctrl+alt+d"});
    QVERIFY(passingThrough("old-global-key"));
    session.xdotool({"key", "ctrl+alt+g"});
    QVERIFY(!passingThrough("new-global-key-again"));
}

// With "Mostrar clics" and "Mostrar teclas" on, a click given through the board to a window of the
// desktop shows a ring there, gone a second later, and a key pressed in that window shows a box at
// the bottom centre that fades, the same box as for the key pressed on the board; with both off,
// nothing shows.
void TestBoardEndToEnd::clicksAndKeysShowToTheAudience()
{
    session.xdotool({"windowactivate", "--sync", session.boardWindow()});
    session.xdotool({"key", "ctrl+l"});
    session.xdotool({"key", "ctrl+8"});
    session.xdotool({"key", "ctrl+shift+k"});
    session.xdotool({"key", "ctrl+shift+j"});
    QProcess *note = nullptr;
    const QString window = openNote(session, "una ventana del escritorio", &note);
    QVERIFY(!window.isEmpty());
    const auto cleanUp = qScopeGuard([note] { note->kill(); });
    const QRect geometry = session.windowGeometry(window);
    // On the note's left edge: the window manager raises the note that takes the click above
    // the board, so the ring shows left of the note.
    const QPoint spot(geometry.left() + 3, geometry.top() + 12);
    const QRect ringArea(spot - QPoint(40, 40), QSize(36, 80));
    const QRect keysArea(480, 640, 420, 110); // the bottom centre of the drawing area
    const auto changed = [](const QImage &before, const QImage &after, const QRect &area) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                count += near(before.pixel(x, y), after.pixel(x, y), 24) ? 0 : 1;
        }
        return count;
    };
    // Where the pixels changed; an empty rectangle if none did.
    const auto changedBounds = [](const QImage &before, const QImage &after, const QRect &area) {
        QRect bounds;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (!near(before.pixel(x, y), after.pixel(x, y), 24))
                    bounds |= QRect(x, y, 1, 1);
            }
        }
        return bounds;
    };
    const auto clickThroughTheBoard = [this, window, spot] {
        session.xdotool({"windowactivate", "--sync", window});
        session.xdotool(
            {"mousemove", QString::number(spot.x()), QString::number(spot.y()), "click", "1"});
    };

    QTest::qWait(2500); // the keys that turned them on fade
    const QImage onTheBoard = session.screenshot();
    // A key the board has no command for, which would clear the box to read the screen.
    session.xdotool({"key", "ctrl+F2"});
    const QRect boxOnTheBoard = changedBounds(onTheBoard,
                                              session.screenshot("echoes-keys-on-the-board"),
                                              keysArea);
    QVERIFY(boxOnTheBoard.width() > 40);
    QTest::qWait(2500);

    // Pass-through by the global key the settings window chose: the modifiers let go while
    // the board holds that key must not stay held for the next keys.
    session.xdotool({"key", "ctrl+alt+g"});
    QTest::qWait(2500); // the global key's own box fades
    const QImage before = session.screenshot("echoes-before");
    clickThroughTheBoard();
    const QImage ringed = session.screenshot("echoes-ring");
    QVERIFY2(changed(before, ringed, ringArea) > 40,
             qPrintable(QString::number(changed(before, ringed, ringArea))));
    session.xdotool({"key", "ctrl+F2"});
    const QImage keyed = session.screenshot("echoes-keys");
    QVERIFY(changed(before, keyed, keysArea) > 400);
    QCOMPARE(changedBounds(before, keyed, keysArea).width(), boxOnTheBoard.width());
    QTest::qWait(2500);
    const QImage faded = session.screenshot("echoes-faded");
    QCOMPARE(changed(before, faded, ringArea), 0);
    QCOMPARE(changed(before, faded, keysArea), 0);

    bool ok = false;
    session.run(BOARD_EXECUTABLE, {"--toggle"}, &ok); // pass-through off
    QVERIFY(ok);
    QTest::qWait(700);
    session.xdotool({"windowactivate", "--sync", session.boardWindow()});
    session.xdotool({"key", "ctrl+shift+k"});
    session.xdotool({"key", "ctrl+shift+j"});
    QTest::qWait(2500); // the keys that turned them off fade
    const QImage off = session.screenshot();
    session.click(spot.x(), spot.y());
    session.xdotool({"key", "shift+F5"});
    const QImage quiet = session.screenshot("echoes-off");
    QCOMPARE(changed(off, quiet, ringArea), 0);
    QCOMPARE(changed(off, quiet, keysArea), 0);
}

// Two pages with a stroke each are saved with Ctrl+Shift+S, come back editable after Salir with
// --open, and make a PDF of two pages, each with its own stroke, without a display.
void TestBoardEndToEnd::boardOfTwoPagesIsSavedOpenedAndExported()
{
    const QRect upper(300, 200, 400, 60);
    const QRect lower(300, 560, 400, 60);
    session.xdotool({"key", "ctrl+l"});
    session.xdotool({"key", "ctrl+4"});
    session.drag({upper.topLeft(), upper.center(), upper.bottomRight()});
    session.xdotool({"key", "ctrl+Next"});
    QTest::qWait(300);
    session.drag({lower.topLeft(), lower.center(), lower.bottomRight()});
    const QString board = QDir(session.homePath()).filePath("lesson.tavelo");
    session.xdotool({"key", "ctrl+shift+s"});
    QTRY_VERIFY_WITH_TIMEOUT(
        !session.run("xdotool", {"search", "--onlyvisible", "--name", "Guardar tablero"}).isEmpty(),
        5000);
    session.xdotool({"key", "ctrl+a"});
    session.xdotool({"type", board});
    session.xdotool({"key", "Return"});
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(board), 5000);

    session.click(Layout::exitButton.x(), Layout::exitButton.y());
    QTRY_VERIFY_WITH_TIMEOUT(!session.boardRunning(), 20000);
    session.stopBoard();
    QString error;
    QVERIFY2(session.startBoard(&error, {"--open", board}), qPrintable(error));
    const QImage first = session.screenshot("opened-first-page");
    session.xdotool({"key", "ctrl+Next"});
    QTest::qWait(500);
    const QImage second = session.screenshot("opened-second-page");
    const int inkPerStroke = upper.width() * 3;
    QVERIFY(countPixels(first, upper, isInk) > inkPerStroke);
    QCOMPARE(countPixels(first, lower, isInk), 0);
    QVERIFY(countPixels(second, lower, isInk) > inkPerStroke);
    QCOMPARE(countPixels(second, upper, isInk), 0);

    const QString pdf = QDir(session.homePath()).filePath("lesson.pdf");
    QProcess exporter;
    QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
    bare.remove("DISPLAY");
    exporter.setProcessEnvironment(bare);
    exporter.start(BOARD_EXECUTABLE, {"--export-pdf", pdf, board});
    QVERIFY(exporter.waitForFinished(30000));
    QCOMPARE(exporter.exitCode(), 0);
    QVERIFY(session.run("pdfinfo", {pdf}).contains(QRegularExpression("Pages:\\s+2\\n")));
    // Each page of the PDF holds its own stroke: the first's in its upper half, the second's
    // in its lower half.
    for (int page = 1; page <= 2; ++page) {
        const QImage rendered = QImage::fromData(
            session.runBinary(
                "pdftoppm",
                {"-f", QString::number(page), "-l", QString::number(page), "-r", "96", "-png", pdf}),
            "PNG");
        QVERIFY(!rendered.isNull());
        rendered.save(QString(SCREENSHOT_DIR) + QString("/pdf-page-%1.png").arg(page));
        const QRect top(0, 0, rendered.width(), rendered.height() / 2);
        const QRect bottom(0, rendered.height() / 2, rendered.width(), rendered.height() / 2);
        const auto dark = [](QRgb pixel) { return qGray(pixel) < 100; };
        QVERIFY(countPixels(rendered, page == 1 ? top : bottom, dark) > upper.width());
        QCOMPARE(countPixels(rendered, page == 1 ? bottom : top, dark), 0);
    }
    QProcess refused;
    refused.setProcessEnvironment(bare);
    refused.start(BOARD_EXECUTABLE, {"--export-pdf", pdf, pdf});
    QVERIFY(refused.waitForFinished(30000));
    QCOMPARE(refused.exitCode(), 1);
}

// The help and the version need no display; the manual page describes every option the program
// knows, and an option it does not know is an error.
void TestBoardEndToEnd::commandLineAnswersWithoutADisplay()
{
    QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        bare.remove(name);
    const auto run = [&bare](const QStringList &arguments, QString *output) {
        QProcess board;
        board.setProcessEnvironment(bare);
        board.start(BOARD_EXECUTABLE, arguments);
        board.waitForFinished(10000);
        *output = QString::fromUtf8(board.readAllStandardOutput());
        return board.exitStatus() == QProcess::NormalExit ? board.exitCode() : -1;
    };
    QString said;
    QCOMPARE(run({"--version"}, &said), 0);
    QVERIFY2(QRegularExpression("^Tablero Tavelo \\d+\\.\\d+\\.\\d+\n$").match(said).hasMatch(),
             qPrintable(said));
    QCOMPARE(run({"--help"}, &said), 0);
    QFile manualFile(MANUAL_PAGE);
    QVERIFY(manualFile.open(QIODevice::ReadOnly));
    const QString manual = QString::fromUtf8(manualFile.readAll());
    QStringList options;
    QRegularExpressionMatchIterator found = QRegularExpression("\\s(--[a-z-]+)").globalMatch(said);
    while (found.hasNext())
        options << found.next().captured(1);
    QVERIFY2(options.size() >= 7, qPrintable(said));
    for (const QString &option : std::as_const(options))
        QVERIFY2(manual.contains(QString(option).replace("-", "\\-")), qPrintable(option));
    QCOMPARE(run({"--no-such-option"}, &said), 1);
}

// On two monitors the board opens on the one under the pointer, moves to the other by its key
// and by the command line with its drawings where they were on the board, copies that screen
// only, and comes back with everything when that monitor goes.
void TestBoardEndToEnd::boardFollowsTheSharedScreen()
{
    const QRect left(0, 0, 1920, 1080);
    const QRect right(1920, 0, 1280, 1080);
    XSession two;
    QString error;
    QVERIFY2(two.start(&error, QSize(3200, 1080), {{"LEFT", left}, {"RIGHT", right}}),
             qPrintable(error));
    two.xdotool({"mousemove", "900", "500"});
    QVERIFY2(two.startBoard(&error), qPrintable(error));
    QCOMPARE(two.boardGeometry(), left);
    two.drag({{400, 400}, {700, 400}});
    const QRect strokeOnBoard(440, 398, 250, 5);
    QVERIFY(countPixels(two.screenshot("two-screens-left"), strokeOnBoard, isInk) > 250 * 3);

    const auto keyOnBoard = [&two](const char *key) {
        two.xdotool({"windowactivate", "--sync", two.boardWindow()});
        two.xdotool({"key", key});
    };
    keyOnBoard("ctrl+shift+p");
    QTRY_COMPARE_WITH_TIMEOUT(two.boardGeometry(), right, 10000);
    QTest::qWait(500);
    const QImage onRight = two.screenshot("two-screens-right");
    QVERIFY(countPixels(onRight, strokeOnBoard.translated(right.topLeft()), isInk) > 250 * 3);
    QCOMPARE(countPixels(onRight, strokeOnBoard, isInk), 0);

    bool ok = false;
    two.run(BOARD_EXECUTABLE, {"--screen", "NOPE"}, &ok);
    QVERIFY(!ok);
    for (const auto &[name, where] : {std::pair{"LEFT", left}, std::pair{"RIGHT", right}}) {
        two.run(BOARD_EXECUTABLE, {"--screen", name}, &ok);
        QVERIFY(ok);
        QTRY_COMPARE_WITH_TIMEOUT(two.boardGeometry(), where, 10000);
    }

    QTest::qWait(500);
    keyOnBoard("ctrl+c");
    QTest::qWait(2500);
    const QImage copied = two.clipboardImage();
    copied.save(QString(SCREENSHOT_DIR) + "/two-screens-copied.png");
    QCOMPARE(copied.size(), right.size());
    QVERIFY(countPixels(copied, strokeOnBoard, isInk) > 250 * 3);

    two.run("xrandr", {"--delmonitor", "RIGHT"}, &ok);
    QVERIFY(ok);
    QTRY_COMPARE_WITH_TIMEOUT(two.boardGeometry(), left, 10000);
    QTest::qWait(500);
    QVERIFY(countPixels(two.screenshot("two-screens-right-gone"), strokeOnBoard, isInk) > 250 * 3);
    keyOnBoard("ctrl+z");
    QTest::qWait(500);
    QCOMPARE(countPixels(two.screenshot("two-screens-undone"), strokeOnBoard, isInk), 0);
}

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    TestBoardEndToEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_board_e2e.moc"
