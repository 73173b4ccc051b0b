#pragma once

#include "items/strokeitem.h"

#include <QGraphicsScene>

// The board as boards were before strokes painted their dots: every dot paints itself and each
// stroke only its own ink. For comparisons with such a board.
inline void letDotsPaintThemselves(QGraphicsScene &scene)
{
    const QList<QGraphicsItem *> items = scene.items();
    for (QGraphicsItem *item : items) {
        auto *stroke = dynamic_cast<StrokeItem *>(item);
        if (!stroke)
            continue;
        const QList<QGraphicsItem *> runs = stroke->dotRuns();
        for (QGraphicsItem *head : runs) {
            head->setFlag(QGraphicsItem::ItemHasNoContents, false);
            for (QGraphicsItem *dot : head->childItems())
                dot->setFlag(QGraphicsItem::ItemHasNoContents, false);
        }
        stroke->setDotRuns(runs, false);
    }
}
