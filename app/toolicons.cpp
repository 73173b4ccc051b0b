#include "toolicons.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

#include <functional>

namespace {

QIcon paintedIcon(const std::function<void(QPainter &)> &draw)
{
    QIcon icon;
    for (qreal scale : {1.0, 2.0}) {
        QPixmap pixmap(QSize(24, 24) * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon eraser()
{
    return paintedIcon([](QPainter &painter) {
        painter.setPen(QPen(Qt::black, 1.5));
        painter.setBrush(QColor(240, 120, 140));
        painter.drawPolygon(QPolygonF({{3, 15}, {12, 6}, {21, 12}, {12, 21}}));
        painter.setBrush(QColor(250, 250, 250));
        painter.drawPolygon(QPolygonF({{3, 15}, {7.5, 10.5}, {16.5, 16.5}, {12, 21}}));
    });
}

QIcon arrow()
{
    return paintedIcon([](QPainter &painter) {
        painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(4, 20), QPointF(16, 8));
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawPolygon(QPolygonF({{21, 3}, {18.5, 13}, {11, 5.5}}));
    });
}

QIcon spotlight()
{
    return paintedIcon([](QPainter &painter) {
        painter.fillRect(QRectF(1, 1, 22, 22), QColor(40, 40, 40));
        painter.setPen(QPen(QColor(255, 240, 180), 1.5));
        painter.setBrush(QColor(255, 250, 220));
        painter.drawEllipse(QPointF(12, 12), 6.5, 6.5);
    });
}

QIcon save()
{
    return paintedIcon([](QPainter &painter) {
        painter.setPen(QPen(Qt::black, 1.5));
        painter.setBrush(QColor(70, 110, 200));
        painter.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(7, 3, 10, 7));
        painter.drawRect(QRectF(6, 14, 12, 7));
    });
}

// Two sheets, one over the other.
QIcon pages()
{
    return paintedIcon([](QPainter &painter) {
        painter.setPen(QPen(Qt::black, 1.5));
        painter.setBrush(QColor(230, 230, 230));
        painter.drawRect(QRectF(8, 3, 12, 15));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(4, 7, 12, 15));
    });
}

QIcon ellipse()
{
    return paintedIcon([](QPainter &painter) {
        painter.setPen(QPen(Qt::black, 2));
        painter.setBrush(QColor(255, 255, 255, 160));
        painter.drawEllipse(QRectF(2, 5, 20, 14));
    });
}

void drawSign(QPainter &painter, const QRectF &area, const QColor &colour, const QString &sign)
{
    painter.setPen(colour);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(13);
    painter.setFont(font);
    painter.drawText(area, Qt::AlignCenter, sign);
}

// A letter on a box.
QIcon labelBox()
{
    return paintedIcon([](QPainter &painter) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(250, 220, 90));
        painter.drawRoundedRect(QRectF(2, 4, 20, 16), 3, 3);
        drawSign(painter, QRectF(2, 4, 20, 16), Qt::black, QStringLiteral("A"));
    });
}

// A round badge with a number.
QIcon numbers()
{
    return paintedIcon([](QPainter &painter) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(30, 90, 200));
        painter.drawEllipse(QRectF(2, 2, 20, 20));
        drawSign(painter, QRectF(2, 2, 20, 20), Qt::white, QStringLiteral("1"));
    });
}

// A square of coarse grey blocks.
QIcon blur()
{
    return paintedIcon([](QPainter &painter) {
        const QColor shades[] = {QColor(90, 90, 90), QColor(170, 170, 170), QColor(130, 130, 130)};
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 3; ++column)
                painter.fillRect(QRectF(3 + 6 * column, 3 + 6 * row, 6, 6),
                                 shades[(row + 2 * column) % 3]);
        }
    });
}

// A lens with its handle.
QIcon magnifier()
{
    return paintedIcon([](QPainter &painter) {
        painter.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(15, 15), QPointF(21, 21));
        painter.setPen(QPen(Qt::black, 2));
        painter.setBrush(QColor(200, 230, 255));
        painter.drawEllipse(QPointF(10, 10), 7, 7);
    });
}

