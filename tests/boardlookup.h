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

#include <algorithm>

// Finding the board's controls the way a user names them: by their texts and titles.
template<typename Child, typename Predicate>
Child *firstChildWhere(const QMainWindow &window, Predicate matches)
{
    const QList<Child *> children = window.findChildren<Child *>();
    const auto found = std::find_if(children.cbegin(), children.cend(), matches);
    return found == children.cend() ? nullptr : *found;
}

inline QAction *actionNamed(const QMainWindow &window, const QString &text)
{
    return firstChildWhere<QAction>(window, [&](QAction *action) { return action->text() == text; });
}

inline QToolBar *toolBarNamed(const QMainWindow &window, const QString &title)
{
    return firstChildWhere<QToolBar>(window,
                                     [&](QToolBar *bar) { return bar->windowTitle() == title; });
}

// The tool box's group holds the text tool (id 10); the pointer-type group does not.
inline QButtonGroup *buttonGroupWithTextTool(const QMainWindow &window, bool withTextTool)
{
    return firstChildWhere<QButtonGroup>(window, [&](QButtonGroup *group) {
        return (group->button(10) != nullptr) == withTextTool;
    });
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
