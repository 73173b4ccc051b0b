// Placement on the screen, the desktop capture, the screen-area grab and the about box.
#include "mainwindow.h"

#include "app/screengeometry.h"
#include "items/diagramview.h"
#include "scene/diagramscene.h"

#include <QClipboard>
#include <QDeadlineTimer>
#include <QGraphicsOpacityEffect>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

namespace {

const QSize stripSize(90, 25);
constexpr int fitHeightMargin = 150;
constexpr int captureWaitMs = 1000;
constexpr int eventSliceMs = 50;

} // namespace

QList<QWidget *> MainWindow::boardPanels() const
{
    // Everything the strip hides, in the order it hides them.
    return {view,
            editToolBar,
            statusBar(),
            textToolBar,
            colorToolBar,
            pointerToolBar,
            toolBox,
            coordinatesLabel,
            viewPanel};
}

void MainWindow::minimizePart()
{
    maximizeButton->show();
    setMaximumSize(stripSize);
    setMinimumSize(stripSize);
    for (QWidget *widget : boardPanels())
        widget->hide();
    // Park the strip in the top-left corner of the screen the board is on, wherever that screen
    // lies in the desktop.
    if (const QScreen *screen = windowScreen(this))
        move(screen->geometry().topLeft());
}

void MainWindow::maximizePart()
{
    maximizeButton->hide();
    // The status bar comes back first, then the panels in the order they went.
    statusBar()->show();
    for (QWidget *widget : boardPanels())
        widget->show();
    if (const QScreen *screen = windowScreen(this))
        setMinimumSize(screen->size());
    setWindowState(Qt::WindowMaximized);
    showMaximized();
}

void MainWindow::resizeEvent(QResizeEvent *)
{
    if (const QScreen *screen = windowScreen(this))
        scene->setSceneRect(QRectF(QPointF(0, 0), screen->size()));
}

void MainWindow::fitSceneToScreen()
{
    if (const QScreen *screen = windowScreen(this)) {
        const QSize size = screen->size();
        scene->setSceneRect(0, 0, size.width(), size.height() - fitHeightMargin);
    }
}

void MainWindow::primaryScreenChanged(QScreen *) {}

void MainWindow::setScreenPanelsVisible(bool visible)
{
    for (QWidget *widget : std::initializer_list<QWidget *>{
             textToolBar, colorToolBar, pointerToolBar, toolBox, coordinatesLabel}) {
        widget->setVisible(visible);
    }
}

void MainWindow::waitOneSecond()
{
    // Keep the board alive (input, timers, repaints) while the panels disappear from the screen.
    const QDeadlineTimer deadline(captureWaitMs);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, eventSliceMs);
}

void MainWindow::copyImage()
{
    // A second request while one capture waits would fight over the same panels and effect.
    if (capturePending)
        return;
    capturePending = true;

    captureEffect = new QGraphicsOpacityEffect(editToolBar);
    captureEffect->setOpacity(0.0);
    editToolBar->setGraphicsEffect(captureEffect);
    setScreenPanelsVisible(false);

    waitOneSecond();

    QScreen *screen = windowScreen(this);
    if (screen) {
        desktopPixmap = screen->grabWindow(0, 0, 0, width(), height());
        QGuiApplication::clipboard()->setPixmap(desktopPixmap, QClipboard::Clipboard);
    }

    if (captureEffect) {
        captureEffect->setOpacity(1.0);
        editToolBar->setGraphicsEffect(captureEffect);
    }
    setScreenPanelsVisible(true);
    if (screen)
        statusBar()->showMessage(tr("Escritorio copiado al portapapeles"), 0);
    capturePending = false;
}

QPixmap MainWindow::grabScreenArea(int x, int y, int width, int height)
{
    QScreen *screen = windowScreen(this);
    if (!screen)
        return QPixmap();
    // Global desktop coordinates are taken relative to the board's own screen.
    const QRect local = toScreenLocal(QRect(x, y, width, height), screen->geometry());
    return screen->grabWindow(0, local.x(), local.y(), width, height);
}

void MainWindow::about()
{
    QMessageBox::about(this,
                       tr("Tablero Tavelo"),
                       tr("Tablero para presentar una pantalla en videollamada"));
}
