#include "app/mainwindow.h"
#include "scene/diagramscene.h"
#include "scenedriver.h"
#include "testsupport.h"

#include <QAction>
#include <QFile>

#include <malloc.h>
#include <unistd.h>

namespace {

// Resident memory in bytes, after handing freed memory back to the system.
qint64 residentBytes()
{
    malloc_trim(0);
    QFile statm("/proc/self/statm");
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

void drawStrokes(DiagramScene *scene, int count)
{
    SceneDriver pen(scene);
    for (int i = 0; i < count; ++i) {
        const qreal y = 40 + (i * 7) % 600;
        const qreal x = 100 + (i * 13) % 900;
        pen.drag({{x, y}, {x + 10, y + 3}, {x + 20, y + 5}, {x + 30, y + 4}, {x + 40, y}});
    }
}

} // namespace

// An hour of drawing and clearing: the board must not keep anything of what was cleared.
class TestLongSession : public QObject
{
    Q_OBJECT

private slots:
    void clearingReturnsToTheBaseline();
};

void TestLongSession::clearingReturnsToTheBaseline()
{
    constexpr int strokesPerRound = 10000;
    constexpr int itemsPerStroke = 4 + 1; // a dot per move, and the stroke
    constexpr int rounds = 3;
    MainWindow window;
    auto *scene = window.findChild<DiagramScene *>();
    QAction *clear = nullptr;
    for (QAction *action : window.findChildren<QAction *>()) {
        if (action->text() == "Limpiar")
            clear = action;
    }
    QVERIFY(clear);
    QCOMPARE(scene->currentMode(), DiagramScene::DrawFreehand);

    // One round first, so that one-time allocations of Qt are out of the figures.
    drawStrokes(scene, strokesPerRound);
    clear->trigger();
    QCoreApplication::processEvents();
    const qint64 baseline = residentBytes();

    QList<qint64> afterClear;
    for (int round = 0; round < rounds; ++round) {
        drawStrokes(scene, strokesPerRound);
        QCOMPARE(scene->items().size(), strokesPerRound * itemsPerStroke);
        clear->trigger();
        QCoreApplication::processEvents();
        QVERIFY(scene->items().isEmpty());
        QVERIFY(scene->vertexHandles().isEmpty());
        afterClear << residentBytes();
    }
    qInfo("resident after clearing: baseline %lld KiB, rounds %lld / %lld / %lld KiB",
          baseline / 1024,
          afterClear.at(0) / 1024,
          afterClear.at(1) / 1024,
          afterClear.at(2) / 1024);
#ifndef TAVELO_SANITIZE_BUILD
    // A leak of even 100 bytes per stroke would add about 1 MiB per round.
    constexpr qint64 slack = 4 * 1024 * 1024;
    for (qint64 resident : afterClear)
        QVERIFY2(resident <= baseline + slack, qPrintable(QString::number(resident - baseline)));
#endif
}

TAVELO_TEST_MAIN(TestLongSession)
#include "tst_longsession.moc"
