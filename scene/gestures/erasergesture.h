#pragma once

#include "boardgesture.h"

#include <optional>

// The eraser: everything whose ink the pointer touches from the press to the release leaves
// the board, as one step.
class EraserGesture : public BoardGesture
{
public:
    using BoardGesture::BoardGesture;

    void press(const QGraphicsSceneMouseEvent &event) override;
    void move(const QPointF &pos) override;
    void finish() override { lastPos.reset(); }

private:
    void eraseAt(const QPointF &pos);
    bool isErasable(const QGraphicsItem *item) const;

    std::optional<QPointF> lastPos; // where the sweep under way was last seen
};
