#pragma once

#include "movegesture.h"

// The text tool: a press opens a new label there for typing, and the pointer takes over.
class TextGesture : public MoveGesture
{
public:
    using MoveGesture::MoveGesture;

    void press(const QGraphicsSceneMouseEvent &event) override;
};
