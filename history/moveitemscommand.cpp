#include "moveitemscommand.h"

#include <QGraphicsItem>

MoveItemsCommand::MoveItemsCommand(const QList<Move> &moves, const QString &text)
    : QUndoCommand(text)
    , moves(moves)
{}

void MoveItemsCommand::undo()
{
    for (const Move &move : std::as_const(moves))
        move.item->setPos(move.from);
}

void MoveItemsCommand::redo()
{
    for (const Move &move : std::as_const(moves))
        move.item->setPos(move.to);
}
