#pragma once

#include "app/clickrings.h"
#include "app/keyecho.h"
#include <QGraphicsView>

#include <QPixmap>
#include <QPointer>
#include <QTransform>

#include <optional>

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

    // The magnifier: the board enlarged around the pointer, over a still picture of the desktop
    // under the drawing area (none where the desktop gives no picture). The pointer pans it
    // while no button is held; whatever is drawn meanwhile lands at the board's own place.
    void startLens(const QPixmap &desktop);
    void stopLens();
    bool isLensOn() const { return lens.has_value(); }
    qreal lensZoom() const { return lens ? lens->zoom : 1.0; }
    // A stronger (+1) or weaker (-1) magnification.
    void stepLens(int direction);

    // The rings at the clicks and the box of the keys, painted over the board in the viewport's
    // pixels.
    ClickRings *clickRings() { return &rings; }
    KeyEcho *keyEcho() { return &keys; }
    void clearEchoes();

public slots:
    void setSpotlight(bool on);

signals:
    void spotlightToggled(bool on);
    void spotlightResized(int radius);
    void lensToggled(bool on);
    void lensZoomed(qreal zoom);

protected:
    void drawBackground(QPainter *painter, const QRectF &rect) override;
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
    void showLens();

    struct Lens
    {
        QPixmap desktop;     // what the drawing area showed under the board, or null
        QRectF area;         // the part of the scene the viewport showed unmagnified
        QTransform unzoomed; // the view's transform before
        qreal zoom = 2.0;
        QPointF pointer; // in the viewport, where the last move without a button left it
    };

    QGraphicsScene *viewScene; // not owned: the main window owns the scene
    QPointer<LaserTrails> laser;
    bool pinned = false;
    bool spotlightOn = false;
    int radius = 140;
    QPoint spotlightCentre; // in the viewport
    std::optional<Lens> lens;
    ClickRings rings;
    KeyEcho keys;
    QRect keysBox; // where the keys' box was last painted, in the viewport
};
