// Actions, menus and the commands that act on what is drawn.
#include "mainwindow.h"

#include "app/diagramview.h"
#include "app/zorder.h"
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

// No two actions share a key: an ambiguous key would trigger neither of them.
// clang-format off
const MainWindow::ActionRow MainWindow::actionRows[] = {
    {&MainWindow::clearAction, QT_TR_NOOP("Limpiar"), ":/images/clear.png",
     QT_TR_NOOP("Ctrl+L"), QT_TR_NOOP("Limpiar")},
    {&MainWindow::toFrontAction, QT_TR_NOOP("Enviar al frente"), ":/images/bringtofront.png",
     QT_TR_NOOP("Ctrl+F"), QT_TR_NOOP("Enviar al frente")},
    {&MainWindow::sendBackAction, QT_TR_NOOP("Enviar al fondo"), ":/images/sendtoback.png",
     QT_TR_NOOP("Ctrl+T"), QT_TR_NOOP("Enviar item al fondo")},
    {&MainWindow::minimizeAction, QT_TR_NOOP("Minimizar"), ":/images/remove.png",
     QT_TR_NOOP("Ctrl+Shift+M"), QT_TR_NOOP("Minimizar")},
    {&MainWindow::maximizeAction, QT_TR_NOOP("Maximizar"), ":/images/view-fullscreen.png",
     QT_TR_NOOP("Ctrl+M"), QT_TR_NOOP("Maximizar")},
    {&MainWindow::copyAction, QT_TR_NOOP("Copiar"), ":/images/attach.png",
     QT_TR_NOOP("Ctrl+C"), QT_TR_NOOP("Copiar")},
    {&MainWindow::deleteAction, QT_TR_NOOP("&Borrar"), ":/images/edit-delete.png",
     "", QT_TR_NOOP("Borrar item")},
    {&MainWindow::exitAction, QT_TR_NOOP("Salir"), ":/images/dialog-close.png",
     "", QT_TR_NOOP("Salir")},
    {&MainWindow::boldAction, QT_TR_NOOP("Bold"), ":/images/bold.png", QT_TR_NOOP("Ctrl+B"), ""},
    {&MainWindow::italicAction, QT_TR_NOOP("Italic"), ":/images/italic.png",
     QT_TR_NOOP("Ctrl+I"), ""},
    {&MainWindow::underlineAction, QT_TR_NOOP("Underline"), ":/images/underline.png",
     QT_TR_NOOP("Ctrl+U"), ""},
    {&MainWindow::aboutAction, QT_TR_NOOP("A&bout"), "", QT_TR_NOOP("F1"), ""},
};
// clang-format on

void MainWindow::createActions()
{
    for (const ActionRow &row : actionRows) {
        this->*row.action = makeAction(this,
                                       tr(row.text),
                                       row.icon,
                                       QKeySequence(*row.key ? tr(row.key) : QString()),
                                       *row.statusTip ? tr(row.statusTip) : QString());
    }
    // The platform's own keys for these.
    deleteAction->setShortcut(QKeySequence::Delete);
    exitAction->setShortcuts(QKeySequence::Quit);
    for (QAction *style : {boldAction, italicAction, underlineAction})
        style->setCheckable(true);
    // A button tells its key as well as its name.
    for (const ActionRow &row : actionRows) {
        QAction *action = this->*row.action;
        action->setToolTip(namedWithKey(action->iconText(), action->shortcut()));
    }
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

// The buttons name the step they take back or bring again on the page shown, and are greyed out
// without one.
void MainWindow::followHistory(QUndoStack *history)
{
    if (shownHistory) {
        disconnect(shownHistory, nullptr, undoAction, nullptr);
        disconnect(shownHistory, nullptr, redoAction, nullptr);
    }
    shownHistory = history;
    // The history also speaks while the window is being destroyed: the lambdas hold only what
    // outlives it.
    auto describe = [](QAction *action, const QString &verb) {
        return [action, verb](const QString &step) {
            action->setText(step.isEmpty() ? verb : verb + " " + step);
            action->setToolTip(namedWithKey(action->text(), action->shortcut()));
        };
    };
    const auto undoText = describe(undoAction, tr("Deshacer"));
    const auto redoText = describe(redoAction, tr("Rehacer"));
    connect(history, &QUndoStack::undoTextChanged, undoAction, undoText);
    connect(history, &QUndoStack::redoTextChanged, redoAction, redoText);
    connect(history, &QUndoStack::canUndoChanged, undoAction, &QAction::setEnabled);
    connect(history, &QUndoStack::canRedoChanged, redoAction, &QAction::setEnabled);
    undoText(history->undoText());
    redoText(history->redoText());
    undoAction->setEnabled(history->canUndo());
    redoAction->setEnabled(history->canRedo());
}

void MainWindow::createHistoryActions()
{
    undoAction = makeAction(this, tr("Deshacer"), {}, QKeySequence::Undo, tr("Deshacer"));
    undoAction->setIcon(QIcon::fromTheme("edit-undo", QIcon(":/images/history-undo.png")));
    redoAction = makeAction(this, tr("Rehacer"), {}, {}, tr("Rehacer"));
    redoAction->setShortcuts({QKeySequence(tr("Ctrl+Shift+Z")), QKeySequence(tr("Ctrl+Y"))});
    redoAction->setIcon(QIcon::fromTheme("edit-redo", QIcon(":/images/history-redo.png")));

    followHistory(scene->history());
    connect(undoAction, &QAction::triggered, this, &MainWindow::undo);
    connect(redoAction, &QAction::triggered, this, &MainWindow::redo);

    historyToolBar = new QToolBar(tr("Historial"), this);
    historyToolBar->setObjectName("historyToolBar");
    historyToolBar->addAction(undoAction);
    historyToolBar->addAction(redoAction);
    historyToolBar->setAutoFillBackground(true);
    // On a row of their own under the four bars, which keep their content, order and places:
    // every added tool is in reach on a small screen too, none behind Qt's extension button.
    addToolBarBreak();
    addToolBar(historyToolBar);
}