// A ring around the point of a click.
QIcon clicks()
{
    return paintedIcon([](QPainter &painter) {
        painter.setPen(QPen(QColor(255, 170, 0), 2.5));
        painter.drawEllipse(QPointF(12, 12), 8, 8);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawEllipse(QPointF(12, 12), 2.5, 2.5);
    });
}

// A key cap.
QIcon keys()
{
    return paintedIcon([](QPainter &painter) {
        painter.setPen(QPen(Qt::black, 1.5));
        painter.setBrush(QColor(235, 235, 235));
        painter.drawRoundedRect(QRectF(2, 5, 20, 14), 3, 3);
        drawSign(painter, QRectF(2, 5, 20, 14), Qt::black, QStringLiteral("K"));
    });
}

} // namespace

namespace ToolIcons {

QIcon forName(const QString &name, const QColor &ink)
{
    if (name.startsWith(':'))
        return QIcon(name);
    // The painted icons by name; those of a tool with inks of its own show the ink.
    struct Painted
    {
        const char *name;
        QIcon (*paint)(const QColor &ink);
    };
    static const Painted painted[] = {
        {"highlighter", highlighter},
        {"laser", laser},
        {"eraser", [](const QColor &) { return eraser(); }},
        {"arrow", [](const QColor &) { return arrow(); }},
        {"save", [](const QColor &) { return save(); }},
        {"spotlight", [](const QColor &) { return spotlight(); }},
        {"pages", [](const QColor &) { return pages(); }},
        {"ellipse", [](const QColor &) { return ellipse(); }},
        {"numbers", [](const QColor &) { return numbers(); }},
        {"labelbox", [](const QColor &) { return labelBox(); }},
        {"blur", [](const QColor &) { return blur(); }},
        {"magnifier", [](const QColor &) { return magnifier(); }},
        {"clicks", [](const QColor &) { return clicks(); }},
        {"keys", [](const QColor &) { return keys(); }},
    };
    for (const Painted &icon : painted) {
        if (name == QLatin1String(icon.name))
            return icon.paint(ink);
    }
    return QIcon();
}

QIcon highlighter(const QColor &color)
{
    return paintedIcon([color](QPainter &painter) {
        QColor ink = color;
        ink.setAlpha(200);
        painter.setPen(QPen(ink, 7, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(4, 19), QPointF(20, 19));
        painter.setPen(QPen(Qt::black, 1.5));
        painter.setBrush(QColor(250, 250, 250));
        painter.drawPolygon(QPolygonF({{8, 15}, {15, 4}, {20, 7}, {13, 18}}));
        painter.setBrush(ink);
        painter.drawPolygon(QPolygonF({{8, 15}, {13, 18}, {9, 20}, {7, 18}}));
    });
}

QIcon laser(const QColor &color)
{
    return paintedIcon([color](QPainter &painter) {
        QColor glow = color;
        glow.setAlpha(80);
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow);
        painter.drawEllipse(QPointF(16, 8), 6.5, 6.5);
        painter.setBrush(color);
        painter.drawEllipse(QPointF(16, 8), 3, 3);
        painter.setPen(QPen(Qt::black, 3.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(4, 21), QPointF(11, 13));
    });
}

QIcon width(int width)
{
    return paintedIcon([width](QPainter &painter) {
        painter.setPen(QPen(Qt::black, qMin(width, 16), Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(2, 12), QPointF(22, 12));
    });
}

QIcon background(const QBrush &brush)
{
    QPixmap swatch(50, 50);
    swatch.fill(Qt::transparent);
    QPainter painter(&swatch);
    if (brush.color().alpha() == 0 && brush.style() == Qt::SolidPattern) {
        for (int y = 0; y < 50; y += 10) {
            for (int x = 0; x < 50; x += 10)
                painter.fillRect(x, y, 10, 10, (x + y) % 20 ? QColor(200, 200, 200) : Qt::white);
        }
    } else {
        painter.fillRect(swatch.rect(), brush);
    }
    painter.setPen(Qt::gray);
    painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    painter.end();
    return QIcon(swatch);
}

} // namespace ToolIcons
