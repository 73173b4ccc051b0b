// Placement on the screen, the desktop capture, the screen-area grab and the about box.
#include "mainwindow.h"

#include "app/commandline.h"
#include "app/desktopcapture.h"
#include "app/diagramview.h"
#include "app/preferences.h"
#include "app/savedialog.h"
#include "app/screengeometry.h"
#include "items/lasertrails.h"
#include "scene/boardtools.h"
#include "scene/diagramscene.h"

#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsOpacityEffect>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QWindow>

namespace {

const QSize stripSize(90, 25);
constexpr int fitHeightMargin = 150;
constexpr int layoutSettleMs = 50;
constexpr int maximumPlaceAttempts = 40; // two seconds of settling
// When the board looks again whether it covers the screen it was sent to.
constexpr int screenSettleChecksMs[] = {500, 2000};

bool waylandPlatform()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

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
            historyToolBar,
            boardToolBar,
            toolBox,
            coordinatesLabel,
            viewPanel};
}

bool MainWindow::isInStrip() const
{
    return !maximizeButton->isHidden(); // also while the board is hidden
}

QList<QWidget *> MainWindow::toolPanels() const
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

void MainWindow::showBoard()
{
    if (maximizeButton->isVisible())
        maximizePart();
    else if (!isVisible())
        showMaximized();
    raise();
    activateWindow();
}

void MainWindow::minimizePart()
{
    leaveLens();
    // Where the drawings stand on the screen, to put them back there when the board returns.
    stripReturn = StripReturn{size(),
                              scene->sceneRect(),
                              view->horizontalScrollBar()->value(),
                              view->verticalScrollBar()->value()};
    // Wayland forbids a maximized window any size but the one the compositor configured, and
    // ends the program that tries: leave the maximized state, and shrink once the compositor
    // has confirmed that.
    if ((windowState() & Qt::WindowMaximized) && waylandPlatform()) {
        shrinkAwaitsUnmaximize = true;
        windowHandle()->installEventFilter(this);
        setWindowState(windowState() & ~Qt::WindowMaximized);
        return;
    }
    shrinkToStrip();
}

// The compositor's confirmation of a state reaches the native window as a spontaneous state
// change; only after it may the window take another size.
bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    echoOwnInput(watched, event);
    if (shrinkAwaitsUnmaximize && watched == windowHandle()
        && event->type() == QEvent::WindowStateChange && event->spontaneous()
        && !(windowHandle()->windowStates() & Qt::WindowMaximized)) {
        shrinkAwaitsUnmaximize = false;
        windowHandle()->removeEventFilter(this);
        QTimer::singleShot(0, this, &MainWindow::shrinkToStrip);
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::shrinkToStrip()
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
    if (waylandPlatform()) {
        // The compositor decides the maximized size (a panel may take part of the screen) and
        // ends the program whose constraints contradict it: drop the strip's limits instead.
        // Compositors that ignore the maximize request for a window they float (sway) keep
        // the size asked for here.
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        if (const QScreen *screen = windowScreen(this))
            resize(screen->size());
    } else if (const QScreen *screen = windowScreen(this)) {
        setMinimumSize(screen->size());
    }
    setWindowState(Qt::WindowMaximized);
    showMaximized();
}

void MainWindow::holdDrawingsInPlace()
{
    if (!isInStrip() && !originBeforeMove) {
        originBeforeMove = view->mapFromScene(QPointF(0, 0));
        placeAttempts = 0;
    }
}

void MainWindow::moveToScreen(QScreen *target)
{
    if (!target)
        return;
    const bool shown = isVisible();
    const bool strip = isInStrip();
    leaveLens(); // its picture is of the screen left
    holdDrawingsInPlace();
    // The old screen's size no longer binds the window.
    setMinimumSize(strip ? stripSize : QSize(0, 0));
    // A Wayland compositor places a window only when it maps it.
    if (shown && waylandPlatform())
        hide();
    setScreen(target);
    if (strip) {
        move(target->geometry().topLeft());
        setVisible(shown);
        return;
    }
    coverScreen(target, shown);
    // A window manager that learns of a change of screens after the board may still place it by
    // what it knew: once it has had its say, the board covers the screen it was sent to.
    screenAimedAt = target;
    for (int delay : screenSettleChecksMs)
        QTimer::singleShot(delay, this, &MainWindow::coverScreenAimedAt);
}

