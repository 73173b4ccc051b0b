// Measures the board at growing sizes: empty, then 100, 1,000 and 10,000 finished strokes of
// 1,000 points crossing the whole board, each with its dots. Every figure is also given as
// ratios measured in the same run: against the empty board, and against its floor, the same
// painting done with a plain QPainter, where there is one.
//
// tavelo_bench [--sizes 0,100,1000,10000] [--out table.csv] [--dot-run N] [--index-depth N]
//              [--without-new-tools] [--dots-at-the-top] [--dots-paint-themselves]
// tavelo_bench --startup-probe board|bare   (used by the start-up measurement)
//
// --dot-run 1 --index-depth 7 --without-new-tools measures the board as it was before dots were
// grouped in runs and the scene's index deepened; --dots-paint-themselves as it was before strokes
// painted their dots; --dots-at-the-top as it was before finished strokes carried their runs.
// The defaults are the board's own.
#include "app/diagramview.h"
#include "app/mainwindow.h"
#include "boardfile/boardfile.h"
#include "boardfile/writtenitems.h"
#include "dotpainting.h"
#include "items/strokeitem.h"
#include "scene/boardpages.h"
#include "scene/diagramscene.h"
#include "scene/gestures/pengesture.h"
#include "scenedriver.h"
#include "viewdriver.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGraphicsRectItem>
#include <QImage>
#include <QMainWindow>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QTextStream>
#include <QTimer>
#include <QUndoStack>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr int boardWidth = 1920;
constexpr int boardHeight = 1080;
constexpr int pointsPerStroke = 1000;

qint64 availableBytes()
{
    QFile meminfo("/proc/meminfo");
    if (!meminfo.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : meminfo.readAll().split('\n')) {
        if (line.startsWith("MemAvailable:"))
            return line.simplified().split(' ').value(1).toLongLong() * 1024;
    }
    return -1;
}

qint64 residentBytes()
{
    malloc_trim(0);
    QFile statm("/proc/self/statm");
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    return statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

// The points of stroke 'index': from the left edge to the right one, wandering over the height.
QList<QPointF> strokePoints(int index)
{
    QList<QPointF> points;
    points.reserve(pointsPerStroke);
    const double phase = index * 0.7;
    for (int i = 0; i < pointsPerStroke; ++i) {
        const double t = double(i) / (pointsPerStroke - 1);
        const double y = boardHeight / 2.0
                         + (boardHeight / 2.0 - 10) * std::sin(phase + t * 6.28318 * 1.5);
        points << QPointF(5 + t * (boardWidth - 10), y);
    }
    return points;
}

// Median of 'repeats' timings of 'work', in microseconds; 'between' runs untimed after each.
double medianMicroseconds(int repeats,
                          const std::function<void()> &work,
                          const std::function<void()> &between = {})
{
    std::vector<double> samples;
    samples.reserve(repeats);
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        samples.push_back(timer.nsecsElapsed() / 1000.0);
        if (between)
            between();
    }
    std::nth_element(samples.begin(), samples.begin() + repeats / 2, samples.end());
    return samples[repeats / 2];
}

struct Row
{
    QString metric;
    int strokes;
    double value;
    QString unit;
    double vsEmpty = 0; // 0: not compared
    double floor = 0;   // the same painting with a plain QPainter, 0 when there is none
    double vsFloor = 0;
    double goal = 0; // in the row's unit, 0 when the row has none
    double vsGoal = 0;
};

// What a full board should cost: at most so many times the empty board's figure or the
// floor's, or an absolute figure.
struct Goal
{
    const char *metric;
    enum { Absolute, TimesEmpty, TimesFloor } against;
    double figure;
};

constexpr Goal goals[] = {
    {"pen move with repaint", Goal::TimesEmpty, 3},
    {"press (pen)", Goal::TimesEmpty, 3},
    {"shape drag", Goal::TimesFloor, 1.5},
    {"full view repaint", Goal::TimesFloor, 1.2},
    {"memory per pen move", Goal::Absolute, 600},
    {"first recovery copy (GUI thread)", Goal::Absolute, 20000},
    {"recovery copy after a stroke (GUI thread)", Goal::Absolute, 20000},
    {"start-up", Goal::TimesFloor, 1.5},
    {"page switch (2 pages of 100 strokes)", Goal::Absolute, 100000},
};

