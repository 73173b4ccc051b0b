#pragma once

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <functional>

// What the end-to-end tests put behind the board and how they read the screen.
namespace ScreenPixels {

// A region of fine detail, as text on a slide is: white and dark blue squares of 3 pixels.
const QRect checkerArea(1110, 380, 150, 90);

// Mid tones only, so the board's black strokes and white status text stand out, with an orange
// and a magenta block to find again and a fine checker.
inline QImage desktopPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, width, height);
    gradient.setColorAt(0, QColor(90, 140, 190));
    gradient.setColorAt(1, QColor(120, 170, 130));
    painter.fillRect(picture.rect(), gradient);
    painter.fillRect(QRect(1000, 560, 150, 100), QColor(224, 128, 48));
    painter.fillRect(QRect(300, 500, 60, 60), QColor(200, 80, 160));
    for (int y = 0; y < checkerArea.height(); y += 3) {
        for (int x = 0; x < checkerArea.width(); x += 3) {
            const bool light = (x / 3 + y / 3) % 2 == 0;
            painter.fillRect(QRect(checkerArea.topLeft() + QPoint(x, y), QSize(3, 3)),
                             light ? QColor(250, 250, 250) : QColor(20, 40, 150));
        }
    }
    return picture;
}

inline bool isInk(QRgb pixel)
{
    return qRed(pixel) < 60 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
}

inline bool near(QRgb a, QRgb b, int tolerance)
{
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance
           && qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}

// The desktop picture's block of 60 pixels near (300, 500), under the board's tint.
inline bool isMagenta(QRgb pixel)
{
    return near(pixel, qRgb(200, 80, 160), 30);
}

// The smallest rectangle of an area holding every pixel that passes the test.
inline QRect boundsOf(const QImage &image, const QRect &area, const std::function<bool(QRgb)> &test)
{
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (test(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

// Whether the block seen is the one before, twice as large around the pointer, within a few
// pixels of smoothing.
inline bool isTwiceAroundPointer(const QRect &seen, const QRect &before, QPoint pointer)
{
    const QRect twice(pointer + (before.topLeft() - pointer) * 2, before.size() * 2);
    return (seen.topLeft() - twice.topLeft()).manhattanLength() <= 4
           && (seen.bottomRight() - twice.bottomRight()).manhattanLength() <= 4;
}

} // namespace ScreenPixels