void MainWindow::coverScreen(QScreen *target, bool shown)
{
    setWindowState(windowState() & ~Qt::WindowMaximized);
    setGeometry(target->geometry());
    setMinimumSize(target->size());
    if (shown)
        showMaximized();
}

void MainWindow::coverScreenAimedAt()
{
    QScreen *target = screenAimedAt;
    if (!target || !isVisible() || isInStrip() || waylandPlatform())
        return;
    const QRect placed = geometry();
    if (target->geometry().contains(placed) && placed.contains(target->availableGeometry()))
        return;
    setScreen(target);
    coverScreen(target, true);
}

void MainWindow::resizeEvent(QResizeEvent *)
{
    if (const QScreen *screen = windowScreen(this))
        scene->setSceneRect(QRectF(QPointF(0, 0), screen->size()));
    // Back from the strip at the board's former size: the view takes its former scene rect and
    // scroll position once the layout has settled, so every drawing returns to its place.
    if (stripReturn && size() == stripReturn->windowSize && maximizeButton->isHidden())
        QTimer::singleShot(0, this, &MainWindow::returnDrawingsToTheirPlace);
    // Once the layout has followed the window.
    if (originBeforeMove && maximizeButton->isHidden())
        QTimer::singleShot(layoutSettleMs, this, &MainWindow::keepDrawingsWhereTheyWere);
}

// On another screen the scene rectangle takes that screen's size, and the view may then show
// it from another place; the rectangle moves so that every drawing stays where it was on the
// board. Done with once the board covers its new screen.
void MainWindow::keepDrawingsWhereTheyWere()
{
    if (!originBeforeMove)
        return;
    const QPoint off = *originBeforeMove - view->mapFromScene(QPointF(0, 0));
    // A view that centres a scene smaller than itself cannot be moved: then as near as it goes.
    if (++placeAttempts > maximumPlaceAttempts) {
        originBeforeMove.reset();
        return;
    }
    if (off.isNull()) {
        const QScreen *screen = windowScreen(this);
        if (screen && (size() == screen->size() || size() == screen->availableSize()))
            originBeforeMove.reset();
        return;
    }
    scene->setSceneRect(
        scene->sceneRect().translated(-view->transform().inverted().map(QPointF(off))));
    view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->value() - off.x());
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->value() - off.y());
    QTimer::singleShot(layoutSettleMs, this, &MainWindow::keepDrawingsWhereTheyWere);
}

void MainWindow::returnDrawingsToTheirPlace()
{
    if (!stripReturn || size() != stripReturn->windowSize || maximizeButton->isVisible())
        return;
    scene->setSceneRect(stripReturn->sceneRect);
    view->horizontalScrollBar()->setValue(stripReturn->horizontalScroll);
    view->verticalScrollBar()->setValue(stripReturn->verticalScroll);
    stripReturn.reset();
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
    // The added bars' row would close up without them and move the drawings on the screen: for
    // the moment of a capture they keep their room.
    for (QToolBar *bar : {historyToolBar, boardToolBar}) {
        QSizePolicy policy = bar->sizePolicy();
        policy.setRetainSizeWhenHidden(!visible);
        bar->setSizePolicy(policy);
    }
    for (QWidget *widget : std::initializer_list<QWidget *>{textToolBar,
                                                            colorToolBar,
                                                            pointerToolBar,
                                                            historyToolBar,
                                                            boardToolBar,
                                                            toolBox,
                                                            coordinatesLabel}) {
        widget->setVisible(visible);
    }
}

