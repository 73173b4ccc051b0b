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

// Items come back below those that joined the board after them and stayed. Qt puts an item it
// is given on top of its level, and its stackBefore() renumbers every item at the top of the
// scene each time: moving thousands of returning items down (an eraser's sweep taken back)
// takes minutes on a full board. Taking the later items off first and putting them back after
// costs a removal and an addition for each of them and their children instead; the cheaper way
// is taken.
void ItemsCommand::putOnBoard()
{
    ownsItems = false;
    QList<QGraphicsItem *> returning;
    for (QGraphicsItem *item : std::as_const(items)) {
        if (!item->scene())
            returning.append(item);
    }
    if (returning.isEmpty())
        return;
    const LaterItems later = laterThan(BoardOrder::of(returning.first()));
    constexpr qsizetype liftCostInRenumberings = 32;
    const bool lift = !later.items.isEmpty()
                      && qsizetype(returning.size()) * (later.topLevel + returning.size())
                             > liftCostInRenumberings * later.withChildren;
    QList<QGraphicsItem *> selected;
    if (lift)
        selected = takeOff(later.items);
    for (QGraphicsItem *item : std::as_const(returning))
        scene->addItem(item);
    if (lift)
        putBack(later.items, selected);
    else if (!later.items.isEmpty())
        moveBefore(returning, later.items);
}

// The items at the top of the scene that joined the board after the given order, first first.
ItemsCommand::LaterItems ItemsCommand::laterThan(quint64 order) const
{
    LaterItems later;
    const QList<QGraphicsItem *> onBoard = scene->items();
    for (QGraphicsItem *item : onBoard) {
        if (item->parentItem())
            continue;
        ++later.topLevel;
        if (BoardOrder::of(item) > order) {
            later.items.append(item);
            later.withChildren += 1 + item->childItems().size();
        }
    }
    std::sort(later.items.begin(), later.items.end(), joinedEarlier);
    return later;
}

void ItemsCommand::moveBefore(const QList<QGraphicsItem *> &returning,
                              const QList<QGraphicsItem *> &later)
{
    for (QGraphicsItem *item : returning) {
        const auto next = std::upper_bound(later.cbegin(), later.cend(), item, joinedEarlier);
        if (next != later.cend())
            item->stackBefore(*next); // orders the item among its siblings whatever their level
    }
}

// Newest first, so each comes off the end of the scene's list; the selected ones are returned.
QList<QGraphicsItem *> ItemsCommand::takeOff(const QList<QGraphicsItem *> &later)
{
    QList<QGraphicsItem *> selected;
    std::for_each(later.crbegin(), later.crend(), [&](QGraphicsItem *item) {
        if (item->isSelected())
            selected.append(item);
        scene->removeItem(item);
    });
    return selected;
}

void ItemsCommand::putBack(const QList<QGraphicsItem *> &later,
                           const QList<QGraphicsItem *> &selected)
{
    for (QGraphicsItem *item : later)
        scene->addItem(item);
    for (QGraphicsItem *item : selected)
        item->setSelected(true);
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
