// Working with the desktop underneath: pass-through, the global key, the tray icon and the
// commands a second start of the program hands to this board.
#include "mainwindow.h"

#include "app/globalkey.h"
#include "app/recoveryfile.h"
#include "items/diagramview.h"

#include <QAction>
#include <QGraphicsOpacityEffect>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QToolBar>
#include <QWindow>

namespace {

constexpr char globalKeyKey[] = "globalKey";
constexpr char defaultGlobalKey[] = "Ctrl+Alt+D";
constexpr int indicatorMargin = 12;
constexpr qreal dimmedPanelOpacity = 0.2;

} // namespace

void MainWindow::createDesktopControls()
{
    passThroughAction = new QAction(tr("Paso del puntero"), this);
    passThroughAction->setCheckable(true);
    connect(passThroughAction, &QAction::toggled, this, &MainWindow::setPassThrough);
    showHideAction = new QAction(tr("Ocultar el tablero"), this);
    connect(showHideAction, &QAction::triggered, this, [this] {
        if (isVisible())
            hide();
        else
            showBoard();
    });

    passThroughIndicator = new QLabel(this);
    passThroughIndicator->setObjectName("passThroughIndicator");
    passThroughIndicator->setStyleSheet("background-color: rgba(160, 20, 20, 200); color: white;"
                                        " border-radius: 6px; padding: 4px 8px;");
    passThroughIndicator->hide();

    grabGlobalKey();
    createTrayIcon();
}

void MainWindow::grabGlobalKey()
{
    // Wayland gives a program no key of its own outside its windows: there the desktop's key
    // settings run "CorvaneTaveloWindow2 --toggle" instead.
    if (QGuiApplication::platformName() != "xcb")
        return;
    const QString text = settings->value(globalKeyKey, defaultGlobalKey).toString();
    const QKeySequence key(text, QKeySequence::PortableText);
    globalKey = new GlobalKey(this);
    connect(globalKey, &GlobalKey::activated, this, &MainWindow::togglePassThrough);
    QString reason;
    if (!globalKey->grab(key, &reason)) {
        statusBar()->showMessage(tr("Sin tecla global para el paso del puntero: %1").arg(reason), 0);
    } else {
        passThroughKeyText = key.toString(QKeySequence::NativeText);
    }
}

void MainWindow::createTrayIcon()
{
    // Without a tray the board works as ever; there is nothing to say about it.
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    auto *menu = new QMenu(this);
    menu->addAction(showHideAction);
    menu->addAction(passThroughAction);
    menu->addAction(clearAction);
    menu->addSeparator();
    menu->addAction(exitAction);
    connect(menu, &QMenu::aboutToShow, this, [this] {
        showHideAction->setText(isVisible() ? tr("Ocultar el tablero") : tr("Mostrar el tablero"));
    });
    tray = new QSystemTrayIcon(windowIcon().isNull() ? QIcon(":/images/pen.png") : windowIcon(),
                               this);
    tray->setToolTip(tr("Tablero Tavelo"));
    tray->setContextMenu(menu);
    connect(tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason why) {
        if (why == QSystemTrayIcon::Trigger)
            togglePassThrough();
    });
    tray->show();
}

QList<QWidget *> MainWindow::passThroughPanels() const
{
    return {editToolBar,
            textToolBar,
            colorToolBar,
            historyToolBar,
            boardToolBar,
            pointerToolBar,
            leftPanel,
            statusBar()};
}

void MainWindow::togglePassThrough()
{
    // From the strip, or hidden from the tray, the key brings the board back first.
    if (maximizeButton->isVisible() || !isVisible()) {
        showBoard();
        return;
    }
    passThroughAction->setChecked(!passingThrough);
}

// The pointer reaches the windows under the board while the drawings stay where they are; the
// panels step aside and a badge says what is going on. The tool in use stays chosen.
void MainWindow::setPassThrough(bool on)
{
    if (on == passingThrough)
        return;
    if (on && !isVisible())
        showBoard();
    passingThrough = on;
    passThroughAction->setChecked(on);
    if (QWindow *window = windowHandle())
        window->setFlag(Qt::WindowTransparentForInput, on);
    // The panels fade but keep their room, so the drawings stay exactly where they are.
    for (QWidget *panel : passThroughPanels()) {
        if (!panel)
            continue;
        if (on) {
            auto *dim = new QGraphicsOpacityEffect(panel);
            dim->setOpacity(dimmedPanelOpacity);
            panel->setGraphicsEffect(dim);
        } else {
            panel->setGraphicsEffect(nullptr);
        }
    }
    if (on) {
        passThroughIndicator->setText(
            passThroughKeyText.isEmpty()
                ? tr("Paso del puntero")
                : tr("Paso del puntero: %1 vuelve al tablero").arg(passThroughKeyText));
        passThroughIndicator->adjustSize();
        placePassThroughIndicator();
        passThroughIndicator->show();
        passThroughIndicator->raise();
    } else {
        passThroughIndicator->hide();
    }
}

void MainWindow::placePassThroughIndicator()
{
    passThroughIndicator->move(width() - passThroughIndicator->width() - indicatorMargin,
                               indicatorMargin);
}

void MainWindow::showBoard()
{
    if (maximizeButton->isVisible())
        maximizePart();
    else if (!isVisible())
        showMaximized();
    raise();
    activateWindow();
}

void MainWindow::runCommand(const QString &command)
{
    if (command == "toggle")
        togglePassThrough();
    else if (command == "show")
        showBoard();
    else if (command == "clear")
        clearBoard();
}

void MainWindow::enableRecovery(const QString &path)
{
    recovery = new RecoveryFile(scene, path, this);
    const QString restored = recovery->restore();
    if (!restored.isEmpty())
        statusBar()->showMessage(restored, 0);
    recovery->saveNow(); // what was put back, or an empty board: the copy reflects this start
}

void MainWindow::endCleanly()
{
    if (recovery)
        recovery->discard();
}
