#include "numbergesture.h"

#include "items/numberbadgeitem.h"
#include "scene/diagramscene.h"

#include <QGraphicsSceneMouseEvent>

namespace {

// About 32 pixels at the pen's usual width, larger for a broader pen: read in a video call.
qreal badgeDiameter(int penWidth)
{
    return 22 + 2 * penWidth;
}

} // namespace

void NumberGesture::press(const QGraphicsSceneMouseEvent &event)
{
    scene.clearSelection();
    auto *badge = new NumberBadgeItem(nextNumber(),
                                      scene.currentLineColor(),
                                      badgeDiameter(scene.freehandPenWidth()));
    badge->setPos(event.scenePos());
    scene.placeInGesture(badge, DiagramScene::tr("número"));
}

int NumberGesture::nextNumber() const
{
    int highest = 0;
    for (const QGraphicsItem *item : scene.boardItems()) {
        if (const auto *badge = qgraphicsitem_cast<const NumberBadgeItemBase *>(item))
            highest = qMax(highest, badge->number());
    }
    return highest + 1;
}
