#pragma once

#include "oneitemgesture.h"

class QGraphicsLineItem;

// The arrow: a line from the press to the release with a head at its end, drawn as a line is.
class ArrowGesture : public OneItemGesture<QGraphicsLineItem>
{
public:
    using OneItemGesture::OneItemGesture;

    void press(const QGraphicsSceneMouseEvent &event) override;
    void move(const QPointF &pos) override;
    bool sharesMoves() const override { return true; }
};
