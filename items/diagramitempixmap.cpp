#include "diagramitempixmap.h"

diagramItemPixmap::diagramItemPixmap()
    : ReportsPresence(nullptr)
{
    // Moves are reported to the scene, so that each drag becomes a step of the history.
    setFlag(ItemSendsGeometryChanges);
}

diagramItemPixmap::~diagramItemPixmap() = default;
