#pragma once

#include <QBasicTimer>
#include <QColor>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPolygonF>

class QPainter;

// The laser pointer's ink: strokes that stay while they are drawn and for a moment after, then
// fade out and are gone. They belong to no board: the view paints them over the scene, so they
// are never items, never in the history, a file or a picture of the board, and no tool hits
// them. The timer runs only while a released stroke is still there.
class LaserTrails : public QObject
{
    Q_OBJECT

public:
    static constexpr int holdMs = 1000; // fully visible after the release
    static constexpr int fadeMs = 500;  // then fading out

    explicit LaserTrails(QObject *parent = nullptr);

    void begin(const QPointF &at, const QColor &color, qreal width);
    // Goes on with the stroke under way, or begins one when none is.
    void extend(const QPointF &to);
    // The stroke under way is released: it starts to fade.
    void end();
    // Everything goes at once.
    void clear();

    bool isEmpty() const { return trails.isEmpty(); }
    bool isTicking() const { return timer.isActive(); }
    void paint(QPainter *painter, const QRectF &exposed) const;

signals:
    // This area of the scene looks different now.
    void changed(const QRectF &area);

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    struct Trail
    {
        QPolygonF points;
        QColor color;
        qreal width = 1;
        qint64 releasedAt = -1; // on the clock; -1 while it is drawn
        qreal opacity = 1;
    };
    static QRectF areaOf(const QPolygonF &points, qreal width);
    void fade();

    QList<Trail> trails; // oldest first
    QElapsedTimer clock;
    QBasicTimer timer;
};
