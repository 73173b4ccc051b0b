// Draws the board's icons, the background tiles and the application icon into resources/.
// Run it after changing a drawing: make_images <resources folder>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtEndian>

#include <cstdio>
#include <functional>

namespace {

const QString appId = "invalid.tablerotavelo.CorvaneTaveloWindow2";
const QColor ink(40, 44, 52);
const QColor accent(30, 110, 220);
const QColor warning(210, 45, 45);

using Drawing = std::function<void(QPainter &, const QSizeF &)>;

// The drawing at 'scale' times its size: the same picture, sharper, for screens scaled up (Qt
// picks name@2x.png beside name.png by itself).
QImage paint(QSize size, const Drawing &draw, int scale = 1)
{
    QImage image(size * scale, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    draw(painter, QSizeF(size));
    return image;
}

QPen inkPen(qreal width, const QColor &color = ink)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void letter(QPainter &p, const QSizeF &s, const QString &text, bool bold, bool italic, bool under)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(int(s.height()) - 1);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(under);
    p.setFont(font);
    p.setPen(ink);
    p.drawText(QRectF(QPointF(0, -1), s), Qt::AlignCenter, text);
}

void arrowHead(QPainter &p, QPointF tip, QPointF from, qreal size)
{
    const QLineF back(tip, from);
    QLineF side1 = back;
    side1.setLength(size);
    side1.setAngle(back.angle() + 35);
    QLineF side2 = back;
    side2.setLength(size);
    side2.setAngle(back.angle() - 35);
    p.drawLine(side1);
    p.drawLine(side2);
}

void pencil(QPainter &p, QPointF tip, qreal length, qreal width, const QColor &body)
{
    p.save();
    p.translate(tip);
    p.rotate(-45);
    QPolygonF shape;
    shape << QPointF(0, 0) << QPointF(width, -width / 2) << QPointF(length, -width / 2)
          << QPointF(length, width / 2) << QPointF(width, width / 2);
    p.setPen(inkPen(1.5));
    p.setBrush(body);
    p.drawPolygon(shape);
    p.drawLine(QPointF(width, -width / 2), QPointF(width, width / 2));
    p.restore();
}

void stackedSquares(QPainter &p, const QSizeF &s, bool frontOnTop)
{
    const qreal w = s.width() * 0.55;
    const QRectF back(1.5, 1.5, w, w);
    const QRectF front(s.width() - w - 1.5, s.height() - w - 1.5, w, w);
    const QRectF &lower = frontOnTop ? back : front;
    const QRectF &upper = frontOnTop ? front : back;
    p.setPen(inkPen(1.2));
    p.setBrush(QColor(220, 224, 230));
    p.drawRect(lower);
    p.setBrush(accent);
    p.drawRect(upper);
}

const QList<QPair<QString, QPair<QSize, Drawing>>> &icons()
{
    static const QList<QPair<QString, QPair<QSize, Drawing>>> all = {
        {"about",
         {{24, 24},
          [](QPainter &p, const QSizeF &) {
              p.setPen(inkPen(2));
              p.setBrush(Qt::NoBrush);
              p.drawRect(QRectF(3, 5, 18, 14));
              p.setPen(inkPen(1, accent));
              p.drawLine(QPointF(3, 5), QPointF(21, 19));
          }}},
        {"attach",
         {{24, 24},
          [](QPainter &p, const QSizeF &) {
              p.setPen(inkPen(1.6));
              p.setBrush(QColor(235, 238, 242));
              p.drawRoundedRect(QRectF(2, 3, 14, 16), 2, 2);
              p.setBrush(Qt::white);
              p.drawRoundedRect(QRectF(8, 7, 14, 15), 2, 2);
              p.setPen(inkPen(1.2, accent));
              p.drawLine(QPointF(11, 12), QPointF(19, 12));
              p.drawLine(QPointF(11, 16), QPointF(19, 16));
          }}},
        {"bold",
         {{11, 13}, [](QPainter &p, const QSizeF &s) { letter(p, s, "B", true, false, false); }}},
        {"bringtofront",
         {{22, 22}, [](QPainter &p, const QSizeF &s) { stackedSquares(p, s, true); }}},
        {"clear",
         {{24, 24},
          [](QPainter &p, const QSizeF &) {
              p.setPen(inkPen(1.5));
              p.setBrush(Qt::white);
              p.drawRect(QRectF(4, 3, 16, 18));
              p.setPen(inkPen(2.2, warning));
              p.drawLine(QPointF(8, 8), QPointF(16, 16));
              p.drawLine(QPointF(16, 8), QPointF(8, 16));
          }}},
        {"cut",
         {{24, 24},
          [](QPainter &p, const QSizeF &) {
              p.setPen(inkPen(1.8));
              p.drawLine(QPointF(6, 2), QPointF(17, 16));
              p.drawLine(QPointF(18, 2), QPointF(7, 16));
              p.setBrush(Qt::NoBrush);
              p.drawEllipse(QPointF(6, 19), 3.2, 3.2);
              p.drawEllipse(QPointF(18, 19), 3.2, 3.2);
          }}},
        {"delete",
         {{22, 22},
          [](QPainter &p, const QSizeF &) {
              p.setPen(inkPen(2.5, warning));
              p.drawLine(QPointF(5, 5), QPointF(17, 17));
              p.drawLine(QPointF(17, 5), QPointF(5, 17));
          }}},
        {"dialog-close",
         {{64, 64},
          [](QPainter &p, const QSizeF &) {
              p.setPen(Qt::NoPen);
              p.setBrush(warning);
              p.drawEllipse(QRectF(4, 4, 56, 56));
              p.setPen(inkPen(7, Qt::white));
              p.drawLine(QPointF(22, 22), QPointF(42, 42));
              p.drawLine(QPointF(42, 22), QPointF(22, 42));
          }}},
        {"edit-delete",
         {{64, 64},
          [](QPainter &p, const QSizeF &) {
              p.setPen(inkPen(3));
              p.setBrush(QColor(225, 228, 233));
              p.drawRoundedRect(QRectF(16, 18, 32, 40), 3, 3);
              p.drawLine(QPointF(10, 14), QPointF(54, 14));
              p.drawRect(QRectF(26, 7, 12, 7));
              for (qreal x : {25.0, 32.0, 39.0})
                  p.drawLine(QPointF(x, 25), QPointF(x, 51));
          }}},
        {"floodfill",
         {{42, 43},
          [](QPainter &p, const QSizeF &) {
              p.save();
              p.translate(19, 22);
              p.rotate(-30);
              p.setPen(inkPen(2.5));
              p.setBrush(QColor(235, 238, 242));
              p.drawRect(QRectF(-10, -12, 20, 24));
              p.restore();
              p.setPen(Qt::NoPen);
              p.setBrush(accent);
              QPainterPath drop;
              drop.moveTo(34, 20);
              drop.cubicTo(30, 28, 30, 34, 34, 35);
              drop.cubicTo(38, 34, 38, 28, 34, 20);
              p.drawPath(drop);
          }}},
        {"italic",
         {{11, 13}, [](QPainter &p, const QSizeF &s) { letter(p, s, "I", false, true, false); }}},
        {"linecolor",
         {{42, 43},
          [](QPainter &p, const QSizeF &) {
              p.setPen(inkPen(3));
              p.drawLine(QPointF(5, 38), QPointF(24, 19));
              pencil(p, QPointF(24, 19), 22, 8, QColor(245, 200, 80));
          }}},
        {"linepointer",
         {{27, 27},
          [](QPainter &p, const QSizeF &) {
              p.setPen(inkPen(2.2));
              p.drawLine(QPointF(4, 23), QPointF(22, 5));
              arrowHead(p, QPointF(22, 5), QPointF(4, 23), 8);
          }}},
        {"pen",
         {{42, 43},
          [](QPainter &p, const QSizeF &) {
              pencil(p, QPointF(6, 37), 40, 10, QColor(245, 200, 80));
          }}},
        {"pointer",
         {{15, 24},
          [](QPainter &p, const QSizeF &) {
              QPolygonF arrow;
              arrow << QPointF(1.5, 1.5) << QPointF(1.5, 19) << QPointF(5.5, 15) << QPointF(8.5, 22)
                    << QPointF(11, 21) << QPointF(8, 14) << QPointF(13.5, 14);
              p.setPen(inkPen(1.2));
              p.setBrush(Qt::white);
              p.drawPolygon(arrow);
          }}},
        {"remove",
         {{24, 24},
          [](QPainter &p, const QSizeF &) {
              p.setPen(inkPen(3));
              p.drawLine(QPointF(5, 18), QPointF(19, 18));
          }}},
        {"sendtoback",
         {{22, 22}, [](QPainter &p, const QSizeF &s) { stackedSquares(p, s, false); }}},
        {"textpointer",
         {{42, 43},
          [](QPainter &p, const QSizeF &s) {
              QFont font("DejaVu Serif");
              font.setPixelSize(34);
              font.setBold(true);
              p.setFont(font);
              p.setPen(ink);
              p.drawText(QRectF(QPointF(0, 0), s), Qt::AlignCenter, "A");
          }}},
        {"underline",
         {{11, 13}, [](QPainter &p, const QSizeF &s) { letter(p, s, "U", false, false, true); }}},
        {"undo",
         {{24, 24},
          [](QPainter &p, const QSizeF &) {
              p.setPen(inkPen(2.2));
              p.setBrush(Qt::NoBrush);
              p.drawArc(QRectF(5, 5, 15, 14), 90 * 16, -250 * 16);
              arrowHead(p, QPointF(12.5, 5), QPointF(17, 6.5), 5);
          }}},
        // The history's buttons, for desktops whose icon theme has no edit-undo / edit-redo.
        {"history-undo",
         {{24, 24},
          [](QPainter &p, const QSizeF &) {
              p.setPen(inkPen(2.2));
              p.setBrush(Qt::NoBrush);
              p.drawArc(QRectF(6, 7, 14, 12), 90 * 16, -180 * 16);
              p.drawLine(QPointF(13, 19), QPointF(6, 19));
              p.drawLine(QPointF(13, 7), QPointF(5, 7));
              arrowHead(p, QPointF(4, 7), QPointF(11, 7), 5);
          }}},
        {"history-redo",
         {{24, 24},
          [](QPainter &p, const QSizeF &) {
              p.setPen(inkPen(2.2));
              p.setBrush(Qt::NoBrush);
              p.drawArc(QRectF(4, 7, 14, 12), 90 * 16, 180 * 16);
              p.drawLine(QPointF(11, 19), QPointF(18, 19));
              p.drawLine(QPointF(11, 7), QPointF(19, 7));
              arrowHead(p, QPointF(20, 7), QPointF(13, 7), 5);
          }}},
        {"view-fullscreen",
         {{64, 64},
          [](QPainter &p, const QSizeF &) {
              p.setPen(inkPen(4));
              const QList<QPair<QPointF, QPointF>> arrows = {{{8, 8}, {24, 24}},
                                                             {{56, 8}, {40, 24}},
                                                             {{8, 56}, {24, 40}},
                                                             {{56, 56}, {40, 40}}};
              for (const auto &arrow : arrows) {
                  p.drawLine(arrow.first, arrow.second);
                  arrowHead(p, arrow.first, arrow.second, 10);
              }
          }}},
    };
    return all;
}

// A 127 x 127 one-bit tile: grid lines every 'step' pixels in the second palette colour.
QImage gridTile(QRgb paper, QRgb line, int step, bool dotted)
{
    QImage tile(127, 127, QImage::Format_Mono);
    tile.setColorTable({paper, line});
    tile.fill(0);
    for (int y = 0; y < 127; ++y) {
        for (int x = 0; x < 127; ++x) {
            const bool onLine = (x % step == 0) || (y % step == 0);
            const bool onDot = (x % step == 0) && (y % step == 0);
            if (dotted ? onDot : onLine)
                tile.setPixel(x, y, 1);
        }
    }
    return tile;
}

QImage appIcon(int size)
{
    return paint(QSize(size, size), [size](QPainter &p, const QSizeF &) {
        const qreal u = size / 16.0;
        p.setPen(QPen(ink, qMax(1.0, u * 0.8)));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(u, 2 * u, 14 * u, 11 * u), u, u);
        QPainterPath stroke;
        stroke.moveTo(3 * u, 10 * u);
        stroke.cubicTo(5 * u, 4 * u, 8 * u, 12 * u, 13 * u, 5 * u);
        p.setPen(QPen(warning, qMax(1.0, u * 1.4), Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(stroke);
    });
}

QByteArray dibEntry(const QImage &source)
{
    // An icon image in the classic layout: header with doubled height, bottom-up BGRA rows,
    // then the (all clear) AND mask, rows padded to 32 bits.
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();
    QByteArray data(40, '\0');
    char *header = data.data();
    qToLittleEndian<quint32>(40, header);
    qToLittleEndian<qint32>(w, header + 4);
    qToLittleEndian<qint32>(2 * h, header + 8);
    qToLittleEndian<quint16>(1, header + 12);
    qToLittleEndian<quint16>(32, header + 14);
    for (int y = h - 1; y >= 0; --y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const char bgra[4] = {char(qBlue(row[x])),
                                  char(qGreen(row[x])),
                                  char(qRed(row[x])),
                                  char(qAlpha(row[x]))};
            data.append(bgra, 4);
        }
    }
    const int maskRowBytes = ((w + 31) / 32) * 4;
    data.append(QByteArray(maskRowBytes * h, '\0'));
    return data;
}

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

bool writeIco(const QString &path)
{
    const QList<QPair<int, QByteArray>> images = {{16, dibEntry(appIcon(16))},
                                                  {32, dibEntry(appIcon(32))},
                                                  {256, pngBytes(appIcon(256))}};
    QByteArray ico(6, '\0');
    qToLittleEndian<quint16>(1, ico.data() + 2);
    qToLittleEndian<quint16>(quint16(images.size()), ico.data() + 4);
    quint32 offset = 6 + 16 * images.size();
    for (const auto &[size, bytes] : images) {
        QByteArray entry(16, '\0');
        entry[0] = char(size == 256 ? 0 : size);
        entry[1] = char(size == 256 ? 0 : size);
        qToLittleEndian<quint16>(1, entry.data() + 4);
        qToLittleEndian<quint16>(32, entry.data() + 6);
        qToLittleEndian<quint32>(quint32(bytes.size()), entry.data() + 8);
        qToLittleEndian<quint32>(offset, entry.data() + 12);
        offset += bytes.size();
        ico.append(entry);
    }
    for (const auto &image : images)
        ico.append(image.second);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(ico) == ico.size();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: make_images <resources folder>\n", stderr);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath("images");
    bool ok = true;
    for (const auto &[name, drawing] : icons()) {
        ok &= paint(drawing.first, drawing.second).save(out.filePath("images/" + name + ".png"));
        ok &= paint(drawing.first, drawing.second, 2)
                  .save(out.filePath("images/" + name + "@2x.png"));
    }
    ok &= gridTile(qRgb(255, 255, 255), qRgb(90, 150, 230), 21, false)
              .save(out.filePath("images/background1.png"));
    ok &= gridTile(qRgb(200, 200, 200), qRgb(255, 255, 255), 21, false)
              .save(out.filePath("images/background2.png"));
    ok &= gridTile(qRgb(255, 255, 255), qRgb(150, 150, 150), 21, false)
              .save(out.filePath("images/background3.png"));
    ok &= gridTile(qRgb(255, 255, 255), qRgb(60, 60, 60), 21, true)
              .save(out.filePath("images/background4.png"));
    ok &= appIcon(256).save(out.filePath("tavelo.png"));
    // The application icon for the desktop's icon theme, at each size a theme looks for.
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QString("icons/%1x%1").arg(size);
        out.mkpath(folder);
        ok &= appIcon(size).save(out.filePath(folder + "/" + appId + ".png"));
    }
    ok &= writeIco(out.filePath("tavelo.ico"));
    return ok ? 0 : 1;
}
