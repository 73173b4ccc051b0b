// The tools beside the tool box (highlighter, eraser, arrow), the pen widths, the board's
// background, and a key for every tool.
#include "mainwindow.h"

#include "items/diagramview.h"

#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QSettings>
#include <QToolBar>
#include <QToolButton>
#include <QWidgetAction>

#include <functional>

namespace {

constexpr char penWidthKey[] = "penWidth";
constexpr char highlightColorKey[] = "highlightColor";
constexpr int defaultPenWidth = 5;
const int offeredWidths[] = {2, 5, 9, 15, 24};
constexpr int textToolId = 10;

struct HighlightEntry
{
    const char *label;
    QColor color;
};

// Bright enough to find on any slide, translucent enough to read what lies under them.
const HighlightEntry highlightEntries[] = {
    {QT_TRANSLATE_NOOP("MainWindow", "Amarillo"), QColor(255, 230, 0, 110)},
    {QT_TRANSLATE_NOOP("MainWindow", "Verde"), QColor(60, 230, 60, 110)},
    {QT_TRANSLATE_NOOP("MainWindow", "Rosa"), QColor(255, 80, 200, 110)},
    {QT_TRANSLATE_NOOP("MainWindow", "Celeste"), QColor(60, 200, 255, 110)},
    {QT_TRANSLATE_NOOP("MainWindow", "Naranja"), QColor(255, 150, 30, 110)},
};

// An icon drawn on a 24-pixel square, sharp at single and double scale.
QIcon paintedIcon(const std::function<void(QPainter &)> &draw)
{
    QIcon icon;
    for (qreal scale : {1.0, 2.0}) {
        QPixmap pixmap(QSize(24, 24) * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon highlighterIcon(const QColor &color)
{
    return paintedIcon([color](QPainter &painter) {
        QColor ink = color;
        ink.setAlpha(200);
        painter.setPen(QPen(ink, 7, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(4, 19), QPointF(20, 19));
        painter.setPen(QPen(Qt::black, 1.5));
        painter.setBrush(QColor(250, 250, 250));
        painter.drawPolygon(QPolygonF({{8, 15}, {15, 4}, {20, 7}, {13, 18}}));
        painter.setBrush(ink);
        painter.drawPolygon(QPolygonF({{8, 15}, {13, 18}, {9, 20}, {7, 18}}));
    });
}

QIcon eraserIcon()
{
    return paintedIcon([](QPainter &painter) {
        painter.setPen(QPen(Qt::black, 1.5));
        painter.setBrush(QColor(240, 120, 140));
        painter.drawPolygon(QPolygonF({{3, 15}, {12, 6}, {21, 12}, {12, 21}}));
        painter.setBrush(QColor(250, 250, 250));
        painter.drawPolygon(QPolygonF({{3, 15}, {7.5, 10.5}, {16.5, 16.5}, {12, 21}}));
    });
}

QIcon arrowIcon()
{
    return paintedIcon([](QPainter &painter) {
        painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(4, 20), QPointF(16, 8));
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawPolygon(QPolygonF({{21, 3}, {18.5, 13}, {11, 5.5}}));
    });
}

QIcon widthIcon(int width)
{
    return paintedIcon([width](QPainter &painter) {
        painter.setPen(QPen(Qt::black, qMin(width, 16), Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(2, 12), QPointF(22, 12));
    });
}

QIcon backgroundIcon(const QBrush &brush)
{
    QPixmap swatch(50, 50);
    swatch.fill(Qt::transparent);
    QPainter painter(&swatch);
    if (brush.color().alpha() == 0 && brush.style() == Qt::SolidPattern) {
        // The desktop shows through: a checkerboard, as for the see-through colours.
        for (int y = 0; y < 50; y += 10) {
            for (int x = 0; x < 50; x += 10)
                painter.fillRect(x, y, 10, 10, (x + y) % 20 ? QColor(200, 200, 200) : Qt::white);
        }
    } else {
        painter.fillRect(swatch.rect(), brush);
    }
    painter.setPen(Qt::gray);
    painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    painter.end();
    return QIcon(swatch);
}

// The plain boards offered beside the bundle's grids.
struct PlainBoard
{
    const char *name;
    QBrush brush;
};

const PlainBoard plainBoards[] = {
    {QT_TRANSLATE_NOOP("MainWindow", "Transparente"), QBrush(Qt::transparent, Qt::SolidPattern)},
    {QT_TRANSLATE_NOOP("MainWindow", "Pizarra blanca"), QBrush(Qt::white, Qt::SolidPattern)},
    {QT_TRANSLATE_NOOP("MainWindow", "Pizarra negra"), QBrush(Qt::black, Qt::SolidPattern)},
};

} // namespace

void MainWindow::createBoardToolBar()
{
    boardTools = new QActionGroup(this);
    boardTools->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);

    QAction *highlight = createBoardTool(tr("Resaltador"),
                                         highlighterIcon(scene->currentHighlightColor()),
                                         QKeySequence(tr("Ctrl+H")),
                                         DiagramScene::DrawHighlight);
    auto *highlightButton = new QToolButton;
    highlightButton->setObjectName("highlightButton");
    highlightButton->setDefaultAction(highlight);
    highlightButton->setPopupMode(QToolButton::MenuButtonPopup);
    highlightButton->setMenu(createHighlightColorMenu());
    highlightButton->setAccessibleName(tr("Resaltador"));
    QAction *erase = createBoardTool(tr("Borrador"),
                                     eraserIcon(),
                                     QKeySequence(tr("Ctrl+E")),
                                     DiagramScene::Erase);
    QAction *arrow = createBoardTool(tr("Flecha"),
                                     arrowIcon(),
                                     QKeySequence(tr("Ctrl+Shift+F")),
                                     DiagramScene::InsertArrow);
    createWidthButton();

    boardToolBar = new QToolBar(tr("Herramientas"), this);
    boardToolBar->setObjectName("boardToolBar");
    boardToolBar->addWidget(highlightButton);
    boardToolBar->addAction(erase);
    boardToolBar->addAction(arrow);
    boardToolBar->addWidget(widthButton);
    createBackgroundButton();
    auto *save = new QAction(paintedIcon([](QPainter &painter) {
                                 painter.setPen(QPen(Qt::black, 1.5));
                                 painter.setBrush(QColor(70, 110, 200));
                                 painter.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
                                 painter.setBrush(Qt::white);
                                 painter.drawRect(QRectF(7, 3, 10, 7));
                                 painter.drawRect(QRectF(6, 14, 12, 7));
                             }),
                             tr("Guardar imagen"),
                             this);
    save->setShortcut(QKeySequence::Save);
    save->setToolTip(tr("Guardar el tablero como imagen (%1)")
                         .arg(QKeySequence(QKeySequence::Save).toString(QKeySequence::NativeText)));
    save->setStatusTip(tr("Guardar imagen"));
    connect(save, &QAction::triggered, this, &MainWindow::saveBoardImage);
    boardToolBar->addAction(save);
    boardToolBar->setAutoFillBackground(true);
    // Beside the four bars, not among them: their content and order stay as they are.
    insertToolBar(pointerToolBar, boardToolBar);
    createToolKeys();
}

QAction *MainWindow::createBoardTool(const QString &name,
                                     const QIcon &icon,
                                     const QKeySequence &key,
                                     DiagramScene::Mode mode)
{
    auto *tool = new QAction(icon, name, this);
    tool->setCheckable(true);
    tool->setShortcut(key);
    tool->setToolTip(QString("%1 (%2)").arg(name, key.toString(QKeySequence::NativeText)));
    tool->setStatusTip(name);
    boardTools->addAction(tool);
    connect(tool, &QAction::triggered, this, [this, tool, mode] {
        // A second press of the key keeps the tool rather than leaving no tool at all.
        tool->setChecked(true);
        chooseBoardTool(mode);
    });
    return tool;
}

QMenu *MainWindow::createHighlightColorMenu()
{
    auto *menu = new QMenu(this);
    if (const auto stored = settings->value(highlightColorKey).value<QColor>(); stored.isValid())
        scene->setHighlightColor(stored);
    for (const HighlightEntry &entry : highlightEntries) {
        QAction *choice = menu->addAction(highlighterIcon(entry.color), tr(entry.label));
        connect(choice, &QAction::triggered, this, [this, color = entry.color] {
            scene->setHighlightColor(color);
            storePreferences({{highlightColorKey, color}});
            if (QAction *tool = boardTools->actions().value(0)) {
                tool->setIcon(highlighterIcon(color));
                tool->trigger();
            }
        });
    }
    return menu;
}

void MainWindow::chooseBoardTool(DiagramScene::Mode mode)
{
    // The tool box shows no tool while one of these is in use.
    buttonGroup->setExclusive(false);
    for (QAbstractButton *button : buttonGroup->buttons())
        button->setChecked(false);
    buttonGroup->setExclusive(true);
    scene->setMode(mode);
}

void MainWindow::uncheckBoardTools()
{
    if (QAction *tool = boardTools ? boardTools->checkedAction() : nullptr)
        tool->setChecked(false);
}

void MainWindow::createWidthButton()
{
    penWidths = new QActionGroup(this);
    auto *menu = new QMenu(this);
    for (int width : offeredWidths) {
        QAction *choice = menu->addAction(widthIcon(width), tr("%1 px").arg(width));
        choice->setCheckable(true);
        choice->setData(width);
        penWidths->addAction(choice);
        connect(choice, &QAction::triggered, this, [this, width] {
            applyPenWidth(width);
            storePreferences({{penWidthKey, width}});
        });
    }
    menu->addSeparator();
    QAction *thicker = menu->addAction(tr("Más grueso"));
    thicker->setShortcuts({QKeySequence(tr("Ctrl++")), QKeySequence(tr("Ctrl+="))});
    connect(thicker, &QAction::triggered, this, [this] { stepPenWidth(+1); });
    QAction *thinner = menu->addAction(tr("Más fino"));
    thinner->setShortcut(QKeySequence(tr("Ctrl+-")));
    connect(thinner, &QAction::triggered, this, [this] { stepPenWidth(-1); });
    // The keys work while the board is open, the menu closed.
    view->addActions({thicker, thinner});

    widthButton = new QToolButton;
    widthButton->setObjectName("widthButton");
    widthButton->setMenu(menu);
    widthButton->setPopupMode(QToolButton::InstantPopup);
    widthButton->setAccessibleName(tr("Grosor"));
    bool ok = false;
    const int stored = settings->value(penWidthKey).toInt(&ok);
    const bool offered = std::find(std::begin(offeredWidths), std::end(offeredWidths), stored)
                         != std::end(offeredWidths);
    applyPenWidth(ok && offered ? stored : defaultPenWidth);
}

void MainWindow::applyPenWidth(int width)
{
    scene->setPenWidth(width);
    for (QAction *choice : penWidths->actions()) {
        if (choice->data().toInt() == width)
            choice->setChecked(true);
    }
    widthButton->setIcon(widthIcon(width));
    widthButton->setToolTip(tr("Grosor: %1 px (Ctrl++ / Ctrl+-)").arg(width));
}

void MainWindow::stepPenWidth(int direction)
{
    const QList<QAction *> choices = penWidths->actions();
    const qsizetype current = choices.indexOf(penWidths->checkedAction());
    const qsizetype next = qBound<qsizetype>(0, current + direction, choices.size() - 1);
    if (next != current)
        choices.at(next)->trigger();
}

void MainWindow::createBackgroundButton()
{
    backgroundButtonGroup = new QButtonGroup(this);
    connect(backgroundButtonGroup,
            &QButtonGroup::buttonClicked,
            this,
            &MainWindow::backgroundButtonGroupClicked);
    auto *grid = new QGridLayout;
    grid->setSpacing(4);
    auto addCell = [this, grid](const QString &name, const QIcon &icon) {
        auto *button = new QToolButton;
        button->setText(name);
        button->setIcon(icon);
        button->setIconSize(QSize(50, 50));
        button->setCheckable(true);
        button->setAccessibleName(name);
        backgroundButtonGroup->addButton(button);
        auto *cell = new QGridLayout;
        cell->addWidget(button, 0, 0, Qt::AlignHCenter);
        cell->addWidget(new QLabel(name), 1, 0, Qt::AlignCenter);
        const int index = int(backgroundButtonGroup->buttons().size()) - 1;
        grid->addLayout(cell, index / 4, index % 4);
        return button;
    };
    for (const PlainBoard &board : plainBoards)
        addCell(tr(board.name), backgroundIcon(board.brush))
            ->setChecked(board.brush.color().alpha() == 0);
    const char *grids[][2] = {{QT_TR_NOOP("Blue Grid"), ":/images/background1.png"},
                              {QT_TR_NOOP("White Grid"), ":/images/background2.png"},
                              {QT_TR_NOOP("Gray Grid"), ":/images/background3.png"},
                              {QT_TR_NOOP("Dot Grid"), ":/images/background4.png"}};
    for (const auto &[name, image] : grids)
        addCell(tr(name), backgroundIcon(QBrush(QPixmap(image))));

    auto *cells = new QWidget;
    cells->setLayout(grid);
    auto *menu = new QMenu(this);
    auto *holder = new QWidgetAction(menu);
    holder->setDefaultWidget(cells);
    menu->addAction(holder);
    connect(backgroundButtonGroup, &QButtonGroup::buttonClicked, menu, &QMenu::close);

    auto *button = new QToolButton;
    button->setObjectName("backgroundButton");
    button->setText(tr("Fondo"));
    button->setToolTip(tr("Fondo"));
    button->setAccessibleName(tr("Fondo"));
    button->setIcon(backgroundIcon(QBrush(QPixmap(":/images/background1.png"))));
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
    boardToolBar->addWidget(button);
}

// Every tool can be chosen from the keyboard, with keys that neither collide with the board's
// other keys nor with those a label uses while its text is edited.
void MainWindow::createToolKeys()
{
    const QList<std::pair<int, const char *>> toolBoxKeys = {
        {int(DiagramItem::Square), "Ctrl+1"},
        {int(DiagramItem::Diamond), "Ctrl+2"},
        {int(DiagramItem::Parallelogram), "Ctrl+3"},
        {int(DiagramItem::Freehand), "Ctrl+4"},
        {textToolId, "Ctrl+5"},
        {int(DiagramItem::CutRect), "Ctrl+6"},
        {int(DiagramItem::FreeRect), "Ctrl+7"},
    };
    auto keyFor = [this](QAbstractButton *button, const QString &key) {
        auto *action = new QAction(this);
        action->setShortcut(QKeySequence(key));
        connect(action, &QAction::triggered, button, &QAbstractButton::click);
        view->addAction(action);
    };
    for (const auto &[id, key] : toolBoxKeys)
        keyFor(buttonGroup->button(id), tr(key));
    keyFor(pointerGroup->button(int(DiagramScene::MoveItem)), tr("Ctrl+8"));
    keyFor(pointerGroup->button(int(DiagramScene::InsertLine)), tr("Ctrl+9"));
}
