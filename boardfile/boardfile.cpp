#include "boardfile.h"

#include "boardstream.h"
#include "itemcodecs.h"
#include "scene/diagramscene.h"

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

void writeBackground(BoardWriter &out, const QBrush &background)
{
    if (background.style() == Qt::TexturePattern) {
        out << quint8(Background::Texture);
        out.picture(background.textureImage());
    } else if (background.style() == Qt::SolidPattern) {
        out << quint8(Background::Solid) << background.color();
    } else {
        out << quint8(Background::None);
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

QByteArray save(const DiagramScene &scene)
{
    // The items go after their count, which is known once they are written.
    QByteArray body;
    QDataStream bodyStream(&body, QIODevice::WriteOnly);
    bodyStream.setVersion(BoardStream::version);
    BoardWriter items(bodyStream);
    quint32 count = 0;
    for (const QGraphicsItem *item : scene.boardItems())
        count += ItemCodecs::write(items, *item) ? 1 : 0;

    QByteArray data;
    QDataStream stream(&data, QIODevice::WriteOnly);
    stream.setVersion(BoardStream::version);
    BoardWriter out(stream);
    out << fileMagic << fileVersion;
    writeBackground(out, scene.backgroundBrush());
    out << count;
    stream.writeRawData(body.constData(), int(body.size()));
    return data;
}

bool load(DiagramScene &scene, const QByteArray &data, QString *error)
{
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
        scene.placeRestored(item.item.release());
    }
    return true;
}

} // namespace BoardFile
