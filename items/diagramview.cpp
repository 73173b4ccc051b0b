#include "diagramview.h"

diagramview::diagramview(QGraphicsScene *scene)
    : QGraphicsView(scene)
    , viewScene(scene)
{}

diagramview::~diagramview() = default;
