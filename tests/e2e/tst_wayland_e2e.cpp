#include "waylandsession.h"

#include "screenpixels.h"

#include <QStandardPaths>
#include <QTest>

#include <functional>

namespace {

using ScreenPixels::isInk;
using ScreenPixels::near;

// Where the board's controls stand on a 1280 x 800 output with no panel (sway).
namespace Layout {
const QPoint copyButton(161, 18);
const QPoint minimizeButton(1193, 18);
const QPoint cortarTool(27, 527);
const QPoint lapizTool(27, 430);
const QRect drawingArea(100, 90, 1100, 630); // inside the view, clear of panels and bars
const QSize screen(WaylandSession::screenWidth, WaylandSession::screenHeight);
} // namespace Layout

// Pixels of area in a that differ from the same pixels of b, b read at an offset.
int differing(const QImage &a, const QRect &area, const QImage &b, QPoint offsetInB = QPoint())
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += near(a.pixel(x, y), b.pixel(x + offsetInB.x(), y + offsetInB.y()), 12) ? 0 : 1;
    }
    return count;
}

// The image the clipboard offers once it has the given size; the portal may take a while.
QImage clipboardImageOfSize(const WaylandSession &session, const QSize &size)
{
    QImage image;
    for (int attempt = 0; attempt < 120 && image.size() != size; ++attempt) {
        QTest::qWait(500);
        image = session.clipboardImage();
    }
    return image;
}

// The stroke the Copiar checks look for: along y 450, then down at its end.
QImage drawStroke(const WaylandSession &session, const QString &shotName)
{
    session.drag({{400, 450}, {450, 450}, {550, 450}, {700, 450}, {700, 520}});
    return session.screenshot(shotName);
}

int inkOnRow(const QImage &shot, int y, int fromX, int toX)
{
    int ink = 0;
    for (int x = fromX; x < toX; ++x)
        ink += isInk(shot.pixel(x, y)) ? 1 : 0;
    return ink;
}

// Copiar pressed, and what reaches the clipboard once it is the screen's size.
QImage copyTheScreen(const WaylandSession &session, const QString &saveAs)
{
    session.click(Layout::copyButton.x(), Layout::copyButton.y());
    const QImage copied = clipboardImageOfSize(session, Layout::screen);
    copied.save(QString(SCREENSHOT_DIR) + "/" + saveAs + ".png");
    return copied;
}

// The strip shows where the compositor put it; find its button by the board's absence.
QPoint stripButton(const QImage &shot, const QImage &desktop)
{
    QRect changed;
    for (int y = 0; y < shot.height(); y += 2) {
        for (int x = 0; x < shot.width(); x += 2) {
            if (!near(shot.pixel(x, y), desktop.pixel(x, y), 12))
                changed |= QRect(x, y, 1, 1);
        }
    }
    return changed.center();
}

} // namespace

class TestWaylandEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void swayWithThePortal();
    void passThroughAndThePortalsKeyUnderWeston();
    void xwaylandBoardCopiesThroughThePortal();
    void westonWithoutAPortal();
};

