#include "waylandsession.h"

#include "screenpixels.h"

#include <QTest>

#include <functional>

namespace {

using ScreenPixels::isInk;
using ScreenPixels::near;

// Where the board's controls stand on a 1280 x 800 output with no panel (sway).
namespace Layout {
const QPoint copyButton(161, 18);
const QPoint minimizeButton(858, 18);
const QPoint cortarTool(27, 507);
const QPoint lapizTool(27, 410);
const QRect drawingArea(100, 60, 1100, 660); // inside the view, clear of panels and bars
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
    void westonWithoutAPortal();
};

// Copiar and Cortar deliver the real screen through the portal; the strip comes and goes with
// the board alive and every drawing in its place.
void TestWaylandEndToEnd::swayWithThePortal()
{
    const QString missing = WaylandSession::missingPrograms(WaylandSession::Sway, true);
    if (!missing.isEmpty())
        QSKIP(qPrintable("not here: " + missing));
    WaylandSession session;
    QString error;
    QVERIFY2(session.start(WaylandSession::Sway, true, &error), qPrintable(error));
    QVERIFY2(session.startBoard(&error), qPrintable(error));

    session.drag({{400, 450}, {450, 450}, {550, 450}, {700, 450}, {700, 520}});
    const QImage drawn = session.screenshot("wayland-drawn");
    int ink = 0;
    for (int x = 450; x < 690; ++x)
        ink += isInk(drawn.pixel(x, 450)) ? 1 : 0;
    QVERIFY2(ink > 200, qPrintable(QString::number(ink)));

    session.click(Layout::copyButton.x(), Layout::copyButton.y());
    const QImage copied = clipboardImageOfSize(session, Layout::screen);
    copied.save(QString(SCREENSHOT_DIR) + "/wayland-copied.png");
    QCOMPARE(copied.size(), QSize(WaylandSession::screenWidth, WaylandSession::screenHeight));
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

// Without a portal nothing reaches the clipboard and the board says so; the strip still works.
void TestWaylandEndToEnd::westonWithoutAPortal()
{
    const QString missing = WaylandSession::missingPrograms(WaylandSession::Weston, false);
    if (!missing.isEmpty())
        QSKIP(qPrintable("not here: " + missing));
    WaylandSession session;
    QString error;
    QVERIFY2(session.start(WaylandSession::Weston, false, &error), qPrintable(error));
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
