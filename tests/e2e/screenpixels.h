#pragma once

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

// What the end-to-end tests put behind the board and how they read the screen.
namespace ScreenPixels {

// Mid tones only, so the board's black strokes and white status text stand out, with an orange
// and a magenta block to find again.
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

} // namespace ScreenPixels
