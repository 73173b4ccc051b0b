#pragma once

#include "boardgesture.h"

#include <optional>

class DiagramScene;

// The eraser: everything whose ink the pointer touches from the press to the release leaves
// the board, as one step.
class EraserGesture : public BoardGesture
{
public:
    explicit EraserGesture(DiagramScene &scene)
        : scene(scene)
    {}

    void press(const QPointF &pos) override;
    void move(const QPointF &pos) override;
    void finish() override { lastPos.reset(); }

private:
    void eraseAt(const QPointF &pos);
    bool isErasable(const QGraphicsItem *item) const;

    DiagramScene &scene;
    std::optional<QPointF> lastPos; // where the sweep under way was last seen
};
