#pragma once

#include "boardgesture.h"

// The spanned rectangle: a shape of the chosen kind from the press to the release, then the
// pointer takes over.
class SpannedRectGesture : public BoardGesture
{
public:
    using BoardGesture::BoardGesture;

    void press(const QGraphicsSceneMouseEvent &event) override;
    bool itemsTakePress() const override { return true; }
    void move(const QPointF &pos) override;
    bool sharesMoves() const override { return true; }
    bool release(const QGraphicsSceneMouseEvent &event) override;
};