void MainWindow::copyImage()
{
    // A second request while one capture waits would fight over the same panels and effect.
    if (capturePending)
        return;
    const QPixmap desktop = captureAudienceView();
    if (!desktop.isNull()) {
        desktopPixmap = desktop;
        QGuiApplication::clipboard()->setPixmap(desktopPixmap, QClipboard::Clipboard);
    }
    statusBar()->showMessage(desktop.isNull() ? tr("No se pudo copiar el escritorio: el sistema "
                                                   "no entregó la imagen de la pantalla")
                                              : tr("Escritorio copiado al portapapeles"),
                             0);
}

// The screen as the audience sees it: the desktop with the drawings, the panels hidden for the
// moment of the grab.
QPixmap MainWindow::captureAudienceView()
{
    capturePending = true;
    captureEffect = new QGraphicsOpacityEffect(editToolBar);
    captureEffect->setOpacity(0.0);
    editToolBar->setGraphicsEffect(captureEffect);
    setScreenPanelsVisible(false);
    // Pointing is for the moment: the laser's ink, the clicks' rings and the keys go and the
    // spotlight steps aside meanwhile.
    scene->laserTrails()->clear();
    view->clearEchoes();
    const bool spotlight = view->isSpotlightOn();
    view->setSpotlight(false);

    // Until the screen shows the board without its panels.
    DesktopCapture::waitForTheScreen();

    QScreen *screen = windowScreen(this);
    const QPixmap desktop = screen ? DesktopCapture::grab(screen, QRect(0, 0, width(), height()))
                                   : QPixmap();
    if (captureEffect) {
        captureEffect->setOpacity(1.0);
        editToolBar->setGraphicsEffect(captureEffect);
    }
    setScreenPanelsVisible(true);
    view->setSpotlight(spotlight);
    capturePending = false;
    return desktop;
}

void MainWindow::saveBoardImage()
{
    if (capturePending)
        return;
    const QString folder = Preferences::lastSaveFolder.read(*settings);
    const QString start = QDir(folder.isEmpty() ? picturesFolder() : folder)
                              .filePath(tr("tablero-%1.png")
                                            .arg(QDateTime::currentDateTime().toString(
                                                "yyyy-MM-dd-HHmmss")));
    const QString path = askWhereToSave(start);
    if (path.isEmpty())
        return;
    // The dialog has closed; the grab waits until the screen shows the board again.
    const QPixmap shot = captureAudienceView();
    if (shot.isNull()) {
        statusBar()->showMessage(tr("No se pudo guardar: el sistema no entregó la imagen de la "
                                    "pantalla"),
                                 0);
        return;
    }
    QString reason;
    if (!writePicture(shot.toImage(), path, &reason)) {
        statusBar()->showMessage(tr("No se pudo guardar %1: %2").arg(path, reason), 0);
        return;
    }
    storePreferences({{Preferences::lastSaveFolder.key, QFileInfo(path).absolutePath()}});
    statusBar()->showMessage(tr("Tablero guardado en %1").arg(path), 0);
}

QString MainWindow::askWhereToSave(const QString &start)
{
    return SaveDialog::ask(this,
                           tr("Guardar el tablero como imagen"),
                           start,
                           tr("Imagen PNG (*.png)"),
                           "png");
}

QRect MainWindow::onBoardScreen(const QRect &global) const
{
    const QScreen *screen = windowScreen(this);
    return screen ? global.intersected(screen->geometry()) : QRect();
}

QPixmap MainWindow::grabScreenArea(int x, int y, int width, int height)
{
    QScreen *screen = windowScreen(this);
    if (!screen)
        return QPixmap();
    // Global desktop coordinates are taken relative to the board's own screen.
    return DesktopCapture::grab(screen,
                                toScreenLocal(QRect(x, y, width, height), screen->geometry()));
}

