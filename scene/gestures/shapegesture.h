#pragma once

#include "movegesture.h"

// The shape stamp: a press puts a shape of the chosen kind there, selected and with its
// handles, as a step of its own; from there on the press and its drag are the pointer's.
class ShapeGesture : public MoveGesture
{
public:
    using MoveGesture::MoveGesture;

    void press(const QGraphicsSceneMouseEvent &event) override;
};
