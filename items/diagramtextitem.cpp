#include "diagramtextitem.h"

DiagramTextItem::DiagramTextItem(QGraphicsItem *parent)
    : QGraphicsTextItem(parent)
{
    setFlag(ItemIsMovable);
    setFlag(ItemIsSelectable);
}

DiagramTextItem::~DiagramTextItem() = default;

void DiagramTextItem::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event)
{
    if (textInteractionFlags() == Qt::NoTextInteraction)
        setTextInteractionFlags(Qt::TextEditorInteraction);
    QGraphicsTextItem::mouseDoubleClickEvent(event);
}

void DiagramTextItem::focusOutEvent(QFocusEvent *event)
{
    setTextInteractionFlags(Qt::NoTextInteraction);
    // The receiver may take an emptied label out of the scene right here; the object itself
    // stays valid until control returns to the event loop.
    emit lostFocus(this);
    QGraphicsTextItem::focusOutEvent(event);
}

QVariant DiagramTextItem::itemChange(GraphicsItemChange change, const QVariant &value)
{
    if (change == ItemSelectedHasChanged)
        emit selectedChange(this);
    return value;
}
