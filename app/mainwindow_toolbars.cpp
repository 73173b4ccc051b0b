// The four toolbars, the formatting they pass to the scene and the preferences they keep.
#include "mainwindow.h"

#include "app/colourbutton.h"
#include "app/diagramview.h"
#include "app/fontsizevalidator.h"
#include "app/preferences.h"
#include "items/diagramtextitem.h"
#include "scene/diagramscene.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QFontComboBox>
#include <QFontInfo>
#include <QMenu>
#include <QPainter>
#include <QScopedValueRollback>
#include <QSettings>
#include <QToolBar>
#include <QToolButton>

namespace {

struct ColorEntry
{
    const char *label;
    QColor color;
};

// The colours every colour menu offers, in menu order.
const ColorEntry colorEntries[] = {
    {QT_TRANSLATE_NOOP("MainWindow", "Semi-Transparente"), QColor(255, 255, 255, 100)},
    {QT_TRANSLATE_NOOP("MainWindow", "Transparente"), QColor(Qt::transparent)},
    {QT_TRANSLATE_NOOP("MainWindow", "Negro"), QColor(Qt::black)},
    {QT_TRANSLATE_NOOP("MainWindow", "Blanco"), QColor(Qt::white)},
    {QT_TRANSLATE_NOOP("MainWindow", "Rojo"), QColor(Qt::red)},
    {QT_TRANSLATE_NOOP("MainWindow", "azul"), QColor(Qt::blue)},
    {QT_TRANSLATE_NOOP("MainWindow", "Amarillo"), QColor(Qt::yellow)},
    {QT_TRANSLATE_NOOP("MainWindow", "Verde"), QColor(Qt::green)},
};

const char textColorImage[] = ":/images/textpointer.png";
const char fillColorImage[] = ":/images/floodfill.png";
const char lineColorImage[] = ":/images/linecolor.png";

QColor entryColor(const QAction *entry)
{
    return ColourButton::colourOf(entry);
}

} // namespace

void MainWindow::createToolbars()
{
    createEditToolBar();
    restoreFontStyles();
    createFontControls();
    createColorButtons();

    textToolBar = addToolBar(tr("Font"));
    textToolBar->addWidget(fontCombo);
    textToolBar->addWidget(fontSizeCombo);
    textToolBar->addAction(boldAction);
    textToolBar->addAction(italicAction);
    textToolBar->addAction(underlineAction);

    colorToolBar = addToolBar(tr("Color"));
    colorToolBar->addWidget(fontColorToolButton);
    colorToolBar->addWidget(fillColorToolButton);
    colorToolBar->addWidget(lineColorToolButton);

    createPointerToolBar();
}

void MainWindow::createEditToolBar()
{
    editToolBar = addToolBar(tr("Edit"));
    editToolBar->addAction(deleteAction);
    editToolBar->addAction(clearAction);
    editToolBar->addAction(toFrontAction);
    editToolBar->addAction(sendBackAction);
    editToolBar->addAction(copyAction);
}

void MainWindow::restoreFontStyles()
{
    // Read in this order: the font first, then the three styles.
    fontCombo = new QFontComboBox;
    fontCombo->setAccessibleName(tr("Fuente"));
    fontCombo->setToolTip(tr("Fuente"));
    fontCombo->setCurrentFont(Preferences::font.read(*settings));
    italicAction->setChecked(Preferences::italic.read(*settings));
    underlineAction->setChecked(Preferences::underline.read(*settings));
    boldAction->setChecked(Preferences::bold.read(*settings));
}

void MainWindow::createFontControls()
{
    connect(fontCombo, &QFontComboBox::currentFontChanged, this, &MainWindow::currentFontChanged);

    fontSizeCombo = new QComboBox;
    fontSizeCombo->setAccessibleName(tr("Tamaño de letra"));
    fontSizeCombo->setToolTip(tr("Tamaño de letra"));
    fontSizeCombo->setEditable(true);
    for (int size = 8; size <= 28; size += 2)
        fontSizeCombo->addItem(QString::number(size));
    fontSizeCombo->setValidator(new FontSizeValidator(fontSizeText, this));
    fontSizeText = fontSizeCombo->currentText();
    connect(fontSizeCombo, &QComboBox::currentTextChanged, this, &MainWindow::fontSizeChanged);
    // Read before the start-up writes the size over.
    const QString unusableSize = Preferences::fontSize.ignored(*settings);
    // Connected first on purpose: a stored size that differs from the first item reaches the
    // scene through handleFontChange(), and so does the absence of one (no size chosen).
    const QString storedSize = Preferences::fontSize.read(*settings);
    fontSizeCombo->setCurrentText(storedSize);
    if (storedSize.isEmpty()) {
        fontSizeText.clear();
        handleFontChange();
    }
    if (!unusableSize.isEmpty())
        takeReadableFontSize(unusableSize);
    else if (const QFont labels = scene->currentTextFont(); !Preferences::hasReadableSize(labels))
        takeReadableFontSize(
            QString::number(labels.pointSizeF() > 0 ? labels.pointSizeF() : labels.pixelSize()));
}

