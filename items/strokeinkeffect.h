#pragma once

#include <QGraphicsEffect>

class StrokeItem;

// Paints a stroke that carries its dots: its ink and theirs, and nothing more. Qt paints the
// children of every item whose bounds meet the area it repaints, and a stroke that crosses the
// board meets every area; its thousand dots paint nothing themselves (the stroke paints them), so
// an effect that paints the stroke alone spares Qt visiting each of them on every repaint.
class StrokeInkEffect : public QGraphicsEffect
{
public:
    explicit StrokeInkEffect(StrokeItem *stroke);

protected:
    void draw(QPainter *painter) override;

private:
    StrokeItem *stroke; // owns the effect
};
