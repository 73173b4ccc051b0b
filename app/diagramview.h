#pragma once

#include <QGraphicsView>
#include <QPointer>

class DiagramScene;
class LaserTrails;

// The board's one view of the drawing scene. Over the board it paints the laser pointer's
// fading ink and, when it is on, the spotlight; a stylus draws through it as the mouse does,
// with its pressure and its eraser end told to the scene.
class diagramview : public QGraphicsView
{
    Q_OBJECT

public:
    explicit diagramview(QGraphicsScene *scene);
    ~diagramview() override;

    void setLaserTrails(LaserTrails *trails);
    // Shows another page of the board, with its laser ink, at the same zoom.
    void showScene(DiagramScene *page);

    // At 100 % the board lies over the desktop pixel for pixel: a scene position stays on the
    // same screen pixel whatever is typed, pasted, dragged past an edge or wheeled, and no scroll
    // bar shows. Any other zoom scrolls as a plain view does. Called whenever the zoom changes.
    void followZoom();
    bool isPinnedToScreen() const { return pinned; }

    bool isSpotlightOn() const { return spotlightOn; }
    int spotlightRadius() const { return radius; }
    void setSpotlightRadius(int pixels);
    // A larger (+1) or smaller (-1) circle.
    void stepSpotlight(int direction);

public slots:
    void setSpotlight(bool on);

signals:
    void spotlightToggled(bool on);
    void spotlightResized(int radius);

protected:
    void drawForeground(QPainter *painter, const QRectF &rect) override;
    bool viewportEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void paintSpotlight(QPainter *painter) const;
    QRect spotlightCircle() const;
    void moveSpotlight(const QPoint &to);
    void followStylus(QTabletEvent *event);
    void pinToScreen();

    QGraphicsScene *viewScene; // not owned: the main window owns the scene
    QPointer<LaserTrails> laser;
    bool pinned = false;
    bool spotlightOn = false;
    int radius = 140;
    QPoint spotlightCentre; // in the viewport
};
