// The magnifier of the "Herramientas" bar: a still picture of the desktop under the drawing
// area, shown enlarged with the drawings by the view, and the Esc key that leaves it.
#include "mainwindow.h"

#include "app/desktopcapture.h"
#include "app/diagramview.h"

#include <QAction>
#include <QGraphicsOpacityEffect>
#include <QLocale>
#include <QStatusBar>

QAction *MainWindow::createLensAction(const BoardTools::Tool &tool)
{
    lensAction = createToolAction(tool);
    lensAction->setCheckable(true);
    connect(lensAction, &QAction::triggered, this, [this](bool on) {
        if (on)
            startLens();
        else
            view->stopLens();
    });
    connect(view, &diagramview::lensToggled, lensAction, &QAction::setChecked);
    connect(view, &diagramview::lensZoomed, this, [this](qreal zoom) {
        statusBar()->showMessage(tr("Lupa: %1 x. Rueda o Ctrl++ / Ctrl+- para el aumento, Esc "
                                    "para salir")
                                     .arg(QLocale().toString(zoom, 'g', 3)),
                                 0);
    });
    connect(view, &diagramview::lensToggled, this, [this](bool on) {
        if (!on)
            statusBar()->clearMessage();
    });
    return lensAction;
}

void MainWindow::startLens()
{
    // Another capture under way has the screen: the button must not stay on without a lens.
    if (!capturePending && !view->isLensOn())
        startLensOn(captureUnderDrawings());
    lensAction->setChecked(view->isLensOn());
}

void MainWindow::startLensOn(const QPixmap &desktop)
{
    // Left by its key meanwhile, or the board shrank to the strip.
    if (!lensAction->isChecked() || isInStrip())
        return;
    view->startLens(desktop);
    if (desktop.isNull()) {
        statusBar()->showMessage(tr("El escritorio no se puede ampliar aquí: la lupa amplía solo "
                                    "los dibujos"),
                                 0);
    }
}

void MainWindow::leaveLens()
{
    view->stopLens();
}

// The desktop under the drawing area with none of the board's drawings, laser ink or
// spotlight: the view is see-through for the moment of the grab.
QPixmap MainWindow::captureUnderDrawings()
{
    capturePending = true;
    auto *seeThrough = new QGraphicsOpacityEffect(view);
    seeThrough->setOpacity(0.0);
    view->setGraphicsEffect(seeThrough);
    view->clearEchoes();
    DesktopCapture::waitForTheScreen();
    const QRect area(view->viewport()->mapToGlobal(QPoint(0, 0)), view->viewport()->size());
    const QPixmap desktop = grabScreenArea(area.x(), area.y(), area.width(), area.height());
    view->setGraphicsEffect(nullptr); // deletes the effect
    capturePending = false;
    return desktop;
}

// Esc leaves the lens first, then the spotlight: one action, as Qt fires neither of two
// enabled actions that share a key.
void MainWindow::createLeaveKey()
{
    auto *leave = new QAction(this);
    leave->setShortcut(QKeySequence(Qt::Key_Escape));
    leave->setEnabled(false);
    const auto follow = [this, leave] {
        leave->setEnabled(view->isLensOn() || view->isSpotlightOn());
    };
    connect(view, &diagramview::spotlightToggled, leave, follow);
    connect(view, &diagramview::lensToggled, leave, follow);
    connect(leave, &QAction::triggered, this, [this] {
        if (view->isLensOn())
            view->stopLens();
        else
            view->setSpotlight(false);
    });
    addAction(leave);
}
