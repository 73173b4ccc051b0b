#pragma once

#include "boardgesture.h"

class HighlightItemBase;

// The highlighter: a broad translucent marker stroke from the press to the release.
class HighlightGesture : public BoardGesture
{
public:
    using BoardGesture::BoardGesture;

    void press(const QGraphicsSceneMouseEvent &event) override;
    void move(const QPointF &pos) override;
    void finish() override;
    void forget(const QGraphicsItem *item) override;
    bool holds(const QGraphicsItem *item) const override;

private:
    HighlightItemBase *highlight = nullptr; // the stroke under way
};
