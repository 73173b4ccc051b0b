// Measures the board at growing sizes: empty, then 100, 1,000 and 10,000 finished strokes of
// 1,000 points crossing the whole board, each with its dots. Every figure is also given as a
// ratio measured in the same run: against the empty board, and for the full repaint against
// drawing the same content with a plain QPainter.
//
// tavelo_bench [--sizes 0,100,1000,10000] [--out table.csv]
// tavelo_bench --startup-probe board|bare   (used by the start-up measurement)
#include "app/mainwindow.h"
#include "items/diagramview.h"
#include "scene/diagramscene.h"
#include "scenedriver.h"
#include "viewdriver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGraphicsRectItem>
#include <QImage>
#include <QMainWindow>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <malloc.h>
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

// Median of 'repeats' timings of 'work', in microseconds.
double medianMicroseconds(int repeats, const std::function<void()> &work)
{
    std::vector<double> samples;
    samples.reserve(repeats);
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        samples.push_back(timer.nsecsElapsed() / 1000.0);
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
    double ratio; // against the empty board or the named floor
    QString against;
};

class Board
{
public:
    Board()
    {
        window.resize(boardWidth, boardHeight);
        scene = window.findChild<DiagramScene *>();
        view = window.findChild<diagramview *>();
        QApplication::processEvents();
        scene->setSceneRect(0, 0, boardWidth, boardHeight);
    }

    void addStrokes(int count)
    {
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
};

double penMove(Board &board)
{
    board.scene->setMode(DiagramScene::DrawFreehand);
    const QPointF start(boardWidth / 2.0, boardHeight / 2.0);
    ViewDriver pointer(board.view);
    pointer.press(start);
    int step = 0;
    const double us = medianMicroseconds(200, [&] {
        const QPointF at = start + QPointF((step % 40) * 2.0, (step / 40) % 40 * 2.0);
        ++step;
        pointer.move(at);
        QApplication::processEvents(); // the repaint the new dot asks for
    });
    pointer.release(start);
    board.settle();
    return us;
}

// The toolkit's own share of every update: after any item asks for a repaint, the scene walks
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

double shapeDrag(Board &board)
{
    auto *shape = new DiagramItem(DiagramItem::Square, nullptr);
    board.scene->addItem(shape);
    shape->setPos(300, 300);
    board.scene->setMode(DiagramScene::MoveItem);
    ViewDriver pointer(board.view);
    pointer.press(QPointF(300, 300));
    int step = 0;
    const double us = medianMicroseconds(100, [&] {
        const QPointF at(300 + (step % 50) * 3.0, 300 + (step % 7) * 2.0);
        ++step;
        pointer.move(at);
        QApplication::processEvents();
    });
    pointer.release(QPointF(300, 300));
    delete shape;
    board.settle();
    return us;
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
    for (int i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments.at(i) == "--sizes") {
            sizes.clear();
            for (const QString &size : arguments.at(i + 1).split(','))
                sizes << size.toInt();
        } else if (arguments.at(i) == "--out") {
            out = arguments.at(i + 1);
        }
    }

    QList<Row> rows;
    Board board;
    QMap<QString, double> empty;
    auto record = [&](const QString &metric, double value, const QString &unit) {
        if (board.strokes == 0)
            empty[metric] = value;
        const double ratio = empty.value(metric) > 0 ? value / empty.value(metric) : 1.0;
        rows << Row{metric, board.strokes, value, unit, ratio, "empty board"};
        std::printf("%-22s %6d strokes  %12.1f %s  x%.2f of empty\n",
                    qPrintable(metric),
                    board.strokes,
                    value,
                    qPrintable(unit),
                    ratio);
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
            rows << Row{"skipped (memory)", size, needed / (1 << 30), "GiB needed", 0, "-"};
            continue;
        }
        if (added > 0) {
            QElapsedTimer building;
            building.start();
            board.addStrokes(added);
            std::printf("built %d strokes in %.1f s\n", board.strokes, building.elapsed() / 1000.0);
            const qint64 grown = residentBytes() - before;
            bytesPerStroke = double(grown) / added;
            rows << Row{"memory per stroke", board.strokes, double(grown) / added, "bytes", 1.0, "-"};
            rows << Row{"memory per pen move",
                        board.strokes,
                        double(grown) / (added * double(pointsPerStroke)),
                        "bytes",
                        1.0,
                        "-"};
            std::printf(
                "memory                 %6d strokes  %12.0f bytes per stroke, %.0f per move\n",
                board.strokes,
                double(grown) / added,
                double(grown) / (added * double(pointsPerStroke)));
        }
        record("pen move", penMove(board), "us");
        record("toolkit dirty pass", toolkitDirtyPass(board), "us");
        record("press (pen)", press(board, DiagramScene::DrawFreehand), "us");
        record("press (move)", press(board, DiagramScene::MoveItem), "us");
        record("shape drag", shapeDrag(board), "us");
        const double floor = plainPainterFloor(board.strokes);
        for (const auto &[metric, repaint] :
             {std::pair{QStringLiteral("full repaint"), fullRepaint(board)},
              std::pair{QStringLiteral("full view repaint"), fullViewRepaint(board)}}) {
            record(metric, repaint, "us");
            const double ratio = floor > 0 ? repaint / floor : 1.0;
            rows << Row{metric + " vs floor",
                        board.strokes,
                        repaint / 1000.0,
                        "ms",
                        ratio,
                        "plain QPainter"};
            std::printf("%s vs floor  %6d strokes  x%.2f of plain QPainter (%.1f ms)\n",
                        qPrintable(metric),
                        board.strokes,
                        ratio,
                        floor / 1000.0);
        }
    }

    const double boardStart = startupMilliseconds(arguments.first(), "board");
    const double bareStart = startupMilliseconds(arguments.first(), "bare");
    rows << Row{"start-up", 0, boardStart, "ms", boardStart / bareStart, "bare main window"};
    std::printf("start-up               board %.1f ms, bare window %.1f ms, x%.2f\n",
                boardStart,
                bareStart,
                boardStart / bareStart);

    QFile file(out);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    QTextStream csv(&file);
    csv << "metric,strokes,value,unit,ratio,against\n";
    for (const Row &row : rows)
        csv << row.metric << ',' << row.strokes << ',' << row.value << ',' << row.unit << ','
            << row.ratio << ',' << row.against << '\n';
    return 0;
}
