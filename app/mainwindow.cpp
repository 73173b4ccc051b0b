// Construction and layout of the board window.
#include "mainwindow.h"

#include "app/boarddocument.h"
#include "app/bundledfont.h"
#include "app/diagramview.h"
#include "app/preferences.h"
#include "app/preferencesfile.h"
#include "app/screenchoice.h"
#include "app/screengeometry.h"
#include "items/lasertrails.h"
#include "scene/boardpages.h"
#include "scene/diagramscene.h"

#include <QApplication>
#include <QCursor>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr int fitDelayMs = 150;
// How long a change of the preferences waits for another program to let go of the store.
constexpr int preferenceLockWaitMs = 3000;

} // namespace

MainWindow::MainWindow()
{
    registerFonts();
    const QStringList setAsideStores = openSettings();

    createActions();
    createMenus();
    createToolBox();
    createScene();
    createToolbars();
    createHistoryActions();
    QWidget *central = createCentralWidget();

    scene->setItemType(DiagramItem::Freehand);
    scene->setMode(DiagramScene::DrawFreehand);
    showReadiness(setAsideStores);
    setWindowLook();
    connectActions();
    setCentralWidget(central);
    openOnRememberedScreen();
    showMaximized();
    QTimer::singleShot(fitDelayMs, this, &MainWindow::fitSceneToScreen);
}

// Before the first show, so that the window manager or compositor maps the board there.
void MainWindow::openOnRememberedScreen()
{
    QScreen *screen = ScreenChoice::atStart(Preferences::screen.read(*settings), QCursor::pos());
    if (!screen || screen == windowScreen(this))
        return;
    setScreen(screen);
    setGeometry(screen->geometry());
}

// The names the preferences are kept under, and the store, once a damaged one is set aside.
// Returns where damaged stores went.
QStringList MainWindow::openSettings()
{
    Preferences::nameTheApplication();
    const QStringList setAside = Preferences::setAsideDamagedStores(
        QCoreApplication::organizationName(), QCoreApplication::applicationName());
    settings = std::make_unique<QSettings>();
    return setAside;
}

void MainWindow::createScene()
{
    pages = new BoardPages([this] { return createPage(); }, this);
    scene = pages->currentPage();
    connect(pages, &BoardPages::shown, this, &MainWindow::showPage);
    document = new BoardDocument(*this, *pages);
}

DiagramScene *MainWindow::createPage()
{
    auto *page = new DiagramScene(itemMenu, this);
    holdActive(*page);
    connect(page, &DiagramScene::itemInserted, this, &MainWindow::itemInserted);
    connect(page, &DiagramScene::textInserted, this, &MainWindow::textInserted);
    connect(page, &DiagramScene::itemSelected, this, &MainWindow::itemSelected);
    return page;
}

// Qt's view tells the scene it stops showing that the window went inactive, and the scene it
// shows next that the window became active, whenever the window is; a scene that goes inactive
// or active sorts every one of its items, each dot of every stroke among them, to tell the
// items. A page is held active from its start, while it is empty, so turning pages walks no
// items; the window's own activation changes nothing on the board's items either way.
void MainWindow::holdActive(DiagramScene &page)
{
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&page, &activate);
}

// Another page keeps the tool, the formatting, the inks and the zoom of the one before.
void MainWindow::showPage(DiagramScene *page, DiagramScene *previous)
{
    if (previous) {
        previous->laserTrails()->clear();
        page->takeOptionsFrom(*previous);
    }
    scene = page;
    view->showScene(page);
    followHistory(page->history());
    statusBar()
        ->showMessage(tr("Página %1 de %2").arg(pages->currentIndex() + 1).arg(pages->count()), 0);
}

QWidget *MainWindow::createCentralWidget()
{
    auto *central = new QWidget;
    central->setContentsMargins(0, 0, 0, 0);
    buildLayout();
    createBoardToolBar();
    auto *grid = new QGridLayout(central);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(leftPanel, 0, 0);
    grid->addWidget(viewPanel, 0, 1);
    return central;
}

void MainWindow::showReadiness(const QStringList &setAsideStores)
{
    statusBar()->setStyleSheet("color:white");
    statusBar()->showMessage(tr("Sistema listo"), 0);
    for (const QString &note : std::as_const(notesAtStart))
        statusBar()->showMessage(note, 0);
    if (!setAsideStores.isEmpty()) {
        statusBar()->showMessage(
            tr("Preferencias dañadas: apartadas en %1").arg(setAsideStores.join(", ")), 0);
    }
}

