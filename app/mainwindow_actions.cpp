// Actions, menus and the commands that act on what is drawn.
#include "mainwindow.h"

#include "app/zorder.h"
#include "items/diagramview.h"
#include "scene/diagramscene.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

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
    const QList<QGraphicsItem *> selected = scene->selectedItems();
    for (QGraphicsItem *item : selected)
        delete item; // leaves the scene and is destroyed
}

void MainWindow::bringToFront()
{
    const QList<QGraphicsItem *> selected = scene->selectedItems();
    if (selected.isEmpty())
        return;
    QGraphicsItem *item = selected.first();
    item->setZValue(frontZValue(item->collidingItems(Qt::IntersectsItemShape)));
}

void MainWindow::sendToBack()
{
    const QList<QGraphicsItem *> selected = scene->selectedItems();
    if (selected.isEmpty())
        return;
    QGraphicsItem *item = selected.first();
    item->setZValue(backZValue(item->collidingItems(Qt::IntersectsItemShape)));
}

void MainWindow::clearBoard()
{
    scene->clear();
    scene->forgetHandles();
    scene->setBackgroundBrush(QBrush(Qt::transparent, Qt::SolidPattern));
    view->update();
}
