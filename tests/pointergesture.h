#pragma once

#include <QList>
#include <QPointF>

// A press at the first point, moves through the others and a release at the last; a path of
// one point is a click. Shared by the drivers that send pointer events to a scene or a view.
template<typename Driver>
void dragAlong(Driver &driver, const QList<QPointF> &path, Qt::MouseButton button)
{
    driver.press(path.first(), button);
    for (qsizetype i = 1; i < path.size(); ++i)
        driver.move(path.at(i));
    driver.release(path.last());
}
