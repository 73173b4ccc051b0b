#include "preferences.h"

#include <QDataStream>
#include <QFontInfo>
#include <QIODevice>
#include <QSettings>

namespace {

// A colour read back from a damaged store can carry a colour model number outside the
// enumeration, and even asking such a colour whether it is valid is undefined. Qt's own stream
// operator writes the model as the first byte; read it back from a copy as a plain number.
bool hasKnownColorModel(const QColor &color)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << color;
    QDataStream in(bytes);
    qint8 model = -1;
    in >> model;
    return in.status() == QDataStream::Ok && model >= QColor::Rgb && model <= QColor::ExtendedRgb;
}

} // namespace

namespace Preferences {

QFont font(const QSettings &settings)
{
    const QVariant stored = settings.value(fontKey);
    if (stored.canConvert<QFont>())
        return stored.value<QFont>();
    return QFont();
}

bool isValidFontSize(const QString &text)
{
    bool isNumber = false;
    const int size = text.toInt(&isNumber, 10);
    return isNumber && size >= minimumFontSize && size <= maximumFontSize;
}

QString fontSize(const QSettings &settings)
{
    const QVariant stored = settings.value(fontSizeKey);
    // Only plain texts and numbers are sizes; a list or a colour that happens to convert is not.
    const int typeId = stored.metaType().id();
    if (typeId != QMetaType::QString && typeId != QMetaType::Int && typeId != QMetaType::LongLong)
        return QString();
    const QString text = stored.toString();
    return isValidFontSize(text) ? text : QString();
}

QString unusableFontSize(const QSettings &settings)
{
    const QVariant stored = settings.value(fontSizeKey);
    if (!stored.isValid() || !fontSize(settings).isEmpty())
        return QString();
    if (stored.metaType().id() == QMetaType::QString && stored.toString().isEmpty())
        return QString(); // what the first start writes: no size chosen yet
    return asStored(stored);
}

QString asStored(const QVariant &value)
{
    constexpr int longestShown = 20;
    const QString text = value.toString();
    if (text.isEmpty())
        return QString::fromLatin1(value.typeName());
    return text.size() > longestShown ? text.left(longestShown) + "…" : text;
}

bool hasReadableSize(const QFont &font)
{
    constexpr qreal pixelsPerPoint = 96.0 / 72.0;
    if (font.pointSizeF() > 0)
        return font.pointSizeF() >= minimumFontSize && font.pointSizeF() <= maximumFontSize;
    return font.pixelSize() >= minimumFontSize * pixelsPerPoint
           && font.pixelSize() <= maximumFontSize * pixelsPerPoint;
}

int readableFallbackSize()
{
    constexpr int ordinarySize = 10;
    const int desktops = QFontInfo(QFont()).pointSize();
    return desktops >= minimumFontSize && desktops <= maximumFontSize ? desktops : ordinarySize;
}

bool flag(const QSettings &settings, const char *key)
{
    return settings.value(key).toBool();
}

std::optional<QColor> color(const QSettings &settings, const char *key)
{
    if (settings.value(key).toString().isEmpty())
        return std::nullopt;
    const QColor stored = settings.value(key).value<QColor>();
    if (!hasKnownColorModel(stored))
        return std::nullopt;
    return stored;
}

} // namespace Preferences
