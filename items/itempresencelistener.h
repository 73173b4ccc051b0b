#pragma once

#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QList>

// A scene that keeps plain references to some of its items implements this to hear when one of
// them is about to leave it (removed or destroyed), so it never touches an item that is gone;
// and when one joins it at the top of the scene, so it can keep its own list of those instead
// of asking Qt for every item, dots and all, in stacking order.
class ItemPresenceListener
{
public:
    virtual void itemLeavingScene(QGraphicsItem *item) = 0;
    virtual void itemJoinedScene(QGraphicsItem *) {}
    // The item, still in the scene, is about to hang under another (a stroke's dots under it).
    virtual void itemLeavingTop(QGraphicsItem *) {}
    // The item is about to move (reported by items that send geometry changes); it still stands
    // at its old place.
    virtual void itemAboutToMove(QGraphicsItem *) {}
    // Whether the scene keeps a reference to the item for a gesture or a step under way, which
    // taking the item off the board for a moment would make it drop.
    virtual bool holdsReferenceTo(const QGraphicsItem *) const { return false; }
    // The items at the top of the scene that report their presence, in no particular order.
    virtual QList<QGraphicsItem *> reportedTopItems() const = 0;

protected:
    ~ItemPresenceListener() = default;
};

// Makes a graphics item report to its scene when it joins it at the top (a child joins with
// the item at its top), and when it leaves: on removeItem() through the scene-change
// notification, and on destruction while still in the scene; when it comes to hang under
// another item or leaves it for the top; and, when it sends geometry changes, before it moves.
template<typename Base>
class ReportsPresence : public Base
{
public:
    using Base::Base;
    ~ReportsPresence() override { reportLeaving(); }

protected:
    QVariant itemChange(QGraphicsItem::GraphicsItemChange change, const QVariant &value) override
    {
        if (change == QGraphicsItem::ItemSceneChange)
            reportLeaving();
        else if (isReported(change))
            report(change);
        return Base::itemChange(change, value);
    }

private:
    static bool isReported(QGraphicsItem::GraphicsItemChange change)
    {
        return change == QGraphicsItem::ItemSceneHasChanged
               || change == QGraphicsItem::ItemParentHasChanged
               || change == QGraphicsItem::ItemParentChange
               || change == QGraphicsItem::ItemPositionChange;
    }

    void report(QGraphicsItem::GraphicsItemChange change)
    {
        auto *listener = dynamic_cast<ItemPresenceListener *>(this->scene());
        if (!listener)
            return;
        const bool atTop = !this->parentItem();
        if (change == QGraphicsItem::ItemPositionChange)
            listener->itemAboutToMove(this);
        else if (change == QGraphicsItem::ItemParentChange && atTop)
            listener->itemLeavingTop(this);
        else if (change != QGraphicsItem::ItemParentChange && atTop)
            listener->itemJoinedScene(this); // joined the scene, or left its parent, at the top
    }

    void reportLeaving()
    {
        // While the scene itself is being destroyed its dynamic type is no longer a listener,
        // so the cast fails and nothing is reported to a half-destroyed object.
        if (auto *listener = dynamic_cast<ItemPresenceListener *>(this->scene()))
            listener->itemLeavingScene(this);
    }
};
