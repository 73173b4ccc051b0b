#include "boardfile.h"

#include "boardstream.h"
#include "itemcodecs.h"
#include "scene/diagramscene.h"
#include "writtenitems.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>

namespace {

constexpr quint32 fileMagic = 0x54564c42; // "TVLB"
constexpr quint32 fileVersion = 1;

enum class Background : quint8 { None, Solid, Texture };

QString tr(const char *text)
{
    return QCoreApplication::translate("DiagramScene", text);
}

// Collects a file as parts: what is written now goes into the current part, and bytes kept from
// an earlier writing become parts of their own, shared and never copied.
class FileParts
{
public:
    FileParts()
        : stream(&buffer)
        , writer(stream)
    {
        stream.setVersion(BoardStream::version);
        buffer.open(QIODevice::WriteOnly);
    }

    BoardWriter &out() { return writer; }

    void append(const QByteArray &kept)
    {
        closeCurrent();
        parts << kept;
        buffer.open(QIODevice::WriteOnly);
    }

    QByteArrayList take()
    {
        closeCurrent();
        return std::exchange(parts, {});
    }

private:
    void closeCurrent()
    {
        buffer.close();
        if (!current.isEmpty())
            parts << std::exchange(current, {});
        buffer.setBuffer(&current);
    }

    QByteArray current;
    QBuffer buffer{&current};
    QDataStream stream;
    BoardWriter writer;
    QByteArrayList parts;
};

template<typename Write>
QByteArray keptOrWritten(WrittenItems &written, const void *part, quint64 identity, Write write)
{
    QByteArray bytes = written.find(part, identity);
    if (bytes.isNull()) {
        FileParts fresh;
        write(fresh.out());
        bytes = fresh.take().join();
        written.keep(part, identity, bytes);
    }
    return bytes;
}

void writeBackground(FileParts &file, WrittenItems &written, const QBrush &background)
{
    if (background.style() == Qt::TexturePattern) {
        file.out() << quint8(Background::Texture);
        const QImage texture = background.textureImage();
        file.append(
            keptOrWritten(written, &written, texture.cacheKey(), [&texture](BoardWriter &out) {
                out.picture(texture);
            }));
    } else if (background.style() == Qt::SolidPattern) {
        file.out() << quint8(Background::Solid) << background.color();
    } else {
        file.out() << quint8(Background::None);
    }
}

QBrush readBackground(BoardReader &in)
{
    switch (Background(in.value<quint8>())) {
    case Background::None:
        return QBrush(Qt::transparent, Qt::SolidPattern);
    case Background::Solid:
        return QBrush(in.value<QColor>(), Qt::SolidPattern);
    case Background::Texture:
        return QBrush(in.picture());
    }
    in.fail();
    return QBrush();
}

// The header, with what to tell the user when the file is not one this board can read.
bool readHeader(BoardReader &in, QString *error)
{
    const auto magic = in.value<quint32>();
    const auto version = in.value<quint32>();
    if (!in.ok() || magic != fileMagic) {
        *error = tr("no es un archivo del tablero");
        return false;
    }
    if (version != fileVersion) {
        *error = tr("versión %1 del archivo, más nueva que este programa").arg(version);
        return false;
    }
    return true;
}

} // namespace

namespace BoardFile {

QByteArrayList saveInParts(const DiagramScene &scene, WrittenItems &written)
{
    // The items go after their count, which is known once they are written.
    FileParts items;
    quint32 count = 0;
    for (const QGraphicsItem *item : scene.boardItems()) {
        const auto identity = ItemCodecs::unchangingIdentity(*item);
        if (!identity) {
            count += ItemCodecs::write(items.out(), *item) ? 1 : 0;
            continue;
        }
        ItemCodecs::writeHeader(items.out(), *item); // a stroke or a picture: a codec takes it
        ++count;
        items.append(keptOrWritten(written, item, *identity, [item](BoardWriter &out) {
            ItemCodecs::writeBody(out, *item);
        }));
    }
    FileParts file;
    file.out() << fileMagic << fileVersion;
    writeBackground(file, written, scene.backgroundBrush());
    file.out() << count;
    written.finishWriting();
    return file.take() + items.take();
}

QByteArray save(const DiagramScene &scene)
{
    WrittenItems nothingKept;
    return saveInParts(scene, nothingKept).join();
}

bool load(DiagramScene &scene, const QByteArray &data, QString *error, WrittenItems *read)
{
    WrittenItems forgotten;
    if (!read)
        read = &forgotten;
    QDataStream stream(data);
    stream.setVersion(BoardStream::version);
    BoardReader in(stream);
    if (!readHeader(in, error))
        return false;
    const QBrush background = readBackground(in);
    const auto count = in.value<quint32>();
    std::vector<ReadItem> made;
    for (quint32 i = 0; i < count && in.ok(); ++i) {
        made.push_back(ItemCodecs::read(in, scene.shapeMenu()));
        if (!made.back().item)
            in.fail();
    }
    if (!in.ok()) {
        *error = tr("el archivo está dañado");
        return false;
    }
    scene.setBackgroundBrush(background);
    for (ReadItem &item : made) {
        for (std::unique_ptr<QGraphicsItem> &run : item.dotRuns)
            run.release(); // the stroke's runs join the board with it
        QGraphicsItem *placed = item.item.release();
        scene.placeRestored(placed);
        // Its bytes are those a writing would write for it now (they were written so).
        if (const auto identity = ItemCodecs::unchangingIdentity(*placed))
            read->keep(placed, *identity, data.mid(item.bodyFrom, item.bodyTo - item.bodyFrom));
    }
    return true;
}

} // namespace BoardFile