// Copiar and Cortar deliver the real screen through the portal; the strip comes and goes with
// the board alive and every drawing in its place.
void TestWaylandEndToEnd::swayWithThePortal()
{
    const QString missing = WaylandSession::missingPrograms(WaylandSession::Sway,
                                                            WaylandSession::RealPortal);
    if (!missing.isEmpty())
        QSKIP(qPrintable("not here: " + missing));
    WaylandSession session;
    QString error;
    QVERIFY2(session.start(WaylandSession::Sway, WaylandSession::RealPortal, &error),
             qPrintable(error));
    QVERIFY2(session.startBoard(&error), qPrintable(error));

    const QImage drawn = drawStroke(session, "wayland-drawn");
    const int ink = inkOnRow(drawn, 450, 450, 690);
    QVERIFY2(ink > 200, qPrintable(QString::number(ink)));

    // The lens reads the desktop through the portal too.
    const QPoint pointer(330, 530);
    const QRect magentaArea(100, 300, 500, 450);
    const QRect block = ScreenPixels::boundsOf(drawn, magentaArea, ScreenPixels::isMagenta);
    QVERIFY(block.contains(pointer));
    session.movePointer(pointer.x(), pointer.y());
    session.key("ctrl+shift+x");
    QTRY_VERIFY_WITH_TIMEOUT(ScreenPixels::isTwiceAroundPointer(
                                 ScreenPixels::boundsOf(session.screenshot("wayland-lens"),
                                                        magentaArea,
                                                        ScreenPixels::isMagenta),
                                 block,
                                 pointer),
                             30000);
    session.key("Escape");
    QTRY_COMPARE_WITH_TIMEOUT(ScreenPixels::boundsOf(session.screenshot(),
                                                     magentaArea,
                                                     ScreenPixels::isMagenta),
                              block,
                              5000);

    const QImage copied = copyTheScreen(session, "wayland-copied");
    QCOMPARE(copied.size(), Layout::screen);
    // The drawings as the audience sees them, and the desktop where the panels stand.
    QVERIFY(differing(copied, Layout::drawingArea, drawn) < 200);
    QVERIFY(differing(copied, QRect(300, 5, 600, 20), session.desktopPicture()) < 100);

    session.click(Layout::cortarTool.x(), Layout::cortarTool.y());
    session.drag({{280, 480}, {380, 530}, {479, 579}});
    const QImage cut = clipboardImageOfSize(session, QSize(200, 100));
    cut.save(QString(SCREENSHOT_DIR) + "/wayland-cut.png");
    QCOMPARE(cut.size(), QSize(200, 100));
    QVERIFY(differing(cut, cut.rect(), drawn, QPoint(280, 480)) < 20);

    session.click(Layout::lapizTool.x(), Layout::lapizTool.y());
    const QImage beforeStrip = session.screenshot();
    for (int round = 0; round < 2; ++round) {
        session.click(Layout::minimizeButton.x(), Layout::minimizeButton.y());
        QTest::qWait(1000);
        QVERIFY(session.boardRunning());
        const QImage stripShot = session.screenshot("wayland-strip");
        // Only the strip is left of the board: the desktop shows nearly everywhere.
        QVERIFY(differing(stripShot, stripShot.rect(), session.desktopPicture()) < 5000);
        const QPoint strip = stripButton(stripShot, session.desktopPicture());
        session.click(strip.x(), strip.y());
        QTest::qWait(1500);
        QVERIFY(session.boardRunning());
    }
    const QImage back = session.screenshot("wayland-restored");
    QCOMPARE(differing(back, Layout::drawingArea, beforeStrip), 0);
}

// A native Wayland window under the board gets no click until pass-through is on, whether the
// desktop portal's global shortcut or the command line turns it on; off again, the board draws.
// Weston gives a click to the window under the pointer that takes input there; sway gives it
// to the window whose frame holds the pointer, whatever parts of it take input, so clicks never
// pass through a window there.
void TestWaylandEndToEnd::passThroughAndThePortalsKeyUnderWeston()
{
    const QString missing = WaylandSession::missingPrograms(WaylandSession::Weston,
                                                            WaylandSession::ShortcutsPortal);
    if (!missing.isEmpty())
        QSKIP(qPrintable("not here: " + missing));
    WaylandSession session;
    QString error;
    QVERIFY2(session.start(WaylandSession::Weston, WaylandSession::ShortcutsPortal, &error),
             qPrintable(error));
    QVERIFY2(session.startClickRecorder(&error), qPrintable(error));
    QVERIFY2(session.startBoard(&error), qPrintable(error));
    QTRY_VERIFY_WITH_TIMEOUT(session.portalLog().contains("bound toggle-pass-through CTRL+ALT+d"),
                             10000);

    const QPoint slide(640, 420);
    // Weston takes a press where it saw the pointer last: the pointer moves first, as a hand
    // does (it starts on the panel's launcher).
    const int panel = 32;
    session.movePointer(Layout::lapizTool.x(), Layout::lapizTool.y() + panel);
    session.click(Layout::lapizTool.x(), Layout::lapizTool.y() + panel);
    session.movePointer(slide.x() - 40, slide.y() - 40);
    session.click(slide.x(), slide.y());
    QTest::qWait(500);
    QCOMPARE(session.recordedClicks(), QStringList());

    session.pressPortalShortcut();
    QTRY_VERIFY_WITH_TIMEOUT(session.portalLog().contains("activated toggle-pass-through"), 5000);
    QTest::qWait(1000);
    session.screenshot("wayland-pass-through");
    // The compositor looks for the window under the pointer when it moves: it moves, as a hand
    // would.
    session.click(slide.x() + 60, slide.y() + 30);
    QTRY_COMPARE_WITH_TIMEOUT(session.recordedClicks().size(), 1, 5000);

    session.runBoardCommand({"--toggle"});
    QTest::qWait(1500);
    session.movePointer(480, 480);
    const QImage before = session.screenshot();
    session.drag({{500, 500}, {600, 500}, {700, 500}});
    QTest::qWait(500);
    QCOMPARE(session.recordedClicks().size(), 1); // the board is back on top and takes them
    // Weston speeds up the pointer's moves, so the stroke is found wherever it ended up.
    const QImage drawn = session.screenshot("wayland-pass-through-off");
    int ink = 0;
    for (int y = 80; y < 740; ++y) {
        for (int x = 100; x < 1250; ++x)
            ink += isInk(drawn.pixel(x, y)) && !isInk(before.pixel(x, y)) ? 1 : 0;
    }
    QVERIFY2(ink > 150, qPrintable(QString::number(ink)));
}

