#include "boardstream.h"

#include <QBuffer>
#include <QImage>
#include <QtEndian>

#include <cmath>
#include <cstring>

namespace {

constexpr qreal largestCoordinate = 1e6;
constexpr qreal largestPenWidth = 1000;

} // namespace

void BoardWriter::pen(const QPen &pen)
{
    out << pen.color() << pen.widthF() << qint32(pen.style()) << qint32(pen.capStyle())
        << qint32(pen.joinStyle());
}

void BoardWriter::points(const QPolygonF &points)
{
    out << quint32(points.size());
    if (out.byteOrder() != QDataStream::BigEndian
        || out.floatingPointPrecision() != QDataStream::DoublePrecision) {
        for (const QPointF &point : points)
            out << point.x() << point.y();
        return;
    }
    // The bytes Qt's stream writes for each coordinate (eight, most significant first), packed
    // here and written at once: a stroke has thousands, and its dots as many again.
    QByteArray packed(points.size() * 2 * qsizetype(sizeof(quint64)), Qt::Uninitialized);
    uchar *at = reinterpret_cast<uchar *>(packed.data());
    for (const QPointF &point : points) {
        for (const qreal coordinate : {point.x(), point.y()}) {
            quint64 bits;
            std::memcpy(&bits, &coordinate, sizeof bits);
            qToBigEndian(bits, at);
            at += sizeof bits;
        }
    }
    out.writeRawData(packed.constData(), int(packed.size()));
}

void BoardWriter::bytes(const QByteArray &bytes)
{
    out << quint32(bytes.size());
    out.writeRawData(bytes.constData(), int(bytes.size()));
}

void BoardWriter::picture(const QImage &image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    bytes(png);
}

QPen BoardReader::pen()
{
    const auto color = value<QColor>();
    const qreal width = number();
    const auto style = value<qint32>();
    const auto cap = value<qint32>();
    const auto join = value<qint32>();
    if (width < 0 || width > largestPenWidth || style < 0 || style > Qt::DashDotDotLine)
        failed = true;
    QPen pen(QBrush(color, Qt::SolidPattern), width, Qt::PenStyle(style));
    pen.setCapStyle(cap == Qt::RoundCap  ? Qt::RoundCap
                    : cap == Qt::FlatCap ? Qt::FlatCap
                                         : Qt::SquareCap);
    pen.setJoinStyle(join == Qt::RoundJoin   ? Qt::RoundJoin
                     : join == Qt::MiterJoin ? Qt::MiterJoin
                                             : Qt::BevelJoin);
    return pen;
}

bool BoardReader::canHold(quint32 count, qint64 partSize)
{
    if (qint64(count) * partSize > remaining())
        failed = true;
    return ok();
}

QPolygonF BoardReader::points()
{
    const auto count = value<quint32>();
    if (!canHold(count, 2 * sizeof(qreal)))
        return {};
    QPolygonF points;
    points.reserve(count);
    for (quint32 i = 0; i < count && ok(); ++i)
        points << point();
    return points;
}

QPointF BoardReader::point()
{
    const qreal x = number();
    const qreal y = number();
    if (std::abs(x) > largestCoordinate || std::abs(y) > largestCoordinate)
        failed = true;
    return QPointF(x, y);
}

qreal BoardReader::number()
{
    const auto number = value<qreal>();
    if (!std::isfinite(number))
        failed = true;
    return number;
}

QByteArray BoardReader::bytes()
{
    const auto size = value<quint32>();
    if (!canHold(size, 1))
        return {};
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    if (in.readRawData(bytes.data(), int(size)) != int(size))
        failed = true;
    return bytes;
}

QImage BoardReader::picture()
{
    const QImage image = QImage::fromData(bytes(), "PNG");
    if (image.isNull())
        failed = true;
    return image;
}
