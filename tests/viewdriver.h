#pragma once

#include "pointergesture.h"

#include <QApplication>
#include <QGraphicsView>
#include <QMouseEvent>
#include <QTabletEvent>

// What a stylus's driver tells Qt: the tip or eraser end at a viewport point, pressed so firmly.
inline void sendStylus(QGraphicsView *view,
                       QEvent::Type type,
                       const QPointF &local,
                       const QPointingDevice *device,
                       qreal pressure,
                       Qt::MouseButton button,
                       Qt::MouseButtons buttons)
{
    QTabletEvent event(type,
                       device,
                       local,
                       view->viewport()->mapToGlobal(local),
                       pressure,
                       0,
                       0,
                       0,
                       0,
                       0,
                       Qt::NoModifier,
                       button,
                       buttons);
    QApplication::sendEvent(view->viewport(), &event);
}

// Sends a view's viewport the mouse events a person makes, at the viewport points of the given
// scene positions, so the scene sees them exactly as it does in the program.
class ViewDriver
{
public:
    explicit ViewDriver(QGraphicsView *view)
        : view(view)
    {}

    void press(const QPointF &scenePos, Qt::MouseButton button = Qt::LeftButton)
    {
        held = button;
        send(QEvent::MouseButtonPress, scenePos, button, held);
    }

    void move(const QPointF &scenePos) { send(QEvent::MouseMove, scenePos, Qt::NoButton, held); }

    void release(const QPointF &scenePos)
    {
        const Qt::MouseButton button = held;
        held = Qt::NoButton;
        send(QEvent::MouseButtonRelease, scenePos, button, Qt::NoButton);
    }

    void drag(const QList<QPointF> &path, Qt::MouseButton button = Qt::LeftButton)
    {
        dragAlong(*this, path, button);
    }

private:
    void send(QEvent::Type type,
              const QPointF &scenePos,
              Qt::MouseButton button,
              Qt::MouseButtons buttons)
    {
        QWidget *viewport = view->viewport();
        const QPointF local = view->mapFromScene(scenePos);
        QMouseEvent event(type, local, viewport->mapToGlobal(local), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    }

    QGraphicsView *view;
    Qt::MouseButton held = Qt::NoButton;
};
