#include "itemscommand.h"

#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QHash>
#include <QSet>

#include <algorithm>

ItemsCommand::ItemsCommand(QGraphicsScene *scene,
                           const QList<QGraphicsItem *> &items,
                           const QString &text)
    : QUndoCommand(text)
    , scene(scene)
    , items(items)
    , itemsAbove(items.size(), nullptr)
{}

void ItemsCommand::rememberStacking(const std::function<bool(const QGraphicsItem *)> &mayHold)
{
    // Qt stacks the items of one level in the order they joined the scene, so a returning item
    // would land on top of its level. One look at the whole board gives each item's place.
    const QList<QGraphicsItem *> board = scene->items(Qt::AscendingOrder);
    QHash<QGraphicsItem *, qsizetype> place;
    place.reserve(board.size());
    for (qsizetype i = 0; i < board.size(); ++i)
        place.insert(board.at(i), i);
    std::sort(items.begin(), items.end(), [&place](QGraphicsItem *a, QGraphicsItem *b) {
        return place.value(a, -1) < place.value(b, -1);
    });
    itemsAbove.fill(nullptr, items.size());
    if (items.size() == board.size())
        return; // the whole board leaves: the order among the items is all there is
    const QSet<QGraphicsItem *> leaving(items.cbegin(), items.cend());
    for (qsizetype i = 0; i < items.size(); ++i) {
        const qreal level = items.at(i)->zValue();
        for (qsizetype j = place.value(items.at(i), board.size()) + 1; j < board.size(); ++j) {
            QGraphicsItem *candidate = board.at(j);
            if (candidate->zValue() != level)
                break;
            if (!leaving.contains(candidate) && !candidate->parentItem() && mayHold(candidate)) {
                itemsAbove[i] = candidate;
                break;
            }
        }
    }
}

ItemsCommand::~ItemsCommand()
{
    if (ownsItems)
        qDeleteAll(items);
}

void ItemsCommand::putOnBoard()
{
    for (int i = 0; i < items.size(); ++i) {
        QGraphicsItem *item = items.at(i);
        if (item->scene())
            continue;
        scene->addItem(item);
        if (QGraphicsItem *above = itemsAbove.at(i); above && above->scene() == scene)
            item->stackBefore(above);
    }
    ownsItems = false;
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