void setGoal(Row &row)
{
    for (const Goal &goal : goals) {
        if (row.metric != QLatin1String(goal.metric))
            continue;
        const double empty = row.vsEmpty > 0 ? row.value / row.vsEmpty : 0;
        const double base = goal.against == Goal::TimesEmpty   ? empty
                            : goal.against == Goal::TimesFloor ? row.floor
                                                               : 1;
        row.goal = goal.figure * base;
        row.vsGoal = row.goal > 0 ? row.value / row.goal : 0;
    }
}

// Counts what a widget paints, so that a row said to include a repaint is seen to.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
    int paints = 0;
};

// How a board holds its dots: the board's own way, or as boards did before.
struct Arrangement
{
    int dotRun = 16;
    bool atTheTop = false;        // finished strokes leave their runs at the top
    bool paintThemselves = false; // and each dot paints itself
};

class Board
{
public:
    explicit Board(const Arrangement &arrangement)
        : dotsPaintThemselves(arrangement.paintThemselves)
    {
        scene = window.findChild<DiagramScene *>();
        view = window.findChild<diagramview *>();
        scene->penGesture().setDotRunLength(arrangement.dotRun);
        scene->penGesture().setStrokesCarryDots(!arrangement.atTheTop
                                                && !arrangement.paintThemselves);
        QApplication::processEvents();
        scene->setSceneRect(0, 0, boardWidth, boardHeight);
        settle();
    }

    // The view paints nothing while the board is built, then all of it once: otherwise every
    // new stroke, crossing the whole board, repaints nearly all of it.
    void addStrokes(int count)
    {
        view->viewport()->setUpdatesEnabled(false);
        SceneDriver pen(scene);
        scene->setMode(DiagramScene::DrawFreehand);
        for (int i = 0; i < count; ++i) {
            const QList<QPointF> points = strokePoints(strokes + i);
            pen.press(points.first());
            for (const QPointF &point : points)
                pen.move(point);
            pen.release(points.last());
            QApplication::processEvents(); // as between strokes of a real hand
        }
        strokes += count;
        if (dotsPaintThemselves)
            letDotsPaintThemselves(*scene);
        view->viewport()->setUpdatesEnabled(true);
        view->viewport()->repaint();
        settle();
    }

    void settle()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    QMainWindow &mainWindow() { return window; }

    MainWindow window;
    DiagramScene *scene = nullptr;
    diagramview *view = nullptr;
    int strokes = 0;
    bool dotsPaintThemselves; // as boards did before strokes painted their dots
};

// Where the timed pen moves go: small steps around the middle of the board.
QPointF penStep(int step)
{
    return QPointF(boardWidth / 2.0 + (step % 40) * 2.0, boardHeight / 2.0 + (step / 40) % 40 * 2.0);
}

// The view repainting one dot's square.
double dotRepaint(Board &board, const QPointF &at = penStep(0))
{
    const QRect square = board.view->mapFromScene(QRectF(at, QSizeF(0, 0)))
                             .boundingRect()
                             .adjusted(-4, -4, 4, 4);
    return medianMicroseconds(200, [&] { board.view->viewport()->repaint(square); });
}

struct PenMove
{
    double withRepaint = 0; // the move's event, Qt's pass over the scene, and the repaint
    double eventOnly = 0;   // the move's event and Qt's pass over the scene
    double dotRepaint = 0;  // the view repainting one dot's square
    int paintsPerMove = 0;
};

PenMove penMove(Board &board)
{
    board.scene->setMode(DiagramScene::DrawFreehand);
    ViewDriver pointer(board.view);
    QWidget *viewport = board.view->viewport();
    PaintCounter counter(viewport);
    PenMove result;
    int step = 0;
    pointer.press(penStep(0));
    board.settle();
    result.withRepaint = medianMicroseconds(200, [&] {
        pointer.move(penStep(++step));
        QApplication::processEvents();
    });
    result.paintsPerMove = int(std::lround(counter.paints / 200.0));
    // The scene's pass over its items is a queued call: run it, and only it, with the move.
    result.eventOnly = medianMicroseconds(
        200,
        [&] {
            pointer.move(penStep(++step));
            QCoreApplication::sendPostedEvents(board.scene, QEvent::MetaCall);
        },
        [] { QApplication::processEvents(); });
    result.dotRepaint = dotRepaint(board, penStep(step));
    pointer.release(penStep(step));
    board.settle();
    return result;
}

