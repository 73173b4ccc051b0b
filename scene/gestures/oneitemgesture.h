#pragma once

#include "boardgesture.h"

#include <utility>

// A gesture that makes one item at its press and shapes it with the pointer until the release;
// it lets go of the item if the item leaves the board meanwhile.
template<typename Item>
class OneItemGesture : public BoardGesture
{
public:
    using BoardGesture::BoardGesture;

    // The item stays exactly as drawn.
    bool release(const QGraphicsSceneMouseEvent &) override
    {
        return std::exchange(made, nullptr) != nullptr;
    }

    void forget(const QGraphicsItem *item) override
    {
        if (item == made)
            made = nullptr;
    }

    bool holds(const QGraphicsItem *item) const override { return item == made; }

protected:
    Item *made = nullptr; // the item this gesture makes, until its release
};