// A label is always readable: a stored size it cannot take is ignored, the box shows the size
// labels get instead, and the status bar says so.
void MainWindow::takeReadableFontSize(const QString &ignored)
{
    const QFont labels = scene->currentTextFont();
    const int size = Preferences::hasReadableSize(labels) ? QFontInfo(labels).pointSize()
                                                          : Preferences::readableFallbackSize();
    const QString text = QString::number(size);
    if (fontSizeCombo->currentText() == text) {
        fontSizeText = text;
        handleFontChange();
    } else {
        fontSizeCombo->setCurrentText(text); // applied through fontSizeChanged()
    }
    notesAtStart << tr("Tamaño de letra guardado no válido («%1»): las etiquetas usan %2")
                        .arg(ignored, text);
}

void MainWindow::createColorButtons()
{
    fontColorToolButton = createColorButton(Preferences::fontColor,
                                            textColorImage,
                                            SLOT(textColorChanged()),
                                            textAction,
                                            &DiagramScene::setTextColor);
    fontColorToolButton->setAutoFillBackground(true);
    fontColorToolButton->setAccessibleName(tr("Color del texto"));
    fontColorToolButton->setToolTip(tr("Color del texto"));
    connect(fontColorToolButton, &QToolButton::clicked, this, &MainWindow::textButtonTriggered);

    fillColorToolButton = createColorButton(Preferences::fillColor,
                                            fillColorImage,
                                            SLOT(itemColorChanged()),
                                            fillAction,
                                            &DiagramScene::setItemColor);
    connect(fillColorToolButton, &QToolButton::clicked, this, &MainWindow::fillButtonTriggered);
    fillColorToolButton->setAccessibleName(tr("Color de relleno"));
    fillColorToolButton->setToolTip(tr("Color de relleno"));

    lineColorToolButton = createColorButton(Preferences::lineColor,
                                            lineColorImage,
                                            SLOT(lineColorChanged()),
                                            lineAction,
                                            &DiagramScene::setLineColor);
    connect(lineColorToolButton, &QToolButton::clicked, this, &MainWindow::lineButtonTriggered);
    lineColorToolButton->setAccessibleName(tr("Color de línea"));
    lineColorToolButton->setToolTip(tr("Color de línea"));
}

ColourButton *MainWindow::createColorButton(const Preference<QColor> &stored,
                                            const QString &image,
                                            const char *pickSlot,
                                            QAction *&currentEntry,
                                            void (DiagramScene::*apply)(const QColor &))
{
    // The scene learns a stored colour at once; with none it keeps its own.
    const QColor color = stored.read(*settings);
    if (stored.stored(*settings))
        (scene->*apply)(color);
    QMenu *menu = createColorMenu(pickSlot, color);
    auto *button = new ColourButton(menu, [this, image](const QColor &c) {
        return createColorToolButtonIcon(image, c);
    });
    currentEntry = menu->defaultAction();
    button->showColour(color);
    return button;
}

void MainWindow::createPointerToolBar()
{
    auto *pointerButton = new QToolButton;
    pointerButton->setCheckable(true);
    pointerButton->setChecked(true);
    pointerButton->setIcon(QIcon(":/images/pointer.png"));
    pointerButton->setAccessibleName(tr("Mover"));
    auto *linePointerButton = new QToolButton;
    linePointerButton->setAccessibleName(tr("Línea"));
    linePointerButton->setCheckable(true);
    linePointerButton->setIcon(QIcon(":/images/linepointer.png"));

    pointerGroup = new QButtonGroup(this);
    pointerGroup->addButton(pointerButton, int(DiagramScene::MoveItem));
    pointerGroup->addButton(linePointerButton, int(DiagramScene::InsertLine));
    connect(pointerGroup, &QButtonGroup::buttonClicked, this, &MainWindow::pointerGroupClicked);

    sceneScaleCombo = new QComboBox;
    sceneScaleCombo->setAccessibleName(tr("Escala del tablero"));
    sceneScaleCombo->setToolTip(tr("Escala del tablero"));
    sceneScaleCombo->addItems({tr("50%"), tr("75%"), tr("100%"), tr("125%"), tr("150%")});
    sceneScaleCombo->setCurrentIndex(2);
    connect(sceneScaleCombo, &QComboBox::currentTextChanged, this, &MainWindow::sceneScaleChanged);

    auto *spacer = new QWidget;
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);

    pointerToolBar = addToolBar(tr("Pointer type"));
    pointerToolBar->addWidget(pointerButton);
    pointerToolBar->addWidget(linePointerButton);
    pointerToolBar->addWidget(sceneScaleCombo);
    pointerToolBar->addWidget(spacer);
    pointerToolBar->addAction(minimizeAction);
    pointerToolBar->addAction(maximizeAction);
    pointerToolBar->addAction(exitAction);
}

void MainWindow::currentFontChanged(const QFont &)
{
    handleFontChange();
}

// Only whole sizes from 2 to 64 are applied; while the typed text is incomplete or out of
// range the last good size stays in force, and the validator shows it again when the user
// leaves the box.
void MainWindow::fontSizeChanged(const QString &size)
{
    if (!Preferences::isValidFontSize(size))
        return;
    fontSizeText = size;
    handleFontChange();
}

