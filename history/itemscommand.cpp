#include "itemscommand.h"

#include "boardorder.h"

#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QSet>

#include <algorithm>

namespace {

bool joinedEarlier(const QGraphicsItem *a, const QGraphicsItem *b)
{
    return BoardOrder::of(a) < BoardOrder::of(b);
}

} // namespace

ItemsCommand::ItemsCommand(QGraphicsScene *scene,
                           const QList<QGraphicsItem *> &items,
                           const QString &text)
    : QUndoCommand(text)
    , scene(scene)
{
    // A child comes and goes with the item at its top (a stroke's dots with their run's first).
    QSet<QGraphicsItem *> seen;
    for (QGraphicsItem *item : items) {
        QGraphicsItem *top = item->topLevelItem();
        if (!seen.contains(top)) {
            seen.insert(top);
            this->items.append(top);
        }
    }
    std::stable_sort(this->items.begin(), this->items.end(), joinedEarlier);
}

ItemsCommand::~ItemsCommand()
{
    if (ownsItems)
        qDeleteAll(items);
}

void ItemsCommand::putOnBoard()
{
    ownsItems = false;
    QList<QGraphicsItem *> returning;
    for (QGraphicsItem *item : std::as_const(items)) {
        if (!item->scene()) {
            scene->addItem(item);
            returning.append(item);
        }
    }
    if (!returning.isEmpty())
        restackAmongLaterItems(returning);
}

// Qt put the returning items on top of their levels. Items that joined the board after them and
// stayed must stand above them again: one look at the board, only when there are such items.
void ItemsCommand::restackAmongLaterItems(const QList<QGraphicsItem *> &returning)
{
    const quint64 first = BoardOrder::of(returning.first());
    const QSet<QGraphicsItem *> back(returning.cbegin(), returning.cend());
    QList<QGraphicsItem *> later;
    const QList<QGraphicsItem *> onBoard = scene->items();
    for (QGraphicsItem *item : onBoard) {
        if (!item->parentItem() && !back.contains(item) && BoardOrder::of(item) > first)
            later.append(item);
    }
    if (later.isEmpty())
        return;
    std::sort(later.begin(), later.end(), joinedEarlier);
    for (QGraphicsItem *item : std::as_const(returning)) {
        const auto next = std::upper_bound(later.cbegin(), later.cend(), item, joinedEarlier);
        if (next != later.cend())
            item->stackBefore(*next); // orders the item among its siblings whatever their level
    }
}

void ItemsCommand::takeOffBoard()
{
    // Newest first: each comes off the end of the scene's list, the cheap way.
    std::for_each(items.crbegin(), items.crend(), [this](QGraphicsItem *item) {
        if (item->scene() != scene)
            return;
        item->setSelected(false);
        scene->removeItem(item);
    });
    ownsItems = true;
}
