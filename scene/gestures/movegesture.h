#pragma once

#include "boardgesture.h"

// The pointer: the items under the press are selected and dragged by Qt, a vertex handle
// reshapes its shape, and the release puts the handles on the selected shape.
class MoveGesture : public BoardGesture
{
public:
    using BoardGesture::BoardGesture;

    void press(const QGraphicsSceneMouseEvent &) override {}
    bool itemsTakePress() const override { return true; }
    bool sharesMoves() const override { return true; }
    bool release(const QGraphicsSceneMouseEvent &) override { return false; }
};
