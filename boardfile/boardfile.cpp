#include "boardfile.h"

#include "boardstream.h"
#include "itemcodecs.h"
#include "scene/boardpages.h"
#include "scene/diagramscene.h"
#include "writtenitems.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QSize>

#include <deque>
#include <optional>

namespace {

constexpr quint32 fileMagic = 0x54564c42; // "TVLB"
// 1: one board; 2: pages, each as a board of the first version was after the header.
constexpr quint32 firstVersion = 1;
constexpr quint32 fileVersion = 2;
constexpr quint32 largestSide = 100000; // pixels of the board's area

enum class Background : quint8 { None, Solid, Texture };

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

// What the header tells: how many pages, and the size of the board's area on its screen (empty
// when the file does not say).
struct Header
{
    quint32 pages = 1;
    QSize size;
};

// What follows the version in a file of pages: their count and the board's size.
std::optional<Header> readPagesAndSize(BoardReader &in)
{
    Header header;
    header.pages = in.value<quint32>();
    const auto width = in.value<quint32>();
    const auto height = in.value<quint32>();
    // A page takes at least its background's kind and its count of items.
    if (!in.ok() || header.pages == 0 || width > largestSide || height > largestSide
        || !in.canHold(header.pages, sizeof(quint8) + sizeof(quint32)))
        return std::nullopt;
    header.size = QSize(int(width), int(height));
    return header;
}

// The header, or none and what to tell the user when the file is not one this board can read.
std::optional<Header> readHeader(BoardReader &in, QString *error)
{
    const auto magic = in.value<quint32>();
    const auto version = in.value<quint32>();
    if (!in.ok() || magic != fileMagic) {
        *error = DiagramScene::tr("no es un archivo del tablero");
        return std::nullopt;
    }
    if (version != fileVersion && version != firstVersion) {
        *error = DiagramScene::tr("versión %1 del archivo, más nueva que este programa").arg(version);
        return std::nullopt;
    }
    if (version == firstVersion)
        return Header();
    std::optional<Header> header = readPagesAndSize(in);
    if (!header)
        *error = DiagramScene::tr("el archivo está dañado");
    return header;
}

// A page as read, made whole before any of it joins the board.
struct ReadPage
{
    QBrush background;
    std::vector<ReadItem> items;
};

bool readPage(BoardReader &in, QMenu *itemMenu, ReadPage &page)
{
    page.background = readBackground(in);
    const auto count = in.value<quint32>();
    for (quint32 i = 0; i < count && in.ok(); ++i) {
        page.items.push_back(ItemCodecs::read(in, itemMenu));
        if (!page.items.back().item)
            in.fail();
    }
    return in.ok();
}

std::optional<std::deque<ReadPage>> readPages(const QByteArray &data,
                                              QMenu *itemMenu,
                                              QString *error)
{
    QDataStream stream(data);
    stream.setVersion(BoardStream::version);
    BoardReader in(stream);
    const std::optional<Header> header = readHeader(in, error);
    if (!header)
        return std::nullopt;
    std::deque<ReadPage> pages(1);
    while (readPage(in, itemMenu, pages.back()) && pages.size() < header->pages)
        pages.emplace_back();
    if (!in.ok()) {
        *error = DiagramScene::tr("el archivo está dañado");
        return std::nullopt;
    }
    return pages;
}

void placePage(DiagramScene &scene, ReadPage &page, const QByteArray &data, WrittenItems &read)
{
    scene.setBackgroundBrush(page.background);
    for (ReadItem &item : page.items) {
        for (std::unique_ptr<QGraphicsItem> &run : item.dotRuns)
            run.release(); // the stroke's runs join the board with it
        QGraphicsItem *placed = item.item.release();
        scene.placeRestored(placed);
        // Its bytes are those a writing would write for it now (they were written so).
        if (const auto identity = ItemCodecs::unchangingIdentity(*placed))
            read.keep(placed, *identity, data.mid(item.bodyFrom, item.bodyTo - item.bodyFrom));
    }
}

void writePage(FileParts &file, WrittenItems &written, const DiagramScene &scene)
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
    writeBackground(file, written, scene.backgroundBrush());
    file.out() << count;
    for (const QByteArray &part : items.take())
        file.append(part);
}

} // namespace

namespace BoardFile {

QByteArrayList saveInParts(const QList<const DiagramScene *> &pages, WrittenItems &written)
{
    FileParts file;
    const QSize size = pages.isEmpty() ? QSize() : pages.first()->sceneRect().size().toSize();
    file.out() << fileMagic << fileVersion << quint32(pages.size())
               << quint32(qBound(0, size.width(), int(largestSide)))
               << quint32(qBound(0, size.height(), int(largestSide)));
    for (const DiagramScene *page : pages)
        writePage(file, written, *page);
    written.finishWriting();
    return file.take();
}

bool encodeUnwritten(const QList<const DiagramScene *> &pages, WrittenItems &written, int budgetMs)
{
    // Timed from the first item encoded: looking over what is kept costs little, and counting
    // it on a board of thousands of strokes would leave a slice room for one stroke.
    QElapsedTimer spent;
    for (const DiagramScene *page : pages) {
        for (const QGraphicsItem *item : page->boardItems()) {
            const auto identity = ItemCodecs::unchangingIdentity(*item);
            if (!identity || !written.find(item, *identity).isNull())
                continue;
            if (!spent.isValid())
                spent.start();
            keptOrWritten(written, item, *identity, [item](BoardWriter &out) {
                ItemCodecs::writeBody(out, *item);
            });
            if (spent.nsecsElapsed() >= qint64(budgetMs) * 1000000)
                return false;
        }
    }
    return true;
}

QByteArrayList saveInParts(const DiagramScene &scene, WrittenItems &written)
{
    return saveInParts(QList<const DiagramScene *>{&scene}, written);
}

QByteArray save(const DiagramScene &scene)
{
    WrittenItems nothingKept;
    return saveInParts(scene, nothingKept).join();
}

QSize boardSize(const QByteArray &data)
{
    QDataStream stream(data);
    stream.setVersion(BoardStream::version);
    BoardReader in(stream);
    QString ignored;
    const std::optional<Header> header = readHeader(in, &ignored);
    return header ? header->size : QSize();
}

bool load(DiagramScene &scene, const QByteArray &data, QString *error, WrittenItems *read)
{
    WrittenItems forgotten;
    std::optional<std::deque<ReadPage>> pages = readPages(data, scene.shapeMenu(), error);
    if (!pages)
        return false;
    if (pages->size() != 1) {
        *error = DiagramScene::tr("el archivo tiene varias páginas");
        return false;
    }
    placePage(scene, pages->front(), data, read ? *read : forgotten);
    return true;
}

bool load(BoardPages &board,
          const QByteArray &data,
          QString *error,
          WrittenItems *read,
          QList<DiagramScene *> *replaced)
{
    WrittenItems forgotten;
    std::optional<std::deque<ReadPage>> pages = readPages(data,
                                                          board.currentPage()->shapeMenu(),
                                                          error);
    if (!pages)
        return false;
    QList<DiagramScene *> made;
    for (ReadPage &page : *pages) {
        made.append(board.newPage());
        placePage(*made.last(), page, data, read ? *read : forgotten);
    }
    const QList<DiagramScene *> old = board.replaceAll(made);
    if (replaced)
        *replaced = old;
    else
        qDeleteAll(old);
    return true;
}

} // namespace BoardFile
