#include "itemcodecs.h"

#include "boardstream.h"
#include "history/boardorder.h"
#include "itemkinds.h"
#include "items/diagramitempixmap.h"
#include "items/strokeitem.h"

namespace ItemCodecs {

bool writeHeader(BoardWriter &out, const QGraphicsItem &item)
{
    const ItemKind *kind = ItemKinds::of(item);
    if (kind)
        out << kind->fileKind << item.zValue() << item.pos();
    return kind != nullptr;
}

void writeBody(BoardWriter &out, const QGraphicsItem &item)
{
    if (const ItemKind *kind = ItemKinds::of(item))
        kind->write(out, item);
}

bool write(BoardWriter &out, const QGraphicsItem &item)
{
    if (!writeHeader(out, item))
        return false;
    writeBody(out, item);
    return true;
}

// A stroke and a picture never change once on the board (they are neither reshaped nor
// recoloured; a move or a new level is in the header). The order in which the item joined the
// board tells one item from another that later stands at the same address.
std::optional<quint64> unchangingIdentity(const QGraphicsItem &item)
{
    const quint64 joined = BoardOrder::of(&item);
    if (const auto *stroke = dynamic_cast<const StrokeItem *>(&item)) {
        return qHashMulti(0,
                          joined,
                          stroke->pen().color().rgba(),
                          stroke->pen().widthF(),
                          stroke->path().elementCount(),
                          stroke->dotRuns().size());
    }
    if (const auto *picture = dynamic_cast<const diagramItemPixmap *>(&item))
        return qHashMulti(0,
                          joined,
                          picture->pixmap().cacheKey(),
                          picture->offset().x(),
                          picture->offset().y());
    return std::nullopt;
}

ReadItem read(BoardReader &in, QMenu *itemMenu)
{
    const ItemKind *kind = ItemKinds::withFileKind(in.value<quint8>());
    const qreal z = in.number();
    const QPointF pos = in.point();
    if (!kind || !in.ok())
        return {};
    const qint64 bodyFrom = in.position();
    ReadItem result = kind->read(in, itemMenu);
    if (!in.ok() || !result.item)
        return {};
    result.bodyFrom = bodyFrom;
    result.bodyTo = in.position();
    result.item->setZValue(z);
    result.item->setPos(pos);
    return result;
}

} // namespace ItemCodecs
