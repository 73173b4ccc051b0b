#pragma once

#include "pointergesture.h"

#include <QCoreApplication>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>

// Sends the scene the mouse events a view would send, with exact (also fractional) scene
// positions. Screen positions are the scene positions moved by screenOffset.
class SceneDriver
{
public:
    explicit SceneDriver(QGraphicsScene *scene, QPoint screenOffset = QPoint())
        : scene(scene)
        , screenOffset(screenOffset)
    {}

    void press(const QPointF &pos, Qt::MouseButton button = Qt::LeftButton)
    {
        downPos = pos;
        lastPos = pos;
        held = button;
        send(QEvent::GraphicsSceneMousePress, pos, button, held);
    }

    void move(const QPointF &pos)
    {
        send(QEvent::GraphicsSceneMouseMove, pos, Qt::NoButton, held);
        lastPos = pos;
    }

    void release(const QPointF &pos)
    {
        const Qt::MouseButton button = held;
        held = Qt::NoButton;
        send(QEvent::GraphicsSceneMouseRelease, pos, button, Qt::NoButton);
        lastPos = pos;
    }

    void drag(const QList<QPointF> &path, Qt::MouseButton button = Qt::LeftButton)
    {
        dragAlong(*this, path, button);
    }

private:
    void send(QEvent::Type type,
              const QPointF &pos,
              Qt::MouseButton button,
              Qt::MouseButtons buttons)
    {
        QGraphicsSceneMouseEvent event(type);
        event.setScenePos(pos);
        event.setScreenPos(pos.toPoint() + screenOffset);
        event.setLastScenePos(lastPos);
        event.setLastScreenPos(lastPos.toPoint() + screenOffset);
        for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
            event.setButtonDownScenePos(b, downPos);
            event.setButtonDownScreenPos(b, downPos.toPoint() + screenOffset);
        }
        event.setButton(button);
        event.setButtons(buttons);
        event.setAccepted(false);
        QCoreApplication::sendEvent(scene, &event);
    }

    QGraphicsScene *scene;
    QPoint screenOffset;
    QPointF downPos;
    QPointF lastPos;
    Qt::MouseButton held = Qt::NoButton;
};
