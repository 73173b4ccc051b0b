#pragma once

#include <QByteArray>
#include <QHash>

// What the last writing of the board wrote for the parts that never change once made (a stroke
// with its thousand dots, a picture, the background's picture), so that the next writing takes
// those bytes as they are: the recovery copy of a full board then encodes little more than what
// changed since the last one.
class WrittenItems
{
public:
    // The bytes kept for the part, or none when its identity is not the one they were kept for.
    QByteArray find(const void *part, quint64 identity);
    void keep(const void *part, quint64 identity, const QByteArray &bytes);
    // Forgets every part neither kept nor asked for since the last writing ended.
    void finishWriting();

private:
    struct Kept
    {
        quint64 identity;
        QByteArray bytes;
        quint64 writing; // the last writing that kept it or asked for it
    };
    QHash<const void *, Kept> kept;
    quint64 writing = 0; // the writing under way
};
