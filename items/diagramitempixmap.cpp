#include "diagramitempixmap.h"

diagramItemPixmap::diagramItemPixmap()
    : ReportsRemoval(nullptr)
{}

diagramItemPixmap::~diagramItemPixmap() = default;
