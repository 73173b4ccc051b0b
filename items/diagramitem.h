#pragma once

#include "itempresencelistener.h"

#include <QGraphicsPolygonItem>
#include <QPixmap>
#include <QPolygonF>

class QMenu;

// A filled shape on the board. The outline is the one source of truth for the polygon the base
// class paints: every change goes through setOutline() or setRectCorners().
class DiagramItem : public ReportsPresence<QGraphicsPolygonItem>
{
public:
    enum { Type = UserType + 15 };
    // A fixed underlying type: any int is a valid value, and unknown kinds fall back.
    enum DiagramType : int {
        Square,
        Diamond,
        RoundedRect,
        Parallelogram,
        Freehand,
        CutRect,
        FreeRect
    };

    DiagramItem(DiagramType diagramType, QMenu *contextMenu, QGraphicsItem *parent = nullptr);
    ~DiagramItem() override;

    int type() const override { return Type; }
    DiagramType diagramType() const { return kind; }
    QPolygonF polygon() const { return outline; }
    void setOutline(const QPolygonF &polygon);
    void setRectCorners(const QPointF &sceneCorner1, const QPointF &sceneCorner2);
    QPixmap image() const;

protected:
    void contextMenuEvent(QGraphicsSceneContextMenuEvent *event) override;

private:
    void buildOutline();

    QPolygonF iconPolygon; // closed outline drawn by image(); empty for the non-polygon kinds
    DiagramType kind;
    QPolygonF outline;  // always equal to the base class's polygon
    QMenu *contextMenu; // not owned; may be null, then no menu is shown
};
