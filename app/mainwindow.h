#pragma once

#include "items/diagramitem.h"
#include "scene/boardhost.h"
#include "scene/diagramscene.h"

#include <QKeySequence>
#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <QVariant>

#include <memory>
#include <optional>

namespace BoardTools {
struct Tool;
}

class QAbstractButton;
class QAction;
class QActionGroup;
class QButtonGroup;
class QComboBox;
class QFontComboBox;
class QGraphicsItem;
class QGraphicsOpacityEffect;
class QGraphicsTextItem;
class QGridLayout;
class QLabel;
class QMenu;
class QPushButton;
class QScreen;
class QSettings;
class QToolBar;
class QToolButton;
class QVBoxLayout;
class diagramview;
class BoardDocument;
class BoardPages;
class ColourButton;
class QUndoStack;
template<typename T>
struct Preference;

// The board window and the hub of the program. Its implementation is split by concern:
// construction and layout here, actions and item commands, tool box, toolbars, and screen work
// (placement, capture, about) in their own files.
class MainWindow : public QMainWindow, public BoardHost
{
    Q_OBJECT
    Q_INTERFACES(BoardHost)

public:
    MainWindow();
    ~MainWindow() override;

    QPixmap grabScreenArea(int x, int y, int width, int height) override;
    QRect onBoardScreen(const QRect &global) const override;
    void showStatus(const QString &message) override;
    bool isCapturePending() const { return capturePending; }
    // The page shown.
    DiagramScene *boardScene() const { return scene; }
    BoardPages *boardPages() const { return pages; }
    BoardDocument *boardDocument() const { return document; }
    // Shrunk to the "Maximizar" strip.
    bool isInStrip() const;
    // The bars and panels around the drawings, which step aside while the pointer passes
    // through the board.
    QList<QWidget *> toolPanels() const;
    // Back from the magnifier to the board as it lies over the desktop.
    void leaveLens();

    // Writes the values to the preferences at once, unless another program holds the store.
    void storePreferences(std::initializer_list<std::pair<const char *, QVariant>> values);
    // Takes the keys out of the preferences: their values are the usual ones again.
    void forgetPreferences(const QStringList &keys);
    // What the settings window changes, each kept when it differs from what is in use.
    void choosePenWidth(int width);
    void chooseInk(const BoardTools::Tool &tool, const QColor &colour);
    void chooseSpotlightRadius(int pixels);
    int spotlightRadius() const;
    // "Mostrar clics", whose state is kept once changed.
    QAction *showClicksToggle() const { return showClicksAction; }
    const QSettings &preferences() const { return *settings; }

public slots:
    void setCoordinates(const QString &pos) override;
    // Brings the board to the front, out of the strip or back from hiding.
    void showBoard();
    void clearBoard();
    // Puts the board on another screen, or fits it again to its own: only the window moves,
    // the drawings stay where they are on the board.
    void moveToScreen(QScreen *screen);
    // The board is about to be taken to another screen (its own is going): its drawings will
    // stay where they are on it.
    void holdDrawingsInPlace();

private slots:
    void backgroundButtonGroupClicked(QAbstractButton *button);
    void buttonGroupClicked(QAbstractButton *button);
    void deleteItem();
    void pointerGroupClicked();
    void bringToFront();
    void sendToBack();
    void minimizePart();
    void maximizePart();
    void itemInserted(DiagramItem *item);
    void textInserted(QGraphicsTextItem *item);
    void currentFontChanged(const QFont &font);
    void fontSizeChanged(const QString &size);
    void sceneScaleChanged(const QString &scale);
    void textColorChanged();
    void itemColorChanged();
    void lineColorChanged();
    void textButtonTriggered();
    void fillButtonTriggered();
    void lineButtonTriggered();
    void handleFontChange();
    void copyImage();
    void saveBoardImage();
    void itemSelected(QGraphicsItem *item);
    void about();
    void connectActions();
    void primaryScreenChanged(QScreen *screen);
    void resizeEvent(QResizeEvent *event) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // An action of the window with its text, icon, key and status tip.
    struct ActionRow
    {
        QAction *MainWindow::*action;
        const char *text;
        const char *icon;
        const char *key;
        const char *statusTip;
    };
    static const ActionRow actionRows[];

