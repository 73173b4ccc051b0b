#pragma once

#include "boardgesture.h"

class QGraphicsLineItem;

// The arrow: a line from the press to the release with a head at its end, drawn as a line is.
class ArrowGesture : public BoardGesture
{
public:
    using BoardGesture::BoardGesture;

    void press(const QGraphicsSceneMouseEvent &event) override;
    void move(const QPointF &pos) override;
    bool release(const QGraphicsSceneMouseEvent &event) override;
    bool sharesMoves() const override { return true; }
    void forget(const QGraphicsItem *item) override;
    bool holds(const QGraphicsItem *item) const override;

private:
    QGraphicsLineItem *arrow = nullptr; // the one this gesture draws, until its release
};
