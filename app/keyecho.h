#pragma once

#include <QKeySequence>
#include <QObject>
#include <QRect>
#include <QString>
#include <QTimer>

class QPainter;

// The keys the presenter presses, as people write them, in a box the audience can read: a
// combination ("Ctrl+C", "Alt+Tab", "Shift+F5"), the same one again as "x2", "x3", plain typing
// as the word typed. The box fades a moment after the last key; nothing of it is kept.
class KeyEcho : public QObject
{
    Q_OBJECT

public:
    explicit KeyEcho(QObject *parent = nullptr);

    // A key other than a modifier, with the modifiers held and the text it types (none for a
    // key that types nothing). Private typing shows as typing, without its letters.
    void press(Qt::Key key,
               Qt::KeyboardModifiers modifiers,
               const QString &text,
               bool privateTyping = false);
    void clear();
    QString text() const;
    bool isShown() const { return !shown.isEmpty(); }
    // The box, at the bottom centre of the area.
    void paint(QPainter *painter, const QRect &area) const;
    QRect boxIn(const QRect &area) const;

signals:
    void changed();

private:
    void startFading();
    void fadeStep();

    QString shown; // the combination or the word
    QKeySequence lastCombination;
    int repeats = 0;     // how often the combination came in a row
    bool typing = false; // the text shown is a word being typed
    qreal opacity = 1.0;
    QTimer fadeDelay;
    QTimer fading;
};