    void registerFonts();
    QStringList openSettings();
    void createScene();
    QWidget *createCentralWidget();
    void showReadiness(const QStringList &setAsideStores);
    void setWindowLook();
    void openOnRememberedScreen();
    void buildLayout();
    void applyTint();
    void createActions();
    void createMenus();
    void createToolBox();
    QWidget *createCellWidget(const QString &label, DiagramItem::DiagramType type);
    QWidget *createToolCell(const QString &label, const QString &image, int id);
    void createToolbars();
    void createEditToolBar();
    void restoreFontStyles();
    void createFontControls();
    void takeReadableFontSize(const QString &ignored);
    void createColorButtons();
    ColourButton *createColorButton(const Preference<QColor> &stored,
                                    const QString &image,
                                    const char *pickSlot,
                                    QAction *&currentEntry,
                                    void (DiagramScene::*apply)(const QColor &));
    void createPointerToolBar();
    QMenu *createColorMenu(const char *slot, QColor defaultColor);
    QIcon createColorIcon(QColor color);
    QIcon createColorToolButtonIcon(const QString &imageFile, QColor color);
    void pickColor(QAction *&currentEntry, ColourButton *button);
    void restack(const QString &step, qreal (*level)(const QList<QGraphicsItem *> &));
    void createHistoryActions();
    void createBoardToolBar();
    void createToolKeys();
    void addToolsBarEntry(const BoardTools::Tool &tool);
    QAction *createBoardTool(const BoardTools::Tool &tool);
    ColourButton *createInkButton(QAction *tool, const BoardTools::Tool &row);
    QAction *createSpotlightAction(const BoardTools::Tool &tool);
    QAction *createSaveAction(const BoardTools::Tool &tool);
    QAction *createToolAction(const BoardTools::Tool &tool);
    QAction *createLensAction(const BoardTools::Tool &tool);
    QAction *createEchoAction(const BoardTools::Tool &tool);
    void showClicks(bool on);
    void showKeys(bool on);
    bool hearsEveryPress();
    void sayWhatCannotShow(const QString &ownOnly);
    void echoClick(Qt::MouseButton button, const QPoint &global);
    void echoKey(Qt::Key key, Qt::KeyboardModifiers modifiers, const QString &text);
    bool typesIntoALabel() const;
    bool echoOwnInput(QObject *watched, QEvent *event);
    void startLens();
    void startLensOn(const QPixmap &desktop);
    QPixmap captureUnderDrawings();
    void createLeaveKey();
    QToolButton *createWidthButton(const BoardTools::Tool &tool);
    void addWidthSteps(QMenu *menu);
    QToolButton *createBackgroundButton(const BoardTools::Tool &tool);
    QGridLayout *createBackgroundCell(const QString &name, const QBrush &brush);
    // The brush of a background by the name its button shows.
    static QBrush boardBrush(const QString &name);
    // What a tool's button says: its label or tooltip, with its key.
    static QString toolTip(const BoardTools::Tool &tool);
    // "Limpiar (Ctrl+L)"; the name alone for a command without a key.
    static QString namedWithKey(const QString &what, const QKeySequence &key);
    void chooseBoardTool(DiagramScene::Mode mode);
    void uncheckBoardTools();
    static void uncheckAll(QButtonGroup *group);
    void applyPenWidth(int width);
    void stepPenWidth(int direction);
    bool historyMayMove() const;
    void undo();
    void redo();
    void fitSceneToScreen();
    // The board's keys with what each does, for the about box.
    QList<std::pair<QString, QString>> keyList() const;
    static QString keysText(const QAction &command);
    QList<QWidget *> boardPanels() const;
    void setScreenPanelsVisible(bool visible);
    QPixmap captureAudienceView();
    static QString picturesFolder();
    QString askWhereToSave(const QString &start);
    static bool writePicture(const QImage &image, const QString &path, QString *reason);
    void returnDrawingsToTheirPlace();
    void keepDrawingsWhereTheyWere();
    void shrinkToStrip();
    DiagramScene *createPage();
    static void holdActive(DiagramScene &page);
    void showPage(DiagramScene *page, DiagramScene *previous);
    void followHistory(QUndoStack *history);
    QToolButton *createPagesButton(const BoardTools::Tool &tool);
    QAction *createLabelBoxAction(const BoardTools::Tool &tool);
    void coverScreen(QScreen *target, bool shown);
    void coverScreenAimedAt();

