#pragma once

#include "boardgesture.h"

// The shape stamp: a press puts a shape of the chosen kind there, selected and with its
// handles, as a step of its own; a drag then moves it or one of its vertices.
class ShapeGesture : public BoardGesture
{
public:
    using BoardGesture::BoardGesture;

    void press(const QGraphicsSceneMouseEvent &event) override;
    bool itemsTakePress() const override { return true; }
    bool sharesMoves() const override { return true; }
    bool release(const QGraphicsSceneMouseEvent &) override { return false; }
};