// Frameless, above the other windows and see-through, with a faint tint over the view and the
// four bars painting their own background.
void MainWindow::setWindowLook()
{
    setWindowTitle(tr("Tablero Tavelo")); // what task switchers show
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_TranslucentBackground, true);
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
    applyTint();
    for (QToolBar *bar : {editToolBar, textToolBar, colorToolBar, pointerToolBar})
        bar->setAutoFillBackground(true);
}

MainWindow::~MainWindow() = default;

void MainWindow::storePreferences(std::initializer_list<std::pair<const char *, QVariant>> values)
{
    // Once the store was found locked, later changes only take it when it is free at once.
    if (!Preferences::storeLockFree(settings->fileName(),
                                    preferencesLocked ? 0 : preferenceLockWaitMs)) {
        preferencesLocked = true;
        statusBar()->showMessage(
            tr("Preferencias bloqueadas por otro programa: los cambios no se guardarán"), 0);
        return;
    }
    for (const auto &[key, value] : values)
        settings->setValue(key, value);
    // Written now, while the lock is known to be free: Qt would otherwise write them later, or
    // when the board ends, and wait there for a lock without end.
    settings->sync();
}

void MainWindow::forgetPreferences(const QStringList &keys)
{
    if (!Preferences::storeLockFree(settings->fileName(), preferenceLockWaitMs))
        return;
    for (const QString &key : keys)
        settings->remove(key);
    settings->sync();
}

void MainWindow::registerFonts()
{
    for (const char *file : {"DejaVuMathTeXGyre.ttf",
                             "DejaVuSans.ttf",
                             "DejaVuSans-Bold.ttf",
                             "DejaVuSans-BoldOblique.ttf"}) {
        registerBundledFont(QStringLiteral(":/fonts/lib/fonts/") + file);
    }
}

void MainWindow::buildLayout()
{
    maximizeButton = new QPushButton(tr("&Maximizar"));
    maximizeButton->setObjectName("maximizeButton");
    maximizeButton->setIcon(QIcon(":/images/undo.png"));
    maximizeButton->setFixedSize(80, 25);
    maximizeButton->setIconSize(QSize(15, 15));
    maximizeButton->setStyleSheet("padding: 2px;");
    maximizeButton->hide();
    connect(maximizeButton, &QPushButton::released, this, &MainWindow::maximizePart);
    maximizeButton->setToolTip(maximizeAction->toolTip());

    coordinatesLabel = new QLabel(tr("0,0"));
    coordinatesLabel->setObjectName("coordinatesLabel");
    coordinatesLabel->setStyleSheet("background-color: rgba(255, 255, 255, 0.5);");

    leftPanel = new QWidget;
    leftPanel->setObjectName("leftPanel");
    leftPanel->setContentsMargins(0, 0, 0, 0);
    leftPanel->setMaximumHeight(390);
    leftPanel->setMaximumWidth(80);
    // As wide as it may grow: a longer coordinates text would otherwise widen it and move the
    // view, and every drawing with it, off what it marks on the desktop.
    leftPanel->setMinimumWidth(leftPanel->maximumWidth());
    panelLayout = new QVBoxLayout(leftPanel);
    panelLayout->setSpacing(0);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addWidget(maximizeButton, 0, Qt::AlignLeft);
    panelLayout->addWidget(toolBox, 1, Qt::AlignTop);
    panelLayout->addWidget(coordinatesLabel, 0, Qt::AlignTop);

    view = new diagramview(scene);
    view->setObjectName("view");
    view->setLaserTrails(scene->laserTrails());
    view->setStyleSheet("background: transparent");
    viewPanel = new QWidget;
    viewPanel->setObjectName("viewPanel");
    auto *viewLayout = new QVBoxLayout(viewPanel);
    viewLayout->addWidget(view);
}

void MainWindow::applyTint()
{
    QPalette tint = viewPanel->palette();
    tint.setBrush(QPalette::All, QPalette::Window, QBrush(QColor(255, 255, 255, 10)));
    viewPanel->setAutoFillBackground(true);
    viewPanel->setPalette(tint);
}

void MainWindow::setCoordinates(const QString &pos)
{
    coordinatesLabel->setText(pos);
}

void MainWindow::showStatus(const QString &message)
{
    statusBar()->showMessage(message, 0);
}
