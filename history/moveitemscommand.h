#pragma once

#include <QList>
#include <QPointF>
#include <QUndoCommand>

class QGraphicsItem;

// Items moved by one drag: one step however many moves the drag had and however many items
// moved with it.
class MoveItemsCommand : public QUndoCommand
{
public:
    struct Move
    {
        QGraphicsItem *item;
        QPointF from;
        QPointF to;
    };

    MoveItemsCommand(const QList<Move> &moves, const QString &text);

    void undo() override;
    void redo() override;

private:
    QList<Move> moves;
};
