#pragma once

#include "itempresencelistener.h"

#include <QGraphicsPixmapItem>

// The picture a region cut leaves on the board.
class diagramItemPixmap : public ReportsPresence<QGraphicsPixmapItem>
{
public:
    diagramItemPixmap();
    ~diagramItemPixmap() override;
};
