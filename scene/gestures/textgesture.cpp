#include "textgesture.h"

#include "items/diagramtextitem.h"
#include "scene/diagramscene.h"

#include <QGraphicsSceneMouseEvent>

namespace {

constexpr qreal textZValue = 1000.0;

} // namespace

void TextGesture::press(const QGraphicsSceneMouseEvent &event)
{
    scene.finishLabelEdit();
    scene.clearSelection();
    auto *text = new DiagramTextItem();
    text->setFont(scene.currentTextFont());
    text->setTextInteractionFlags(Qt::TextEditorInteraction);
    text->setZValue(textZValue);
    scene.wireLabel(text);
    scene.labelEditStarted(text);
    scene.place(text);
    text->setDefaultTextColor(scene.currentTextColor());
    if (scene.labelsBoxed())
        text->setBox(scene.currentItemColor());
    text->setPos(event.scenePos());
    scene.noteNewestText(text);
    emit scene.textInserted(text);
    // The label is placed; whatever the receiver chose, the next press selects and moves.
    scene.setMode(DiagramScene::MoveItem);
}
