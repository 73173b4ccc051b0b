// The tool box in the left panel and the tool selection that follows each placement.
#include "mainwindow.h"

#include "app/diagramview.h"
#include "scene/boardtools.h"
#include "scene/diagramscene.h"

#include <QBrush>
#include <QButtonGroup>
#include <QGraphicsView>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace {

const QSize toolIconSize(25, 25);

QWidget *cellAround(QToolButton *button, const QString &label, int maxHeight)
{
    button->setAccessibleName(label);
    auto *layout = new QGridLayout;
    layout->setHorizontalSpacing(0);
    layout->setVerticalSpacing(0);
    layout->addWidget(button, 0, 0, Qt::AlignHCenter);
    layout->addWidget(new QLabel(label), 1, 0, Qt::AlignCenter);

    auto *cell = new QWidget;
    cell->setLayout(layout);
    cell->setMaximumHeight(maxHeight);
    cell->setMaximumWidth(60);
    return cell;
}

} // namespace

void MainWindow::createToolBox()
{
    buttonGroup = new QButtonGroup(this);
    buttonGroup->setExclusive(true);
    connect(buttonGroup, &QButtonGroup::buttonClicked, this, &MainWindow::buttonGroupClicked);

    toolLayout = new QGridLayout;
    toolLayout->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    for (const BoardTools::Tool *tool = BoardTools::begin(); tool != BoardTools::end(); ++tool) {
        if (tool->place != BoardTools::Place::ToolBox)
            continue;
        // The shapes show their own outline; the other tools an image of the bundle.
        QWidget *cell = *tool->icon ? createToolCell(tr(tool->label), tool->icon, tool->button)
                                    : createCellWidget(tr(tool->label),
                                                       DiagramItem::DiagramType(tool->button));
        toolLayout->addWidget(cell, row++, 0);
    }

    auto *inner = new QWidget;
    inner->setContentsMargins(0, 0, 0, 0);
    inner->setLayout(toolLayout);

    toolBox = new QWidget;
    toolBox->setObjectName("toolBox");
    toolBox->setContentsMargins(0, 0, 0, 0);
    QSizePolicy policy(QSizePolicy::Minimum, QSizePolicy::Minimum);
    policy.setRetainSizeWhenHidden(true);
    toolBox->setSizePolicy(policy);
    toolBox->setStyleSheet("background-color: rgba(255, 255, 255, 0.5);");
    auto *boxLayout = new QHBoxLayout(toolBox);
    boxLayout->setSpacing(0);
    boxLayout->setContentsMargins(0, 0, 0, 0);
    boxLayout->addWidget(inner);
}

QWidget *MainWindow::createCellWidget(const QString &label, DiagramItem::DiagramType type)
{
    const DiagramItem iconShape(type, itemMenu);
    auto *button = new QToolButton;
    button->setIcon(QIcon(iconShape.image()));
    button->setIconSize(toolIconSize);
    button->setCheckable(true);
    buttonGroup->addButton(button, int(type));
    return cellAround(button, label, 60);
}

QWidget *MainWindow::createToolCell(const QString &label, const QString &image, int id)
{
    auto *button = new QToolButton;
    button->setCheckable(true);
    buttonGroup->addButton(button, id);
    // Qt takes the double-size drawing beside the image on a screen scaled to 200 %.
    button->setIcon(QIcon(image));
    button->setIconSize(toolIconSize);
    QWidget *cell = cellAround(button, label, 100);
    cell->layout()->setContentsMargins(0, 0, 0, 0);
    cell->setContentsMargins(0, 0, 0, 0);
    return cell;
}

void MainWindow::buttonGroupClicked(QAbstractButton *button)
{
    // Only the chosen tool shows as chosen, whichever bar the last one stood in.
    uncheckBoardTools();
    uncheckAll(pointerGroup);
    const QList<QAbstractButton *> buttons = buttonGroup->buttons();
    for (QAbstractButton *other : buttons) {
        if (other != button)
            other->setChecked(false);
    }

    const BoardTools::Tool *tool = BoardTools::withButton(BoardTools::Place::ToolBox,
                                                          buttonGroup->id(button));
    if (!tool)
        return;
    // The text tool leaves the shape kind as it was; every other tool's id is the kind it makes.
    if (tool->button != BoardTools::textToolId)
        scene->setItemType(DiagramItem::DiagramType(tool->button));
    scene->setMode(DiagramScene::Mode(tool->mode));
}

void MainWindow::itemInserted(DiagramItem *item)
{
    pointerGroup->button(int(DiagramScene::MoveItem))->setChecked(true);
    scene->setMode(DiagramScene::Mode(pointerGroup->checkedId()));
    if (QAbstractButton *toolButton = buttonGroup->button(int(item->diagramType())))
        toolButton->setChecked(false);
}

void MainWindow::textInserted(QGraphicsTextItem *)
{
    buttonGroup->button(BoardTools::textToolId)->setChecked(false);
}

void MainWindow::backgroundButtonGroupClicked(QAbstractButton *button)
{
    const QList<QAbstractButton *> buttons = backgroundButtonGroup->buttons();
    for (QAbstractButton *other : buttons) {
        if (other != button)
            other->setChecked(false);
    }
    button->setChecked(true);
    const QBrush brush = boardBrush(button->text());
    scene->setBoardBackground(brush);
    scene->update();
    view->update();
}
