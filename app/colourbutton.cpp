#include "colourbutton.h"

#include <QAction>
#include <QMenu>

ColourButton::ColourButton(QMenu *menu, IconPainter painter, QWidget *parent)
    : QToolButton(parent)
    , painter(std::move(painter))
{
    setPopupMode(QToolButton::MenuButtonPopup);
    setMenu(menu);
}

void ColourButton::showColour(const QColor &colour)
{
    if (QAction *tool = defaultAction())
        tool->setIcon(painter(colour));
    else
        setIcon(painter(colour));
}

QColor ColourButton::colourOf(const QAction *entry)
{
    return entry ? entry->data().value<QColor>() : QColor();
}

QAction *ColourButton::addEntry(
    QMenu *menu, const QString &label, const QColor &colour, const QIcon &icon, QObject *owner)
{
    auto *entry = new QAction(icon, label, owner);
    entry->setData(colour);
    menu->addAction(entry);
    return entry;
}