// A move of another tool, with its repaint, in the middle of the board; what the gesture did
// is undone afterwards, so the board stays the one measured.
double toolMove(Board &board, DiagramScene::Mode mode)
{
    board.scene->setMode(mode);
    ViewDriver pointer(board.view);
    int step = 0;
    // A full history drops its oldest step for each new one, keeping its index: start afresh.
    board.scene->history()->clear();
    pointer.press(penStep(0));
    board.settle();
    const double us = medianMicroseconds(200, [&] {
        pointer.move(penStep(++step));
        QApplication::processEvents();
    });
    pointer.release(penStep(step));
    while (board.scene->history()->canUndo())
        board.scene->history()->undo();
    board.settle();

    return us;
}

// The floor of a pen move: a plain QPainter painting one dot into an image of the board.
double penDotFloor()
{
    QImage target(boardWidth, boardHeight, QImage::Format_ARGB32_Premultiplied);
    target.fill(Qt::transparent);
    const QPen pen(QBrush(Qt::black, Qt::SolidPattern),
                   5,
                   Qt::SolidLine,
                   Qt::SquareCap,
                   Qt::BevelJoin);
    int step = 0;
    return medianMicroseconds(200, [&] {
        QPainter painter(&target);
        painter.setPen(pen);
        const QPointF at = penStep(++step);
        painter.drawLine(QLineF(at, at));
    });
}

// Qt's own share of every update: after any item asks for a repaint, the scene walks
// all of its top-level items once to gather what is dirty. Every dot is a top-level item, so
// this pass alone grows with the board; measured here through the scene's queued slot.
double toolkitDirtyPass(Board &board)
{
    QGraphicsRectItem probe(0, 0, 4, 4);
    board.scene->addItem(&probe);
    board.settle();
    const double us = medianMicroseconds(100, [&] {
        probe.update();
        QMetaObject::invokeMethod(board.scene, "_q_processDirtyItems");
    });
    board.scene->removeItem(&probe);
    board.settle();
    return us;
}

double press(Board &board, DiagramScene::Mode mode)
{
    board.scene->setMode(mode);
    const QPointF at(boardWidth / 2.0 + 3, boardHeight / 2.0 + 3);
    ViewDriver pointer(board.view);
    const double us = medianMicroseconds(100, [&] { pointer.press(at); });
    pointer.release(at);
    board.settle();
    return us;
}

// Where the dragged shape stands at each step.
QPointF dragStep(int step)
{
    return QPointF(300 + (step % 50) * 3.0, 300 + (step % 7) * 2.0);
}

double shapeDrag(Board &board)
{
    auto *shape = new DiagramItem(DiagramItem::Square, nullptr);
    board.scene->addItem(shape);
    shape->setPos(dragStep(0));
    board.scene->setMode(DiagramScene::MoveItem);
    ViewDriver pointer(board.view);
    pointer.press(dragStep(0));
    board.settle();
    int step = 0;
    const double us = medianMicroseconds(100, [&] {
        pointer.move(dragStep(++step));
        QApplication::processEvents();
    });
    pointer.release(dragStep(step));
    delete shape;
    board.settle();
    return us;
}

// The floor of one drag move: a plain QPainter repainting where the shape was and where it is,
// with the ink under those two areas (the strokes' segments and dots there, found beforehand)
// and the shape on top.
double shapeDragFloor(int strokes)
{
    DiagramItem shape(DiagramItem::Square, nullptr);
    const QPolygonF outline = shape.polygon();
    const QRectF bounds = shape.boundingRect().adjusted(-2, -2, 2, 2);
    const QPen ink(QBrush(Qt::black, Qt::SolidPattern),
                   5,
                   Qt::SolidLine,
                   Qt::SquareCap,
                   Qt::BevelJoin);
    struct Area
    {
        QRectF rect;
        QList<QLineF> segments;
        QList<QPointF> dots;
    };
    std::vector<std::array<Area, 2>> steps;
    for (int step = 1; step <= 50; ++step) {
        std::array<Area, 2> areas{Area{bounds.translated(dragStep(step - 1)), {}, {}},
                                  Area{bounds.translated(dragStep(step)), {}, {}}};
        for (Area &area : areas) {
            const QRectF reach = area.rect.adjusted(-4, -4, 4, 4);
            for (int i = 0; i < strokes; ++i) {
                const QList<QPointF> points = strokePoints(i);
                for (int p = 0; p < points.size(); ++p) {
                    if (reach.contains(points.at(p))) {
                        area.dots << points.at(p);
                        if (p > 0)
                            area.segments << QLineF(points.at(p - 1), points.at(p));
                    }
                }
            }
        }
        steps.push_back(areas);
    }
    QImage target(boardWidth, boardHeight, QImage::Format_ARGB32_Premultiplied);
    int step = 0;
    return medianMicroseconds(100, [&] {
        const std::array<Area, 2> &areas = steps.at(step++ % steps.size());
        QPainter painter(&target);
        for (const Area &area : areas) {
            painter.setClipRect(area.rect);
            painter.fillRect(area.rect, Qt::transparent);
            painter.setPen(ink);
            painter.drawLines(area.segments);
            for (const QPointF &dot : area.dots)
                painter.drawLine(QLineF(dot, dot));
        }
        painter.setClipping(false);
        painter.setPen(QPen(Qt::black, 2));
        painter.setBrush(QColor(255, 255, 255, 100));
        painter.drawPolygon(outline.translated(dragStep(step)));
    });
}

