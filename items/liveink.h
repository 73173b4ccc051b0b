#pragma once

#include <QGraphicsItem>
#include <QList>

class QGraphicsLineItem;

// The ink of the stroke under way: its dots, painted as they come, until the finished stroke
// paints them itself. It is no part of the board: no step of the history, the file or the
// eraser knows it, and the pointer passes through it.
class LiveInk : public QGraphicsItem
{
public:
    enum { Type = UserType + 23 };

    LiveInk();

    int type() const override { return Type; }
    void addDot(const QGraphicsLineItem *dot);

    QRectF boundingRect() const override { return bounds; }
    QPainterPath shape() const override { return QPainterPath(); }
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    QList<const QGraphicsLineItem *> dots; // owned by the scene, in the order they came
    QRectF bounds;
};