    QWidget *toolBox = nullptr;
    QGridLayout *toolLayout = nullptr;
    QVBoxLayout *panelLayout = nullptr;
    QPushButton *maximizeButton = nullptr;
    diagramview *view = nullptr;
    // The window owns the store, so pending changes are written when the board closes.
    std::unique_ptr<QSettings> settings;
    bool preferencesLocked = false; // another program held the store at a write
    QPixmap desktopPixmap;
    DiagramScene *scene = nullptr; // the page shown
    BoardPages *pages = nullptr;
    BoardDocument *document = nullptr;
    QPointer<QUndoStack> shownHistory; // the history the undo and redo buttons follow

    QAction *exitAction = nullptr;
    QAction *deleteAction = nullptr;
    QAction *clearAction = nullptr;
    QAction *toFrontAction = nullptr;
    QAction *sendBackAction = nullptr;
    QAction *aboutAction = nullptr;
    QAction *minimizeAction = nullptr;
    QAction *maximizeAction = nullptr;
    QAction *copyAction = nullptr;
    QAction *undoAction = nullptr;
    QAction *redoAction = nullptr;
    QAction *lensAction = nullptr;
    QAction *showClicksAction = nullptr;
    QAction *showKeysAction = nullptr;
    class RawInput *rawInput = nullptr; // the X server's report of every press, once asked for
    QLabel *keysBadge = nullptr;        // says that the keys show
    quint64 lastEchoedInput = 0;        // the time of the last own press shown

    QMenu *fileMenu = nullptr;
    QMenu *itemMenu = nullptr;
    QMenu *helpMenu = nullptr;

    QToolBar *textToolBar = nullptr;
    QToolBar *editToolBar = nullptr;
    QToolBar *colorToolBar = nullptr;
    QToolBar *pointerToolBar = nullptr;
    QToolBar *historyToolBar = nullptr;
    QToolBar *boardToolBar = nullptr; // the highlighter, eraser, arrow, pointers, widths, boards

    QComboBox *sceneScaleCombo = nullptr;
    QComboBox *fontSizeCombo = nullptr;
    QString fontSizeText; // the last whole size from 2 to 64 the size box showed; empty for none
    bool showingLabelFont = false; // the toolbars are taking on a selected label's font
    QStringList notesAtStart;      // what the start-up ignored, said once the board is ready
    QFontComboBox *fontCombo = nullptr;

    QButtonGroup *buttonGroup = nullptr;
    QButtonGroup *pointerGroup = nullptr;
    QButtonGroup *backgroundButtonGroup = nullptr;
    QActionGroup *boardTools = nullptr; // the tools beside the tool box; at most one checked
    QActionGroup *penWidths = nullptr;  // the widths offered, one checked
    QToolButton *widthButton = nullptr;
    ColourButton *fontColorToolButton = nullptr;
    ColourButton *fillColorToolButton = nullptr;
    ColourButton *lineColorToolButton = nullptr;
    QAction *boldAction = nullptr;
    QAction *underlineAction = nullptr;
    QAction *italicAction = nullptr;
    QAction *textAction = nullptr;
    QAction *fillAction = nullptr;
    QAction *lineAction = nullptr;

    QWidget *leftPanel = nullptr;
    QWidget *viewPanel = nullptr;
    QLabel *coordinatesLabel = nullptr;

    // The effect that hides the "Edit" bar during a capture; Qt deletes it when a new
    // one replaces it, hence the guard.
    QPointer<QGraphicsOpacityEffect> captureEffect;
    QPointer<QScreen> screenAimedAt; // the screen the board was last sent to
    bool capturePending = false;

    // Where the drawings stood on the screen when the board shrank to the strip.
    struct StripReturn
    {
        QSize windowSize;
        QRectF sceneRect;
        int horizontalScroll = 0;
        int verticalScroll = 0;
    };
    std::optional<StripReturn> stripReturn;
    // Where the scene's origin showed in the view before the board moved to another screen, to
    // show it there again once the board has settled there.
    std::optional<QPoint> originBeforeMove;
    int placeAttempts = 0;
    bool shrinkAwaitsUnmaximize = false; // Wayland: the compositor has not yet confirmed
};
