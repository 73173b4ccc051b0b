#pragma once

#include <QToolButton>

#include <functional>

class QMenu;

// A tool button that stands for a colour: its icon shows the colour, and its menu offers the
// others, each entry holding its colour. The three formatting colours and the inks of the tools
// that have one are such buttons.
class ColourButton : public QToolButton
{
    Q_OBJECT

public:
    using IconPainter = std::function<QIcon(const QColor &colour)>;

    ColourButton(QMenu *menu, IconPainter painter, QWidget *parent = nullptr);

    // Shows the colour: on the button's default action, when it has one (a tool whose ink it
    // is), or on the button itself.
    void showColour(const QColor &colour);

    // The button's icon for the colour.
    QIcon iconOf(const QColor &colour) const { return painter(colour); }

    // The colour a menu entry stands for; invalid for no entry.
    static QColor colourOf(const QAction *entry);
    // Makes an entry of the colour at the end of the menu, owned by owner.
    static QAction *addEntry(
        QMenu *menu, const QString &label, const QColor &colour, const QIcon &icon, QObject *owner);

private:
    IconPainter painter;
};