double fullRepaint(Board &board)
{
    QImage target(boardWidth, boardHeight, QImage::Format_ARGB32_Premultiplied);
    return medianMicroseconds(5, [&] {
        target.fill(Qt::transparent);
        QPainter painter(&target);
        board.scene->render(&painter, QRectF(target.rect()), board.scene->sceneRect());
    });
}

// The same, the way the board itself repaints: a view painting all it shows, as when the board
// comes back from the strip. A view of exactly the board's size, so it shows the whole scene.
double fullViewRepaint(Board &board)
{
    diagramview whole(board.scene);
    whole.setFrameShape(QFrame::NoFrame);
    whole.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    whole.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    whole.resize(boardWidth, boardHeight);
    whole.show();
    board.settle();
    return medianMicroseconds(5, [&] { whole.viewport()->repaint(); });
}

struct RecoveryCopy
{
    double atOnce = 0;      // the whole board encoded in one go, as the copy once was
    double longest = 0;     // the longest the first copy holds the GUI thread
    double allSlices = 0;   // and all its slices together
    double afterStroke = 0; // the next one, after a new stroke
};

// The first copy the recovery timer makes of a board never copied: what was never written is
// encoded a slice at a time between events, as the recovery file does, then the copy is made.
void firstCopyInSlices(Board &board, RecoveryCopy &copy)
{
    WrittenItems written;
    const QList<const DiagramScene *> pages{board.scene};
    for (bool done = false; !done;) {
        QElapsedTimer slice;
        slice.start();
        done = BoardFile::encodeUnwritten(pages, written, 8);
        if (done)
            BoardFile::saveInParts(pages, written);
        const double us = slice.nsecsElapsed() / 1000.0;
        copy.longest = std::max(copy.longest, us);
        copy.allSlices += us;
    }
}

RecoveryCopy recoveryCopy(Board &board)
{
    RecoveryCopy copy;
    firstCopyInSlices(board, copy);
    WrittenItems written;
    copy.atOnce = medianMicroseconds(3, [&] {
        written = WrittenItems();
        BoardFile::saveInParts(*board.scene, written);
    });
    board.scene->setMode(DiagramScene::DrawFreehand);
    SceneDriver pen(board.scene);
    auto drawAStroke = [&] {
        pen.drag(strokePoints(board.strokes));
        QApplication::processEvents();
    };
    drawAStroke();
    copy.afterStroke = medianMicroseconds(
        3,
        [&] { BoardFile::saveInParts(*board.scene, written); },
        [&] {
            board.scene->history()->undo();
            drawAStroke();
        });
    board.scene->history()->undo();
    board.settle();
    return copy;
}

struct Sweep
{
    double erase = 0; // the sweep's moves and its release, with their repaints
    double undo = 0;  // taking it back, with the repaint
};

// The eraser swept to and fro over the left half of the board, which every stroke crosses; then
// that step taken back and played again, so the board stays the one measured.
Sweep eraserSweep(Board &board)
{
    board.scene->setMode(DiagramScene::Erase);
    board.scene->history()->clear();
    ViewDriver pointer(board.view);
    QList<QPointF> path;
    for (int x = 20; x < boardWidth / 2; x += 60)
        path << QPointF(x, 10) << QPointF(x + 30, boardHeight - 10);
    Sweep sweep;
    QElapsedTimer timer;
    timer.start();
    pointer.drag(path);
    board.settle();
    sweep.erase = timer.nsecsElapsed() / 1000.0;
    sweep.undo = medianMicroseconds(
        3,
        [&] {
            board.scene->history()->undo();
            board.view->viewport()->repaint();
        },
        [&] { board.scene->history()->redo(); });
    board.scene->history()->undo();
    board.settle();
    return sweep;
}

