#include "numberbadgeitem.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionGraphicsItem>

namespace {

constexpr qreal selectionMargin = 3;

} // namespace

NumberBadgeItemBase::NumberBadgeItemBase(int number, const QColor &colour, qreal diameter)
    : step(number)
    , fill(colour)
    , size(diameter)
{
    setFlags(ItemIsSelectable | ItemIsMovable | ItemSendsGeometryChanges);
}

QRectF NumberBadgeItemBase::disc() const
{
    return QRectF(-size / 2, -size / 2, size, size);
}

QRectF NumberBadgeItemBase::boundingRect() const
{
    return disc().adjusted(-selectionMargin, -selectionMargin, selectionMargin, selectionMargin);
}

QPainterPath NumberBadgeItemBase::shape() const
{
    QPainterPath path;
    path.addEllipse(disc());
    return path;
}

void NumberBadgeItemBase::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *)
{
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(fill);
    painter->drawEllipse(disc());
    // Dark digits on a light badge, light ones on a dark badge.
    painter->setPen(qGray(fill.rgb()) > 140 ? Qt::black : Qt::white);
    QFont font = painter->font();
    font.setBold(true);
    font.setPixelSize(qMax(6, int(size * (step < 10 ? 0.55 : step < 100 ? 0.45 : 0.35))));
    painter->setFont(font);
    painter->drawText(disc(), Qt::AlignCenter, QString::number(step));
    if (option->state & QStyle::State_Selected) {
        painter->setPen(QPen(Qt::black, 1, Qt::DashLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(boundingRect().adjusted(0.5, 0.5, -0.5, -0.5));
    }
}