QString MainWindow::picturesFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return pictures.isEmpty() || !QFileInfo(pictures).isDir() ? QDir::homePath() : pictures;
}

// Written whole or not at all: into a file beside the target, renamed over it when complete.
bool MainWindow::writePicture(const QImage &image, const QString &path, QString *reason)
{
    const QFileInfo target(path);
    if (!QFileInfo(target.absolutePath()).isWritable()) {
        *reason = tr("no hay permiso para escribir en esa carpeta");
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *reason = file.errorString();
        return false;
    }
    if (!image.save(&file, "PNG") || !file.commit()) {
        const bool full = file.error() == QFileDevice::ResourceError
                          || file.error() == QFileDevice::WriteError;
        *reason = full ? tr("no queda espacio en el disco (%1)").arg(file.errorString())
                       : file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

// The keys, as the README lists them: every tool's from the tool table, the spotlight's, then
// the commands' as their actions carry them, and the global key as it is chosen.
QList<std::pair<QString, QString>> MainWindow::keyList() const
{
    QList<std::pair<QString, QString>> keys;
    for (const BoardTools::Tool *tool = BoardTools::begin(); tool != BoardTools::end(); ++tool) {
        if (*tool->keys)
            keys.append({QString(tool->keys).replace(';', ','), tr(tool->label)});
    }
    keys += {{tr("Esc"), tr("Salir de la lupa o del foco")},
             {tr("Rueda; Ctrl++, Ctrl+- (con la lupa)"), tr("Aumento de la lupa")},
             {tr("Rueda; Ctrl++, Ctrl+- (con el foco)"), tr("Tamaño del foco")}};
    QList<QAction *> commands{undoAction,
                              redoAction,
                              deleteAction,
                              clearAction,
                              copyAction,
                              toFrontAction,
                              sendBackAction,
                              minimizeAction,
                              maximizeAction,
                              boldAction,
                              italicAction,
                              underlineAction,
                              exitAction,
                              aboutAction};
    commands += actions(); // those the window itself carries, the next screen's among them
    for (const QAction *command : std::as_const(commands)) {
        if (command->shortcuts().isEmpty() || command->text().isEmpty())
            continue;
        const QString what = command->statusTip().isEmpty() ? command->iconText()
                                                            : command->statusTip();
        keys.append({keysText(*command), what});
    }
    keys.append({Preferences::globalKey.read(*settings).toString(),
                 tr("Paso del puntero (desde cualquier programa)")});
    return keys;
}

QString MainWindow::keysText(const QAction &command)
{
    QStringList keys;
    for (const QKeySequence &key : command.shortcuts())
        keys << key.toString();
    return keys.join(", ");
}

void MainWindow::about()
{
    // In two columns, so that the box fits a screen of 800 pixels.
    const QList<std::pair<QString, QString>> keys = keyList();
    const qsizetype half = (keys.size() + 1) / 2;
    const auto cells = [](const std::pair<QString, QString> &entry) {
        return QString("<td><b>%1</b></td><td>%2</td>")
            .arg(entry.first.toHtmlEscaped(), entry.second);
    };
    QString rows;
    for (qsizetype i = 0; i < half; ++i) {
        rows += "<tr>" + cells(keys.at(i));
        if (i + half < keys.size())
            rows += "<td width=\"24\"></td>" + cells(keys.at(i + half));
        rows += "</tr>";
    }
    // The box of QMessageBox::about(), with the keys under its one line.
    QMessageBox box(QMessageBox::NoIcon,
                    tr("Tablero Tavelo"),
                    tr("Tablero para presentar una pantalla en videollamada"),
                    QMessageBox::Ok,
                    this);
    if (!windowIcon().isNull()) {
        const int size = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
        box.setIconPixmap(windowIcon().pixmap(size));
    }
    box.setInformativeText(QString("<p>%1</p><table cellspacing=\"4\">%2</table>")
                               .arg(tr("Versión %1").arg(CommandLine::version()), rows));
    box.exec();
}