// The floor for the same content: the polylines and their dots, straight into an image.
double plainPainterFloor(int strokes)
{
    QImage target(boardWidth, boardHeight, QImage::Format_ARGB32_Premultiplied);
    std::vector<QPolygonF> lines;
    for (int i = 0; i < strokes; ++i)
        lines.emplace_back(strokePoints(i));
    const QPen pen(QBrush(Qt::black, Qt::SolidPattern),
                   5,
                   Qt::SolidLine,
                   Qt::SquareCap,
                   Qt::BevelJoin);
    return medianMicroseconds(5, [&] {
        target.fill(Qt::transparent);
        QPainter painter(&target);
        painter.setPen(pen);
        for (const QPolygonF &line : lines) {
            for (const QPointF &point : line)
                painter.drawLine(QLineF(point, point));
            painter.drawPolyline(line);
        }
    });
}

struct PageSwitch
{
    double withRepaint = 0; // the turn of the page and the view's repaint of the page shown
    double repaintOnly = 0; // its floor: the same repaint without turning the page
};

// Going from one page to another and back on a board of two pages of 100 strokes each, with
// the view's repaint: a board of its own, so the board measured above stays one page.
PageSwitch pageSwitch(const Arrangement &arrangement)
{
    Board twoPages(arrangement);
    twoPages.addStrokes(100);
    BoardPages &pages = *twoPages.window.boardPages();
    pages.addPage();
    twoPages.scene = twoPages.window.boardScene();
    twoPages.strokes = 0; // the same strokes again, on the second page
    twoPages.addStrokes(100);
    QWidget *viewport = twoPages.view->viewport();
    int turn = 0;
    PageSwitch measured;
    measured.withRepaint = medianMicroseconds(21, [&] {
        pages.show(++turn % 2);
        viewport->repaint();
    });
    measured.repaintOnly = medianMicroseconds(21, [&] { viewport->repaint(); });
    return measured;
}

// Process start to the first painted frame, for the board and for a bare main window.
double startupMilliseconds(const QString &program, const QString &which)
{
    std::vector<double> samples;
    for (int i = 0; i < 5; ++i) {
        QProcess probe;
        QElapsedTimer timer;
        timer.start();
        probe.start(program, {"--startup-probe", which});
        probe.waitForReadyRead(30000);
        samples.push_back(timer.nsecsElapsed() / 1e6);
        probe.waitForFinished(30000);
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !reported) {
            reported = true;
            QMetaObject::invokeMethod(
                qApp,
                [] {
                    std::puts("painted");
                    std::fflush(stdout);
                    QApplication::quit();
                },
                Qt::QueuedConnection);
        }
        return false;
    }
    bool reported = false;
};

int startupProbe(int argc, char *argv[], const QString &which)
{
    QApplication app(argc, argv);
    FirstPaint watcher;
    app.installEventFilter(&watcher);
    std::unique_ptr<QMainWindow> window;
    if (which == "board") {
        window = std::make_unique<MainWindow>();
    } else {
        window = std::make_unique<QMainWindow>();
        window->showMaximized();
    }
    return app.exec();
}

} // namespace

