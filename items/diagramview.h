#pragma once

#include <QGraphicsView>

// The board's one view of the drawing scene.
class diagramview : public QGraphicsView
{
    Q_OBJECT

public:
    explicit diagramview(QGraphicsScene *scene);
    ~diagramview() override;

private:
    QGraphicsScene *viewScene; // not owned: the main window owns the scene
};
