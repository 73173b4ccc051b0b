#pragma once

#include <QList>
#include <QUndoCommand>

class QGraphicsItem;
class QGraphicsScene;

// A step that puts items on the board or takes them off. Items taken off are kept alive here,
// never destroyed while a step can bring them back; whichever step last took them off owns them
// and frees them when it is discarded. Items come back exactly where they stood in the stacking
// order, by the order in which they first joined the board (see BoardOrder).
class ItemsCommand : public QUndoCommand
{
public:
    ~ItemsCommand() override;

protected:
    ItemsCommand(QGraphicsScene *scene, const QList<QGraphicsItem *> &items, const QString &text);

    void putOnBoard();
    void takeOffBoard();

private:
    struct LaterItems
    {
        QList<QGraphicsItem *> items; // first first
        qsizetype topLevel = 0;       // how many items the top of the scene holds
        qsizetype withChildren = 0;   // the later items and theirs
        bool anyHeld = false; // one is selected or focused, or the scene refers to it: stays put
    };
    LaterItems laterThan(quint64 order) const;
    static void moveBefore(const QList<QGraphicsItem *> &returning,
                           const QList<QGraphicsItem *> &later);

    QGraphicsScene *scene;
    QList<QGraphicsItem *> items; // by the order they joined the board, first first
    bool ownsItems = false;       // the items are off the board because of this step
};