void MainWindow::handleFontChange()
{
    QFont font = fontCombo->currentFont();
    if (Preferences::isValidFontSize(fontSizeText))
        font.setPointSize(fontSizeText.toInt());
    font.setWeight(boldAction->isChecked() ? QFont::Bold : QFont::Normal);
    font.setStyle(italicAction->isChecked() ? QFont::StyleItalic : QFont::StyleNormal);
    font.setUnderline(underlineAction->isChecked());

    storePreferences({{Preferences::font.key, fontCombo->currentFont()},
                      {Preferences::fontSize.key, fontSizeText},
                      {Preferences::bold.key, boldAction->isChecked()},
                      {Preferences::italic.key, italicAction->isChecked()},
                      {Preferences::underline.key, underlineAction->isChecked()}});

    // While the toolbars take on a selected label's font, that label keeps its own.
    if (showingLabelFont)
        scene->setTextFontForNewItems(font);
    else
        scene->setTextFont(font);
}

void MainWindow::itemSelected(QGraphicsItem *item)
{
    auto *textItem = qgraphicsitem_cast<DiagramTextItem *>(item);
    if (!textItem)
        return;
    const QScopedValueRollback<bool> showing(showingLabelFont, true);
    const QFont font = textItem->font();
    fontCombo->setCurrentFont(font);
    fontSizeCombo->setEditText(QString::number(font.pointSize()));
    boldAction->setChecked(font.weight() == QFont::Bold);
    italicAction->setChecked(font.style() != QFont::StyleNormal);
    underlineAction->setChecked(font.underline());
    // The styles change no signal that stores them; store what the toolbars now show.
    handleFontChange();
}

void MainWindow::sceneScaleChanged(const QString &scale)
{
    const double factor = scale.left(scale.indexOf(tr("%"))).toDouble() / 100.0;
    leaveLens();
    const QTransform old = view->transform();
    view->resetTransform();
    view->translate(old.dx(), old.dy());
    view->scale(factor, factor);
    view->followZoom();
}

void MainWindow::pointerGroupClicked()
{
    uncheckBoardTools();
    uncheckAll(buttonGroup);
    scene->setMode(DiagramScene::Mode(pointerGroup->checkedId()));
}

void MainWindow::pickColor(QAction *&currentEntry, ColourButton *button)
{
    currentEntry = qobject_cast<QAction *>(sender());
    button->showColour(entryColor(currentEntry));
}

void MainWindow::textColorChanged()
{
    pickColor(textAction, fontColorToolButton);
    storePreferences({{Preferences::fontColor.key, entryColor(textAction)}});
    textButtonTriggered();
}

void MainWindow::itemColorChanged()
{
    pickColor(fillAction, fillColorToolButton);
    fillButtonTriggered();
}

void MainWindow::lineColorChanged()
{
    pickColor(lineAction, lineColorToolButton);
    lineButtonTriggered();
}

// A click on a colour button applies its current entry; with no entry (a stored colour that no
// menu offers) there is nothing to apply until one is picked.
void MainWindow::textButtonTriggered()
{
    if (textAction)
        scene->setTextColor(entryColor(textAction));
}

void MainWindow::fillButtonTriggered()
{
    if (!fillAction)
        return;
    scene->setItemColor(entryColor(fillAction));
    storePreferences({{Preferences::fillColor.key, entryColor(fillAction)}});
}

void MainWindow::lineButtonTriggered()
{
    if (!lineAction)
        return;
    scene->setLineColor(entryColor(lineAction));
    storePreferences({{Preferences::lineColor.key, entryColor(lineAction)}});
}

QMenu *MainWindow::createColorMenu(const char *slot, QColor defaultColor)
{
    auto *colorMenu = new QMenu(this);
    for (const ColorEntry &entry : colorEntries) {
        QAction *action = ColourButton::addEntry(colorMenu,
                                                 tr(entry.label),
                                                 entry.color,
                                                 createColorIcon(entry.color),
                                                 this);
        connect(action, SIGNAL(triggered()), this, slot);
        if (entry.color == defaultColor)
            colorMenu->setDefaultAction(action);
    }
    return colorMenu;
}

QIcon MainWindow::createColorIcon(QColor color)
{
    // A checkerboard under the colour shows how much of what lies beneath shines through.
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    for (int y = 0; y < 20; y += 5) {
        for (int x = (y / 5) % 2 * 5; x < 20; x += 10)
            painter.fillRect(QRect(x, y, 5, 5), Qt::lightGray);
    }
    painter.fillRect(QRect(0, 0, 20, 20), color);
    return QIcon(pixmap);
}

QIcon MainWindow::createColorToolButtonIcon(const QString &imageFile, QColor color)
{
    QPixmap pixmap(50, 80);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const QPixmap image(imageFile);
    // The colour bar shows along the bottom edge, the tool's picture above it.
    painter.fillRect(QRect(0, 60, 50, 80), color);
    painter.drawPixmap(QRect(4, 0, 42, 43), image, QRect(0, 0, 42, 43));
    return QIcon(pixmap);
}