// The board as GNOME and KDE run it on Wayland: an X11 client of Xwayland. Its grab of the screen
// comes back black, so Copiar asks the portal, and the clipboard shows the drawing.
void TestWaylandEndToEnd::xwaylandBoardCopiesThroughThePortal()
{
    QString missing = WaylandSession::missingPrograms(WaylandSession::Sway,
                                                      WaylandSession::RealPortal);
    if (QStandardPaths::findExecutable("Xwayland").isEmpty())
        missing += " Xwayland";
    if (!missing.trimmed().isEmpty())
        QSKIP(qPrintable("not here: " + missing));
    WaylandSession session;
    QString error;
    QVERIFY2(session.start(WaylandSession::Sway,
                           WaylandSession::RealPortal,
                           &error,
                           "xwayland enable\n"),
             qPrintable(error));
    QVERIFY2(!session.xwaylandDisplay().isEmpty(), "sway named no Xwayland display");
    QVERIFY2(session.startBoard(&error, "xcb"), qPrintable(error));

    const QImage drawn = drawStroke(session, "xwayland-drawn");
    const int ink = inkOnRow(drawn, 450, 450, 690);
    QVERIFY2(ink > 200, qPrintable(QString::number(ink)));

    const QImage copied = copyTheScreen(session, "xwayland-copied");
    QCOMPARE(copied.size(), Layout::screen);
    QVERIFY(differing(copied, Layout::drawingArea, drawn) < 200);
    session.screenshot("xwayland-after-copy");
}

// Without a portal nothing reaches the clipboard and the board says so; the strip still works.
void TestWaylandEndToEnd::westonWithoutAPortal()
{
    const QString missing = WaylandSession::missingPrograms(WaylandSession::Weston,
                                                            WaylandSession::NoPortal);
    if (!missing.isEmpty())
        QSKIP(qPrintable("not here: " + missing));
    WaylandSession session;
    QString error;
    QVERIFY2(session.start(WaylandSession::Weston, WaylandSession::NoPortal, &error),
             qPrintable(error));
    QVERIFY2(session.startBoard(&error), qPrintable(error));
    const int panel = 32; // weston's own bar along the top

    session.setClipboardText("antes");
    session.click(Layout::copyButton.x(), Layout::copyButton.y() + panel);
    QTest::qWait(2500);
    const QStringList offered = session.clipboardTypes();
    QVERIFY2(offered.contains("text/plain") && !offered.contains("image/png"),
             qPrintable(offered.join(", ")));

    for (int round = 0; round < 2; ++round) {
        session.click(Layout::minimizeButton.x(), Layout::minimizeButton.y() + panel);
        QTest::qWait(1500);
        QVERIFY(session.boardRunning());
        session.click(40, panel + 12); // the strip, top left below the bar
        QTest::qWait(1500);
        QVERIFY(session.boardRunning());
    }
}

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    TestWaylandEndToEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_wayland_e2e.moc"
