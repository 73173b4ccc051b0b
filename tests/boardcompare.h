#pragma once

#include <QDebug>
#include <QGraphicsLineItem>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QStringList>

// Whether a listing tells apart how items get painted and held: by themselves or by another
// item, in bounds that take in what they paint for others, at the top or under their stroke.
enum class Painting { Listed, Aside };

// Every item of a board in stacking order, with what tells it apart from another.
inline QStringList boardListing(const QGraphicsScene &scene, Painting painting = Painting::Listed)
{
    QStringList lines;
    for (const QGraphicsItem *item : scene.items(Qt::AscendingOrder)) {
        QGraphicsItem::GraphicsItemFlags flags = item->flags();
        QRectF bounds = item->sceneBoundingRect();
        if (painting == Painting::Aside) {
            flags.setFlag(QGraphicsItem::ItemHasNoContents, false);
            flags.setFlag(QGraphicsItem::ItemContainsChildrenInShape, false);
            flags.setFlag(QGraphicsItem::ItemStacksBehindParent, false);
            bounds = item->mapToScene(item->shape()).boundingRect();
        }
        QDebug(&lines.emplace_back()) << item->type() << bounds << item->zValue() << flags;
        if (const auto *line = qgraphicsitem_cast<const QGraphicsLineItem *>(item))
            QDebug(&lines.last()) << item->mapToScene(line->line().p1()) << line->pen();
    }
    return lines;
}

// All the ink, wherever strokes wandered: a dot's bounds are those of a line of no length,
// smaller than the square it paints, so an area cutting through a dot's ink could differ.
inline QImage renderedInk(QGraphicsScene &scene)
{
    const QRectF area = scene.itemsBoundingRect().united(scene.sceneRect()).adjusted(-9, -9, 9, 9);
    QImage image(area.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    scene.render(&painter, QRectF(image.rect()), area);
    return image;
}

// One area of the board, at a scale.
inline QImage renderedArea(QGraphicsScene &scene, const QRectF &area, qreal scale)
{
    QImage image((area.size() * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    scene.render(&painter, QRectF(image.rect()), area);
    return image;
}
