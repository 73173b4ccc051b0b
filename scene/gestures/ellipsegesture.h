#pragma once

#include "oneitemgesture.h"

#include <QRectF>

class QGraphicsEllipseItem;

// The ellipse: spanned from the press to the release, inside the rectangle they mark; a circle
// while Shift is held.
class EllipseGesture : public OneItemGesture<QGraphicsEllipseItem>
{
public:
    using OneItemGesture::OneItemGesture;

    void press(const QGraphicsSceneMouseEvent &event) override;
    void move(const QPointF &pos) override;

private:
    QRectF spannedTo(const QPointF &pos) const;

    QPointF origin;
};
