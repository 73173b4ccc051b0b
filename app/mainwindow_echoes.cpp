// What the audience cannot see in a shared screen: a ring at every click and a box with the
// keys pressed, painted by the view over the board, from the X server's raw input where there
// is one and from the board's own events elsewhere.
#include "mainwindow.h"

#include "app/diagramview.h"
#include "app/preferences.h"
#include "app/rawinput.h"
#include "items/diagramtextitem.h"
#include "scene/boardtools.h"
#include "scene/diagramscene.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QSettings>
#include <QStatusBar>

namespace {

bool isModifierKey(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt
           || key == Qt::Key_Meta || key == Qt::Key_AltGr || key == Qt::Key_Super_L
           || key == Qt::Key_Super_R || key == Qt::Key_CapsLock;
}

} // namespace

QAction *MainWindow::createEchoAction(const BoardTools::Tool &tool)
{
    QAction *action = createToolAction(tool);
    action->setCheckable(true);
    if (QByteArray(tool.id) == "teclas") {
        showKeysAction = action;
        keysBadge = new QLabel(tr("Teclas visibles"));
        keysBadge->setObjectName("keysBadge");
        keysBadge->setStyleSheet(
            "background-color: rgba(200, 30, 30, 220); color: white; padding: 1px 6px;");
        keysBadge->hide();
        statusBar()->addPermanentWidget(keysBadge);
        connect(action, &QAction::toggled, this, &MainWindow::showKeys);
        // Off at every start unless the presenter chose to keep it on.
        action->setChecked(Preferences::showKeysAtStart.read(*settings));
    } else {
        showClicksAction = action;
        connect(action, &QAction::toggled, this, &MainWindow::showClicks);
        action->setChecked(Preferences::showClicks.read(*settings));
    }
    return action;
}

void MainWindow::showClicks(bool on)
{
    if (on != Preferences::showClicks.read(*settings))
        storePreferences({{Preferences::showClicks.key, on}});
    if (!on) {
        view->clickRings()->clear();
        return;
    }
    sayWhatCannotShow(tr("Aquí ningún programa ve los clics dados a otras ventanas: el "
                         "tablero muestra solo los que recibe"));
}

// What the board cannot see, said once it is asked to show it: everything but its own presses
// where no X server reports them, or, under Xwayland, only what the X server's windows get.
void MainWindow::sayWhatCannotShow(const QString &ownOnly)
{
    if (!hearsEveryPress()) {
        statusBar()->showMessage(ownOnly, 0);
    } else if (qEnvironmentVariable("XDG_SESSION_TYPE") == "wayland"
               || qEnvironmentVariableIsSet("WAYLAND_DISPLAY")) {
        statusBar()->showMessage(tr("En este escritorio Wayland solo se ven los clics y las teclas "
                                    "de las ventanas X11 (Xwayland)"),
                                 0);
    }
}

void MainWindow::showKeys(bool on)
{
    keysBadge->setVisible(on);
    if (!on) {
        view->keyEcho()->clear();
        return;
    }
    sayWhatCannotShow(tr("Aquí ningún programa ve las teclas de otras ventanas: el "
                         "tablero muestra solo las que recibe"));
}

// Whether the X server reports every press to the board; where it cannot, the board shows the
// presses it receives itself.
bool MainWindow::hearsEveryPress()
{
    if (!rawInput) {
        rawInput = new RawInput(this);
        connect(rawInput, &RawInput::buttonPressed, this, &MainWindow::echoClick);
        connect(rawInput, &RawInput::keyPressed, this, &MainWindow::echoKey);
        QString reason;
        if (!rawInput->start(&reason))
            qApp->installEventFilter(this);
    }
    return rawInput->isListening();
}

void MainWindow::echoClick(Qt::MouseButton button, const QPoint &global)
{
    if (showClicksAction && showClicksAction->isChecked())
        view->clickRings()->add(view->viewport()->mapFromGlobal(global), button);
}

void MainWindow::echoKey(Qt::Key key, Qt::KeyboardModifiers modifiers, const QString &text)
{
    if (!showKeysAction || !showKeysAction->isChecked() || isModifierKey(key))
        return;
    const Qt::KeyboardModifiers held = modifiers
                                       & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier
                                          | Qt::MetaModifier);
    view->keyEcho()->press(key, held, text, typesIntoALabel());
}

// The presenter types into a label of the board, and the preferences keep such typing private.
bool MainWindow::typesIntoALabel() const
{
    const QGraphicsItem *focus = scene->focusItem();
    return Preferences::hideLabelTyping.read(*settings) && isActiveWindow() && focus
           && focus->type() == DiagramTextItem::Type;
}

// Where the X server cannot report them, the board's own presses, once each (Qt hands a press
// on to the parents of the widget that ignores it).
bool MainWindow::echoOwnInput(QObject *watched, QEvent *event)
{
    if (rawInput && rawInput->isListening())
        return false;
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::KeyPress)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    const auto *input = static_cast<QInputEvent *>(event);
    if (!widget || widget->window() != this || input->timestamp() == lastEchoedInput)
        return false;
    lastEchoedInput = input->timestamp();
    if (event->type() == QEvent::MouseButtonPress) {
        const auto *press = static_cast<QMouseEvent *>(event);
        echoClick(press->button(), press->globalPosition().toPoint());
    } else {
        const auto *key = static_cast<QKeyEvent *>(event);
        echoKey(Qt::Key(key->key()), key->modifiers(), key->text());
    }
    return false;
}
