#pragma once

#include "itemremovallistener.h"

#include <QGraphicsPixmapItem>

// The picture a region cut leaves on the board.
class diagramItemPixmap : public ReportsRemoval<QGraphicsPixmapItem>
{
public:
    diagramItemPixmap();
    ~diagramItemPixmap() override;
};
