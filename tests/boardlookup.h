#pragma once

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QFontComboBox>
#include <QMainWindow>
#include <QMenu>
#include <QSettings>
#include <QToolBar>
#include <QToolButton>

// Finding the board's controls the way a user names them: by their texts and titles.
inline QAction *actionNamed(const QMainWindow &window, const QString &text)
{
    const QList<QAction *> actions = window.findChildren<QAction *>();
    for (QAction *action : actions) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

inline QToolBar *toolBarNamed(const QMainWindow &window, const QString &title)
{
    const QList<QToolBar *> bars = window.findChildren<QToolBar *>();
    for (QToolBar *bar : bars) {
        if (bar->windowTitle() == title)
            return bar;
    }
    return nullptr;
}

// The tool box's group holds the text tool (id 10); the pointer-type group does not.
inline QButtonGroup *buttonGroupWithTextTool(const QMainWindow &window, bool withTextTool)
{
    const QList<QButtonGroup *> groups = window.findChildren<QButtonGroup *>();
    for (QButtonGroup *group : groups) {
        if ((group->button(10) != nullptr) == withTextTool)
            return group;
    }
    return nullptr;
}

inline QButtonGroup *toolGroup(const QMainWindow &window)
{
    return buttonGroupWithTextTool(window, true);
}

inline QButtonGroup *pointerGroup(const QMainWindow &window)
{
    return buttonGroupWithTextTool(window, false);
}

// The text, fill and line colour buttons, in that order.
inline QToolButton *colourButton(const QMainWindow &window, int index)
{
    QList<QToolButton *> buttons;
    if (QToolBar *bar = toolBarNamed(window, "Color")) {
        for (QToolButton *button : bar->findChildren<QToolButton *>()) {
            if (button->menu())
                buttons << button;
        }
    }
    return buttons.value(index);
}

inline QComboBox *sizeBox(const QMainWindow &window)
{
    for (QComboBox *box : window.findChildren<QComboBox *>()) {
        if (box->isEditable() && !qobject_cast<QFontComboBox *>(box))
            return box;
    }
    return nullptr;
}

inline void clearStore()
{
    QSettings store("Corvane Group", "CorvaneTaveloWindow2");
    store.clear();
    store.sync();
}
