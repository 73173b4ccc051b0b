#include "liveink.h"

#include "pendot.h"

#include <QGraphicsLineItem>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

namespace {

// The bounds grow by this much at a time: each growth makes Qt look at the item anew.
constexpr qreal growthMargin = 160;

} // namespace

LiveInk::LiveInk()
{
    setFlag(ItemUsesExtendedStyleOption);
    setAcceptedMouseButtons(Qt::NoButton);
}

void LiveInk::addDot(const QGraphicsLineItem *dot)
{
    const QRectF square = PenDot::paintedArea(*dot);
    if (!bounds.contains(square)) {
        prepareGeometryChange();
        bounds |= square.adjusted(-growthMargin, -growthMargin, growthMargin, growthMargin);
    }
    dots.append(dot);
    update(square);
}

void LiveInk::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *)
{
    for (const QGraphicsLineItem *dot : std::as_const(dots)) {
        if (dot->isVisible() && PenDot::paintedArea(*dot).intersects(option->exposedRect))
            PenDot::paintDot(painter, *dot);
    }
}
