#include "app/diagramview.h"
#include "app/mainwindow.h"
#include "app/presentersession.h"
#include "app/recoveryfile.h"
#include "boardfile/boardfile.h"
#include "boardfile/writtenitems.h"
#include "items/diagramitempixmap.h"
#include "items/diagramtextitem.h"
#include "items/lasertrails.h"
#include "items/pendot.h"
#include "scene/boardpages.h"
#include "scene/boardtools.h"
#include "scene/diagramscene.h"
#include "testsupport.h"
#include "viewdriver.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFontComboBox>
#include <QGraphicsLineItem>
#include <QGraphicsPixmapItem>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>
#include <algorithm>

#include <algorithm>
#include <functional>

namespace {

int stepsPerSeed()
{
    bool ok = false;
    const int steps = qEnvironmentVariableIntValue("TAVELO_RANDOM_STEPS", &ok);
    return ok && steps > 0 ? steps : 1500;
}

bool tracing()
{
    return qEnvironmentVariableIsSet("TAVELO_RANDOM_TRACE");
}

// The page the board shows, whichever it is by now.
class ShownPage
{
public:
    explicit ShownPage(const MainWindow &window)
        : window(window)
    {}
    DiagramScene *operator->() const { return window.boardScene(); }
    DiagramScene &operator*() const { return *window.boardScene(); }
    operator DiagramScene *() const { return window.boardScene(); }

private:
    const MainWindow &window;
};

// Plays a user who does anything the board offers, in any order (pages among it), and checks
// after every step that the scene's references and handles are still sound.
class Monkey
{
public:
    Monkey(MainWindow &window, PresenterSession &session, quint32 seed)
        : window(window)
        , scene(window)
        , view(window.findChild<diagramview *>())
        , rng(seed)
    {
        // The board's own actions and the session's (pass-through, hiding the board).
        for (QAction *action :
             window.findChildren<QAction *>() + session.findChildren<QAction *>()) {
            if (!action->text().isEmpty() && !action->isSeparator() && action->text() != "Salir"
                && action->text() != "A&bout")
                actions << action;
        }
        // The tool box, and the others: the pointer types and the boards.
        for (QButtonGroup *group : window.findChildren<QButtonGroup *>())
            (group->button(10) ? toolButtons : pointerButtons) += group->buttons();
        for (QToolButton *button : window.findChildren<QToolButton *>()) {
            if (button->menu())
                colourButtons << button;
        }
        lensAction = window.findChild<QAction *>("lupa");
        fontCombo = window.findChild<QFontComboBox *>();
        for (QComboBox *box : window.findChildren<QComboBox *>()) {
            if (box != fontCombo && box->isEditable())
                sizeCombo = box;
            else if (box != fontCombo)
                zoomCombo = box;
        }
        maximizeButton = window.findChild<QPushButton *>("maximizeButton");
        // A page read from a board file begins its history with what the file held.
        QObject::connect(window.boardPages(),
                         &BoardPages::added,
                         &listening,
                         [this](DiagramScene *page) {
                             const auto known = historyBaselines.constFind(page);
                             if (known == historyBaselines.cend() || known->first != page)
                                 historyBaselines.insert(page, {page, renderedBoard(*page)});
                         });
    }

    QString run(int steps)
    {
        for (step = 0; step < steps; ++step) {
            const QString done = randomStep(/*allowCapture=*/true);
            if (tracing())
                qInfo("step %d: %s", step, qPrintable(done));
            else if (step > 0 && step % 50000 == 0)
                qInfo("step %d", step);
            QString broken = invariantsBroken();
            if (broken.isEmpty() && checkHistory && held == Qt::NoButton
                && ++stepsSinceRoundTrip >= roundTripEvery)
                broken = historyRoundTripBroken();
            if (broken.isEmpty() && held == Qt::NoButton && percent(2))
                broken = fileRoundTripBroken();
            if (broken.isEmpty() && held == Qt::NoButton && percent(1))
                broken = recoveryRoundTripBroken();
            if (!broken.isEmpty())
                return QString("step %1 (%2): %3").arg(step).arg(done, broken);
        }
        return QString();
    }

