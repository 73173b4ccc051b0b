// Actions, menus and the commands that act on what is drawn.
#include "mainwindow.h"

#include "app/zorder.h"
#include "items/diagramview.h"
#include "scene/diagramscene.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QUndoStack>

namespace {

QAction *makeAction(QObject *owner,
                    const QString &text,
                    const QString &icon,
                    const QKeySequence &shortcut,
                    const QString &statusTip)
{
    auto *action = new QAction(icon.isEmpty() ? QIcon() : QIcon(icon), text, owner);
    action->setShortcut(shortcut);
    action->setStatusTip(statusTip);
    return action;
}

} // namespace

void MainWindow::createActions()
{
    // No two actions share a key: an ambiguous key would trigger neither of them.
    clearAction = makeAction(this,
                             tr("Limpiar"),
                             ":/images/clear.png",
                             QKeySequence(tr("Ctrl+L")),
                             tr("Limpiar"));
    toFrontAction = makeAction(this,
                               tr("Enviar al frente"),
                               ":/images/bringtofront.png",
                               QKeySequence(tr("Ctrl+F")),
                               tr("Enviar al frente"));
    sendBackAction = makeAction(this,
                                tr("Enviar al fondo"),
                                ":/images/sendtoback.png",
                                QKeySequence(tr("Ctrl+T")),
                                tr("Enviar item al fondo"));
    minimizeAction = makeAction(this,
                                tr("Minimizar"),
                                ":/images/remove.png",
                                QKeySequence(tr("Ctrl+Shift+M")),
                                tr("Minimizar"));
    maximizeAction = makeAction(this,
                                tr("Maximizar"),
                                ":/images/view-fullscreen.png",
                                QKeySequence(tr("Ctrl+M")),
                                tr("Maximizar"));
    copyAction = makeAction(this,
                            tr("Copiar"),
                            ":/images/attach.png",
                            QKeySequence(tr("Ctrl+C")),
                            tr("Copiar"));
    deleteAction = makeAction(this,
                              tr("&Borrar"),
                              ":/images/edit-delete.png",
                              QKeySequence::Delete,
                              tr("Borrar item"));
    exitAction = makeAction(this, tr("Salir"), ":/images/dialog-close.png", {}, tr("Salir"));
    exitAction->setShortcuts(QKeySequence::Quit);

    boldAction = makeAction(this, tr("Bold"), ":/images/bold.png", QKeySequence(tr("Ctrl+B")), {});
    boldAction->setCheckable(true);
    italicAction = makeAction(this,
                              tr("Italic"),
                              ":/images/italic.png",
                              QKeySequence(tr("Ctrl+I")),
                              {});
    italicAction->setCheckable(true);
    underlineAction = makeAction(this,
                                 tr("Underline"),
                                 ":/images/underline.png",
                                 QKeySequence(tr("Ctrl+U")),
                                 {});
    underlineAction->setCheckable(true);

    aboutAction = makeAction(this, tr("A&bout"), {}, QKeySequence(tr("F1")), {});
}

void MainWindow::createMenus()
{
    // The menus exist for the shapes' context menu and the about key, but no menu bar is shown
    // over the board.
    fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->addAction(exitAction);

    itemMenu = menuBar()->addMenu(tr("&Item"));
    itemMenu->addAction(deleteAction);
    itemMenu->addSeparator();
    itemMenu->addAction(clearAction);
    itemMenu->addAction(toFrontAction);
    itemMenu->addAction(sendBackAction);
    itemMenu->addAction(minimizeAction);
    itemMenu->addAction(maximizeAction);

    helpMenu = menuBar()->addMenu(tr("&Help"));
    helpMenu->addAction(aboutAction);
    menuBar()->hide();
}

