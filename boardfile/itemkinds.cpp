#include "itemkinds.h"

#include "boardstream.h"
#include "items/arrowitem.h"
#include "items/diagramitem.h"
#include "items/diagramitempixmap.h"
#include "items/diagramtextitem.h"
#include "items/ellipseitem.h"
#include "items/highlightitem.h"
#include "items/numberbadgeitem.h"
#include "items/pendot.h"
#include "items/strokeitem.h"

#include <QGraphicsPixmapItem>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <iterator>

namespace {

// Broader than any pen the board offers, even pressed hard.
constexpr qreal broadestInk = 1000;

template<typename Item>
bool isA(const QGraphicsItem &item)
{
    return dynamic_cast<const Item *>(&item) != nullptr;
}

// Straight lines are plain line items; dots and arrows are line items of their own kinds.
bool isStraightLine(const QGraphicsItem &item)
{
    return item.type() == QGraphicsLineItem::Type && !isA<PenDot>(item);
}

ReadItem made(std::unique_ptr<QGraphicsItem> item)
{
    ReadItem result;
    result.item = std::move(item);
    return result;
}

// A stroke: its polyline, then the dots drawn along it where the pointer was, run by run; a
// run splits where the pen changed while the stroke was drawn.
void writeStroke(BoardWriter &out, const QGraphicsItem &item)
{
    const auto &stroke = static_cast<const StrokeItem &>(item);
    out.pen(stroke.pen());
    QPolygonF points;
    for (int i = 0; i < stroke.path().elementCount(); ++i)
        points << QPointF(stroke.path().elementAt(i));
    out.points(points);
    QList<std::pair<QPen, QPolygonF>> runs;
    for (const QGraphicsItem *head : stroke.dotRuns()) {
        QList<const QGraphicsItem *> dots{head};
        for (const QGraphicsItem *child : head->childItems())
            dots << child;
        for (const QGraphicsItem *part : std::as_const(dots)) {
            const auto *dot = static_cast<const QGraphicsLineItem *>(part);
            if (dot == head || runs.isEmpty() || runs.last().first != dot->pen())
                runs.append({dot->pen(), {}});
            runs.last().second << dot->line().p1();
        }
    }
    out << quint32(runs.size());
    for (const auto &[pen, dots] : std::as_const(runs)) {
        out.pen(pen);
        out.points(dots);
    }
}

ReadItem readStroke(BoardReader &in, QMenu *)
{
    const QPen pen = in.pen();
    ReadItem result = made(std::make_unique<StrokeItem>(in.points(), pen));
    const auto runs = in.value<quint32>();
    if (!in.canHold(runs, sizeof(quint32)))
        return {};
    QList<QGraphicsItem *> heads;
    for (quint32 i = 0; i < runs && in.ok(); ++i) {
        const QPen dotPen = in.pen();
        const QPolygonF dots = in.points();
        if (dots.isEmpty())
            break;
        auto head = std::make_unique<PenDot>(dots.first(), dotPen);
        for (qsizetype d = 1; d < dots.size(); ++d)
            (new PenDot(dots.at(d), dotPen))->setParentItem(head.get()); // owned by the head
        heads << head.get();
        result.dotRuns.push_back(std::move(head));
    }
    static_cast<StrokeItem *>(result.item.get())->setDotRuns(heads);
    return result;
}

// A stroke a stylus drew: a stroke, then the ink's width at each of its points. A stroke of one
// point keeps no path of its own (its dot is all it shows), so it is a plain stroke in the file.
bool isPressedStroke(const QGraphicsItem &item)
{
    const auto *stroke = dynamic_cast<const StrokeItem *>(&item);
    return stroke && stroke->pointWidths().size() > 1;
}

void writePressedStroke(BoardWriter &out, const QGraphicsItem &item)
{
    writeStroke(out, item);
    const QList<qreal> &widths = static_cast<const StrokeItem &>(item).pointWidths();
    out << quint32(widths.size());
    for (qreal width : widths)
        out << width;
}

ReadItem readPressedStroke(BoardReader &in, QMenu *itemMenu)
{
    ReadItem stroke = readStroke(in, itemMenu);
    const auto count = in.value<quint32>();
    if (!stroke.item || !in.canHold(count, sizeof(qreal)))
        return {};
    const auto &read = static_cast<const StrokeItem &>(*stroke.item);
    if (count != quint32(read.path().elementCount()))
        return {};
    QList<qreal> widths;
    for (quint32 i = 0; i < count && in.ok(); ++i) {
        widths << in.number();
        if (widths.last() <= 0 || widths.last() > broadestInk)
            in.fail();
    }
    if (!in.ok())
        return {};
    QPolygonF points;
    for (int i = 0; i < read.path().elementCount(); ++i)
        points << QPointF(read.path().elementAt(i));
    auto pressed = std::make_unique<StrokeItem>(points, read.pen(), widths);
    pressed->setDotRuns(read.dotRuns());
    stroke.item = std::move(pressed);
    return stroke;
}

void writeShape(BoardWriter &out, const QGraphicsItem &item)
{
    const auto &shape = static_cast<const DiagramItem &>(item);
    out << qint32(shape.diagramType());
    out.points(shape.polygon());
    out << shape.brush().color();
    out.pen(shape.pen());
}

ReadItem readShape(BoardReader &in, QMenu *itemMenu)
{
    const auto type = in.value<qint32>();
    const QPolygonF outline = in.points();
    const auto fill = in.value<QColor>();
    const QPen pen = in.pen();
    auto shape = std::make_unique<DiagramItem>(DiagramItem::DiagramType(type), itemMenu);
    shape->setOutline(outline);
    shape->setBrush(QBrush(fill, Qt::SolidPattern));
    shape->setPen(pen);
    return made(std::move(shape));
}

// Lines and arrows: their two ends (an arrow's head at the second), then the pen.
void writeLine(BoardWriter &out, const QGraphicsItem &item)
{
    const auto &line = static_cast<const QGraphicsLineItem &>(item);
    out.points({line.line().p1(), line.line().p2()});
    out.pen(line.pen());
}

template<typename Line>
ReadItem readLine(BoardReader &in, QMenu *)
{
    const QPolygonF ends = in.points();
    const QPen pen = in.pen();
    if (ends.size() != 2)
        return {};
    auto line = std::make_unique<Line>(QLineF(ends.at(0), ends.at(1)));
    line->setPen(pen);
    return made(std::move(line));
}

void writeLabel(BoardWriter &out, const QGraphicsItem &item)
{
    const auto &label = static_cast<const DiagramTextItem &>(item);
    out.text(label.toPlainText());
    out.text(label.font().toString());
    out << label.defaultTextColor();
}

ReadItem readLabel(BoardReader &in, QMenu *)
{
    const QString text = in.text();
    QFont font;
    if (!font.fromString(in.text()) || text.size() > DiagramTextItem::maximumLength)
        return {};
    const auto color = in.value<QColor>();
    auto label = std::make_unique<DiagramTextItem>();
    label->setFont(font);
    label->setPlainText(text);
    label->setDefaultTextColor(color);
    label->setOnRecord();
    return made(std::move(label));
}

bool isBoxedLabel(const QGraphicsItem &item)
{
    return static_cast<const DiagramTextItem &>(item).box().isValid();
}

// A label on a box: the label, then the box's colour.
void writeBoxedLabel(BoardWriter &out, const QGraphicsItem &item)
{
    writeLabel(out, item);
    out << static_cast<const DiagramTextItem &>(item).box();
}

ReadItem readBoxedLabel(BoardReader &in, QMenu *menu)
{
    ReadItem label = readLabel(in, menu);
    const auto box = in.value<QColor>();
    if (label.item && box.isValid())
        static_cast<DiagramTextItem *>(label.item.get())->setBox(box);
    else
        label = {};
    return label;
}

// The picture as it paints: drawn onto transparency, whatever its pixels claim about alpha, at
// the size it takes on the board (a picture of a screen at 200 % has twice as many pixels).
void writePicture(BoardWriter &out, const QGraphicsItem &item)
{
    const auto &picture = static_cast<const diagramItemPixmap &>(item);
    out << picture.offset();
    QImage image(picture.pixmap().deviceIndependentSize().toSize(),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.drawPixmap(0, 0, picture.pixmap());
    painter.end();
    out.picture(image);
}

ReadItem readPicture(BoardReader &in, QMenu *)
{
    const QPointF offset = in.point();
    const QImage image = in.picture();
    if (image.isNull())
        return {};
    auto picture = std::make_unique<diagramItemPixmap>();
    picture->setOffset(offset);
    picture->setPixmap(QPixmap::fromImage(image));
    picture->setFlag(QGraphicsItem::ItemIsMovable, true);
    return made(std::move(picture));
}

void writeHighlight(BoardWriter &out, const QGraphicsItem &item)
{
    const auto &highlight = static_cast<const HighlightItemBase &>(item);
    out.pen(highlight.pen());
    out.points(highlight.points());
}

ReadItem readHighlight(BoardReader &in, QMenu *)
{
    const QPen pen = in.pen();
    const QPolygonF points = in.points();
    if (points.isEmpty())
        return {};
    auto highlight = std::make_unique<HighlightItem>(points.first(), pen);
    for (qsizetype i = 1; i < points.size(); ++i)
        highlight->extend(points.at(i));
    highlight->finish();
    return made(std::move(highlight));
}

// An ellipse: two corners of its rectangle, its fill and its pen.
void writeEllipse(BoardWriter &out, const QGraphicsItem &item)
{
    const auto &ellipse = static_cast<const EllipseItemBase &>(item);
    out.points({ellipse.rect().topLeft(), ellipse.rect().bottomRight()});
    out << ellipse.brush().color();
    out.pen(ellipse.pen());
}

ReadItem readEllipse(BoardReader &in, QMenu *)
{
    const QPolygonF corners = in.points();
    const auto fill = in.value<QColor>();
    const QPen pen = in.pen();
    if (corners.size() != 2)
        return {};
    auto ellipse = std::make_unique<EllipseItem>(QRectF(corners.at(0), corners.at(1)));
    ellipse->setBrush(fill);
    ellipse->setPen(pen);
    return made(std::move(ellipse));
}

// A numbered badge: its number, colour and diameter.
void writeBadge(BoardWriter &out, const QGraphicsItem &item)
{
    const auto &badge = static_cast<const NumberBadgeItemBase &>(item);
    out << qint32(badge.number()) << badge.colour();
    out << badge.diameter();
}

ReadItem readBadge(BoardReader &in, QMenu *)
{
    const auto number = in.value<qint32>();
    const auto colour = in.value<QColor>();
    const qreal diameter = in.number();
    if (number < 1 || number > 1000000 || diameter < 4 || diameter > 1000)
        return {};
    return made(std::make_unique<NumberBadgeItem>(number, colour, diameter));
}

// clang-format off
// Of two kinds of one type, the narrower first: a pressed stroke is a stroke too.
const ItemKind kinds[] = {
    {"pressed stroke", QGraphicsPathItem::Type, 8, isPressedStroke, writePressedStroke,
     readPressedStroke, false},
    {"stroke", QGraphicsPathItem::Type, 1, isA<StrokeItem>, writeStroke, readStroke, false},
    {"shape", DiagramItem::Type, 2, nullptr, writeShape, readShape, true},
    {"line", QGraphicsLineItem::Type, 3, isStraightLine, writeLine,
     readLine<ReportsPresence<QGraphicsLineItem>>, false},
    {"arrow", ArrowItem::Type, 4, nullptr, writeLine, readLine<ArrowItem>, true},
    {"boxed label", DiagramTextItem::Type, 11, isBoxedLabel, writeBoxedLabel, readBoxedLabel,
     false},
    {"label", DiagramTextItem::Type, 5, nullptr, writeLabel, readLabel, false},
    {"picture", QGraphicsPixmapItem::Type, 6, isA<diagramItemPixmap>, writePicture, readPicture,
     false},
    {"highlight", HighlightItem::Type, 7, nullptr, writeHighlight, readHighlight, false},
    {"ellipse", EllipseItem::Type, 9, nullptr, writeEllipse, readEllipse, true},
    {"numbered badge", NumberBadgeItem::Type, 10, nullptr, writeBadge, readBadge, true},
};
// clang-format on

} // namespace

namespace ItemKinds {

const ItemKind *begin()
{
    return std::begin(kinds);
}

const ItemKind *end()
{
    return std::end(kinds);
}

const ItemKind *of(const QGraphicsItem &item)
{
    const auto kind = std::find_if(begin(), end(), [&item](const ItemKind &k) {
        return k.type == item.type() && (!k.sets || k.sets(item));
    });
    return kind == end() ? nullptr : kind;
}

const ItemKind *withFileKind(quint8 fileKind)
{
    const auto kind = std::find_if(begin(), end(), [fileKind](const ItemKind &k) {
        return k.fileKind == fileKind;
    });
    return kind == end() ? nullptr : kind;
}

} // namespace ItemKinds