void waitMs(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The processor time a second of idle board takes, in milliseconds, with the rings at the clicks
// and the keys' box turned on or not: once what a click and a key showed has faded, nothing may
// tick.
double idleMillisecondsPerSecond(bool echoes)
{
    MainWindow window;
    window.show();
    for (const char *toggle : {"clics", "teclas"}) {
        if (auto *action = window.findChild<QAction *>(toggle))
            action->setChecked(echoes);
    }
    auto *view = window.findChild<diagramview *>();
    view->clickRings()->add(QPoint(200, 200), Qt::LeftButton);
    view->keyEcho()->press(Qt::Key_C, Qt::ControlModifier, QString());
    waitMs(2500); // both faded
    const auto cpuMs = [] {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0
               + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
    };
    constexpr int idleMs = 3000;
    const double before = cpuMs();
    waitMs(idleMs);
    return (cpuMs() - before) * 1000.0 / idleMs;
}

// A dot's repaint with the strokes hidden: what the strokes cost a small repaint, as Qt paints
// every item whose bounds meet the area and each stroke crosses the board.
double dotRepaintWithoutStrokes(Board &board)
{
    const QList<QGraphicsItem *> onBoard = board.scene->boardItems();
    const auto showStrokes = [&](bool shown) {
        for (QGraphicsItem *item : onBoard) {
            if (dynamic_cast<StrokeItem *>(item))
                item->setVisible(shown);
        }
        board.settle();
    };
    showStrokes(false);
    const double us = dotRepaint(board);
    showStrokes(true);
    return us;
}

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(resources);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && QByteArray(argv[1]) == "--startup-probe")
        return startupProbe(argc, argv, QString::fromLocal8Bit(argv[2]));

    QApplication app(argc, argv);
    QStringList arguments = app.arguments();
    QList<int> sizes{0, 100, 1000, 10000};
    QString out = "bench-results.csv";
    Arrangement arrangement;
    int indexDepth = 0;   // the board's own
    bool newTools = true; // the highlighter and the eraser, which older boards did not have
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments.at(i) == "--sizes") {
            sizes.clear();
            for (const QString &size : arguments.value(i + 1).split(','))
                sizes << size.toInt();
        } else if (arguments.at(i) == "--out") {
            out = arguments.value(i + 1);
        } else if (arguments.at(i) == "--dot-run") {
            arrangement.dotRun = arguments.value(i + 1).toInt();
        } else if (arguments.at(i) == "--without-new-tools") {
            newTools = false;
        } else if (arguments.at(i) == "--dots-at-the-top") {
            arrangement.atTheTop = true;
        } else if (arguments.at(i) == "--dots-paint-themselves") {
            arrangement.paintThemselves = true;
        } else if (arguments.at(i) == "--index-depth") {
            indexDepth = arguments.value(i + 1).toInt();
        }
    }

    QList<Row> rows;
    Board board(arrangement);
    if (indexDepth > 0)
        board.scene->setBspTreeDepth(indexDepth);
    std::printf("dots in runs of %d%s, index %d levels deep; the board's view shows %dx%d\n",
                arrangement.dotRun,
                arrangement.paintThemselves ? " at the top, painting themselves"
                : arrangement.atTheTop      ? " at the top, painted by their stroke"
                                            : " carried and painted by their stroke",
                board.scene->bspTreeDepth(),
                board.view->viewport()->width(),
                board.view->viewport()->height());
    QMap<QString, double> empty;
    auto record = [&](const QString &metric, double value, const QString &unit, double floor = 0) {
        if (board.strokes == 0)
            empty[metric] = value;
        Row row{metric, board.strokes, value, unit};
        row.vsEmpty = empty.value(metric) > 0 ? value / empty.value(metric) : 0;
        row.floor = floor;
        row.vsFloor = floor > 0 ? value / floor : 0;
        rows << row;
        std::printf("%-28s %6d strokes  %12.1f %s  x%.2f of empty",
                    qPrintable(metric),
                    board.strokes,
                    value,
                    qPrintable(unit),
                    row.vsEmpty);
        if (floor > 0)
            std::printf(", x%.2f of plain QPainter (%.1f %s)", row.vsFloor, floor, qPrintable(unit));
        std::printf("\n");
        std::fflush(stdout);
    };

    double bytesPerStroke = 0;
    for (int size : sizes) {
        const qint64 before = residentBytes();
        const int added = size - board.strokes;
        // Every move leaves an item: a board too large for this machine's memory is reported,
        // not attempted.
        const double needed = bytesPerStroke * added;
        if (needed > 0.8 * double(availableBytes())) {
            std::printf("skipped %d strokes: about %.1f GiB more needed, %.1f GiB available\n",
                        size,
                        needed / (1 << 30),
                        double(availableBytes()) / (1 << 30));
            rows << Row{"skipped (memory)", size, needed / (1 << 30), "GiB needed"};
            continue;
        }
        if (added > 0) {
            QElapsedTimer building;
            building.start();
            board.addStrokes(added);
            std::printf("built %d strokes in %.1f s\n", board.strokes, building.elapsed() / 1000.0);
            const qint64 grown = residentBytes() - before;
            bytesPerStroke = double(grown) / added;
            rows << Row{"memory per stroke", board.strokes, double(grown) / added, "bytes"};
            rows << Row{"memory per pen move",
                        board.strokes,
                        double(grown) / (added * double(pointsPerStroke)),
                        "bytes"};
            std::printf("memory                       %6d strokes  %12.0f bytes per stroke, %.0f "
                        "per move\n",
                        board.strokes,
                        double(grown) / added,
                        double(grown) / (added * double(pointsPerStroke)));
        }
        const PenMove pen = penMove(board);
        if (pen.paintsPerMove != 1)
            std::printf("warning: %d paints per pen move, not one\n", pen.paintsPerMove);
        const double dotFloor = penDotFloor();
        record("pen move with repaint", pen.withRepaint, "us", dotFloor);
        record("pen move (event only)", pen.eventOnly, "us");
        record("repaint of a dot", pen.dotRepaint, "us", dotFloor);
        if (board.strokes > 0)
            record("repaint of a dot (strokes hidden)",
                   dotRepaintWithoutStrokes(board),
                   "us",
                   dotFloor);
        if (newTools) {
            record("highlighter move", toolMove(board, DiagramScene::DrawHighlight), "us");
            record("eraser move", toolMove(board, DiagramScene::Erase), "us");
        }
        record("toolkit dirty pass", toolkitDirtyPass(board), "us");
        record("press (pen)", press(board, DiagramScene::DrawFreehand), "us");
        record("press (move)", press(board, DiagramScene::MoveItem), "us");
        record("shape drag", shapeDrag(board), "us", shapeDragFloor(board.strokes));
        const double floor = plainPainterFloor(board.strokes);
        record("full repaint", fullRepaint(board), "us", floor);
        record("full view repaint", fullViewRepaint(board), "us", floor);
        if (board.strokes > 0) {
            const RecoveryCopy copy = recoveryCopy(board);
            record("first recovery copy (GUI thread)", copy.longest, "us");
            record("first recovery copy (all its slices)", copy.allSlices, "us");
            record("a board's copy encoded at once (GUI thread)", copy.atOnce, "us");
            record("recovery copy after a stroke (GUI thread)", copy.afterStroke, "us");
            if (newTools) {
                const Sweep sweep = eraserSweep(board);
                record("eraser sweep over half the board", sweep.erase, "us");
                record("undo of that sweep", sweep.undo, "us");
            }
        }
    }

    const PageSwitch switched = pageSwitch(arrangement);
    Row turned{"page switch (2 pages of 100 strokes)", 100, switched.withRepaint, "us"};
    turned.floor = switched.repaintOnly;
    turned.vsFloor = switched.withRepaint / switched.repaintOnly;
    rows << turned;
    std::printf("page switch (2 pages of 100 strokes) %.1f us with the repaint, x%.2f of the "
                "repaint alone (%.1f us)\n",
                switched.withRepaint,
                turned.vsFloor,
                switched.repaintOnly);

    const double idleShown = idleMillisecondsPerSecond(true);
    const double idleHidden = idleMillisecondsPerSecond(false);
    Row idle{"idle, clicks and keys shown", 0, idleShown, "ms CPU per s"};
    idle.floor = idleHidden;
    idle.vsFloor = idleHidden > 0 ? idleShown / idleHidden : 0;
    rows << idle;
    std::printf("idle, clicks and keys shown %.2f ms of CPU a second (%.2f with both off)\n",
                idleShown,
                idleHidden);

    const double boardStart = startupMilliseconds(arguments.first(), "board");
    const double bareStart = startupMilliseconds(arguments.first(), "bare");
    Row startup{"start-up", 0, boardStart, "ms"};
    startup.floor = bareStart;
    startup.vsFloor = boardStart / bareStart;
    rows << startup;
    std::printf("start-up               board %.1f ms, bare window %.1f ms, x%.2f\n",
                boardStart,
                bareStart,
                boardStart / bareStart);

    QFile file(out);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    QTextStream csv(&file);
    // The floor of start-up is a bare main window; of the others, the same painting done with a
    // plain QPainter.
    // A goal's ratio is over 1 where the goal is not met.
    csv << "metric,strokes,value,unit,vs_empty,floor,vs_floor,goal,vs_goal\n";
    for (Row &row : rows) {
        setGoal(row);
        csv << row.metric << ',' << row.strokes << ',' << row.value << ',' << row.unit << ','
            << row.vsEmpty << ',' << row.floor << ',' << row.vsFloor << ',' << row.goal << ','
            << row.vsGoal << '\n';
    }
    return 0;
}
