#pragma once

#include "boardgesture.h"

class QGraphicsLineItem;

// The straight line: from the press to the release, in the line colour.
class LineGesture : public BoardGesture
{
public:
    using BoardGesture::BoardGesture;

    void press(const QGraphicsSceneMouseEvent &event) override;
    void move(const QPointF &pos) override;
    bool sharesMoves() const override { return true; }
    bool handlesFollowDrags() const override { return false; }
    bool release(const QGraphicsSceneMouseEvent &) override { return line != nullptr; }
    void selectionSettled() override { line = nullptr; }
    void forget(const QGraphicsItem *item) override;
    bool holds(const QGraphicsItem *item) const override;

    // The line of the last press, until a release settles the selection.
    QGraphicsLineItem *lineBeingDrawn() const { return line; }

private:
    QGraphicsLineItem *line = nullptr;
};