    // A page as it looks, without selection outlines, handles or a text cursor; the page shown
    // when none is named.
    static QImage renderedBoard(DiagramScene &page)
    {
        page.finishLabelEdit(); // as a click elsewhere would, which may record it
        page.setFocusItem(nullptr);
        page.clearSelection();
        page.hideHandles();
        QCoreApplication::processEvents(); // the scene settles what it defers, as before a paint
        return render(page);
    }
    QImage renderedBoard() { return renderedBoard(*scene); }

    static QImage render(QGraphicsScene &board)
    {
        // A fixed area at half scale: the scene's own rectangle changes as the window settles.
        const QRectF area(-400, -400, 2400, 1800);
        QImage image((area.size() / 2).toSize(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        // Drawn afresh, not from the shapes' pixmap caches, which depend on when they were made.
        const QList<QGraphicsItem *> cached = withCache(board, QGraphicsItem::NoCache);
        QPainter painter(&image);
        board.render(&painter, image.rect(), area);
        for (QGraphicsItem *item : cached)
            item->setCacheMode(QGraphicsItem::DeviceCoordinateCache);
        return image;
    }

    static QList<QGraphicsItem *> withCache(QGraphicsScene &board,
                                            QGraphicsItem::CacheMode replacement)
    {
        QList<QGraphicsItem *> cached;
        for (QGraphicsItem *item : board.items()) {
            if (item->cacheMode() == QGraphicsItem::DeviceCoordinateCache) {
                item->setCacheMode(replacement);
                cached.append(item);
            }
        }
        return cached;
    }

    // Undoing every step of the page shown gives back the page as it was when its history
    // began (empty for a new page); redoing them all again gives back the page pixel for pixel,
    // whatever pages the steps took off or brought back meanwhile. The history then starts
    // afresh from here, well before its oldest steps could fall off.
    QString historyRoundTripBroken()
    {
        stepsSinceRoundTrip = 0;
        // A finished cut still waiting for its grab becomes its step first.
        if (!QTest::qWaitFor([this] { return !scene->cutAwaitsItsGrab(); }, 2000))
            return "a finished cut never read the screen";
        DiagramScene &page = *scene;
        QUndoStack *history = page.history();
        const QImage now = renderedBoard(page);
        const int reached = history->index(); // steps above it were undone by the monkey
        while (history->canUndo())
            history->undo();
        if (renderedBoard(page) != baselineOf(page))
            return "undoing every step did not give back the page its history began with";
        while (history->index() < reached)
            history->redo();
        if (renderedBoard(page) != now)
            return "redoing every step did not give back the same page";
        history->clear();
        historyBaselines.insert(&page, {&page, now});
        return QString();
    }

    QImage baselineOf(DiagramScene &page) const
    {
        const auto found = historyBaselines.find(&page);
        // A page at the address of one gone since is a new page.
        return found != historyBaselines.end() && found->first == &page ? found->second : emptyPage;
    }

    // Written to a file and read into a fresh board, the board looks the same. Cut pictures are
    // left out of the comparison: without a screen, Qt's grab hands back undefined pixels, which
    // need not paint the same twice (the round-trip test checks a picture of known pixels).
    QString fileRoundTripBroken()
    {
        renderedBoard(); // settles the board as for every other look at it
        DiagramScene copy(nullptr, nullptr);
        QString error;
        if (!BoardFile::load(copy, BoardFile::save(*scene), &error))
            return "the board's own file was refused: " + error;
        if (withoutPictures(*scene) != withoutPictures(copy))
            return "the board read back from its file looks different";
        return QString();
    }

    // The copy kept for a crash, written while the board goes on and read into a fresh board,
    // holds every page and looks the same as the board when it was asked for.
    QString recoveryRoundTripBroken()
    {
        const QList<DiagramScene *> &pages = window.boardPages()->all();
        for (DiagramScene *page : pages)
            renderedBoard(*page);
        recovery.saveNow();
        QList<QImage> asked;
        for (DiagramScene *page : pages)
            asked << withoutPictures(*page);
        WrittenItems nothingKept;
        const QByteArray afresh = BoardFile::saveInParts(QList<const DiagramScene *>(pages.cbegin(),
                                                                                     pages.cend()),
                                                         nothingKept)
                                      .join();
        recovery.flush();
        // Byte for byte, pictures and all: the copy takes what it kept from earlier copies.
        QFile written(keep.filePath("recovery.tavelo"));
        if (!written.open(QIODevice::ReadOnly) || written.readAll() != afresh)
            return "the recovery copy differs from the board's file written afresh";
        QObject owner;
        BoardPages copy([&owner] { return new DiagramScene(nullptr, &owner); }, &owner);
        const QString said = RecoveryFile(&copy, keep.filePath("recovery.tavelo")).restore();
        if (!said.startsWith("Dibujos recuperados"))
            return "the recovery copy did not read back: " + said;
        if (copy.count() != asked.size())
            return "the recovery copy holds another number of pages";
        for (int i = 0; i < copy.count(); ++i) {
            if (asked.at(i) != withoutPictures(*copy.all().at(i)))
                return QString("page %1 read back from the recovery copy looks different").arg(i + 1);
        }
        return QString();
    }

    static QImage withoutPictures(QGraphicsScene &board)
    {
        QList<QGraphicsItem *> pictures;
        for (QGraphicsItem *item : board.items()) {
            if (item->type() == QGraphicsPixmapItem::Type && item->isVisible()) {
                item->hide();
                pictures << item;
            }
        }
        const QImage image = render(board);
        for (QGraphicsItem *item : std::as_const(pictures))
            item->show();
        return image;
    }

    QString randomStep(bool allowCapture)
    {
        if (maximizeButton->isVisible()) // shrunk to the strip: only its button is there
            return percent(30) ? (maximizeButton->click(), QString("restore")) : QString("idle");

        const int choice = int(rng.bounded(100));
        if (choice < 40)
            return pointerStep();
        if (choice < 48)
            return typeSomething();
        if (choice < 56)
            return clickButton(toolButtons, "tool");
        if (choice < 60)
            return clickButton(pointerButtons, "pointer");
        if (choice < 75)
            return triggerAction();
        if (choice < 82)
            return pickColour();
        if (choice < 88)
            return changeFont();
        if (choice < 92)
            return changeZoom();
        if (choice < 96)
            return changeFocus();
        // A capture waits a whole second, so it comes rarely.
        if (allowCapture && choice < 97 && percent(20))
            return captureWithEventsMeanwhile();
        return doubleClick();
    }

    QString invariantsBroken() const
    {
        const QList<QGraphicsItem *> &handles = scene->vertexHandles();
        // Hiding the handles keeps the last points; while handles stand, each has its point.
        if (!handles.isEmpty() && handles.size() != scene->vertexHandlePoints().size())
            return "handles and handle points differ in length";
        for (const QGraphicsItem *handle : handles) {
            if (handle->scene() != scene)
                return "a handle is not in the scene";
        }
        const DiagramItem *owner = scene->shapeWithHandles();
        if (!handles.isEmpty() && (!owner || owner->scene() != scene))
            return "handles stand on a shape that is not in the scene";
        if (scene->activeShape() && scene->activeShape()->scene() != scene)
            return "the current shape is not in the scene";
        if (scene->lineBeingDrawn() && scene->lineBeingDrawn()->scene() != scene)
            return "the line in progress is not in the scene";
        if (scene->newestCutPicture() && scene->newestCutPicture()->scene() != scene)
            return "the newest picture is not in the scene";
        if (scene->laserTrails()->isEmpty() && scene->laserTrails()->isTicking())
            return "the laser's timer runs with no laser ink";
        // Not QList's ==, which hands two empty lists' null data to memcmp.
        const QList<QGraphicsItem *> listed = scene->boardItems();
        const QList<QGraphicsItem *> stacked = itemsAsQtStacksThem();
        if (!std::equal(listed.cbegin(), listed.cend(), stacked.cbegin(), stacked.cend()))
            return "the board's list of its items is not the order Qt stacks them in";
        // At 100 % the board lies still over the desktop: whatever was typed, pasted or wheeled,
        // the scene's origin stays at the view's.
        const QTransform zoom = view->transform();
        if (!view->isLensOn() && zoom.m11() == 1 && zoom.m22() == 1
            && view->mapFromScene(QPointF(0, 0)) != QPoint(0, 0))
            return "the board scrolled at 100 %";
        if (view->isLensOn() && (view->lensZoom() < 1.25 || view->lensZoom() > 8))
            return "the lens left its range";
        if (!window.isCapturePending() && lensAction->isChecked() != view->isLensOn())
            return "the lens's button and the lens disagree";
        const int mode = int(scene->currentMode());
        if (std::none_of(BoardTools::begin(),
                         BoardTools::end(),
                         [mode](const BoardTools::Tool &tool) { return tool.mode == mode; }))
            return QString("mode %1 is no tool's mode").arg(mode);
        for (const QGraphicsItem *item : scene->items()) {
            const auto *label = qgraphicsitem_cast<const DiagramTextItem *>(item);
            if (label && label->toPlainText().isEmpty() && !label->hasFocus()
                && label->textInteractionFlags() == Qt::NoTextInteraction)
                return "an empty label survived losing focus";
        }
        return QString();
    }

private:
    QList<QGraphicsItem *> itemsAsQtStacksThem() const
    {
        QList<QGraphicsItem *> stacked = scene->items(Qt::AscendingOrder);
        stacked.removeIf([this](const QGraphicsItem *item) {
            return item->parentItem() || !item->isVisible() || !scene->isOnRecord(item)
                   || dynamic_cast<const PenDot *>(item);
        });
        return stacked;
    }

    bool percent(int chance) { return int(rng.bounded(100)) < chance; }

    template<typename T>
    T *pick(const QList<T *> &list)
    {
        return list.isEmpty() ? nullptr : list.at(int(rng.bounded(int(list.size()))));
    }

    QPointF randomTarget()
    {
        const QList<QGraphicsItem *> items = scene->items();
        const int where = int(rng.bounded(100));
        if (where < 30 && !scene->vertexHandles().isEmpty())
            return pick(scene->vertexHandles())->boundingRect().center();
        if (where < 60 && !items.isEmpty())
            return pick(items)->sceneBoundingRect().center();
        if (where < 65) // beyond the board's edges
            return QPointF(rng.bounded(-300, 3000), rng.bounded(-300, 2000));
        return QPointF(rng.bounded(0, 1200), rng.bounded(0, 700));
    }

    void sendMouse(QEvent::Type type, const QPointF &scenePos, Qt::MouseButton button)
    {
        QWidget *viewport = view->viewport();
        const QPointF local = view->mapFromScene(scenePos);
        if (stylus && type != QEvent::MouseButtonDblClick && button != Qt::RightButton
            && button != Qt::MiddleButton) {
            sendStylusAs(type, local, button);
            return;
        }
        QMouseEvent event(type, local, viewport->mapToGlobal(local), button, held, Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    }

    // A stylus's tip or eraser end, pressed more or less firmly, in place of the mouse.
    void sendStylusAs(QEvent::Type type, const QPointF &local, Qt::MouseButton button)
    {
        const QEvent::Type tabletType = type == QEvent::MouseButtonPress     ? QEvent::TabletPress
                                        : type == QEvent::MouseButtonRelease ? QEvent::TabletRelease
                                                                             : QEvent::TabletMove;
        const qreal pressure = tabletType == QEvent::TabletRelease ? 0 : rng.bounded(1.0);
        ::sendStylus(view, tabletType, local, stylus, pressure, button, held);
    }

    QString pointerStep()
    {
        const QPointF at = randomTarget();
        if (held == Qt::NoButton || percent(10)) {
            const int which = int(rng.bounded(10));
            const Qt::MouseButton button = which < 8   ? Qt::LeftButton
                                           : which < 9 ? Qt::RightButton
                                                       : Qt::MiddleButton;
            held = button;
            const int tool = int(rng.bounded(100));
            stylus = tool < 80 ? nullptr : tool < 95 ? &stylusTip : &stylusEraser;
            sendMouse(QEvent::MouseButtonPress, at, button);
            return stylus ? "stylus press" : "press";
        }
        if (percent(70)) {
            for (int i = int(rng.bounded(1, 6)); i > 0; --i)
                sendMouse(QEvent::MouseMove, at + QPointF(i * 3, i * 2), Qt::NoButton);
            return "move";
        }
        const Qt::MouseButton button = held;
        held = Qt::NoButton;
        sendMouse(QEvent::MouseButtonRelease, at, button);
        return "release";
    }

    QString doubleClick()
    {
        const QPointF at = randomTarget();
        stylus = nullptr;
        held = Qt::LeftButton;
        sendMouse(QEvent::MouseButtonPress, at, Qt::LeftButton);
        held = Qt::NoButton;
        sendMouse(QEvent::MouseButtonRelease, at, Qt::LeftButton);
        held = Qt::LeftButton;
        sendMouse(QEvent::MouseButtonDblClick, at, Qt::LeftButton);
        held = Qt::NoButton;
        sendMouse(QEvent::MouseButtonRelease, at, Qt::LeftButton);
        return "double-click";
    }

    QString typeSomething()
    {
        QWidget *target = percent(80) ? view->viewport() : QApplication::focusWidget();
        if (!target)
            target = view->viewport();
        static const QList<Qt::Key> keys{Qt::Key_Backspace,
                                         Qt::Key_Delete,
                                         Qt::Key_Home,
                                         Qt::Key_End,
                                         Qt::Key_Return,
                                         Qt::Key_Left};
        if (percent(15))
            return paste(target);
        if (percent(50)) {
            QTest::keyClicks(target, QString("ab c").left(int(rng.bounded(1, 5))));
            return "type text";
        }
        const Qt::KeyboardModifiers modifiers = percent(30) ? Qt::ControlModifier : Qt::NoModifier;
        QTest::keyClick(target, keys.at(int(rng.bounded(int(keys.size())))), modifiers);
        return "type key";
    }

    // Plain, multi-line, rich and over-long text, pasted where the keyboard is.
    QString paste(QWidget *target)
    {
        auto *data = new QMimeData;
        const int kind = int(rng.bounded(4));
        if (kind == 0)
            data->setText("pegado");
        else if (kind == 1)
            data->setText("dos\nlíneas");
        else if (kind == 2)
            data->setHtml("<b>negrita</b> <span style='font-size:40pt'>grande</span>");
        else
            data->setText(QString(DiagramTextItem::maximumLength + 50, QChar('x')));
        QGuiApplication::clipboard()->setMimeData(data);
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        return "paste";
    }

    QString clickButton(const QList<QAbstractButton *> &buttons, const char *what)
    {
        if (QAbstractButton *button = pick(buttons))
            button->click();
        return what;
    }

    QString triggerAction()
    {
        QAction *action = pick(actions);
        // What waits a second for the screen comes with the captures.
        if (action->text() == "Copiar" || (action->text() == "Lupa" && !view->isLensOn()))
            return "capture skipped";
        action->trigger();
        if (tracing()) // what the board said of it
            return action->text() + ": " + window.statusBar()->currentMessage();
        return action->text();
    }

    QString pickColour()
    {
        QToolButton *button = pick(colourButtons);
        if (percent(30)) {
            button->click();
            return "colour button";
        }
        pick(button->menu()->actions())->trigger();
        return "colour entry";
    }

    QString changeFont()
    {
        if (percent(40)) {
            static const QStringList sizes{"", "8", "12", "64", "2", "999", "x", "-3", "28"};
            sizeCombo->setEditText(sizes.at(int(rng.bounded(int(sizes.size())))));
            return "font size";
        }
        fontCombo->setCurrentIndex(int(rng.bounded(qMax(1, fontCombo->count()))));
        return "font family";
    }

    QString changeZoom()
    {
        if (percent(50))
            return wheel();
        zoomCombo->setCurrentIndex(int(rng.bounded(zoomCombo->count())));
        return "zoom";
    }

    // Up, down, left or right, where the pointer is on the board.
    QString wheel()
    {
        static const QPoint turns[] = {{0, 120}, {0, -120}, {120, 0}, {-120, 0}};
        const QPoint turn = turns[rng.bounded(4)];
        QWidget *viewport = view->viewport();
        const QPointF local = view->mapFromScene(randomTarget());
        QWheelEvent event(local,
                          viewport->mapToGlobal(local),
                          QPoint(),
                          turn,
                          held,
                          Qt::NoModifier,
                          Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(viewport, &event);
        return "wheel";
    }

    QString changeFocus()
    {
        if (percent(50))
            fontCombo->setFocus();
        else
            view->setFocus();
        return "focus";
    }

    QString captureWithEventsMeanwhile()
    {
        // The capture (a copy, or the lens's picture of the desktop) waits a second with the
        // event loop running: the user goes on meanwhile, and may ask for it again.
        const QString command = percent(50) ? "Copiar" : "Lupa";
        const auto trigger = [this, command] {
            for (QAction *action : actions) {
                if (action->text() == command)
                    action->trigger();
            }
        };
        QString meanwhile;
        QTimer::singleShot(200, &window, [this, &meanwhile, trigger] {
            for (int i = 0; i < 4; ++i)
                meanwhile += randomStep(/*allowCapture=*/false) + ", ";
            meanwhile += invariantsBroken();
            if (percent(50))
                trigger();
        });
        trigger();
        return command + " (meanwhile " + meanwhile + ")";
    }

    MainWindow &window;
    ShownPage scene; // the page shown, whichever it is by now
    diagramview *view;
    QRandomGenerator rng;
    QList<QAction *> actions;
    QAction *lensAction = nullptr;
    QList<QAbstractButton *> toolButtons;
    QList<QAbstractButton *> pointerButtons;
    QList<QToolButton *> colourButtons;
    QFontComboBox *fontCombo = nullptr;
    QComboBox *sizeCombo = nullptr;
    QComboBox *zoomCombo = nullptr;
    QPushButton *maximizeButton = nullptr;
    Qt::MouseButton held = Qt::NoButton;
    static constexpr auto stylusSenses = QInputDevice::Capability::Position
                                         | QInputDevice::Capability::Pressure;
    const QPointingDevice stylusTip{"stylus",
                                    7,
                                    QInputDevice::DeviceType::Stylus,
                                    QPointingDevice::PointerType::Pen,
                                    stylusSenses,
                                    1,
                                    2};
    const QPointingDevice stylusEraser{"stylus",
                                       7,
                                       QInputDevice::DeviceType::Stylus,
                                       QPointingDevice::PointerType::Eraser,
                                       stylusSenses,
                                       1,
                                       2};
    const QPointingDevice *stylus = nullptr; // what presses, moves and releases; null for a mouse
    int step = 0;
    int stepsSinceRoundTrip = 0;
    // How often the history round trip is checked; TAVELO_RANDOM_HISTORY=N checks it every N
    // steps (1 finds the step that broke it).
    const int roundTripEvery = qEnvironmentVariableIsSet("TAVELO_RANDOM_HISTORY")
                                   ? qEnvironmentVariableIntValue("TAVELO_RANDOM_HISTORY")
                                   : 50;
    const bool checkHistory = roundTripEvery > 0;
    const QImage emptyPage = renderedBoard(); // a page as it begins
    // Each page when its history last began; a page not listed began empty.
    QHash<const DiagramScene *, std::pair<QPointer<DiagramScene>, QImage>> historyBaselines;
    QTemporaryDir keep; // the recovery copy and saved pictures
    QObject listening;  // the context of what the monkey hears from the board
    RecoveryFile recovery{window.boardPages(), keep.filePath("recovery.tavelo")};

public:
    // Where a save dialog the monkey answers puts the picture.
    QString picturePath(int number) const
    {
        return keep.filePath(QString("tablero-%1.png").arg(number));
    }
};

} // namespace

class TestRandomized : public QObject
{
    Q_OBJECT

private slots:
    void randomSession_data();
    void randomSession();
};

void TestRandomized::randomSession_data()
{
    QTest::addColumn<quint32>("seed");
    bool ok = false;
    const quint32 chosen = quint32(qEnvironmentVariableIntValue("TAVELO_RANDOM_SEED", &ok));
    if (ok) {
        QTest::addRow("seed %u", chosen) << chosen;
        return;
    }
    // 144664221 turns the page while the pen draws; 141358199 asks for the lens while a
    // capture is under way.
    for (quint32 seed : {1u, 2u, 3u, 20261208u, 144664221u, 141358199u})
        QTest::addRow("seed %u", seed) << seed;
    // One more that nobody chose: the test command derives it from the commit under test.
    const quint32 fresh = quint32(qEnvironmentVariableIntValue("TAVELO_RANDOM_FRESH_SEED", &ok));
    if (ok)
        QTest::addRow("seed %u (fresh)", fresh) << fresh;
}

void TestRandomized::randomSession()
{
    QFETCH(quint32, seed);
    // Context menus and message boxes run loops of their own; close them as soon as they open.
    // Every other save dialog is answered with a file in a folder of the test's.
    MainWindow window;
    PresenterSession session(window);
    Monkey monkey(window, session, seed);
    QTimer closer;
    closer.setInterval(1);
    int dialogs = 0;
    int questions = 0;
    QString lastSaved;
    connect(&closer, &QTimer::timeout, [&] {
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        auto *saving = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        auto *question = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (saving && ++dialogs % 2 == 0) {
            // An open dialog is answered with the file saved last, whatever it holds.
            const bool opening = saving->fileMode() == QFileDialog::ExistingFile;
            saving->selectFile(opening ? lastSaved : (lastSaved = monkey.picturePath(dialogs)));
            // Queued: a question the dialog asks in turn is for this timer to close.
            QMetaObject::invokeMethod(saving, &QDialog::accept, Qt::QueuedConnection);
        } else if (question && !question->buttons().isEmpty()) {
            // Each of its answers in turn ("Guardar", "Descartar", "Cancelar"; "Yes", "No").
            const QList<QAbstractButton *> answers = question->buttons();
            QAbstractButton *answer = answers.at(questions++ % answers.size());
            QMetaObject::invokeMethod(answer, &QAbstractButton::click, Qt::QueuedConnection);
        } else if (QWidget *modal = QApplication::activeModalWidget()) {
            modal->close();
        }
    });
    closer.start();

    QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &, const QString &message) {
            if (type == QtFatalMsg)
                std::abort();
            // Steps and progress are ours; Qt's warnings only when tracing.
            if (type == QtInfoMsg || type == QtCriticalMsg || (type == QtWarningMsg && tracing()))
                fprintf(stderr, "%s\n", qPrintable(message));
        });
    const int steps = stepsPerSeed();
    const QString failure = monkey.run(steps);
    qInstallMessageHandler(previous);
    QVERIFY2(failure.isEmpty(), qPrintable(QString("seed %1, %2").arg(seed).arg(failure)));
    qInfo("seed %u: %d steps, invariants held", seed, steps);
}

TAVELO_TEST_MAIN(TestRandomized)
#include "tst_randomized.moc"
