// The board written to and read back from a file: every item with what it needs to look and
// behave as it did, in stacking order, and the background. The format is described in
// docs/board-file-format.md. Reading trusts nothing: every count is checked against what the
// file still holds before anything is made of it.
#include "diagramscene.h"

#include "history/boardorder.h"
#include "items/arrowitem.h"
#include "items/diagramitempixmap.h"
#include "items/highlightitem.h"
#include "items/pendot.h"
#include "items/strokeitem.h"

#include <QBuffer>
#include <QDataStream>
#include <QImage>
#include <QPainter>

#include <memory>

namespace {

constexpr quint32 fileMagic = 0x54564c42; // "TVLB"
constexpr quint32 fileVersion = 1;

enum class Kind : quint8 { Stroke = 1, Shape, Line, Arrow, Label, Picture, Highlight };

void writePen(QDataStream &out, const QPen &pen)
{
    out << pen.color() << pen.widthF() << qint32(pen.style()) << qint32(pen.capStyle())
        << qint32(pen.joinStyle());
}

void writePoints(QDataStream &out, const QPolygonF &points)
{
    out << quint32(points.size());
    for (const QPointF &point : points)
        out << point.x() << point.y();
}

void writeBytes(QDataStream &out, const QByteArray &bytes)
{
    out << quint32(bytes.size());
    out.writeRawData(bytes.constData(), int(bytes.size()));
}

QByteArray pngOf(const QImage &image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

// The picture as it paints: drawn onto transparency, whatever its pixels claim about alpha.
QImage asPainted(const QPixmap &pixmap)
{
    QImage image(pixmap.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.drawPixmap(0, 0, pixmap);
    painter.end();
    return image;
}

// Reads what writePen() and the others wrote, refusing counts the rest of the file cannot hold.
class Reader
{
public:
    explicit Reader(QDataStream &in)
        : in(in)
    {}

    bool ok() const { return in.status() == QDataStream::Ok && !failed; }
    qint64 remaining() const { return in.device()->bytesAvailable(); }

    QPen pen()
    {
        QColor color;
        qreal width = 0;
        qint32 style = 0, cap = 0, join = 0;
        in >> color >> width >> style >> cap >> join;
        if (!std::isfinite(width) || width < 0 || width > 1000 || style < 0 || style > 5)
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

    QPolygonF points()
    {
        quint32 count = 0;
        in >> count;
        if (qint64(count) * 16 > remaining()) {
            failed = true;
            return {};
        }
        QPolygonF points;
        points.reserve(count);
        for (quint32 i = 0; i < count && ok(); ++i)
            points << point();
        return points;
    }

    QPointF point()
    {
        qreal x = 0, y = 0;
        in >> x >> y;
        if (!std::isfinite(x) || !std::isfinite(y) || std::abs(x) > 1e6 || std::abs(y) > 1e6)
            failed = true;
        return QPointF(x, y);
    }

    QByteArray bytes()
    {
        quint32 size = 0;
        in >> size;
        if (qint64(size) > remaining()) {
            failed = true;
            return {};
        }
        QByteArray bytes(qsizetype(size), Qt::Uninitialized);
        if (in.readRawData(bytes.data(), int(size)) != int(size))
            failed = true;
        return bytes;
    }

    QString text() { return QString::fromUtf8(bytes()); }

    template<typename T>
    T value()
    {
        T v{};
        in >> v;
        return v;
    }

    void fail() { failed = true; }

private:
    QDataStream &in;
    bool failed = false;
};

QDataStream::Version streamVersion()
{
    return QDataStream::Qt_6_4;
}

bool writeItem(QDataStream &out, QGraphicsItem *item)
{
    auto header = [&out, item](Kind kind) { out << quint8(kind) << item->zValue() << item->pos(); };
    if (auto *stroke = dynamic_cast<StrokeItem *>(item)) {
        header(Kind::Stroke);
        writePen(out, stroke->pen());
        QPolygonF points;
        for (int i = 0; i < stroke->path().elementCount(); ++i)
            points << QPointF(stroke->path().elementAt(i));
        writePoints(out, points);
        // The dots drawn along it, where the pointer was, run by run; a run splits where the pen
        // changed while the stroke was drawn.
        QList<std::pair<QPen, QPolygonF>> runs;
        for (QGraphicsItem *head : stroke->dotRuns()) {
            QList<QGraphicsItem *> dots{head};
            dots += head->childItems();
            for (QGraphicsItem *item : std::as_const(dots)) {
                const auto *dot = static_cast<QGraphicsLineItem *>(item);
                if (dot == head || runs.isEmpty() || runs.last().first != dot->pen())
                    runs.append({dot->pen(), {}});
                runs.last().second << dot->line().p1();
            }
        }
        out << quint32(runs.size());
        for (const auto &[pen, dots] : std::as_const(runs)) {
            writePen(out, pen);
            writePoints(out, dots);
        }
        return true;
    }
    if (auto *shape = qgraphicsitem_cast<DiagramItem *>(item)) {
        header(Kind::Shape);
        out << qint32(shape->diagramType());
        writePoints(out, shape->polygon());
        out << shape->brush().color();
        writePen(out, shape->pen());
        return true;
    }
    if (auto *arrow = qgraphicsitem_cast<ArrowItem *>(item)) {
        header(Kind::Arrow);
        writePoints(out, {arrow->line().p1(), arrow->line().p2()});
        writePen(out, arrow->pen());
        return true;
    }
    if (auto *line = qgraphicsitem_cast<QGraphicsLineItem *>(item)) {
        header(Kind::Line);
        writePoints(out, {line->line().p1(), line->line().p2()});
        writePen(out, line->pen());
        return true;
    }
    if (auto *label = qgraphicsitem_cast<DiagramTextItem *>(item)) {
        header(Kind::Label);
        writeBytes(out, label->toPlainText().toUtf8());
        writeBytes(out, label->font().toString().toUtf8());
        out << label->defaultTextColor();
        return true;
    }
    if (auto *picture = dynamic_cast<diagramItemPixmap *>(item)) {
        header(Kind::Picture);
        out << picture->offset();
        writeBytes(out, pngOf(asPainted(picture->pixmap())));
        return true;
    }
    if (auto *highlight = dynamic_cast<HighlightItemBase *>(item)) {
        header(Kind::Highlight);
        writePen(out, highlight->pen());
        writePoints(out, highlight->points());
        return true;
    }
    return false;
}

// An item read from a file, with the dots a stroke carries (which the stroke does not own).
struct ReadItem
{
    std::unique_ptr<QGraphicsItem> item;
    std::vector<std::unique_ptr<QGraphicsItem>> dotRuns;
};

ReadItem readItem(Reader &read, QMenu *itemMenu)
{
    ReadItem result;
    const auto kind = Kind(read.value<quint8>());
    const auto z = read.value<qreal>();
    const QPointF pos = read.point();
    std::unique_ptr<QGraphicsItem> item;
    switch (kind) {
    case Kind::Stroke: {
        const QPen pen = read.pen();
        auto stroke = std::make_unique<StrokeItem>(read.points(), pen);
        const auto runs = read.value<quint32>();
        if (qint64(runs) * 4 > read.remaining())
            return {};
        QList<QGraphicsItem *> heads;
        for (quint32 i = 0; i < runs && read.ok(); ++i) {
            const QPen dotPen = read.pen();
            const QPolygonF dots = read.points();
            if (dots.isEmpty())
                break;
            auto head = std::make_unique<PenDot>(dots.first(), dotPen);
            for (qsizetype d = 1; d < dots.size(); ++d)
                (new PenDot(dots.at(d), dotPen))->setParentItem(head.get()); // owned by the head
            heads << head.get();
            result.dotRuns.push_back(std::move(head));
        }
        stroke->setDotRuns(heads);
        item = std::move(stroke);
        break;
    }
    case Kind::Shape: {
        const auto type = read.value<qint32>();
        const QPolygonF outline = read.points();
        const auto fill = read.value<QColor>();
        const QPen pen = read.pen();
        auto shape = std::make_unique<DiagramItem>(DiagramItem::DiagramType(type), itemMenu);
        shape->setOutline(outline);
        shape->setBrush(QBrush(fill, Qt::SolidPattern));
        shape->setPen(pen);
        item = std::move(shape);
        break;
    }
    case Kind::Line:
    case Kind::Arrow: {
        const QPolygonF ends = read.points();
        const QPen pen = read.pen();
        if (ends.size() != 2)
            return {};
        std::unique_ptr<QGraphicsLineItem> line;
        if (kind == Kind::Arrow)
            line = std::make_unique<ArrowItem>(QLineF(ends.at(0), ends.at(1)));
        else
            line = std::make_unique<ReportsRemoval<QGraphicsLineItem>>(
                QLineF(ends.at(0), ends.at(1)));
        line->setPen(pen);
        item = std::move(line);
        break;
    }
    case Kind::Label: {
        const QString text = read.text();
        QFont font;
        if (!font.fromString(read.text()))
            return {};
        const auto color = read.value<QColor>();
        if (text.size() > DiagramTextItem::maximumLength)
            return {};
        auto label = std::make_unique<DiagramTextItem>();
        label->setFont(font);
        label->setPlainText(text);
        label->setDefaultTextColor(color);
        label->setOnRecord();
        item = std::move(label);
        break;
    }
    case Kind::Picture: {
        const QPointF offset = read.point();
        const QImage image = QImage::fromData(read.bytes(), "PNG");
        if (image.isNull())
            return {};
        auto picture = std::make_unique<diagramItemPixmap>();
        picture->setOffset(offset);
        picture->setPixmap(QPixmap::fromImage(image));
        picture->setFlag(QGraphicsItem::ItemIsMovable, true);
        item = std::move(picture);
        break;
    }
    case Kind::Highlight: {
        const QPen pen = read.pen();
        const QPolygonF points = read.points();
        if (points.isEmpty())
            return {};
        auto highlight = std::make_unique<HighlightItem>(points.first(), pen);
        for (qsizetype i = 1; i < points.size(); ++i)
            highlight->extend(points.at(i));
        highlight->finish();
        item = std::move(highlight);
        break;
    }
    default:
        return {};
    }
    if (!read.ok() || !std::isfinite(z))
        return {};
    item->setZValue(z);
    item->setPos(pos);
    result.item = std::move(item);
    return result;
}

} // namespace

QByteArray DiagramScene::saveBoard() const
{
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setVersion(streamVersion());
    out << fileMagic << fileVersion;

    const QBrush background = backgroundBrush();
    if (background.style() == Qt::TexturePattern) {
        out << quint8(2);
        writeBytes(out, pngOf(background.textureImage()));
    } else if (background.style() == Qt::SolidPattern) {
        out << quint8(1) << background.color();
    } else {
        out << quint8(0);
    }

    QList<QGraphicsItem *> kept;
    for (QGraphicsItem *item : items(Qt::AscendingOrder)) {
        if (!item->parentItem() && item->isVisible() && isOnRecord(item)
            && !dynamic_cast<PenDot *>(item))
            kept << item;
    }
    QByteArray body;
    QDataStream items(&body, QIODevice::WriteOnly);
    items.setVersion(streamVersion());
    quint32 count = 0;
    for (QGraphicsItem *item : std::as_const(kept))
        count += writeItem(items, item) ? 1 : 0;
    out << count;
    out.writeRawData(body.constData(), int(body.size()));
    return data;
}

bool DiagramScene::loadBoard(const QByteArray &data, QString *error)
{
    QDataStream in(data);
    in.setVersion(streamVersion());
    Reader read(in);
    const auto magic = read.value<quint32>();
    const auto version = read.value<quint32>();
    if (!read.ok() || magic != fileMagic) {
        *error = tr("no es un archivo del tablero");
        return false;
    }
    if (version != fileVersion) {
        *error = tr("versión %1 del archivo, más nueva que este programa").arg(version);
        return false;
    }
    QBrush background(Qt::transparent, Qt::SolidPattern);
    const auto backgroundKind = read.value<quint8>();
    if (backgroundKind == 1) {
        background = QBrush(read.value<QColor>(), Qt::SolidPattern);
    } else if (backgroundKind == 2) {
        const QImage texture = QImage::fromData(read.bytes(), "PNG");
        if (texture.isNull())
            read.fail();
        background = QBrush(texture);
    } else if (backgroundKind != 0) {
        read.fail();
    }
    const auto count = read.value<quint32>();
    // Everything is made first and only put on the board if the whole file reads well.
    std::vector<ReadItem> made;
    for (quint32 i = 0; i < count && read.ok(); ++i) {
        ReadItem item = readItem(read, itemMenu);
        if (!item.item)
            read.fail();
        made.push_back(std::move(item));
    }
    if (!read.ok()) {
        *error = tr("el archivo está dañado");
        return false;
    }
    setBackgroundBrush(background);
    for (ReadItem &item : made) {
        // A stroke's dots were drawn before it and stand under it.
        for (std::unique_ptr<QGraphicsItem> &run : item.dotRuns) {
            QGraphicsItem *head = run.release();
            place(head);
            for (QGraphicsItem *dot : head->childItems())
                BoardOrder::stamp(dot, ++itemsPlaced);
        }
        QGraphicsItem *placed = item.item.release();
        place(placed);
        if (auto *label = qgraphicsitem_cast<DiagramTextItem *>(placed))
            wireLabel(label);
    }
    return true;
}
