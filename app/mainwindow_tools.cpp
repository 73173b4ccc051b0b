// The "Herramientas" bar beside the tool box (highlighter, eraser, arrow, laser, spotlight,
// widths, backgrounds, saving) and a key for every tool, all built from the tool table.
#include "mainwindow.h"

#include "app/boarddocument.h"
#include "app/colourbutton.h"
#include "app/diagramview.h"
#include "app/preferences.h"
#include "app/toolicons.h"
#include "scene/boardpages.h"
#include "scene/boardtools.h"

#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QToolBar>
#include <QToolButton>
#include <QWidgetAction>

#include <functional>

namespace {

// The plain boards, then the bundle's grids.
struct Board
{
    const char *name;
    Qt::GlobalColor color; // of a plain board
    const char *image;     // of a grid; empty for a plain board
};

const Board boards[] = {
    {QT_TRANSLATE_NOOP("MainWindow", "Transparente"), Qt::transparent, ""},
    {QT_TRANSLATE_NOOP("MainWindow", "Pizarra blanca"), Qt::white, ""},
    {QT_TRANSLATE_NOOP("MainWindow", "Pizarra negra"), Qt::black, ""},
    {QT_TRANSLATE_NOOP("MainWindow", "Blue Grid"), Qt::transparent, ":/images/background1.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "White Grid"), Qt::transparent, ":/images/background2.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Gray Grid"), Qt::transparent, ":/images/background3.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Dot Grid"), Qt::transparent, ":/images/background4.png"},
};

QBrush brushOf(const Board &board)
{
    return *board.image ? QBrush(QPixmap(board.image)) : QBrush(board.color, Qt::SolidPattern);
}

QList<QKeySequence> keysOf(const BoardTools::Tool &tool)
{
    return QKeySequence::listFromString(QString::fromLatin1(tool.keys), QKeySequence::PortableText);
}

} // namespace

QBrush MainWindow::boardBrush(const QString &name)
{
    for (const Board &board : boards) {
        if (tr(board.name) == name)
            return brushOf(board);
    }
    return brushOf(boards[0]);
}

QString MainWindow::toolTip(const BoardTools::Tool &tool)
{
    const QList<QKeySequence> keys = keysOf(tool);
    return namedWithKey(tr(*tool.tooltip ? tool.tooltip : tool.label),
                        keys.isEmpty() ? QKeySequence() : keys.first());
}

QString MainWindow::namedWithKey(const QString &what, const QKeySequence &key)
{
    return key.isEmpty() ? what
                         : QString("%1 (%2)").arg(what, key.toString(QKeySequence::NativeText));
}

void MainWindow::createBoardToolBar()
{
    boardTools = new QActionGroup(this);
    boardTools->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    boardToolBar = new QToolBar(tr("Herramientas"), this);
    boardToolBar->setObjectName("boardToolBar");
    for (const BoardTools::Tool *tool = BoardTools::begin(); tool != BoardTools::end(); ++tool) {
        if (tool->place == BoardTools::Place::ToolsBar)
            addToolsBarEntry(*tool);
    }
    boardToolBar->setAutoFillBackground(true);
    // After the history bar, on the added bars' row.
    addToolBar(boardToolBar);
    createToolKeys();
    createLeaveKey();
}

// A command of the tool table: its icon, label, key and tip.
QAction *MainWindow::createToolAction(const BoardTools::Tool &tool)
{
    const QColor ink = tool.inks ? scene->ink(DiagramScene::Mode(tool.mode)) : QColor();
    auto *action = new QAction(ToolIcons::forName(tool.icon, ink), tr(tool.label), this);
    action->setObjectName(tool.id);
    action->setShortcuts(keysOf(tool));
    action->setToolTip(toolTip(tool));
    action->setStatusTip(tr(tool.label));
    return action;
}

void MainWindow::addToolsBarEntry(const BoardTools::Tool &tool)
{
    // The entries that are no tool of their own: a button with a menu, or a command.
    using Widget = QToolButton *(MainWindow::*) (const BoardTools::Tool &);
    using Action = QAction *(MainWindow::*) (const BoardTools::Tool &);
    static const std::pair<const char *, Widget> widgets[] = {
        {"grosor", &MainWindow::createWidthButton},
        {"paginas", &MainWindow::createPagesButton},
        {"fondo", &MainWindow::createBackgroundButton},
    };
    static const std::pair<const char *, Action> commands[] = {
        {"guardar", &MainWindow::createSaveAction},
        {"recuadro", &MainWindow::createLabelBoxAction},
        {"foco", &MainWindow::createSpotlightAction},
        {"lupa", &MainWindow::createLensAction},
        {"clics", &MainWindow::createEchoAction},
        {"teclas", &MainWindow::createEchoAction},
    };
    for (const auto &[id, create] : widgets) {
        if (QByteArray(tool.id) == id) {
            boardToolBar->addWidget((this->*create)(tool));
            return;
        }
    }
    for (const auto &[id, create] : commands) {
        if (QByteArray(tool.id) == id) {
            boardToolBar->addAction((this->*create)(tool));
            return;
        }
    }
    if (tool.inks)
        boardToolBar->addWidget(createInkButton(createBoardTool(tool), tool));
    else
        boardToolBar->addAction(createBoardTool(tool));
}

QAction *MainWindow::createBoardTool(const BoardTools::Tool &tool)
{
    QAction *action = createToolAction(tool);
    action->setCheckable(true);
    boardTools->addAction(action);
    const auto mode = DiagramScene::Mode(tool.mode);
    connect(action, &QAction::triggered, this, [this, action, mode] {
        // A second press of the key keeps the tool rather than leaving no tool at all.
        action->setChecked(true);
        chooseBoardTool(mode);
    });
    return action;
}

// A tool with inks of its own: its button chooses it, and the button's menu picks the ink,
// which is kept and chooses the tool too.
ColourButton *MainWindow::createInkButton(QAction *tool, const BoardTools::Tool &row)
{
    const auto mode = DiagramScene::Mode(row.mode);
    const QString icon = row.icon;
    auto *menu = new QMenu(this);
    auto *button = new ColourButton(menu, [icon](const QColor &colour) {
        return ToolIcons::forName(icon, colour);
    });
    button->setObjectName(QString::fromLatin1(row.id) + "Button");
    button->setDefaultAction(tool);
    button->setAccessibleName(tool->text());
    const Preference<QColor> stored = Preferences::inkColour(row.inks->preference);
    if (const std::optional<QColor> colour = stored.stored(*settings)) {
        scene->setInk(mode, *colour);
        button->showColour(*colour);
    }
    for (const BoardTools::InkChoice &choice : row.inks->choices)
        ColourButton::addEntry(menu,
                               tr(choice.label),
                               choice.colour,
                               button->iconOf(choice.colour),
                               menu);
    connect(menu, &QMenu::triggered, this, [this, button, &row](QAction *entry) {
        chooseInk(row, ColourButton::colourOf(entry));
        button->defaultAction()->trigger();
    });
    return button;
}

void MainWindow::chooseInk(const BoardTools::Tool &tool, const QColor &colour)
{
    const auto mode = DiagramScene::Mode(tool.mode);
    if (!tool.inks || scene->ink(mode) == colour)
        return;
    scene->setInk(mode, colour);
    storePreferences({{Preferences::inkColour(tool.inks->preference).key, colour}});
    if (auto *button = findChild<ColourButton *>(QString::fromLatin1(tool.id) + "Button"))
        button->showColour(colour);
}

void MainWindow::choosePenWidth(int width)
{
    if (width == scene->freehandPenWidth())
        return;
    applyPenWidth(width);
    storePreferences({{Preferences::penWidth.key, width}});
}

void MainWindow::chooseSpotlightRadius(int pixels)
{
    view->setSpotlightRadius(pixels); // kept by the view's report of the new size
}

int MainWindow::spotlightRadius() const
{
    return view->spotlightRadius();
}

// The spotlight is no tool of its own: it darkens the board around the pointer whatever tool
// draws. Esc leaves it too, and while it is on, the width keys size its circle.
QAction *MainWindow::createSpotlightAction(const BoardTools::Tool &tool)
{
    QAction *spotlight = createToolAction(tool);
    spotlight->setCheckable(true);
    connect(spotlight, &QAction::toggled, view, &diagramview::setSpotlight);
    connect(view, &diagramview::spotlightToggled, spotlight, &QAction::setChecked);

    if (const std::optional<int> stored = Preferences::spotlightRadius.stored(*settings))
        view->setSpotlightRadius(*stored);
    connect(view, &diagramview::spotlightResized, this, [this](int radius) {
        storePreferences({{Preferences::spotlightRadius.key, radius}});
    });
    return spotlight;
}

QAction *MainWindow::createSaveAction(const BoardTools::Tool &tool)
{
    QAction *save = createToolAction(tool);
    connect(save, &QAction::triggered, this, &MainWindow::saveBoardImage);
    return save;
}

void MainWindow::chooseBoardTool(DiagramScene::Mode mode)
{
    // Neither the tool box nor the pointer buttons show a tool while one of these is in use.
    uncheckAll(buttonGroup);
    uncheckAll(pointerGroup);
    scene->setMode(mode);
}

// Qt keeps one button of an exclusive group checked; a tool chosen elsewhere checks none.
void MainWindow::uncheckAll(QButtonGroup *group)
{
    group->setExclusive(false);
    for (QAbstractButton *button : group->buttons())
        button->setChecked(false);
    group->setExclusive(true);
}

void MainWindow::uncheckBoardTools()
{
    if (QAction *tool = boardTools ? boardTools->checkedAction() : nullptr)
        tool->setChecked(false);
}

QToolButton *MainWindow::createWidthButton(const BoardTools::Tool &tool)
{
    penWidths = new QActionGroup(this);
    auto *menu = new QMenu(this);
    for (int width : Preferences::offeredPenWidths) {
        QAction *choice = menu->addAction(ToolIcons::width(width), tr("%1 px").arg(width));
        choice->setCheckable(true);
        choice->setData(width);
        penWidths->addAction(choice);
        connect(choice, &QAction::triggered, this, [this, width] { choosePenWidth(width); });
    }
    menu->addSeparator();
    addWidthSteps(menu);

    widthButton = new QToolButton;
    widthButton->setObjectName("widthButton");
    widthButton->setMenu(menu);
    widthButton->setPopupMode(QToolButton::InstantPopup);
    widthButton->setAccessibleName(tr(tool.label));
    applyPenWidth(Preferences::penWidth.read(*settings));
    return widthButton;
}

// A broader and a finer pen, with their keys, which work while the board is open and the menu
// closed.
void MainWindow::addWidthSteps(QMenu *menu)
{
    for (const BoardTools::Tool *tool = BoardTools::begin(); tool != BoardTools::end(); ++tool) {
        if (tool->place != BoardTools::Place::WidthMenu)
            continue;
        QAction *step = menu->addAction(tr(tool->label));
        step->setObjectName(tool->id);
        step->setShortcuts(keysOf(*tool));
        const int direction = QByteArray(tool->id) == "mas-fino" ? -1 : +1;
        connect(step, &QAction::triggered, this, [this, direction] { stepPenWidth(direction); });
        view->addAction(step);
    }
}

// On while new labels get a box; toggling it gives the selected labels one or takes it away.
QAction *MainWindow::createLabelBoxAction(const BoardTools::Tool &tool)
{
    QAction *action = createToolAction(tool);
    action->setCheckable(true);
    connect(action, &QAction::toggled, this, [this](bool boxed) { scene->setLabelsBoxed(boxed); });
    return action;
}

// The pages of the board: previous, next (a new one after the last), new and delete; then the
// board as a file: save, open and export. Each has its key where it has one, working while the
// menu is closed.
QToolButton *MainWindow::createPagesButton(const BoardTools::Tool &tool)
{
    const std::pair<const char *, std::function<void()>> commands[] = {
        {"pagina-anterior", [this] { pages->showPrevious(); }},
        {"pagina-siguiente", [this] { pages->showNext(); }},
        {"pagina-nueva", [this] { pages->addPage(); }},
        {"pagina-borrar", [this] { pages->removeCurrent(); }},
        {"tablero-guardar", [this] { document->saveAs(); }},
        {"tablero-abrir", [this] { document->open(); }},
        {"exportar-pdf", [this] { document->exportPdf(); }},
    };
    auto *menu = new QMenu(this);
    for (const auto &[id, command] : commands) {
        const BoardTools::Tool *entry = BoardTools::find(id);
        if (QByteArray(id) == "tablero-guardar")
            menu->addSeparator();
        QAction *action = menu->addAction(tr(entry->label));
        action->setObjectName(id);
        action->setShortcuts(keysOf(*entry));
        connect(action, &QAction::triggered, this, command);
        view->addAction(action);
    }
    auto *button = new QToolButton;
    button->setObjectName("pagesButton");
    button->setIcon(ToolIcons::forName(tool.icon, {}));
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setAccessibleName(tr(tool.label));
    button->setToolTip(toolTip(tool));
    return button;
}

void MainWindow::applyPenWidth(int width)
{
    scene->setPenWidth(width);
    for (QAction *choice : penWidths->actions()) {
        if (choice->data().toInt() == width)
            choice->setChecked(true);
    }
    widthButton->setIcon(ToolIcons::width(width));
    widthButton->setToolTip(tr("Grosor: %1 px (Ctrl++ / Ctrl+-)").arg(width));
}

void MainWindow::stepPenWidth(int direction)
{
    if (view->isLensOn()) {
        view->stepLens(direction);
        return;
    }
    if (view->isSpotlightOn()) {
        view->stepSpotlight(direction);
        return;
    }
    const QList<QAction *> choices = penWidths->actions();
    const qsizetype current = choices.indexOf(penWidths->checkedAction());
    const qsizetype next = qBound<qsizetype>(0, current + direction, choices.size() - 1);
    if (next != current)
        choices.at(next)->trigger();
}

QToolButton *MainWindow::createBackgroundButton(const BoardTools::Tool &tool)
{
    backgroundButtonGroup = new QButtonGroup(this);
    connect(backgroundButtonGroup,
            &QButtonGroup::buttonClicked,
            this,
            &MainWindow::backgroundButtonGroupClicked);
    auto *grid = new QGridLayout;
    grid->setSpacing(4);
    for (int index = 0; index < int(std::size(boards)); ++index) {
        const Board &board = boards[index];
        grid->addLayout(createBackgroundCell(tr(board.name), brushOf(board)), index / 4, index % 4);
    }
    backgroundButtonGroup->buttons().constFirst()->setChecked(true); // see-through, as at start

    auto *cells = new QWidget;
    cells->setLayout(grid);
    auto *menu = new QMenu(this);
    auto *holder = new QWidgetAction(menu);
    holder->setDefaultWidget(cells);
    menu->addAction(holder);
    connect(backgroundButtonGroup, &QButtonGroup::buttonClicked, menu, &QMenu::close);

    auto *button = new QToolButton;
    button->setObjectName("backgroundButton");
    button->setText(tr(tool.label));
    button->setToolTip(tr(tool.label));
    button->setAccessibleName(tr(tool.label));
    button->setIcon(ToolIcons::background(boardBrush(tr("Blue Grid"))));
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
    return button;
}

QGridLayout *MainWindow::createBackgroundCell(const QString &name, const QBrush &brush)
{
    auto *button = new QToolButton;
    button->setText(name);
    button->setIcon(ToolIcons::background(brush));
    button->setIconSize(QSize(50, 50));
    button->setCheckable(true);
    button->setAccessibleName(name);
    backgroundButtonGroup->addButton(button);
    auto *cell = new QGridLayout;
    cell->addWidget(button, 0, 0, Qt::AlignHCenter);
    cell->addWidget(new QLabel(name), 1, 0, Qt::AlignCenter);
    return cell;
}

// Every tool can be chosen from the keyboard, with keys that neither collide with the board's
// other keys nor with those a label uses while its text is edited.
void MainWindow::createToolKeys()
{
    for (const BoardTools::Tool *tool = BoardTools::begin(); tool != BoardTools::end(); ++tool) {
        QButtonGroup *group = tool->place == BoardTools::Place::ToolBox      ? buttonGroup
                              : tool->place == BoardTools::Place::PointerBar ? pointerGroup
                                                                             : nullptr;
        if (!group)
            continue;
        QAbstractButton *button = group->button(tool->button);
        button->setToolTip(toolTip(*tool));
        auto *key = new QAction(this);
        key->setShortcuts(keysOf(*tool));
        connect(key, &QAction::triggered, button, &QAbstractButton::click);
        view->addAction(key);
    }
}
