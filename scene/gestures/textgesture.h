#pragma once

#include "boardgesture.h"

// The text tool: a press opens a new label there for typing, and the pointer takes over.
class TextGesture : public BoardGesture
{
public:
    using BoardGesture::BoardGesture;

    void press(const QGraphicsSceneMouseEvent &event) override;
    bool itemsTakePress() const override { return true; }
    bool sharesMoves() const override { return true; }
    bool release(const QGraphicsSceneMouseEvent &) override { return false; }
};
