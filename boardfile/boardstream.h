#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>
#include <QPen>
#include <QPolygonF>
#include <QString>

class QImage;

// The primitive parts of the board file (see docs/board-file-format.md): points, pens, byte
// strings and pictures, written by the board itself so that a reader can check every count
// against what the file still holds before it makes anything of it.
namespace BoardStream {

// Qt's stream version the file is written with; a reader uses the same.
inline constexpr QDataStream::Version version = QDataStream::Qt_6_4;

} // namespace BoardStream

class BoardWriter
{
public:
    explicit BoardWriter(QDataStream &out)
        : out(out)
    {}

    // A value in Qt's own stream format (numbers, colours, points).
    template<typename T>
    BoardWriter &operator<<(const T &value)
    {
        out << value;
        return *this;
    }

    void pen(const QPen &pen);
    void points(const QPolygonF &points);
    void bytes(const QByteArray &bytes);
    void text(const QString &text) { bytes(text.toUtf8()); }
    void picture(const QImage &image);

private:
    QDataStream &out;
};

// Reads what BoardWriter wrote. Every check of the format is here: a count the rest of the file
// cannot hold, a number that is not finite or lies beyond a million pixels, a pen Qt does not
// know, a picture that does not decode, a stream that ends early. Any of them leaves the
// reader failed for good.
class BoardReader
{
public:
    explicit BoardReader(QDataStream &in)
        : in(in)
    {}

    bool ok() const { return in.status() == QDataStream::Ok && !failed; }
    void fail() { failed = true; }

    template<typename T>
    T value()
    {
        T v{};
        in >> v;
        return v;
    }

    QPen pen();
    QPolygonF points();
    QPointF point();
    qreal number(); // finite
    QByteArray bytes();
    QString text() { return QString::fromUtf8(bytes()); }
    QImage picture();
    // Whether count parts of at least partSize bytes each still fit in the file; fails if not.
    bool canHold(quint32 count, qint64 partSize);
    // How far into the file the next value stands.
    qint64 position() const { return in.device()->pos(); }

private:
    qint64 remaining() const { return in.device()->bytesAvailable(); }

    QDataStream &in;
    bool failed = false;
};
