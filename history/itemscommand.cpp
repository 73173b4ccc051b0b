#include "itemscommand.h"

#include "boardorder.h"
#include "items/itempresencelistener.h"

#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QSet>

#include <algorithm>
#include <iterator>

namespace {

bool joinedEarlier(const QGraphicsItem *a, const QGraphicsItem *b)
{
    return BoardOrder::of(a) < BoardOrder::of(b);
}

// A board's scene keeps a list of them; asking Qt sorts every item, a million dots among them.
QList<QGraphicsItem *> topItemsOf(QGraphicsScene *scene)
{
    if (const auto *listener = dynamic_cast<const ItemPresenceListener *>(scene))
        return listener->reportedTopItems();
    QList<QGraphicsItem *> top = scene->items();
    top.removeIf([](const QGraphicsItem *item) { return item->parentItem(); });
    return top;
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
// scene each time: moving thousands of returning items down one by one (an eraser's sweep taken
// back) takes minutes on a full board. Taking the later items off and putting everything back in
// the order it joined costs a removal and an addition for each of them and their children
// instead; the cheaper way is taken.
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
    const bool lift = !later.items.isEmpty() && !later.anyHeld
                      && qsizetype(returning.size()) * (later.topLevel + returning.size())
                             > liftCostInRenumberings * later.withChildren;
    if (!lift) {
        for (QGraphicsItem *item : std::as_const(returning))
            scene->addItem(item);
        moveBefore(returning, later.items);
        return;
    }
    // Newest first, so each comes off the end of the scene's list.
    std::for_each(later.items.crbegin(), later.items.crend(), [this](QGraphicsItem *item) {
        scene->removeItem(item);
    });
    QList<QGraphicsItem *> all;
    std::merge(returning.cbegin(),
               returning.cend(),
               later.items.cbegin(),
               later.items.cend(),
               std::back_inserter(all),
               joinedEarlier);
    for (QGraphicsItem *item : std::as_const(all))
        scene->addItem(item);
}

// The items at the top of the scene that joined the board after the given order, first first.
ItemsCommand::LaterItems ItemsCommand::laterThan(quint64 order) const
{
    LaterItems later;
    const auto *listener = dynamic_cast<const ItemPresenceListener *>(scene);
    // Taken off, a selected item would be deselected and a label lose its focus (which it keeps
    // even while the window has none), and whoever follows those would hear of it.
    const QGraphicsItem *focused = scene->focusItem();
    QList<std::pair<quint64, QGraphicsItem *>> joined;
    for (QGraphicsItem *item : topItemsOf(scene)) {
        ++later.topLevel;
        const quint64 itemOrder = BoardOrder::of(item);
        if (itemOrder <= order)
            continue;
        joined.append({itemOrder, item});
        later.withChildren += 1 + item->childItems().size();
        later.anyHeld = later.anyHeld || item->isSelected() || item == focused
                        || item->isAncestorOf(focused)
                        || (listener && listener->holdsReferenceTo(item));
    }
    std::sort(joined.begin(), joined.end());
    later.items.reserve(joined.size());
    for (const auto &entry : std::as_const(joined))
        later.items.append(entry.second);
    return later;
}

void ItemsCommand::moveBefore(const QList<QGraphicsItem *> &returning,
                              const QList<QGraphicsItem *> &later)
{
    if (later.isEmpty())
        return;
    for (QGraphicsItem *item : returning) {
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
