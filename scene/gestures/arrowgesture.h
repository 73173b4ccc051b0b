#pragma once

#include "boardgesture.h"

class QGraphicsLineItem;

// The arrow: a line from the press to the release with a head at its end, drawn as a line is.
class ArrowGesture : public BoardGesture
{
public:
    using BoardGesture::BoardGesture;

    void press(const QPointF &pos) override;
    void move(const QPointF &pos) override;
    bool release() override;
    bool sharesMoves() const override { return true; }
    void forget(const QGraphicsItem *item) override;

private:
    QGraphicsLineItem *arrow = nullptr; // the one this gesture draws, until its release
};
