#pragma once

#include <QColor>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QTimer>

class QPainter;

// A ring at every click the audience should see: it grows and fades in half a second, in a colour
// for each button. The rings are no part of the board: the view paints them over it, and
// nothing of them stays once they faded. The clock runs only while a ring shows.
class ClickRings : public QObject
{
    Q_OBJECT

public:
    explicit ClickRings(QObject *parent = nullptr);

    // A click at the point, in the painter's coordinates.
    void add(const QPoint &at, Qt::MouseButton button);
    void clear();
    bool isEmpty() const { return rings.isEmpty(); }
    void paint(QPainter *painter) const;
    static QColor colourOf(Qt::MouseButton button);

signals:
    // The area to paint again, in the painter's coordinates.
    void changed(const QRect &area);

private:
    struct Ring
    {
        QPoint centre;
        QColor colour;
        qint64 bornMs;
    };
    void tick();
    QRect areaOf(const Ring &ring) const;
    qreal ageOf(const Ring &ring) const; // 0 when made, 1 when gone

    QList<Ring> rings;
    QElapsedTimer clock;
    QTimer frames;
};
