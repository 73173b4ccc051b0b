#pragma once

#include "boardgesture.h"

// The laser pointer: a glowing stroke that shows where the presenter points and fades away on
// its own, leaving the board as it was.
class LaserGesture : public BoardGesture
{
public:
    using BoardGesture::BoardGesture;

    void press(const QGraphicsSceneMouseEvent &event) override;
    void move(const QPointF &pos) override;
    void finish() override;
};
