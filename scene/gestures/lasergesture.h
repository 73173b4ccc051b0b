#pragma once

#include "boardgesture.h"

class DiagramScene;

// The laser pointer: a glowing stroke that shows where the presenter points and fades away on
// its own, leaving the board as it was.
class LaserGesture : public BoardGesture
{
public:
    explicit LaserGesture(DiagramScene &scene)
        : scene(scene)
    {}

    void press(const QPointF &pos) override;
    void move(const QPointF &pos) override;
    void finish() override;

private:
    DiagramScene &scene;
};