void MainWindow::connectActions()
{
    connect(clearAction, &QAction::triggered, this, &MainWindow::clearBoard);
    connect(toFrontAction, &QAction::triggered, this, &MainWindow::bringToFront);
    connect(sendBackAction, &QAction::triggered, this, &MainWindow::sendToBack);
    connect(minimizeAction, &QAction::triggered, this, &MainWindow::minimizePart);
    connect(maximizeAction, &QAction::triggered, this, &MainWindow::maximizePart);
    connect(copyAction, &QAction::triggered, this, &MainWindow::copyImage);
    connect(deleteAction, &QAction::triggered, this, &MainWindow::deleteItem);
    connect(exitAction, &QAction::triggered, this, &QWidget::close);
    connect(boldAction, &QAction::triggered, this, &MainWindow::handleFontChange);
    connect(italicAction, &QAction::triggered, this, &MainWindow::handleFontChange);
    connect(underlineAction, &QAction::triggered, this, &MainWindow::handleFontChange);
    connect(aboutAction, &QAction::triggered, this, &MainWindow::about);
    // F1 works while the board is open: the view carries the action, and it is hidden while the
    // board is shrunk to its strip.
    view->addAction(aboutAction);
}

void MainWindow::deleteItem()
{
    scene->removeFromBoard(scene->selectedItems(), tr("Borrar"));
}

void MainWindow::bringToFront()
{
    restack(tr("Enviar al frente"), frontZValue);
}

void MainWindow::sendToBack()
{
    restack(tr("Enviar al fondo"), backZValue);
}

void MainWindow::restack(const QString &step, qreal (*level)(const QList<QGraphicsItem *> &))
{
    const QList<QGraphicsItem *> selected = scene->selectedItems();
    if (selected.isEmpty())
        return;
    QGraphicsItem *item = selected.first();
    scene->changeItem<qreal>(
        item,
        step,
        [item](const qreal &z) { item->setZValue(z); },
        item->zValue(),
        level(item->collidingItems(Qt::IntersectsItemShape)));
}

void MainWindow::clearBoard()
{
    scene->clearBoard();
    view->update();
}

// Not in the middle of a gesture or a capture: the step would pull items from under the pointer.
bool MainWindow::historyMayMove() const
{
    return QGuiApplication::mouseButtons() == Qt::NoButton && !scene->gestureUnderway()
           && !capturePending;
}

void MainWindow::undo()
{
    if (!historyMayMove())
        return;
    scene->finishLabelEdit();
    scene->history()->undo();
}

void MainWindow::redo()
{
    if (!historyMayMove())
        return;
    scene->finishLabelEdit();
    scene->history()->redo();
}

void MainWindow::createHistoryActions()
{
    undoAction = makeAction(this, tr("Deshacer"), {}, QKeySequence::Undo, tr("Deshacer"));
    undoAction->setIcon(QIcon::fromTheme("edit-undo", QIcon(":/images/history-undo.png")));
    redoAction = makeAction(this, tr("Rehacer"), {}, {}, tr("Rehacer"));
    redoAction->setShortcuts({QKeySequence(tr("Ctrl+Shift+Z")), QKeySequence(tr("Ctrl+Y"))});
    redoAction->setIcon(QIcon::fromTheme("edit-redo", QIcon(":/images/history-redo.png")));

    // The buttons name the step they take back or bring again, and are greyed out without one.
    QUndoStack *history = scene->history();
    // The history also speaks while the window is being destroyed: the lambdas hold only what
    // outlives it.
    auto describe = [](QAction *action, const QString &verb) {
        return [action, verb](const QString &step) {
            action->setText(step.isEmpty() ? verb : verb + " " + step);
        };
    };
    connect(history, &QUndoStack::undoTextChanged, undoAction, describe(undoAction, tr("Deshacer")));
    connect(history, &QUndoStack::redoTextChanged, redoAction, describe(redoAction, tr("Rehacer")));
    connect(history, &QUndoStack::canUndoChanged, undoAction, &QAction::setEnabled);
    connect(history, &QUndoStack::canRedoChanged, redoAction, &QAction::setEnabled);
    undoAction->setEnabled(false);
    redoAction->setEnabled(false);
    connect(undoAction, &QAction::triggered, this, &MainWindow::undo);
    connect(redoAction, &QAction::triggered, this, &MainWindow::redo);

    historyToolBar = new QToolBar(tr("Historial"), this);
    historyToolBar->setObjectName("historyToolBar");
    historyToolBar->addAction(undoAction);
    historyToolBar->addAction(redoAction);
    historyToolBar->setAutoFillBackground(true);
    // After the four bars: their content, order and places stay as they are.
    addToolBar(historyToolBar);
}
